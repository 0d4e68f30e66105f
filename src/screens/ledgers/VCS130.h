#pragma once
#include "framework/ZQI030.h"

class QLineEdit;
class ReportViewer;

// The business-site detail report (사업장별세부내역) of one month, shown in
// the report viewer that fills the data area: what the month's closing
// summed per business division (see TfrmVCS131).
class TfrmVCS130 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVCS130(QWidget* parent = nullptr);

    ReportViewer* viewer() const { return m_viewer; }
    // "YYYYMM" of the month field.
    QString searchMonth() const;
    void FormShow() override;

    static inline const QString kReportFile = QStringLiteral("사업장별세부내역_NEW.mrd");

protected:
    void DoSearch() override;

private:
    QLineEdit* medSearch_YM;
    ReportViewer* m_viewer;
};
