// The posting engine against the books' one truth, the confirmed lines: a
// random sequence of confirmations, cancellations and closings leaves every
// derived table equal to its rebuild, the trial balance balances and agrees
// with plain aggregates of the lines, and the carry-forward moves net income
// into retained earnings. Also the refusals of confirmation, the guards on
// confirmed slips and closed days, fiscal periods and concurrent posting.
#include "common/Db.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "screens/slips/SlipStore.h"
#include "support/Books.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QRandomGenerator>
#include <QSqlError>
#include <QElapsedTimer>
#include <QThread>
#include <atomic>

namespace {

using Books::journalize;
using Books::committed;

const QString kFinance = QStringLiteral("2003");  // 박재무: finance approval authority
const QString kClerk = QStringLiteral("2001");    // 김회계: none since 2026-01-01

QVariant value(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params);
}

qint64 number(const QString& sql, const QVariantList& params = {})
{
    return value(sql, params).toLongLong();
}

struct Line {
    QString acct;
    qint64 d = 0;
    qint64 c = 0;
    QList<std::pair<QString, QString>> items;  // item code, value (positions 1..)
};

// An unconfirmed slip written directly, as the slip procedure leaves it.
void insertSlip(const QString& slipNo, const QString& day, const QList<Line>& lines, const QString& kind = "K")
{
    qint64 d = 0, c = 0;
    for (const Line& l : lines) {
        d += l.d;
        c += l.c;
    }
    TestDb::ownerExec(QStringLiteral(
        "INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, total_d_amt, total_c_amt, cr_emp_no, "
        "session_id, slip_kind, u_emp_no) VALUES (:P0, '1111', CAST(:P1 AS DATE), CAST(:P1 AS DATE), :P2, :P3, "
        "'2001', (SELECT session_id FROM vi010ms WHERE CAST(:P1 AS DATE) BETWEEN st_date AND ed_date), :P4, '2001')"),
                      {slipNo, day, d, c, kind});
    for (int i = 0; i < lines.size(); ++i) {
        const Line& l = lines.at(i);
        TestDb::ownerExec(QStringLiteral("INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, "
                                         "c_amount) VALUES (:P0, :P1, :P2, :P3, :P4, :P5)"),
                          {slipNo, i, l.acct, QStringLiteral("시험 %1").arg(i), l.d, l.c});
        for (int k = 0; k < l.items.size(); ++k)
            TestDb::ownerExec(QStringLiteral("INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, "
                                             "acct_code, d_amount, c_amount) VALUES (:P0, :P1, :P2, :P3, :P4, :P5, :P6, :P7)"),
                              {slipNo, i, k + 1, l.items.at(k).first, l.items.at(k).second, l.acct, l.d, l.c});
    }
}

QStringList differences()
{
    QStringList out;
    QSqlQuery q = Db::run(QStringLiteral("SELECT table_name || ' ' || row_key || ': ' || coalesce(maintained, '-') "
                                         "|| ' <> ' || coalesce(rebuilt, '-') FROM pk_v_post.check_books() LIMIT 10"));
    while (q.next())
        out << q.value(0).toString();
    return out;
}

}  // namespace

class TestEngine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void demoBooksAgree();
    void refusals_data();
    void refusals();
    void lockedSlipRefusedAtOnce();
    void confirmedSlipCannotChange();
    void closedDayRefusesSaveAndDelete();
    void periods_data();
    void periods();
    void periodEditKeepsFlagsAndDeleteCascades();
    void randomSequenceKeepsBooksRight();
    void concurrentPostingIsWholeOrRefused();
    void dayAndMonthClosing();

private:
    void makeTerms();
    std::unique_ptr<TestDatabase> m_db;
    QStringList m_accts;  // one slip-bearing account per class and side
};

void TestEngine::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Session::empNo = kFinance;
    Session::workstationIp = QStringLiteral("10.9.9.9");
}

// Two empty terms far from the demo's, 2030 and 2031, for sequences of our own.
void TestEngine::makeTerms()
{
    for (const auto& [session, from, to] : {std::tuple{"40", "2030-01-01", "2030-12-31"},
                                            std::tuple{"41", "2031-01-01", "2031-12-31"}}) {
        if (number(QStringLiteral("SELECT count(*) FROM vi010ms WHERE session_id = :P0"), {QString::fromLatin1(session)}))
            continue;
        QCOMPARE(committed(QStringLiteral("pr_v_calender"),
                           {QString::fromLatin1(session), QString::fromLatin1(from), QString::fromLatin1(to),
                            QStringLiteral("시험 기수"), QStringLiteral("10.9.9.9"), kFinance}),
                 QStringLiteral("T"));
    }
}

