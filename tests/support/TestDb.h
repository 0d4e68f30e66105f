#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

// Access to the private cluster of the test run. Every test binary works on
// its own copy of the template database.
namespace TestDb {

// The client's login (the rights the client has) and the schema's owner
// (for fixtures the client may not write, and for creating databases).
inline const QString kUser = QStringLiteral("acct");
inline const QString kPassword = QStringLiteral("acct#2026");
inline const QString kOwner = QStringLiteral("tvowner");
inline const QString kOwnerPassword = QStringLiteral("tvowner#2026");
inline const QString kService = QStringLiteral("tvtest");

// The cluster of the run: TV_PG_DIR and TV_PG_PORT in the environment
// (benchmarks run against a cluster of their own), else the build's test
// cluster.
QString socketDir();
int port();

QString createDatabase();  // a fresh copy of the template
void dropDatabase(const QString& name);
QSqlDatabase openConnection(const QString& connectionName, const QString& database);
// A connection as the schema's owner, for fixtures beyond the client's rights.
QSqlDatabase openOwnerConnection(const QString& connectionName, const QString& database);
// Runs one statement as the owner on the current test database, values bound
// as the client binds them (:P0, :P1, …); for fixtures the client's login may
// not write (slips and what is posted from them). Raises on failure; answers
// the number of rows affected.
int ownerExec(const QString& sql, const QVariantList& params = {});
// Writes dir/pg_service.conf naming the service kService for the database
// (and kService + "_down" for a server that is not running) and points libpq
// at it; returns the file path.
QString writeServiceFile(const QString& dir, const QString& database);

}  // namespace TestDb

// A fresh database with the application's connection open on it and the
// session values a signed-in clerk would have.
class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    const QString& name() const { return m_name; }
    // The owner's connection to this database (opened on first use).
    QSqlDatabase owner();
    // Runs a statement as the owner; raises on failure.
    void ownerExec(const QString& sql) { TestDb::ownerExec(sql); }
    // Drops and recreates the database and reopens the connection.
    void reset();

private:
    void open();
    void close();
    QString m_name;
};
