#pragma once
#include "framework/ZZS010.h"
#include <QDate>

class DataGrid;
class QDateEdit;
class QLineEdit;
class RecordSet;
class TPopupBtn;

// The general ledger (총계정원장): for every account of a range with
// confirmed lines in the period, the balance brought forward, the lines,
// and after each month with lines its month and cumulative totals, each with
// the balance after it. The database computes it for this workstation
// (PR_V_VCI070SP into VC070PR); the left list names the accounts, the right
// grid shows the chosen one's rows. Printed as VCI071, one page group per
// account, over the range and period searched.
class TfrmVCI070 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVCI070(QWidget* parent = nullptr);

    RecordSet* accounts() const { return cdsGrid; }
    RecordSet* lines() const { return cdsDetail; }
    DataGrid* linesGrid() const { return rgrDetail; }

public slots:
    void bbtSearchClick() override;
    void bbtPrintClick() override;
    void bbtPreviewClick() override;

private:
    void showAccountLines();
    void printLedger();

    QLineEdit* edtFAcctCd;
    TPopupBtn* pbtFAccCode;
    QLineEdit* edtFAcctName;
    QLineEdit* edtEAcctCd;
    TPopupBtn* pbtEAccCode;
    QLineEdit* edtEAcctName;
    QDateEdit* dtpFSlipDate;
    QDateEdit* dtpESlipDate;
    DataGrid* rgrGrid;
    DataGrid* rgrDetail;
    RecordSet* cdsGrid;
    RecordSet* cdsDetail;
    QString m_shownAccount;
    // What the last search computed; the print shows it.
    QString m_fromAcct, m_toAcct;
    QDate m_from, m_to;
};
