// Funds: the loan schedule to the last ten-thousandth of a won (the example
// loan, a variable rate, instalment dates, principal changes, interest in
// advance), the savings schedule, the forecast's group sums and balance
// recurrence, and the screens against the database: loans saved, renamed and
// printed, the plan's days of February, the day's actuals and their save,
// the forecast's balances from the ledger kernel, leases and savings.
#include "common/Db.h"
#include "common/Query.h"
#include "common/Transaction.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/funds/FundSchedules.h"
#include "screens/funds/VGI010.h"
#include "screens/funds/VGI020.h"
#include "screens/funds/VGI021.h"
#include "screens/funds/VGI040.h"
#include "screens/funds/VGI056.h"
#include "screens/funds/VGI071.h"
#include "screens/funds/VGI090.h"
#include "screens/funds/VGI095.h"
#include "screens/funds/VGI096.h"
#include "screens/funds/VGI110.h"
#include "shell/ErrorDlg.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QCheckBox>
#include <QDir>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Funds;

namespace {

QDate day(const char* text) { return QDate::fromString(QLatin1String(text), QStringLiteral("yyyy-MM-dd")); }

// The loan of the example: 12,000,000 for a year, 1,000,000 a month on the
// 10th, 6 % in arrears.
LoanTerms exampleLoan()
{
    LoanTerms t;
    t.amount = 12000000;
    t.opening = day("2004-01-10");
    t.maturity = day("2005-01-10");
    t.firstPrincipal = day("2004-02-10");
    t.firstInterest = day("2004-02-10");
    t.payDay = 10;
    t.principalMonths = 1;
    t.interestMonths = 1;
    t.rateE4 = ParseRate(QStringLiteral("6"));
    t.monthlyPrincipal = 1000000;
    t.firstPrincipalAmount = 1000000;
    return t;
}

qint64 totalInterest(const QList<LoanRow>& rows)
{
    qint64 sum = 0;
    for (const LoanRow& r : rows)
        sum += r.interestE4;
    return sum;
}

// rate % x balance x days / 365 / 100 in ten-thousandths, rounded half up.
qint64 expectedInterest(qint64 rateE4, qint64 balance, qint64 days)
{
    const __int128 numerator = __int128(rateE4) * balance * days;
    return qint64((numerator * 2 + 36500) / 73000);
}

QStringList dates(const QList<LoanRow>& rows)
{
    QStringList out;
    for (const LoanRow& r : rows)
        out << r.date.toString(QStringLiteral("yyyy-MM-dd"));
    return out;
}

template <typename Base>
class Screen : public Base {
public:
    Screen()
    {
        this->show();
        this->activateWindow();
        if (!QTest::qWaitForWindowActive(this))
            qFatal("the screen did not become active");
    }
    template <typename T = QLineEdit>
    T* get(const QString& name) const
    {
        T* w = this->template findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    void click(const char* name) { get<QPushButton>(QLatin1String(name))->click(); }
    void type(const char* name, const QString& text) { get(QLatin1String(name))->setText(text); }
    int state() const { return this->State; }
};

QString text(const QString& sql, const QVariantList& params = {}) { return Db::scalar(sql, params).toString(); }

}  // namespace

class TestFunds : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(); }
    void cleanupTestCase() { m_db.reset(); }
    void init()
    {
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_errors.clear();
        m_dialogs->onDialog = [this](QDialog* d) {
            if (auto* error = qobject_cast<TFrmError*>(d))
                m_errors << error->messageText();
            return int(QDialog::Accepted);
        };
    }
    void cleanup()
    {
        m_dialogs.reset();
        QVERIFY(!SharedTransaction::instance().inTransaction());
    }

    // --- computations ---------------------------------------------------------------------
    void loanExample();
    void loanVariableRateFromRowFive();
    void loanInstalmentDates_data();
    void loanInstalmentDates();
    void loanPrincipalBeforeFirstInterest();
    void loanPrincipalChange();
    void loanInterestInAdvance();
    void rates_data();
    void rates();
    void savingsSchedule_data();
    void savingsSchedule();
    void forecastGroupSums();
    void forecastRecurrence();
    void forecastHeadings();

    // --- screens ------------------------------------------------------------------------
    void loanSavedRenamedPrintedDeleted();
    void loanChecks_data();
    void loanChecks();
    void planDaysOfFebruary_data();
    void planDaysOfFebruary();
    void planSaveAndColumns();
    void dayActualsAndSave();
    void forecastBalancesFromTheBooks();
    void leaseCodesAndMonthEnd();
    void savingsRenameMovesSchedule();
    void layoutsPrintTheirTotals();

private:
    void fillExampleLoan(Screen<TfrmVGI020>& s, const QString& loanNo);
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QStringList m_errors;
};

// --- computations -------------------------------------------------------------------------

void TestFunds::loanExample()
{
    const QList<LoanRow> rows = LoanSchedule(exampleLoan());
    QCOMPARE(rows.size(), 12);
    QStringList expected;
    for (int m = 0; m < 11; ++m)
        expected << QDate(2004, 2, 10).addMonths(m).toString(QStringLiteral("yyyy-MM-dd"));
    expected << QStringLiteral("2005-01-10");
    QCOMPARE(dates(rows), expected);
    QCOMPARE(rows.at(0).days, 31);
    QCOMPARE(ScaledText(rows.at(0).interestE4), QStringLiteral("61150.6849"));
    QCOMPARE(rows.at(1).days, 29);
    QCOMPARE(rows.at(1).remaining + rows.at(1).principal, qint64(11000000));
    QCOMPARE(ScaledText(rows.at(1).interestE4), QStringLiteral("52438.3562"));
    QCOMPARE(ScaledText(totalInterest(rows)), QStringLiteral("390246.5753"));
    QCOMPARE(rows.last().remaining, qint64(0));
    QCOMPARE(ScaledText(rows.at(0).paymentE4()), QStringLiteral("1061150.6849"));
    for (const LoanRow& r : rows) {
        QCOMPARE(r.principal, qint64(1000000));
        QVERIFY(r.interestDue);
        QCOMPARE(r.rateE4, qint64(60000));
    }
    // shown and totalled in whole won
    QCOMPARE(RoundWon(rows.at(0).interestE4), qint64(61151));
    QCOMPARE(RoundWon(totalInterest(rows)), qint64(390247));
}

