#include "screens/daily/DepositPrint.h"
#include "framework/ZZP010.h"

namespace DepositPrint {

namespace {
constexpr double kRowHeight = 6;
struct Cell {
    const char* field;
    const char* caption;
    double width;
    Qt::Alignment alignment;
};
}  // namespace

Bands build(TfrmZZP010* layout, const QString& subtitle, bool bankFirst)
{
    const double width = layout->contentWidth();
    layout->qrlTitle->setText(QStringLiteral("예.적금 현황"));
    layout->qrsFooterRule->visible = true;
    layout->qrbHeader->height = 26;
    layout->qrlCondition->geometry = QRectF(0, 19, width / 2, 5.5);
    layout->qrlCondition->alignment = Qt::AlignLeft | Qt::AlignVCenter;
    ReportElement* sub = layout->qrbHeader->addLabel(QStringLiteral("qrlSubTitle"), QRectF(0, 12, width, 6), subtitle,
                                                     Qt::AlignCenter);
    sub->font = ReportFont(QStringLiteral("굴림"), 10, true);
    if (bankFirst)
        layout->qrbHeader->addLabel(QStringLiteral("qrlUnit"), QRectF(width / 2, 19, width / 2, 5.5),
                                    QStringLiteral("(단위 : 원)"), Qt::AlignRight | Qt::AlignVCenter);

    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const Cell first = bankFirst ? Cell{nullptr, "은행명", 32, left} : Cell{nullptr, "계정과목", 30, left};
    const Cell second = bankFirst ? Cell{"ACCT_NAME", "계정과목", 30, left} : Cell{"MG1", "은행명", 32, left};
    const Cell cells[] = {first, second, {"MG2", "계좌번호", 35, left}, {"DAMT", "입 금", 26, right},
                          {"CAMT", "출 금", 26, right}, {"MG3", "항목 1", 18, Qt::AlignCenter},
                          {"MG4", "항목 2", 18, Qt::AlignCenter}};

    Bands bands;
    bands.columnHeader = layout->addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), kRowHeight + 0.5);
    bands.columnHeader->font = ReportFont(QStringLiteral("굴림"), 9, true);
    bands.columnHeader->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, 0, width, kRowHeight), QColor(0xE8, 0xE8, 0xE8));
    bands.detail = layout->addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    bands.detail->font = ReportFont(QStringLiteral("굴림"), 9);
    bands.back = bands.detail->addRect(QStringLiteral("qrsDetailBack"), QRectF(0, 0, width, kRowHeight), QColor(Qt::white), 0.1);
    double x = 0;
    for (int c = 0; c < 7; ++c) {
        const Cell& cell = cells[c];
        bands.columnHeader->addLabel(QStringLiteral("qrlTitle%1").arg(c), QRectF(x, 0, cell.width, kRowHeight),
                                     QString::fromUtf8(cell.caption), Qt::AlignCenter);
        const QRectF box(x + 1, 0, cell.width - 2, kRowHeight);
        ReportElement* e = c == 0 ? bands.detail->addLabel(QStringLiteral("qrlFirst"), box, QString(), cell.alignment)
                                  : bands.detail->addField(QStringLiteral("qrl") + QLatin1String(cell.field), box,
                                                           QLatin1String(cell.field), cell.alignment,
                                                           cell.alignment == right ? QStringLiteral("#,###") : QString());
        e->shrinkToFit = cell.alignment != right;
        if (c == 0)
            bands.firstColumn = e;
        x += cell.width;
    }
    return bands;
}

}  // namespace DepositPrint
