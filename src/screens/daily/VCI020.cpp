#include "screens/daily/VCI020.h"
#include "common/DateUtil.h"
#include "common/Query.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/daily/DailyBooks.h"
#include "screens/daily/VCI021.h"
#include "screens/daily/VCI022.h"
#include <QDateEdit>
#include <QPushButton>
#include <QColor>
#include <QTabWidget>

using DailyBooks::column;

namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);

// The confirmed lines of the deposit accounts in the period with the item
// values of their positions 1 (the bank's name) to 7. A line without item
// values still counts, under an empty bank, so that the totals are the
// accounts' movements.
const QString kSource = QStringLiteral(
    "WITH SRC AS (\n"
    "  SELECT A.ACCT_CODE, C.ACCT_NAME, coalesce(B.MG1, '') MG1, B.MG2, B.MG3, B.MG4, B.MG5, B.MG6, B.MG7,\n"
    "         A.D_AMOUNT, A.C_AMOUNT\n"
    "    FROM VB011MS A\n"
    "    JOIN VA020MS C ON C.ACCT_CODE = A.ACCT_CODE\n"
    "    LEFT JOIN (SELECT SLIP_NO, SLIP_SEQ_NO,\n"
    "                      MAX(CASE WHEN LINEUP_NO = 1 THEN MG_DETAIL_NAME END) MG1,\n"
    "                      MAX(CASE WHEN LINEUP_NO = 2 THEN MG_DETAIL END) MG2,\n"
    "                      MAX(CASE WHEN LINEUP_NO = 3 THEN MG_DETAIL END) MG3,\n"
    "                      MAX(CASE WHEN LINEUP_NO = 4 THEN MG_DETAIL END) MG4,\n"
    "                      MAX(CASE WHEN LINEUP_NO = 5 THEN MG_DETAIL END) MG5,\n"
    "                      MAX(CASE WHEN LINEUP_NO = 6 THEN MG_DETAIL END) MG6,\n"
    "                      MAX(CASE WHEN LINEUP_NO = 7 THEN MG_DETAIL END) MG7\n"
    "                 FROM VB011DT\n"
    "                WHERE CONF_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
    "                GROUP BY SLIP_NO, SLIP_SEQ_NO) B ON B.SLIP_NO = A.SLIP_NO AND B.SLIP_SEQ_NO = A.SLIP_SEQ_NO\n"
    "   WHERE A.ACCT_CODE = ANY (pk_v_ledger.daily_deposit_accounts())\n"
    "     AND A.CONF_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE))\n");

// By bank: each bank's rows, its subtotal, banks by name, the total last.
const QString kBankSql = kSource + QStringLiteral(
    "SELECT X.*, CASE WHEN X.MG1 IS NOT DISTINCT FROM LAG(X.MG1) OVER (ORDER BY X.ORD, X.ORD2, X.MG1, X.SEQ)\n"
    "                 THEN NULL ELSE X.MG1 END SHOW_MG1\n"
    "  FROM (SELECT MG1, ACCT_NAME, MG2, SUM(D_AMOUNT) DAMT, SUM(C_AMOUNT) CAMT, MG3, MG4,\n"
    "               '1' ORD, MG1 || '1' ORD2, ACCT_NAME || '/' || coalesce(MG2, '') SEQ\n"
    "          FROM SRC GROUP BY MG1, ACCT_NAME, MG2, MG3, MG4, MG5, MG6, MG7\n"
    "        UNION ALL\n"
    "        SELECT MG1, '소 계', NULL, SUM(D_AMOUNT), SUM(C_AMOUNT), NULL, NULL, '1', MG1 || '9', NULL\n"
    "          FROM SRC GROUP BY MG1\n"
    "        UNION ALL\n"
    "        SELECT NULL, '합 계', NULL, SUM(D_AMOUNT), SUM(C_AMOUNT), NULL, NULL, '2', NULL, NULL FROM SRC) X\n"
    " ORDER BY X.ORD, X.ORD2, X.MG1, X.SEQ");

