#include "screens/tax/TaxListReport.h"
#include "framework/print/ReportViewer.h"
#include "screens/tax/TaxPrint.h"

using TaxPrint::kRowHeight;

namespace {

const QList<TaxPrint::Column> kColumns = {
    {"BILL_SEQ_NO", "일련번호", 20, false}, {"TAX_DATE", "발행일자", 22, false},
    {"C_NAME", "거 래 처 명", 44, false},  {"C_NUM", "사업자번호", 26, false},
    {"TS_PRICE", "공급가액", 26, true},    {"T_TAX", "세    액", 22, true},
    {"TOT_AMT", "합계금액", 25, true},
};

}  // namespace

TaxListReport::TaxListReport(const QString& fromDate, const QString& toDate) : TfrmZZP010(QStringLiteral("frmTAX_F3"))
{
    qrlTitle->setText(QStringLiteral("세금계산서 발행 목록"));
    qrlCondition->setText(QStringLiteral("발행일자 : ") + fromDate + QStringLiteral(" ~ ") + toDate);
    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), kRowHeight + 0.5);
    qrbColumnHeader->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 9);
    TaxPrint::addColumns(qrbColumnHeader, qrbDetail, kColumns);

    qrbSummary = addBand(Band::Summary, QStringLiteral("qrbSummary"), kRowHeight + 1);
    qrbSummary->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbSummary->addRect(QStringLiteral("qrsSummaryBox"),
                        QRectF(0, 0.5, TaxPrint::columnLeft(kColumns, int(kColumns.size())), kRowHeight),
                        QColor(0xE8, 0xE8, 0xE8));
    qrbSummary->addLabel(QStringLiteral("qrlSummaryCaption"),
                         QRectF(TaxPrint::columnLeft(kColumns, 2), 0.5, kColumns.at(2).width, kRowHeight),
                         QStringLiteral("합          계"), Qt::AlignCenter);
    for (int c = 4; c < kColumns.size(); ++c) {
        const QString field = QLatin1String(kColumns.at(c).field);
        qrbSummary->addExpression(QStringLiteral("qrlSum") + field,
                                  QRectF(TaxPrint::columnLeft(kColumns, c) + 1, 0.5, kColumns.at(c).width - 2, kRowHeight),
                                  [field](const ReportContext& context) { return TaxPrint::sumText(context, field); },
                                  Qt::AlignRight | Qt::AlignVCenter);
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
