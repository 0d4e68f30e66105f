#pragma once
#include "framework/ZZP020.h"

// 매입매출장 of one invoice kind: its rows with the month subtotals and the
// grand total as the book lists them (those rows shaded). A4 landscape; the
// rows are the kind tab's statement run again.
class TfrmVEI012 : public TfrmZZP020 {
public:
    TfrmVEI012(const QString& period, const QString& placeLine);

    Band* qrbColumnHeader;
    Band* qrbDetail;
};
