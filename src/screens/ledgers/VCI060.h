#pragma once
#include "framework/ZQI030.h"
#include "screens/ledgers/SubsidiaryLedger.h"

class DataGrid;
class QComboBox;
class QDateEdit;
class QLineEdit;
class RecordSet;
class TPopupBtn;

// The account ledger over a range of accounts (계정별원장): the search lists
// the range's accounts in a drop-down list and shows the first; the grid
// shows the chosen account's balance brought forward, lines with their item
// values and running balance, a total after each month (which does not move
// the balance) and the period's total. Print (VCI041) and spreadsheet cover
// the whole range searched. A double click on a line opens its slip.
class TfrmVCI060 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVCI060(QWidget* parent = nullptr);

    RecordSet* result() const { return cdsMain; }
    DataGrid* resultGrid() const { return rgrGrid; }
    QComboBox* accountList() const { return ComboBox1; }
    // Shows the ledger of an entry of the account list.
    void showAccount(int index);

protected:
    // withVat: the spreadsheet adds each line's VAT amount (VCI110).
    TfrmVCI060(const QString& programId, bool withVat, QWidget* parent);

    void DoSearch() override;
    void DoPrint() override;
    void DoPreview() override;
    void DoExcel() override;

private:
    void build();
    SubsidiaryLedger rangeLedger() const;
    void printLedger();

    bool m_withVat;
    QDateEdit* dtpFSlipDate;
    QDateEdit* dtpESlipDate;
    QLineEdit* edtFAcctCd;
    TPopupBtn* pbtFAccCode;
    QLineEdit* edtFAcctName;
    QLineEdit* edtEAcctCd;
    TPopupBtn* pbtEAccCode;
    QLineEdit* edtEAcctName;
    QComboBox* ComboBox1;
    DataGrid* rgrGrid;
    RecordSet* cdsMain;
    // The range and period of the last search, which the list, the print
    // and the spreadsheet keep to until the next search.
    QDate m_from, m_to;
    QString m_fromAcct, m_toAcct;
};

// The same ledger; its spreadsheet carries the VAT amount of each line.
class TfrmVCI110 : public TfrmVCI060 {
    Q_OBJECT
public:
    explicit TfrmVCI110(QWidget* parent = nullptr);
};
