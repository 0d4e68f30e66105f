// What the client's login may do in the database, and what a statement kept
// as data (a management item's value list) can do when slip entry runs it:
// every escape a hostile text could try is refused or harmless, and an
// ordinary value list still answers.
#include "common/AppErrors.h"
#include "common/Db.h"
#include "common/Query.h"
#include "common/ReadOnlyQuery.h"
#include "common/Transaction.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>

class TestSecurity : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void cleanup();
    void storedStatementAnswers();
    void storedStatementEscapes_data();
    void storedStatementEscapes();
    void serverRefusesSeveralStatements_data();
    void serverRefusesSeveralStatements();
    void storedStatementTimesOut();
    void callersOpenWorkIsKept();
    void clientRoleCannotChangeTheSchema_data();
    void clientRoleCannotChangeTheSchema();
    void clientRoleKeepsItsWork();

private:
    QSqlDatabase other();
    bool tableExists(const QString& name);
    bool otherSessionAlive();
    std::unique_ptr<TestDatabase> m_db;
    int m_otherPid = 0;
};

void TestSecurity::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    m_db->ownerExec(QStringLiteral("CREATE TABLE public.victim (n INTEGER)"));
    m_db->ownerExec(QStringLiteral("GRANT SELECT, INSERT, UPDATE, DELETE ON public.victim TO acct"));
    QSqlQuery q(other());
    QVERIFY(q.exec(QStringLiteral("SELECT pg_backend_pid()")) && q.next());
    m_otherPid = q.value(0).toInt();
}

void TestSecurity::cleanup()
{
    SharedTransaction::instance().rollback();
}

// A second session of the same login, as another user of the client.
QSqlDatabase TestSecurity::other()
{
    const QString name = QStringLiteral("tv_other_session");
    if (QSqlDatabase::contains(name))
        return QSqlDatabase::database(name);
    return TestDb::openConnection(name, m_db->name());
}

bool TestSecurity::tableExists(const QString& name)
{
    return Db::scalar(QStringLiteral("SELECT to_regclass(:P0) IS NOT NULL"), {name}).toBool();
}

