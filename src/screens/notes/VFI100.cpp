#include "screens/notes/VFI100.h"
#include "screens/notes/VFI101.h"

TfrmVFI100::TfrmVFI100(QWidget* parent)
    : TfrmNoteStatus(QStringLiteral("VFI100"), {QStringLiteral("만기일자별 어음현황"), QStringLiteral("EXP_DT"), false, true}, parent)
{
}

std::unique_ptr<TfrmZZP010> TfrmVFI100::newLayout() const
{
    return std::make_unique<TfrmVFI101>();
}
