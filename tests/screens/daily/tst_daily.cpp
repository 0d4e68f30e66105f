// The daily books against the demo books and each other: the daily report,
// the daily trial sheet and the cash book agree on the cash of a day and with
// the general ledger and plain sums of the confirmed lines; the deposit
// figures agree with the trial balance; the prints carry what the screens
// show.
#include "common/Db.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/MaintenanceCore.h"
#include "framework/print/BandedReport.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "common/HandOver.h"
#include "screens/daily/VCI010.h"
#include "screens/daily/VCI011.h"
#include "screens/daily/VCI030.h"
#include "screens/daily/VCI031.h"
#include "screens/daily/VCI050.h"
#include "screens/daily/VCI051.h"
#include "screens/daily/VCI020.h"
#include "screens/daily/VCI021.h"
#include "screens/daily/VCI090.h"
#include "screens/daily/VCI091.h"
#include "screens/daily/VCI095.h"
#include "screens/daily/VCI100.h"
#include "screens/daily/VCI120.h"
#include "framework/print/ReportViewer.h"
#include "shell/V0Main.h"
#include "support/PdfTools.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/ScreenUnderTest.h"
#include "support/TestMain.h"
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QDateEdit>
#include <QSqlError>
#include <QTabWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// The busy cash day of the demo: nine takings, four payments, a new account.
const QDate kBusyDay(2026, 12, 10);
// A slip of the tests' own on the day after.
const QDate kTestDay(2026, 12, 11);
const QString kTestSlip = QStringLiteral("K2699001");

// A screen with its controls found by name, shown and active as in use.
template <typename Base>
class Screen : public ScreenUnderTest<Base> {
public:
    using ScreenUnderTest<Base>::get;
    using ScreenUnderTest<Base>::click;
    void searchDay(const QDate& day)
    {
        this->template get<QDateEdit>("dtpDate")->setDate(day);
        click("bbtSearch");
    }
};

qint64 number(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toLongLong();
}

qint64 amountOf(const QString& text)
{
    return QString(text).remove(QLatin1Char(',')).toLongLong();
}

qint64 sumOf(RecordSet* set, const QString& field, int fromRow = 0)
{
    qint64 sum = 0;
    for (int row = fromRow; row < set->recordCount(); ++row)
        sum += set->value(row, field).toLongLong();
    return sum;
}

int rowOfKind(RecordSet* set, const QString& kind)
{
    return set->findRow(QStringLiteral("ROW_KIND"), {kind});
}

QString dayText(const QDate& day)
{
    return day.toString(Qt::ISODate);
}


// Confirms ('1') or cancels ('2') a slip as the confirmation screen does,
// with its operating income/expense rows, in one transaction.
QString journalize(const QString& flag, const QString& slipNo, const QString& day)
{
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    QString answer;
    for (const char* step : {"pk_v_journalize.def_confdate", "pk_v_journalize.pr_journalmain"}) {
        answer = CallProcText(QLatin1String(step), {flag, slipNo, day, Session::empNo});
        if (answer != QLatin1String("T"))
            break;
    }
    if (answer == QLatin1String("T"))
        answer = CallProcText(QStringLiteral("pr_vzi100_02"),
                              {slipNo, flag, QString(), QString(), QStringLiteral("0"), QStringLiteral("N"), Session::empNo});
    if (answer.startsWith(QLatin1Char('T')))
        tx.commit();
    else
        tx.rollback();
    return answer;
}

struct Line {
    QString acct;
    qint64 d = 0;
    qint64 c = 0;
    QList<std::pair<QString, QString>> items;  // item code and value, positions 1..
};

// A slip written as the slip procedure leaves it, then confirmed on its day.
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
                          {slipNo, i, l.acct, QStringLiteral("시험 %1").arg(i), l.d, l.c});
        for (int k = 0; k < l.items.size(); ++k)
            TestDb::ownerExec(QStringLiteral("INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, "
                                             "acct_code, d_amount, c_amount) VALUES (:P0, :P1, :P2, :P3, :P4, :P5, :P6, :P7)"),
                              {slipNo, i, k + 1, l.items.at(k).first, l.items.at(k).second, l.acct, l.d, l.c});
    }
    const QString answer = journalize(QStringLiteral("1"), slipNo, day);
    if (!answer.startsWith(QLatin1Char('T')))
        qFatal("slip %s not confirmed: %s", qPrintable(slipNo), qPrintable(answer));
}

}  // namespace

class TestDaily : public QObject {
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

    void demoBooksAgree();
    void threeBooksAgree_data();
    void threeBooksAgree();
    void depositsAgreeWithTheTrialBalance_data();
    void depositsAgreeWithTheTrialBalance();
    void accountOpenedThisMonthIsListed();
    void cashBookTotalsFollowTheTerm_data();
    void cashBookTotalsFollowTheTerm();
    void dailyReportPrintFoldsTheEighthLine();
    void prints();
    void missingConfigurationIsSaid();

    // deposit status
    void depositStatusIsTheDepositLines();
    void depositTabSwitchSearchesAgain();
    void emptyPeriodShowsOnlyTheTotal();
    void depositPrintByBank();

    // customer and department ledgers
    void departmentUsageIsTheAccountsMovements();
    void departmentUsageConditions();
    void lineWithTwoDepartmentItemsCountsOnce();
    void customerLedger();
    void receiptsOnAccount();
    void handOffs();

    // operating income/expense adjustment
    void adjustmentSearch_data();
    void adjustmentSearch();
    void adjustOneLine();
    void wholeSlipChangesOnlyItsFields();
    void refundConversionFollowsTheFlag();
    void costClassCode();
    void reconfirmationKeepsTheAdjustment();
    void lineFiguresCannotChange();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
};

void TestDaily::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Session::empNo = QStringLiteral("2003");
    Session::workstationIp = QStringLiteral("10.9.9.14");
    // two expense lines, the first with both department items, paid in cash
    confirmedSlip(kTestSlip, dayText(kTestDay),
                  {{QStringLiteral("7520220"), 300000, 0, {{"141", "1111"}, {"118", "2121"}}},
                   {QStringLiteral("7530510"), 200000, 0, {{"141", "1111"}}},
                   {QStringLiteral("1110110"), 0, 500000, {}}});
    // a cash receipt on an account whose five-digit group has no "00" account
    m_db->ownerExec(QStringLiteral("INSERT INTO va020ms (acct_code, p_acct_code, acc_level, acct_name, acct_sname, acct_pname, "
                                   "slip_yn, dc_div) VALUES ('5990110', '5000000', '5', '기타 잡수입', '기타잡수입', '기타 잡수입', "
                                   "'Y', 'C')"));
    confirmedSlip(QStringLiteral("K2699002"), dayText(kTestDay),
                  {{QStringLiteral("1110110"), 70000, 0, {}}, {QStringLiteral("5990110"), 0, 70000, {}}});
}

void TestDaily::demoBooksAgree()
{
    QCOMPARE(number(QStringLiteral("SELECT count(*) FROM pk_v_post.check_books()")), 0);
}

void TestDaily::threeBooksAgree_data()
{
    QTest::addColumn<QDate>("day");
    QTest::newRow("busy cash day") << kBusyDay;
    QTest::newRow("one payment") << QDate(2026, 12, 4);
    QTest::newRow("first day of the term") << QDate(2026, 1, 2);
    QTest::newRow("no lines at all") << QDate(2026, 12, 12);
    QTest::newRow("closed month") << QDate(2026, 11, 10);
    QTest::newRow("the tests' own day") << kTestDay;
}

