#pragma once
#include "common/XlsExport.h"
#include "framework/ZZI020.h"

class QDateEdit;

// The lines of the slips confirmed in a range of confirmation days, one row
// per line with its slip, items, amounts and dates; Excel writes the list to
// a spreadsheet file.
class TfrmVBS080 : public TfrmZZI020 {
    Q_OBJECT
public:
    explicit TfrmVBS080(QWidget* parent = nullptr);

    RecordSet* lines() const { return cdsGrid; }
    DataGrid* lineGrid() const { return rgrGrid; }

public slots:
    void bbtSearchClick() override;
    void bbtCancelClick() override;
    XlsExportResult bbtExcelClick();

private:
    QDateEdit* dtpFConfDate;
    QDateEdit* dtpEConfDate;
    QPushButton* bbtExcel;
};
