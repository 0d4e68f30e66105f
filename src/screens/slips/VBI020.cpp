#include "screens/slips/VBI020.h"
#include "screens/slips/VBI021.h"
#include "common/AppErrors.h"
#include "common/DateUtil.h"
#include "common/Db.h"
#include "common/DeptEntry.h"
#include "common/HandOver.h"
#include "common/Messages.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/TextUtil.h"
#include "common/Transaction.h"
#include "common/WaitWindow.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/DisplayFormat.h"
#include "grid/RecordSet.h"
#include "lookups/LookupCaptions.h"
#include "lookups/LookupSql.h"
#include "lookups/PopupBtn.h"
#include "shell/ErrorDlg.h"
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr qint64 kMaxAmount = 999999999999999LL;  // NUMERIC(15) of the slip tables

const QStringList kAccountSql = {
    QStringLiteral("SELECT ACCT_CODE, ACCT_SNAME, P_ACCT_CODE, ACCT_NAME"),
    QStringLiteral("  FROM VA020MS"),
    QStringLiteral(" WHERE USE_YN = 'Y' AND SLIP_YN = 'Y'"),
    QStringLiteral(" ORDER BY ACCT_CODE"),
};
const QStringList kAccountLinkSql = {
    QStringLiteral("SELECT ACCT_CODE, ACCT_SNAME, P_ACCT_CODE, ACCT_NAME"),
    QStringLiteral("  FROM VA020MS"),
    QStringLiteral(" WHERE USE_YN = 'Y' AND SLIP_YN = 'Y'"),
    QStringLiteral("   AND (ACCT_CODE LIKE '%' || :acc_cd OR UPPER(ACCT_SNAME) LIKE '%' || UPPER(:acc_cd))"),
    QStringLiteral(" ORDER BY ACCT_CODE"),
};

bool isItemColumn(int c)
{
    return c >= TfrmVBI020::colMg1 && c <= TfrmVBI020::colMg7;
}

// Widths that leave room at 1024 pixels for the remark or an item between the
// frozen account and amount columns.
int columnWidth(int c)
{
    using C = TfrmVBI020;
    switch (c) {
    case C::colV1Code:
    case C::colV2Code: return 66;
    case C::colV1Name:
    case C::colV2Name: return 74;
    case C::colAcctCode: return 72;
    case C::colAcctName: return 96;
    case C::colRemark: return 220;
    case C::colDebit:
    case C::colCredit: return 110;
    default: return isItemColumn(c) ? 130 : 80;
    }
}

}  // namespace

QString TfrmVBI020::fieldOf(int column)
{
    static const QStringList fields = [] {
        QStringList f{QStringLiteral("V1_ACCT_CODE"), QStringLiteral("V1_ACCT_SNAME"), QStringLiteral("V2_ACCT_CODE"),
                      QStringLiteral("V2_ACCT_SNAME"), QStringLiteral("ACCT_CODE"), QStringLiteral("ACCT_NAME")};
        for (int i = 1; i <= 7; ++i)
            f << QStringLiteral("MG%1").arg(i);
        f << QStringLiteral("REF_DATA") << QStringLiteral("D_AMOUNT") << QStringLiteral("C_AMOUNT");
        for (int i = 1; i <= 7; ++i)
            f << QStringLiteral("CD%1").arg(i);
        f << QStringLiteral("BU_ACCT_NAME");
        return f;
    }();
    return fields.value(column);
}

int TfrmVBI020::columnOfField(const QString& field)
{
    for (int c = 0; c < columnCount; ++c)
        if (fieldOf(c) == field)
            return c;
    return -1;
}

TfrmVBI020::TfrmVBI020(QWidget* parent) : TfrmVBI020(QStringLiteral("VBI020"), false, parent)
{
}

TfrmVCS040::TfrmVCS040(QWidget* parent) : TfrmVBI020(QStringLiteral("VCS040"), true, parent)
{
}

TfrmVBI020::TfrmVBI020(const QString& programId, bool pastData, QWidget* parent)
    : TfrmZQI020(programId, parent), m_pastData(pastData)
{
    build();
    buildDepartmentList();
    RefreshButtons();
}

