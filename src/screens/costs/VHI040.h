#pragma once
#include "screens/costs/VHI020.h"

// The selling and administrative expense statement over the accounting
// departments of VA160MS, for the 75 and 9 accounts, with a last column
// "마스터" that lists every 75 account in use, moved or not.
class TfrmVHI040 : public TfrmVHI020 {
    Q_OBJECT
public:
    explicit TfrmVHI040(QWidget* parent = nullptr) : TfrmVHI020(QStringLiteral("VHI040"), parent) {}
};
