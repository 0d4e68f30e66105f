#pragma once
#include "framework/ZQI020.h"
#include <array>

class DataGrid;
class QLineEdit;
class QRadioButton;
class RecordSet;
class TPopupBtn;

// 계정별 관리항목 등록: the rules of an account (VA040MS), up to seven
// management items in positions 1 to 7, each required on the debit and/or
// credit side, in force or not, and with its balance order. A rule set is
// edited and saved as a whole.
class TfrmVAI040 : public TfrmZQI020 {
    Q_OBJECT
public:
    static constexpr int kPositions = 7;

    // The controls of one position.
    struct RuleRow {
        QLineEdit* code = nullptr;
        QLineEdit* name = nullptr;
        TPopupBtn* lookup = nullptr;
        QRadioButton* debitY = nullptr;
        QRadioButton* debitN = nullptr;
        QRadioButton* creditY = nullptr;
        QRadioButton* creditN = nullptr;
        QRadioButton* useY = nullptr;
        QRadioButton* useN = nullptr;
        QLineEdit* balance = nullptr;
    };

    explicit TfrmVAI040(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }
    const RuleRow& ruleRow(int index) const { return m_rows[size_t(index)]; }

protected:
    void DoSearch() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoDelete() override;
    void RefreshButtons() override;
    void FieldExit(QWidget* control) override;
    bool FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers) override;

private:
    void buildSearchPanel();
    void buildInputPanel();
    void rdgMainRowChange();
    void resetRows();
    void showRules();
    int rowOfCode(const QWidget* control) const;
    void linkSearch(int index);
    void lookupClick(int index);

    QLineEdit* edt_F_CODE;
    QLineEdit* edt_E_CODE;
    QLineEdit* edt_SNAME;

    DataGrid* rdgMain;
    RecordSet* cdsMain;

    std::array<RuleRow, kPositions> m_rows;
};
