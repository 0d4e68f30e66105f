#pragma once
#include <QColor>
#include <QDate>
#include <QString>
#include <QVariantList>

class QLineEdit;
class QWidget;
class TPopupBtn;

// What the ledger screens share: the account lookups, the call of a ledger
// procedure and the texts and colours of the summary rows.
namespace Ledger {

const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);

// "yyyy-MM-dd", as the procedures and statements take dates.
inline QString dayText(const QDate& day)
{
    return day.toString(Qt::ISODate);
}

// Wires an account lookup: the accounts that take slips (USE_YN and SLIP_YN
// 'Y'); F1 in the code field opens it; a chosen row fills the code and the
// short name, a cancelled one clears both; leaving a typed code looks it up
// (a single match is taken).
// contains: the typed text may stand anywhere in the code, else it starts it.
void wireAccountLookup(TPopupBtn* button, QLineEdit* code, QLineEdit* name, bool contains = false);
// Runs a lookup on the code field's text (nothing for an empty field).
void lookUpTypedAccount(TPopupBtn* button, QLineEdit* code);

// Calls a ledger procedure that fills a result table for this workstation in
// its own transaction: committed on 'T', rolled back and raised as an error
// (which ends in the error dialog) on 'E…'.
QString runLedgerProcedure(const QString& name, const QVariantList& params);

// The wait window while a ledger is computed, closed however it ends.
struct WaitWhile {
    explicit WaitWhile(const QString& message);
    ~WaitWhile();
    WaitWhile(const WaitWhile&) = delete;
    WaitWhile& operator=(const WaitWhile&) = delete;
};

// "확정일자 : 2026년 11월 01일 - 2026년 11월 30일" and its kin.
QString periodText(const QString& caption, const QDate& from, const QDate& to);

}  // namespace Ledger
