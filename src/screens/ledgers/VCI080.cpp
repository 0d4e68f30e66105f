#include "screens/ledgers/VCI080.h"
#include "common/HandOver.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/XlsExport.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "framework/print/ReportData.h"
#include "grid/DataGrid.h"
#include "grid/GridExport.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/ledgers/LedgerCommon.h"
#include "screens/ledgers/VCI081.h"
#include <QCheckBox>
#include <QDateEdit>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>

namespace {

const QString kBroughtForward = QStringLiteral("[전   일    이    월]");
const QString kCumulative = QStringLiteral("[누               계]");

QString positionWarning(int position)
{
    static const QString texts[] = {QStringLiteral("잔액관리순번 - 1 을 선택하세요.!"),
                                    QStringLiteral("잔액관리순번 - 2 를 선택하세요.!"),
                                    QStringLiteral("잔액관리순번 - 3 을 선택하세요.!")};
    return texts[position];
}

}  // namespace

TfrmVCI080::TfrmVCI080(QWidget* parent) : TfrmZZS010(QStringLiteral("VCI080"), parent)
{
    setWindowTitle(QStringLiteral("잔액관리 보조원장(VCI080)"));
    bbtExcel = addStripButton(QStringLiteral("bbtExcel"), QStringLiteral("엑셀"), bbtPrint);
    connect(bbtExcel, &QPushButton::clicked, this, [this] { bbtExcelClick(); });
    addHotkey(QKeySequence(Qt::CTRL | Qt::Key_F11), [this] { bbtExcelClick(); });
    panSearch->setFixedHeight(112);

    edtFAcctCd = Form::NewEdit(panSearch, QStringLiteral("edtFAcctCd"), 7);
    edtFAcctCd->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
    pbtFAccCode = new TPopupBtn(panSearch);
    pbtFAccCode->setObjectName(QStringLiteral("pbtFAccCode"));
    edtFAcctName = Form::NewEdit(panSearch, QStringLiteral("edtFAcctName"));
    edtFAcctName->setFixedWidth(140);
    Ledger::wireAccountLookup(pbtFAccCode, edtFAcctCd, edtFAcctName);
    connect(pbtFAccCode, &TPopupBtn::clicked, this, &TfrmVCI080::chooseAccount);

    const QDate today = QDate::currentDate();
    dtpFSlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFSlipDate"));
    dtpESlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpESlipDate"));
    dtpFSlipDate->setDate(QDate(today.year(), today.month(), 1));
    dtpESlipDate->setDate(QDate(today.year(), today.month(), today.daysInMonth()));
    LinkDateRange(dtpFSlipDate, dtpESlipDate);
    CheckBox4 = new QCheckBox(QStringLiteral("상위계정과목"), panSearch);
    CheckBox4->setObjectName(QStringLiteral("CheckBox4"));

    const char* const captionNames[] = {"Edit1", "Edit6", "Edit9"};
    const char* const valueNames[] = {"Edit2", "Edit4", "Edit7"};
    const char* const nameNames[] = {"Edit3", "Edit5", "Edit8"};
    Form::Grid positions;
    for (int i = 0; i < 3; ++i) {
        CheckBox[i] = new QCheckBox(QStringLiteral("잔액관리순번 - %1").arg(i + 1), panSearch);
        CheckBox[i]->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        connect(CheckBox[i], &QCheckBox::clicked, this, [this, i] { positionClicked(i); });
        edtCaption[i] = Form::NewEdit(panSearch, QLatin1String(captionNames[i]));
        edtCaption[i]->setReadOnly(true);
        edtCaption[i]->setFocusPolicy(Qt::NoFocus);
        edtCaption[i]->setFixedWidth(130);
        edtValue[i] = Form::NewEdit(panSearch, QLatin1String(valueNames[i]), 100);
        edtValue[i]->setFixedWidth(120);
        edtValueName[i] = Form::NewEdit(panSearch, QLatin1String(nameNames[i]));
        edtValueName[i]->setReadOnly(true);
        edtValueName[i]->setFocusPolicy(Qt::NoFocus);
        edtValueName[i]->setFixedWidth(160);
        pbtFindCode[i] = new TPopupBtn(panSearch);
        pbtFindCode[i]->setObjectName(QStringLiteral("pbtFindCode%1").arg(i + 1));
        pbtFindCode[i]->setStoredStatement(true);
        pbtFindCode[i]->setLinkControl(edtValue[i]);
        pbtFindCode[i]->hide();
        connect(pbtFindCode[i], &TPopupBtn::clicked, this, [this, i] {
            const QStringList values = pbtFindCode[i]->returnValue();
            if (pbtFindCode[i]->modalResult() != Lookup::mrOk || values.value(0).trimmed().isEmpty()) {
                edtValue[i]->clear();
                edtValueName[i]->clear();
            } else {
                edtValue[i]->setText(values.value(0).trimmed());
                edtValueName[i]->setText(values.value(1).trimmed());
            }
            m_valueOnEntry[i] = edtValue[i]->text();
        });
        connect(edtValue[i], &QLineEdit::editingFinished, this, [this, i] { valueExit(i); });
        positions.addRow({CheckBox[i], edtCaption[i], edtValue[i], edtValueName[i]});
        setPosition(i, false);
    }
    Form::Column{Form::Row{Form::Field(QStringLiteral("계정과목"), edtFAcctCd), pbtFAccCode, edtFAcctName, Form::Space(8),
                           Form::Field(QStringLiteral("조회기간"), dtpFSlipDate), Form::Label(QStringLiteral("~")),
                           dtpESlipDate, Form::Space(8), CheckBox4, Form::Stretch()},
                 Form::Row{positions, Form::Stretch()}}
        .spacing(2)
        .attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rgrGrid = new DataGrid(panMain);
    rgrGrid->setObjectName(QStringLiteral("rgrGrid"));
    rgrGrid->setEditable(false);
    rgrGrid->setRowSelect(true);
    QList<GridColumn> columns{GridColumn(QStringLiteral("CONF_DT"), QStringLiteral("확정일자"), 80),
                              GridColumn(QStringLiteral("SLIP_NO"), QStringLiteral("전표번호"), 75),
                              GridColumn(QStringLiteral("SLIP_SEQ_NO"), QStringLiteral("순번"), 40),
                              GridColumn(QStringLiteral("RMK"), QStringLiteral("적          요"), 210),
                              GridColumn(QStringLiteral("MG_RMK"), QStringLiteral("관리항목 내역"), 200),
                              GridColumn(QStringLiteral("DB_AMT"), QStringLiteral("차변금액"), 110),
                              GridColumn(QStringLiteral("CR_AMT"), QStringLiteral("대변금액"), 110),
                              GridColumn(QStringLiteral("TBAL"), QStringLiteral("잔   액"), 120)};
    for (const auto& [field, caption] : {std::pair{"SLIP_DT", "작성일자"}, std::pair{"DEPT_CODE", "작성부서"},
                                         std::pair{"AFF_DEPT_NAME", "AFF_DEPT_NAME"}}) {
        GridColumn c(QLatin1String(field), QString::fromUtf8(caption));
        c.hidden = true;
        columns << c;
    }
    rgrGrid->setColumns(columns);
    rgrGrid->setRecordSet(cdsMain);
    // Month totals on silver; brought forward red and cumulative totals blue
    // on silver.
    const auto remark = [this](int row) {
        return cdsMain->isOpen() ? cdsMain->fieldAsString(row, QStringLiteral("RMK")) : QString();
    };
    rgrGrid->setRowBackground([this](int row) -> QVariant {
        if (cdsMain->isOpen() && cdsMain->fieldAsString(row, QStringLiteral("SLIP_NO")).isEmpty())
            return Ledger::kSilver;
        return QVariant();
    });
    rgrGrid->setRowForeground([remark](int row) -> QVariant {
        const QString text = remark(row);
        if (text == kBroughtForward)
            return Ledger::kRed;
        if (text == kCumulative)
            return Ledger::kBlue;
        return QVariant();
    });
    Form::Column{rgrGrid}.attachTo(panMain);
    connect(rgrGrid, &DataGrid::recordDoubleClicked, this, &TfrmVCI080::openLine);
    bbtPrint->setEnabled(false);
    bbtPreview->setEnabled(false);
    bbtExcel->setEnabled(false);
}

