// Error translation, the error dialog, the database error mapping and the
// application-wide handler.
#include "common/Db.h"
#include "common/Query.h"
#include "common/Transaction.h"
#include "shell/ErrorDlg.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

class TestErrors : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(); }
    void cleanupTestCase() { m_db.reset(); }
    void translate_data();
    void translate();
    void dialogLabelAndDetails();
    void otherKinds_data();
    void otherKinds();
    void infoToggle();
    void printFailureAndSuccess();
    void rollsBackAfterClose();
    void silentAbortIsNeverShown();
    void postgresFailuresMapToNativeNumbers_data();
    void postgresFailuresMapToNativeNumbers();
    void failureWithoutNativeNumberStillExplainsItself();
    void lockNotAvailableFromAnotherSession();
    void connectionTextsMapToNativeNumbers_data();
    void connectionTextsMapToNativeNumbers();
    void uncaughtEventErrorReachesDialog();
    void everyActionAfterALostConnectionSaysSo();

private:
    std::unique_ptr<TestDatabase> m_db;
};

void TestErrors::translate_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    const QString defaultText = QStringLiteral("데이터베이스 오류입니다.\n") + DefaultErrorAdvice;
    const QString network = QStringLiteral("네트워크가 올바르게 동작하는지 확인하고 네트워크설정이 올바른지 확인하십시오.");
    QTest::newRow("1") << 1 << "ORA-00001: x" << "같은 키값을 가지는 자료가 이미 존재합니다.";
    QTest::newRow("54") << 54 << "" << "다른 사용자가 같은 자료로 작업하고 있습니다. 잠시후에 다시 시도해 보십시오";
    QTest::newRow("1400") << 1400 << "" << "자료를 저장할 수 없습니다\n반드시 입력해야 하는 값을 넣지 않았습니다.";
    QTest::newRow("1407 shares 1400") << 1407 << "" << "자료를 저장할 수 없습니다\n반드시 입력해야 하는 값을 넣지 않았습니다.";
    QTest::newRow("911 without colon") << 911 << "abc" << "bc";
    QTest::newRow("1850 behind colon") << 1850 << "ORA-01850: hour must be" << "hour must be";
    QTest::newRow("1899 border") << 1899 << "ORA-01899: x" << "x";
    QTest::newRow("1900 outside") << 1900 << "ORA-01900: x" << defaultText;
    QTest::newRow("942") << 942 << "" << "데이타베이스 테이블이 존재하지 않습니다.";
    QTest::newRow("2292") << 2292 << "" << "자료를 수정하거나 삭제할 수 없습니다.\n이 자료를 참조하고 있는 자료가 있습니다.";
    QTest::newRow("3114") << 3114 << "" << "서버와의 연결이 끊어졌습니다.\n 프로그램을 종료한 후에 다시 로그인하십시오.";
    QTest::newRow("12149 outside") << 12149 << "" << defaultText;
    QTest::newRow("12150 border") << 12150 << "" << network;
    QTest::newRow("12285 border") << 12285 << "" << network;
    QTest::newRow("12286 outside") << 12286 << "" << defaultText;
    QTest::newRow("12499 outside") << 12499 << "" << defaultText;
    QTest::newRow("12500 border") << 12500 << "" << network;
    QTest::newRow("12699 border") << 12699 << "" << network;
    QTest::newRow("user error with stack") << 20001 << "ORA-20001: 전표가 이미 승인되었습니다\nORA-06512: at line 5"
                                           << "전표가 이미 승인되었습니다\n";
    QTest::newRow("user error alone") << 20999 << "ORA-20999: 잔액 부족: 확인" << "잔액 부족: 확인";
    QTest::newRow("21000 outside") << 21000 << "ORA-21000: x" << defaultText;
}

void TestErrors::translate()
{
    QFETCH(int, number);
    QFETCH(QString, message);
    QFETCH(QString, expected);
    QCOMPARE(TranslateOracleError(number, message), expected);
}

void TestErrors::dialogLabelAndDetails()
{
    const ServerError error({{0, "X0", "ignored"},
                             {1, "23505", "ORA-00001: duplicate key  "},
                             {2292, "23503", "ORA-02292: still referenced\r\ndetail"}});
    TFrmError dialog(nullptr, std::make_exception_ptr(error));
    QCOMPARE(dialog.messageText(), TranslateOracleError(2292, QString()));
    QCOMPARE(dialog.detailsText(),
             QStringLiteral("\n☞ ErrorCode : $23505\n☞ Message : ORA-00001: duplicate key\n☞ NativeError : 1\n"
                            "\n☞ ErrorCode : $23503\n☞ Message : ORA-02292: still referenced\ndetail\n☞ NativeError : 2292"));

    TFrmError empty(nullptr, std::make_exception_ptr(ServerError({{0, "", "nothing"}})));
    QVERIFY(empty.messageText().isEmpty());
    QVERIFY(empty.detailsText().isEmpty());
}

