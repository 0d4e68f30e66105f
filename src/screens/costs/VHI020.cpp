#include "screens/costs/VHI020.h"
#include "common/Query.h"
#include "framework/FormKit.h"
#include <QDateEdit>
#include <QSqlQuery>

namespace {

TfrmCostStatement::Kind sellingAndAdministrative()
{
    return {QStringLiteral("판매비와 일반관리비 명세서"), QStringLiteral("판  관  부  서  합   계"),
            QStringLiteral("계 정 과 목 명"), false, false, false};
}

// Each confirmed line of the period once, under the first department item
// it carries. The amount is debits less credits, the normal direction of
// expense accounts.
const QString kLines = QStringLiteral(
    "WITH ITEM AS (\n"
    "  SELECT DISTINCT ON (T1.SLIP_NO, T1.SLIP_SEQ_NO) T1.ACCT_CODE, T1.MG_DETAIL, T1.D_AMOUNT, T1.C_AMOUNT\n"
    "    FROM VB011DT T1\n"
    "   WHERE T1.CONF_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
    "     AND T1.MG_CODE IN ('118', '141')\n"
    "   ORDER BY T1.SLIP_NO, T1.SLIP_SEQ_NO, T1.LINEUP_NO)\n");

}  // namespace

TfrmVHI020::TfrmVHI020(QWidget* parent)
    : TfrmCostStatement(QStringLiteral("VHI020"), sellingAndAdministrative(), parent), m_accountingDepartments(false)
{
    build();
}

TfrmVHI020::TfrmVHI020(const QString& programId, QWidget* parent)
    : TfrmCostStatement(programId, sellingAndAdministrative(), parent), m_accountingDepartments(true)
{
    build();
}

void TfrmVHI020::build()
{
    Form::Row{Form::Field(QStringLiteral("조회일자"), dtpFSlipDate), Form::Label(QStringLiteral("~")), dtpESlipDate,
              Form::Stretch()}
        .attachTo(panSearch);
}

bool TfrmVHI020::sourceRows(const QDate& from, const QDate& to, QList<SourceRow>* rows)
{
    QString sql;
    if (m_accountingDepartments) {
        sql = kLines + QStringLiteral(
            "SELECT T1.ACCT_CODE, TRIM(T2.ACCT_PNAME) ACCT_PNAME, T1.MG_DETAIL, T3.AFF_DEPT_NAME DEPT_NAME,\n"
            "       SUM(T1.D_AMOUNT - T1.C_AMOUNT) AMOUNT, 0 MASTER\n"
            "  FROM ITEM T1\n"
            "  LEFT JOIN VA020MS T2 ON T2.ACCT_CODE = T1.ACCT_CODE\n"
            "  JOIN VA160MS T3 ON T3.AFF_DEPT_CODE = T1.MG_DETAIL AND T3.DEPT_AFF_YN = 'P'\n"
            " WHERE T1.ACCT_CODE LIKE '75%' OR T1.ACCT_CODE LIKE '9%'\n"
            " GROUP BY T1.ACCT_CODE, T2.ACCT_PNAME, T1.MG_DETAIL, T3.AFF_DEPT_NAME\n"
            "UNION ALL\n"
            "SELECT ACCT_CODE, TRIM(ACCT_PNAME), '9999', '마스터', 0, 1\n"
            "  FROM VA020MS\n"
            " WHERE SLIP_YN = 'Y' AND ACCT_CODE LIKE '75%' AND USE_YN = 'Y'\n"
            " ORDER BY 6, 3, 1");
    } else {
        // A department code the personnel list holds more than once counts once.
        sql = kLines + QStringLiteral(
            "SELECT T1.ACCT_CODE, TRIM(T2.ACCT_PNAME) ACCT_PNAME, T1.MG_DETAIL, T3.DEPT_NAME,\n"
            "       SUM(T1.D_AMOUNT - T1.C_AMOUNT) AMOUNT, 0 MASTER\n"
            "  FROM ITEM T1\n"
            "  LEFT JOIN VA020MS T2 ON T2.ACCT_CODE = T1.ACCT_CODE\n"
            "  JOIN (SELECT DISTINCT ON (DEPT_CODE) DEPT_CODE, DEPT_NAME FROM QA160MS\n"
            "         WHERE DEPT_AFF_YN = 'P' ORDER BY DEPT_CODE, USE_YN DESC, AFF_DEPT_CODE) T3\n"
            "    ON T3.DEPT_CODE = T1.MG_DETAIL\n"
            " GROUP BY T1.ACCT_CODE, T2.ACCT_PNAME, T1.MG_DETAIL, T3.DEPT_NAME\n"
            " ORDER BY 3, 1");
    }
    QSqlQuery query = RunQuery(sql, {from.toString(Qt::ISODate), to.toString(Qt::ISODate)});
    while (query.next()) {
        rows->append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                      query.value(3).toString(), query.value(4).toDouble(), QStringLiteral("1")});
    }
    return true;
}
