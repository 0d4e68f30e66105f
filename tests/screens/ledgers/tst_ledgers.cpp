// The ledgers against the books' one truth, the confirmed lines, and against
// each other: the general ledger (VCI070), the subsidiary ledgers (VCI040,
// VCI045), the account ledgers (VCI060, VCI110), the balance statement and
// the ledger by balance order (VCI085, VCI080) and the business-site report
// (VCS130); balances brought forward at term starts that are not January,
// item values, the hand-overs between the screens, and what is printed and
// saved as PDF from the preview.
#include "common/AppErrors.h"
#include "common/Db.h"
#include "common/HandOver.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/print/PreviewWindow.h"
#include "framework/print/ReportViewer.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/ledgers/LedgerCommon.h"
#include "screens/ledgers/VCI040.h"
#include "screens/ledgers/VCI060.h"
#include "screens/ledgers/VCI070.h"
#include "screens/ledgers/VCI080.h"
#include "screens/ledgers/VCI085.h"
#include "screens/ledgers/VCS130.h"
#include "screens/ledgers/VCS131.h"
#include "screens/slips/VBI020.h"
#include "shell/Application.h"
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
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using Books::journalize;
using Books::committed;

const QString kFinance = QStringLiteral("2003");
const QString kIp = QStringLiteral("10.7.7.7");

qint64 number(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toLongLong();
}

// The balance of an account at the end of a day from the confirmed lines
// alone, in its normal direction; classes 4-9 from the start of the day's
// term.
qint64 plainBalance(const QString& acct, const QString& day)
{
    return number(QStringLiteral(
                      "SELECT (CASE WHEN a.dc_div = 'C' THEN -1 ELSE 1 END) * coalesce(sum(l.d_amount - l.c_amount), 0)\n"
                      "  FROM va020ms a LEFT JOIN vb011ms l ON l.acct_code = a.acct_code AND l.conf_date <= CAST(:P1 AS DATE)\n"
                      "   AND (left(a.acct_code, 1) < '4' OR l.conf_date >= (SELECT st_date FROM vi010ms\n"
                      "                                     WHERE CAST(:P1 AS DATE) BETWEEN st_date AND ed_date))\n"
                      " WHERE a.acct_code = :P0 GROUP BY a.dc_div"),
                  {acct, day});
}

bool resets(const QString& acct)
{
    return acct.at(0) >= QLatin1Char('4');
}

bool isTermStart(const QDate& day)
{
    return number(QStringLiteral("SELECT count(*) FROM vi010ms WHERE st_date = CAST(:P0 AS DATE)"),
                  {day.toString(Qt::ISODate)}) > 0;
}

struct Line {
    QString acct;
    qint64 d = 0;
    qint64 c = 0;
    QString itemCode, itemValue;  // at position 1
};

// A slip written as the slip procedure leaves it, then confirmed on its day
// through the engine.
void confirmedSlip(const QString& slipNo, const QString& day, const QList<Line>& lines)
{
    qint64 d = 0, c = 0;
    for (const Line& l : lines) {
        d += l.d;
        c += l.c;
    }
    TestDb::ownerExec(QStringLiteral(
        "INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, total_d_amt, total_c_amt, cr_emp_no, "
        "session_id, slip_kind, u_emp_no) VALUES (:P0, '1111', CAST(:P1 AS DATE), CAST(:P1 AS DATE), :P2, :P3, "
        "'2001', (SELECT session_id FROM vi010ms WHERE CAST(:P1 AS DATE) BETWEEN st_date AND ed_date), 'K', '2001')"),
                      {slipNo, day, d, c});
    for (int i = 0; i < lines.size(); ++i) {
        const Line& l = lines.at(i);
        TestDb::ownerExec(QStringLiteral("INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, "
                                         "c_amount) VALUES (:P0, :P1, :P2, :P3, :P4, :P5)"),
                          {slipNo, i, l.acct, QStringLiteral("시험 %1-%2").arg(slipNo).arg(i), l.d, l.c});
        if (!l.itemCode.isEmpty())
            TestDb::ownerExec(QStringLiteral("INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, "
                                             "mg_detail_name, acct_code, d_amount, c_amount) "
                                             "VALUES (:P0, :P1, 1, :P2, :P3, :P4, :P5, :P6, :P7)"),
                              {slipNo, i, l.itemCode, l.itemValue, QStringLiteral("거래처 ") + l.itemValue, l.acct, l.d, l.c});
    }
    const QString answer = journalize(QStringLiteral("1"), slipNo, day);
    if (ProcResult::isFailure(answer))
        qFatal("slip %s not confirmed: %s", qPrintable(slipNo), qPrintable(answer));
}

// A screen with its controls found by name, shown as in use.
template <typename Base>
class Screen : public Base {
public:
    Screen() { this->show(); }
    template <typename T = QLineEdit>
    T* get(const char* name) const
    {
        T* w = this->template findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    void click(const char* name) { get<QPushButton>(name)->click(); }
    void setDates(const QDate& from, const QDate& to)
    {
        get<QDateEdit>("dtpESlipDate")->setDate(QDate(2099, 12, 31));
        get<QDateEdit>("dtpFSlipDate")->setDate(from);
        get<QDateEdit>("dtpESlipDate")->setDate(to);
    }
    // Types an account code and leaves the field, as the user does.
    void typeAccount(const char* field, const QString& code)
    {
        QLineEdit* edit = get(field);
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, code);
        QMetaObject::invokeMethod(edit, "editingFinished");
    }
};

