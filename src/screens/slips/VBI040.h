#pragma once
#include "framework/ZZS010.h"
#include <QDate>

class DataGrid;
class QDateEdit;
class QLineEdit;
class RecordSet;
class TPopupBtn;

// The register of confirmed slips: per confirmation day its slips with
// their number of lines and totals, a subtotal row per day and a grand total
// dated the last day of the range's last month, optionally for one writer;
// printed as VBI041.
class TfrmVBI040 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVBI040(QWidget* parent = nullptr);

    RecordSet* result() const { return cdsQuery; }
    DataGrid* resultGrid() const { return rgrGrid; }

public slots:
    void bbtSearchClick() override;
    void bbtPrintClick() override;
    void bbtPreviewClick() override;

private:
    void printRegister();

    QDateEdit* dtpFConfDate;
    QDateEdit* dtpEConfDate;
    QLineEdit* edtEmpNo;
    TPopupBtn* pbtEmpNo;
    QLineEdit* edtEmpName;
    DataGrid* rgrGrid;
    RecordSet* cdsQuery;
    // The range of the list shown, which its print names.
    QDate m_shownFrom, m_shownTo;
};