void TestFunds::loanVariableRateFromRowFive()
{
    const LoanTerms terms = exampleLoan();
    QList<LoanRow> rows = LoanSchedule(terms);
    const QList<LoanRow> before = rows;
    const qint64 newRate = ParseRate(QStringLiteral("7.5"));
    RerateFrom(rows, 4, newRate, terms);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(rows.at(i).interestE4, before.at(i).interestE4);
        QCOMPARE(rows.at(i).rateE4, qint64(60000));
    }
    for (int i = 4; i < rows.size(); ++i) {
        QCOMPARE(rows.at(i).rateE4, qint64(75000));
        const qint64 days = rows.at(i - 1).date.daysTo(rows.at(i).date);
        QCOMPARE(rows.at(i).interestE4, expectedInterest(75000, rows.at(i).remaining + rows.at(i).principal, days));
        QCOMPARE(rows.at(i).paymentE4(), rows.at(i).principal * kInterestScale + rows.at(i).interestE4);
    }
    // row 5: 2004-06-10, 31 days from 2004-05-10 on 8,000,000
    QCOMPARE(ScaledText(rows.at(4).interestE4), QStringLiteral("50958.9041"));
    QVERIFY(totalInterest(rows) > totalInterest(before));
}

void TestFunds::loanInstalmentDates_data()
{
    QTest::addColumn<int>("payDay");
    QTest::addColumn<bool>("lastDay");
    QTest::addColumn<qint64>("monthly");
    QTest::addColumn<QStringList>("firstDates");
    QTest::addColumn<int>("rows");
    QTest::addColumn<qint64>("lastPrincipal");
    QTest::newRow("31st in short months")
        << 31 << false << qint64(1000000)
        << QStringList{"2004-02-29", "2004-03-31", "2004-04-30", "2004-05-31", "2004-06-30"} << 12 << qint64(1000000);
    QTest::newRow("last day") << 10 << true << qint64(1000000)
                              << QStringList{"2004-02-29", "2004-03-31", "2004-04-30", "2004-05-31", "2004-06-30"} << 12
                              << qint64(1000000);
    QTest::newRow("principal not dividing the amount")
        << 10 << false << qint64(2500000) << QStringList{"2004-02-10", "2004-03-10", "2004-04-10", "2004-05-10", "2004-06-10"}
        << 5 << qint64(2000000);
}

void TestFunds::loanInstalmentDates()
{
    QFETCH(int, payDay);
    QFETCH(bool, lastDay);
    QFETCH(qint64, monthly);
    QFETCH(QStringList, firstDates);
    QFETCH(int, rows);
    QFETCH(qint64, lastPrincipal);
    LoanTerms t = exampleLoan();
    t.payDay = payDay;
    t.lastDay = lastDay;
    t.monthlyPrincipal = monthly;
    t.firstPrincipalAmount = monthly;
    const QList<LoanRow> schedule = LoanSchedule(t);
    QCOMPARE(dates(schedule).mid(0, 5), firstDates);
    QCOMPARE(schedule.size(), rows);
    QCOMPARE(schedule.last().principal, lastPrincipal);
    QCOMPARE(schedule.last().remaining, qint64(0));
    qint64 repaid = 0;
    for (const LoanRow& r : schedule)
        repaid += r.principal;
    QCOMPARE(repaid, t.amount);
}

// A first principal month before the first interest month is repaid from
// its month on (instead of never).
void TestFunds::loanPrincipalBeforeFirstInterest()
{
    LoanTerms t = exampleLoan();
    t.firstPrincipal = day("2004-02-10");
    t.firstInterest = day("2004-04-10");
    t.interestMonths = 3;
    const QList<LoanRow> rows = LoanSchedule(t);
    QCOMPARE(rows.first().date, day("2004-02-10"));
    QCOMPARE(rows.first().principal, qint64(1000000));
    QVERIFY(!rows.first().interestDue);
    QVERIFY(rows.at(2).interestDue);   // April
    QVERIFY(!rows.at(3).interestDue);
    QVERIFY(rows.at(5).interestDue);   // July
    QCOMPARE(rows.last().remaining, qint64(0));
    // in arrears every row earns interest since the row before
    QCOMPARE(rows.first().interestE4, expectedInterest(60000, 12000000, 31));
}

void TestFunds::loanPrincipalChange()
{
    const LoanTerms terms = exampleLoan();
    // a middle row repays so much that the balance reaches zero there
    QList<LoanRow> rows = LoanSchedule(terms);
    ChangePrincipal(rows, 5, 7000000, terms);
    QCOMPARE(rows.size(), 6);
    QCOMPARE(rows.last().principal, qint64(7000000));
    QCOMPARE(rows.last().remaining, qint64(0));
    QCOMPARE(rows.last().date, terms.maturity);
    // the interest from the changed row on follows its balance and days
    QCOMPARE(rows.last().interestE4, expectedInterest(60000, 7000000, day("2004-06-10").daysTo(terms.maturity)));
    // more than the rest: reduced to the rest
    rows = LoanSchedule(terms);
    ChangePrincipal(rows, 2, 20000000, terms);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.last().principal, qint64(10000000));
    // less: the last row takes the rest
    rows = LoanSchedule(terms);
    ChangePrincipal(rows, 3, 500000, terms);
    QCOMPARE(rows.size(), 12);
    QCOMPARE(rows.at(3).remaining, qint64(8500000));
    QCOMPARE(rows.last().principal, qint64(1500000));
    QCOMPARE(rows.last().remaining, qint64(0));
    QCOMPARE(rows.at(2).interestE4, LoanSchedule(terms).at(2).interestE4);
}

// In advance: an interest row pays for the time to the next interest row,
// piece by piece at the balance after each row between.
void TestFunds::loanInterestInAdvance()
{
    LoanTerms t = exampleLoan();
    t.inAdvance = true;
    t.firstInterest = day("2004-01-10");
    t.interestMonths = 3;
    const QList<LoanRow> rows = LoanSchedule(t);
    QCOMPARE(rows.first().date, day("2004-01-10"));
    QVERIFY(rows.first().interestDue);
    QCOMPARE(rows.first().principal, qint64(0));
    // 01-10 to 02-10 on 12,000,000, then to 03-10 on 11,000,000, to 04-10 on 10,000,000
    const __int128 balanceDays = __int128(12000000) * 31 + __int128(11000000) * 29 + __int128(10000000) * 31;
    QCOMPARE(rows.first().interestE4, qint64((__int128(60000) * balanceDays * 2 + 36500) / 73000));
    QCOMPARE(rows.first().days, 91);
    QCOMPARE(rows.at(1).interestE4, qint64(0));
    QVERIFY(rows.at(3).interestDue);  // 2004-04-10
    QCOMPARE(rows.at(3).date, day("2004-04-10"));
    // variable rate from a row inside a period re-rates its interest row
    QList<LoanRow> rerated = rows;
    RerateFrom(rerated, 4, 90000, t);
    QCOMPARE(rerated.at(0).interestE4, rows.at(0).interestE4);
    QVERIFY(rerated.at(3).interestE4 > rows.at(3).interestE4);
}

