#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QDateEdit;
class QLineEdit;
class RecordSet;
class TPopupBtn;

// 자산 증가: increases of an asset's value (VM035MS), numbered per asset
// and day.
class TfrmVMI035 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVMI035(QWidget* parent = nullptr);

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
    void nextSerial();

    DataGrid* rdgMain;
    RecordSet* cdsMain;
    QDateEdit *dtpFDate, *dtpEDate;
    QLineEdit *edtFGubun, *edtFGubunNm, *edtEGubun, *edtEGubunNm, *edtSASET_NM;
    TPopupBtn *pbtFGubun, *pbtFGubun_E;
    QLineEdit *edtVSFX_CODE, *edtASET_NM, *edtFXICDATE, *edtFXICSEQ, *edtFXICAMT, *edtFXICSCD, *edtFXICSCD_NM, *edtFXICDESC;
    TPopupBtn *pbt_ASET_NM, *pbt_FXICSCD;
    QString m_oldCode, m_oldDate;
    int m_oldSeq = 0;
};
