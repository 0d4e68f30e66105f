#include "framework/ZZP020.h"

TfrmZZP020::TfrmZZP020(const QString& name) : TfrmZZP010(name, QPageLayout::Landscape)
{
}
