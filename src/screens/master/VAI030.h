#pragma once
#include "framework/ZQI020.h"

class DataGrid;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class RecordSet;

// 관리항목 등록: the management items (VA030MS) that slip lines carry besides
// account and amount. A lookup item keeps the SELECT statement that lists its
// values; slip entry runs it read-only.
class TfrmVAI030 : public TfrmZQI020 {
    Q_OBJECT
public:
    explicit TfrmVAI030(QWidget* parent = nullptr);

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
    void rdbMainRowChange();
    void showCurrentRow();
    void conCodeExit();
    void kindChanged();
    QString kindCode() const;

    QLineEdit* edtSConCode;
    QLineEdit* edtSConName;
    QList<QRadioButton*> rdoSKind;  // 금액형, 문자형, 조회형, 전 체

    DataGrid* rdbMain;
    RecordSet* cdsMain;

    QLineEdit* edtConCode;
    QLineEdit* edtConName;
    QLineEdit* edtUpConCode;
    QPlainTextEdit* moConCode;
    QRadioButton* rdoMgTypeC;
    QRadioButton* rdoMgTypeS;
    QRadioButton* rdoMgTypeF;
    QRadioButton* rdoBALY;
    QRadioButton* rdoBALN;

    QString m_key;  // MG_CODE of the record being edited
};
