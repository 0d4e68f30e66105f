// Saving and deleting slips through the staging tables and the slip
// procedure: what is stored, what the database refuses, and that concurrent
// savers and a connection lost mid-save never corrupt the books.
#include "common/Db.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Transaction.h"
#include "screens/slips/SlipStore.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <atomic>

namespace {

// Accounts of the demo chart: ordinary deposit (requires the bank account
// item on both sides), cash, and an expense account without items.
struct DemoAccounts {
    QString plain1, plain2;
};

DemoAccounts plainAccounts()
{
    // Two slip-bearing accounts in use whose rules require nothing.
    QSqlQuery q = RunQuery(QStringLiteral(
        "SELECT A.ACCT_CODE FROM VA020MS A\n"
        "WHERE A.USE_YN = 'Y' AND A.SLIP_YN = 'Y'\n"
        "  AND NOT EXISTS (SELECT 1 FROM VA040MS R WHERE R.ACCT_CODE = A.ACCT_CODE\n"
        "                   AND (R.D_MUST = 'Y' OR R.C_MUST = 'Y'))\n"
        "ORDER BY A.ACCT_CODE LIMIT 2"));
    DemoAccounts a;
    if (q.next()) a.plain1 = q.value(0).toString();
    if (q.next()) a.plain2 = q.value(0).toString();
    return a;
}

QString demoDept()
{
    return Db::scalar(QStringLiteral("SELECT AFF_DEPT_CODE FROM QA160MS ORDER BY 1 LIMIT 1")).toString();
}

SlipLine line(const QString& acct, qint64 debit, qint64 credit, const QString& remark = QString())
{
    SlipLine l;
    l.acctCode = acct;
    l.debit = debit;
    l.credit = credit;
    l.remark = remark;
    return l;
}

SlipHeader header(const QString& no = QStringLiteral("NI0000000001"))
{
    return {no, demoDept(), QStringLiteral("2026-12-10"), QStringLiteral("K"), QStringLiteral("27")};
}

QString saveCommitted(const SlipHeader& h, const QList<SlipLine>& lines)
{
    SharedTransaction::instance().start();
    const QString answer = SlipStore::save(h, lines);
    if (answer.startsWith(QLatin1Char('R')))
        SharedTransaction::instance().commit();
    else
        SharedTransaction::instance().rollback();
    return answer;
}

}  // namespace

class TestSlipStore : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void splitItemValues_data();
    void splitItemValues();
    void systemIds();
    void procedureResults();
    void savesLinesAndItemsUnchanged();
    void refusalsLeaveNothing_data();
    void refusalsLeaveNothing();
    void amountsUpToFifteenDigits_data();
    void amountsUpToFifteenDigits();
    void updateAndDeleteAndConfirmedRefusal();
    void concurrentSaversGetUniqueNumbers();
    void lostConnectionLeavesNoTrace();

private:
    std::unique_ptr<TestDatabase> m_db;
    DemoAccounts m_acct;
};

void TestSlipStore::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    m_acct = plainAccounts();
    QVERIFY(!m_acct.plain1.isEmpty() && !m_acct.plain2.isEmpty());
}

void TestSlipStore::splitItemValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("name");
    QTest::newRow("code:name:rest") << " 0100000001 : 한빛상사 : 기타 " << "0100000001" << "한빛상사";
    QTest::newRow("typed date") << "2026-12-10" << "2026-12-10" << "";
    QTest::newRow("code only with colon") << "A01:" << "A01" << "";
}

void TestSlipStore::splitItemValues()
{
    QFETCH(QString, value);
    QFETCH(QString, detail);
    QFETCH(QString, name);
    const auto [d, n] = SlipStore::splitItemValue(value);
    QCOMPARE(d, detail);
    QCOMPARE(n, name);
}

