#pragma once
#include <QList>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariantList>

// Statements that users keep as data (the value lists of lookup management
// items) are run by other screens as they stand. They may only read: a stored
// statement is accepted when it is one SELECT, and it is always run inside a
// read-only transaction, so neither a second statement nor a writing function
// reaches the data.

// Why the text is not acceptable as a stored lookup statement, in Korean for
// the user; empty text when it is one SELECT (or WITH … SELECT) without a
// second statement and without any writing or transaction command. Quoted
// text, quoted names and comments are not examined for commands.
QString SelectStatementProblem(const QString& sql);

// Raises AppError with the problem's text when the statement is not acceptable.
void CheckSelectStatement(const QString& sql);

// While it lives, statements of the shared connection cannot write: inside an
// open transaction a savepoint is set and the transaction made read-only up to
// it; without one, a read-only transaction is started. The destructor (or
// end()) returns to the savepoint, which restores the writable state and
// undoes the failure of a statement run inside it, or ends the read-only
// transaction.
class ReadOnlyScope {
public:
    ReadOnlyScope();
    ~ReadOnlyScope();
    ReadOnlyScope(const ReadOnlyScope&) = delete;
    ReadOnlyScope& operator=(const ReadOnlyScope&) = delete;

    void end();
    bool insideTransaction() const { return m_savepoint; }

private:
    bool m_active = false;
    bool m_savepoint = false;
    int m_seq = 0;
};

// Checks the statement (CheckSelectStatement) and runs it through RunQuery
// inside a ReadOnlyScope; the rows are read into the returned query before
// the scope ends. Parameters bind as for RunQuery.
QSqlQuery RunReadOnlyQuery(const QString& sql, const QVariantList& params = {});

// The rows of a stored statement, read whole.
struct StoredRows {
    QSqlRecord record;
    QList<QVariantList> rows;
};

// The role stored statements run as: it may read the reference tables only.
inline constexpr const char* kLookupRole = "tv_lookup";
// How long a stored statement may run.
inline constexpr int kStoredStatementSeconds = 5;

// Runs a statement users keep as data, however it got into its table. It is
// checked again (CheckSelectStatement), then handed to the server as a bound
// value that the server opens as one cursor, so a second statement or a
// transaction command never runs; inside a read-only scope, as the lookup
// role and under a statement timeout, so it cannot write, end the
// transaction, act on another session or hold the connection for long. Named
// placeholders (:name) bind the parameters in order of occurrence, as text.
StoredRows RunStoredStatement(const QString& sql, const QVariantList& params = {});
