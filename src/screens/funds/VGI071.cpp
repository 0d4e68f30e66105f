#include "screens/funds/VGI071.h"
#include "screens/funds/FundsPrint.h"

TfrmVGI071::TfrmVGI071() : TfrmZZP020(QStringLiteral("frmVGI071"))
{
    qrlTitle->setText(QStringLiteral("금융기관별 차입금 현황"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVGI071"));
    const QString amount = QStringLiteral("#,##0");
    FundsPrint::Table table(*this, {{QStringLiteral("SBJ_NM"), QStringLiteral("대출과목"), 44, QString()},
                                    {QStringLiteral("OPN_DT"), QStringLiteral("차입일자"), 22, QString()},
                                    {QStringLiteral("EXP_DT"), QStringLiteral("만기일자"), 22, QString()},
                                    {QStringLiteral("REPAY_DT"), QStringLiteral("상 환 일"), 22, QString()},
                                    {QStringLiteral("INT_RT"), QStringLiteral("차입이율"), 18, QString()},
                                    {QStringLiteral("LOAN_AMT"), QStringLiteral("차입금액"), 36, amount},
                                    {QStringLiteral("PRN"), QStringLiteral("월 상환액"), 34, amount},
                                    {QStringLiteral("INT"), QStringLiteral("이자납입금액"), 34, amount},
                                    {QStringLiteral("REPAY_AMT"), QStringLiteral("합  계"), 36, amount}});
    ReportGroup* bank = addGroup(QStringLiteral("qrgBank"), QStringLiteral("FIN_INST_NM"), 6, 6);
    bank->header->font = ReportFont(QStringLiteral("굴림"), 9, true);
    bank->header->addField(QStringLiteral("qrlBankName"), QRectF(1, 0, 120, 6), QStringLiteral("FIN_INST_NM"));
    const QStringList sums{QStringLiteral("LOAN_AMT"), QStringLiteral("PRN"), QStringLiteral("INT"), QStringLiteral("REPAY_AMT")};
    table.addTotals(bank->footer, QStringLiteral("소     계"), 5, sums, QStringLiteral("FIN_INST_NM"));
    table.addTotals(band(Band::Summary, 6.5), QStringLiteral("합     계"), 5, sums);
}
