// Confirmation of slips as the finance department does it, against the real
// engine: the approval authority checked by the screen and by the database,
// the question, one transaction for every ticked slip (the first refusal
// takes the whole run back, the list stays as ticked), cancellation on the
// slip's own confirmation day, a slip held by another connection refused at
// once, the hand-offs to slip entry and to the operating income/expense
// screen; the confirmed lines (VBS080) with their spreadsheet, the register
// of confirmed slips (VBI040) and its print (VBI041), each against a plain
// aggregate of the confirmed lines; and a new user's way from a new period
// through slips, confirmation, the trial balance and closing.
#include "common/Db.h"
#include "common/DeptEntry.h"
#include "common/HandOver.h"
#include "common/ProcCall.h"
#include "common/ProgramHost.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "common/WaitWindow.h"
#include "framework/print/PreviewWindow.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/closing/VKI010.h"
#include "screens/closing/VKI020.h"
#include "screens/slips/VBI020.h"
#include "screens/slips/VBI030.h"
#include "screens/slips/VBI040.h"
#include "screens/slips/VBS080.h"
#include "screens/statements/VDI010.h"
#include "shell/ErrorDlg.h"
#include "shell/V0Main.h"
#include "support/PdfTools.h"
#include "support/ScriptedDialogs.h"
#include "support/Books.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include "support/XlsReadBack.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlError>
#include <QTemporaryDir>

namespace {

using Books::journalize;

const QString kFinance = QStringLiteral("2003");  // 박재무: finance approval authority
const QString kClerk = QStringLiteral("2001");    // 김회계: none since 2026-01-01
const QString kNotSaved = QStringLiteral("자료를 저장하지 못했습니다.\n\n에러내용:\n");
const QString kDone = QStringLiteral("처리완료 되었습니다.!");
const QColor kGrey(0xC0, 0xC0, 0xC0);

QString question(const QString& day)
{
    return QStringLiteral("해당전표를 [") + day + QStringLiteral("] 일자로 확정 또는 확정취소/ 승인취소 하시겠습니까.?");
}

QString text(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toString();
}

qint64 number(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toLongLong();
}

struct Line {
    QString acct;
    qint64 d = 0;
    qint64 c = 0;
    QList<std::pair<QString, QString>> items;  // item code and value, positions 1..
};

// Room revenue received in cash: a revenue line for the operating
// income/expense records, with the cost department its account requires.
QList<Line> cashSale(qint64 amount)
{
    return {{QStringLiteral("1110110"), amount, 0, {}},
            {QStringLiteral("5110110"), 0, amount, {{QStringLiteral("118"), QStringLiteral("2111")}}}};
}

// An unconfirmed slip as the slip procedure leaves it, written directly.
void insertSlip(const QString& slipNo, const QString& day, const QList<Line>& lines,
                const QString& writer = kClerk)
{
    qint64 d = 0, c = 0;
    for (const Line& l : lines) {
        d += l.d;
        c += l.c;
    }
    TestDb::ownerExec(QStringLiteral(
        "INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, total_d_amt, total_c_amt, cr_emp_no, "
        "session_id, slip_kind, u_emp_no) VALUES (:P0, '1111', CAST(:P1 AS DATE), CAST(:P1 AS DATE), :P2, :P3, "
        ":P4, (SELECT session_id FROM vi010ms WHERE CAST(:P1 AS DATE) BETWEEN st_date AND ed_date), 'K', :P4)"),
                      {slipNo, day, d, c, writer});
    for (int i = 0; i < lines.size(); ++i) {
        const Line& l = lines.at(i);
        TestDb::ownerExec(QStringLiteral("INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, "
                                         "c_amount) VALUES (:P0, :P1, :P2, :P3, :P4, :P5)"),
                          {slipNo, i, l.acct, QStringLiteral("확정 시험 %1").arg(i), l.d, l.c});
        for (int k = 0; k < l.items.size(); ++k)
            TestDb::ownerExec(QStringLiteral("INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, "
                                             "acct_code, d_amount, c_amount) VALUES (:P0, :P1, :P2, :P3, :P4, :P5, :P6, :P7)"),
                              {slipNo, i, k + 1, l.items.at(k).first, l.items.at(k).second, l.acct, l.d, l.c});
    }
}

QString confDate(const QString& slipNo)
{
    return text(QStringLiteral("SELECT to_char(conf_date, 'YYYY-MM-DD') FROM vb010ms WHERE slip_no = :P0"), {slipNo});
}

// The confirmation day of a slip wherever it is kept: header, lines and item
// values; "mixed" when they disagree.
QString confDateEverywhere(const QString& slipNo)
{
    return text(QStringLiteral(
        "SELECT CASE WHEN count(DISTINCT coalesce(d, '-')) = 1 THEN max(coalesce(d, '-')) ELSE 'mixed' END FROM ("
        " SELECT to_char(conf_date, 'YYYY-MM-DD') d FROM vb010ms WHERE slip_no = :P0"
        " UNION ALL SELECT to_char(conf_date, 'YYYY-MM-DD') FROM vb011ms WHERE slip_no = :P0"
        " UNION ALL SELECT to_char(conf_date, 'YYYY-MM-DD') FROM vb011dt WHERE slip_no = :P0) x"),
                {slipNo});
}

int operatingRows(const QString& slipNo)
{
    return int(number(QStringLiteral("SELECT count(*) FROM vz100ms WHERE slip_no = :P0"), {slipNo}));
}

QStringList bookDifferences()
{
    QStringList out;
    QSqlQuery q = Db::run(QStringLiteral("SELECT table_name || ' ' || row_key || ': ' || coalesce(maintained, '-') "
                                         "|| ' <> ' || coalesce(rebuilt, '-') FROM pk_v_post.check_books() LIMIT 10"));
    while (q.next())
        out << q.value(0).toString();
    return out;
}

// A screen shown and active as in use, its controls found by name.
template <typename Base>
class Screen : public Base {
public:
    Screen()
    {
        this->resize(1200, 800);
        this->show();
        this->activateWindow();
        if (!QTest::qWaitForWindowActive(this))
            qFatal("the screen did not become active");
    }
    template <typename T = QLineEdit>
    T* get(const char* name) const
    {
        T* w = this->template findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    void click(const char* name) { get<QPushButton>(name)->click(); }
    void setDate(const char* name, const QString& day) { get<QDateEdit>(name)->setDate(QDate::fromString(day, Qt::ISODate)); }
    void setRange(const char* from, const char* to, const QString& first, const QString& last)
    {
        // The range follows a crossed end: the last day first when moving back.
        setDate(from, first);
        setDate(to, last);
        setDate(from, first);
    }
    QPoint cellCentre(DataGrid* grid, int row, const QString& field)
    {
        const QModelIndex index = grid->model()->index(row, grid->columnOf(field));
        grid->scrollTo(index);
        return grid->visualRect(index).center();
    }
    void clickCell(const char* gridName, int row, const QString& field)
    {
        auto* grid = get<DataGrid>(gridName);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row, field));
    }
    // The events of a user's double click: press and release, then the
    // second press, the double click and the release.
    void doubleClickCell(const char* gridName, int row, const QString& field)
    {
        auto* grid = get<DataGrid>(gridName);
        const QPoint at = cellCentre(grid, row, field);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
    }
    int state() const { return this->State; }
};

using ConfirmScreen = Screen<TfrmVBI030>;
using LinesScreen = Screen<TfrmVBS080>;
using RegisterScreen = Screen<TfrmVBI040>;

// The confirmation screen searched over a range of accounting days.
void searchSlips(ConfirmScreen& s, const QString& from, const QString& to)
{
    s.setRange("dtpFSlipDate", "dtpESlipDate", from, to);
    s.click("bbtSearch");
}

int rowOf(RecordSet* set, const QString& slipNo)
{
    return set->findRow(QStringLiteral("SLIP_NO"), {slipNo});
}

QString field(RecordSet* set, const QString& slipNo, const QString& name)
{
    const int row = rowOf(set, slipNo);
    return row < 0 ? QStringLiteral("<no row>") : set->fieldAsString(row, name);
}

// Records what the screens ask the main window to open, with the hand-off
// values at that moment; no screen opens.
class RecordingHost : public ProgramHost {
public:
    struct Request {
        QString programId, slipNo, slipDate, deptText;
    };
    RecordingHost() : m_previous(ProgramHost::instance()) { ProgramHost::setInstance(this); }
    ~RecordingHost() override { ProgramHost::setInstance(m_previous); }
    bool OpenProgram(const QString&, const QString&) override { return false; }
    void clickProgramItems(const QString& programId) override
    {
        requests << Request{programId, HandOver::HandSlipNo, HandOver::HandSlipDate, HandOver::HandDeptText};
    }
    QWidget* screenOf(const QString&) const override { return nullptr; }
    void closeActiveScreen() override {}
    void screenClosed(QWidget*) override {}

    QList<Request> requests;

private:
    ProgramHost* m_previous;
};

// Another workstation's connection holding a slip in an open confirmation.
class SlipHolder {
public:
    SlipHolder(const QString& database, const QString& slipNo, const QString& day)
        : m_db(TestDb::openConnection(QStringLiteral("holder"), database))
    {
        m_db.transaction();
        QSqlQuery hold(m_db);
        hold.prepare(QStringLiteral("SELECT pk_v_journalize.def_confdate('1', ?, ?, '2003')"));
        hold.addBindValue(slipNo);
        hold.addBindValue(day);
        if (!hold.exec() || !hold.next() || hold.value(0).toString() != QLatin1String("T"))
            qFatal("the other connection could not hold %s: %s", qPrintable(slipNo), qPrintable(hold.lastError().text()));
    }
    ~SlipHolder()
    {
        m_db.rollback();
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    }

private:
    QSqlDatabase m_db;
};

