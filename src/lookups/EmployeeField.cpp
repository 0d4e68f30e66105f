#include "lookups/EmployeeField.h"
#include "framework/FormKit.h"
#include "lookups/PopupBtn.h"
#include <QLineEdit>

EmployeeField::EmployeeField(QWidget* parent) : QObject(parent)
{
    m_number = Form::NewEdit(parent, QStringLiteral("edtEmpNo"), 10);
    m_number->setFixedWidth(m_number->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    m_button = new TPopupBtn(parent);
    m_button->setObjectName(QStringLiteral("pbtEmpNo"));
    m_button->setSql(QStringList{QStringLiteral("SELECT EMP_NO, EMP_K_NAME FROM QA010MS ORDER BY EMP_NO")});
    m_button->setLinkSql(QStringList{QStringLiteral("SELECT EMP_NO, EMP_K_NAME FROM QA010MS"),
                                     QStringLiteral(" WHERE EMP_NO LIKE :emp_no || '%' OR EMP_K_NAME LIKE '%' || :emp_no || '%'"),
                                     QStringLiteral(" ORDER BY EMP_NO")});
    m_button->setColumnTitles({QStringLiteral("사원번호"), QStringLiteral("성    명")});
    m_button->setColumnWidths({QStringLiteral("10"), QStringLiteral("20")});
    m_button->setLinkControl(m_number);
    m_name = Form::NewEdit(parent, QStringLiteral("edtEmpName"));
    m_name->setReadOnly(true);
    m_name->setFocusPolicy(Qt::NoFocus);
    m_name->setFixedWidth(100);
    connect(m_button, &TPopupBtn::clicked, this, [this] {
        if (m_button->modalResult() != Lookup::mrOk)
            return;
        m_number->setText(m_button->returnValue().value(0).trimmed());
        m_name->setText(m_button->returnValue().value(1).trimmed());
    });
    connect(m_number, &QLineEdit::editingFinished, this, &EmployeeField::numberExit);
}

void EmployeeField::numberExit()
{
    const QString text = m_number->text().trimmed();
    m_name->clear();
    if (text.isEmpty() || m_button->inLinkSearch())
        return;
    m_button->setParam(QStringLiteral("emp_no"), text);
    m_button->LinkSearch();
}
