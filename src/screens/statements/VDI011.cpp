#include "screens/statements/VDI011.h"
#include <iterator>

namespace {

struct PrintColumn {
    const char* field;
    const char* caption;
};
// Left to right: the debit side, the account, the credit side mirrored.
const PrintColumn kColumns[] = {
    {"BAL_DAMOUNT", "잔액"},    {"SUM_DAMOUNT", "합  계"}, {"BD_AMOUNT", "당기누계"}, {"D_AMOUNT", "당월"},
    {"BF_DAMOUNT", "전기이월"}, {"ACCT_NAME", "계  정  과  목"},
    {"BF_CAMOUNT", "전기이월"}, {"C_AMOUNT", "당월"},      {"BC_AMOUNT", "당기누계"}, {"SUM_CAMOUNT", "합  계"},
    {"BAL_CAMOUNT", "잔액"},
};
constexpr int kNameColumn = 5;
constexpr double kAmountWidth = 23;
constexpr double kNameWidth = 42;
constexpr double kHeaderRow = 6;
constexpr double kRowHeight = 5.2;
constexpr double kPad = 1.0;
const QColor kSilver(0xC0, 0xC0, 0xC0);

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

TfrmVDI011::TfrmVDI011() : TfrmZZP020(QStringLiteral("frmVDI011"))
{
    qrlTitle->setText(QStringLiteral("합계잔액시산표"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVDI011"));
    qrsFooterRule->visible = true;

    // Under the title: the term line in the middle, then the company on the
    // left and the unit on the right.
    const double width = contentWidth();
    qrbHeader->height = 25;
    qrlTerm = qrbHeader->addLabel(QStringLiteral("qrlTerm"), QRectF(0, 12, width, 6), QString(), Qt::AlignCenter);
    qrlTerm->font = ReportFont(QStringLiteral("굴림"), 11, true);
    qrlCondition->geometry = QRectF(0, 19, width / 2, 5);
    qrlCondition->setText(QStringLiteral("주식회사 탈바네리조트"));
    qrlUnit = qrbHeader->addLabel(QStringLiteral("qrlUnit"), QRectF(width / 2, 19, width / 2, 5),
                                  QStringLiteral("(단위 : 원)"), Qt::AlignRight | Qt::AlignVCenter);
    qrlUnit->font = ReportFont(QStringLiteral("굴림"), 9);

    buildColumnHeader();
    buildDetail();
}

QString TfrmVDI011::termText(const QString& sessionId, const QDate& monthEnd)
{
    return QStringLiteral("제 ") + sessionId + QStringLiteral(" 기 ") + monthEnd.toString(QStringLiteral("yyyy년 MM월 dd일"))
        + QStringLiteral(" 현재");
}

void TfrmVDI011::setTerm(const QString& sessionId, const QDate& monthEnd)
{
    qrlTerm->setText(termText(sessionId, monthEnd));
}

void TfrmVDI011::buildColumnHeader()
{
    const double width = contentWidth();
    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), 2 * kHeaderRow + 0.5);
    Band* b = qrbColumnHeader;
    b->font = ReportFont(QStringLiteral("굴림"), 9, true);
    b->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, 0, width, 2 * kHeaderRow), QColor(0xE8, 0xE8, 0xE8), 0.3);
    const double debitWidth = kNameColumn * kAmountWidth;
    const double creditLeft = columnLeft(kNameColumn + 1);
    b->addLabel(QStringLiteral("qrlDebitSide"), QRectF(0, 0, debitWidth, kHeaderRow),
                QStringLiteral("차                       변"), Qt::AlignCenter);
    b->addLabel(QStringLiteral("qrlCreditSide"), QRectF(creditLeft, 0, width - creditLeft, kHeaderRow),
                QStringLiteral("대                       변"), Qt::AlignCenter);
    b->addLine(QStringLiteral("qrsDebitRule"), QLineF(0, kHeaderRow, debitWidth, kHeaderRow));
    b->addLine(QStringLiteral("qrsCreditRule"), QLineF(creditLeft, kHeaderRow, width, kHeaderRow));
    for (int c = 0; c < int(std::size(kColumns)); ++c) {
        const bool name = c == kNameColumn;
        const QRectF cell(columnLeft(c), name ? 0 : kHeaderRow, columnWidth(c), name ? 2 * kHeaderRow : kHeaderRow);
        b->addLabel(QStringLiteral("qrl%1Title").arg(QLatin1String(kColumns[c].field)), cell,
                    QString::fromUtf8(kColumns[c].caption), Qt::AlignCenter);
        if (c > 0) {
            // Lines between the columns; the sides' captions span theirs.
            const bool sideEdge = c == kNameColumn || c == kNameColumn + 1;
            b->addLine(QStringLiteral("qrs%1TitleRule").arg(QLatin1String(kColumns[c].field)),
                       QLineF(columnLeft(c), sideEdge ? 0 : kHeaderRow, columnLeft(c), 2 * kHeaderRow));
        }
    }
}

void TfrmVDI011::buildDetail()
{
    const double width = contentWidth();
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 8);
    qrsDetailBack = qrbDetail->addRect(QStringLiteral("qrsDetailBack"), QRectF(0, 0, width, kRowHeight),
                                       QColor(Qt::white), 0.1);
    for (int c = 0; c < int(std::size(kColumns)); ++c) {
        const QString field = QLatin1String(kColumns[c].field);
        const QRectF cell(columnLeft(c) + kPad, 0, columnWidth(c) - 2 * kPad, kRowHeight);
        if (c == kNameColumn)
            qrbDetail->addField(QStringLiteral("qrlACCT_NAME"), cell, field, Qt::AlignLeft | Qt::AlignVCenter);
        else
            qrbDetail->addField(QStringLiteral("qrl") + field, cell, field, Qt::AlignRight | Qt::AlignVCenter,
                                QStringLiteral("#,###"));
        if (c > 0)
            qrbDetail->addLine(QStringLiteral("qrs%1Rule").arg(field), QLineF(columnLeft(c), 0, columnLeft(c), kRowHeight),
                               0.1);
    }
    // Account groups and the total have no upper account: silver rows.
    qrbDetail->beforePrint = [this](Band&, const ReportContext& context) {
        qrsDetailBack->fill = context.text(QStringLiteral("ACCT_UPCD")).trimmed().isEmpty() ? kSilver : QColor(Qt::white);
        return true;
    };
}
