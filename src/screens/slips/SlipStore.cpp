#include "screens/slips/SlipStore.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"

namespace SlipStore {

QString systemIdForSave(const QString& slipNo)
{
    return slipNo.startsWith(QLatin1Char('N')) || slipNo.startsWith(QLatin1String("K04")) ? QStringLiteral("V")
                                                                                            : QStringLiteral("B");
}

std::pair<QString, QString> splitItemValue(const QString& value)
{
    const QString trimmed = value.trimmed();
    if (!trimmed.contains(QLatin1Char(':')))
        return {trimmed, QString()};
    const QStringList pieces = trimmed.split(QLatin1Char(':'));
    return {pieces.value(0).trimmed(), pieces.value(1).trimmed()};
}

namespace {

QString applyCall(const QString& sysId, const QString& flag, const SlipHeader& h)
{
    return CallProcText(QStringLiteral("pk_v_slip_01.slip_apply"),
                        {sysId, QStringLiteral("1"), flag, h.slipNo, h.deptCode, h.accDate, Session::workstationIp,
                         Session::empNo, h.slipKind});
}

// Rows of one table go in one statement each: a slip of ten lines with three
// items each is two round trips instead of forty.
void insertRows(const QString& head, int columns, const QList<QVariantList>& rows)
{
    if (rows.isEmpty())
        return;
    QStringList tuples;
    QVariantList params;
    for (const QVariantList& row : rows) {
        QStringList marks;
        for (int c = 0; c < columns; ++c)
            marks << QStringLiteral(":P%1").arg(params.size() + c);
        tuples << QLatin1Char('(') + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
        params += row;
    }
    ExecSql(head + QStringLiteral("\nVALUES ") + tuples.join(QStringLiteral(",\n       ")), params);
}

}  // namespace

QString save(const SlipHeader& h, const QList<SlipLine>& lines)
{
    // Leftovers of an earlier attempt go first, items before lines before the
    // header, in one round trip.
    ExecSql(QStringLiteral("WITH ITEMS AS (DELETE FROM VB011DT_GT WHERE SLIP_NO = :P0),\n"
                           "     LINES AS (DELETE FROM VB011MS_GT WHERE SLIP_NO = :P0)\n"
                           "DELETE FROM VB010MS_GT WHERE SLIP_NO = :P0"),
            {h.slipNo});

    QList<QVariantList> lineRows, itemRows;
    for (int n = 0; n < lines.size(); ++n) {
        const SlipLine& line = lines[n];
        const QString acct = line.acctCode.trimmed();
        lineRows << QVariantList{h.slipNo, n, acct, line.remark.trimmed(), line.debit, line.credit,
                                 QVariant(QMetaType::fromType<QString>()), h.sessionId};
        for (int p = 0; p < 7; ++p) {
            if (line.itemCodes[p].isEmpty() || line.itemValues[p].isEmpty())
                continue;
            const auto [detail, name] = splitItemValue(line.itemValues[p]);
            itemRows << QVariantList{h.slipNo, line.itemCodes[p], detail, name, acct, n,
                                     QVariant(QMetaType::fromType<QString>()), line.debit, line.credit, p + 1,
                                     h.sessionId};
        }
    }
    insertRows(QStringLiteral("INSERT INTO VB011MS_GT (SLIP_NO, SLIP_SEQ_NO, ACCT_CODE, REF_DATA, D_AMOUNT, C_AMOUNT, "
                              "CONF_DATE, SESSION_ID)"),
               8, lineRows);
    insertRows(QStringLiteral("INSERT INTO VB011DT_GT (SLIP_NO, MG_CODE, MG_DETAIL, MG_DETAIL_NAME, ACCT_CODE, "
                              "SLIP_SEQ_NO, CONF_DATE, D_AMOUNT, C_AMOUNT, LINEUP_NO, SESSION_ID)"),
               11, itemRows);

    const QString flag = h.slipNo.startsWith(QLatin1Char('N')) ? QStringLiteral("1") : QStringLiteral("2");
    return applyCall(systemIdForSave(h.slipNo), flag, h);
}

QString remove(const SlipHeader& h)
{
    return applyCall(QStringLiteral("V"), QStringLiteral("3"), h);
}

}  // namespace SlipStore
