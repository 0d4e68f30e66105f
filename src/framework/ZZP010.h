#pragma once
#include "framework/print/BandedReport.h"

class QWidget;

// The common page frame of the printed reports: A4 portrait, millimetres,
// margins top 15, bottom 10, left 15, right 10; a title band on the first
// page (title box with its shadow, the title, one condition line) and a page
// footer on every page (print date and time, "page / total", program ID,
// company logo and names). Report layouts derive from it (or from the
// landscape TfrmZZP020), add their column-header, detail, group and summary
// bands, and set their title and condition in qrpReportBeforePrint().
//
// Printing from a screen:
//     auto layout = std::make_unique<TfrmVCI071>();   // destroyed on every path
//     layout->cdsQuery().open(sql, params);            // or setData(&screenResult)
//     layout->qrlCondition->setText(...);
//     layout->Prepare();                               // page total known
//     layout->PrintOrPreview(PreviewFlag);
class TfrmZZP010 : public BandedReport {
public:
    // name: the layout's component name; the program-ID label shows it from
    // its fourth character on ("frmVCI011" prints "VCI011").
    explicit TfrmZZP010(const QString& name = QStringLiteral("frmZZP010"));
    ~TfrmZZP010() override;

    // Title band (first page)
    Band* qrbHeader;
    ReportElement* qrsTitleShadow;
    ReportElement* qrsTitle;
    ReportElement* qrlTitle;
    ReportElement* qrlCondition;

    // Page footer band (every page)
    Band* qrbFooter;
    ReportElement* qrsFooterRule;  // a rule along the top of the footer; hidden unless a layout shows it
    ReportElement* qrlDateLabel;
    ReportElement* qrlDate;
    ReportElement* qrlPageCurrent;
    ReportElement* qrlPageSlash;
    ReportElement* qrlPageTotal;
    ReportElement* qrlProgramID;
    ReportElement* qriLogo;
    ReportElement* qrlCompany;
    ReportElement* qrlCompanyEng;

    // The layout's own records (its query); setData() shares a screen's
    // result instead.
    ReportTable& cdsQuery() { return table(); }

    // Lays the report out once and returns the page total (what the footer
    // shows after "/" on every page).
    int Prepare();
    // Prints to the default printer. Raises AppError when printing fails.
    void Print();
    void Preview(QWidget* parent = nullptr);
    // Preview when previewFlag is set, otherwise print.
    void PrintOrPreview(bool previewFlag, QWidget* parent = nullptr);
    bool SaveAsPdf(const QString& path);

    static QImage CompanyLogo();
    static inline const QString kCompanyName = QStringLiteral("탈바네리조트");
    static inline const QString kCompanyNameEng = QStringLiteral("TALVANE RESORT");

protected:
    TfrmZZP010(const QString& name, QPageLayout::Orientation orientation);
    // Layouts set titles and conditions here; runs before every preparation.
    virtual void qrpReportBeforePrint() {}

private:
    void beforePrint() final { qrpReportBeforePrint(); }
    void build();
};
