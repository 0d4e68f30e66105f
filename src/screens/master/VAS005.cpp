#include "screens/master/VAS005.h"
#include "common/DialogService.h"
#include "common/Messages.h"
#include "framework/FormKit.h"
#include "framework/print/ReportViewer.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/master/VAS006.h"
#include <QPushButton>
#include <QSplitter>

TfrmVAS005::TfrmVAS005(QWidget* parent) : TfrmZZS010(QStringLiteral("VAS005"), parent)
{
    setWindowTitle(QStringLiteral("부서 조직도(VAS005)"));
    TfrmVAS006::Register();
    bbtPrint->hide();
    bbtPreview->hide();
    bbtPdf = addStripButton(QStringLiteral("bbtPdf"), QStringLiteral("PDF"));

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    RealDBGrid1 = new DataGrid;
    RealDBGrid1->setObjectName(QStringLiteral("RealDBGrid1"));
    RealDBGrid1->setEditable(false);
    RealDBGrid1->setRowSelect(true);
    RealDBGrid1->setColumns({
        GridColumn(QStringLiteral("DEPT_SEQ"), QStringLiteral("일련번호"), 55),
        GridColumn(QStringLiteral("GU0"), QStringLiteral("상위 부서"), 110),
        GridColumn(QStringLiteral("GU2"), QStringLiteral("부 서  (팀)"), 110),
        GridColumn(QStringLiteral("GU3"), QStringLiteral("부 서  (파트)"), 110),
        GridColumn(QStringLiteral("GU4"), QStringLiteral("회 계  부 서"), 110),
        GridColumn(QStringLiteral("GU5"), QStringLiteral("비               고"), 80),
    });
    RealDBGrid1->setRecordSet(cdsMain);
    rdvReport = new ReportViewer;
    rdvReport->setObjectName(QStringLiteral("rdvReport"));
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(RealDBGrid1);
    split->addWidget(rdvReport);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    Form::Column{split}.attachTo(panMain);

    bbtPdf->setEnabled(false);
    connect(bbtPdf, &QPushButton::clicked, this, &TfrmVAS005::bbtPdfClick);
}

void TfrmVAS005::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    QString columns;
    for (int level = 0; level <= 5; ++level)
        columns += QStringLiteral(",\n       CASE DEPT_TYPE WHEN '%1' THEN AFF_DEPT_CODE || ':' || AFF_DEPT_NAME ELSE ' ' END AS GU%1")
                       .arg(level);
    cdsMain->open(QStringLiteral("SELECT DEPT_SEQ") + columns
                  + QStringLiteral("\n  FROM VA160MS\n WHERE DEPT_SEQ IS NOT NULL\n ORDER BY DEPT_SEQ"));
    rdvReport->OpenReport(ReportServer::location(TfrmVAS006::kFileName), QStringLiteral("/rp  "));
    bbtPdf->setEnabled(true);
    RealDBGrid1->setFocus();
}

void TfrmVAS005::bbtPdfClick()
{
    requireActive(bbtPdf);
    ShowStatus(QString());
    QString path = DialogService::instance().saveFileName(this, QStringLiteral("PDF로 저장"), QStringLiteral("부서조직도.pdf"),
                                                          QStringLiteral("PDF 파일(*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    TfrmVAS006 chart;
    chart.load();
    if (!chart.SaveAsPdf(path)) {
        ShowError(QStringLiteral("PDF 파일로 저장할 수 없습니다.\r%1").arg(path));
        return;
    }
    ShowStatus(QStringLiteral("저장하였습니다. %1").arg(path));
}
