#include "common/Query.h"
#include "common/AppErrors.h"
#include "common/Db.h"
#include "common/Session.h"
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <memory>
#include <unordered_map>
#include <QSqlRecord>
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

// A bound value as the log shows it: SQL literal style, so that NULL, an
// empty-looking text and a number are never confused.
QString valueText(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QStringLiteral("NULL");
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toString();
    case QMetaType::QDate:
        return QLatin1Char('\'') + value.toDate().toString(Qt::ISODate) + QLatin1Char('\'');
    case QMetaType::QDateTime:
        return QLatin1Char('\'') + value.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")) + QLatin1Char('\'');
    case QMetaType::QTime:
        return QLatin1Char('\'') + value.toTime().toString(QStringLiteral("hh:mm:ss.zzz")) + QLatin1Char('\'');
    case QMetaType::QByteArray:
        return QStringLiteral("<%1 bytes>").arg(value.toByteArray().size());
    default:
        break;
    }
    QString text = value.toString();
    text.replace(QLatin1Char('\''), QLatin1String("''"));
    // A value with line breaks would break the log's line structure.
    bool escaped = false;
    for (QChar c : text) {
        if (c.unicode() < 0x20) {
            escaped = true;
            break;
        }
    }
    if (!escaped)
        return QLatin1Char('\'') + text + QLatin1Char('\'');
    QString out;
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\': out += QLatin1String("\\\\"); break;
        case u'\n': out += QLatin1String("\\n"); break;
        case u'\r': out += QLatin1String("\\r"); break;
        case u'\t': out += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return QStringLiteral("E'") + out + QLatin1Char('\'');
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

QString boundValuesLine(const QString& sql, const QVariantList& params)
{
    if (params.isEmpty())
        return QString();
    const QStringList names = Db::placeholderNames(sql);
    const bool byNumber = Db::bindsByNumber(sql);
    const QString password = Db::connection().password();
    QStringList parts;
    for (int i = 0; i < params.size(); ++i) {
        const QString name = byNumber ? QStringLiteral(":P%1").arg(i)
            : i < names.size()        ? QLatin1Char(':') + names.at(i)
                                      : QStringLiteral("$%1").arg(i + 1);
        const QVariant value = Db::bindable(params.at(i));
        const bool secret = !password.isEmpty() && value.typeId() == QMetaType::QString && value.toString() == password;
        parts << name + QLatin1Char('=') + (secret ? QStringLiteral("*****") : valueText(value));
    }
    return QStringLiteral(" -- ") + parts.join(QStringLiteral(", "));
}

}  // namespace SqlLog

namespace {

// Writes the statement block, runs it, writes the timing block; a statement
// that fails leaves its block without timing.
template <typename Execute>
void runLogged(QSqlQuery& query, const QString& sql, const QVariantList& params, const QString& action,
               Execute execute)
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
    if (!params.isEmpty())
        lines << SqlLog::boundValuesLine(sql, params);
    appendToLog(path, lines);

    const bool opens = action.contains(QLatin1String("OPEN"), Qt::CaseInsensitive);
    QElapsedTimer timer;
    timer.start();
    execute();
    const qint64 elapsed = timer.elapsed();

    if (opens)
        appendToLog(path, {prefix + QStringLiteral("OpenTime_Gap = ") + SqlLog::gapText(elapsed)});
    else
        appendToLog(path, {prefix + QStringLiteral("ExecuteCount = ") + QString::number(query.numRowsAffected()),
                           prefix + QStringLiteral("ExecTime_Gap = ") + SqlLog::gapText(elapsed)});
}

// Statements a session runs again and again with other values (staging
// inserts, procedure calls) stay prepared on their connection: preparing is a
// round trip of its own.
struct PreparedStatement {
    QSqlQuery query;
    bool prepared = false;
};

using PreparedCache = std::unordered_map<QString, std::unique_ptr<PreparedStatement>>;

PreparedCache& preparedCache()
{
    thread_local PreparedCache cache;
    return cache;
}

PreparedStatement& preparedStatement(const QString& sql)
{
    PreparedCache& cache = preparedCache();
    const QSqlDatabase db = Db::connection();
    const QString key = db.connectionName() + QLatin1Char('\x1f') + sql;
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() >= 64)
            cache.clear();
        auto statement = std::make_unique<PreparedStatement>();
        statement->query = QSqlQuery(db);
        it = cache.emplace(key, std::move(statement)).first;
    }
    return *it->second;
}

// Runs a statement with parameters through the prepared-statement cache; a
// failure drops it, so the next call prepares afresh.
QSqlQuery& runPrepared(const QString& sql, const QVariantList& params, const QString& action)
{
    PreparedStatement& statement = preparedStatement(sql);
    runLogged(statement.query, sql, params, action, [&] {
        try {
            if (!statement.prepared) {
                if (!statement.query.prepare(sql))
                    Db::raise(statement.query.lastError());
                statement.prepared = true;
            }
            Db::bindAll(statement.query, params);
            Db::exec(statement.query);
        } catch (...) {
            statement.prepared = false;
            statement.query = QSqlQuery(Db::connection());
            throw;
        }
    });
    return statement.query;
}

}  // namespace

void ForgetPreparedStatements()
{
    preparedCache().clear();
}

void RunQuery(QSqlQuery& query, const QString& sql, const QVariantList& params, const QString& action)
{
    runLogged(query, sql, params, action, [&] { Db::exec(query, sql, params); });
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
    if (params.isEmpty()) {
        QSqlQuery query(Db::connection());
        RunQuery(query, sql, params, QStringLiteral("ExecSql"));
        return query.numRowsAffected();
    }
    return runPrepared(sql, params, QStringLiteral("ExecSql")).numRowsAffected();
}

QVariantList RunQueryRow(const QString& sql, const QVariantList& params)
{
    QSqlQuery& query = runPrepared(sql, params, QStringLiteral("Open"));
    QVariantList row;
    if (query.next())
        for (int i = 0; i < query.record().count(); ++i)
            row << query.value(i);
    query.finish();
    return row;
}
