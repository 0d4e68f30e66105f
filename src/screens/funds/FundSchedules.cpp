#include "screens/funds/FundSchedules.h"
#include <QHash>
#include <QRegularExpression>

namespace Funds {

namespace {

using Wide = __int128;

// Rounds numerator / denominator (both positive or zero) half up.
qint64 roundDiv(Wide numerator, Wide denominator)
{
    return qint64((numerator * 2 + denominator) / (denominator * 2));
}

// rate % x balance-days / 100 / 365, in ten-thousandths of a won.
qint64 interestE4(qint64 rateE4, Wide balanceDays)
{
    if (balanceDays <= 0 || rateE4 <= 0)
        return 0;
    return roundDiv(Wide(rateE4) * balanceDays, 36500);
}

int monthIndex(const QDate& d) { return d.year() * 12 + d.month() - 1; }

QDate dateOfMonth(int index, int payDay, bool lastDay)
{
    return InstalmentDate(index / 12, index % 12 + 1, payDay, lastDay);
}

void interestInArrears(QList<LoanRow>& rows, int from, qint64 rateE4, const QDate& opening)
{
    QDate prev = from > 0 ? rows[from - 1].date : opening;
    for (int i = from; i < rows.size(); ++i) {
        LoanRow& r = rows[i];
        r.days = int(prev.daysTo(r.date));
        r.interestE4 = interestE4(rateE4, Wide(r.remaining + r.principal) * r.days);
        r.rateE4 = rateE4;
        prev = r.date;
    }
}

// Interest in advance: an interest row pays for the time from its date to
// the next interest row (the last one for one interval), piece by piece at
// the balance outstanding in each piece; other rows pay no interest.
void interestInAdvance(QList<LoanRow>& rows, int from, qint64 rateE4, const LoanTerms& terms)
{
    for (int i = from; i < rows.size(); ++i) {
        LoanRow& r = rows[i];
        r.rateE4 = rateE4;
        r.interestE4 = 0;
        r.days = 0;
        if (!r.interestDue)
            continue;
        int next = i + 1;
        while (next < rows.size() && !rows[next].interestDue)
            ++next;
        const QDate end = next < rows.size() ? rows[next].date : r.date.addMonths(terms.interestMonths);
        Wide balanceDays = 0;
        QDate at = r.date;
        qint64 balance = r.remaining;
        for (int j = i + 1; j < rows.size() && rows[j].date < end; ++j) {
            balanceDays += Wide(balance) * at.daysTo(rows[j].date);
            at = rows[j].date;
            balance = rows[j].remaining;
        }
        balanceDays += Wide(balance) * at.daysTo(end);
        r.days = int(r.date.daysTo(end));
        r.interestE4 = interestE4(rateE4, balanceDays);
    }
}

}  // namespace

qint64 ParseRate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,3})(?:\\.([0-9]{0,4}))?$"));
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return -1;
    const QString decimals = (m.captured(2) + QStringLiteral("0000")).left(4);
    return m.captured(1).toLongLong() * kInterestScale + decimals.toLongLong();
}

QString RateText(qint64 rateE4)
{
    QString text = QString::number(rateE4 / kInterestScale);
    if (const qint64 part = rateE4 % kInterestScale; part != 0) {
        QString decimals = QStringLiteral("%1").arg(part, 4, 10, QLatin1Char('0'));
        while (decimals.endsWith(QLatin1Char('0')))
            decimals.chop(1);
        text += QLatin1Char('.') + decimals;
    }
    return text;
}

QString ScaledText(qint64 valueE4)
{
    const bool negative = valueE4 < 0;
    const qint64 v = negative ? -valueE4 : valueE4;
    return (negative ? QStringLiteral("-") : QString()) + QString::number(v / kInterestScale) + QLatin1Char('.')
        + QStringLiteral("%1").arg(v % kInterestScale, 4, 10, QLatin1Char('0'));
}

qint64 ParseScaled(const QString& text)
{
    QString t = text.trimmed();
    t.remove(QLatin1Char(','));
    const bool negative = t.startsWith(QLatin1Char('-'));
    if (negative)
        t.remove(0, 1);
    const int point = t.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? t : t.left(point);
    QString decimals = point < 0 ? QString() : t.mid(point + 1);
    qint64 value = whole.toLongLong() * kInterestScale;
    if (decimals.size() > 4) {
        const bool up = decimals.at(4) >= QLatin1Char('5');
        decimals = decimals.left(4);
        value += up ? 1 : 0;
    }
    value += (decimals + QStringLiteral("0000")).left(4).toLongLong();
    return negative ? -value : value;
}

qint64 RoundWon(qint64 valueE4)
{
    return valueE4 >= 0 ? (valueE4 + kInterestScale / 2) / kInterestScale
                        : -((-valueE4 + kInterestScale / 2) / kInterestScale);
}

