#pragma once
#include "framework/ZQI030.h"
#include "screens/funds/FundSchedules.h"

class DataGrid;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class RecordSet;
class TPopupBtn;

// 차입금 등록: the loans (VG020MS) with their repayment schedules (VG020DT).
// 계산 computes the schedule from the loan's conditions, a changed principal
// re-walks the balance, 변동금리 re-rates the schedule from the chosen row;
// loan and schedule are saved together and the schedule prints (VGI021).
class TfrmVGI020 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVGI020(QWidget* parent = nullptr);

    RecordSet* loans() const { return cdsMain; }
    RecordSet* schedule() const { return cdsSchedule; }
    const QList<Funds::LoanRow>& scheduleRows() const { return m_rows; }
    DataGrid* scheduleGrid() const { return rdgSchedule; }

    void bbtCalcClick();
    void bbtRateClick();
    // A new principal for a row of the schedule, as typed in the grid.
    void changePrincipal(int row, qint64 principal);

protected:
    void DoSearch() override;
    void AfterNew() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoDelete() override;
    void DoPrint() override { printSchedule(); }
    void DoPreview() override { printSchedule(); }
    void FieldExit(QWidget* control) override;
    void RefreshButtons() override;

private:
    // Runs the checks; false (message shown, field focused) on the first failure.
    bool checkFields();
    Funds::LoanTerms terms() const;
    void proposeDates();
    void rowChange();
    void showCurrentLoan();
    void loadSchedule(const QString& loanNo);
    void showSchedule();
    void scheduleFieldChanged(const QString& field);
    void printSchedule();
    bool editing() const { return State == stEdit || State == stInsert; }

    QList<QRadioButton*> rdoSearch;
    RecordSet* cdsMain;
    DataGrid* rdgMain;
    RecordSet* cdsSchedule;
    DataGrid* rdgSchedule;
    QLineEdit* edtFinInstCd;
    TPopupBtn* pbtFinInst;
    QLineEdit* edtFinInstNm;
    QLineEdit* edtSbjNm;
    QLineEdit* medtOpnDt;
    QLineEdit* edtLoanNo;
    QLineEdit* edtIntRt;
    QLineEdit* edtMmPmtAmt;
    QLineEdit* edtFirstAmt;
    QLineEdit* medtExpDt;
    QLineEdit* edtLoanAmt;
    QLineEdit* edtMmPmtDt;
    QCheckBox* chkPayKind1;
    QLineEdit* edtYyDfr;
    QLineEdit* edtYyRpy;
    QLineEdit* medtLonDt;
    QLineEdit* medtIntDt;
    QLineEdit* edtLonMm;
    QLineEdit* edtIntMm;
    QRadioButton* rdoInAdvance;
    QRadioButton* rdoInArrears;
    QCheckBox* chkEndYn;
    QPushButton* bbtCalc;
    QPushButton* bbtRate;

    QList<Funds::LoanRow> m_rows;
    QString m_oldLoanNo;
    bool m_showing = false;
};
