#pragma once
#include "framework/ZZP020.h"

// The printed ledger by balance order: A4 landscape, title "보조원장", the
// rows of VC080PR with summary rows on silver.
class TfrmVCI081 : public TfrmZZP020 {
public:
    TfrmVCI081();

    Band* qrbColumnHeader;
    Band* qrbDetail;
    ReportElement* qrsDetailBack;
};
