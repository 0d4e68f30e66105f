// The closing screens against the database's calendar and closing functions:
// periods saved, refused and deleted (VKI010), days and months closed and
// reopened by double-clicks with the month-end work rolled back on failure
// (VKI020), the closing state of a month per period (VKI025), and the
// carry-forward of a period's balances (VKI030).
#include "common/Db.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/closing/VKI010.h"
#include "screens/closing/VKI020.h"
#include "screens/closing/VKI025.h"
#include "screens/closing/VKI030.h"
#include "screens/closing/VKI090.h"
#include "common/HandOver.h"
#include "common/ProcCall.h"
#include "shell/V0Main.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/ScreenUnderTest.h"
#include "support/TestMain.h"
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDateTime>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

const QString kNotSaved = QStringLiteral("자료를 저장하지 못했습니다.\r\r에러내용:\r");
const QString kMonthFailed = QStringLiteral("월마감 작업중 오류가 발생하였습니다. 다시작업 하세요.!");

// A screen with its controls found by name, shown and active as in use.
template <typename Base>
class Screen : public ScreenUnderTest<Base> {
public:
    using ScreenUnderTest<Base>::get;
    using ScreenUnderTest<Base>::click;
    // Double-clicks the cell of a record's column, as the user does.
    void doubleClick(const char* gridName, int row, const QString& field)
    {
        auto* grid = this->template get<DataGrid>(gridName);
        const QRect cell = grid->visualRect(grid->model()->index(row, grid->columnOf(field)));
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
};

using PeriodScreen = Screen<TfrmVKI010>;
using ClosingScreen = Screen<TfrmVKI020>;
using StatusScreen = Screen<TfrmVKI025>;
using CarryScreen = Screen<TfrmVKI030>;

QString dbText(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toString();
}

int dbCount(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toInt();
}

// A period with its calendar, as the period screen leaves it.
void makePeriod(int session, const QString& from, const QString& to)
{
    const QString answer = dbText(QStringLiteral("SELECT pr_v_calender(:P0, :P1, :P2, :P3, :P4, :P5)"),
                                  {QString::number(session), from, to, QStringLiteral("시험 기수"),
                                   QStringLiteral("127.0.0.1"), QStringLiteral("1001")});
    if (!answer.startsWith(QLatin1Char('T')))
        qFatal("period %d not made: %s", session, qPrintable(answer));
}

// "Y"/"N" of every day of a month, in day order.
QString dayFlags(int session, const QString& month)
{
    return dbText(QStringLiteral("SELECT string_agg(close_yn, '' ORDER BY day) FROM vi011dt "
                                 "WHERE session_id = :P0 AND y_month = :P1"),
                  {session, month});
}

QString monthFlag(int session, const QString& month)
{
    return dbText(QStringLiteral("SELECT close_yn FROM vi011ms WHERE session_id = :P0 AND y_month = :P1"),
                  {session, month});
}

// The flags a list shows, one character per record.
QString listFlags(RecordSet* set)
{
    QString flags;
    for (int row = 0; row < set->recordCount(); ++row)
        flags += set->fieldAsString(row, QStringLiteral("CLOSE_YN"));
    return flags;
}

}  // namespace

class TestClosing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void init() { m_dialogs = std::make_unique<ScriptedDialogs>(); }
    void cleanup()
    {
        m_dialogs.reset();
        QVERIFY(!SharedTransaction::instance().inTransaction());
    }

    // VKI010
    void periodsListed();
    void periodInputRefused_data();
    void periodInputRefused();
    void savedPeriodHasItsCalendar();
    void refusedPeriodLeavesTheList_data();
    void refusedPeriodLeavesTheList();
    void editKeepsThePeriodNumber();
    void deleteRefused_data();
    void deleteRefused();
    void deleteRemovesThePeriod();

    // VKI020
    void periodsNewestFirst();
    void monthsAndDaysOfThePeriod();
    void dayToggleOnlyOnTheFlagColumn();
    void closingAMonthClosesAllItsDays();
    void reopenAnsweredNoChangesNothing();
    void reopeningADayReopensItsMonth();
    void failedMonthCloseRollsBack();

    // VKI025
    void closingStateOfAMonth();
    void monthMustBeAMonth();

    // VKI030
    void carryForwardAsksAndShowsTheResult();
    void carryForwardAgain();
    void carryForwardRefused();

    // VKI090
    void historyOfAHandedOverSlip();
    void historyFilters();

    void everyScreenOpensFromTheMenu();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
};

