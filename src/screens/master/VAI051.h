#pragma once
#include "framework/ZZP020.h"

// The printed customer list: landscape, two text rows per customer under a
// rule, over the rows of the customer screen's result in grid order.
//
//     TfrmVAI051 layout;
//     RecordSetReportData rows(screenResult);
//     layout.setData(&rows);
//     layout.Prepare();
//     layout.PrintOrPreview(PreviewFlag, screen);
class TfrmVAI051 : public TfrmZZP020 {
public:
    TfrmVAI051();

    Band* qrbColumnHeader;
    Band* qrbDetail;
};
