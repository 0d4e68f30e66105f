#pragma once
#include "framework/ZQI030.h"
#include <QDate>

class DataGrid;
class QDateEdit;
class QPushButton;
class QTabWidget;
class RecordSet;
class ReportViewer;

// The income statement of a month against the same month a year earlier:
// the database computes it for this workstation (PR_V_VDI020SP into
// VD020_RPT); the grid shows every section and account with this month and
// the term to date against the comparison month and its term to date, and
// the report viewer beside it lays the same rows out as the printed form
// ("PL.mrd"), to page through, print or save as PDF.
class TfrmVDI020 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVDI020(QWidget* parent = nullptr);

    RecordSet* result() const { return cdsMain; }
    DataGrid* resultGrid() const { return rdgMain; }
    ReportViewer* reportViewer() const { return rdvReport; }
    // The argument text the viewer was last given; empty before a search.
    QString reportArguments() const { return m_reportArguments; }

    // "2026년 11월 30일까지": how the report names the end of a period.
    static QString periodLabel(const QDate& end);
    // The same day a year earlier, the day clamped to that month's length.
    static QDate yearEarlier(const QDate& day);

protected:
    void DoSearch() override;
    void RefreshButtons() override;

private:
    void bbtPdfClick();

    QDateEdit* DateTimePicker1;
    QTabWidget* pgcMain;
    DataGrid* rdgMain;
    RecordSet* cdsMain;
    ReportViewer* rdvReport;
    QPushButton* bbtPdf = nullptr;
    QString m_reportArguments;
};
