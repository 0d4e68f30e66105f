#pragma once
#include "framework/ZZP010.h"

// The tax invoice printed onto the pre-printed paper form: A4 portrait,
// two identical copies (upper and lower half), each value on its box of the
// paper. Every position is in the one table at the top of VEI021.cpp,
// together with the offset of the whole sheet, so the print can be fitted
// to a printer's feed in one place. Runs its own statement for one invoice.
class TfrmVEI021 : public TfrmZZP010 {
public:
    explicit TfrmVEI021(const QString& billSeqNo);

    Band* qrbDetail;
};
