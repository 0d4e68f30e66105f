#include "support/TestDb.h"
#include "common/Db.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <atomic>
#include <stdexcept>
#include <unistd.h>

namespace {

const QString kAdminConnection = QStringLiteral("tv_test_admin");

QSqlDatabase adminConnection()
{
    if (QSqlDatabase::contains(kAdminConnection))
        return QSqlDatabase::database(kAdminConnection);
    return TestDb::openOwnerConnection(kAdminConnection, QStringLiteral("postgres"));
}

void adminExec(const QString& sql)
{
    QSqlQuery q(adminConnection());
    if (!q.exec(sql))
        throw std::runtime_error(q.lastError().text().toStdString());
}

}  // namespace

namespace {
TestDatabase* g_current = nullptr;
}

namespace TestDb {

int ownerExec(const QString& sql, const QVariantList& params)
{
    if (!g_current)
        throw std::runtime_error("no test database is open");
    QSqlQuery q(g_current->owner());
    const bool ok = params.isEmpty() ? q.exec(sql) : (q.prepare(sql) && (Db::bindAll(q, params), q.exec()));
    if (!ok)
        throw std::runtime_error((q.lastError().text() + QStringLiteral(" / ") + sql).toStdString());
    return q.numRowsAffected();
}

QString socketDir()
{
    const QString dir = qEnvironmentVariable("TV_PG_DIR");
    return (dir.isEmpty() ? QStringLiteral(TV_TEST_PG_DIR) : dir) + QStringLiteral("/run");
}

int port()
{
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("TV_PG_PORT", &ok);
    return ok ? fromEnvironment : TV_TEST_PG_PORT;
}

namespace {

QSqlDatabase openAs(const QString& connectionName, const QString& database, const QString& user,
                    const QString& password)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    db.setHostName(socketDir());
    db.setPort(port());
    db.setDatabaseName(database);
    db.setUserName(user);
    db.setPassword(password);
    if (!db.open())
        throw std::runtime_error(("cannot open test database " + database + ": " + db.lastError().text()).toStdString());
    QSqlQuery(db).exec(QStringLiteral("SET datestyle = 'ISO, YMD'"));
    return db;
}

}  // namespace

QSqlDatabase openConnection(const QString& connectionName, const QString& database)
{
    return openAs(connectionName, database, kUser, kPassword);
}

QSqlDatabase openOwnerConnection(const QString& connectionName, const QString& database)
{
    return openAs(connectionName, database, kOwner, kOwnerPassword);
}

QString createDatabase()
{
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("tvt_%1_%2").arg(getpid()).arg(++counter);
    adminExec(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(name));
    adminExec(QStringLiteral("CREATE DATABASE %1 TEMPLATE tvacct_template").arg(name));
    // Tests build small fixture tables of their own; the client's login may
    // not create anything in the application's schemas, so they go into a
    // scratch schema that comes first on its search path in this database.
    {
        QSqlDatabase owner = openOwnerConnection(QStringLiteral("tv_test_setup"), name);
        QSqlQuery q(owner);
        const QStringList setup{
            QStringLiteral("CREATE SCHEMA tv_test"),
            QStringLiteral("GRANT USAGE, CREATE ON SCHEMA tv_test TO %1").arg(kUser),
            QStringLiteral("ALTER DATABASE %1 SET search_path = tv_test, public").arg(name)};
        for (const QString& sql : setup)
            if (!q.exec(sql))
                throw std::runtime_error(q.lastError().text().toStdString());
        owner.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("tv_test_setup"));
    return name;
}

void dropDatabase(const QString& name)
{
    adminExec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name));
}

QString writeServiceFile(const QString& dir, const QString& database)
{
    const QString path = QDir(dir).filePath(QStringLiteral("pg_service.conf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write the service file");
    QTextStream out(&file);
    out << '[' << kService << "]\nhost=" << socketDir() << "\nport=" << port() << "\ndbname=" << database << '\n';
    // A service whose server is not running, for the refused-connection cases.
    out << '[' << kService << "_down]\nhost=" << QDir(dir).filePath(QStringLiteral("no-server")) << "\nport=" << port()
        << "\ndbname=" << database << '\n';
    qputenv("PGSERVICEFILE", path.toLocal8Bit());
    return path;
}

}  // namespace TestDb

TestDatabase::TestDatabase()
{
    open();
}

TestDatabase::~TestDatabase()
{
    close();
}

QSqlDatabase TestDatabase::owner()
{
    const QString connection = QStringLiteral("tv_test_owner");
    if (QSqlDatabase::contains(connection)) {
        {
            QSqlDatabase db = QSqlDatabase::database(connection, false);
            if (db.databaseName() == m_name && db.isOpen())
                return db;
            db.close();
        }
        QSqlDatabase::removeDatabase(connection);
    }
    return TestDb::openOwnerConnection(connection, m_name);
}


void TestDatabase::reset()
{
    close();
    open();
}

void TestDatabase::open()
{
    g_current = this;
    m_name = TestDb::createDatabase();
    TestDb::openConnection(QLatin1String(Db::kConnectionName), m_name);
    Session::programBaseName = QStringLiteral("tvacct");
    Session::dbUser = TestDb::kUser;
    Session::workstationIp = QStringLiteral("127.0.0.1");
    Session::empNo = QStringLiteral("1001");
    Session::empName = QStringLiteral("관리자");
    if (Session::exeDir.isEmpty())
        Session::exeDir = QDir::tempPath() + QLatin1Char('/');
    Db::announceSession(Session::projectId());
}

void TestDatabase::close()
{
    if (g_current == this)
        g_current = nullptr;
    if (QSqlDatabase::contains(QStringLiteral("tv_test_owner"))) {
        QSqlDatabase::database(QStringLiteral("tv_test_owner"), false).close();
        QSqlDatabase::removeDatabase(QStringLiteral("tv_test_owner"));
    }
    ForgetPreparedStatements();
    SharedTransaction::instance().reset();
    if (QSqlDatabase::contains(QLatin1String(Db::kConnectionName))) {
        {
            QSqlDatabase db = QSqlDatabase::database(QLatin1String(Db::kConnectionName), false);
            db.close();
        }
        QSqlDatabase::removeDatabase(QLatin1String(Db::kConnectionName));
    }
    if (!m_name.isEmpty())
        TestDb::dropDatabase(m_name);
    m_name.clear();
}
