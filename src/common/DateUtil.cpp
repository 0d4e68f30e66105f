#include "common/DateUtil.h"
#include "common/Messages.h"
#include "common/TextUtil.h"
#include <QLocale>

QString TodayText()
{
    return QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
}

QString TodayDateText()
{
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString FormatDateText(const QString& text)
{
    const QString digits = DigitsOnly(text);
    if (digits.size() == 8) {
        const QDate d = QDate::fromString(digits, QStringLiteral("yyyyMMdd"));
        if (d.isValid())
            return d.toString(QStringLiteral("yyyy-MM-dd"));
    }
    return text;
}

QString FormatDateParts(const QString& text, const QString& sep1, const QString& sep2, bool trailing)
{
    const QString seps = sep1 + sep2;
    QString out;
    switch (text.size()) {
    case 4: out = QString::number(QDate::currentDate().year()) + seps + text.left(2) + seps + text.mid(2, 2); break;
    case 6: out = text.left(4) + seps + text.mid(4, 2); break;
    case 7: out = text.left(4) + seps + text.mid(5, 2); break;
    case 8: out = text.left(4) + seps + text.mid(4, 2) + seps + text.mid(6, 2); break;
    case 10: out = text.left(4) + seps + text.mid(5, 2) + seps + text.mid(8, 2); break;
    default: return QString();
    }
    return trailing ? out + sep1 : out;
}

bool IsDateTextOfKind(const QString& text, int kind)
{
    QString t = text;
    t.remove(QLatin1Char('-'));
    if (kind == 6)
        return t.size() == 6 && QDate::fromString(t + QStringLiteral("01"), QStringLiteral("yyyyMMdd")).isValid();
    if (kind == 8)
        return t.size() == 8 && QDate::fromString(t, QStringLiteral("yyyyMMdd")).isValid();
    return false;
}

QString LastDayText(const QString& yyyymm)
{
    if (yyyymm.size() != 6)
        return QString();
    const QDate first = QDate::fromString(yyyymm + QStringLiteral("01"), QStringLiteral("yyyyMMdd"));
    if (!first.isValid())
        return QString();
    return QString::number(first.daysInMonth());
}

int MonthsBetween(const QString& from, const QString& to)
{
    if (from.isEmpty() || to.isEmpty())
        return 0;
    if (to < from) {
        ShowInfo(QStringLiteral(" From 날짜보다 작습니다. "));
        return 0;
    }
    const int fromYear = from.left(4).toInt(), fromMonth = from.mid(4, 2).toInt();
    const int toYear = to.left(4).toInt(), toMonth = to.mid(4, 2).toInt();
    return (toYear - fromYear) * 12 + (fromMonth == toMonth ? 0 : toMonth - fromMonth + 1);
}

int DaysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && QDate::isLeapYear(year) ? 29 : days[month - 1];
}

QDate FirstDayOfMonth(const QDate& date)
{
    return QDate(date.year(), date.month(), 1);
}

QDate LastDayOfMonth(const QDate& date)
{
    return QDate(date.year(), date.month(), date.daysInMonth());
}

QDate FirstDayOfQuarter(const QDate& date)
{
    return QDate(date.year(), ((date.month() - 1) / 3) * 3 + 1, 1);
}

QDate LastDayOfQuarter(const QDate& date)
{
    return FirstDayOfQuarter(FirstDayOfQuarter(date).addDays(93)).addDays(-1);
}

QDate IncDateEx(int days, int months, int years, bool overflow, const QDate& date)
{
    int year = date.year(), month = date.month(), day = date.day();
    month += months % 12;
    year += years + months / 12;
    if (month > 12) { month -= 12; ++year; }
    if (month < 1) { month += 12; --year; }

    day += days;
    while (day <= 0) {
        if (--month < 1) { month = 12; --year; }
        day = DaysInMonth(year, month) - qAbs(day);
    }
    if (overflow) {
        while (day > DaysInMonth(year, month)) {
            day -= DaysInMonth(year, month);
            if (++month > 12) { month = 1; ++year; }
        }
    } else {
        day = qMin(day, DaysInMonth(year, month));
    }
    return QDate(year, month, day);
}

QDate IncMonths(int months, const QDate& date)
{
    return IncDateEx(0, months, 0, false, date);
}

QDate IncYears(int years, const QDate& date)
{
    return IncDateEx(0, 0, years, false, date);
}
