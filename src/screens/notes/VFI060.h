#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QComboBox;
class QLineEdit;
class QRadioButton;
class RecordSet;
class TPopupBtn;

// 미발행 어음/수표 처리: the blank forms of a bank kept unused, pledged as
// collateral, discarded or crossed for a withdrawal. Forms issued, settled
// or cancelled by slips are not offered, and a form another user issued
// meanwhile is not overwritten.
class TfrmVFI060 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVFI060(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }
    void FieldExit(QWidget* control) override;

protected:
    void DoSearch() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;

private:
    void showCurrentRow();

    DataGrid* rdgMain;
    RecordSet* cdsMain;
    QRadioButton* rdoNote;
    QRadioButton* rdoCheque;
    QLineEdit* edtFinInstCd;
    QLineEdit* edtFinInstNm;
    TPopupBtn* pbtFinInst;
    QLineEdit* edtSBillNo;
    QLineEdit* edtEBillNo;
    QLineEdit* edtBillNo;
    QLineEdit* edtBillClf;
    QLineEdit* edtBankNm;
    QComboBox* cboProcCd;
    QLineEdit* edtProcDt;
    QLineEdit* edtRmks;
    QString m_oldClf;
    QString m_oldBillNo;
};
