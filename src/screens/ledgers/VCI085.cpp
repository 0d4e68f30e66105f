#include "screens/ledgers/VCI085.h"
#include "common/HandOver.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/XlsExport.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/GridExport.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/ledgers/LedgerCommon.h"
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>

TfrmVCI085::TfrmVCI085(QWidget* parent) : TfrmZZS010(QStringLiteral("VCI085"), parent)
{
    setWindowTitle(QStringLiteral("잔액명세서(VCI085)"));
    bbtPrint->hide();
    bbtPreview->hide();
    bbtExcel = addStripButton(QStringLiteral("bbtExcel"), QStringLiteral("엑셀"));
    connect(bbtExcel, &QPushButton::clicked, this, [this] { bbtExcelClick(); });
    addHotkey(QKeySequence(Qt::CTRL | Qt::Key_F11), [this] { bbtExcelClick(); });
    bbtExcel->setEnabled(false);

    edtFAcctCd = Form::NewEdit(panSearch, QStringLiteral("edtFAcctCd"), 7);
    edtFAcctCd->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
    pbtFAccCode = new TPopupBtn(panSearch);
    pbtFAccCode->setObjectName(QStringLiteral("pbtFAccCode"));
    edtFAcctName = Form::NewEdit(panSearch, QStringLiteral("edtFAcctName"));
    edtFAcctName->setFixedWidth(140);
    Ledger::wireAccountLookup(pbtFAccCode, edtFAcctCd, edtFAcctName);
    connect(pbtFAccCode, &TPopupBtn::clicked, this, &TfrmVCI085::chooseAccount);

    const QDate today = QDate::currentDate();
    dtpFSlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFSlipDate"));
    dtpESlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpESlipDate"));
    dtpFSlipDate->setDate(QDate(today.year(), today.month(), 1));
    dtpESlipDate->setDate(QDate(today.year(), today.month(), today.daysInMonth()));
    LinkDateRange(dtpFSlipDate, dtpESlipDate);
    CheckBox4 = new QCheckBox(QStringLiteral("상위계정과목"), panSearch);
    CheckBox4->setObjectName(QStringLiteral("CheckBox4"));
    for (int i = 0; i < 3; ++i) {
        CheckBox[i] = new QCheckBox(QStringLiteral("관리항목 %1").arg(i + 1), panSearch);
        CheckBox[i]->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        CheckBox[i]->setChecked(true);
        CheckBox[i]->setEnabled(false);
        connect(CheckBox[i], &QCheckBox::clicked, this, [this, i] { showItemColumn(i); });
    }
    Form::Row{Form::Field(QStringLiteral("계정과목"), edtFAcctCd), pbtFAccCode, edtFAcctName, Form::Space(8),
              Form::Field(QStringLiteral("조회기간"), dtpFSlipDate), Form::Label(QStringLiteral("~")), dtpESlipDate,
              Form::Space(8), CheckBox4, CheckBox[0], CheckBox[1], CheckBox[2], Form::Stretch()}
        .attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rgrGrid = new DataGrid(panMain);
    rgrGrid->setObjectName(QStringLiteral("rgrGrid"));
    rgrGrid->setEditable(false);
    rgrGrid->setRowSelect(true);
    QList<GridColumn> columns;
    for (int i = 1; i <= 3; ++i)
        columns << GridColumn(QStringLiteral("ITEM_DESC%1NM").arg(i), QStringLiteral("관리항목 %1").arg(i), 170);
    columns << GridColumn(QStringLiteral("BF_AMT"), QStringLiteral("전일이월"), 125)
            << GridColumn(QStringLiteral("DB_AMT"), QStringLiteral("차변금액"), 125)
            << GridColumn(QStringLiteral("CR_AMT"), QStringLiteral("대변금액"), 125)
            << GridColumn(QStringLiteral("TBAL"), QStringLiteral("잔   액"), 130);
    for (const char* hidden : {"SR_CD1", "SR_CD2", "SR_CD3", "SR_NM1", "SR_NM2", "SR_NM3"}) {
        GridColumn c{QLatin1String(hidden)};
        c.hidden = true;
        columns << c;
    }
    rgrGrid->setColumns(columns);
    rgrGrid->setRecordSet(cdsMain);
    Form::Column{rgrGrid}.attachTo(panMain);
    connect(rgrGrid, &DataGrid::recordDoubleClicked, this, &TfrmVCI085::openLedger);
}

// The items at balance positions 1-3 name the boxes and columns; positions
// without an item are switched off.
void TfrmVCI085::chooseAccount()
{
    QStringList names(3);
    const QString account = edtFAcctCd->text().trimmed();
    if (!account.isEmpty() && !edtFAcctName->text().isEmpty()) {
        QSqlQuery q = RunQuery(QStringLiteral("SELECT A.BAL_NO, B.MG_NAME FROM VA040MS A JOIN VA030MS B ON B.MG_CODE = A.MG_CODE\n"
                                              " WHERE A.ACCT_CODE = :P0 AND A.USE_YN = 'Y' AND A.BAL_NO BETWEEN 1 AND 3"),
                               {account});
        while (q.next())
            names[q.value(0).toInt() - 1] = q.value(1).toString().trimmed();
    }
    for (int i = 0; i < 3; ++i) {
        const QString caption = names.at(i).isEmpty() ? QStringLiteral("관리항목 %1").arg(i + 1) : names.at(i);
        CheckBox[i]->setText(caption);
        rgrGrid->setColumnCaption(QStringLiteral("ITEM_DESC%1NM").arg(i + 1), caption);
        CheckBox[i]->setEnabled(!names.at(i).isEmpty());
        CheckBox[i]->setChecked(!names.at(i).isEmpty());
        showItemColumn(i);
    }
}

