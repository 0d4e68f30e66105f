#pragma once
#include "framework/ZZS010.h"
#include "screens/slips/SlipGenerator.h"

class DataGrid;
class QCheckBox;
class QLabel;
class QPushButton;
class RecordSet;
struct GridColumn;

// What the settlement slips of notes payable (VFI065) and the collection
// slips of received notes (VFI020) share: a list of notes falling due with
// a flag per note, the amount flagged, and the two runs that write the
// slips of the flagged notes through the database, one slip for them all
// (일괄처리) or one per note (개별처리), in a transaction of their own that
// is committed on success and rolled back, with the reason shown, on
// failure; the first slip may then be opened in slip entry.
class TfrmNoteSlipRun : public TfrmZZS010 {
    Q_OBJECT
public:
    RecordSet* records() const { return cdsQuery; }
    DataGrid* grid() const { return rdgMain; }
    QString amountText() const;

public slots:
    void bbtSearchClick() override;
    void bbtBatchClick() { runSlips(QStringLiteral("1")); }
    void bbtEachClick() { runSlips(QStringLiteral("2")); }

protected:
    TfrmNoteSlipRun(const QString& programId, const QString& question, const QString& waitText, QWidget* parent);

    // The list: columns, then in the search the statement of the screen.
    void setColumns(const QList<GridColumn>& columns);
    // Checks the conditions and opens the list; false when refused.
    virtual bool openList() = 0;
    // Writes the slips of the flagged notes (inside the run's transaction)
    // and answers the procedure's outputs: the result and the slip date.
    virtual QVariantList generate(const QString& mode) = 0;

    QWidget* conditions() const { return panSearch; }
    QCheckBox* chkAll;
    QPushButton* bbtBatch;
    QPushButton* bbtEach;
    SlipGenerator::OwnDept m_dept;

private:
    void runSlips(const QString& mode);
    void showAmount();

    DataGrid* rdgMain;
    RecordSet* cdsQuery;
    QLabel* lblAmount;
    QString m_question;
    QString m_waitText;
};
