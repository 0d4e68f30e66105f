// The trial balance of totals and balances (VDI010) against the books' one
// truth: every figure of every account equals a plain aggregate of the
// confirmed lines, groups add up their accounts, the totals balance; any day
// selects its month; refusals and database failures are reported, not
// swallowed; each workstation keeps its own rows; the print (VDI011) is
// headed by the fiscal term and the last day of the month searched, whatever
// the month field holds by then; the spreadsheet holds the grid.
#include "common/Db.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "common/WaitWindow.h"
#include "framework/print/PreviewWindow.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/statements/VDI010.h"
#include "shell/ErrorDlg.h"
#include "support/PdfTools.h"
#include "support/ScriptedDialogs.h"
#include "support/Books.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include "support/XlsReadBack.h"
#include <QDateEdit>
#include <QPushButton>
#include <QSet>
#include <QLocale>
#include <QTemporaryDir>
#include <algorithm>

namespace {

using Books::committed;

const QString kIp = QStringLiteral("10.20.30.41");
const QString kNotSaved = QStringLiteral("자료를 저장하지 못했습니다.\n\n에러내용:\n");
const QString kNoTerm = QStringLiteral("회계일자에 등록된 기수가 없습니다.관리자에게 문의하세요.!");
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QString kTotal = QStringLiteral("9999999");

// The grid's amount columns, debit side then credit side.
const QStringList kAmounts = {"BF_DAMOUNT", "BF_CAMOUNT", "D_AMOUNT", "C_AMOUNT", "BD_AMOUNT", "BC_AMOUNT",
                              "SUM_DAMOUNT", "SUM_CAMOUNT", "BAL_DAMOUNT", "BAL_CAMOUNT"};

qint64 number(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toLongLong();
}

// Confirmed through the engine by the finance user.
void confirm(const QString& slipNo, const QString& day)
{
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    QString answer;
    for (const char* call : {"pk_v_journalize.def_confdate", "pk_v_journalize.pr_journalmain"})
        if (!ProcResult::isFailure(answer))
            answer = CallProcText(QLatin1String(call), {QStringLiteral("1"), slipNo, day, QStringLiteral("2003")});
    if (ProcResult::isFailure(answer)) {
        tx.rollback();
        qFatal("slip %s not confirmed: %s", qPrintable(slipNo), qPrintable(answer));
    }
    tx.commit();
}

// A balanced slip written directly and, unless `confirmOn` is empty,
// confirmed through the engine on that day by the finance user.
void slip(const QString& slipNo, const QString& day, const QString& debitAcct, const QString& creditAcct,
          qint64 amount, const QString& confirmOn)
{
    TestDb::ownerExec(QStringLiteral(
        "INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, total_d_amt, total_c_amt, cr_emp_no, "
        "session_id, slip_kind, u_emp_no) VALUES (:P0, '1111', CAST(:P1 AS DATE), CAST(:P1 AS DATE), :P2, :P2, "
        "'2001', (SELECT session_id FROM vi010ms WHERE CAST(:P1 AS DATE) BETWEEN st_date AND ed_date), 'K', '2001')"),
                      {slipNo, day, amount});
    TestDb::ownerExec(QStringLiteral("INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount) "
                                     "VALUES (:P0, 0, :P1, '시산표 시험', :P2, 0), (:P0, 1, :P3, '시산표 시험', 0, :P2)"),
                      {slipNo, debitAcct, amount, creditAcct});
    if (!confirmOn.isEmpty())
        confirm(slipNo, confirmOn);
}

// The screen shown and active, with its hooks at hand.
class TrialBalance : public TfrmVDI010 {
public:
    TrialBalance()
    {
        resize(1200, 800);
        show();
        activateWindow();
        if (!QTest::qWaitForWindowActive(this))
            qFatal("the screen did not become active");
    }
    using TfrmVDI010::DoPrint;
    // A key as the user presses it, on the screen made active again (the
    // wait window of a search takes the activation with it).
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        activateWindow();
        if (!QTest::qWaitForWindowActive(this))
            qFatal("the screen did not become active");
        QTest::keyClick(this, key, modifiers);
    }
    // Searches the month of the day, back from a shown month first.
    void search(const QDate& day)
    {
        if (!button("bbtSearch")->isEnabled())
            button("bbtCancel")->click();
        setMonthField(day);
        findChild<QPushButton*>(QStringLiteral("bbtSearch"))->click();
    }
    void setMonthField(const QDate& day) { findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))->setDate(day); }
    QPushButton* button(const char* name) const { return findChild<QPushButton*>(QLatin1String(name)); }
    int state() const { return State; }
};

