#include "screens/slips/VBI090.h"
#include "common/HandOver.h"
#include "common/Messages.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "common/WaitWindow.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "framework/print/ReportData.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/LookupBtn.h"
#include "lookups/EmployeeField.h"
#include "lookups/PopupBtn.h"
#include "screens/slips/VBI041.h"
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

const QString kOrder = QStringLiteral("SORT_ORD");

}  // namespace

TfrmVBI090::TfrmVBI090(QWidget* parent) : TfrmZZS010(QStringLiteral("VBI090"), parent)
{
    setWindowTitle(QStringLiteral("보통예금 자동전표 생성(VBI090)"));
    buildSearchStrip();
    buildButtonStrip();
    buildCandidateList();
}

void TfrmVBI090::buildSearchStrip()
{
    dtpFSlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFSlipDate"));
    dtpESlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpESlipDate"));
    LinkDateRange(dtpFSlipDate, dtpESlipDate);
    // Payables confirmed this month are the ones usually paid next.
    const QDate today = QDate::currentDate();
    dtpFSlipDate->setDate(QDate(today.year(), today.month(), 1));
    auto* writer = new EmployeeField(panSearch);
    edtEmpNo = writer->number();
    pbtEmpNo = writer->button();
    edtEmpName = writer->name();
    Form::Row{Form::Field(QStringLiteral("확정일자"), dtpFSlipDate), Form::Label(QStringLiteral("~")), dtpESlipDate,
              Form::Space(12), Form::Field(QStringLiteral("작 성 자"), edtEmpNo), pbtEmpNo, edtEmpName,
              Form::Stretch()}
        .attachTo(panSearch);
}

// Generation and release sit in the button strip, with the number of the
// generated slip between them.
void TfrmVBI090::buildButtonStrip()
{
    Auto_slip = addStripButton(QStringLiteral("Auto_slip"), QStringLiteral("자동 전표 생성"), bbtPrint);
    edtNew_Slip_No = Form::NewEdit(panButtons, QStringLiteral("edtNew_Slip_No"), 8);
    edtNew_Slip_No->setFixedWidth(edtNew_Slip_No->fontMetrics().horizontalAdvance(QStringLiteral("K0000000000")) + 12);
    Button1 = addStripButton(QStringLiteral("Button1"), QStringLiteral("전표 삭제"), bbtPrint);
    auto* caption = new QLabel(QStringLiteral("NEW_전표번호"), panButtons);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QHBoxLayout* row = buttonRow();
    const int at = row->indexOf(Button1);
    row->insertWidget(at, caption);
    row->insertWidget(at + 1, edtNew_Slip_No);
    connect(Auto_slip, &QPushButton::clicked, this, &TfrmVBI090::Auto_slipClick);
    connect(Button1, &QPushButton::clicked, this, &TfrmVBI090::Button1Click);
}

void TfrmVBI090::buildCandidateList()
{
    cdsResult = new RecordSet(this);
    cdsResult->setObjectName(QStringLiteral("cdsResult"));
    cdsResult->create({FieldDef(QStringLiteral("CONF_DATE"), FieldType::Date),
                       FieldDef(QStringLiteral("SLIP_NO"), FieldType::String, 8),
                       FieldDef(QStringLiteral("AFF_DEPT_NAME"), FieldType::String, 60),
                       FieldDef(QStringLiteral("REF_DATA"), FieldType::String, 100),
                       FieldDef(QStringLiteral("TOTAL_D_AMT"), FieldType::Bcd, 15),
                       FieldDef(QStringLiteral("TOTAL_C_AMT"), FieldType::Bcd, 15),
                       FieldDef(kOrder, FieldType::String, 6),
                       FieldDef(QStringLiteral("DEPT_CODE"), FieldType::String, 4),
                       FieldDef(QStringLiteral("SLIP_DATE"), FieldType::Date),
                       // what the printed register reads
                       FieldDef(QStringLiteral("DEPT_NAME"), FieldType::String, 60),
                       FieldDef(QStringLiteral("CNT"), FieldType::Integer)});
    SetNumberFormats(*cdsResult);

    rgrResult = new DataGrid(panMain);
    rgrResult->setObjectName(QStringLiteral("rgrResult"));
    QList<GridColumn> columns{
        GridColumn(QStringLiteral("CONF_DATE"), QStringLiteral("확정일자"), 90),
        GridColumn(QStringLiteral("SLIP_NO"), QStringLiteral("전표번호"), 86),
        GridColumn(QStringLiteral("AFF_DEPT_NAME"), QStringLiteral("작성부서"), 140),
        GridColumn(QStringLiteral("REF_DATA"), QStringLiteral("적요"), 300),
        GridColumn(QStringLiteral("TOTAL_D_AMT"), QStringLiteral("차변금액"), 120),
        GridColumn(QStringLiteral("TOTAL_C_AMT"), QStringLiteral("대변금액"), 120),
        GridColumn(kOrder, QStringLiteral("순서"), 56),
        GridColumn(QStringLiteral("DEPT_CODE"), QStringLiteral("부서코드")),
        GridColumn(QStringLiteral("SLIP_DATE"), QStringLiteral("작성일자")),
    };
    for (GridColumn& c : columns) {
        c.readOnly = c.field != kOrder;
        c.hidden = c.field == QLatin1String("DEPT_CODE") || c.field == QLatin1String("SLIP_DATE");
    }
    rgrResult->setColumns(columns);
    rgrResult->setColumnAlignment(kOrder, Qt::AlignCenter);
    rgrResult->setRecordSet(cdsResult);
    rgrResult->setEditable(true);
    connect(rgrResult, &DataGrid::recordDoubleClicked, this, &TfrmVBI090::openSlipOfRow);
    Form::Column{rgrResult}.attachTo(panMain);
}

