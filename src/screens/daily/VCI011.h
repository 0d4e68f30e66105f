#pragma once
#include "framework/ZZP010.h"
#include <QDate>
#include <QList>

// The printed daily accounting report (경리일보), A4 portrait: the day and
// the approval boxes; section I the cash receipts and payments side by side,
// seven lines each, with the previous-day and closing cash balance and the
// totals; section II one row per deposit account, bank and account number
// (the screen's deposit rows) with the deposit totals.
//
//     TfrmVCI011 layout;
//     layout.setDay(day);
//     layout.setCash(before, after);
//     layout.setReceipts(lines, total);
//     layout.setPayments(lines, total);
//     RecordSetReportData deposits(screenDeposits);
//     layout.setData(&deposits);
//     layout.Prepare();
class TfrmVCI011 : public TfrmZZP010 {
public:
    struct CashLine {
        QString text;
        qint64 amount = 0;
    };
    static constexpr int kCashLines = 7;

    TfrmVCI011();

    void setDay(const QDate& day);
    void setCash(qint64 before, qint64 after);
    void setReceipts(const QList<CashLine>& lines, qint64 total);
    void setPayments(const QList<CashLine>& lines, qint64 total);

    // At most `room` lines: when there are more, the last one carries " 외"
    // and the sum of itself and every line after it.
    static QList<CashLine> foldLines(const QList<CashLine>& lines, int room = kCashLines);

    Band* qrbColumnHeader;
    Band* qrbDetail;
    Band* qrbSummary;

private:
    void buildCashSection();
    void buildDeposits();
    void fillSide(const QString& side, const QList<CashLine>& lines, qint64 total);
};
