#include "screens/daily/VCI101.h"
#include "screens/daily/DailyBooks.h"
#include "screens/daily/DailyPrint.h"
#include "screens/daily/VCI100.h"
#include <iterator>

namespace {

struct ReceiptColumn {
    const char* field;
    const char* caption;
    double width;
    bool amount;
};
const ReceiptColumn kColumns[] = {
    {"IPGUM_DATE", "입금일자", 20, false},    {"IPGUM_NAME", "입 금 자", 28, false},
    {"IPGUM_AMT", "입금 금액", 26, true},     {"IPGUM_WAY", "입금 방법", 22, false},
    {"APPLY_AMT", "적용 금액", 26, true},     {"APPLICATION_NO", "신청 번호", 24, false},
    {"FINAL_YN", "완료", 12, false},          {"SLIP_NO", "전표 번호", 27, false},
};
constexpr double kRowHeight = 5.5;

double columnLeft(int column)
{
    double left = 0;
    for (int c = 0; c < column; ++c)
        left += kColumns[c].width;
    return left;
}

}  // namespace

TfrmVCI101::TfrmVCI101(const QString& from, const QString& to) : TfrmZZP010(QStringLiteral("frmVCI101"))
{
    qrlTitle->setText(QStringLiteral("예약선수금 입금내역"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVCI101"));
    qrsFooterRule->visible = true;
    qrlCondition->setText(QStringLiteral("기간 :") + from + QStringLiteral(" ~ ") + to);
    const double width = contentWidth();

    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), kRowHeight + 0.5);
    qrbColumnHeader->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbColumnHeader->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, 0, width, kRowHeight), QColor(0xE8, 0xE8, 0xE8));
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 8.5);
    qrbDetail->addRule(QStringLiteral("qrsDetailRule"), kRowHeight, 0.1);
    for (int c = 0; c < int(std::size(kColumns)); ++c) {
        const ReceiptColumn& col = kColumns[c];
        qrbColumnHeader->addLabel(QStringLiteral("qrlTitle%1").arg(c), QRectF(columnLeft(c), 0, col.width, kRowHeight),
                                  QString::fromUtf8(col.caption), Qt::AlignCenter);
        qrbDetail
            ->addField(QStringLiteral("qrl") + QLatin1String(col.field), QRectF(columnLeft(c) + 1, 0, col.width - 2, kRowHeight),
                       QLatin1String(col.field), col.amount ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter,
                       col.amount ? QStringLiteral("#,##0") : QString())
            ->shrinkToFit = !col.amount;
    }
    qrbSummary = addBand(Band::Summary, QStringLiteral("qrbSummary"), kRowHeight + 1);
    qrbSummary->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbSummary->addRect(QStringLiteral("qrsSummaryBox"), QRectF(0, 0.5, width, kRowHeight), QColor(0xC0, 0xC0, 0xC0));
    qrbSummary->addLabel(QStringLiteral("qrlTotalCaption"), QRectF(0, 0.5, columnLeft(2), kRowHeight),
                         QStringLiteral("합     계"), Qt::AlignCenter);
    for (const int c : {2, 4}) {
        const QString field = QLatin1String(kColumns[c].field);
        qrbSummary->addExpression(QStringLiteral("qrl%1Total").arg(field),
                                  QRectF(columnLeft(c) + 1, 0.5, kColumns[c].width - 2, kRowHeight),
                                  [field](const ReportContext& context) {
                                      return DailyBooks::amountText(qint64(DailyPrint::sumOf(context, field)));
                                  },
                                  Qt::AlignRight | Qt::AlignVCenter);
    }
    cdsQuery().open(TfrmVCI100::receiptsSql(), {from, to});
}
