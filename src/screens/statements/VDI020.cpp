#include "screens/statements/VDI020.h"
#include "common/AppErrors.h"
#include "common/DialogService.h"
#include "common/Messages.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "framework/print/ReportOutput.h"
#include "framework/print/ReportViewer.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/statements/VDI021.h"
#include <QDateEdit>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QString kTitle = QStringLiteral("손익계산서");

}  // namespace

TfrmVDI020::TfrmVDI020(QWidget* parent) : TfrmZQI030(QStringLiteral("VDI020"), parent)
{
    setWindowTitle(kTitle + QStringLiteral("(VDI020)"));
    // Read only; the report viewer prints in place of the print buttons.
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtSave, bbtDelete, bbtPrint, bbtPreview, bbtExcel})
        b->hide();
    panInput->hide();
    TfrmVDI021::registerReport();

    DateTimePicker1 = Form::NewDateEdit(panSearch, QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setDisplayFormat(QStringLiteral("yyyy-MM"));
    Form::Row{Form::Field(QStringLiteral("조회조건"), DateTimePicker1), Form::Stretch()}.attachTo(panSearch);

    bbtPdf = NewStripButton(buttonRow(), panButtons, QStringLiteral("bbtPdf"), QStringLiteral("PDF 저장"), bbtClose);
    connect(bbtPdf, &QPushButton::clicked, this, [this] { bbtPdfClick(); });

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = new DataGrid;
    rdgMain->setObjectName(QStringLiteral("rdgMain"));
    rdgMain->setEditable(false);
    rdgMain->setRowSelect(true);
    rdgMain->setColumns({GridColumn(QStringLiteral("ACCT_NAME"), QStringLiteral("계정과목"), 260),
                         GridColumn(QStringLiteral("D_AMOUNT"), QStringLiteral("당월 금액"), 150),
                         GridColumn(QStringLiteral("C_AMOUNT"), QStringLiteral("당기 누계"), 150),
                         GridColumn(QStringLiteral("BD_AMOUNT"), QStringLiteral("전월 금액"), 150),
                         GridColumn(QStringLiteral("BC_AMOUNT"), QStringLiteral("전기 누계"), 150)});
    rdgMain->setRecordSet(cdsMain);
    rdgMain->setColumnGroup(QStringLiteral("당          기"), {QStringLiteral("D_AMOUNT"), QStringLiteral("C_AMOUNT")});
    rdgMain->setColumnGroup(QStringLiteral("전          기"), {QStringLiteral("BD_AMOUNT"), QStringLiteral("BC_AMOUNT")});
    // Sections and computed lines have no upper account.
    rdgMain->setRowBackground([this](int row) -> QVariant {
        if (cdsMain->isOpen() && cdsMain->fieldAsString(row, QStringLiteral("ACCT_UPCD")).trimmed().isEmpty())
            return QColor(0xC0, 0xC0, 0xC0);
        return QVariant();
    });
    rdvReport = new ReportViewer;
    rdvReport->setObjectName(QStringLiteral("rdvReport"));
    rdvReport->setZoom(PreviewPane::FitWidth);

    pgcMain = new QTabWidget;
    pgcMain->setObjectName(QStringLiteral("pgcMain"));
    pgcMain->addTab(rdgMain, QStringLiteral("조회 결과"));
    pgcMain->addTab(rdvReport, QStringLiteral("보고서"));
    // A page fitted to the viewer's width is laid out again once the
    // viewer is shown at its real size.
    connect(pgcMain, &QTabWidget::currentChanged, this, [this](int index) {
        if (pgcMain->widget(index) == rdvReport)
            rdvReport->setZoom(rdvReport->zoom());
    });
    Form::Column{pgcMain}.attachTo(panDisp);
}

QString TfrmVDI020::periodLabel(const QDate& end)
{
    return end.toString(QStringLiteral("yyyy년 MM월 dd일")) + QStringLiteral("까지");
}

QDate TfrmVDI020::yearEarlier(const QDate& day)
{
    const QDate first(day.year() - 1, day.month(), 1);
    return QDate(first.year(), first.month(), qMin(day.day(), first.daysInMonth()));
}

void TfrmVDI020::DoSearch()
{
    const QDate chosen = DateTimePicker1->date();
    const QDate end(chosen.year(), chosen.month(), chosen.daysInMonth());
    const QDate earlierEnd = yearEarlier(end);
    const QString current = end.toString(QStringLiteral("yyyyMM"));
    const QString comparison = earlierEnd.toString(QStringLiteral("yyyyMM"));

    // One run: the rows of this address are replaced whole or not at all.
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    CallProcText(QStringLiteral("pr_v_vdi020sp"), {Session::workstationIp, QStringLiteral("1"), current, comparison});
    tx.commit();

    cdsMain->open(QStringLiteral("SELECT ACCT_CODE, ACCT_NAME, ACCT_UPCD, D_AMOUNT, C_AMOUNT, BD_AMOUNT, BC_AMOUNT, SPRT_ORD\n"
                                 "  FROM VD020_RPT\n"
                                 " WHERE IP_ADDR = :P0\n"
                                 " ORDER BY SPRT_ORD, ACCT_CODE"),
                  {Session::workstationIp});
    SetNumberFormats(*cdsMain);
    m_reportArguments = QStringLiteral("/rp [") + Session::workstationIp + QStringLiteral("] [") + periodLabel(end)
        + QStringLiteral("] [") + periodLabel(earlierEnd) + QStringLiteral("]  ");
    rdvReport->OpenReport(ReportServer::location(TfrmVDI021::kReportFile), m_reportArguments);
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
}

void TfrmVDI020::RefreshButtons()
{
    TfrmZQI030::RefreshButtons();
    if (bbtPdf)
        bbtPdf->setEnabled(rdvReport->pageCount() > 0);
}

// Saves the pages the viewer shows: the statement as searched.
void TfrmVDI020::bbtPdfClick()
{
    if (rdvReport->pageCount() == 0)
        return;
    const QString path = DialogService::instance().saveFileName(this, QStringLiteral("PDF 저장"),
                                                                QStringLiteral("VDI020.pdf"),
                                                                QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!WritePagesToPdf(rdvReport->pageModel(), path, kTitle)) {
        ShowError(QStringLiteral("PDF 파일을 저장하지 못했습니다.\r") + path);
        return;
    }
    ShowStatus(QStringLiteral("PDF 파일을 저장하였습니다. ") + path);
}
