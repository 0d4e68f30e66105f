#pragma once
#include <QString>

class Band;
class TfrmZZP010;
class ReportElement;

// The page of the two deposit-status prints: title, subtitle, column
// headings (the first two in the order given) and the detail cells; the
// first column is a label each layout fills per row.
namespace DepositPrint {

struct Bands {
    Band* columnHeader;
    Band* detail;
    ReportElement* back;
    ReportElement* firstColumn;
};

Bands build(TfrmZZP010* layout, const QString& subtitle, bool bankFirst);

}  // namespace DepositPrint
