#include "framework/ControlKinds.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeView>

ControlKind kindOf(const QWidget* w)
{
    if (!w)
        return ControlKind::Other;
    // Bound controls first: they derive from the plain kinds.
    if (w->inherits("DbCheck"))
        return ControlKind::DbCheck;
    if (w->inherits("DbCombo"))
        return ControlKind::DbCombo;
    // A bound memo is a memo: Enter keeps its line-break meaning.
    if (w->inherits("DbMemo"))
        return ControlKind::Memo;
    if (w->inherits("DbEdit") || w->inherits("DbDateEdit"))
        return ControlKind::DbEdit;
    if (w->inherits("DataGrid"))
        return ControlKind::DbGrid;
    if (w->inherits("NumEdit") || w->inherits("TPopupBtn") || w->inherits("TDeptBtn"))
        return ControlKind::Other;
    if (auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->inputMask().isEmpty() ? ControlKind::Edit : ControlKind::MaskEdit;
    if (qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w))
        return ControlKind::Memo;
    if (qobject_cast<const QCheckBox*>(w))
        return ControlKind::Check;
    if (qobject_cast<const QRadioButton*>(w))
        return ControlKind::Radio;
    if (qobject_cast<const QDateTimeEdit*>(w))
        return ControlKind::DatePicker;
    if (qobject_cast<const QComboBox*>(w))
        return ControlKind::Combo;
    if (qobject_cast<const QTableWidget*>(w))
        return ControlKind::Grid;
    if (qobject_cast<const QTreeView*>(w))
        return ControlKind::Tree;
    if (qobject_cast<const QGroupBox*>(w) || qobject_cast<const QTabWidget*>(w) || qobject_cast<const QStackedWidget*>(w)
        || qobject_cast<const QSplitter*>(w))
        return ControlKind::Container;
    const char* cls = w->metaObject()->className();
    if (qstrcmp(cls, "QWidget") == 0 || qstrcmp(cls, "QFrame") == 0)
        return ControlKind::Container;
    return ControlKind::Other;
}

bool isReadOnlyControl(const QWidget* w)
{
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return e->isReadOnly();
    if (auto* m = qobject_cast<const QPlainTextEdit*>(w))
        return m->isReadOnly();
    if (auto* t = qobject_cast<const QTextEdit*>(w))
        return t->isReadOnly();
    if (auto* d = qobject_cast<const QAbstractSpinBox*>(w))
        return d->isReadOnly();
    return w && w->property("readOnly").toBool();
}
