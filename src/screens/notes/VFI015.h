#pragma once
#include "framework/ZZS010.h"

class DataGrid;
class QLineEdit;
class RecordSet;
class TPopupBtn;

// 받을어음 조회: the received notes by ranges of kind, form, customer,
// issue and maturity dates, state and number.
class TfrmVFI015 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVFI015(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsQuery; }

public slots:
    void bbtSearchClick() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Range {
        QLineEdit* from;
        QLineEdit* to;
        QString column;
        bool date;
    };

    DataGrid* rdgMain;
    RecordSet* cdsQuery;
    QLineEdit* edt_BILL_KD_F;
    QLineEdit* edt_BILL_KD_E;
    QLineEdit* edt_BILL_TYPE_F;
    QLineEdit* edt_BILL_TYPE_E;
    QLineEdit* Edit_Cust_Cd1;
    QLineEdit* Edit_Cust_Nm1;
    QLineEdit* Edit_Cust_Cd2;
    QLineEdit* Edit_Cust_Nm2;
    QLineEdit* medt_ISU_DT_F;
    QLineEdit* medt_ISU_DT_E;
    QLineEdit* medt_EXP_DT_F;
    QLineEdit* medt_EXP_DT_E;
    QLineEdit* edt_BILL_PROC_CD_F;
    QLineEdit* edt_BILL_PROC_CD_E;
    QLineEdit* edt_BILL_NO_F;
    QLineEdit* edt_BILL_NO_E;
    TPopupBtn* pbtCustCd1;
    TPopupBtn* pbtCustCd2;
    QList<Range> m_ranges;
};