void TfrmVBI020::build()
{
    // Header strip.
    cboCocd = new QComboBox(panSearch);
    cboCocd->setObjectName(QStringLiteral("cboCocd"));
    QSqlQuery companyRow = RunQuery(QStringLiteral("SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = 'V9999' AND DETAIL = '01'"));
    const QString company = companyRow.next() ? companyRow.value(0).toString() : QString();
    cboCocd->addItems({QStringLiteral("K:") + (company.isEmpty() ? QStringLiteral("리조트") : company), QStringLiteral("A:본사")});
    cboCocd->setCurrentIndex(0);
    cboCocd->setProperty("readOnly", true);
    // Disabled, so its text is all the clerk sees of it: show it whole.
    cboCocd->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    dtpAcctDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpAcctDate"));
    cbxDept = new QComboBox(panSearch);
    cbxDept->setObjectName(QStringLiteral("cbxDept"));
    cbxDept->setMinimumWidth(220);
    edtSlipNo = new QLineEdit(panSearch);
    edtSlipNo->setObjectName(QStringLiteral("edtSlipNo"));
    edtSlipNo->setMaxLength(12);
    edtSlipNo->setMinimumWidth(120);
    pbtSlipNo = new TPopupBtn(panSearch);
    pbtSlipNo->setObjectName(QStringLiteral("pbtSlipNo"));
    edtCreatName = new QLineEdit(Session::empName, panSearch);
    edtCreatName->setObjectName(QStringLiteral("edtCreatName"));
    edtCreatName->setReadOnly(true);
    lblApproval = new QLabel(panSearch);
    lblApproval->setObjectName(QStringLiteral("lblApproval"));
    QFont bold = lblApproval->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    lblApproval->setFont(bold);
    lblApproval->setStyleSheet(QStringLiteral("color: #b00000;"));

    const auto caption = [](const QString& text) { return Form::Label(text, Qt::AlignRight | Qt::AlignVCenter); };
    Form::Grid{
        {Form::Span(2, cboCocd), Form::Field(caption(QStringLiteral("작성일자")), dtpAcctDate),
         Form::Field(caption(QStringLiteral("부    서")), cbxDept), Form::Span(1, 2, lblApproval)},
        {Form::Span(2, Form::Empty()), Form::Field(caption(QStringLiteral("전표번호")), Form::Row{edtSlipNo, pbtSlipNo}),
         Form::Field(caption(QStringLiteral("작 성 자")), edtCreatName)},
    }.stretchColumn(7).attachTo(panSearch);

    // Line grid.
    panDisp->hide();
    panInput->hide();
    auto* title = new QLabel(QStringLiteral("  전표세부내역"), panMain);
    cdsLines = new RecordSet(this);
    QList<FieldDef> defs;
    for (int c = 0; c < columnCount; ++c) {
        FieldType type = (c == colDebit || c == colCredit) ? FieldType::Bcd : FieldType::String;
        int size = c == colRemark ? 100 : 0;
        if (type == FieldType::Bcd)
            size = 15;
        defs << FieldDef(fieldOf(c), type, size);
    }
    cdsLines->create(defs);
    rgrGrid = new DataGrid(panMain);
    rgrGrid->setObjectName(QStringLiteral("rgrGrid"));
    rgrGrid->setRecordSet(cdsLines);
    QList<GridColumn> columns;
    const QStringList captions = {QStringLiteral("과목코드"), QStringLiteral("과 목 명"), QStringLiteral("항목코드"),
                                  QStringLiteral("항 목 명"), QStringLiteral("비목코드"), QStringLiteral("비 목 명")};
    for (int c = 0; c < columnCount; ++c) {
        GridColumn col(fieldOf(c));
        if (c <= colAcctName)
            col.caption = captions[c];
        else if (isItemColumn(c))
            col.caption = QStringLiteral("관리항목 %1").arg(c - colMg1 + 1);
        else if (c == colRemark)
            col.caption = QStringLiteral("적                요");
        else if (c == colDebit)
            col.caption = QStringLiteral("차변금액");
        else if (c == colCredit)
            col.caption = QStringLiteral("대변금액");
        else if (c >= colCd1 && c <= colCd7)
            col.caption = QStringLiteral("코드%1").arg(c - colCd1 + 1);
        else
            col.caption = QStringLiteral("영업수지계정");
        col.readOnly = c <= colV2Name || c == colAcctName || c >= colCd1;
        col.hidden = c >= colCd1 && c <= colCd7;
        col.button = c == colAcctCode || isItemColumn(c);
        col.width = columnWidth(c);
        if (c == colDebit || c == colCredit) {
            col.displayFormat = QStringLiteral("#,##0");
            col.editor = CellEditor::Number;
            col.footer = FooterKind::Sum;
            col.footerText = QStringLiteral("#,##0");
        }
        if (c == colRemark) {
            col.footer = FooterKind::Text;
            col.footerText = QStringLiteral("계정합계");
            col.maxLength = 100;
        }
        columns << col;
    }
    rgrGrid->setColumns(columns);
    QStringList accountFields, itemFields;
    for (int c = colV1Code; c <= colAcctName; ++c)
        accountFields << fieldOf(c);
    for (int c = colMg1; c <= colRemark; ++c)
        itemFields << fieldOf(c);
    rgrGrid->setColumnGroup(QStringLiteral("계정과목"), accountFields);
    rgrGrid->setColumnGroup(QStringLiteral("관리항목"), itemFields);
    rgrGrid->setColumnGroup(QStringLiteral("금 액"), {fieldOf(colDebit), fieldOf(colCredit)});
    rgrGrid->setColumnGroup(QStringLiteral("영업수지"), {fieldOf(colBuName)});
    rgrGrid->setAlternateRowColor(QColor(235, 235, 235));
    rgrGrid->setEditable(false);
    // The account columns at the left and the amounts (with the hidden codes
    // and the operating code after them) at the right stay in view while the
    // items and the remark scroll between them.
    rgrGrid->setFrozenColumns(colAcctName + 1, columnCount - colDebit);

    btnLineDel = new QPushButton(QStringLiteral("라인삭제"), panMain);
    btnLineDel->setObjectName(QStringLiteral("btnLineDel"));
    btnHistory = new QPushButton(QStringLiteral("변경이력"), panMain);
    btnHistory->setObjectName(QStringLiteral("btnHistory"));
    // Past data has no history of its own: it was copied, not changed.
    btnHistory->setVisible(!m_pastData);
    auto* mainLayout = static_cast<QVBoxLayout*>(panMain->layout());
    for (int i = 0; i < mainLayout->count(); ++i)
        mainLayout->setStretch(i, 0);  // the record panels of the base stay out of the way
    Form::Column{Form::Row{title, Form::Stretch(), btnHistory, btnLineDel}, rgrGrid}.attachTo(panMain);

    // Lookups without visible buttons of their own. They belong to the data
    // area, which is usable whenever the grid is: a lookup button outside it
    // is switched off with the search strip and would ignore F1 and the cell
    // buttons.
    pbtAcct = new TPopupBtn(panMain);
    pbtAcct->setObjectName(QStringLiteral("pbtAcct"));
    pbtAcct->hide();
    pbtAcct->setSql(kAccountSql);
    pbtAcct->setLinkSql(kAccountLinkSql);
    pbtAcct->setColumnTitles({QStringLiteral("계정코드"), QStringLiteral("계정조회명"), QStringLiteral("상위계정"),
                              QStringLiteral("계정명")});
    pbtAcct->setColumnWidths({QStringLiteral("8"), QStringLiteral("20"), QStringLiteral("0"), QStringLiteral("30")});
    edtAcctLink = new QLineEdit(panMain);
    edtAcctLink->hide();
    pbtAcct->setLinkControl(edtAcctLink);
    pbtItem = new TPopupBtn(panMain);
    pbtItem->setObjectName(QStringLiteral("pbtItem"));
    pbtItem->hide();
    edtItemLink = new QLineEdit(panMain);
    edtItemLink->hide();
    pbtItem->setLinkControl(edtItemLink);
    // The value lists are statements users keep as data.
    pbtItem->setStoredStatement(true);

    pbtSlipNo->setSql({QStringLiteral("SELECT A.SLIP_NO, B.AFF_DEPT_NAME DEPT_NAME, C.EMP_K_NAME, A.SLIP_DATE, A.ACC_DATE,"),
                       QStringLiteral("       A.TOTAL_D_AMT, A.TOTAL_C_AMT, A.SLIP_CONF_YN, A.SLIP_DEL_YN,"),
                       QStringLiteral("       CASE WHEN A.CONF_DATE IS NULL THEN 'N' ELSE 'Y' END CONF_YN, A.DEPT_CODE"),
                       QStringLiteral("  FROM %1VB010MS A JOIN QA160MS B ON A.DEPT_CODE = B.AFF_DEPT_CODE")
                           .arg(m_pastData ? QStringLiteral("BKUSER.") : QString()),
                       QStringLiteral("       LEFT JOIN QA010MS C ON A.U_EMP_NO = C.EMP_NO"),
                       QStringLiteral(" WHERE A.SLIP_DEL_YN = 'N'"),
                       QStringLiteral("   AND A.DEPT_CODE = :dept_code"),
                       QStringLiteral("   AND A.SLIP_DATE = CAST(:slip_date AS DATE)"),
                       QStringLiteral(" ORDER BY A.SLIP_NO")});
    pbtSlipNo->setColumnTitles({QStringLiteral("전표번호"), QStringLiteral("부서명"), QStringLiteral("작성자"),
                                QStringLiteral("발생일자"), QStringLiteral("회계일자"), QStringLiteral("차변금액"),
                                QStringLiteral("대변금액"), QStringLiteral("실전표여부"), QStringLiteral("삭제여부"),
                                QStringLiteral("승인여부"), QStringLiteral("부서코드")});
    pbtSlipNo->setColumnWidths({QStringLiteral("10"), QStringLiteral("16"), QStringLiteral("10"), QStringLiteral("10"),
                                QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("12"), QStringLiteral("6"),
                                QStringLiteral("6"), QStringLiteral("6"), QStringLiteral("0")});

    connect(pbtSlipNo, &TPopupBtn::clicked, this, [this] {
        if (pbtSlipNo->modalResult() != Lookup::mrOk)
            return;
        edtSlipNo->setText(pbtSlipNo->returnValue().value(0).trimmed());
        bbtSearchClick();
    });
    connect(pbtAcct, &TPopupBtn::clicked, this, [this] {
        const int row = cdsLines->currentRow();
        const QStringList values = pbtAcct->returnValue();
        if (pbtAcct->modalResult() == Lookup::mrOk && !values.value(0).trimmed().isEmpty())
            chooseAccount(row, values.value(0).trimmed(), values.value(3).trimmed(), true);
        else
            clearAccount(row);
    });
    connect(pbtItem, &TPopupBtn::clicked, this, [this] {
        const QStringList values = pbtItem->returnValue();
        if (pbtItem->modalResult() == Lookup::mrOk && !values.value(0).trimmed().isEmpty())
            applyItemLookupResult(values);
        else
            setLineValue(fieldOf(m_lookupColumn), QString());
        // What the lookup wrote is settled: leaving the cell afterwards is no
        // change that would look the "code:name" text up again.
        if (rgrGrid->currentGridColumn() == m_lookupColumn)
            m_enteredText = rgrGrid->cellText(cdsLines->currentRow(), m_lookupColumn);
    });
    connect(btnLineDel, &QPushButton::clicked, this, &TfrmVBI020::btnLineDelClick);
    connect(btnHistory, &QPushButton::clicked, this, &TfrmVBI020::btnHistoryClick);
    connect(cbxDept, &QComboBox::currentIndexChanged, this, &TfrmVBI020::setSlipLookupConditions);
    connect(dtpAcctDate, &QDateEdit::dateChanged, this, &TfrmVBI020::setSlipLookupConditions);

    connect(rgrGrid, &DataGrid::cellEntered, this, &TfrmVBI020::onCellEntered);
    connect(rgrGrid, &DataGrid::cellExited, this, &TfrmVBI020::onCellExited);
    connect(rgrGrid, &DataGrid::rowEntered, this, &TfrmVBI020::onRowEntered);
    connect(rgrGrid, &DataGrid::rowExited, this, &TfrmVBI020::onRowExited);
    connect(rgrGrid, &DataGrid::cellButtonClicked, this, &TfrmVBI020::onCellButton);
    connect(rgrGrid, &DataGrid::cellKeyPressed, this, &TfrmVBI020::onCellKey);

    // Edit and Excel are not part of slip entry.
    bbtEdit->hide();
    bbtExcel->hide();
    SetSearchMode(false);
}

