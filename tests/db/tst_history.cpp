// The history of changes the database keeps: direct statements of the
// client's login, slip entry, confirmation and its cancellation, closing and
// reopening each leave exactly the rows expected with the right images, and
// nobody removes them. A backup restored into another database equals the
// original table by table and gives the same trial balance.
#include "common/Db.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "screens/slips/SlipStore.h"
#include "support/Books.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlError>
#include <QTemporaryDir>

namespace {

using Books::journalize;
using Books::committed;

const QString kFinance = QStringLiteral("2003");

struct HistoryRow {
    QString table, operation, key, emp, ip, program;
    QJsonObject before, after;
};

QJsonObject objectOf(const QVariant& json)
{
    return QJsonDocument::fromJson(json.toString().toUtf8()).object();
}

qint64 lastHistoryId()
{
    return Db::scalar(QStringLiteral("SELECT coalesce(max(history_id), 0) FROM audit.history")).toLongLong();
}

// The rows written after `since`, in order.
QList<HistoryRow> historySince(qint64 since)
{
    QList<HistoryRow> rows;
    QSqlQuery q = Db::run(QStringLiteral("SELECT table_name, operation, row_key, emp_no, ws_ip, program_id, "
                                         "before_row::TEXT, after_row::TEXT FROM audit.history "
                                         "WHERE history_id > :P0 ORDER BY history_id"),
                          {since});
    while (q.next())
        rows << HistoryRow{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                           q.value(4).toString(), q.value(5).toString(),   objectOf(q.value(6)),  objectOf(q.value(7))};
    return rows;
}

// "table operation" of each row, for comparing a whole sequence at once.
QStringList summary(const QList<HistoryRow>& rows)
{
    QStringList out;
    for (const HistoryRow& r : rows)
        out << r.table + QLatin1Char(' ') + r.operation + QLatin1Char(' ') + r.key;
    return out;
}

QString saveSlip(const QString& slipNo, qint64 amount)
{
    SlipHeader h{slipNo, QStringLiteral("1111"), QStringLiteral("2026-12-08"), QStringLiteral("K"), QStringLiteral("27")};
    SlipLine debit{QStringLiteral("8110110"), QStringLiteral("법인세 중간예납"), amount, 0, {}, {}};
    SlipLine credit{QStringLiteral("1110110"), QStringLiteral("법인세 중간예납"), 0, amount, {}, {}};
    SharedTransaction::instance().start();
    const QString answer = SlipStore::save(h, {debit, credit});
    if (answer.startsWith(QLatin1Char('R')))
        SharedTransaction::instance().commit();
    else
        SharedTransaction::instance().rollback();
    return answer;
}

int runScript(const QString& script, const QStringList& args, QString* output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("bash"), QStringList{QStringLiteral(TV_SOURCE_DIR "/scripts/") + script} + args);
    process.waitForFinished(300000);
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// Row count and a checksum of every table's rows, table by table.
QMap<QString, QString> tableChecksums(QSqlDatabase db)
{
    QMap<QString, QString> sums;
    QSqlQuery tables(db);
    if (!tables.exec(QStringLiteral("SELECT format('%I.%I', schemaname, tablename) FROM pg_tables "
                                    "WHERE schemaname IN ('public', 'bkuser', 'audit') ORDER BY 1")))
        qFatal("%s", qPrintable(tables.lastError().text()));
    while (tables.next()) {
        const QString table = tables.value(0).toString();
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT count(*) || ' ' || coalesce(md5(string_agg(t::TEXT, '|' ORDER BY t::TEXT)), '') "
                                   "FROM %1 t").arg(table)) || !q.next())
            qFatal("%s", qPrintable(q.lastError().text()));
        sums.insert(table, q.value(0).toString());
    }
    return sums;
}

QStringList trialBalance(QSqlDatabase db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT pr_v_vdi010sp('10.77.0.1', '202611')")))
        qFatal("%s", qPrintable(q.lastError().text()));
    QStringList rows;
    if (!q.exec(QStringLiteral("SELECT concat_ws(' ', acct_code, bf_damount, bf_camount, d_amount, c_amount, bal_damount, bal_camount) FROM vd010pr "
                               "WHERE ip_addr = '10.77.0.1' ORDER BY 1")))
        qFatal("%s", qPrintable(q.lastError().text()));
    while (q.next())
        rows << q.value(0).toString();
    return rows;
}

}  // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(); }
    void cleanupTestCase() { m_db.reset(); }
    void directChangeRecorded_data();
    void directChangeRecorded();
    void slipWrittenThroughTheEngineIsRefusedToTheClient();
    void slipLifecycle();
    void closingAndReopening();
    void historyCannotBeChanged_data();
    void historyCannotBeChanged();
    void backupRestoresEqual();

