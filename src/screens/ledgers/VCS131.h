#pragma once
#include "framework/ZZP020.h"

// The business-site detail report of a month ('YYYYMM'): per business
// division (the slip kind: K the resort, A the head office) the debits and
// credits of every account as the month's closing summed them (VB072MS),
// with the division's totals. A month not yet closed has no sums; the report
// says so.
//
// Registered for the report file of TfrmVCS130 with the argument "/rp [YYYYMM]".
class TfrmVCS131 : public TfrmZZP020 {
public:
    explicit TfrmVCS131(const QString& month);

    static void registerReport();

    QString month() const { return m_month; }
    bool monthClosed() const { return m_closed; }

    Band* qrbColumnHeader;
    Band* qrbDetail;
    Band* qrbSummary;
    ReportGroup* qrgDivision;

private:
    QString m_month;
    bool m_closed = false;
};
