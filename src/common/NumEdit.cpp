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
    if (hasFocus()) {
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
    setText(QString::number(m_value, 'f', m_decimals));
    QLineEdit::focusInEvent(event);
    selectAll();
}

void NumEdit::focusOutEvent(QFocusEvent* event)
{
    // The exit rules (editingFinished, emitted by the base) read value():
    // it must already hold what was typed.
    bool ok = false;
    const double typed = StripCommas(text()).trimmed().toDouble(&ok);
    const double before = m_value;
    if (ok)
        m_value = typed;
    QLineEdit::focusOutEvent(event);
    showFormatted();
    if (m_value != before)
        emit valueChanged(m_value);
}

void NumEdit::showFormatted()
{
    QLocale c(QLocale::English);
    setText(c.toString(m_value, 'f', m_decimals));
}
