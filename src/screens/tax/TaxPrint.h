#pragma once
#include "framework/print/BandedReport.h"
#include <QList>

// The table the tax-invoice lists print: captions in a grey column header,
// one detail row per record, amounts right-aligned with "#,###".
namespace TaxPrint {

struct Column {
    const char* field;
    const char* caption;
    double width;  // mm
    bool amount;
};

constexpr double kRowHeight = 6;

double columnLeft(const QList<Column>& columns, int column);
// Fills the column header and the detail band with the columns.
void addColumns(Band* header, Band* detail, const QList<Column>& columns);
// A sum of a field over every record of the report, as "#,##0".
QString sumText(const ReportContext& context, const QString& field);

}  // namespace TaxPrint

// The official summary forms draw their values in boxes.
namespace TaxPrint {
// A framed cell with a fixed text.
ReportElement* boxedLabel(Band* band, const QString& name, const QRectF& rect, const QString& text,
                          Qt::Alignment alignment = Qt::AlignCenter);
// A framed cell with an expression.
ReportElement* boxedExpression(Band* band, const QString& name, const QRectF& rect,
                               std::function<QString(const ReportContext&)> expression,
                               Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter);
// "#,###" of a count; blank for zero or none.
QString countText(const QVariant& value);
// "#,###원" of an amount; blank for zero or none.
QString wonText(const QVariant& value);
// Hides every element of the page frame's title and footer bands, for the
// forms that draw their own.
void hideFrame(Band* title, Band* footer);
}  // namespace TaxPrint
