#pragma once
#include "framework/ZQI030.h"
#include <QByteArray>
#include <QPixmap>
#include <functional>

class DataGrid;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;
class RecordSet;
class TPopupBtn;

// 자산 등록: the fixed-asset register (VM010MS) with the asset's photo
// (VM010DT). A new asset's code is the class code followed by the next
// serial of the class, which the database hands out once. The method, life
// and rate of the depreciation are kept here; the depreciation state (book
// value, accumulated depreciation, residual value, last depreciation) is
// shown and changes only through the depreciation runs.
class TfrmVMI010 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVMI010(QWidget* parent = nullptr);

    RecordSet* records() const { return cdsMain; }
    // The photo area as shown (null when none).
    QPixmap shownPhoto() const;
    bool photoAreaVisible() const;

protected:
    void DoSearch() override;
    void AfterNew() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoDelete() override;
    void RefreshButtons() override;
    void FieldExit(QWidget* control) override;
    bool FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers) override;

private:
    void buildSearch();
    void buildInput();
    TPopupBtn* lookup(const char* name, const QString& sql, const QString& linkSql, const QStringList& titles,
                      QLineEdit* code, QLineEdit* nameEdit, const std::function<void()>& chosen = {});
    void showCurrent();
    void classChosen(const QString& previous);
    void typeButtonClick();
    void choosePhoto();
    void loadPhoto();
    void showPhoto(const QImage& image);
    bool collect(QVariantList* values);

    DataGrid* rdgMain;
    RecordSet* cdsMain;
    QLineEdit *edtSVSFX_DTM, *edtSVSFX_DTM_NM, *edtSASET_NM;
    TPopupBtn* pbtSVSFX_DTM;

    QLineEdit *edtVSFX_CODE, *edtASET_NM;
    QRadioButton *rbACQ_CLF[3], *rbPOS_CLF, *rbRDM_KIND[2];
    QCheckBox* chkRDM_YN;
    QLineEdit *edtOG_DEPT_CD, *edtOG_DEPT_NM, *edtVSFX_DTM, *edtVSFXDNM, *edtVSFX_MTM, *edtVSFXMNM;
    QLineEdit *edtVSFX_STM, *edtVSFXSNM, *edtACCT_SBJ_CD, *edtACCT_NAME, *edtACQ_DT, *edtRMKS;
    QLineEdit *edtQTY, *edtPRC, *edtACQ_AMT, *edtVSFX_SIZE, *edtBUY_CO, *edtCUST_NM, *edtDEPT_CD, *edtDEPT_NM;
    QLineEdit *edtCONT_YYS, *edtRDM_RATE, *edtBOOK_AMT, *edtDEPR_SUM_AMT, *edtREMN_AMT, *edtLAST_DEP_DT;
    TPopupBtn *pbtOG_DEPT_CD, *pbtVSFX_DTM, *pbtVSFX_STM, *pbtACCT_SBJ_CD, *pbtBUY_CO, *pbtDEPT_CD;
    // The type lookup runs only once a class is chosen: the visible button
    // asks for the class first.
    QToolButton* pbtVSFX_MTM;
    TPopupBtn* m_typeLookup;
    QPushButton* bbtPhoto;
    QCheckBox* chkPhotoView;
    QWidget* panPhoto;
    QLabel* imgPhoto;

    QString m_key;          // the code of the asset being edited
    QString m_proposed;     // the code last proposed for the new asset
    QByteArray m_newPhoto;  // the JPEG chosen with 사진등록, stored on save
};
