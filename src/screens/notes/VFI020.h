#pragma once
#include "screens/notes/NoteSlipRun.h"

class QDateEdit;
class QLineEdit;
class TPopupBtn;

// 받을어음 처리현황: the received notes still unprocessed that fall due in a
// period, and their collection slips into a company account: a debit on
// the account, a credit on notes receivable with the note's items; the
// notes are then settled with the slip.
class TfrmVFI020 : public TfrmNoteSlipRun {
    Q_OBJECT
public:
    explicit TfrmVFI020(QWidget* parent = nullptr);

protected:
    bool openList() override;
    QVariantList generate(const QString& mode) override;

private:
    QDateEdit* dtpFrom;
    QDateEdit* dtpTo;
    QLineEdit* edtBankCd;
    QLineEdit* edtAccount;
    QLineEdit* edtAccountNm;
    TPopupBtn* pbtAccount;
};