// The balance items of the account name the positions and give their value
// lists; an account never balanced has none.
void TfrmVCI080::chooseAccount()
{
    const QString account = edtFAcctCd->text().trimmed();
    if (account.isEmpty() || edtFAcctName->text().isEmpty())
        return;
    QSqlQuery q = RunQuery(
        QStringLiteral("SELECT T1.ACCT_CODE,\n"
                       "       CASE WHEN MAX(T1.ITEM_CD1) IS NOT NULL THEN MAX(T1.ITEM_CD1) || ':' || COALESCE(MAX(T3.MG_NAME), '') END IMNM1,\n"
                       "       CASE WHEN MAX(T1.ITEM_CD2) IS NOT NULL THEN MAX(T1.ITEM_CD2) || ':' || COALESCE(MAX(T4.MG_NAME), '') END IMNM2,\n"
                       "       CASE WHEN MAX(T1.ITEM_CD3) IS NOT NULL THEN MAX(T1.ITEM_CD3) || ':' || COALESCE(MAX(T5.MG_NAME), '') END IMNM3,\n"
                       "       MAX(T3.CON_CODE) SQL1, MAX(T4.CON_CODE) SQL2, MAX(T5.CON_CODE) SQL3\n"
                       "  FROM VB080MS T1\n"
                       "  LEFT JOIN VA030MS T3 ON T3.MG_CODE = T1.ITEM_CD1\n"
                       "  LEFT JOIN VA030MS T4 ON T4.MG_CODE = T1.ITEM_CD2\n"
                       "  LEFT JOIN VA030MS T5 ON T5.MG_CODE = T1.ITEM_CD3\n"
                       " WHERE T1.ACCT_CODE = :P0\n"
                       " GROUP BY T1.ACCT_CODE"),
        {account});
    if (!q.next()) {
        ShowInfo(QStringLiteral("기초잔액이 없거나 확정처리가 한번도 없었던 계정입니다..! 전산실에 문의하시거나 다른계정을 "
                                "선택하세요."));
        edtFAcctCd->clear();
        edtFAcctName->clear();
        for (int i = 0; i < 3; ++i) {
            edtCaption[i]->clear();
            setPosition(i, false);
        }
        return;
    }
    for (int i = 0; i < 3; ++i) {
        CheckBox[i]->setChecked(false);
        setPosition(i, false);
        edtCaption[i]->setText(q.value(1 + i).toString());
        pbtFindCode[i]->setSql(q.value(4 + i).toString());
        pbtFindCode[i]->setLinkSql(q.value(4 + i).toString());
    }
}