void TfrmVBI020::buildDepartmentList()
{
    QSqlQuery charge = RunQuery(QStringLiteral("SELECT CHARGE2_YN FROM VA010MS\n"
                                               "WHERE CURRENT_DATE BETWEEN ST_DATE AND ED_DATE AND EMP_NO = :P0"),
                                {Session::empNo});
    m_chargeYn = charge.next() ? charge.value(0).toString() : QStringLiteral("N");

    QSqlQuery list;
    if (m_chargeYn == QLatin1String("Y")) {
        const QString day = HandOver::HandSlipDate.isEmpty() ? QDate::currentDate().toString(Qt::ISODate)
                                                             : HandOver::HandSlipDate;
        list = RunQuery(QStringLiteral("SELECT DEPT_NAME, DEPT_CODE, 'N' CHARGE_YN\n"
                                       "  FROM QA160MS_DATE\n"
                                       " WHERE :P0 BETWEEN BGN_DATE AND END_DATE\n"
                                       "   AND DEPT_TYPE IN ('3', '2')\n"
                                       " ORDER BY SORT_ORD, DEPT_CODE"),
                        {day});
    } else {
        list = RunQuery(QStringLiteral(
            "SELECT T1.DEPT_NAME, T1.DEPT_CODE, 'N' CHARGE_YN, T2.EMP_AFF_DEPT_CODE\n"
            "  FROM QA160MS_DATE T1,\n"
            "       (SELECT pk_v_dept.group_code(D.R_CODE) DEPT_CD, E.EMP_AFF_DEPT_CODE\n"
            "          FROM QA160MS_DATE D JOIN QA010MS E ON D.DEPT_CODE = E.EMP_AFF_DEPT_CODE\n"
            "         WHERE E.EMP_NO = :P0\n"
            "           AND :P1 BETWEEN D.BGN_DATE AND D.END_DATE) T2\n"
            " WHERE :P1 BETWEEN T1.BGN_DATE AND T1.END_DATE\n"
            "   AND T1.DEPT_TYPE IN ('3', '2')\n"
            "   AND pk_v_dept.group_code(T1.R_CODE) = T2.DEPT_CD\n"
            " ORDER BY T1.SORT_ORD, T1.DEPT_CODE"),
            {Session::empNo, QDate::currentDate().toString(Qt::ISODate)});
    }
    const QSignalBlocker blocker(cbxDept);
    cbxDept->clear();
    while (list.next())
        cbxDept->addItem(DeptEntry::text(list.value(0).toString(), list.value(1).toString()), list.value(1).toString().trimmed());
    if (cbxDept->count() == 0) {
        m_creationFailed = true;
        ShowError(QStringLiteral("인사에 등록되지 않은 사용자는 사용하실 수 없습니다.!"));
        return;
    }
    QSqlQuery own = RunQuery(QStringLiteral("SELECT B.AFF_DEPT_NAME DEPT_NAME, A.EMP_AFF_DEPT_CODE DEPT_CODE, 'N' CHARGE_YN\n"
                                            "  FROM QA010MS A JOIN QA160MS B ON A.EMP_AFF_DEPT_CODE = B.AFF_DEPT_CODE\n"
                                            " WHERE A.EMP_NO = :P0"),
                             {Session::empNo});
    if (own.next()) {
        const int index = cbxDept->findData(own.value(1).toString().trimmed());
        if (index >= 0)
            cbxDept->setCurrentIndex(index);
    }
    dtpAcctDate->setDate(QDate::currentDate());
    setSlipLookupConditions();
    lblApproval->clear();
    bbtAdd->setEnabled(true);
}

QString TfrmVBI020::deptCode() const
{
    return cbxDept->currentData().toString();
}

QString TfrmVBI020::approvalText() const
{
    return lblApproval->text();
}

void TfrmVBI020::setSlipLookupConditions()
{
    pbtSlipNo->setParam(QStringLiteral("dept_code"), deptCode());
    pbtSlipNo->setParam(QStringLiteral("slip_date"), dtpAcctDate->date().toString(Qt::ISODate));
}

void TfrmVBI020::RefreshButtons()
{
    TfrmZQI020::RefreshButtons();
    // The header strip is the slip's own header: it stays usable.
    panSearch->setEnabled(true);
    for (QWidget* w : panSearch->findChildren<QWidget*>())
        w->setEnabled(w != cboCocd);
    bbtSearch->setEnabled(State == stNone && !m_creationFailed);
    bbtAdd->setEnabled(State != stInsert && !m_creationFailed);
    // The slip number names the slip on the screen; another one is looked up
    // only when a search can load it.
    edtSlipNo->setReadOnly(!bbtSearch->isEnabled());
    pbtSlipNo->setEnabled(bbtSearch->isEnabled());
    if (State == stBrowse && m_hasSlip) {
        bbtSave->setEnabled(!m_confirmed);
        bbtDelete->setEnabled(!m_confirmed);
    }
    panDisp->setEnabled(true);
    btnHistory->setEnabled(State == stBrowse && m_hasSlip);
}