// --- search ----------------------------------------------------------------------------

void TfrmVBI090::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    const QDate from = dtpFSlipDate->date();
    const QDate to = dtpESlipDate->date();
    QVariantList params{from.toString(Qt::ISODate), to.toString(Qt::ISODate)};
    QString writer;
    if (const QString emp = edtEmpNo->text().trimmed(); !emp.isEmpty()) {
        writer = QStringLiteral("   AND T1.CR_EMP_NO = :P2\n");
        params << emp;
    }
    // A slip is offered until a deposit slip has used it; its remark is that
    // of its last line crediting one of the two payables.
    QSqlQuery q = RunQuery(QStringLiteral(
        "SELECT T1.CONF_DATE, T1.SLIP_NO, T2.AFF_DEPT_NAME,\n"
        "       (SELECT L.REF_DATA FROM VB011MS L WHERE L.SLIP_NO = T1.SLIP_NO AND L.SLIP_SEQ_NO = T3.SEQ_NO) REF_DATA,\n"
        "       T1.TOTAL_D_AMT, T1.TOTAL_C_AMT, T1.DEPT_CODE, T1.SLIP_DATE,\n"
        "       (SELECT COUNT(*) FROM VB011MS L WHERE L.SLIP_NO = T1.SLIP_NO) CNT\n"
        "  FROM VB010MS T1\n"
        "  JOIN QA160MS T2 ON T1.DEPT_CODE = T2.AFF_DEPT_CODE\n"
        "  JOIN (SELECT SLIP_NO, MAX(SLIP_SEQ_NO) SEQ_NO FROM VB011MS\n"
        "         WHERE ACCT_CODE IN ('2110320', '2110110') AND D_AMOUNT = 0 AND C_AMOUNT <> 0\n"
        "         GROUP BY SLIP_NO) T3 ON T3.SLIP_NO = T1.SLIP_NO\n"
        " WHERE T1.CONF_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
        "   AND T1.SLIP_DEL_YN = 'N'\n"
        "   AND NOT EXISTS (SELECT 1 FROM VB010MS_TEMP R WHERE R.SLIP_NO = T1.SLIP_NO AND R.USE_YN = 'Y')\n"
        "%1"
        " ORDER BY T1.CONF_DATE, T1.SLIP_NO")
                               .arg(writer),
                           params);
    cdsResult->emptyDataSet();
    while (q.next()) {
        cdsResult->appendRecord({q.value(0).toDate(), q.value(1), q.value(2), q.value(3), q.value(4), q.value(5),
                                 QVariant(), q.value(6), q.value(7).toDate(), q.value(2), q.value(8)});
    }
    cdsResult->first();
    m_searched = true;
    m_shownFrom = from;
    m_shownTo = to;
}

// --- generation and release -------------------------------------------------------------

bool TfrmVBI090::numberedCandidates(QList<Numbered>* rows)
{
    static const QRegularExpression whole(QStringLiteral("^[0-9]+$"));
    for (int row = 0; row < cdsResult->recordCount(); ++row) {
        const QString text = cdsResult->value(row, kOrder).toString().trimmed();
        const QString slipNo = cdsResult->value(row, QStringLiteral("SLIP_NO")).toString().trimmed();
        if (text.isEmpty())
            continue;
        bool ok = whole.match(text).hasMatch();
        const int order = ok ? text.toInt(&ok) : 0;
        if (!ok) {
            ShowInfo(QStringLiteral("순서는 1 이상의 숫자로 입력하세요.![전표번호 ") + slipNo + QStringLiteral("]"));
            rgrResult->setCurrentCell(row, kOrder);
            return false;
        }
        if (order > 0)
            rows->append({slipNo, order});
    }
    return true;
}

