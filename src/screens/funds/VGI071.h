#pragma once
#include "framework/ZZP020.h"

// 금융기관별 차입금 현황: the instalments of the repayment list grouped by
// bank, with a subtotal per bank and the total.
class TfrmVGI071 : public TfrmZZP020 {
public:
    TfrmVGI071();
};
