#include "common/FieldMode.h"
#include "common/NumEdit.h"
#include "grid/DbControls.h"
#include "lookups/DeptBtn.h"
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

namespace {

void paintBase(QWidget* w, QPalette::ColorRole role)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, w->style()->standardPalette().color(role));
    w->setPalette(p);
}

void setColoured(QWidget* w, int mode, QPalette::ColorRole lockedRole = QPalette::Button)
{
    w->setEnabled(mode == fmEditable);
    paintBase(w, mode == fmEditable ? QPalette::Base : lockedRole);
}

// The checked button of an exclusive group refuses to be unchecked; the
// group lets go of it for the moment.
void uncheck(QAbstractButton* button)
{
    QButtonGroup* group = button->group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (groupExclusive)
        group->setExclusive(false);
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (groupExclusive)
        group->setExclusive(true);
}

}  // namespace

void SetFieldMode(QWidget* control, int mode, bool keepValue)
{
    if (!control)
        return;
    if (auto* num = qobject_cast<NumEdit*>(control)) {
        setColoured(num, mode);
        if (!keepValue)
            num->setValue(0);
    } else if (auto* bound = qobject_cast<DbEdit*>(control)) {
        setColoured(bound, mode == fmEditable && bound->isReadOnly() ? fmLocked : mode);
        // Emptying a bound edit while its record is being edited empties the
        // field too; otherwise the next refresh would bring the value back.
        if (!keepValue)
            bound->clearValue();
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        // A read-only edit stays locked even when asked to become editable.
        setColoured(edit, mode == fmEditable && edit->isReadOnly() ? fmLocked : mode);
        if (!keepValue)
            edit->clear();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
        setColoured(memo, mode);
        if (!keepValue)
            memo->clear();
    } else if (auto* rich = qobject_cast<QTextEdit*>(control)) {
        setColoured(rich, mode);
        if (!keepValue)
            rich->clear();
    } else if (auto* date = qobject_cast<QDateEdit*>(control)) {
        setColoured(date, mode, mode == fmLocked ? QPalette::Dark : QPalette::Button);
        if (!keepValue) {
            date->setDate(QDate::currentDate());
            if (date->property("tag").toInt() == 1)
                setColoured(date, fmLocked, QPalette::Dark);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        setColoured(combo, mode);
        if (!keepValue)
            combo->setCurrentIndex(-1);
    } else if (auto* dept = qobject_cast<TDeptBtn*>(control)) {
        dept->setEnabled(mode == fmEditable);
        // A cleared department lookup shows the organisation of today.
        if (!keepValue)
            dept->setRefeDate(QDate::currentDate());
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setEnabled(mode == fmEditable);
        if (!keepValue && button->isCheckable() &&
            (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)))
            uncheck(button);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setEnabled(mode == fmEditable);
        if (!keepValue) {
            label->clear();
        }
    } else {
        control->setEnabled(mode == fmEditable);
    }
}