void TestEngine::demoBooksAgree()
{
    QCOMPARE(differences(), QStringList());
    // the demo's trial balance of November 2026 balances and its month and
    // term-to-date debits are those of the confirmed lines
    QCOMPARE(committed(QStringLiteral("pr_v_vdi010sp"), {QStringLiteral("10.9.9.9"), QStringLiteral("202611")}).left(1),
             QStringLiteral("T"));
    QSqlQuery q = Db::run(QStringLiteral("SELECT bal_damount, bal_camount, sum_damount, sum_camount, d_amount, bd_amount "
                                         "FROM vd010pr WHERE ip_addr = '10.9.9.9' AND acct_code = '9999999'"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toLongLong(), q.value(1).toLongLong());
    QCOMPARE(q.value(2).toLongLong(), q.value(3).toLongLong());
    QCOMPARE(q.value(4).toLongLong(),
             number(QStringLiteral("SELECT sum(d_amount) FROM vb011ms WHERE conf_date BETWEEN '2026-11-01' AND '2026-11-30'")));
    QCOMPARE(q.value(5).toLongLong(),
             number(QStringLiteral("SELECT sum(d_amount) FROM vb011ms WHERE conf_date BETWEEN '2026-01-01' AND '2026-11-30'")));
}

void TestEngine::refusals_data()
{
    QTest::addColumn<QString>("setup");  // owner statements on slip TREFnnnn
    QTest::addColumn<QString>("undo");   // what puts shared rows back
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("emp");
    QTest::addColumn<QString>("expected");  // part of the 'E' text

    QTest::newRow("clerk without authority") << "" << "" << "1" << "2026-12-09" << kClerk << "재무승인 권한이 없는 사용자";
    QTest::newRow("no authority row") << "" << "" << "1" << "2026-12-09" << "3002" << "승인권한에 등록되지 않은 사용자";
    QTest::newRow("authority ended the day before")
        << "UPDATE va010ms SET ed_date = DATE '2026-12-08' WHERE emp_no = '2003'"
        << "UPDATE va010ms SET ed_date = DATE '2099-12-31' WHERE emp_no = '2003'" << "1" << "2026-12-09" << kFinance
        << "승인권한에 등록되지 않은 사용자";
    QTest::newRow("deleted") << "UPDATE vb010ms SET slip_del_yn = 'Y' WHERE slip_no = :slip" << "" << "1"
                             << "2026-12-09" << kFinance << "삭제된 전표";
    QTest::newRow("unbalanced") << "UPDATE vb011ms SET d_amount = d_amount + 1 WHERE slip_no = :slip AND "
                                   "slip_seq_no = 0"
                                << "" << "1" << "2026-12-09" << kFinance << "합계가 맞지 않는";
    QTest::newRow("outside every term") << "" << "" << "1" << "2029-06-01" << kFinance << "등록된 기수가 없습니다";
    QTest::newRow("closed day") << "" << "" << "1" << "2026-11-05" << kFinance << "마감";
    QTest::newRow("cancel of an unconfirmed slip") << "" << "" << "2" << "2026-12-09" << kFinance << "확정되지 않은 전표";
    QTest::newRow("not a date") << "" << "" << "1" << "2026-13-01" << kFinance << "확정일자가 올바르지 않습니다";
    QTest::newRow("unknown slip") << "DELETE FROM vb010ms WHERE slip_no = :slip" << "" << "1" << "2026-12-09"
                                  << kFinance << "해당 전표가 없습니다";
}

void TestEngine::refusals()
{
    QFETCH(QString, setup);
    QFETCH(QString, undo);
    QFETCH(QString, flag);
    QFETCH(QString, day);
    QFETCH(QString, emp);
    QFETCH(QString, expected);
    static int row = 0;
    const QString slipNo = QStringLiteral("TREF%1").arg(++row, 4, 10, QLatin1Char('0'));
    insertSlip(slipNo, QStringLiteral("2026-12-08"),
               {{QStringLiteral("7510110"), 50000, 0, {}}, {QStringLiteral("1110110"), 0, 50000, {}}});
    if (!setup.isEmpty())
        m_db->ownerExec(QString(setup).replace(QStringLiteral(":slip"), QLatin1Char('\'') + slipNo + QLatin1Char('\'')));
    const qint64 before = number(QStringLiteral("SELECT sum(d_amount) FROM vb071ms"));
    const QString answer = journalize(flag, slipNo, day, emp);
    if (!undo.isEmpty())
        m_db->ownerExec(undo);
    QVERIFY2(answer.startsWith(QLatin1Char('E')) && answer.contains(expected), qPrintable(answer));
    QVERIFY(value(QStringLiteral("SELECT conf_date FROM vb010ms WHERE slip_no = :P0"), {slipNo}).isNull());
    QCOMPARE(number(QStringLiteral("SELECT sum(d_amount) FROM vb071ms")), before);
}

// A slip another session holds is refused with a text at once, not waited on.
void TestEngine::lockedSlipRefusedAtOnce()
{
    insertSlip(QStringLiteral("TLCK0001"), QStringLiteral("2026-12-08"),
               {{QStringLiteral("7510110"), 1000, 0, {}}, {QStringLiteral("1110110"), 0, 1000, {}}});
    QSqlDatabase other = TestDb::openConnection(QStringLiteral("holder"), m_db->name());
    {
        QSqlQuery hold(other);
        QVERIFY(other.transaction());
        QVERIFY(hold.exec(QStringLiteral("SELECT pk_v_journalize.def_confdate('1', 'TLCK0001', '2026-12-09', '2003')")));
        QElapsedTimer clock;
        clock.start();
        const QString answer = journalize(QStringLiteral("1"), QStringLiteral("TLCK0001"), QStringLiteral("2026-12-09"));
        QVERIFY2(answer.startsWith(QStringLiteral("E다른 사용자가 처리 중인 전표")), qPrintable(answer));
        QVERIFY(clock.elapsed() < 3000);
        other.rollback();
    }
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    QCOMPARE(journalize(QStringLiteral("1"), QStringLiteral("TLCK0001"), QStringLiteral("2026-12-09")), QStringLiteral("T"));
}

void TestEngine::confirmedSlipCannotChange()
{
    insertSlip(QStringLiteral("TCNF0001"), QStringLiteral("2026-12-08"),
               {{QStringLiteral("7510110"), 1000, 0, {}}, {QStringLiteral("1110110"), 0, 1000, {}}});
    QCOMPARE(journalize(QStringLiteral("1"), QStringLiteral("TCNF0001"), QStringLiteral("2026-12-09")), QStringLiteral("T"));
    // not even the schema's owner changes a confirmed slip outside the engine
    for (const QString& sql : {QStringLiteral("UPDATE vb011ms SET d_amount = 2000 WHERE slip_no = 'TCNF0001' AND slip_seq_no = 0"),
                               QStringLiteral("DELETE FROM vb010ms WHERE slip_no = 'TCNF0001'"),
                               QStringLiteral("UPDATE vb010ms SET conf_date = NULL WHERE slip_no = 'TCNF0001'"),
                               QStringLiteral("INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, d_amount, c_amount, conf_date) "
                                              "VALUES ('TCNF0001', 9, '1110110', 0, 0, DATE '2026-12-09')")}) {
        bool refused = false;
        try {
            m_db->ownerExec(sql);
        } catch (const std::exception& e) {
            refused = QString::fromUtf8(e.what()).contains(QStringLiteral("확정"));
        }
        QVERIFY2(refused, qPrintable(sql));
    }
    // and the client's login cannot write slips at all
    bool refused = false;
    try {
        Db::run(QStringLiteral("UPDATE vb010ms SET total_d_amt = 0 WHERE slip_no = 'TCNF0001'"));
    } catch (const ServerError&) {
        refused = true;
    }
    QVERIFY(refused);
    // cancelling uses the slip's own confirmation day
    QVERIFY(journalize(QStringLiteral("2"), QStringLiteral("TCNF0001"), QStringLiteral("2026-12-10")).startsWith("E확정일자가 다릅니다"));
    QCOMPARE(journalize(QStringLiteral("2"), QStringLiteral("TCNF0001"), QStringLiteral("2026-12-09")), QStringLiteral("T"));
    QCOMPARE(differences(), QStringList());
}

// Replacing or deleting a slip whose stored day is closed, and moving a slip
// into a closed day, are refused by the slip procedure.
void TestEngine::closedDayRefusesSaveAndDelete()
{
    insertSlip(QStringLiteral("K2699001"), QStringLiteral("2026-12-04"),
               {{QStringLiteral("7510110"), 1000, 0, {}}, {QStringLiteral("1110110"), 0, 1000, {}}});
    QCOMPARE(committed(QStringLiteral("pk_v_close.set_day"),
                       {QStringLiteral("27"), QStringLiteral("202612"), QStringLiteral("04"), QStringLiteral("Y"),
                        QStringLiteral("10.9.9.9"), kFinance}),
             QStringLiteral("T"));
    const auto apply = [](const QString& flag, const QString& day) {
        SlipHeader h{QStringLiteral("K2699001"), QStringLiteral("1111"), day, QStringLiteral("K"), QStringLiteral("27")};
        SlipLine debit{QStringLiteral("8110110"), QStringLiteral("수정"), 500, 0, {}, {}};
        SlipLine credit{QStringLiteral("1110110"), QStringLiteral("수정"), 0, 500, {}, {}};
        SharedTransaction::instance().start();
        const QString answer = flag == QLatin1String("3") ? SlipStore::remove(h) : SlipStore::save(h, {debit, credit});
        SharedTransaction::instance().rollback();
        return answer;
    };
    for (const auto& [flag, day] : {std::pair{"2", "2026-12-07"}, std::pair{"3", "2026-12-04"}}) {
        const QString answer = apply(QString::fromLatin1(flag), QString::fromLatin1(day));
        QVERIFY2(answer.startsWith(QLatin1Char('E')) && answer.contains(QStringLiteral("마감")), qPrintable(answer));
    }
    // reopened, the slip may move, but not into a closed day
    QCOMPARE(committed(QStringLiteral("pk_v_close.set_day"),
                       {QStringLiteral("27"), QStringLiteral("202612"), QStringLiteral("04"), QStringLiteral("N"),
                        QStringLiteral("10.9.9.9"), kFinance}),
             QStringLiteral("T"));
    QVERIFY(apply(QStringLiteral("2"), QStringLiteral("2026-11-12")).contains(QStringLiteral("마감")));
    const QString moved = apply(QStringLiteral("2"), QStringLiteral("2026-12-07"));
    QVERIFY2(moved.startsWith(QLatin1Char('R')), qPrintable(moved));
}

void TestEngine::periods_data()
{
    QTest::addColumn<QString>("session");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("expected");  // 'T' or part of the refusal
    QTest::addColumn<QString>("slipDay");   // a slip written first, when given

    QTest::newRow("new term") << "45" << "2035-01-01" << "2035-12-31" << "T" << "";
    QTest::newRow("end before start") << "40" << "2030-12-31" << "2030-01-01" << "종료일자가 시작일자보다 빠릅니다" << "";
    QTest::newRow("overlap") << "40" << "2027-07-01" << "2028-06-30" << "다른 기수(28기)와 기간이 겹칩니다" << "";
    QTest::newRow("not whole months") << "40" << "2030-01-15" << "2030-12-31" << "월의 첫날" << "";
    QTest::newRow("letters") << "4A" << "2030-01-01" << "2030-12-31" << "숫자만" << "";
    QTest::newRow("closed term") << "26" << "2025-01-01" << "2025-12-31" << "마감된 기수는 수정할 수 없습니다" << "";
    QTest::newRow("slips would fall outside") << "28" << "2027-01-01" << "2027-06-30" << "전표가 있어" << "2027-09-15";
}

void TestEngine::periods()
{
    QFETCH(QString, session);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, expected);
    QFETCH(QString, slipDay);
    if (!slipDay.isEmpty())
        insertSlip(QStringLiteral("TPER0001"), slipDay,
                   {{QStringLiteral("7510110"), 100, 0, {}}, {QStringLiteral("1110110"), 0, 100, {}}});
    const QString answer = committed(QStringLiteral("pr_v_calender"),
                                     {session, from, to, QStringLiteral("비고"), QStringLiteral("10.9.9.9"), kFinance});
    if (expected == QLatin1String("T")) {
        QCOMPARE(answer, expected);
        QCOMPARE(number(QStringLiteral("SELECT count(*) FROM vi011ms WHERE session_id = 45")), 12);
        QCOMPARE(number(QStringLiteral("SELECT count(*) FROM vi011dt WHERE session_id = 45")), 365);
    } else {
        QVERIFY2(answer.contains(expected) && !answer.startsWith(QLatin1Char('T')), qPrintable(answer));
    }
}

