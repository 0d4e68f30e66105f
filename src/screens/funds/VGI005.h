#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QLineEdit;
class RecordSet;

// 자금코드 등록: the fund codes (VG005MS). A saved code is fixed: the
// accounts and the monthly plans name it.
class TfrmVGI005 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVGI005(QWidget* parent = nullptr);
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

    RecordSet* cdsMain;
    DataGrid* rdgMain;
    QLineEdit* edtFndUsgCd;
    QLineEdit* edtFndUsgNm;
};
