#pragma once
#include "screens/notes/NoteStatus.h"

// The printed 만기일자별 어음현황.
class TfrmVFI101 : public TfrmNoteStatusPrint {
public:
    TfrmVFI101() : TfrmNoteStatusPrint(QStringLiteral("frmVFI101"), QStringLiteral("만기일자별 어음현황"), ByMaturity) {}
};
