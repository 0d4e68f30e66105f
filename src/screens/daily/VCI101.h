#pragma once
#include "framework/ZZP010.h"
#include <QString>

// The report "2110470.mrd" of the reservation deposits received in a
// period: A4 portrait, one row per receipt as the list of VCI100 shows it,
// the totals received and applied last. Reads its rows itself.
class TfrmVCI101 : public TfrmZZP010 {
public:
    // from and to: "yyyy-MM-dd".
    TfrmVCI101(const QString& from, const QString& to);

    Band* qrbColumnHeader;
    Band* qrbDetail;
    Band* qrbSummary;
};
