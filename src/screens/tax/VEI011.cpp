#include "screens/tax/VEI011.h"
#include "screens/tax/TaxPrint.h"

using TaxPrint::kRowHeight;

namespace {

const QList<TaxPrint::Column> kColumns = {
    {"C_NUM", "사업자번호", 30, false},    {"C_NAME", "거 래 처 명", 56, false}, {"BOSS_NAME", "대 표 자 명", 26, false},
    {"C_TYPE", "업     태", 30, false},    {"C_ITEM", "업     종", 44, false},  {"VOLUME", "매     수", 18, true},
    {"SUP_PRICE", "공 급 가 액", 34, true}, {"TAX", "세      액", 30, true},
};

}  // namespace

TfrmVEI011::TfrmVEI011(bool sales, const QString& period, const QString& placeLine) : TfrmZZP020(QStringLiteral("frmVEI011"))
{
    qrlTitle->setText(sales ? QStringLiteral("매출처별 세금계산서 합  계  표") : QStringLiteral("매입처별 세금계산서 합  계  표"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVEI011"));
    qrlCondition->setText(period + QStringLiteral("   ") + placeLine);
    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), kRowHeight + 0.5);
    qrbColumnHeader->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 9);
    TaxPrint::addColumns(qrbColumnHeader, qrbDetail, kColumns);

    qrbSummary = addBand(Band::Summary, QStringLiteral("qrbSummary"), kRowHeight + 1);
    qrbSummary->font = ReportFont(QStringLiteral("굴림"), 9, true);
    const double width = TaxPrint::columnLeft(kColumns, int(kColumns.size()));
    qrbSummary->addRect(QStringLiteral("qrsSummaryBox"), QRectF(0, 0.5, width, kRowHeight), QColor(0xE8, 0xE8, 0xE8));
    qrbSummary->addLabel(QStringLiteral("qrlTotalCaption"), QRectF(0, 0.5, TaxPrint::columnLeft(kColumns, 5), kRowHeight),
                         sales ? QStringLiteral("매출총계") : QStringLiteral("매입총계"), Qt::AlignCenter);
    for (int c = 5; c < kColumns.size(); ++c) {
        const QString field = QLatin1String(kColumns.at(c).field);
        qrbSummary->addExpression(QStringLiteral("qrlSum") + field,
                                  QRectF(TaxPrint::columnLeft(kColumns, c) + 1, 0.5, kColumns.at(c).width - 2, kRowHeight),
                                  [field](const ReportContext& context) { return TaxPrint::sumText(context, field); },
                                  Qt::AlignRight | Qt::AlignVCenter);
    }
}
