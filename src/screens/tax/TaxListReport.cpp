#include "screens/tax/TaxListReport.h"
#include "framework/print/NumberMask.h"
#include "framework/print/ReportViewer.h"
#include <iterator>

namespace {

struct ListColumn {
    const char* field;
    const char* caption;
    double width;
    bool amount;
};
const ListColumn kColumns[] = {
    {"BILL_SEQ_NO", "일련번호", 20, false}, {"TAX_DATE", "발행일자", 22, false},
    {"C_NAME", "거 래 처 명", 44, false},  {"C_NUM", "사업자번호", 26, false},
    {"TS_PRICE", "공급가액", 26, true},    {"T_TAX", "세    액", 22, true},
    {"TOT_AMT", "합계금액", 25, true},
};
constexpr double kRowHeight = 6;

double columnLeft(int column)
{
    double left = 0;
    for (int c = 0; c < column; ++c)
        left += kColumns[c].width;
    return left;
}

}  // namespace

TaxListReport::TaxListReport(const QString& fromDate, const QString& toDate) : TfrmZZP010(QStringLiteral("frmTAX_F3"))
{
    qrlTitle->setText(QStringLiteral("세금계산서 발행 목록"));
    qrlCondition->setText(QStringLiteral("발행일자 : ") + fromDate + QStringLiteral(" ~ ") + toDate);
    const double width = contentWidth();
    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), kRowHeight + 0.5);
    qrbColumnHeader->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbColumnHeader->addRect(QStringLiteral("qrsColumnBox"), QRectF(0, 0, width, kRowHeight), QColor(0xE8, 0xE8, 0xE8));
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 9);
    qrbDetail->addRule(QStringLiteral("qrsDetailRule"), kRowHeight, 0.1);
    qrbSummary = addBand(Band::Summary, QStringLiteral("qrbSummary"), kRowHeight + 1);
    qrbSummary->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbSummary->addRect(QStringLiteral("qrsSummaryBox"), QRectF(0, 0.5, width, kRowHeight), QColor(0xE8, 0xE8, 0xE8));
    qrbSummary->addLabel(QStringLiteral("qrlSummaryCaption"), QRectF(columnLeft(2), 0.5, kColumns[2].width, kRowHeight),
                         QStringLiteral("합          계"), Qt::AlignCenter);
    for (int c = 0; c < int(std::size(kColumns)); ++c) {
        const ListColumn& col = kColumns[c];
        const QString field = QLatin1String(col.field);
        const Qt::Alignment align = col.amount ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter;
        qrbColumnHeader->addLabel(QStringLiteral("qrl%1Title").arg(field), QRectF(columnLeft(c), 0, col.width, kRowHeight),
                                  QString::fromUtf8(col.caption), Qt::AlignCenter);
        ReportElement* cell = qrbDetail->addField(QStringLiteral("qrl") + field,
                                                  QRectF(columnLeft(c) + 1, 0, col.width - 2, kRowHeight), field, align,
                                                  col.amount ? QStringLiteral("#,###") : QString());
        cell->shrinkToFit = !col.amount;
        if (!col.amount)
            continue;
        qrbSummary->addExpression(QStringLiteral("qrlSum") + field,
                                  QRectF(columnLeft(c) + 1, 0.5, col.width - 2, kRowHeight),
                                  [field](const ReportContext& context) {
                                      qint64 sum = 0;
                                      for (int row = 0; context.data && row < context.data->rowCount(); ++row)
                                          sum += context.data->value(row, field).toLongLong();
                                      return FormatNumberMask(double(sum), QStringLiteral("#,##0"));
                                  },
                                  align);
    }
    cdsQuery().open(QStringLiteral("SELECT BILL_SEQ_NO, TO_CHAR(TAX_DATE, 'YYYY-MM-DD') TAX_DATE, C_NAME, C_NUM, TS_PRICE,"
                                   " T_TAX, TS_PRICE + T_TAX TOT_AMT\n"
                                   "  FROM VE010MS\n"
                                   " WHERE TAX_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
                                   " ORDER BY TAX_DATE, BILL_SEQ_NO"),
                    {fromDate, toDate});
}

void TaxListReport::registerReport()
{
    ReportRegistry::instance().add(QStringLiteral("TAX_F3.mrd"), [](const ReportRequest& request) {
        return std::unique_ptr<TfrmZZP010>(new TaxListReport(request.values.value(0), request.values.value(1)));
    });
}
