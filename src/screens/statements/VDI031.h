#pragma once
#include "framework/ZZP010.h"
#include <QDate>

// The printed balance sheet: A4 portrait, the title with the company, the
// two term lines "제 n 기 YYYY년 MM월 DD일 현재" (the month searched and the
// end of the previous term), the unit, a boxed column header with each
// term's heading over its two amount columns, and one framed line per
// account or group, groups on silver.
//
//     TfrmVDI031 layout;
//     RecordSetReportData rows(screenResult);
//     layout.setData(&rows);
//     layout.setTerms(current, monthEnd, previous, previousEnd);
//     layout.Prepare();
//     layout.PrintOrPreview(PreviewFlag, screen);
class TfrmVDI031 : public TfrmZZP010 {
public:
    TfrmVDI031();

    // An empty previous term (none contained the month a year earlier)
    // leaves its number and date empty.
    void setTerms(const QString& currentId, const QDate& currentEnd, const QString& previousId,
                  const QDate& previousEnd);
    // "제 27 기 2026년 11월 30일 현재"
    static QString termText(const QString& sessionId, const QDate& day);
    // "제 27(당)기", "제 26(전)기"
    static QString columnHeading(const QString& sessionId, bool current);

    ReportElement* qrlCurrentTerm;
    ReportElement* qrlPreviousTerm;
    ReportElement* qrlUnit;
    ReportElement* qrlCurrentHeading;
    ReportElement* qrlPreviousHeading;
    Band* qrbColumnHeader;
    Band* qrbDetail;
    ReportElement* qrsDetailBack;

private:
    void buildColumnHeader();
    void buildDetail();
};
