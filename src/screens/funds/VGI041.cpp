#include "screens/funds/VGI041.h"
#include "screens/funds/FundsPrint.h"

TfrmVGI041::TfrmVGI041() : TfrmZZP020(QStringLiteral("frmVGI041"))
{
    qrlTitle->setText(QStringLiteral("리스 현황"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVGI041"));
    qrlCondition->alignment = Qt::AlignLeft | Qt::AlignVCenter;
    qrbHeader->addLabel(QStringLiteral("qrlUnit"), QRectF(contentWidth() - 40, qrlCondition->geometry.top(), 40, 5.5),
                        QStringLiteral("( 단위 :  원 )"), Qt::AlignRight | Qt::AlignVCenter);
    const QString amount = QStringLiteral("#,##0");
    FundsPrint::Table table(*this, {{QString(), QStringLiteral("구  분"), 10, QString()},
                                    {QStringLiteral("LIS_NAME"), QStringLiteral("종          류"), 36, QString()},
                                    {QStringLiteral("LIS_AMT"), QStringLiteral("물건가액"), 24, amount},
                                    {QStringLiteral("LIS_SIZE"), QStringLiteral("규     격"), 28, QString()},
                                    {QStringLiteral("LIS_DATE"), QStringLiteral("리스 기간"), 14, QString()},
                                    {QStringLiteral("AFF_DEPT_NAME"), QStringLiteral("사용부서"), 24, QString()},
                                    {QStringLiteral("PAY_DAY"), QStringLiteral("납부일"), 12, QString()},
                                    {QStringLiteral("LIS_ONDT"), QStringLiteral("개 시 일"), 20, QString()},
                                    {QStringLiteral("LIS_GRT"), QStringLiteral("보증금"), 22, amount},
                                    {QStringLiteral("LIS_NUMB"), QStringLiteral("납부 회차"), 14, QString()},
                                    {QStringLiteral("LIS_MUCH"), QStringLiteral("리스료(월)"), 22, amount},
                                    {QStringLiteral("LIS_MISR"), QStringLiteral("보험료(월)"), 22, amount},
                                    {QStringLiteral("AMT"), QStringLiteral("합   계"), 24, amount}},
                            5.5, 7.5);
    table.detail()->addSystem(QStringLiteral("qrlRowNo"), QRectF(0, 0, 10, 5.5), SysValue::RecordNumber, Qt::AlignCenter);
}