// The figures of every account a plain reading of the confirmed lines
// gives for a month: the opening brought into the term (what earlier terms
// left on assets, liabilities and equity, their income and expense carried
// into retained earnings), the month's and the term's debits and credits,
// their sums and the balance; only accounts with any figure.
QHash<QString, QList<qint64>> plainFigures(const QDate& monthStart)
{
    const QDate monthEnd = monthStart.addMonths(1).addDays(-1);
    const QDate termStart = Db::scalar(QStringLiteral("SELECT st_date FROM vi010ms WHERE CAST(:P0 AS DATE) "
                                                      "BETWEEN st_date AND ed_date"),
                                       {monthStart.toString(Qt::ISODate)})
                                .toDate();
    QSqlQuery q = Db::run(QStringLiteral(
        "WITH l AS (SELECT acct_code, conf_date, d_amount, c_amount FROM vb011ms "
        "            WHERE conf_date IS NOT NULL AND conf_date <= CAST(:P1 AS DATE)),"
        "     retained AS (SELECT btrim(detail_name) acct_code FROM zx010ms WHERE head = 'V9998' AND detail = '03'),"
        "     earlier_income AS (SELECT coalesce(sum(d_amount - c_amount), 0) net FROM l"
        "                         WHERE conf_date < CAST(:P2 AS DATE) AND left(acct_code, 1) BETWEEN '4' AND '9'),"
        "     per AS (SELECT acct_code,"
        "         sum(CASE WHEN conf_date < CAST(:P2 AS DATE) AND left(acct_code, 1) NOT BETWEEN '4' AND '9'"
        "                  THEN d_amount - c_amount ELSE 0 END) bf,"
        "         sum(CASE WHEN conf_date >= CAST(:P0 AS DATE) THEN d_amount ELSE 0 END) d,"
        "         sum(CASE WHEN conf_date >= CAST(:P0 AS DATE) THEN c_amount ELSE 0 END) c,"
        "         sum(CASE WHEN conf_date >= CAST(:P2 AS DATE) THEN d_amount ELSE 0 END) bd,"
        "         sum(CASE WHEN conf_date >= CAST(:P2 AS DATE) THEN c_amount ELSE 0 END) bc"
        "        FROM l GROUP BY acct_code),"
        "     a AS (SELECT acct_code FROM per UNION SELECT acct_code FROM retained)"
        " SELECT a.acct_code,"
        "        coalesce(per.bf, 0) + CASE WHEN a.acct_code = (SELECT acct_code FROM retained)"
        "                                   THEN (SELECT net FROM earlier_income) ELSE 0 END,"
        "        coalesce(per.d, 0), coalesce(per.c, 0), coalesce(per.bd, 0), coalesce(per.bc, 0)"
        "   FROM a LEFT JOIN per ON per.acct_code = a.acct_code"),
                          {monthStart.toString(Qt::ISODate), monthEnd.toString(Qt::ISODate), termStart.toString(Qt::ISODate)});
    QHash<QString, QList<qint64>> out;
    while (q.next()) {
        const qint64 bf = q.value(1).toLongLong(), d = q.value(2).toLongLong(), c = q.value(3).toLongLong();
        const qint64 bd = q.value(4).toLongLong(), bc = q.value(5).toLongLong();
        if (!bf && !d && !c && !bd && !bc)
            continue;
        const qint64 bfD = std::max<qint64>(bf, 0), bfC = std::max<qint64>(-bf, 0);
        const qint64 balance = bf + bd - bc;
        out.insert(q.value(0).toString(), {bfD, bfC, d, c, bd, bc, bfD + bd, bfC + bc, std::max<qint64>(balance, 0),
                                           std::max<qint64>(-balance, 0)});
    }
    return out;
}

QList<qint64> rowFigures(RecordSet* set, int row)
{
    QList<qint64> out;
    for (const QString& field : kAmounts)
        out << set->value(row, field).toLongLong();
    return out;
}

