#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QButtonGroup;
class QDateEdit;
class QRadioButton;
class QTabWidget;
class RecordSet;
class TfrmZZP010;

// 매입매출장: the confirmed tax-invoice rows of one business place and
// period, one tab per invoice kind with month subtotals and a grand total,
// and a summary tab by counterpart. 매입/매출 switches the tabs between the
// purchase and the sales kinds. Prints the kind tab as VEI012 and the
// summary tab as VEI011.
class TfrmVEI010 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVEI010(QWidget* parent = nullptr);

    static constexpr int kTabs = 6;
    bool sales() const;
    int activeTab() const;
    void setActiveTab(int tab);
    RecordSet* tabResult(int tab) const { return m_sets[tab]; }
    DataGrid* tabGrid(int tab) const { return m_grids[tab]; }
    QString tabCaption(int tab) const;
    // The layout of the active tab, prepared.
    std::unique_ptr<TfrmZZP010> buildReport();

protected:
    void DoSearch() override;
    void DoPrint() override;
    void DoPreview() override;
    void DoExcel() override;
    void AfterCancel() override;

private:
    void kindChanged();
    void tabChanged();
    void runActiveTab();
    bool summaryTab() const;
    QString company() const;
    QString placeLine(bool withCompany) const;
    QString periodText() const;

    QDateEdit* dtpFsDate;
    QDateEdit* dtpEsDate;
    QRadioButton* rbPurchase;
    QRadioButton* rbSales;
    QButtonGroup* m_places;
    QTabWidget* pgcMain;
    RecordSet* m_sets[kTabs];
    DataGrid* m_grids[kTabs];
};