// The texts of one print element over every page, and the fills of another.
QStringList pageTexts(const PageModel& model, const QString& name)
{
    QStringList out;
    for (const PrintPage& page : model.pages)
        out << page.texts(name);
    return out;
}

QList<QColor> pageFills(const PageModel& model, const QString& name)
{
    QList<QColor> out;
    for (const PrintPage& page : model.pages)
        for (const PrintItem& item : page.items)
            if (item.name == name)
                out << item.fill;
    return out;
}

// Types into a slip line's cell as a clerk does: the cell's editor, then Enter.
void typeCell(TfrmVBI020& s, int row, int column, const QString& value)
{
    DataGrid* g = s.grid();
    g->setFocus();
    g->setCurrentCell(row, column);
    g->editCurrentCell();
    QWidget* editor = g->cellEditor();
    QVERIFY(editor);
    QLineEdit* line = qobject_cast<QLineEdit*>(editor);
    if (!line)
        line = editor->findChild<QLineEdit*>();
    if (line)
        line->selectAll();
    QTest::keyClicks(editor, value);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
}

}  // namespace

class TestConfirmation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void init();
    void cleanup();

    // VBI030
    void slipListAndTicks();
    void searchChoices_data();
    void searchChoices();
    void confirmAndCancelInOneRun();
    void answeredNoRunsNothing();
    void nothingTickedStillRefreshes();
    void authorityRefusedByTheScreen_data();
    void authorityRefusedByTheScreen();
    void authorityRefusedByTheDatabase();
    void refusalRollsBackTheWholeRun_data();
    void refusalRollsBackTheWholeRun();
    void databaseErrorRollsBackTheWholeRun();
    void handOffsToSlipEntryAndOperatingScreen();

    // VBS080
    void confirmedLinesAgreeWithTheBooks_data();
    void confirmedLinesAgreeWithTheBooks();
    void confirmedLinesExport();

    // VBI040, VBI041
    void registerPerDayWithTotals();
    void registerAgreesWithTheBooks();
    void registerPrintedForTheRangeShown();
    void registerHandOff();

    void newUserFromPeriodToClosing();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QTemporaryDir m_dir;
};

void TestConfirmation::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Session::workstationIp = QStringLiteral("10.20.30.40");
    Session::exeDir = m_dir.path() + QLatin1Char('/');
}

void TestConfirmation::init()
{
    Session::empNo = kFinance;
    Session::empName = QStringLiteral("박재무");
    HandOver::clearSlip();
    m_dialogs = std::make_unique<ScriptedDialogs>();
}

void TestConfirmation::cleanup()
{
    m_dialogs.reset();
    // However a run ended, its transaction and its wait window are gone.
    QVERIFY(!SharedTransaction::instance().inTransaction());
    QVERIFY(!WaitWindow() || !WaitWindow()->isVisible());
}

// --- VBI030 ----------------------------------------------------------------------------

void TestConfirmation::slipListAndTicks()
{
    insertSlip(QStringLiteral("TLS00001"), QStringLiteral("2027-02-02"), cashSale(300000));
    insertSlip(QStringLiteral("TLS00002"), QStringLiteral("2027-02-02"), cashSale(200000));
    QCOMPARE(journalize(QStringLiteral("1"), QStringLiteral("TLS00002"), QStringLiteral("2027-02-02")), QStringLiteral("T"));
    insertSlip(QStringLiteral("TLS00003"), QStringLiteral("2027-02-02"), cashSale(100000));
    TestDb::ownerExec(QStringLiteral("UPDATE vb010ms SET slip_del_yn = 'Y' WHERE slip_no = 'TLS00003'"));

    ConfirmScreen s;
    searchSlips(s, QStringLiteral("2027-02-02"), QStringLiteral("2027-02-02"));
    RecordSet* slips = s.slips();
    // Deleted slips are not listed; confirmed ones come first.
    QCOMPARE(slips->recordCount(), 2);
    QCOMPARE(slips->fieldAsString(0, QStringLiteral("SLIP_NO")), QStringLiteral("TLS00002"));
    QCOMPARE(slips->fieldAsString(1, QStringLiteral("SLIP_NO")), QStringLiteral("TLS00001"));
    QCOMPARE(field(slips, "TLS00002", "CONF_YN"), QStringLiteral("Y"));
    QCOMPARE(field(slips, "TLS00002", "SLIP_YN"), QString());
    QCOMPARE(field(slips, "TLS00002", "CANCEL_YN"), QStringLiteral("N"));
    QCOMPARE(field(slips, "TLS00001", "CONF_YN"), QStringLiteral("N"));
    QCOMPARE(field(slips, "TLS00001", "SLIP_YN"), QStringLiteral("N"));
    QCOMPARE(field(slips, "TLS00001", "CANCEL_YN"), QString());
    QCOMPARE(field(slips, "TLS00001", "EMP_K_NAME"), QStringLiteral("김회계"));
    QCOMPARE(slips->value(0, QStringLiteral("TOTAL_D_AMT")).toLongLong(), 200000);
    // Confirmed rows are drawn highlighted.
    auto* grid = s.get<DataGrid>("rgrGrid");
    QVERIFY(grid->model()->index(0, 0).data(Qt::BackgroundRole).isValid());
    QVERIFY(!grid->model()->index(1, 0).data(Qt::BackgroundRole).isValid());

    // The lines of the slip under the cursor, with their items.
    slips->moveTo(1);
    QCOMPARE(s.lines()->recordCount(), 2);
    QCOMPARE(s.lines()->fieldAsString(1, QStringLiteral("ACCT_CODE")), QStringLiteral("5110110"));
    QCOMPARE(s.lines()->value(1, QStringLiteral("C_AMOUNT")).toLongLong(), 300000);
    QVERIFY(s.lines()->fieldAsString(1, QStringLiteral("MG1")).startsWith(QLatin1String("2111")));

    // A click on a tick turns it; an empty tick and other columns stay.
    s.clickCell("rgrGrid", 1, QStringLiteral("SLIP_YN"));
    QCOMPARE(field(slips, "TLS00001", "SLIP_YN"), QStringLiteral("Y"));
    s.clickCell("rgrGrid", 1, QStringLiteral("SLIP_YN"));
    QCOMPARE(field(slips, "TLS00001", "SLIP_YN"), QStringLiteral("N"));
    s.clickCell("rgrGrid", 1, QStringLiteral("CANCEL_YN"));
    QCOMPARE(field(slips, "TLS00001", "CANCEL_YN"), QString());
    s.clickCell("rgrGrid", 0, QStringLiteral("SLIP_YN"));
    QCOMPARE(field(slips, "TLS00002", "SLIP_YN"), QString());
    s.clickCell("rgrGrid", 0, QStringLiteral("CANCEL_YN"));
    QCOMPARE(field(slips, "TLS00002", "CANCEL_YN"), QStringLiteral("Y"));
    s.clickCell("rgrGrid", 0, QStringLiteral("CONF_YN"));
    QCOMPARE(field(slips, "TLS00002", "CONF_YN"), QStringLiteral("Y"));

    // Cancel drops the ticks and the slip-number text and closes both lists.
    s.get("Edit1")->setText(QStringLiteral("TLS"));
    s.click("bbtCancel");
    QVERIFY(!slips->isOpen());
    QVERIFY(!s.lines()->isOpen());
    QVERIFY(s.get("Edit1")->text().isEmpty());
    QVERIFY(m_dialogs->shown.isEmpty());
    QCOMPARE(confDate(QStringLiteral("TLS00002")), QStringLiteral("2027-02-02"));
}

void TestConfirmation::searchChoices_data()
{
    QTest::addColumn<QString>("kind");      // radio button of the search kind
    QTest::addColumn<QString>("approval");  // radio button of the confirmation filter
    QTest::addColumn<QString>("slipText");
    QTest::addColumn<QStringList>("slips");
    QTest::newRow("accounting days, all") << "rdoAccDate" << "rdoApprovalA" << ""
                                          << QStringList{"TSC00002", "TSC00003", "TSC00001"};
    QTest::newRow("accounting days, confirmed") << "rdoAccDate" << "rdoApprovalY" << ""
                                                << QStringList{"TSC00002", "TSC00003"};
    QTest::newRow("accounting days, unconfirmed") << "rdoAccDate" << "rdoApprovalN" << ""
                                                  << QStringList{"TSC00001"};
    QTest::newRow("part of the number") << "rdoAccDate" << "rdoApprovalA" << "C00003" << QStringList{"TSC00003"};
    // Slip 3 was written in the range but confirmed after it.
    QTest::newRow("confirmation days") << "rdoConfDate" << "rdoApprovalA" << "" << QStringList{"TSC00002"};
}

