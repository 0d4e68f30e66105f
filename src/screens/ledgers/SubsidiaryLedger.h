#pragma once
#include <QDate>
#include <QString>
#include <QVariantList>

// The statement of the subsidiary ledgers (VCI040, VCI045) and the account
// ledgers (VCI060, VCI110): per account its rows from the ledger kernel as
// these screens show and print them.
//
// Columns: ROW_KIND ('B' brought forward, 'L' line, 'M' month total, 'T'
// period total), ACCT_DT ("00.00.00", "YY.MM.DD", "YY.MM.99", "99.99.99"),
// ACCT_CODE, ACCT_NAME (the brought-forward row the print name, lines the
// name, the total row the name when namedTotals), ACCT_TITLE (the account's
// name on every row), ACCT_SNAME, SLIP_NO, SLIP_SEQ_NO (line number from 1),
// REF_DAT, MG1 … MG7 (the values as shown: item 104 its code, the others
// their name or code), MGDATA ("[v1] [v2] …"), D_AMOUNT, C_AMOUNT, B_AMOUNT
// (the brought-forward balance on its row), BALANCE (the running balance
// after the row), DC_DIV, SLIP_DATE, DEPT_CODE, DEPT_NAME, and VAT_AMT with
// withVat.
struct SubsidiaryLedger {
    bool range = false;        // the accounts from fromAcct to toAcct (none when toAcct is empty), else fromAcct
    bool pastData = false;     // the archived slips (schema BKUSER)
    bool monthRows = false;    // a total row after each month's lines
    bool namedTotals = false;  // the total row carries the account's name
    bool withVat = false;      // the VAT amount of each line (VZ100MS)
    QDate from, to;
    QString fromAcct, toAcct;
    QString itemCode, itemValue;  // lines carrying this item value only

    QString sql() const;
    QVariantList params() const;
};
