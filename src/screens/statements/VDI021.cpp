#include "screens/statements/VDI021.h"
#include "framework/print/ReportViewer.h"
#include <iterator>

namespace {

struct PrintColumn {
    const char* field;
    const char* caption;
};
const PrintColumn kAmounts[] = {
    {"D_AMOUNT", "당월 금액"}, {"C_AMOUNT", "당기 누계"}, {"BD_AMOUNT", "전월 금액"}, {"BC_AMOUNT", "전기 누계"}};
constexpr double kNameWidth = 61;
constexpr double kAmountWidth = 31;
constexpr double kHeaderRow = 6;
constexpr double kRowHeight = 5.0;
constexpr double kPad = 1.2;
const QColor kSilver(0xC0, 0xC0, 0xC0);

double amountLeft(int column)
{
    return kNameWidth + column * kAmountWidth;
}

}  // namespace

TfrmVDI021::TfrmVDI021(const QString& ipAddr, const QString& currentLabel, const QString& comparisonLabel)
    : TfrmZZP010(QStringLiteral("frmVDI021"))
{
    qrlTitle->setText(QStringLiteral("손  익  계  산  서"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVDI021"));
    qrsFooterRule->visible = true;

    const double width = contentWidth();
    qrbHeader->height = 31;
    qrlCurrentPeriod = qrbHeader->addLabel(QStringLiteral("qrlCurrentPeriod"), QRectF(0, 12, width, 5.5),
                                           QStringLiteral("당기 : ") + currentLabel, Qt::AlignCenter);
    qrlCurrentPeriod->font = ReportFont(QStringLiteral("굴림"), 10, true);
    qrlComparisonPeriod = qrbHeader->addLabel(QStringLiteral("qrlComparisonPeriod"), QRectF(0, 18, width, 5.5),
                                              QStringLiteral("전기 : ") + comparisonLabel, Qt::AlignCenter);
    qrlComparisonPeriod->font = ReportFont(QStringLiteral("굴림"), 10, true);
    qrlCondition->geometry = QRectF(0, 25, width / 2, 5);
    qrlCondition->setText(QStringLiteral("주식회사 탈바네리조트"));
    qrlUnit = qrbHeader->addLabel(QStringLiteral("qrlUnit"), QRectF(width / 2, 25, width / 2, 5),
                                  QStringLiteral("(단위 : 원)"), Qt::AlignRight | Qt::AlignVCenter);
    qrlUnit->font = ReportFont(QStringLiteral("굴림"), 9);

    buildColumnHeader();
    buildDetail();
    // The lines of this workstation's last income statement run.
    cdsQuery().open(QStringLiteral("SELECT ACCT_CODE, ACCT_NAME, ACCT_UPCD, D_AMOUNT, C_AMOUNT, BD_AMOUNT, BC_AMOUNT\n"
                                   "  FROM VD020_RPT\n"
                                   " WHERE IP_ADDR = :P0\n"
                                   " ORDER BY SPRT_ORD, ACCT_CODE"),
                    {ipAddr});
}

void TfrmVDI021::registerReport()
{
    ReportRegistry::instance().add(kReportFile, [](const ReportRequest& request) {
        return std::unique_ptr<TfrmZZP010>(
            new TfrmVDI021(request.values.value(0), request.values.value(1), request.values.value(2)));
    });
}

void TfrmVDI021::buildColumnHeader()
{
    const double width = contentWidth();
    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), 2 * kHeaderRow + 0.5);
    Band* b = qrbColumnHeader;
    b->font = ReportFont(QStringLiteral("굴림"), 9, true);
    b->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, 0, width, 2 * kHeaderRow), QColor(0xE8, 0xE8, 0xE8), 0.3);
    b->addLabel(QStringLiteral("qrlNameTitle"), QRectF(0, 0, kNameWidth, 2 * kHeaderRow),
                QStringLiteral("과          목"), Qt::AlignCenter);
    b->addLabel(QStringLiteral("qrlCurrentTitle"), QRectF(amountLeft(0), 0, 2 * kAmountWidth, kHeaderRow),
                QStringLiteral("당          기"), Qt::AlignCenter);
    b->addLabel(QStringLiteral("qrlComparisonTitle"), QRectF(amountLeft(2), 0, 2 * kAmountWidth, kHeaderRow),
                QStringLiteral("전          기"), Qt::AlignCenter);
    b->addLine(QStringLiteral("qrsPeriodRule"), QLineF(kNameWidth, kHeaderRow, width, kHeaderRow));
    for (int c = 0; c < int(std::size(kAmounts)); ++c) {
        const QString field = QLatin1String(kAmounts[c].field);
        b->addLabel(QStringLiteral("qrl%1Title").arg(field), QRectF(amountLeft(c), kHeaderRow, kAmountWidth, kHeaderRow),
                    QString::fromUtf8(kAmounts[c].caption), Qt::AlignCenter);
        // the periods' captions span their two columns
        b->addLine(QStringLiteral("qrs%1TitleRule").arg(field),
                   QLineF(amountLeft(c), c % 2 == 0 ? 0 : kHeaderRow, amountLeft(c), 2 * kHeaderRow));
    }
}

void TfrmVDI021::buildDetail()
{
    const double width = contentWidth();
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 8.5);
    qrsDetailBack = qrbDetail->addRect(QStringLiteral("qrsDetailBack"), QRectF(0, 0, width, kRowHeight),
                                       QColor(Qt::white), 0.1);
    qrbDetail->addField(QStringLiteral("qrlACCT_NAME"), QRectF(kPad, 0, kNameWidth - 2 * kPad, kRowHeight),
                        QStringLiteral("ACCT_NAME"), Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < int(std::size(kAmounts)); ++c) {
        const QString field = QLatin1String(kAmounts[c].field);
        qrbDetail->addField(QStringLiteral("qrl") + field,
                            QRectF(amountLeft(c) + kPad, 0, kAmountWidth - 2 * kPad, kRowHeight), field,
                            Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("#,##0"));
        qrbDetail->addLine(QStringLiteral("qrs%1Rule").arg(field), QLineF(amountLeft(c), 0, amountLeft(c), kRowHeight),
                           0.1);
    }
    // Sections and computed lines have no upper account: silver.
    qrbDetail->beforePrint = [this](Band&, const ReportContext& context) {
        qrsDetailBack->fill = context.text(QStringLiteral("ACCT_UPCD")).trimmed().isEmpty() ? kSilver : QColor(Qt::white);
        return true;
    };
}
