#pragma once
#include <QStringList>
#include <QVariant>

// Statement handling of the lookups: named parameters and the search
// condition of the code search window. Values never become SQL text: the
// statement carries placeholders and the values travel in the bound list.
namespace LookupSql {

// The bound values for every placeholder occurrence, looked up by name
// (Lookup::paramKey) in values, placeholders as Db::placeholderNames finds
// them; a name without a value binds NULL.
QVariantList valuesFor(const QString& sql, const QVariantMap& values);

// A placeholder name (without the colon) built from stem that the statement
// does not use yet.
QString freeName(const QString& sql, const QString& stem);

// Inserts the search condition into a statement kept as lines. The first
// line is never examined; the last lines containing "from ", "where ",
// "and ", "group by" and "order by" (any case) decide where it goes:
// "AND condition" after the last AND line when that follows both the FROM
// and the WHERE line, else after the WHERE line; without a WHERE line,
// "WHERE condition" before the GROUP BY line, else before the ORDER BY
// line, else at the end.
QStringList insertCondition(const QStringList& lines, const QString& condition);

// The statement's lines: each list entry may itself hold several lines.
QStringList splitLines(const QStringList& sql);

}  // namespace LookupSql