// Every text item of a prepared page model named so, in page order.
QStringList printedTexts(const PageModel& model, const QString& name)
{
    QStringList out;
    for (const PrintPage& page : model.pages)
        for (const PrintItem& item : page.items)
            if (item.name == name)
                out << item.text;
    return out;
}

}  // namespace

class TestLedgers : public QObject {
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

    void kernelAgreesWithTheLines_data();
    void kernelAgreesWithTheLines();
    void broughtForwardAtTermStarts();
    void closingBalancesAgreeAcrossLedgers_data();
    void closingBalancesAgreeAcrossLedgers();
    void generalLedgerRowsAndColours();
    void generalLedgerPrintsWhatWasSearched();
    void failedLedgerProcedureIsAnError();
    void f1OpensTheAccountLookup();
    void itemValueLedgerBringsForwardItsOwnBalance();
    void subsidiaryRangeRestartsPerAccount();
    void pastDataReadsTheArchive();
    void lineOpensItsSlip();
    void accountLedgerMonthRowsDoNotMoveTheBalance();
    void balanceStatementAgreesWithLedgerByBalanceOrder();
    void balanceStatementExports();
    void balancePositionsInOrder();
    void handOverWithAHiddenFirstColumnIsRefused();
    void businessSiteReportOfAClosedMonth();
    void previewSavesExactlyItsPagesAsPdf();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QTemporaryDir m_dir;
};

void TestLedgers::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Session::exeDir = m_dir.path() + QLatin1Char('/');
    Session::empNo = QStringLiteral("1001");
    Session::workstationIp = kIp;
    Application::useClientFont();
    // Two terms of our own that start in April, with books through the engine.
    for (const auto& [session, from, to] : {std::tuple{"40", "2029-04-01", "2030-03-31"},
                                            std::tuple{"41", "2030-04-01", "2031-03-31"}})
        QCOMPARE(committed(QStringLiteral("pr_v_calender"),
                           {QString::fromLatin1(session), QString::fromLatin1(from), QString::fromLatin1(to),
                            QStringLiteral("시험 기수"), kIp, kFinance}),
                 QStringLiteral("T"));
    confirmedSlip("T2900001", "2029-05-10", {{"7130510", 300000, 0}, {"2110320", 0, 300000, "101", "0100000024"}});
    confirmedSlip("T2900002", "2029-12-20", {{"1110110", 1000000, 0}, {"5110110", 0, 1000000}});
    confirmedSlip("T3000001", "2030-02-15", {{"2110320", 100000, 0, "101", "0100000024"}, {"1110110", 0, 100000}});
    confirmedSlip("T3000002", "2030-03-10", {{"1110110", 500000, 0}, {"5110110", 0, 500000}});
    confirmedSlip("T3000003", "2030-03-25", {{"7130510", 200000, 0}, {"2110320", 0, 200000, "101", "0100000025"}});
    confirmedSlip("T3000004", "2030-04-05", {{"1110110", 700000, 0}, {"5110110", 0, 700000}});
    confirmedSlip("T3000005", "2030-04-20", {{"2110320", 50000, 0, "101", "0100000025"}, {"1110110", 0, 50000}});
    confirmedSlip("T3000006", "2030-04-25", {{"1111310", 80000, 0, "130", "X1"}, {"1110110", 0, 80000}});
    QCOMPARE(number(QStringLiteral("SELECT count(*) FROM pk_v_post.check_books()")), 0LL);
}

void TestLedgers::kernelAgreesWithTheLines_data()
{
    QTest::addColumn<QString>("acct");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    // debit and credit side, balance sheet and income, in the demo's terms
    // and across the April term start of our own
    QTest::newRow("cash, demo month") << "1110110" << "2026-11-01" << "2026-11-30";
    QTest::newRow("payables, mid-month") << "2110320" << "2026-11-12" << "2026-12-10";
    QTest::newRow("room revenue, across the year end") << "5110110" << "2025-12-05" << "2026-02-20";
    QTest::newRow("revenue, across an April term start") << "5110110" << "2030-03-01" << "2030-04-30";
    QTest::newRow("cash, across an April term start") << "1110110" << "2029-12-01" << "2030-04-30";
    QTest::newRow("'A' side account") << "1111310" << "2030-04-01" << "2030-04-30";
}

