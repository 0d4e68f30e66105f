#include "screens/assets/AssetCommon.h"
#include "common/Messages.h"
#include "common/DialogService.h"
#include "framework/MaintenanceCore.h"
#include "screens/master/MasterCommon.h"
#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>

namespace AssetUi {

bool InputError(const QString& text, QWidget* field)
{
    MsgBox(text, QStringLiteral("입력오류"), DialogService::Error);
    if (field && field->isEnabled())
        field->setFocus();
    return false;
}

bool DateText(const QString& typed, QString* date)
{
    const QString text = typed.trimmed();
    date->clear();
    if (text.isEmpty() || text == QLatin1String("--") || text == QLatin1String("----"))
        return true;
    static const QRegularExpression shape(QStringLiteral("^([0-9]{4})-?([0-9]{2})-?([0-9]{2})$"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch())
        return false;
    const QDate day(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!day.isValid() || day.year() < 1900 || day.year() > 2999)
        return false;
    *date = day.toString(Qt::ISODate);
    return true;
}

void WireDateTyping(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        QString plain = text;
        plain.remove(QLatin1Char('-'));
        if (plain.size() == 8 && MasterUi::IsDigitsText(plain))
            edit->setText(plain.left(4) + QLatin1Char('-') + plain.mid(4, 2) + QLatin1Char('-') + plain.mid(6, 2));
    });
}

bool CheckDate(QLineEdit* edit, QString* date)
{
    if (DateText(edit->text(), date))
        return true;
    return InputError(QStringLiteral("날짜를 바르게 입력하십시오."), edit);
}

bool CheckNumber(QLineEdit* edit, const QString& caption, QVariant* value, bool decimals)
{
    const QString plain = MaintenanceCore::StripNumberText(edit->text());
    if (plain.isEmpty()) {
        *value = 0;
        return true;
    }
    static const QRegularExpression whole(QStringLiteral("^[0-9]{1,15}$"));
    static const QRegularExpression fraction(QStringLiteral("^[0-9]{1,9}(\\.[0-9]{1,3})?$"));
    if ((decimals ? fraction : whole).match(plain).hasMatch()) {
        *value = decimals ? QVariant(plain) : QVariant(plain.toLongLong());
        return true;
    }
    return InputError(caption + QStringLiteral("은(는) 숫자만 입력 가능합니다!"), edit);
}

QString AmountText(qint64 amount)
{
    return QLocale(QLocale::English).toString(amount);
}

TPopupBtn* NewClassLookup(QWidget* parent, const QString& name, QLineEdit* link)
{
    return MasterUi::NewLookup(
        parent, name,
        QStringLiteral("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'V0013' AND DETAIL <> ' ' ORDER BY DETAIL"),
        QStringLiteral("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'V0013' AND DETAIL <> ' '\n"
                       "   AND (DETAIL LIKE :detail OR DETAIL_NAME LIKE '%' || :detail) ORDER BY DETAIL"),
        {QStringLiteral("분류코드"), QStringLiteral("분류명")}, link);
}

}  // namespace AssetUi
