#pragma once
#include <QString>

#include <QStringList>

class QLineEdit;
class QWidget;
class TPopupBtn;

// Pieces the master-data screens share: the look of key fields, the code
// rules of the chart of accounts and the management items (kept in the database's
// pk_v_account package so that every user of the codes agrees).
namespace MasterUi {

// A key field is read-only while its record is edited, and looks it.
void SetKeyLocked(QLineEdit* edit, bool locked);

// Empties every edit placed directly in the container.
void ClearTextFields(QWidget* container);

// The digits of a text, every other character (a mask's separators) left out.
QString DigitsOf(const QString& text);

// Only the digits 0-9, at least one.
bool IsDigitsText(const QString& text);

// True when a field's focus moved to another control of the same window
// (not to another window), which is when leaving the field checks it.
bool LeftWithinWindow(const QWidget* field);

// Code rules of the database (digits only; callers check that first).
QString PadAcctCode(const QString& code);    // to 7 digits
QString UpperAcctCode(const QString& code);  // the account tree's upper account
QString PadMgCode(const QString& code);      // to 3 digits

// A code lookup button beside a field: the full statement, the prefix
// statement, the column titles, and the field whose text the prefix lookup
// takes.
TPopupBtn* NewLookup(QWidget* parent, const QString& name, const QString& sql, const QString& linkSql,
                     const QStringList& titles, QLineEdit* linkControl);

// A read-only name field beside a code (no tab stop).
QLineEdit* NewNameField(QWidget* parent, const QString& name);

// Code and name from the lookup's first two returned values; false when
// nothing was chosen.
bool TakeLookup(TPopupBtn* button, QLineEdit* code, QLineEdit* name);

}  // namespace MasterUi
