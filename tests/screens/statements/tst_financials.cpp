// The income statement (VDI020 with its printed form behind the report
// viewer) and the balance sheet (VDI030 with VDI031) on the demo books of
// two terms: the net income agrees between the two statements and with the
// confirmed lines, the sheet balances now and at the previous term's end,
// groups follow the account tree, contra accounts show gross and net, and
// the printed forms name the month searched.
#include "common/Db.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/print/PreviewWindow.h"
#include "framework/print/ReportViewer.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/statements/VDI020.h"
#include "screens/statements/VDI021.h"
#include "screens/statements/VDI030.h"
#include "screens/statements/VDI031.h"
#include "support/PdfTools.h"
#include "support/ScriptedDialogs.h"
#include "support/Books.h"
#include "support/TestDb.h"
#include "support/ScreenUnderTest.h"
#include "support/TestMain.h"
#include <QDateEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using Books::journalize;

const QString kFinance = QStringLiteral("2003");
const QString kNoTerm = QStringLiteral("회계일자에 등록된 기수가 없습니다.관리자에게 문의하세요.!");

template <typename Base>
class Screen : public ScreenUnderTest<Base> {
public:
    using ScreenUnderTest<Base>::get;
    using ScreenUnderTest<Base>::click;
    void searchMonth(const QString& month)
    {
        this->template get<QDateEdit>("DateTimePicker1")->setDate(QDate::fromString(month + QStringLiteral("15"), QStringLiteral("yyyyMMdd")));
        click("bbtSearch");
    }
};
using IncomeScreen = Screen<TfrmVDI020>;
using SheetScreen = Screen<TfrmVDI030>;

qint64 number(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toLongLong();
}

// A field of the row of an account code; fails the test when there is none.
qint64 amountOf(RecordSet* set, const QString& acct, const QString& field)
{
    const int row = set->findRow(QStringLiteral("ACCT_CODE"), {acct});
    if (row < 0)
        qFatal("no row %s", qPrintable(acct));
    return set->value(row, field).toLongLong();
}

bool hasRow(RecordSet* set, const QString& acct)
{
    return set->findRow(QStringLiteral("ACCT_CODE"), {acct}) >= 0;
}

QDate monthEnd(const QString& month)
{
    const QDate first = QDate::fromString(month + QStringLiteral("01"), QStringLiteral("yyyyMMdd"));
    return QDate(first.year(), first.month(), first.daysInMonth());
}

// The net income from the confirmed lines: credit less debit of classes 4-9
// from the start of the day's term through the day; 0 outside every term.
qint64 netIncomeThrough(const QDate& day)
{
    return number(QStringLiteral("SELECT coalesce(sum(l.c_amount - l.d_amount), 0) FROM vb011ms l, vi010ms t\n"
                                 " WHERE CAST(:P0 AS DATE) BETWEEN t.st_date AND t.ed_date\n"
                                 "   AND l.conf_date BETWEEN t.st_date AND CAST(:P0 AS DATE)\n"
                                 "   AND left(l.acct_code, 1) BETWEEN '4' AND '9'"),
                  {day.toString(Qt::ISODate)});
}

// The end of the previous columns: the end of the term that contained the
// day a year earlier, or that day when none did.
QDate previousEnd(const QString& month)
{
    const QDate earlier = TfrmVDI020::yearEarlier(monthEnd(month));
    const QVariant end = Db::scalar(QStringLiteral("SELECT ed_date FROM vi010ms WHERE CAST(:P0 AS DATE) BETWEEN st_date AND ed_date"),
                                    {earlier.toString(Qt::ISODate)});
    return end.isNull() ? earlier : end.toDate();
}

// debit - credit of the confirmed lines of accounts matching a pattern
// through a day (balances of classes 1-3 carry across terms).
qint64 debitBalance(const QString& pattern, const QDate& day)
{
    return number(QStringLiteral("SELECT coalesce(sum(d_amount - c_amount), 0) FROM vb011ms\n"
                                 " WHERE acct_code SIMILAR TO :P0 AND conf_date <= CAST(:P1 AS DATE)"),
                  {pattern, day.toString(Qt::ISODate)});
}

