#pragma once
#include "screens/costs/CostStatement.h"

// The selling and administrative expense statement (판매비와 일반관리비
// 명세서) by department, read from the department items of the confirmed
// lines of the period over the selling and administrative departments of
// QA160MS: each line once, its debits less credits.
class TfrmVHI020 : public TfrmCostStatement {
    Q_OBJECT
public:
    explicit TfrmVHI020(QWidget* parent = nullptr);

protected:
    // The variant over the accounting departments of VA160MS.
    TfrmVHI020(const QString& programId, QWidget* parent);

    bool sourceRows(const QDate& from, const QDate& to, QList<SourceRow>* rows) override;

private:
    void build();
    bool m_accountingDepartments;
};
