#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QComboBox;
class QLineEdit;
class RecordSet;

// 품목코드 등록: the item codes of the fixed assets (VM007MS).
class TfrmVMI005 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVMI005(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }

protected:
    void DoSearch() override;
    void AfterNew() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoDelete() override;

private:
    void showCurrent();

    DataGrid* rdgMain;
    RecordSet* cdsMain;
    QLineEdit* edtVSFXSTM;
    QLineEdit* edtVSFXSNM;
    QComboBox* cmbUSE_YN;
    QString m_key;  // the item code being edited
};
