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
    return TestDb::openConnection(kAdminConnection, QStringLiteral("postgres"));
}

void adminExec(const QString& sql)
{
    QSqlQuery q(adminConnection());
    if (!q.exec(sql))
        throw std::runtime_error(q.lastError().text().toStdString());
}

}  // namespace

namespace TestDb {

QString socketDir()
{
    return QStringLiteral(TV_TEST_PG_DIR "/run");
}

int port()
{
    return TV_TEST_PG_PORT;
}

QSqlDatabase openConnection(const QString& connectionName, const QString& database)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    db.setHostName(socketDir());
    db.setPort(port());
    db.setDatabaseName(database);
    db.setUserName(kUser);
    db.setPassword(kPassword);
    if (!db.open())
        throw std::runtime_error(("cannot open test database " + database + ": " + db.lastError().text()).toStdString());
    QSqlQuery(db).exec(QStringLiteral("SET datestyle = 'ISO, YMD'"));
    return db;
}

QString createDatabase()
{
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("tvt_%1_%2").arg(getpid()).arg(++counter);
    adminExec(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(name));
    adminExec(QStringLiteral("CREATE DATABASE %1 TEMPLATE tvacct_template").arg(name));
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

void TestDatabase::reset()
{
    close();
    open();
}

void TestDatabase::open()
{
    m_name = TestDb::createDatabase();
    TestDb::openConnection(QLatin1String(Db::kConnectionName), m_name);
    Session::programBaseName = QStringLiteral("tvacct");
    Session::dbUser = TestDb::kUser;
    Session::workstationIp = QStringLiteral("127.0.0.1");
    Session::empNo = QStringLiteral("1001");
    Session::empName = QStringLiteral("관리자");
    if (Session::exeDir.isEmpty())
        Session::exeDir = QDir::tempPath() + QLatin1Char('/');
}

void TestDatabase::close()
{
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
