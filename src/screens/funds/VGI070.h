#pragma once
#include "framework/ZZS010.h"

class DataGrid;
class QDateEdit;
class QLineEdit;
class QRadioButton;
class RecordSet;
class TPopupBtn;

// 차입금 상환예정표: the instalments of the loans falling due in a date
// range, by bank, printed through VGI071.
class TfrmVGI070 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVGI070(QWidget* parent = nullptr);
    RecordSet* records() const { return cdsMain; }

public slots:
    void bbtSearchClick() override;
    void bbtPrintClick() override;
    void bbtPreviewClick() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void printReport();

    QDateEdit* dtpFrom;
    QDateEdit* dtpTo;
    QLineEdit* edtFinInstCd;
    TPopupBtn* pbtFinInst;
    QLineEdit* edtFinInstNm;
    QList<QRadioButton*> rdoEnd;
    RecordSet* cdsMain;
    DataGrid* rdgMain;
};