void TestEngine::periodEditKeepsFlagsAndDeleteCascades()
{
    for (const auto& [session, from, to] : {std::tuple{"50", "2040-01-01", "2040-12-31"},
                                            std::tuple{"51", "2041-01-01", "2041-12-31"}})
        QCOMPARE(committed(QStringLiteral("pr_v_calender"),
                           {QString::fromLatin1(session), QString::fromLatin1(from), QString::fromLatin1(to), QString(),
                            QStringLiteral("x"), kFinance}),
                 QStringLiteral("T"));
    QCOMPARE(committed(QStringLiteral("pk_v_close.set_day"),
                       {QStringLiteral("51"), QStringLiteral("204103"), QStringLiteral("10"), QStringLiteral("Y"),
                        QStringLiteral("10.9.9.9"), kFinance}),
             QStringLiteral("T"));
    // shortening keeps the surviving day's flag; dropping it is refused
    QCOMPARE(committed(QStringLiteral("pr_v_calender"), {QStringLiteral("51"), QStringLiteral("2041-01-01"),
                                                         QStringLiteral("2041-06-30"), QString(), QStringLiteral("x"), kFinance}),
             QStringLiteral("T"));
    QCOMPARE(value(QStringLiteral("SELECT close_yn FROM vi011dt WHERE session_id = 51 AND y_month = '204103' AND day = '10'")).toString(),
             QStringLiteral("Y"));
    QCOMPARE(number(QStringLiteral("SELECT count(*) FROM vi011ms WHERE session_id = 51")), 6);
    QVERIFY(committed(QStringLiteral("pr_v_calender"), {QStringLiteral("51"), QStringLiteral("2041-04-01"),
                                                        QStringLiteral("2041-06-30"), QString(), QStringLiteral("x"), kFinance})
                .contains(QStringLiteral("마감된 일자")));
    QVERIFY(committed(QStringLiteral("pk_v_close.delete_period"), {QStringLiteral("51"), QStringLiteral("x"), kFinance})
                .startsWith(QStringLiteral("E일자별 마감된 기수")));
    QCOMPARE(committed(QStringLiteral("pk_v_close.delete_period"), {QStringLiteral("50"), QStringLiteral("x"), kFinance}),
             QStringLiteral("T"));
    QCOMPARE(number(QStringLiteral("SELECT count(*) FROM vi011ms WHERE session_id = 50")), 0);
    QCOMPARE(number(QStringLiteral("SELECT count(*) FROM vi011dt WHERE session_id = 50")), 0);
    QVERIFY(committed(QStringLiteral("pk_v_close.delete_period"), {QStringLiteral("27"), QStringLiteral("x"), kFinance})
                .startsWith(QLatin1Char('E')));
    // the client's login writes no period directly
    bool refused = false;
    try {
        Db::run(QStringLiteral("DELETE FROM vi010ms WHERE session_id = 51"));
    } catch (const ServerError&) {
        refused = true;
    }
    QVERIFY(refused);
}

