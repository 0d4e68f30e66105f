// The query helper's daily SQL log, the wait window and ClearPanel.
#include "common/AppErrors.h"
#include "common/Db.h"
#include "common/NumEdit.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/WaitWindow.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

class TestSqlLog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void init() { QFile::remove(SqlLog::fileName()); }
    void fileNameAndPrefix();
    void openAndExecuteBlocks();
    void failedStatementHasNoTiming();
    void boundValuesBesideTheStatement();
    void boundValueTexts_data();
    void boundValueTexts();
    void passwordNeverLogged();
    void unwritableLogStopsTheStatement();
    void waitWindowLifecycle();
    void clearPanelTouchesOnlyDirectChildren();

private:
    QStringList logLines() const;
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_dir;
};

void TestSqlLog::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Session::exeDir = m_dir.path() + QLatin1Char('/');
    ExecSql(QStringLiteral("CREATE TABLE log_probe (n INT)"));
}

QStringList TestSqlLog::logLines() const
{
    QFile file(SqlLog::fileName());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    if (!text.isEmpty())
        [&] { QVERIFY(text.endsWith(QLatin1String("\r\n"))); }();
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

void TestSqlLog::fileNameAndPrefix()
{
    QCOMPARE(SqlLog::fileName(), Session::exeDir + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))
                                     + QStringLiteral("_127.0.0.1_1001_tvacct.LOG"));
    const QDateTime at(QDate(2026, 12, 10), QTime(9, 5, 7, 42));
    QCOMPARE(SqlLog::prefix(at, QStringLiteral("frmV0Main")), QStringLiteral("[2026-12-10  09:05:07.042]  frmV0Main / "));
    QCOMPARE(SqlLog::prefix(at, QStringLiteral("ab")), QStringLiteral("[2026-12-10  09:05:07.042]  ab        / "));
    QCOMPARE(SqlLog::gapText(3723004), QStringLiteral("01:02:03.004"));
}

void TestSqlLog::openAndExecuteBlocks()
{
    QSqlQuery q = RunQuery(QStringLiteral("SELECT n\n\n   FROM log_probe\n  \nWHERE n > :P0"), {0}, QStringLiteral("OPEN"));
    QVERIFY(!q.next());
    QCOMPARE(ExecSql(QStringLiteral("INSERT INTO log_probe\nSELECT generate_series(1, 3)")), 3);

    const QStringList lines = logLines();

    static const QRegularExpression prefix(QStringLiteral("^\\[\\d{4}-\\d\\d-\\d\\d  \\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\]  .{9,} / "));
    QVERIFY(prefix.match(lines[0]).hasMatch());
    QVERIFY(lines[0].endsWith(QLatin1String("/ Sql Statement")));
    QCOMPARE(lines.mid(1, 4), (QStringList{"SELECT n", "   FROM log_probe", "WHERE n > :P0", " -- :P0=0"}));
    QVERIFY(QRegularExpression(QStringLiteral("/ OpenTime_Gap = \\d\\d:\\d\\d:\\d\\d\\.\\d{3}$")).match(lines[5]).hasMatch());
    // The timing line carries the prefix taken before the statement ran.
    QCOMPARE(lines[5].left(lines[5].indexOf(QLatin1String("/ ")) + 2), lines[0].left(lines[0].indexOf(QLatin1String("/ ")) + 2));
    QVERIFY(lines[6].endsWith(QLatin1String("/ Sql Statement")));
    QCOMPARE(lines.mid(7, 2), (QStringList{"INSERT INTO log_probe", "SELECT generate_series(1, 3)"}));
    QVERIFY(lines[9].endsWith(QLatin1String("/ ExecuteCount = 3")));
    QVERIFY(QRegularExpression(QStringLiteral("/ ExecTime_Gap = \\d\\d:\\d\\d:\\d\\d\\.\\d{3}$")).match(lines[10]).hasMatch());
}

void TestSqlLog::failedStatementHasNoTiming()
{
    QVERIFY_THROWS_EXCEPTION(ServerError, RunQuery(QStringLiteral("SELECT * FROM no_table")));
    const QStringList lines = logLines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[1], QStringLiteral("SELECT * FROM no_table"));
}

void TestSqlLog::boundValuesBesideTheStatement()
{
    RunQuery(QStringLiteral("SELECT n\n  FROM log_probe\n WHERE n > :P0 AND n < :P1 AND CAST(:P2 AS TEXT) IS NULL"),
             {1, 5, QString()}, QStringLiteral("Open"));
    ExecSql(QStringLiteral("INSERT INTO log_probe VALUES (:P0)"), {7});
    RunQueryRow(QStringLiteral("SELECT :P0 || :P1"), {QStringLiteral("O'Neil"), QStringLiteral("전표")});
    // Statements with names of their own are bound in order of occurrence.
    QSqlQuery named(Db::connection());
    RunQuery(named, QStringLiteral("SELECT n FROM log_probe\n WHERE n = :code OR n = :other OR n = :code"), {1, 2, 3},
             QStringLiteral("Open"));
    ExecSql(QStringLiteral("DELETE FROM log_probe WHERE n = 7"));

    const QStringList lines = logLines();
    QCOMPARE(lines.mid(1, 4), (QStringList{"SELECT n", "  FROM log_probe", " WHERE n > :P0 AND n < :P1 AND CAST(:P2 AS TEXT) IS NULL",
                                           " -- :P0=1, :P1=5, :P2=NULL"}));
    QVERIFY(lines[5].contains(QLatin1String("OpenTime_Gap")));
    QCOMPARE(lines.mid(7, 2), (QStringList{"INSERT INTO log_probe VALUES (:P0)", " -- :P0=7"}));
    QVERIFY(lines[9].endsWith(QLatin1String("ExecuteCount = 1")));
    QCOMPARE(lines.mid(12, 2), (QStringList{"SELECT :P0 || :P1", " -- :P0='O''Neil', :P1='전표'"}));
    QCOMPARE(lines.mid(16, 3), (QStringList{"SELECT n FROM log_probe", " WHERE n = :code OR n = :other OR n = :code",
                                            " -- :code=1, :other=2, :code=3"}));
    // A statement without values has no values line.
    QCOMPARE(lines[21], QStringLiteral("DELETE FROM log_probe WHERE n = 7"));
    QVERIFY(lines[22].endsWith(QLatin1String("ExecuteCount = 1")));
}

