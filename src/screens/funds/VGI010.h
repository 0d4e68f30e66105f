#pragma once
#include "framework/ZQI030.h"
#include "screens/funds/FundSchedules.h"

class DataGrid;
class QCheckBox;
class QLineEdit;
class RecordSet;
class TPopupBtn;

// 적금 등록: installment savings contracts (VG010MS) with their payment
// schedules (VG010DT), which 계산 builds month by month.
class TfrmVGI010 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVGI010(QWidget* parent = nullptr);
    RecordSet* contracts() const { return cdsMain; }
    RecordSet* schedule() const { return cdsSchedule; }
    void bbtCalcClick();

protected:
    void DoSearch() override;
    void AfterNew() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoDelete() override;
    void FieldExit(QWidget* control) override;
    void RefreshButtons() override;

private:
    bool checkFields();
    void rowChange();
    void showCurrentRow();
    void loadSchedule(const QString& account);
    void showSchedule(const QList<Funds::SavingsRow>& rows);
    bool editing() const { return State == stEdit || State == stInsert; }

    RecordSet* cdsMain;
    DataGrid* rdgMain;
    RecordSet* cdsSchedule;
    DataGrid* rdgSchedule;
    QLineEdit* edtAcnNo;
    TPopupBtn* pbtAcnNo;
    QLineEdit* edtFinInstCd;
    QLineEdit* edtFinInstNm;
    QLineEdit* medtOpnDt;
    QLineEdit* medtExpDt;
    QLineEdit* edtCtrAmt;
    QLineEdit* edtYyIntRt;
    QLineEdit* edtMmPmtAmt;
    QLineEdit* edtMmPmtDt;
    QCheckBox* chkLastDt;
    QPushButton* bbtCalc;
    QString m_oldAcnNo;
};