// The previous day's and the closing cash of the three books are one figure,
// the general ledger's and the sum of every confirmed cash line before and
// through the day; the trial sheet balances and its account rows are the
// day's confirmed lines.
void TestDaily::threeBooksAgree()
{
    QFETCH(QDate, day);
    const QVariantList params{dayText(day)};
    const qint64 before = number(QStringLiteral("SELECT coalesce(sum(d_amount - c_amount), 0) FROM vb011ms "
                                                "WHERE acct_code = '1110110' AND conf_date < CAST(:P0 AS DATE)"),
                                 params);
    const qint64 after = number(QStringLiteral("SELECT coalesce(sum(d_amount - c_amount), 0) FROM vb011ms "
                                               "WHERE acct_code = '1110110' AND conf_date <= CAST(:P0 AS DATE)"),
                                params);
    QCOMPARE(number(QStringLiteral("SELECT balance FROM pk_v_ledger.ledger_rows('1110110', CAST(:P0 AS DATE), "
                                   "CAST(:P0 AS DATE)) WHERE row_kind = 'T'"),
                    params),
             after);

    Screen<TfrmVCI010> report;
    report.searchDay(day);
    QCOMPARE(amountOf(report.get("edtBfAmount")->text()), before);
    QCOMPARE(amountOf(report.get("edtAfAmount")->text()), after);
    const qint64 received = number(QStringLiteral("SELECT coalesce(sum(d_amount), 0) FROM vb011ms "
                                                  "WHERE acct_code = '1110110' AND conf_date = CAST(:P0 AS DATE)"),
                                   params);
    const qint64 paid = number(QStringLiteral("SELECT coalesce(sum(c_amount), 0) FROM vb011ms "
                                              "WHERE acct_code = '1110110' AND conf_date = CAST(:P0 AS DATE)"),
                               params);
    QCOMPARE(sumOf(report.receipts(), QStringLiteral("AMOUNT")), received);
    QCOMPARE(sumOf(report.payments(), QStringLiteral("AMOUNT")), paid);
    QCOMPARE(amountOf(report.get<QLabel>("lblIncomeTotal")->text()), received);
    QCOMPARE(amountOf(report.get<QLabel>("lblOutgoTotal")->text()), paid);

    Screen<TfrmVCI050> book;
    book.searchDay(day);
    RecordSet* rows = book.book();
    QCOMPARE(rows->fieldAsString(0, QStringLiteral("ROW_KIND")), QStringLiteral("B"));
    QCOMPARE(rows->value(0, QStringLiteral("BALANCE")).toLongLong(), before);
    QCOMPARE(rows->value(rows->recordCount() - 1, QStringLiteral("BALANCE")).toLongLong(), after);
    QCOMPARE(book.dayTotals().debit, received);
    QCOMPARE(book.dayTotals().credit, paid);
    QCOMPARE(book.dayTotals().balance, after);
    QCOMPARE(amountOf(book.bookGrid()->footerText(QStringLiteral("D_AMOUNT"))), received);
    QCOMPARE(amountOf(book.bookGrid()->footerText(QStringLiteral("C_AMOUNT"))), paid);
    QCOMPARE(book.RecordCount, 1 + int(number(QStringLiteral("SELECT count(*) FROM vb011ms WHERE acct_code = '1110110' "
                                                             "AND conf_date = CAST(:P0 AS DATE)"),
                                              params)));

    Screen<TfrmVCI030> sheet;
    sheet.searchDay(day);
    RecordSet* s = sheet.sheet();
    const int cash = rowOfKind(s, TfrmVCI030::kCashRow);
    const int total = rowOfKind(s, TfrmVCI030::kTotalRow);
    QVERIFY(cash >= 0 && total == s->recordCount() - 1);
    QCOMPARE(s->value(cash, QStringLiteral("SUMD")).toLongLong(), after);
    QCOMPARE(s->value(cash, QStringLiteral("CASH_DAMT")).toLongLong(), after);
    QCOMPARE(s->value(cash, QStringLiteral("CASH_CAMT")).toLongLong(), before);
    QCOMPARE(s->value(cash, QStringLiteral("SUMC")).toLongLong(), before);
    QCOMPARE(s->value(total, QStringLiteral("SUMD")).toLongLong(), s->value(total, QStringLiteral("SUMC")).toLongLong());
    // the account rows other than the cash transfer are the day's other lines
    qint64 debits = 0, credits = 0;
    for (int row = 0; row < cash - 1; ++row) {
        if (s->fieldAsString(row, QStringLiteral("ACCT_CODE")) == QLatin1String("9999999"))
            continue;
        debits += s->value(row, QStringLiteral("SUMD")).toLongLong();
        credits += s->value(row, QStringLiteral("SUMC")).toLongLong();
    }
    QCOMPARE(debits, number(QStringLiteral("SELECT coalesce(sum(d_amount), 0) FROM vb011ms "
                                           "WHERE acct_code <> '1110110' AND conf_date = CAST(:P0 AS DATE)"),
                            params));
    QCOMPARE(credits, number(QStringLiteral("SELECT coalesce(sum(c_amount), 0) FROM vb011ms "
                                            "WHERE acct_code <> '1110110' AND conf_date = CAST(:P0 AS DATE)"),
                             params));
    // cash paid is the debit cash column, cash received the credit one
    QCOMPARE(s->value(cash - 1, QStringLiteral("CASH_DAMT")).toLongLong() - s->value(cash - 1, QStringLiteral("CASH_CAMT")).toLongLong(),
             before - after);
    QCOMPARE(sheet.RecordCount, s->recordCount());
    // an account whose group has no "00" account is listed on its own
    if (day == kTestDay) {
        const int own = s->findRow(QStringLiteral("ACCT_CODE"), {QStringLiteral("5990110")});
        QVERIFY(own >= 0);
        QCOMPARE(s->fieldAsString(own, QStringLiteral("ACCT_PNAME")), QStringLiteral("기타 잡수입"));
        QCOMPARE(s->value(own, QStringLiteral("CASH_CAMT")).toLongLong(), 70000);
    }
}

void TestDaily::depositsAgreeWithTheTrialBalance_data()
{
    QTest::addColumn<QDate>("day");
    QTest::newRow("end of a closed month") << QDate(2026, 11, 30);
    QTest::newRow("end of January") << QDate(2026, 1, 31);
    QTest::newRow("mid January") << QDate(2026, 1, 15);
    QTest::newRow("busy day") << kBusyDay;
}

