#include "common/TextUtil.h"
#include "common/Cp949.h"

QString DigitsOnly(const QString& text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (i == 0 && c == QLatin1Char('-')))
            out.append(c);
    }
    return out;
}

bool IsNumberText(const QString& text, int options)
{
    if (text.isEmpty())
        return !(options & ntRejectEmpty);
    bool nonZeroDigit = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isDigit() && c.unicode() < 0x80) {
            nonZeroDigit |= c != QLatin1Char('0');
        } else if (c == QLatin1Char('-')) {
            if (!(options & ntAllowMinus) || text.indexOf(c, i + 1) >= 0)
                return false;
        } else if (c == QLatin1Char('.')) {
            if (!(options & ntAllowPoint) || text.indexOf(c, i + 1) >= 0)
                return false;
        } else if (c == QLatin1Char(',')) {
            if (!(options & ntAllowComma))
                return false;
        } else {
            return false;
        }
    }
    return nonZeroDigit || (options & ntAcceptZero);
}

QString StripCommas(const QString& text)
{
    if (text.trimmed().isEmpty())
        return QStringLiteral("0");
    QString out = text;
    return out.remove(QLatin1Char(','));
}

QString RemoveAll(const QString& sub, const QString& text)
{
    if (sub.isEmpty())
        return text;
    QString out = text;
    while (out.contains(sub))
        out.remove(sub);
    return out;
}

int CountParts(const QString& text, const QString& separator)
{
    // Occurrences are counted the way SplitText cuts: one after the other,
    // never overlapping, so the caller's room always fits the pieces.
    if (separator.isEmpty())
        return 1;
    int count = 1;
    for (qsizetype at = text.indexOf(separator); at >= 0; at = text.indexOf(separator, at + separator.size()))
        ++count;
    return count;
}

QStringList SplitText(int lastIndex, const QString& text, const QString& separator)
{
    QStringList pieces;
    if (!text.isEmpty()) {
        const QStringList parts = separator.isEmpty() ? QStringList{text} : text.split(separator);
        for (const QString& p : parts)
            pieces << p.trimmed();
    }
    while (pieces.size() <= lastIndex)
        pieces << QString();
    return pieces;
}

QString PadLeft(const QString& text, int width, QChar fill)
{
    const QString t = text.trimmed();
    const int missing = width - Cp949::byteLength(t);
    return missing > 0 ? QString(missing, fill) + t : t;
}

QString PadRight(const QString& text, int width, QChar fill)
{
    const QString t = text.trimmed();
    const int missing = width - Cp949::byteLength(t);
    return missing > 0 ? t + QString(missing, fill) : t;
}

QString ZeroPadLeft(const QString& text, int width)
{
    const QString t = text.trimmed();
    const int len = Cp949::byteLength(t);
    if (len > width)
        return Cp949::leftBytes(t, width);
    return QString(width - len, QLatin1Char('0')) + t;
}

QString FitText(int width, bool rightAlign, const QString& text)
{
    const int len = Cp949::byteLength(text);
    if (len >= width)
        return Cp949::leftBytes(text, width);
    const QString blanks(width - len, QLatin1Char(' '));
    return rightAlign ? blanks + text : text + blanks;
}

bool CheckBizRegNo(const QString& text)
{
    if (text.size() != 10)
        return false;
    int d[10];
    for (int i = 0; i < 10; ++i) {
        if (!text.at(i).isDigit() || text.at(i).unicode() >= 0x80)
            return false;
        d[i] = text.at(i).digitValue();
    }
    static const int weights[8] = {1, 3, 7, 1, 3, 7, 1, 3};
    int s = 0;
    for (int i = 0; i < 8; ++i)
        s += d[i] * weights[i];
    s += (d[8] * 5) / 10 + (d[8] * 5) % 10;
    return (10 - s % 10) % 10 == d[9];
}
