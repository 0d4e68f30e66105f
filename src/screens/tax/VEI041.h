#pragma once
#include "screens/tax/SummaryForm.h"

// 매출처별 계산서 합계표(갑): the sales summary form. Its list of customers
// is filled with empty rows up to a whole block of ten.
class TfrmVEI041 : public TfrmSummaryForm {
public:
    explicit TfrmVEI041(const SummaryFormData& data);
    int listRows() const { return data()->rowCount(); }
};
