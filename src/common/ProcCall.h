#pragma once
#include <QString>
#include <QVariantList>

// Calls a database procedure or function on the shared connection through
// the query helper: the in-parameters in order, the output text (or the
// first output) as the result. Failures raise ServerError with the native
// numbers the error dialog translates, user errors 20000–20999 included.
QVariant CallProc(const QString& name, const QVariantList& params);
QString CallProcText(const QString& name, const QVariantList& params);
// For procedures with several outputs: the columns of the returned row.
QVariantList CallProcRow(const QString& name, const QVariantList& params);

// How procedures report their outcome in their output text.
namespace ProcResult {
// "E…" marks failure; PR_GETADMINNO answers "ERR…" instead.
bool isFailure(const QString& result, bool errPrefix = false);
// Success with a slip number: "R" followed by eight characters.
bool isSlipSuccess(const QString& result);
// Characters 2 to 9: the slip number a procedure created.
QString slipNumber(const QString& result);
}  // namespace ProcResult
