#pragma once
#include "framework/ZZP010.h"

// The printed deposit status by account (예.적금 현황, 계정과목 별), A4
// portrait, over the rows the screen shows; bank and account subtotals and
// the total on silver.
class TfrmVCI022 : public TfrmZZP010 {
public:
    TfrmVCI022();

    Band* qrbColumnHeader;
    Band* qrbDetail;
    ReportElement* qrsDetailBack;
    ReportElement* qrlAccount;

protected:
    void qrpReportBeforePrint() override { m_lastAccount.clear(); }

private:
    QString m_lastAccount;
};