// Per bank account the day's closing balances add up to the deposit
// accounts' balance in the trial balance at month end and to the confirmed
// lines; the day's deposits and withdrawals are that day's lines.
void TestDaily::depositsAgreeWithTheTrialBalance()
{
    QFETCH(QDate, day);
    const QVariantList params{dayText(day)};
    Screen<TfrmVCI010> report;
    report.searchDay(day);
    RecordSet* deposits = report.deposits();
    QVERIFY(deposits->recordCount() > 0);
    const QString lines = QStringLiteral("FROM vb011ms WHERE acct_code = ANY (pk_v_ledger.configured_deposit_accounts()) ");
    QCOMPARE(sumOf(deposits, QStringLiteral("AF_AMT")),
             number(QStringLiteral("SELECT coalesce(sum(d_amount - c_amount), 0) ") + lines
                        + QStringLiteral("AND conf_date <= CAST(:P0 AS DATE)"),
                    params));
    QCOMPARE(sumOf(deposits, QStringLiteral("BF_AMT")),
             number(QStringLiteral("SELECT coalesce(sum(d_amount - c_amount), 0) ") + lines
                        + QStringLiteral("AND conf_date < CAST(:P0 AS DATE)"),
                    params));
    QCOMPARE(sumOf(deposits, QStringLiteral("DR_AMT")),
             number(QStringLiteral("SELECT coalesce(sum(d_amount), 0) ") + lines + QStringLiteral("AND conf_date = CAST(:P0 AS DATE)"),
                    params));
    for (int row = 0; row < deposits->recordCount(); ++row)
        QCOMPARE(deposits->value(row, QStringLiteral("AF_AMT")).toLongLong(),
                 deposits->value(row, QStringLiteral("BF_AMT")).toLongLong() + deposits->value(row, QStringLiteral("DR_AMT")).toLongLong()
                     - deposits->value(row, QStringLiteral("CR_AMT")).toLongLong());

    if (day != QDate(day.year(), day.month(), day.daysInMonth()))
        return;
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    QVERIFY(CallProcText(QStringLiteral("pr_v_vdi010sp"), {Session::workstationIp, day.toString(QStringLiteral("yyyyMM"))})
                .startsWith(QLatin1Char('T')));
    tx.commit();
    QCOMPARE(sumOf(deposits, QStringLiteral("AF_AMT")),
             number(QStringLiteral("SELECT sum(bal_damount - bal_camount) FROM vd010pr WHERE ip_addr = :P0 "
                                   "AND acct_code = ANY (pk_v_ledger.configured_deposit_accounts())"),
                    {Session::workstationIp}));
}

// The MMDA account opened on the busy day had no balance before it: it is
// listed all the same.
void TestDaily::accountOpenedThisMonthIsListed()
{
    Screen<TfrmVCI010> report;
    report.searchDay(kBusyDay);
    RecordSet* deposits = report.deposits();
    const int row = deposits->findRow(QStringLiteral("ACCT_CODE;ITEM_DESC2"),
                                      {QStringLiteral("1110230"), QStringLiteral("010-123456-01-011")});
    QVERIFY(row >= 0);
    QCOMPARE(deposits->value(row, QStringLiteral("BF_AMT")).toLongLong(), 0);
    QCOMPARE(deposits->value(row, QStringLiteral("DR_AMT")).toLongLong(), 50000000);
    QCOMPARE(deposits->value(row, QStringLiteral("AF_AMT")).toLongLong(), 50000000);
    QCOMPARE(deposits->fieldAsString(row, QStringLiteral("ITEM_DESC1NM")), QStringLiteral("중소기업은행"));
    QCOMPARE(report.RecordCount, deposits->recordCount());
}

void TestDaily::cashBookTotalsFollowTheTerm_data()
{
    QTest::addColumn<QDate>("day");
    QTest::newRow("January") << QDate(2026, 1, 20);
    QTest::newRow("December") << kBusyDay;
}

// The month's totals run from the first of the month, the cumulative ones
// from the term's start: in the term's first month they are the same.
void TestDaily::cashBookTotalsFollowTheTerm()
{
    QFETCH(QDate, day);
    Screen<TfrmVCI050> book;
    book.searchDay(day);
    const QString sums = QStringLiteral("SELECT coalesce(sum(d_amount), 0) || '/' || coalesce(sum(c_amount), 0) FROM vb011ms "
                                        "WHERE acct_code = '1110110' AND conf_date BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)");
    const auto text = [](const TfrmVCI050::Totals& t) { return QStringLiteral("%1/%2").arg(t.debit).arg(t.credit); };
    QCOMPARE(text(book.monthTotals()),
             Db::scalar(sums, {dayText(QDate(day.year(), day.month(), 1)), dayText(day)}).toString());
    QCOMPARE(text(book.termTotals()), Db::scalar(sums, {dayText(QDate(day.year(), 1, 1)), dayText(day)}).toString());
    if (day.month() == 1)
        QCOMPARE(text(book.termTotals()), text(book.monthTotals()));
}

// Nine takings on the busy day: the print keeps seven lines, the seventh
// carrying " 외" and the sum of the last three.
void TestDaily::dailyReportPrintFoldsTheEighthLine()
{
    Screen<TfrmVCI010> report;
    report.searchDay(kBusyDay);
    RecordSet* receipts = report.receipts();
    QCOMPARE(receipts->recordCount(), 9);
    std::unique_ptr<TfrmVCI011> layout = report.buildReport();
    const PrintPage& page = layout->pageModel().pages.first();
    QCOMPARE(page.texts(QStringLiteral("qrlReceiptText7")).value(0),
             receipts->fieldAsString(6, QStringLiteral("REF_DATA")) + QStringLiteral(" 외"));
    QCOMPARE(amountOf(page.texts(QStringLiteral("qrlReceiptAmount7")).value(0)), sumOf(receipts, QStringLiteral("AMOUNT"), 6));
    QCOMPARE(page.texts(QStringLiteral("qrlReceiptText1")).value(0), receipts->fieldAsString(0, QStringLiteral("REF_DATA")));
    // four payments: no folding, the rest of the lines empty
    QCOMPARE(page.texts(QStringLiteral("qrlPaymentText4")).value(0), report.payments()->fieldAsString(3, QStringLiteral("REF_DATA")));
    QCOMPARE(page.texts(QStringLiteral("qrlPaymentText5")).value(0), QString());
    QCOMPARE(amountOf(page.texts(QStringLiteral("qrlReceiptTotal")).value(0)), sumOf(receipts, QStringLiteral("AMOUNT")));
    QCOMPARE(amountOf(page.texts(QStringLiteral("qrlAfTotal")).value(0)), sumOf(report.deposits(), QStringLiteral("AF_AMT")));

    QList<TfrmVCI011::CashLine> seven;
    for (int i = 0; i < 7; ++i)
        seven.append({QStringLiteral("줄 %1").arg(i), 10});
    QCOMPARE(TfrmVCI011::foldLines(seven).last().text, QStringLiteral("줄 6"));
    seven.append({QStringLiteral("줄 7"), 5});
    QCOMPARE(TfrmVCI011::foldLines(seven).size(), 7);
    QCOMPARE(TfrmVCI011::foldLines(seven).last().text, QStringLiteral("줄 6 외"));
    QCOMPARE(TfrmVCI011::foldLines(seven).last().amount, 15);
}

