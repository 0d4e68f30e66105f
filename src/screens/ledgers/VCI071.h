#pragma once
#include "framework/ZZP020.h"

// The printed general ledger: A4 landscape, every account on pages of its
// own under a header with its code and name, the rows of VC070PR with the
// summary rows as they stand.
//
//     TfrmVCI071 layout;
//     layout.cdsQuery().open(rowsOfTheLastRun, params);
//     layout.qrlCondition->setText(Ledger::periodText("확정일자 : ", from, to));
//     layout.Prepare();
//     layout.PrintOrPreview(PreviewFlag, screen);
class TfrmVCI071 : public TfrmZZP020 {
public:
    TfrmVCI071();

    Band* qrbColumnHeader;
    Band* qrbDetail;
    ReportGroup* qrgAccount;
};
