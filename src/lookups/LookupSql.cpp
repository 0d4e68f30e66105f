#include "lookups/LookupSql.h"
#include "lookups/LookupBtn.h"
#include "common/Db.h"

namespace LookupSql {

QVariantList valuesFor(const QString& sql, const QVariantMap& values)
{
    QVariantList bound;
    for (const QString& name : Db::placeholderNames(sql))
        bound << values.value(Lookup::paramKey(name));
    return bound;
}

QString freeName(const QString& sql, const QString& stem)
{
    QStringList used;
    for (const QString& name : Db::placeholderNames(sql))
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
