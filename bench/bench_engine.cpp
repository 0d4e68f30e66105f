// The posting engine on a generated book: about a million confirmed lines
// over two terms on every slip-bearing account (with item values), then
// five million. Prints the rebuild of the derived tables from the lines and
// the check against them, confirmations per second through DEF_CONFDATE and
// PR_JOURNALMAIN (slips of ten lines, one transaction each, as the client's
// login), the trial balance of one month beside a plain GROUP BY of that
// month's lines, and the closing of a month of about 100,000 lines.
#include "common/Db.h"
#include "common/ProcCall.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "support/Books.h"
#include "support/ServerCpu.h"
#include "support/TestDb.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

double seconds(const std::function<void()>& work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return clock.nsecsElapsed() / 1e9;
}

double medianMs(int runs, const std::function<void()>& work)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i)
        times << seconds(work) * 1000.0;
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

void owner(const QString& sql)
{
    TestDb::ownerExec(sql);
}

// Confirmed slips of ten lines written straight into the slip tables, as
// the engine leaves them: slips numbered from `first`, day by day over
// [from, from + days) as a book grows, five debit and five credit lines on
// slip-bearing accounts, item values on the first position the account's
// rules name.
void generate(int first, int slips, const QString& from, int days)
{
    const QVariantList p{first, slips, from, days};
    TestDb::ownerExec(QStringLiteral(
        "INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, slip_conf_yn, conf_date, conf_emp_no, "
        "  total_d_amt, total_c_amt, cr_emp_no, session_id, slip_kind, u_emp_no) "
        "SELECT 'B' || lpad(n::TEXT, 7, '0'), '1111', d, d, 'Y', d, '2003', a * 5, a * 5, '2001', "
        "  (SELECT session_id FROM vi010ms WHERE d BETWEEN st_date AND ed_date), 'K', '2001' "
        "FROM (SELECT n, CAST(:P2 AS DATE) + ((n - CAST(:P0 AS INTEGER))::BIGINT * CAST(:P3 AS INTEGER) "
        "             / CAST(:P1 AS INTEGER))::INTEGER AS d, ((n::BIGINT * 7919) % 99991 + 1) * 100 AS a "
        "      FROM generate_series(CAST(:P0 AS INTEGER), CAST(:P0 AS INTEGER) + CAST(:P1 AS INTEGER) - 1) n) x"), p);
    TestDb::ownerExec(QStringLiteral(
        "INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount, conf_date, session_id) "
        "SELECT h.slip_no, k, acc.codes[1 + (substr(h.slip_no, 2)::BIGINT * 31 + k * 17) % cardinality(acc.codes)], "
        "  '생성 전표 ' || k, CASE WHEN k < 5 THEN h.total_d_amt / 5 ELSE 0 END, "
        "  CASE WHEN k >= 5 THEN h.total_d_amt / 5 ELSE 0 END, h.conf_date, h.session_id "
        "FROM vb010ms h CROSS JOIN generate_series(0, 9) k "
        "CROSS JOIN (SELECT array_agg(acct_code ORDER BY acct_code) AS codes FROM va020ms "
        "            WHERE slip_yn = 'Y' AND use_yn = 'Y') acc "
        "WHERE h.slip_no BETWEEN 'B' || lpad(CAST(:P0 AS INTEGER)::TEXT, 7, '0') "
        "                    AND 'B' || lpad((CAST(:P0 AS INTEGER) + CAST(:P1 AS INTEGER) - 1)::TEXT, 7, '0')"), {first, slips});
    TestDb::ownerExec(QStringLiteral(
        "INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, mg_detail_name, acct_code, "
        "  d_amount, c_amount, conf_date, session_id) "
        "SELECT l.slip_no, l.slip_seq_no, r.lineup_no, r.mg_code, 'V' || (substr(l.slip_no, 2)::INTEGER % 53), NULL, "
        "  l.acct_code, l.d_amount, l.c_amount, l.conf_date, l.session_id "
        "FROM vb011ms l JOIN va040ms r ON r.acct_code = l.acct_code AND r.lineup_no = 1 "
        "WHERE l.slip_no BETWEEN 'B' || lpad(CAST(:P0 AS INTEGER)::TEXT, 7, '0') "
        "                    AND 'B' || lpad((CAST(:P0 AS INTEGER) + CAST(:P1 AS INTEGER) - 1)::TEXT, 7, '0')"), {first, slips});
}

QString term(const QString& session, const QString& from, const QString& to)
{
    SharedTransaction::instance().start();
    const QString answer = CallProcText(QStringLiteral("pr_v_calender"),
                                        {session, from, to, QStringLiteral("bench"), QStringLiteral("bench"),
                                         QStringLiteral("2003")});
    SharedTransaction::instance().commit();
    return answer;
}

qint64 count(const QString& sql)
{
    return Db::scalar(sql).toLongLong();
}

