#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPainter;

// The prepared form of a report: every page with its items positioned in
// millimetres from the paper's top-left corner. Preparation builds it once;
// the printer, the PDF writer and the preview only draw it, so the page total
// is known before anything is drawn and is the same on every page.

struct PrintItem {
    enum Kind { Text, Line, Rect, Image };

    Kind kind = Text;
    QString name;  // the report element that produced it
    QRectF rect;   // text box, rectangle or image frame (mm)
    QLineF line;   // Line items (mm)

    // Text
    QString text;
    QFont font;  // sizes in points
    int flags = Qt::AlignLeft | Qt::AlignVCenter;  // alignment, Qt::TextWordWrap
    QColor color = Qt::black;

    // Line and Rect
    double penWidth = 0.2;  // mm; 0 draws no outline
    Qt::PenStyle penStyle = Qt::SolidLine;
    QColor penColor = Qt::black;
    QColor fill;  // invalid: not filled

    // Image
    QImage image;
};

struct PrintPage {
    QList<PrintItem> items;

    // Texts of the page's text items in drawing order; with name, only those
    // of that element.
    QStringList texts(const QString& name = QString()) const;
    const PrintItem* find(const QString& name) const;
};

struct PageModel {
    QPageSize pageSize = QPageSize(QPageSize::A4);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QList<PrintPage> pages;

    int pageCount() const { return int(pages.size()); }
    // Paper size in millimetres, oriented.
    QSizeF paperSize() const;
    QPageLayout pageLayout() const;
};

// Text laid out as RenderPrintPage lays it out: whether it fits a box, and
// the fitting of a text item into its box.
namespace PrintText {

// The smallest size a text is set in to make it fit.
inline constexpr double kMinPointSize = 3.0;

// Whether text drawn in font with flags (alignment, Qt::TextWordWrap) stays
// inside a box of boxMm millimetres.
bool fits(const QString& text, const QFont& font, int flags, const QSizeF& boxMm);

// Makes a text item fit its box: the largest size from the item's own font
// size down to kMinPointSize (in quarter points) at which the whole text
// fits, wrapped when the item wraps (at blanks where they suffice, else
// between any two characters). A text that does not fit even then is cut and
// ends in "…", so that the cut shows.
void shrinkToFit(PrintItem& item);

}  // namespace PrintText

// Draws one page on a painter whose device has dotsPerMm device pixels per
// millimetre, with the origin at the paper's top-left corner. Font point
// sizes follow the device's logical resolution.
void RenderPrintPage(QPainter& painter, const PrintPage& page, double dotsPerMmX, double dotsPerMmY);
