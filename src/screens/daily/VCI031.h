#pragma once
#include "framework/ZZP020.h"
#include <QDate>

// The printed daily trial sheet (일계표), A4 landscape: the day, the
// approval boxes, the debit side (합계, 대체, 현금), the account and the
// credit side (현금, 대체, 합계); the subtotal, cash and grand-total rows of
// the screen on silver. Runs over a copy of the screen's rows.
class TfrmVCI031 : public TfrmZZP020 {
public:
    TfrmVCI031();
    void setDay(const QDate& day);

    Band* qrbColumnHeader;
    Band* qrbDetail;
    ReportElement* qrsDetailBack;
};
