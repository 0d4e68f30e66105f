#include "screens/ledgers/VCI040.h"
#include "common/HandOver.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "framework/print/ReportData.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/ledgers/LedgerCommon.h"
#include "screens/ledgers/VCI041.h"
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>

namespace {

const QString kItemCaption = QStringLiteral("관리항목1");

QLineEdit* fixedEdit(QWidget* parent, const QString& name, int maxLength, int width)
{
    QLineEdit* edit = Form::NewEdit(parent, name, maxLength);
    edit->setFixedWidth(width);
    return edit;
}

}  // namespace

TfrmVCI040::TfrmVCI040(QWidget* parent) : TfrmVCI040(QStringLiteral("VCI040"), false, parent)
{
}

TfrmVCI040::TfrmVCI040(const QString& programId, bool range, QWidget* parent)
    : TfrmZQI030(programId, parent), m_range(range)
{
    setWindowTitle(range ? QStringLiteral("보조부(계정범위)(VCI045)") : QStringLiteral("보조부(VCI040)"));
    build();
}

TfrmVCI045::TfrmVCI045(QWidget* parent) : TfrmVCI040(QStringLiteral("VCI045"), true, parent)
{
}

void TfrmVCI040::build()
{
    // A ledger to read, print and export: nothing is written.
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtSave, bbtDelete})
        b->hide();
    panInput->hide();
    panSearch->setFixedHeight(68);

    const QDate today = QDate::currentDate();
    dtpFSlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFSlipDate"));
    dtpESlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpESlipDate"));
    dtpFSlipDate->setDate(QDate(today.year(), today.month(), 1));
    dtpESlipDate->setDate(QDate(today.year(), today.month(), today.daysInMonth()));
    LinkDateRange(dtpFSlipDate, dtpESlipDate);

    const int codeWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12;
    edtFAcctCd = fixedEdit(panSearch, QStringLiteral("edtFAcctCd"), 7, codeWidth);
    pbtFAccCode = new TPopupBtn(panSearch);
    pbtFAccCode->setObjectName(QStringLiteral("pbtFAccCode"));
    edtFAcctName = fixedEdit(panSearch, QStringLiteral("edtFAcctName"), 0, 150);
    Ledger::wireAccountLookup(pbtFAccCode, edtFAcctCd, edtFAcctName);
    connect(pbtFAccCode, &TPopupBtn::clicked, this, [this] { readFirstItem(edtFAcctCd->text().trimmed()); });
    connect(edtFAcctCd, &QLineEdit::textEdited, this, &TfrmVCI040::clearItem);

    Form::Row accounts{Form::Field(QStringLiteral("계정과목"), edtFAcctCd), pbtFAccCode, edtFAcctName};
    if (m_range) {
        edtEAcctCd = fixedEdit(panSearch, QStringLiteral("edtEAcctCd"), 7, codeWidth);
        pbtEAccCode = new TPopupBtn(panSearch);
        pbtEAccCode->setObjectName(QStringLiteral("pbtEAccCode"));
        edtEAcctName = fixedEdit(panSearch, QStringLiteral("edtEAcctName"), 0, 150);
        Ledger::wireAccountLookup(pbtEAccCode, edtEAcctCd, edtEAcctName);
        connect(pbtEAccCode, &TPopupBtn::clicked, this, [this] { readFirstItem(edtEAcctCd->text().trimmed()); });
        connect(edtEAcctCd, &QLineEdit::textEdited, this, &TfrmVCI040::clearItem);
        accounts.add(Form::Label(QStringLiteral("~"))).add(edtEAcctCd).add(pbtEAccCode).add(edtEAcctName);
    }

    // Item values are codes of up to a hundred characters (customers have ten).
    lblMg1 = Form::Label(kItemCaption);
    lblMg1->setObjectName(QStringLiteral("lblMg1"));
    lblMg1->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("관리항목명칭이긴")));
    edtMg1 = fixedEdit(panSearch, QStringLiteral("edtMg1"), 100, 110);
    pbtMg1 = new TPopupBtn(panSearch);
    pbtMg1->setObjectName(QStringLiteral("pbtMg1"));
    pbtMg1->setStoredStatement(true);
    pbtMg1->setLinkControl(edtMg1);
    pbtMg1->setColumnTitles({QStringLiteral("관리코드"), QStringLiteral("항목명칭")});
    pbtMg1->setColumnWidths({QStringLiteral("15"), QStringLiteral("25")});
    edtMg1nm = fixedEdit(panSearch, QStringLiteral("edtMg1nm"), 0, 160);
    edtMg1nm->setReadOnly(true);
    edtMg1nm->setFocusPolicy(Qt::NoFocus);
    connect(pbtMg1, &TPopupBtn::clicked, this, [this] {
        if (pbtMg1->modalResult() != Lookup::mrOk || pbtMg1->returnValue().value(0).trimmed().isEmpty()) {
            edtMg1->clear();
            edtMg1nm->clear();
        } else {
            edtMg1->setText(pbtMg1->returnValue().value(0).trimmed());
            edtMg1nm->setText(pbtMg1->returnValue().value(1).trimmed());
        }
        m_itemTextOnEntry = edtMg1->text();
    });
    connect(edtMg1, &QLineEdit::editingFinished, this, [this] {
        if (edtMg1->text() == m_itemTextOnEntry)
            return;
        m_itemTextOnEntry = edtMg1->text();
        edtMg1nm->clear();
        if (edtMg1->text().trimmed().isEmpty() || m_itemCode.isEmpty())
            return;
        pbtMg1->LinkSearch();
    });
    Chk_old = new QCheckBox(QStringLiteral("과거자료"), panSearch);
    Chk_old->setObjectName(QStringLiteral("Chk_old"));
    clearItem();

    Form::Column{Form::Row{Form::Field(QStringLiteral("조회기간"), dtpFSlipDate), Form::Label(QStringLiteral("~")),
                           dtpESlipDate, Form::Space(12), accounts, Form::Stretch()},
                 Form::Row{Form::Field(lblMg1, edtMg1), pbtMg1, edtMg1nm, Form::Space(12), Chk_old, Form::Stretch()}}
        .attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    QList<GridColumn> columns{GridColumn(QStringLiteral("ACCT_DT"), QStringLiteral("일  자"), 70),
                              GridColumn(QStringLiteral("SLIP_NO"), QStringLiteral("전표번호"), 75)};
    if (m_range)
        columns << GridColumn(QStringLiteral("ACCT_CODE"), QStringLiteral("계정코드"), 65)
                << GridColumn(QStringLiteral("ACCT_NAME"), QStringLiteral("계정명"), 110);
    columns << GridColumn(QStringLiteral("SLIP_SEQ_NO"), QStringLiteral("순번"), 40)
            << GridColumn(QStringLiteral("REF_DAT"), QStringLiteral("적   요"), 220);
    for (int i = 1; i <= 7; ++i)
        columns << GridColumn(QStringLiteral("MG%1").arg(i), QStringLiteral("관리항목%1").arg(i), 100);
    columns << GridColumn(QStringLiteral("D_AMOUNT"), QStringLiteral("차  변"), 110)
            << GridColumn(QStringLiteral("C_AMOUNT"), QStringLiteral("대  변"), 110)
            << GridColumn(QStringLiteral("BALANCE"), QStringLiteral("잔  액"), 120);
    GridColumn slipDate(QStringLiteral("SLIP_DATE"), QStringLiteral("Slip_Date"));
    slipDate.hidden = true;
    GridColumn deptCode(QStringLiteral("DEPT_CODE"), QStringLiteral("Dept_Code"));
    deptCode.hidden = true;
    columns << slipDate << deptCode;
    rgrGrid = Form::NewResultGrid(panDisp, cdsMain, columns, QStringLiteral("rgrGrid"));
    rgrGrid->setFrozenColumns(m_range ? 3 : 2, 3);
    rgrGrid->setRowBackground([this](int row) -> QVariant {
        if (cdsMain->isOpen() && cdsMain->fieldAsString(row, QStringLiteral("ROW_KIND")) != QLatin1String("L"))
            return Ledger::kSilver;
        return QVariant();
    });
    connect(rgrGrid, &DataGrid::recordDoubleClicked, this, &TfrmVCI040::openLine);
}