// Every row's balance is the plain aggregate at its day; totals are the sums
// of the lines.
void TestLedgers::kernelAgreesWithTheLines()
{
    QFETCH(QString, acct);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QSqlQuery q = Db::run(QStringLiteral("SELECT row_kind, acct_date, balance, d_amount, c_amount "
                                         "FROM pk_v_ledger.ledger_rows(:P0, CAST(:P1 AS DATE), CAST(:P2 AS DATE))"),
                          {acct, from, to});
    qint64 lineD = 0, lineC = 0;
    int rows = 0;
    while (q.next()) {
        ++rows;
        const QString kind = q.value(0).toString();
        const QDate day = q.value(1).toDate();
        const qint64 balance = q.value(2).toLongLong();
        if (kind == QLatin1String("B"))
            QCOMPARE(balance, resets(acct) && isTermStart(day)
                                  ? 0 : plainBalance(acct, day.addDays(-1).toString(Qt::ISODate)));
        if (kind == QLatin1String("L")) {
            lineD += q.value(3).toLongLong();
            lineC += q.value(4).toLongLong();
        }
        if (kind == QLatin1String("M") || kind == QLatin1String("T"))
            QCOMPARE(balance, plainBalance(acct, qMin(day, QDate::fromString(to, Qt::ISODate)).toString(Qt::ISODate)));
        if (kind == QLatin1String("T")) {
            QCOMPARE(q.value(3).toLongLong(), lineD);
            QCOMPARE(q.value(4).toLongLong(), lineC);
            QCOMPARE(lineD, number(QStringLiteral("SELECT coalesce(sum(d_amount), 0) FROM vb011ms WHERE acct_code = :P0 "
                                                  "AND conf_date BETWEEN CAST(:P1 AS DATE) AND CAST(:P2 AS DATE)"),
                                   {acct, from, to}));
        }
    }
    QVERIFY(rows >= 2);
}

// A ledger from the first day of a term brings forward only balance-sheet
// balances; from any other day (January in an April term, or mid-month) the
// term's earlier lines.
void TestLedgers::broughtForwardAtTermStarts()
{
    Screen<TfrmVCI040> screen;
    screen.typeAccount("edtFAcctCd", QStringLiteral("5110110"));
    QCOMPARE(screen.get("edtFAcctName")->text().isEmpty(), false);
    const auto broughtForward = [&](const QDate& from, const QDate& to) -> qint64 {
        if (screen.State != MaintenanceCore::stNone)
            screen.click("bbtCancel");
        screen.setDates(from, to);
        screen.click("bbtSearch");
        const int row = screen.result()->findRow(QStringLiteral("ROW_KIND"), {QStringLiteral("B")});
        return row < 0 ? 0 : screen.result()->value(row, QStringLiteral("B_AMOUNT")).toLongLong();
    };
    QCOMPARE(broughtForward(QDate(2030, 4, 1), QDate(2030, 4, 30)), 0LL);
    QCOMPARE(broughtForward(QDate(2030, 1, 1), QDate(2030, 1, 31)), 1000000LL);
    QCOMPARE(broughtForward(QDate(2030, 3, 15), QDate(2030, 4, 30)), 1500000LL);
    // the balance starts again from zero with the April term
    QCOMPARE(screen.result()->value(screen.result()->recordCount() - 1, QStringLiteral("BALANCE")).toLongLong(), 700000LL);

    screen.click("bbtCancel");
    screen.typeAccount("edtFAcctCd", QStringLiteral("1110110"));
    QCOMPARE(broughtForward(QDate(2030, 4, 1), QDate(2030, 4, 30)), plainBalance(QStringLiteral("1110110"), "2030-03-31"));
}

void TestLedgers::closingBalancesAgreeAcrossLedgers_data()
{
    QTest::addColumn<QString>("acct");
    QTest::newRow("cash (debit side)") << "1110110";
    QTest::newRow("payables (credit side)") << "2110320";
    QTest::newRow("room revenue (credit side, resets)") << "5110110";
    QTest::newRow("food costs (debit side, resets)") << "7130510";
}

// The closing balance of a month is the same in the general ledger, the
// subsidiary ledger, the account ledger and the trial balance, and is the
// plain aggregate of the confirmed lines.
void TestLedgers::closingBalancesAgreeAcrossLedgers()
{
    QFETCH(QString, acct);
    const QDate from(2026, 11, 1), to(2026, 11, 30);
    const qint64 expected = plainBalance(acct, QStringLiteral("2026-11-30"));

    Screen<TfrmVCI070> general;
    general.get("edtFAcctCd")->setText(acct);
    general.get("edtEAcctCd")->setText(acct);
    general.setDates(from, to);
    general.click("bbtSearch");
    QCOMPARE(general.accounts()->recordCount(), 1);
    RecordSet* lines = general.lines();
    QCOMPARE(lines->value(lines->recordCount() - 1, QStringLiteral("TBAL")).toLongLong(), expected);

    Screen<TfrmVCI040> subsidiary;
    subsidiary.typeAccount("edtFAcctCd", acct);
    subsidiary.setDates(from, to);
    subsidiary.click("bbtSearch");
    RecordSet* rows = subsidiary.result();
    QCOMPARE(rows->fieldAsString(rows->recordCount() - 1, QStringLiteral("ROW_KIND")), QStringLiteral("T"));
    QCOMPARE(rows->value(rows->recordCount() - 1, QStringLiteral("BALANCE")).toLongLong(), expected);

    Screen<TfrmVCI060> account;
    account.typeAccount("edtFAcctCd", acct);
    account.typeAccount("edtEAcctCd", acct);
    account.setDates(from, to);
    account.click("bbtSearch");
    QCOMPARE(account.accountList()->count(), 1);
    RecordSet* accountRows = account.result();
    QCOMPARE(accountRows->value(accountRows->recordCount() - 1, QStringLiteral("BALANCE")).toLongLong(), expected);

    QCOMPARE(committed(QStringLiteral("pr_v_vdi010sp"), {kIp, QStringLiteral("202611")}).left(1), QStringLiteral("T"));
    QCOMPARE(number(QStringLiteral("SELECT pk_v_ledger.side_of(acct_code) * (bal_damount - bal_camount) FROM vd010pr "
                                   "WHERE ip_addr = :P0 AND acct_code = :P1"),
                    {kIp, acct}),
             expected);
}

