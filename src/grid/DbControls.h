#pragma once
#include "grid/RecordSet.h"
#include "grid/RecordSetModel.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

// The tie between one control and one field of a record set: it tells the
// control when to show the current record's value again and writes the
// control's input back while the record set is being edited or inserted.
class FieldDataLink : public QObject {
    Q_OBJECT
public:
    explicit FieldDataLink(QObject* parent = nullptr);

    void bind(RecordSet* set, const QString& field);
    RecordSet* recordSet() const { return m_set; }
    QString field() const { return m_field; }
    // Open record set with this field.
    bool isActive() const;
    const FieldDef* fieldDef() const;
    QVariant value() const;        // NULL when inactive or empty
    QString text() const;          // as fieldAsString
    QString displayText() const;   // by the field's display format
    bool isNumeric() const;
    // A current record in edit or insert state and a field that takes values.
    bool canModify() const;
    // Assigns when canModify(); false otherwise. Raises for values the field
    // cannot take.
    bool write(const QVariant& value);

signals:
    void refreshRequested();
    void updateRequested();

private:
    void onDataChanged(int row, const QString& field);

    QPointer<RecordSet> m_set;
    QString m_field;
    bool m_writing = false;
};

// A line edit bound to a field. Away from the keyboard it shows the value by
// the field's display format; entering a numeric field shows the bare number
// (thousands separators and blanks removed) all selected. Typing writes the
// field at once while the record set is in edit or insert state; otherwise
// the text goes back to the field's value when the edit is left.
class DbEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DbEdit(QWidget* parent = nullptr);
    void setDataSource(RecordSet* set, const QString& field);
    RecordSet* recordSet() const { return m_link->recordSet(); }
    QString dataField() const { return m_link->field(); }
    FieldDataLink* link() const { return m_link; }
    bool isNumericField() const { return m_link->isNumeric(); }
    // Empties the edit, and the field when the record set is being edited.
    void clearValue();
    void refresh();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void onTextEdited(const QString& text);
    QString editText() const;
    FieldDataLink* m_link;
};

// A combo box bound to a field: its items carry codes (item data) that are
// stored; an item without a code stores its text.
class DbCombo : public QComboBox {
    Q_OBJECT
public:
    explicit DbCombo(QWidget* parent = nullptr);
    void setDataSource(RecordSet* set, const QString& field);
    void setItems(const QList<ComboItem>& items);
    RecordSet* recordSet() const { return m_link->recordSet(); }
    QString dataField() const { return m_link->field(); }
    FieldDataLink* link() const { return m_link; }
    void refresh();

private:
    void onActivated(int index);
    QString storedValue(int index) const;
    FieldDataLink* m_link;
    bool m_updating = false;
};

// A date picker bound to a date field or a text field holding dates (in
// textFormat, "yyyy-MM-dd" unless set). NULL shows blank.
class DbDateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit DbDateEdit(QWidget* parent = nullptr);
    void setDataSource(RecordSet* set, const QString& field);
    void setTextFormat(const QString& format) { m_textFormat = format; }
    RecordSet* recordSet() const { return m_link->recordSet(); }
    QString dataField() const { return m_link->field(); }
    FieldDataLink* link() const { return m_link; }
    bool isNull() const { return date() == minimumDate(); }
    void refresh();
    // Shows blank, and empties the field while the record is edited.
    void clear() override;

private:
    void onDateChanged(const QDate& date);
    FieldDataLink* m_link;
    QString m_textFormat = QStringLiteral("yyyy-MM-dd");
    bool m_updating = false;
};

class DbMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DbMemo(QWidget* parent = nullptr);
    void setDataSource(RecordSet* set, const QString& field);
    RecordSet* recordSet() const { return m_link->recordSet(); }
    QString dataField() const { return m_link->field(); }
    FieldDataLink* link() const { return m_link; }
    void refresh();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void onTextChanged();
    FieldDataLink* m_link;
    bool m_updating = false;
};

// A check box bound to a flag: checked stores valueChecked ("Y" unless set;
// true for boolean fields), unchecked valueUnchecked ("N").
class DbCheck : public QCheckBox {
    Q_OBJECT
public:
    explicit DbCheck(QWidget* parent = nullptr);
    void setDataSource(RecordSet* set, const QString& field);
    void setValues(const QString& checkedValue, const QString& uncheckedValue);
    RecordSet* recordSet() const { return m_link->recordSet(); }
    QString dataField() const { return m_link->field(); }
    FieldDataLink* link() const { return m_link; }
    void refresh();

private:
    void onClicked(bool checked);
    FieldDataLink* m_link;
    QString m_checked = QStringLiteral("Y");
    QString m_unchecked = QStringLiteral("N");
    bool m_updating = false;
};

// A label showing a field's display text.
class DbText : public QLabel {
    Q_OBJECT
public:
    explicit DbText(QWidget* parent = nullptr);
    void setDataSource(RecordSet* set, const QString& field);
    FieldDataLink* link() const { return m_link; }
    void refresh();

private:
    FieldDataLink* m_link;
};
