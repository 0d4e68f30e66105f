#pragma once
#include "framework/ZZP020.h"
#include <QDate>

// The printed cash book (현금출납부), A4 landscape: the day "… 현재", the
// unit, the balance brought in and the day's lines of the cash account with
// their running balance, then the day's totals with the closing balance, the
// month's and the term's totals. Runs over a copy of the screen's rows.
class TfrmVCI051 : public TfrmZZP020 {
public:
    struct Figures {
        qint64 debit = 0;
        qint64 credit = 0;
        qint64 balance = 0;
    };

    TfrmVCI051();
    void setDay(const QDate& day);
    void setTotals(const Figures& day, const Figures& month, const Figures& term);

    Band* qrbColumnHeader;
    Band* qrbDetail;
    Band* qrbSummary;
    ReportElement* qrlUnit;
};
