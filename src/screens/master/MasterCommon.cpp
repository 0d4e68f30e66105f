#include "screens/master/MasterCommon.h"
#include "common/Query.h"
#include "framework/FormKit.h"
#include "lookups/PopupBtn.h"
#include <QApplication>
#include <QLineEdit>

namespace MasterUi {

void SetKeyLocked(QLineEdit* edit, bool locked)
{
    edit->setReadOnly(locked);
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, locked ? QApplication::palette().color(QPalette::Button) : QColor(Qt::white));
    edit->setPalette(p);
}

void ClearTextFields(QWidget* container)
{
    for (QObject* child : container->children())
        if (auto* edit = qobject_cast<QLineEdit*>(child))
            edit->clear();
}

QString DigitsOf(const QString& text)
{
    QString digits;
    for (const QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    return digits;
}

bool IsDigitsText(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool LeftWithinWindow(const QWidget* field)
{
    return QApplication::activeWindow() == field->window();
}

namespace {

QString scalarText(const QString& sql, const QString& value)
{
    QSqlQuery query = RunQuery(sql, {value});
    return query.next() ? query.value(0).toString() : QString();
}

}  // namespace

QString PadAcctCode(const QString& code)
{
    return scalarText(QStringLiteral("SELECT pk_v_account.pad_acct_code(:P0)"), code);
}

QString UpperAcctCode(const QString& code)
{
    return scalarText(QStringLiteral("SELECT pk_v_account.upper_code(:P0)"), code);
}

QString PadMgCode(const QString& code)
{
    return scalarText(QStringLiteral("SELECT pk_v_account.pad_mg_code(:P0)"), code);
}

TPopupBtn* NewLookup(QWidget* parent, const QString& name, const QString& sql, const QString& linkSql,
                     const QStringList& titles, QLineEdit* linkControl)
{
    auto* button = new TPopupBtn(parent);
    button->setObjectName(name);
    button->setSql(sql);
    button->setLinkSql(linkSql);
    button->setColumnTitles(titles);
    button->setLinkControl(linkControl);
    return button;
}

QLineEdit* NewNameField(QWidget* parent, const QString& name)
{
    QLineEdit* edit = Form::NewEdit(parent, name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

bool TakeLookup(TPopupBtn* button, QLineEdit* code, QLineEdit* name)
{
    if (button->modalResult() != Lookup::mrOk)
        return false;
    const QStringList chosen = button->returnValue();
    code->setText(chosen.value(0).trimmed());
    if (name)
        name->setText(chosen.value(1).trimmed());
    return true;
}

}  // namespace MasterUi