// The texts of the first page of the preview a print opens.
QStringList previewTexts(ScriptedDialogs& dialogs, const std::function<void()>& print, const QString& element = {})
{
    QStringList texts;
    dialogs.onDialog = [&](QDialog* dialog) {
        if (auto* window = qobject_cast<PreviewWindow*>(dialog); window && window->pane()->pageCount() > 0)
            texts = window->pane()->pageModel().pages.first().texts(element);
        return int(QDialog::Accepted);
    };
    print();
    dialogs.onDialog = nullptr;
    return texts;
}

}  // namespace

class TestFinancials : public QObject {
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

    void netIncomeAgreesAcrossStatements_data();
    void netIncomeAgreesAcrossStatements();
    void incomeStatementSectionsAddUp();
    void balanceSheetBalances_data();
    void balanceSheetBalances();
    void groupsFollowTheAccountTree();
    void contraAccountsShowGrossAndNet();
    void linesListedOnlyWithAFigure();
    void noTermAYearEarlier();
    void comparisonDayClamped_data();
    void comparisonDayClamped();
    void incomeStatementReportPrintsAndSaves();
    void balanceSheetPrintNamesTheMonthSearched();
    void refusedRunLeavesTheEarlierRows();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
};

void TestFinancials::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Session::empNo = kFinance;
    Session::workstationIp = QStringLiteral("10.7.7.7");
    // An account whose code cuts to a group of another level (1100500 under
    // 1100000 directly), and treasury stock kept on the debit side in
    // equity: both must still leave the sheet balanced.
    m_db->ownerExec(QStringLiteral(
        "INSERT INTO va020ms (acct_code, p_acct_code, acc_level, acct_name, acct_sname, acct_pname, slip_yn, dc_div, "
        "bal_yn, use_yn) VALUES "
        "('1100500', '1100000', '3', '기타유동자산', '기타유동자산', '기타유동자산', 'N', 'D', 'Y', 'Y'), "
        "('1100510', '1100500', '4', '시험유동자산', '시험유동자산', '시험유동자산', 'Y', 'D', 'Y', 'Y')"));
    m_db->ownerExec(QStringLiteral(
        "INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, total_d_amt, total_c_amt, cr_emp_no, "
        "session_id, slip_kind, u_emp_no) VALUES ('TFIN0001', '1111', DATE '2026-11-25', DATE '2026-11-25', "
        "5000000, 5000000, '2001', 27, 'K', '2001')"));
    m_db->ownerExec(QStringLiteral(
        "INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount) VALUES "
        "('TFIN0001', 0, '1100510', '시험 자산', 3000000, 0), ('TFIN0001', 1, '3310100', '자기주식 취득', 2000000, 0), "
        "('TFIN0001', 2, '1110120', '대금 지급', 0, 5000000)"));
    const QString answer = journalize(QStringLiteral("1"), QStringLiteral("TFIN0001"), QStringLiteral("2026-11-25"));
    QVERIFY2(!ProcResult::isFailure(answer), qPrintable(answer));
}

void TestFinancials::netIncomeAgreesAcrossStatements_data()
{
    QTest::addColumn<QString>("month");
    QTest::newRow("current term") << "202611";
    QTest::newRow("mid term") << "202606";
    QTest::newRow("closed term's end") << "202512";
    QTest::newRow("first month, no term before") << "202501";
}

// 9999999 of the income statement, 3799000 of the balance sheet and the
// confirmed lines name the same net income, now and for the comparison.
void TestFinancials::netIncomeAgreesAcrossStatements()
{
    QFETCH(QString, month);
    const qint64 current = netIncomeThrough(monthEnd(month));
    QVERIFY(month == QLatin1String("202501") || current != 0);

    IncomeScreen income;
    income.searchMonth(month);
    RecordSet* statement = income.result();
    QCOMPARE(amountOf(statement, QStringLiteral("9999999"), QStringLiteral("C_AMOUNT")), current);
    QCOMPARE(amountOf(statement, QStringLiteral("9999999"), QStringLiteral("BC_AMOUNT")),
             netIncomeThrough(TfrmVDI020::yearEarlier(monthEnd(month))));
    QCOMPARE(income.RecordCount, statement->recordCount());

    SheetScreen sheet;
    sheet.searchMonth(month);
    RecordSet* balance = sheet.result();
    QCOMPARE(amountOf(balance, QStringLiteral("3799000"), QStringLiteral("C_AMOUNT")), current);
    QCOMPARE(amountOf(balance, QStringLiteral("3799000"), QStringLiteral("BC_AMOUNT")), netIncomeThrough(previousEnd(month)));
    QCOMPARE(balance->fieldAsString(balance->findRow(QStringLiteral("ACCT_CODE"), {QStringLiteral("3799000")}),
                                    QStringLiteral("ACCT_PNAME")),
             QStringLiteral("당기순이익"));
}

