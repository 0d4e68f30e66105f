#include "screens/ledgers/VCI070.h"
#include "common/Session.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/ledgers/LedgerCommon.h"
#include "screens/ledgers/VCI071.h"
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kBroughtForward = QStringLiteral("[전   일    이    월]");
const QString kMonthTotal = QStringLiteral("[월               계]");
const QString kCumulative = QStringLiteral("[누               계]");

QLineEdit* codeEdit(QWidget* parent, const char* name)
{
    QLineEdit* edit = Form::NewEdit(parent, QLatin1String(name), 7);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
    return edit;
}

QLineEdit* nameEdit(QWidget* parent, const char* name)
{
    QLineEdit* edit = Form::NewEdit(parent, QLatin1String(name));
    edit->setFixedWidth(130);
    return edit;
}

}  // namespace

TfrmVCI070::TfrmVCI070(QWidget* parent) : TfrmZZS010(QStringLiteral("VCI070"), parent)
{
    setWindowTitle(QStringLiteral("총계정원장(VCI070)"));

    edtFAcctCd = codeEdit(panSearch, "edtFAcctCd");
    pbtFAccCode = new TPopupBtn(panSearch);
    pbtFAccCode->setObjectName(QStringLiteral("pbtFAccCode"));
    edtFAcctName = nameEdit(panSearch, "edtFAcctName");
    edtEAcctCd = codeEdit(panSearch, "edtEAcctCd");
    pbtEAccCode = new TPopupBtn(panSearch);
    pbtEAccCode->setObjectName(QStringLiteral("pbtEAccCode"));
    edtEAcctName = nameEdit(panSearch, "edtEAcctName");
    Ledger::wireAccountLookup(pbtFAccCode, edtFAcctCd, edtFAcctName);
    Ledger::wireAccountLookup(pbtEAccCode, edtEAcctCd, edtEAcctName);

    const QDate today = QDate::currentDate();
    dtpFSlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFSlipDate"));
    dtpESlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpESlipDate"));
    dtpFSlipDate->setDate(QDate(today.year(), today.month(), 1));
    dtpESlipDate->setDate(QDate(today.year(), today.month(), today.daysInMonth()));
    LinkDateRange(dtpFSlipDate, dtpESlipDate);

    Form::Row{Form::Field(QStringLiteral("계정과목"), edtFAcctCd), pbtFAccCode, edtFAcctName, Form::Label(QStringLiteral("~")),
              edtEAcctCd, pbtEAccCode, edtEAcctName, Form::Space(12),
              Form::Field(QStringLiteral("조회기간"), dtpFSlipDate), Form::Label(QStringLiteral("~")), dtpESlipDate,
              Form::Stretch()}
        .attachTo(panSearch);

    cdsGrid = new RecordSet(this);
    cdsGrid->setObjectName(QStringLiteral("cdsGrid"));
    cdsDetail = new RecordSet(this);
    cdsDetail->setObjectName(QStringLiteral("cdsDetail"));
    rgrGrid = new DataGrid(panMain);
    rgrGrid->setObjectName(QStringLiteral("rgrGrid"));
    rgrGrid->setEditable(false);
    rgrGrid->setRowSelect(true);
    rgrGrid->setColumns({GridColumn(QStringLiteral("ACCT_SBJ_CD"), QStringLiteral("계정코드"), 70),
                         GridColumn(QStringLiteral("ACCT_PNAME"), QStringLiteral("계  정  과  목"), 150)});
    rgrGrid->setRecordSet(cdsGrid);
    rgrGrid->setFixedWidth(245);
    rgrDetail = new DataGrid(panMain);
    rgrDetail->setObjectName(QStringLiteral("rgrDetail"));
    rgrDetail->setEditable(false);
    rgrDetail->setRowSelect(true);
    rgrDetail->setColumns({GridColumn(QStringLiteral("RMK"), QStringLiteral("적          요"), 260),
                           GridColumn(QStringLiteral("DB_AMT"), QStringLiteral("차변금액"), 120),
                           GridColumn(QStringLiteral("CR_AMT"), QStringLiteral("대변금액"), 120),
                           GridColumn(QStringLiteral("TBAL"), QStringLiteral("잔    액"), 130)});
    rgrDetail->setRecordSet(cdsDetail);
    // Summary rows by their label: brought forward and month totals blue,
    // cumulative totals red, on white.
    rgrDetail->setRowForeground([this](int row) -> QVariant {
        if (!cdsDetail->isOpen())
            return QVariant();
        const QString remark = cdsDetail->fieldAsString(row, QStringLiteral("RMK"));
        if (remark == kBroughtForward || remark == kMonthTotal)
            return Ledger::kBlue;
        if (remark == kCumulative)
            return Ledger::kRed;
        return QVariant();
    });
    rgrDetail->setRowBackground([](int) -> QVariant { return QColor(Qt::white); });
    Form::Row{rgrGrid, rgrDetail}.attachTo(panMain);

    connect(cdsGrid, &RecordSet::afterOpen, this, &TfrmVCI070::showAccountLines);
    connect(cdsGrid, &RecordSet::afterScroll, this, &TfrmVCI070::showAccountLines);
    bbtPrint->setEnabled(false);
    bbtPreview->setEnabled(false);
}

