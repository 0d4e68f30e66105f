#include "grid/DbControls.h"
#include "common/AppErrors.h"
#include "common/Messages.h"
#include <QApplication>
#include <QRegularExpressionValidator>
#include <QTimer>

// --- FieldDataLink -------------------------------------------------------------------

FieldDataLink::FieldDataLink(QObject* parent) : QObject(parent) {}

void FieldDataLink::bind(RecordSet* set, const QString& field)
{
    if (m_set)
        disconnect(m_set, nullptr, this, nullptr);
    m_set = set;
    m_field = field.toUpper();
    if (set) {
        connect(set, &RecordSet::currentChanged, this, &FieldDataLink::refreshRequested);
        connect(set, &RecordSet::reset, this, &FieldDataLink::refreshRequested);
        connect(set, &RecordSet::stateChanged, this, &FieldDataLink::refreshRequested);
        connect(set, &RecordSet::dataChanged, this, &FieldDataLink::onDataChanged);
        connect(set, &RecordSet::updateRecordRequested, this, &FieldDataLink::updateRequested);
        connect(set, &QObject::destroyed, this, &FieldDataLink::refreshRequested);
    }
    emit refreshRequested();
}

void FieldDataLink::onDataChanged(int row, const QString& field)
{
    if (m_writing || !m_set)
        return;
    if ((row < 0 || row == m_set->currentRow()) && (field.isEmpty() || field == m_field))
        emit refreshRequested();
}

bool FieldDataLink::isActive() const
{
    return m_set && m_set->isOpen() && m_set->hasField(m_field);
}

const FieldDef* FieldDataLink::fieldDef() const
{
    return isActive() ? &m_set->field(m_field) : nullptr;
}

QVariant FieldDataLink::value() const
{
    return isActive() ? m_set->value(m_field) : QVariant();
}

QString FieldDataLink::text() const
{
    return isActive() ? m_set->fieldAsString(m_field) : QString();
}

QString FieldDataLink::displayText() const
{
    return isActive() ? m_set->displayText(m_field) : QString();
}

bool FieldDataLink::isNumeric() const
{
    const FieldDef* def = fieldDef();
    return def && IsNumericField(def->type);
}

bool FieldDataLink::canModify() const
{
    return isActive() && m_set->isEditing() && m_set->currentRow() >= 0 && !m_set->field(m_field).readOnly;
}

bool FieldDataLink::write(const QVariant& value)
{
    if (!canModify())
        return false;
    m_writing = true;
    try {
        m_set->setValue(m_field, value);
    } catch (...) {
        m_writing = false;
        throw;
    }
    m_writing = false;
    return true;
}

// --- DbEdit ------------------------------------------------------------------------------

DbEdit::DbEdit(QWidget* parent) : QLineEdit(parent), m_link(new FieldDataLink(this))
{
    connect(m_link, &FieldDataLink::refreshRequested, this, &DbEdit::refresh);
    connect(this, &QLineEdit::textEdited, this, &DbEdit::onTextEdited);
}

void DbEdit::setDataSource(RecordSet* set, const QString& field)
{
    m_link->bind(set, field);
}

QString DbEdit::editText() const
{
    QString text = m_link->displayText();
    if (m_link->isNumeric())
        text.remove(QLatin1Char(',')).remove(QLatin1Char(' '));
    return text;
}

void DbEdit::refresh()
{
    const FieldDef* def = m_link->fieldDef();
    const int limit = def && def->type == FieldType::String && def->size > 0 ? def->size : 32767;
    if (maxLength() != limit)
        setMaxLength(limit);  // resets the selection, so only when it changes
    const bool numeric = m_link->isNumeric();
    if (numeric)
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const QString shown = hasFocus() && numeric && !isReadOnly() ? editText() : m_link->displayText();
    // The same text again would lose the selection and the caret.
    if (text() != shown)
        setText(shown);
}

void DbEdit::clearValue()
{
    clear();
    const FieldDef* def = m_link->fieldDef();
    if (def && !def->readOnly && m_link->canModify())
        m_link->write(QVariant());
}

void DbEdit::onTextEdited(const QString& text)
{
    if (!m_link->canModify())
        return;
    if (m_link->isNumeric()) {
        QString plain = text;
        plain.remove(QLatin1Char(',')).remove(QLatin1Char(' '));
        bool ok = false;
        plain.toDouble(&ok);
        if (plain.isEmpty())
            m_link->write(QVariant());
        else if (ok)
            m_link->write(plain);
        return;  // a sign or point alone waits for its digits
    }
    try {
        m_link->write(text);
    } catch (const ConversionError&) {
        // A date typed half-way; it is checked when the edit is left.
    }
}

void DbEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!m_link->isActive())
        return;
    if (m_link->isNumeric() && !isReadOnly())
        setText(editText());
    // After a click the press would put the caret back; select once it is done.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            selectAll();
    });
    selectAll();
}

void DbEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!m_link->isActive())
        return;
    const QString typed = text();
    const QString stored = m_link->isNumeric() ? editText() : m_link->displayText();
    QString message;
    if (m_link->canModify() && typed != stored) {
        try {
            if (m_link->isNumeric()) {
                QString plain = typed;
                plain.remove(QLatin1Char(',')).remove(QLatin1Char(' '));
                bool ok = false;
                plain.toDouble(&ok);
                m_link->write(ok ? QVariant(plain) : QVariant());
            } else {
                m_link->write(typed);
            }
        } catch (const ConversionError& error) {
            message = error.message();
        }
    }
    refresh();
    if (!message.isEmpty())
        ShowError(message);
}

// --- DbCombo -------------------------------------------------------------------------------