// Every account line is its own debits and credits in the reading of its
// section, and the computed lines follow the form.
void TestFinancials::incomeStatementSectionsAddUp()
{
    IncomeScreen income;
    income.searchMonth(QStringLiteral("202611"));
    RecordSet* set = income.result();
    const auto sum = [&](const QString& code) { return amountOf(set, code, QStringLiteral("C_AMOUNT")); };
    QCOMPARE(sum(QStringLiteral("0000030")), sum(QStringLiteral("0000010")) - sum(QStringLiteral("0000020")));
    QCOMPARE(sum(QStringLiteral("0000050")), sum(QStringLiteral("0000030")) - sum(QStringLiteral("0000040")));
    QCOMPARE(sum(QStringLiteral("0000080")),
             sum(QStringLiteral("0000050")) + sum(QStringLiteral("0000060")) - sum(QStringLiteral("0000070")));
    QCOMPARE(sum(QStringLiteral("9999999")), sum(QStringLiteral("0000080")) - sum(QStringLiteral("0000090")));
    // Revenue reads credit - debit, cost of sales debit - credit, month and
    // term to date.
    const auto lines = [](const QString& acct, const QString& from, const QString& to) {
        return number(QStringLiteral("SELECT coalesce(sum(c_amount - d_amount), 0) FROM vb011ms WHERE acct_code = :P0 "
                                     "AND conf_date BETWEEN CAST(:P1 AS DATE) AND CAST(:P2 AS DATE)"),
                      {acct, from, to});
    };
    QCOMPARE(amountOf(set, QStringLiteral("5110110"), QStringLiteral("D_AMOUNT")),
             lines(QStringLiteral("5110110"), QStringLiteral("2026-11-01"), QStringLiteral("2026-11-30")));
    QCOMPARE(amountOf(set, QStringLiteral("7110110"), QStringLiteral("C_AMOUNT")),
             -lines(QStringLiteral("7110110"), QStringLiteral("2026-01-01"), QStringLiteral("2026-11-30")));
    QCOMPARE(amountOf(set, QStringLiteral("7110110"), QStringLiteral("BD_AMOUNT")),
             -lines(QStringLiteral("7110110"), QStringLiteral("2025-11-01"), QStringLiteral("2025-11-30")));
    QCOMPARE(set->fieldAsString(set->findRow(QStringLiteral("ACCT_CODE"), {QStringLiteral("7110110")}),
                                QStringLiteral("ACCT_UPCD")),
             QStringLiteral("7110100"));
    // the form's order: sections in turn, each with its accounts after it
    QVERIFY(set->findRow(QStringLiteral("ACCT_CODE"), {QStringLiteral("0000020")})
            < set->findRow(QStringLiteral("ACCT_CODE"), {QStringLiteral("7110110")}));
    QVERIFY(set->findRow(QStringLiteral("ACCT_CODE"), {QStringLiteral("7110110")})
            < set->findRow(QStringLiteral("ACCT_CODE"), {QStringLiteral("0000030")}));
    QCOMPARE(set->fieldAsString(set->recordCount() - 1, QStringLiteral("ACCT_CODE")), QStringLiteral("9999999"));
}

void TestFinancials::balanceSheetBalances_data()
{
    QTest::addColumn<QString>("month");
    QTest::newRow("current term") << "202611";
    QTest::newRow("first month of the term") << "202601";
    QTest::newRow("closed term's end") << "202512";
    QTest::newRow("closed term") << "202506";
}

