// Start-up contract: password encoding, argument count, connection through a
// service name and its failure messages, single instance, splash shape.
#include "common/Session.h"
#include "shell/PasswordCodec.h"
#include "shell/SingleInstance.h"
#include "shell/V0Main.h"
#include "shell/ZZC010.h"
#include "shell/ZZD000.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void passwordRoundTrip_data();
    void passwordRoundTrip();
    void garbledPasswordNeverCrashes();
    void passwordResolution();
    void argumentCountIsRefused_data();
    void argumentCountIsRefused();
    void connectsThroughServiceAndReadsDisplayName();
    void connectionFailures_data();
    void connectionFailures();
    void serverAtItsSessionLimit();
    void unresolvableHostLeavesIpEmpty();
    void secondCopyRaisesFirst();
    void splashRegionFollowsMask();

private:
    QString m_database;
    QTemporaryDir m_dir;
};

void TestStartup::initTestCase()
{
    m_database = TestDb::createDatabase();
    TestDb::writeServiceFile(m_dir.path(), m_database);
}

void TestStartup::cleanupTestCase()
{
    TestDb::dropDatabase(m_database);
}

void TestStartup::passwordRoundTrip_data()
{
    QTest::addColumn<QString>("password");
    QTest::newRow("typical") << "acct#2026";
    QTest::newRow("one char") << "x";
    QTest::newRow("sixteen") << "0123456789abcdef";
    QTest::newRow("longer than a block") << "a-much-longer-password-than-16";
    QTest::newRow("blanks inside") << "pass word";
}

void TestStartup::passwordRoundTrip()
{
    QFETCH(QString, password);
    const QString encoded = PasswordCodec::encode(password);
    QVERIFY(encoded.size() >= 64);
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]+$")).match(encoded).hasMatch());
    QCOMPARE(PasswordCodec::decode(encoded), password);
    QCOMPARE(PasswordCodec::decode(encoded.toLower()), password);
    QVERIFY(PasswordCodec::decode(encoded, PasswordCodec::kStartKey ^ 0x1111) != password);
}

void TestStartup::garbledPasswordNeverCrashes()
{
    for (const QString& junk : {QStringLiteral("zz"), QStringLiteral("ABC"), QString(200, QLatin1Char('G')),
                                QStringLiteral("한글"), QStringLiteral("0")})
        PasswordCodec::decode(junk);
}

void TestStartup::passwordResolution()
{
    QTemporaryDir exe;
    const QString dir = exe.path() + QLatin1Char('/');
    QCOMPARE(TfrmZZD000::resolvePassword(dir, QStringLiteral("acct")), QStringLiteral("acct"));
    {
        QSettings ini(dir + QStringLiteral("TVUpdate.ini"), QSettings::IniFormat);
        ini.setValue(QStringLiteral("PROGRAM/PASS"), QString());
    }
    QCOMPARE(TfrmZZD000::resolvePassword(dir, QStringLiteral("acct")), QStringLiteral("acct"));
    {
        QSettings ini(dir + QStringLiteral("TVUpdate.ini"), QSettings::IniFormat);
        ini.setValue(QStringLiteral("PROGRAM/PASS"), PasswordCodec::encode(QStringLiteral("s3cret")));
    }
    QCOMPARE(TfrmZZD000::resolvePassword(dir, QStringLiteral("acct")), QStringLiteral("s3cret"));
}

void TestStartup::argumentCountIsRefused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("none") << QStringList{};
    QTest::newRow("three") << QStringList{TestDb::kService, TestDb::kUser, QStringLiteral("1001")};
    QTest::newRow("five") << QStringList{TestDb::kService, TestDb::kUser, QStringLiteral("1001"), QStringLiteral("관리자"), QStringLiteral("x")};
}

void TestStartup::argumentCountIsRefused()
{
    QFETCH(QStringList, args);
    ScriptedDialogs dialogs;
    TfrmZZD000 module(args);
    QVERIFY(module.terminateRequested());
    QVERIFY(!module.isConnected());
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("이 프로그램은 단독으로 실행되지 않습니다.\n"
                                                         "메인 프로그램(Talvane.exe)으로 실행하십시오.")});
    QCOMPARE(dialogs.shown.first().kind, int(DialogService::Error));
}

void TestStartup::connectsThroughServiceAndReadsDisplayName()
{
    ScriptedDialogs dialogs;
    const QString exeDir = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath() + QLatin1Char('/');
    QSettings(exeDir + QStringLiteral("TVUpdate.ini"), QSettings::IniFormat)
        .setValue(QStringLiteral("PROGRAM/PASS"), PasswordCodec::encode(TestDb::kPassword));
    {
        TfrmZZD000 module({TestDb::kService, TestDb::kUser, QStringLiteral("2001"), QStringLiteral("김회계")});
        QVERIFY2(module.isConnected(), qPrintable(dialogs.lastText()));
        QCOMPARE(Session::empNo, QStringLiteral("2001"));
        QCOMPARE(Session::empName, QStringLiteral("김회계"));
        QCOMPARE(Session::exeDir, exeDir);
        QVERIFY(module.ConnectDatabase());  // already open: nothing new
        TfrmV0Main main;
        QCOMPARE(main.windowTitle(), QStringLiteral("일반관리 회계(한빛리조트 본사)"));
    }
    QFile::remove(exeDir + QStringLiteral("TVUpdate.ini"));
    QVERIFY(dialogs.shown.isEmpty());
}

