#pragma once
#include "framework/ZQI030.h"
#include <array>

class DataGrid;
class QDateEdit;
class QLineEdit;
class RecordSet;
class TPopupBtn;

// 월 자금계획: the plan of a month (VG090MS), one row per fund code with the
// amount of each day; the days the month lacks are greyed.
class TfrmVGI090 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVGI090(QWidget* parent = nullptr);
    RecordSet* records() const { return cdsMain; }
    QLineEdit* dayField(int day) const { return edtDay.at(day - 1); }
    // The column of a day's amount, "FND_01_AMT" to "FND_31_AMT"; empty
    // for anything else.
    static QString DayColumn(int day);

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
    void rowChange();
    void showCurrentRow();
    void showTotal();
    int monthDays() const;

    QDateEdit* dtpMonth;
    RecordSet* cdsMain;
    DataGrid* rdgMain;
    QLineEdit* edtFndUsgCd;
    TPopupBtn* pbtFndUsgCd;
    QLineEdit* edtFndUsgNm;
    std::array<QLineEdit*, 31> edtDay{};
    QLineEdit* edtTotal;
    QString m_month;     // the searched month, "YYYYMM"
    QString m_oldCode;
};