// Brought forward, lines, and month and cumulative rows for months with
// lines only, in the general ledger's colours.
void TestLedgers::generalLedgerRowsAndColours()
{
    Screen<TfrmVCI070> screen;
    screen.get("edtFAcctCd")->setText(QStringLiteral("1110110"));
    screen.get("edtEAcctCd")->setText(QStringLiteral("1110110"));
    screen.setDates(QDate(2030, 1, 10), QDate(2030, 5, 31));
    screen.click("bbtSearch");
    RecordSet* lines = screen.lines();
    QStringList remarks;
    for (int row = 0; row < lines->recordCount(); ++row)
        remarks << lines->fieldAsString(row, QStringLiteral("RMK"));
    const QString b = QStringLiteral("[전   일    이    월]");
    const QString m = QStringLiteral("[월               계]");
    const QString y = QStringLiteral("[누               계]");
    // February, March and April have lines; January and May none; the April
    // term brings its own balance forward
    QCOMPARE(remarks, QStringList({b, QStringLiteral("시험 T3000001-1"), m, y, QStringLiteral("시험 T3000002-0"), m, y,
                                   b, QStringLiteral("시험 T3000004-0"), QStringLiteral("시험 T3000005-1"),
                                   QStringLiteral("시험 T3000006-1"), m, y}));
    // the term-to-date debits restart with the term
    QCOMPARE(lines->value(12, QStringLiteral("DB_AMT")).toLongLong(), 700000LL);
    const QVariant blue = QColor(Ledger::kBlue), red = QColor(Ledger::kRed);
    QAbstractItemModel* model = screen.linesGrid()->model();
    QCOMPARE(model->index(0, 0).data(Qt::ForegroundRole), blue);
    QCOMPARE(model->index(1, 0).data(Qt::ForegroundRole), QVariant());
    QCOMPARE(model->index(2, 0).data(Qt::ForegroundRole), blue);
    QCOMPARE(model->index(3, 0).data(Qt::ForegroundRole), red);

    // a range without lines lists nothing and cannot be printed
    screen.get("edtFAcctCd")->setText(QStringLiteral("1111310"));
    screen.get("edtEAcctCd")->setText(QStringLiteral("1111310"));
    screen.setDates(QDate(2030, 1, 1), QDate(2030, 1, 31));
    screen.click("bbtSearch");
    QCOMPARE(screen.accounts()->recordCount(), 0);
    QVERIFY(!screen.get<QPushButton>("bbtPrint")->isEnabled());
    QVERIFY(!screen.get<QPushButton>("bbtPreview")->isEnabled());
}

// The print shows the rows and the period of the last search, whatever the
// fields hold now, and its balances are the screen's.
void TestLedgers::generalLedgerPrintsWhatWasSearched()
{
    Screen<TfrmVCI070> screen;
    screen.get("edtFAcctCd")->setText(QStringLiteral("1110110"));
    screen.get("edtEAcctCd")->setText(QStringLiteral("1110120"));
    screen.setDates(QDate(2026, 11, 1), QDate(2026, 11, 30));
    screen.click("bbtSearch");
    QCOMPARE(screen.accounts()->recordCount(), 2);
    screen.get("edtFAcctCd")->setText(QStringLiteral("2110320"));
    screen.get("edtEAcctCd")->setText(QStringLiteral("2110320"));
    screen.setDates(QDate(2026, 10, 1), QDate(2026, 10, 31));
    PageModel printed;
    m_dialogs->onDialog = [&](QDialog* dialog) {
        if (auto* window = qobject_cast<PreviewWindow*>(dialog))
            printed = window->pane()->pageModel();
        return int(QDialog::Accepted);
    };
    screen.click("bbtPreview");
    QVERIFY(printed.pageCount() >= 2);
    QCOMPARE(printedTexts(printed, QStringLiteral("qrlCondition")),
             QStringList{QStringLiteral("확정일자 : 2026년 11월 01일 - 2026년 11월 30일")});
    QStringList codes = printedTexts(printed, QStringLiteral("qrlAcctCode"));
    codes.removeDuplicates();
    QCOMPARE(codes, QStringList({QStringLiteral("1110110"), QStringLiteral("1110120")}));
    const qint64 closing = plainBalance(QStringLiteral("1110120"), QStringLiteral("2026-11-30"));
    QCOMPARE(printedTexts(printed, QStringLiteral("qrlTBAL")).last(), QLocale(QLocale::English).toString(closing));
}

// A refusal of the procedure reaches the user as an error, and nothing stays
// open.
void TestLedgers::failedLedgerProcedureIsAnError()
{
    Screen<TfrmVCI070> screen;
    Session::workstationIp.clear();
    bool raised = false;
    try {
        screen.bbtSearchClick();
    } catch (const AppError& error) {
        raised = error.message().contains(QStringLiteral("작업 단말의 주소가 없습니다"));
    }
    Session::workstationIp = kIp;
    QVERIFY(raised);
    QVERIFY(!SharedTransaction::instance().inTransaction());
    QCOMPARE(committed(QStringLiteral("pr_v_vci070sp"), {kIp, QString(), QString(), QStringLiteral("2026-11-31"),
                                                          QStringLiteral("2026-11-30")})
                 .left(1),
             QStringLiteral("E"));
}

