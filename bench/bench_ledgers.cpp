// The ledgers on a generated book: one account with 100,000 confirmed lines
// over one year (each with a value of the account's first item, 53 values),
// beside the counter lines of 100,000 slips. Prints, as medians, the general
// ledger from its procedure to the filled grid (VCI070), the subsidiary
// ledger of the account with and without an item filter (VCI040), and a
// plain read of the same lines into a record set as the reference. Beside
// each wall-clock figure the CPU time the server and the client spent,
// which other work on a shared machine does not inflate.
#include "common/Db.h"
#include "common/ProcCall.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "grid/RecordSet.h"
#include "screens/ledgers/VCI040.h"
#include "screens/ledgers/VCI070.h"
#include "support/Books.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include <QApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <unistd.h>

namespace {

// CPU seconds a server process has used (user and system), from /proc.
double backendCpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

qint64 g_backend = 0;

// The median wall-clock milliseconds of the runs, and the median server and
// client CPU milliseconds.
struct Timing {
    double wall = 0, server = 0, client = 0;
};

Timing medianMs(int runs, const std::function<void()>& work)
{
    QList<double> wall, server, client;
    for (int i = 0; i < runs; ++i) {
        const double serverBefore = backendCpuSeconds(g_backend);
        const std::clock_t clientBefore = std::clock();
        QElapsedTimer clock;
        clock.start();
        work();
        wall << clock.nsecsElapsed() / 1e6;
        server << (backendCpuSeconds(g_backend) - serverBefore) * 1000.0;
        client << double(std::clock() - clientBefore) * 1000.0 / CLOCKS_PER_SEC;
    }
    for (QList<double>* list : {&wall, &server, &client})
        std::sort(list->begin(), list->end());
    return {wall.at(runs / 2), server.at(runs / 2), client.at(runs / 2)};
}

void owner(const QString& sql, const QVariantList& params = {})
{
    TestDb::ownerExec(sql, params);
}

qint64 count(const QString& sql)
{
    return Db::scalar(sql).toLongLong();
}

void setDates(QWidget* screen, const QDate& from, const QDate& to)
{
    screen->findChild<QDateEdit*>(QStringLiteral("dtpESlipDate"))->setDate(to);
    screen->findChild<QDateEdit*>(QStringLiteral("dtpFSlipDate"))->setDate(from);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir logDir;
    TestDatabase db;
    ScriptedDialogs dialogs;
    Session::exeDir = logDir.path() + QLatin1Char('/');
    Session::empNo = QStringLiteral("2003");
    Session::workstationIp = QStringLiteral("10.99.0.2");
    std::setvbuf(stdout, nullptr, _IONBF, 0);

    SharedTransaction::instance().start();
    CallProcText(QStringLiteral("pr_v_calender"), {QStringLiteral("60"), QStringLiteral("2040-01-01"),
                                                   QStringLiteral("2040-12-31"), QStringLiteral("bench"),
                                                   QStringLiteral("bench"), QStringLiteral("2003")});
    SharedTransaction::instance().commit();

    // 100,000 slips over 2040: card receivables (item 105 at position 1)
    // against room revenue, receipts and collections alternating.
    const QString acct = QStringLiteral("1110420");
    for (const char* table : {"vb010ms", "vb011ms", "vb011dt"})
        owner(QStringLiteral("ALTER TABLE %1 DISABLE TRIGGER %1_guard").arg(QLatin1String(table)));
    Books::pauseSlipHistory(true);
    owner(QStringLiteral(
        "INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, slip_conf_yn, conf_date, conf_emp_no, "
        "  total_d_amt, total_c_amt, cr_emp_no, session_id, slip_kind, u_emp_no) "
        "SELECT 'L' || lpad(n::TEXT, 7, '0'), '1111', d, d, 'Y', d, '2003', a, a, '2001', 60, 'K', '2001' "
        "  FROM (SELECT n, DATE '2040-01-01' + (n * 366 / 100001) AS d, ((n * 7919) % 9973 + 1) * 100 AS a "
        "          FROM generate_series(1, 100000) n) x"));
    owner(QStringLiteral(
        "INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount, conf_date, session_id) "
        "SELECT h.slip_no, k, CASE WHEN k = 0 THEN :P0 ELSE '5110110' END, '생성 전표 ' || k, "
        "       CASE WHEN (k = 0) = (substr(h.slip_no, 2)::INTEGER % 3 <> 0) THEN h.total_d_amt ELSE 0 END, "
        "       CASE WHEN (k = 0) = (substr(h.slip_no, 2)::INTEGER % 3 <> 0) THEN 0 ELSE h.total_d_amt END, "
        "       h.conf_date, 60 "
        "  FROM vb010ms h CROSS JOIN generate_series(0, 1) k WHERE h.slip_no LIKE 'L%'"),
          {acct});
    owner(QStringLiteral(
        "INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, mg_detail_name, acct_code, "
        "  d_amount, c_amount, conf_date, session_id) "
        "SELECT l.slip_no, 0, 1, '105', 'V' || (substr(l.slip_no, 2)::INTEGER % 53), '카드사 ' || "
        "       (substr(l.slip_no, 2)::INTEGER % 53), l.acct_code, l.d_amount, l.c_amount, l.conf_date, 60 "
        "  FROM vb011ms l WHERE l.slip_no LIKE 'L%' AND l.slip_seq_no = 0"));
    for (const char* table : {"vb010ms", "vb011ms", "vb011dt"})
        owner(QStringLiteral("ALTER TABLE %1 ENABLE TRIGGER %1_guard").arg(QLatin1String(table)));
    Books::pauseSlipHistory(false);
    owner(QStringLiteral("ANALYZE vb010ms, vb011ms, vb011dt"));
    SharedTransaction::instance().start();
    CallProcText(QStringLiteral("pk_v_post.rebuild_books"), {});
    SharedTransaction::instance().commit();
    std::printf("book: %lld confirmed lines on %s in 2040, %lld of them with item value V7\n",
                count(QStringLiteral("SELECT count(*) FROM vb011ms WHERE acct_code = '1110420' AND conf_date "
                                     "BETWEEN '2040-01-01' AND '2040-12-31'")),
                qPrintable(acct),
                count(QStringLiteral("SELECT count(*) FROM vb011dt WHERE acct_code = '1110420' AND mg_code = '105' "
                                     "AND mg_detail = 'V7' AND conf_date BETWEEN '2040-01-01' AND '2040-12-31'")));

    g_backend = count(QStringLiteral("SELECT pg_backend_pid()"));
    const QDate from(2040, 1, 1), to(2040, 12, 31);
    TfrmVCI070 general;
    general.findChild<QLineEdit*>(QStringLiteral("edtFAcctCd"))->setText(acct);
    general.findChild<QLineEdit*>(QStringLiteral("edtEAcctCd"))->setText(acct);
    setDates(&general, from, to);
    int generalRows = 0;
    const Timing generalMs = medianMs(7, [&] {
        general.bbtSearchClick();
        generalRows = general.lines()->recordCount();
    });
    std::printf("general ledger (VCI070) of the account over the year, procedure to filled grid: %.0f ms (median of 7; "
                "server CPU %.0f ms, client CPU %.0f ms), %d rows\n",
                generalMs.wall, generalMs.server, generalMs.client, generalRows);

    TfrmVCI040 subsidiary;
    subsidiary.show();
    auto* code = subsidiary.findChild<QLineEdit*>(QStringLiteral("edtFAcctCd"));
    code->setText(acct);
    QMetaObject::invokeMethod(code, "editingFinished");
    setDates(&subsidiary, from, to);
    auto* search = subsidiary.findChild<QPushButton*>(QStringLiteral("bbtSearch"));
    auto* cancel = subsidiary.findChild<QPushButton*>(QStringLiteral("bbtCancel"));
    const auto subsidiaryMs = [&](const QString& value, int* rows) -> Timing {
        subsidiary.findChild<QLineEdit*>(QStringLiteral("edtMg1"))->setText(value);
        return medianMs(7, [&] {
            if (cancel->isEnabled())
                cancel->click();
            search->click();
            *rows = subsidiary.result()->recordCount();
        });
    };
    int filteredRows = 0, wholeRows = 0;
    const Timing filteredMs = subsidiaryMs(QStringLiteral("V7"), &filteredRows);
    std::printf("subsidiary ledger (VCI040) with the item filter V7: %.0f ms (median of 7; server CPU %.0f ms, client "
                "CPU %.0f ms), %d rows\n", filteredMs.wall, filteredMs.server, filteredMs.client, filteredRows);
    const Timing wholeMs = subsidiaryMs(QString(), &wholeRows);
    std::printf("subsidiary ledger (VCI040) of the whole account: %.0f ms (median of 7; server CPU %.0f ms, client CPU "
                "%.0f ms), %d rows\n", wholeMs.wall, wholeMs.server, wholeMs.client, wholeRows);

    RecordSet plain;
    const Timing plainMs = medianMs(7, [&] {
        plain.open(QStringLiteral("SELECT conf_date, slip_no, slip_seq_no, ref_data, d_amount, c_amount FROM vb011ms "
                                  "WHERE acct_code = :P0 AND conf_date BETWEEN '2040-01-01' AND '2040-12-31' "
                                  "ORDER BY conf_date, slip_no, slip_seq_no"),
                   {acct});
    });
    std::printf("plain read of the same %d lines into a record set: %.0f ms (median of 7; server CPU %.0f ms, client "
                "CPU %.0f ms)\n", plain.recordCount(), plainMs.wall, plainMs.server, plainMs.client);
    const Timing kernelMs = medianMs(7, [&] {
        Db::scalar(QStringLiteral("SELECT count(*) FROM pk_v_ledger.ledger_rows(:P0, DATE '2040-01-01', DATE '2040-12-31')"),
                   {acct});
    });
    std::printf("the ledger kernel's rows alone (counted on the server): %.0f ms (median of 7; server CPU %.0f ms)\n",
                kernelMs.wall, kernelMs.server);
    return 0;
}
