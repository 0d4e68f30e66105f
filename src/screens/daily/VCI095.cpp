#include "screens/daily/VCI095.h"
#include "common/DateUtil.h"
#include "common/HandOver.h"
#include "framework/FormKit.h"
#include "framework/MaintenanceCore.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/daily/DailyBooks.h"
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using DailyBooks::column;

namespace {

// Parameters: from and to date, the customer's registration number as
// typed (NULL: every customer). A line counts once however many customer
// items it carries; a registration number that several customers share
// names the first of them.
const QString kLedgerSql = QStringLiteral(
    "WITH T1 AS (\n"
    "  SELECT DISTINCT ON (I.SLIP_NO, I.SLIP_SEQ_NO) I.*\n"
    "    FROM VB011DT I\n"
    "   WHERE I.MG_CODE = '154'\n"
    "     AND I.CONF_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
    "     AND I.MG_DETAIL_NAME LIKE coalesce(CAST(:P2 AS TEXT), '') || '%'\n"
    "   ORDER BY I.SLIP_NO, I.SLIP_SEQ_NO, I.LINEUP_NO)\n"
    "SELECT T1.CONF_DATE, T1.SLIP_NO, T1.SLIP_SEQ_NO, T1.ACCT_CODE, A.ACCT_NAME, T1.MG_DETAIL_NAME,\n"
    "       (SELECT C.C_NAME FROM VA050MS C WHERE C.C_KIND = '01' AND C.C_NUM = T1.MG_DETAIL_NAME\n"
    "         ORDER BY C.C_CODE LIMIT 1) C_NAME,\n"
    "       L.REF_DATA, T1.D_AMOUNT, T1.C_AMOUNT, H.SLIP_DATE, H.DEPT_CODE, Q.AFF_DEPT_NAME, T1.ACCT_CODE || '0' ORD\n"
    "  FROM T1\n"
    "  LEFT JOIN VA020MS A ON A.ACCT_CODE = T1.ACCT_CODE\n"
    "  LEFT JOIN VB011MS L ON L.SLIP_NO = T1.SLIP_NO AND L.SLIP_SEQ_NO = T1.SLIP_SEQ_NO\n"
    "  LEFT JOIN VB010MS H ON H.SLIP_NO = T1.SLIP_NO\n"
    "  LEFT JOIN QA160MS Q ON Q.AFF_DEPT_CODE = H.DEPT_CODE\n"
    "UNION ALL\n"
    "SELECT NULL, NULL, NULL, T1.ACCT_CODE, '[계정 소계]', NULL, NULL, NULL, SUM(T1.D_AMOUNT), SUM(T1.C_AMOUNT),\n"
    "       NULL, NULL, NULL, T1.ACCT_CODE || '8'\n"
    "  FROM T1 GROUP BY T1.ACCT_CODE\n"
    "UNION ALL\n"
    "SELECT NULL, NULL, NULL, NULL, '[ 합 계 ]', NULL, NULL, NULL, SUM(T1.D_AMOUNT), SUM(T1.C_AMOUNT),\n"
    "       NULL, NULL, NULL, '99999999'\n"
    "  FROM T1\n"
    " ORDER BY 14, 4, 1, 2, 3");

}  // namespace

