#include "screens/ledgers/SubsidiaryLedger.h"

// Accounts of a range take part when they have lines in the period or a
// balance to bring forward; a zero brought-forward row is left out.
QString SubsidiaryLedger::sql() const
{
    const QString schema = pastData ? QStringLiteral("BKUSER.") : QString();
    const QString rows = pastData ? QStringLiteral("pk_v_ledger.past_ledger_rows") : QStringLiteral("pk_v_ledger.ledger_rows");
    const QString balance = pastData ? QStringLiteral("pk_v_ledger.past_balance_before")
                                     : QStringLiteral("pk_v_ledger.balance_before");
    const QString kinds = monthRows ? QStringLiteral("'B', 'L', 'M', 'T'") : QStringLiteral("'B', 'L', 'T'");
    QString sql = QStringLiteral(
        "SELECT R.ROW_KIND,\n"
        "       CASE R.ROW_KIND WHEN 'B' THEN '00.00.00' WHEN 'T' THEN '99.99.99'\n"
        "                       WHEN 'M' THEN TO_CHAR(R.ACCT_DATE, 'YY.MM') || '.99'\n"
        "                       ELSE TO_CHAR(R.ACCT_DATE, 'YY.MM.DD') END ACCT_DT,\n"
        "       A.ACCT_CODE,\n"
        "       CASE R.ROW_KIND WHEN 'B' THEN BTRIM(A.ACCT_PNAME) WHEN 'L' THEN A.ACCT_NAME\n"
        "                       ELSE %1 END ACCT_NAME,\n"
        "       A.ACCT_NAME ACCT_TITLE, A.ACCT_SNAME, R.SLIP_NO,\n"
        "       CASE WHEN R.ROW_KIND = 'L' THEN R.SLIP_SEQ_NO + 1 END SLIP_SEQ_NO,\n"
        "       CASE R.ROW_KIND WHEN 'B' THEN '[전     월     잔     액]'\n"
        "                       WHEN 'M' THEN '[월        합        계]'\n"
        "                       WHEN 'T' THEN '%2' ELSE R.REF_DATA END REF_DAT,\n"
        "       M.MG1, M.MG2, M.MG3, M.MG4, M.MG5, M.MG6, M.MG7, M.MGDATA,\n"
        "       R.D_AMOUNT, R.C_AMOUNT, CASE WHEN R.ROW_KIND = 'B' THEN R.BALANCE ELSE 0 END B_AMOUNT,\n"
        "       R.BALANCE, A.DC_DIV, H.SLIP_DATE, H.DEPT_CODE, D.AFF_DEPT_NAME DEPT_NAME%3\n"
        "  FROM VA020MS A\n"
        " CROSS JOIN LATERAL %4(A.ACCT_CODE, CAST(:P0 AS DATE), CAST(:P1 AS DATE), :P4, :P5)\n"
        "       WITH ORDINALITY R(ROW_KIND, ACCT_DATE, SLIP_NO, SLIP_SEQ_NO, REF_DATA, D_AMOUNT, C_AMOUNT, BALANCE, ORD)\n"
        "  LEFT JOIN LATERAL (\n"
        "       SELECT MAX(S.V) FILTER (WHERE S.LINEUP_NO = 1) MG1, MAX(S.V) FILTER (WHERE S.LINEUP_NO = 2) MG2,\n"
        "              MAX(S.V) FILTER (WHERE S.LINEUP_NO = 3) MG3, MAX(S.V) FILTER (WHERE S.LINEUP_NO = 4) MG4,\n"
        "              MAX(S.V) FILTER (WHERE S.LINEUP_NO = 5) MG5, MAX(S.V) FILTER (WHERE S.LINEUP_NO = 6) MG6,\n"
        "              MAX(S.V) FILTER (WHERE S.LINEUP_NO = 7) MG7,\n"
        "              STRING_AGG('[' || BTRIM(COALESCE(S.V, '')) || ']', ' ' ORDER BY S.LINEUP_NO) MGDATA\n"
        "         FROM (SELECT I.LINEUP_NO, pk_v_ledgers.item_shown(I.MG_CODE, I.MG_DETAIL, I.MG_DETAIL_NAME) V\n"
        "                 FROM %5VB011DT I WHERE I.SLIP_NO = R.SLIP_NO AND I.SLIP_SEQ_NO = R.SLIP_SEQ_NO) S) M\n"
        "    ON R.ROW_KIND = 'L'\n"
        "  LEFT JOIN %5VB010MS H ON H.SLIP_NO = R.SLIP_NO\n"
        "  LEFT JOIN QA160MS D ON D.AFF_DEPT_CODE = H.DEPT_CODE\n"
        "%6"
        " WHERE %7\n"
        "   AND (EXISTS (SELECT 1 FROM %5VB011MS L WHERE L.ACCT_CODE = A.ACCT_CODE\n"
        "                   AND L.CONF_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE))\n"
        "        OR COALESCE(%8(A.ACCT_CODE, CAST(:P0 AS DATE), :P4, :P5), 0) <> 0)\n"
        "   AND R.ROW_KIND IN (%9)\n"
        "   AND (R.ROW_KIND <> 'B' OR R.BALANCE <> 0)\n"
        " ORDER BY A.ACCT_CODE, R.ORD")
                      .arg(namedTotals ? QStringLiteral("A.ACCT_NAME") : QStringLiteral("NULL"),
                           // the two families of screens word their total apart
                           monthRows ? QStringLiteral("[합                  계]") : QStringLiteral("[합                   계]"),
                           withVat ? QStringLiteral(",\n       CASE WHEN R.ROW_KIND = 'L' THEN COALESCE(Z.VAT_AMT, 0) ELSE 0 END VAT_AMT")
                                   : QString(),
                           rows, schema,
                           withVat ? QStringLiteral("  LEFT JOIN VZ100MS Z ON Z.SLIP_NO = R.SLIP_NO AND Z.SLIP_SEQ = R.SLIP_SEQ_NO\n")
                                   : QString(),
                           QStringLiteral("A.ACCT_CODE BETWEEN :P2 AND :P3"), balance, kinds);
    return sql;
}

QVariantList SubsidiaryLedger::params() const
{
    return {from.toString(Qt::ISODate), to.toString(Qt::ISODate), fromAcct.trimmed(),
            range ? toAcct.trimmed() : fromAcct.trimmed(), itemCode.trimmed(), itemValue.trimmed()};
}
