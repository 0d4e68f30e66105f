#pragma once
#include "framework/ZQI020.h"

class DataGrid;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class RecordSet;
class TPopupBtn;

// 계정코드 등록: the chart of accounts (VA020MS). The list on the left is
// searched by code, upper code, names and the four flags; the panel on the
// right adds and edits one account.
class TfrmVAI020 : public TfrmZQI020 {
    Q_OBJECT
public:
    explicit TfrmVAI020(QWidget* parent = nullptr);

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
    void buildSearchPanel();
    void buildInputPanel();
    // Shows the current row in the input panel while browsing.
    void rdgMainRowChange();
    void showCurrentRow();
    void accCodeExit();
    void upAccCodeExit();
    void pbtMGCodeClick();
    void setUpperLocked(bool locked);
    bool requireText(QLineEdit* edit, const QString& message, bool focus = true);

    // Search panel.
    QLineEdit* edtSearchAcctCode;
    QLineEdit* edtSearchUpCode;
    QLineEdit* edtSearchSName;
    QLineEdit* edtSearchName;
    QList<QRadioButton*> rdoSSlip;  // Y, N, A
    QList<QRadioButton*> rdoSDc;    // D, C, A
    QList<QRadioButton*> rdoSBal;   // Y, N, A
    QList<QRadioButton*> rdoSUse;   // Y, N, A

    // List.
    DataGrid* rdgMain;
    RecordSet* cdsMain;

    // Input panel.
    QLineEdit* edtAccCode;
    QLineEdit* edtUpAccCode;
    QCheckBox* chkDirect;
    QLineEdit* edtAccName;
    QLineEdit* edtFindName;
    QLineEdit* edtLevel;
    QLineEdit* edtPrtName;
    QLineEdit* edtEngName;
    QLineEdit* edtFND_USG_CD;
    QLineEdit* edtFND_USG_NM;
    TPopupBtn* pbtMGCode;
    QRadioButton* rdobSlipY;
    QRadioButton* rdobSlipN;
    QRadioButton* rdobD;
    QRadioButton* rdobC;
    QRadioButton* rdobA;
    QRadioButton* rdobBALY;
    QRadioButton* rdobBALN;
    QRadioButton* rdoUSEY;
    QRadioButton* rdoUSEN;

    QString m_key;  // ACCT_CODE of the record being edited
};
