#include "lookups/LookupSql.h"
#include "lookups/LookupBtn.h"

namespace LookupSql {

namespace {

bool isNameChar(QChar ch)
{
    const char16_t u = ch.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_';
}

}  // namespace

QStringList placeholderNames(const QString& sql)
{
    // Must agree with the driver's own scan, occurrence by occurrence: the
    // bound list is positional.
    QStringList names;
    const qsizetype n = sql.size();
    QChar closingQuote;
    qsizetype i = 0;
    while (i < n) {
        const QChar ch = sql.at(i);
        if (!closingQuote.isNull()) {
            if (ch == closingQuote)
                closingQuote = QChar();
            ++i;
        } else if (ch == u':' && (i == 0 || sql.at(i - 1) != u':') && i + 1 < n && isNameChar(sql.at(i + 1))) {
            qsizetype end = i + 2;
            while (end < n && isNameChar(sql.at(end)))
                ++end;
            names << sql.mid(i + 1, end - i - 1);
            i = end;
        } else {
            if (ch == u'\'' || ch == u'"' || ch == u'`')
                closingQuote = ch;
            ++i;
        }
    }
    return names;
}

QVariantList valuesFor(const QString& sql, const QVariantMap& values)
{
    QVariantList bound;
    for (const QString& name : placeholderNames(sql))
        bound << values.value(Lookup::paramKey(name));
    return bound;
}

QString freeName(const QString& sql, const QString& stem)
{
    QStringList used;
    for (const QString& name : placeholderNames(sql))
        used << Lookup::paramKey(name);
    QString name = stem;
    for (int k = 1; used.contains(Lookup::paramKey(name)); ++k)
        name = stem + QString::number(k);
    return name;
}

QStringList splitLines(const QStringList& sql)
{
    QStringList lines;
    for (const QString& entry : sql) {
        for (QString line : entry.split(QLatin1Char('\n'))) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            lines << line;
        }
    }
    return lines;
}

QStringList insertCondition(const QStringList& lines, const QString& condition)
{
    int fromLine = -1, whereLine = -1, andLine = -1, groupLine = -1, orderLine = -1;
    for (int i = 1; i < lines.size(); ++i) {
        const QString line = lines.at(i).toLower();
        if (line.contains(QLatin1String("from ")))
            fromLine = i;
        if (line.contains(QLatin1String("where ")))
            whereLine = i;
        if (line.contains(QLatin1String("and ")))
            andLine = i;
        if (line.contains(QLatin1String("group by")))
            groupLine = i;
        if (line.contains(QLatin1String("order by")))
            orderLine = i;
    }

    QStringList out = lines;
    if (whereLine >= 0) {
        const int after = andLine > fromLine && andLine > whereLine ? andLine : whereLine;
        out.insert(after + 1, QStringLiteral("AND ") + condition);
    } else if (groupLine >= 0) {
        out.insert(groupLine, QStringLiteral("WHERE ") + condition);
    } else if (orderLine >= 0) {
        out.insert(orderLine, QStringLiteral("WHERE ") + condition);
    } else {
        out << QStringLiteral("WHERE ") + condition;
    }
    return out;
}

}  // namespace LookupSql
