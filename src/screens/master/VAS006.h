#pragma once
#include "framework/ZZP010.h"

// The department chart: the accounting departments (VA160MS) drawn as a
// tree, each under its upper department, children in display order, with
// the connecting lines of the organisation chart. Departments whose upper
// code names no department (or themselves) are roots. Shown through the
// report viewer under the report file name kFileName.
class TfrmVAS006 : public TfrmZZP010 {
public:
    TfrmVAS006();

    static inline const QString kFileName = QStringLiteral("accpost.mrd");
    // Registers the layout with the report viewer (once).
    static void Register();

    // Reads the departments and lays out the tree rows: DEPTH, LABEL, KIND,
    // RAILS (one '1' per ancestor level whose line runs on) and LAST.
    void load();

    Band* qrbDetail;

private:
    void qrpReportBeforePrint() override;
};
