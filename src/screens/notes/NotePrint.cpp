#include "screens/notes/NotePrint.h"
#include "framework/ZZP010.h"
#include "framework/print/ReportData.h"
#include <QLocale>

namespace NotePrint {

namespace {

constexpr double kHeaderHeight = 7;
constexpr double kRowHeight = 5.6;
constexpr double kPad = 1;

}  // namespace

void buildTable(TfrmZZP010& layout, const QList<Column>& columns, double width)
{
    Band* header = layout.addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), kHeaderHeight + 1);
    header->font = ReportFont(QStringLiteral("굴림"), 9, true);
    header->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, 0.5, width, kHeaderHeight), QColor(0xE8, 0xE8, 0xE8), 0.3);
    Band* detail = layout.addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    detail->font = ReportFont(QStringLiteral("굴림"), 8);
    detail->addRule(QStringLiteral("qrsDetailRule"), kRowHeight, 0.1);
    Band* summary = layout.addBand(Band::Summary, QStringLiteral("qrbSummary"), kHeaderHeight);
    summary->font = ReportFont(QStringLiteral("굴림"), 9, true);
    summary->addRule(QStringLiteral("qrsSummaryRule"), 0.3, 0.3);
    double left = 0;
    for (const Column& c : columns) {
        header->addLabel(c.name + QStringLiteral("Title"), QRectF(left, 0.5, c.width, kHeaderHeight), c.caption,
                         Qt::AlignCenter);
        const QRectF cell(left + kPad, 0, c.width - 2 * kPad, kRowHeight);
        ReportElement* value = detail->addField(c.name, cell, c.field, c.alignment, c.mask);
        value->shrinkToFit = true;
        if (!c.mask.isEmpty()) {
            const QString field = c.field;
            summary->addExpression(c.name + QStringLiteral("Total"), QRectF(cell.left(), 0.5, cell.width(), kHeaderHeight),
                                   [field](const ReportContext& context) {
                                       qint64 total = 0;
                                       for (int row = 0; context.data && row < context.data->rowCount(); ++row)
                                           total += qRound64(context.data->value(row, field).toDouble());
                                       return QLocale(QLocale::English).toString(total);
                                   },
                                   c.alignment);
        }
        left += c.width;
    }
    summary->addLabel(QStringLiteral("qrlSummaryTitle"), QRectF(kPad, 0.5, 40, kHeaderHeight), QStringLiteral("합    계"));
}

}  // namespace NotePrint