// Each book prints to the printer what it shows; the PDF carries the title,
// the day and the totals.
void TestDaily::prints()
{
    QTemporaryDir dir;
    const auto printed = [&](auto& screen, const QString& file) {
        m_dialogs->printFile = dir.filePath(file);
        screen.click("bbtPrint");
        return PdfTools::pdfPageTexts(m_dialogs->printFile).join(QLatin1Char('\n'));
    };
    Screen<TfrmVCI010> report;
    report.searchDay(kBusyDay);
    QString text = printed(report, QStringLiteral("VCI011.pdf"));
    QVERIFY2(text.contains(QStringLiteral("경    리    일    보")) || text.contains(QStringLiteral("경 리 일 보")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("2026-12-10")));
    QVERIFY(text.contains(report.get("edtAfAmount")->text()));

    Screen<TfrmVCI030> sheet;
    sheet.searchDay(kBusyDay);
    text = printed(sheet, QStringLiteral("VCI031.pdf"));
    const int total = rowOfKind(sheet.sheet(), TfrmVCI030::kTotalRow);
    QVERIFY2(text.contains(sheet.sheet()->displayText(total, QStringLiteral("SUMD"))), qPrintable(text));
    std::unique_ptr<TfrmVCI031> sheetLayout = sheet.buildReport();
    QCOMPARE(sheetLayout->pageModel().pages.first().texts(QStringLiteral("qrlACCT_PNAME")).size(), sheet.sheet()->recordCount());

    Screen<TfrmVCI050> book;
    book.searchDay(kBusyDay);
    text = printed(book, QStringLiteral("VCI051.pdf"));
    QVERIFY2(text.contains(QStringLiteral("2026년 12월 10일 현재")), qPrintable(text));
    std::unique_ptr<TfrmVCI051> bookLayout = book.buildReport();
    const PrintPage& page = bookLayout->pageModel().pages.last();
    QCOMPARE(amountOf(page.texts(QStringLiteral("qrlSummary0_6")).value(0)), book.dayTotals().balance);
    QCOMPARE(amountOf(page.texts(QStringLiteral("qrlSummary2_4")).value(0)), book.termTotals().debit);
}

// Without the cash account in the configuration the books say so and show
// nothing.
void TestDaily::missingConfigurationIsSaid()
{
    m_db->ownerExec(QStringLiteral("UPDATE zx010ms SET detail_name = NULL WHERE head = 'V9998' AND detail = '02'"));
    Screen<TfrmVCI050> book;
    book.searchDay(kBusyDay);
    m_db->ownerExec(QStringLiteral("UPDATE zx010ms SET detail_name = '1110110' WHERE head = 'V9998' AND detail = '02'"));
    QVERIFY2(m_dialogs->lastText().contains(QStringLiteral("V9998-02")), qPrintable(m_dialogs->texts().join(u'|')));
    QVERIFY(!book.book()->isOpen());
    QCOMPARE(book.RecordCount, 0);
}

// --- deposit status ----------------------------------------------------------------------

// The totals of both views are the deposit accounts' lines of the period and
// the trial balance's month figures; each bank's and account's subtotal is
// the sum of its rows.
void TestDaily::depositStatusIsTheDepositLines()
{
    Screen<TfrmVCI020> s;
    s.get<QDateEdit>("dtpFSlipDate")->setDate(QDate(2026, 11, 1));
    s.get<QDateEdit>("dtpESlipDate")->setDate(QDate(2026, 11, 30));
    s.click("bbtSearch");
    RecordSet* bank = s.byBank();
    const QString lines = QStringLiteral("FROM vb011ms WHERE acct_code = ANY (pk_v_ledger.configured_deposit_accounts()) "
                                         "AND conf_date BETWEEN '2026-11-01' AND '2026-11-30'");
    const qint64 deposits = number(QStringLiteral("SELECT sum(d_amount) ") + lines);
    const qint64 withdrawals = number(QStringLiteral("SELECT sum(c_amount) ") + lines);
    const int total = bank->recordCount() - 1;
    QCOMPARE(bank->fieldAsString(total, QStringLiteral("ACCT_NAME")), QStringLiteral("합 계"));
    QCOMPARE(bank->value(total, QStringLiteral("DAMT")).toLongLong(), deposits);
    QCOMPARE(bank->value(total, QStringLiteral("CAMT")).toLongLong(), withdrawals);
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    QVERIFY(CallProcText(QStringLiteral("pr_v_vdi010sp"), {Session::workstationIp, QStringLiteral("202611")}).startsWith(u'T'));
    tx.commit();
    QCOMPARE(number(QStringLiteral("SELECT sum(d_amount) || '' FROM vd010pr WHERE ip_addr = :P0 "
                                   "AND acct_code = ANY (pk_v_ledger.configured_deposit_accounts())"),
                    {Session::workstationIp}),
             deposits);
    // every bank's subtotal follows its rows
    qint64 rows = 0;
    int banks = 0;
    for (int row = 0; row < total; ++row) {
        if (bank->fieldAsString(row, QStringLiteral("ACCT_NAME")) == QStringLiteral("소 계")) {
            QCOMPARE(bank->value(row, QStringLiteral("DAMT")).toLongLong(), rows);
            rows = 0;
            ++banks;
        } else {
            rows += bank->value(row, QStringLiteral("DAMT")).toLongLong();
        }
    }
    QVERIFY(banks >= 2);
    QCOMPARE(s.RecordCount, bank->recordCount());
}

void TestDaily::depositTabSwitchSearchesAgain()
{
    Screen<TfrmVCI020> s;
    s.get<QDateEdit>("dtpFSlipDate")->setDate(QDate(2026, 12, 1));
    s.get<QDateEdit>("dtpESlipDate")->setDate(QDate(2026, 12, 31));
    s.click("bbtSearch");
    QVERIFY(!s.byAccount()->isOpen());
    s.get<QTabWidget>("pgcMain")->setCurrentIndex(1);
    QCOMPARE(s.currentTab(), 1);
    RecordSet* account = s.byAccount();
    QVERIFY(account->isOpen());
    QCOMPARE(s.RecordCount, account->recordCount());
    // the MMDA account opened on the busy day has its own subtotals
    const int opened = account->findRow(QStringLiteral("ACCT_NAME"), {QStringLiteral("MMDA")});
    QVERIFY(opened >= 0);
    QCOMPARE(account->fieldAsString(opened + 1, QStringLiteral("MG1")), QStringLiteral("은 행 소 계"));
    QCOMPARE(account->fieldAsString(opened + 2, QStringLiteral("ACCT_NAME")), QStringLiteral("계 정 소 계"));
    QCOMPARE(account->value(opened + 2, QStringLiteral("DAMT")).toLongLong(), 50000000);
    QCOMPARE(account->fieldAsString(account->recordCount() - 1, QStringLiteral("ACCT_NAME")), QStringLiteral("합 계"));
    QCOMPARE(account->value(account->recordCount() - 1, QStringLiteral("DAMT")).toLongLong(),
             s.byBank()->value(s.byBank()->recordCount() - 1, QStringLiteral("DAMT")).toLongLong());
    // the account subtotal in red, the total in blue, a bank subtotal and the lines as they are
    const auto textColour = [&](int row) {
        auto* grid = s.get<DataGrid>("RealDBGrid2");
        return grid->model()->index(row, 0).data(Qt::ForegroundRole).value<QColor>();
    };
    QCOMPARE(textColour(opened + 2), QColor(Qt::red));
    QCOMPARE(textColour(account->recordCount() - 1), QColor(Qt::blue));
    QVERIFY(!textColour(opened + 1).isValid());
    QVERIFY(!textColour(opened).isValid());
    // its print: the account on its rows, nothing on bank subtotals
    std::unique_ptr<TfrmZZP010> layout = s.buildReport();
    QCOMPARE(layout->name(), QStringLiteral("frmVCI022"));
    QStringList accounts;
    for (const PrintPage& page : layout->pageModel().pages)
        accounts << page.texts(QStringLiteral("qrlFirst"));
    QVERIFY(accounts.contains(QStringLiteral("MMDA")));
    QVERIFY(accounts.contains(QStringLiteral("계 정 소 계")));
    QCOMPARE(accounts.last(), QStringLiteral("합 계"));
}

