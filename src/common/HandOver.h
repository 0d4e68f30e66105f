#pragma once
#include <QDate>
#include <QString>

// Values one screen leaves for the screen it opens by program ID; the target
// reads and clears them when it is shown.
struct HandOver {
    // slip drill-down
    static inline QString HandSlipNo;
    static inline QString HandSlipDate;   // "YYYY-MM-DD"
    static inline QString HandDeptText;   // as shown in the target's department list
    // tax-invoice drill-down: the invoice's serial number (its dates in
    // HandFromDate and HandToDate)
    static inline QString HandBillSeqNo;
    // account-ledger drill-down
    static inline QString HandAcctCode;
    static inline QString HandFromDate;
    static inline QString HandToDate;
    static inline QString HandMgFlag[3];  // "1" when item n is to be filled
    static inline QString HandMgCode[3];
    static inline QString HandMgName[3];

    static void clearSlip() { HandSlipNo.clear(); HandSlipDate.clear(); HandDeptText.clear(); HandBillSeqNo.clear(); }
    static void clearLedger()
    {
        HandAcctCode.clear();
        HandFromDate.clear();
        HandToDate.clear();
        for (int i = 0; i < 3; ++i) {
            HandMgFlag[i].clear();
            HandMgCode[i].clear();
            HandMgName[i].clear();
        }
    }
};

// Opens a program as from its menu, or re-activates it: an open screen has
// its Cancel pressed while enabled and its show handler run again, so that it
// picks up the hand-over values. When no screen of the program is open
// afterwards (an ID without a screen, or without a menu entry), nothing will
// read the hand-over values, and they are cleared: a screen opened later must
// not take them for its own.
void OpenProgramById(const QString& programId);

// The slip hand-off: the slip, its writing date and its department (as the
// department lists show it), then the program opened on it.
void OpenSlipInProgram(const QString& programId, const QString& slipNo, const QDate& slipDate,
                       const QString& deptName, const QString& deptCode);
