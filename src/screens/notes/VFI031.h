#pragma once
#include "framework/ZZP020.h"
#include <QDate>

// The printed due-date statement of notes payable (landscape): the credit
// lines of confirmed slips that issued notes, with the period.
class TfrmVFI031 : public TfrmZZP020 {
public:
    TfrmVFI031();
    void setPeriod(const QDate& from, const QDate& to);
};
