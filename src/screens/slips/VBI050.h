#pragma once
#include "framework/ZZS010.h"
#include "screens/slips/SlipGenerator.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TPopupBtn;

// Slip copy: a slip chosen by its accounting or confirmation day becomes a
// new unconfirmed slip of the writer's own department, dated today, with
// its amounts zeroed, negated or kept; the new slip may be opened in slip
// entry at once.
class TfrmVBI050 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVBI050(QWidget* parent = nullptr);

    QString infoText() const;

public slots:
    void Button1Click();

private:
    void setSlipLookupConditions();
    void edtFSlipNoExit();
    // False (after the message) when the slip chosen in the lookup was
    // changed by someone else since.
    bool sourceUnchanged(const QString& slipNo);

    QDateEdit* DateTimePicker1;
    QList<QRadioButton*> RadioGroup2;  // 생성일자, 확정일자
    QLineEdit* edtFSlipNo;
    TPopupBtn* pbtFSlipNo;
    QList<QRadioButton*> RadioGroup1;  // '0' 처리, '-' 처리, 처리안함
    QPushButton* Button1;
    QLabel* Panel1;
    SlipGenerator::OwnDept m_dept;
    // The slip taken from the lookup and its last change as it was then.
    QString m_chosenSlipNo, m_chosenChange;
};
