#include "screens/daily/VCI090.h"
#include "common/DateUtil.h"
#include "common/Query.h"
#include "common/XlsExport.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "framework/MaintenanceCore.h"
#include "grid/DataGrid.h"
#include "grid/GridExport.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/daily/DailyBooks.h"
#include "screens/daily/VCI091.h"
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using DailyBooks::column;

namespace {

const QString kTitle = QStringLiteral("계정과목별 사용현황");
const QString kTotalText = QStringLiteral("[합   계]");

// The lines of the accounts in the range carrying a department item (118 or
// 141; a line carrying both counts once, under the first), their account
// groups' subtotals and the total. Parameters: from and to account, from and
// to date, the department (NULL: all).
const QString kUsageSql = QStringLiteral(
    "WITH T1 AS (\n"
    "  SELECT DISTINCT ON (I.SLIP_NO, I.SLIP_SEQ_NO)\n"
    "         I.SLIP_NO, I.SLIP_SEQ_NO, I.ACCT_CODE, I.CONF_DATE, I.MG_DETAIL, I.D_AMOUNT, I.C_AMOUNT\n"
    "    FROM VB011DT I\n"
    "   WHERE I.ACCT_CODE BETWEEN CAST(:P0 AS TEXT) AND CAST(:P1 AS TEXT)\n"
    "     AND I.MG_CODE IN ('118', '141')\n"
    "     AND I.CONF_DATE BETWEEN CAST(:P2 AS DATE) AND CAST(:P3 AS DATE)\n"
    "   ORDER BY I.SLIP_NO, I.SLIP_SEQ_NO, I.LINEUP_NO),\n"
    "L AS (\n"
    "  SELECT T1.*, T3.AFF_DEPT_NAME\n"
    "    FROM T1 LEFT JOIN VA160MS T3 ON T3.AFF_DEPT_CODE = T1.MG_DETAIL\n"
    "   WHERE CAST(:P4 AS TEXT) IS NULL OR T1.MG_DETAIL = CAST(:P4 AS TEXT)),\n"
    "R AS (\n"
    "  SELECT L.AFF_DEPT_NAME, T2.ACCT_NAME, L.ACCT_CODE, L.CONF_DATE, L.SLIP_NO, L.SLIP_SEQ_NO, V.REF_DATA,\n"
    "         L.D_AMOUNT, L.C_AMOUNT, 1 ORD, L.MG_DETAIL\n"
    "    FROM L\n"
    "    JOIN VB011MS V ON V.SLIP_NO = L.SLIP_NO AND V.SLIP_SEQ_NO = L.SLIP_SEQ_NO\n"
    "    LEFT JOIN VA020MS T2 ON T2.ACCT_CODE = L.ACCT_CODE\n"
    "  UNION ALL\n"
    "  SELECT L.AFF_DEPT_NAME, T2.ACCT_NAME, SUBSTR(L.ACCT_CODE, 1, 5) || '00', NULL, NULL, 0, NULL,\n"
    "         SUM(L.D_AMOUNT), SUM(L.C_AMOUNT), 1, L.MG_DETAIL\n"
    "    FROM L LEFT JOIN VA020MS T2 ON T2.ACCT_CODE = SUBSTR(L.ACCT_CODE, 1, 5) || '00'\n"
    "   GROUP BY SUBSTR(L.ACCT_CODE, 1, 5), T2.ACCT_NAME, L.MG_DETAIL, L.AFF_DEPT_NAME\n"
    "  UNION ALL\n"
    "  SELECT NULL, NULL, NULL, NULL, NULL, NULL, '[합   계]', SUM(L.D_AMOUNT), SUM(L.C_AMOUNT), 2, NULL FROM L)\n"
    "SELECT R.*,\n"
    "       CASE WHEN R.AFF_DEPT_NAME IS NOT DISTINCT FROM LAG(R.AFF_DEPT_NAME) OVER W THEN NULL\n"
    "            ELSE R.AFF_DEPT_NAME END SHOW_DEPT_NAME,\n"
    "       CASE WHEN R.ACCT_NAME IS NOT DISTINCT FROM LAG(R.ACCT_NAME) OVER W THEN NULL\n"
    "            ELSE R.ACCT_NAME END SHOW_ACCT_NAME\n"
    "  FROM R\n"
    "WINDOW W AS (ORDER BY %1)\n"
    " ORDER BY %1");

const QString kAllDepartmentsOrder = QStringLiteral("R.ORD, R.MG_DETAIL, R.ACCT_CODE, R.CONF_DATE, R.SLIP_NO, R.SLIP_SEQ_NO");
const QString kOneDepartmentOrder = QStringLiteral("R.ORD, R.ACCT_CODE, R.CONF_DATE, R.SLIP_NO, R.SLIP_SEQ_NO");

const QStringList kAccountSql{QStringLiteral("SELECT ACCT_CODE, ACCT_SNAME, P_ACCT_CODE, ACCT_NAME"),
                              QStringLiteral("  FROM VA020MS"),
                              QStringLiteral(" WHERE USE_YN = 'Y' AND SLIP_YN = 'Y'"),
                              QStringLiteral("   AND (ACCT_CODE LIKE '5%' OR ACCT_CODE LIKE '7%')"),
                              QStringLiteral(" ORDER BY ACCT_CODE")};
const QStringList kAccountLinkSql{QStringLiteral("SELECT ACCT_CODE, ACCT_SNAME, P_ACCT_CODE, ACCT_NAME"),
                                  QStringLiteral("  FROM VA020MS"),
                                  QStringLiteral(" WHERE USE_YN = 'Y' AND SLIP_YN = 'Y'"),
                                  QStringLiteral("   AND (ACCT_CODE LIKE '5%' OR ACCT_CODE LIKE '7%')"),
                                  QStringLiteral("   AND (ACCT_CODE LIKE '%' || :acc_cd || '%' OR ACCT_SNAME LIKE '%' || :acc_cd || '%')"),
                                  QStringLiteral(" ORDER BY ACCT_CODE")};

TPopupBtn* newAccountLookup(QWidget* parent, const QString& name, QLineEdit* link)
{
    auto* button = new TPopupBtn(parent);
    button->setObjectName(name);
    button->setSql(kAccountSql);
    button->setLinkSql(kAccountLinkSql);
    button->setColumnTitles({QStringLiteral("계정코드"), QStringLiteral("계정조회명"), QStringLiteral("상위계정"),
                             QStringLiteral("계정명")});
    button->setColumnWidths({QStringLiteral("8"), QStringLiteral("22"), QStringLiteral("0"), QStringLiteral("22")});
    button->setLinkControl(link);
    return button;
}

}  // namespace

