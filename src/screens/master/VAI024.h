#pragma once
#include "framework/ZQI020.h"

class DataGrid;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class RecordSet;

// 제무재표 등록: the statement item codes (VA024MS) with their upper item,
// in-use and summary marks, line kind and data-entry mark.
class TfrmVAI024 : public TfrmZQI020 {
    Q_OBJECT
public:
    explicit TfrmVAI024(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }

protected:
    void DoSearch() override;
    void AfterNew() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoDelete() override;

private:
    void rowChange();

    QLineEdit* Edit_BUDG_CODE;
    DataGrid* rdgMain;
    RecordSet* cdsMain;
    QLineEdit* edtBudgAcct;
    QLineEdit* edtBudgName;
    QLineEdit* edtBudgUpcd;
    QCheckBox* chkUserYn;
    QCheckBox* chkZipYn;
    QList<QRadioButton*> rdoLine;    // '0', '1', '2'
    QList<QRadioButton*> rdoBudgYn;  // 'N', 'Y'
    QString m_key;  // BUDG_ACCT of the record being edited
};
