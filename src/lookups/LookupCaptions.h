#pragma once
#include <QString>
#include <QStringList>

// Korean captions of the code search window's columns. A screen gives the
// captions it knows by position; every other column is captioned from its
// field name: the known column names of the system's tables first, then a
// caption made from the lookup's subject (a management item's name) and what
// the field name says it holds. A raw field name is never shown.
namespace LookupCaptions {

// The caption of a known column name (any case, table alias ignored);
// empty when the name is not known.
QString forField(const QString& fieldName);

// The caption of result column `column` (0-based) of a lookup about
// `subject` (may be empty): the known caption, else one made from the
// subject and the field name's ending (code, name, date, number, amount),
// else the subject or "항목" with the column's number.
QString caption(const QString& fieldName, int column, const QString& subject);

// The captions slip entry gives the first columns of a management item's
// value list; the columns after them are captioned by caption().
QStringList forItem(const QString& mgCode);

}  // namespace LookupCaptions