TfrmVCI090::TfrmVCI090(QWidget* parent) : TfrmZZS010(QStringLiteral("VCI090"), parent)
{
    setWindowTitle(QStringLiteral("부서계정과목별 사용내역(VCI090)"));
    bbtExcel = addStripButton(QStringLiteral("bbtExcel"), QStringLiteral("Excel"), bbtPrint);
    connect(bbtExcel, &QPushButton::clicked, this, [this] { bbtExcelClick(); });
    addHotkey(QKeySequence(Qt::CTRL | Qt::Key_F11), [this] { bbtExcelClick(); });

    cbxDept = new QComboBox(panSearch);
    cbxDept->setObjectName(QStringLiteral("cbxDept"));
    cbxDept->addItem(QStringLiteral("    :전   체"));
    QSqlQuery depts = RunQuery(QStringLiteral("SELECT AFF_DEPT_CODE, AFF_DEPT_NAME FROM VA160MS\n"
                                              " WHERE DEPT_AFF_YN <> 'Y' AND USE_YN = 'Y' AND DEPT_TYPE = '4'\n"
                                              " ORDER BY AFF_DEPT_NAME"));
    while (depts.next())
        cbxDept->addItem(depts.value(0).toString() + QLatin1Char(':') + depts.value(1).toString());
    dtpFSlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFSlipDate"));
    dtpESlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpESlipDate"));
    const QDate today = QDate::currentDate();
    dtpFSlipDate->setDate(FirstDayOfMonth(today));
    dtpESlipDate->setDate(LastDayOfMonth(today));
    LinkDateRange(dtpFSlipDate, dtpESlipDate);
    edtFAcctCd = Form::NewEdit(panSearch, QStringLiteral("edtFAcctCd"), 7);
    edtFAcctName = Form::NewEdit(panSearch, QStringLiteral("edtFAcctName"));
    edtEAcctCd = Form::NewEdit(panSearch, QStringLiteral("edtEAcctCd"), 7);
    edtEAcctName = Form::NewEdit(panSearch, QStringLiteral("edtEAcctName"));
    for (QLineEdit* e : {edtFAcctCd, edtEAcctCd})
        e->setMaximumWidth(62);
    for (QLineEdit* e : {edtFAcctName, edtEAcctName}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setMaximumWidth(80);
    }
    edtFAcctCd->setText(QStringLiteral("5000000"));
    edtFAcctName->setText(QStringLiteral("매출"));
    edtEAcctCd->setText(QStringLiteral("7999999"));
    edtEAcctName->setText(QStringLiteral("비용계정"));
    pbtFAccCode = newAccountLookup(panSearch, QStringLiteral("pbtFAccCode"), edtFAcctCd);
    pbtEAccCode = newAccountLookup(panSearch, QStringLiteral("pbtEAccCode"), edtEAcctCd);
    connect(pbtFAccCode, &TPopupBtn::clicked, this, [this] { accountChosen(pbtFAccCode, edtFAcctCd, edtFAcctName); });
    connect(pbtEAccCode, &TPopupBtn::clicked, this, [this] { accountChosen(pbtEAccCode, edtEAcctCd, edtEAcctName); });

    Form::Row{Form::Field(QStringLiteral("부    서"), cbxDept), Form::Space(6),
              Form::Field(QStringLiteral("조회일자"), dtpFSlipDate), Form::Label(QStringLiteral("부터")), dtpESlipDate,
              Form::Label(QStringLiteral("까지")), Form::Space(6),
              Form::Field(QStringLiteral("계정과목"), edtFAcctCd), pbtFAccCode, edtFAcctName, Form::Label(QStringLiteral("부터")),
              edtEAcctCd, pbtEAccCode, edtEAcctName, Form::Label(QStringLiteral("까지")), Form::Stretch()}
        .spacing(3)
        .attachTo(panSearch);

    cdsGrid = new RecordSet(this);
    cdsGrid->setObjectName(QStringLiteral("cdsGrid"));
    rgrGrid = DailyBooks::newListGrid(panMain, cdsGrid,
                                      {column("SHOW_DEPT_NAME", "부서명", 130), column("SHOW_ACCT_NAME", "계정과목", 130),
                                       column("CONF_DATE", "확정일자", 85), column("SLIP_NO", "전표번호", 80),
                                       column("SLIP_SEQ_NO", "순번", 45), column("REF_DATA", "적          요", 260),
                                       column("D_AMOUNT", "차     변", 115), column("C_AMOUNT", "대     변", 115)},
                                      QStringLiteral("rgrGrid"));
    rgrGrid->setRowBackground([this](int row) -> QVariant {
        if (cdsGrid->fieldAsString(row, QStringLiteral("REF_DATA")) == kTotalText)
            return QColor(0xC0, 0xC0, 0xC0);
        return QVariant();
    });
    Form::Column{rgrGrid}.attachTo(panMain);

    m_fields = new FieldEventHook(this, [this](QWidget* field, QEvent* event) { return fieldEvent(field, event); });
    for (QWidget* w : std::initializer_list<QWidget*>{cbxDept, dtpFSlipDate, dtpESlipDate, edtFAcctCd, edtEAcctCd})
        m_fields->wire(w);
}

