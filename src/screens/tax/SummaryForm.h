#pragma once
#include "framework/ZZP010.h"
#include "screens/tax/TaxCommon.h"

// What the official summary forms of invoices (계산서 합계표) print: the
// submitter, the period, the writing date, the total rows and the list of
// customers or suppliers.
struct SummaryFormData {
    Tax::Place place;
    QString year;
    QString period;  // 기
    QDate from;
    QDate to;
    QDate writing;
    struct Total {
        QString caption;
        qint64 count = 0;
        qint64 volume = 0;
        qint64 amount = 0;
    };
    QList<Total> totals;
    struct Counterpart {
        QString cNum;
        QString name;
        qint64 volume = 0;
        qint64 amount = 0;
    };
    QList<Counterpart> counterparts;
};

// The frame both forms share: A4 portrait, the first sheet (갑) header with
// the submitter particulars ① to ④, the period ⑤, the writing date ⑥, the
// total rows and the caption of the list, the list rows (field NO, C_NUM,
// C_NAME, VOLUME, SUP_PRICE; empty rows blank) and the page footer
// "관리번호(…)" with "(   n   ) 쪽".
class TfrmSummaryForm : public TfrmZZP010 {
public:
    Band* qrbDetail;

protected:
    TfrmSummaryForm(const QString& name, bool sales, const SummaryFormData& data);
    // Draws the first sheet's header into the band (its height is set).
    void buildFirstSheet(Band* band);
    // The list's column header at y of the band.
    void buildListHeader(Band* band, double y);
    void appendRow(const QString& part, int number, const SummaryFormData::Counterpart* counterpart);

    bool m_sales;
    SummaryFormData m_data;
};
