#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QDateEdit;
class QLineEdit;
class QRadioButton;
class RecordSet;
class TPopupBtn;

// 어음/수표 수령: the books of note and cheque forms received from a bank,
// with the forms used and left. Saving a book has the database create its
// forms; a book is changed or deleted only while none of them is used.
class TfrmVFI050 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVFI050(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }
    void FieldExit(QWidget* control) override;

protected:
    void DoSearch() override;
    void AfterNew() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoDelete() override;

private:
    QString billClf() const;
    bool bankChosen();
    void openList();
    void showCurrentRow();
    int usedForms() const;

    DataGrid* rdgMain;
    RecordSet* cdsMain;
    QLineEdit* edtFinInstCd;
    QLineEdit* edtFinInstNm;
    TPopupBtn* pbtFinInst;
    QRadioButton* rdoNote;
    QRadioButton* rdoCheque;
    QDateEdit* dtpFrom;
    QDateEdit* dtpTo;
    QLineEdit* edtRcpDt;
    QLineEdit* edtStrtNo;
    QLineEdit* edtRcpSht;
    QString m_oldBank;
    QString m_oldClf;
    QString m_oldStrtNo;
};
