#pragma once
#include "framework/ZQI030.h"

class DataGrid;
class QLineEdit;
class QPlainTextEdit;
class RecordSet;

// 기수 등록: the fiscal periods (VI010MS). Saving a period has the database
// build (or rebuild) its calendar of months and days; a period that is
// closed, or has a closed day, cannot be deleted.
class TfrmVKI010 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVKI010(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }

protected:
    void DoSearch() override;
    void AfterNew() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoDelete() override;

private:
    void openPeriods();
    void rdgMainRowChange();
    void showCurrentRow();
    // The "YYYY-MM-DD" text of a date field; empty when it holds no date.
    QString dateOf(QLineEdit* field) const;

    DataGrid* rdgMain;
    RecordSet* cdsMain;
    QLineEdit* Edit1;      // 기수
    QLineEdit* MaskEdit2;  // 시작일자
    QLineEdit* MaskEdit3;  // 종료일자
    QLineEdit* Edit4;      // 마감여부
    QPlainTextEdit* Memo1;
    QString m_key;  // SESSION_ID of the period being edited
};