void TestConfirmation::searchChoices()
{
    QFETCH(QString, kind);
    QFETCH(QString, approval);
    QFETCH(QString, slipText);
    QFETCH(QStringList, slips);
    if (!number(QStringLiteral("SELECT count(*) FROM vb010ms WHERE slip_no LIKE 'TSC%'"))) {
        insertSlip(QStringLiteral("TSC00001"), QStringLiteral("2027-03-02"), cashSale(1000));
        insertSlip(QStringLiteral("TSC00002"), QStringLiteral("2027-03-03"), cashSale(2000));
        insertSlip(QStringLiteral("TSC00003"), QStringLiteral("2027-03-04"), cashSale(3000));
        QCOMPARE(journalize(QStringLiteral("1"), QStringLiteral("TSC00002"), QStringLiteral("2027-03-04")), QStringLiteral("T"));
        QCOMPARE(journalize(QStringLiteral("1"), QStringLiteral("TSC00003"), QStringLiteral("2027-03-09")), QStringLiteral("T"));
    }
    ConfirmScreen s;
    s.get<QRadioButton>(kind.toLatin1().constData())->setChecked(true);
    s.get<QRadioButton>(approval.toLatin1().constData())->setChecked(true);
    s.get("Edit1")->setText(slipText);
    searchSlips(s, QStringLiteral("2027-03-01"), QStringLiteral("2027-03-05"));
    QStringList shown;
    for (int row = 0; row < s.slips()->recordCount(); ++row)
        shown << s.slips()->fieldAsString(row, QStringLiteral("SLIP_NO"));
    QCOMPARE(shown, slips);
}

void TestConfirmation::confirmAndCancelInOneRun()
{
    insertSlip(QStringLiteral("TCC00001"), QStringLiteral("2027-02-03"), cashSale(500000));
    insertSlip(QStringLiteral("TCC00002"), QStringLiteral("2027-02-03"), cashSale(700000));
    QCOMPARE(journalize(QStringLiteral("1"), QStringLiteral("TCC00002"), QStringLiteral("2027-02-05")), QStringLiteral("T"));
    QVERIFY(text(QStringLiteral("SELECT pr_vzi100_02('TCC00002', '1', '202702', NULL, '0', 'N', '2003')")).startsWith(QLatin1Char('T')));
    QCOMPARE(operatingRows(QStringLiteral("TCC00002")), 1);
    const qint64 februaryCredit = number(QStringLiteral(
        "SELECT coalesce(sum(c_amount), 0) FROM vb071ms WHERE sum_month = '202702' AND acct_code = '5110110'"));

    ConfirmScreen s;
    searchSlips(s, QStringLiteral("2027-02-03"), QStringLiteral("2027-02-03"));
    s.clickCell("rgrGrid", rowOf(s.slips(), "TCC00001"), QStringLiteral("SLIP_YN"));
    s.clickCell("rgrGrid", rowOf(s.slips(), "TCC00002"), QStringLiteral("CANCEL_YN"));
    s.setDate("DateTimePicker1", QStringLiteral("2027-02-15"));
    s.get("medAccept_YM")->setText(QStringLiteral("202703"));
    s.get("Edit2")->setText(QStringLiteral("2월 객실 영업수지"));
    s.get("Edit3")->setText(QStringLiteral("1234567"));
    emit s.get("Edit3")->editingFinished();
    QCOMPARE(s.get("Edit3")->text(), QStringLiteral("1,234,567"));
    s.get<QCheckBox>("CheckBox1")->setChecked(true);
    QTest::keyClick(&s, Qt::Key_F2);

    QCOMPARE(m_dialogs->texts(), (QStringList{question(QStringLiteral("2027-02-15")), kDone}));
    // Confirmed on the day of the strip; the cancellation took the slip's
    // own day (the database refuses any other).
    QCOMPARE(confDateEverywhere(QStringLiteral("TCC00001")), QStringLiteral("2027-02-15"));
    QCOMPARE(text(QStringLiteral("SELECT conf_emp_no FROM vb010ms WHERE slip_no = 'TCC00001'")), kFinance);
    QCOMPARE(confDateEverywhere(QStringLiteral("TCC00002")), QStringLiteral("-"));
    // The operating income/expense record of the revenue line, from the strip.
    QSqlQuery op = Db::run(QStringLiteral("SELECT apply_ym, acct_rem, acct_amt, give_yn, acct_code FROM vz100ms "
                                          "WHERE slip_no = 'TCC00001'"));
    QVERIFY(op.next());
    QCOMPARE(op.value(0).toString(), QStringLiteral("202703"));
    QCOMPARE(op.value(1).toString(), QStringLiteral("2월 객실 영업수지"));
    QCOMPARE(op.value(2).toLongLong(), 1234567);
    QCOMPARE(op.value(3).toString(), QStringLiteral("Y"));
    QCOMPARE(op.value(4).toString(), QStringLiteral("5110110"));
    QVERIFY(!op.next());
    QCOMPARE(operatingRows(QStringLiteral("TCC00002")), 0);
    // Posted: February's revenue moved by the one slip confirmed less the
    // one cancelled, and the books equal their rebuild.
    QCOMPARE(number(QStringLiteral("SELECT coalesce(sum(c_amount), 0) FROM vb071ms WHERE sum_month = '202702' "
                                   "AND acct_code = '5110110'")),
             februaryCredit + 500000 - 700000);
    QCOMPARE(bookDifferences(), QStringList());

    // The list was read again with the same choices; the strip is reset.
    QCOMPARE(s.slips()->recordCount(), 2);
    QCOMPARE(field(s.slips(), "TCC00001", "CONF_YN"), QStringLiteral("Y"));
    QCOMPARE(field(s.slips(), "TCC00001", "CONF_DATE"), QStringLiteral("2027-02-15"));
    QCOMPARE(field(s.slips(), "TCC00001", "CANCEL_YN"), QStringLiteral("N"));
    QCOMPARE(field(s.slips(), "TCC00002", "SLIP_YN"), QStringLiteral("N"));
    QVERIFY(s.get<QRadioButton>("rdoAccDate")->isChecked());
    QVERIFY(s.get<QRadioButton>("rdoApprovalA")->isChecked());
    QCOMPARE(s.get<QDateEdit>("dtpFSlipDate")->date(), QDate(2027, 2, 3));
    QCOMPARE(s.get<QDateEdit>("dtpESlipDate")->date(), QDate(2027, 2, 3));
    QVERIFY(s.get("Edit2")->text().isEmpty());
    QCOMPARE(s.get("Edit3")->text(), QStringLiteral("0"));
}

void TestConfirmation::answeredNoRunsNothing()
{
    insertSlip(QStringLiteral("TNO00001"), QStringLiteral("2027-02-04"), cashSale(10000));
    ConfirmScreen s;
    searchSlips(s, QStringLiteral("2027-02-04"), QStringLiteral("2027-02-04"));
    s.clickCell("rgrGrid", rowOf(s.slips(), "TNO00001"), QStringLiteral("SLIP_YN"));
    s.setDate("DateTimePicker1", QStringLiteral("2027-02-04"));
    // The confirmed amount: a whole number shown grouped, anything else 0.
    for (const auto& [typed, shown] : {std::pair{"12,3a", "0"}, std::pair{"1.5", "0"}, std::pair{"-2500", "-2,500"},
                                       std::pair{"7,000", "7,000"}}) {
        s.get("Edit3")->setText(QLatin1String(typed));
        emit s.get("Edit3")->editingFinished();
        QCOMPARE(s.get("Edit3")->text(), QLatin1String(shown));
    }
    m_dialogs->yesNoAnswers = {false};
    s.click("bbtSave");
    QCOMPARE(m_dialogs->texts(), QStringList{question(QStringLiteral("2027-02-04"))});
    QCOMPARE(confDate(QStringLiteral("TNO00001")), QString());
    QCOMPARE(field(s.slips(), "TNO00001", "SLIP_YN"), QStringLiteral("Y"));

    // Asked again and answered Yes, the same ticks run.
    m_dialogs->clear();
    s.click("bbtSave");
    QCOMPARE(m_dialogs->texts(), (QStringList{question(QStringLiteral("2027-02-04")), kDone}));
    QCOMPARE(confDate(QStringLiteral("TNO00001")), QStringLiteral("2027-02-04"));
    QCOMPARE(number(QStringLiteral("SELECT acct_amt FROM vz100ms WHERE slip_no = 'TNO00001'")), 7000);
}

void TestConfirmation::nothingTickedStillRefreshes()
{
    insertSlip(QStringLiteral("TNT00001"), QStringLiteral("2027-02-05"), cashSale(10000));
    insertSlip(QStringLiteral("TNT00002"), QStringLiteral("2027-02-05"), cashSale(20000));
    ConfirmScreen s;
    s.get<QRadioButton>("rdoApprovalN")->setChecked(true);
    searchSlips(s, QStringLiteral("2027-02-05"), QStringLiteral("2027-02-05"));
    QCOMPARE(s.slips()->recordCount(), 2);
    // Another user confirms one meanwhile; the list is read again under the
    // same choices, so it leaves the unconfirmed list.
    QCOMPARE(journalize(QStringLiteral("1"), QStringLiteral("TNT00001"), QStringLiteral("2027-02-06")), QStringLiteral("T"));
    s.click("bbtSave");
    QCOMPARE(m_dialogs->texts(), (QStringList{question(QDate::currentDate().toString(Qt::ISODate)), kDone}));
    QVERIFY(s.get<QRadioButton>("rdoApprovalN")->isChecked());
    QCOMPARE(s.slips()->recordCount(), 1);
    QCOMPARE(s.slips()->fieldAsString(0, QStringLiteral("SLIP_NO")), QStringLiteral("TNT00002"));
    QCOMPARE(confDate(QStringLiteral("TNT00001")), QStringLiteral("2027-02-06"));
    QCOMPARE(confDate(QStringLiteral("TNT00002")), QString());
}

