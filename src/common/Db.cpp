#include "common/Db.h"
#include "common/Session.h"
#include <QRegularExpression>
#include <QSqlError>

namespace Db {

namespace {
thread_local QString t_connectionName;

bool isNameChar(QChar ch)
{
    const char16_t u = ch.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_';
}
}  // namespace

QSqlDatabase connection()
{
    return QSqlDatabase::database(t_connectionName.isEmpty() ? QLatin1String(kConnectionName) : t_connectionName, false);
}

void setThreadConnectionName(const QString& name)
{
    t_connectionName = name;
}

QVariant bindable(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString && value.toString().isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    return value;
}

bool bindsByNumber(const QString& sql)
{
    static const QRegularExpression numbered(QStringLiteral(":P\\d+\\b"));
    return numbered.match(sql).hasMatch();
}

void bindAll(QSqlQuery& query, const QVariantList& params)
{
    const bool byName = bindsByNumber(query.lastQuery());
    for (int i = 0; i < params.size(); ++i) {
        if (byName)
            query.bindValue(QStringLiteral(":P%1").arg(i), bindable(params.at(i)));
        else
            query.bindValue(i, bindable(params.at(i)));
    }
}

QStringList placeholderNames(const QString& sql)
{
    // Must agree with the driver's own scan, occurrence by occurrence: the
    // bound list is positional.
    QStringList names;
    const qsizetype n = sql.size();
    QChar closingQuote;
    qsizetype i = 0;
    while (i < n) {
        const QChar ch = sql.at(i);
        if (!closingQuote.isNull()) {
            if (ch == closingQuote)
                closingQuote = QChar();
            ++i;
        } else if (ch == u':' && (i == 0 || sql.at(i - 1) != u':') && i + 1 < n && isNameChar(sql.at(i + 1))) {
            qsizetype end = i + 2;
            while (end < n && isNameChar(sql.at(end)))
                ++end;
            names << sql.mid(i + 1, end - i - 1);
            i = end;
        } else {
            if (ch == u'\'' || ch == u'"' || ch == u'`')
                closingQuote = ch;
            ++i;
        }
    }
    return names;
}

int nativeErrorFor(const QString& sqlState, const QString& message)
{
    struct StateRow { const char* state; int native; };
    static const StateRow byState[] = {
        {"23505", 1},     {"55P03", 54},    {"42P01", 942},   {"28P01", 1017},
        {"28000", 1017},  {"23502", 1400},  {"53300", 18},    {"40P01", 60},
        {"22P02", 1722},  {"22001", 12899}, {"22003", 1438},  {"42501", 1031},
        {"57014", 1013},  {"08000", 3113},  {"08003", 3113},  {"08006", 3113},
        {"57P01", 3113},  {"57P02", 3113},  {"57P03", 3113},  {"08001", 12541},
        {"08004", 12541}, {"22008", 1847},  {"22007", 1861},  {"42883", 904},
        {"42703", 904},   {"42601", 900},   {"22012", 1476},  {"23514", 2290},
        {"21000", 1427},  {"25006", 1456},  {"40001", 8177},
    };
    if (sqlState.size() == 5 && sqlState.startsWith(QLatin1String("UE"))) {
        bool ok = false;
        const int n = sqlState.mid(2).toInt(&ok);
        if (ok)
            return 20000 + n;
    }
    if (sqlState == QLatin1String("23503"))
        return message.contains(QLatin1String("update or delete on table")) ? 2292 : 2291;
    for (const auto& row : byState)
        if (sqlState == QLatin1String(row.state))
            return row.native;

    // Connection-level failures come from libpq without a SQLSTATE.
    struct TextRow { const char* fragment; int native; };
    // The per-database and per-role limits name the database or role in
    // their text, so they are tested before the name fragments below.
    static const TextRow byText[] = {
        {"too many connections for", 18},
        {"too many clients", 18},
        {"remaining connection slots are reserved", 18},
        {"password authentication failed", 1017},
        {"no password supplied", 1017},
        {"role \"", 1017},
        {"definition of service", 12154},
        {"could not translate host name", 12154},
        {"database \"", 12514},
        {"server closed the connection", 3113},
        {"no connection to the server", 3113},
        {"terminating connection", 3113},
        {"connection to server", 12541},
        {"Connection refused", 12541},
        {"could not connect", 12541},
    };
    for (const auto& row : byText)
        if (message.contains(QLatin1String(row.fragment)))
            return row.native;
    return 0;
}

ServerErrorEntry entryFrom(const QSqlError& error)
{
    ServerErrorEntry entry;
    entry.kindName = error.nativeErrorCode();
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    // libpq prefixes severity words that only add noise to the user's text.
    static const QRegularExpression severity(QStringLiteral("^(FATAL|ERROR):\\s+"));
    text.remove(severity);
    // Keep the message and its detail; the PL/pgSQL call stack, the echoed
    // statement and the SQLSTATE the driver appends are noise to the user.
    static const QRegularExpression sqlStateSuffix(QStringLiteral("\\s*\\([0-9A-Z]{5}\\)\\s*$"));
    text.remove(sqlStateSuffix);
    for (const char* tail : {"\nCONTEXT:", "\nLINE ", "\nQUERY:"}) {
        const qsizetype at = text.indexOf(QLatin1String(tail));
        if (at >= 0)
            text.truncate(at);
    }
    text = text.trimmed();
    entry.nativeError = nativeErrorFor(entry.kindName, text);
    entry.message = entry.nativeError
        ? QStringLiteral("ORA-%1: %2").arg(entry.nativeError, 5, 10, QLatin1Char('0')).arg(text)
        : text;
    return entry;
}

void raise(const QSqlError& error)
{
    ServerErrorEntry entry = entryFrom(error);
    // Once the server has dropped the session the driver closes the
    // connection, and every later call fails before it reaches the server,
    // without a text of its own. The user must still hear that the
    // connection is gone, every time.
    if (entry.nativeError == 0 && !connection().isOpen()) {
        entry.nativeError = kNotConnected;
        entry.kindName = QStringLiteral("08003");
        entry.message = QStringLiteral("ORA-%1: not connected to the database server").arg(kNotConnected, 5, 10, QLatin1Char('0'));
        if (!error.text().trimmed().isEmpty())
            entry.message += QStringLiteral(" (%1)").arg(error.text().trimmed());
    }
    // Without a native number the error dialog would have nothing to show for
    // a server report; such a failure is a database error, shown with its
    // text.
    if (entry.nativeError == 0)
        throw DatabaseError(entry.message);
    throw ServerError({entry});
}

void exec(QSqlQuery& query)
{
    if (!query.exec())
        raise(query.lastError());
}

void exec(QSqlQuery& query, const QString& sql, const QVariantList& params)
{
    // The server prepares only plain DML; a statement without parameters
    // (DDL, SET, a procedure block) runs directly.
    if (params.isEmpty()) {
        if (!query.exec(sql))
            raise(query.lastError());
        return;
    }
    if (!query.prepare(sql))
        raise(query.lastError());
    bindAll(query, params);
    exec(query);
}

QSqlQuery run(const QString& sql, const QVariantList& params)
{
    QSqlQuery query(connection());
    exec(query, sql, params);
    return query;
}

QVariant scalar(const QString& sql, const QVariantList& params)
{
    QSqlQuery query = run(sql, params);
    return query.next() ? query.value(0) : QVariant();
}

void announceSession(const QString& programId)
{
    run(QStringLiteral("SELECT set_config('tv.emp_no', coalesce(:P0, ''), false), "
                       "set_config('tv.ws_ip', coalesce(:P1, ''), false), "
                       "set_config('tv.program', coalesce(:P2, ''), false)"),
        {Session::empNo, Session::workstationIp, programId});
}

void announceProgram(const QString& programId)
{
    run(QStringLiteral("SELECT set_config('tv.program', coalesce(:P0, ''), false)"), {programId});
}

}  // namespace Db
