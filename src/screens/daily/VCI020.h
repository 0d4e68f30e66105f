#pragma once
#include "framework/ZQI030.h"
#include <memory>

class DataGrid;
class QDateEdit;
class QTabWidget;
class RecordSet;
class TfrmZZP010;

// 예.적금 현황: the deposits and withdrawals of the deposit accounts over a
// period of confirmation dates per bank account, with subtotals and a grand
// total, grouped by bank (tab 0) or by account (tab 1). Switching the tab
// searches that view at once. Printed as VCI021 (by bank) or VCI022 (by
// account).
class TfrmVCI020 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVCI020(QWidget* parent = nullptr);

    int currentTab() const { return m_tab; }
    RecordSet* byBank() const { return cdsGrid; }
    RecordSet* byAccount() const { return cdsGrid1; }
    RecordSet* currentRows() const { return m_tab == 0 ? cdsGrid : cdsGrid1; }
    std::unique_ptr<TfrmZZP010> buildReport();

protected:
    void DoSearch() override;
    void DoPrint() override;
    void DoPreview() override;
    void DoExcel() override;

private:
    void tabChanged(int index);
    void printReport();

    QDateEdit* dtpFSlipDate;
    QDateEdit* dtpESlipDate;
    QTabWidget* pgcMain;
    DataGrid* RealDBGrid1;
    DataGrid* RealDBGrid2;
    RecordSet* cdsGrid;
    RecordSet* cdsGrid1;
    int m_tab = 0;
};
