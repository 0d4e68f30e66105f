#include "common/NumEdit.h"
#include "common/TextUtil.h"
#include <QLocale>

NumEdit::NumEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    showFormatted();
}

double NumEdit::value() const
{
    // While the plain number is being edited the text is the value: the
    // exit rules of a screen see the focus-out before this box does.
    if (m_editing) {
        bool ok = false;
        const double v = StripCommas(text()).trimmed().toDouble(&ok);
        return ok ? v : m_value;
    }
    return m_value;
}

void NumEdit::setValue(double value)
{
    const bool changed = value != m_value;
    m_value = value;
    showFormatted();
    if (changed)
        emit valueChanged(value);
}

void NumEdit::setDecimals(int decimals)
{
    m_decimals = decimals;
    showFormatted();
}

void NumEdit::focusInEvent(QFocusEvent* event)
{
    m_editing = true;
    setText(QString::number(m_value, 'f', m_decimals));
    QLineEdit::focusInEvent(event);
    selectAll();
}

void NumEdit::focusOutEvent(QFocusEvent* event)
{
    const double typed = value();
    m_editing = false;
    QLineEdit::focusOutEvent(event);
    setValue(typed);
}

void NumEdit::showFormatted()
{
    QLocale c(QLocale::English);
    setText(c.toString(m_value, 'f', m_decimals));
}