DbCombo::DbCombo(QWidget* parent) : QComboBox(parent), m_link(new FieldDataLink(this))
{
    connect(m_link, &FieldDataLink::refreshRequested, this, &DbCombo::refresh);
    connect(this, &QComboBox::activated, this, &DbCombo::onActivated);
}

void DbCombo::setDataSource(RecordSet* set, const QString& field)
{
    m_link->bind(set, field);
}

void DbCombo::setItems(const QList<ComboItem>& items)
{
    m_updating = true;
    clear();
    for (const ComboItem& item : items)
        addItem(item.text, item.code);
    m_updating = false;
    refresh();
}

QString DbCombo::storedValue(int index) const
{
    const QVariant code = itemData(index);
    return code.isValid() ? code.toString() : itemText(index);
}

void DbCombo::refresh()
{
    m_updating = true;
    int found = -1;
    if (m_link->isActive() && !m_link->value().isNull()) {
        const QString text = m_link->text();
        for (int i = 0; i < count() && found < 0; ++i)
            if (storedValue(i) == text)
                found = i;
    }
    setCurrentIndex(found);
    m_updating = false;
}

void DbCombo::onActivated(int index)
{
    if (m_updating)
        return;
    if (!m_link->write(index < 0 ? QVariant() : QVariant(storedValue(index))))
        refresh();
}

// --- DbDateEdit ------------------------------------------------------------------------------

DbDateEdit::DbDateEdit(QWidget* parent) : QDateEdit(parent), m_link(new FieldDataLink(this))
{
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    setCalendarPopup(true);
    // The lowest date stands for NULL and shows blank.
    setSpecialValueText(QStringLiteral(" "));
    connect(m_link, &FieldDataLink::refreshRequested, this, &DbDateEdit::refresh);
    connect(this, &QDateEdit::dateChanged, this, &DbDateEdit::onDateChanged);
}

void DbDateEdit::setDataSource(RecordSet* set, const QString& field)
{
    m_link->bind(set, field);
}

void DbDateEdit::refresh()
{
    m_updating = true;
    QDate shown;
    const QVariant v = m_link->value();
    if (!v.isNull()) {
        const FieldDef* def = m_link->fieldDef();
        if (def && (def->type == FieldType::Date || def->type == FieldType::DateTime))
            shown = m_link->recordSet()->fieldAsDate(m_link->field());
        else
            shown = QDate::fromString(v.toString(), m_textFormat);
    }
    setDate(shown.isValid() ? shown : minimumDate());
    m_updating = false;
}

void DbDateEdit::clear()
{
    setDate(minimumDate());
}

void DbDateEdit::onDateChanged(const QDate& date)
{
    if (m_updating)
        return;
    const FieldDef* def = m_link->fieldDef();
    if (!def)
        return;
    QVariant value;
    if (date != minimumDate()) {
        if (def->type == FieldType::Date || def->type == FieldType::DateTime)
            value = date;
        else
            value = date.toString(m_textFormat);
    }
    if (!m_link->write(value))
        refresh();
}

// --- DbMemo ------------------------------------------------------------------------------------

DbMemo::DbMemo(QWidget* parent) : QPlainTextEdit(parent), m_link(new FieldDataLink(this))
{
    connect(m_link, &FieldDataLink::refreshRequested, this, &DbMemo::refresh);
    connect(this, &QPlainTextEdit::textChanged, this, &DbMemo::onTextChanged);
}

void DbMemo::setDataSource(RecordSet* set, const QString& field)
{
    m_link->bind(set, field);
}

void DbMemo::refresh()
{
    const QString text = m_link->text();
    if (toPlainText() == text)
        return;
    m_updating = true;
    setPlainText(text);
    m_updating = false;
}

void DbMemo::onTextChanged()
{
    if (m_updating)
        return;
    m_link->write(toPlainText());
}

void DbMemo::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (!m_link->canModify())
        refresh();  // typed outside edit state: the field's value returns
}

// --- DbCheck -------------------------------------------------------------------------------------

DbCheck::DbCheck(QWidget* parent) : QCheckBox(parent), m_link(new FieldDataLink(this))
{
    connect(m_link, &FieldDataLink::refreshRequested, this, &DbCheck::refresh);
    connect(this, &QCheckBox::clicked, this, &DbCheck::onClicked);
}

void DbCheck::setDataSource(RecordSet* set, const QString& field)
{
    m_link->bind(set, field);
}

void DbCheck::setValues(const QString& checkedValue, const QString& uncheckedValue)
{
    m_checked = checkedValue;
    m_unchecked = uncheckedValue;
    refresh();
}

void DbCheck::refresh()
{
    m_updating = true;
    const FieldDef* def = m_link->fieldDef();
    const QVariant v = m_link->value();
    bool on = false;
    if (def && !v.isNull())
        on = def->type == FieldType::Boolean ? v.toBool() : m_link->text() == m_checked;
    setChecked(on);
    m_updating = false;
}

void DbCheck::onClicked(bool checked)
{
    if (m_updating)
        return;
    const FieldDef* def = m_link->fieldDef();
    if (!def)
        return;
    const QVariant value = def->type == FieldType::Boolean ? QVariant(checked) : QVariant(checked ? m_checked : m_unchecked);
    if (!m_link->write(value))
        refresh();
}

// --- DbText ----------------------------------------------------------------------------------------

DbText::DbText(QWidget* parent) : QLabel(parent), m_link(new FieldDataLink(this))
{
    connect(m_link, &FieldDataLink::refreshRequested, this, &DbText::refresh);
}

void DbText::setDataSource(RecordSet* set, const QString& field)
{
    m_link->bind(set, field);
}

void DbText::refresh()
{
    setText(m_link->displayText());
}
