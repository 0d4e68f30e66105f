#pragma once
#include "framework/ZZS010.h"
#include "screens/slips/SlipGenerator.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The daily sales slip: the outlets' sales of one day become one slip,
// written by the database; it may be opened in slip entry at once.
class TfrmVBI070 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVBI070(QWidget* parent = nullptr);

    QString infoText() const;

public slots:
    void Button1Click();

private:
    QLineEdit* medSearchSALE_YMD;
    QPushButton* Button1;
    QLabel* Panel1;
    SlipGenerator::OwnDept m_dept;
};