int MonthSpan(const QDate& from, const QDate& to)
{
    return (to.year() - from.year()) * 12 + (from.month() == to.month() ? 0 : to.month() - from.month() + 1);
}

QDate InstalmentDate(int year, int month, int payDay, bool lastDay)
{
    const QDate first(year, month, 1);
    const int last = first.daysInMonth();
    return QDate(year, month, lastDay || payDay < 1 || payDay > last ? last : payDay);
}

QList<LoanRow> LoanSchedule(const LoanTerms& terms)
{
    QList<LoanRow> rows;
    const int span = MonthSpan(terms.opening, terms.maturity);
    int nextPrincipal = monthIndex(terms.firstPrincipal);
    int nextInterest = monthIndex(terms.firstInterest);
    const int start = std::min(nextPrincipal, nextInterest);
    int principalCount = 0;
    qint64 balance = terms.amount;
    for (int k = 0; k <= span; ++k) {
        const int month = start + k;
        if (month != nextPrincipal && month != nextInterest)
            continue;
        LoanRow row;
        row.tms = int(rows.size()) + 1;
        row.date = dateOfMonth(month, terms.payDay, terms.lastDay);
        if (month == nextPrincipal) {
            ++principalCount;
            row.principal = principalCount == 1 ? terms.firstPrincipalAmount : terms.monthlyPrincipal;
            nextPrincipal += std::max(1, terms.principalMonths);
        }
        if (month == nextInterest) {
            nextInterest += std::max(1, terms.interestMonths);
            row.interestDue = true;
        }
        balance -= row.principal;
        row.remaining = balance;
        if (balance <= 0) {
            if (balance == 0)
                row.date = terms.maturity;
            row.principal += balance;
            row.remaining = 0;
            rows << row;
            break;
        }
        rows << row;
    }
    RerateFrom(rows, 0, terms.rateE4, terms);
    return rows;
}

void RerateFrom(QList<LoanRow>& rows, int from, qint64 rateE4, const LoanTerms& terms)
{
    if (from < 0 || from >= rows.size())
        return;
    if (terms.inAdvance) {
        // an interest row before `from` pays for a period reaching into it
        int start = from;
        while (start > 0 && !rows[start].interestDue)
            --start;
        interestInAdvance(rows, start, rateE4, terms);
    } else {
        interestInArrears(rows, from, rateE4, terms.opening);
    }
}

void ChangePrincipal(QList<LoanRow>& rows, int row, qint64 principal, const LoanTerms& terms)
{
    if (row < 0 || row >= rows.size())
        return;
    rows[row].principal = principal;
    qint64 balance = row > 0 ? rows[row - 1].remaining : terms.amount;
    int stop = int(rows.size()) - 1;
    for (int i = row; i < rows.size(); ++i) {
        LoanRow& r = rows[i];
        balance -= r.principal;
        r.remaining = balance;
        if (balance <= 0) {
            if (balance == 0)
                r.date = terms.maturity;
            r.principal += balance;
            r.remaining = 0;
            stop = i;
            break;
        }
    }
    if (balance > 0) {
        rows.last().principal += balance;
        rows.last().remaining = 0;
    }
    while (rows.size() > stop + 1)
        rows.removeLast();
    RerateFrom(rows, std::min(row, int(rows.size()) - 1), terms.rateE4, terms);
}

QList<SavingsRow> SavingsSchedule(const QDate& opening, const QDate& maturity, int payDay, bool lastDay,
                                  qint64 monthly)
{
    QList<SavingsRow> rows;
    const int span = MonthSpan(opening, maturity);
    const int first = monthIndex(opening);
    for (int i = 0; i < span; ++i) {
        SavingsRow row;
        row.tms = i + 1;
        row.date = i == span - 1 ? maturity : dateOfMonth(first + i, payDay, lastDay);
        row.amount = monthly;
        row.total = monthly * (i + 1);
        rows << row;
    }
    return rows;
}

bool IsHeadingCode(const QString& code) { return code.mid(2, 2) == QLatin1String("00"); }
bool IsCollectionCode(const QString& code) { return code.startsWith(QLatin1Char('1')); }
bool IsFixedAccountCode(const QString& code) { return code.startsWith(QLatin1Char('3')); }
bool IsSubgroupHead(const QString& code)
{
    return code.size() == 4 && code.startsWith(QLatin1Char('2')) && code.at(1) != QLatin1Char('0') && IsHeadingCode(code);
}

qint64 Millions(qint64 won)
{
    return won >= 0 ? (won + 500000) / 1000000 : -((-won + 500000) / 1000000);
}

