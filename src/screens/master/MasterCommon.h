#pragma once
#include <QString>

class QLineEdit;
class QWidget;

// Pieces the master-data screens share: the look of key fields, the code
// rules of the chart of accounts and the management items (kept in the database's
// pk_v_account package so that every user of the codes agrees).
namespace MasterUi {

// A key field is read-only while its record is edited, and looks it.
void SetKeyLocked(QLineEdit* edit, bool locked);

// Empties every edit placed directly in the container.
void ClearTextFields(QWidget* container);

// Only the digits 0-9, at least one.
bool IsDigitsText(const QString& text);

// True when a field's focus moved to another control of the same window
// (not to another window), which is when leaving the field checks it.
bool LeftWithinWindow(const QWidget* field);

// Code rules of the database (digits only; callers check that first).
QString PadAcctCode(const QString& code);    // to 7 digits
QString UpperAcctCode(const QString& code);  // the account tree's upper account
QString PadMgCode(const QString& code);      // to 3 digits

}  // namespace MasterUi
