#pragma once
#include "framework/ZZS010.h"
#include <QDate>

class DataGrid;
class QDateEdit;
class QLineEdit;
class QPushButton;
class RecordSet;
class TPopupBtn;

// Ordinary-deposit auto slips: confirmed slips that credited accounts
// payable or other payables and went into no deposit slip yet are listed;
// the user numbers the ones to pay, and the database writes one deposit
// slip from them in that order, remembering them in the register. The
// register rows of a generated slip are released again once that slip has
// been deleted in slip entry. The list prints as the confirmed-slip register.
class TfrmVBI090 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVBI090(QWidget* parent = nullptr);

    RecordSet* candidates() const { return cdsResult; }
    DataGrid* candidateGrid() const { return rgrResult; }
    QLineEdit* newSlipNoEdit() const { return edtNew_Slip_No; }

    void openSlipOfRow(int row);

public slots:
    void bbtSearchClick() override;
    void bbtPrintClick() override;
    void bbtPreviewClick() override;
    void Auto_slipClick();
    void Button1Click();

private:
    void buildSearchStrip();
    void buildButtonStrip();
    void buildCandidateList();
    void printList();
    struct Numbered {
        QString slipNo;
        int order = 0;
    };
    // The numbered candidates in list order; false (after the message) when
    // an order is not a whole number of at least 1.
    bool numberedCandidates(QList<Numbered>* rows);

    QDateEdit* dtpFSlipDate;
    QDateEdit* dtpESlipDate;
    QLineEdit* edtEmpNo;
    TPopupBtn* pbtEmpNo;
    QLineEdit* edtEmpName;
    QPushButton* Auto_slip;
    QLineEdit* edtNew_Slip_No;
    QPushButton* Button1;
    DataGrid* rgrResult;
    RecordSet* cdsResult;
    bool m_searched = false;
    QDate m_shownFrom, m_shownTo;
};