void TestDaily::emptyPeriodShowsOnlyTheTotal()
{
    Screen<TfrmVCI020> s;
    auto* to = s.get<QDateEdit>("dtpESlipDate");
    auto* from = s.get<QDateEdit>("dtpFSlipDate");
    from->setDate(QDate(2030, 3, 10));
    to->setDate(QDate(2030, 3, 5));
    QCOMPARE(from->date(), QDate(2030, 3, 5));  // a to-date before the from-date takes it along
    s.click("bbtSearch");
    QCOMPARE(s.RecordCount, 1);
    QCOMPARE(s.byBank()->fieldAsString(0, QStringLiteral("ACCT_NAME")), QStringLiteral("합 계"));
    QVERIFY(s.byBank()->isNull(QStringLiteral("DAMT")));
}

// By bank: the bank's name on its first row and again, on silver, on its
// subtotal; the total with an empty bank column.
void TestDaily::depositPrintByBank()
{
    Screen<TfrmVCI020> s;
    s.get<QDateEdit>("dtpFSlipDate")->setDate(QDate(2026, 12, 1));
    s.get<QDateEdit>("dtpESlipDate")->setDate(QDate(2026, 12, 10));
    s.click("bbtSearch");
    std::unique_ptr<TfrmZZP010> layout = s.buildReport();
    QStringList banks;
    for (const PrintPage& page : layout->pageModel().pages)
        for (const QString& text : page.texts(QStringLiteral("qrlFirst")))
            if (!text.isEmpty())
                banks << text;
    RecordSet* rows = s.byBank();
    QStringList expected;
    for (int row = 0; row < rows->recordCount(); ++row) {
        const bool first = row == 0 || rows->fieldAsString(row, QStringLiteral("MG1")) != rows->fieldAsString(row - 1, QStringLiteral("MG1"));
        if ((first || rows->fieldAsString(row, QStringLiteral("ACCT_NAME")) == QStringLiteral("소 계"))
            && !rows->fieldAsString(row, QStringLiteral("MG1")).isEmpty())
            expected << rows->fieldAsString(row, QStringLiteral("MG1"));
    }
    QVERIFY(expected.size() >= 4);
    QCOMPARE(banks, expected);
    QCOMPARE(layout->qrlCondition->text, QStringLiteral("기간 :2026-12-01 ~ 2026-12-10"));
}

// --- customer and department ledgers --------------------------------------------------------

// Per account the department rows are the account's movements of the period
// (ledger kernel and plain sums agree), every line carrying a department.
void TestDaily::departmentUsageIsTheAccountsMovements()
{
    Screen<TfrmVCI090> s;
    s.get<QDateEdit>("dtpFSlipDate")->setDate(QDate(2026, 11, 1));
    s.get<QDateEdit>("dtpESlipDate")->setDate(QDate(2026, 11, 30));
    s.click("bbtSearch");
    RecordSet* rows = s.result();
    QMap<QString, std::pair<qint64, qint64>> perAccount;
    qint64 debit = 0;
    for (int row = 0; row < rows->recordCount(); ++row) {
        if (rows->fieldAsString(row, QStringLiteral("SLIP_NO")).isEmpty())
            continue;
        auto& sums = perAccount[rows->fieldAsString(row, QStringLiteral("ACCT_CODE"))];
        sums.first += rows->value(row, QStringLiteral("D_AMOUNT")).toLongLong();
        sums.second += rows->value(row, QStringLiteral("C_AMOUNT")).toLongLong();
        debit += rows->value(row, QStringLiteral("D_AMOUNT")).toLongLong();
    }
    QVERIFY(perAccount.size() > 10);
    for (auto it = perAccount.cbegin(); it != perAccount.cend(); ++it) {
        QSqlQuery q = Db::run(QStringLiteral("SELECT d_amount, c_amount FROM pk_v_ledger.ledger_rows(:P0, '2026-11-01', "
                                             "'2026-11-30') WHERE row_kind = 'T'"),
                              {it.key()});
        QVERIFY(q.next());
        QCOMPARE(it.value().first, q.value(0).toLongLong());
        QCOMPARE(it.value().second, q.value(1).toLongLong());
    }
    QCOMPARE(number(QStringLiteral("SELECT count(DISTINCT acct_code) FROM vb011ms WHERE acct_code BETWEEN '5000000' "
                                   "AND '7999999' AND conf_date BETWEEN '2026-11-01' AND '2026-11-30'")),
             perAccount.size());
    const int total = rows->recordCount() - 1;
    QCOMPARE(rows->fieldAsString(total, QStringLiteral("REF_DATA")), QStringLiteral("[합   계]"));
    QCOMPARE(rows->value(total, QStringLiteral("D_AMOUNT")).toLongLong(), debit);
    // a group's subtotal comes after the lines of its "00" account and
    // before those of its other accounts, per department
    for (int row = 0; row < total; ++row) {
        if (!rows->fieldAsString(row, QStringLiteral("SLIP_NO")).isEmpty())
            continue;
        const QString group = rows->fieldAsString(row, QStringLiteral("ACCT_CODE"));
        QVERIFY(group.endsWith(QLatin1String("00")));
        for (int other = 0; other < total; ++other) {
            const QString code = rows->fieldAsString(other, QStringLiteral("ACCT_CODE"));
            if (other == row || code.left(5) != group.left(5)
                || rows->fieldAsString(other, QStringLiteral("MG_DETAIL")) != rows->fieldAsString(row, QStringLiteral("MG_DETAIL")))
                continue;
            QVERIFY2((other < row) == (code <= group), qPrintable(code + u' ' + group));
        }
    }
    std::unique_ptr<TfrmVCI091> layout = s.buildReport();
    QVERIFY(layout->pageCount() > 1);
    QVERIFY(layout->qrlCondition->text.startsWith(QStringLiteral("원가부서 : :전   체")));
    QVERIFY(layout->qrlCondition->text.endsWith(QStringLiteral("확정일자 : 2026년 11월 01일 - 2026년 11월 30일")));
}

void TestDaily::departmentUsageConditions()
{
    Screen<TfrmVCI090> s;
    s.get<QDateEdit>("dtpFSlipDate")->setDate(QDate(2026, 12, 1));
    s.get<QDateEdit>("dtpESlipDate")->setDate(QDate(2026, 12, 31));
    // one department: only its lines, ordered by account
    auto* dept = s.get<QComboBox>("cbxDept");
    const int entry = dept->findText(QStringLiteral("2190:"), Qt::MatchStartsWith);
    QVERIFY(entry > 0);
    dept->setCurrentIndex(entry);
    QCOMPARE(s.departmentCode(), QStringLiteral("2190"));
    s.click("bbtSearch");
    RecordSet* rows = s.result();
    QCOMPARE(rows->recordCount(), 3);  // the line, its group, the total
    QCOMPARE(rows->fieldAsString(0, QStringLiteral("MG_DETAIL")), QStringLiteral("2190"));
    QCOMPARE(rows->value(2, QStringLiteral("D_AMOUNT")).toLongLong(), 124300);
    // the from-account cleared searches from 9000000: nothing below 7999999
    dept->setCurrentIndex(0);
    s.get("edtFAcctCd")->clear();
    QCOMPARE(s.fromAccount(), QStringLiteral("9000000"));
    s.click("bbtSearch");
    QCOMPARE(rows->recordCount(), 1);
    QVERIFY(rows->isNull(QStringLiteral("D_AMOUNT")));
}