void TestClosing::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    // Periods of their own for the closing cases, after the demo's three.
    makePeriod(40, QStringLiteral("2040-01-01"), QStringLiteral("2040-12-31"));
    makePeriod(41, QStringLiteral("2041-01-01"), QStringLiteral("2041-12-31"));
}

// --- VKI010 ----------------------------------------------------------------------------

void TestClosing::periodsListed()
{
    PeriodScreen s;
    s.click("bbtSearch");
    RecordSet* set = s.records();
    QCOMPARE(s.RecordCount, dbCount(QStringLiteral("SELECT count(*) FROM vi010ms")));
    QCOMPARE(set->fieldAsString(QStringLiteral("SESSION_ID")), QStringLiteral("26"));
    // The current row fills the inputs: dates into the masks, the flag, the notes.
    QCOMPARE(s.get("Edit1")->text(), QStringLiteral("26"));
    QCOMPARE(s.get("MaskEdit2")->text(), QStringLiteral("2025/01/01"));
    QCOMPARE(s.get("MaskEdit3")->text(), QStringLiteral("2025/12/31"));
    QCOMPARE(s.get("Edit4")->text(), QStringLiteral("Y"));
    QVERIFY(!s.get("Edit4")->isEnabled());
    QCOMPARE(s.get<QPlainTextEdit>("Memo1")->toPlainText(), set->fieldAsString(QStringLiteral("SUMMARY")));
    set->next();
    QCOMPARE(s.get("Edit1")->text(), QStringLiteral("27"));
    QCOMPARE(s.get("Edit4")->text(), QStringLiteral("N"));
    for (const char* hidden : {"bbtPrint", "bbtPreview", "bbtExcel"})
        QVERIFY(s.get<QPushButton>(hidden)->isHidden());
}

void TestClosing::periodInputRefused_data()
{
    QTest::addColumn<QString>("session");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no number") << "" << "20500101" << "기수를 입력하세요.!" << "Edit1";
    QTest::newRow("a letter") << "5a" << "20500101" << "기수는 숫자만 입력이 가능합니다.!" << "Edit1";
    QTest::newRow("a sign") << "-5" << "20500101" << "기수는 숫자만 입력이 가능합니다.!" << "Edit1";
    QTest::newRow("a point") << "5.1" << "20500101" << "기수는 숫자만 입력이 가능합니다.!" << "Edit1";
    QTest::newRow("no such day") << "50" << "20500230" << "날짜를 바르게 입력하십시오." << "MaskEdit2";
    QTest::newRow("number in use") << "27" << "20500101" << "이미 등록된 기수입니다.!" << "Edit1";
}

void TestClosing::periodInputRefused()
{
    QFETCH(QString, session);
    QFETCH(QString, from);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    const int periods = dbCount(QStringLiteral("SELECT count(*) FROM vi010ms"));
    PeriodScreen s;
    s.click("bbtSearch");
    s.click("bbtAdd");
    s.get("Edit1")->setText(session);
    s.get("MaskEdit2")->setText(from);
    s.get("MaskEdit3")->setText(QStringLiteral("20501231"));
    s.click("bbtSave");
    QCOMPARE(m_dialogs->texts(), QStringList{message});
    QCOMPARE(QApplication::focusWidget(), s.get(focus.toLatin1().constData()));
    // Nothing reached the database; the screen stays in insert.
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vi010ms")), periods);
    QCOMPARE(s.state(), 3);
}

void TestClosing::savedPeriodHasItsCalendar()
{
    PeriodScreen s;
    s.click("bbtSearch");
    const int rows = s.RecordCount;
    s.click("bbtAdd");
    QVERIFY(s.get("Edit1")->text().isEmpty());
    s.get("Edit1")->setText(QStringLiteral("30"));
    s.get("MaskEdit2")->setText(QStringLiteral("20280101"));
    s.get("MaskEdit3")->setText(QStringLiteral("20281231"));
    s.get<QPlainTextEdit>("Memo1")->setPlainText(QStringLiteral("  제30기  "));
    s.click("bbtSave");
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join(QLatin1Char('\n'))));
    QCOMPARE(s.state(), 1);
    QCOMPARE(s.RecordCount, rows + 1);
    RecordSet* set = s.records();
    QCOMPARE(set->fieldAsString(QStringLiteral("SESSION_ID")), QStringLiteral("30"));
    QCOMPARE(set->fieldAsDate(QStringLiteral("ST_DATE")), QDate(2028, 1, 1));
    QCOMPARE(set->fieldAsDate(QStringLiteral("ED_DATE")), QDate(2028, 12, 31));
    QCOMPARE(set->fieldAsString(QStringLiteral("CLOSE_YN")), QStringLiteral("N"));
    QCOMPARE(set->fieldAsString(QStringLiteral("SUMMARY")), QStringLiteral("제30기"));
    // The database built the calendar: twelve months, every day of a leap year, all open.
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vi011ms WHERE session_id = 30")), 12);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vi011dt WHERE session_id = 30")), 366);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vi011dt WHERE session_id = 30 AND close_yn <> 'N'")), 0);
    QCOMPARE(dbText(QStringLiteral("SELECT u_emp_no FROM vi010ms WHERE session_id = 30")), QStringLiteral("1001"));
}

