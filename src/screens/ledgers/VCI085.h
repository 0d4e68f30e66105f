#pragma once
#include "framework/ZZS010.h"
#include <QDate>

class DataGrid;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class RecordSet;
class TPopupBtn;

// The balance statement (잔액명세서) of a balance-managed account: one row
// per combination of the values of its balance items with the balance
// brought forward, the period's debits and credits and the closing balance.
// The database computes it for this workstation (PR_V_VCI085SP into
// VC085PR). A double click opens the ledger by balance order (VCI080) on the
// row's values; exported as "<account> 잔액명세서".
class TfrmVCI085 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVCI085(QWidget* parent = nullptr);

    RecordSet* result() const { return cdsMain; }
    DataGrid* resultGrid() const { return rgrGrid; }
    // Leaves the ledger hand-off for a row and opens VCI080.
    void openLedger(int row);

public slots:
    void bbtSearchClick() override;
    void bbtExcelClick();

private:
    void chooseAccount();
    void showItemColumn(int position);

    QLineEdit* edtFAcctCd;
    TPopupBtn* pbtFAccCode;
    QLineEdit* edtFAcctName;
    QDateEdit* dtpFSlipDate;
    QDateEdit* dtpESlipDate;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox[3];
    QPushButton* bbtExcel;
    DataGrid* rgrGrid;
    RecordSet* cdsMain;
    // The account and period of the rows shown.
    QString m_shownAcct, m_shownName;
    QDate m_shownFrom, m_shownTo;
};
