#pragma once
#include "framework/ZQI030.h"
#include "screens/ledgers/SubsidiaryLedger.h"

class DataGrid;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class RecordSet;
class TPopupBtn;

// The subsidiary ledger (보조부) of one account: the balance brought
// forward, the confirmed lines of the period with their seven item values
// and the running balance, and the period's total; optionally only the
// lines of one value of the account's first item (its balance brought
// forward then is that value's), or the archived slips (과거자료). A double
// click on a line opens its slip. Printed as VCI041 as searched; exported.
class TfrmVCI040 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVCI040(QWidget* parent = nullptr);

    RecordSet* result() const { return cdsMain; }
    DataGrid* resultGrid() const { return rgrGrid; }
    // The item code the value field filters by; empty when the account has
    // no first item to filter by.
    QString itemCode() const { return m_itemCode; }

protected:
    // range: the account range screen (VCI045).
    TfrmVCI040(const QString& programId, bool range, QWidget* parent);

    void DoSearch() override;
    void DoPrint() override;
    void DoPreview() override;
    void DoExcel() override;

private:
    void build();
    void readFirstItem(const QString& account);
    void clearItem();
    void openLine(int row);
    void printLedger();

    bool m_range;
    QDateEdit* dtpFSlipDate;
    QDateEdit* dtpESlipDate;
    QLineEdit* edtFAcctCd;
    TPopupBtn* pbtFAccCode;
    QLineEdit* edtFAcctName;
    QLineEdit* edtEAcctCd = nullptr;
    TPopupBtn* pbtEAccCode = nullptr;
    QLineEdit* edtEAcctName = nullptr;
    QLabel* lblMg1;
    QLineEdit* edtMg1;
    TPopupBtn* pbtMg1;
    QLineEdit* edtMg1nm;
    QCheckBox* Chk_old;
    DataGrid* rgrGrid;
    RecordSet* cdsMain;
    QString m_itemCode;
    QString m_itemTextOnEntry;
    // What the grid shows, which the print repeats.
    SubsidiaryLedger m_shown;
    bool m_shownPast = false;
};

// The same over a range of accounts, the balance restarting at each one.
class TfrmVCI045 : public TfrmVCI040 {
    Q_OBJECT
public:
    explicit TfrmVCI045(QWidget* parent = nullptr);
};