// F1 in an account field lists the accounts that take slips; the chosen one
// fills code and name, a cancelled lookup clears both.
void TestLedgers::f1OpensTheAccountLookup()
{
    Screen<TfrmVCI070> screen;
    QLineEdit* code = screen.get("edtFAcctCd");
    code->setFocus();
    QTest::keyClick(code, Qt::Key_F1);
    QCOMPARE(m_dialogs->dialogsRun.size(), 1);
    QVERIFY(!code->text().isEmpty());
    QCOMPARE(number(QStringLiteral("SELECT count(*) FROM va020ms WHERE acct_code = :P0 AND slip_yn = 'Y' AND use_yn = 'Y'"),
                    {code->text()}),
             1LL);
    QVERIFY(!screen.get("edtFAcctName")->text().isEmpty());
    m_dialogs->onDialog = [](QDialog*) { return int(QDialog::Rejected); };
    QTest::keyClick(code, Qt::Key_F1);
    QVERIFY(code->text().isEmpty());
    QVERIFY(screen.get("edtFAcctName")->text().isEmpty());
}

// With an item value the ledger brings forward that value's balance, counts
// its lines only, and agrees with the ledger by balance order for it.
void TestLedgers::itemValueLedgerBringsForwardItsOwnBalance()
{
    const QString acct = QStringLiteral("2110320"), value = QStringLiteral("0100000024");
    Screen<TfrmVCI040> screen;
    screen.typeAccount("edtFAcctCd", acct);
    QCOMPARE(screen.itemCode(), QStringLiteral("101"));
    QCOMPARE(screen.get<QLabel>("lblMg1")->text(), QStringLiteral("거래처"));
    screen.get("edtMg1")->setText(value);
    screen.setDates(QDate(2030, 2, 1), QDate(2030, 4, 30));
    screen.click("bbtSearch");
    RecordSet* rows = screen.result();
    const qint64 before = number(QStringLiteral("SELECT coalesce(sum(c_amount - d_amount), 0) FROM vb011dt WHERE acct_code = :P0 "
                                                "AND mg_code = '101' AND mg_detail = :P1 AND conf_date < '2030-02-01'"),
                                 {acct, value});
    QCOMPARE(rows->value(0, QStringLiteral("B_AMOUNT")).toLongLong(), before);
    QVERIFY(before != plainBalance(acct, QStringLiteral("2030-01-31")));
    // the value's line, the balance the April term brings, the total
    QCOMPARE(rows->recordCount(), 4);
    QCOMPARE(rows->fieldAsString(1, QStringLiteral("SLIP_NO")), QStringLiteral("T3000001"));
    QCOMPARE(rows->value(2, QStringLiteral("B_AMOUNT")).toLongLong(), before - 100000);
    QCOMPARE(rows->fieldAsString(1, QStringLiteral("MG1")), QStringLiteral("거래처 ") + value);
    QCOMPARE(rows->value(3, QStringLiteral("D_AMOUNT")).toLongLong(), 100000LL);
    const qint64 closing = rows->value(3, QStringLiteral("BALANCE")).toLongLong();
    QCOMPARE(closing, before - 100000);

    QCOMPARE(committed(QStringLiteral("pr_v_vci080sp"), {kIp, acct, QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0"),
                                                          QStringLiteral("0"), value, QString(), QString(),
                                                          QStringLiteral("2030-02-01"), QStringLiteral("2030-04-30")})
                 .left(1),
             QStringLiteral("T"));
    QCOMPARE(number(QStringLiteral("SELECT tbal FROM vc080pr WHERE ip_addr = :P0 ORDER BY seq_no DESC LIMIT 1"), {kIp}), closing);
}

// The range ledger starts each account at its own brought-forward balance
// and ends it at its closing balance; an empty "to" lists nothing.
void TestLedgers::subsidiaryRangeRestartsPerAccount()
{
    Screen<TfrmVCI045> screen;
    screen.typeAccount("edtFAcctCd", QStringLiteral("1110110"));
    screen.typeAccount("edtEAcctCd", QStringLiteral("2110320"));
    screen.setDates(QDate(2030, 4, 1), QDate(2030, 4, 30));
    screen.click("bbtSearch");
    RecordSet* rows = screen.result();
    QStringList accounts;
    for (int row = 0; row < rows->recordCount(); ++row) {
        const QString acct = rows->fieldAsString(row, QStringLiteral("ACCT_CODE"));
        if (rows->fieldAsString(row, QStringLiteral("ROW_KIND")) == QLatin1String("T")) {
            accounts << acct;
            QCOMPARE(rows->value(row, QStringLiteral("BALANCE")).toLongLong(), plainBalance(acct, QStringLiteral("2030-04-30")));
            QCOMPARE(rows->fieldAsString(row, QStringLiteral("ACCT_NAME")).isEmpty(), false);
        }
    }
    QVERIFY(accounts.contains(QStringLiteral("1110110")));
    QVERIFY(accounts.contains(QStringLiteral("1111310")));
    QVERIFY(accounts.contains(QStringLiteral("2110320")));

    screen.click("bbtCancel");
    screen.get("edtEAcctCd")->clear();
    screen.click("bbtSearch");
    QCOMPARE(screen.result()->recordCount(), 0);
}