// Assets equal liabilities and equity in both columns, and equal the
// confirmed lines of class 1.
void TestFinancials::balanceSheetBalances()
{
    QFETCH(QString, month);
    SheetScreen sheet;
    sheet.searchMonth(month);
    RecordSet* set = sheet.result();
    const QDate end = monthEnd(month);
    const QDate prevEnd = previousEnd(month);
    QCOMPARE(amountOf(set, QStringLiteral("1000000"), QStringLiteral("C_AMOUNT")),
             amountOf(set, QStringLiteral("3900000"), QStringLiteral("C_AMOUNT")));
    QCOMPARE(amountOf(set, QStringLiteral("1000000"), QStringLiteral("BC_AMOUNT")),
             amountOf(set, QStringLiteral("3900000"), QStringLiteral("BC_AMOUNT")));
    QCOMPARE(amountOf(set, QStringLiteral("1000000"), QStringLiteral("C_AMOUNT")), debitBalance(QStringLiteral("1%"), end));
    QCOMPARE(amountOf(set, QStringLiteral("2000000"), QStringLiteral("C_AMOUNT")), -debitBalance(QStringLiteral("2%"), end));
    if (month != QLatin1String("202506")) {
        QCOMPARE(amountOf(set, QStringLiteral("1000000"), QStringLiteral("BC_AMOUNT")),
                 debitBalance(QStringLiteral("1%"), prevEnd));
    }
    // the difference columns are previous less current
    for (int row = 0; row < set->recordCount(); ++row) {
        QCOMPARE(set->value(row, QStringLiteral("CHA_C")).toLongLong(),
                 set->value(row, QStringLiteral("BC_AMOUNT")).toLongLong() - set->value(row, QStringLiteral("C_AMOUNT")).toLongLong());
    }
}

// A group sums the account lines below it in the chart once, and an
// account kept on the other side of its section is deducted.
void TestFinancials::groupsFollowTheAccountTree()
{
    SheetScreen sheet;
    sheet.searchMonth(QStringLiteral("202611"));
    RecordSet* set = sheet.result();
    const QDate end = monthEnd(QStringLiteral("202611"));
    QCOMPARE(amountOf(set, QStringLiteral("1100500"), QStringLiteral("C_AMOUNT")), qint64(3000000));
    QCOMPARE(amountOf(set, QStringLiteral("1100500"), QStringLiteral("LVL")), qint64(0));
    QCOMPARE(amountOf(set, QStringLiteral("1100000"), QStringLiteral("C_AMOUNT")), debitBalance(QStringLiteral("11%"), end));
    QCOMPARE(amountOf(set, QStringLiteral("1110000"), QStringLiteral("C_AMOUNT")), debitBalance(QStringLiteral("111%"), end));
    QCOMPARE(amountOf(set, QStringLiteral("3300000"), QStringLiteral("C_AMOUNT")), qint64(-2000000));
    // equity: its own lines and every term's net income, carried forward
    QCOMPARE(amountOf(set, QStringLiteral("3000000"), QStringLiteral("C_AMOUNT")),
             -debitBalance(QStringLiteral("[3-9]%"), end));
    QCOMPARE(amountOf(set, QStringLiteral("3900000"), QStringLiteral("C_AMOUNT")),
             amountOf(set, QStringLiteral("2000000"), QStringLiteral("C_AMOUNT"))
                 + amountOf(set, QStringLiteral("3000000"), QStringLiteral("C_AMOUNT")));
    // every group line is an account of the chart, above its accounts
    for (int row = 0; row < set->recordCount(); ++row) {
        if (set->value(row, QStringLiteral("LVL")).toInt() != 1)
            continue;
        QCOMPARE(number(QStringLiteral("SELECT count(*) FROM va020ms WHERE acct_code = :P0"),
                        {set->fieldAsString(row, QStringLiteral("ACCT_CODE"))}),
                 qint64(1));
    }
}