void TestConfirmation::authorityRefusedByTheScreen_data()
{
    QTest::addColumn<QString>("emp");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("undo");
    QTest::addColumn<QString>("message");
    QTest::newRow("clerk without authority") << kClerk << "" << "" << "재무승인 권한이 없는 사용자 입니다.!";
    QTest::newRow("no authority row") << "3002" << "" << "" << "승인권한에 등록되지 않은 사용자입니다.!";
    // Valid today, but not on the day to confirm on.
    QTest::newRow("authority ended the day before")
        << kFinance << "UPDATE va010ms SET ed_date = DATE '2027-02-09' WHERE emp_no = '2003'"
        << "UPDATE va010ms SET ed_date = DATE '2099-12-31' WHERE emp_no = '2003'"
        << "승인권한에 등록되지 않은 사용자입니다.!";
}

void TestConfirmation::authorityRefusedByTheScreen()
{
    QFETCH(QString, emp);
    QFETCH(QString, setup);
    QFETCH(QString, undo);
    QFETCH(QString, message);
    static int run = 0;
    const QString slipNo = QStringLiteral("TAU0000") + QString::number(++run);
    insertSlip(slipNo, QStringLiteral("2027-02-08"), cashSale(20000));
    if (!setup.isEmpty())
        m_db->ownerExec(setup);
    Session::empNo = emp;
    ConfirmScreen s;
    searchSlips(s, QStringLiteral("2027-02-08"), QStringLiteral("2027-02-08"));
    s.clickCell("rgrGrid", rowOf(s.slips(), slipNo), QStringLiteral("SLIP_YN"));
    s.setDate("DateTimePicker1", QStringLiteral("2027-02-10"));
    s.click("bbtSave");
    if (!undo.isEmpty())
        m_db->ownerExec(undo);
    // Refused before the question; nothing ran.
    QCOMPARE(m_dialogs->texts(), QStringList{message});
    QCOMPARE(confDate(slipNo), QString());
    QCOMPARE(field(s.slips(), slipNo, "SLIP_YN"), QStringLiteral("Y"));
}

// The database decides too: the calls made without the screen refuse the
// clerk, each of them on its own.
void TestConfirmation::authorityRefusedByTheDatabase()
{
    insertSlip(QStringLiteral("TAD00001"), QStringLiteral("2027-02-08"), cashSale(30000));
    for (const char* call : {"pk_v_journalize.def_confdate", "pk_v_journalize.pr_journalmain"}) {
        SharedTransaction::instance().start();
        const QString answer = CallProcText(QLatin1String(call), {QStringLiteral("1"), QStringLiteral("TAD00001"),
                                                                  QStringLiteral("2027-02-10"), kClerk});
        SharedTransaction::instance().commit();
        QVERIFY2(answer.startsWith(QStringLiteral("E재무승인 권한이 없는 사용자")), qPrintable(call + (": " + answer)));
        QCOMPARE(confDateEverywhere(QStringLiteral("TAD00001")), QStringLiteral("-"));
    }
    // Cancelling is refused to him as well.
    QCOMPARE(journalize(QStringLiteral("1"), QStringLiteral("TAD00001"), QStringLiteral("2027-02-10")), QStringLiteral("T"));
    QVERIFY(journalize(QStringLiteral("2"), QStringLiteral("TAD00001"), QStringLiteral("2027-02-10"), kClerk)
                .startsWith(QStringLiteral("E재무승인 권한이 없는 사용자")));
    QCOMPARE(confDate(QStringLiteral("TAD00001")), QStringLiteral("2027-02-10"));
}

void TestConfirmation::refusalRollsBackTheWholeRun_data()
{
    // A good slip ticked first, then the one refused, then another good one;
    // `before` runs before the search, `after` between the search and F2.
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("undo");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("acceptYm");  // the operating month of the strip; empty: its default
    QTest::newRow("deleted meanwhile") << "" << "UPDATE vb010ms SET slip_del_yn = 'Y' WHERE slip_no = :bad" << ""
                                       << "2027-02-12" << "삭제된 전표" << "";
    QTest::newRow("unbalanced") << "UPDATE vb011ms SET d_amount = d_amount + 1 WHERE slip_no = :bad AND slip_seq_no = 0"
                                << "" << "" << "2027-02-12" << "합계가 맞지 않는" << "";
    QTest::newRow("written on a closed day")
        << "UPDATE vi011dt SET close_yn = 'Y' WHERE y_month = '202702' AND day = '11'" << ""
        << "UPDATE vi011dt SET close_yn = 'N' WHERE y_month = '202702' AND day = '11'" << "2027-02-12" << "마감" << "";
    QTest::newRow("confirmation day closed")
        << "UPDATE vi011dt SET close_yn = 'Y' WHERE y_month = '202702' AND day = '13'" << ""
        << "UPDATE vi011dt SET close_yn = 'N' WHERE y_month = '202702' AND day = '13'" << "2027-02-13" << "마감" << "";
    QTest::newRow("outside every term") << "" << "" << "" << "2031-05-01" << "등록된 기수가 없습니다" << "";
    QTest::newRow("confirmed meanwhile") << "" << "CONFIRM" << "" << "2027-02-12" << "이미 확정된 전표" << "";
    QTest::newRow("held by another connection") << "" << "HOLD" << "" << "2027-02-12" << "다른 사용자가 처리 중인 전표"
                                                << "";
    // The operating registration's answer counts like the confirmation's:
    // refused after the first slip was confirmed, it takes the run back.
    QTest::newRow("operating month no month") << "" << "" << "" << "2027-02-12" << "영업수지 적용월이 올바르지 않습니다"
                                              << "202713";
}

void TestConfirmation::refusalRollsBackTheWholeRun()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, undo);
    QFETCH(QString, day);
    QFETCH(QString, expected);
    QFETCH(QString, acceptYm);
    static int run = 0;
    ++run;
    const QString good1 = QStringLiteral("TRB%1A").arg(run, 2, 10, QLatin1Char('0'));
    const QString bad = QStringLiteral("TRB%1B").arg(run, 2, 10, QLatin1Char('0'));
    const QString good2 = QStringLiteral("TRB%1C").arg(run, 2, 10, QLatin1Char('0'));
    // The bad slip is written on the 11th, the good ones on the 10th.
    insertSlip(good1, QStringLiteral("2027-02-10"), cashSale(40000));
    insertSlip(bad, QStringLiteral("2027-02-11"), cashSale(50000));
    insertSlip(good2, QStringLiteral("2027-02-10"), cashSale(60000));
    const auto ownerRun = [&](QString sql) {
        if (!sql.isEmpty())
            m_db->ownerExec(sql.replace(QStringLiteral(":bad"), QLatin1Char('\'') + bad + QLatin1Char('\'')));
    };
    ownerRun(before);
    const QString books = text(QStringLiteral("SELECT string_agg(acct_code || ':' || d_amount || '/' || c_amount, ',' "
                                              "ORDER BY acct_code) FROM vb071ms WHERE sum_month = '202702'"));

    ConfirmScreen s;
    s.get("Edit1")->setText(QStringLiteral("TRB%1").arg(run, 2, 10, QLatin1Char('0')));
    searchSlips(s, QStringLiteral("2027-02-10"), QStringLiteral("2027-02-11"));
    QCOMPARE(s.slips()->recordCount(), 3);
    // In list order: the good slip, the bad one, the other good one.
    QCOMPARE(s.slips()->fieldAsString(1, QStringLiteral("SLIP_NO")), bad);
    for (int row = 0; row < 3; ++row)
        s.clickCell("rgrGrid", row, QStringLiteral("SLIP_YN"));
    s.setDate("DateTimePicker1", day);
    if (!acceptYm.isEmpty())
        s.get("medAccept_YM")->setText(acceptYm);
    std::unique_ptr<SlipHolder> holder;
    if (after == QLatin1String("HOLD"))
        holder = std::make_unique<SlipHolder>(m_db->name(), bad, QStringLiteral("2027-02-12"));
    else if (after == QLatin1String("CONFIRM"))
        QCOMPARE(journalize(QStringLiteral("1"), bad, QStringLiteral("2027-02-12")), QStringLiteral("T"));
    else
        ownerRun(after);

    s.click("bbtSave");
    holder.reset();
    ownerRun(undo);

    QCOMPARE(m_dialogs->shown.size(), 2);
    QCOMPARE(m_dialogs->shown.first().text, question(day));
    const QString refusal = m_dialogs->lastText();
    QVERIFY2(refusal.startsWith(kNotSaved + QLatin1Char('E')) && refusal.contains(expected), qPrintable(refusal));
    // Nothing of the run stays: the good slip before the refusal is not
    // confirmed, has no operating record, and the books did not move.
    for (const QString& slipNo : {good1, good2}) {
        QCOMPARE(confDateEverywhere(slipNo), QStringLiteral("-"));
        QCOMPARE(operatingRows(slipNo), 0);
    }
    if (after != QLatin1String("CONFIRM")) {
        QCOMPARE(confDate(bad), QString());
        QCOMPARE(text(QStringLiteral("SELECT string_agg(acct_code || ':' || d_amount || '/' || c_amount, ',' "
                                     "ORDER BY acct_code) FROM vb071ms WHERE sum_month = '202702'")),
                 books);
    }
    QCOMPARE(bookDifferences(), QStringList());
    // The list is kept as ticked, to be put right and run again.
    QCOMPARE(s.slips()->recordCount(), 3);
    for (int row = 0; row < 3; ++row)
        QCOMPARE(s.slips()->fieldAsString(row, QStringLiteral("SLIP_YN")), QStringLiteral("Y"));

    if (day.startsWith(QLatin1String("2027"))) {
        // Without the bad slip the same run goes through whole.
        s.clickCell("rgrGrid", 1, QStringLiteral("SLIP_YN"));
        s.get("medAccept_YM")->setText(QStringLiteral("202702"));
        m_dialogs->clear();
        s.click("bbtSave");
        QCOMPARE(m_dialogs->lastText(), kDone);
        QCOMPARE(confDateEverywhere(good1), day);
        QCOMPARE(confDateEverywhere(good2), day);
        QCOMPARE(operatingRows(good2), 1);
        QCOMPARE(bookDifferences(), QStringList());
    }
}