private:
    std::unique_ptr<TestDatabase> m_db;
};

void TestHistory::directChangeRecorded_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("column");  // a column whose image is checked
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("customer") << "UPDATE va050ms SET boss_name = '정대표' WHERE c_code = '0100000009'"
                              << "va050ms" << "UPDATE" << "0100000009" << "boss_name" << "*" << "정대표";
    QTest::newRow("account") << "UPDATE va020ms SET acct_name = '법인세등' WHERE acct_code = '8110110'"
                             << "va020ms" << "UPDATE" << "8110110" << "acct_name" << "법인세비용" << "법인세등";
    QTest::newRow("management item") << "UPDATE va030ms SET mg_name = '거래처명' WHERE mg_code = '101'"
                                     << "va030ms" << "UPDATE" << "101" << "mg_name" << "거래처" << "거래처명";
    QTest::newRow("department") << "UPDATE qa160ms SET aff_dept_name = '본사 경영지원' WHERE aff_dept_code = '1000'"
                                << "qa160ms" << "UPDATE" << "1000" << "aff_dept_name" << "본사" << "본사 경영지원";
    QTest::newRow("authority added")
        << "INSERT INTO va010ms (emp_no, st_date, ed_date, charge_yn) VALUES ('2004', '2027-01-01', '2027-12-31', 'N')"
        << "va010ms" << "INSERT" << "2004/2027-01-01" << "charge_yn" << "" << "N";
    QTest::newRow("authority removed") << "DELETE FROM va010ms WHERE emp_no = '2004' AND st_date = '2027-01-01'"
                                       << "va010ms" << "DELETE" << "2004/2027-01-01" << "charge_yn" << "N" << "";
}

// A statement of the client's own login, outside every screen, is recorded
// with who, where and in which program, and the row before and after.
void TestHistory::directChangeRecorded()
{
    QFETCH(QString, statement);
    QFETCH(QString, table);
    QFETCH(QString, operation);
    QFETCH(QString, key);
    QFETCH(QString, column);
    QFETCH(QString, before);
    QFETCH(QString, after);
    Db::announceProgram(QStringLiteral("VAI050"));
    const qint64 since = lastHistoryId();
    Db::run(statement);
    const QList<HistoryRow> rows = historySince(since);
    QCOMPARE(summary(rows), QStringList{table + QLatin1Char(' ') + operation + QLatin1Char(' ') + key});
    const HistoryRow& r = rows.first();
    QCOMPARE(r.emp, Session::empNo);
    QCOMPARE(r.ip, Session::workstationIp);
    QCOMPARE(r.program, QStringLiteral("VAI050"));
    QCOMPARE(r.before.isEmpty(), operation == QLatin1String("INSERT"));
    QCOMPARE(r.after.isEmpty(), operation == QLatin1String("DELETE"));
    if (before != QLatin1String("*"))
        QCOMPARE(r.before.value(column).toString(), before);
    QCOMPARE(r.after.value(column).toString(), after);
    if (operation == QLatin1String("UPDATE"))
        QVERIFY(r.before.value(column) != r.after.value(column));
}

// The client's login cannot write slip lines itself: the statement is
// refused and leaves no history.
void TestHistory::slipWrittenThroughTheEngineIsRefusedToTheClient()
{
    const qint64 since = lastHistoryId();
    QVERIFY_THROWS_EXCEPTION(ServerError,
                             Db::run(QStringLiteral("UPDATE vb011ms SET ref_data = 'x' WHERE slip_no = "
                                                    "(SELECT min(slip_no) FROM vb011ms)")));
    QVERIFY(historySince(since).isEmpty());
}

