#pragma once
#include "framework/ZQI020.h"

class DataGrid;
class QLineEdit;
class RecordSet;

// 부서 등록: the accounting departments (VA160MS) with their upper code,
// level, cost kind, use mark and display order. The database refuses to
// change the code of, or delete, a department that slips, employees or
// lower departments still name.
class TfrmVAI005 : public TfrmZQI020 {
    Q_OBJECT
public:
    explicit TfrmVAI005(QWidget* parent = nullptr);

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

    DataGrid* RealDBGrid1;
    RecordSet* cdsMain;
    QLineEdit* edtdb[7];
    QString m_key;  // AFF_DEPT_CODE of the record being edited
};
