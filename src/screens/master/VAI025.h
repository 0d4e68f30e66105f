#pragma once
#include "framework/ZQI020.h"

class DataGrid;
class QLineEdit;
class QRadioButton;
class RecordSet;

// 제무재표/계정과목: the slip-bearing accounts assigned to each statement
// item that is not a summary item (VA025MS). In edit a click on the "선택"
// column ticks or unticks an account; Save keeps exactly the ticked ones.
class TfrmVAI025 : public TfrmZQI020 {
    Q_OBJECT
public:
    explicit TfrmVAI025(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }
    RecordSet* accounts() const { return cdsAcct; }
    // Ticks or unticks an account row (as a click on its "선택" cell does).
    void toggleFlag(int row);

protected:
    void DoSearch() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;

private:
    void itemRowChange();
    void loadAccounts();

    QLineEdit* Edit_BUDG_CODE;
    QRadioButton* rdoAll;
    QRadioButton* rdoChosen;
    DataGrid* rdgMZ020MS;
    RecordSet* cdsMain;
    DataGrid* RealDBGrid1;
    RecordSet* cdsAcct;
    QString m_item;  // BUDG_ACCT of the item being edited
};
