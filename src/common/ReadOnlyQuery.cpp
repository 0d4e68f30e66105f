#include "common/ReadOnlyQuery.h"
#include "common/AppErrors.h"
#include "common/Db.h"
#include "common/Query.h"
#include "common/Transaction.h"
#include <QSet>

namespace {

// What the scan of a statement found outside quoted text and comments.
struct StatementScan {
    QStringList words;          // upper-cased keywords and names, in order
    bool semicolon = false;
    bool unterminated = false;  // a quote or comment that never closes
};

bool isWordStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// Skips a quoted run that starts at `at` (the opening quote). Doubled quotes
// stay inside; with backslashEscapes a backslash takes the next character.
// Returns the position after the closing quote, or -1 when it never closes.
qsizetype skipQuoted(const QString& s, qsizetype at, QChar quote, bool backslashEscapes)
{
    for (qsizetype i = at + 1; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (backslashEscapes && c == QLatin1Char('\\')) {
            ++i;
            continue;
        }
        if (c == quote) {
            if (i + 1 < s.size() && s.at(i + 1) == quote) {
                ++i;
                continue;
            }
            return i + 1;
        }
    }
    return -1;
}

// A dollar-quote opening tag ($$ or $name$) at `at`; its length, or 0.
qsizetype dollarTagLength(const QString& s, qsizetype at)
{
    qsizetype i = at + 1;
    if (i < s.size() && s.at(i) == QLatin1Char('$'))
        return 2;
    if (i >= s.size() || !isWordStart(s.at(i)))
        return 0;
    while (i < s.size() && (s.at(i).isLetterOrNumber() || s.at(i) == QLatin1Char('_')))
        ++i;
    return i < s.size() && s.at(i) == QLatin1Char('$') ? i - at + 1 : 0;
}

StatementScan scanStatement(const QString& s)
{
    StatementScan scan;
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s.at(i);
        if (c == QLatin1Char('-') && i + 1 < s.size() && s.at(i + 1) == QLatin1Char('-')) {
            const qsizetype eol = s.indexOf(QLatin1Char('\n'), i);
            i = eol < 0 ? s.size() : eol + 1;
        } else if (c == QLatin1Char('/') && i + 1 < s.size() && s.at(i + 1) == QLatin1Char('*')) {
            // Block comments nest.
            int depth = 1;
            i += 2;
            while (i < s.size() && depth > 0) {
                if (s.mid(i, 2) == QLatin1String("/*")) {
                    ++depth;
                    i += 2;
                } else if (s.mid(i, 2) == QLatin1String("*/")) {
                    --depth;
                    i += 2;
                } else {
                    ++i;
                }
            }
            if (depth > 0) {
                scan.unterminated = true;
                return scan;
            }
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // E'…' strings take backslash escapes; the E was read as a word.
            const bool escapes = c == QLatin1Char('\'') && !scan.words.isEmpty() && i > 0
                && s.at(i - 1).toUpper() == QLatin1Char('E') && scan.words.last() == QLatin1String("E");
            if (escapes)
                scan.words.removeLast();
            i = skipQuoted(s, i, c, escapes);
            if (i < 0) {
                scan.unterminated = true;
                return scan;
            }
        } else if (c == QLatin1Char('$') && (i == 0 || !isWordChar(s.at(i - 1))) && dollarTagLength(s, i) > 0) {
            const qsizetype len = dollarTagLength(s, i);
            const QString tag = s.mid(i, len);
            const qsizetype close = s.indexOf(tag, i + len);
            if (close < 0) {
                scan.unterminated = true;
                return scan;
            }
            i = close + len;
        } else if (c == QLatin1Char(';')) {
            scan.semicolon = true;
            ++i;
        } else if (isWordStart(c)) {
            const qsizetype start = i;
            while (i < s.size() && isWordChar(s.at(i)))
                ++i;
            scan.words << s.mid(start, i - start).toUpper();
        } else {
            ++i;
        }
    }
    return scan;
}

