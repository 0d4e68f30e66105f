#pragma once
#include "framework/ZZS020.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class TPopupBtn;

// 세금계산서 발행현황: the invoices of the register by issue date, customer
// and kind, with the sums of supply, tax and total. Double-clicking an
// invoice opens it in 세금계산서 발행 (VEI020).
class TfrmVEI025 : public TfrmZZS020 {
    Q_OBJECT
public:
    explicit TfrmVEI025(QWidget* parent = nullptr);

public slots:
    void bbtSearchClick() override;
    void openInvoiceOfRow(int row);

private:
    QDateEdit* dtpFsDate;
    QDateEdit* dtpEsDate;
    QLineEdit* edtCust;
    QLineEdit* edtCustName;
    TPopupBtn* pbtCust;
    QComboBox* cbxBillType;
};
