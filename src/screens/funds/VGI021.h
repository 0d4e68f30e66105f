#pragma once
#include "framework/ZZP020.h"
#include "screens/funds/FundSchedules.h"

// 차입금 상환 스케쥴: the repayment schedule of one loan, instalment by
// instalment, with the sums of principal, interest and payments.
class TfrmVGI021 : public TfrmZZP020 {
public:
    TfrmVGI021();
    void setLoan(const QString& bank, const QString& opening, const QString& rate, const QString& subject,
                 const QString& amount, const QString& grace, const QString& term, const QString& principalMonths,
                 const QString& method);
    void setRows(const QList<Funds::LoanRow>& rows);

    ReportElement* qrlLoan1;
    ReportElement* qrlLoan2;
};
