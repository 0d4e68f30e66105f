#pragma once
#include "framework/ZZS020.h"

class QCheckBox;
class QDateEdit;

// 세금계산서 대사: per customer, the tax invoices issued in the register
// against the sales tax invoices of confirmed slips (operations
// headquarters), with the differences and a total row; optionally only the
// customers where anything differs.
class TfrmVEI050 : public TfrmZZS020 {
    Q_OBJECT
public:
    explicit TfrmVEI050(QWidget* parent = nullptr);

public slots:
    void bbtSearchClick() override;

private:
    QDateEdit* dtpFsDate;
    QDateEdit* dtpEsDate;
    QCheckBox* chkDiff;
};