// By account: per account each bank's rows and its subtotal, then the
// account's subtotal; the total last.
const QString kAccountSql = kSource + QStringLiteral(
    "SELECT X.*,\n"
    "       CASE WHEN X.ACCT_NAME IS NOT DISTINCT FROM LAG(X.ACCT_NAME) OVER (ORDER BY X.ORD, X.MG2) THEN NULL\n"
    "            ELSE X.ACCT_NAME END SHOW_ACCT_NAME,\n"
    "       CASE WHEN X.MG1 IS NOT DISTINCT FROM LAG(X.MG1) OVER (ORDER BY X.ORD, X.MG2) THEN NULL\n"
    "            ELSE X.MG1 END SHOW_MG1\n"
    "  FROM (SELECT ACCT_NAME, MG1, MG2, SUM(D_AMOUNT) DAMT, SUM(C_AMOUNT) CAMT, MG3, MG4,\n"
    "               ACCT_CODE || '1' || MG1 || '1' ORD\n"
    "          FROM SRC GROUP BY ACCT_NAME, ACCT_CODE, MG1, MG2, MG3, MG4, MG5, MG6, MG7\n"
    "        UNION ALL\n"
    "        SELECT NULL, '은 행 소 계', NULL, SUM(D_AMOUNT), SUM(C_AMOUNT), NULL, NULL, ACCT_CODE || '1' || MG1 || '2'\n"
    "          FROM SRC GROUP BY ACCT_CODE, MG1\n"
    "        UNION ALL\n"
    "        SELECT '계 정 소 계', NULL, NULL, SUM(D_AMOUNT), SUM(C_AMOUNT), NULL, NULL, ACCT_CODE || '9'\n"
    "          FROM SRC GROUP BY ACCT_CODE\n"
    "        UNION ALL\n"
    "        SELECT '합 계', NULL, NULL, SUM(D_AMOUNT), SUM(C_AMOUNT), NULL, NULL, '99999999' FROM SRC) X\n"
    " ORDER BY X.ORD, X.MG2");

QList<GridColumn> amountColumns()
{
    return {column("MG2", "계좌번호", 150), column("DAMT", "입금", 130), column("CAMT", "출금", 130),
            column("MG3", "관리항목 1", 110), column("MG4", "관리항목 2", 110)};
}

}  // namespace

