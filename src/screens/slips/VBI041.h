#pragma once
#include "framework/ZZP010.h"
#include <QDate>

// The printed register of confirmed slips: the rows of the screen's list
// (slips, day subtotals and the grand total, the totals on grey), under the
// title "확정전표 리스트" and the confirmation-day range.
//
//     TfrmVBI041 layout;
//     RecordSetReportData rows(screenResult);
//     layout.setData(&rows);
//     layout.setRange(from, to);
//     layout.Prepare();
//     layout.PrintOrPreview(PreviewFlag, screen);
class TfrmVBI041 : public TfrmZZP010 {
public:
    TfrmVBI041();

    void setRange(const QDate& from, const QDate& to);
    // "확정일자 : 2026년 12월 01일 - 2026년 12월 10일"
    static QString rangeText(const QDate& from, const QDate& to);

    Band* qrbColumnHeader;
    Band* qrbDetail;
    ReportElement* qrsDetailBack;

private:
    void buildColumnHeader();
    void buildDetail();
};
