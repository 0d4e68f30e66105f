#pragma once
#include "framework/ZZI020.h"

class DataGrid;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QRadioButton;
class RecordSet;

// Slip confirmation: the slips of an accounting-date or confirmation-date
// range with the lines of the one under the cursor. A user with finance
// approval authority ticks slips to confirm ("확정") or to cancel their
// confirmation ("확정취소") and runs every ticked slip in one transaction
// (F2): the journalizing package confirms or cancels, and the operating
// income/expense records of the slip are registered or removed. The first
// refusal takes the whole run back and the list stays as ticked.
class TfrmVBI030 : public TfrmZZI020 {
    Q_OBJECT
public:
    explicit TfrmVBI030(QWidget* parent = nullptr);

    RecordSet* slips() const { return cdsGrid; }
    RecordSet* lines() const { return cdsLines; }
    DataGrid* slipGrid() const { return rgrGrid; }
    DataGrid* lineGrid() const { return RealDBGrid1; }

    // A click on a tick cell ("확정" SLIP_YN, "확정취소" CANCEL_YN): 'N'
    // becomes 'Y' and 'Y' becomes 'N'; an empty cell stays empty.
    void toggleTick(int row, const QString& field);

public slots:
    void bbtSearchClick() override;
    void bbtSaveClick() override;
    void bbtCancelClick() override;

private:
    void buildSearchStrip();
    void buildConfirmStrip();
    void buildLists();
    void openSlipList();
    void loadLines();
    // The confirmed amount as the strip shows it: "#,##0", or "0" for text
    // that is no whole number.
    void normaliseAmount();
    // The authority check of the confirmation day; false (after the message)
    // when the user may not confirm on it.
    bool mayConfirmOn(const QString& day);
    // Runs the ticked slips in list order; false after a refusal, which has
    // been shown and rolled back.
    bool runTickedSlips(const QString& day);
    void openSlipOfRow(int row, const QString& programId);

    QDateEdit* dtpFSlipDate;
    QDateEdit* dtpESlipDate;
    QList<QRadioButton*> RadioGroup1;  // 승인일자, 확정일자
    QList<QRadioButton*> rgApproval;   // 전체, 확정, 미확정
    QLineEdit* Edit1;

    QDateEdit* DateTimePicker1;
    QLineEdit* medAccept_YM;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QCheckBox* CheckBox1;

    DataGrid* RealDBGrid1;
    RecordSet* cdsLines;
};
