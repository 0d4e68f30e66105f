#pragma once
#include "framework/ZZS010.h"

class DataGrid;
class QPushButton;
class RecordSet;
class ReportViewer;

// 부서 조직도: the departments with a display order, one column per level,
// and beside them the department chart in the report viewer (print from
// the viewer, or save the chart as PDF).
class TfrmVAS005 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVAS005(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }
    ReportViewer* viewer() const { return rdvReport; }

public slots:
    void bbtSearchClick() override;
    // Saves the chart as a PDF file chosen in the save dialog.
    void bbtPdfClick();

private:
    DataGrid* RealDBGrid1;
    RecordSet* cdsMain;
    ReportViewer* rdvReport;
    QPushButton* bbtPdf;
};