// A stem with a contra account: the gross inside on the "00" line, the net
// outside on the "95" line; the buildings' net on 1330495 (current) and
// 1330496 (previous).
void TestFinancials::contraAccountsShowGrossAndNet()
{
    SheetScreen sheet;
    sheet.searchMonth(QStringLiteral("202611"));
    RecordSet* set = sheet.result();
    const QDate end = monthEnd(QStringLiteral("202611"));
    const qint64 gross = debitBalance(QStringLiteral("13307(0|1|2|3|4|5|6|7|8)_"), end);
    const qint64 contra = -debitBalance(QStringLiteral("1330795"), end);
    QVERIFY(gross > 0 && contra > 0);
    QCOMPARE(amountOf(set, QStringLiteral("1330700"), QStringLiteral("D_AMOUNT")), gross);
    QCOMPARE(amountOf(set, QStringLiteral("1330700"), QStringLiteral("C_AMOUNT")), qint64(0));
    QCOMPARE(amountOf(set, QStringLiteral("1330795"), QStringLiteral("D_AMOUNT")), contra);
    QCOMPARE(amountOf(set, QStringLiteral("1330795"), QStringLiteral("C_AMOUNT")), gross - contra);

    const qint64 building = debitBalance(QStringLiteral("1330400"), end);
    const qint64 net = debitBalance(QStringLiteral("13304__"), end);
    QCOMPARE(amountOf(set, QStringLiteral("1330400"), QStringLiteral("D_AMOUNT")), building);
    QCOMPARE(amountOf(set, QStringLiteral("1330495"), QStringLiteral("D_AMOUNT")), -debitBalance(QStringLiteral("1330495"), end));
    QCOMPARE(amountOf(set, QStringLiteral("1330495"), QStringLiteral("C_AMOUNT")), net);
    QCOMPARE(amountOf(set, QStringLiteral("1330496"), QStringLiteral("C_AMOUNT")), qint64(0));
    QCOMPARE(amountOf(set, QStringLiteral("1330496"), QStringLiteral("BC_AMOUNT")),
             debitBalance(QStringLiteral("13304__"), previousEnd(QStringLiteral("202611"))));
    // no own balance: empty, not zero
    QVERIFY(set->value(set->findRow(QStringLiteral("ACCT_CODE"), {QStringLiteral("1330450")}), QStringLiteral("D_AMOUNT")).isNull());
}

void TestFinancials::linesListedOnlyWithAFigure()
{
    SheetScreen sheet;
    sheet.searchMonth(QStringLiteral("202611"));
    RecordSet* set = sheet.result();
    for (int row = 0; row < set->recordCount(); ++row) {
        if (set->value(row, QStringLiteral("LVL")).toInt() != 0)
            continue;
        const QString code = set->fieldAsString(row, QStringLiteral("ACCT_CODE"));
        if (code.startsWith(QLatin1String("13304")) || code == QLatin1String("3799000"))
            continue;
        bool any = false;
        for (const char* field : {"D_AMOUNT", "C_AMOUNT", "BD_AMOUNT", "BC_AMOUNT"})
            any = any || set->value(row, QLatin1String(field)).toLongLong() != 0;
        QVERIFY2(any, qPrintable(code));
    }
    // accounts of the chart without any line are not listed
    QVERIFY(!hasRow(set, QStringLiteral("1320200")));
    QVERIFY(!hasRow(set, QStringLiteral("2230200")));
    // numbers show "#,###": zero shows empty
    const int row = set->findRow(QStringLiteral("ACCT_CODE"), {QStringLiteral("1330700")});
    QCOMPARE(set->displayText(row, QStringLiteral("C_AMOUNT")), QString());
}