// A position may be chosen only below chosen ones; giving one up gives up
// those below it too.
void TfrmVCI080::positionClicked(int position)
{
    if (CheckBox[position]->isChecked()) {
        if (position == 1 && !CheckBox[0]->isChecked()) {
            CheckBox[1]->setChecked(false);
            ShowInfo(QStringLiteral("잔액관리순번 - 1 을 먼저 선택하세요.!"));
            return;
        }
        if (position == 2 && !(CheckBox[0]->isChecked() && CheckBox[1]->isChecked())) {
            CheckBox[2]->setChecked(false);
            ShowInfo(QStringLiteral("잔액관리순번 - 1 과 잔액관리순번 - 2가 먼저 선택되어야 합니다 .!"));
            return;
        }
        setPosition(position, true);
        return;
    }
    for (int i = position; i < 3; ++i) {
        CheckBox[i]->setChecked(false);
        setPosition(i, false);
    }
}

void TfrmVCI080::setPosition(int position, bool chosen)
{
    edtValue[position]->setEnabled(chosen);
    edtValueName[position]->setEnabled(chosen);
    if (!chosen) {
        edtValue[position]->clear();
        edtValueName[position]->clear();
        m_valueOnEntry[position].clear();
    }
}

// A typed value is looked up in the position's value list; customers (101)
// and tax-invoice customers (154) show their owner and business number.
void TfrmVCI080::valueExit(int position)
{
    if (edtValue[position]->text() == m_valueOnEntry[position])
        return;
    m_valueOnEntry[position] = edtValue[position]->text();
    edtValueName[position]->clear();
    if (pbtFindCode[position]->sql().join(QString()).trimmed().isEmpty() || edtValue[position]->text().trimmed().isEmpty())
        return;
    const QString item = edtCaption[position]->text().left(3);
    if (item == QLatin1String("101") || item == QLatin1String("154")) {
        pbtFindCode[position]->setColumnTitles({QStringLiteral("코    드"), QStringLiteral("거래처명"), QStringLiteral("대 표 자"),
                                                QStringLiteral("사업자번호")});
        pbtFindCode[position]->setColumnWidths({QStringLiteral("10"), QStringLiteral("22"), QStringLiteral("10"),
                                                QStringLiteral("15")});
    } else {
        pbtFindCode[position]->setColumnTitles({QStringLiteral("코    드"), QStringLiteral("항 목 명")});
        pbtFindCode[position]->setColumnWidths({QStringLiteral("15"), QStringLiteral("25")});
    }
    pbtFindCode[position]->LinkSearch();
}

