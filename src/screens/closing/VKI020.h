#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QComboBox;
class RecordSet;

// 월/일 마감: the months of a fiscal period with their days. Double-clicking
// the "마감여부" cell of a day or a month closes or reopens it; closing a
// month closes its days and runs the month-end procedures, reopening a day
// reopens its month. The database does the work (pk_v_close) in one
// transaction; the lists then show what it holds.
class TfrmVKI020 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVKI020(QWidget* parent = nullptr);

    RecordSet* months() const { return cdsMonth; }
    RecordSet* days() const { return cdsDay; }

protected:
    void DoSearch() override;

private:
    void fillPeriods();
    void openMonths();
    void RealDBGrid2RowChange();
    void RealDBGrid2DblClick();
    void RealDBGrid1DblClick();
    // Reads both lists again, staying on the month and day shown.
    void reloadLists();
    QString period() const;

    QComboBox* ComboBox1;
    DataGrid* RealDBGrid2;  // months
    DataGrid* RealDBGrid1;  // days
    RecordSet* cdsMonth;
    RecordSet* cdsDay;
};
