#include "support/ServerCpu.h"
#include "common/Db.h"
#include <QFile>
#include <unistd.h>

double serverCpuSeconds()
{
    const qint64 pid = Db::scalar(QStringLiteral("SELECT pg_backend_pid()")).toLongLong();
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}