// A failure of the database itself (here a trigger) in the middle of the
// run reaches the error dialog and takes the whole run back as well.
void TestConfirmation::databaseErrorRollsBackTheWholeRun()
{
    insertSlip(QStringLiteral("TDE00001"), QStringLiteral("2027-02-16"), cashSale(11000));
    insertSlip(QStringLiteral("TDE00002"), QStringLiteral("2027-02-16"), cashSale(12000));
    m_db->ownerExec(QStringLiteral("CREATE FUNCTION refuse_operating_row() RETURNS trigger LANGUAGE plpgsql AS "
                                   "$$ BEGIN RAISE EXCEPTION 'operating record failed'; END $$"));
    m_db->ownerExec(QStringLiteral("CREATE TRIGGER refuse_operating BEFORE INSERT ON vz100ms FOR EACH ROW "
                                   "WHEN (NEW.slip_no = 'TDE00002') EXECUTE FUNCTION refuse_operating_row()"));
    QString error;
    m_dialogs->onDialog = [&](QDialog* d) {
        if (auto* dialog = qobject_cast<TFrmError*>(d))
            error = dialog->messageText() + QStringLiteral(" | ") + dialog->detailsText();
        return int(QDialog::Accepted);
    };
    ConfirmScreen s;
    searchSlips(s, QStringLiteral("2027-02-16"), QStringLiteral("2027-02-16"));
    s.clickCell("rgrGrid", 0, QStringLiteral("SLIP_YN"));
    s.clickCell("rgrGrid", 1, QStringLiteral("SLIP_YN"));
    s.setDate("DateTimePicker1", QStringLiteral("2027-02-16"));
    QTest::keyClick(&s, Qt::Key_F2);
    m_db->ownerExec(QStringLiteral("DROP TRIGGER refuse_operating ON vz100ms"));
    m_db->ownerExec(QStringLiteral("DROP FUNCTION refuse_operating_row()"));

    QVERIFY2(error.contains(QStringLiteral("operating record failed")), qPrintable(error));
    QVERIFY(!m_dialogs->texts().contains(kDone));
    QCOMPARE(confDateEverywhere(QStringLiteral("TDE00001")), QStringLiteral("-"));
    QCOMPARE(operatingRows(QStringLiteral("TDE00001")), 0);
    QCOMPARE(bookDifferences(), QStringList());
}

void TestConfirmation::handOffsToSlipEntryAndOperatingScreen()
{
    insertSlip(QStringLiteral("THO00001"), QStringLiteral("2027-02-17"), cashSale(13000));
    const QString deptName = text(QStringLiteral("SELECT aff_dept_name FROM qa160ms WHERE aff_dept_code = '1111'"));
    {
        RecordingHost host;
        ConfirmScreen s;
        searchSlips(s, QStringLiteral("2027-02-17"), QStringLiteral("2027-02-17"));
        // A double click on a tick only ticks.
        s.doubleClickCell("rgrGrid", 0, QStringLiteral("SLIP_YN"));
        QVERIFY(host.requests.isEmpty());
        s.doubleClickCell("rgrGrid", 0, QStringLiteral("SLIP_NO"));
        s.doubleClickCell("RealDBGrid1", 1, QStringLiteral("ACCT_CODE"));
        QStringList asked;
        for (const RecordingHost::Request& r : host.requests)
            asked << r.programId;
        QCOMPARE(asked, (QStringList{"VBI020", "VCI120"}));
        QCOMPARE(host.requests[0].programId, QStringLiteral("VBI020"));
        QCOMPARE(host.requests[1].programId, QStringLiteral("VCI120"));
        for (const RecordingHost::Request& r : host.requests) {
            QCOMPARE(r.slipNo, QStringLiteral("THO00001"));
            QCOMPARE(r.slipDate, QStringLiteral("2027-02-17"));
            QCOMPARE(DeptEntry::codeOf(r.deptText), QStringLiteral("1111"));
            QVERIFY(r.deptText.startsWith(deptName));
        }
    }

    // From the main window the slip opens in slip entry.
    HandOver::clearSlip();
    TfrmV0Main main;
    main.resize(1280, 900);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QVERIFY(main.OpenProgram(QStringLiteral("VBI030"), QStringLiteral("VBI030")));
    auto* s = qobject_cast<TfrmVBI030*>(main.screenOf(QStringLiteral("VBI030")));
    QVERIFY(s);
    auto* from = s->findChild<QDateEdit*>(QStringLiteral("dtpFSlipDate"));
    auto* to = s->findChild<QDateEdit*>(QStringLiteral("dtpESlipDate"));
    from->setDate(QDate(2027, 2, 17));
    to->setDate(QDate(2027, 2, 17));
    from->setDate(QDate(2027, 2, 17));
    s->findChild<QPushButton*>(QStringLiteral("bbtSearch"))->click();
    QCOMPARE(s->slips()->recordCount(), 1);
    DataGrid* grid = s->slipGrid();
    const QPoint at = grid->visualRect(grid->model()->index(0, grid->columnOf(QStringLiteral("SLIP_NO")))).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
    auto* entry = qobject_cast<TfrmVBI020*>(main.screenOf(QStringLiteral("VBI020")));
    QVERIFY(entry);
    QTRY_COMPARE(entry->currentSlipNo(), QStringLiteral("THO00001"));
    QCOMPARE(entry->lines()->recordCount(), 2);
    QVERIFY(HandOver::HandSlipNo.isEmpty());
    main.close();
}

// --- VBS080 ----------------------------------------------------------------------------

void TestConfirmation::confirmedLinesAgreeWithTheBooks_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("demo, first days of December") << "2026-12-01" << "2026-12-10";
    QTest::newRow("demo, a closed month") << "2026-10-01" << "2026-10-31";
    QTest::newRow("our slips") << "2027-04-01" << "2027-04-30";
}

void TestConfirmation::confirmedLinesAgreeWithTheBooks()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    if (from.startsWith(QLatin1String("2027")) && !number(QStringLiteral("SELECT count(*) FROM vb010ms WHERE slip_no = 'TVL00001'"))) {
        insertSlip(QStringLiteral("TVL00001"), QStringLiteral("2027-04-01"), cashSale(81000));
        insertSlip(QStringLiteral("TVL00002"), QStringLiteral("2027-04-01"), cashSale(82000));
        insertSlip(QStringLiteral("TVL00003"), QStringLiteral("2027-04-02"), cashSale(83000));
        QCOMPARE(journalize(QStringLiteral("1"), QStringLiteral("TVL00001"), QStringLiteral("2027-04-03")), QStringLiteral("T"));
        QCOMPARE(journalize(QStringLiteral("1"), QStringLiteral("TVL00003"), QStringLiteral("2027-04-30")), QStringLiteral("T"));
    }
    LinesScreen s;
    s.setRange("dtpFConfDate", "dtpEConfDate", from, to);
    s.click("bbtSearch");
    RecordSet* lines = s.lines();
    QVERIFY(lines->recordCount() > 0);
    // The same lines, in slip and line order, as a plain reading of the
    // confirmed lines of the range.
    QSqlQuery plain = Db::run(QStringLiteral("SELECT l.slip_no, l.slip_seq_no, l.acct_code, l.d_amount, l.c_amount, "
                                             "to_char(h.conf_date, 'YYYY-MM-DD') FROM vb011ms l "
                                             "JOIN vb010ms h ON h.slip_no = l.slip_no "
                                             "WHERE h.conf_date BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE) "
                                             "ORDER BY l.slip_no, l.slip_seq_no"),
                              {from, to});
    int row = 0;
    qint64 debit = 0;
    while (plain.next()) {
        QVERIFY2(row < lines->recordCount(), "fewer lines than confirmed");
        QCOMPARE(lines->fieldAsString(row, QStringLiteral("SLIP_NO")), plain.value(0).toString());
        QCOMPARE(lines->value(row, QStringLiteral("SLIP_SEQ_NO")).toInt(), plain.value(1).toInt());
        QCOMPARE(lines->fieldAsString(row, QStringLiteral("ACCT_CODE")), plain.value(2).toString());
        QCOMPARE(lines->value(row, QStringLiteral("D_AMOUNT")).toLongLong(), plain.value(3).toLongLong());
        QCOMPARE(lines->value(row, QStringLiteral("C_AMOUNT")).toLongLong(), plain.value(4).toLongLong());
        QCOMPARE(lines->value(row, QStringLiteral("CONF_DATE")).toDate().toString(Qt::ISODate), plain.value(5).toString());
        debit += plain.value(3).toLongLong();
        ++row;
    }
    QCOMPARE(lines->recordCount(), row);
    // And the month sums the books keep, for a whole month.
    if (from.endsWith(QLatin1String("-01")) && to == QDate::fromString(from, Qt::ISODate).addMonths(1).addDays(-1).toString(Qt::ISODate))
        QCOMPARE(debit, number(QStringLiteral("SELECT coalesce(sum(d_amount), 0) FROM vb071ms WHERE sum_month = :P0"),
                               {from.left(4) + from.mid(5, 2)}));
    if (from.startsWith(QLatin1String("2027"))) {
        QCOMPARE(rowOf(lines, QStringLiteral("TVL00002")), -1);  // not confirmed
        QVERIFY(lines->fieldAsString(rowOf(lines, QStringLiteral("TVL00001")) + 1, QStringLiteral("MG1"))
                    .startsWith(QLatin1String("2111")));
    }
}