// Leaving the slip number empty by the keyboard means a new slip is next. A
// click elsewhere (the date, the department) is not taken from the user.
void TfrmVBI020::FieldExit(QWidget* control)
{
    TfrmZQI020::FieldExit(control);
    if (control != edtSlipNo || !edtSlipNo->text().trimmed().isEmpty() || QApplication::mouseButtons() != Qt::NoButton
        || QApplication::activeWindow() != window())
        return;
    QTimer::singleShot(0, bbtAdd, [add = QPointer<QPushButton>(bbtAdd)] {
        if (add && add->isEnabled() && add->isVisible())
            add->setFocus(Qt::TabFocusReason);
    });
}

void TfrmVBI020::setGridEditable(bool editable)
{
    rgrGrid->setEditable(editable);
    rgrGrid->setCellButtonsEnabled(editable);
}

void TfrmVBI020::FormShow()
{
    if (HandOver::HandSlipNo.isEmpty() && HandOver::HandDeptText.isEmpty())
        return;
    if (bbtSearch->isEnabled())
        bbtSearchClick();
    HandOver::clearSlip();
}

// --- search, new, cancel --------------------------------------------------------------------------

void TfrmVBI020::bbtSearchClick()
{
    beginOperation(bbtSearch);
    if (!HandOver::HandSlipNo.isEmpty() || !HandOver::HandDeptText.isEmpty()) {
        const QSignalBlocker blocker(cbxDept);
        const int index = cbxDept->findText(HandOver::HandDeptText);
        cbxDept->setCurrentIndex(index >= 0 ? index : 0);
        edtSlipNo->setText(HandOver::HandSlipNo);
        const QDate date = QDate::fromString(HandOver::HandSlipDate, Qt::ISODate);
        if (date.isValid())
            dtpAcctDate->setDate(date);
        setSlipLookupConditions();
    }
    if (!loadSlip())
        return;
    State = stBrowse;
    RecordCount = cdsLines->recordCount();
    RefreshButtons();
}

bool TfrmVBI020::loadSlip()
{
    m_searchDept = deptCode();
    m_searchDate = dtpAcctDate->date().toString(Qt::ISODate);
    const QString slipNo = edtSlipNo->text().trimmed();
    const QString schema = m_pastData ? QStringLiteral("BKUSER.") : QString();
    QStringList pivot;
    for (int p = 1; p <= 7; ++p)
        pivot << QStringLiteral("MAX(CASE WHEN LINEUP_NO = %1 THEN MG_DETAIL || CASE WHEN MG_DETAIL_NAME IS NULL THEN '' "
                                "ELSE ':' || MG_DETAIL_NAME END END) MG%1")
                     .arg(p);
    const QString sql = QStringLiteral(
        "SELECT Z.TOTAL_D_AMT, Z.TOTAL_C_AMT, Z.SLIP_CONF_YN, Z.CR_EMP_NO, A.SLIP_SEQ_NO, A.ACCT_CODE,\n"
        "       C.ACCT_SNAME, C.ACCT_NAME, UP_V2.ACCT_CODE V2_ACCT_CODE, UP_V2.ACCT_SNAME V2_ACCT_SNAME,\n"
        "       UP_V1.ACCT_CODE V1_ACCT_CODE, UP_V1.ACCT_SNAME V1_ACCT_SNAME,\n"
        "       MG.MG1, MG.MG2, MG.MG3, MG.MG4, MG.MG5, MG.MG6, MG.MG7, BU.BU_ACCT_NAME,\n"
        "       A.REF_DATA, A.D_AMOUNT, A.C_AMOUNT,%1\n"
        "       CASE WHEN Z.CONF_DATE IS NULL THEN 'N' ELSE 'Y' END CONF_YN\n"
        "  FROM %2VB010MS Z JOIN %2VB011MS A ON A.SLIP_NO = Z.SLIP_NO\n"
        "       LEFT JOIN (SELECT SLIP_NO, SLIP_SEQ_NO, %3,\n"
        "                         MAX(CASE WHEN LINEUP_NO = 6 THEN MG_DETAIL END) MG6_CODE\n"
        "                    FROM %2VB011DT WHERE SLIP_NO = :P0 GROUP BY SLIP_NO, SLIP_SEQ_NO) MG\n"
        "              ON MG.SLIP_NO = A.SLIP_NO AND MG.SLIP_SEQ_NO = A.SLIP_SEQ_NO\n"
        "       LEFT JOIN VA020MS C ON C.ACCT_CODE = A.ACCT_CODE\n"
        "       LEFT JOIN VA020MS UP_V2 ON UP_V2.ACCT_CODE = C.P_ACCT_CODE\n"
        "       LEFT JOIN VA020MS UP_V1 ON UP_V1.ACCT_CODE = UP_V2.P_ACCT_CODE\n"
        "       LEFT JOIN VX010MS BU ON BU.BU_ACCT_CODE = MG.MG6_CODE\n"
        " WHERE Z.SLIP_NO = :P0\n"
        "   AND Z.SLIP_DATE = CAST(:P1 AS DATE)\n"
        "   AND Z.DEPT_CODE = :P2\n"
        "   AND Z.SLIP_DEL_YN = 'N'\n"
        " ORDER BY A.SLIP_SEQ_NO")
                            .arg(m_pastData ? QString() : QStringLiteral(" A.VAT_AMOUNT,"), schema, pivot.join(QStringLiteral(",\n                         ")));
    m_rules.clear();
    m_loading = true;
    struct LoadingOff {
        bool& flag;
        ~LoadingOff() { flag = false; }
    } loadingOff{m_loading};

    QSqlQuery q = RunQuery(sql, {slipNo, m_searchDate, m_searchDept});
    if (!q.next()) {
        ShowInfo(QStringLiteral("조회할 내용이 없습니다."));
        return false;
    }
    m_confirmed = q.value(QStringLiteral("CONF_YN")).toString() == QLatin1String("Y");
    lblApproval->setText(m_confirmed ? QStringLiteral("확정") : QStringLiteral("미확정"));
    btnLineDel->setVisible(!m_confirmed);
    m_slipNo = slipNo;
    m_hasSlip = true;

    cdsLines->disableControls();
    cdsLines->emptyDataSet();
    QHash<int, int> rowOfSeq;
    do {
        const int row = cdsLines->recordCount();
        rowOfSeq.insert(q.value(QStringLiteral("SLIP_SEQ_NO")).toInt(), row);
        cdsLines->append();
        const QString acct = q.value(QStringLiteral("ACCT_CODE")).toString().trimmed();
        if (!m_confirmed) {
            // The account of a saved line is known exactly: no fuzzy lookup.
            chooseAccount(row, acct, q.value(QStringLiteral("ACCT_NAME")).toString(), false);
        } else {
            setLineValue(fieldOf(colV1Code), q.value(QStringLiteral("V1_ACCT_CODE")));
            setLineValue(fieldOf(colV1Name), q.value(QStringLiteral("V1_ACCT_SNAME")));
            setLineValue(fieldOf(colV2Code), q.value(QStringLiteral("V2_ACCT_CODE")));
            setLineValue(fieldOf(colV2Name), q.value(QStringLiteral("V2_ACCT_SNAME")));
            setLineValue(fieldOf(colAcctCode), acct);
            setLineValue(fieldOf(colAcctName), q.value(QStringLiteral("ACCT_SNAME")));
        }
        for (int p = 0; p < 7; ++p)
            setLineValue(fieldOf(colMg1 + p), q.value(QStringLiteral("MG%1").arg(p + 1)));
        setLineValue(fieldOf(colRemark), q.value(QStringLiteral("REF_DATA")));
        setLineValue(fieldOf(colDebit), q.value(QStringLiteral("D_AMOUNT")));
        setLineValue(fieldOf(colCredit), q.value(QStringLiteral("C_AMOUNT")));
        setLineValue(fieldOf(colBuName), q.value(QStringLiteral("BU_ACCT_NAME")));
        cdsLines->post();
    } while (q.next());
    if (m_confirmed) {
        // A confirmed line is shown, not edited: its item columns are named
        // after the items it was stored with.
        QSqlQuery items = RunQuery(QStringLiteral("SELECT D.SLIP_SEQ_NO, D.LINEUP_NO, D.MG_CODE, B.MG_NAME\n"
                                                  "  FROM %1VB011DT D LEFT JOIN VA030MS B ON B.MG_CODE = D.MG_CODE\n"
                                                  " WHERE D.SLIP_NO = :P0\n"
                                                  " ORDER BY D.SLIP_SEQ_NO, D.LINEUP_NO")
                                       .arg(schema),
                                   {slipNo});
        while (items.next()) {
            const auto found = rowOfSeq.constFind(items.value(0).toInt());
            LineRule r;
            r.lineupNo = items.value(1).toInt();
            if (found == rowOfSeq.constEnd() || r.lineupNo < 1 || r.lineupNo > 7)
                continue;
            r.line = *found;
            r.acctCode = lineText(r.line, colAcctCode);
            r.mgCode = items.value(2).toString().trimmed();
            r.mgName = items.value(3).toString();
            m_rules << r;
            cdsLines->moveTo(r.line);
            setLineValue(fieldOf(colCd1 + r.lineupNo - 1), r.mgCode);
            cdsLines->post();
        }
    }
    cdsLines->first();
    cdsLines->enableControls();

    setGridEditable(!m_confirmed);
    refreshCaptions(cdsLines->currentRow());
    // The grid followed the load silently: what its current cell holds now is
    // the text a later exit compares with.
    m_enteredText = rgrGrid->cellText(cdsLines->currentRow(), rgrGrid->currentGridColumn());
    m_lastColumn = rgrGrid->currentGridColumn();
    return true;
}

