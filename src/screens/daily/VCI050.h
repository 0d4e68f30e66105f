#pragma once
#include "framework/ZQI030.h"
#include <QDate>
#include <memory>

class DataGrid;
class QDateEdit;
class RecordSet;
class TfrmVCI051;

// 현금출납부: the cash account's lines of one day after the balance brought
// into the day, each with the running balance, and the day's, month's and
// term's totals (the ledger kernel's cash book). Printed as VCI051,
// exported as "현금출납부".
class TfrmVCI050 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVCI050(QWidget* parent = nullptr);

    struct Totals {
        qint64 debit = 0;
        qint64 credit = 0;
        qint64 balance = 0;
    };

    RecordSet* book() const { return cdsBook; }
    DataGrid* bookGrid() const { return rgrBook; }
    Totals dayTotals() const { return m_dayTotals; }
    Totals monthTotals() const { return m_month; }
    Totals termTotals() const { return m_term; }
    std::unique_ptr<TfrmVCI051> buildReport();

protected:
    void DoSearch() override;
    void DoPrint() override;
    void DoPreview() override;
    void DoExcel() override;

private:
    void printReport();

    QDateEdit* dtpDate;
    DataGrid* rgrBook;
    RecordSet* cdsBook;
    QDate m_day;
    Totals m_dayTotals;
    Totals m_month;
    Totals m_term;
};
