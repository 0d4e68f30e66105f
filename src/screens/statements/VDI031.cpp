#include "screens/statements/VDI031.h"
#include <iterator>

namespace {

const char* const kAmounts[] = {"D_AMOUNT", "C_AMOUNT", "BD_AMOUNT", "BC_AMOUNT"};
constexpr double kNameWidth = 61;
constexpr double kAmountWidth = 31;
constexpr double kHeaderRow = 6;
constexpr double kRowHeight = 5.4;
constexpr double kPad = 1.2;
const QColor kSilver(0xC0, 0xC0, 0xC0);

double amountLeft(int column)
{
    return kNameWidth + column * kAmountWidth;
}

}  // namespace

TfrmVDI031::TfrmVDI031() : TfrmZZP010(QStringLiteral("frmVDI031"))
{
    qrlTitle->setText(QStringLiteral("대  차  대  조  표"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVDI031"));
    qrsFooterRule->visible = true;

    const double width = contentWidth();
    qrbHeader->height = 31;
    qrlCurrentTerm = qrbHeader->addLabel(QStringLiteral("qrlCurrentTerm"), QRectF(0, 12, width, 5.5), QString(),
                                         Qt::AlignCenter);
    qrlCurrentTerm->font = ReportFont(QStringLiteral("굴림"), 10, true);
    qrlPreviousTerm = qrbHeader->addLabel(QStringLiteral("qrlPreviousTerm"), QRectF(0, 18, width, 5.5), QString(),
                                          Qt::AlignCenter);
    qrlPreviousTerm->font = ReportFont(QStringLiteral("굴림"), 10, true);
    qrlCondition->geometry = QRectF(0, 25, width / 2, 5);
    qrlCondition->setText(QStringLiteral("주식회사 탈바네리조트"));
    qrlUnit = qrbHeader->addLabel(QStringLiteral("qrlUnit"), QRectF(width / 2, 25, width / 2, 5),
                                  QStringLiteral("(단위 : 원)"), Qt::AlignRight | Qt::AlignVCenter);
    qrlUnit->font = ReportFont(QStringLiteral("굴림"), 9);

    buildColumnHeader();
    buildDetail();
}

QString TfrmVDI031::termText(const QString& sessionId, const QDate& day)
{
    const QString date = day.isValid() ? day.toString(QStringLiteral("yyyy년 MM월 dd일")) : QString();
    return QStringLiteral("제 ") + sessionId + QStringLiteral(" 기 ") + date + QStringLiteral(" 현재");
}

QString TfrmVDI031::columnHeading(const QString& sessionId, bool current)
{
    return QStringLiteral("제 ") + sessionId + (current ? QStringLiteral("(당)기") : QStringLiteral("(전)기"));
}

void TfrmVDI031::setTerms(const QString& currentId, const QDate& currentEnd, const QString& previousId,
                          const QDate& previousEnd)
{
    qrlCurrentTerm->setText(termText(currentId, currentEnd));
    qrlPreviousTerm->setText(termText(previousId, previousEnd));
    qrlCurrentHeading->setText(columnHeading(currentId, true));
    qrlPreviousHeading->setText(columnHeading(previousId, false));
}

void TfrmVDI031::buildColumnHeader()
{
    const double width = contentWidth();
    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), 2 * kHeaderRow + 0.5);
    Band* b = qrbColumnHeader;
    b->font = ReportFont(QStringLiteral("굴림"), 9, true);
    b->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, 0, width, 2 * kHeaderRow), QColor(0xE8, 0xE8, 0xE8), 0.3);
    b->addLabel(QStringLiteral("qrlNameTitle"), QRectF(0, 0, kNameWidth, 2 * kHeaderRow),
                QStringLiteral("계  정  과  목"), Qt::AlignCenter);
    qrlCurrentHeading = b->addLabel(QStringLiteral("qrlCurrentHeading"),
                                    QRectF(amountLeft(0), 0, 2 * kAmountWidth, kHeaderRow), QString(), Qt::AlignCenter);
    qrlPreviousHeading = b->addLabel(QStringLiteral("qrlPreviousHeading"),
                                     QRectF(amountLeft(2), 0, 2 * kAmountWidth, kHeaderRow), QString(), Qt::AlignCenter);
    b->addLine(QStringLiteral("qrsTermRule"), QLineF(kNameWidth, kHeaderRow, width, kHeaderRow));
    for (int term = 0; term < 2; ++term) {
        b->addLabel(QStringLiteral("qrlAmountTitle%1").arg(term),
                    QRectF(amountLeft(2 * term), kHeaderRow, 2 * kAmountWidth, kHeaderRow),
                    QStringLiteral("금          액"), Qt::AlignCenter);
        b->addLine(QStringLiteral("qrsTermEdge%1").arg(term),
                   QLineF(amountLeft(2 * term), 0, amountLeft(2 * term), 2 * kHeaderRow));
    }
}

void TfrmVDI031::buildDetail()
{
    const double width = contentWidth();
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 8.5);
    qrsDetailBack = qrbDetail->addRect(QStringLiteral("qrsDetailBack"), QRectF(0, 0, width, kRowHeight),
                                       QColor(Qt::white), 0.1);
    qrbDetail->addField(QStringLiteral("qrlACCT_PNAME"), QRectF(kPad, 0, kNameWidth - 2 * kPad, kRowHeight),
                        QStringLiteral("ACCT_PNAME"), Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < int(std::size(kAmounts)); ++c) {
        const QString field = QLatin1String(kAmounts[c]);
        qrbDetail->addField(QStringLiteral("qrl") + field,
                            QRectF(amountLeft(c) + kPad, 0, kAmountWidth - 2 * kPad, kRowHeight), field,
                            Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("#,###"));
        qrbDetail->addLine(QStringLiteral("qrs%1Rule").arg(field), QLineF(amountLeft(c), 0, amountLeft(c), kRowHeight),
                           c % 2 == 0 ? 0.2 : 0.1);
    }
    // Group lines on silver.
    qrbDetail->beforePrint = [this](Band&, const ReportContext& context) {
        qrsDetailBack->fill = context.text(QStringLiteral("LVL")) == QLatin1String("1") ? kSilver : QColor(Qt::white);
        return true;
    };
}
