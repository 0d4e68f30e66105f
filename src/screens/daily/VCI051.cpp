#include "screens/daily/VCI051.h"
#include "screens/daily/DailyBooks.h"
#include <iterator>

namespace {

struct BookColumn {
    const char* field;
    const char* caption;
    double width;
    bool amount;
};
const BookColumn kColumns[] = {
    {"SLIP_NO", "전표번호", 26, false},    {"SLIP_SEQ", "순번", 14, false},
    {"REF_DATA", "적                    요", 98, false}, {"MG_DETAIL", "거 래 처 명", 44, false},
    {"D_AMOUNT", "차     변", 30, true},   {"C_AMOUNT", "대     변", 30, true},
    {"BALANCE", "잔     액", 30, true},
};
constexpr double kRowHeight = 6;
const char* const kSummaryRows[] = {"일     계", "월     계", "누     계"};

double columnLeft(int column)
{
    double left = 0;
    for (int c = 0; c < column; ++c)
        left += kColumns[c].width;
    return left;
}

}  // namespace

TfrmVCI051::TfrmVCI051() : TfrmZZP020(QStringLiteral("frmVCI051"))
{
    qrlTitle->setText(QStringLiteral("현금출납부"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVCI051"));
    qrsFooterRule->visible = true;
    const double width = contentWidth();
    qrbHeader->height = 20;
    qrlCondition->geometry = QRectF(0, 13, width / 2, 5.5);
    qrlCondition->alignment = Qt::AlignLeft | Qt::AlignVCenter;
    qrlUnit = qrbHeader->addLabel(QStringLiteral("qrlUnit"), QRectF(width / 2, 13, width / 2, 5.5),
                                  QStringLiteral("(단위 : 원)"), Qt::AlignRight | Qt::AlignVCenter);

    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), kRowHeight + 0.5);
    qrbColumnHeader->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbColumnHeader->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, 0, width, kRowHeight), QColor(0xE8, 0xE8, 0xE8));
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 9);
    qrbDetail->addRule(QStringLiteral("qrsDetailRule"), kRowHeight, 0.1);
    for (int c = 0; c < int(std::size(kColumns)); ++c) {
        const BookColumn& col = kColumns[c];
        const QString field = QLatin1String(col.field);
        qrbColumnHeader->addLabel(QStringLiteral("qrl%1Title").arg(field), QRectF(columnLeft(c), 0, col.width, kRowHeight),
                                  QString::fromUtf8(col.caption), Qt::AlignCenter);
        ReportElement* cell = qrbDetail->addField(
            QStringLiteral("qrl") + field, QRectF(columnLeft(c) + 1, 0, col.width - 2, kRowHeight), field,
            col.amount ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter,
            col.amount ? QStringLiteral("#,###") : QString());
        cell->shrinkToFit = !col.amount;
    }

    qrbSummary = addBand(Band::Summary, QStringLiteral("qrbSummary"), 3 * kRowHeight + 1);
    qrbSummary->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbSummary->addRect(QStringLiteral("qrsSummaryBox"), QRectF(0, 0.5, width, 3 * kRowHeight), QColor(0xE8, 0xE8, 0xE8));
    for (int r = 0; r < 3; ++r) {
        const double top = 0.5 + r * kRowHeight;
        if (r > 0)
            qrbSummary->addLine(QStringLiteral("qrsSummaryRule%1").arg(r), QLineF(0, top, width, top), 0.1);
        qrbSummary->addLabel(QStringLiteral("qrlSummaryCaption%1").arg(r), QRectF(columnLeft(2), top, kColumns[2].width, kRowHeight),
                             QString::fromUtf8(kSummaryRows[r]), Qt::AlignCenter);
        for (int c = 4; c < 7; ++c)
            qrbSummary->addLabel(QStringLiteral("qrlSummary%1_%2").arg(r).arg(c),
                                 QRectF(columnLeft(c) + 1, top, kColumns[c].width - 2, kRowHeight), QString(),
                                 Qt::AlignRight | Qt::AlignVCenter);
    }
}

void TfrmVCI051::setDay(const QDate& day)
{
    qrlCondition->setText(QStringLiteral("일자 :") + day.toString(QStringLiteral("yyyy")) + QStringLiteral("년 ")
                          + day.toString(QStringLiteral("MM")) + QStringLiteral("월 ") + day.toString(QStringLiteral("dd"))
                          + QStringLiteral("일 현재"));
}

void TfrmVCI051::setTotals(const Figures& day, const Figures& month, const Figures& term)
{
    const Figures rows[] = {day, month, term};
    for (int r = 0; r < 3; ++r) {
        qrbSummary->element(QStringLiteral("qrlSummary%1_4").arg(r))->setText(DailyBooks::amountText(rows[r].debit));
        qrbSummary->element(QStringLiteral("qrlSummary%1_5").arg(r))->setText(DailyBooks::amountText(rows[r].credit));
        // only the day's row carries a balance: the closing one
        qrbSummary->element(QStringLiteral("qrlSummary%1_6").arg(r))
            ->setText(r == 0 ? DailyBooks::amountText(rows[r].balance) : QString());
    }
}
