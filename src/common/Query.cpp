#include "common/Query.h"
#include "common/AppErrors.h"
#include "common/Db.h"
#include "common/Session.h"
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QWidget>

namespace {

QString activeWindowName()
{
    const QWidget* w = QApplication::activeWindow();
    if (!w)
        return QString();
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

void appendToLog(const QString& path, const QStringList& lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    QByteArray block;
    for (const QString& line : lines)
        block += line.toUtf8() + "\r\n";
    if (file.write(block) != block.size())
        throw AppError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}

}  // namespace

namespace SqlLog {

QString fileName()
{
    return Session::exeDir + QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('_')
        + Session::workstationIp + QLatin1Char('_') + Session::empNo + QLatin1Char('_') + Session::programBaseName
        + QStringLiteral(".LOG");
}

QString prefix(const QDateTime& now, const QString& windowName)
{
    return QLatin1Char('[') + now.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("  ")
        + now.toString(QStringLiteral("HH:mm:ss.zzz")) + QStringLiteral("]  ")
        + windowName.leftJustified(9, QLatin1Char(' ')) + QStringLiteral(" / ");
}

QString gapText(qint64 elapsedMs)
{
    return QTime::fromMSecsSinceStartOfDay(int(elapsedMs % (24LL * 3600 * 1000))).toString(QStringLiteral("HH:mm:ss.zzz"));
}

}  // namespace SqlLog

void RunQuery(QSqlQuery& query, const QString& sql, const QVariantList& params, const QString& action)
{
    const QString path = SqlLog::fileName();
    const QString prefix = SqlLog::prefix(QDateTime::currentDateTime(), activeWindowName());

    QStringList lines{prefix + QStringLiteral("Sql Statement")};
    for (const QString& line : sql.split(QLatin1Char('\n'))) {
        QString text = line;
        if (text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        if (!text.trimmed().isEmpty())
            lines << text;
    }
    appendToLog(path, lines);

    const bool opens = action.contains(QLatin1String("OPEN"), Qt::CaseInsensitive);
    QElapsedTimer timer;
    timer.start();
    Db::exec(query, sql, params);
    const qint64 elapsed = timer.elapsed();

    if (opens)
        appendToLog(path, {prefix + QStringLiteral("OpenTime_Gap = ") + SqlLog::gapText(elapsed)});
    else
        appendToLog(path, {prefix + QStringLiteral("ExecuteCount = ") + QString::number(query.numRowsAffected()),
                           prefix + QStringLiteral("ExecTime_Gap = ") + SqlLog::gapText(elapsed)});
}

QSqlQuery RunQuery(const QString& sql, const QVariantList& params, const QString& action)
{
    // Not forward-only: the driver would stream the rows, and a second
    // statement run while reading them (a very common pattern) drops the rest.
    QSqlQuery query(Db::connection());
    RunQuery(query, sql, params, action);
    return query;
}

int ExecSql(const QString& sql, const QVariantList& params)
{
    QSqlQuery query(Db::connection());
    RunQuery(query, sql, params, QStringLiteral("ExecSql"));
    return query.numRowsAffected();
}
