#pragma once
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// The one way screens run SQL: every statement goes through RunQuery, which
// writes it with its timing into the daily SQL log beside the program.
//
// action: "Open"/"OPEN" (any case containing "open") opens a query that
// returns rows; anything else ("ExecSql") executes a statement.
// Values are bound positionally to the placeholders (:P0, :P1, … or ?);
// empty text travels as NULL. Statement errors raise ServerError (or
// DatabaseError when no native number applies); a log file that cannot be
// written raises before the statement runs.
void RunQuery(QSqlQuery& query, const QString& sql, const QVariantList& params, const QString& action);
QSqlQuery RunQuery(const QString& sql, const QVariantList& params = {}, const QString& action = QStringLiteral("Open"));

// Convenience for statements: executes and returns the affected row count.
int ExecSql(const QString& sql, const QVariantList& params = {});
// The values of the first row (empty when there is none), for statements run
// again and again, such as procedure calls.
QVariantList RunQueryRow(const QString& sql, const QVariantList& params = {});

// Drops the statements kept prepared on this thread's connection; called
// before that connection closes.
void ForgetPreparedStatements();

namespace SqlLog {
// Full path of today's log file.
QString fileName();
// "[YYYY-MM-DD  HH:NN:SS.ZZZ]  window    / "
QString prefix(const QDateTime& now, const QString& windowName);
// "HH:NN:SS.ZZZ" of an elapsed number of milliseconds.
QString gapText(qint64 elapsedMs);
// The line written after a statement that has values: " -- :P0='…', :P1=NULL"
// with each value as it travels (empty text as NULL, texts quoted SQL-wise,
// line breaks escaped); values named as the statement names them. The
// connection's password is never written. Empty when there are no values.
QString boundValuesLine(const QString& sql, const QVariantList& params);
}  // namespace SqlLog
