#pragma once
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;

// Keeps a second copy from running: the first copy holds a lock file and
// listens on a local socket; a second copy asks it to come forward and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the only copy; otherwise the running copy has
    // been told to raise its main window.
    bool acquire();

signals:
    void raiseRequested();

private:
    QString m_key;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
