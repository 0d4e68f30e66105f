#pragma once
#include "framework/ZOI010.h"

class DataGrid;
class QLabel;
class QLineEdit;
class QPushButton;
class RecordSet;
class TPopupBtn;

// 자산 이동: moves assets from the department of the search panel to a
// destination on a day. The transfer rows (VM050MS) are recorded here; the
// database applies them (PR_V_MOVE_ASSET_UPDATE 'INS'), records where each
// asset came from, and undoes them on an edit ('DEL' first) or a delete
// (PR_O_DATE_STOCK_SIL_UPDATE), which puts every asset back.
class TfrmVMI050 : public TfrmZOI010 {
    Q_OBJECT
public:
    explicit TfrmVMI050(QWidget* parent = nullptr);

    RecordSet* transfers() const { return cdsMove; }
    RecordSet* picker() const { return cdsItem; }
    // Ticks or unticks a row of the asset picker, as a click on its box does.
    void setTicked(int row, bool ticked);
    QString countText() const;

    void glEnabledCheck() override;

protected:
    void glInsert() override;
    void glEdit() override;
    void glSave() override;
    void glCancel() override;
    void glDelete() override;
    void glSelect() override;
    void glOnExitEvent(QWidget* control) override;
    void glOnEnterEvent(QWidget* control) override;
    bool glOnKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers) override;

private:
    bool requireDepartment();
    QString transferDay() const;
    void openTransfers(const QString& where, const QVariantList& params);
    void listAssets();
    void tickAll(bool ticked);
    void fetchAssets();
    void showCount();
    // A procedure's answer: true for "Y"; otherwise the reason is shown and
    // the transaction rolled back.
    bool accepted(const QString& answer);

    QLineEdit *edtSTRG_CODE_S, *edtSTRG_NAME_S, *medSILS_DATE_S;
    TPopupBtn *pbtnSTRG_CODE_S, *pbtnSTRG_CODE_M;
    QLineEdit *edtITEM_CODE, *edtITEM_NAME;
    DataGrid* rgdOM050MS;
    RecordSet* cdsMove;
    QPushButton* bbtFetch;
    QLineEdit *edtPickCode, *edtPickName;
    QPushButton *bbtItemSearch, *bbtTickAll, *bbtUntickAll;
    DataGrid* rgdItem;
    RecordSet* cdsItem;
    QLabel* lblItemCount;
};