void TestLedgers::pastDataReadsTheArchive()
{
    Screen<TfrmVCI040> screen;
    screen.typeAccount("edtFAcctCd", QStringLiteral("1110110"));
    screen.setDates(QDate(2025, 1, 1), QDate(2025, 1, 31));
    screen.get<QCheckBox>("Chk_old")->setChecked(true);
    screen.click("bbtSearch");
    RecordSet* rows = screen.result();
    QCOMPARE(rows->fieldAsString(0, QStringLiteral("SLIP_NO")), QStringLiteral("K2500000"));
    QCOMPARE(rows->recordCount(),
             int(number(QStringLiteral("SELECT count(*) + 1 FROM bkuser.vb011ms WHERE acct_code = '1110110' "
                                       "AND conf_date BETWEEN '2025-01-01' AND '2025-01-31'"))));
    QCOMPARE(rows->value(rows->recordCount() - 1, QStringLiteral("BALANCE")).toLongLong(),
             number(QStringLiteral("SELECT sum(d_amount - c_amount) FROM bkuser.vb011ms WHERE acct_code = '1110110' "
                                   "AND conf_date <= '2025-01-31'")));
    // the lines come with the archived slip headers
    QCOMPARE(rows->fieldAsString(0, QStringLiteral("DEPT_NAME")).isEmpty(), false);
}

// A double click on a line opens its slip in slip entry; on a summary row
// nothing happens.
void TestLedgers::lineOpensItsSlip()
{
    TfrmV0Main main;
    main.resize(1024, 768);
    main.show();
    main.OpenProgram(QStringLiteral("VCI040"), QStringLiteral("VCI040"));
    auto* screen = qobject_cast<TfrmVCI040*>(main.screenOf(QStringLiteral("VCI040")));
    QVERIFY(screen);
    auto* code = screen->findChild<QLineEdit*>(QStringLiteral("edtFAcctCd"));
    code->setText(QStringLiteral("1110110"));
    QMetaObject::invokeMethod(code, "editingFinished");
    screen->findChild<QDateEdit*>(QStringLiteral("dtpESlipDate"))->setDate(QDate(2030, 4, 30));
    screen->findChild<QDateEdit*>(QStringLiteral("dtpFSlipDate"))->setDate(QDate(2030, 4, 1));
    screen->findChild<QPushButton*>(QStringLiteral("bbtSearch"))->click();
    RecordSet* rows = screen->result();
    emit screen->resultGrid()->recordDoubleClicked(rows->recordCount() - 1);
    QVERIFY(!main.screenOf(QStringLiteral("VBI020")));
    const int line = rows->findRow(QStringLiteral("SLIP_NO"), {QStringLiteral("T3000005")});
    QVERIFY(line >= 0);
    emit screen->resultGrid()->recordDoubleClicked(line);
    QWidget* slip = main.screenOf(QStringLiteral("VBI020"));
    QVERIFY(slip);
    QCOMPARE(slip->findChild<QLineEdit*>(QStringLiteral("edtSlipNo"))->text(), QStringLiteral("T3000005"));
    QVERIFY(HandOver::HandSlipNo.isEmpty());
}

// Month totals stand after each month's lines without moving the balance;
// the print covers every account of the range.
void TestLedgers::accountLedgerMonthRowsDoNotMoveTheBalance()
{
    Screen<TfrmVCI060> screen;
    screen.typeAccount("edtFAcctCd", QStringLiteral("1110110"));
    screen.typeAccount("edtEAcctCd", QStringLiteral("2110320"));
    screen.setDates(QDate(2030, 3, 1), QDate(2030, 4, 30));
    screen.click("bbtSearch");
    QVERIFY(screen.accountList()->count() > 3);
    QCOMPARE(screen.accountList()->itemText(0).left(7), QStringLiteral("1110110"));
    RecordSet* rows = screen.result();
    QStringList dates;
    for (int row = 0; row < rows->recordCount(); ++row) {
        dates << rows->fieldAsString(row, QStringLiteral("ACCT_DT"));
        if (rows->fieldAsString(row, QStringLiteral("ROW_KIND")) == QLatin1String("M"))
            QCOMPARE(rows->value(row, QStringLiteral("BALANCE")), rows->value(row - 1, QStringLiteral("BALANCE")));
    }
    QCOMPARE(dates, QStringList({QStringLiteral("00.00.00"), QStringLiteral("30.03.10"), QStringLiteral("30.03.99"),
                                 QStringLiteral("00.00.00"), QStringLiteral("30.04.05"), QStringLiteral("30.04.20"),
                                 QStringLiteral("30.04.25"), QStringLiteral("30.04.99"), QStringLiteral("99.99.99")}));
    QCOMPARE(rows->fieldAsString(8, QStringLiteral("REF_DAT")), QStringLiteral("[합                  계]"));
    QCOMPARE(screen.resultGrid()->model()->index(2, 0).data(Qt::BackgroundRole), QVariant(QColor(Ledger::kSilver)));

    PageModel printed;
    m_dialogs->onDialog = [&](QDialog* dialog) {
        if (auto* window = qobject_cast<PreviewWindow*>(dialog))
            printed = window->pane()->pageModel();
        return int(QDialog::Accepted);
    };
    screen.click("bbtPreview");
    QStringList names = printedTexts(printed, QStringLiteral("qrlAcctName"));
    names.removeDuplicates();
    QVERIFY(names.contains(QStringLiteral("현금")));
    QVERIFY(names.contains(QStringLiteral("미지급금")));
    // the printed closing balance of cash is the screen's
    const QStringList totals = printedTexts(printed, QStringLiteral("qrlTotalBALANCE"));
    QCOMPARE(totals.first(), QLocale(QLocale::English).toString(rows->value(8, QStringLiteral("BALANCE")).toLongLong()));
}