void TestEngine::dayAndMonthClosing()
{
    insertSlip(QStringLiteral("TCLS0001"), QStringLiteral("2026-12-02"),
               {{QStringLiteral("5110110"), 0, 300000, {}}, {QStringLiteral("1110110"), 300000, 0, {}}}, QStringLiteral("H"));
    QCOMPARE(journalize(QStringLiteral("1"), QStringLiteral("TCLS0001"), QStringLiteral("2026-12-03")), QStringLiteral("T"));
    const QVariantList month{QStringLiteral("27"), QStringLiteral("202612"), QStringLiteral("Y"), QStringLiteral("1.1.1.1"), kFinance};
    QCOMPARE(committed(QStringLiteral("pk_v_close.set_month"), month), QStringLiteral("T"));
    QCOMPARE(number(QStringLiteral("SELECT count(*) FROM vi011dt WHERE y_month = '202612' AND close_yn = 'N'")), 0);
    // closing took the month's division sums
    QCOMPARE(number(QStringLiteral("SELECT c_amount FROM vb072ms WHERE sum_month = '202612' AND div_code = 'H' AND acct_code = '5110110'")),
             300000);
    // a slip of the closed month can no longer be cancelled
    QVERIFY(journalize(QStringLiteral("2"), QStringLiteral("TCLS0001"), QStringLiteral("2026-12-03")).contains(QStringLiteral("마감")));
    // reopening one day reopens the month and takes back what its closing made
    QCOMPARE(committed(QStringLiteral("pk_v_close.set_day"),
                       {QStringLiteral("27"), QStringLiteral("202612"), QStringLiteral("15"), QStringLiteral("N"),
                        QStringLiteral("1.1.1.1"), kFinance}),
             QStringLiteral("T"));
    QCOMPARE(value(QStringLiteral("SELECT close_yn FROM vi011ms WHERE y_month = '202612'")).toString(), QStringLiteral("N"));
    QCOMPARE(number(QStringLiteral("SELECT count(*) FROM vb072ms WHERE sum_month = '202612'")), 0);
    QCOMPARE(differences(), QStringList());
    // closing twice changes nothing
    QCOMPARE(committed(QStringLiteral("pk_v_close.set_month"), month), QStringLiteral("T"));
    QCOMPARE(committed(QStringLiteral("pk_v_close.set_month"), month), QStringLiteral("T"));
    QCOMPARE(differences(), QStringList());
}

