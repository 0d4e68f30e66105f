#pragma once
#include "framework/ZZP020.h"
#include "screens/funds/FundSchedules.h"

// DAILY CASH FLOW FORECAST: one line per figure of the forecast with the
// month's total and the 31 days in millions; the plan date's column is
// marked with vertical lines, the sub-group heads are on silver, and the
// page footer carries the signature boxes.
class TfrmVGI096 : public TfrmZZP020 {
public:
    TfrmVGI096();
    void setForecast(const QDate& planDate, const Funds::Forecast& forecast);

    // "01-Feb Sun"; empty for a day the month lacks.
    static QString DayHeading(const QDate& month, int day);
    static QString MonthLabel(const QDate& month);

private:
    Band* m_header = nullptr;
    Band* m_detail = nullptr;
    ReportElement* m_back = nullptr;
    ReportElement* m_label = nullptr;
    QList<ReportElement*> m_dayHeads;
    QList<ReportElement*> m_marks;
    QList<ReportElement*> m_detailMarks;
};
