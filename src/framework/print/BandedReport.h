#pragma once
#include "framework/print/PageModel.h"
#include "framework/print/ReportData.h"
#include <QDateTime>
#include <QMarginsF>
#include <functional>
#include <memory>
#include <vector>

// A banded page layout of our own: bands of fixed height stacked down the
// page, in millimetres, over the rows of a ReportData.
//
// Bands, in the order they appear: page header (every page), title (first
// page), column header (every page, after the title), group headers (when the
// group's key changes), detail (one per row), group footers, summary (once,
// after the last row), page footer (bottom of every page). Preparation lays
// the bands out into a PageModel; the page total is filled in at the end, so
// every page carries the same total. A report without rows still has one
// page with its headers, summary and footer.

class BandedReport;
class Band;

enum class SysValue {
    PageNumber,
    PageCount,
    ReportTitle,
    ColumnNumber,  // the layouts have one column: always 1
    Date,          // "yyyy-MM-dd" of the preparation
    Time,          // "hh:mm:ss"
    DateTime,      // "yyyy-MM-dd hh:mm:ss"
    RecordNumber,  // 1-based number of the current row
};

// What an element or band sees while it is laid out.
struct ReportContext {
    const BandedReport* report = nullptr;
    const ReportData* data = nullptr;
    int row = -1;   // current row, -1 when there is none
    int page = 1;   // 1-based

    QVariant value(const QString& field) const;
    // The field's text: numbers in their plain form, dates "yyyy-MM-dd".
    QString text(const QString& field) const;
    bool hasRow() const { return data && row >= 0 && row < data->rowCount(); }
};

class ReportElement {
public:
    enum Kind { Label, Field, System, Expression, Shape, Line, Image };

    Kind kind = Label;
    QString name;
    QRectF geometry;  // mm from the band's top-left corner (at the left margin)
    bool visible = true;

    // Text elements
    QString text;   // Label: the text; System: text put before the value
    QString field;  // Field: the field name
    QString mask;   // Field/System: number mask such as "#,###"
    SysValue sys = SysValue::PageNumber;
    std::function<QString(const ReportContext&)> expression;
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false;
    // A text that does not fit its box is set smaller until it does (wrapped
    // when wordWrap is set): see PrintText::shrinkToFit.
    bool shrinkToFit = false;
    QColor color = Qt::black;

    // Shapes, lines, images
    QLineF line;  // Line: from, to (mm, band coordinates)
    double penWidth = 0.2;
    Qt::PenStyle penStyle = Qt::SolidLine;
    QColor penColor = Qt::black;
    QColor fill;  // Shape: invalid = transparent
    QImage image;

    // Turns the element into a fixed text (as a screen fills a label).
    void setText(const QString& value)
    {
        kind = Label;
        text = value;
    }
    // The text this element shows in a context (text elements only).
    QString textFor(const ReportContext& context) const;
};

class Band {
public:
    enum Type { PageHeader, Title, ColumnHeader, GroupHeader, Detail, GroupFooter, Summary, PageFooter };

    Band(Type type, const QString& name, double height, const QFont& font);

    Type type;
    QString name;
    double height;  // mm
    bool enabled = true;
    // Group headers: start a new page before the header (not before the very
    // first one).
    bool forceNewPage = false;
    // Group headers: printed again at the top of a page a group continues on.
    bool reprintOnNewPage = false;
    // Called before each occurrence; returning false leaves it out. Layouts
    // adjust their elements here (colours of summary rows, hidden texts).
    std::function<bool(Band&, const ReportContext&)> beforePrint;
    // Default font of the elements added from now on.
    QFont font;

