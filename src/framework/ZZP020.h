#pragma once
#include "framework/ZZP010.h"

// The page frame in landscape: the same title band and footer elements,
// spread over the wider page.
class TfrmZZP020 : public TfrmZZP010 {
public:
    explicit TfrmZZP020(const QString& name = QStringLiteral("frmZZP020"));
};
