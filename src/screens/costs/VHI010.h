#pragma once
#include "screens/costs/CostStatement.h"

class QGroupBox;
class QLineEdit;
class QRadioButton;
class TPopupBtn;

// The cost-of-sales statement (매출원가명세서) by department over the
// cost departments of QA160MS: by site (all, or one department with the
// units below it) or by part; the database computes it for this
// workstation (PR_V_VHI010SP into VH010PR). Account groups are silver and
// stay out of the department totals.
class TfrmVHI010 : public TfrmCostStatement {
    Q_OBJECT
public:
    explicit TfrmVHI010(QWidget* parent = nullptr);

protected:
    // The variant over the accounting departments of VA160MS.
    TfrmVHI010(const QString& programId, QWidget* parent);

    bool sourceRows(const QDate& from, const QDate& to, QList<SourceRow>* rows) override;
    void FieldExit(QWidget* control) override;

    // "0" by site, "2" by site for the department given, "1" by part.
    QString flag() const;
    void setLookupStatements();

    QGroupBox* RadioGroup1;
    QRadioButton* rbSite;
    QRadioButton* rbPart;
    QLineEdit* edtUsdeptcd;
    TPopupBtn* pbtAcctDept;
    QLineEdit* edtUsdeptnm;

private:
    void build();
    bool m_accountingDepartments;
};
