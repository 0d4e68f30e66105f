#pragma once
#include <QLineEdit>

// Right-aligned amount field: shows "#,##0" (or with decimals) and edits the
// plain number.
class NumEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumEdit(QWidget* parent = nullptr);

    double value() const;
    void setValue(double value);
    int decimals() const { return m_decimals; }
    void setDecimals(int decimals);

signals:
    void valueChanged(double value);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showFormatted();
    double m_value = 0;
    int m_decimals = 0;
    bool m_editing = false;
};