    ReportElement* addLabel(const QString& name, const QRectF& rect, const QString& text,
                            Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    ReportElement* addField(const QString& name, const QRectF& rect, const QString& field,
                            Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter,
                            const QString& mask = QString());
    ReportElement* addSystem(const QString& name, const QRectF& rect, SysValue value,
                             Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter,
                             const QString& prefix = QString());
    ReportElement* addExpression(const QString& name, const QRectF& rect,
                                 std::function<QString(const ReportContext&)> expression,
                                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    ReportElement* addRect(const QString& name, const QRectF& rect, const QColor& fill = QColor(),
                           double penWidth = 0.2);
    ReportElement* addLine(const QString& name, const QLineF& line, double penWidth = 0.2,
                           Qt::PenStyle style = Qt::SolidLine);
    // A horizontal rule across the band's width at y.
    ReportElement* addRule(const QString& name, double y, double penWidth = 0.2, Qt::PenStyle style = Qt::SolidLine);
    ReportElement* addImage(const QString& name, const QRectF& rect, const QImage& image);

    ReportElement* element(const QString& name) const;
    const std::vector<std::unique_ptr<ReportElement>>& elements() const { return m_elements; }

    // Width of the band (set by the report: paper width less the margins).
    double width() const { return m_width; }

private:
    friend class BandedReport;
    ReportElement* add(ReportElement::Kind kind, const QString& name, const QRectF& rect);
    // A text element in the band's current font.
    ReportElement* addText(ReportElement::Kind kind, const QString& name, const QRectF& rect,
                           Qt::Alignment alignment);
    std::vector<std::unique_ptr<ReportElement>> m_elements;
    double m_width = 0;
};

class ReportGroup {
public:
    QString name;
    // The group changes when this field's value changes ...
    QString keyField;
    // ... or, when set, this expression's value.
    std::function<QVariant(const ReportContext&)> key;
    Band* header = nullptr;
    Band* footer = nullptr;

    QVariant keyFor(const ReportContext& context) const;
};

class BandedReport {
public:
    // name: the layout's component name ("frmVCI071").
    explicit BandedReport(const QString& name, QPageLayout::Orientation orientation = QPageLayout::Portrait);
    virtual ~BandedReport();
    BandedReport(const BandedReport&) = delete;
    BandedReport& operator=(const BandedReport&) = delete;

    const QString& name() const { return m_name; }
    QPageLayout::Orientation orientation() const { return m_orientation; }
    QSizeF paperSize() const;       // mm, oriented
    QMarginsF margins() const { return m_margins; }
    void setMargins(const QMarginsF& margins);
    double contentWidth() const;    // paper width less left and right margins

    // The report title (the report function "title").
    QString title;

    QFont defaultFont() const { return m_font; }
    void setDefaultFont(const QFont& font) { m_font = font; }

    // The band of a type that occurs once (all but group bands), created on
    // first use with the given height; nullptr for a type not yet added when
    // height is negative.
    Band* band(Band::Type type, double height = -1);
    Band* addBand(Band::Type type, const QString& name, double height);
    ReportGroup* addGroup(const QString& name, const QString& keyField, double headerHeight, double footerHeight);
    const std::vector<std::unique_ptr<ReportGroup>>& groups() const { return m_groups; }

    // The records: a screen's data (not owned) or, when none is set, the
    // report's own table.
    void setData(ReportData* data) { m_data = data; }
    ReportTable& table() { return m_table; }
    const ReportData* data() const { return m_data ? m_data : &m_table; }

    // Lays the report out. Calls beforePrint() first.
    const PageModel& prepare();
    const PageModel& pageModel() const { return m_model; }
    int pageCount() const { return m_model.pageCount(); }
    QDateTime printTime() const { return m_printTime; }

protected:
    // Layouts set titles and conditions here, before every preparation.
    virtual void beforePrint() {}

private:
    class Builder;
    QString m_name;
    QPageLayout::Orientation m_orientation;
    QMarginsF m_margins;
    QFont m_font;
    std::vector<std::unique_ptr<Band>> m_bands;
    std::vector<std::unique_ptr<ReportGroup>> m_groups;
    ReportData* m_data = nullptr;
    ReportTable m_table;
    PageModel m_model;
    QDateTime m_printTime;
};

// Fonts of the page frame. The named Korean faces are preferred; machines
// without them fall back to another Hangul face.
QFont ReportFont(const QString& family, double pointSize, bool bold = false);
