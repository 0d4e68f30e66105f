#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QLineEdit;
class RecordSet;

// 마감 현황: how far a month is closed, for every fiscal period (a period
// that does not contain the month shows no state).
class TfrmVKI025 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVKI025(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }

protected:
    void DoSearch() override;
    void DoExcel() override;

private:
    QLineEdit* MaskEdit1;  // 마감월
    DataGrid* rdgMain;
    RecordSet* cdsMain;
};