bool TestSecurity::otherSessionAlive()
{
    return Db::scalar(QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE pid = :P0"), {m_otherPid}).toInt()
        == 1;
}

void TestSecurity::storedStatementAnswers()
{
    // A value list as users keep them: a placeholder for the typed text,
    // bound as text, several columns, and a cast written with a double colon.
    const StoredRows read = RunStoredStatement(
        QStringLiteral("SELECT DETAIL AS C_CODE, DETAIL_NAME::TEXT AS C_NAME FROM ZX010MS\n"
                       " WHERE HEAD = :head AND DETAIL LIKE :code ORDER BY 1"),
        {QStringLiteral("V9998"), QStringLiteral("%")});
    QCOMPARE(read.record.count(), 2);
    QCOMPARE(read.record.fieldName(0).toUpper(), QStringLiteral("C_CODE"));
    const int expected = Db::scalar(QStringLiteral("SELECT count(*) FROM zx010ms WHERE head = 'V9998'")).toInt();
    QVERIFY(expected > 0);
    QCOMPARE(read.rows.size(), expected);
    // The guard leaves no trace on the connection: role and timeout are back.
    QCOMPARE(Db::scalar(QStringLiteral("SELECT current_user")).toString(), TestDb::kUser);
    QCOMPARE(Db::scalar(QStringLiteral("SHOW statement_timeout")).toString(), QStringLiteral("0"));
}

void TestSecurity::storedStatementEscapes_data()
{
    QTest::addColumn<QString>("statement");
    QTest::newRow("commit then drop") << "SELECT 1 A; COMMIT; DROP TABLE victim";
    QTest::newRow("commit then update") << "SELECT 1 A; COMMIT; UPDATE victim SET n = 1";
    QTest::newRow("writing cte") << "WITH d AS (DELETE FROM victim RETURNING n) SELECT n FROM d";
    QTest::newRow("end another session") << QStringLiteral("SELECT pg_terminate_backend(%1)").arg(m_otherPid);
    QTest::newRow("cancel another session") << QStringLiteral("SELECT pg_cancel_backend(%1)").arg(m_otherPid);
    QTest::newRow("session lock") << "SELECT pg_advisory_lock(4242)";
    QTest::newRow("try session lock") << "SELECT pg_try_advisory_lock(4242)";
    QTest::newRow("take back the login role") << "SELECT set_config('role', 'acct', false)";
    QTest::newRow("drop the timeout") << "SELECT set_config('statement_timeout', '0', false)";
    QTest::newRow("slips are not a value list") << "SELECT SLIP_NO FROM VB010MS";
    QTest::newRow("authority is not a value list") << "SELECT EMP_NO FROM VA010MS";
    QTest::newRow("sequence") << "SELECT nextval('pk_v_slip_01.stage_key_seq')";
}

void TestSecurity::storedStatementEscapes()
{
    QFETCH(QString, statement);
    bool refused = false;
    try {
        RunStoredStatement(statement);
    } catch (const AppError&) {
        refused = true;
    }
    QVERIFY2(refused, qPrintable(statement));
    QVERIFY(tableExists(QStringLiteral("public.victim")));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM victim WHERE n = 1")).toInt(), 0);
    QVERIFY(otherSessionAlive());
    // No lock outlives the statement: another session takes it at once.
    QSqlQuery lock(other());
    QVERIFY(lock.exec(QStringLiteral("SELECT pg_try_advisory_lock(4242)")) && lock.next());
    QVERIFY(lock.value(0).toBool());
    QVERIFY(lock.exec(QStringLiteral("SELECT pg_advisory_unlock(4242)")));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT current_user")).toString(), TestDb::kUser);
}

void TestSecurity::serverRefusesSeveralStatements_data()
{
    QTest::addColumn<QString>("statement");
    QTest::newRow("commit then drop") << "SELECT 1 A; COMMIT; DROP TABLE victim";
    QTest::newRow("drop after a select") << "SELECT 1; DROP TABLE victim";
    QTest::newRow("not a query") << "DROP TABLE victim";
    QTest::newRow("transaction command") << "COMMIT";
}

// The text check in the client is not the only guard: the server itself
// opens the text as one cursor and refuses anything else before it runs.
void TestSecurity::serverRefusesSeveralStatements()
{
    QFETCH(QString, statement);
    QSqlQuery q(Db::connection());
    QVERIFY(q.exec(QStringLiteral("BEGIN")));
    q.prepare(QStringLiteral("SELECT pk_lookup.open_stored(?)"));
    q.addBindValue(statement);
    QVERIFY(!q.exec());
    QVERIFY(q.exec(QStringLiteral("ROLLBACK")));
    QVERIFY(tableExists(QStringLiteral("public.victim")));
}

void TestSecurity::storedStatementTimesOut()
{
    QElapsedTimer clock;
    clock.start();
    int native = 0;
    try {
        RunStoredStatement(QStringLiteral("SELECT pg_sleep(120)"));
    } catch (const ServerError& e) {
        native = e.nativeError();
    }
    QCOMPARE(native, 1013);
    QVERIFY(clock.elapsed() < (kStoredStatementSeconds + 10) * 1000);
}

// A stored statement run in the middle of a save neither commits nor loses
// the caller's open work.
void TestSecurity::callersOpenWorkIsKept()
{
    SharedTransaction::instance().start();
    ExecSql(QStringLiteral("INSERT INTO victim (n) VALUES (7)"));
    try {
        RunStoredStatement(QStringLiteral("SELECT 1 A; COMMIT; DROP TABLE victim"));
    } catch (const AppError&) {
    }
    try {
        RunStoredStatement(QStringLiteral("SELECT pg_terminate_backend(1)"));
    } catch (const AppError&) {
    }
    QVERIFY(SharedTransaction::instance().inTransaction());
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM victim WHERE n = 7")).toInt(), 1);
    QSqlQuery seen(other());
    QVERIFY(seen.exec(QStringLiteral("SELECT count(*) FROM victim WHERE n = 7")) && seen.next());
    QCOMPARE(seen.value(0).toInt(), 0);
    SharedTransaction::instance().rollback();
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM victim")).toInt(), 0);
}

void TestSecurity::clientRoleCannotChangeTheSchema_data()
{
    QTest::addColumn<QString>("statement");
    QTest::newRow("drop a table") << "DROP TABLE public.zx010ms";
    QTest::newRow("alter a table") << "ALTER TABLE public.va020ms ADD COLUMN x INTEGER";
    QTest::newRow("switch triggers off") << "ALTER TABLE public.va020ms DISABLE TRIGGER ALL";
    QTest::newRow("create in the schema") << "CREATE TABLE public.mine (n INTEGER)";
    QTest::newRow("replace a function") << "CREATE OR REPLACE FUNCTION pk_v_slip_01.slip_apply(a TEXT) RETURNS TEXT "
                                           "LANGUAGE sql AS $$ SELECT 'R'::TEXT $$";
    QTest::newRow("write a slip") << "UPDATE public.vb010ms SET total_d_amt = 0";
    QTest::newRow("write a slip line") << "DELETE FROM public.vb011ms";
    QTest::newRow("write a posted sum") << "DELETE FROM public.vb071ms";
    QTest::newRow("migration record") << "DELETE FROM public.schema_version";
    QTest::newRow("truncate") << "TRUNCATE public.zx010ms";
}

void TestSecurity::clientRoleCannotChangeTheSchema()
{
    QFETCH(QString, statement);
    QSqlQuery q(Db::connection());
    QVERIFY2(!q.exec(statement), qPrintable(statement));
    QCOMPARE(q.lastError().nativeErrorCode(), QStringLiteral("42501"));
}

// The rights it keeps on the tables it maintains (slips go through the
// database's own function, which the slip tests drive).
void TestSecurity::clientRoleKeepsItsWork()
{
    SharedTransaction::instance().start();
    QVERIFY(ExecSql(QStringLiteral("UPDATE zx010ms SET detail_name = detail_name WHERE head = 'V9998'")) > 0);
    QVERIFY(Db::scalar(QStringLiteral("SELECT count(*) FROM vb010ms")).toInt() > 0);
    SharedTransaction::instance().rollback();
}

TV_TEST_MAIN(TestSecurity)
#include "tst_security.moc"