void trialBalance(const char* label)
{
    const double tb = medianMs(15, [] {
        SharedTransaction::instance().start();
        CallProcText(QStringLiteral("pr_v_vdi010sp"), {QStringLiteral("10.99.0.1"), QStringLiteral("204106")});
        SharedTransaction::instance().commit();
    });
    const double raw = medianMs(5, [] {
        Db::scalar(QStringLiteral("SELECT count(*) FROM (SELECT acct_code, sum(d_amount), sum(c_amount) FROM vb011ms "
                                  "WHERE conf_date BETWEEN '2041-06-01' AND '2041-06-30' GROUP BY acct_code) x"));
    });
    std::printf("trial balance of one month, %s: %.1f ms (median of 15); plain GROUP BY over the month's %lld lines: "
                "%.1f ms; accounts in the result: %lld\n",
                label, tb, raw, count(QStringLiteral("SELECT count(*) FROM vb011ms WHERE conf_date BETWEEN "
                                                     "'2041-06-01' AND '2041-06-30'")),
                count(QStringLiteral("SELECT count(*) FROM vd010pr WHERE ip_addr = '10.99.0.1'")));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir logDir;
    TestDatabase db;
    Session::exeDir = logDir.path() + QLatin1Char('/');
    Session::empNo = QStringLiteral("2003");
    Session::workstationIp = QStringLiteral("10.99.0.1");
    std::setvbuf(stdout, nullptr, _IONBF, 0);

    term(QStringLiteral("60"), QStringLiteral("2040-01-01"), QStringLiteral("2040-12-31"));
    term(QStringLiteral("61"), QStringLiteral("2041-01-01"), QStringLiteral("2041-12-31"));

    // ~1,000,000 lines over 2040-2041, and 100,000 more in March 2041
    owner(QStringLiteral("ALTER TABLE vb010ms DISABLE TRIGGER vb010ms_guard"));
    owner(QStringLiteral("ALTER TABLE vb011ms DISABLE TRIGGER vb011ms_guard"));
    owner(QStringLiteral("ALTER TABLE vb011dt DISABLE TRIGGER vb011dt_guard"));
    Books::pauseSlipHistory(true);
    const double made = seconds([] {
        generate(1, 100000, QStringLiteral("2040-01-01"), 700);
        generate(100001, 10000, QStringLiteral("2041-03-01"), 31);
    });
    owner(QStringLiteral("ALTER TABLE vb010ms ENABLE TRIGGER vb010ms_guard"));
    owner(QStringLiteral("ALTER TABLE vb011ms ENABLE TRIGGER vb011ms_guard"));
    owner(QStringLiteral("ALTER TABLE vb011dt ENABLE TRIGGER vb011dt_guard"));
    Books::pauseSlipHistory(false);
    owner(QStringLiteral("ANALYZE vb010ms, vb011ms, vb011dt"));
    const qint64 lines = count(QStringLiteral("SELECT count(*) FROM vb011ms WHERE conf_date IS NOT NULL"));
    std::printf("book: %lld confirmed lines, %lld item values, %lld slip-bearing accounts (written in %.1f s)\n", lines,
                count(QStringLiteral("SELECT count(*) FROM vb011dt WHERE conf_date IS NOT NULL")),
                count(QStringLiteral("SELECT count(*) FROM va020ms WHERE slip_yn = 'Y' AND use_yn = 'Y'")), made);

    SharedTransaction::instance().start();
    const double rebuild = seconds([] { CallProcText(QStringLiteral("pk_v_post.rebuild_books"), {}); });
    SharedTransaction::instance().commit();
    std::printf("rebuild of every derived table from the lines: %.1f s\n", rebuild);
    qint64 differences = 0;
    const double check = seconds([&] { differences = count(QStringLiteral("SELECT count(*) FROM pk_v_post.check_books()")); });
    std::printf("check of every derived table against a rebuild: %.1f s, %lld differences\n", check, differences);

    trialBalance("1M-line book");

    // confirmations: 1,000 unconfirmed slips of ten lines in December 2041
    const int toConfirm = 1000;
    owner(QStringLiteral("ALTER TABLE vb010ms DISABLE TRIGGER vb010ms_guard"));
    owner(QStringLiteral("ALTER TABLE vb011ms DISABLE TRIGGER vb011ms_guard"));
    owner(QStringLiteral("ALTER TABLE vb011dt DISABLE TRIGGER vb011dt_guard"));
    Books::pauseSlipHistory(true);
    generate(200001, toConfirm, QStringLiteral("2041-12-01"), 20);
    owner(QStringLiteral("UPDATE vb010ms SET conf_date = NULL, slip_conf_yn = 'N', conf_emp_no = NULL WHERE slip_no BETWEEN 'B0200001' AND 'B0299999'"));
    owner(QStringLiteral("UPDATE vb011ms SET conf_date = NULL WHERE slip_no BETWEEN 'B0200001' AND 'B0299999'"));
    owner(QStringLiteral("UPDATE vb011dt SET conf_date = NULL WHERE slip_no BETWEEN 'B0200001' AND 'B0299999'"));
    owner(QStringLiteral("ALTER TABLE vb010ms ENABLE TRIGGER vb010ms_guard"));
    owner(QStringLiteral("ALTER TABLE vb011ms ENABLE TRIGGER vb011ms_guard"));
    owner(QStringLiteral("ALTER TABLE vb011dt ENABLE TRIGGER vb011dt_guard"));
    Books::pauseSlipHistory(false);
    int refused = 0;
    const double cpuBefore = serverCpuSeconds();
    const double confirm = seconds([&] {
        for (int n = 0; n < toConfirm; ++n) {
            const QString slipNo = QStringLiteral("B%1").arg(200001 + n, 7, 10, QLatin1Char('0'));
            SharedTransaction::instance().start();
            QString answer = CallProcText(QStringLiteral("pk_v_journalize.def_confdate"),
                                          {QStringLiteral("1"), slipNo, QStringLiteral("2041-12-24"), QStringLiteral("2003")});
            if (!ProcResult::isFailure(answer))
                answer = CallProcText(QStringLiteral("pk_v_journalize.pr_journalmain"),
                                      {QStringLiteral("1"), slipNo, QStringLiteral("2041-12-24"), QStringLiteral("2003")});
            if (ProcResult::isFailure(answer)) {
                ++refused;
                SharedTransaction::instance().rollback();
            } else {
                SharedTransaction::instance().commit();
            }
        }
    });
    const double cpu = serverCpuSeconds() - cpuBefore;
    std::printf("confirmation of %d slips of 10 lines: %.0f slips/s (%d refused); the server spent %.2f ms of CPU per "
                "slip, %.0f slips/s on one idle core\n",
                toConfirm, toConfirm / confirm, refused, cpu * 1000.0 / toConfirm, toConfirm / cpu);
    differences = count(QStringLiteral("SELECT count(*) FROM pk_v_post.check_books()"));
    std::printf("differences after the confirmations: %lld\n", differences);

    const double closeCpuBefore = serverCpuSeconds();
    SharedTransaction::instance().start();
    const double close = seconds([] {
        CallProcText(QStringLiteral("pk_v_close.set_month"),
                     {QStringLiteral("61"), QStringLiteral("204103"), QStringLiteral("Y"), QStringLiteral("b"),
                      QStringLiteral("2003")});
    });
    SharedTransaction::instance().commit();
    const double closeCpu = serverCpuSeconds() - closeCpuBefore;
    std::printf("closing March 2041 (%lld lines): %.2f s, of which %.2f s of server CPU\n",
                count(QStringLiteral("SELECT count(*) FROM vb011ms WHERE conf_date BETWEEN '2041-03-01' AND '2041-03-31'")),
                close, closeCpu);

    // the same month's trial balance on a book of five million lines
    term(QStringLiteral("58"), QStringLiteral("2038-01-01"), QStringLiteral("2038-12-31"));
    term(QStringLiteral("59"), QStringLiteral("2039-01-01"), QStringLiteral("2039-12-31"));
    owner(QStringLiteral("ALTER TABLE vb010ms DISABLE TRIGGER vb010ms_guard"));
    owner(QStringLiteral("ALTER TABLE vb011ms DISABLE TRIGGER vb011ms_guard"));
    owner(QStringLiteral("ALTER TABLE vb011dt DISABLE TRIGGER vb011dt_guard"));
    Books::pauseSlipHistory(true);
    for (int part = 0; part < 4; ++part)
        generate(300001 + part * 100000, 100000, QStringLiteral("2038-01-01"), 725);
    owner(QStringLiteral("ALTER TABLE vb010ms ENABLE TRIGGER vb010ms_guard"));
    owner(QStringLiteral("ALTER TABLE vb011ms ENABLE TRIGGER vb011ms_guard"));
    owner(QStringLiteral("ALTER TABLE vb011dt ENABLE TRIGGER vb011dt_guard"));
    Books::pauseSlipHistory(false);
    owner(QStringLiteral("ANALYZE vb010ms, vb011ms, vb011dt"));
    SharedTransaction::instance().start();
    const double rebuild5 = seconds([] { CallProcText(QStringLiteral("pk_v_post.rebuild_books"), {}); });
    SharedTransaction::instance().commit();
    std::printf("book: %lld confirmed lines; rebuild %.1f s\n",
                count(QStringLiteral("SELECT count(*) FROM vb011ms WHERE conf_date IS NOT NULL")), rebuild5);
    trialBalance("5M-line book");
    const double check5 = seconds([&] { differences = count(QStringLiteral("SELECT count(*) FROM pk_v_post.check_books()")); });
    std::printf("check of the 5M-line book: %.1f s, %lld differences\n", check5, differences);
    return differences == 0 ? 0 : 1;
}