void TfrmVBI020::newTemporaryNumber()
{
    const quint64 n = QRandomGenerator::global()->bounded(Q_UINT64_C(10000000000));
    m_slipNo = QStringLiteral("NI") + QString::number(n);
    edtSlipNo->setText(m_slipNo);
}

void TfrmVBI020::bbtAddClick()
{
    if (State == stBrowse || State == stNone) {
        // New is offered before any search: the base expects a browse state.
        if (State == stNone)
            State = stBrowse;
        bbtAdd->setEnabled(true);
    }
    TfrmZQI020::bbtAddClick();
    newTemporaryNumber();
    m_hasSlip = false;
    m_confirmed = false;
    btnLineDel->show();
    m_rules.clear();
    setGridEditable(true);
    cdsLines->emptyDataSet();
    appendLine();
    refreshCaptions(0);
    lblApproval->setText(QStringLiteral("미승인"));
    rgrGrid->setFocus();
    rgrGrid->setCurrentCell(0, colAcctCode);
}

void TfrmVBI020::bbtCancelClick()
{
    TfrmZQI020::bbtCancelClick();
    m_enteredText.clear();
    m_rules.clear();
    cdsLines->emptyDataSet();
    edtSlipNo->clear();
    m_slipNo.clear();
    m_hasSlip = false;
    m_confirmed = false;
    // No slip is on the screen: no state to show, nothing to print or delete.
    lblApproval->clear();
    RecordCount = 0;
    setGridEditable(false);
    refreshCaptions(-1);
    RefreshButtons();
    bbtAdd->setEnabled(!m_creationFailed);
}

// --- grid lines -------------------------------------------------------------------------------

void TfrmVBI020::setLineValue(const QString& field, const QVariant& value)
{
    if (!cdsLines->isEditing())
        cdsLines->edit();
    cdsLines->setValue(field, value);
}

QString TfrmVBI020::lineText(int row, int column) const
{
    return cdsLines->value(row, fieldOf(column)).toString();
}

qint64 TfrmVBI020::lineAmount(int row, int column) const
{
    return cdsLines->value(row, fieldOf(column)).toLongLong();
}

void TfrmVBI020::appendLine(const QString& remark)
{
    cdsLines->append();
    if (!remark.isEmpty())
        cdsLines->setValue(fieldOf(colRemark), remark);
    cdsLines->post();
}

const TfrmVBI020::LineRule* TfrmVBI020::ruleAt(int row, int column) const
{
    for (const LineRule& r : m_rules)
        if (r.line == row && r.lineupNo + colMg1 - 1 == column)
            return &r;
    return nullptr;
}

void TfrmVBI020::removeRules(int row)
{
    m_rules.erase(std::remove_if(m_rules.begin(), m_rules.end(), [row](const LineRule& r) { return r.line == row; }),
                  m_rules.end());
}

// An item column without a rule in its position shows no caption at all (a
// blank, since an empty caption falls back to the field name).
void TfrmVBI020::refreshCaptions(int row)
{
    for (int c = colMg1; c <= colMg7; ++c)
        rgrGrid->setColumnCaption(c, QStringLiteral(" "));
    for (const LineRule& r : m_rules)
        if (r.line == row)
            rgrGrid->setColumnCaption(colMg1 + r.lineupNo - 1, r.mgName);
}

void TfrmVBI020::clearAccount(int row)
{
    if (cdsLines->currentRow() != row)
        return;
    for (int c = colV1Code; c <= colAcctName; ++c)
        setLineValue(fieldOf(c), QVariant());
    for (int c = colCd1; c <= colCd7; ++c)
        setLineValue(fieldOf(c), QVariant());
    removeRules(row);
    refreshCaptions(row);
}