QList<qint64> totalsOf(RecordSet* set)
{
    const int row = set->findRow(QStringLiteral("ACCT_CODE"), {kTotal});
    return row < 0 ? QList<qint64>() : rowFigures(set, row);
}

PageModel previewOf(TrialBalance& s, ScriptedDialogs& dialogs)
{
    PageModel model;
    dialogs.onDialog = [&model](QDialog* d) {
        if (auto* window = qobject_cast<PreviewWindow*>(d))
            model = window->pane()->pageModel();
        return int(QDialog::Accepted);
    };
    s.press(Qt::Key_F11, Qt::ShiftModifier);
    dialogs.onDialog = nullptr;
    return model;
}

}  // namespace

class TestStatements : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void init();
    void cleanup();

    void figuresAgreeWithTheConfirmedLines_data();
    void figuresAgreeWithTheConfirmedLines();
    void onlyConfirmedLinesCount();
    void refusalKeepsWhatWasShown();
    void databaseFailureIsReported();
    void eachWorkstationKeepsItsRows();
    void printHeadedByTheMonthSearched_data();
    void printHeadedByTheMonthSearched();
    void monthOutsideEveryTerm();
    void spreadsheetHoldsTheGrid();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QTemporaryDir m_dir;
};

void TestStatements::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Session::workstationIp = kIp;
    Session::empNo = QStringLiteral("2003");
    Session::exeDir = m_dir.path() + QLatin1Char('/');
    // A leap-year term of its own, and books in February of it and of 2027.
    QCOMPARE(committed(QStringLiteral("pr_v_calender"), {QStringLiteral("30"), QStringLiteral("2028-01-01"),
                                                         QStringLiteral("2028-12-31"), QStringLiteral("시험 기수"), kIp,
                                                         QStringLiteral("2003")}),
             QStringLiteral("T"));
    slip(QStringLiteral("TTB00001"), QStringLiteral("2028-02-10"), QStringLiteral("1110110"), QStringLiteral("5110110"),
         3300000, QStringLiteral("2028-02-11"));
    slip(QStringLiteral("TTB00002"), QStringLiteral("2028-02-12"), QStringLiteral("7510110"), QStringLiteral("1110110"),
         1200000, QStringLiteral("2028-02-29"));
    slip(QStringLiteral("TTB00003"), QStringLiteral("2027-02-03"), QStringLiteral("1110110"), QStringLiteral("5110110"),
         770000, QStringLiteral("2027-02-05"));
}

void TestStatements::init()
{
    Session::workstationIp = kIp;
    m_dialogs = std::make_unique<ScriptedDialogs>();
}

void TestStatements::cleanup()
{
    m_dialogs.reset();
    // However a run ended, its transaction and its wait window are gone.
    QVERIFY(!SharedTransaction::instance().inTransaction());
    QVERIFY(!WaitWindow() || !WaitWindow()->isVisible());
}

void TestStatements::figuresAgreeWithTheConfirmedLines_data()
{
    QTest::addColumn<QDate>("day");  // any day of the month searched
    QTest::newRow("first month of the closed term") << QDate(2025, 1, 20);
    QTest::newRow("mid closed term") << QDate(2025, 7, 1);
    QTest::newRow("first month of the carried term") << QDate(2026, 1, 31);
    QTest::newRow("closed days of November") << QDate(2026, 11, 17);
    QTest::newRow("current month") << QDate(2026, 12, 11);
    QTest::newRow("leap February of a term of our own") << QDate(2028, 2, 29);
}

