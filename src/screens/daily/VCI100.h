#pragma once
#include "framework/ZZS020.h"

class QDateEdit;
class QLineEdit;
class ReportViewer;
class TPopupBtn;

// 예약선수금 입금내역: one row per confirmed line of the reservation deposits
// account (2110470) in the period with the depositor, the amount received,
// the way of payment, the amount the reservation system applied (AB010MS),
// the application number and its completion flag. After each search the
// report "2110470.mrd" of the same period shows beside the list.
class TfrmVCI100 : public TfrmZZS020 {
    Q_OBJECT
public:
    explicit TfrmVCI100(QWidget* parent = nullptr);

    ReportViewer* reportViewer() const { return rdvReport; }

    // The receipts of a period, as the list and the report show them.
    // Parameters: from and to date ("yyyy-MM-dd").
    static QString receiptsSql();
    // Registers the layout of "2110470.mrd" with the report registry.
    static void registerReport();

public slots:
    void bbtSearchClick() override;

private:
    QDateEdit* dtpFSlipDate;
    QDateEdit* dtpESlipDate;
    QLineEdit* edtUpperCode;
    QLineEdit* edtUpperCCodeName;
    TPopupBtn* pbtUpperCode;
    ReportViewer* rdvReport;
};