void TfrmVBI020::chooseAccount(int row, const QString& code, const QString& name, bool moveRight)
{
    setLineValue(fieldOf(colAcctCode), code);
    setLineValue(fieldOf(colAcctName), name);
    for (int c = colV1Code; c <= colV2Name; ++c)
        setLineValue(fieldOf(c), QVariant());

    static const QString upperSql = QStringLiteral(
        "SELECT ACCT_CODE, ACCT_NAME ACCT_SNAME, P_ACCT_CODE FROM VA020MS WHERE USE_YN = 'Y' AND ACCT_CODE = :P0");
    QSqlQuery self = RunQuery(QStringLiteral("SELECT P_ACCT_CODE FROM VA020MS WHERE ACCT_CODE = :P0"), {code});
    const QString upperCode = self.next() ? self.value(0).toString() : QString();
    if (!upperCode.isEmpty()) {
        QSqlQuery upper = RunQuery(upperSql, {upperCode});
        if (upper.next()) {
            setLineValue(fieldOf(colV2Code), upper.value(0));
            setLineValue(fieldOf(colV2Name), upper.value(1));
            const QString topCode = upper.value(2).toString();
            QSqlQuery top = RunQuery(upperSql, {topCode});
            if (!topCode.isEmpty() && top.next()) {
                setLineValue(fieldOf(colV1Code), top.value(0));
                setLineValue(fieldOf(colV1Name), top.value(1));
            }
        }
    }

    bool hadRules = false;
    for (const LineRule& r : m_rules) {
        if (r.line == row) {
            hadRules = true;
            if (r.acctCode == code) {
                if (moveRight)
                    rgrGrid->setCurrentCell(row, colAcctName + 1);
                return;
            }
        }
    }
    if (hadRules)
        removeRules(row);

    QSqlQuery rules = RunQuery(QStringLiteral(
        "SELECT A.MG_CODE, B.MG_NAME, A.LINEUP_NO, A.D_MUST, A.C_MUST, B.MG_TYPE, B.BAL_YN, B.CON_CODE\n"
        "  FROM VA040MS A JOIN VA030MS B ON A.MG_CODE = B.MG_CODE\n"
        " WHERE A.USE_YN = 'Y' AND A.ACCT_CODE = :P0\n"
        " ORDER BY A.LINEUP_NO"),
        {code});
    for (int c = colMg1; c <= colMg7; ++c)
        setLineValue(fieldOf(c), QVariant());
    for (int c = colCd1; c <= colCd7; ++c)
        setLineValue(fieldOf(c), QVariant());
    QList<LineRule> added;
    while (rules.next()) {
        LineRule r;
        r.line = row;
        r.acctCode = code;
        r.mgCode = rules.value(0).toString();
        r.mgName = rules.value(1).toString();
        r.lineupNo = rules.value(2).toInt();
        r.dMust = rules.value(3).toString();
        r.cMust = rules.value(4).toString();
        r.mgType = rules.value(5).toString();
        r.balYn = rules.value(6).toString();
        r.conCode = rules.value(7).toString();
        if (r.lineupNo < 1 || r.lineupNo > 7)
            continue;
        m_rules << r;
        added << r;
        setLineValue(fieldOf(colCd1 + r.lineupNo - 1), r.mgCode);
    }
    refreshCaptions(row);

    // A line takes over the values of the line above for the same items.
    if (row > 0) {
        for (const LineRule& r : added) {
            for (const LineRule& above : m_rules) {
                if (above.line == row - 1 && above.mgCode == r.mgCode) {
                    setLineValue(fieldOf(colMg1 + r.lineupNo - 1), lineText(row - 1, colMg1 + above.lineupNo - 1));
                    break;
                }
            }
        }
    }
    if (moveRight)
        rgrGrid->setCurrentCell(row, colAcctName + 1);
}

void TfrmVBI020::runAccountLookup(int, const QString& text, bool window)
{
    if (window) {
        pbtAcct->click();
    } else {
        edtAcctLink->setText(text);
        pbtAcct->LinkSearch();
    }
}

void TfrmVBI020::runItemLookup(int row, int column, const QString& text, bool window)
{
    const LineRule* rule = ruleAt(row, column);
    if (!rule || rule->mgType != QLatin1String("2"))
        return;
    m_lookupMgCode = rule->mgCode;
    m_lookupColumn = column;
    pbtItem->setColumnTitles(LookupCaptions::forItem(rule->mgCode));
    pbtItem->setCaptionSubject(rule->mgName);
    pbtItem->setColumnWidths({});
    pbtItem->setSql(rule->conCode);
    pbtItem->setLinkSql(rule->conCode);
    pbtItem->clearParams();
    QString search = text;
    if (m_lookupMgCode == QLatin1String("101") || m_lookupMgCode == QLatin1String("154"))
        search.remove(QLatin1Char('-'));
    if (m_lookupMgCode == QLatin1String("104"))
        search = lineText(row, column - 1).section(QLatin1Char(':'), 0, 0);
    if (window) {
        for (const QString& name : Db::placeholderNames(rule->conCode))
            pbtItem->setParam(name, QStringLiteral("%"));
        pbtItem->click();
    } else {
        edtItemLink->setText(search.trimmed());
        pbtItem->LinkSearch();
    }
}

void TfrmVBI020::applyItemLookupResult(const QStringList& values)
{
    const auto col = [&](int n) { return values.value(n - 1).trimmed(); };
    // The lookup may run while the grid already moved on (leaving the cell):
    // the values belong to the cell it was opened for.
    const QString field = fieldOf(m_lookupColumn);
    setLineValue(field, col(1) + QLatin1Char(':') + col(2));
    const auto columnCaptioned = [&](const QString& caption) {
        for (int c = colMg1; c <= colMg7; ++c)
            if (rgrGrid->columnCaption(c) == caption)
                return c;
        return -1;
    };
    if (m_lookupMgCode == QLatin1String("101")) {
        if (const int c = columnCaptioned(QStringLiteral("사업자번호(문자형)")); c >= 0)
            setLineValue(fieldOf(c), col(4));
    } else if (m_lookupMgCode == QLatin1String("154")) {
        setLineValue(field, col(1) + QLatin1Char(':') + col(4));
        if (const int c = columnCaptioned(QStringLiteral("거래처명(문자형)")); c >= 0)
            setLineValue(fieldOf(c), col(2));
    } else if (m_lookupMgCode == QLatin1String("116")) {
        setLineValue(fieldOf(colMg1), col(1) + QLatin1Char(':') + col(2));
        setLineValue(field, col(3));
    } else if (m_lookupMgCode == QLatin1String("998")) {
        setLineValue(fieldOf(colBuName), col(3));
    } else if (m_lookupMgCode == QLatin1String("117")) {
        setLineValue(fieldOf(colMg1), col(1) + QLatin1Char(':') + col(2));
        setLineValue(fieldOf(colMg1 + 1), col(3));
        setLineValue(fieldOf(colMg1 + 2), col(4));
        setLineValue(fieldOf(colDebit), StripCommas(col(5)).toLongLong());
        recomputeTotals();
    }
}

void TfrmVBI020::recomputeTotals()
{
    rgrGrid->refreshFooters();
}

bool TfrmVBI020::checkRequiredItems(int row, bool showMessage)
{
    const bool debitSide = lineAmount(row, colDebit) != 0;
    for (const LineRule& r : m_rules) {
        if (r.line != row)
            continue;
        const int column = colMg1 + r.lineupNo - 1;
        const bool required = debitSide ? r.dMust == QLatin1String("Y") : r.cMust == QLatin1String("Y");
        if (required && lineText(row, column).trimmed().isEmpty()) {
            rgrGrid->setCurrentCell(row, column);
            if (showMessage)
                ShowInfo(debitSide ? QStringLiteral("차변일때 필수입력 입니다.!") : QStringLiteral("대변일때 필수입력 입니다.!"));
            return false;
        }
    }
    return true;
}

void TfrmVBI020::placeCursor(int row, int column)
{
    {
        const QScopedValueRollback<bool> placing(m_placing, true);
        rgrGrid->setCurrentCell(row, column);
    }
    syncEnteredCell();
}

void TfrmVBI020::syncEnteredCell()
{
    const int row = cdsLines->currentRow();
    m_lastColumn = rgrGrid->currentGridColumn();
    m_enteredText = rgrGrid->cellText(row, m_lastColumn);
    refreshCaptions(row);
}