void TestStartup::connectionFailures_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("expectedStart");
    QTest::newRow("wrong password") << TestDb::kService << "wrong" << "ORA-01017";
    QTest::newRow("unknown service") << "no_such_service" << TestDb::kPassword << "ORA-12154";
    QTest::newRow("server down") << TestDb::kService + "_down" << TestDb::kPassword << "ORA-12541";
}

void TestStartup::connectionFailures()
{
    QFETCH(QString, service);
    QFETCH(QString, password);
    QFETCH(QString, expectedStart);
    ScriptedDialogs dialogs;
    QTemporaryDir exe;
    const QString exeDir = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath() + QLatin1Char('/');
    QSettings(exeDir + QStringLiteral("TVUpdate.ini"), QSettings::IniFormat)
        .setValue(QStringLiteral("PROGRAM/PASS"), PasswordCodec::encode(password));
    {
        TfrmZZD000 module({service, TestDb::kUser, QStringLiteral("1001"), QStringLiteral("관리자")});
        QVERIFY(!module.isConnected());
    }
    QFile::remove(exeDir + QStringLiteral("TVUpdate.ini"));
    QCOMPARE(dialogs.shown.size(), 1);
    const QString prefix = QStringLiteral("데이터베이스와 연결할 수 없습니다.\n\n에러내용:\n");
    QVERIFY2(dialogs.lastText().startsWith(prefix + expectedStart), qPrintable(dialogs.lastText()));
}

void TestStartup::serverAtItsSessionLimit()
{
    // The database admits no further session: the user is told to try again
    // later rather than shown the raw connection error.
    const QString admin = QStringLiteral("tv_limit_admin");
    auto setLimit = [&](int limit) {
        QSqlQuery q(QSqlDatabase::database(admin));
        QVERIFY2(q.exec(QStringLiteral("ALTER DATABASE %1 CONNECTION LIMIT %2").arg(m_database).arg(limit)),
                 qPrintable(q.lastError().text()));
    };
    TestDb::openOwnerConnection(admin, QStringLiteral("postgres"));
    setLimit(0);
    ScriptedDialogs dialogs;
    const QString exeDir = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath() + QLatin1Char('/');
    QSettings(exeDir + QStringLiteral("TVUpdate.ini"), QSettings::IniFormat)
        .setValue(QStringLiteral("PROGRAM/PASS"), PasswordCodec::encode(TestDb::kPassword));
    bool connected = true;
    {
        TfrmZZD000 module({TestDb::kService, TestDb::kUser, QStringLiteral("1001"), QStringLiteral("관리자")});
        connected = module.isConnected();
    }
    QFile::remove(exeDir + QStringLiteral("TVUpdate.ini"));
    setLimit(-1);
    QSqlDatabase::database(admin).close();
    QSqlDatabase::removeDatabase(admin);
    QVERIFY(!connected);
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("현재 너무 많은 사용자가 사용 중이므로 연결할 수 없습니다.\n"
                                                         "잠시 후 다시 시도하십시오.")});
}

void TestStartup::unresolvableHostLeavesIpEmpty()
{
    QCOMPARE(TfrmZZD000::localIPv4(QString()), QString());
    QCOMPARE(TfrmZZD000::localIPv4(QStringLiteral("no-such-host.invalid")), QString());
    QCOMPARE(TfrmZZD000::localIPv4(QStringLiteral("localhost")), QStringLiteral("127.0.0.1"));
}

void TestStartup::secondCopyRaisesFirst()
{
    const QString key = QStringLiteral("tvacct_test_%1").arg(QCoreApplication::applicationPid());
    SingleInstance first(key);
    QVERIFY(first.acquire());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    SingleInstance second(key);
    QVERIFY(!second.acquire());
    QTRY_COMPARE(raised.size(), 1);
}

void TestStartup::splashRegionFollowsMask()
{
    QImage mask(20, 2, QImage::Format_Mono);
    mask.fill(1);
    for (int x = 2; x < 5; ++x)
        mask.setPixel(x, 0, 0);
    for (int x = 15; x < 20; ++x)
        mask.setPixel(x, 1, 0);
    const QRegion region = TfrmZZC010::regionFromMask(mask);
    QCOMPARE(region.rectCount(), 2);
    QVERIFY(region.contains(QPoint(2, 0)) && region.contains(QPoint(4, 0)) && !region.contains(QPoint(5, 0)));
    QVERIFY(region.contains(QPoint(19, 1)) && !region.contains(QPoint(20, 1)));
    QCOMPARE(TfrmZZC010::versionText(QStringLiteral("1.0.0.1")), QStringLiteral("1.0.0.1"));
    QCOMPARE(TfrmZZC010::versionText(QString()), QString());
}

TV_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
