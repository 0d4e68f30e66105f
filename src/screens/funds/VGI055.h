#pragma once
#include "framework/ZZS010.h"

class DataGrid;
class QLineEdit;
class RecordSet;
class TPopupBtn;

// 예적금현황: the installment savings by bank with what was paid in before
// a payment date, printed through VGI056.
class TfrmVGI055 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVGI055(QWidget* parent = nullptr);
    RecordSet* records() const { return cdsMain; }

public slots:
    void bbtSearchClick() override;
    void bbtPrintClick() override;
    void bbtPreviewClick() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void printReport();

    QLineEdit* edtFinInstCd;
    TPopupBtn* pbtFinInst;
    QLineEdit* edtFinInstNm;
    QLineEdit* medtPayDt;
    RecordSet* cdsMain;
    DataGrid* rdgMain;
    QString m_searchedDate;
};