void TestDaily::lineWithTwoDepartmentItemsCountsOnce()
{
    Screen<TfrmVCI090> s;
    s.get<QDateEdit>("dtpFSlipDate")->setDate(kTestDay);
    s.get<QDateEdit>("dtpESlipDate")->setDate(kTestDay);
    s.click("bbtSearch");
    RecordSet* rows = s.result();
    QCOMPARE(rows->fieldAsString(rows->recordCount() - 1, QStringLiteral("REF_DATA")), QStringLiteral("[합   계]"));
    QCOMPARE(rows->value(rows->recordCount() - 1, QStringLiteral("D_AMOUNT")).toLongLong(), 500000);
}

void TestDaily::customerLedger()
{
    // a second customer with the same registration number names nobody twice
    const QString ownNumber = Db::scalar(QStringLiteral("SELECT c_num FROM va050ms WHERE c_code = '0100000017'")).toString();
    m_db->ownerExec(QStringLiteral("UPDATE va050ms SET c_num = (SELECT c_num FROM va050ms WHERE c_code = '0100000016') "
                                   "WHERE c_code = '0100000017'"));
    Screen<TfrmVCI095> s;
    s.get<QDateEdit>("dtpFSlipDate")->setDate(QDate(2026, 11, 1));
    s.get<QDateEdit>("dtpESlipDate")->setDate(QDate(2026, 11, 30));
    s.click("bbtSearch");
    RecordSet* rows = s.resultSet();
    const QString lines = QStringLiteral("FROM vb011ms l WHERE l.conf_date BETWEEN '2026-11-01' AND '2026-11-30' AND EXISTS "
                                         "(SELECT 1 FROM vb011dt i WHERE i.slip_no = l.slip_no AND i.slip_seq_no = l.slip_seq_no "
                                         "AND i.mg_code = '154')");
    int lineRows = 0;
    for (int row = 0; row < rows->recordCount(); ++row)
        lineRows += rows->fieldAsString(row, QStringLiteral("SLIP_NO")).isEmpty() ? 0 : 1;
    QCOMPARE(lineRows, int(number(QStringLiteral("SELECT count(*) ") + lines)));
    const int total = rows->recordCount() - 1;
    QCOMPARE(rows->fieldAsString(total, QStringLiteral("ACCT_NAME")), QStringLiteral("[ 합 계 ]"));
    QCOMPARE(rows->value(total, QStringLiteral("C_AMOUNT")).toLongLong(), number(QStringLiteral("SELECT sum(c_amount) ") + lines));
    QVERIFY(rows->findRow(QStringLiteral("ACCT_NAME"), {QStringLiteral("[계정 소계]")}) >= 0);
    // one customer by the start of its registration number
    const QString cnum = Db::scalar(QStringLiteral("SELECT c_num FROM va050ms WHERE c_code = '0100000018'")).toString();
    s.get("edtUpperCode")->setText(cnum.left(6));
    s.click("bbtSearch");
    for (int row = 0; row < rows->recordCount(); ++row)
        if (!rows->fieldAsString(row, QStringLiteral("SLIP_NO")).isEmpty())
            QVERIFY(rows->fieldAsString(row, QStringLiteral("MG_DETAIL_NAME")).startsWith(cnum.left(6)));
    // nothing matched: the total alone, with empty sums
    s.get("edtUpperCode")->setText(QStringLiteral("000-00-0000x"));
    s.click("bbtSearch");
    QCOMPARE(rows->recordCount(), 1);
    QCOMPARE(rows->fieldAsString(0, QStringLiteral("ACCT_NAME")), QStringLiteral("[ 합 계 ]"));
    TestDb::ownerExec(QStringLiteral("UPDATE va050ms SET c_num = :P0 WHERE c_code = '0100000017'"), {ownNumber});
}

// One row per receipt of the period with what the reservation system
// applied (0 when nothing), and the report of the same period beside it.
void TestDaily::receiptsOnAccount()
{
    Screen<TfrmVCI100> s;
    s.get<QDateEdit>("dtpFSlipDate")->setDate(QDate(2026, 11, 1));
    s.get<QDateEdit>("dtpESlipDate")->setDate(QDate(2026, 11, 30));
    s.click("bbtSearch");
    RecordSet* rows = s.resultSet();
    QCOMPARE(rows->recordCount(),
             int(number(QStringLiteral("SELECT count(*) FROM vb011ms WHERE acct_code = '2110470' AND c_amount > 0 "
                                       "AND conf_date BETWEEN '2026-11-01' AND '2026-11-30'"))));
    bool unapplied = false, applied = false;
    for (int row = 0; row < rows->recordCount(); ++row) {
        const qint64 expected = number(QStringLiteral("SELECT coalesce(sum(receipts_amt), 0) FROM ab010ms "
                                                      "WHERE receipts_remark = :P0 || lpad(:P1, 2, '0')"),
                                       {rows->fieldAsString(row, QStringLiteral("SLIP_NO")),
                                        rows->fieldAsString(row, QStringLiteral("SLIP_SEQ_NO"))});
        QCOMPARE(rows->value(row, QStringLiteral("APPLY_AMT")).toLongLong(), expected);
        unapplied |= expected == 0;
        applied |= expected > 0;
        if (row > 0)
            QVERIFY(rows->fieldAsString(row - 1, QStringLiteral("IPGUM_DATE")) <= rows->fieldAsString(row, QStringLiteral("IPGUM_DATE")));
    }
    QVERIFY(applied && unapplied);
    QCOMPARE(rows->displayText(0, QStringLiteral("IPGUM_WAY")), QStringLiteral("보통예금"));
    ReportViewer* viewer = s.reportViewer();
    QVERIFY(viewer->pageCount() >= 1);
    QVERIFY(viewer->pageModel().pages.first().texts(QStringLiteral("qrlSLIP_NO")).contains(rows->fieldAsString(0, QStringLiteral("SLIP_NO"))));
    QVERIFY(ReportRegistry::instance().contains(QStringLiteral("2110470.mrd")));
    // the client reads the receipts and writes none
    QVERIFY_THROWS_EXCEPTION(std::exception, ExecSql(QStringLiteral("DELETE FROM ab010ms")));
}