// Opened from the balance statement: its account, period and values, then
// the search. Positions arrive through the same rule as clicks.
void TfrmVCI080::FormShow()
{
    if (HandOver::HandAcctCode.isEmpty())
        return;
    const QString account = HandOver::HandAcctCode;
    edtFAcctCd->setText(account);
    edtFAcctName->clear();
    const QDate from = QDate::fromString(HandOver::HandFromDate, Qt::ISODate);
    const QDate to = QDate::fromString(HandOver::HandToDate, Qt::ISODate);
    if (from.isValid())
        dtpFSlipDate->setDate(from);
    if (to.isValid())
        dtpESlipDate->setDate(to);
    QString flags[3], codes[3], names[3];
    for (int i = 0; i < 3; ++i) {
        flags[i] = HandOver::HandMgFlag[i];
        codes[i] = HandOver::HandMgCode[i];
        names[i] = HandOver::HandMgName[i];
    }
    HandOver::HandAcctCode.clear();
    for (QString& flag : HandOver::HandMgFlag)
        flag.clear();
    Ledger::lookUpTypedAccount(pbtFAccCode, edtFAcctCd);
    for (int i = 0; i < 3; ++i) {
        if (flags[i] != QLatin1String("1"))
            continue;
        CheckBox[i]->setChecked(true);
        positionClicked(i);
        if (!CheckBox[i]->isChecked())
            continue;
        edtValue[i]->setText(codes[i]);
        edtValueName[i]->setText(names[i]);
        m_valueOnEntry[i] = codes[i];
    }
    if (bbtSearch->isEnabled())
        bbtSearchClick();
}

