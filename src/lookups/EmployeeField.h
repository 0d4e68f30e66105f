#pragma once
#include <QObject>

class QLineEdit;
class QWidget;
class TPopupBtn;

// An employee chosen by number: the number edit, its lookup button and the
// name beside it. A number typed and left looks the employee up; a choice
// in the lookup fills both. The widgets belong to the parent and keep their
// usual names (edtEmpNo, pbtEmpNo, edtEmpName).
class EmployeeField : public QObject {
    Q_OBJECT
public:
    explicit EmployeeField(QWidget* parent);

    QLineEdit* number() const { return m_number; }
    TPopupBtn* button() const { return m_button; }
    QLineEdit* name() const { return m_name; }

private:
    void numberExit();

    QLineEdit* m_number;
    TPopupBtn* m_button;
    QLineEdit* m_name;
};