void TestStatements::figuresAgreeWithTheConfirmedLines()
{
    QFETCH(QDate, day);
    TrialBalance s;
    s.search(day);
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join(QLatin1Char('\n'))));
    QCOMPARE(s.shownMonth(), QDate(day.year(), day.month(), 1));
    RecordSet* tb = s.result();
    QCOMPARE(tb->recordCount(), int(number(QStringLiteral("SELECT count(*) FROM vd010pr WHERE ip_addr = :P0"), {kIp})));
    QCOMPARE(s.RecordCount, tb->recordCount());

    // Every account with any figure, each figure as the lines give it.
    const QHash<QString, QList<qint64>> plain = plainFigures(QDate(day.year(), day.month(), 1));
    QSet<QString> accounts;
    QString previous;
    for (int row = 0; row < tb->recordCount(); ++row) {
        const QString acct = tb->fieldAsString(row, QStringLiteral("ACCT_CODE"));
        QVERIFY2(acct > previous, qPrintable(acct));  // in account order
        previous = acct;
        const bool groupOrTotal = tb->fieldAsString(row, QStringLiteral("ACCT_UPCD")).trimmed().isEmpty();
        // Groups and the total are silver, accounts are not.
        QCOMPARE(s.resultGrid()->model()->index(row, 0).data(Qt::BackgroundRole).value<QColor>() == kSilver, groupOrTotal);
        if (groupOrTotal)
            continue;
        accounts << acct;
        QVERIFY2(plain.contains(acct), qPrintable(acct + QStringLiteral(" has no figures in the lines")));
        QCOMPARE(rowFigures(tb, row), plain.value(acct));
    }
    QCOMPARE(accounts.size(), plain.size());

    // Each group holds the sums of the accounts under it, at any depth (the
    // top level's upper code only names the tree's root).
    QMultiHash<QString, QString> under;  // group -> account
    QSqlQuery up = Db::run(QStringLiteral(
        "WITH RECURSIVE up(acct, anc) AS ("
        "  SELECT acct_code, p_acct_code FROM va020ms WHERE acc_level <> '1' AND p_acct_code <> acct_code"
        "  UNION SELECT up.acct, a.p_acct_code FROM up JOIN va020ms a ON a.acct_code = up.anc"
        "   WHERE a.acc_level <> '1' AND a.p_acct_code <> a.acct_code)"
        " SELECT anc, acct FROM up"));
    while (up.next())
        under.insert(up.value(0).toString(), up.value(1).toString());
    int groups = 0;
    for (int row = 0; row < tb->recordCount(); ++row) {
        const QString group = tb->fieldAsString(row, QStringLiteral("ACCT_CODE"));
        if (!tb->fieldAsString(row, QStringLiteral("ACCT_UPCD")).trimmed().isEmpty() || group == kTotal)
            continue;
        QList<qint64> sums(kAmounts.size(), 0);
        int members = 0;
        for (const QString& acct : under.values(group)) {
            if (!accounts.contains(acct))
                continue;
            ++members;
            const QList<qint64> figures = plain.value(acct);
            for (int i = 0; i < sums.size(); ++i)
                sums[i] += figures[i];
        }
        QVERIFY2(members > 0, qPrintable(group));
        QCOMPARE(rowFigures(tb, row), sums);
        ++groups;
    }
    QVERIFY(groups > 0);

    // The total: the sums of the accounts, and both sides balance.
    QList<qint64> sums(kAmounts.size(), 0);
    for (const QList<qint64>& figures : plain)
        for (int i = 0; i < sums.size(); ++i)
            sums[i] += figures[i];
    const QList<qint64> total = totalsOf(tb);
    QCOMPARE(total, sums);
    for (int i = 0; i < total.size(); i += 2)
        QVERIFY2(total[i] == total[i + 1], qPrintable(kAmounts[i] + QStringLiteral(" %1 <> %2").arg(total[i]).arg(total[i + 1])));
    QVERIFY(total[2] > 0);
    // Shown with thousands separators.
    const int totalRow = tb->findRow(QStringLiteral("ACCT_CODE"), {kTotal});
    QCOMPARE(s.resultGrid()->model()->index(totalRow, s.resultGrid()->columnOf(QStringLiteral("D_AMOUNT"))).data().toString(),
             QLocale(QLocale::English).toString(total[2]));
}

void TestStatements::onlyConfirmedLinesCount()
{
    TrialBalance s;
    s.search(QDate(2028, 2, 1));
    const QList<qint64> before = totalsOf(s.result());
    QVERIFY(!before.isEmpty());
    const int revenue = s.result()->findRow(QStringLiteral("ACCT_CODE"), {QStringLiteral("5110110")});
    const qint64 revenueBefore = s.result()->value(revenue, QStringLiteral("C_AMOUNT")).toLongLong();

    // Written but not confirmed: nothing moves.
    slip(QStringLiteral("TTB00010"), QStringLiteral("2028-02-14"), QStringLiteral("1110110"), QStringLiteral("5110110"),
         55000, QString());
    s.search(QDate(2028, 2, 14));
    QCOMPARE(totalsOf(s.result()), before);

    confirm(QStringLiteral("TTB00010"), QStringLiteral("2028-02-15"));
    s.search(QDate(2028, 2, 14));
    QList<qint64> after = before;
    // month, term to date, the sums and the balances (cash on the debit
    // side, revenue on the credit side)
    for (const int i : {2, 3, 4, 5, 6, 7, 8, 9})
        after[i] += 55000;
    QCOMPARE(totalsOf(s.result()), after);
    QCOMPARE(s.result()->value(s.result()->findRow(QStringLiteral("ACCT_CODE"), {QStringLiteral("5110110")}),
                               QStringLiteral("C_AMOUNT")).toLongLong(),
             revenueBefore + 55000);
}

