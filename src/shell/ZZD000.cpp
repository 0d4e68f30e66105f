#include "shell/ZZD000.h"
#include "common/Db.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "shell/PasswordCodec.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QHostAddress>
#include <QHostInfo>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>

namespace {
TfrmZZD000* g_instance = nullptr;

QString conninfoQuoted(QString value)
{
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}
}  // namespace

TfrmZZD000::TfrmZZD000(const QStringList& args, QObject* parent) : QObject(parent)
{
    g_instance = this;
    DataModuleCreate(args);
}

TfrmZZD000::~TfrmZZD000()
{
    DisconnectDatabase();
    dbsDB = QSqlDatabase();
    QSqlDatabase::removeDatabase(QLatin1String(Db::kConnectionName));
    if (g_instance == this)
        g_instance = nullptr;
}

TfrmZZD000* TfrmZZD000::instance()
{
    return g_instance;
}

void TfrmZZD000::DataModuleCreate(const QStringList& args)
{
    const QString name = QLatin1String(Db::kConnectionName);
    if (QSqlDatabase::contains(name) && QSqlDatabase::database(name, false).isOpen()) {
        ShowError(QStringLiteral("프로그램 시작시 이미 DB에 접속되어 있습니다.\n"
                                 "문제가 발생할 수 있으므로 개발자에게 연락하십시오."));
        QSqlDatabase::database(name, false).close();
    }
    dbsDB = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                         : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);

    const QFileInfo program(QCoreApplication::applicationFilePath());
    Session::exeDir = program.absolutePath();
    if (!Session::exeDir.endsWith(QLatin1Char('/')))
        Session::exeDir += QLatin1Char('/');
    if (Session::programBaseName.isEmpty())
        Session::programBaseName = program.completeBaseName();
    Session::workstationIp = localIPv4(QHostInfo::localHostName());
    Session::empNo = args.value(2);
    Session::empName = args.value(3);

    if (args.size() != 4) {
        ShowError(QStringLiteral("이 프로그램은 단독으로 실행되지 않습니다.\n"
                                 "메인 프로그램(Talvane.exe)으로 실행하십시오."));
        m_terminate = true;
        return;
    }
    Session::dbUser = args.at(1);
    dbsDB.setConnectOptions(QStringLiteral("service=") + conninfoQuoted(args.at(0)));
    dbsDB.setUserName(args.at(1));
    dbsDB.setPassword(resolvePassword(Session::exeDir, args.at(1)));
    ConnectDatabase();
}

QString TfrmZZD000::resolvePassword(const QString& exeDir, const QString& dbUser)
{
    QSettings ini(exeDir + QStringLiteral("TVUpdate.ini"), QSettings::IniFormat);
    const QString encoded = ini.value(QStringLiteral("PROGRAM/PASS")).toString();
    return encoded.isEmpty() ? dbUser : PasswordCodec::decode(encoded);
}

QString TfrmZZD000::localIPv4(const QString& hostName)
{
    if (hostName.isEmpty())
        return QString();
    const QHostInfo info = QHostInfo::fromName(hostName);
    for (const QHostAddress& address : info.addresses()) {
        bool ok = false;
        const quint32 v4 = address.toIPv4Address(&ok);
        if (ok)
            return QStringLiteral("%1.%2.%3.%4").arg(v4 >> 24).arg((v4 >> 16) & 0xFF).arg((v4 >> 8) & 0xFF).arg(v4 & 0xFF);
    }
    return QString();
}

bool TfrmZZD000::ConnectDatabase()
{
    if (dbsDB.isOpen())
        return true;
    if (dbsDB.open()) {
        QSqlQuery session(dbsDB);
        // Statements compare dates with 'YYYY-MM-DD' texts.
        session.exec(QStringLiteral("SET datestyle = 'ISO, YMD'"));
        // The server's history of changes names who worked where.
        try {
            Db::announceSession(Session::projectId());
        } catch (const AppError& error) {
            ShowError(QStringLiteral("데이터베이스와 연결할 수 없습니다.\n\n에러내용:\n") + error.message());
            dbsDB.close();
            return false;
        }
        return true;
    }
    const ServerErrorEntry entry = Db::entryFrom(dbsDB.lastError());
    if (entry.message.contains(QLatin1String("ORA-00018")) || entry.message.contains(QLatin1String("ORA-00019"))) {
        ShowError(QStringLiteral("현재 너무 많은 사용자가 사용 중이므로 연결할 수 없습니다.\n잠시 후 다시 시도하십시오."));
    } else {
        ShowError(QStringLiteral("데이터베이스와 연결할 수 없습니다.\n\n에러내용:\n") + entry.message);
    }
    return false;
}

void TfrmZZD000::DisconnectDatabase()
{
    if (dbsDB.isOpen()) {
        ForgetPreparedStatements();
        SharedTransaction::instance().reset();
        dbsDB.close();
    }
}

bool TfrmZZD000::isConnected() const
{
    return dbsDB.isOpen();
}