// A customer-ledger line opens its slip in slip entry; the confirmation
// screen's hand-off opens the adjustment on the slip.
void TestDaily::handOffs()
{
    const QString emp = Session::empNo;
    Session::empNo = QStringLiteral("1001");
    {
        TfrmV0Main main;
        main.resize(1024, 768);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.clickProgramItems(QStringLiteral("VCI095"));
        auto* ledger = qobject_cast<TfrmVCI095*>(main.screenOf(QStringLiteral("VCI095")));
        QVERIFY(ledger);
        ledger->findChild<QDateEdit*>(QStringLiteral("dtpFSlipDate"))->setDate(QDate(2026, 11, 1));
        ledger->findChild<QDateEdit*>(QStringLiteral("dtpESlipDate"))->setDate(QDate(2026, 11, 30));
        ledger->findChild<QPushButton*>(QStringLiteral("bbtSearch"))->click();
        RecordSet* rows = ledger->resultSet();
        const int subtotal = rows->findRow(QStringLiteral("ACCT_NAME"), {QStringLiteral("[계정 소계]")});
        emit ledger->resultGrid()->recordDoubleClicked(subtotal);
        QVERIFY(!main.screenOf(QStringLiteral("VBI020")));
        emit ledger->resultGrid()->recordDoubleClicked(0);
        QVERIFY(main.screenOf(QStringLiteral("VBI020")));
        QVERIFY(HandOver::HandSlipNo.isEmpty());

        OpenSlipInProgram(QStringLiteral("VCI120"), kTestSlip, kTestDay, QStringLiteral("경리팀"), QStringLiteral("1111"));
        auto* adjust = qobject_cast<TfrmVCI120*>(main.screenOf(QStringLiteral("VCI120")));
        QVERIFY(adjust);
        QCOMPARE(adjust->rows()->recordCount(), 2);
        QCOMPARE(adjust->rows()->fieldAsString(0, QStringLiteral("SLIP_NO")), kTestSlip);
        QCOMPARE(adjust->findChild<QLineEdit*>(QStringLiteral("Edit_SBill_No"))->text(), kTestSlip);
    }
    Session::empNo = emp;
}

// --- operating income/expense adjustment ---------------------------------------------------

void TestDaily::adjustmentSearch_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<bool>("confirmation");
    QTest::addColumn<bool>("classified");
    QTest::addColumn<QString>("expected");
    QTest::newRow("month ignores the dates") << "202611" << false << false
                                             << "SELECT count(*) FROM vz100ms WHERE apply_ym LIKE '%202611%'";
    QTest::newRow("writing dates") << "" << false << false
                                   << "SELECT count(*) FROM vz100ms WHERE sli_date BETWEEN '2026-12-01' AND '2026-12-10'";
    QTest::newRow("confirmation dates, classified")
        << "" << true << true
        << "SELECT count(*) FROM vz100ms WHERE slip_date BETWEEN '2026-12-01' AND '2026-12-10' AND bu_acct_code IS NOT NULL";
}

void TestDaily::adjustmentSearch()
{
    QFETCH(QString, month);
    QFETCH(bool, confirmation);
    QFETCH(bool, classified);
    QFETCH(QString, expected);
    Screen<TfrmVCI120> s;
    s.get<QDateEdit>("dtpFDate")->setDate(QDate(2026, 12, 1));
    s.get<QDateEdit>("dtpEDate")->setDate(QDate(2026, 12, 10));
    s.get("Edit_Apply_Ym")->setText(month);
    s.get<QRadioButton>(confirmation ? "rbConfDate" : "rbWriteDate")->setChecked(true);
    s.get<QCheckBox>("CheckBox1")->setChecked(classified);
    s.click("bbtSearch");
    QVERIFY(s.RecordCount > 0);
    QCOMPARE(s.RecordCount, int(number(expected)));
    qint64 total = 0;
    for (int row = 0; row < s.rows()->recordCount(); ++row)
        total += s.rows()->value(row, QStringLiteral("TOT_AMT")).toLongLong();
    QCOMPARE(amountOf(s.totalText()), total);
    // the base data of the spreadsheet has the same rows
    QSqlQuery base = Db::run(s.baseDataSql(), s.searchParams());
    int baseRows = 0;
    while (base.next())
        ++baseRows;
    QCOMPARE(baseRows, s.RecordCount);
}

void TestDaily::adjustOneLine()
{
    Screen<TfrmVCI120> s;
    s.get("Edit_SBill_No")->setText(kTestSlip.toLower());
    QCOMPARE(s.get("Edit_SBill_No")->text(), kTestSlip.toLower());  // typed text only is folded
    s.get("Edit_SBill_No")->setText(kTestSlip);
    s.get<QDateEdit>("dtpFDate")->setDate(kTestDay);
    s.get<QDateEdit>("dtpEDate")->setDate(kTestDay);
    s.click("bbtSearch");
    QCOMPARE(s.RecordCount, 2);
    s.click("bbtEdit");
    s.get("edtVatAmt")->setText(QStringLiteral("12,345"));
    s.get("edtBuAcctCode")->setText(QStringLiteral("100001"));
    s.get("edtApplyYm")->setText(QStringLiteral("202612"));
    s.get("edtAcctRem")->setText(QString());
    s.get("edtAdjAmt")->setText(QStringLiteral("-5,000"));
    s.get<QCheckBox>("chkExceptYn")->setChecked(true);
    s.click("bbtSave");
    QCOMPARE(s.state(), int(MaintenanceCore::stBrowse));
    QSqlQuery q = Db::run(QStringLiteral("SELECT vat_amt, bu_acct_code, apply_ym, acct_rem IS NULL, adj_amt, except_yn, dr_amt, "
                                         "u_emp_no FROM vz100ms WHERE slip_no = :P0 AND slip_seq = 0"),
                          {kTestSlip});
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toLongLong(), 12345);
    QCOMPARE(q.value(1).toString(), QStringLiteral("100001"));
    QCOMPARE(q.value(2).toString(), QStringLiteral("202612"));
    QVERIFY(q.value(3).toBool());  // empty text is no text
    QCOMPARE(q.value(4).toLongLong(), -5000);
    QCOMPARE(q.value(5).toString(), QStringLiteral("Y"));
    QCOMPARE(q.value(6).toLongLong(), 300000);
    QCOMPARE(q.value(7).toString(), Session::empNo);
    QCOMPARE(amountOf(s.totalText()), 300000 + 12345 - 5000 + 200000);
    // refused input: nothing saved, still editing
    s.click("bbtEdit");
    s.get("edtApplyYm")->setText(QStringLiteral("202613"));
    s.click("bbtSave");
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("적용월을 바르게 입력하세요.(YYYYMM)"));
    QCOMPARE(s.state(), int(MaintenanceCore::stEdit));
    s.get("edtApplyYm")->setText(QStringLiteral("202612"));
    s.get("edtVatAmt")->setText(QStringLiteral("12.5"));
    s.click("bbtSave");
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("금액을 바르게 입력하세요.!"));
    s.click("bbtCancel");
    QCOMPARE(s.get("edtVatAmt")->text(), QStringLiteral("12,345"));
}