// No term contains January 2024: the comparison of January 2025 uses that
// month itself, which has no figures, and the print names no previous term.
void TestFinancials::noTermAYearEarlier()
{
    IncomeScreen income;
    income.searchMonth(QStringLiteral("202501"));
    RecordSet* statement = income.result();
    QVERIFY(statement->recordCount() > 10);
    for (int row = 0; row < statement->recordCount(); ++row) {
        QCOMPARE(statement->value(row, QStringLiteral("BD_AMOUNT")).toLongLong(), qint64(0));
        QCOMPARE(statement->value(row, QStringLiteral("BC_AMOUNT")).toLongLong(), qint64(0));
    }
    QVERIFY(income.reportArguments().contains(QStringLiteral("[2024년 01월 31일까지]")));

    SheetScreen sheet;
    sheet.searchMonth(QStringLiteral("202501"));
    RecordSet* balance = sheet.result();
    QVERIFY(amountOf(balance, QStringLiteral("1000000"), QStringLiteral("C_AMOUNT")) > 0);
    for (int row = 0; row < balance->recordCount(); ++row) {
        QCOMPARE(balance->value(row, QStringLiteral("BD_AMOUNT")).toLongLong(), qint64(0));
        QCOMPARE(balance->value(row, QStringLiteral("BC_AMOUNT")).toLongLong(), qint64(0));
    }
    const QStringList texts = previewTexts(*m_dialogs, [&] { sheet.click("bbtPreview"); });
    QVERIFY2(texts.contains(QStringLiteral("제 26 기 2025년 01월 31일 현재")), qPrintable(texts.join(u'|')));
    QVERIFY(texts.contains(QStringLiteral("제  기  현재")));
    QVERIFY(texts.contains(QStringLiteral("제 (전)기")));
}

void TestFinancials::comparisonDayClamped_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QDate>("earlier");
    QTest::newRow("leap day") << QDate(2024, 2, 29) << QDate(2023, 2, 28);
    QTest::newRow("to a leap year") << QDate(2025, 2, 28) << QDate(2024, 2, 28);
    QTest::newRow("month end") << QDate(2026, 11, 30) << QDate(2025, 11, 30);
}

void TestFinancials::comparisonDayClamped()
{
    QFETCH(QDate, day);
    QFETCH(QDate, earlier);
    QCOMPARE(TfrmVDI020::yearEarlier(day), earlier);
}

// The search lays the printed form out in the viewer; it prints there and
// saves as PDF, the statement as searched.
void TestFinancials::incomeStatementReportPrintsAndSaves()
{
    IncomeScreen income;
    for (const char* hidden : {"bbtPrint", "bbtPreview", "bbtExcel", "bbtAdd", "bbtSave"})
        QVERIFY(income.get<QPushButton>(hidden)->isHidden());
    QVERIFY(!income.get<QPushButton>("bbtPdf")->isEnabled());
    income.searchMonth(QStringLiteral("202611"));
    QCOMPARE(income.reportArguments(), QStringLiteral("/rp [10.7.7.7] [2026년 11월 30일까지] [2025년 11월 30일까지]  "));
    ReportViewer* viewer = income.reportViewer();
    QVERIFY(viewer->pageCount() >= 1);
    const PrintPage& page = viewer->pageModel().pages.first();
    QCOMPARE(page.texts(QStringLiteral("qrlTitle")), QStringList{QStringLiteral("손  익  계  산  서")});
    QCOMPARE(page.texts(QStringLiteral("qrlCurrentPeriod")), QStringList{QStringLiteral("당기 : 2026년 11월 30일까지")});
    QCOMPARE(page.texts(QStringLiteral("qrlComparisonPeriod")), QStringList{QStringLiteral("전기 : 2025년 11월 30일까지")});
    QCOMPARE(page.texts(QStringLiteral("qrlProgramID")), QStringList{QStringLiteral("ProgramID:frmVDI021")});
    QVERIFY(m_dialogs->shown.isEmpty());

    const qint64 net = amountOf(income.result(), QStringLiteral("9999999"), QStringLiteral("C_AMOUNT"));
    const QString netText = QLocale(QLocale::English).toString(net);
    QStringList names;
    for (int p = 0; p < viewer->pageCount(); ++p)
        names += viewer->pageModel().pages.at(p).texts(QStringLiteral("qrlC_AMOUNT"));
    QVERIFY2(names.contains(netText), qPrintable(netText));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("pl.pdf"));
    m_dialogs->fileNames << pdf;
    // another month chosen but not searched: the PDF is what was searched
    income.get<QDateEdit>("DateTimePicker1")->setDate(QDate(2025, 3, 1));
    income.click("bbtPdf");
    const QString text = PdfTools::pdfPageTexts(pdf).join(u'\n');
    QVERIFY2(text.contains(QStringLiteral("2026년 11월 30일까지")), qPrintable(text.left(400)));
    QVERIFY(text.contains(QStringLiteral("당기순이익")));
    QVERIFY(text.contains(netText));

    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    m_dialogs->printFile = printed;
    viewer->printButton()->click();
    QCOMPARE(PdfTools::pdfPageCount(printed), viewer->pageCount());

    // The report opened through the registry alone reads the same rows.
    QCOMPARE(OpenReport(ReportServer::location(QStringLiteral("pl.MRD")), income.reportArguments()), int(rsOk));
}

