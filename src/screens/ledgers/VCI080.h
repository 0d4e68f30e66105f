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

// The ledger by balance order (보조원장): the lines of a balance-managed
// account for a period, optionally only those with chosen values of its
// balance items 1-3, with the balance brought forward for those values,
// month and cumulative totals and the running balance. The database computes
// it for this workstation (PR_V_VCI080SP into VC080PR). Opened from the
// balance statement (VCI085) on a row's values; a double click on a line
// opens its slip. Printed as VCI081, exported as "<account> 보조원장".
class TfrmVCI080 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVCI080(QWidget* parent = nullptr);

    RecordSet* result() const { return cdsMain; }
    DataGrid* resultGrid() const { return rgrGrid; }
    QCheckBox* positionBox(int position) const { return CheckBox[position]; }
    void FormShow() override;

public slots:
    void bbtSearchClick() override;
    void bbtPrintClick() override;
    void bbtPreviewClick() override;
    void bbtExcelClick();

private:
    void chooseAccount();
    void positionClicked(int position);
    void setPosition(int position, bool chosen);
    void valueExit(int position);
    void openLine(int row);
    void printLedger();

    QLineEdit* edtFAcctCd;
    TPopupBtn* pbtFAccCode;
    QLineEdit* edtFAcctName;
    QDateEdit* dtpFSlipDate;
    QDateEdit* dtpESlipDate;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox[3];
    QLineEdit* edtCaption[3];  // Edit1, Edit6, Edit9
    QLineEdit* edtValue[3];    // Edit2, Edit4, Edit7
    QLineEdit* edtValueName[3];  // Edit3, Edit5, Edit8
    TPopupBtn* pbtFindCode[3];
    QString m_valueOnEntry[3];
    QPushButton* bbtExcel;
    DataGrid* rgrGrid;
    RecordSet* cdsMain;
    // The account and period searched, which the print names.
    QString m_shownName;
    QDate m_shownFrom, m_shownTo;
};