void TestClosing::refusedPeriodLeavesTheList_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("ends before it starts") << "20351231" << "20350101";
    QTest::newRow("overlaps a period") << "20261201" << "20270131";
}

void TestClosing::refusedPeriodLeavesTheList()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    PeriodScreen s;
    s.click("bbtSearch");
    const int rows = s.RecordCount;
    s.click("bbtAdd");
    s.get("Edit1")->setText(QStringLiteral("35"));
    s.get("MaskEdit2")->setText(from);
    s.get("MaskEdit3")->setText(to);
    s.click("bbtSave");
    QCOMPARE(m_dialogs->shown.size(), 1);
    QVERIFY(m_dialogs->lastText().startsWith(kNotSaved));
    QVERIFY(m_dialogs->lastText().size() > kNotSaved.size());  // the database's reason
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vi010ms WHERE session_id = 35")), 0);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vi011dt WHERE session_id = 35")), 0);
    // Still the row being entered; Cancel leaves the list as it was.
    QCOMPARE(s.state(), 3);
    s.click("bbtCancel");
    QCOMPARE(s.records()->recordCount(), rows);
    QCOMPARE(s.records()->findRow(QStringLiteral("SESSION_ID"), {35}), -1);
}

void TestClosing::editKeepsThePeriodNumber()
{
    PeriodScreen s;
    s.click("bbtSearch");
    const int rows = s.RecordCount;
    QVERIFY(s.records()->locate(QStringLiteral("SESSION_ID"), 41));
    s.click("bbtEdit");
    QCOMPARE(QApplication::focusWidget(), s.get("MaskEdit2"));
    // The number names the period being changed: it cannot be typed over.
    QVERIFY(!s.get("Edit1")->isEnabled());
    s.get<QPlainTextEdit>("Memo1")->setPlainText(QStringLiteral("제41기 수정"));
    s.click("bbtSave");
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join(QLatin1Char('\n'))));
    QCOMPARE(s.RecordCount, rows);
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("SUMMARY")), QStringLiteral("제41기 수정"));
    QCOMPARE(dbText(QStringLiteral("SELECT summary FROM vi010ms WHERE session_id = 41")), QStringLiteral("제41기 수정"));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vi011dt WHERE session_id = 41")), 365);
    // A new period may be numbered again.
    s.click("bbtAdd");
    QVERIFY(s.get("Edit1")->isEnabled());
    s.click("bbtCancel");
}

void TestClosing::deleteRefused_data()
{
    QTest::addColumn<int>("session");
    QTest::addColumn<QString>("message");
    QTest::newRow("closed period") << 26 << "마감된 기수는 삭제하실수 없습니다.!";
    QTest::newRow("one closed day") << 42 << "일자별 마감된 기수는 삭제하실수 없습니다.!";
}

void TestClosing::deleteRefused()
{
    QFETCH(int, session);
    QFETCH(QString, message);
    if (session == 42 && !dbCount(QStringLiteral("SELECT count(*) FROM vi010ms WHERE session_id = 42"))) {
        makePeriod(42, QStringLiteral("2042-01-01"), QStringLiteral("2042-12-31"));
        m_db->ownerExec(QStringLiteral("UPDATE vi011dt SET close_yn = 'Y' WHERE session_id = 42 AND y_month = '204203' AND day = '15'"));
    }
    PeriodScreen s;
    s.click("bbtSearch");
    const int rows = s.RecordCount;
    QVERIFY(s.records()->locate(QStringLiteral("SESSION_ID"), session));
    s.click("bbtDelete");
    QCOMPARE(m_dialogs->texts(), (QStringList{QStringLiteral("선택된 자료를 삭제하시겠습니까?"), message}));
    QCOMPARE(s.RecordCount, rows);
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("SESSION_ID")), QString::number(session));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vi010ms WHERE session_id = :P0"), {session}), 1);
}