void TfrmVBI020::onRowEntered(int row)
{
    if (m_loading || m_placing)
        return;
    refreshCaptions(row);
}

void TfrmVBI020::onRowExited(int row)
{
    if (m_loading || m_placing)
        return;
    const int last = cdsLines->recordCount() - 1;
    if (row == last && last > 0 && lineText(row, colAcctCode).trimmed().isEmpty()) {
        if (cdsLines->isEditing())
            cdsLines->cancel();
        if (cdsLines->currentRow() == row && cdsLines->recordCount() - 1 == row) {
            removeRules(row);
            cdsLines->deleteRecord();
        }
    }
    recomputeTotals();
}

void TfrmVBI020::onCellEntered(int row, const QString& field)
{
    if (m_loading || m_placing || cdsLines->isEmpty())
        return;
    const int column = columnOfField(field);
    const int previous = m_lastColumn;
    m_lastColumn = column;
    m_enteredText = rgrGrid->cellText(row, column);
    if (!rgrGrid->isEditable())
        return;
    if (column != colAcctCode && lineText(row, colAcctCode).trimmed().isEmpty()) {
        rgrGrid->setCurrentCell(row, colAcctCode);
        return;
    }
    if (column <= colV2Name || column == colAcctName) {
        rgrGrid->setCurrentCell(row, (column == colAcctName && previous == colMg1) ? colAcctCode : column + 1);
        return;
    }
    if (isItemColumn(column) && rgrGrid->columnCaption(column).trimmed().isEmpty()) {
        const bool movingLeft = previous > column;
        rgrGrid->setCurrentCell(row, movingLeft ? column - 1 : column + 1);
        return;
    }
    if (column == colRemark)
        QTimer::singleShot(0, rgrGrid, [grid = rgrGrid] {
            if (grid->currentGridColumn() == colRemark && !grid->isEditingCell())
                grid->editCurrentCell();
        });
}

void TfrmVBI020::onCellExited(int row, const QString& field)
{
    if (m_loading || m_appending || m_placing || row < 0 || row >= cdsLines->recordCount() || !rgrGrid->isEditable())
        return;
    const int column = columnOfField(field);
    const QString text = rgrGrid->cellText(row, column);
    const bool changed = text != m_enteredText;
    const bool sameRow = rgrGrid->currentIndex().row() == row;

    if (column == colAcctCode) {
        if (text.trimmed().isEmpty()) {
            if (sameRow)
                rgrGrid->setCurrentCell(row, colAcctCode);
            return;
        }
        if (!changed)
            return;
        runAccountLookup(row, text.trimmed().toUpper(), false);
        const QString code = lineText(row, colAcctCode);
        if (code.startsWith(QLatin1String("71")))
            setLineValue(fieldOf(colMg7), QStringLiteral("02:원가"));
        else if (code.startsWith(QLatin1String("75")))
            setLineValue(fieldOf(colMg7), QStringLiteral("01:판관비"));
        return;
    }
    if (isItemColumn(column)) {
        if (!changed)
            return;
        const LineRule* rule = ruleAt(row, column);
        if (!rule)
            return;
        if (rule->mgType == QLatin1String("2")) {
            runItemLookup(row, column, text, false);
        } else if (rule->mgType == QLatin1String("0")) {
            setLineValue(field, FormatNumber(StripCommas(text).toDouble(), QStringLiteral("#,#0")));
        } else if (rule->mgType == QLatin1String("1") && rule->mgCode >= QLatin1String("124")
                   && rule->mgCode <= QLatin1String("128")) {
            setLineValue(field, FormatDateParts(text.trimmed(), QStringLiteral("-"), QString(), false));
        }
        return;
    }
    if (column == colDebit || column == colCredit) {
        if (cdsLines->isEditing())
            cdsLines->post();
        const qint64 debit = lineAmount(row, colDebit);
        const qint64 credit = lineAmount(row, colCredit);
        if (column == colDebit && debit != 0 && credit != 0)
            setLineValue(fieldOf(colCredit), 0);
        if (column == colCredit && credit != 0 && debit != 0)
            setLineValue(fieldOf(colDebit), 0);
        if (cdsLines->isEditing())
            cdsLines->post();
        recomputeTotals();
        if (!checkRequiredItems(row, true))
            return;
        const bool addLine = column == colCredit || lineAmount(row, colDebit) != 0;
        if (lblApproval->text() != QLatin1String("확정") && addLine && row == cdsLines->recordCount() - 1) {
            // The grid follows the new record into the column just left; that
            // move is not the user leaving a cell of the new line.
            m_appending = true;
            appendLine(lineText(row, colRemark));
            rgrGrid->setCurrentCell(row + 1, colAcctCode);
            m_appending = false;
        }
    }
}

void TfrmVBI020::onCellButton(int row, const QString& field)
{
    if (!rgrGrid->isEditable())
        return;
    const int column = columnOfField(field);
    if (column == colAcctCode)
        runAccountLookup(row, QString(), true);
    else if (isItemColumn(column))
        runItemLookup(row, column, QString(), true);
}

void TfrmVBI020::onCellKey(QKeyEvent* event)
{
    if (!rgrGrid->isEditable())
        return;
    if (event->key() == Qt::Key_F1) {
        event->accept();
        onCellButton(cdsLines->currentRow(), rgrGrid->currentField());
        return;
    }
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return;
    // Enter in the last cell of the last line has nowhere to go: the line is
    // left all the same (totals, required items, the next line).
    const int row = cdsLines->currentRow();
    const int column = rgrGrid->currentGridColumn();
    if (column != colCredit || row != cdsLines->recordCount() - 1)
        return;
    QTimer::singleShot(0, this, [this, row, column] {
        if (rgrGrid->currentGridColumn() == column && cdsLines->currentRow() == row && !rgrGrid->isEditingCell())
            onCellExited(row, fieldOf(column));
    });
}

void TfrmVBI020::btnHistoryClick()
{
    if (!btnHistory->isEnabled() || !btnHistory->isVisible())
        return;
    OpenSlipInProgram(QStringLiteral("VKI090"), edtSlipNo->text().trimmed(), dtpAcctDate->date(),
                      cbxDept->currentText(), deptCode());
}

void TfrmVBI020::btnLineDelClick()
{
    if (cdsLines->isEmpty())
        return;
    if (!AskYesNo(QStringLiteral("선택하신 라인을 삭제 하시겠습니까.?")))
        return;
    const int row = cdsLines->currentRow();
    removeRules(row);
    for (LineRule& r : m_rules)
        if (r.line > row)
            --r.line;
    if (cdsLines->isEditing())
        cdsLines->cancel();
    cdsLines->deleteRecord();
    recomputeTotals();
    if (cdsLines->isEmpty() && rgrGrid->isEditable()) {
        // An editable slip always offers a line to write on.
        appendLine();
        rgrGrid->setFocus();
        placeCursor(0, colAcctCode);
    }
    syncEnteredCell();
}

// --- save and delete --------------------------------------------------------------------------

