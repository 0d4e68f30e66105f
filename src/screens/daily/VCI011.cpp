#include "screens/daily/VCI011.h"
#include "screens/daily/DailyBooks.h"
#include "screens/daily/DailyPrint.h"
#include <iterator>

namespace {

constexpr double kSectionTop = 34;
constexpr double kCashTableTop = 47;
constexpr double kLineHeight = 6;
constexpr double kRowHeight = 5.5;

struct DepositColumn {
    const char* field;
    const char* caption;
    double width;
    bool amount;
};
const DepositColumn kDepositColumns[] = {
    {"ACCT_NAME", "예금종류", 25, false},    {"ITEM_DESC1NM", "은행명", 30, false},
    {"ITEM_DESC2", "계좌번호", 34, false},   {"BF_AMT", "전일잔액", 24, true},
    {"DR_AMT", "금일입금", 24, true},        {"CR_AMT", "금일출금", 24, true},
    {"AF_AMT", "금일잔액", 24, true},
};

double depositLeft(int column)
{
    double left = 0;
    for (int c = 0; c < column; ++c)
        left += kDepositColumns[c].width;
    return left;
}

}  // namespace

TfrmVCI011::TfrmVCI011() : TfrmZZP010(QStringLiteral("frmVCI011"))
{
    qrlTitle->setText(QStringLiteral("경    리    일    보"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVCI011"));
    qrsFooterRule->visible = true;
    const double width = contentWidth();
    qrlCondition->geometry = QRectF(0, 20, width - 80, 5.5);
    DailyPrint::addApprovalBoxes(qrbHeader, QRectF(width - 75, 12, 75, 20), QStringLiteral("운 영 본 부"),
                                 {QStringLiteral("회계담당"), QStringLiteral("관리차장"), QStringLiteral("본부장")});
    buildCashSection();
    buildDeposits();
}

void TfrmVCI011::buildCashSection()
{
    const double width = contentWidth();
    const double half = width / 2;
    Band* b = qrbHeader;
    ReportElement* heading = b->addLabel(QStringLiteral("qrlCashSection"), QRectF(0, kSectionTop, width, 6),
                                         QStringLiteral("I. 현금 입.출금 현황"));
    heading->font = ReportFont(QStringLiteral("굴림"), 10, true);
    b->addLabel(QStringLiteral("qrlBfCaption"), QRectF(0, kSectionTop + 6.5, 28, 5.5), QStringLiteral("전일현금잔액:"));
    b->addLabel(QStringLiteral("qrlBfAmount"), QRectF(28, kSectionTop + 6.5, 45, 5.5), QString(),
                Qt::AlignRight | Qt::AlignVCenter);
    b->addLabel(QStringLiteral("qrlAfCaption"), QRectF(half, kSectionTop + 6.5, 28, 5.5), QStringLiteral("금일현금잔액:"));
    b->addLabel(QStringLiteral("qrlAfAmount"), QRectF(half + 28, kSectionTop + 6.5, 45, 5.5), QString(),
                Qt::AlignRight | Qt::AlignVCenter);

    // the table: side headings, column titles, seven lines, the totals
    const double textWidth = half - 32;
    const double tableHeight = 2 * kLineHeight + (kCashLines + 1) * kLineHeight;
    b->addRect(QStringLiteral("qrsCashTable"), QRectF(0, kCashTableTop, width, tableHeight));
    b->addRect(QStringLiteral("qrsCashTitles"), QRectF(0, kCashTableTop, width, 2 * kLineHeight), QColor(0xE8, 0xE8, 0xE8));
    b->addLine(QStringLiteral("qrsCashMiddle"), QLineF(half, kCashTableTop, half, kCashTableTop + tableHeight));
    for (int side = 0; side < 2; ++side) {
        const double left = side * half;
        const QString prefix = side == 0 ? QStringLiteral("Receipt") : QStringLiteral("Payment");
        b->addLabel(QStringLiteral("qrl%1Side").arg(prefix), QRectF(left, kCashTableTop, half, kLineHeight),
                    side == 0 ? QStringLiteral("수       입") : QStringLiteral("지         출"), Qt::AlignCenter);
        b->addLabel(QStringLiteral("qrl%1TextTitle").arg(prefix),
                    QRectF(left, kCashTableTop + kLineHeight, textWidth, kLineHeight), QStringLiteral("적      요"),
                    Qt::AlignCenter);
        b->addLabel(QStringLiteral("qrl%1AmountTitle").arg(prefix),
                    QRectF(left + textWidth, kCashTableTop + kLineHeight, half - textWidth, kLineHeight),
                    QStringLiteral("금      액"), Qt::AlignCenter);
        b->addLine(QStringLiteral("qrs%1AmountRule").arg(prefix),
                   QLineF(left + textWidth, kCashTableTop + kLineHeight, left + textWidth, kCashTableTop + tableHeight));
        for (int i = 0; i < kCashLines; ++i) {
            const double top = kCashTableTop + (2 + i) * kLineHeight;
            b->addLabel(QStringLiteral("qrl%1Text%2").arg(prefix).arg(i + 1), QRectF(left + 1, top, textWidth - 2, kLineHeight),
                        QString())
                ->shrinkToFit = true;
            b->addLabel(QStringLiteral("qrl%1Amount%2").arg(prefix).arg(i + 1),
                        QRectF(left + textWidth + 1, top, half - textWidth - 2, kLineHeight), QString(),
                        Qt::AlignRight | Qt::AlignVCenter);
        }
        const double totalTop = kCashTableTop + (2 + kCashLines) * kLineHeight;
        b->addLabel(QStringLiteral("qrl%1TotalCaption").arg(prefix), QRectF(left, totalTop, textWidth, kLineHeight),
                    side == 0 ? QStringLiteral("수   입   계") : QStringLiteral("지   출   계"), Qt::AlignCenter);
        b->addLabel(QStringLiteral("qrl%1Total").arg(prefix),
                    QRectF(left + textWidth + 1, totalTop, half - textWidth - 2, kLineHeight), QString(),
                    Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int i = 1; i <= kCashLines + 2; ++i) {
        const double y = kCashTableTop + i * kLineHeight;
        if (i == 1)
            continue;  // the side headings span both of their columns' titles
        b->addLine(QStringLiteral("qrsCashRow%1").arg(i), QLineF(0, y, width, y), i == 2 || i == kCashLines + 2 ? 0.3 : 0.1);
    }
    b->addLine(QStringLiteral("qrsCashTitleRule"), QLineF(0, kCashTableTop + kLineHeight, width, kCashTableTop + kLineHeight), 0.1);

    const double depositTop = kCashTableTop + tableHeight + 5;
    ReportElement* deposits = b->addLabel(QStringLiteral("qrlDepositSection"), QRectF(0, depositTop, width, 6),
                                          QStringLiteral("II. 예금 입.출금 현황"));
    deposits->font = ReportFont(QStringLiteral("굴림"), 10, true);
    b->height = depositTop + 8;
}

void TfrmVCI011::buildDeposits()
{
    const double width = contentWidth();
    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), kRowHeight + 0.5);
    qrbColumnHeader->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbColumnHeader->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, 0, width, kRowHeight), QColor(0xE8, 0xE8, 0xE8));
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 8.5);
    qrbDetail->addRule(QStringLiteral("qrsDetailRule"), kRowHeight, 0.1);
    for (int c = 0; c < int(std::size(kDepositColumns)); ++c) {
        const DepositColumn& col = kDepositColumns[c];
        const double left = depositLeft(c);
        qrbColumnHeader->addLabel(QStringLiteral("qrl%1Title").arg(QLatin1String(col.field)),
                                  QRectF(left, 0, col.width, kRowHeight), QString::fromUtf8(col.caption), Qt::AlignCenter);
        qrbDetail->addField(QStringLiteral("qrl") + QLatin1String(col.field), QRectF(left + 1, 0, col.width - 2, kRowHeight),
                            QLatin1String(col.field),
                            col.amount ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter,
                            col.amount ? QStringLiteral("#,##0") : QString())
            ->shrinkToFit = true;
    }

    qrbSummary = addBand(Band::Summary, QStringLiteral("qrbSummary"), kRowHeight + 1);
    qrbSummary->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbSummary->addRect(QStringLiteral("qrsSummaryBox"), QRectF(0, 0.5, width, kRowHeight), QColor(0xC0, 0xC0, 0xC0));
    qrbSummary->addLabel(QStringLiteral("qrlDepositTotalCaption"), QRectF(0, 0.5, depositLeft(3), kRowHeight),
                         QStringLiteral("예  금  합  계"), Qt::AlignCenter);
    const auto sumCell = [this](const char* name, int column, const char* field) {
        const DepositColumn& col = kDepositColumns[column];
        qrbSummary->addExpression(QLatin1String(name), QRectF(depositLeft(column) + 1, 0.5, col.width - 2, kRowHeight),
                                  [f = QString::fromLatin1(field)](const ReportContext& context) {
                                      return DailyBooks::amountText(qint64(DailyPrint::sumOf(context, f)));
                                  },
                                  Qt::AlignRight | Qt::AlignVCenter);
    };
    sumCell("qrlBfTotal", 3, "BFDIS_AMT");
    sumCell("qrlAfTotal", 6, "AFDIS_AMT");
}

