#pragma once
#include "framework/ZZP010.h"

// The list of tax invoices of the register for a range of issue dates,
// shown by the invoice screen's report page (report file TAX_F3.mrd,
// arguments "/rp  [from] [to] "): each invoice with its customer, supply,
// tax and total, and the sums of the period.
class TaxListReport : public TfrmZZP010 {
public:
    TaxListReport(const QString& fromDate, const QString& toDate);
    // Registers the layout under TAX_F3.mrd (once is enough; again is harmless).
    static void registerReport();

    Band* qrbColumnHeader;
    Band* qrbDetail;
    Band* qrbSummary;
};
