#pragma once
#include "framework/ZZS010.h"

class DataGrid;
class QDateEdit;
class QPushButton;
class RecordSet;

// 지급어음 지급일자 등록: the payment date of issued notes and cheques that
// have none yet, given to the flagged ones at once.
class TfrmVFI063 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVFI063(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsQuery; }
    DataGrid* grid() const { return rdgMain; }

public slots:
    void bbtSearchClick() override;
    void bbtProcessClick();

private:
    DataGrid* rdgMain;
    RecordSet* cdsQuery;
    QDateEdit* dtpPayDate;
    QPushButton* bbtProcess;
};
