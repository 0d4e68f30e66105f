#include "common/ProcCall.h"
#include "common/AppErrors.h"
#include "common/Query.h"
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QString callText(const QString& name, int count)
{
    static const QRegularExpression validName(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)?$"));
    if (!validName.match(name).hasMatch())
        throw AppError(QStringLiteral("Invalid procedure name: %1").arg(name));
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral(":P%1").arg(i);
    return QStringLiteral("SELECT * FROM %1(%2)").arg(name, marks.join(QStringLiteral(", ")));
}

}  // namespace

QVariantList CallProcRow(const QString& name, const QVariantList& params)
{
    QVariantList textParams;
    for (const QVariant& p : params)
        textParams << (p.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(p.toString()));
    return RunQueryRow(callText(name, int(params.size())), textParams);
}

QVariant CallProc(const QString& name, const QVariantList& params)
{
    return CallProcRow(name, params).value(0);
}

QString CallProcText(const QString& name, const QVariantList& params)
{
    return CallProc(name, params).toString();
}

namespace ProcResult {

bool isFailure(const QString& result, bool errPrefix)
{
    return result.startsWith(errPrefix ? QLatin1String("ERR") : QLatin1String("E"));
}

bool isSlipSuccess(const QString& result)
{
    return result.startsWith(QLatin1Char('R')) && result.size() >= 9;
}

QString slipNumber(const QString& result)
{
    return result.mid(1, 8);
}

}  // namespace ProcResult
