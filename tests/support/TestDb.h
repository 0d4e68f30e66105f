#pragma once
#include <QSqlDatabase>
#include <QString>

// Access to the private cluster of the test run. Every test binary works on
// its own copy of the template database.
namespace TestDb {

inline const QString kUser = QStringLiteral("acct");
inline const QString kPassword = QStringLiteral("acct#2026");
inline const QString kService = QStringLiteral("tvtest");

QString socketDir();
int port();

QString createDatabase();  // a fresh copy of the template
void dropDatabase(const QString& name);
QSqlDatabase openConnection(const QString& connectionName, const QString& database);
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
    // Drops and recreates the database and reopens the connection.
    void reset();

private:
    void open();
    void close();
    QString m_name;
};
