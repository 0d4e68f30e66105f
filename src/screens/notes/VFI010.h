#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QLineEdit;
class RecordSet;
class TPopupBtn;

// 받을어음 등록: the register of the notes and cheques received from
// customers (VF010MS), entered when received and updated when processed.
// The slip, safekeeping, return and dishonour particulars are not on the
// form and are carried unchanged through every save.
class TfrmVFI010 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVFI010(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }
    // The leaving of a field, as when the focus moves on.
    void FieldExit(QWidget* control) override;

protected:
    void DoSearch() override;
    void AfterNew() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoDelete() override;

private:
    struct FormField {
        QString column;
        QLineEdit* edit;
    };
    void showCurrentRow();
    bool refuse(const QString& message, QLineEdit* focus);
    bool checkInput();
    void openList();

    DataGrid* rdgMain;
    RecordSet* cdsMain;
    QLineEdit* edtBillNo;
    QLineEdit* edtBillKd;
    QLineEdit* edtBillType;
    QLineEdit* edtCustCd;
    QLineEdit* edtCustNm;
    QLineEdit* edtIsuDt;
    QLineEdit* edtExpDt;
    QLineEdit* edtBillAmt;
    QLineEdit* edtIsur;
    QLineEdit* edtColtDt;
    QLineEdit* edtPayBankCd;
    QLineEdit* edtPayBankNm;
    QLineEdit* edtProcCd;
    QLineEdit* edtDiscSltDt;
    QLineEdit* edtDiscBankCd;
    QLineEdit* edtDiscBankNm;
    QLineEdit* edtDiscRate;
    QLineEdit* edtDiscCollAmt;
    QLineEdit* edtDiscInBankCd;
    QLineEdit* edtDiscInBankNm;
    QLineEdit* edtDiscTerm;
    QLineEdit* edtDiscCharge;
    QLineEdit* edtDiscDispAmt;
    TPopupBtn* pbtCustCd;
    TPopupBtn* pbtPayBankCd;
    TPopupBtn* pbtDiscBankCd;
    TPopupBtn* pbtDiscBankInCd;
    QList<FormField> m_fields;
    QString m_oldBillNo;
};
