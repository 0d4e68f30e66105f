#include "screens/funds/VGI081.h"
#include "screens/funds/FundsPrint.h"

TfrmVGI081::TfrmVGI081() : TfrmZZP020(QStringLiteral("frmVGI081"))
{
    qrlTitle->setText(QStringLiteral("유가 증권 명세서"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVGI081"));
    FundsPrint::Table table(*this, {{QStringLiteral("BANK_NM"), QStringLiteral("은 행 명"), 30, QString()},
                                    {QStringLiteral("ACC_NO"), QStringLiteral("계좌번호"), 34, QString()},
                                    {QStringLiteral("CUST_NM"), QStringLiteral("거래처명"), 34, QString()},
                                    {QStringLiteral("J_NUM"), QStringLiteral("증권번호"), 28, QString()},
                                    {QStringLiteral("AMT"), QStringLiteral("금   액"), 32, QStringLiteral("#,##0")},
                                    {QStringLiteral("BAL_DATE"), QStringLiteral("발행일자"), 22, QString()},
                                    {QStringLiteral("DUE_DATE"), QStringLiteral("만기일자"), 22, QString()},
                                    {QStringLiteral("CONF_DATE"), QStringLiteral("확정일자"), 22, QString()},
                                    {QStringLiteral("SLIP_NO"), QStringLiteral("전표번호"), 20, QString()},
                                    {QString(), QStringLiteral("비  고"), 28, QString()}});
}