// Commands that write, change the schema, or leave the read-only transaction.
const QSet<QString>& forbiddenWords()
{
    static const QSet<QString> words = {
        QStringLiteral("INSERT"),   QStringLiteral("UPDATE"),   QStringLiteral("DELETE"),
        QStringLiteral("MERGE"),    QStringLiteral("TRUNCATE"), QStringLiteral("DROP"),
        QStringLiteral("CREATE"),   QStringLiteral("ALTER"),    QStringLiteral("GRANT"),
        QStringLiteral("REVOKE"),   QStringLiteral("COPY"),     QStringLiteral("CALL"),
        QStringLiteral("DO"),       QStringLiteral("EXECUTE"),  QStringLiteral("PREPARE"),
        QStringLiteral("DEALLOCATE"), QStringLiteral("VACUUM"), QStringLiteral("CLUSTER"),
        QStringLiteral("REINDEX"),  QStringLiteral("LOCK"),     QStringLiteral("COMMIT"),
        QStringLiteral("ROLLBACK"), QStringLiteral("BEGIN"),    QStringLiteral("SAVEPOINT"),
        QStringLiteral("RELEASE"),  QStringLiteral("SET"),      QStringLiteral("RESET"),
        QStringLiteral("LISTEN"),   QStringLiteral("UNLISTEN"), QStringLiteral("NOTIFY"),
        QStringLiteral("DISCARD"),  QStringLiteral("REFRESH"),  QStringLiteral("IMPORT"),
        QStringLiteral("INTO"),
    };
    return words;
}

int g_savepointSeq = 0;

// The statement with its :name placeholders numbered $1, $2, … in order of
// occurrence; quoted text and a doubled colon (a cast) are left alone.
QString positionalPlaceholders(const QString& sql, int& count)
{
    const auto isNameChar = [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_';
    };
    QString out;
    out.reserve(sql.size());
    QChar closingQuote;
    count = 0;
    for (qsizetype i = 0; i < sql.size();) {
        const QChar ch = sql.at(i);
        if (!closingQuote.isNull()) {
            if (ch == closingQuote)
                closingQuote = QChar();
            out += ch;
            ++i;
        } else if (ch == u':' && (i == 0 || sql.at(i - 1) != u':') && i + 1 < sql.size() && sql.at(i + 1) != u':'
                   && isNameChar(sql.at(i + 1))) {
            qsizetype end = i + 2;
            while (end < sql.size() && isNameChar(sql.at(end)))
                ++end;
            out += QLatin1Char('$') + QString::number(++count);
            i = end;
        } else {
            if (ch == u'\'' || ch == u'"')
                closingQuote = ch;
            out += ch;
            ++i;
        }
    }
    return out;
}

}  // namespace

QString SelectStatementProblem(const QString& sql)
{
    const StatementScan scan = scanStatement(sql);
    if (scan.unterminated)
        return QStringLiteral("조회문의 따옴표나 주석이 닫히지 않았습니다.");
    if (scan.words.isEmpty())
        return QStringLiteral("조회문이 비어 있습니다.");
    if (scan.semicolon)
        return QStringLiteral("조회문에는 SELECT 문 하나만 입력할 수 있습니다.\n"
                              "세미콜론(;)으로 다른 문장을 이어 쓸 수 없습니다.");
    const QString& first = scan.words.first();
    if (first != QLatin1String("SELECT") && first != QLatin1String("WITH"))
        return QStringLiteral("조회문은 SELECT 문이어야 합니다.");
    for (qsizetype i = 0; i < scan.words.size(); ++i) {
        const QString& word = scan.words.at(i);
        QString command;
        if (forbiddenWords().contains(word))
            command = word;
        else if (word == QLatin1String("FOR") && i + 1 < scan.words.size()
                 && (scan.words.at(i + 1) == QLatin1String("SHARE") || scan.words.at(i + 1) == QLatin1String("KEY")
                     || scan.words.at(i + 1) == QLatin1String("NO")))
            command = word + QLatin1Char(' ') + scan.words.at(i + 1);  // row locks
        if (!command.isEmpty())
            return QStringLiteral("조회문에는 %1 명령을 쓸 수 없습니다.\n"
                                  "자료를 읽기만 하는 SELECT 문을 입력하십시오.")
                .arg(command);
    }
    return QString();
}