void TestSqlLog::boundValueTexts_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("null") << QVariant() << "NULL";
    QTest::newRow("empty text travels as NULL") << QVariant(QString()) << "NULL";
    QTest::newRow("blank") << QVariant(QStringLiteral(" ")) << "' '";
    QTest::newRow("text") << QVariant(QStringLiteral("1110110")) << "'1110110'";
    QTest::newRow("quote") << QVariant(QStringLiteral("a'b")) << "'a''b'";
    QTest::newRow("line break") << QVariant(QStringLiteral("첫줄\r\n둘째\\줄")) << "E'첫줄\\r\\n둘째\\\\줄'";
    QTest::newRow("integer") << QVariant(42) << "42";
    QTest::newRow("large amount") << QVariant(qlonglong(999999999999999)) << "999999999999999";
    QTest::newRow("fraction") << QVariant(0.5) << "0.5";
    QTest::newRow("bool") << QVariant(true) << "TRUE";
    QTest::newRow("date") << QVariant(QDate(2026, 3, 15)) << "'2026-03-15'";
    QTest::newRow("date and time") << QVariant(QDateTime(QDate(2026, 3, 15), QTime(9, 5, 7, 42))) << "'2026-03-15 09:05:07.042'";
    QTest::newRow("binary") << QVariant(QByteArray(1234, 'x')) << "<1234 bytes>";
}

void TestSqlLog::boundValueTexts()
{
    QFETCH(QVariant, value);
    QFETCH(QString, text);
    QCOMPARE(SqlLog::boundValuesLine(QStringLiteral("SELECT :P0"), {value}), QStringLiteral(" -- :P0=") + text);
}

void TestSqlLog::passwordNeverLogged()
{
    const QString password = Db::connection().password();
    QVERIFY(!password.isEmpty());
    RunQuery(QStringLiteral("SELECT :P0 = :P1"), {password, QStringLiteral("x")});
    const QString text = logLines().join(QLatin1Char('\n'));
    QVERIFY(!text.contains(password));
    QVERIFY(text.contains(QLatin1String(" -- :P0=*****, :P1='x'")));
}

void TestSqlLog::unwritableLogStopsTheStatement()
{
    const QString saved = Session::exeDir;
    Session::exeDir = QStringLiteral("/nonexistent-folder/");
    QVERIFY_THROWS_EXCEPTION(AppError, ExecSql(QStringLiteral("INSERT INTO log_probe VALUES (99)")));
    Session::exeDir = saved;
    QSqlQuery q = RunQuery(QStringLiteral("SELECT count(*) FROM log_probe WHERE n = 99"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 0);
}

void TestSqlLog::waitWindowLifecycle()
{
    QVERIFY(!WaitWindow());
    ShowWait(QStringLiteral("전표를 저장하고 있습니다"));
    QWidget* first = WaitWindow();
    QVERIFY(first && first->isVisible());
    QCOMPARE(first->windowTitle(), QStringLiteral("처리중..."));
    QCOMPARE(first->width(), 400);
    ShowWait(QStringLiteral("두 번째"));
    QCOMPARE(WaitWindow(), first);
    HideWait();
    QVERIFY(!WaitWindow());
    HideWait();
}

void TestSqlLog::clearPanelTouchesOnlyDirectChildren()
{
    QWidget panel;
    auto* edit = new QLineEdit(QStringLiteral("x"), &panel);
    auto* num = new NumEdit(&panel);
    num->setValue(12);
    auto* combo = new QComboBox(&panel);
    combo->addItems({QStringLiteral("a"), QStringLiteral("b")});
    combo->setCurrentIndex(1);
    auto* group = new QGroupBox(&panel);
    auto* r1 = new QRadioButton(group);
    auto* r2 = new QRadioButton(group);
    r2->setChecked(true);
    auto* nested = new QWidget(&panel);
    auto* inner = new QLineEdit(QStringLiteral("keep"), nested);
    ClearPanel(&panel);
    QVERIFY(edit->text().isEmpty());
    QCOMPARE(num->value(), 0.0);
    QCOMPARE(combo->currentIndex(), -1);
    QVERIFY(r1->isChecked());
    QCOMPARE(inner->text(), QStringLiteral("keep"));
}

TV_TEST_MAIN(TestSqlLog)
#include "tst_sqllog.moc"