void TestStatements::refusalKeepsWhatWasShown()
{
    TrialBalance s;
    s.search(QDate(2026, 11, 17));
    const QString stored = Db::scalar(QStringLiteral("SELECT count(*) || ':' || sum(d_amount) FROM vd010pr WHERE ip_addr = :P0"),
                                      {kIp}).toString();
    // The database refuses a run without the workstation's address; the
    // screen says so and is back on the month, to choose it again.
    Session::workstationIp.clear();
    s.search(QDate(2026, 12, 1));
    Session::workstationIp = kIp;
    QCOMPARE(m_dialogs->texts(), QStringList{kNotSaved + QStringLiteral("E작업 단말의 주소가 없습니다.!")});
    QCOMPARE(s.state(), 0);
    QVERIFY(s.button("bbtSearch")->isEnabled());
    QVERIFY(!s.button("bbtPrint")->isEnabled());
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) || ':' || sum(d_amount) FROM vd010pr WHERE ip_addr = :P0"), {kIp})
                 .toString(),
             stored);
    s.search(QDate(2026, 12, 1));
    QVERIFY(s.result()->recordCount() > 0);
    QCOMPARE(s.shownMonth(), QDate(2026, 12, 1));
}

// A failure of the database during the run ends in the error dialog, with
// the run rolled back: the rows of the last good run stay.
void TestStatements::databaseFailureIsReported()
{
    TrialBalance s;
    s.search(QDate(2026, 10, 5));
    const qint64 stored = number(QStringLiteral("SELECT count(*) FROM vd010pr WHERE ip_addr = :P0"), {kIp});
    QVERIFY(stored > 0);
    m_db->ownerExec(QStringLiteral("CREATE FUNCTION refuse_trial_row() RETURNS trigger LANGUAGE plpgsql AS "
                                   "$$ BEGIN RAISE EXCEPTION 'trial balance failed'; END $$"));
    m_db->ownerExec(QStringLiteral("CREATE TRIGGER refuse_trial BEFORE INSERT ON vd010pr FOR EACH ROW "
                                   "EXECUTE FUNCTION refuse_trial_row()"));
    QString error;
    m_dialogs->onDialog = [&](QDialog* d) {
        if (auto* dialog = qobject_cast<TFrmError*>(d))
            error = dialog->messageText() + QLatin1Char('\n') + dialog->detailsText();
        return int(QDialog::Accepted);
    };
    if (!s.button("bbtSearch")->isEnabled())
        s.button("bbtCancel")->click();
    s.setMonthField(QDate(2026, 11, 5));
    s.press(Qt::Key_F3);
    m_db->ownerExec(QStringLiteral("DROP TRIGGER refuse_trial ON vd010pr"));
    m_db->ownerExec(QStringLiteral("DROP FUNCTION refuse_trial_row()"));
    QVERIFY2(error.contains(QStringLiteral("trial balance failed")), qPrintable(error));
    QCOMPARE(m_dialogs->dialogsRun.size(), 1);
    QCOMPARE(number(QStringLiteral("SELECT count(*) FROM vd010pr WHERE ip_addr = :P0"), {kIp}), stored);
    QVERIFY(s.button("bbtSearch")->isEnabled());
    s.search(QDate(2026, 11, 5));
    QCOMPARE(s.shownMonth(), QDate(2026, 11, 1));
}

