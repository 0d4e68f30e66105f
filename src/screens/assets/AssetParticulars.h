#pragma once
#include "framework/ZQI030.h"
#include <QList>

class DataGrid;
class QLineEdit;
class RecordSet;
class TPopupBtn;

// What the building (VMI011) and vehicle (VMI012) particulars share: the
// assets on the left, the particulars row of the current asset on the
// right, one row per asset (New only while the asset has none).
class TAssetParticulars : public TfrmZQI030 {
    Q_OBJECT
public:
    enum class Kind { Text, Date, Number, Whole };
    struct Field {
        const char* column;
        const char* caption;
        int maxLength;
        Kind kind;
    };
    struct Setup {
        QString programId;
        QString caption;
        QString table;         // VM011MS or VM012MS
        bool vehicles;         // the assets of class 60, or every other one
        QList<Field> fields;   // in the order of the panel
    };

    explicit TAssetParticulars(const Setup& setup, QWidget* parent = nullptr);

    RecordSet* assets() const { return cdsMain; }
    bool hasParticulars() const { return m_hasRow; }

protected:
    void DoSearch() override;
    void AfterNew() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoDelete() override;
    void RefreshButtons() override;
    void FieldExit(QWidget* control) override;

private:
    QString currentCode() const;
    void loadParticulars();

    Setup m_setup;
    DataGrid* rdgMain;
    RecordSet* cdsMain;
    QLineEdit *edtSVSFX_DTM, *edtSVSFX_DTM_NM, *edtSASET_NM;
    TPopupBtn* pbtSVSFX_DTM;
    QLineEdit* edtVSFX_CODE;
    QList<QLineEdit*> m_edits;
    bool m_hasRow = false;
    QString m_key;
};