// Every row of the balance statement opens the ledger by balance order on
// its values, whose closing balance is the row's; together the rows are
// the account's balance.
void TestLedgers::balanceStatementAgreesWithLedgerByBalanceOrder()
{
    TfrmV0Main main;
    main.resize(1024, 768);
    main.show();
    main.OpenProgram(QStringLiteral("VCI085"), QStringLiteral("VCI085"));
    auto* statement = qobject_cast<TfrmVCI085*>(main.screenOf(QStringLiteral("VCI085")));
    QVERIFY(statement);
    auto* code = statement->findChild<QLineEdit*>(QStringLiteral("edtFAcctCd"));
    code->setText(QStringLiteral("1110120"));
    QMetaObject::invokeMethod(code, "editingFinished");
    QCOMPARE(statement->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->text(), QStringLiteral("은행"));
    QVERIFY(!statement->findChild<QCheckBox*>(QStringLiteral("CheckBox3"))->isEnabled());
    statement->findChild<QDateEdit*>(QStringLiteral("dtpESlipDate"))->setDate(QDate(2026, 11, 30));
    statement->findChild<QDateEdit*>(QStringLiteral("dtpFSlipDate"))->setDate(QDate(2026, 11, 1));
    statement->bbtSearchClick();
    RecordSet* rows = statement->result();
    QVERIFY(rows->recordCount() >= 2);
    qint64 sum = 0;
    for (int row = 0; row < rows->recordCount(); ++row)
        sum += rows->value(row, QStringLiteral("TBAL")).toLongLong();
    QCOMPARE(sum, plainBalance(QStringLiteral("1110120"), QStringLiteral("2026-11-30")));
    QCOMPARE(statement->resultGrid()->model()->index(0, 4).data().toString().isEmpty(), false);

    for (int row = 0; row < rows->recordCount(); ++row) {
        statement->openLedger(row);
        auto* ledger = qobject_cast<TfrmVCI080*>(main.screenOf(QStringLiteral("VCI080")));
        QVERIFY(ledger);
        QVERIFY(ledger->positionBox(0)->isChecked());
        QVERIFY(ledger->positionBox(1)->isChecked());
        RecordSet* lines = ledger->result();
        QVERIFY(lines->recordCount() > 0);
        QCOMPARE(lines->value(lines->recordCount() - 1, QStringLiteral("TBAL")).toLongLong(),
                 rows->value(row, QStringLiteral("TBAL")).toLongLong());
        QVERIFY(HandOver::HandAcctCode.isEmpty());
    }
    QVERIFY(m_dialogs->texts().isEmpty());
}

// The export of the balance statement carries its title and the balances
// the screen shows.
void TestLedgers::balanceStatementExports()
{
    Screen<TfrmVCI085> screen;
    screen.typeAccount("edtFAcctCd", QStringLiteral("1110120"));
    screen.setDates(QDate(2026, 11, 1), QDate(2026, 11, 30));
    screen.click("bbtSearch");
    const QString path = m_dir.filePath(QStringLiteral("VCI085.xls"));
    m_dialogs->fileNames = {path};
    screen.click("bbtExcel");
    const XlsReadBack::Sheet sheet = XlsReadBack::readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QVERIFY(sheet.at(0, 0).text.contains(QStringLiteral("보통예금 잔액명세서")));
    int balanceColumn = -1;
    int headerRow = -1;
    for (int row = 0; row < 4 && balanceColumn < 0; ++row)
        for (int column = 0; column < sheet.columns; ++column)
            if (sheet.at(row, column).text == QStringLiteral("잔   액")) {
                balanceColumn = column;
                headerRow = row;
            }
    QVERIFY(balanceColumn >= 0);
    double sum = 0;
    for (int row = headerRow + 1; row < sheet.rows; ++row)
        sum += sheet.at(row, balanceColumn).number;
    QCOMPARE(qint64(sum), plainBalance(QStringLiteral("1110120"), QStringLiteral("2026-11-30")));
}

