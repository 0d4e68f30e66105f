#include "screens/notes/VFI110.h"
#include "screens/notes/VFI111.h"

TfrmVFI110::TfrmVFI110(QWidget* parent)
    : TfrmNoteStatus(QStringLiteral("VFI110"), {QStringLiteral("거래처별 어음현황"), QStringLiteral("EXP_DT"), true, false}, parent)
{
}

std::unique_ptr<TfrmZZP010> TfrmVFI110::newLayout() const
{
    return std::make_unique<TfrmVFI111>();
}
