#include "screens/funds/VGI110.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/funds/VGI090.h"
#include <QBoxLayout>
#include <QDateEdit>

TfrmVGI110::TfrmVGI110(QWidget* parent) : TfrmZQI030(QStringLiteral("VGI110"), parent)
{
    setWindowTitle(QStringLiteral("자금계획 실적(VGI110)"));
    dtpMonth = Form::NewDateEdit(panSearch, QStringLiteral("dtpMonth"));
    Form::Row{Form::Field(QStringLiteral("조회 월"), dtpMonth), Form::Stretch()}.attachTo(panSearch);

    cdsDays = new RecordSet(this);
    cdsDays->setObjectName(QStringLiteral("cdsDays"));
    cdsDays->create({FieldDef(QStringLiteral("AF_DATE"), FieldType::String, 10)});
    rdgDays = Form::NewResultGrid(panDisp, cdsDays, {GridColumn(QStringLiteral("AF_DATE"), QStringLiteral("실적일자"), 110)},
                                  QStringLiteral("rdgDays"));

    cdsActuals = new RecordSet(this);
    cdsActuals->setObjectName(QStringLiteral("cdsActuals"));
    FieldDef plan(QStringLiteral("PLAN_AMT"), FieldType::LargeInt);
    plan.displayFormat = QStringLiteral("#,##0");
    FieldDef actual(QStringLiteral("AF_AMT"), FieldType::LargeInt);
    actual.displayFormat = QStringLiteral("#,##0");
    cdsActuals->create({FieldDef(QStringLiteral("FND_USG_CD"), FieldType::String, 4), FieldDef(QStringLiteral("FND_USG_NM"), FieldType::String, 50),
                        plan, actual});
    rdgActuals = new DataGrid(panInput);
    rdgActuals->setObjectName(QStringLiteral("rdgActuals"));
    rdgActuals->setRecordSet(cdsActuals);
    QList<GridColumn> columns{GridColumn(QStringLiteral("FND_USG_CD"), QStringLiteral("자금코드"), 60),
                              GridColumn(QStringLiteral("FND_USG_NM"), QStringLiteral("자금 명"), 110),
                              GridColumn(QStringLiteral("PLAN_AMT"), QStringLiteral("계획 금액"), 100),
                              GridColumn(QStringLiteral("AF_AMT"), QStringLiteral("실적 금액"), 100)};
    for (GridColumn& c : columns) {
        c.readOnly = c.field != QLatin1String("AF_AMT");
        if (c.field == QLatin1String("PLAN_AMT") || c.field == QLatin1String("AF_AMT")) {
            c.footer = FooterKind::Sum;
            c.footerText = QStringLiteral("#,###");
        }
    }
    rdgActuals->setColumns(columns);
    rdgActuals->setEditable(false);
    Form::Column{rdgActuals}.margins(4).attachTo(panInput);

    bbtAdd->hide();
    bbtDelete->hide();
    bbtPrint->hide();
    bbtPreview->hide();
    bbtExcel->hide();
    connect(cdsDays, &RecordSet::afterScroll, this, &TfrmVGI110::dayChange);
    connect(cdsActuals, &RecordSet::fieldChanged, this, [this] { rdgActuals->refreshFooters(); });
}

void TfrmVGI110::DoSearch()
{
    const QDate first(dtpMonth->date().year(), dtpMonth->date().month(), 1);
    cdsDays->disableControls();
    cdsDays->emptyDataSet();
    for (int d = 0; d < first.daysInMonth(); ++d)
        cdsDays->appendRecord({first.addDays(d).toString(QStringLiteral("yyyy-MM-dd"))});
    cdsDays->first();
    cdsDays->enableControls();
    RecordCount = cdsDays->recordCount();
    loadDay();
    RefreshButtons();
}

void TfrmVGI110::dayChange()
{
    if (State == stBrowse)
        loadDay();
}

void TfrmVGI110::loadDay()
{
    m_day = QDate::fromString(cdsDays->fieldAsString(QStringLiteral("AF_DATE")), QStringLiteral("yyyy-MM-dd"));
    cdsActuals->disableControls();
    cdsActuals->emptyDataSet();
    if (m_day.isValid()) {
        QSqlQuery q = RunQuery(QStringLiteral("SELECT FND_USG_CD, FND_USG_NM, PLAN_AMT::TEXT, AF_AMT::TEXT\n"
                                              "  FROM pk_v_funds.day_actuals(CAST(:P0 AS DATE))"),
                               {m_day.toString(QStringLiteral("yyyy-MM-dd"))});
        while (q.next())
            cdsActuals->appendRecord({q.value(0), q.value(1), q.value(2), q.value(3)});
    }
    cdsActuals->first();
    cdsActuals->enableControls();
    rdgActuals->refreshFooters();
}

void TfrmVGI110::RefreshButtons()
{
    TfrmZQI030::RefreshButtons();
    // the day's figures can be read without editing them
    panInput->setEnabled(true);
    rdgActuals->setEditable(State == stEdit);
}

void TfrmVGI110::AfterEdit()
{
    rdgActuals->setEditable(true);
    rdgActuals->setFocus();
    rdgActuals->setCurrentCell(cdsActuals->currentRow(), QStringLiteral("AF_AMT"));
}

void TfrmVGI110::DoSave()
{
    if (!m_day.isValid())
        return;
    if (cdsActuals->isEditing())
        cdsActuals->post();
    // the column of the day comes from the day number, never from text
    const QString column = TfrmVGI090::DayColumn(m_day.day());
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    for (int row = 0; row < cdsActuals->recordCount(); ++row) {
        const qint64 amount = cdsActuals->value(row, QStringLiteral("AF_AMT")).toLongLong();
        ExecSql(QStringLiteral("UPDATE VG090MS SET %1 = CAST(:P0 AS NUMERIC), U_DATE = LOCALTIMESTAMP(0), U_IP = :P3, U_EMP_NO = :P4\n"
                               " WHERE FND_USG_YM = :P1 AND FND_USG_CD = :P2")
                    .arg(column),
                {amount == 0 ? QString() : QString::number(amount), m_day.toString(QStringLiteral("yyyyMM")),
                 cdsActuals->fieldAsString(row, QStringLiteral("FND_USG_CD")), Session::workstationIp, Session::empNo});
    }
    tx.commit();
    cdsActuals->mergeChanges();
    Done = true;
}

void TfrmVGI110::AfterCancel()
{
    if (cdsActuals->isEditing())
        cdsActuals->cancel();
    loadDay();
}