void TestErrors::otherKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("label");
    QTest::newRow("database") << 0 << "데이터베이스 오류 입니다.";
    QTest::newRow("conversion") << 1 << "문자열의 형식이 올바르지 않습니다.";
    QTest::newRow("zero divide") << 2 << "0으로 나누기를 할 수 없습니다.";
    QTest::newRow("input mask") << 3 << "입력한 값의 형식이 올바르지 않습니다.\n입력값을 확인하십시오.";
    QTest::newRow("out of memory") << 4 << "메모리가 부족하여 작업을 계속할 수 없습니다. \n다른 프로그램이나 윈도우를 종료한 후에 작업을 계속하십시오.";
    QTest::newRow("other") << 5 << "Exception\nboom";
}

void TestErrors::otherKinds()
{
    QFETCH(int, kind);
    QFETCH(QString, label);
    std::exception_ptr error;
    switch (kind) {
    case 0: error = std::make_exception_ptr(DatabaseError(QStringLiteral(" lost "))); break;
    case 1: error = std::make_exception_ptr(ConversionError(QStringLiteral("'x' is not a number"))); break;
    case 2: error = std::make_exception_ptr(DivByZeroError(QStringLiteral("Division by zero"))); break;
    case 3: error = std::make_exception_ptr(InputMaskError(QStringLiteral("bad mask"))); break;
    case 4: error = std::make_exception_ptr(std::bad_alloc()); break;
    default: error = std::make_exception_ptr(std::runtime_error("boom")); break;
    }
    TFrmError dialog(nullptr, error);
    QCOMPARE(dialog.messageText(), label);
    if (kind == 0)
        QCOMPARE(dialog.detailsText(), QStringLiteral("☞ Message : lost"));
    else
        QVERIFY(dialog.detailsText().startsWith(QStringLiteral("\n☞ ErrorCode : $")));
}

void TestErrors::infoToggle()
{
    TFrmError dialog(nullptr, std::make_exception_ptr(DatabaseError(QStringLiteral("x"))));
    auto* info = dialog.findChildren<QPushButton*>().at(2);
    QCOMPARE(dialog.height(), 121);
    QCOMPARE(dialog.width(), 510);
    info->click();
    QCOMPARE(dialog.height(), 212);
    QCOMPARE(info->text(), QStringLiteral("정보 <<"));
    info->click();
    QCOMPARE(dialog.height(), 121);
    QCOMPARE(info->text(), QStringLiteral("정보 >>"));
    QVERIFY(!dialog.detailsShown());
}

