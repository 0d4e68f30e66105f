// The amount in words that printed slips carry: numerals for every digit,
// group units only where the group holds a digit, the two modes, and what
// happens at the edges (NULL, negative, fractions, too large, unknown mode).
#include "common/AppErrors.h"
#include "common/Db.h"
#include "support/TestDb.h"
#include "support/TestMain.h"

class TestNumToHan : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(); }
    void cleanupTestCase() { m_db.reset(); }
    void words_data();
    void words();
    void nullAmountGivesNull();
    void refusals_data();
    void refusals();

private:
    std::unique_ptr<TestDatabase> m_db;
};

void TestNumToHan::words_data()
{
    QTest::addColumn<QString>("amount");  // numeric text, as the server takes it
    QTest::addColumn<QString>("plain");   // mode '1'
    QTest::addColumn<QString>("won");     // mode '2'

    const struct {
        const char* amount;
        const char* plain;
    } rows[] = {
        {"0", "영"},
        {"1", "일"},
        {"10", "일십"},
        {"10000", "일만"},
        {"12345678", "일천이백삼십사만오천육백칠십팔"},
        {"100000000", "일억"},
        {"1000000000000", "일조"},
        // Zero digits and zero groups inside a number write nothing.
        {"1001", "일천일"},
        {"20050", "이만오십"},
        {"100010000", "일억일만"},
        {"300000005", "삼억오"},
        {"99999", "구만구천구백구십구"},
        // The largest slip amount (15 digits).
        {"999999999999999", "구백구십구조구천구백구십구억구천구백구십구만구천구백구십구"},
        {"10000000000000000", "일경"},
        // Negative corrections and fractions (rounded to whole won).
        {"-1500", "마이너스 일천오백"},
        {"1234.5", "일천이백삼십오"},
        {"0.4", "영"},
    };
    for (const auto& r : rows)
        QTest::newRow(r.amount) << QString::fromLatin1(r.amount) << QString::fromUtf8(r.plain)
                                << QString::fromUtf8(r.plain) + QStringLiteral("원정");
}

void TestNumToHan::words()
{
    QFETCH(QString, amount);
    QFETCH(QString, plain);
    QFETCH(QString, won);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT FN_V_NUMTOHAN('1', CAST(:P0 AS NUMERIC))"), {amount}).toString(), plain);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT FN_V_NUMTOHAN('2', CAST(:P0 AS NUMERIC))"), {amount}).toString(), won);
}

// The slip print asks for the words of a sum that has no rows: nothing prints.
void TestNumToHan::nullAmountGivesNull()
{
    const QVariant v = Db::scalar(QStringLiteral("SELECT FN_V_NUMTOHAN('2', SUM(C_AMOUNT)) FROM VB011MS WHERE 1 = 0"));
    QVERIFY(v.isNull());
}

void TestNumToHan::refusals_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("amount");
    QTest::newRow("unknown mode") << QStringLiteral("3") << QStringLiteral("100");
    QTest::newRow("no mode") << QString() << QStringLiteral("100");
    QTest::newRow("beyond 경") << QStringLiteral("2") << QStringLiteral("123456789012345678901");
}

void TestNumToHan::refusals()
{
    QFETCH(QString, mode);
    QFETCH(QString, amount);
    try {
        Db::scalar(QStringLiteral("SELECT FN_V_NUMTOHAN(CAST(:P0 AS TEXT), CAST(:P1 AS NUMERIC))"), {mode, amount});
        QFAIL("no error raised");
    } catch (const ServerError& e) {
        QCOMPARE(e.nativeError(), 20001);
    }
}

TV_TEST_MAIN(TestNumToHan)
#include "tst_numtohan.moc"