// The headings name the terms of the month searched, not the month the
// field shows by then; a month without a term is not printed.
void TestFinancials::balanceSheetPrintNamesTheMonthSearched()
{
    SheetScreen sheet;
    sheet.searchMonth(QStringLiteral("202611"));
    sheet.get<QDateEdit>("DateTimePicker1")->setDate(QDate(2025, 3, 1));
    QStringList texts = previewTexts(*m_dialogs, [&] { sheet.click("bbtPreview"); });
    QVERIFY(texts.contains(QStringLiteral("대  차  대  조  표")));
    QVERIFY(texts.contains(QStringLiteral("제 27 기 2026년 11월 30일 현재")));
    QVERIFY(texts.contains(QStringLiteral("제 26 기 2025년 12월 31일 현재")));
    QVERIFY(texts.contains(QStringLiteral("제 27(당)기")));
    QVERIFY(texts.contains(QStringLiteral("제 26(전)기")));
    QVERIFY(texts.contains(QStringLiteral("ProgramID:frmVDI031")));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bs.pdf"));
    m_dialogs->fileNames << pdf;
    sheet.click("bbtPdf");
    const QString text = PdfTools::pdfPageTexts(pdf).join(u'\n');
    QVERIFY2(text.contains(QStringLiteral("부채와자본총계")), qPrintable(text.left(400)));
    QVERIFY(text.contains(QLocale(QLocale::English).toString(
        amountOf(sheet.result(), QStringLiteral("1000000"), QStringLiteral("C_AMOUNT")))));

    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    m_dialogs->printFile = printed;
    sheet.click("bbtPrint");
    QVERIFY(PdfTools::pdfPageCount(printed) >= 1);

    // a month outside every term can be searched but not printed
    m_dialogs->clear();
    sheet.click("bbtCancel");
    sheet.searchMonth(QStringLiteral("203001"));
    QVERIFY(!hasRow(sheet.result(), QStringLiteral("1000000")));
    const QString refused = dir.filePath(QStringLiteral("refused.pdf"));
    m_dialogs->printFile = refused;
    sheet.click("bbtPrint");
    QCOMPARE(m_dialogs->texts(), QStringList{kNoTerm});
    QVERIFY(!QFile::exists(refused));
}

// A refused run changes nothing: the rows of the last run stay whole, and
// the client cannot write the result tables itself.
void TestFinancials::refusedRunLeavesTheEarlierRows()
{
    SheetScreen sheet;
    sheet.searchMonth(QStringLiteral("202611"));
    const qint64 rows = number(QStringLiteral("SELECT count(*) FROM vd031_rpt WHERE u_emp_no = :P0"), {kFinance});
    QVERIFY(rows > 20);
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    const QString answer = CallProcText(QStringLiteral("pr_v_vdi030sp"),
                                        {Session::workstationIp, kFinance, QStringLiteral("202613")});
    tx.rollback();
    QVERIFY2(answer.startsWith(QLatin1Char('E')), qPrintable(answer));
    QCOMPARE(number(QStringLiteral("SELECT count(*) FROM vd031_rpt WHERE u_emp_no = :P0"), {kFinance}), rows);

    tx.start();
    QVERIFY_THROWS_EXCEPTION(std::exception, CallProcText(QStringLiteral("pr_v_vdi020sp"),
                                                          {Session::workstationIp, QStringLiteral("9"),
                                                           QStringLiteral("202611"), QStringLiteral("202511")}));
    tx.rollback();
    tx.start();
    QVERIFY_THROWS_EXCEPTION(std::exception, ExecSql(QStringLiteral("DELETE FROM vd020_rpt")));
    tx.rollback();
}

TV_TEST_MAIN(TestFinancials)
#include "tst_financials.moc"
