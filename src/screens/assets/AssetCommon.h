#pragma once
#include <QString>
#include <QVariant>

class QLineEdit;
class QWidget;
class TPopupBtn;

// What the fixed-asset screens share: the statements of their lookups, the
// input checks with their messages, and the asset class rules.
namespace AssetUi {

// The input-error box ("입력오류") with the focus on the field; false, so a
// check can end with it.
bool InputError(const QString& text, QWidget* field);

// A typed date "YYYY-MM-DD" (also "YYYYMMDD"): the date text, empty text for
// an empty field; false for anything that is no date.
bool DateText(const QString& typed, QString* date);
// As the user types: eight digits become "YYYY-MM-DD" at once.
void WireDateTyping(QLineEdit* edit);
// A date field checked: false after "날짜를 바르게 입력하십시오." (focus on it).
bool CheckDate(QLineEdit* edit, QString* date);

// A whole number as typed ("1,234"; empty is 0); with decimals when
// allowed. False after "<caption>은(는) 숫자만 입력 가능합니다!".
bool CheckNumber(QLineEdit* edit, const QString& caption, QVariant* value, bool decimals = false);
// "#,##0" of a whole number of won.
QString AmountText(qint64 amount);

// Asset classes (common code group V0013), for the search panels and the
// register.
TPopupBtn* NewClassLookup(QWidget* parent, const QString& name, QLineEdit* link);

}  // namespace AssetUi
