#include "screens/notes/VFI030.h"
#include "common/DateUtil.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "framework/print/ReportData.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/notes/VFI031.h"
#include <QDateEdit>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

TfrmVFI030::TfrmVFI030(QWidget* parent) : TfrmZQI030(QStringLiteral("VFI030"), parent)
{
    setWindowTitle(QStringLiteral("기일도래명세서(VFI030)"));
    // The choices are boxed: the strip is as tall as a box.
    panSearch->setFixedHeight(52);
    dtpFrom = Form::NewDateEdit(panSearch, QStringLiteral("dtpFrom"));
    dtpTo = Form::NewDateEdit(panSearch, QStringLiteral("dtpTo"));
    dtpFrom->setDate(FirstDayOfMonth(QDate::currentDate()));
    dtpTo->setDate(LastDayOfMonth(QDate::currentDate()));
    LinkDateRange(dtpFrom, dtpTo);
    QList<QRadioButton*> side;
    QGroupBox* sides = Form::NewRadioGroup(panSearch, QString(), {{"rdoReceivable", "받을어음"}, {"rdoPayable", "지급어음"}},
                                           &side);
    rdoReceivable = side.at(0);
    rdoPayable = side.at(1);
    rdoPayable->setChecked(true);
    // The statement is kept for notes payable only.
    connect(rdoReceivable, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rdoPayable->setChecked(true);
    });
    QList<QRadioButton*> basis;
    QGroupBox* bases = Form::NewRadioGroup(panSearch, QString(), {{"rdoIssueDate", "발행일자"}, {"rdoDueDate", "만기일자"}},
                                           &basis);
    rdoIssueDate = basis.at(0);
    rdoDueDate = basis.at(1);
    Form::Row{Form::Field(QStringLiteral("조회기간"), dtpFrom), Form::Label(QStringLiteral("~")), dtpTo, sides, bases,
              Form::Stretch()}
        .attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    GridColumn amount(QStringLiteral("C_AMOUNT"), QStringLiteral("금 액"), 110);
    amount.displayFormat = QStringLiteral("#,##0");
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("CONF_DATE"), QStringLiteral("확정일자"), 85),
        GridColumn(QStringLiteral("SLIP_NO"), QStringLiteral("전표번호"), 80),
        GridColumn(QStringLiteral("SLIP_SEQ_NO"), QStringLiteral("순번"), 40),
        GridColumn(QStringLiteral("REF_DATA"), QStringLiteral("적   요"), 200),
        GridColumn(QStringLiteral("MG1"), QStringLiteral("은행"), 90),
        GridColumn(QStringLiteral("MG2"), QStringLiteral("사업자번호"), 95),
        GridColumn(QStringLiteral("MG3"), QStringLiteral("거래처명"), 130),
        GridColumn(QStringLiteral("MG4"), QStringLiteral("어음번호"), 100),
        GridColumn(QStringLiteral("MG6"), QStringLiteral("발행일자"), 85),
        GridColumn(QStringLiteral("MG7"), QStringLiteral("만기일자"), 85),
        amount,
    });
    panInput->hide();
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtDelete, bbtSave})
        b->hide();
}

void TfrmVFI030::openStatement(RecordSet* set)
{
    const QString basis = rdoDueDate->isChecked() ? QStringLiteral("B.MG7") : QStringLiteral("B.MG6");
    set->open(QStringLiteral(
                  "SELECT TO_CHAR(A.CONF_DATE, 'YYYY-MM-DD') CONF_DATE, A.ACCT_CODE, C.ACCT_NAME, A.SLIP_NO,\n"
                  "       A.SLIP_SEQ_NO + 1 SLIP_SEQ_NO, A.REF_DATA, B.MG1, B.MG2, B.MG3, B.MG4, B.MG6, B.MG7, A.C_AMOUNT\n"
                  "  FROM VB011MS A\n"
                  "  JOIN VA020MS C ON C.ACCT_CODE = A.ACCT_CODE\n"
                  "  JOIN (SELECT SLIP_NO, SLIP_SEQ_NO,\n"
                  "               MAX(CASE WHEN LINEUP_NO = 1 THEN MG_DETAIL_NAME END) MG1,\n"
                  "               MAX(CASE WHEN LINEUP_NO = 2 THEN MG_DETAIL_NAME END) MG2,\n"
                  "               MAX(CASE WHEN LINEUP_NO = 3 THEN MG_DETAIL END) MG3,\n"
                  "               MAX(CASE WHEN LINEUP_NO = 4 THEN MG_DETAIL END) MG4,\n"
                  "               MAX(CASE WHEN LINEUP_NO = 6 THEN MG_DETAIL END) MG6,\n"
                  "               MAX(CASE WHEN LINEUP_NO = 7 THEN MG_DETAIL END) MG7\n"
                  "          FROM VB011DT WHERE ACCT_CODE = :P0\n"
                  "         GROUP BY SLIP_NO, SLIP_SEQ_NO) B ON B.SLIP_NO = A.SLIP_NO AND B.SLIP_SEQ_NO = A.SLIP_SEQ_NO\n"
                  " WHERE A.ACCT_CODE = :P0 AND A.C_AMOUNT > 0 AND A.CONF_DATE IS NOT NULL\n"
                  "   AND %1 BETWEEN :P1 AND :P2\n"
                  " ORDER BY %1, A.CONF_DATE, A.SLIP_NO, A.SLIP_SEQ_NO")
                  .arg(basis),
              {QStringLiteral("2110120"), dtpFrom->date().toString(Qt::ISODate), dtpTo->date().toString(Qt::ISODate)});
}

void TfrmVFI030::DoSearch()
{
    openStatement(cdsMain);
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
}

void TfrmVFI030::DoExcel()
{
    if (cdsMain->isOpen())
        ExportDBGrid(rdgMain, QStringLiteral("기일도래명세서"));
}

void TfrmVFI030::printStatement()
{
    RecordSet rows;
    openStatement(&rows);
    TfrmVFI031 layout;
    RecordSetReportData data(&rows);
    layout.setData(&data);
    layout.setPeriod(dtpFrom->date(), dtpTo->date());
    layout.Prepare();
    layout.PrintOrPreview(PreviewFlag, this);
}
