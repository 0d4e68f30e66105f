#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QDateEdit;
class QRadioButton;
class RecordSet;

// 기일도래명세서: the notes payable issued by confirmed slips (their credit
// lines on notes payable with the note's items), by issue or maturity date.
class TfrmVFI030 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVFI030(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }

protected:
    void DoSearch() override;
    void DoPrint() override { printStatement(); }
    void DoPreview() override { printStatement(); }
    void DoExcel() override;

private:
    void openStatement(RecordSet* set);
    void printStatement();

    DataGrid* rdgMain;
    RecordSet* cdsMain;
    QDateEdit* dtpFrom;
    QDateEdit* dtpTo;
    QRadioButton* rdoReceivable;
    QRadioButton* rdoPayable;
    QRadioButton* rdoIssueDate;
    QRadioButton* rdoDueDate;
};