// A position can be chosen only below chosen ones, on the screen and in the
// database.
void TestLedgers::balancePositionsInOrder()
{
    Screen<TfrmVCI080> screen;
    screen.typeAccount("edtFAcctCd", QStringLiteral("1110120"));
    QCOMPARE(screen.get("Edit1")->text(), QStringLiteral("103:은행"));
    screen.positionBox(1)->click();
    QVERIFY(!screen.positionBox(1)->isChecked());
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("잔액관리순번 - 1 을 먼저 선택하세요.!"));
    screen.positionBox(0)->click();
    screen.positionBox(2)->click();
    QVERIFY(!screen.positionBox(2)->isChecked());
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("잔액관리순번 - 1 과 잔액관리순번 - 2가 먼저 선택되어야 합니다 .!"));
    // a chosen position needs its value
    screen.click("bbtSearch");
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("잔액관리순번 - 1 을 선택하세요.!"));
    QVERIFY(!screen.result()->isOpen());

    QCOMPARE(committed(QStringLiteral("pr_v_vci080sp"), {kIp, QStringLiteral("1110120"), QStringLiteral("0"), QStringLiteral("0"),
                                                          QStringLiteral("1"), QStringLiteral("0"), QString(),
                                                          QStringLiteral("054-21-0456-789"), QString(),
                                                          QStringLiteral("2026-11-01"), QStringLiteral("2026-11-30")}),
             QStringLiteral("E잔액관리순번 - 1 을 먼저 선택하세요.!"));
}

// A statement row opened while its first column is hidden but the second
// shown reaches the ledger with position 2 alone, which it refuses.
void TestLedgers::handOverWithAHiddenFirstColumnIsRefused()
{
    TfrmV0Main main;
    main.resize(1024, 768);
    main.show();
    HandOver::clearLedger();
    HandOver::HandAcctCode = QStringLiteral("1110120");
    HandOver::HandFromDate = QStringLiteral("2026-11-01");
    HandOver::HandToDate = QStringLiteral("2026-11-30");
    HandOver::HandMgFlag[1] = QStringLiteral("1");
    HandOver::HandMgCode[1] = QStringLiteral("054-21-0456-789");
    main.OpenProgram(QStringLiteral("VCI080"), QStringLiteral("VCI080"));
    auto* ledger = qobject_cast<TfrmVCI080*>(main.screenOf(QStringLiteral("VCI080")));
    QVERIFY(ledger);
    QVERIFY(m_dialogs->texts().contains(QStringLiteral("잔액관리순번 - 1 을 먼저 선택하세요.!")));
    QVERIFY(!ledger->positionBox(1)->isChecked());
    QVERIFY(HandOver::HandAcctCode.isEmpty());
    // the account's whole ledger instead
    RecordSet* lines = ledger->result();
    QVERIFY(lines->isOpen());
    QCOMPARE(lines->value(lines->recordCount() - 1, QStringLiteral("TBAL")).toLongLong(),
             plainBalance(QStringLiteral("1110120"), QStringLiteral("2026-11-30")));
}

// The business-site report of a closed month sums its lines per business
// division; a month not closed has no sums and says so.
void TestLedgers::businessSiteReportOfAClosedMonth()
{
    Screen<TfrmVCS130> screen;
    screen.get("medSearch_YM")->setText(QStringLiteral("2026-10"));
    QCOMPARE(screen.searchMonth(), QStringLiteral("202610"));
    screen.click("bbtSearch");
    QVERIFY(screen.viewer()->pageCount() >= 1);
    QVERIFY(m_dialogs->texts().isEmpty());

    TfrmVCS131 closed(QStringLiteral("202610"));
    QVERIFY(closed.monthClosed());
    qint64 debits = 0;
    for (int row = 0; row < closed.cdsQuery().rowCount(); ++row)
        debits += closed.cdsQuery().value(row, QStringLiteral("D_AMOUNT")).toLongLong();
    QCOMPARE(debits, number(QStringLiteral("SELECT sum(d_amount) FROM vb011ms WHERE conf_date BETWEEN '2026-10-01' AND '2026-10-31'")));

    TfrmVCS131 open(QStringLiteral("202612"));
    QVERIFY(!open.monthClosed());
    QCOMPARE(open.cdsQuery().rowCount(), 0);
    QVERIFY(open.qrlCondition->text.contains(QStringLiteral("월마감 전")));
}

// "PDF 저장" in the preview writes the pages shown, no more and no less; a
// cancelled file choice writes nothing.
void TestLedgers::previewSavesExactlyItsPagesAsPdf()
{
    Screen<TfrmVCI040> screen;
    screen.typeAccount("edtFAcctCd", QStringLiteral("1110120"));
    screen.setDates(QDate(2026, 10, 1), QDate(2026, 11, 30));
    screen.click("bbtSearch");
    const QString path = m_dir.filePath(QStringLiteral("ledger.pdf"));
    int shown = 0;
    bool cancelled = true;
    m_dialogs->fileNames = {QString(), path};
    m_dialogs->onDialog = [&](QDialog* dialog) {
        if (auto* window = qobject_cast<PreviewWindow*>(dialog)) {
            shown = window->pane()->pageCount();
            cancelled = !window->pane()->savePdf();
            window->pane()->pdfButton()->click();
        }
        return int(QDialog::Accepted);
    };
    screen.click("bbtPreview");
    QVERIFY(cancelled);
    QVERIFY(shown >= 2);
    QCOMPARE(PdfTools::pdfPageCount(path), shown);
    const QStringList pages = PdfTools::pdfPageTexts(path);
    RecordSet* rows = screen.result();
    const QString closing = QLocale(QLocale::English).toString(rows->value(rows->recordCount() - 1, QStringLiteral("BALANCE")).toLongLong());
    QVERIFY(pages.join(QString()).contains(closing));
}

TV_TEST_MAIN(TestLedgers)
#include "tst_ledgers.moc"
