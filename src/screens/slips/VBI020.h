#pragma once
#include "framework/ZQI020.h"
#include "screens/slips/SlipStore.h"

class DataGrid;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class RecordSet;
class TPopupBtn;

// Slip entry: one slip per screen, a header strip and a grid of lines whose
// management-item columns follow the rules of each line's account.
class TfrmVBI020 : public TfrmZQI020 {
    Q_OBJECT
public:
    explicit TfrmVBI020(QWidget* parent = nullptr);

    // One rule of one grid line: which item the line carries in which position.
    struct LineRule {
        int line = 0;
        QString acctCode, mgCode, mgName;
        int lineupNo = 0;
        QString dMust, cMust, mgType, balYn, conCode;
    };

    // Grid columns, in order (the index is the column number users know).
    enum Column {
        colV1Code, colV1Name, colV2Code, colV2Name, colAcctCode, colAcctName,
        colMg1, colMg7 = colMg1 + 6, colRemark, colDebit, colCredit,
        colCd1, colCd7 = colCd1 + 6, colBuName, columnCount
    };
    static QString fieldOf(int column);
    static int columnOfField(const QString& field);

    QString currentSlipNo() const { return m_slipNo; }
    const QList<LineRule>& lineRules() const { return m_rules; }
    RecordSet* lines() const { return cdsLines; }
    DataGrid* grid() const { return rgrGrid; }
    QString deptCode() const;
    QString approvalText() const;

    void FormShow() override;

public slots:
    void bbtSearchClick() override;
    void bbtCancelClick() override;
    void bbtAddClick() override;
    void btnLineDelClick();
    // Opens the history of changes on the slip shown.
    void btnHistoryClick();

protected:
    TfrmVBI020(const QString& programId, bool pastData, QWidget* parent);

    void RefreshButtons() override;
    void FieldExit(QWidget* control) override;
    void DoSave() override;
    void DoDelete() override;
    void DoPrint() override;
    void DoPreview() override;

    // Fills columns 0–5 and the rules of a line from an account chosen in
    // the lookup (or loaded by its exact code).
    void chooseAccount(int row, const QString& code, const QString& name, bool moveRight);
    void clearAccount(int row);
    void applyItemLookupResult(const QStringList& values);

private:
    void build();
    void buildDepartmentList();
    void setSlipLookupConditions();
    bool loadSlip();
    void newTemporaryNumber();
    void setGridEditable(bool editable);

    void onCellEntered(int row, const QString& field);
    void onCellExited(int row, const QString& field);
    void onRowEntered(int row);
    void onRowExited(int row);
    void onCellButton(int row, const QString& field);
    void onCellKey(QKeyEvent* event);

    // The screen itself puts the cursor on a cell (a failed check, a line
    // removed): no cell is left by the user, so nothing of leaving runs.
    void placeCursor(int row, int column);
    // The grid now stands on a cell the user did not enter: its text is what
    // a later exit compares with, its line names the item columns.
    void syncEnteredCell();
    void runAccountLookup(int row, const QString& text, bool window);
    void runItemLookup(int row, int column, const QString& text, bool window);
    const LineRule* ruleAt(int row, int column) const;
    void removeRules(int row);
    void refreshCaptions(int row);
    void recomputeTotals();
    bool checkRequiredItems(int row, bool showMessage);
    void appendLine(const QString& remark = QString());
    void setLineValue(const QString& field, const QVariant& value);
    QString lineText(int row, int column) const;
    qint64 lineAmount(int row, int column) const;
    QList<SlipLine> collectLines() const;

    bool m_pastData;
    QString m_slipNo;
    QString m_searchDept, m_searchDate;
    QString m_enteredText;
    int m_lastColumn = -1;
    QString m_lookupMgCode;
    int m_lookupColumn = colMg1;
    bool m_loading = false;
    bool m_appending = false;
    bool m_placing = false;
    bool m_confirmed = false;
    bool m_hasSlip = false;   // a loaded or saved slip is on the screen
    bool m_creationFailed = false;
    QString m_chargeYn;
    QList<LineRule> m_rules;

    QComboBox* cboCocd;
    QDateEdit* dtpAcctDate;
    QComboBox* cbxDept;
    QLineEdit* edtSlipNo;
    TPopupBtn* pbtSlipNo;
    QLineEdit* edtCreatName;
    QLabel* lblApproval;
    QPushButton* btnLineDel;
    QPushButton* btnHistory;
    DataGrid* rgrGrid;
    RecordSet* cdsLines;
    TPopupBtn* pbtAcct;
    QLineEdit* edtAcctLink;
    TPopupBtn* pbtItem;
    QLineEdit* edtItemLink;
};

// The same screen over past data kept in the BKUSER schema.
class TfrmVCS040 : public TfrmVBI020 {
    Q_OBJECT
public:
    explicit TfrmVCS040(QWidget* parent = nullptr);
};
