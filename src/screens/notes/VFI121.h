#pragma once
#include "screens/notes/NoteStatus.h"

// The printed 발행일자별 어음현황.
class TfrmVFI121 : public TfrmNoteStatusPrint {
public:
    TfrmVFI121() : TfrmNoteStatusPrint(QStringLiteral("frmVFI121"), QStringLiteral("발행일자별 어음현황"), ByIssueDate) {}
};
