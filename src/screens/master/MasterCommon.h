#pragma once
#include "grid/RecordSetModel.h"
#include <QList>
#include <QString>

class DataGrid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// Pieces the master-data screens share: radio groups, edits, the code rules
// of the chart of accounts and the management items (kept in the database's
// pk_v_account package so that every user of the codes agrees).
namespace MasterUi {

struct RadioItem {
    QString name;
    QString caption;
};

// A titled group of mutually exclusive radio buttons laid out in a row (or a
// column); the buttons are returned in order. The first one is checked.
QGroupBox* NewRadioGroup(QWidget* parent, const QString& title, const QList<RadioItem>& items,
                         QList<QRadioButton*>* buttons, bool vertical = false);
QLineEdit* NewEdit(QWidget* parent, const QString& name, int maxLength = 0);
QLabel* NewLabel(QWidget* parent, const QString& caption);
// The read-only list of search results filling the display panel, one whole
// row selected at a time.
DataGrid* NewResultGrid(QWidget* panDisp, RecordSet* set, const QList<GridColumn>& columns,
                        const QString& name = QStringLiteral("rdgMain"));

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