void TestFunds::rates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("rate");
    QTest::newRow("whole") << "6" << qint64(60000);
    QTest::newRow("decimals") << "5.25" << qint64(52500);
    QTest::newRow("four decimals") << "4.1234" << qint64(41234);
    QTest::newRow("five decimals") << "4.12345" << qint64(-1);
    QTest::newRow("two points") << "4.1.2" << qint64(-1);
    QTest::newRow("letters") << "6%" << qint64(-1);
}

void TestFunds::rates()
{
    QFETCH(QString, text);
    QFETCH(qint64, rate);
    QCOMPARE(ParseRate(text), rate);
    if (rate > 0)
        QCOMPARE(ParseRate(RateText(rate)), rate);
    QCOMPARE(ParseScaled(QStringLiteral("61150.6849")), qint64(611506849));
    QCOMPARE(ParseScaled(QStringLiteral("12,000,000")), qint64(120000000000));
}

void TestFunds::savingsSchedule_data()
{
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("maturity");
    QTest::addColumn<int>("payDay");
    QTest::addColumn<bool>("lastDay");
    QTest::addColumn<QStringList>("expected");
    QStringList example;
    for (int m = 1; m <= 11; ++m)
        example << QDate(2004, m, 25).toString(QStringLiteral("yyyy-MM-dd"));
    example << QStringLiteral("2004-12-10");
    QTest::newRow("day 25") << "2004-01-10" << "2004-12-10" << 25 << false << example;
    QTest::newRow("last day") << "2004-01-10" << "2004-04-10" << 25 << true
                              << QStringList{"2004-01-31", "2004-02-29", "2004-03-31", "2004-04-10"};
    QTest::newRow("day 31 month by month")
        << "2004-01-10" << "2004-08-10" << 31 << false
        << QStringList{"2004-01-31", "2004-02-29", "2004-03-31", "2004-04-30", "2004-05-31", "2004-06-30", "2004-07-31",
                       "2004-08-10"};
    QTest::newRow("day 31 from a 30-day month") << "2005-04-01" << "2005-07-01" << 31 << false
                                                << QStringList{"2005-04-30", "2005-05-31", "2005-06-30", "2005-07-01"};
    QTest::newRow("same month") << "2004-01-10" << "2004-01-30" << 25 << false << QStringList{};
}

void TestFunds::savingsSchedule()
{
    QFETCH(QString, opening);
    QFETCH(QString, maturity);
    QFETCH(int, payDay);
    QFETCH(bool, lastDay);
    QFETCH(QStringList, expected);
    const QList<SavingsRow> rows =
        SavingsSchedule(QDate::fromString(opening, Qt::ISODate), QDate::fromString(maturity, Qt::ISODate), payDay, lastDay, 100000);
    QStringList got;
    for (int i = 0; i < rows.size(); ++i) {
        got << rows.at(i).date.toString(QStringLiteral("yyyy-MM-dd"));
        QCOMPARE(rows.at(i).tms, i + 1);
        QCOMPARE(rows.at(i).amount, qint64(100000));
        QCOMPARE(rows.at(i).total, qint64(100000) * (i + 1));
    }
    QCOMPARE(got, expected);
}

void TestFunds::forecastGroupSums()
{
    ForecastInput in;
    in.days = 30;
    auto plan = [](const char* code, std::initializer_list<std::pair<int, qint64>> amounts) {
        PlanLine line;
        line.code = QLatin1String(code);
        line.name = line.code;
        for (const auto& [d, a] : amounts)
            line.amounts[d - 1] = a;
        return line;
    };
    in.plans = {plan("1101", {{1, 10000000}, {2, 2400000}}), plan("2100", {{1, 99000000}}), plan("2101", {{1, 3000000}, {3, 1600000}}),
                plan("2102", {{1, 2000000}}), plan("2200", {}), plan("2201", {{2, 5000000}}), plan("4101", {{3, 1000000}}),
                plan("3010", {{2, 7000000}})};
    const Forecast f = BuildForecast(in);
    auto line = [&](const QString& code) {
        for (const ForecastLine& l : f.lines)
            if (l.code == code)
                return l;
        return ForecastLine();
    };
    // 2100 shows the sum of 21xx (its own amount ignored), on its own kind
    const ForecastLine head = line(QStringLiteral("2100"));
    QCOMPARE(head.kind, ForecastLine::Heading);
    QCOMPARE(head.day[0], qint64(5));
    QCOMPARE(head.day[2], qint64(2));
    QCOMPARE(head.total, qint64(7));
    QCOMPARE(line(QStringLiteral("2200")).total, qint64(5));
    // 3010 is not a payment; 2100 is not counted twice; each row in whole millions
    ForecastLine payments, collections;
    int at = -1;
    for (int i = 0; i < f.lines.size(); ++i) {
        if (f.lines.at(i).label == QLatin1String("Total Payments")) {
            payments = f.lines.at(i);
            at = i;
        }
        if (f.lines.at(i).label == QLatin1String("Total Collection"))
            collections = f.lines.at(i);
    }
    QCOMPARE(payments.day[0], qint64(5));
    QCOMPARE(payments.day[1], qint64(5));
    QCOMPARE(payments.day[2], qint64(3));  // 1.6 -> 2 and 1
    QCOMPARE(payments.total, qint64(13));
    QCOMPARE(collections.day[0], qint64(10));
    QCOMPARE(collections.day[1], qint64(2));
    QCOMPARE(collections.total, qint64(12));
    // the month-to-date line follows its total
    QCOMPARE(f.lines.at(at + 1).label, QStringLiteral("M-D-T"));
    QCOMPARE(f.lines.at(at + 1).day[2], qint64(13));
    QCOMPARE(f.lines.at(at + 1).day[29], qint64(13));
    // no heading and no group 3 among the detail lines' sums
    QVERIFY(std::none_of(f.lines.begin(), f.lines.end(), [](const ForecastLine& l) { return l.code == QLatin1String("3010") && l.kind != ForecastLine::Detail; }));
}