// Applied to the whole slip: month, flag, remark, confirmed amount and paid
// flag on every line; VAT, amounts, operating account and cost class stay.
void TestDaily::wholeSlipChangesOnlyItsFields()
{
    const QString before = Db::scalar(QStringLiteral("SELECT string_agg(concat_ws(',', vat_amt, dr_amt, cr_amt, adj_amt, bu_acct_code, "
                                                     "gubun_code, by_code, re_yn), ';' ORDER BY slip_seq) FROM vz100ms "
                                                     "WHERE slip_no = :P0"),
                                       {kTestSlip})
                               .toString();
    Screen<TfrmVCI120> s;
    s.get("Edit_SBill_No")->setText(kTestSlip);
    s.get<QDateEdit>("dtpFDate")->setDate(kTestDay);
    s.get<QDateEdit>("dtpEDate")->setDate(kTestDay);
    s.click("bbtSearch");
    s.click("bbtEdit");
    s.get<QCheckBox>("CheckBox2")->setChecked(true);
    s.get("edtApplyYm")->setText(QStringLiteral("202701"));
    s.get("edtAcctRem")->setText(QStringLiteral("연말 정산분"));
    s.get("edtAcctAmt")->setText(QStringLiteral("480,000"));
    s.get<QCheckBox>("chkGiveYn")->setChecked(true);
    s.get<QCheckBox>("chkExceptYn")->setChecked(true);
    s.get("edtVatAmt")->setText(QStringLiteral("999"));
    s.click("bbtSave");
    QVERIFY(!s.get<QCheckBox>("CheckBox2")->isChecked());
    QCOMPARE(Db::scalar(QStringLiteral("SELECT string_agg(concat_ws(',', apply_ym, except_yn, acct_rem, acct_amt, give_yn), ';' "
                                       "ORDER BY slip_seq) FROM vz100ms WHERE slip_no = :P0"),
                        {kTestSlip})
                 .toString(),
             QStringLiteral("202701,Y,연말 정산분,480000,Y;202701,Y,연말 정산분,480000,Y"));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT string_agg(concat_ws(',', vat_amt, dr_amt, cr_amt, adj_amt, bu_acct_code, "
                                       "gubun_code, by_code, re_yn), ';' ORDER BY slip_seq) FROM vz100ms WHERE slip_no = :P0"),
                        {kTestSlip})
                 .toString(),
             before);
}

// Ticking the refund flag shows the line's credit as a negative supply
// amount; saving again changes nothing; unticking brings the line back.
void TestDaily::refundConversionFollowsTheFlag()
{
    const QString slip = Db::scalar(QStringLiteral("SELECT min(z.slip_no) FROM vz100ms z WHERE z.acct_code = '5120110' "
                                                   "AND z.slip_date = :P0"),
                                    {dayText(kBusyDay)})
                             .toString();
    QVERIFY(!slip.isEmpty());
    const qint64 credit = number(QStringLiteral("SELECT c_amount FROM vb011ms WHERE slip_no = :P0 AND acct_code = '5120110'"), {slip});
    const QString amounts = QStringLiteral("SELECT dr_amt || '/' || cr_amt || '/' || re_yn FROM vz100ms WHERE slip_no = :P0");
    Screen<TfrmVCI120> s;
    s.get("Edit_SBill_No")->setText(slip);
    s.get<QDateEdit>("dtpFDate")->setDate(kBusyDay);
    s.get<QDateEdit>("dtpEDate")->setDate(kBusyDay);
    s.click("bbtSearch");
    QCOMPARE(s.RecordCount, 1);
    for (const bool refund : {true, true, false}) {
        s.click("bbtEdit");
        s.get<QCheckBox>("chkReYn")->setChecked(refund);
        s.click("bbtSave");
        QCOMPARE(Db::scalar(amounts, {slip}).toString(),
                 refund ? QStringLiteral("%1/0/Y").arg(-credit) : QStringLiteral("0/%1/N").arg(credit));
    }
}

void TestDaily::costClassCode()
{
    Screen<TfrmVCI120> s;
    s.get("Edit_SBill_No")->setText(kTestSlip);
    s.get<QDateEdit>("dtpFDate")->setDate(kTestDay);
    s.get<QDateEdit>("dtpEDate")->setDate(kTestDay);
    s.click("bbtSearch");
    s.rows()->moveTo(1);  // the line without an operating account
    s.click("bbtEdit");
    auto* gubun = s.get<QComboBox>("cbxGubunCode");
    s.get("edtByCode")->setText(QStringLiteral("XX"));
    gubun->setCurrentIndex(1);
    emit gubun->activated(1);
    QCOMPARE(s.get("edtByCode")->text(), QStringLiteral("XX"));
    s.get("edtBuAcctCode")->setText(QStringLiteral("100007"));
    gubun->setCurrentIndex(2);
    emit gubun->activated(2);
    QCOMPARE(s.get("edtByCode")->text(),
             Db::scalar(QStringLiteral("SELECT n_by_code FROM vx010ms WHERE bu_acct_code = '100007'")).toString());
    s.click("bbtCancel");
}

// Cancelling a confirmation and confirming the slip again keeps what was
// adjusted by hand.
void TestDaily::reconfirmationKeepsTheAdjustment()
{
    const QString row = QStringLiteral("SELECT concat_ws(',', vat_amt, bu_acct_code, adj_amt, except_yn, gubun_code, re_yn, dr_amt) "
                                       "FROM vz100ms WHERE slip_no = :P0 AND slip_seq = 0");
    m_db->ownerExec(QStringLiteral("UPDATE vz100ms SET vat_amt = 777, bu_acct_code = '100002', adj_amt = 10, except_yn = 'Y', "
                                   "gubun_code = '판관비' WHERE slip_no = 'K2699001' AND slip_seq = 0"));
    const QString adjusted = Db::scalar(row, {kTestSlip}).toString();
    QCOMPARE(journalize(QStringLiteral("2"), kTestSlip, dayText(kTestDay)).left(1), QStringLiteral("T"));
    QCOMPARE(number(QStringLiteral("SELECT count(*) FROM vz100ms WHERE slip_no = :P0"), {kTestSlip}), 0);
    QCOMPARE(journalize(QStringLiteral("1"), kTestSlip, dayText(kTestDay)).left(1), QStringLiteral("T"));
    QCOMPARE(Db::scalar(row, {kTestSlip}).toString(), adjusted);
    QCOMPARE(number(QStringLiteral("SELECT count(*) FROM vz100ms WHERE slip_no = :P0"), {kTestSlip}), 2);
    QCOMPARE(number(QStringLiteral("SELECT count(*) FROM pk_v_post.check_books()")), 0);
}

// The database keeps a row to its line, whoever writes.
void TestDaily::lineFiguresCannotChange()
{
    for (const QString& sql : {QStringLiteral("UPDATE vz100ms SET acct_code = '7530510' WHERE slip_no = 'K2699001' AND slip_seq = 0"),
                               QStringLiteral("UPDATE vz100ms SET apply_ym = '2026-1' WHERE slip_no = 'K2699001'"),
                               QStringLiteral("UPDATE vz100ms SET bu_acct_code = '999999' WHERE slip_no = 'K2699001'"),
                               QStringLiteral("INSERT INTO vz100ms (slip_no, slip_seq) VALUES ('K2699001', 9)")}) {
        SharedTransaction& tx = SharedTransaction::instance();
        tx.start();
        QVERIFY_THROWS_EXCEPTION(std::exception, ExecSql(sql));
        tx.rollback();
    }
    // the amounts follow the line whatever is written
    ExecSql(QStringLiteral("UPDATE vz100ms SET dr_amt = 1, cr_amt = 2 WHERE slip_no = 'K2699001' AND slip_seq = 1"));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT dr_amt || '/' || cr_amt FROM vz100ms WHERE slip_no = 'K2699001' AND slip_seq = 1"))
                 .toString(),
             QStringLiteral("200000/0"));
}

TV_TEST_MAIN(TestDaily)
#include "tst_daily.moc"