void TfrmVCI080::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    const QString account = edtFAcctCd->text().trimmed();
    if (account.isEmpty() || edtFAcctName->text().isEmpty()) {
        ShowInfo(QStringLiteral("계정과목을 선택하세요.!"));
        edtFAcctCd->setFocus();
        return;
    }
    for (int i = 0; i < 3; ++i) {
        if (CheckBox[i]->isChecked() && edtValue[i]->text().trimmed().isEmpty()) {
            ShowInfo(positionWarning(i));
            edtValue[i]->setFocus();
            return;
        }
    }
    const auto flag = [](const QCheckBox* box) { return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); };
    const QDate from = dtpFSlipDate->date();
    const QDate to = dtpESlipDate->date();
    Ledger::runLedgerProcedure(QStringLiteral("pr_v_vci080sp"),
                               {Session::workstationIp, account, flag(CheckBox4), flag(CheckBox[0]), flag(CheckBox[1]),
                                flag(CheckBox[2]), edtValue[0]->text().trimmed(), edtValue[1]->text().trimmed(),
                                edtValue[2]->text().trimmed(), Ledger::dayText(from), Ledger::dayText(to)});
    cdsMain->open(QStringLiteral("SELECT T1.CONF_DT, T1.SLIP_NO, T1.SLIP_SEQ_NO, T1.RMK, T1.MG_RMK, T1.DB_AMT, T1.CR_AMT,\n"
                                 "       T1.TBAL, T1.SEQ_NO, T1.DEPT_CODE, T2.AFF_DEPT_NAME, T1.SLIP_DT\n"
                                 "  FROM VC080PR T1 LEFT JOIN QA160MS T2 ON T2.AFF_DEPT_CODE = T1.DEPT_CODE\n"
                                 " WHERE T1.IP_ADDR = :P0\n"
                                 " ORDER BY T1.CONF_DT, T1.SEQ_NO, T1.SLIP_NO, T1.SLIP_SEQ_NO"),
                  {Session::workstationIp});
    for (const char* field : {"DB_AMT", "CR_AMT", "TBAL"})
        cdsMain->setDisplayFormat(QLatin1String(field), QStringLiteral("#,###"));
    m_shownName = edtFAcctName->text();
    m_shownFrom = from;
    m_shownTo = to;
    const bool rows = cdsMain->recordCount() > 0;
    bbtPrint->setEnabled(rows);
    bbtPreview->setEnabled(rows);
    bbtExcel->setEnabled(rows);
}

void TfrmVCI080::openLine(int row)
{
    if (!cdsMain->isOpen() || row < 0 || row >= cdsMain->recordCount()
        || cdsMain->fieldAsString(row, QStringLiteral("SLIP_NO")).isEmpty())
        return;
    OpenSlipInProgram(QStringLiteral("VBI020"), cdsMain->fieldAsString(row, QStringLiteral("SLIP_NO")),
                      cdsMain->value(row, QStringLiteral("SLIP_DT")).toDate(),
                      cdsMain->fieldAsString(row, QStringLiteral("AFF_DEPT_NAME")),
                      cdsMain->fieldAsString(row, QStringLiteral("DEPT_CODE")));
}

void TfrmVCI080::bbtPrintClick()
{
    TfrmZZS010::bbtPrintClick();
    printLedger();
}

void TfrmVCI080::bbtPreviewClick()
{
    TfrmZZS010::bbtPreviewClick();
    printLedger();
}

void TfrmVCI080::printLedger()
{
    if (!cdsMain->isOpen())
        return;
    TfrmVCI081 layout;
    RecordSetReportData rows(cdsMain);
    layout.setData(&rows);
    layout.qrlCondition->setText(QStringLiteral("계정과목 : ") + m_shownName + QStringLiteral("  ")
                                 + Ledger::periodText(QStringLiteral("조회기간 : "), m_shownFrom, m_shownTo));
    layout.Prepare();
    layout.PrintOrPreview(PreviewFlag, this);
}

void TfrmVCI080::bbtExcelClick()
{
    ShowStatus(QString());
    requireActive(bbtExcel);
    DataGridExportSource source(rgrGrid, XlsCellRule::FieldKind);
    XlsExportOptions options;
    options.proposedFileName = programId();
    options.sheetHeader = m_shownName + QStringLiteral(" 보조원장");
    options.showStatus = [this](const QString& text) { ShowStatus(text); };
    options.parent = this;
    ExportToXls(source, options);
}