// B/F of a day is the running balance; C/F adds the day's collections and
// takes its payments; the fixed account moves the day after a deposit or a
// termination; operating = C/F - fixed - petty cash.
void TestFunds::forecastRecurrence()
{
    ForecastInput in;
    in.days = 3;
    in.pettyCashBf = 2000000;
    in.operatingBf = 50000000;
    in.fixedBf = 100000000;
    in.pettyCashMoves[0] = 1000000;
    in.pettyCashMoves[2] = -2000000;
    PlanLine sales{QStringLiteral("1101"), QStringLiteral("sales"), {}};
    sales.amounts = {20000000, 0, 10000000};
    PlanLine pay{QStringLiteral("2101"), QStringLiteral("pay"), {}};
    pay.amounts = {5000000, 30000000, 0};
    PlanLine deposit{QStringLiteral("3010"), QStringLiteral("deposit"), {}};
    deposit.amounts = {0, 10000000, 0};
    PlanLine termination{QStringLiteral("3020"), QStringLiteral("termination"), {}};
    termination.amounts = {0, 0, 4000000};
    in.plans = {sales, pay, deposit, termination};
    const Forecast f = BuildForecast(in);
    QCOMPARE(f.lines.first().label, QStringLiteral("* BALANCE B/F"));
    QCOMPARE(f.lines.first().total, qint64(152));
    const DayAmounts bf{152, 167, 137}, cf{167, 137, 147}, fixed{100, 100, 110}, petty{3, 3, 1};
    for (int d = 0; d < 3; ++d) {
        QCOMPARE(f.broughtForward[d], bf[d]);
        QCOMPARE(f.carriedForward[d], cf[d]);
        QCOMPARE(f.fixed[d], fixed[d]);
        QCOMPARE(f.pettyCash[d], petty[d]);
        QCOMPARE(f.operating[d], cf[d] - fixed[d] - petty[d]);
    }
    const auto cfLine = std::find_if(f.lines.begin(), f.lines.end(), [](const ForecastLine& l) { return l.label == QLatin1String("* BALANCE C/F"); });
    QVERIFY(cfLine != f.lines.end());
    QCOMPARE(cfLine->total, qint64(152 + 30 - 35));
    QCOMPARE(cfLine->day[2], qint64(147));
    QCOMPARE(f.broughtForward[3], qint64(0));  // past the month's end
}

void TestFunds::forecastHeadings()
{
    QCOMPARE(TfrmVGI096::DayHeading(QDate(2004, 2, 1), 1), QStringLiteral("01-Feb Sun"));
    QCOMPARE(TfrmVGI096::DayHeading(QDate(2004, 2, 1), 29), QStringLiteral("29-Feb Sun"));
    QCOMPARE(TfrmVGI096::DayHeading(QDate(2004, 2, 1), 30), QString());
    QCOMPARE(TfrmVGI096::DayHeading(QDate(2005, 2, 1), 29), QString());
    QCOMPARE(TfrmVGI096::MonthLabel(QDate(2026, 12, 11)), QStringLiteral("Month : December. 2026"));
}

// --- screens ---------------------------------------------------------------------------------

void TestFunds::fillExampleLoan(Screen<TfrmVGI020>& s, const QString& loanNo)
{
    s.type("edtLOAN_NO", loanNo);
    s.type("edtFIN_INST_CD", QStringLiteral("0300000001"));
    s.type("edtFIN_INST_NM", QStringLiteral("국민은행"));
    s.type("edtSBJ_NM", QStringLiteral("운전자금"));
    s.type("edtLOAN_AMT", QStringLiteral("12,000,000"));
    s.type("medtOPN_DT", QStringLiteral("20040110"));
    s.type("medtEXP_DT", QStringLiteral("20050110"));
    s.type("edtYY_DFR", QStringLiteral("0"));
    s.type("edtYY_RPY", QStringLiteral("1"));
    s.type("medtLON_DT", QStringLiteral("20040210"));
    s.type("medtINT_DT", QStringLiteral("20040210"));
    s.type("edtMM_PMT_DT", QStringLiteral("10"));
    s.type("edtLON_MM", QStringLiteral("1"));
    s.type("edtINT_MM", QStringLiteral("1"));
    s.type("edtINT_RT", QStringLiteral("6"));
    s.type("edtMM_PMT_AMT", QStringLiteral("1,000,000"));
    s.type("edtFIRST_AMT", QStringLiteral("1,000,000"));
}

