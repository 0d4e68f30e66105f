#pragma once
#include <QList>
#include <QString>

// One line of a slip as the entry screen holds it.
struct SlipLine {
    QString acctCode;
    QString remark;
    qint64 debit = 0;
    qint64 credit = 0;
    QString itemCodes[7];   // management item code of positions 1..7
    QString itemValues[7];  // "code:name" as shown, or a plain value
};

struct SlipHeader {
    QString slipNo;     // temporary ("N…") or real
    QString deptCode;
    QString accDate;    // "YYYY-MM-DD"
    QString slipKind;   // first character of the business division
    QString sessionId;  // fiscal term of the date
};

// Writes a slip through the staging tables and the slip procedure, and
// deletes one. The caller owns the transaction: it commits when the answer
// starts with 'R' and rolls back otherwise.
namespace SlipStore {

// 'V' for a new slip or one numbered "K04…", 'B' for other existing slips.
QString systemIdForSave(const QString& slipNo);
// "code:name:rest" → {"code", "name"}; a value without colon is all code.
std::pair<QString, QString> splitItemValue(const QString& value);

// Stages the lines and calls the procedure (flag '1' for a temporary
// number, '2' otherwise); returns the procedure's answer.
QString save(const SlipHeader& header, const QList<SlipLine>& lines);
// Calls the procedure with flag '3'; returns its answer.
QString remove(const SlipHeader& header);

}  // namespace SlipStore
