#include "screens/slips/SlipLines.h"
#include "grid/DataGrid.h"
#include <QStringList>

namespace SlipLines {

QString statement(const QString& itemWhere, const QString& where, const QString& orderBy)
{
    QStringList pivot;
    for (int p = 1; p <= 7; ++p)
        pivot << QStringLiteral("MAX(CASE WHEN LINEUP_NO = %1 THEN MG_DETAIL || CASE WHEN MG_DETAIL_NAME IS NULL "
                                "THEN '' ELSE ':' || MG_DETAIL_NAME END END) MG%1")
                     .arg(p);
    return QStringLiteral(
               "SELECT Z.SLIP_NO, Z.SLIP_DATE, Z.ACC_DATE, Z.CONF_DATE, Z.DEPT_CODE, Z.SLIP_CONF_YN, Z.CR_EMP_NO,\n"
               "       A.SLIP_SEQ_NO, A.ACCT_CODE, C.ACCT_SNAME, A.REF_DATA, A.D_AMOUNT, A.C_AMOUNT, A.VAT_AMOUNT,\n"
               "       B.MG1, B.MG2, B.MG3, B.MG4, B.MG5, B.MG6, B.MG7,\n"
               "       UP_V1.ACCT_CODE V1_ACCT_CODE, UP_V1.ACCT_SNAME V1_ACCT_SNAME,\n"
               "       UP_V2.ACCT_CODE V2_ACCT_CODE, UP_V2.ACCT_SNAME V2_ACCT_SNAME,\n"
               "       (SELECT BU_ACCT_NAME FROM VX010MS WHERE BU_ACCT_CODE = SUBSTR(B.MG6, 1, 6)) BU_ACCT_NAME\n"
               "  FROM VB010MS Z\n"
               "  JOIN VB011MS A ON A.SLIP_NO = Z.SLIP_NO\n"
               "  LEFT JOIN (SELECT SLIP_NO, SLIP_SEQ_NO,\n"
               "                    %1\n"
               "               FROM VB011DT\n"
               "              WHERE %2\n"
               "              GROUP BY SLIP_NO, SLIP_SEQ_NO) B ON B.SLIP_NO = A.SLIP_NO AND B.SLIP_SEQ_NO = A.SLIP_SEQ_NO\n"
               "  LEFT JOIN VA020MS C ON C.ACCT_CODE = A.ACCT_CODE\n"
               "  LEFT JOIN VA020MS UP_V2 ON UP_V2.ACCT_CODE = C.P_ACCT_CODE\n"
               "  LEFT JOIN VA020MS UP_V1 ON UP_V1.ACCT_CODE = UP_V2.P_ACCT_CODE\n"
               " WHERE %3\n"
               " ORDER BY %4")
        .arg(pivot.join(QStringLiteral(",\n                    ")), itemWhere, where, orderBy);
}

QList<GridColumn> columns()
{
    QList<GridColumn> list{
        GridColumn(QStringLiteral("V1_ACCT_CODE"), QStringLiteral("과목코드"), 64),
        GridColumn(QStringLiteral("V1_ACCT_SNAME"), QStringLiteral("과 목 명"), 96),
        GridColumn(QStringLiteral("V2_ACCT_CODE"), QStringLiteral("항목코드"), 64),
        GridColumn(QStringLiteral("V2_ACCT_SNAME"), QStringLiteral("항 목 명"), 96),
        GridColumn(QStringLiteral("ACCT_CODE"), QStringLiteral("비목코드"), 64),
        GridColumn(QStringLiteral("ACCT_SNAME"), QStringLiteral("비 목 명"), 110),
    };
    for (int i = 1; i <= 7; ++i)
        list << GridColumn(QStringLiteral("MG%1").arg(i), QStringLiteral("관리항목 %1").arg(i), 120);
    list << GridColumn(QStringLiteral("REF_DATA"), QStringLiteral("적          요"), 220)
         << GridColumn(QStringLiteral("D_AMOUNT"), QStringLiteral("차변금액"), 100)
         << GridColumn(QStringLiteral("C_AMOUNT"), QStringLiteral("대변금액"), 100);
    return list;
}

void setColumnGroups(DataGrid* grid)
{
    grid->setColumnGroup(QStringLiteral("계정과목"),
                         {QStringLiteral("V1_ACCT_CODE"), QStringLiteral("V1_ACCT_SNAME"), QStringLiteral("V2_ACCT_CODE"),
                          QStringLiteral("V2_ACCT_SNAME"), QStringLiteral("ACCT_CODE"), QStringLiteral("ACCT_SNAME")});
    QStringList items;
    for (int i = 1; i <= 7; ++i)
        items << QStringLiteral("MG%1").arg(i);
    grid->setColumnGroup(QStringLiteral("관리항목"), items);
    grid->setColumnGroup(QStringLiteral("금액"), {QStringLiteral("D_AMOUNT"), QStringLiteral("C_AMOUNT")});
}

}  // namespace SlipLines
