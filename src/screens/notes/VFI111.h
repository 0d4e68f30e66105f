#pragma once
#include "screens/notes/NoteStatus.h"

// The printed 거래처별 어음현황.
class TfrmVFI111 : public TfrmNoteStatusPrint {
public:
    TfrmVFI111() : TfrmNoteStatusPrint(QStringLiteral("frmVFI111"), QStringLiteral("거래처별 어음현황"), ByCustomer) {}
};
