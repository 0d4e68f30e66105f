#pragma once
#include "framework/ZZP020.h"
#include <QDate>

// The printed usage by department and account (부서계정과목별 사용내역),
// A4 landscape, over the rows of the search: the department and the account
// print when they change; the total row on silver.
class TfrmVCI091 : public TfrmZZP020 {
public:
    TfrmVCI091();
    // "원가부서 : <entry>               확정일자 : 2026년 12월 01일 - 2026년 12월 31일"
    void setCondition(const QString& departmentEntry, const QDate& from, const QDate& to);

    Band* qrbColumnHeader;
    Band* qrbDetail;
    ReportElement* qrsDetailBack;
    ReportElement* qrlDept;
    ReportElement* qrlAcct;

protected:
    void qrpReportBeforePrint() override
    {
        m_lastDept.clear();
        m_lastAcct.clear();
    }

private:
    QString m_lastDept;
    QString m_lastAcct;
};