void TfrmVCI085::showItemColumn(int position)
{
    rgrGrid->setColumnHidden(QStringLiteral("ITEM_DESC%1NM").arg(position + 1), !CheckBox[position]->isChecked());
}

void TfrmVCI085::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    const QString account = edtFAcctCd->text().trimmed();
    if (account.isEmpty() || edtFAcctName->text().isEmpty()) {
        ShowInfo(QStringLiteral("계정과목을 선택하세요.!"));
        edtFAcctCd->setFocus();
        return;
    }
    const QDate from = dtpFSlipDate->date();
    const QDate to = dtpESlipDate->date();
    const auto flag = [](const QCheckBox* box) { return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); };
    cdsMain->close();
    bbtExcel->setEnabled(false);
    Ledger::runLedgerProcedure(QStringLiteral("pr_v_vci085sp"),
                               {Session::workstationIp, account, flag(CheckBox4), flag(CheckBox[0]), flag(CheckBox[1]),
                                flag(CheckBox[2]), Ledger::dayText(from), Ledger::dayText(to)});
    // Bank, account number and loan number show their codes, the other
    // items their names; the balance follows the account's side.
    cdsMain->open(QStringLiteral(
                      "SELECT CASE WHEN ITEM_CD1 IN ('103', '104', '156') THEN ITEM_DESC1 ELSE MAX(ITEM_DESC1NM) END ITEM_DESC1NM,\n"
                      "       CASE WHEN ITEM_CD2 IN ('103', '104', '156') THEN ITEM_DESC2 ELSE MAX(ITEM_DESC2NM) END ITEM_DESC2NM,\n"
                      "       CASE WHEN ITEM_CD3 IN ('103', '104', '156') THEN ITEM_DESC3 ELSE MAX(ITEM_DESC3NM) END ITEM_DESC3NM,\n"
                      "       SUM(BF_AMT) BF_AMT, SUM(DB_AMT) DB_AMT, SUM(CR_AMT) CR_AMT,\n"
                      "       CASE WHEN STAN_DC = 'C' THEN SUM(BF_AMT) + SUM(CR_AMT) - SUM(DB_AMT)\n"
                      "            ELSE SUM(BF_AMT) + SUM(DB_AMT) - SUM(CR_AMT) END TBAL,\n"
                      "       ITEM_DESC1 SR_CD1, MAX(ITEM_DESC1NM) SR_NM1, ITEM_DESC2 SR_CD2, MAX(ITEM_DESC2NM) SR_NM2,\n"
                      "       ITEM_DESC3 SR_CD3, MAX(ITEM_DESC3NM) SR_NM3\n"
                      "  FROM VC085PR\n"
                      " WHERE IP_ADDR = :P0\n"
                      " GROUP BY ACCT_CD, ITEM_DESC1, ITEM_DESC2, ITEM_DESC3, STAN_DC, ITEM_CD1, ITEM_CD2, ITEM_CD3\n"
                      " ORDER BY ACCT_CD, ITEM_DESC1, ITEM_DESC2, ITEM_DESC3"),
                  {Session::workstationIp});
    for (const char* field : {"BF_AMT", "DB_AMT", "CR_AMT", "TBAL"})
        cdsMain->setDisplayFormat(QLatin1String(field), QStringLiteral("#,##0"));
    m_shownAcct = account;
    m_shownName = edtFAcctName->text();
    m_shownFrom = from;
    m_shownTo = to;
    bbtExcel->setEnabled(cdsMain->recordCount() > 0);
}

void TfrmVCI085::openLedger(int row)
{
    if (!cdsMain->isOpen() || row < 0 || row >= cdsMain->recordCount())
        return;
    HandOver::clearLedger();
    HandOver::HandAcctCode = m_shownAcct;
    HandOver::HandFromDate = Ledger::dayText(m_shownFrom);
    HandOver::HandToDate = Ledger::dayText(m_shownTo);
    for (int i = 0; i < 3; ++i) {
        if (rgrGrid->isColumnHidden(QStringLiteral("ITEM_DESC%1NM").arg(i + 1)))
            continue;
        HandOver::HandMgFlag[i] = QStringLiteral("1");
        HandOver::HandMgCode[i] = cdsMain->fieldAsString(row, QStringLiteral("SR_CD%1").arg(i + 1));
        HandOver::HandMgName[i] = cdsMain->fieldAsString(row, QStringLiteral("SR_NM%1").arg(i + 1));
    }
    OpenProgramById(QStringLiteral("VCI080"));
}

void TfrmVCI085::bbtExcelClick()
{
    ShowStatus(QString());
    requireActive(bbtExcel);
    DataGridExportSource source(rgrGrid, XlsCellRule::FieldKind);
    XlsExportOptions options;
    options.proposedFileName = programId();
    options.sheetHeader = m_shownName + QStringLiteral(" 잔액명세서");
    options.showStatus = [this](const QString& text) { ShowStatus(text); };
    options.parent = this;
    ExportToXls(source, options);
}
