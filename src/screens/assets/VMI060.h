#pragma once
#include "framework/ZQI030.h"
#include "screens/slips/SlipGenerator.h"

class DataGrid;
class QLabel;
class QLineEdit;
class RecordSet;

// 월 감가상각: the depreciation of a month. Search lists what each asset
// takes (or, for a month that has run, what it took) with the totals per
// account and department; 전표생성 has the database write the month's
// unconfirmed slip and update the assets (pr_v_vmi060sp). Deleting that slip
// in slip entry undoes the run.
class TfrmVMI060 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVMI060(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }
    RecordSet* totals() const { return cdsTotal; }
    QString infoText() const;
    // The slip of the month shown, empty while the month has not run.
    QString slipNo() const { return m_slipNo; }

protected:
    void DoSearch() override;
    void AfterCancel() override;
    void DoExcel() override;
    void RefreshButtons() override;

private:
    QString month() const;
    void runDepreciation();

    QLineEdit* edtDEPR_YM;
    DataGrid* rdgMain;
    RecordSet* cdsMain;
    DataGrid* rdgTotal;
    RecordSet* cdsTotal;
    QLabel* lblTotal;
    QLabel* Panel1;
    QPushButton* bbtRun;
    SlipGenerator::OwnDept m_dept;
    QString m_month;   // the month searched
    QString m_slipNo;  // its slip when it has run
};
