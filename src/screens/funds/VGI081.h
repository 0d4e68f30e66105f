#pragma once
#include "framework/ZZP020.h"

// 유가 증권 명세서: the securities held, as the statement lists them.
class TfrmVGI081 : public TfrmZZP020 {
public:
    TfrmVGI081();
};