// Saved through the slip entry, changed, confirmed and cancelled: each step
// leaves its rows on the slip's number, header, lines and all.
void TestHistory::slipLifecycle()
{
    Db::announceProgram(QStringLiteral("VBI020"));
    qint64 since = lastHistoryId();
    const QString saved = saveSlip(QStringLiteral("N0000001"), 120000);
    QVERIFY2(saved.startsWith(QLatin1Char('R')), qPrintable(saved));
    const QString slipNo = saved.mid(1, 8);
    QList<HistoryRow> rows = historySince(since);
    int recorded = rows.size();
    QCOMPARE(summary(rows), (QStringList{QStringLiteral("vb010ms INSERT ") + slipNo,
                                         QStringLiteral("vb011ms INSERT ") + slipNo + QStringLiteral("/0"),
                                         QStringLiteral("vb011ms INSERT ") + slipNo + QStringLiteral("/1")}));
    QCOMPARE(rows.at(1).after.value(QStringLiteral("d_amount")).toInteger(), 120000);
    QCOMPARE(rows.first().program, QStringLiteral("VBI020"));

    since = lastHistoryId();
    QVERIFY(saveSlip(slipNo, 150000).startsWith(QLatin1Char('R')));
    rows = historySince(since);
    recorded += rows.size();
    QStringList lines;
    for (const HistoryRow& r : rows)
        if (r.table == QLatin1String("vb011ms"))
            lines << r.operation;
    QVERIFY2(!lines.isEmpty(), qPrintable(summary(rows).join(QLatin1Char('\n'))));
    // whatever the procedure does with the lines, the history ends on the new amount
    qint64 lastDebit = -1;
    for (const HistoryRow& r : rows)
        if (r.table == QLatin1String("vb011ms") && r.key.endsWith(QLatin1String("/0")) && !r.after.isEmpty())
            lastDebit = r.after.value(QStringLiteral("d_amount")).toInteger();
    QCOMPARE(lastDebit, 150000);

    Db::announceProgram(QStringLiteral("VBI030"));
    since = lastHistoryId();
    QCOMPARE(journalize(QStringLiteral("1"), slipNo, QStringLiteral("2026-12-09")), QStringLiteral("T"));
    rows = historySince(since);
    recorded += rows.size();
    QCOMPARE(summary(rows), (QStringList{QStringLiteral("vb010ms CONFIRM ") + slipNo,
                                         QStringLiteral("vb011ms CONFIRM ") + slipNo + QStringLiteral("/0"),
                                         QStringLiteral("vb011ms CONFIRM ") + slipNo + QStringLiteral("/1")}));
    QVERIFY(rows.first().before.value(QStringLiteral("conf_date")).isNull());
    QCOMPARE(rows.first().after.value(QStringLiteral("conf_date")).toString(), QStringLiteral("2026-12-09"));
    QCOMPARE(rows.first().after.value(QStringLiteral("conf_emp_no")).toString(), kFinance);
    QCOMPARE(rows.first().program, QStringLiteral("VBI030"));

    since = lastHistoryId();
    QCOMPARE(journalize(QStringLiteral("2"), slipNo, QStringLiteral("2026-12-09")), QStringLiteral("T"));
    rows = historySince(since);
    recorded += rows.size();
    QCOMPARE(summary(rows).size(), 3);
    for (const HistoryRow& r : rows) {
        QCOMPARE(r.operation, QStringLiteral("CANCEL"));
        QVERIFY(r.after.value(QStringLiteral("conf_date")).isNull());
    }

    // a refused confirmation leaves nothing
    since = lastHistoryId();
    QVERIFY(journalize(QStringLiteral("2"), slipNo, QStringLiteral("2026-12-09")).startsWith(QLatin1Char('E')));
    QVERIFY(historySince(since).isEmpty());

    // everything that happened to the slip is found by its number
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM audit.history WHERE slip_no = :P0"), {slipNo}).toInt(),
             recorded);
}

void TestHistory::closingAndReopening()
{
    Db::announceProgram(QStringLiteral("VKI020"));
    const QVariantList day{QStringLiteral("27"), QStringLiteral("202612"), QStringLiteral("04"), QStringLiteral("Y"),
                           QStringLiteral("10.9.9.9"), kFinance};
    qint64 since = lastHistoryId();
    QCOMPARE(committed(QStringLiteral("pk_v_close.set_day"), day), QStringLiteral("T"));
    QCOMPARE(summary(historySince(since)), QStringList{QStringLiteral("vi011dt CLOSE 27/202612/04")});
    QVariantList reopen = day;
    reopen[3] = QStringLiteral("N");
    since = lastHistoryId();
    QCOMPARE(committed(QStringLiteral("pk_v_close.set_day"), reopen), QStringLiteral("T"));
    const QList<HistoryRow> rows = historySince(since);
    QCOMPARE(summary(rows), QStringList{QStringLiteral("vi011dt REOPEN 27/202612/04")});
    QCOMPARE(rows.first().before.value(QStringLiteral("close_yn")).toString(), QStringLiteral("Y"));
    QCOMPARE(rows.first().after.value(QStringLiteral("close_yn")).toString(), QStringLiteral("N"));
    QCOMPARE(rows.first().program, QStringLiteral("VKI020"));
}

