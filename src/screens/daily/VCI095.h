#pragma once
#include "framework/ZZS020.h"

class FieldEventHook;
class QDateEdit;
class QLineEdit;
class TPopupBtn;

// 거래처원장: the confirmed lines that carry a customer item (154, the
// business registration number as its value name), for one customer or
// all, per account with account subtotals and a grand total. Double-clicking
// a line opens its slip in slip entry.
class TfrmVCI095 : public TfrmZZS020 {
    Q_OBJECT
public:
    explicit TfrmVCI095(QWidget* parent = nullptr);

public slots:
    void bbtSearchClick() override;

private:
    void openSlipOfRow(int row);
    bool fieldEvent(QWidget* field, QEvent* event);

    QDateEdit* dtpFSlipDate;
    QDateEdit* dtpESlipDate;
    QLineEdit* edtUpperCode;
    QLineEdit* edtUpperCCodeName;
    TPopupBtn* pbtUpperCode;
    FieldEventHook* m_fields;
};
