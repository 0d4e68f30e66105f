#pragma once
#include "framework/ZQI020.h"

class DataGrid;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QRadioButton;
class RecordSet;
class TPopupBtn;

// The slip list: the slips written in a range of days, for one department
// or all, by approval state, deleted ones on request (in grey); the lines of
// the slip under the cursor below. A double click opens a live slip in slip
// entry. Nothing is written here.
class TfrmVBI010 : public TfrmZQI020 {
    Q_OBJECT
public:
    explicit TfrmVBI010(QWidget* parent = nullptr);

    RecordSet* slips() const { return cdsGrid; }
    RecordSet* lines() const { return cdsDetail; }
    DataGrid* slipGrid() const { return rgrGrid; }
    DataGrid* lineGrid() const { return rgrDetail; }

    // Opens the slip of the row in slip entry; a deleted slip does nothing.
    void openSlipOfRow(int row);

public slots:
    void bbtSearchClick() override;
    void bbtCancelClick() override;

protected:
    void RefreshButtons() override;
    void DoSearch() override;

private:
    void buildSearchStrip();
    void buildLists();
    void buildDepartmentList();
    void setSlipLookupConditions();
    void edtFSlipNoExit();
    void openSlipList();
    void loadLines();
    // "앞 자료" / "다음 자료": the list last clicked moves by one row.
    void moveLastClicked(int distance);

    QComboBox* cbxDept;
    QLineEdit* edtFSlipNo;
    TPopupBtn* pbtFSlipNo;
    QDateEdit* dtpFSlipDate;
    QDateEdit* dtpESlipDate;
    QList<QRadioButton*> rgApproval;  // 전체, 승인, 미승인
    QCheckBox* CheckBox1;
    QPushButton* bbtPriorRow;
    QPushButton* bbtNextRow;

    DataGrid* rgrGrid;
    RecordSet* cdsGrid;
    DataGrid* rgrDetail;
    RecordSet* cdsDetail;
    DataGrid* m_lastClicked = nullptr;
};
