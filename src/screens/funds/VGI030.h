#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class RecordSet;
class TPopupBtn;

// 예금계좌 등록: the company's bank accounts (VA051MS). The bank and the
// account number are the key; they are fixed once the account is saved,
// since the savings contracts and the slips' item values name them.
class TfrmVGI030 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVGI030(QWidget* parent = nullptr);
    RecordSet* records() const { return cdsMain; }

protected:
    void DoSearch() override;
    void AfterNew() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoDelete() override;
    void FieldExit(QWidget* control) override;

private:
    void rowChange();
    void showCurrentRow();

    RecordSet* cdsMain;
    DataGrid* rdgMain;
    QLineEdit* edtCCode;
    TPopupBtn* pbtBank;
    QLineEdit* edtCName;
    QLineEdit* edtDAccount;
    QLineEdit* edtDName;
    QLineEdit* edtDOwner;
    QComboBox* cboDType;
    QLineEdit* medtOpenDate;
    QLineEdit* medtDueDate;
    QRadioButton* rdoRateFixed;
    QRadioButton* rdoRateFloating;
    QLineEdit* edtIntRate;
    QList<QRadioButton*> rdoSecure;
    QRadioButton* rdoAttachY;
    QRadioButton* rdoAttachN;
    QPlainTextEdit* memSummary;
    QRadioButton* rdoUseY;
    QRadioButton* rdoUseN;
};