void TestClosing::deleteRemovesThePeriod()
{
    makePeriod(43, QStringLiteral("2043-01-01"), QStringLiteral("2043-12-31"));
    PeriodScreen s;
    s.click("bbtSearch");
    const int rows = s.RecordCount;
    QVERIFY(s.records()->locate(QStringLiteral("SESSION_ID"), 43));

    // No: nothing is deleted.
    m_dialogs->yesNoAnswers = {false};
    s.click("bbtDelete");
    QCOMPARE(s.RecordCount, rows);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vi010ms WHERE session_id = 43")), 1);

    s.click("bbtDelete");
    QCOMPARE(m_dialogs->shown.size(), 2);
    QCOMPARE(s.RecordCount, rows - 1);
    QCOMPARE(s.records()->findRow(QStringLiteral("SESSION_ID"), {43}), -1);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vi010ms WHERE session_id = 43")), 0);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vi011ms WHERE session_id = 43")), 0);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vi011dt WHERE session_id = 43")), 0);
}

// --- VKI020 ----------------------------------------------------------------------------

void TestClosing::periodsNewestFirst()
{
    ClosingScreen s;
    auto* periods = s.get<QComboBox>("ComboBox1");
    QStringList shown;
    for (int i = 0; i < periods->count(); ++i)
        shown << periods->itemText(i);
    QStringList expected;
    QSqlQuery q = RunQuery(QStringLiteral("SELECT session_id FROM vi010ms ORDER BY session_id DESC"));
    while (q.next())
        expected << q.value(0).toString();
    QCOMPARE(shown, expected);
    QCOMPARE(periods->currentIndex(), 0);
    // Only Search, Cancel and Close.
    for (const char* hidden : {"bbtSave", "bbtAdd", "bbtEdit", "bbtDelete", "bbtPrint", "bbtPreview", "bbtExcel"})
        QVERIFY(s.get<QPushButton>(hidden)->isHidden());
}

void TestClosing::monthsAndDaysOfThePeriod()
{
    ClosingScreen s;
    s.get<QComboBox>("ComboBox1")->setCurrentText(QStringLiteral("40"));
    s.click("bbtSearch");
    RecordSet* months = s.months();
    QCOMPARE(months->recordCount(), 12);
    QCOMPARE(months->fieldAsString(QStringLiteral("Y_MONTH")), QStringLiteral("204001"));
    QCOMPARE(s.days()->recordCount(), 31);
    months->moveTo(1);
    QCOMPARE(s.days()->recordCount(), 29);  // February of a leap year
    QCOMPARE(s.days()->fieldAsString(QStringLiteral("DAY")), QStringLiteral("01"));
    QCOMPARE(s.RecordCount, 29);
    // An open day shows no closing date.
    QVERIFY(s.days()->isNull(QStringLiteral("U_DATE")));
}

void TestClosing::dayToggleOnlyOnTheFlagColumn()
{
    ClosingScreen s;
    s.get<QComboBox>("ComboBox1")->setCurrentText(QStringLiteral("40"));
    s.click("bbtSearch");
    s.months()->moveTo(2);  // 204003
    for (const QString& field : {QStringLiteral("DAY"), QStringLiteral("U_DATE")})
        s.doubleClick("RealDBGrid1", 4, field);
    QCOMPARE(dayFlags(40, QStringLiteral("204003")), QString(31, QLatin1Char('N')));

    s.doubleClick("RealDBGrid1", 4, QStringLiteral("CLOSE_YN"));
    QVERIFY(m_dialogs->shown.isEmpty());  // closing a day asks nothing
    QCOMPARE(dayFlags(40, QStringLiteral("204003")), QStringLiteral("NNNNY") + QString(26, QLatin1Char('N')));
    QCOMPARE(listFlags(s.days()), dayFlags(40, QStringLiteral("204003")));
    QCOMPARE(s.days()->fieldAsString(QStringLiteral("DAY")), QStringLiteral("05"));
    QVERIFY(!s.days()->isNull(QStringLiteral("U_DATE")));
    QCOMPARE(s.months()->fieldAsString(QStringLiteral("Y_MONTH")), QStringLiteral("204003"));

    // Again: open.
    s.doubleClick("RealDBGrid1", 4, QStringLiteral("CLOSE_YN"));
    QCOMPARE(dayFlags(40, QStringLiteral("204003")), QString(31, QLatin1Char('N')));
    QVERIFY(s.days()->isNull(QStringLiteral("U_DATE")));
}

