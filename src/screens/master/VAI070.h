#pragma once
#include "framework/ZQI020.h"

class DataGrid;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class RecordSet;
class TPopupBtn;

// 영업수지계정코드 등록: the operating income/expense codes (VX010MS), each
// in a six-level classification (VX011MS). A picker per level lists, adds
// and renames the classifications under the levels above; "Excel Import"
// takes codes from the first sheet of a spreadsheet file, all or none.
class TfrmVAI070 : public TfrmZQI020 {
    Q_OBJECT
public:
    static constexpr int kLevels = 6;

    explicit TfrmVAI070(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }
    RecordSet* codes() const { return cdsCode; }
    // The picker of a level (1-6), as its button opens it.
    void openPicker(int level);
    // A classification chosen in the picker (its double click).
    void pickCurrentCode();
    // Asks for a file and imports it; returns the number of codes written.
    int importSpreadsheet();

protected:
    void DoSearch() override;
    void AfterNew() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoDelete() override;
    void DoExcel() override;
    void RefreshButtons() override;
    void FieldExit(QWidget* control) override;

private:
    void rdgMainRowChange();
    void clearInput();
    void accCodeExit();
    void levelExit(int level);
    QString parentOf(int level) const;  // the own parts of the levels above, joined
    void bbtCodeNewClick();
    void bbtCodeEditClick();
    void bbtCodeSaveClick();
    void closePicker();
    void showPickedRow();

    QLineEdit* edtSearchAcctCode;
    QLineEdit* edtSearchName;
    QLineEdit* edtSearchSName;
    DataGrid* rdgMain;
    RecordSet* cdsMain;

    QLineEdit* edtAccCode;
    QLineEdit* edtAccName;
    QLineEdit* edtFindName;
    QLineEdit* edtGubun[kLevels];
    QLineEdit* edtGubunName[kLevels];
    QToolButton* bbtGubun[kLevels];  // opens the picker of the level
    TPopupBtn* pbtGubun[kLevels];  // the prefix lookup on leaving a level field
    QCheckBox* CheckBox1;
    QLineEdit* edtP_BY_CODE;
    QLineEdit* edtN_BY_CODE;
    QPushButton* bbtImport = nullptr;

    // Classification picker.
    QGroupBox* Pan_code;
    DataGrid* rdgCODE1;
    RecordSet* cdsCode;
    QLineEdit* edtPickParent;
    QLineEdit* edtPickCode;
    QLineEdit* edtPickName;
    QPushButton* bbtCodeNew;
    QPushButton* bbtCodeEdit;
    QPushButton* bbtCodeSave;
    QPushButton* bbtCodeClose;
    int m_pickLevel = 0;
    enum class PickMode { None, New, Edit } m_pickMode = PickMode::None;
    QString m_pickKey;

    QString m_key;  // BU_ACCT_CODE of the record being edited
};
