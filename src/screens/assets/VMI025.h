#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QComboBox;
class QDateEdit;
class QLineEdit;
class RecordSet;
class TPopupBtn;

// 자산 처분: sales and scrappings of assets (VM025MS) with the asset's
// opening values and the term's capital expenditures. The database marks
// the asset sold or scrapped, takes the disposed quantity off it (only the
// change when a disposal is edited) and works out the amounts the disposal
// takes out of the books.
class TfrmVMI025 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVMI025(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }

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
    void showCurrent();
    void termIncrease();
    bool editing() const { return State == stInsert || State == stEdit; }

    DataGrid* rdgMain;
    RecordSet* cdsMain;
    QDateEdit *dtpFDate, *dtpEDate;
    QLineEdit* edtSASET_NM;
    QLineEdit *edtVSFX_CODE, *edtASET_NM, *edtOCCR_DT, *edtCUST_CD, *edtC_NAME, *edtRMKS;
    QComboBox* cmbIMPL_KIND;
    QLineEdit *edtIMPL_AMT, *edtIMPL_VAT, *edtDEPR_CNT;
    QLineEdit *edtBAS_BOOK_AMT, *edtBAS_REMN_AMT, *edtBAS_DEPR_AMT, *edtADD_AMT;
    QLineEdit *edtDSC_BOOK_AMT, *edtDSC_DEPR_AMT, *edtDSC_REMN_AMT;
    TPopupBtn *pbtFixcd, *pbtCust;
    QString m_oldCode, m_oldDate;
};
