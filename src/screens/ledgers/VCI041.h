#pragma once
#include "framework/ZZP020.h"
#include <QDate>

// The printed subsidiary and account ledgers (VCI040, VCI045, VCI060,
// VCI110): A4 landscape, every account on pages of its own
// under its name, the rows as the screen's statement gives them (summary
// rows on grey) with the running balance, and after each account its totals
// "[누 … 계]".
//
//     TfrmVCI041 layout;
//     RecordSetReportData rows(screenResult);   // or layout.cdsQuery().open(...)
//     layout.setData(&rows);
//     layout.setPeriod(from, to);
//     layout.Prepare();
//     layout.PrintOrPreview(PreviewFlag, screen);
class TfrmVCI041 : public TfrmZZP020 {
public:
    TfrmVCI041();

    // "기간 :2026-11-01 ~ 2026-11-30"
    void setPeriod(const QDate& from, const QDate& to);

    Band* qrbColumnHeader;
    Band* qrbDetail;
    ReportElement* qrsDetailBack;
    ReportGroup* qrgAccount;
};