void TestStatements::eachWorkstationKeepsItsRows()
{
    const QString other = QStringLiteral("10.20.30.99");
    const QString rowsOf = QStringLiteral("SELECT count(*) || ':' || coalesce(sum(d_amount + bal_camount), 0) "
                                          "FROM vd010pr WHERE ip_addr = :P0");
    QVERIFY(committed(QStringLiteral("pr_v_vdi010sp"), {other, QStringLiteral("202511")}).startsWith(QLatin1Char('T')));
    const QString others = Db::scalar(rowsOf, {other}).toString();
    TrialBalance s;
    s.search(QDate(2026, 11, 17));
    QCOMPARE(Db::scalar(rowsOf, {other}).toString(), others);
    // A run replaces this workstation's rows whole: what is left is exactly
    // what a run of the same month leaves for a workstation of its own.
    s.search(QDate(2028, 2, 3));
    QVERIFY(committed(QStringLiteral("pr_v_vdi010sp"), {QStringLiteral("10.20.30.98"), QStringLiteral("202802")})
                .startsWith(QLatin1Char('T')));
    QCOMPARE(Db::scalar(rowsOf, {kIp}).toString(), Db::scalar(rowsOf, {QStringLiteral("10.20.30.98")}).toString());
    QCOMPARE(s.result()->recordCount(), int(number(QStringLiteral("SELECT count(*) FROM vd010pr WHERE ip_addr = :P0"), {kIp})));
    QCOMPARE(Db::scalar(rowsOf, {other}).toString(), others);
}

void TestStatements::printHeadedByTheMonthSearched_data()
{
    QTest::addColumn<QDate>("searched");
    QTest::addColumn<QDate>("fieldAtPrint");
    QTest::addColumn<QString>("termLine");
    QTest::newRow("November of term 27") << QDate(2026, 11, 17) << QDate(2031, 3, 1) << "제 27 기 2026년 11월 30일 현재";
    QTest::newRow("February of a leap year") << QDate(2028, 2, 3) << QDate(2026, 11, 17) << "제 30 기 2028년 02월 29일 현재";
    QTest::newRow("February of a common year") << QDate(2027, 2, 28) << QDate(2028, 2, 3) << "제 28 기 2027년 02월 28일 현재";
}

void TestStatements::printHeadedByTheMonthSearched()
{
    QFETCH(QDate, searched);
    QFETCH(QDate, fieldAtPrint);
    QFETCH(QString, termLine);
    TrialBalance s;
    s.search(searched);
    RecordSet* tb = s.result();
    QVERIFY(tb->recordCount() > 0);
    // Another month in the field by the time of printing (another term, or
    // none at all) changes nothing: the print is of the rows shown.
    s.setMonthField(fieldAtPrint);

    const PageModel model = previewOf(s, *m_dialogs);
    QVERIFY(model.pageCount() > 0);
    QCOMPARE(model.orientation, QPageLayout::Landscape);
    QStringList names;
    QList<QColor> fills;
    const PrintPage& first = model.pages.first();
    QCOMPARE(first.texts(QStringLiteral("qrlTerm")), QStringList{termLine});
    QCOMPARE(first.texts(QStringLiteral("qrlTitle")), QStringList{QStringLiteral("합계잔액시산표")});
    QCOMPARE(first.texts(QStringLiteral("qrlCondition")), QStringList{QStringLiteral("주식회사 탈바네리조트")});
    QCOMPARE(first.texts(QStringLiteral("qrlUnit")), QStringList{QStringLiteral("(단위 : 원)")});
    for (const PrintPage& page : model.pages) {
        QCOMPARE(page.texts(QStringLiteral("qrlACCT_NAMETitle")), QStringList{QStringLiteral("계  정  과  목")});
        names << page.texts(QStringLiteral("qrlACCT_NAME"));
        for (const PrintItem& item : page.items)
            if (item.name == QLatin1String("qrsDetailBack"))
                fills << item.fill;
    }
    // Every row of the grid, groups and the total on silver.
    QCOMPARE(names.size(), tb->recordCount());
    QCOMPARE(fills.size(), tb->recordCount());
    for (int row = 0; row < tb->recordCount(); ++row) {
        QCOMPARE(names[row], tb->fieldAsString(row, QStringLiteral("ACCT_NAME")));
        QCOMPARE(fills[row] == kSilver, tb->fieldAsString(row, QStringLiteral("ACCT_UPCD")).trimmed().isEmpty());
    }
    // Amounts with thousands separators, zero left empty.
    const PrintPage& last = model.pages.last();
    const QList<qint64> total = totalsOf(tb);
    QCOMPARE(last.texts(QStringLiteral("qrlD_AMOUNT")).last(), QLocale(QLocale::English).toString(total[2]));
    const QStringList openings = last.texts(QStringLiteral("qrlBF_DAMOUNT"));
    QVERIFY(!openings.contains(QStringLiteral("0")));

    // The printer gets the same pages.
    m_dialogs->printFile = m_dir.filePath(QStringLiteral("trial-%1.pdf").arg(searched.toString(QStringLiteral("yyyyMM"))));
    s.press(Qt::Key_F11);
    QCOMPARE(PdfTools::pdfPageCount(m_dialogs->printFile), model.pageCount());
    const QStringList pages = PdfTools::pdfPageTexts(m_dialogs->printFile);
    for (const QString& part : {termLine, QStringLiteral("합계잔액시산표"), QStringLiteral("주식회사 탈바네리조트"),
                                QStringLiteral("(단위 : 원)"), QStringLiteral("ProgramID:frmVDI011")})
        QVERIFY2(pages.value(0).contains(part), qPrintable(part + QLatin1Char('\n') + pages.value(0)));
    QVERIFY(pages.last().contains(QLocale(QLocale::English).toString(total[8])));
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join(QLatin1Char('\n'))));
}

