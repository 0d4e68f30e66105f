#pragma once
#include "framework/ZZP020.h"

// 매입처별/매출처별 세금계산서 합계표 of the purchase and sales book: one row
// per counterpart, the sums of sheets, supply and tax at the end. A4
// landscape; the rows are the summary tab's statement run again.
class TfrmVEI011 : public TfrmZZP020 {
public:
    TfrmVEI011(bool sales, const QString& period, const QString& placeLine);

    Band* qrbColumnHeader;
    Band* qrbDetail;
    Band* qrbSummary;
};
