#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QDateEdit;
class RecordSet;

// 자금계획 실적: a day's plan against the actual amounts of the confirmed
// slip lines by fund code; saving replaces the day's plan by the actuals
// (an empty amount where there were none).
class TfrmVGI110 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVGI110(QWidget* parent = nullptr);
    RecordSet* days() const { return cdsDays; }
    RecordSet* actuals() const { return cdsActuals; }
    DataGrid* actualGrid() const { return rdgActuals; }

protected:
    void DoSearch() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void RefreshButtons() override;

private:
    void dayChange();
    void loadDay();

    QDateEdit* dtpMonth;
    RecordSet* cdsDays;
    DataGrid* rdgDays;
    RecordSet* cdsActuals;
    DataGrid* rdgActuals;
    QDate m_day;
};