// The first item of the account decides what the value field filters by.
void TfrmVCI040::readFirstItem(const QString& account)
{
    clearItem();
    if (account.isEmpty() || edtFAcctName->text().isEmpty())
        return;
    QSqlQuery q = RunQuery(QStringLiteral("SELECT A.MG_CODE, B.MG_NAME, B.CON_CODE\n"
                                          "  FROM VA040MS A JOIN VA030MS B ON B.MG_CODE = A.MG_CODE\n"
                                          " WHERE A.ACCT_CODE = :P0 AND A.LINEUP_NO = 1 AND B.MG_TYPE = '2'"),
                           {account});
    if (!q.next()) {
        bbtSearch->setFocus();
        return;
    }
    m_itemCode = q.value(0).toString().trimmed();
    lblMg1->setText(q.value(1).toString().trimmed().isEmpty() ? kItemCaption : q.value(1).toString().trimmed());
    pbtMg1->setSql(q.value(2).toString());
    pbtMg1->setLinkSql(q.value(2).toString());
    edtMg1->setEnabled(true);
    pbtMg1->setEnabled(true);
}

void TfrmVCI040::clearItem()
{
    m_itemCode.clear();
    edtMg1->clear();
    edtMg1nm->clear();
    m_itemTextOnEntry.clear();
    lblMg1->setText(kItemCaption);
    edtMg1->setEnabled(false);
    pbtMg1->setEnabled(false);
}

