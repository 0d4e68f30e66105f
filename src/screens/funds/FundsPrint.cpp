#include "screens/funds/FundsPrint.h"
#include "grid/DisplayFormat.h"

namespace FundsPrint {

Table::Table(BandedReport& report, const QList<Column>& columns, double rowHeight, double fontSize)
    : m_columns(columns), m_rowHeight(rowHeight)
{
    double width = 0;
    for (const Column& c : columns)
        width += c.width;
    m_header = report.addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), rowHeight + 0.5);
    m_header->font = ReportFont(QStringLiteral("굴림"), fontSize, true);
    m_header->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, 0, width, rowHeight), QColor(0xE8, 0xE8, 0xE8));
    m_detail = report.addBand(Band::Detail, QStringLiteral("qrbDetail"), rowHeight);
    m_detail->font = ReportFont(QStringLiteral("굴림"), fontSize);
    m_detail->addRule(QStringLiteral("qrsDetailRule"), rowHeight - 0.1, 0.1, Qt::DotLine);
    for (int i = 0; i < columns.size(); ++i) {
        const Column& c = columns.at(i);
        const double x = left(i);
        m_header->addLabel(QStringLiteral("qrlHead%1").arg(i), QRectF(x, 0, c.width, rowHeight), c.caption, Qt::AlignCenter);
        if (c.field.isEmpty())
            continue;
        const bool amount = !c.mask.isEmpty();
        ReportElement* e = m_detail->addField(QStringLiteral("qrl") + c.field, QRectF(x + 0.8, 0, c.width - 1.6, rowHeight), c.field,
                                              amount ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter, c.mask);
        e->shrinkToFit = !amount;
    }
}

double Table::left(int column) const
{
    double x = 0;
    for (int i = 0; i < column; ++i)
        x += m_columns.at(i).width;
    return x;
}

void Table::addTotals(Band* band, const QString& caption, int captionColumns, const QStringList& sumFields,
                      const QString& groupField) const
{
    band->font = m_detail->font;
    band->font.setBold(true);
    band->addRule(QStringLiteral("qrsTotalRule"), 0, 0.2);
    band->addLabel(QStringLiteral("qrlTotalCaption"), QRectF(0, 0, left(captionColumns), m_rowHeight), caption, Qt::AlignCenter);
    for (int i = 0; i < m_columns.size(); ++i) {
        const Column& c = m_columns.at(i);
        if (!sumFields.contains(c.field))
            continue;
        const QString field = c.field;
        const QString mask = c.mask;
        band->addExpression(QStringLiteral("qrlSum") + field, QRectF(left(i) + 0.8, 0, c.width - 1.6, m_rowHeight),
                            [field, mask, groupField](const ReportContext& context) {
                                if (!context.data)
                                    return QString();
                                const int rows = context.data->rowCount();
                                int first = 0, last = rows - 1;
                                if (!groupField.isEmpty() && context.hasRow()) {
                                    const QVariant key = context.data->value(context.row, groupField);
                                    last = context.row;
                                    first = last;
                                    while (first > 0 && context.data->value(first - 1, groupField) == key)
                                        --first;
                                }
                                double sum = 0;
                                for (int r = first; r <= last; ++r)
                                    sum += context.data->value(r, field).toDouble();
                                return FormatNumber(sum, mask);
                            },
                            Qt::AlignRight | Qt::AlignVCenter);
    }
}

}  // namespace FundsPrint
