#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <array>

// The computations of the funds screens, free of widgets and of the
// database: loan repayment schedules, installment savings schedules and the
// daily cash-flow forecast. Amounts are whole won; interest is kept in
// ten-thousandths of a won (the exact figure of the days-over-365 rule to
// four places), so that schedules and their totals are the same wherever
// they are computed.
namespace Funds {

constexpr qint64 kInterestScale = 10000;

// A rate in per cent as typed ("6", "5.25", at most four decimals) in
// ten-thousandths of a per cent; -1 for anything else.
qint64 ParseRate(const QString& text);
QString RateText(qint64 rateE4);
// An amount in ten-thousandths as the decimal text the tables store.
QString ScaledText(qint64 valueE4);
// A stored decimal text ("61150.6849") in ten-thousandths (rounded).
qint64 ParseScaled(const QString& text);
// Whole won, rounded half away from zero.
qint64 RoundWon(qint64 valueE4);

// The month span of two dates: the year difference times 12, plus nothing
// when the two month numbers are equal and otherwise to-month - from-month + 1.
int MonthSpan(const QDate& from, const QDate& to);
// The instalment date of a month: the pay day, or the month's last day when
// the month lacks that day or every instalment falls on the last day.
QDate InstalmentDate(int year, int month, int payDay, bool lastDay);

// --- loans ------------------------------------------------------------------------

struct LoanTerms {
    qint64 amount = 0;
    QDate opening;
    QDate maturity;
    QDate firstPrincipal;    // LON_DT
    QDate firstInterest;     // INT_DT
    int payDay = 1;
    bool lastDay = false;    // 말일
    int principalMonths = 1;
    int interestMonths = 1;
    qint64 rateE4 = 0;
    qint64 monthlyPrincipal = 0;
    qint64 firstPrincipalAmount = 0;
    bool inAdvance = false;  // 선취; 후취 otherwise
};

struct LoanRow {
    int tms = 0;
    QDate date;
    qint64 principal = 0;
    qint64 interestE4 = 0;
    qint64 remaining = 0;
    qint64 rateE4 = 0;
    bool interestDue = false;  // FLAG "1"
    int days = 0;
    qint64 paymentE4() const { return principal * kInterestScale + interestE4; }
};

// The principal pass, then the interest pass of the loan's method. The pass
// starts in the earlier of the first principal and first interest months, so
// that a principal month before the first interest month is repaid too.
QList<LoanRow> LoanSchedule(const LoanTerms& terms);
// The interest of row `from` and every later row at the rate (variable
// rate); earlier rows keep theirs.
void RerateFrom(QList<LoanRow>& rows, int from, qint64 rateE4, const LoanTerms& terms);
// A new principal for one row: the balance walks down from it, the schedule
// ends where the balance is repaid (or the last row takes the rest), and the
// interest is recomputed from that row at the loan's rate.
void ChangePrincipal(QList<LoanRow>& rows, int row, qint64 principal, const LoanTerms& terms);

// --- installment savings ------------------------------------------------------------

struct SavingsRow {
    int tms = 0;
    QDate date;
    qint64 amount = 0;
    qint64 total = 0;
};

// One row per month of the span: the pay day of each month, clamped to the
// month's last day month by month (every row on the last day with lastDay),
// the last row on the maturity date.
QList<SavingsRow> SavingsSchedule(const QDate& opening, const QDate& maturity, int payDay, bool lastDay,
                                  qint64 monthly);

// --- fund plans and the daily cash-flow forecast -----------------------------------------

using DayAmounts = std::array<qint64, 31>;

// Fund code groups: "1" collections, "3" movements of the fixed account,
// anything else payments; characters 3-4 "00" mark a heading.
bool IsHeadingCode(const QString& code);
bool IsCollectionCode(const QString& code);
bool IsFixedAccountCode(const QString& code);
// 2x00 with x not "0": the head of the sub-group of the codes beginning 2x.
bool IsSubgroupHead(const QString& code);

struct PlanLine {
    QString code;
    QString name;
    DayAmounts amounts{};
};

// An amount in whole millions, rounded half away from zero.
qint64 Millions(qint64 won);

struct ForecastInput {
    int days = 31;                // days of the month
    qint64 pettyCashBf = 0;       // balances at the start of the month
    qint64 operatingBf = 0;
    qint64 fixedBf = 0;
    DayAmounts pettyCashMoves{};  // the day's debit - credit of petty cash
    QList<PlanLine> plans;        // every fund code of the plan, in code order
};

// Every figure is in whole millions; days past the month's end stay 0 and
// print blank.
struct ForecastLine {
    enum Kind { Balance, Detail, Heading, Total, MonthToDate, Account };
    Kind kind = Detail;
    QString code;
    QString label;
    qint64 total = 0;
    DayAmounts day{};
    bool hasTotal = true;
};

struct Forecast {
    QList<ForecastLine> lines;
    // The recurrence, per day (in millions): balance brought forward and
    // carried forward, the accounts.
    DayAmounts broughtForward{};
    DayAmounts carriedForward{};
    DayAmounts pettyCash{};
    DayAmounts operating{};
    DayAmounts fixed{};
};

Forecast BuildForecast(const ForecastInput& input);

}  // namespace Funds