void TfrmVCI040::DoSearch()
{
    if (edtFAcctName->text().isEmpty()) {
        ShowInfo(QStringLiteral("계정과목을 선택하세요.!"));
        State = stNone;
        RefreshButtons();
        return;
    }
    SubsidiaryLedger ledger;
    ledger.range = m_range;
    ledger.namedTotals = m_range;
    ledger.pastData = Chk_old->isChecked();
    ledger.from = dtpFSlipDate->date();
    ledger.to = dtpESlipDate->date();
    ledger.fromAcct = edtFAcctCd->text();
    ledger.toAcct = m_range ? edtEAcctCd->text() : QString();
    if (!m_itemCode.isEmpty() && !edtMg1->text().trimmed().isEmpty()) {
        ledger.itemCode = m_itemCode;
        ledger.itemValue = edtMg1->text();
    }
    cdsMain->open(ledger.sql(), ledger.params());
    SetNumberFormats(*cdsMain);
    for (const char* field : {"D_AMOUNT", "C_AMOUNT", "BALANCE"})
        cdsMain->setDisplayFormat(QLatin1String(field), QStringLiteral("#,###"));
    m_shown = ledger;
    m_shownPast = ledger.pastData;
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
}

void TfrmVCI040::openLine(int row)
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty() || cdsMain->value(row, QStringLiteral("SLIP_DATE")).isNull())
        return;
    const bool past = m_shownPast && !m_range;
    OpenSlipInProgram(past ? QStringLiteral("VCS040") : QStringLiteral("VBI020"),
                      cdsMain->fieldAsString(row, QStringLiteral("SLIP_NO")),
                      cdsMain->value(row, QStringLiteral("SLIP_DATE")).toDate(),
                      cdsMain->fieldAsString(row, QStringLiteral("DEPT_NAME")),
                      cdsMain->fieldAsString(row, QStringLiteral("DEPT_CODE")));
}

void TfrmVCI040::DoPrint()
{
    printLedger();
}

void TfrmVCI040::DoPreview()
{
    printLedger();
}

// The ledger the grid shows, as it was searched.
void TfrmVCI040::printLedger()
{
    if (!cdsMain->isOpen())
        return;
    TfrmVCI041 layout;
    RecordSetReportData rows(cdsMain);
    layout.setData(&rows);
    layout.setPeriod(m_shown.from, m_shown.to);
    layout.Prepare();
    layout.PrintOrPreview(PreviewFlag, this);
}

void TfrmVCI040::DoExcel()
{
    ExportDBGrid(rgrGrid, QStringLiteral("보 조 부 (") + edtFAcctName->text() + QStringLiteral(")"));
}