void TestFunds::loanSavedRenamedPrintedDeleted()
{
    Screen<TfrmVGI020> s;
    s.click("bbtSearch");
    s.click("bbtAdd");
    QCOMPARE(s.state(), 3);
    fillExampleLoan(s, QStringLiteral("T-0001"));
    s.click("bbtCalc");
    QCOMPARE(s.scheduleRows().size(), 12);
    QCOMPARE(s.schedule()->recordCount(), 12);
    s.click("bbtSave");
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
    QCOMPARE(s.state(), 1);
    QCOMPARE(text(QStringLiteral("SELECT sum(\"int\")::TEXT FROM VG020DT WHERE LOAN_NO = 'T-0001'")), QStringLiteral("390246.5753"));
    QCOMPARE(text(QStringLiteral("SELECT \"int\"::TEXT FROM VG020DT WHERE LOAN_NO = 'T-0001' AND TMS = 1")), QStringLiteral("61150.6849"));
    QCOMPARE(text(QStringLiteral("SELECT repay_dt || ':' || rem_amt FROM VG020DT WHERE LOAN_NO = 'T-0001' AND TMS = 12")),
             QStringLiteral("2005-01-10:0"));

    // a principal typed into the grid re-walks the balance; Cancel brings
    // the stored schedule back
    s.click("bbtEdit");
    s.schedule()->moveTo(5);
    s.schedule()->edit();
    s.schedule()->setValue(QStringLiteral("PRN"), 7000000);
    QTRY_COMPARE(s.scheduleRows().size(), 6);
    QCOMPARE(s.schedule()->recordCount(), 6);
    QCOMPARE(s.schedule()->fieldAsString(5, QStringLiteral("REPAY_DT")), QStringLiteral("2005-01-10"));
    QCOMPARE(s.schedule()->fieldAsString(5, QStringLiteral("REM_AMT")), QStringLiteral("0"));
    s.click("bbtCancel");
    QCOMPARE(s.scheduleRows().size(), 12);

    // a new rate from row 5, saved: earlier rows keep theirs
    s.click("bbtEdit");
    s.type("edtINT_RT", QStringLiteral("7.5"));
    s.schedule()->moveTo(4);
    m_dialogs->yesNoAnswers = {true};
    s.click("bbtRate");
    QVERIFY(m_dialogs->lastText().startsWith(QStringLiteral("[2004-06-10] 일 부터 이율을 다시 산정하시겠습니까.?")));
    // the loan number changes with it: the schedule moves along
    s.type("edtLOAN_NO", QStringLiteral("T-0002"));
    s.click("bbtSave");
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
    QCOMPARE(text(QStringLiteral("SELECT count(*) FROM VG020DT WHERE LOAN_NO = 'T-0001'")), QStringLiteral("0"));
    QCOMPARE(text(QStringLiteral("SELECT string_agg(prf_rt::TEXT, ',' ORDER BY tms) FROM VG020DT WHERE LOAN_NO = 'T-0002'")),
             QStringLiteral("6.0000,6.0000,6.0000,6.0000,7.5000,7.5000,7.5000,7.5000,7.5000,7.5000,7.5000,7.5000"));
    QCOMPARE(text(QStringLiteral("SELECT \"int\"::TEXT FROM VG020DT WHERE LOAN_NO = 'T-0002' AND TMS = 5")), QStringLiteral("50958.9041"));
    QCOMPARE(text(QStringLiteral("SELECT rpy_mthd || end_yn || int_rt::TEXT FROM VG020MS WHERE LOAN_NO = 'T-0002'")),
             QStringLiteral("2N7.5000"));

    // read back, the schedule prints in instalment order with its sums
    s.click("bbtSearch");
    QVERIFY(s.loans()->locate(QStringLiteral("LOAN_NO"), QStringLiteral("T-0002")));
    QCOMPARE(s.scheduleRows().size(), 12);
    TfrmVGI021 layout;
    layout.setRows(s.scheduleRows());
    QVERIFY(layout.Prepare() >= 1);
    QCOMPARE(layout.cdsQuery().value(0, QStringLiteral("REPAY_DT")).toString(), QStringLiteral("2004/02/10"));
    QCOMPARE(layout.cdsQuery().value(11, QStringLiteral("TMS")).toInt(), 12);

    // the due list of June 2004 finds its instalment
    QCOMPARE(text(QStringLiteral("SELECT count(*) FROM VG020DT WHERE REPAY_DT BETWEEN '2004-06-01' AND '2004-06-30'")),
             QStringLiteral("1"));

    // deleting takes the schedule with it
    m_dialogs->yesNoAnswers = {true};
    s.click("bbtDelete");
    QCOMPARE(text(QStringLiteral("SELECT count(*) FROM VG020MS WHERE LOAN_NO = 'T-0002'")), QStringLiteral("0"));
    QCOMPARE(text(QStringLiteral("SELECT count(*) FROM VG020DT WHERE LOAN_NO = 'T-0002'")), QStringLiteral("0"));
}

void TestFunds::loanChecks_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("no loan number") << "edtLOAN_NO" << "" << "차입번호를 입력하십시오.";
    QTest::newRow("no amount") << "edtLOAN_AMT" << "0" << "차입금액을 입력하십시오.";
    QTest::newRow("maturity before opening") << "medtEXP_DT" << "20031231" << "만기일자는 개설일자보다 커야합니다.";
    QTest::newRow("grace of two years on one") << "edtYY_DFR" << "2" << "거치기간이 차입기간 보다 클 수 없습니다.";
    QTest::newRow("principal interval beyond the term") << "edtLON_MM" << "13" << "원금상환 기간이 거치기간보다 클 수 없습니다.";
    QTest::newRow("rate of 100") << "edtINT_RT" << "100" << "차입이율을 잘못 입력 되었습니다.";
    QTest::newRow("rate with two points") << "edtINT_RT" << "6.1.1" << "차입이율을 입력 하시오.";
    QTest::newRow("rate of zero") << "edtINT_RT" << "0" << "차입이율을 입력 하시오.";
    QTest::newRow("monthly above the amount") << "edtMM_PMT_AMT" << "13000000" << "원금 상환액이 차입금액보다 클 수 없습니다.";
    QTest::newRow("first above the amount") << "edtFIRST_AMT" << "13000000" << "최초 원금 상환액이 차입금액보다 클 수 없습니다.";
}

void TestFunds::loanChecks()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    Screen<TfrmVGI020> s;
    s.click("bbtSearch");
    s.click("bbtAdd");
    fillExampleLoan(s, QStringLiteral("T-CHECK"));
    s.get(field)->setText(value);
    s.click("bbtCalc");
    QCOMPARE(m_dialogs->lastText(), message);
    QVERIFY(s.scheduleRows().isEmpty());
    s.click("bbtSave");
    QCOMPARE(m_dialogs->lastText(), message);
    QCOMPARE(text(QStringLiteral("SELECT count(*) FROM VG020MS WHERE LOAN_NO = 'T-CHECK'")), QStringLiteral("0"));
    s.click("bbtCancel");
}

void TestFunds::planDaysOfFebruary_data()
{
    QTest::addColumn<QDate>("month");
    QTest::addColumn<int>("days");
    QTest::newRow("leap February") << QDate(2004, 2, 10) << 29;
    QTest::newRow("February") << QDate(2005, 2, 10) << 28;
    QTest::newRow("April") << QDate(2005, 4, 10) << 30;
    QTest::newRow("December") << QDate(2026, 12, 1) << 31;
}

void TestFunds::planDaysOfFebruary()
{
    QFETCH(QDate, month);
    QFETCH(int, days);
    Screen<TfrmVGI090> s;
    s.template get<QDateEdit>(QStringLiteral("dtpFND_USG_YM"))->setDate(month);
    s.click("bbtSearch");
    s.click("bbtAdd");
    for (int d = 1; d <= 31; ++d)
        QVERIFY2(s.dayField(d)->isEnabled() == (d <= days), qPrintable(QString::number(d)));
    s.click("bbtCancel");
}

