#pragma once
#include <QObject>
#include <QSqlDatabase>
#include <QStringList>

// The data module: the session set-up from the launcher's arguments and the
// one database connection of the process.
class TfrmZZD000 : public QObject {
    Q_OBJECT
public:
    // args: the four launcher arguments (without the program path).
    explicit TfrmZZD000(const QStringList& args, QObject* parent = nullptr);
    ~TfrmZZD000() override;

    static TfrmZZD000* instance();

    bool ConnectDatabase();
    void DisconnectDatabase();
    bool isConnected() const;
    // Set when the arguments were refused and the program must end.
    bool terminateRequested() const { return m_terminate; }

    // The password the launcher left in TVUpdate.ini, or the user name.
    static QString resolvePassword(const QString& exeDir, const QString& dbUser);
    // First IPv4 address of the host name, or empty when it does not resolve.
    static QString localIPv4(const QString& hostName);

private:
    void DataModuleCreate(const QStringList& args);

    QSqlDatabase dbsDB;
    bool m_terminate = false;
};