void TestClosing::closingAMonthClosesAllItsDays()
{
    m_db->ownerExec(QStringLiteral("UPDATE vi011dt SET close_yn = 'Y' WHERE session_id = 40 AND y_month = '204004' AND day IN ('02', '03')"));
    ClosingScreen s;
    s.get<QComboBox>("ComboBox1")->setCurrentText(QStringLiteral("40"));
    s.click("bbtSearch");
    s.months()->moveTo(3);  // 204004
    s.doubleClick("RealDBGrid2", 3, QStringLiteral("CLOSE_YN"));
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join(QLatin1Char('\n'))));
    QCOMPARE(monthFlag(40, QStringLiteral("204004")), QStringLiteral("Y"));
    QCOMPARE(dayFlags(40, QStringLiteral("204004")), QString(30, QLatin1Char('Y')));
    // The lists show it, on the same month.
    QCOMPARE(s.months()->fieldAsString(QStringLiteral("Y_MONTH")), QStringLiteral("204004"));
    QCOMPARE(s.months()->fieldAsString(QStringLiteral("CLOSE_YN")), QStringLiteral("Y"));
    QVERIFY(!s.months()->isNull(QStringLiteral("U_DATE")));
    QCOMPARE(listFlags(s.days()), QString(30, QLatin1Char('Y')));
}

void TestClosing::reopenAnsweredNoChangesNothing()
{
    ClosingScreen s;
    s.get<QComboBox>("ComboBox1")->setCurrentText(QStringLiteral("40"));
    s.click("bbtSearch");
    s.months()->moveTo(4);  // 204005
    s.doubleClick("RealDBGrid2", 4, QStringLiteral("CLOSE_YN"));
    QCOMPARE(monthFlag(40, QStringLiteral("204005")), QStringLiteral("Y"));

    m_dialogs->yesNoAnswers = {false};
    s.doubleClick("RealDBGrid2", 4, QStringLiteral("CLOSE_YN"));
    QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("마감된 월을 해제하시겠습니까?")});
    QCOMPARE(monthFlag(40, QStringLiteral("204005")), QStringLiteral("Y"));
    QCOMPARE(dayFlags(40, QStringLiteral("204005")), QString(31, QLatin1Char('Y')));
    QCOMPARE(s.months()->fieldAsString(QStringLiteral("CLOSE_YN")), QStringLiteral("Y"));

    // Yes reopens the month and its days.
    s.doubleClick("RealDBGrid2", 4, QStringLiteral("CLOSE_YN"));
    QCOMPARE(monthFlag(40, QStringLiteral("204005")), QStringLiteral("N"));
    QCOMPARE(dayFlags(40, QStringLiteral("204005")), QString(31, QLatin1Char('N')));
    QCOMPARE(listFlags(s.days()), QString(31, QLatin1Char('N')));
}

void TestClosing::reopeningADayReopensItsMonth()
{
    ClosingScreen s;
    s.get<QComboBox>("ComboBox1")->setCurrentText(QStringLiteral("40"));
    s.click("bbtSearch");
    s.months()->moveTo(5);  // 204006
    s.doubleClick("RealDBGrid2", 5, QStringLiteral("CLOSE_YN"));
    QCOMPARE(monthFlag(40, QStringLiteral("204006")), QStringLiteral("Y"));

    s.doubleClick("RealDBGrid1", 9, QStringLiteral("CLOSE_YN"));
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join(QLatin1Char('\n'))));
    QCOMPARE(s.days()->fieldAsString(QStringLiteral("DAY")), QStringLiteral("10"));
    QCOMPARE(s.days()->fieldAsString(QStringLiteral("CLOSE_YN")), QStringLiteral("N"));
    QCOMPARE(s.months()->fieldAsString(QStringLiteral("Y_MONTH")), QStringLiteral("204006"));
    QCOMPARE(s.months()->fieldAsString(QStringLiteral("CLOSE_YN")), QStringLiteral("N"));
    QVERIFY(s.months()->isNull(QStringLiteral("U_DATE")));
    QCOMPARE(monthFlag(40, QStringLiteral("204006")), QStringLiteral("N"));
    QCOMPARE(dayFlags(40, QStringLiteral("204006")), QString(9, QLatin1Char('Y')) + QStringLiteral("N") + QString(20, QLatin1Char('Y')));
}

