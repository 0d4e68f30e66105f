#pragma once
#include "framework/ZZP010.h"

// The printed deposit status by bank (예.적금 현황, 은  행  별), A4
// portrait, over the rows the screen shows. The bank's name prints on its
// first row and again, on silver, on its "소 계" row.
class TfrmVCI021 : public TfrmZZP010 {
public:
    TfrmVCI021();

    Band* qrbColumnHeader;
    Band* qrbDetail;
    ReportElement* qrsDetailBack;
    ReportElement* qrlBank;

protected:
    void qrpReportBeforePrint() override { m_lastBank.clear(); }

private:
    QString m_lastBank;
};
