#include "screens/master/MasterCommon.h"
#include "common/Query.h"
#include "grid/DataGrid.h"
#include <QApplication>
#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace MasterUi {

QGroupBox* NewRadioGroup(QWidget* parent, const QString& title, const QList<RadioItem>& items,
                         QList<QRadioButton*>* buttons, bool vertical)
{
    auto* group = new QGroupBox(title, parent);
    QBoxLayout* layout = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(group))
                                  : static_cast<QBoxLayout*>(new QHBoxLayout(group));
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(6);
    for (const RadioItem& item : items) {
        auto* radio = new QRadioButton(item.caption, group);
        radio->setObjectName(item.name);
        layout->addWidget(radio);
        if (buttons)
            buttons->append(radio);
    }
    if (auto* first = group->findChild<QRadioButton*>())
        first->setChecked(true);
    return group;
}

QLineEdit* NewEdit(QWidget* parent, const QString& name, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

QLabel* NewLabel(QWidget* parent, const QString& caption)
{
    return new QLabel(caption, parent);
}

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

}  // namespace MasterUi

DataGrid* MasterUi::NewResultGrid(QWidget* panDisp, RecordSet* set, const QList<GridColumn>& columns,
                                  const QString& name)
{
    auto* layout = new QVBoxLayout(panDisp);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* grid = new DataGrid(panDisp);
    grid->setObjectName(name);
    grid->setEditable(false);
    grid->setRowSelect(true);
    grid->setColumns(columns);
    grid->setRecordSet(set);
    layout->addWidget(grid);
    return grid;
}