void CheckSelectStatement(const QString& sql)
{
    const QString problem = SelectStatementProblem(sql);
    if (!problem.isEmpty())
        throw AppError(problem);
}

ReadOnlyScope::ReadOnlyScope()
{
    SharedTransaction& tx = SharedTransaction::instance();
    if (tx.inTransaction()) {
        // Read-only may be switched on at any point of a transaction; inside
        // a savepoint the switch ends with it.
        m_seq = ++g_savepointSeq;
        ExecSql(QStringLiteral("SAVEPOINT tv_read_only_%1").arg(m_seq));
        m_savepoint = true;
        m_active = true;
        try {
            ExecSql(QStringLiteral("SET TRANSACTION READ ONLY"));
        } catch (...) {
            end();
            throw;
        }
    } else {
        tx.start();
        m_active = true;
        try {
            ExecSql(QStringLiteral("SET TRANSACTION READ ONLY"));
        } catch (...) {
            end();
            throw;
        }
    }
}

ReadOnlyScope::~ReadOnlyScope()
{
    try {
        end();
    } catch (...) {
        // The connection is gone; its own error path reports that.
    }
}

void ReadOnlyScope::end()
{
    if (!m_active)
        return;
    m_active = false;
    if (m_savepoint) {
        const QString name = QStringLiteral("tv_read_only_%1").arg(m_seq);
        ExecSql(QStringLiteral("ROLLBACK TO SAVEPOINT ") + name);
        ExecSql(QStringLiteral("RELEASE SAVEPOINT ") + name);
    } else {
        SharedTransaction::instance().rollback();
    }
}

QSqlQuery RunReadOnlyQuery(const QString& sql, const QVariantList& params)
{
    CheckSelectStatement(sql);
    ReadOnlyScope scope;
    QSqlQuery query = RunQuery(sql, params, QStringLiteral("Open"));
    scope.end();
    return query;
}

StoredRows RunStoredStatement(const QString& sql, const QVariantList& params)
{
    CheckSelectStatement(sql);
    int placeholders = 0;
    const QString positional = positionalPlaceholders(sql, placeholders);
    constexpr int kMaxParams = 10;
    if (placeholders > kMaxParams)
        throw AppError(QStringLiteral("조회문의 변수는 %1개까지 쓸 수 있습니다.").arg(kMaxParams));

    QString call = QStringLiteral("SELECT pk_lookup.open_stored(:P0");
    QVariantList callParams{positional};
    for (int k = 0; k < placeholders; ++k) {
        call += QStringLiteral(", :P%1").arg(k + 1);
        const QVariant value = params.value(k);
        callParams << (value.isNull() ? QVariant() : QVariant(value.toString()));
    }
    call += QLatin1Char(')');

    ReadOnlyScope scope;
    ExecSql(QStringLiteral("SET LOCAL statement_timeout = '%1s'").arg(kStoredStatementSeconds));
    ExecSql(QStringLiteral("SET LOCAL ROLE %1").arg(QLatin1String(kLookupRole)));
    RunQuery(call, callParams);
    QSqlQuery cursor(Db::connection());
    cursor.setForwardOnly(true);
    // Amounts come back as their exact text rather than as doubles.
    cursor.setNumericalPrecisionPolicy(QSql::HighPrecision);
    RunQuery(cursor, QStringLiteral("FETCH ALL FROM tv_stored_lookup"), {}, QStringLiteral("Open"));
    StoredRows result;
    result.record = cursor.record();
    const int columns = result.record.count();
    while (cursor.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row << cursor.value(c);
        result.rows << row;
    }
    cursor.finish();
    // Leaving the scope drops the cursor, the role and the timeout with it.
    scope.end();
    return result;
}