Forecast BuildForecast(const ForecastInput& input)
{
    Forecast f;
    const int days = std::clamp(input.days, 0, 31);
    auto millionsOf = [days](const DayAmounts& won) {
        DayAmounts out{};
        for (int d = 0; d < days; ++d)
            out[d] = Millions(won[d]);
        return out;
    };
    auto lineOf = [days](ForecastLine::Kind kind, const QString& code, const QString& label, const DayAmounts& day) {
        ForecastLine line;
        line.kind = kind;
        line.code = code;
        line.label = label;
        line.day = day;
        for (int d = 0; d < days; ++d)
            line.total += day[d];
        return line;
    };

    // every row in whole millions; the sub-group heads carry their rows' sums
    QHash<QString, DayAmounts> subgroups;
    for (const PlanLine& plan : input.plans) {
        if (IsHeadingCode(plan.code))
            continue;
        DayAmounts& sum = subgroups[plan.code.left(2)];
        const DayAmounts m = millionsOf(plan.amounts);
        for (int d = 0; d < days; ++d)
            sum[d] += m[d];
    }
    DayAmounts collections{}, payments{}, deposits{}, terminations{};
    QList<ForecastLine> collectionLines, paymentLines;
    for (const PlanLine& plan : input.plans) {
        const DayAmounts m = millionsOf(plan.amounts);
        if (IsFixedAccountCode(plan.code)) {
            if (plan.code == QLatin1String("3010"))
                deposits = m;
            else if (plan.code == QLatin1String("3020"))
                terminations = m;
            continue;
        }
        const bool heading = IsHeadingCode(plan.code);
        ForecastLine line = lineOf(heading ? ForecastLine::Heading : ForecastLine::Detail, plan.code, plan.name,
                                   IsSubgroupHead(plan.code) ? subgroups.value(plan.code.left(2)) : m);
        DayAmounts& groupSum = IsCollectionCode(plan.code) ? collections : payments;
        if (!heading) {
            for (int d = 0; d < days; ++d)
                groupSum[d] += m[d];
        }
        (IsCollectionCode(plan.code) ? collectionLines : paymentLines) << line;
    }
    auto monthToDate = [days](const DayAmounts& day) {
        DayAmounts out{};
        qint64 running = 0;
        for (int d = 0; d < days; ++d)
            out[d] = running += day[d];
        return out;
    };

    // the recurrence of the balances
    qint64 balance = Millions(input.pettyCashBf + input.operatingBf + input.fixedBf);
    const qint64 broughtForward = balance;
    qint64 fixed = Millions(input.fixedBf);
    qint64 petty = input.pettyCashBf;
    for (int d = 0; d < days; ++d) {
        f.broughtForward[d] = balance;
        balance += collections[d] - payments[d];
        f.carriedForward[d] = balance;
        petty += input.pettyCashMoves[d];
        f.pettyCash[d] = Millions(petty);
        f.fixed[d] = fixed;
        f.operating[d] = f.carriedForward[d] - f.fixed[d] - f.pettyCash[d];
        fixed += deposits[d] - terminations[d];
    }

    ForecastLine bf = lineOf(ForecastLine::Balance, QString(), QStringLiteral("* BALANCE B/F"), f.broughtForward);
    bf.total = broughtForward;
    f.lines << bf;
    f.lines << collectionLines;
    f.lines << lineOf(ForecastLine::Total, QString(), QStringLiteral("Total Collection"), collections);
    ForecastLine mtd = lineOf(ForecastLine::MonthToDate, QString(), QStringLiteral("M-D-T"), monthToDate(collections));
    mtd.hasTotal = false;
    f.lines << mtd;
    f.lines << paymentLines;
    f.lines << lineOf(ForecastLine::Total, QString(), QStringLiteral("Total Payments"), payments);
    mtd = lineOf(ForecastLine::MonthToDate, QString(), QStringLiteral("M-D-T"), monthToDate(payments));
    mtd.hasTotal = false;
    f.lines << mtd;
    ForecastLine cf = lineOf(ForecastLine::Balance, QString(), QStringLiteral("* BALANCE C/F"), f.carriedForward);
    cf.total = broughtForward + f.lines[1 + collectionLines.size()].total
        - f.lines[3 + collectionLines.size() + paymentLines.size()].total;
    f.lines << cf;
    f.lines << lineOf(ForecastLine::Detail, QStringLiteral("3010"), QStringLiteral("Deposit"), deposits);
    f.lines << lineOf(ForecastLine::Detail, QStringLiteral("3020"), QStringLiteral("Termination"), terminations);
    for (const auto& [label, values] : {std::pair{QStringLiteral("* PETTY CASH"), f.pettyCash},
                                        std::pair{QStringLiteral("* OPERATING ACCOUNT"), f.operating},
                                        std::pair{QStringLiteral("* FIXED ACCOUNT"), f.fixed}}) {
        ForecastLine line = lineOf(ForecastLine::Account, QString(), label, values);
        line.hasTotal = false;
        f.lines << line;
    }
    return f;
}

}  // namespace Funds