// Enter and Down go to the next condition, Up to the one before; leaving an
// account field with text looks the text up.
bool TfrmVCI090::fieldEvent(QWidget* field, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down || key == Qt::Key_Up) {
            FocusNeighbour(field, key != Qt::Key_Up);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        if (field == edtFAcctCd && !edtFAcctCd->text().trimmed().isEmpty())
            pbtFAccCode->LinkSearch();
        else if (field == edtEAcctCd && !edtEAcctCd->text().trimmed().isEmpty())
            pbtEAccCode->LinkSearch();
    }
    return false;
}

void TfrmVCI090::accountChosen(TPopupBtn* button, QLineEdit* code, QLineEdit* name)
{
    const QStringList chosen = button->returnValue();
    if (button->modalResult() == Lookup::mrOk && !chosen.value(0).trimmed().isEmpty()) {
        code->setText(chosen.value(0).trimmed());
        name->setText(chosen.value(1).trimmed());
    } else {
        code->clear();
        name->clear();
    }
}

QString TfrmVCI090::departmentCode() const
{
    return cbxDept->currentIndex() <= 0 ? QString() : cbxDept->currentText().left(4).trimmed();
}

QString TfrmVCI090::fromAccount() const
{
    const QString code = edtFAcctCd->text().trimmed();
    return code.isEmpty() ? QStringLiteral("9000000") : code;
}

QString TfrmVCI090::toAccount() const
{
    const QString code = edtEAcctCd->text().trimmed();
    return code.isEmpty() ? QStringLiteral("9999999") : code;
}

void TfrmVCI090::openResult()
{
    const QString dept = departmentCode();
    cdsGrid->open(kUsageSql.arg(dept.isEmpty() ? kAllDepartmentsOrder : kOneDepartmentOrder),
                  {fromAccount(), toAccount(), dtpFSlipDate->date().toString(Qt::ISODate),
                   dtpESlipDate->date().toString(Qt::ISODate), dept});
    for (const char* f : {"D_AMOUNT", "C_AMOUNT"})
        cdsGrid->setDisplayFormat(QLatin1String(f), QStringLiteral("#,##0"));
}

void TfrmVCI090::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    openResult();
}

std::unique_ptr<TfrmVCI091> TfrmVCI090::buildReport()
{
    openResult();
    auto layout = std::make_unique<TfrmVCI091>();
    layout->setCondition(cbxDept->currentText().trimmed(), dtpFSlipDate->date(), dtpESlipDate->date());
    DailyBooks::copyRows(cdsGrid, layout->table());
    layout->Prepare();
    return layout;
}

void TfrmVCI090::bbtPrintClick()
{
    TfrmZZS010::bbtPrintClick();
    printReport();
}

void TfrmVCI090::bbtPreviewClick()
{
    TfrmZZS010::bbtPreviewClick();
    printReport();
}

void TfrmVCI090::printReport()
{
    buildReport()->PrintOrPreview(PreviewFlag, this);
}

void TfrmVCI090::bbtExcelClick()
{
    const HourglassCursor hourglass;
    ShowStatus(QString());
    requireActive(bbtExcel);
    DataGridExportSource source(rgrGrid, XlsCellRule::FieldKind);
    XlsExportOptions options;
    options.proposedFileName = kTitle;
    options.sheetHeader = kTitle;
    options.style = XlsDialogStyle::GridQuery;
    options.parent = this;
    ExportToXls(source, options);
}
