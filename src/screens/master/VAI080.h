#pragma once
#include "framework/ZQI020.h"

class DataGrid;
class QComboBox;
class QLineEdit;
class RecordSet;

// 영업수지기초코드: the classification list of the operating income/expense
// codes (VX011MS), a level-k code being its parent's code followed by two
// digits.
class TfrmVAI080 : public TfrmZQI020 {
    Q_OBJECT
public:
    explicit TfrmVAI080(QWidget* parent = nullptr);

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

    QComboBox* cboKind;
    DataGrid* rdgMain;
    RecordSet* cdsMain;
    QLineEdit* edtGUBUNCode;
    QLineEdit* edtGUBUNNAME;
    QString m_key;  // GUBUN_CODE of the record being edited
};
