#include "grid/DisplayFormat.h"
#include <QStringList>
#include <cmath>

namespace {

QStringList splitSections(const QString& format)
{
    QStringList sections;
    QString current;
    QChar quote;
    for (const QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            sections << current;
            current.clear();
            continue;
        }
        current.append(c);
    }
    sections << current;
    return sections;
}

struct Pattern {
    QString prefix;
    QString suffix;
    int intMin = 0;     // integer digits always shown
    int decMin = 0;     // decimals always shown
    int decMax = 0;     // decimals shown at most
    bool thousands = false;
    bool hasDigits = false;
};

Pattern parse(const QString& section)
{
    Pattern p;
    bool seenDigit = false;
    bool afterPoint = false;
    bool seenZero = false;
    int decPos = 0;
    QString pendingLiteral;  // literal text between placeholders is dropped
    QChar quote;
    for (const QChar c : section) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                (seenDigit ? pendingLiteral : p.prefix).append(c);
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            continue;
        }
        const bool zero = c == QLatin1Char('0');
        const bool hash = c == QLatin1Char('#');
        if (zero || hash) {
            seenDigit = true;
            pendingLiteral.clear();
            if (afterPoint) {
                ++decPos;
                p.decMax = decPos;
                if (zero)
                    p.decMin = decPos;
            } else {
                seenZero |= zero;
                if (seenZero)
                    ++p.intMin;
            }
        } else if (c == QLatin1Char('.') && !afterPoint) {
            afterPoint = true;
            seenDigit = true;
        } else if (c == QLatin1Char(',') && !afterPoint) {
            p.thousands = true;
        } else {
            (seenDigit ? pendingLiteral : p.prefix).append(c);
        }
    }
    p.suffix = pendingLiteral;
    p.hasDigits = seenDigit;
    return p;
}

QString groupThousands(const QString& digits)
{
    QString out;
    const int n = int(digits.size());
    out.reserve(n + n / 3);
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out.append(QLatin1Char(','));
        out.append(digits.at(i));
    }
    return out;
}

// The digits of |value| rounded half away from zero to `decimals` places.
void roundedDigits(double value, int decimals, QString& intPart, QString& fraction)
{
    const long double scale = std::pow(10.0L, decimals);
    long double scaled = std::fabs(static_cast<long double>(value)) * scale;
    // A tiny nudge keeps 1.005 and its kind (stored a hair below the tie)
    // rounding up as a person reading the number expects.
    scaled = std::floor(scaled + 0.5L + scaled * 1e-15L);
    QString all = QString::number(static_cast<double>(scaled), 'f', 0);
    if (all.size() <= decimals)
        all = QString(decimals - all.size() + 1, QLatin1Char('0')) + all;
    intPart = all.left(all.size() - decimals);
    fraction = all.right(decimals);
}

}  // namespace

QString FormatNumber(double value, const QString& format)
{
    if (format.isEmpty())
        return PlainNumberText(value);
    if (std::isnan(value) || std::isinf(value))
        return QString::number(value);

    const QStringList sections = splitSections(format);
    Pattern positive = parse(sections.at(0));
    Pattern pattern = positive;
    bool writeMinus = value < 0;
    if (value < 0 && sections.size() > 1 && !sections.at(1).isEmpty()) {
        pattern = parse(sections.at(1));
        writeMinus = false;
    }

    QString intPart, fraction;
    roundedDigits(value, pattern.decMax, intPart, fraction);
    const bool isZero = intPart.count(QLatin1Char('0')) == intPart.size()
        && fraction.count(QLatin1Char('0')) == fraction.size();
    if (isZero) {
        writeMinus = false;
        if (sections.size() > 2 && !sections.at(2).isEmpty()) {
            pattern = parse(sections.at(2));
            roundedDigits(0, pattern.decMax, intPart, fraction);
        } else if (value < 0 && sections.size() > 1) {
            // A negative value that rounds to zero is written by the positive section.
            pattern = positive;
            roundedDigits(0, pattern.decMax, intPart, fraction);
        }
    }
    if (!pattern.hasDigits)
        return pattern.prefix + pattern.suffix;

    // Trailing optional decimals go.
    while (fraction.size() > pattern.decMin && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    // Leading zeros are kept only as far as the "0" placeholders ask.
    while (intPart.size() > 0 && intPart.startsWith(QLatin1Char('0')) && intPart.size() > pattern.intMin)
        intPart.remove(0, 1);
    while (intPart.size() < pattern.intMin)
        intPart.prepend(QLatin1Char('0'));

    QString number = pattern.thousands ? groupThousands(intPart) : intPart;
    if (!fraction.isEmpty())
        number += QLatin1Char('.') + fraction;
    if (number.isEmpty())
        return pattern.prefix + pattern.suffix;
    return pattern.prefix + (writeMinus ? QStringLiteral("-") : QString()) + number + pattern.suffix;
}

QString PlainNumberText(double value)
{
    if (value == 0)
        return QStringLiteral("0");  // never "-0"
    if (std::isfinite(value) && std::floor(value) == value && std::fabs(value) < 1e15)
        return QString::number(value, 'f', 0);
    return QString::number(value, 'g', 15);
}
