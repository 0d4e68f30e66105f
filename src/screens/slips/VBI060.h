#pragma once
#include "framework/ZZS010.h"
#include "screens/slips/SlipGenerator.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TPopupBtn;

// Payroll slips: a pay run chosen by pay month and pay kind has its slips
// (pay, bonus and payment) written by the database; the first may be
// opened in slip entry at once.
class TfrmVBI060 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVBI060(QWidget* parent = nullptr);

    QString infoText() const;

public slots:
    void Button1Click();

private:
    QLineEdit* medSearchPAY_YM;
    QLineEdit* edtSearchPAY_CODE;
    QLineEdit* wlbSearchPAY_NAME;
    TPopupBtn* ppwSearchPAY_YM;
    QPushButton* Button1;
    QLabel* Panel1;
    SlipGenerator::OwnDept m_dept;
};
