#pragma once
#include "framework/ZQI020.h"
#include <QHash>

class DataGrid;
class QLineEdit;
class QPushButton;
class QRadioButton;
class RecordSet;
class TPopupBtn;

// 재무제표 집계계정 등록: the layout lines of each statement kind per fiscal
// period (VA060MS) and, for each line, the accounts summed into it with
// their sign (VA060DT). The list of accounts is the working copy of the
// line's accounts; Save writes the line and the list together.
class TfrmVAI060 : public TfrmZQI020 {
    Q_OBJECT
public:
    explicit TfrmVAI060(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }
    RecordSet* accounts() const { return cdsDetail; }

protected:
    void DoSearch() override;
    void AfterNew() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoDelete() override;
    void FieldExit(QWidget* control) override;
    bool FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers) override;

private:
    void rdgMainRowChange();
    void loadAccounts();
    void showAccountRow();
    void clearAccountInput();
    void bbtAcctAddClick();
    void bbtAcctChangeClick();
    void bbtAcctDeleteClick();
    bool requireNumber(QLineEdit* edit, const QString& emptyMessage, bool required);
    QString sign() const;

    QLineEdit* edtFSessionCode;
    QLineEdit* edtFFormCode;
    TPopupBtn* pbtFFormCode;
    QLineEdit* edtFFormName;
    DataGrid* rdgMain;
    RecordSet* cdsMain;

    QLineEdit* edtSessionCode;
    QLineEdit* edtFormCode;
    TPopupBtn* pbtFormCode;
    QLineEdit* edtFormName;
    QLineEdit* edtSeqNo;
    QLineEdit* edtOrderNo;
    QLineEdit* edtOrderCode;
    QLineEdit* edtDispName;
    QLineEdit* edtDispType;
    TPopupBtn* pbtGubn2;
    QLineEdit* edtDsipTypeName;
    QLineEdit* edtAcctCode;
    TPopupBtn* pbtAcctCode;
    QLineEdit* edtAcctName;
    QRadioButton* rdoPlus;
    QRadioButton* rdoMinus;
    QPushButton* bbtAcctAdd;
    QPushButton* bbtAcctChange;
    QPushButton* bbtAcctDelete;
    DataGrid* rgDetail;
    RecordSet* cdsDetail;

    QHash<QWidget*, TPopupBtn*> m_lookupOf;
    QVariantList m_key;  // SESSION_ID, FORM_CODE, SEQ_NO of the line being edited
};
