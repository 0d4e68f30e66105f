#include "screens/slips/VBI040.h"
#include "common/HandOver.h"
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
#include <QLineEdit>

TfrmVBI040::TfrmVBI040(QWidget* parent) : TfrmZZS010(QStringLiteral("VBI040"), parent)
{
    setWindowTitle(QStringLiteral("확정전표 리스트(VBI040)"));

    dtpFConfDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFConfDate"));
    dtpEConfDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpEConfDate"));
    LinkDateRange(dtpFConfDate, dtpEConfDate);
    auto* writer = new EmployeeField(panSearch);
    edtEmpNo = writer->number();
    pbtEmpNo = writer->button();
    edtEmpName = writer->name();

    Form::Row{Form::Field(QStringLiteral("확정일자"), dtpFConfDate), Form::Label(QStringLiteral("~")), dtpEConfDate,
              Form::Space(12), Form::Field(QStringLiteral("작 성 자"), edtEmpNo), pbtEmpNo, edtEmpName,
              Form::Stretch()}
        .attachTo(panSearch);

    cdsQuery = new RecordSet(this);
    cdsQuery->setObjectName(QStringLiteral("cdsQuery"));
    rgrGrid = new DataGrid(panMain);
    rgrGrid->setObjectName(QStringLiteral("rgrGrid"));
    rgrGrid->setEditable(false);
    rgrGrid->setRowSelect(true);
    rgrGrid->setColumns({
        GridColumn(QStringLiteral("CONF_DATE"), QStringLiteral("확정일자"), 90),
        GridColumn(QStringLiteral("SLIP_NO"), QStringLiteral("전표번호"), 90),
        GridColumn(QStringLiteral("DEPT_NAME"), QStringLiteral("작성부서"), 200),
        GridColumn(QStringLiteral("CNT"), QStringLiteral("차,대변 수"), 80),
        GridColumn(QStringLiteral("TOTAL_D_AMT"), QStringLiteral("차변금액"), 130),
        GridColumn(QStringLiteral("TOTAL_C_AMT"), QStringLiteral("대변금액"), 130),
    });
    rgrGrid->setRecordSet(cdsQuery);
    // Day subtotals and the grand total carry no slip number.
    rgrGrid->setRowBackground([this](int row) -> QVariant {
        if (cdsQuery->isOpen() && cdsQuery->fieldAsString(row, QStringLiteral("SLIP_NO")).isEmpty())
            return QColor(0xC0, 0xC0, 0xC0);
        return QVariant();
    });
    connect(rgrGrid, &DataGrid::recordDoubleClicked, this, [this](int row) {
        const QString slipNo = cdsQuery->fieldAsString(row, QStringLiteral("SLIP_NO"));
        if (slipNo.isEmpty())
            return;
        OpenSlipInProgram(QStringLiteral("VBI020"), slipNo, cdsQuery->value(row, QStringLiteral("SLIP_DATE")).toDate(),
                          cdsQuery->fieldAsString(row, QStringLiteral("DEPT_NAME")),
                          cdsQuery->fieldAsString(row, QStringLiteral("DEPT_CODE")));
    });
    Form::Column{rgrGrid}.attachTo(panMain);
}

// A typed number or name is looked up; a single match is taken at once.
void TfrmVBI040::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    const QDate from = dtpFConfDate->date();
    const QDate to = dtpEConfDate->date();
    const QString writer = edtEmpNo->text().trimmed();
    // Every row is built over the same slips, so the subtotals add up to the
    // rows above them; a slip's count is its number of lines.
    QVariantList params{from.toString(Qt::ISODate), to.toString(Qt::ISODate),
                        QDate(to.year(), to.month(), to.daysInMonth()).toString(Qt::ISODate)};
    QString writerCondition;
    if (!writer.isEmpty()) {
        writerCondition = QStringLiteral("     AND T1.CR_EMP_NO = :P3\n");
        params << writer;
    }
    const QString sql = QStringLiteral(
        "WITH S AS (\n"
        "  SELECT T1.CONF_DATE, T1.SLIP_DATE, T1.SLIP_NO, T1.DEPT_CODE, T2.AFF_DEPT_NAME DEPT_NAME,\n"
        "         COUNT(T3.SLIP_SEQ_NO) CNT, T1.TOTAL_D_AMT, T1.TOTAL_C_AMT\n"
        "    FROM VB010MS T1\n"
        "    JOIN QA160MS T2 ON T2.AFF_DEPT_CODE = T1.DEPT_CODE\n"
        "    JOIN VB011MS T3 ON T3.SLIP_NO = T1.SLIP_NO\n"
        "   WHERE T1.CONF_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
        "%1"
        "   GROUP BY T1.CONF_DATE, T1.SLIP_DATE, T1.SLIP_NO, T1.DEPT_CODE, T2.AFF_DEPT_NAME, T1.TOTAL_D_AMT,\n"
        "            T1.TOTAL_C_AMT)\n"
        "SELECT CONF_DATE, SLIP_DATE, SLIP_NO, DEPT_CODE, DEPT_NAME, CNT, TOTAL_D_AMT, TOTAL_C_AMT, 0 ORD FROM S\n"
        "UNION ALL\n"
        "SELECT CONF_DATE, NULL, NULL, NULL, '[일 소 계 :' || COUNT(SLIP_NO) || ']', SUM(CNT), SUM(TOTAL_D_AMT),\n"
        "       SUM(TOTAL_C_AMT), 1\n"
        "  FROM S GROUP BY CONF_DATE\n"
        "UNION ALL\n"
        "SELECT CAST(:P2 AS DATE), NULL, NULL, NULL, '[총 합 계 :' || COUNT(SLIP_NO) || ']', COALESCE(SUM(CNT), 0),\n"
        "       COALESCE(SUM(TOTAL_D_AMT), 0), COALESCE(SUM(TOTAL_C_AMT), 0), 2\n"
        "  FROM S\n"
        " ORDER BY CONF_DATE, ORD, SLIP_NO")
                            .arg(writerCondition);
    cdsQuery->open(sql, params);
    SetNumberFormats(*cdsQuery);
    m_shownFrom = from;
    m_shownTo = to;
}

void TfrmVBI040::bbtPrintClick()
{
    TfrmZZS010::bbtPrintClick();
    printRegister();
}

void TfrmVBI040::bbtPreviewClick()
{
    TfrmZZS010::bbtPreviewClick();
    printRegister();
}

void TfrmVBI040::printRegister()
{
    if (!cdsQuery->isOpen()) {
        ShowStatus(QStringLiteral("조회 결과가 없습니다. 조회를 먼저 하십시오."));
        return;
    }
    TfrmVBI041 layout;
    RecordSetReportData rows(cdsQuery);
    layout.setData(&rows);
    layout.setRange(m_shownFrom, m_shownTo);
    layout.Prepare();
    layout.PrintOrPreview(PreviewFlag, this);
}