void TestSlipStore::systemIds()
{
    QCOMPARE(SlipStore::systemIdForSave(QStringLiteral("NI0001")), QStringLiteral("V"));
    QCOMPARE(SlipStore::systemIdForSave(QStringLiteral("K0412345")), QStringLiteral("V"));
    QCOMPARE(SlipStore::systemIdForSave(QStringLiteral("K2600001")), QStringLiteral("B"));
}

void TestSlipStore::procedureResults()
{
    QVERIFY(ProcResult::isSlipSuccess(QStringLiteral("R12345678")));
    QCOMPARE(ProcResult::slipNumber(QStringLiteral("R12345678")), QStringLiteral("12345678"));
    QVERIFY(!ProcResult::isSlipSuccess(QStringLiteral("R123")));
    QVERIFY(ProcResult::isFailure(QStringLiteral("E잔액이 맞지 않습니다")));
    QVERIFY(!ProcResult::isFailure(QStringLiteral("T")));
    QVERIFY(ProcResult::isFailure(QStringLiteral("ERR no admin"), true));
    QVERIFY(!ProcResult::isFailure(QStringLiteral("E1"), true));
}

void TestSlipStore::savesLinesAndItemsUnchanged()
{
    const QString remark = QStringLiteral("O'Brien \"특별\" 객실료 ") + QString(70, QLatin1Char('x'));
    QCOMPARE(remark.trimmed().size() <= 100, true);
    SlipLine debit = line(m_acct.plain1, 150000, 0, remark);
    SlipLine credit = line(m_acct.plain2, 0, 150000, QStringLiteral("대체"));
    const QString answer = saveCommitted(header(), {debit, credit});
    QVERIFY2(ProcResult::isSlipSuccess(answer), qPrintable(answer));
    const QString no = ProcResult::slipNumber(answer);
    QVERIFY(!no.startsWith(QLatin1Char('N')));
    QCOMPARE(no.size(), 8);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT REF_DATA FROM VB011MS WHERE SLIP_NO = :P0 AND SLIP_SEQ_NO = 0"), {no}).toString(),
             remark.trimmed());
    QCOMPARE(Db::scalar(QStringLiteral("SELECT TOTAL_D_AMT FROM VB010MS WHERE SLIP_NO = :P0"), {no}).toLongLong(), 150000);
    // The staging rows of this connection are gone.
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM VB011MS_GT")).toInt(), 0);
}

void TestSlipStore::refusalsLeaveNothing_data()
{
    QTest::addColumn<qint64>("debit");
    QTest::addColumn<qint64>("credit");
    QTest::addColumn<QString>("date");
    QTest::newRow("1,000 against 999") << qint64(1000) << qint64(999) << "2026-12-10";
    QTest::newRow("all zero") << qint64(0) << qint64(0) << "2026-12-10";
    QTest::newRow("outside every period") << qint64(500) << qint64(500) << "2031-01-05";
}

void TestSlipStore::refusalsLeaveNothing()
{
    QFETCH(qint64, debit);
    QFETCH(qint64, credit);
    QFETCH(QString, date);
    const int before = Db::scalar(QStringLiteral("SELECT count(*) FROM VB010MS")).toInt();
    SlipHeader h = header(QStringLiteral("NI0000000002"));
    h.accDate = date;
    const QString answer = saveCommitted(h, {line(m_acct.plain1, debit, 0), line(m_acct.plain2, 0, credit)});
    QVERIFY2(answer.startsWith(QLatin1Char('E')), qPrintable(answer));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM VB010MS")).toInt(), before);
}

void TestSlipStore::amountsUpToFifteenDigits_data()
{
    QTest::addColumn<QList<qint64>>("amounts");  // each a debit line and a credit line of that amount
    QTest::addColumn<bool>("saved");
    QTest::newRow("fifteen digits") << QList<qint64>{999999999999999LL} << true;
    QTest::newRow("sixteen digits") << QList<qint64>{1000000000000000LL} << false;
    QTest::newRow("totals of sixteen digits") << QList<qint64>{600000000000000LL, 600000000000000LL} << false;
}