// A seeded random sequence over two terms: confirmations, cancellations,
// month closings and reopenings. Afterwards the books equal their rebuild,
// the trial balances balance and agree with plain aggregates, and the second
// term's retained-earnings opening carries the first term's net income.
void TestEngine::randomSequenceKeepsBooksRight()
{
    makeTerms();
    QRandomGenerator rng(20261211);
    // per class 1..9 a debit-side and a credit-side account that take slips
    QStringList accts;
    {
        QSqlQuery q = Db::run(QStringLiteral(
            "SELECT min(acct_code) FROM va020ms WHERE slip_yn = 'Y' AND use_yn = 'Y' AND acct_code NOT IN "
            "(SELECT acct_code FROM va040ms WHERE d_must = 'Y' OR c_must = 'Y') GROUP BY left(acct_code, 1), dc_div "
            "ORDER BY 1"));
        while (q.next())
            accts << q.value(0).toString();
    }
    QVERIFY(accts.size() >= 10);
    const QString cash = QStringLiteral("1110110");
    const QString bank = QStringLiteral("1110120");
    const QString vat = QStringLiteral("1111220");
    QStringList slips;
    int lines = 0;
    for (int n = 0; lines < 2500; ++n) {
        const QString slipNo = QStringLiteral("T%1").arg(n, 7, 10, QLatin1Char('0'));
        const QDate day = QDate(2030, 1, 1).addDays(rng.bounded(730));
        QList<Line> ls;
        const int count = 2 + rng.bounded(6);
        qint64 total = 0;
        for (int i = 0; i + 1 < count; ++i) {
            const qint64 amount = (1 + rng.bounded(5000)) * 100;
            Line l;
            switch (rng.bounded(5)) {
            case 0:
                l.acct = bank;
                l.items = {{QStringLiteral("103"), QStringLiteral("030000000%1").arg(1 + rng.bounded(3))},
                           {QStringLiteral("104"), QStringLiteral("ACC-%1").arg(rng.bounded(2))}};
                break;
            case 1:
                l.acct = vat;
                l.items = {{QStringLiteral("154"), QStringLiteral("0100000009")}, {QStringLiteral("155"), QStringLiteral("대관령")},
                           {QStringLiteral("110"), QString::number(amount * 10)}, {QStringLiteral("124"), day.toString(Qt::ISODate)}};
                break;
            default:
                l.acct = accts.at(rng.bounded(accts.size()));
            }
            (rng.bounded(2) ? l.d : l.c) = amount;
            total += l.d - l.c;
            ls << l;
        }
        // the last line balances the slip, often through cash
        Line last;
        last.acct = rng.bounded(2) ? cash : accts.at(rng.bounded(accts.size()));
        (total > 0 ? last.c : last.d) = std::abs(total);
        ls << last;
        insertSlip(slipNo, day.toString(Qt::ISODate), ls);
        slips << slipNo;
        lines += ls.size();
    }

    int confirmed = 0, refused = 0;
    for (int step = 0; step < 900; ++step) {
        const QString slipNo = slips.at(rng.bounded(slips.size()));
        const int action = rng.bounded(10);
        if (action < 8) {
            const QVariant conf = value(QStringLiteral("SELECT conf_date FROM vb010ms WHERE slip_no = :P0"), {slipNo});
            QString answer;
            if (conf.isNull()) {
                const QDate written = value(QStringLiteral("SELECT slip_date FROM vb010ms WHERE slip_no = :P0"), {slipNo}).toDate();
                const QDate day = std::min(written.addDays(rng.bounded(20)), QDate(2031, 12, 31));
                answer = journalize(QStringLiteral("1"), slipNo, day.toString(Qt::ISODate));
            } else {
                answer = journalize(QStringLiteral("2"), slipNo, conf.toDate().toString(Qt::ISODate));
            }
            QVERIFY2(answer == QLatin1String("T") || answer.contains(QStringLiteral("마감")), qPrintable(answer));
            (answer == QLatin1String("T") ? confirmed : refused)++;
        } else {
            const QDate month = QDate(2030, 1, 1).addMonths(rng.bounded(24));
            const QString session = month.year() == 2030 ? QStringLiteral("40") : QStringLiteral("41");
            const QString flag = action == 8 ? QStringLiteral("Y") : QStringLiteral("N");
            QCOMPARE(committed(QStringLiteral("pk_v_close.set_month"),
                               {session, month.toString(QStringLiteral("yyyyMM")), flag, QStringLiteral("1.1.1.1"), kFinance}),
                     QStringLiteral("T"));
        }
    }
    QVERIFY(confirmed > 300);
    QCOMPARE(differences(), QStringList());

    // every month's trial balance balances and agrees with the lines
    for (int m = 0; m < 24; ++m) {
        const QDate first = QDate(2030, 1, 1).addMonths(m);
        const QString ym = first.toString(QStringLiteral("yyyyMM"));
        QVERIFY(committed(QStringLiteral("pr_v_vdi010sp"), {QStringLiteral("10.9.9.9"), ym}).startsWith(QLatin1Char('T')));
        QSqlQuery total = Db::run(QStringLiteral("SELECT bal_damount, bal_camount, sum_damount, sum_camount FROM vd010pr "
                                                 "WHERE ip_addr = '10.9.9.9' AND acct_code = '9999999'"));
        QVERIFY(total.next());
        QCOMPARE(total.value(0).toLongLong(), total.value(1).toLongLong());
        QCOMPARE(total.value(2).toLongLong(), total.value(3).toLongLong());
        const QString termStart = first.year() == 2030 ? QStringLiteral("2030-01-01") : QStringLiteral("2031-01-01");
        const QString wrong = value(QStringLiteral(
            "SELECT string_agg(t.acct_code, ',') FROM vd010pr t JOIN va020ms a ON a.acct_code = t.acct_code "
            "LEFT JOIN LATERAL (SELECT coalesce(sum(d_amount) FILTER (WHERE conf_date >= CAST(:P1 AS DATE)), 0) AS d, "
            "  coalesce(sum(c_amount) FILTER (WHERE conf_date >= CAST(:P1 AS DATE)), 0) AS c, "
            "  coalesce(sum(d_amount) FILTER (WHERE conf_date >= CAST(:P2 AS DATE)), 0) AS bd, "
            "  coalesce(sum(c_amount) FILTER (WHERE conf_date >= CAST(:P2 AS DATE)), 0) AS bc, "
            "  coalesce(sum(d_amount - c_amount) FILTER (WHERE conf_date < CAST(:P2 AS DATE)), 0) AS before "
            "  FROM vb011ms l WHERE l.acct_code = t.acct_code AND l.conf_date <= (CAST(:P1 AS DATE) + INTERVAL '1 month - 1 day')) x ON true "
            "WHERE t.ip_addr = '10.9.9.9' AND t.acct_upcd IS NOT NULL "
            "  AND ((t.d_amount, t.c_amount, t.bd_amount, t.bc_amount) <> (x.d, x.c, x.bd, x.bc) "
            "       OR (left(t.acct_code, 1) < '4' AND t.acct_code <> '3790100' "
            "           AND t.bf_damount - t.bf_camount <> x.before))"),
                                   {QVariant(), first.toString(Qt::ISODate), termStart}).toString();
        QVERIFY2(wrong.isEmpty(), qPrintable(ym + QLatin1Char(' ') + wrong));
    }

    // the carry-forward into 2031: retained earnings bring the 2030 income
    const qint64 income2030 = number(QStringLiteral(
        "SELECT sum(c_amount - d_amount) FROM vb011ms WHERE left(acct_code, 1) BETWEEN '4' AND '9' "
        "AND conf_date BETWEEN '2030-01-01' AND '2030-12-31'"));
    const qint64 reOwn2030 = number(QStringLiteral(
        "SELECT bal_amount FROM vb071ms WHERE acct_code = '3790100' AND sum_month = '203012'"));
    QCOMPARE(number(QStringLiteral("SELECT bal_amount FROM vb070ms WHERE session_id = 41 AND acct_code = '3790100'")),
             reOwn2030 + income2030);
    QCOMPARE(committed(QStringLiteral("pk_v_close.carry_forward"), {QStringLiteral("40"), kFinance}).left(1), QStringLiteral("T"));
    QCOMPARE(differences(), QStringList());
    // balances through the kernel agree with the lines, for items as well
    QCOMPARE(number(QStringLiteral("SELECT pk_v_ledger.balance_before('1110120', DATE '2031-07-15', '103', '0300000001')")),
             number(QStringLiteral("SELECT coalesce(sum(d_amount - c_amount), 0) FROM vb011dt WHERE acct_code = '1110120' "
                                   "AND mg_code = '103' AND mg_detail = '0300000001' AND conf_date < '2031-07-15'")));
    const QString expense = accts.last();
    QCOMPARE(number(QStringLiteral("SELECT pk_v_ledger.balance_at(:P0, DATE '2031-03-31')"), {expense}),
             number(QStringLiteral("SELECT pk_v_ledger.side_of(:P0) * coalesce(sum(d_amount - c_amount), 0) FROM vb011ms "
                                   "WHERE acct_code = :P0 AND conf_date BETWEEN '2031-01-01' AND '2031-03-31'"),
                    {expense}));
    QCOMPARE(number(QStringLiteral("SELECT balance FROM pk_v_ledger.ledger_rows(:P0, DATE '2030-11-01', DATE '2031-02-28') "
                                   "WHERE row_kind = 'T'"),
                    {expense}),
             number(QStringLiteral("SELECT pk_v_ledger.balance_at(:P0, DATE '2031-02-28')"), {expense}));
}