void TestConfirmation::confirmedLinesExport()
{
    insertSlip(QStringLiteral("TVX00001"), QStringLiteral("2027-05-03"), cashSale(1234567));
    insertSlip(QStringLiteral("TVX00002"), QStringLiteral("2027-05-03"),
               {{QStringLiteral("1110110"), 90000, 0, {}},
                {QStringLiteral("5110110"), 0, 90000, {{QStringLiteral("118"), QStringLiteral("2210")}}}});
    for (const char* slipNo : {"TVX00001", "TVX00002"})
        QCOMPARE(journalize(QStringLiteral("1"), QLatin1String(slipNo), QStringLiteral("2027-05-04")), QStringLiteral("T"));
    LinesScreen s;
    // Nothing shown yet: the key does nothing.
    QTest::keyClick(&s, Qt::Key_F11, Qt::ControlModifier);
    QVERIFY(m_dialogs->askedFileNames.isEmpty());
    QVERIFY(m_dialogs->shown.isEmpty());
    s.setRange("dtpFConfDate", "dtpEConfDate", QStringLiteral("2027-05-04"), QStringLiteral("2027-05-04"));
    s.click("bbtSearch");
    QCOMPARE(s.lines()->recordCount(), 4);

    const QString path = m_dir.filePath(QStringLiteral("확정전표.xls"));
    m_dialogs->fileNames = {path};
    m_dialogs->yesNoAnswers = {true};
    QCOMPARE(s.bbtExcelClick(), XlsExportResult::Written);
    QCOMPARE(m_dialogs->askedFileNames, QStringList{QStringLiteral("확정전표 내역")});
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("저장한 파일(확정전표.xls)을 Excel로 불러올까요?"));
    QCOMPARE(m_dialogs->openedFiles, QStringList{path});

    const XlsReadBack::Sheet sheet = XlsReadBack::readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.at(0, 0).text, QStringLiteral("확정전표 내역"));
    // The caption row, then one row per line of the grid in its order.
    DataGrid* grid = s.lineGrid();
    int captionRow = -1;
    for (int r = 0; r < sheet.rows && captionRow < 0; ++r)
        if (sheet.at(r, 0).text == QStringLiteral("전표번호"))
            captionRow = r;
    QVERIFY(captionRow > 0);
    QCOMPARE(sheet.rows, captionRow + 1 + 4);
    const int debitColumn = grid->columnOf(QStringLiteral("D_AMOUNT"));
    const int creditColumn = grid->columnOf(QStringLiteral("C_AMOUNT"));
    const int remarkColumn = grid->columnOf(QStringLiteral("REF_DATA"));
    QCOMPARE(sheet.at(captionRow, debitColumn).text, QStringLiteral("차변금액"));
    for (int row = 0; row < 4; ++row) {
        const int r = captionRow + 1 + row;
        QCOMPARE(sheet.at(r, 0).text, s.lines()->fieldAsString(row, QStringLiteral("SLIP_NO")));
        QCOMPARE(sheet.at(r, remarkColumn).text, s.lines()->fieldAsString(row, QStringLiteral("REF_DATA")));
        QCOMPARE(sheet.at(r, debitColumn).type, XlsReadBack::Cell::Number);
        QCOMPARE(qint64(sheet.at(r, debitColumn).number), s.lines()->value(row, QStringLiteral("D_AMOUNT")).toLongLong());
        QCOMPARE(qint64(sheet.at(r, creditColumn).number), s.lines()->value(row, QStringLiteral("C_AMOUNT")).toLongLong());
    }
    QCOMPARE(qint64(sheet.at(captionRow + 2, creditColumn).number), 1234567);

    if (!XlsReadBack::libreOfficeProgram().isEmpty()) {
        QString error;
        const QList<QStringList> csv = XlsReadBack::readWithLibreOffice(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(csv.value(captionRow + 1).value(0), QStringLiteral("TVX00001"));
        QCOMPARE(csv.value(captionRow + 2).value(creditColumn), QStringLiteral("1234567"));
    }
}

// --- VBI040, VBI041 --------------------------------------------------------------------

void TestConfirmation::registerPerDayWithTotals()
{
    insertSlip(QStringLiteral("TRG00001"), QStringLiteral("2027-06-01"), cashSale(100000));
    insertSlip(QStringLiteral("TRG00002"), QStringLiteral("2027-06-01"),
               {{QStringLiteral("1110110"), 150000, 0, {}},
                {QStringLiteral("1110110"), 50000, 0, {}},
                {QStringLiteral("5110110"), 0, 200000, {}}},
               QStringLiteral("2002"));
    insertSlip(QStringLiteral("TRG00003"), QStringLiteral("2027-06-02"), cashSale(300000));
    insertSlip(QStringLiteral("TRG00004"), QStringLiteral("2027-06-02"), cashSale(999000));  // stays unconfirmed
    QCOMPARE(journalize(QStringLiteral("1"), QStringLiteral("TRG00001"), QStringLiteral("2027-06-04")), QStringLiteral("T"));
    QCOMPARE(journalize(QStringLiteral("1"), QStringLiteral("TRG00002"), QStringLiteral("2027-06-04")), QStringLiteral("T"));
    QCOMPARE(journalize(QStringLiteral("1"), QStringLiteral("TRG00003"), QStringLiteral("2027-06-08")), QStringLiteral("T"));

    RegisterScreen s;
    s.setRange("dtpFConfDate", "dtpEConfDate", QStringLiteral("2027-06-01"), QStringLiteral("2027-06-10"));
    s.click("bbtSearch");
    RecordSet* rows = s.result();
    // day, slip, name column, count, debit: every day's slips, its subtotal,
    // and the grand total on the last day of the month after every day.
    const QStringList expected = {
        "2027-06-04|TRG00001||2|100000",
        "2027-06-04|TRG00002||3|200000",
        "2027-06-04||[일 소 계 :2]|5|300000",
        "2027-06-08|TRG00003||2|300000",
        "2027-06-08||[일 소 계 :1]|2|300000",
        "2027-06-30||[총 합 계 :3]|7|600000",
    };
    const auto shown = [rows] {
        QStringList out;
        for (int r = 0; r < rows->recordCount(); ++r) {
            const bool slip = !rows->fieldAsString(r, QStringLiteral("SLIP_NO")).isEmpty();
            out << QStringList{rows->value(r, QStringLiteral("CONF_DATE")).toDate().toString(Qt::ISODate),
                               rows->fieldAsString(r, QStringLiteral("SLIP_NO")),
                               slip ? QString() : rows->fieldAsString(r, QStringLiteral("DEPT_NAME")),
                               QString::number(rows->value(r, QStringLiteral("CNT")).toLongLong()),
                               QString::number(rows->value(r, QStringLiteral("TOTAL_D_AMT")).toLongLong())}
                       .join(QLatin1Char('|'));
            if (rows->value(r, QStringLiteral("TOTAL_C_AMT")) != rows->value(r, QStringLiteral("TOTAL_D_AMT")))
                out << QStringLiteral("credit differs");
        }
        return out;
    };
    QCOMPARE(shown(), expected);
    QCOMPARE(rows->fieldAsString(0, QStringLiteral("DEPT_NAME")),
             text(QStringLiteral("SELECT aff_dept_name FROM qa160ms WHERE aff_dept_code = '1111'")));
    // Rows without a slip number are grey.
    DataGrid* grid = s.resultGrid();
    for (int r = 0; r < rows->recordCount(); ++r)
        QCOMPARE(grid->model()->index(r, 0).data(Qt::BackgroundRole).value<QColor>() == kGrey,
                 rows->fieldAsString(r, QStringLiteral("SLIP_NO")).isEmpty());

    // One writer's slips only, totals of those.
    s.get("edtEmpNo")->setText(kClerk);
    emit s.get("edtEmpNo")->editingFinished();
    QCOMPARE(s.get("edtEmpName")->text(), QStringLiteral("김회계"));
    s.click("bbtSearch");
    QCOMPARE(shown(), (QStringList{"2027-06-04|TRG00001||2|100000", "2027-06-04||[일 소 계 :1]|2|100000",
                                   "2027-06-08|TRG00003||2|300000", "2027-06-08||[일 소 계 :1]|2|300000",
                                   "2027-06-30||[총 합 계 :2]|4|400000"}));

    // A range without confirmed slips still shows its grand total.
    s.get("edtEmpNo")->clear();
    s.setRange("dtpFConfDate", "dtpEConfDate", QStringLiteral("2027-07-01"), QStringLiteral("2027-07-10"));
    s.click("bbtSearch");
    QCOMPARE(shown(), QStringList{"2027-07-31||[총 합 계 :0]|0|0"});
    QVERIFY(m_dialogs->shown.isEmpty());
}

