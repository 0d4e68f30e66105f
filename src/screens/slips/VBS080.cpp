#include "screens/slips/VBS080.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "framework/MaintenanceCore.h"
#include "grid/DataGrid.h"
#include "grid/GridExport.h"
#include "grid/RecordSet.h"
#include "screens/slips/SlipLines.h"
#include <QDateEdit>
#include <QPushButton>
#include <QToolButton>

namespace {
const QString kTitle = QStringLiteral("확정전표 내역");
}  // namespace

TfrmVBS080::TfrmVBS080(QWidget* parent) : TfrmZZI020(QStringLiteral("VBS080"), parent)
{
    setWindowTitle(kTitle + QStringLiteral("(VBS080)"));
    // A list to read and export: nothing is added, deleted or saved here.
    bbtAdd->hide();
    bbtDelete->hide();
    bbtSave->hide();
    for (QToolButton* b : {sbtFirst, sbtPrior, sbtNext, sbtLast})
        b->hide();
    bbtExcel = addStripButton(QStringLiteral("bbtExcel"), QStringLiteral("Excel"), bbtSave);
    connect(bbtExcel, &QPushButton::clicked, this, [this] { bbtExcelClick(); });
    addHotkey(QKeySequence(Qt::CTRL | Qt::Key_F11), [this] { bbtExcelClick(); });

    dtpFConfDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFConfDate"));
    dtpEConfDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpEConfDate"));
    LinkDateRange(dtpFConfDate, dtpEConfDate);
    Form::Row{Form::Field(QStringLiteral("확정일자"), dtpFConfDate), Form::Label(QStringLiteral("~")), dtpEConfDate,
              Form::Stretch()}
        .attachTo(panSearch);

    QList<GridColumn> columns{GridColumn(QStringLiteral("SLIP_NO"), QStringLiteral("전표번호"), 76)};
    columns << SlipLines::columns();
    columns << GridColumn(QStringLiteral("SLIP_DATE"), QStringLiteral("작성일자"), 82)
            << GridColumn(QStringLiteral("CONF_DATE"), QStringLiteral("확정일자"), 82);
    rgrGrid->setColumns(columns);
    SlipLines::setColumnGroups(rgrGrid);
    gridTakesDataArea();
}

void TfrmVBS080::bbtSearchClick()
{
    requireActive(bbtSearch);
    cdsGrid->close();
    TfrmZZI020::bbtSearchClick();
    const QString range = QStringLiteral("CONF_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)");
    cdsGrid->open(SlipLines::statement(range, QStringLiteral("Z.") + range, QStringLiteral("A.SLIP_NO, A.SLIP_SEQ_NO")),
                  {dtpFConfDate->date().toString(Qt::ISODate), dtpEConfDate->date().toString(Qt::ISODate)});
    SetNumberFormats(*cdsGrid);
}

void TfrmVBS080::bbtCancelClick()
{
    TfrmZZI020::bbtCancelClick();
    cdsGrid->close();
}

XlsExportResult TfrmVBS080::bbtExcelClick()
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
    return ExportToXls(source, options);
}
