#pragma once
#include "framework/ZZP010.h"

struct ReportRequest;

// The printed income statement, the report "PL.mrd" behind OpenReport: A4
// portrait, the Korean form — title, the company, the periods of the two
// columns, the unit — and per line of the workstation's income statement
// (VD020_RPT) the account or section with this month and the term to date
// against the comparison month and its term to date; sections and computed
// lines on silver. The request's values are the workstation address and
// the two period labels ("2026년 11월 30일까지").
//
//     TfrmVDI021::registerReport();   // once, before OpenReport
//     OpenReport(ReportServer::location("PL.mrd"), "/rp [10.1.1.1] [..] [..]  ");
class TfrmVDI021 : public TfrmZZP010 {
public:
    TfrmVDI021(const QString& ipAddr, const QString& currentLabel, const QString& comparisonLabel);

    static inline const QString kReportFile = QStringLiteral("PL.mrd");
    // Makes OpenReport lay "PL.mrd" out with this layout.
    static void registerReport();

    ReportElement* qrlCurrentPeriod;
    ReportElement* qrlComparisonPeriod;
    ReportElement* qrlUnit;
    Band* qrbColumnHeader;
    Band* qrbDetail;
    ReportElement* qrsDetailBack;

private:
    void buildColumnHeader();
    void buildDetail();
};
