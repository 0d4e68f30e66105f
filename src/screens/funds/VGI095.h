#pragma once
#include "framework/ZZS010.h"
#include "screens/funds/FundSchedules.h"

class DataGrid;
class QDateEdit;
class RecordSet;

// 일일 자금수지 예측: the DAILY CASH FLOW FORECAST of the plan date's month,
// from the month's plan and the balances of the books, shown in millions
// and printed through VGI096.
class TfrmVGI095 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVGI095(QWidget* parent = nullptr);
    RecordSet* records() const { return cdsMain; }
    QDateEdit* planDate() const { return dtpPlanDate; }

    // The forecast's figures of a month: its plan and, through the ledger
    // kernel, the balances at the month's start and petty cash by day.
    static Funds::ForecastInput LoadInput(const QDate& planDate);

public slots:
    void bbtSearchClick() override;
    void bbtPrintClick() override;
    void bbtPreviewClick() override;

private:
    void printReport();

    QDateEdit* dtpPlanDate;
    RecordSet* cdsMain;
    DataGrid* rdgMain;
};
