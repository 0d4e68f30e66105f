#pragma once
#include "framework/ZQI030.h"
#include "screens/tax/SummaryForm.h"

class DataGrid;
class QButtonGroup;
class QDateEdit;
class QLineEdit;
class QTabWidget;
class RecordSet;

// 계산서 합계표: the invoices without tax of one business place and period
// by customer (5:매출) and by supplier (1:매입), with the totals of the
// registration numbers known as customers; printed on the official forms
// VEI041 and VEI043.
class TfrmVEI040 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVEI040(QWidget* parent = nullptr);

    bool salesTab() const;
    void setSalesTab(bool sales);
    RecordSet* list(bool sales) const { return sales ? cdsSales : cdsPurchases; }
    // The figures of the active tab as the form prints them.
    SummaryFormData formData() const;
    std::unique_ptr<TfrmSummaryForm> buildForm();

protected:
    void DoSearch() override;
    void DoPrint() override;
    void DoPreview() override;
    void DoExcel() override;
    void AfterCancel() override;

private:
    struct TotalBoxes {
        QLineEdit* count;
        QLineEdit* volume;
        QLineEdit* amount;
    };
    QWidget* buildTab(bool sales);
    void runTab();
    SummaryFormData::Total readTotal(const QString& caption, const QStringList& kinds) const;
    QVariantList params(const QStringList& kinds) const;

    QDateEdit* dtpFsDate;
    QDateEdit* dtpEsDate;
    QButtonGroup* m_places;
    QLineEdit* Edit_Year;
    QLineEdit* Edit_Gi;
    QLineEdit* medt_FSlipDate_Jasung;
    QTabWidget* pgcMain;
    RecordSet* cdsSales;
    RecordSet* cdsPurchases;
    DataGrid* rdgSales;
    DataGrid* rdgPurchases;
    TotalBoxes m_salesTotals[3];
    TotalBoxes m_purchaseTotal;
    QList<SummaryFormData::Total> m_totals;
};
