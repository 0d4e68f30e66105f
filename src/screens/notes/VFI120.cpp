#include "screens/notes/VFI120.h"
#include "screens/notes/VFI121.h"

TfrmVFI120::TfrmVFI120(QWidget* parent)
    : TfrmNoteStatus(QStringLiteral("VFI120"), {QStringLiteral("발행일자별 어음현황"), QStringLiteral("ISU_DT"), true, false}, parent)
{
}

std::unique_ptr<TfrmZZP010> TfrmVFI120::newLayout() const
{
    return std::make_unique<TfrmVFI121>();
}