void TestFunds::planSaveAndColumns()
{
    QCOMPARE(TfrmVGI090::DayColumn(1), QStringLiteral("FND_01_AMT"));
    QCOMPARE(TfrmVGI090::DayColumn(31), QStringLiteral("FND_31_AMT"));
    QCOMPARE(TfrmVGI090::DayColumn(0), QString());
    QCOMPARE(TfrmVGI090::DayColumn(32), QString());
    Screen<TfrmVGI090> s;
    s.template get<QDateEdit>(QStringLiteral("dtpFND_USG_YM"))->setDate(QDate(2004, 2, 1));
    s.click("bbtSearch");
    s.click("bbtAdd");
    s.type("edtFND_USG_CD", QStringLiteral("2101"));
    s.dayField(3)->setText(QStringLiteral("1,500,000"));
    s.dayField(29)->setText(QStringLiteral("700000"));
    s.click("bbtSave");
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
    QCOMPARE(text(QStringLiteral("SELECT concat_ws(',', fnd_03_amt, fnd_29_amt, fnd_30_amt, fnd_04_amt) FROM VG090MS "
                                 "WHERE FND_USG_YM = '200402' AND FND_USG_CD = '2101'")),
             QStringLiteral("1500000,700000"));
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("FND_TOT_AMT")), QStringLiteral("2200000"));
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("FND_USG_NM")), QStringLiteral("급여 지급"));
}

// The actuals of a day: for payments the day's confirmed movement of the
// accounts pointing to the code, in their normal direction; saving puts
// them in place of the plan, an empty amount where there was none.
void TestFunds::dayActualsAndSave()
{
    // the payment code with the most confirmed lines, and its busiest day
    const QString code = text(QStringLiteral(
        "SELECT a.fnd_usg_cd FROM vb011ms m JOIN va020ms a ON a.acct_code = m.acct_code\n"
        " WHERE m.conf_date IS NOT NULL AND substr(a.fnd_usg_cd, 3, 2) <> '00' AND a.fnd_usg_cd LIKE '2%'\n"
        " GROUP BY a.fnd_usg_cd ORDER BY count(*) DESC, a.fnd_usg_cd LIMIT 1"));
    QVERIFY(!code.isEmpty());
    const QString dayText = text(QStringLiteral(
        "SELECT to_char(m.conf_date, 'YYYY-MM-DD') FROM vb011ms m JOIN va020ms a ON a.acct_code = m.acct_code\n"
        " WHERE a.fnd_usg_cd = :P0 AND m.conf_date IS NOT NULL GROUP BY m.conf_date ORDER BY count(*) DESC, m.conf_date LIMIT 1"),
                                 {code});
    QVERIFY(!dayText.isEmpty());
    const QDate d = QDate::fromString(dayText, Qt::ISODate);
    const QString month = d.toString(QStringLiteral("yyyyMM"));
    const QString column = TfrmVGI090::DayColumn(d.day());
    ExecSql(QStringLiteral("DELETE FROM VG090MS WHERE FND_USG_YM = :P0"), {month});
    const QString quiet = code == QLatin1String("2402") ? QStringLiteral("2601") : QStringLiteral("2402");
    for (const QString& planned : {QStringLiteral("1101"), code, quiet, QStringLiteral("2100")})
        ExecSql(QStringLiteral("INSERT INTO VG090MS (FND_USG_YM, FND_USG_CD, %1) VALUES (:P0, :P1, 777)").arg(column), {month, planned});
    const qint64 expected = Db::scalar(QStringLiteral(
                                           "SELECT coalesce(sum(CASE a.dc_div WHEN 'C' THEN m.c_amount - m.d_amount ELSE m.d_amount - m.c_amount END), 0)\n"
                                           "  FROM vb011ms m JOIN va020ms a ON a.acct_code = m.acct_code\n"
                                           " WHERE a.fnd_usg_cd = :P1 AND m.conf_date = CAST(:P0 AS DATE)"),
                                       {dayText, code})
                                .toLongLong();
    QVERIFY(expected != 0);
    const qint64 none = Db::scalar(QStringLiteral("SELECT count(*) FROM vb011ms m JOIN va020ms a ON a.acct_code = m.acct_code\n"
                                                  " WHERE a.fnd_usg_cd = :P1 AND m.conf_date = CAST(:P0 AS DATE)"),
                                   {dayText, quiet})
                            .toLongLong();

    Screen<TfrmVGI110> s;
    s.template get<QDateEdit>(QStringLiteral("dtpMonth"))->setDate(d);
    s.click("bbtSearch");
    QCOMPARE(s.days()->recordCount(), d.daysInMonth());
    QVERIFY(s.days()->locate(QStringLiteral("AF_DATE"), dayText));
    RecordSet* rows = s.actuals();
    QCOMPARE(rows->recordCount(), 3);  // the heading 2100 is not listed
    auto actualOf = [&](const QString& planned) {
        const int r = rows->findRow(QStringLiteral("FND_USG_CD"), {planned});
        return r < 0 ? qint64(-1) : rows->value(r, QStringLiteral("AF_AMT")).toLongLong();
    };
    QCOMPARE(actualOf(QStringLiteral("1101")), qint64(777));  // collections: the plan itself
    QCOMPARE(actualOf(code), expected);
    if (none == 0)
        QCOMPARE(actualOf(quiet), qint64(0));
    QCOMPARE(s.actualGrid()->footerText(QStringLiteral("PLAN_AMT")), QStringLiteral("2,331"));

    s.click("bbtEdit");
    s.click("bbtSave");
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
    auto stored = [&](const QString& planned) {
        return Db::scalar(QStringLiteral("SELECT %1 FROM VG090MS WHERE FND_USG_YM = :P0 AND FND_USG_CD = :P1").arg(column),
                          {month, planned});
    };
    QCOMPARE(stored(code).toLongLong(), expected);
    if (none == 0)
        QVERIFY(stored(quiet).isNull());
    QCOMPARE(stored(QStringLiteral("2100")).toLongLong(), qint64(777));
}