TfrmVCI095::TfrmVCI095(QWidget* parent) : TfrmZZS020(QStringLiteral("VCI095"), parent)
{
    setWindowTitle(QStringLiteral("거래처원장(VCI095)"));
    dtpFSlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFSlipDate"));
    dtpESlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpESlipDate"));
    const QDate today = QDate::currentDate();
    dtpFSlipDate->setDate(FirstDayOfMonth(today));
    dtpESlipDate->setDate(LastDayOfMonth(today));
    edtUpperCode = Form::NewEdit(panSearch, QStringLiteral("edtUpperCode"), 15);
    edtUpperCode->setMaximumWidth(110);
    edtUpperCCodeName = Form::NewEdit(panSearch, QStringLiteral("edtUpperCCodeName"));
    edtUpperCCodeName->setReadOnly(true);
    edtUpperCCodeName->setFocusPolicy(Qt::NoFocus);
    edtUpperCCodeName->setMaximumWidth(160);
    pbtUpperCode = new TPopupBtn(panSearch);
    pbtUpperCode->setObjectName(QStringLiteral("pbtUpperCode"));
    pbtUpperCode->setSql(QStringLiteral("SELECT C_NUM, C_NAME, BOSS_NAME, C_ITEM, C_TYPE FROM VA050MS WHERE C_KIND = '01' "
                                        "ORDER BY C_CODE"));
    pbtUpperCode->setLinkSql(QStringLiteral("SELECT C_NUM, C_NAME, BOSS_NAME, C_ITEM, C_TYPE FROM VA050MS WHERE C_KIND = '01' "
                                            "AND (C_NUM LIKE :c_cd || '%' OR C_NAME LIKE '%' || :c_cd || '%') ORDER BY C_CODE"));
    pbtUpperCode->setColumnTitles({QStringLiteral("사업자번호"), QStringLiteral("거래처명"), QStringLiteral("대표자명"),
                                   QStringLiteral("업  종"), QStringLiteral("업  태")});
    pbtUpperCode->setColumnWidths({QStringLiteral("12"), QStringLiteral("20"), QStringLiteral("10"), QStringLiteral("12"),
                                   QStringLiteral("12")});
    pbtUpperCode->setLinkControl(edtUpperCode);
    connect(pbtUpperCode, &TPopupBtn::clicked, this, [this] {
        if (pbtUpperCode->modalResult() != Lookup::mrOk)
            return;
        edtUpperCode->setText(pbtUpperCode->returnValue().value(0).trimmed());
        edtUpperCCodeName->setText(pbtUpperCode->returnValue().value(1).trimmed());
    });
    Form::Row{Form::Field(QStringLiteral("조회일자"), dtpFSlipDate), Form::Label(QStringLiteral("~")), dtpESlipDate,
              Form::Space(12), Form::Field(QStringLiteral("거래처"), edtUpperCode), pbtUpperCode, edtUpperCCodeName,
              Form::Stretch()}
        .attachTo(panSearch);

    rgrGrid->setEditable(false);
    rgrGrid->setColumns({column("CONF_DATE", "확정일자", 85), column("SLIP_NO", "전표번호", 80), column("SLIP_SEQ_NO", "순번", 45),
                         column("ACCT_CODE", "계정코드", 70), column("ACCT_NAME", "계정명", 120),
                         column("MG_DETAIL_NAME", "사업자번호", 100), column("C_NAME", "거래처명", 140),
                         column("REF_DATA", "적요", 220), column("D_AMOUNT", "차  변", 110), column("C_AMOUNT", "대  변", 110),
                         column("SLIP_DATE", "작성일자", 85), column("DEPT_CODE", "부서코드", 60),
                         column("AFF_DEPT_NAME", "부서명", 100)});
    for (const char* hidden : {"SLIP_DATE", "DEPT_CODE", "AFF_DEPT_NAME"})
        rgrGrid->setColumnHidden(QLatin1String(hidden), true);
    rgrGrid->setRowBackground([this](int row) -> QVariant {
        if (cdsQuery->fieldAsString(row, QStringLiteral("SLIP_NO")).trimmed().isEmpty())
            return QColor(0xC0, 0xC0, 0xC0);
        return QVariant();
    });
    connect(rgrGrid, &DataGrid::recordDoubleClicked, this, &TfrmVCI095::openSlipOfRow);

    m_fields = new FieldEventHook(this, [this](QWidget* field, QEvent* event) { return fieldEvent(field, event); });
    for (QWidget* w : std::initializer_list<QWidget*>{dtpFSlipDate, dtpESlipDate, edtUpperCode})
        m_fields->wire(w);
}

bool TfrmVCI095::fieldEvent(QWidget* field, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_F1 && field == edtUpperCode) {
            pbtUpperCode->click();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down || key == Qt::Key_Up) {
            FocusNeighbour(field, key != Qt::Key_Up);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && field == edtUpperCode && !edtUpperCode->text().trimmed().isEmpty()) {
        pbtUpperCode->LinkSearch();
    }
    return false;
}

void TfrmVCI095::bbtSearchClick()
{
    TfrmZZS020::bbtSearchClick();
    cdsQuery->open(kLedgerSql, {dtpFSlipDate->date().toString(Qt::ISODate), dtpESlipDate->date().toString(Qt::ISODate),
                                edtUpperCode->text()});
    for (const char* f : {"D_AMOUNT", "C_AMOUNT"})
        cdsQuery->setDisplayFormat(QLatin1String(f), QStringLiteral("#,###"));
}

// A line (not a subtotal or the total) opens its slip.
void TfrmVCI095::openSlipOfRow(int row)
{
    if (!cdsQuery->isOpen() || row < 0 || row >= cdsQuery->recordCount())
        return;
    const QString slipNo = cdsQuery->fieldAsString(row, QStringLiteral("SLIP_NO")).trimmed();
    if (slipNo.isEmpty())
        return;
    OpenSlipInProgram(QStringLiteral("VBI020"), slipNo, cdsQuery->value(row, QStringLiteral("SLIP_DATE")).toDate(),
                      cdsQuery->fieldAsString(row, QStringLiteral("AFF_DEPT_NAME")),
                      cdsQuery->fieldAsString(row, QStringLiteral("DEPT_CODE")));
}