void TestClosing::failedMonthCloseRollsBack()
{
    m_db->ownerExec(QStringLiteral("UPDATE vi011dt SET close_yn = 'Y' WHERE session_id = 40 AND y_month = '204007' AND day = '01'"));
    // The month-end work fails in the database, after the flags were set.
    m_db->ownerExec(QStringLiteral(
        "CREATE FUNCTION refuse_month_close() RETURNS trigger LANGUAGE plpgsql AS "
        "$$ BEGIN RAISE EXCEPTION 'month-end work failed'; END $$"));
    m_db->ownerExec(QStringLiteral(
        "CREATE TRIGGER refuse_close AFTER UPDATE ON vi011ms FOR EACH ROW "
        "WHEN (NEW.y_month = '204007' AND NEW.close_yn = 'Y') EXECUTE FUNCTION refuse_month_close()"));
    ClosingScreen s;
    s.get<QComboBox>("ComboBox1")->setCurrentText(QStringLiteral("40"));
    s.click("bbtSearch");
    s.months()->moveTo(6);  // 204007
    s.doubleClick("RealDBGrid2", 6, QStringLiteral("CLOSE_YN"));
    m_db->ownerExec(QStringLiteral("DROP TRIGGER refuse_close ON vi011ms"));
    m_db->ownerExec(QStringLiteral("DROP FUNCTION refuse_month_close()"));

    QCOMPARE(m_dialogs->shown.size(), 1);
    QVERIFY(m_dialogs->lastText().startsWith(kMonthFailed));
    QCOMPARE(monthFlag(40, QStringLiteral("204007")), QStringLiteral("N"));
    QCOMPARE(dayFlags(40, QStringLiteral("204007")), QStringLiteral("Y") + QString(30, QLatin1Char('N')));
    QCOMPARE(s.months()->fieldAsString(QStringLiteral("CLOSE_YN")), QStringLiteral("N"));
    QCOMPARE(listFlags(s.days()), QStringLiteral("Y") + QString(30, QLatin1Char('N')));
}

// --- VKI025 ----------------------------------------------------------------------------

void TestClosing::closingStateOfAMonth()
{
    StatusScreen s;
    // The current month, as the mask shows it.
    QCOMPARE(s.get("MaskEdit1")->text(), QDate::currentDate().toString(QStringLiteral("yyyy/MM")));
    m_db->ownerExec(QStringLiteral("UPDATE vi011ms SET close_yn = 'Y' WHERE session_id = 41 AND y_month = '204102'"));
    s.get("MaskEdit1")->setText(QStringLiteral("204102"));
    s.click("bbtSearch");
    RecordSet* set = s.records();
    QCOMPARE(s.RecordCount, dbCount(QStringLiteral("SELECT count(*) FROM vi010ms")));
    QVERIFY(set->locate(QStringLiteral("SESSION_ID"), 41));
    QCOMPARE(set->fieldAsString(QStringLiteral("CLOSE_YN")), QStringLiteral("Y"));
    QCOMPARE(set->fieldAsDate(QStringLiteral("ST_DATE")), QDate(2041, 1, 1));
    // A period that does not hold the month shows no state.
    QVERIFY(set->locate(QStringLiteral("SESSION_ID"), 40));
    QVERIFY(set->isNull(QStringLiteral("CLOSE_YN")));

    s.get("MaskEdit1")->setText(QStringLiteral("204103"));
    s.click("bbtCancel");
    s.click("bbtSearch");
    QVERIFY(s.records()->locate(QStringLiteral("SESSION_ID"), 41));
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("CLOSE_YN")), QStringLiteral("N"));
}

void TestClosing::monthMustBeAMonth()
{
    StatusScreen s;
    s.get("MaskEdit1")->setText(QStringLiteral("204113"));
    s.click("bbtSearch");
    QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("마감월을 바르게 입력하십시오.")});
    // Back on the search conditions, to put the month right.
    QCOMPARE(s.state(), 0);
    QVERIFY(s.get("MaskEdit1")->isEnabled());
    QVERIFY(s.get<QPushButton>("bbtSearch")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), s.get("MaskEdit1"));
    QVERIFY(!s.records()->isOpen());
}

// --- VKI030 ----------------------------------------------------------------------------

