#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QRadioButton;
class RecordSet;
class TPopupBtn;

// 리스 등록: the register of leased objects (VG040MS), printed through
// VGI041. A lease paid 월말 pays on the last day of every month; its payment
// day is not kept as a number.
class TfrmVGI040 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVGI040(QWidget* parent = nullptr);
    RecordSet* records() const { return cdsMain; }

protected:
    void DoSearch() override;
    void AfterNew() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoDelete() override;
    void DoPrint() override { printReport(); }
    void DoPreview() override { printReport(); }
    void FieldExit(QWidget* control) override;

private:
    bool readRange(QString& from, QString& to);
    void rowChange();
    void showCurrentRow();
    void printReport();

    QLineEdit* medtOndtFrom;
    QLineEdit* medtOndtTo;
    RecordSet* cdsMain;
    DataGrid* rdgMain;
    QLineEdit* edtLisNo;
    QLineEdit* edtLisName;
    QLineEdit* edtLisSize;
    QRadioButton* rdoKindOperating;
    QRadioButton* rdoKindFinancial;
    QLineEdit* edtLisDate;
    QDateEdit* dtpLisOndt;
    QLineEdit* edtLisAmt;
    QLineEdit* edtLisGrt;
    QLineEdit* edtLisMuch;
    QLineEdit* edtLisMisr;
    QLineEdit* edtLisRt;
    QRadioButton* rdoPayMonthEnd;
    QRadioButton* rdoPayDay;
    QLineEdit* edtLisNymn;
    QLineEdit* edtLisBsnm;
    TPopupBtn* pbtBCode;
    QLineEdit* edtDeptName;
    QLineEdit* edtLisNumb;
    QCheckBox* chkEndYn;
    QString m_oldLisNo;
    QString m_from;
    QString m_to;
};
