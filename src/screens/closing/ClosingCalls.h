#pragma once
#include <QString>
#include <QVariantList>

// The calendar and closing functions of the database keep the period, month
// and day tables (the client's login may only read them). Each answers "T…"
// on success and an error text otherwise.
namespace Closing {

// Runs one of them in the shared transaction (started here unless one is
// open): commits on success, rolls back on any other answer and on an error,
// which is raised on. Returns the answer.
QString Call(const QString& function, const QVariantList& params);
bool Succeeded(const QString& answer);

// The refusal of a change the database did not make, with its reason.
void ShowNotSaved(const QString& answer);

}  // namespace Closing
