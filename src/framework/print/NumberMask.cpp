#include "framework/print/NumberMask.h"
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

bool isDigitChar(QChar c)
{
    return c == QLatin1Char('#') || c == QLatin1Char('0') || c == QLatin1Char(',') || c == QLatin1Char('.');
}

// Formats |value| with one section (no sign handling).
QString formatSection(double value, const QString& section)
{
    // Literal text around the digit pattern.
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < section.size(); ++i) {
        if (isDigitChar(section.at(i))) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return section;
    const QString prefix = section.left(first);
    const QString suffix = section.mid(last + 1);
    const QString pattern = section.mid(first, last - first + 1);

    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QString intPart = point < 0 ? pattern : pattern.left(point);
    const QString fracPart = point < 0 ? QString() : pattern.mid(point + 1);
    const bool grouping = intPart.contains(QLatin1Char(','));
    const int minInt = int(intPart.count(QLatin1Char('0')));
    const int minDec = int(fracPart.count(QLatin1Char('0')));
    const int maxDec = minDec + int(fracPart.count(QLatin1Char('#')));

    const double scale = std::pow(10.0, maxDec);
    const double rounded = std::round(std::fabs(value) * scale) / scale;
    QString digits = QString::number(rounded, 'f', maxDec);
    QString whole = digits;
    QString fraction;
    const qsizetype dot = digits.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        whole = digits.left(dot);
        fraction = digits.mid(dot + 1);
    }
    while (fraction.size() > minDec && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (whole == QLatin1String("0") && minInt == 0)
        whole.clear();
    while (whole.size() < minInt)
        whole.prepend(QLatin1Char('0'));
    if (grouping && whole.size() > 3) {
        QString grouped;
        int n = 0;
        for (qsizetype i = whole.size() - 1; i >= 0; --i) {
            grouped.prepend(whole.at(i));
            if (++n % 3 == 0 && i > 0)
                grouped.prepend(QLatin1Char(','));
        }
        whole = grouped;
    }
    QString body = whole;
    if (!fraction.isEmpty())
        body += QLatin1Char('.') + fraction;
    if (body.isEmpty())
        return QString();
    return prefix + body + suffix;
}

}  // namespace

QString FormatNumberMask(double value, const QString& mask)
{
    if (mask.isEmpty())
        return QLocale::c().toString(value, 'f', QLocale::FloatingPointShortest);
    const QStringList sections = mask.split(QLatin1Char(';'));
    if (value == 0 && sections.size() >= 3)
        return formatSection(0, sections.at(2));
    if (value < 0 && sections.size() >= 2)
        return formatSection(value, sections.at(1));
    const QString text = formatSection(value, sections.at(0));
    // A value that rounds to zero carries no sign.
    const bool nonZero = std::any_of(text.begin(), text.end(),
                                     [](QChar c) { return c >= QLatin1Char('1') && c <= QLatin1Char('9'); });
    if (value < 0 && nonZero)
        return QLatin1Char('-') + text;
    return text;
}
