#include "screens/funds/FundsCommon.h"
#include "common/TextUtil.h"
#include "grid/DisplayFormat.h"
#include "screens/master/MasterCommon.h"
#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>

namespace FundsUi {

TPopupBtn* NewBankLookup(QWidget* parent, const QString& name, QLineEdit* codeField)
{
    return MasterUi::NewLookup(parent, name,
                               QStringLiteral("SELECT C_CODE, C_NAME FROM VA050MS WHERE C_KIND = '03' ORDER BY C_CODE"),
                               QStringLiteral("SELECT C_CODE, C_NAME FROM VA050MS WHERE C_KIND = '03'\n"
                                              "   AND (C_CODE LIKE :cd || '%' OR C_NAME LIKE '%' || :cd || '%')\n"
                                              " ORDER BY C_CODE"),
                               {QStringLiteral("은행코드"), QStringLiteral("은행명")}, codeField);
}

QList<QRadioButton*> NewClosedChoice(QWidget* parent)
{
    auto* group = new QButtonGroup(parent);
    QList<QRadioButton*> buttons;
    const QList<std::pair<QString, QString>> items{{QStringLiteral("rdoAll"), QStringLiteral("전체")},
                                                   {QStringLiteral("rdoClosed"), QStringLiteral("완료")},
                                                   {QStringLiteral("rdoOpen"), QStringLiteral("미완료")}};
    for (const auto& [name, caption] : items) {
        auto* button = new QRadioButton(caption, parent);
        button->setObjectName(name);
        group->addButton(button);
        buttons << button;
    }
    buttons.first()->setChecked(true);
    return buttons;
}

QDate MaskDate(const QLineEdit* field)
{
    return QDate::fromString(DigitsOnly(field->text()), QStringLiteral("yyyyMMdd"));
}

QString DateTextOf(const QLineEdit* field)
{
    const QDate date = MaskDate(field);
    return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

void SetMaskDate(QLineEdit* field, const QString& text)
{
    field->setText(DigitsOnly(text));
}

qint64 AmountOf(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]{1,15}$"));
    const QString plain = StripCommas(text).trimmed();
    return pattern.match(plain).hasMatch() ? plain.toLongLong() : -1;
}

QString AmountText(qint64 won)
{
    return FormatNumber(double(won), QStringLiteral("#,##0"));
}

int DayNumber(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]{1,2}$"));
    const QString t = text.trimmed();
    if (!pattern.match(t).hasMatch())
        return 0;
    const int day = t.toInt();
    return day >= 1 && day <= 31 ? day : 0;
}

}  // namespace FundsUi