void TfrmVBI090::Auto_slipClick()
{
    ShowStatus(QString());
    if (!m_searched)
        return;
    if (!AskYesNo(QStringLiteral("해당전표를 입금전표 생성하시겠습니까.?")))
        return;
    // The order typed last counts too.
    Auto_slip->setFocus();
    if (cdsResult->isEditing())
        cdsResult->post();
    QList<Numbered> numbered;
    if (!numberedCandidates(&numbered))
        return;
    if (numbered.isEmpty()) {
        ShowInfo(QStringLiteral("자동전표를 생성할 전표의 순서를 입력하세요.!"));
        return;
    }

    SharedTransaction& tx = SharedTransaction::instance();
    ShowWait(QStringLiteral("해당프로시저를 처리중입니다!"));
    QString answer;
    try {
        tx.start();
        const QString empNo = Session::empNo.trimmed();
        // Rows of an earlier attempt that never made a slip are not this run's.
        ExecSql(QStringLiteral("DELETE FROM VB010MS_TEMP WHERE U_EMP_NO = :P0 AND USE_YN = 'N' AND NEW_SLIP_NO IS NULL"),
                {empNo});
        for (const Numbered& n : numbered)
            ExecSql(QStringLiteral("INSERT INTO VB010MS_TEMP (SLIP_NO, U_EMP_NO, USE_YN, SORT_ORD) VALUES (:P0, :P1, 'N', :P2)"),
                    {n.slipNo, empNo, n.order});
        answer = CallProcText(QStringLiteral("pr_v_vbi010_01"), {empNo, Session::workstationIp}).trimmed();
    } catch (...) {
        HideWait();
        tx.rollback();
        throw;
    }
    HideWait();
    if (answer.isEmpty() || ProcResult::isFailure(answer)) {
        tx.rollback();
        ShowError(QStringLiteral("자료를 저장하지 못했습니다.\n\n에러내용:\n") + answer);
        return;
    }
    tx.commit();
    edtNew_Slip_No->setText(answer);
    ShowInfo(QStringLiteral("전표 번호 ") + answer + QStringLiteral("로 전표생성이 완료되었습니다."));
    // The slips used are no longer candidates.
    bbtSearchClick();
}

void TfrmVBI090::Button1Click()
{
    ShowStatus(QString());
    const QString newSlipNo = edtNew_Slip_No->text().trimmed();
    if (newSlipNo.isEmpty())
        return;
    const int count = RunQueryRow(QStringLiteral("SELECT COUNT(*) CNT FROM VB010MS_TEMP WHERE NEW_SLIP_NO = :P0"),
                                  {newSlipNo})
                          .value(0)
                          .toInt();
    if (count == 0)
        return;
    if (!AskYesNo(QStringLiteral("전표 번호 ") + newSlipNo + QStringLiteral("로 생성된 전표를 삭제하시겠습니까?\n")
                  + QStringLiteral("관련 전표는") + QString::number(count) + QStringLiteral("건 입니다\n")))
        return;
    // The database refuses while the generated slip is still live.
    SharedTransaction& tx = SharedTransaction::instance();
    try {
        tx.start();
        ExecSql(QStringLiteral("DELETE FROM VB010MS_TEMP WHERE NEW_SLIP_NO = :P0"), {newSlipNo});
        tx.commit();
    } catch (...) {
        tx.rollback();
        throw;
    }
    ShowInfo(QStringLiteral("전표를 다시 생성하세요"));
    if (m_searched)
        bbtSearchClick();
}

// --- drill-down and print -----------------------------------------------------------------

void TfrmVBI090::openSlipOfRow(int row)
{
    if (row < 0 || row >= cdsResult->recordCount())
        return;
    OpenSlipInProgram(QStringLiteral("VBI020"), cdsResult->value(row, QStringLiteral("SLIP_NO")).toString(),
                      cdsResult->value(row, QStringLiteral("SLIP_DATE")).toDate(),
                      cdsResult->value(row, QStringLiteral("AFF_DEPT_NAME")).toString(),
                      cdsResult->value(row, QStringLiteral("DEPT_CODE")).toString());
}

void TfrmVBI090::bbtPrintClick()
{
    TfrmZZS010::bbtPrintClick();
    printList();
}

void TfrmVBI090::bbtPreviewClick()
{
    TfrmZZS010::bbtPreviewClick();
    printList();
}

void TfrmVBI090::printList()
{
    if (!m_searched) {
        ShowStatus(QStringLiteral("조회 결과가 없습니다. 조회를 먼저 하십시오."));
        return;
    }
    TfrmVBI041 layout;
    RecordSetReportData rows(cdsResult);
    layout.setData(&rows);
    layout.setRange(m_shownFrom, m_shownTo);
    layout.Prepare();
    layout.PrintOrPreview(PreviewFlag, this);
}