void TfrmVCI011::setDay(const QDate& day)
{
    qrlCondition->setText(QStringLiteral("일자 :") + day.toString(QStringLiteral("yyyy-MM-dd")));
}

void TfrmVCI011::setCash(qint64 before, qint64 after)
{
    qrbHeader->element(QStringLiteral("qrlBfAmount"))->setText(DailyBooks::amountText(before));
    qrbHeader->element(QStringLiteral("qrlAfAmount"))->setText(DailyBooks::amountText(after));
}

void TfrmVCI011::setReceipts(const QList<CashLine>& lines, qint64 total)
{
    fillSide(QStringLiteral("Receipt"), lines, total);
}

void TfrmVCI011::setPayments(const QList<CashLine>& lines, qint64 total)
{
    fillSide(QStringLiteral("Payment"), lines, total);
}

void TfrmVCI011::fillSide(const QString& side, const QList<CashLine>& lines, qint64 total)
{
    const QList<CashLine> shown = foldLines(lines);
    for (int i = 0; i < kCashLines; ++i) {
        const bool used = i < shown.size();
        qrbHeader->element(QStringLiteral("qrl%1Text%2").arg(side).arg(i + 1))->setText(used ? shown.at(i).text : QString());
        qrbHeader->element(QStringLiteral("qrl%1Amount%2").arg(side).arg(i + 1))
            ->setText(used ? DailyBooks::amountText(shown.at(i).amount) : QString());
    }
    qrbHeader->element(QStringLiteral("qrl%1Total").arg(side))->setText(DailyBooks::amountText(total));
}

QList<TfrmVCI011::CashLine> TfrmVCI011::foldLines(const QList<CashLine>& lines, int room)
{
    if (lines.size() <= room)
        return lines;
    QList<CashLine> folded = lines.mid(0, room);
    CashLine& last = folded.last();
    last.text += QStringLiteral(" 외");
    for (int i = room; i < lines.size(); ++i)
        last.amount += lines.at(i).amount;
    return folded;
}