// The forecast's balances brought forward are those of the books at the
// month's start from the term's start, also in the term's first month.
void TestFunds::forecastBalancesFromTheBooks()
{
    const QString independent = QStringLiteral(
        "SELECT coalesce((SELECT bal_amount FROM vb070ms WHERE session_id = t.session_id AND acct_code = :P0), 0)\n"
        "     + coalesce((SELECT sum(d_amount - c_amount) FROM vb011ms\n"
        "                  WHERE acct_code = :P0 AND conf_date >= t.st_date AND conf_date < CAST(:P1 AS DATE)), 0)\n"
        "  FROM vi010ms t WHERE CAST(:P1 AS DATE) BETWEEN t.st_date AND t.ed_date");
    for (const QDate& planDate : {QDate(2026, 12, 11), QDate(2026, 1, 5), QDate(2026, 7, 31)}) {
        const ForecastInput in = TfrmVGI095::LoadInput(planDate);
        const QString first = QDate(planDate.year(), planDate.month(), 1).toString(Qt::ISODate);
        QCOMPARE(in.pettyCashBf, Db::scalar(independent, {QStringLiteral("1110110"), first}).toLongLong());
        QCOMPARE(in.operatingBf, Db::scalar(independent, {QStringLiteral("1110120"), first}).toLongLong());
        QCOMPARE(in.fixedBf, Db::scalar(independent, {QStringLiteral("1110210"), first}).toLongLong());
        QCOMPARE(in.days, planDate.daysInMonth());
        for (int d = 1; d <= in.days; ++d) {
            const qint64 move = Db::scalar(QStringLiteral("SELECT coalesce(sum(d_amount - c_amount), 0) FROM vb011ms\n"
                                                          " WHERE acct_code = '1110110' AND conf_date = CAST(:P0 AS DATE)"),
                                           {QDate(planDate.year(), planDate.month(), d).toString(Qt::ISODate)})
                                    .toLongLong();
            QCOMPARE(in.pettyCashMoves[d - 1], move);
        }
    }
    QVERIFY(TfrmVGI095::LoadInput(QDate(2026, 1, 5)).operatingBf != 0);

    Screen<TfrmVGI095> s;
    s.planDate()->setDate(QDate(2026, 12, 11));
    s.click("bbtSearch");
    QVERIFY(s.records()->recordCount() > 10);
    QCOMPARE(s.records()->fieldAsString(0, QStringLiteral("LABEL")), QStringLiteral("* BALANCE B/F"));
    TfrmVGI096 layout;
    layout.setForecast(QDate(2026, 12, 11), BuildForecast(TfrmVGI095::LoadInput(QDate(2026, 12, 11))));
    QVERIFY(layout.Prepare() >= 1);
}

void TestFunds::leaseCodesAndMonthEnd()
{
    ExecSql(QStringLiteral("DELETE FROM VG040MS"));
    Screen<TfrmVGI040> s;
    s.click("bbtSearch");
    s.click("bbtAdd");
    QCOMPARE(s.get(QStringLiteral("edt_LIS_NO"))->text(), QStringLiteral("000001"));
    s.type("edt_LIS_NAME", QStringLiteral("지게차"));
    s.type("edt_LIS_MUCH", QStringLiteral("1,200,000"));
    s.get<QRadioButton>(QStringLiteral("rdoPayMonthEnd"))->setChecked(true);
    s.click("bbtSave");
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
    QCOMPARE(text(QStringLiteral("SELECT lis_nybs || coalesce(lis_nymn, '-') FROM VG040MS WHERE lis_no = '000001'")), QStringLiteral("1-"));
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("PAY_DAY")), QStringLiteral("월말"));
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("AMT")), QStringLiteral("1200000"));
    ExecSql(QStringLiteral("UPDATE VG040MS SET LIS_NO = '000041'"));
    s.click("bbtSearch");
    s.click("bbtAdd");
    QCOMPARE(s.get(QStringLiteral("edt_LIS_NO"))->text(), QStringLiteral("000042"));
    s.click("bbtCancel");
    // only the "from" bound: the leases starting that day
    ExecSql(QStringLiteral("INSERT INTO VG040MS (LIS_NO, LIS_NAME, LIS_ONDT) VALUES ('000050', '이전 리스', '2020-01-01')"));
    s.get(QStringLiteral("medt_LIS_ONDT_F"))->setText(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
    if (!s.get<QPushButton>(QStringLiteral("bbtSearch"))->isEnabled())
        s.click("bbtCancel");
    s.click("bbtSearch");
    QCOMPARE(s.records()->recordCount(), 1);
    QCOMPARE(s.get(QStringLiteral("medt_LIS_ONDT_E"))->text(), s.get(QStringLiteral("medt_LIS_ONDT_F"))->text());
}

void TestFunds::savingsRenameMovesSchedule()
{
    Screen<TfrmVGI010> s;
    s.click("bbtSearch");
    s.click("bbtAdd");
    // an account of the register: the lookup brings its bank and dates
    s.type("edtACN_NO", QStringLiteral("140-011-556677"));
    s.get(QStringLiteral("edtACN_NO"))->setFocus();
    s.get(QStringLiteral("medtOPN_DT"))->setFocus();
    QCOMPARE(s.get(QStringLiteral("edtFIN_INST_CD"))->text(), QStringLiteral("0300000002"));
    QCOMPARE(s.get(QStringLiteral("medtEXP_DT"))->text(), QStringLiteral("2027/01/02"));
    s.type("medtOPN_DT", QStringLiteral("20040110"));
    s.type("medtEXP_DT", QStringLiteral("20041210"));
    s.type("edtCTR_AMT", QStringLiteral("1,200,000"));
    s.type("edtYY_INT_RT", QStringLiteral("3.5"));
    s.type("edtMM_PMT_AMT", QStringLiteral("100,000"));
    s.type("edtMM_PMT_DT", QStringLiteral("25"));
    s.click("bbtCalc");
    QCOMPARE(s.schedule()->recordCount(), 12);
    s.click("bbtSave");
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
    QVERIFY2(m_dialogs->texts().isEmpty(), qPrintable(m_dialogs->texts().join('\n')));
    QCOMPARE(text(QStringLiteral("SELECT string_agg(pay_dt, ',' ORDER BY tms) FROM VG010DT WHERE ACN_NO = '140-011-556677' AND tms IN (1, 11, 12)")),
             QStringLiteral("2004-01-25,2004-11-25,2004-12-10"));
    QCOMPARE(text(QStringLiteral("SELECT max(tot_amt) FROM VG010DT WHERE ACN_NO = '140-011-556677'")), QStringLiteral("1200000"));
    s.click("bbtEdit");
    s.type("edtACN_NO", QStringLiteral("020-3344-5566"));
    s.click("bbtSave");
    QCOMPARE(text(QStringLiteral("SELECT count(*) FROM VG010DT WHERE ACN_NO = '140-011-556677'")), QStringLiteral("0"));
    QCOMPARE(text(QStringLiteral("SELECT count(*) FROM VG010DT WHERE ACN_NO = '020-3344-5566'")), QStringLiteral("12"));
    // a monthly payment above the contract is refused
    s.click("bbtEdit");
    s.type("edtMM_PMT_AMT", QStringLiteral("1,300,000"));
    s.click("bbtSave");
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("월납입액이 계약금액보다 클 수 없습니다."));
    s.click("bbtCancel");
}