// Over the demo's books: the grand total and every day subtotal equal plain
// sums of the confirmed slips and their lines.
void TestConfirmation::registerAgreesWithTheBooks()
{
    RegisterScreen s;
    s.setRange("dtpFConfDate", "dtpEConfDate", QStringLiteral("2026-11-01"), QStringLiteral("2026-11-30"));
    s.click("bbtSearch");
    RecordSet* rows = s.result();
    QVERIFY(rows->recordCount() > 3);
    const int last = rows->recordCount() - 1;
    const QString range = QStringLiteral(" WHERE h.conf_date BETWEEN DATE '2026-11-01' AND DATE '2026-11-30'");
    QCOMPARE(rows->value(last, QStringLiteral("TOTAL_D_AMT")).toLongLong(),
             number(QStringLiteral("SELECT sum(h.total_d_amt) FROM vb010ms h") + range));
    QCOMPARE(rows->value(last, QStringLiteral("CNT")).toLongLong(),
             number(QStringLiteral("SELECT count(*) FROM vb011ms l JOIN vb010ms h ON h.slip_no = l.slip_no") + range));
    QCOMPARE(rows->fieldAsString(last, QStringLiteral("DEPT_NAME")),
             QStringLiteral("[총 합 계 :%1]").arg(number(QStringLiteral("SELECT count(*) FROM vb010ms h") + range)));
    QSqlQuery days = Db::run(QStringLiteral("SELECT h.conf_date, sum(h.total_d_amt), count(*) FROM vb010ms h") + range
                             + QStringLiteral(" GROUP BY h.conf_date ORDER BY h.conf_date"));
    int subtotals = 0;
    while (days.next()) {
        const int row = rows->findRow(QStringLiteral("CONF_DATE;DEPT_NAME"),
                                      {days.value(0), QStringLiteral("[일 소 계 :%1]").arg(days.value(2).toLongLong())});
        QVERIFY2(row >= 0, qPrintable(days.value(0).toString()));
        QCOMPARE(rows->value(row, QStringLiteral("TOTAL_D_AMT")).toLongLong(), days.value(1).toLongLong());
        ++subtotals;
    }
    QCOMPARE(rows->recordCount(), int(number(QStringLiteral("SELECT count(*) FROM vb010ms h") + range)) + subtotals + 1);

    // Printed over several pages, every row once, each page with the total.
    PageModel previewed;
    m_dialogs->onDialog = [&](QDialog* d) {
        if (auto* window = qobject_cast<PreviewWindow*>(d))
            previewed = window->pane()->pageModel();
        return int(QDialog::Accepted);
    };
    s.click("bbtPreview");
    QVERIFY(previewed.pageCount() > 1);
    QStringList printed = pageTexts(previewed, QStringLiteral("qrlSlipNo"));
    QCOMPARE(printed.size(), rows->recordCount());
    for (int r = 0; r < rows->recordCount(); ++r)
        QCOMPARE(printed[r], rows->fieldAsString(r, QStringLiteral("SLIP_NO")));
    for (const PrintPage& page : previewed.pages)
        QCOMPARE(page.texts(QStringLiteral("qrlPageTotal")), QStringList{QString::number(previewed.pageCount())});
    QCOMPARE(pageTexts(previewed, QStringLiteral("qrlDebit")).last(),
             QLocale(QLocale::English).toString(rows->value(last, QStringLiteral("TOTAL_D_AMT")).toLongLong()));
}

void TestConfirmation::registerPrintedForTheRangeShown()
{
    insertSlip(QStringLiteral("TPR00001"), QStringLiteral("2027-08-02"), cashSale(2500000));
    QCOMPARE(journalize(QStringLiteral("1"), QStringLiteral("TPR00001"), QStringLiteral("2027-08-03")), QStringLiteral("T"));
    RegisterScreen s;
    // Before a search there is nothing to print.
    m_dialogs->printFile = m_dir.filePath(QStringLiteral("register.pdf"));
    s.click("bbtPrint");
    QVERIFY(!QFile::exists(m_dialogs->printFile));
    QVERIFY(m_dialogs->dialogsRun.isEmpty());

    s.setRange("dtpFConfDate", "dtpEConfDate", QStringLiteral("2027-08-01"), QStringLiteral("2027-08-10"));
    s.click("bbtSearch");
    QCOMPARE(s.result()->recordCount(), 3);
    // The conditions changed after the search: the print names what is shown.
    s.setRange("dtpFConfDate", "dtpEConfDate", QStringLiteral("2027-09-01"), QStringLiteral("2027-09-30"));
    const QString condition = QStringLiteral("확정일자 : 2027년 08월 01일 - 2027년 08월 10일");

    PageModel previewed;
    m_dialogs->onDialog = [&](QDialog* d) {
        if (auto* window = qobject_cast<PreviewWindow*>(d))
            previewed = window->pane()->pageModel();
        return int(QDialog::Accepted);
    };
    QTest::keyClick(&s, Qt::Key_F11, Qt::ShiftModifier);
    QCOMPARE(previewed.pageCount(), 1);
    QVERIFY(!QFile::exists(m_dialogs->printFile));
    QCOMPARE(pageTexts(previewed, QStringLiteral("qrlCondition")), QStringList{condition});
    QCOMPARE(pageTexts(previewed, QStringLiteral("qrlSlipNo")), (QStringList{"TPR00001", "", ""}));
    QCOMPARE(pageTexts(previewed, QStringLiteral("qrlDebit")), (QStringList{"2,500,000", "2,500,000", "2,500,000"}));
    QCOMPARE(pageTexts(previewed, QStringLiteral("qrlDeptName")).mid(1),
             (QStringList{"[일 소 계 :1]", "[총 합 계 :1]"}));
    QCOMPARE(pageTexts(previewed, QStringLiteral("qrlConfDate")).last(), QStringLiteral("2027-08-31"));
    QCOMPARE(pageFills(previewed, QStringLiteral("qrsDetailBack")), (QList<QColor>{Qt::white, kGrey, kGrey}));

    // The printer gets the same page.
    m_dialogs->dialogsRun.clear();
    QTest::keyClick(&s, Qt::Key_F11);
    QCOMPARE(PdfTools::pdfPageCount(m_dialogs->printFile), 1);
    const QString page = PdfTools::pdfPageTexts(m_dialogs->printFile).value(0);
    for (const QString& part : {QStringLiteral("확정전표 리스트"), QStringLiteral("ProgramID:frmVBI041"), condition,
                                QStringLiteral("TPR00001"), QStringLiteral("[총 합 계 :1]"), QStringLiteral("차,대변 수")})
        QVERIFY2(page.contains(part), qPrintable(part + QLatin1Char('\n') + page));
    QVERIFY(m_dialogs->shown.isEmpty());
}

void TestConfirmation::registerHandOff()
{
    insertSlip(QStringLiteral("TRH00001"), QStringLiteral("2027-08-11"), cashSale(5000));
    QCOMPARE(journalize(QStringLiteral("1"), QStringLiteral("TRH00001"), QStringLiteral("2027-08-12")), QStringLiteral("T"));
    RecordingHost host;
    RegisterScreen s;
    s.setRange("dtpFConfDate", "dtpEConfDate", QStringLiteral("2027-08-12"), QStringLiteral("2027-08-12"));
    s.click("bbtSearch");
    QCOMPARE(s.result()->recordCount(), 3);
    s.doubleClickCell("rgrGrid", 1, QStringLiteral("SLIP_NO"));  // the day's subtotal
    s.doubleClickCell("rgrGrid", 2, QStringLiteral("SLIP_NO"));  // the grand total
    QVERIFY(host.requests.isEmpty());
    s.doubleClickCell("rgrGrid", 0, QStringLiteral("DEPT_NAME"));
    QCOMPARE(host.requests.size(), 1);
    QCOMPARE(host.requests[0].programId, QStringLiteral("VBI020"));
    QCOMPARE(host.requests[0].slipNo, QStringLiteral("TRH00001"));
    QCOMPARE(host.requests[0].slipDate, QStringLiteral("2027-08-11"));
    QCOMPARE(DeptEntry::codeOf(host.requests[0].deptText), QStringLiteral("1111"));
}

// --- the way of a new user -------------------------------------------------------------

