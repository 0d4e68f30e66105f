#pragma once
#include "framework/ZQI030.h"
#include <QList>

class DataGrid;
class QDateEdit;
class RecordSet;

// What the cost statements share: the period, and the cross table built
// anew by every search — one row per account, one column per department
// (the amounts of the period added up per cell), the account total at the
// right and the department total at the bottom. A screen supplies the
// source rows; the grid keeps the account name and the total in view while
// the departments scroll, and is exported under the statement's title.
class TfrmCostStatement : public TfrmZQI030 {
    Q_OBJECT
public:
    struct SourceRow {
        QString acctCode;
        QString acctName;
        QString deptCode;
        QString deptName;
        double amount = 0;
        // "0": a group row, which the department totals leave out
        QString ord = QStringLiteral("1");
    };

    RecordSet* result() const { return cdsMain; }
    DataGrid* resultGrid() const { return rdgMain; }
    // The field of a department's column ("D_" and its code).
    static QString deptField(const QString& deptCode);
    static inline const QString kTotalField = QStringLiteral("ACCT_TOTAL");

    struct Kind {
        QString title;          // the window title and the sheet's
        QString totalCaption;   // the department-total row's caption
        QString nameCaption;    // the caption of the account name column
        bool costOfSales;       // ORD column, group rows silver and out of the totals
        bool columnsByCode;     // departments in code order, else as the rows bring them
        bool titleWithCode;     // every department titled "name:code"
    };

protected:
    TfrmCostStatement(const QString& programId, const Kind& kind, QWidget* parent);

    // The rows of the period, or false when the search stops (the user was
    // told why); the grid then keeps what it showed.
    virtual bool sourceRows(const QDate& from, const QDate& to, QList<SourceRow>* rows) = 0;

    void DoSearch() override;
    void DoExcel() override;

    QDateEdit* dtpFSlipDate;
    QDateEdit* dtpESlipDate;
    DataGrid* rdgMain;
    RecordSet* cdsMain;

private:
    void buildCrossTable(const QList<SourceRow>& rows);

    Kind m_kind;
};