QList<SlipLine> TfrmVBI020::collectLines() const
{
    QList<SlipLine> lines;
    for (int row = 0; row < cdsLines->recordCount(); ++row) {
        SlipLine line;
        line.acctCode = lineText(row, colAcctCode);
        line.remark = lineText(row, colRemark);
        line.debit = lineAmount(row, colDebit);
        line.credit = lineAmount(row, colCredit);
        for (int p = 0; p < 7; ++p) {
            line.itemCodes[p] = lineText(row, colCd1 + p).trimmed();
            line.itemValues[p] = lineText(row, colMg1 + p).trimmed();
        }
        lines << line;
    }
    return lines;
}

void TfrmVBI020::DoSave()
{
    const QString date = dtpAcctDate->date().toString(Qt::ISODate);
    QSqlQuery period = RunQuery(QStringLiteral("SELECT SESSION_ID FROM VI010MS WHERE CAST(:P0 AS DATE) BETWEEN ST_DATE AND ED_DATE"),
                                {date});
    if (!period.next()) {
        ShowInfo(QStringLiteral("회계일자에 등록된 기수가 없습니다.관리자에게 문의하세요.!"));
        return;
    }
    const QString sessionId = period.value(0).toString();

    if (cdsLines->isEditing())
        cdsLines->post();
    if (cdsLines->recordCount() > 2 && lineText(cdsLines->recordCount() - 1, colAcctCode).trimmed().isEmpty()) {
        const int last = cdsLines->recordCount() - 1;
        cdsLines->moveTo(last);
        removeRules(last);
        cdsLines->deleteRecord();
        syncEnteredCell();
    }
    if (cboCocd->currentIndex() < 0) {
        ShowInfo(QStringLiteral("사업부문을 선택하세요.!"));
        cboCocd->setFocus();
        return;
    }
    recomputeTotals();
    const QList<SlipLine> lines = collectLines();
    qint64 debitTotal = 0, creditTotal = 0;
    for (const SlipLine& l : lines) {
        debitTotal += l.debit;
        creditTotal += l.credit;
    }
    if (debitTotal != creditTotal) {
        ShowInfo(QStringLiteral("차,대변의 합계금액이 다르면 저장 하실수 없습니다.!"));
        return;
    }
    for (int row = 0; row < lines.size(); ++row) {
        const SlipLine& l = lines[row];
        if (lineText(row, colV1Name).isEmpty() && lineText(row, colV2Name).isEmpty()
            && lineText(row, colAcctName).isEmpty()) {
            placeCursor(row, colAcctCode);
            ShowInfo(QStringLiteral("계정과목을 바르게 입력하세요.!"));
            return;
        }
        if (l.debit != 0 && l.credit != 0) {
            placeCursor(row, colDebit);
            ShowInfo(QStringLiteral("차대변에 같이 금액이 들어갈수 없습니다.!"));
            return;
        }
        if (qAbs(l.debit) > kMaxAmount || qAbs(l.credit) > kMaxAmount || qAbs(debitTotal) > kMaxAmount) {
            placeCursor(row, l.debit != 0 ? colDebit : colCredit);
            ShowInfo(QStringLiteral("금액이 너무 큽니다. 15자리 이하로 입력하십시오.!"));
            return;
        }
        const bool debitSide = l.debit != 0;
        for (const LineRule& r : m_rules) {
            if (r.line != row)
                continue;
            const bool required = debitSide ? r.dMust == QLatin1String("Y") : r.cMust == QLatin1String("Y");
            if (required && l.itemValues[r.lineupNo - 1].isEmpty()) {
                placeCursor(row, colMg1 + r.lineupNo - 1);
                ShowInfo(lineText(row, colAcctName) + QStringLiteral(" 의[") + r.mgName
                         + (debitSide ? QStringLiteral("]는(은) 차변일때 필수입력 입니다.!")
                                      : QStringLiteral("]는(은) 대변일때 필수입력 입니다.!")));
                return;
            }
        }
    }

    const SlipHeader header{m_slipNo, deptCode(), date, cboCocd->currentText().left(1), sessionId};
    ShowWait(QStringLiteral("해당프로시저를 처리중입니다!"));
    SharedTransaction& tx = SharedTransaction::instance();
    QString answer;
    try {
        tx.start();
        answer = SlipStore::save(header, lines);
        HideWait();
        if (!ProcResult::isSlipSuccess(answer)) {
            tx.rollback();
            ShowError(QStringLiteral("자료를 저장하지 못했습니다.\n\n에러내용:\n") + answer);
            return;
        }
        // Committed before the user is told: the message must never report a
        // slip that a later failure could still take back.
        tx.commit();
    } catch (const std::exception& e) {
        HideWait();
        tx.rollback();
        // The procedure's refusal, or, when it had not answered (or had
        // answered and the commit failed), the database's own reason.
        QString cause = ProcResult::isSlipSuccess(answer) ? QString() : answer;
        if (cause.isEmpty()) {
            const auto* server = dynamic_cast<const ServerError*>(&e);
            cause = server ? TranslateOracleError(server->nativeError(), server->entries().last().message)
                           : QString::fromUtf8(e.what());
        }
        ShowError(QStringLiteral("자료를 저장하지 못했습니다.\n\n에러내용:\n") + cause);
        return;
    }
    const QString number = ProcResult::slipNumber(answer).trimmed();
    m_slipNo = number;
    edtSlipNo->setText(number);
    m_hasSlip = true;
    m_confirmed = false;
    lblApproval->setText(QStringLiteral("미확정"));
    RecordCount = cdsLines->recordCount();
    Done = true;
    ShowInfo(QStringLiteral("[전표번호 : ") + number + QStringLiteral("  ") + QStringLiteral("자료를 정상적으로 저장했습니다."));
}

void TfrmVBI020::DoDelete()
{
    if (m_slipNo.startsWith(QLatin1Char('N'))) {
        ShowInfo(QStringLiteral("저장되지 않은 전표는 삭제 하실수 없습니다.!"));
        return;
    }
    if (!AskYesNo(QStringLiteral("해당전표를 삭제 하시겠습니까.?")))
        return;
    const SlipHeader header{m_slipNo, deptCode(), dtpAcctDate->date().toString(Qt::ISODate),
                            cboCocd->currentText().left(1), QString()};
    SharedTransaction& tx = SharedTransaction::instance();
    try {
        tx.start();
        const QString answer = SlipStore::remove(header);
        if (!answer.startsWith(QLatin1Char('R'))) {
            tx.rollback();
            ShowError(QStringLiteral("자료를 저장하지 못했습니다.\n\n에러내용:\n") + answer);
            return;
        }
        tx.commit();
    } catch (const std::exception& e) {
        tx.rollback();
        const auto* server = dynamic_cast<const ServerError*>(&e);
        const QString cause = server ? TranslateOracleError(server->nativeError(), server->entries().last().message)
                                     : QString::fromUtf8(e.what());
        ShowError(QStringLiteral("전표삭제 오류입니다.\n\n") + cause);
        return;
    }
    Done = true;
    ShowInfo(QStringLiteral("해당전표를 삭제 하였습니다."));
    bbtCancelClick();
}

// --- print and preview ----------------------------------------------------------------------------

// The slip on the screen goes through the slip form, which is made for this
// one print and destroyed on every path out.
void TfrmVBI020::DoPrint()
{
    TfrmVBI021 form;
    form.Print(edtSlipNo->text(), dtpAcctDate->date(), cbxDept->currentText(), cboCocd->currentText(), PreviewFlag,
               this);
}

void TfrmVBI020::DoPreview()
{
    DoPrint();
}