// A month outside every term has no books: it shows none, and cannot be
// printed, whatever the month field holds when printing.
void TestStatements::monthOutsideEveryTerm()
{
    TrialBalance s;
    s.search(QDate(2031, 3, 15));
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join(QLatin1Char('\n'))));
    QCOMPARE(s.result()->recordCount(), 0);
    QCOMPARE(s.shownMonth(), QDate(2031, 3, 1));
    QVERIFY(!s.button("bbtPrint")->isEnabled());
    QVERIFY(!s.button("bbtPreview")->isEnabled());
    m_dialogs->printFile = m_dir.filePath(QStringLiteral("outside.pdf"));
    s.setMonthField(QDate(2026, 11, 17));
    s.PreviewFlag = false;
    s.DoPrint();
    QCOMPARE(m_dialogs->texts(), QStringList{kNoTerm});
    QVERIFY(!QFile::exists(m_dialogs->printFile));
    QVERIFY(m_dialogs->dialogsRun.isEmpty());
}

void TestStatements::spreadsheetHoldsTheGrid()
{
    TrialBalance s;
    s.search(QDate(2028, 2, 10));
    RecordSet* tb = s.result();
    const QString path = m_dir.filePath(QStringLiteral("시산표.xls"));
    m_dialogs->fileNames = {path};
    m_dialogs->yesNoAnswers = {false};
    s.press(Qt::Key_F11, Qt::ControlModifier);
    const XlsReadBack::Sheet sheet = XlsReadBack::readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QVERIFY2(sheet.at(0, 0).text.contains(QStringLiteral("합계잔액시산표")), qPrintable(sheet.at(0, 0).text));
    // The grid's captions, then its rows in its order, amounts as numbers.
    DataGrid* grid = s.resultGrid();
    QCOMPARE(sheet.columns, grid->gridColumnCount());
    QCOMPARE(sheet.rows, 3 + tb->recordCount());
    for (int c = 0; c < grid->gridColumnCount(); ++c) {
        QCOMPARE(sheet.at(2, c).text, grid->columnCaption(c));
        const QString field = grid->fieldOf(c);
        for (int row = 0; row < tb->recordCount(); ++row) {
            const XlsReadBack::Cell cell = sheet.at(3 + row, c);
            if (field == QLatin1String("ACCT_NAME")) {
                QCOMPARE(cell.text, tb->fieldAsString(row, field));
            } else {
                QCOMPARE(cell.type, XlsReadBack::Cell::Number);
                QCOMPARE(qint64(cell.number), tb->value(row, field).toLongLong());
            }
        }
    }
    if (!XlsReadBack::libreOfficeProgram().isEmpty()) {
        QString error;
        const QList<QStringList> csv = XlsReadBack::readWithLibreOffice(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QStringList total = csv.value(2 + tb->recordCount());
        QCOMPARE(total.value(grid->columnOf(QStringLiteral("ACCT_NAME"))), tb->fieldAsString(tb->recordCount() - 1, QStringLiteral("ACCT_NAME")));
        QCOMPARE(total.value(grid->columnOf(QStringLiteral("D_AMOUNT"))), QString::number(totalsOf(tb)[2]));
    }
}

TV_TEST_MAIN(TestStatements)
#include "tst_statements.moc"
