#pragma once
#include <QDate>
#include <QList>
#include <QString>

class QLineEdit;
class QRadioButton;
class QWidget;
class TPopupBtn;

// Pieces the funds screens share: the bank lookup, the date fields typed as
// eight digits and the amounts typed with thousands separators.
namespace FundsUi {

// The lookup of the banks (customers of kind "03"): typed text matches the
// start of the code or any part of the name.
TPopupBtn* NewBankLookup(QWidget* parent, const QString& name, QLineEdit* codeField);

// The 전체 / 완료 / 미완료 choice of a search strip: three exclusive radio
// buttons without a frame (the strip has no room for one), 전체 checked.
QList<QRadioButton*> NewClosedChoice(QWidget* parent);

// The date a masked date field holds, invalid when it holds none.
QDate MaskDate(const QLineEdit* field);
// "YYYY-MM-DD" of a masked date field, empty when it holds no date.
QString DateTextOf(const QLineEdit* field);
// Shows a "YYYY-MM-DD" (or eight-digit) text in a masked date field.
void SetMaskDate(QLineEdit* field, const QString& text);

// An amount typed with or without thousands separators; -1 when the text is
// not a whole number of won.
qint64 AmountOf(const QString& text);
// "#,##0" of whole won.
QString AmountText(qint64 won);

// The text as a day of a month 1-31, 0 otherwise.
int DayNumber(const QString& text);

}  // namespace FundsUi
