#pragma once
#include "framework/ZQI020.h"
#include <QHash>

class DataGrid;
class QLineEdit;
class QRadioButton;
class RecordSet;
class TPopupBtn;

// 거래처 등록: the customer register (VA050MS). Customer numbers come from
// the database's counter, one sequence over every kind, so two workstations
// adding customers at once never get the same number.
class TfrmVAI050 : public TfrmZQI020 {
    Q_OBJECT
public:
    explicit TfrmVAI050(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }

protected:
    void DoSearch() override;
    void AfterNew() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoDelete() override;
    void DoPrint() override;
    void DoPreview() override;
    void DoExcel() override;
    void FieldExit(QWidget* control) override;
    bool FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers) override;

private:
    void buildSearchPanel();
    void buildInputPanel();
    void rdgMainRowChange();
    void showCurrentRow();
    void clearInput();
    void linkSearch(TPopupBtn* button, const QString& condition, const QString& param, const QString& text);
    void postLookupClick();
    bool requireText(QLineEdit* edit, const QString& message);
    void writeGridRow(const QString& code, const QVariantList& values);

    QLineEdit* edtFCCode;
    QLineEdit* edtFCType;
    TPopupBtn* pbtFCType;
    QLineEdit* edtFCDetailName;
    QRadioButton* rdoLATER;
    QRadioButton* rdoAFTER;

    DataGrid* rdgMain;
    RecordSet* cdsMain;

    QLineEdit* edtCCode;
    QLineEdit* edtCKind;
    TPopupBtn* pbtGubn;
    QLineEdit* edtCKindName;
    QLineEdit* edtUpperCode;
    TPopupBtn* pbtUpperCode;
    QLineEdit* edtUpperCCodeName;
    QLineEdit* edtCName;
    QLineEdit* edtCBossName;
    QLineEdit* edtCNum;
    QLineEdit* edtRepPhone;
    QLineEdit* edtFaxNo;
    QLineEdit* edtMobileNo;
    QLineEdit* edtEMail;
    QLineEdit* medPubNo;
    QLineEdit* edtCItem;
    QLineEdit* edtCType;
    QLineEdit* edtZip;
    TPopupBtn* pbtPost;
    QLineEdit* Edit1;
    QLineEdit* edtAddr1;
    QLineEdit* edtAddr2;
    QRadioButton* rdoUseY;
    QRadioButton* rdoUseN;
    QLineEdit* edtNaCode;
    TPopupBtn* pbtNaCode;
    QLineEdit* edtNaName;
    QLineEdit* edtAreaCode;
    TPopupBtn* pbtAreaCode;
    QLineEdit* edtAreaName;
    QList<QRadioButton*> rdoDeal;  // 매출처, 매입처, 매입/매출처

    // F1 in a field opens its lookup.
    QHash<QWidget*, TPopupBtn*> m_lookupOf;
    QString m_key;  // C_CODE of the record being edited
};
