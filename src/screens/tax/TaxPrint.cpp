#include "screens/tax/TaxPrint.h"
#include "framework/print/NumberMask.h"

namespace TaxPrint {

double columnLeft(const QList<Column>& columns, int column)
{
    double left = 0;
    for (int c = 0; c < column; ++c)
        left += columns.at(c).width;
    return left;
}

void addColumns(Band* header, Band* detail, const QList<Column>& columns)
{
    const double width = columnLeft(columns, int(columns.size()));
    header->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, 0, width, kRowHeight), QColor(0xE8, 0xE8, 0xE8));
    detail->addRule(QStringLiteral("qrsDetailRule"), kRowHeight, 0.1);
    for (int c = 0; c < columns.size(); ++c) {
        const Column& col = columns.at(c);
        const QString field = QLatin1String(col.field);
        const double left = columnLeft(columns, c);
        header->addLabel(QStringLiteral("qrl%1Title").arg(field), QRectF(left, 0, col.width, kRowHeight),
                         QString::fromUtf8(col.caption), Qt::AlignCenter);
        ReportElement* cell = detail->addField(
            QStringLiteral("qrl") + field, QRectF(left + 1, 0, col.width - 2, kRowHeight), field,
            col.amount ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter,
            col.amount ? QStringLiteral("#,###") : QString());
        cell->shrinkToFit = !col.amount;
    }
}

QString sumText(const ReportContext& context, const QString& field)
{
    qint64 sum = 0;
    for (int row = 0; context.data && row < context.data->rowCount(); ++row)
        sum += context.data->value(row, field).toLongLong();
    return FormatNumberMask(double(sum), QStringLiteral("#,##0"));
}

}  // namespace TaxPrint

namespace TaxPrint {

ReportElement* boxedLabel(Band* band, const QString& name, const QRectF& rect, const QString& text,
                          Qt::Alignment alignment)
{
    band->addRect(name + QStringLiteral("Box"), rect);
    ReportElement* e = band->addLabel(name, rect.adjusted(1, 0, -1, 0), text, alignment);
    e->shrinkToFit = true;
    return e;
}

ReportElement* boxedExpression(Band* band, const QString& name, const QRectF& rect,
                               std::function<QString(const ReportContext&)> expression, Qt::Alignment alignment)
{
    band->addRect(name + QStringLiteral("Box"), rect);
    ReportElement* e = band->addExpression(name, rect.adjusted(1, 0, -1, 0), std::move(expression), alignment);
    e->shrinkToFit = true;
    return e;
}

QString countText(const QVariant& value)
{
    return value.isNull() || value.toLongLong() == 0 ? QString() : FormatNumberMask(value.toDouble(), QStringLiteral("#,###"));
}

QString wonText(const QVariant& value)
{
    const QString text = countText(value);
    return text.isEmpty() ? text : text + QStringLiteral("원");
}

void hideFrame(Band* title, Band* footer)
{
    for (Band* b : {title, footer}) {
        for (const auto& e : b->elements())
            e->visible = false;
    }
}

}  // namespace TaxPrint
