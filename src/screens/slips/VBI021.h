#pragma once
#include "framework/ZZP010.h"
#include <QDate>

class QWidget;

// The printed journal slip: one saved slip on A4 landscape sheets, eight
// ruled line blocks a sheet (account with its two upper accounts, seven
// management items, description, debit and credit), the slip header and the
// approval boxes on every sheet, the slip totals on the last one.
//
// It keeps the page frame's machinery (preparation, page total, printer and
// preview) but neither its title band nor its footer texts: the slip form has
// a page header and footer of its own.
//
// Created for one print and destroyed afterwards:
//     TfrmVBI021 form;
//     form.Print(slipNo, date, deptEntry, division, PreviewFlag, this);
class TfrmVBI021 : public TfrmZZP010 {
public:
    TfrmVBI021();
    ~TfrmVBI021() override;

    // Prints (or, with previewFlag, previews) the slip. A slip that has not
    // been saved yet (temporary number beginning with "N", or no number) is
    // not printed: the user is told to save it first. Database errors are
    // raised to the caller.
    void Print(const QString& slipNoText, const QDate& writingDate, const QString& deptEntry,
               const QString& businessDivision, bool previewFlag, QWidget* parent = nullptr);
    using TfrmZZP010::Print;

    // Slip lines and filler rows a sheet holds.
    static constexpr int kLinesPerPage = 8;

    // The amount row of the header ("금   액 :"): the cash paid out by the
    // slip, in words and figures; empty when the slip pays no cash.
    QString amountText() const { return m_amountText; }
    // What the counting pass found; the totals print on this page.
    int pageTotal() const { return m_pageTotal; }

    // Page header
    Band* qrbPageHeader;
    ReportElement* qrlSlipTitle;
    ReportElement* qrlCocd;
    ReportElement* qrlDept;
    ReportElement* qrlEmpName;
    ReportElement* qrlSlipNo;
    ReportElement* qrlSlipDate;
    ReportElement* qrlAccDate;
    ReportElement* qrlRefData;
    ReportElement* qrlAmount;

    // Line band
    Band* qrbDetail;
    ReportElement* qrsLineBack;
    ReportElement* qrlSeqNo;
    ReportElement* qrlDebit;
    ReportElement* qrlCredit;

    // Page footer (the frame's footer band, refilled)
    ReportElement* qrlTotalDebit;
    ReportElement* qrlTotalCredit;

protected:
    // Start of every pass (counting and output): the running sums and the
    // shading start afresh, so the counting pass never doubles the totals.
    void qrpReportBeforePrint() override;

private:
    void buildPageHeader();
    void buildDetail();
    void buildFooter();
    QString reportSql() const;

    double m_debitSum = 0;
    double m_creditSum = 0;
    bool m_grey = false;  // shading of the line band being placed
    int m_pageTotal = 0;
    QString m_division;
    QString m_amountText;
};
