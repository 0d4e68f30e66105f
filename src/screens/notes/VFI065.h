#pragma once
#include "screens/notes/NoteSlipRun.h"

class QDateEdit;
class QLineEdit;
class QRadioButton;
class TPopupBtn;

// 지급어음 결제전표 생성: the settlement slips of the notes (or cheques) of
// a bank that fall due in a period.
class TfrmVFI065 : public TfrmNoteSlipRun {
    Q_OBJECT
public:
    explicit TfrmVFI065(QWidget* parent = nullptr);

protected:
    bool openList() override;
    QVariantList generate(const QString& mode) override;

private:
    QString billClf() const;

    QLineEdit* edtFinInstCd;
    QLineEdit* edtFinInstNm;
    TPopupBtn* pbtFinInst;
    QRadioButton* rdoNote;
    QRadioButton* rdoCheque;
    QDateEdit* dtpFrom;
    QDateEdit* dtpTo;
};
