#pragma once
#include "framework/ZQI030.h"
#include <QDate>

class DataGrid;
class QDateEdit;
class RecordSet;

// The trial balance of totals and balances of one month: the database
// computes it for this workstation (PR_V_VDI010SP into VD010PR) and the grid
// shows every account and account group with the debit side and the credit
// side mirrored around the account name. Printed as VDI011 under the fiscal
// term of the month searched; exported as "합계잔액시산표".
class TfrmVDI010 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVDI010(QWidget* parent = nullptr);

    RecordSet* result() const { return cdsMain; }
    DataGrid* resultGrid() const { return rgrGrid; }
    // The first day of the month the grid shows; invalid before a search.
    QDate shownMonth() const { return m_shownMonth; }

protected:
    void DoSearch() override;
    void DoPrint() override;
    void DoPreview() override;
    void DoExcel() override;

private:
    void printTrialBalance();
    void fitColumnsToFigures();

    QDateEdit* DateTimePicker1;
    DataGrid* rgrGrid;
    RecordSet* cdsMain;
    QDate m_shownMonth;
};
