#include "shell/SingleInstance.h"
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <unistd.h>

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), m_key(QStringLiteral("%1-%2").arg(key).arg(getuid()))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    m_lock = std::make_unique<QLockFile>(QDir::temp().filePath(m_key + QStringLiteral(".lock")));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        QLocalSocket socket;
        socket.connectToServer(m_key);
        if (socket.waitForConnected(2000)) {
            socket.write("raise\n");
            socket.waitForBytesWritten(2000);
            socket.disconnectFromServer();
        }
        return false;
    }
    m_server = new QLocalServer(this);
    QLocalServer::removeServer(m_key);  // a socket left by a crashed copy
    m_server->listen(m_key);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = m_server->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            emit raiseRequested();
        }
    });
    return true;
}