TfrmVCI020::TfrmVCI020(QWidget* parent) : TfrmZQI030(QStringLiteral("VCI020"), parent)
{
    setWindowTitle(QStringLiteral("예.적금 현황(VCI020)"));
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtSave, bbtDelete}) {
        b->hide();
        b->setEnabled(false);
    }
    panInput->hide();

    dtpFSlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFSlipDate"));
    dtpESlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpESlipDate"));
    const QDate today = QDate::currentDate();
    dtpFSlipDate->setDate(FirstDayOfMonth(today));
    dtpESlipDate->setDate(LastDayOfMonth(today));
    LinkDateRange(dtpFSlipDate, dtpESlipDate);
    Form::Row{Form::Field(QStringLiteral("조회기간"), dtpFSlipDate), Form::Label(QStringLiteral("~")), dtpESlipDate,
              Form::Stretch()}
        .attachTo(panSearch);

    cdsGrid = new RecordSet(this);
    cdsGrid->setObjectName(QStringLiteral("cdsGrid"));
    cdsGrid1 = new RecordSet(this);
    cdsGrid1->setObjectName(QStringLiteral("cdsGrid1"));
    pgcMain = new QTabWidget(panDisp);
    pgcMain->setObjectName(QStringLiteral("pgcMain"));
    RealDBGrid1 = DailyBooks::newListGrid(pgcMain, cdsGrid,
                                          QList<GridColumn>{column("SHOW_MG1", "은 행 명", 150), column("ACCT_NAME", "계정과목", 130)}
                                              + amountColumns(),
                                          QStringLiteral("RealDBGrid1"));
    RealDBGrid2 = DailyBooks::newListGrid(pgcMain, cdsGrid1,
                                          QList<GridColumn>{column("SHOW_ACCT_NAME", "계정과목", 130), column("SHOW_MG1", "은 행 명", 150)}
                                              + amountColumns(),
                                          QStringLiteral("RealDBGrid2"));
    pgcMain->addTab(RealDBGrid1, QStringLiteral("은   행   별"));
    pgcMain->addTab(RealDBGrid2, QStringLiteral("계정과목별"));
    Form::Column{pgcMain}.attachTo(panDisp);

    RealDBGrid1->setRowBackground([this](int row) -> QVariant {
        const QString name = cdsGrid->fieldAsString(row, QStringLiteral("ACCT_NAME"));
        return name == QStringLiteral("소 계") || name == QStringLiteral("합 계") ? QVariant(kSilver) : QVariant();
    });
    RealDBGrid2->setRowBackground([this](int row) -> QVariant {
        const QString name = cdsGrid1->fieldAsString(row, QStringLiteral("ACCT_NAME"));
        const bool summary = name == QStringLiteral("계 정 소 계") || name == QStringLiteral("합 계")
            || cdsGrid1->fieldAsString(row, QStringLiteral("MG1")) == QStringLiteral("은 행 소 계");
        return summary ? QVariant(kSilver) : QVariant();
    });
    // the total in blue on both views, the account subtotal in red
    RealDBGrid1->setRowForeground([this](int row) -> QVariant {
        return cdsGrid->fieldAsString(row, QStringLiteral("ACCT_NAME")) == QStringLiteral("합 계") ? QVariant(QColor(Qt::blue))
                                                                                                : QVariant();
    });
    RealDBGrid2->setRowForeground([this](int row) -> QVariant {
        const QString name = cdsGrid1->fieldAsString(row, QStringLiteral("ACCT_NAME"));
        if (name == QStringLiteral("합 계"))
            return QColor(Qt::blue);
        return name == QStringLiteral("계 정 소 계") ? QVariant(QColor(Qt::red)) : QVariant();
    });
    connect(pgcMain, &QTabWidget::currentChanged, this, &TfrmVCI020::tabChanged);
}

void TfrmVCI020::tabChanged(int index)
{
    // the other view of the same period, at once; the Search button is off
    // while a result is shown, so this does not go through it
    m_tab = index;
    State = stBrowse;
    DoSearch();
}

void TfrmVCI020::DoSearch()
{
    if (!DailyBooks::requireConfiguration()) {
        if (RecordCount == 0)
            State = stNone;
        RefreshButtons();
        return;
    }
    RecordSet* set = currentRows();
    set->close();
    set->open(m_tab == 0 ? kBankSql : kAccountSql,
              {dtpFSlipDate->date().toString(Qt::ISODate), dtpESlipDate->date().toString(Qt::ISODate)});
    for (const char* f : {"DAMT", "CAMT"})
        set->setDisplayFormat(QLatin1String(f), QStringLiteral("#,###"));
    RecordCount = set->recordCount();
    RefreshButtons();
}

std::unique_ptr<TfrmZZP010> TfrmVCI020::buildReport()
{
    std::unique_ptr<TfrmZZP010> layout;
    const QString condition = QStringLiteral("기간 :") + dtpFSlipDate->date().toString(Qt::ISODate) + QStringLiteral(" ~ ")
        + dtpESlipDate->date().toString(Qt::ISODate);
    if (m_tab == 0)
        layout = std::make_unique<TfrmVCI021>();
    else
        layout = std::make_unique<TfrmVCI022>();
    layout->qrlCondition->setText(condition);
    DailyBooks::copyRows(currentRows(), layout->table());
    layout->Prepare();
    return layout;
}

void TfrmVCI020::DoPrint()
{
    printReport();
}

void TfrmVCI020::DoPreview()
{
    printReport();
}

void TfrmVCI020::printReport()
{
    buildReport()->PrintOrPreview(PreviewFlag, this);
}

void TfrmVCI020::DoExcel()
{
    if (!currentRows()->isOpen())
        return;
    if (m_tab == 0)
        ExportDBGrid(RealDBGrid1, QStringLiteral("예적금 현황(은행별)"));
    else
        ExportDBGrid(RealDBGrid2, QStringLiteral("예적금 현황(계정과목별)"));
}