void TestClosing::carryForwardAsksAndShowsTheResult()
{
    CarryScreen s;
    QVERIFY(!s.get<QPushButton>("btnRun")->isEnabled());
    s.click("bbtSearch");
    QVERIFY(s.get<QPushButton>("btnRun")->isEnabled());
    QVERIFY(s.records()->locate(QStringLiteral("SESSION_ID"), 27));
    QVERIFY(s.records()->isNull(QStringLiteral("RUN_DATE")));
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("CLOSE_YN")), QStringLiteral("N"));

    m_dialogs->yesNoAnswers = {false};
    s.click("btnRun");
    QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("27기 잔액을 다음 기수로 이월하시겠습니까?")});
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vi012ms WHERE session_id = 27")), 0);

    m_dialogs->clear();
    s.click("btnRun");
    QCOMPARE(m_dialogs->shown.size(), 2);
    // The database's account of the run, without its success mark.
    QCOMPARE(m_dialogs->lastText(), dbText(QStringLiteral("SELECT result FROM vi012ms WHERE session_id = 27")));
    QVERIFY(!m_dialogs->lastText().isEmpty());
    // The list shows when, staying on the period.
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("SESSION_ID")), QStringLiteral("27"));
    QVERIFY(!s.records()->isNull(QStringLiteral("RUN_DATE")));

    // Run again through the first button: refused, pointing at the second.
    m_dialogs->clear();
    s.click("btnRun");
    QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("이미 이월된 기수입니다. 이월작업 재실행으로 다시 이월하십시오.!")});
}

void TestClosing::carryForwardAgain()
{
    CarryScreen s;
    s.click("bbtSearch");
    QVERIFY(s.records()->locate(QStringLiteral("SESSION_ID"), 28));
    s.click("btnRerun");
    QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("이월되지 않은 기수입니다. 이월작업 실행으로 먼저 이월하십시오.!")});
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vi012ms WHERE session_id = 28")), 0);

    // Term 26 was carried at the year's end.
    QVERIFY(s.records()->locate(QStringLiteral("SESSION_ID"), 26));
    const QDateTime before = s.records()->value(QStringLiteral("RUN_DATE")).toDateTime();
    QVERIFY(before.isValid());
    m_dialogs->clear();
    m_dialogs->yesNoAnswers = {false};
    s.click("btnRerun");
    QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("이미 이월된 기수입니다. 다시 이월하시겠습니까?")});
    QCOMPARE(s.records()->value(QStringLiteral("RUN_DATE")).toDateTime(), before);

    m_dialogs->clear();
    s.click("btnRerun");
    QCOMPARE(m_dialogs->shown.size(), 2);
    QCOMPARE(m_dialogs->lastText(), dbText(QStringLiteral("SELECT result FROM vi012ms WHERE session_id = 26")));
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("SESSION_ID")), QStringLiteral("26"));
    QVERIFY(s.records()->value(QStringLiteral("RUN_DATE")).toDateTime() > before);
}

void TestClosing::carryForwardRefused()
{
    // The last period has no next one to carry into.
    const int last = dbCount(QStringLiteral("SELECT max(session_id) FROM vi010ms"));
    CarryScreen s;
    s.click("bbtSearch");
    QVERIFY(s.records()->locate(QStringLiteral("SESSION_ID"), last));
    s.click("btnRun");
    QCOMPARE(m_dialogs->shown.size(), 2);
    QVERIFY2(m_dialogs->lastText().startsWith(kNotSaved), qPrintable(m_dialogs->lastText()));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vi012ms WHERE session_id = :P0"), {last}), 0);
    QVERIFY(s.records()->isNull(QStringLiteral("RUN_DATE")));
}

