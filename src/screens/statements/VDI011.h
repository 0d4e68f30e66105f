#pragma once
#include "framework/ZZP020.h"
#include <QDate>

// The printed trial balance: A4 landscape, the title with the company and
// the fiscal term's line "제 n 기 YYYY년 MM월 DD일 현재", the unit, a boxed
// column header (debit side, account, credit side) and one framed row per
// account, groups and totals on silver.
//
//     TfrmVDI011 layout;
//     RecordSetReportData rows(screenResult);
//     layout.setData(&rows);
//     layout.setTerm(sessionId, monthEnd);
//     layout.Prepare();
//     layout.PrintOrPreview(PreviewFlag, screen);
class TfrmVDI011 : public TfrmZZP020 {
public:
    TfrmVDI011();

    void setTerm(const QString& sessionId, const QDate& monthEnd);
    // "제 27 기 2026년 11월 30일 현재"
    static QString termText(const QString& sessionId, const QDate& monthEnd);

    ReportElement* qrlTerm;
    ReportElement* qrlUnit;
    Band* qrbColumnHeader;
    Band* qrbDetail;
    ReportElement* qrsDetailBack;

private:
    void buildColumnHeader();
    void buildDetail();
};
