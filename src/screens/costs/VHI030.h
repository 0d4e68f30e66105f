#pragma once
#include "screens/costs/VHI010.h"

// The cost-of-sales statement over the accounting departments of VA160MS
// (the accounting code of each resort site), always by site; columns are
// titled with the code beside the name (PR_V_VHI030SP into VH010PR).
class TfrmVHI030 : public TfrmVHI010 {
    Q_OBJECT
public:
    explicit TfrmVHI030(QWidget* parent = nullptr) : TfrmVHI010(QStringLiteral("VHI030"), parent) {}
};
