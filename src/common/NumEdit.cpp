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
    bool ok = false;
    const double v = StripCommas(text()).trimmed().toDouble(&ok);
    QLineEdit::focusOutEvent(event);
    setValue(ok ? v : m_value);
}

void NumEdit::showFormatted()
{
    QLocale c(QLocale::English);
    setText(c.toString(m_value, 'f', m_decimals));
}
