#pragma once
#include "framework/ZQI030.h"
#include <QDate>

class DataGrid;
class NumEdit;
class QDateEdit;
class QLineEdit;
class QTabWidget;
class RecordSet;
class ReportViewer;
class TPopupBtn;

// 세금계산서 발행: the register of tax invoices written on pre-printed paper —
// the customer's particulars, the kinds, the book number, the dates, up to
// five item lines whose totals split into supply and tax, and the payment
// split. New invoices draw their serial and book numbers from PR_GETADMINNO.
// Prints on the paper form (VEI021); the invoices of the searched period
// are listed in the embedded report page (TAX_F3.mrd).
class TfrmVEI020 : public TfrmZQI030 {
    Q_OBJECT
public:
    explicit TfrmVEI020(QWidget* parent = nullptr);
    void FormShow() override;

    static constexpr int kLines = 5;
    static inline const QString kReportFile = QStringLiteral("TAX_F3.mrd");

    RecordSet* invoices() const { return cdsMain; }
    QString reportArguments() const { return m_reportArguments; }

protected:
    void AfterNew() override;
    void AfterEdit() override;
    void DoSave() override;
    void AfterCancel() override;
    void DoDelete() override;
    void DoSearch() override;
    void DoPrint() override;
    void DoPreview() override;
    void DoExcel() override;
    void FieldExit(QWidget* control) override;
    bool dateFieldAccepts(QLineEdit* edit) override;
    bool FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers) override;
    void RefreshButtons() override;

private:
    struct LineBoxes {
        QLineEdit* date;
        QLineEdit* product;
        QLineEdit* size;
        NumEdit* quantity;
        NumEdit* unitPrice;
        NumEdit* total;
        NumEdit* supply;
        NumEdit* tax;
        QLineEdit* summary;
    };

    void buildSearchPanel();
    void buildEntryPanel();
    void setUpLookups();
    void rowChanged();
    void showHeader();
    void clearLines();
    void loadLines(const QString& billSeqNo);
    void setLineDates();
    void splitLineTotals();
    void sumLines();
    bool checkInput();
    bool assignNumbers(QString* seqNo, QString* bookNo, QString* bookHo);
    void writeInvoice(const QString& seqNo);
    void refreshRow(const QString& seqNo);
    void printInvoice();
    bool refuse(const QString& text, QWidget* focus);

    QDateEdit* dtpTax_Sdate;
    QDateEdit* dtpTax_Edate;
    QLineEdit* edtSCust;
    QLineEdit* edtSCustName;
    TPopupBtn* pbtSCust;

    QLineEdit* edtBILL_SEQ_NO;
    QLineEdit* edtC_CODE;
    QLineEdit* edtC_NAME;
    TPopupBtn* pbtCust;
    QLineEdit* edtC_NUM;
    QLineEdit* edtBOSS_NAME;
    QLineEdit* edtC_ITEM;
    QLineEdit* edtC_TYPE;
    QLineEdit* edtADDR;
    QLineEdit* edtBILL_TYPE;
    QLineEdit* edtBILL_TYPE_NM;
    TPopupBtn* pbtBillType;
    QLineEdit* edtPRICE_TYPE;
    QLineEdit* edtPRICE_TYPE_NM;
    TPopupBtn* pbtPRICETYPE;
    QLineEdit* edtBILLBOOK_NO;
    QLineEdit* edtBILLBOOK_HO;
    QLineEdit* medTAX_DATE;
    QLineEdit* edtISSUE_DATE;
    NumEdit* nedTOT_AMT;
    NumEdit* nedCASH_AMT;
    NumEdit* nedCHEK_AMT;
    NumEdit* nedBILL_AMT;
    NumEdit* nedMISU_AMT;
    NumEdit* nedTS_PRICE;
    NumEdit* nedT_TAX;
    QLineEdit* edtSLIP_NO;
    QLineEdit* edtCONF_DATE;
    LineBoxes m_lines[kLines];

    QTabWidget* pgcList;
    DataGrid* rdgMain;
    RecordSet* cdsMain;
    ReportViewer* rdvReport;
    QString m_reportArguments;
    QString m_oldBillSeqNo;
    QString m_openOnShow;
};
