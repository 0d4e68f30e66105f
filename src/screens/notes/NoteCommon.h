#pragma once
#include <QString>
#include <QStringList>

class QLineEdit;
class QWidget;
class RecordSet;
class TPopupBtn;

// What the note screens share: the bank and customer lookups of the
// customer register, the names of the states, and the flagged lists of the
// slip-generating screens.
namespace NoteUi {

// A lookup of the banks (kind "03") or the customers (kind "01") beside a
// code field: choosing fills the code and its read-only name field; leaving
// a typed code looks it up (lookUpTyped).
TPopupBtn* NewBankLookup(QWidget* parent, const QString& name, QLineEdit* code, QLineEdit* nameField);
TPopupBtn* NewCustomerLookup(QWidget* parent, const QString& name, QLineEdit* code, QLineEdit* nameField);
// A typed code is looked up by its prefix or a part of the name; nothing
// found (or an empty code) empties the name, so an unknown code never
// passes for a registered one.
void lookUpTyped(TPopupBtn* button, QLineEdit* code, QLineEdit* nameField);
// A read-only name field beside a code.
QLineEdit* NewNameField(QWidget* parent, const QString& name, int width = 130);

// The state name of a form (VF060MS) and of a received note (VF010MS), as
// SQL over the column given.
QString formStateSql(const QString& column);
QString receivedStateSql(const QString& column);

// "8 digits" typed into a date field becomes "YYYY-MM-DD" when it is a day.
void formatTypedDate(QLineEdit* field);
// A filled "YYYY-MM-DD" text that is no day.
bool isBadDate(const QString& text);

// A flag column "FLAG" toggled between "Y" and "N" by a click on it.
void toggleFlag(RecordSet* set, int row);
void setAllFlags(RecordSet* set, bool on);
// The sum of a numeric field over the flagged rows.
qint64 flaggedSum(RecordSet* set, const QString& field);
QStringList flaggedValues(RecordSet* set, const QString& field);

}  // namespace NoteUi