void TestHistory::historyCannotBeChanged_data()
{
    QTest::addColumn<bool>("asOwner");
    QTest::addColumn<QString>("statement");
    QTest::newRow("client deletes") << false << "DELETE FROM audit.history";
    QTest::newRow("client updates") << false << "UPDATE audit.history SET emp_no = '9999'";
    QTest::newRow("client inserts") << false
                                    << "INSERT INTO audit.history (table_name, operation, row_key) "
                                       "VALUES ('vb010ms', 'DELETE', 'x')";
    QTest::newRow("owner deletes") << true << "DELETE FROM audit.history";
    QTest::newRow("owner updates") << true << "UPDATE audit.history SET emp_no = '9999'";
    QTest::newRow("owner truncates") << true << "TRUNCATE audit.history";
}

void TestHistory::historyCannotBeChanged()
{
    QFETCH(bool, asOwner);
    QFETCH(QString, statement);
    const QString before = Db::scalar(QStringLiteral("SELECT count(*) || '/' || max(history_id) FROM audit.history"))
                               .toString();
    if (asOwner)
        QVERIFY_THROWS_EXCEPTION(std::exception, TestDb::ownerExec(statement));
    else
        QVERIFY_THROWS_EXCEPTION(ServerError, Db::run(statement));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) || '/' || max(history_id) FROM audit.history")).toString(),
             before);
}

void TestHistory::backupRestoresEqual()
{
    QTemporaryDir dir;
    TestDb::writeServiceFile(dir.path(), m_db->name());
    const QString file = dir.filePath(QStringLiteral("books.dump"));
    const QString copy = m_db->name() + QStringLiteral("_r");
    QString output;
    QCOMPARE(runScript(QStringLiteral("db-backup.sh"), {QStringLiteral("--service"), TestDb::kService, file}, &output), 0);
    QVERIFY2(QFile::exists(file), qPrintable(output));
    QCOMPARE(runScript(QStringLiteral("db-restore.sh"),
                       {file, QStringLiteral("--as"), copy, QStringLiteral("--service"), TestDb::kService}, &output),
             0);
    // the copy is not overwritten unless asked
    QVERIFY(runScript(QStringLiteral("db-restore.sh"),
                      {file, QStringLiteral("--as"), copy, QStringLiteral("--service"), TestDb::kService}, &output)
            != 0);
    QVERIFY2(output.contains(QStringLiteral("--replace")), qPrintable(output));

    {
        QSqlDatabase originalOwner = TestDb::openOwnerConnection(QStringLiteral("original_owner"), m_db->name());
        QSqlDatabase restoredOwner = TestDb::openOwnerConnection(QStringLiteral("restored_owner"), copy);
        const QMap<QString, QString> expected = tableChecksums(originalOwner);
        const QMap<QString, QString> actual = tableChecksums(restoredOwner);
        originalOwner.close();
        restoredOwner.close();
        QSqlDatabase original = TestDb::openConnection(QStringLiteral("original"), m_db->name());
        QSqlDatabase restored = TestDb::openConnection(QStringLiteral("restored"), copy);
        QCOMPARE(actual.keys(), expected.keys());
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QVERIFY2(actual.value(it.key()) == it.value(), qPrintable(it.key()));
        // the restored copy works for the client: the trial balance is the same
        const QStringList tb = trialBalance(original);
        QVERIFY(tb.size() > 10);
        QCOMPARE(trialBalance(restored), tb);
        original.close();
        restored.close();
    }
    for (const char* name : {"original", "restored", "original_owner", "restored_owner"})
        QSqlDatabase::removeDatabase(QLatin1String(name));
    TestDb::dropDatabase(copy);
}

TV_TEST_MAIN(TestHistory)
#include "tst_history.moc"