void TfrmVCI070::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    const QString fromAcct = edtFAcctCd->text().trimmed().isEmpty() ? QStringLiteral("0000000") : edtFAcctCd->text().trimmed();
    const QString toAcct = edtEAcctCd->text().trimmed().isEmpty() ? QStringLiteral("9999999") : edtEAcctCd->text().trimmed();
    const QDate from = dtpFSlipDate->date();
    const QDate to = dtpESlipDate->date();
    bbtPrint->setEnabled(false);
    bbtPreview->setEnabled(false);
    {
        const Ledger::WaitWhile wait(QStringLiteral("해당프로시저를 처리중입니다!"));
        Ledger::runLedgerProcedure(QStringLiteral("pr_v_vci070sp"),
                                   {Session::workstationIp, fromAcct, toAcct, Ledger::dayText(from), Ledger::dayText(to)});
        m_shownAccount.clear();
        cdsGrid->open(QStringLiteral("SELECT A.ACCT_SBJ_CD, B.ACCT_PNAME\n"
                                     "  FROM (SELECT ACCT_SBJ_CD, COUNT(*) CNT FROM VC070PR WHERE IP_ADDR = :P0\n"
                                     "         GROUP BY ACCT_SBJ_CD) A\n"
                                     "  JOIN VA020MS B ON B.ACCT_CODE = A.ACCT_SBJ_CD\n"
                                     " WHERE A.ACCT_SBJ_CD BETWEEN :P1 AND :P2 AND A.CNT > 2\n"
                                     " ORDER BY A.ACCT_SBJ_CD"),
                      {Session::workstationIp, fromAcct, toAcct});
    }
    m_fromAcct = fromAcct;
    m_toAcct = toAcct;
    m_from = from;
    m_to = to;
    const bool rows = cdsGrid->recordCount() > 0;
    bbtPrint->setEnabled(rows);
    bbtPreview->setEnabled(rows);
    if (!rows)
        cdsDetail->close();
}

void TfrmVCI070::showAccountLines()
{
    const QString account = cdsGrid->isOpen() ? cdsGrid->fieldAsString(QStringLiteral("ACCT_SBJ_CD")) : QString();
    if (account.isEmpty()) {
        cdsDetail->close();
        m_shownAccount.clear();
        return;
    }
    if (account == m_shownAccount && cdsDetail->isOpen())
        return;
    cdsDetail->open(QStringLiteral("SELECT IP_ADDR, SEQ_NO, ACCT_SBJ_CD, SLIP_DT, RMK, DB_AMT, CR_AMT, TBAL\n"
                                   "  FROM VC070PR\n"
                                   " WHERE IP_ADDR = :P0 AND ACCT_SBJ_CD = :P1\n"
                                   // the procedure numbers an account's rows in date order
                                   " ORDER BY SEQ_NO"),
                    {Session::workstationIp, account});
    for (const char* field : {"DB_AMT", "CR_AMT", "TBAL"})
        cdsDetail->setDisplayFormat(QLatin1String(field), QStringLiteral("#,###"));
    m_shownAccount = account;
}

void TfrmVCI070::bbtPrintClick()
{
    TfrmZZS010::bbtPrintClick();
    printLedger();
}

void TfrmVCI070::bbtPreviewClick()
{
    TfrmZZS010::bbtPreviewClick();
    printLedger();
}

// The rows of the last search, over its range and period: the fields may
// have changed since.
void TfrmVCI070::printLedger()
{
    if (!m_from.isValid())
        return;
    TfrmVCI071 layout;
    layout.cdsQuery().open(QStringLiteral("SELECT B.ACCT_PNAME, A.IP_ADDR, A.SEQ_NO, A.ACCT_SBJ_CD, A.SLIP_DT, A.RMK,\n"
                                          "       A.DB_AMT, A.CR_AMT, A.TBAL\n"
                                          "  FROM VC070PR A\n"
                                          "  JOIN (SELECT ACCT_SBJ_CD, COUNT(*) CNT FROM VC070PR WHERE IP_ADDR = :P0\n"
                                          "         GROUP BY ACCT_SBJ_CD) C ON C.ACCT_SBJ_CD = A.ACCT_SBJ_CD\n"
                                          "  LEFT JOIN VA020MS B ON B.ACCT_CODE = A.ACCT_SBJ_CD\n"
                                          " WHERE A.IP_ADDR = :P0 AND A.ACCT_SBJ_CD BETWEEN :P1 AND :P2 AND C.CNT > 2\n"
                                          " ORDER BY A.ACCT_SBJ_CD, A.SLIP_DT, A.SEQ_NO"),
                           {Session::workstationIp, m_fromAcct, m_toAcct});
    layout.qrlCondition->setText(Ledger::periodText(QStringLiteral("확정일자 : "), m_from, m_to));
    layout.Prepare();
    layout.PrintOrPreview(PreviewFlag, this);
}
