#pragma once
#include "framework/ZZP020.h"

// 리스 현황: the leases as listed, with a running number.
class TfrmVGI041 : public TfrmZZP020 {
public:
    TfrmVGI041();
};
