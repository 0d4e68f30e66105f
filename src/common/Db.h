#pragma once
#include "common/AppErrors.h"
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

// The thin layer between the application and QPSQL: binding with the
// empty-text-is-NULL rule, execution that raises typed errors, and the one
// table that maps PostgreSQL failures onto the native numbers users know.
namespace Db {

inline constexpr const char* kConnectionName = "dbsDB";

// The application's one connection; a worker thread (benchmarks, load
// tests) may name its own connection for the calls it makes.
QSqlDatabase connection();
void setThreadConnectionName(const QString& name);

// Empty text travels as NULL, as the rest of the system expects.
QVariant bindable(const QVariant& value);
// Statements name their values :P0, :P1, … (a name may appear several
// times) and value n binds to :Pn; others bind by position, value n to the
// n-th placeholder.
bool bindsByNumber(const QString& sql);
void bindAll(QSqlQuery& query, const QVariantList& params);

// The native number of a call made after the connection was lost.
inline constexpr int kNotConnected = 3114;

// The named placeholders (":name") of a statement in order of appearance,
// one entry per occurrence, recognised exactly as the SQL driver numbers
// them: a colon not preceded by a colon, followed by [A-Za-z0-9_], outside
// text quoted with ', " or `.
QStringList placeholderNames(const QString& sql);

// Native number for a PostgreSQL SQLSTATE and message; 0 when none applies.
int nativeErrorFor(const QString& sqlState, const QString& message);
ServerErrorEntry entryFrom(const QSqlError& error);
// Raises the error; a failure on a connection that is no longer open is
// reported as the lost connection whatever the driver said.
[[noreturn]] void raise(const QSqlError& error);

// Prepares (when sql is given) and executes; raises ServerError on failure,
// or DatabaseError when no native number applies.
void exec(QSqlQuery& query);
void exec(QSqlQuery& query, const QString& sql, const QVariantList& params = {});
// Runs a statement on the shared connection and returns the positioned query.
QSqlQuery run(const QString& sql, const QVariantList& params = {});
// First column of the first row, or an invalid QVariant when there is no row.
QVariant scalar(const QString& sql, const QVariantList& params = {});

// Tells the server who works on the connection (employee and workstation of
// the session) and in which program, for the history of changes it keeps.
void announceSession(const QString& programId);
// The program the user works in now.
void announceProgram(const QString& programId);

}  // namespace Db