// The slip entry hands a slip over: its confirmation is listed with the
// header, the lines and the items, and a change shows only what changed.
void TestClosing::historyOfAHandedOverSlip()
{
    const QString slipNo = Db::scalar(QStringLiteral("SELECT min(slip_no) FROM vb010ms WHERE conf_date IS NULL "
                                                     "AND slip_del_yn = 'N' AND slip_date >= '2026-12-01'")).toString();
    QVERIFY(!slipNo.isEmpty());
    Db::announceProgram(QStringLiteral("VBI030"));
    SharedTransaction::instance().start();
    QString answer = CallProcText(QStringLiteral("pk_v_journalize.def_confdate"),
                                  {QStringLiteral("1"), slipNo, QStringLiteral("2026-12-10"), QStringLiteral("2003")});
    if (!ProcResult::isFailure(answer))
        answer = CallProcText(QStringLiteral("pk_v_journalize.pr_journalmain"),
                              {QStringLiteral("1"), slipNo, QStringLiteral("2026-12-10"), QStringLiteral("2003")});
    SharedTransaction::instance().commit();
    QCOMPARE(answer, QStringLiteral("T"));
    const int expected = dbCount(QStringLiteral("SELECT count(*) FROM vb010ms WHERE slip_no = :P0"), {slipNo})
                         + dbCount(QStringLiteral("SELECT count(*) FROM vb011ms WHERE slip_no = :P0"), {slipNo})
                         + dbCount(QStringLiteral("SELECT count(*) FROM vb011dt WHERE slip_no = :P0"), {slipNo});

    HandOver::HandSlipNo = slipNo;
    Screen<TfrmVKI090> s;
    s.FormShow();
    QVERIFY(HandOver::HandSlipNo.isEmpty());
    // the rows as the set-up wrote them, then their confirmation
    RecordSet* rows = s.history();
    QCOMPARE(rows->recordCount(), 2 * expected);
    for (int r = 0; r < rows->recordCount(); ++r) {
        QCOMPARE(rows->fieldAsString(r, QStringLiteral("OPERATION_CAPTION")),
                 r < expected ? QStringLiteral("추가") : QStringLiteral("확정"));
        QVERIFY(rows->fieldAsString(r, QStringLiteral("ROW_KEY")).startsWith(slipNo));
    }
    QCOMPARE(rows->fieldAsString(expected, QStringLiteral("PROGRAM_ID")), QStringLiteral("VBI030"));
    QCOMPARE(rows->fieldAsString(expected, QStringLiteral("TABLE_CAPTION")), QStringLiteral("전표"));
    QCOMPARE(rows->fieldAsString(expected, QStringLiteral("EMP_NAME")), QStringLiteral("관리자"));
    rows->moveTo(expected);
    RecordSet* changes = s.changes();
    QStringList changed;
    for (int r = 0; r < changes->recordCount(); ++r)
        changed << changes->fieldAsString(r, QStringLiteral("COLUMN_NAME"));
    QVERIFY2(changed.contains(QStringLiteral("CONF_DATE")) && changed.contains(QStringLiteral("CONF_EMP_NO")),
             qPrintable(changed.join(QLatin1Char(','))));
    QVERIFY(!changed.contains(QStringLiteral("SLIP_NO")));
    const int conf = changes->findRow(QStringLiteral("COLUMN_NAME"), {QStringLiteral("CONF_DATE")});
    QVERIFY(changes->fieldAsString(conf, QStringLiteral("BEFORE_VALUE")).isEmpty());
    QCOMPARE(changes->fieldAsString(conf, QStringLiteral("AFTER_VALUE")), QStringLiteral("2026-12-10"));
}

void TestClosing::historyFilters()
{
    Db::announceProgram(QStringLiteral("VAI020"));
    Db::run(QStringLiteral("UPDATE va020ms SET acct_name = acct_name || ' ' WHERE acct_code = '8110110'"));
    Screen<TfrmVKI090> s;
    s.toDate()->setDate(QDate::currentDate().addDays(1));
    s.fromDate()->setDate(QDate::currentDate().addDays(-1));
    const auto search = [&] {
        s.click("bbtCancel");
        s.click("bbtSearch");
        return s.history()->recordCount();
    };
    s.programEdit()->setText(QStringLiteral("vai020"));
    QCOMPARE(search(), 1);
    QCOMPARE(s.history()->fieldAsString(0, QStringLiteral("ROW_KEY")), QStringLiteral("8110110"));
    s.tableBox()->setCurrentIndex(s.tableBox()->findData(QStringLiteral("vb010ms")));
    QCOMPARE(search(), 0);
    s.tableBox()->setCurrentIndex(0);
    s.empEdit()->setText(QStringLiteral("9999"));
    QCOMPARE(search(), 0);
    s.empEdit()->setText(Session::empNo);
    s.keyEdit()->setText(QStringLiteral("8110110"));
    QCOMPARE(search(), 1);
    // the whole list goes to the spreadsheet
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("vki090.xls"));
    m_dialogs->fileNames << file;
    s.click("bbtExcel");
    QVERIFY(QFile::exists(file));
}

void TestClosing::everyScreenOpensFromTheMenu()
{
    const QStringList titles = {QStringLiteral("기수 등록(VKI010)"), QStringLiteral("월/일 마감(VKI020)"),
                                QStringLiteral("마감 현황(VKI025)"), QStringLiteral("이월작업(VKI030)"),
                                QStringLiteral("변경 이력 조회(VKI090)")};
    QStringList made;
    for (const TfrmV0Main::DispatchEntry& entry : TfrmV0Main::dispatchTable()) {
        if (!QLatin1String(entry.programId).startsWith(QLatin1String("VKI")))
            continue;
        QVERIFY(entry.create);
        std::unique_ptr<QWidget> screen(entry.create());
        QCOMPARE(screen->objectName(), QStringLiteral("frm") + QLatin1String(entry.programId));
        made << screen->windowTitle();
    }
    QCOMPARE(made, titles);
}

TV_TEST_MAIN(TestClosing)
#include "tst_closing.moc"
