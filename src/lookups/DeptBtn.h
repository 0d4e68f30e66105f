#pragma once
#include "lookups/LookupBtn.h"
#include <QDate>

// The department counterpart of the code lookup button: clicking it shows
// the organisation valid on RefeDate as a tree ("부서검색"); the click event
// then finds ModalResult (Lookup::mrOk when a department was chosen) and
// ReturnValue: DEPT_CODE, DEPT_NAME, MAN_DEPT_CODE, MAN_DEPT_NAME,
// DEPT_TYPE, DEPT_AFF_YN, R_NAME, R_CODE, or one empty line after a cancel.
// ColumnTitles and ColumnWidths are kept but not used by the tree.
class TDeptBtn : public TLookupBtn {
    Q_OBJECT
    Q_PROPERTY(bool DeptAcc READ deptAcc WRITE setDeptAcc)
    Q_PROPERTY(QDate RefeDate READ refeDate WRITE setRefeDate)

public:
    explicit TDeptBtn(QWidget* parent = nullptr);

    // True lists every department, false only those with DEPT_AFF_YN 'Y'.
    bool deptAcc() const { return m_deptAcc; }
    void setDeptAcc(bool all) { m_deptAcc = all; }
    // The day the organisation is shown for; today unless set.
    QDate refeDate() const { return m_refeDate; }
    void setRefeDate(const QDate& date) { m_refeDate = date; }

    static QIcon glyph();

protected:
    void runLookup() override;

private:
    bool m_deptAcc = true;
    QDate m_refeDate = QDate::currentDate();
};
