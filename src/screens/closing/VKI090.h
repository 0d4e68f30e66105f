#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QComboBox;
class QDateEdit;
class QLineEdit;
class RecordSet;

// 변경 이력 조회: the history of changes the database keeps, by date range,
// employee, program, table and key (a slip number finds everything that
// happened to that slip, its lines and items included). The changed columns
// of the row in the list are shown below it, before and after side by side.
// The slip entry hands the slip it shows over to this screen.
class TfrmVKI090 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVKI090(QWidget* parent = nullptr);

    RecordSet* history() const { return cdsHistory; }
    RecordSet* changes() const { return cdsChanges; }
    QDateEdit* fromDate() const { return dtpFrom; }
    QDateEdit* toDate() const { return dtpTo; }
    QLineEdit* keyEdit() const { return edtKey; }
    QLineEdit* empEdit() const { return edtEmpNo; }
    QLineEdit* programEdit() const { return edtProgram; }
    QComboBox* tableBox() const { return cbxTable; }

    void FormShow() override;

protected:
    void DoSearch() override;
    void DoExcel() override;

private:
    void showChanges();

    QDateEdit* dtpFrom;
    QDateEdit* dtpTo;
    QLineEdit* edtEmpNo;
    QLineEdit* edtProgram;
    QComboBox* cbxTable;
    QLineEdit* edtKey;
    DataGrid* rdgHistory;
    DataGrid* rdgChanges;
    RecordSet* cdsHistory;
    RecordSet* cdsChanges;
};