void TestErrors::printFailureAndSuccess()
{
    ScriptedDialogs dialogs;
    {
        TFrmError dialog(nullptr, std::make_exception_ptr(DatabaseError(QStringLiteral("x"))));
        dialog.btnPrintClick();
        QCOMPARE(dialogs.lastText(), QStringLiteral("Error Printing ListView"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QTemporaryDir dir;
    dialogs.clear();
    dialogs.printFile = dir.filePath(QStringLiteral("details.pdf"));
    TFrmError dialog(nullptr, std::make_exception_ptr(DatabaseError(QStringLiteral("인쇄할 내용"))));
    dialog.btnPrintClick();
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY(QFileInfo(dialogs.printFile).size() > 0);
}

void TestErrors::rollsBackAfterClose()
{
    ScriptedDialogs dialogs;
    auto& tx = SharedTransaction::instance();
    Db::run(QStringLiteral("CREATE TABLE tx_probe (n INT)"));
    tx.start();
    Db::run(QStringLiteral("INSERT INTO tx_probe VALUES (1)"));
    try {
        Db::run(QStringLiteral("INSERT INTO no_such_table VALUES (1)"));
        QFAIL("expected a server error");
    } catch (const ServerError&) {
        TFrmError::showError(nullptr, &tx, std::current_exception());
    }
    QCOMPARE(dialogs.dialogsRun.size(), 1);
    QVERIFY(!tx.inTransaction());
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM tx_probe")).toInt(), 0);

    // Without an open transaction nothing is rolled back and nothing fails.
    TFrmError::showError(nullptr, &tx, std::make_exception_ptr(DatabaseError(QStringLiteral("x"))));
    QCOMPARE(dialogs.dialogsRun.size(), 2);
}

void TestErrors::silentAbortIsNeverShown()
{
    ScriptedDialogs dialogs;
    TFrmError::showError(nullptr, &SharedTransaction::instance(), std::make_exception_ptr(SilentAbort()));
    QVERIFY(dialogs.dialogsRun.isEmpty());
}

void TestErrors::postgresFailuresMapToNativeNumbers_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<int>("native");
    QTest::newRow("unique") << "INSERT INTO map_parent VALUES ('A')" << 1;
    QTest::newRow("undefined table") << "SELECT * FROM missing_table" << 942;
    QTest::newRow("not null") << "INSERT INTO map_parent VALUES (NULL)" << 1400;
    QTest::newRow("fk insert") << "INSERT INTO map_child VALUES ('Z')" << 2291;
    QTest::newRow("fk delete") << "DELETE FROM map_parent WHERE code = 'A'" << 2292;
    QTest::newRow("user error") << "SELECT pk_common.raise_app_error(20042, '마감된 월입니다')" << 20042;
    QTest::newRow("division by zero") << "SELECT 1 / (SELECT count(*) FROM map_child WHERE code = 'none')" << 1476;
    QTest::newRow("check constraint") << "INSERT INTO map_check VALUES (0)" << 2290;
    QTest::newRow("subquery returns several rows") << "SELECT (SELECT code FROM map_parent UNION ALL SELECT code FROM map_parent)" << 1427;
}

void TestErrors::postgresFailuresMapToNativeNumbers()
{
    QFETCH(QString, statement);
    QFETCH(int, native);
    Db::run(QStringLiteral("CREATE TABLE IF NOT EXISTS map_parent (code VARCHAR(4) PRIMARY KEY)"));
    Db::run(QStringLiteral("CREATE TABLE IF NOT EXISTS map_child (code VARCHAR(4) REFERENCES map_parent)"));
    Db::run(QStringLiteral("CREATE TABLE IF NOT EXISTS map_check (n INT CHECK (n > 0))"));
    Db::run(QStringLiteral("INSERT INTO map_parent VALUES ('A') ON CONFLICT DO NOTHING"));
    Db::run(QStringLiteral("INSERT INTO map_child SELECT 'A' WHERE NOT EXISTS (SELECT 1 FROM map_child)"));
    try {
        Db::run(statement);
        QFAIL("the statement should fail");
    } catch (const ServerError& e) {
        QCOMPARE(e.nativeError(), native);
        if (native == 20042) {
            QCOMPARE(e.entries().last().message, QStringLiteral("ORA-20042: 마감된 월입니다"));
            QCOMPARE(TranslateOracleError(native, e.entries().last().message), QStringLiteral("마감된 월입니다"));
        }
    }
}

void TestErrors::failureWithoutNativeNumberStillExplainsItself()
{
    // A procedure that raises a plain exception instead of an application
    // error: there is no native number to translate, yet the user must see
    // what went wrong.
    ScriptedDialogs dialogs;
    QString label, details;
    dialogs.onDialog = [&](QDialog* d) {
        label = static_cast<TFrmError*>(d)->messageText();
        details = static_cast<TFrmError*>(d)->detailsText();
        return int(QDialog::Accepted);
    };
    try {
        Db::run(QStringLiteral("DO $$ BEGIN RAISE EXCEPTION '계정이 없습니다: %', '1110100'; END $$"));
        QFAIL("the block should fail");
    } catch (const DatabaseError& e) {
        QCOMPARE(e.message(), QStringLiteral("계정이 없습니다: 1110100"));
        TFrmError::showError(nullptr, &SharedTransaction::instance(), std::current_exception());
    }
    QCOMPARE(label, QStringLiteral("데이터베이스 오류 입니다."));
    QCOMPARE(details, QStringLiteral("☞ Message : 계정이 없습니다: 1110100"));
}

void TestErrors::lockNotAvailableFromAnotherSession()
{
    Db::run(QStringLiteral("CREATE TABLE lock_probe (n INT PRIMARY KEY)"));
    Db::run(QStringLiteral("INSERT INTO lock_probe VALUES (1)"));
    QSqlDatabase other = TestDb::openConnection(QStringLiteral("other"), m_db->name());
    {
        QSqlQuery holder(other);
        QVERIFY(holder.exec(QStringLiteral("BEGIN")));
        QVERIFY(holder.exec(QStringLiteral("SELECT * FROM lock_probe FOR UPDATE")));
        try {
            Db::run(QStringLiteral("SELECT * FROM lock_probe FOR UPDATE NOWAIT"));
            QFAIL("the row is locked");
        } catch (const ServerError& e) {
            QCOMPARE(e.nativeError(), 54);
        }
        holder.exec(QStringLiteral("ROLLBACK"));
    }
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
}

void TestErrors::connectionTextsMapToNativeNumbers_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("native");
    QTest::newRow("too many clients") << "53300" << "sorry, too many clients already" << 18;
    QTest::newRow("too many, no state") << "" << "FATAL:  sorry, too many clients already" << 18;
    QTest::newRow("database limit") << "" << "connection to server on socket \"/x/.s.PGSQL.1\" failed: FATAL:  too many connections for database \"acct\"" << 18;
    QTest::newRow("role limit") << "" << "FATAL:  too many connections for role \"acct\"" << 18;
    QTest::newRow("reserved slots") << "" << "remaining connection slots are reserved for superuser" << 18;
    QTest::newRow("password") << "" << "password authentication failed for user \"acct\"" << 1017;
    QTest::newRow("refused") << "" << "connection to server on socket \"/x/.s.PGSQL.1\" failed: No such file or directory" << 12541;
    QTest::newRow("lost") << "" << "server closed the connection unexpectedly" << 3113;
    QTest::newRow("admin shutdown") << "57P01" << "terminating connection due to administrator command" << 3113;
    QTest::newRow("unknown state") << "XX000" << "internal" << 0;
}

void TestErrors::connectionTextsMapToNativeNumbers()
{
    QFETCH(QString, state);
    QFETCH(QString, text);
    QFETCH(int, native);
    QCOMPARE(Db::nativeErrorFor(state, text), native);
}

void TestErrors::uncaughtEventErrorReachesDialog()
{
    ScriptedDialogs dialogs;
    QString label;
    dialogs.onDialog = [&](QDialog* d) {
        label = static_cast<TFrmError*>(d)->messageText();
        return int(QDialog::Accepted);
    };
    QPushButton button;
    connect(&button, &QPushButton::clicked, [] { Db::run(QStringLiteral("SELECT * FROM nowhere")); });
    QTimer::singleShot(0, &button, &QPushButton::click);
    QTRY_COMPARE(dialogs.dialogsRun.size(), 1);
    QCOMPARE(label, QStringLiteral("데이타베이스 테이블이 존재하지 않습니다."));
}

void TestErrors::everyActionAfterALostConnectionSaysSo()
{
    // The server ends the session; the user goes on working. Each action,
    // however it reaches the database, must tell him the connection is gone.
    const QString lost = TranslateOracleError(3113, QString());
    const int pid = Db::scalar(QStringLiteral("SELECT pg_backend_pid()")).toInt();
    {
        QSqlDatabase killer = TestDb::openConnection(QStringLiteral("killer"), m_db->name());
        QSqlQuery kill(killer);
        QVERIFY(kill.exec(QStringLiteral("SELECT pg_terminate_backend(%1)").arg(pid)));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("killer"));

    ScriptedDialogs dialogs;
    QStringList labels, details;
    dialogs.onDialog = [&](QDialog* d) {
        labels << static_cast<TFrmError*>(d)->messageText();
        details << static_cast<TFrmError*>(d)->detailsText();
        return int(QDialog::Accepted);
    };
    const QList<std::function<void()>> actions = {
        [] { RunQuery(QStringLiteral("SELECT 1")); },
        [] { RunQuery(QStringLiteral("SELECT :P0"), {1}); },
        [] { ExecSql(QStringLiteral("UPDATE ZX010MS SET DETAIL_NAME = DETAIL_NAME WHERE HEAD = :P0"), {QStringLiteral("Z")}); },
        [] { RunQueryRow(QStringLiteral("SELECT :P0"), {2}); },
        [] { Db::scalar(QStringLiteral("SELECT 1")); },
        [] { SharedTransaction::instance().start(); },
        [] { RunQuery(QStringLiteral("SELECT 2")); },
    };
    for (const auto& action : actions) {
        try {
            action();
            QFAIL("the connection is gone");
        } catch (const AppError&) {
            TFrmError::showError(nullptr, &SharedTransaction::instance(), std::current_exception());
        }
    }
    QCOMPARE(labels.size(), actions.size());
    // The first call meets the dropped session, every later one a closed
    // connection; both are the lost connection to the user.
    for (int i = 0; i < labels.size(); ++i) {
        QCOMPARE(labels[i], lost);
        const QString native = i == 0 ? QStringLiteral("3113") : QStringLiteral("3114");
        QVERIFY2(details[i].contains(QStringLiteral("☞ NativeError : ") + native), qPrintable(details[i]));
    }
    QVERIFY(!SharedTransaction::instance().inTransaction());
    m_db->reset();
}

TV_TEST_MAIN(TestErrors)
#include "tst_errors.moc"