// Two connections confirming and cancelling overlapping slips at once:
// every call is done whole or refused with a text, and the books agree.
void TestEngine::concurrentPostingIsWholeOrRefused()
{
    QStringList slips;
    for (int n = 0; n < 40; ++n) {
        const QString slipNo = QStringLiteral("TCC%1").arg(n, 5, 10, QLatin1Char('0'));
        insertSlip(slipNo, QStringLiteral("2026-12-0%1").arg(1 + n % 9),
                   {{QStringLiteral("7510110"), 1000 + n, 0, {}},
                    {QStringLiteral("1110120"), 0, 1000 + n, {{QStringLiteral("103"), QStringLiteral("0300000001")}}}});
        slips << slipNo;
    }
    std::atomic<int> done{0}, refusedWithText{0}, errors{0};
    QList<QThread*> threads;
    for (int t = 0; t < 2; ++t) {
        threads << QThread::create([&, t] {
            const QString name = QStringLiteral("poster%1").arg(t);
            {
                QSqlDatabase db = TestDb::openConnection(name, m_db->name());
                QRandomGenerator rng(t + 1);
                for (int i = 0; i < 150; ++i) {
                    QSqlQuery q(db);
                    db.transaction();
                    bool ok = true;
                    QString answer;
                    // a run of three slips in one transaction, as the screen does
                    for (int k = 0; k < 3 && ok; ++k) {
                        const QString slipNo = slips.at(rng.bounded(slips.size()));
                        q.prepare(QStringLiteral("SELECT CASE WHEN conf_date IS NULL THEN '1' ELSE '2' END, "
                                                 "coalesce(to_char(conf_date, 'YYYY-MM-DD'), '2026-12-10') FROM vb010ms WHERE slip_no = ?"));
                        q.addBindValue(slipNo);
                        if (!q.exec() || !q.next()) {
                            ok = false;
                            ++errors;
                            break;
                        }
                        const QString flag = q.value(0).toString(), day = q.value(1).toString();
                        for (const char* proc : {"pk_v_journalize.def_confdate", "pk_v_journalize.pr_journalmain"}) {
                            q.prepare(QStringLiteral("SELECT %1(?, ?, ?, '2003')").arg(QString::fromLatin1(proc)));
                            q.addBindValue(flag);
                            q.addBindValue(slipNo);
                            q.addBindValue(day);
                            if (!q.exec() || !q.next()) {
                                ok = false;
                                ++errors;
                                break;
                            }
                            answer = q.value(0).toString();
                            if (answer.startsWith(QLatin1Char('E'))) {
                                ok = false;
                                ++refusedWithText;
                                break;
                            }
                        }
                    }
                    if (ok) {
                        db.commit();
                        ++done;
                    } else {
                        db.rollback();
                    }
                }
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
    QCOMPARE(errors.load(), 0);
    QVERIFY(done.load() > 100);
    qInfo("runs done %d, refused with a text %d", done.load(), refusedWithText.load());
    QCOMPARE(differences(), QStringList());
    // header, lines and item values agree on every slip's state
    QCOMPARE(number(QStringLiteral(
                 "SELECT count(*) FROM vb010ms h JOIN vb011ms l ON l.slip_no = h.slip_no "
                 "LEFT JOIN vb011dt i ON i.slip_no = l.slip_no AND i.slip_seq_no = l.slip_seq_no "
                 "WHERE h.slip_no LIKE 'TCC%' AND (l.conf_date IS DISTINCT FROM h.conf_date "
                 "OR (i.slip_no IS NOT NULL AND i.conf_date IS DISTINCT FROM h.conf_date))")),
             0);
}

TV_TEST_MAIN(TestEngine)
#include "tst_engine.moc"
