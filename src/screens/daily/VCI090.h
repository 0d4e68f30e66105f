#pragma once
#include "framework/ZZS010.h"
#include <memory>

class DataGrid;
class FieldEventHook;
class QComboBox;
class QDateEdit;
class QLineEdit;
class RecordSet;
class TPopupBtn;
class TfrmVCI091;

// 부서계정과목별 사용내역: the confirmed lines of a range of income and
// expense accounts that carry a department item, per department and
// account, with the subtotals of each five-digit account group and the
// grand total. One department or all. Printed as VCI091, exported as
// "계정과목별 사용현황".
class TfrmVCI090 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVCI090(QWidget* parent = nullptr);

    RecordSet* result() const { return cdsGrid; }
    // The department code of the chosen entry; empty for all.
    QString departmentCode() const;
    // The account bounds searched: an empty from-field means "9000000", an
    // empty to-field "9999999".
    QString fromAccount() const;
    QString toAccount() const;
    std::unique_ptr<TfrmVCI091> buildReport();

public slots:
    void bbtSearchClick() override;
    void bbtPrintClick() override;
    void bbtPreviewClick() override;
    void bbtExcelClick();

private:
    void openResult();
    void printReport();
    void accountChosen(TPopupBtn* button, QLineEdit* code, QLineEdit* name);
    bool fieldEvent(QWidget* field, QEvent* event);

    QComboBox* cbxDept;
    QDateEdit* dtpFSlipDate;
    QDateEdit* dtpESlipDate;
    QLineEdit* edtFAcctCd;
    QLineEdit* edtFAcctName;
    TPopupBtn* pbtFAccCode;
    QLineEdit* edtEAcctCd;
    QLineEdit* edtEAcctName;
    TPopupBtn* pbtEAccCode;
    QPushButton* bbtExcel;
    DataGrid* rgrGrid;
    RecordSet* cdsGrid;
    FieldEventHook* m_fields;
};
