#pragma once
#include "framework/ZZS010.h"

class DataGrid;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class RecordSet;
class TPopupBtn;

// 지급어음 조회: the forms of notes payable and cheques by ranges of bank,
// customer, dates, number and state, with their total; exported to a
// spreadsheet.
class TfrmVFI055 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVFI055(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsQuery; }
    QString totalText() const;

public slots:
    void bbtSearchClick() override;
    void bbtExcelClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct DateRange {
        QLineEdit* from;
        QLineEdit* to;
        QString column;
    };
    bool refuse(const QString& message, QLineEdit* focus);
    bool checkConditions();

    DataGrid* rdgMain;
    RecordSet* cdsQuery;
    QPushButton* bbtExcel;
    QLabel* lblTotal;
    QLineEdit* edtFinInstCd1;
    QLineEdit* edtFinInstNm1;
    QLineEdit* edtFinInstCd2;
    QLineEdit* edtFinInstNm2;
    QRadioButton* rdoNote;
    QRadioButton* rdoCheque;
    QLineEdit* medtRcpDtF;
    QLineEdit* medtRcpDtE;
    QLineEdit* medtIsuDtF;
    QLineEdit* medtIsuDtE;
    QLineEdit* medtExpDtF;
    QLineEdit* medtExpDtE;
    QLineEdit* medtProcDtF;
    QLineEdit* medtProcDtE;
    QLineEdit* edtCustCd1;
    QLineEdit* edtCustNm1;
    QLineEdit* edtCustCd2;
    QLineEdit* edtCustNm2;
    QLineEdit* edtBillNoF;
    QLineEdit* edtBillNoE;
    QLineEdit* edtProcCdF;
    QLineEdit* edtProcCdE;
    TPopupBtn* pbtFinInst1;
    TPopupBtn* pbtFinInst2;
    TPopupBtn* pbtCustCd1;
    TPopupBtn* pbtCustCd2;
    QList<DateRange> m_dates;
};
