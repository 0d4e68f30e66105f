#pragma once
#include "framework/ZQI030.h"
#include <QDate>
#include <memory>

class DataGrid;
class QDateEdit;
class RecordSet;
class TfrmVCI031;

// 일계표: per account the day's debits and credits split into cash and
// transfer (the ledger kernel's day sheet over VC030PR), their subtotal, the
// cash row (today's cash balance on the debit side, yesterday's on the
// credit side) and the grand total, which balances. Printed as VCI031,
// exported as "일계표".
class TfrmVCI030 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVCI030(QWidget* parent = nullptr);

    // Row kinds of the grid (field ROW_KIND).
    static inline const QString kAccountRow = QStringLiteral("A");
    static inline const QString kSubtotalRow = QStringLiteral("S");
    static inline const QString kCashRow = QStringLiteral("C");
    static inline const QString kTotalRow = QStringLiteral("T");

    RecordSet* sheet() const { return cdsSheet; }
    DataGrid* sheetGrid() const { return rgrSheet; }
    std::unique_ptr<TfrmVCI031> buildReport();

protected:
    void DoSearch() override;
    void DoPrint() override;
    void DoPreview() override;
    void DoExcel() override;

private:
    void printReport();

    QDateEdit* dtpDate;
    DataGrid* rgrSheet;
    RecordSet* cdsSheet;
    QDate m_day;
};
