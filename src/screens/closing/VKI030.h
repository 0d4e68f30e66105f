#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QPushButton;
class RecordSet;

// 이월작업: carries the balances of a fiscal period into the next one
// (pk_v_close.carry_forward), and again for a period carried before. The
// list shows each period, whether it is closed and when it was last carried.
class TfrmVKI030 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVKI030(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }

protected:
    void DoSearch() override;
    void RefreshButtons() override;

private:
    void openPeriods();
    void btnRunClick();
    void btnRerunClick();
    void carryForward();

    DataGrid* rdgMain;
    RecordSet* cdsMain;
    QPushButton* btnRun;
    QPushButton* btnRerun;
};
