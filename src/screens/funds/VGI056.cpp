#include "screens/funds/VGI056.h"
#include "screens/funds/FundsPrint.h"

TfrmVGI056::TfrmVGI056() : TfrmZZP010(QStringLiteral("frmVGI056"))
{
    qrlTitle->setText(QStringLiteral("금융기관별 예적금현황"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVGI056"));
    const QString amount = QStringLiteral("#,##0");
    FundsPrint::Table table(*this, {{QStringLiteral("FIN_INST_NM"), QStringLiteral("금융기관"), 24, QString()},
                                    {QStringLiteral("ACN_NO"), QStringLiteral("계좌번호"), 30, QString()},
                                    {QStringLiteral("OPN_DT"), QStringLiteral("개설일자"), 18, QString()},
                                    {QStringLiteral("EXP_DT"), QStringLiteral("만기일자"), 18, QString()},
                                    {QStringLiteral("YY_INT_RT"), QStringLiteral("연이율"), 12, QString()},
                                    {QStringLiteral("CTR_AMT"), QStringLiteral("계약금액"), 23, amount},
                                    {QStringLiteral("MM_PMT_AMT"), QStringLiteral("월 납입액"), 20, amount},
                                    {QStringLiteral("TOT_AMT"), QStringLiteral("총불입액"), 23, amount},
                                    {QStringLiteral("MM_PMT_DT"), QStringLiteral("납 입 일"), 12, QString()}},
                            5.5, 7.5);
    ReportGroup* bank = addGroup(QStringLiteral("qrgBank"), QStringLiteral("FIN_INST_NM"), 0, 6);
    bank->header->enabled = false;
    // the bank prints once per group
    ReportElement* name = table.detail()->element(QStringLiteral("qrlFIN_INST_NM"));
    table.detail()->beforePrint = [name](Band&, const ReportContext& c) {
        const bool first = c.row == 0 || c.data->value(c.row - 1, QStringLiteral("FIN_INST_NM")) != c.value(QStringLiteral("FIN_INST_NM"));
        name->visible = first;
        return true;
    };
    const QStringList sums{QStringLiteral("TOT_AMT"), QStringLiteral("CTR_AMT")};
    table.addTotals(bank->footer, QStringLiteral("[ 소   계 ]"), 5, sums, QStringLiteral("FIN_INST_NM"));
    table.addTotals(band(Band::Summary, 6.5), QStringLiteral("[ 합   계 ]"), 5, sums);
}