void TestSlipStore::amountsUpToFifteenDigits()
{
    QFETCH(QList<qint64>, amounts);
    QFETCH(bool, saved);
    const int before = Db::scalar(QStringLiteral("SELECT count(*) FROM VB010MS")).toInt();
    QList<SlipLine> lines;
    for (qint64 amount : amounts)
        lines << line(m_acct.plain1, amount, 0) << line(m_acct.plain2, 0, amount);
    const QString answer = saveCommitted(header(QStringLiteral("NI0000000004")), lines);
    QVERIFY2(answer.startsWith(QLatin1Char(saved ? 'R' : 'E')), qPrintable(answer));
    if (saved) {
        QCOMPARE(Db::scalar(QStringLiteral("SELECT TOTAL_D_AMT FROM VB010MS WHERE SLIP_NO = :P0"),
                            {ProcResult::slipNumber(answer)}).toLongLong(),
                 amounts.first());
    } else {
        QVERIFY2(answer.contains(QStringLiteral("너무 큽니다")), qPrintable(answer));
        QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM VB010MS")).toInt(), before);
    }
}

void TestSlipStore::updateAndDeleteAndConfirmedRefusal()
{
    QString answer = saveCommitted(header(QStringLiteral("NI0000000003")),
                                   {line(m_acct.plain1, 1000, 0), line(m_acct.plain2, 0, 1000)});
    QVERIFY2(ProcResult::isSlipSuccess(answer), qPrintable(answer));
    SlipHeader h = header(ProcResult::slipNumber(answer));

    answer = saveCommitted(h, {line(m_acct.plain1, 700, 0), line(m_acct.plain1, 300, 0), line(m_acct.plain2, 0, 1000)});
    QVERIFY2(ProcResult::isSlipSuccess(answer), qPrintable(answer));
    QCOMPARE(ProcResult::slipNumber(answer), h.slipNo);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM VB011MS WHERE SLIP_NO = :P0"), {h.slipNo}).toInt(), 3);

    // Once confirmed (by another user, behind this screen's back) the
    // database refuses both a change and a deletion.
    QCOMPARE(Db::scalar(QStringLiteral("SELECT pk_v_journalize.pr_journalmain('1', :P0, '2026-12-10', '2003')"),
                        {h.slipNo}).toString(), QStringLiteral("T"));
    answer = saveCommitted(h, {line(m_acct.plain1, 5, 0), line(m_acct.plain2, 0, 5)});
    QVERIFY2(answer.startsWith(QLatin1Char('E')), qPrintable(answer));
    SharedTransaction::instance().start();
    answer = SlipStore::remove(h);
    SharedTransaction::instance().rollback();
    QVERIFY2(answer.startsWith(QLatin1Char('E')), qPrintable(answer));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM VB011MS WHERE SLIP_NO = :P0"), {h.slipNo}).toInt(), 3);

    QCOMPARE(Db::scalar(QStringLiteral("SELECT pk_v_journalize.pr_journalmain('2', :P0, '2026-12-10', '2003')"),
                        {h.slipNo}).toString(), QStringLiteral("T"));
    SharedTransaction::instance().start();
    answer = SlipStore::remove(h);
    SharedTransaction::instance().commit();
    QVERIFY2(answer.startsWith(QLatin1Char('R')), qPrintable(answer));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT SLIP_DEL_YN FROM VB010MS WHERE SLIP_NO = :P0"), {h.slipNo}).toString(),
             QStringLiteral("Y"));
}

