#include "screens/tax/VEI012.h"
#include "screens/tax/TaxPrint.h"

using TaxPrint::kRowHeight;

namespace {

const QList<TaxPrint::Column> kColumns = {
    {"C_NUM", "사업자번호", 28, false},   {"C_NAME", "거 래 처 명", 48, false},
    {"SUMMARY", "거     래     내     역", 76, false}, {"SLIP_NO", "전표번호", 26, false},
    {"DEAL_DATE", "거래일자", 22, false}, {"CONF_DATE", "확정일자", 22, false},
    {"SUP_PRICE", "공 급 가 액", 29, true}, {"TAX", "세      액", 26, true},
};

}  // namespace

TfrmVEI012::TfrmVEI012(const QString& period, const QString& placeLine) : TfrmZZP020(QStringLiteral("frmVEI012"))
{
    qrlTitle->setText(QStringLiteral("매 입 매 출 장"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVEI012"));
    qrlCondition->setText(period + QStringLiteral("   ") + placeLine);
    qrbColumnHeader = addBand(Band::ColumnHeader, QStringLiteral("qrbColumnHeader"), kRowHeight + 0.5);
    qrbColumnHeader->font = ReportFont(QStringLiteral("굴림"), 9, true);
    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 9);
    ReportElement* back = qrbDetail->addRect(QStringLiteral("qrsDetailBack"),
                                             QRectF(0, 0, TaxPrint::columnLeft(kColumns, int(kColumns.size())), kRowHeight),
                                             QColor(Qt::white), 0);
    TaxPrint::addColumns(qrbColumnHeader, qrbDetail, kColumns);
    qrbDetail->beforePrint = [back](Band&, const ReportContext& context) {
        back->fill = context.text(QStringLiteral("SLIP_NO")).isEmpty() ? QColor(0xE0, 0xE0, 0xE0) : QColor(Qt::white);
        return true;
    };
}
