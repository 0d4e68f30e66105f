#pragma once
#include "framework/ZQI030.h"
#include "screens/tax/FilingFile.h"

class QButtonGroup;
class QLabel;
class QLineEdit;

// 세금계산서 합계표 전산매체: writes the quarter's summaries of tax invoices
// by customer and by supplier for one business place as the electronic
// filing file — both sections, or the sales or the purchase section alone.
// Nothing is written unless the whole file passed its checks.
class TfrmVEI030 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVEI030(QWidget* parent = nullptr);

    // What a button would write, without asking for a file (tests, and the
    // check before the dialog).
    Filing::Encoded encode(int sections) const;

public slots:
    void bbtAllClick() { writeMedia(Filing::Both); }
    void bbtSalesClick() { writeMedia(Filing::SalesOnly); }
    void bbtPurchasesClick() { writeMedia(Filing::PurchasesOnly); }

protected:
    void DoSearch() override;

private:
    void writeMedia(int sections);
    QDate dateOf(const QLineEdit* field) const;

    QButtonGroup* m_places;
    QLineEdit* medFromDate;
    QLineEdit* medToDate;
    QLineEdit* medWriteDate;
    QPushButton* bbtAll;
    QPushButton* bbtSales;
    QPushButton* bbtPurchases;
    QLabel* lblSummary;
};