// The prints carry the figures they sum, by group and in all; the forecast
// marks the plan date and leaves the days February lacks blank. With
// TV_PRINT_DIR set, each layout is written there as PDF for a look by eye.
void TestFunds::layoutsPrintTheirTotals()
{
    const QByteArray dir = qgetenv("TV_PRINT_DIR");
    auto keep = [&](TfrmZZP010& layout, const char* name) {
        if (!dir.isEmpty())
            QVERIFY(layout.SaveAsPdf(QDir(QString::fromLocal8Bit(dir)).filePath(QLatin1String(name) + QStringLiteral(".pdf"))));
    };
    auto allTexts = [](const BandedReport& report, const QString& element) {
        QStringList out;
        for (const PrintPage& page : report.pageModel().pages)
            out << page.texts(element);
        return out;
    };

    TfrmVGI021 schedule;
    schedule.setLoan(QStringLiteral("국민은행"), QStringLiteral("2004-01-10"), QStringLiteral("6"), QStringLiteral("운전자금"),
                     QStringLiteral("12,000,000"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("후취"));
    schedule.setRows(LoanSchedule(exampleLoan()));
    QVERIFY(schedule.Prepare() >= 1);
    QCOMPARE(allTexts(schedule, QStringLiteral("qrlSumINT")), QStringList{QStringLiteral("390,247")});
    QCOMPARE(allTexts(schedule, QStringLiteral("qrlSumPRN")), QStringList{QStringLiteral("12,000,000")});
    QCOMPARE(allTexts(schedule, QStringLiteral("qrlSumREPAY_AMT")), QStringList{QStringLiteral("12,390,247")});
    QCOMPARE(allTexts(schedule, QStringLiteral("qrlINT")).first(), QStringLiteral("61,151"));
    QVERIFY(allTexts(schedule, QStringLiteral("qrlLoan2")).first().contains(QStringLiteral("0년거치 1년분할 1개월 후취")));
    keep(schedule, "VGI021");

    TfrmVGI071 dues;
    dues.cdsQuery().setFields({QStringLiteral("FIN_INST_NM"), QStringLiteral("SBJ_NM"), QStringLiteral("OPN_DT"), QStringLiteral("EXP_DT"),
                               QStringLiteral("REPAY_DT"), QStringLiteral("INT_RT"), QStringLiteral("LOAN_AMT"), QStringLiteral("PRN"),
                               QStringLiteral("INT"), QStringLiteral("REPAY_AMT")});
    dues.cdsQuery().appendRow({QStringLiteral("국민은행"), QStringLiteral("시설"), QString(), QString(), QString(), QString(), 1000, 100, 10, 110});
    dues.cdsQuery().appendRow({QStringLiteral("국민은행"), QStringLiteral("운전"), QString(), QString(), QString(), QString(), 2000, 200, 20, 220});
    dues.cdsQuery().appendRow({QStringLiteral("신한은행"), QStringLiteral("운전"), QString(), QString(), QString(), QString(), 5000, 500, 50, 550});
    QVERIFY(dues.Prepare() >= 1);
    QCOMPARE(allTexts(dues, QStringLiteral("qrlSumREPAY_AMT")), (QStringList{QStringLiteral("330"), QStringLiteral("550"), QStringLiteral("880")}));
    QCOMPARE(allTexts(dues, QStringLiteral("qrlSumLOAN_AMT")), (QStringList{QStringLiteral("3,000"), QStringLiteral("5,000"), QStringLiteral("8,000")}));
    QCOMPARE(allTexts(dues, QStringLiteral("qrlBankName")), (QStringList{QStringLiteral("국민은행"), QStringLiteral("신한은행")}));
    keep(dues, "VGI071");

    TfrmVGI056 savings;
    savings.cdsQuery().setFields({QStringLiteral("FIN_INST_NM"), QStringLiteral("ACN_NO"), QStringLiteral("CTR_AMT"), QStringLiteral("TOT_AMT")});
    savings.cdsQuery().appendRow({QStringLiteral("국민은행"), QStringLiteral("1"), 1200000, 300000});
    savings.cdsQuery().appendRow({QStringLiteral("국민은행"), QStringLiteral("2"), 2400000, 600000});
    savings.cdsQuery().appendRow({QStringLiteral("우리은행"), QStringLiteral("3"), 3600000, 900000});
    QVERIFY(savings.Prepare() >= 1);
    QCOMPARE(allTexts(savings, QStringLiteral("qrlSumTOT_AMT")),
             (QStringList{QStringLiteral("900,000"), QStringLiteral("900,000"), QStringLiteral("1,800,000")}));
    QCOMPARE(allTexts(savings, QStringLiteral("qrlSumCTR_AMT")),
             (QStringList{QStringLiteral("3,600,000"), QStringLiteral("3,600,000"), QStringLiteral("7,200,000")}));
    // the bank prints once per group
    QCOMPARE(allTexts(savings, QStringLiteral("qrlFIN_INST_NM")), (QStringList{QStringLiteral("국민은행"), QStringLiteral("우리은행")}));
    keep(savings, "VGI056");

    TfrmVGI096 forecast;
    forecast.setForecast(QDate(2004, 2, 10), BuildForecast(TfrmVGI095::LoadInput(QDate(2004, 2, 10))));
    QVERIFY(forecast.Prepare() >= 1);
    const PrintPage& first = forecast.pageModel().pages.first();
    QCOMPARE(first.texts(QStringLiteral("qrlDay29")), QStringList{QStringLiteral("29-Feb Sun")});
    QVERIFY(first.texts(QStringLiteral("qrlDay30")).value(0).isEmpty());
    const PrintItem* mark = first.find(QStringLiteral("qrsPlanMark0"));
    QVERIFY(mark);
    QCOMPARE(first.texts(QStringLiteral("qrlSign0")), QStringList{QStringLiteral("President")});
    if (!dir.isEmpty()) {
        TfrmVGI096 december;
        december.setForecast(QDate(2026, 12, 11), BuildForecast(TfrmVGI095::LoadInput(QDate(2026, 12, 11))));
        december.Prepare();
        keep(december, "VGI096");
    }
}

TV_TEST_MAIN(TestFunds)
#include "tst_funds.moc"
