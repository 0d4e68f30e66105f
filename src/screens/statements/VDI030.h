#pragma once
#include "framework/ZQI030.h"
#include <QDate>
#include <memory>

class DataGrid;
class QDateEdit;
class QPushButton;
class RecordSet;
class TfrmVDI031;

// The balance sheet of a month against the end of the previous term: the
// database builds it for the signed-in employee (PR_V_VDI030SP into
// VD031_RPT) with the net income of the income statement; the grid shows
// each account and group with the current and previous amounts and their
// differences (previous less current). Printed and saved as PDF through
// VDI031 under the terms of the month searched; exported as "대차대조표".
class TfrmVDI030 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVDI030(QWidget* parent = nullptr);

    RecordSet* result() const { return cdsMain; }
    DataGrid* resultGrid() const { return rdgMain; }
    // The first day of the month the grid shows; invalid before a search.
    QDate shownMonth() const { return m_shownMonth; }

protected:
    void DoSearch() override;
    void DoPrint() override;
    void DoPreview() override;
    void DoExcel() override;
    void RefreshButtons() override;

private:
    // The prepared layout of the month shown, or nullptr after telling the
    // user that the month has no term.
    std::unique_ptr<TfrmVDI031> layoutOfShownMonth();
    void printBalanceSheet();
    void bbtPdfClick();

    QDateEdit* DateTimePicker1;
    DataGrid* rdgMain;
    RecordSet* cdsMain;
    QPushButton* bbtPdf = nullptr;
    QDate m_shownMonth;
};
