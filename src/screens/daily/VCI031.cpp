#include "screens/daily/VCI031.h"
#include "screens/daily/DailyPrint.h"
#include <iterator>

namespace {

struct SheetColumn {
    const char* field;
    const char* caption;
};
const SheetColumn kColumns[] = {
    {"SUMD", "합계"}, {"DAMT", "대체"}, {"CASH_DAMT", "현금"}, {"ACCT_PNAME", "계   정   과   목"},
    {"CASH_CAMT", "현금"}, {"CAMT", "대체"}, {"SUMC", "합계"},
};
constexpr int kNameColumn = 3;
constexpr double kAmountWidth = 34;
constexpr double kNameWidth = 68;
constexpr double kHeaderRow = 6;
constexpr double kRowHeight = 6;

double columnLeft(int column)
{
    return column <= kNameColumn ? column * kAmountWidth : kNameColumn * kAmountWidth + kNameWidth
                                                              + (column - kNameColumn - 1) * kAmountWidth;
}

double columnWidth(int column)
{
    return column == kNameColumn ? kNameWidth : kAmountWidth;
}

}  // namespace

TfrmVCI031::TfrmVCI031() : TfrmZZP020(QStringLiteral("frmVCI031"))
{
    qrlTitle->setText(QStringLiteral("일 계 표"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVCI031"));
    qrsFooterRule->visible = true;
    const double width = contentWidth();
    qrbHeader->height = 36;
    qrlCondition->geometry = QRectF(0, 28, width - 90, 6);
    DailyPrint::addApprovalBoxes(qrbHeader, QRectF(width - 75, 12, 75, 22), QStringLiteral("결    재"),
                                 {QStringLiteral("담   당"), QStringLiteral("팀   장"), QStringLiteral("중   역")});

    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), 2 * kHeaderRow + 0.5);
    Band* h = qrbColumnHeader;
    h->font = ReportFont(QStringLiteral("굴림"), 9, true);
    h->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, 0, width, 2 * kHeaderRow), QColor(0xE8, 0xE8, 0xE8), 0.3);
    const double debitWidth = kNameColumn * kAmountWidth;
    const double creditLeft = columnLeft(kNameColumn + 1);
    h->addLabel(QStringLiteral("qrlDebitSide"), QRectF(0, 0, debitWidth, kHeaderRow),
                QStringLiteral("차                변"), Qt::AlignCenter);
    h->addLabel(QStringLiteral("qrlCreditSide"), QRectF(creditLeft, 0, width - creditLeft, kHeaderRow),
                QStringLiteral("대                변"), Qt::AlignCenter);
    h->addLine(QStringLiteral("qrsDebitRule"), QLineF(0, kHeaderRow, debitWidth, kHeaderRow));
    h->addLine(QStringLiteral("qrsCreditRule"), QLineF(creditLeft, kHeaderRow, width, kHeaderRow));

    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 9);
    qrsDetailBack = qrbDetail->addRect(QStringLiteral("qrsDetailBack"), QRectF(0, 0, width, kRowHeight), QColor(Qt::white), 0.1);
    for (int c = 0; c < int(std::size(kColumns)); ++c) {
        const bool name = c == kNameColumn;
        const QString field = QLatin1String(kColumns[c].field);
        h->addLabel(QStringLiteral("qrl%1Title").arg(field),
                    QRectF(columnLeft(c), name ? 0 : kHeaderRow, columnWidth(c), name ? 2 * kHeaderRow : kHeaderRow),
                    QString::fromUtf8(kColumns[c].caption), Qt::AlignCenter);
        if (c > 0) {
            const bool sideEdge = c == kNameColumn || c == kNameColumn + 1;
            h->addLine(QStringLiteral("qrs%1TitleRule").arg(field),
                       QLineF(columnLeft(c), sideEdge ? 0 : kHeaderRow, columnLeft(c), 2 * kHeaderRow));
            qrbDetail->addLine(QStringLiteral("qrs%1Rule").arg(field), QLineF(columnLeft(c), 0, columnLeft(c), kRowHeight), 0.1);
        }
        const QRectF cell(columnLeft(c) + 1, 0, columnWidth(c) - 2, kRowHeight);
        if (name)
            qrbDetail->addField(QStringLiteral("qrlACCT_PNAME"), cell, field, Qt::AlignLeft | Qt::AlignVCenter)->shrinkToFit = true;
        else
            qrbDetail->addField(QStringLiteral("qrl") + field, cell, field, Qt::AlignRight | Qt::AlignVCenter,
                                QStringLiteral("#,##0"));
    }
    // the subtotal, cash and grand-total rows
    qrbDetail->beforePrint = [this](Band& band, const ReportContext& context) {
        const bool summary = context.text(QStringLiteral("ROW_KIND")) != QLatin1String("A");
        qrsDetailBack->fill = summary ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::white);
        for (const auto& element : band.elements())
            element->font.setBold(summary);
        return true;
    };
}

void TfrmVCI031::setDay(const QDate& day)
{
    qrlCondition->setText(QStringLiteral("회계일자 :") + day.toString(QStringLiteral("yyyy-MM-dd")));
}
