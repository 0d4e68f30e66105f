#pragma once
#include "framework/ZQI020.h"

class DataGrid;
class QCheckBox;
class QLineEdit;
class QPushButton;
class RecordSet;
class TPopupBtn;

// 사용자 권한 등록: the authority periods of each employee (VA010MS), each
// with the finance approval and the line-slip authority. The period list
// holds every period of the employee, past and future ones too, and Save
// writes exactly that list; periods may not overlap.
class TfrmVAI010 : public TfrmZQI020 {
    Q_OBJECT
public:
    explicit TfrmVAI010(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }
    RecordSet* periods() const { return cdsDetail; }

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
    void rdgMainRowChange();
    void loadPeriods(const QString& empNo);
    void showPeriod();
    void clearInput();
    // The three checks of the input; the first failure shows its message.
    bool inputChecked();
    // The row of the list whose period overlaps start..end (skipping the
    // row `except`), or -1.
    int overlappingRow(const QString& start, const QString& end, int except) const;
    void bbtAddRowClick();
    void bbtChangeRowClick();
    void bbtDelRowClick();
    void putInputIntoRow();

    QLineEdit* edtSearchEmpNo;
    TPopupBtn* pbtSearchEmpNo;
    QLineEdit* edtSearchName;
    DataGrid* rdgMain;
    RecordSet* cdsMain;

    QLineEdit* edtEmpNo;
    TPopupBtn* pbtEmpNo;
    QLineEdit* edtEmpName;
    QLineEdit* medSDate;
    QLineEdit* medEDate;
    QCheckBox* chkCharge;
    QCheckBox* CheckBox1;
    DataGrid* rgDetail;
    RecordSet* cdsDetail;
    QPushButton* bbtChangeRow;
    QPushButton* bbtAddRow;
    QPushButton* bbtDelRow;
};
