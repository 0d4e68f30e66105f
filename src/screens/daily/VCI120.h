#pragma once
#include "framework/ZQI030.h"
#include <QVariantList>

class DataGrid;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QRadioButton;
class RecordSet;
class TPopupBtn;

// 영업수지조정: the operating income/expense rows (VZ100MS) of confirmed
// slip lines, written at confirmation, listed for a period (or a month they
// apply to) and corrected one line at a time or for the whole slip: the
// operating account, the month, VAT, the adjustment, the confirmed amount,
// the paid and refund flags, the cost class and its code, the remark. The
// database keeps the rows' rules (the refund conversion follows the flag and
// can be undone; the line's own figures do not change). Opened on a slip by
// the slip confirmation screen. Exports the list or the base data.
class TfrmVCI120 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVCI120(QWidget* parent = nullptr);

    RecordSet* rows() const { return cdsGrid; }
    DataGrid* rowGrid() const { return rgrGrid; }
    QString totalText() const;
    // The base data of the spreadsheet with the conditions of the last
    // search (statement and values).
    QString baseDataSql() const;
    QVariantList searchParams() const { return m_params; }

    void FormShow() override;

protected:
    void DoSearch() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoExcel() override;
    void FieldExit(QWidget* control) override;
    bool FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers) override;

private:
    void buildSearch();
    void buildInput();
    void showCurrentRow();
    void clearInput();
    void costClassChosen();
    // The conditions of the search fields, appended to `where` with their
    // values bound.
    QString conditions(QVariantList& params) const;
    bool checkInput();

    // search
    QRadioButton* rbWriteDate;
    QRadioButton* rbConfDate;
    QDateEdit* dtpFDate;
    QDateEdit* dtpEDate;
    QLineEdit* Edit_SBill_No;
    QCheckBox* CheckBox1;
    QLineEdit* Edit_Apply_Ym;
    QLineEdit* edtAcctCd;
    TPopupBtn* pbtAccCode;
    QLineEdit* edtBuAcctCd;
    TPopupBtn* pbtBuAccCode;
    // edit
    QCheckBox* CheckBox2;
    QLineEdit* edtSlipNo;
    QLineEdit* edtVatAmt;
    QLineEdit* edtApplyYm;
    QLineEdit* edtBuAcctCode;
    TPopupBtn* pbtFAccCode;
    QLineEdit* edtBuAcctName;
    QLineEdit* edtAcctRem;
    QLineEdit* edtAcctAmt;
    QLineEdit* edtAdjAmt;
    QCheckBox* chkExceptYn;
    QCheckBox* chkGiveYn;
    QCheckBox* chkReYn;
    QComboBox* cbxGubunCode;
    QLineEdit* edtByCode;

    DataGrid* rgrGrid;
    RecordSet* cdsGrid;
    QLabel* lblTotal;
    QString m_where;
    QVariantList m_params;
    QString m_oldSlipNo;
    int m_oldSlipSeq = -1;
    QString m_oldReYn;
};