void TestSlipStore::concurrentSaversGetUniqueNumbers()
{
    constexpr int kPerThread = 250;
    const SlipHeader base = header();
    const DemoAccounts acct = m_acct;
    std::atomic<int> failures{0};
    QStringList numbers[2];
    QList<QThread*> threads;
    for (int t = 0; t < 2; ++t) {
        threads << QThread::create([&, t] {
            const QString name = QStringLiteral("saver%1").arg(t);
            {
                QSqlDatabase db = TestDb::openConnection(name, m_db->name());
                Db::setThreadConnectionName(name);
                for (int i = 0; i < kPerThread; ++i) {
                    SlipHeader h = base;
                    h.slipNo = QStringLiteral("NI%1%2").arg(t).arg(i, 6, 10, QLatin1Char('0'));
                    QList<SlipLine> lines;
                    for (int n = 0; n < 5; ++n) {
                        lines << line(acct.plain1, 100 + n, 0, QStringLiteral("동시 저장 %1").arg(n));
                        lines << line(acct.plain2, 0, 100 + n);
                    }
                    db.transaction();
                    try {
                        const QString answer = SlipStore::save(h, lines);
                        if (ProcResult::isSlipSuccess(answer)) {
                            db.commit();
                            numbers[t] << ProcResult::slipNumber(answer);
                        } else {
                            db.rollback();
                            ++failures;
                        }
                    } catch (...) {
                        db.rollback();
                        ++failures;
                    }
                }
                ForgetPreparedStatements();
                Db::setThreadConnectionName(QString());
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        });
    }
    for (QThread* th : threads)
        th->start();
    for (QThread* th : threads) {
        th->wait();
        delete th;
    }
    QCOMPARE(failures.load(), 0);
    const QStringList all = numbers[0] + numbers[1];
    QCOMPARE(all.size(), 2 * kPerThread);
    QCOMPARE(QSet<QString>(all.begin(), all.end()).size(), all.size());
    QSqlQuery check = RunQuery(QStringLiteral(
        "SELECT count(*), sum(CASE WHEN n = 10 AND d = c AND d = h THEN 1 ELSE 0 END)\n"
        "FROM (SELECT H.SLIP_NO, count(L.SLIP_SEQ_NO) n, sum(L.D_AMOUNT) d, sum(L.C_AMOUNT) c, max(H.TOTAL_D_AMT) h\n"
        "        FROM VB010MS H JOIN VB011MS L ON L.SLIP_NO = H.SLIP_NO\n"
        "       WHERE H.SLIP_NO = ANY(string_to_array(:P0, ','))\n"
        "       GROUP BY H.SLIP_NO) s"),
        {all.join(QLatin1Char(','))});
    QVERIFY(check.next());
    QCOMPARE(check.value(0).toInt(), all.size());
    QCOMPARE(check.value(1).toInt(), all.size());
}

void TestSlipStore::lostConnectionLeavesNoTrace()
{
    const QString name = QStringLiteral("doomed");
    QString answer;
    int pid = 0;
    {
        QSqlDatabase doomed = TestDb::openConnection(name, m_db->name());
        Db::setThreadConnectionName(name);
        pid = Db::scalar(QStringLiteral("SELECT pg_backend_pid()")).toInt();
        doomed.transaction();
        answer = SlipStore::save(header(QStringLiteral("NI0000000009")),
                                 {line(m_acct.plain1, 4242, 0, QStringLiteral("사라질 전표")), line(m_acct.plain2, 0, 4242)});
        ForgetPreparedStatements();
        Db::setThreadConnectionName(QString());
        QVERIFY2(ProcResult::isSlipSuccess(answer), qPrintable(answer));
        // The server loses the connection before the commit.
        QVERIFY(Db::scalar(QStringLiteral("SELECT pg_terminate_backend(:P0)"), {pid}).toBool());
        QVERIFY(!doomed.commit());
        doomed.close();
    }
    QSqlDatabase::removeDatabase(name);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM VB010MS WHERE SLIP_NO = :P0"),
                        {ProcResult::slipNumber(answer)}).toInt(), 0);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM VB011MS WHERE REF_DATA = '사라질 전표'")).toInt(), 0);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM pk_v_slip_01.gt_vb011ms WHERE slip_no = 'NI0000000009'")).toInt(), 0);
}

TV_TEST_MAIN(TestSlipStore)
#include "tst_slipstore.moc"
