#pragma once
#include "screens/tax/SummaryForm.h"

// 매입처별 계산서 합계표: the first sheet (갑) with the total and the first
// ten suppliers, then the continuation sheets (을) with the others, numbered
// on from 11 and filled with empty rows up to a whole block of sixteen. With
// ten suppliers or fewer there is no continuation sheet.
class TfrmVEI043 : public TfrmSummaryForm {
public:
    explicit TfrmVEI043(const SummaryFormData& data);
    // The rows of the first sheet ("1") or of the continuation ("2").
    int listRows(const QString& part) const;

    ReportGroup* grpFirst;
    ReportGroup* grpContinued;
};
