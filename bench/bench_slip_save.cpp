// Slip saves per second through the same staging and procedure path the
// entry screen uses: 10 lines with 3 management items each, one transaction
// per slip, on one connection (the client has one); with the history of
// changes recorded and without it.
#include "common/Db.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "screens/slips/SlipStore.h"
#include "support/Books.h"
#include "support/ServerCpu.h"
#include "support/TestDb.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

// An account whose rules list items, with the items of its first positions
// and the value of an existing code for each.
struct ItemAccount {
    QString acct;
    QString codes[3];
};

ItemAccount accountWithItems()
{
    ItemAccount a;
    QSqlQuery q = RunQuery(QStringLiteral(
        "SELECT R.ACCT_CODE, R.LINEUP_NO, R.MG_CODE FROM VA040MS R JOIN VA020MS A ON A.ACCT_CODE = R.ACCT_CODE\n"
        "WHERE A.USE_YN = 'Y' AND A.SLIP_YN = 'Y' AND R.LINEUP_NO <= 3\n"
        "  AND (SELECT count(*) FROM VA040MS X WHERE X.ACCT_CODE = R.ACCT_CODE AND X.LINEUP_NO <= 3) = 3\n"
        "ORDER BY R.ACCT_CODE, R.LINEUP_NO"));
    while (q.next()) {
        if (a.acct.isEmpty())
            a.acct = q.value(0).toString();
        if (q.value(0).toString() != a.acct)
            break;
        a.codes[q.value(1).toInt() - 1] = q.value(2).toString();
    }
    return a;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir logDir;
    TestDatabase db;
    Session::exeDir = logDir.path() + QLatin1Char('/');

    const QString plain = Db::scalar(QStringLiteral(
        "SELECT A.ACCT_CODE FROM VA020MS A WHERE A.USE_YN = 'Y' AND A.SLIP_YN = 'Y'\n"
        " AND NOT EXISTS (SELECT 1 FROM VA040MS R WHERE R.ACCT_CODE = A.ACCT_CODE AND (R.D_MUST = 'Y' OR R.C_MUST = 'Y'))\n"
        "ORDER BY 1 LIMIT 1")).toString();
    const QString dept = Db::scalar(QStringLiteral("SELECT AFF_DEPT_CODE FROM QA160MS ORDER BY 1 LIMIT 1")).toString();

    QList<SlipLine> lines;
    for (int n = 0; n < 10; ++n) {
        SlipLine l;
        l.acctCode = plain;
        l.remark = QStringLiteral("벤치마크 %1행").arg(n);
        (n % 2 ? l.credit : l.debit) = 10000 + (n / 2) * 100;
        for (int p = 0; p < 3; ++p) {
            l.itemCodes[p] = QStringLiteral("99%1").arg(p + 7);
            l.itemValues[p] = QStringLiteral("V%1:값 %2").arg(p).arg(n);
        }
        lines << l;
    }
    // Items of positions without rules are refused by the procedure; keep the
    // three items only where the account's rules place them.
    const ItemAccount itemAcct = accountWithItems();
    if (!itemAcct.acct.isEmpty()) {
        for (SlipLine& l : lines) {
            l.acctCode = itemAcct.acct;
            for (int p = 0; p < 3; ++p) {
                l.itemCodes[p] = itemAcct.codes[p];
                if (l.itemCodes[p].isEmpty())
                    l.itemValues[p].clear();
            }
        }
    } else {
        for (SlipLine& l : lines)
            for (int p = 0; p < 3; ++p)
                l.itemCodes[p].clear();
    }

    // The same saves with the history of changes recorded and without it,
    // both on elapsed time and on the server's own CPU time.
    constexpr int kSlips = 600;
    struct Round {
        int saved = 0;
        double seconds = 0;
        double cpu = 0;
    };
    QString lastError;
    const auto saveRound = [&](int first) {
        Round round;
        const double cpuBefore = serverCpuSeconds();
        QElapsedTimer timer;
        timer.start();
        for (int i = first; i < first + kSlips; ++i) {
            SlipHeader h{QStringLiteral("NI%1").arg(i, 10, 10, QLatin1Char('0')), dept, QStringLiteral("2026-12-10"),
                         QStringLiteral("K"), QStringLiteral("27")};
            SharedTransaction::instance().start();
            const QString answer = SlipStore::save(h, lines);
            if (ProcResult::isSlipSuccess(answer)) {
                SharedTransaction::instance().commit();
                ++round.saved;
            } else {
                SharedTransaction::instance().rollback();
                lastError = answer;
            }
        }
        round.seconds = timer.elapsed() / 1000.0;
        round.cpu = serverCpuSeconds() - cpuBefore;
        return round;
    };
    const Round with = saveRound(0);
    Books::pauseSlipHistory(true);
    const Round without = saveRound(kSlips);
    Books::pauseSlipHistory(false);
    for (const auto& [label, r] : {std::pair{"with the history", with}, std::pair{"without the history", without}})
        std::printf("slip save %s: %d of %d slips (10 lines, %s items each) in %.2f s = %.0f slips/s (target 200); "
                    "server CPU %.2f ms per slip\n",
                    label, r.saved, kSlips, itemAcct.acct.isEmpty() ? "no" : "3", r.seconds, r.saved / r.seconds,
                    r.cpu * 1000.0 / std::max(1, r.saved));
    std::printf("cost of the history: %.0f%% of elapsed time, %.0f%% of server CPU\n",
                (with.seconds / without.seconds - 1.0) * 100.0, (with.cpu / std::max(without.cpu, 1e-9) - 1.0) * 100.0);
    if (!lastError.isEmpty())
        std::printf("last refusal: %s\n", qPrintable(lastError));
    const int saved = with.saved + without.saved;
    return saved == 2 * kSlips ? 0 : 1;
}
