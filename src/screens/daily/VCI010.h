#pragma once
#include "framework/ZQI030.h"
#include <QDate>
#include <memory>

class DataGrid;
class QDateEdit;
class QLabel;
class QLineEdit;
class RecordSet;
class TfrmVCI011;

// 경리일보: the cash receipts and payments of one day (lines of the cash
// account confirmed that day) with the cash balance before and after it, and
// the deposit accounts per bank account with their balances and the day's
// deposits and withdrawals. Balances come from the ledger kernel. Printed as
// VCI011.
class TfrmVCI010 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVCI010(QWidget* parent = nullptr);

    RecordSet* receipts() const { return cdsIncome; }
    RecordSet* payments() const { return cdsOutgo; }
    RecordSet* deposits() const { return cdsDeposit; }
    // The layout of the day searched, laid out and ready to print.
    std::unique_ptr<TfrmVCI011> buildReport();

protected:
    void DoSearch() override;
    void DoPrint() override;
    void DoPreview() override;

private:
    void printReport();

    QDateEdit* dtpDate;
    QLineEdit* edtBfAmount;
    QLineEdit* edtAfAmount;
    QLabel* lblIncomeTotal;
    QLabel* lblOutgoTotal;
    DataGrid* rgrIncome;
    DataGrid* rgrOutgo;
    DataGrid* rgrDeposit;
    RecordSet* cdsIncome;
    RecordSet* cdsOutgo;
    RecordSet* cdsDeposit;
    QDate m_day;
    qint64 m_before = 0;
    qint64 m_after = 0;
    qint64 m_incomeTotal = 0;
    qint64 m_outgoTotal = 0;
};
