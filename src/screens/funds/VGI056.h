#pragma once
#include "framework/ZZP010.h"

// 금융기관별 예적금현황: the savings status grouped by bank, with the sums
// per bank and in all.
class TfrmVGI056 : public TfrmZZP010 {
public:
    TfrmVGI056();
};