// A new period registered, slips written by the clerk, confirmed by the
// finance user (the clerk refused), seen in the lists and the register and
// printed, the month's trial balance balanced on screen and in print; a day
// and its month closed, after which a slip of that day can be neither saved,
// confirmed nor cancelled, until they are reopened.
void TestConfirmation::newUserFromPeriodToClosing()
{
    // The period, in the period screen.
    {
        Screen<TfrmVKI010> periods;
        periods.click("bbtSearch");
        periods.click("bbtAdd");
        periods.get("Edit1")->setText(QStringLiteral("32"));
        periods.get("MaskEdit2")->setText(QStringLiteral("20300101"));
        periods.get("MaskEdit3")->setText(QStringLiteral("20301231"));
        periods.click("bbtSave");
        QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join(QLatin1Char('\n'))));
        QCOMPARE(number(QStringLiteral("SELECT count(*) FROM vi011dt WHERE session_id = 32")), 365);
    }

    // Two slips of 2030-03-05 written by the clerk in slip entry.
    Session::empNo = kClerk;
    Session::empName = QStringLiteral("김회계");
    QStringList written;
    for (const qint64 amount : {qint64(420000), qint64(180000)}) {
        Screen<TfrmVBI020> entry;
        entry.get<QDateEdit>("dtpAcctDate")->setDate(QDate(2030, 3, 5));
        entry.click("bbtAdd");
        typeCell(entry, 0, TfrmVBI020::colAcctCode, QStringLiteral("4110100"));
        typeCell(entry, 0, TfrmVBI020::colDebit, QString::number(amount));
        typeCell(entry, 1, TfrmVBI020::colAcctCode, QStringLiteral("1110110"));
        typeCell(entry, 1, TfrmVBI020::colCredit, QString::number(amount));
        m_dialogs->clear();
        entry.click("bbtSave");
        QVERIFY2(m_dialogs->lastText().contains(QStringLiteral("정상적으로 저장")), qPrintable(m_dialogs->lastText()));
        written << entry.currentSlipNo();
    }
    m_dialogs->clear();

    // The clerk may not confirm them.
    {
        ConfirmScreen s;
        searchSlips(s, QStringLiteral("2030-03-05"), QStringLiteral("2030-03-05"));
        QCOMPARE(s.slips()->recordCount(), 2);
        s.clickCell("rgrGrid", 0, QStringLiteral("SLIP_YN"));
        s.setDate("DateTimePicker1", QStringLiteral("2030-03-06"));
        s.click("bbtSave");
        QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("재무승인 권한이 없는 사용자 입니다.!")});
        QCOMPARE(confDate(written[0]), QString());
    }

    // The finance user confirms the first on the 5th.
    Session::empNo = kFinance;
    Session::empName = QStringLiteral("박재무");
    m_dialogs->clear();
    {
        ConfirmScreen s;
        searchSlips(s, QStringLiteral("2030-03-05"), QStringLiteral("2030-03-05"));
        s.clickCell("rgrGrid", rowOf(s.slips(), written[0]), QStringLiteral("SLIP_YN"));
        s.setDate("DateTimePicker1", QStringLiteral("2030-03-05"));
        s.click("bbtSave");
        QCOMPARE(m_dialogs->lastText(), kDone);
        QCOMPARE(confDateEverywhere(written[0]), QStringLiteral("2030-03-05"));
    }
    m_dialogs->clear();

    // Seen in the confirmed lines and in the register, which prints.
    {
        LinesScreen lines;
        lines.setRange("dtpFConfDate", "dtpEConfDate", QStringLiteral("2030-03-01"), QStringLiteral("2030-03-31"));
        lines.click("bbtSearch");
        QCOMPARE(lines.lines()->recordCount(), 2);
        QCOMPARE(lines.lines()->fieldAsString(0, QStringLiteral("SLIP_NO")), written[0]);

        RegisterScreen reg;
        reg.setRange("dtpFConfDate", "dtpEConfDate", QStringLiteral("2030-03-01"), QStringLiteral("2030-03-31"));
        reg.click("bbtSearch");
        QCOMPARE(reg.result()->recordCount(), 3);
        QCOMPARE(reg.result()->value(2, QStringLiteral("TOTAL_D_AMT")).toLongLong(), 420000);
        m_dialogs->printFile = m_dir.filePath(QStringLiteral("story-register.pdf"));
        reg.click("bbtPrint");
        QVERIFY(PdfTools::pdfPageTexts(m_dialogs->printFile).value(0).contains(written[0]));
    }

    // The month's trial balance balances, on screen and in print.
    {
        Screen<TfrmVDI010> trial;
        trial.get<QDateEdit>("DateTimePicker1")->setDate(QDate(2030, 3, 12));
        trial.click("bbtSearch");
        RecordSet* tb = trial.result();
        QVERIFY(tb->locate(QStringLiteral("ACCT_CODE"), QStringLiteral("9999999")));
        QCOMPARE(tb->fieldAsInteger(QStringLiteral("D_AMOUNT")), 420000);
        QCOMPARE(tb->fieldAsInteger(QStringLiteral("C_AMOUNT")), 420000);
        QCOMPARE(tb->fieldAsInteger(QStringLiteral("BAL_DAMOUNT")), tb->fieldAsInteger(QStringLiteral("BAL_CAMOUNT")));
        QVERIFY(tb->locate(QStringLiteral("ACCT_CODE"), QStringLiteral("4110100")));
        QCOMPARE(tb->fieldAsInteger(QStringLiteral("BAL_DAMOUNT")), 420000);
        m_dialogs->printFile = m_dir.filePath(QStringLiteral("story-trial.pdf"));
        trial.click("bbtPrint");
        const QString page = PdfTools::pdfPageTexts(m_dialogs->printFile).value(0);
        QVERIFY2(page.contains(QStringLiteral("제 32 기 2030년 03월 31일 현재")), qPrintable(page));
        QVERIFY(page.contains(QStringLiteral("420,000")));
    }
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join(QLatin1Char('\n'))));

    // The 5th closed, then March.
    const auto closing = [](const std::function<void(Screen<TfrmVKI020>&)>& act) {
        Screen<TfrmVKI020> s;
        s.get<QComboBox>("ComboBox1")->setCurrentText(QStringLiteral("32"));
        s.click("bbtSearch");
        s.months()->moveTo(2);  // 203003
        act(s);
    };
    closing([](Screen<TfrmVKI020>& s) {
        s.doubleClickCell("RealDBGrid1", 4, QStringLiteral("CLOSE_YN"));
        s.doubleClickCell("RealDBGrid2", 2, QStringLiteral("CLOSE_YN"));
    });
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join(QLatin1Char('\n'))));
    QCOMPARE(text(QStringLiteral("SELECT close_yn FROM vi011ms WHERE session_id = 32 AND y_month = '203003'")),
             QStringLiteral("Y"));

    // Now the second slip of that day cannot be saved again ...
    {
        Session::empNo = kClerk;
        QSqlQuery slipOfDay = Db::run(QStringLiteral(
            "SELECT to_char(z.slip_date, 'YYYY-MM-DD'), d.dept_name, z.dept_code FROM vb010ms z"
            "  JOIN qa160ms_date d ON d.dept_code = z.dept_code"
            "   AND to_char(CURRENT_DATE, 'YYYY-MM-DD') BETWEEN d.bgn_date AND d.end_date WHERE z.slip_no = :P0"),
                                      {written[1]});
        QVERIFY(slipOfDay.next());
        HandOver::HandSlipNo = written[1];
        HandOver::HandSlipDate = slipOfDay.value(0).toString();
        HandOver::HandDeptText = DeptEntry::text(slipOfDay.value(1).toString(), slipOfDay.value(2).toString());
        Screen<TfrmVBI020> entry;
        QTRY_COMPARE(entry.lines()->recordCount(), 2);
        Session::empNo = kFinance;
        if (entry.get<QPushButton>("bbtSave")->isEnabled()) {
            typeCell(entry, 0, TfrmVBI020::colDebit, QStringLiteral("190000"));
            typeCell(entry, 1, TfrmVBI020::colCredit, QStringLiteral("190000"));
            entry.click("bbtSave");
            QVERIFY2(m_dialogs->lastText().startsWith(kNotSaved) && m_dialogs->lastText().contains(QStringLiteral("마감")),
                     qPrintable(m_dialogs->lastText()));
        }
        QCOMPARE(number(QStringLiteral("SELECT total_d_amt FROM vb010ms WHERE slip_no = :P0"), {written[1]}), 180000);
    }
    // ... nor confirmed, and the first cannot be cancelled.
    for (const int which : {1, 0}) {
        m_dialogs->clear();
        ConfirmScreen s;
        s.get<QRadioButton>("rdoAccDate")->setChecked(true);
        searchSlips(s, QStringLiteral("2030-03-05"), QStringLiteral("2030-03-05"));
        s.clickCell("rgrGrid", rowOf(s.slips(), written[which]),
                    which == 1 ? QStringLiteral("SLIP_YN") : QStringLiteral("CANCEL_YN"));
        s.setDate("DateTimePicker1", QStringLiteral("2030-04-02"));
        s.click("bbtSave");
        QVERIFY2(m_dialogs->lastText().startsWith(kNotSaved) && m_dialogs->lastText().contains(QStringLiteral("마감")),
                 qPrintable(m_dialogs->lastText()));
    }
    QCOMPARE(confDate(written[0]), QStringLiteral("2030-03-05"));
    QCOMPARE(confDate(written[1]), QString());

    // Reopened (the month asks first), the day's slips may be confirmed again.
    m_dialogs->clear();
    closing([](Screen<TfrmVKI020>& s) { s.doubleClickCell("RealDBGrid2", 2, QStringLiteral("CLOSE_YN")); });
    QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("마감된 월을 해제하시겠습니까?")});
    QCOMPARE(text(QStringLiteral("SELECT string_agg(close_yn, '' ORDER BY day) FROM vi011dt "
                                 "WHERE session_id = 32 AND y_month = '203003'")),
             QString(31, QLatin1Char('N')));
    m_dialogs->clear();
    {
        ConfirmScreen s;
        searchSlips(s, QStringLiteral("2030-03-05"), QStringLiteral("2030-03-05"));
        s.clickCell("rgrGrid", rowOf(s.slips(), written[1]), QStringLiteral("SLIP_YN"));
        s.setDate("DateTimePicker1", QStringLiteral("2030-03-05"));
        s.click("bbtSave");
        QCOMPARE(m_dialogs->lastText(), kDone);
    }
    QCOMPARE(confDate(written[1]), QStringLiteral("2030-03-05"));
    QCOMPARE(bookDifferences(), QStringList());
}

TV_TEST_MAIN(TestConfirmation)
#include "tst_confirmation.moc"
