#include "framework/ZQI030.h"
#include "common/AppErrors.h"
#include "common/DialogService.h"
#include "common/Messages.h"
#include "grid/DataGrid.h"
#include "grid/DisplayFormat.h"
#include "grid/GridExport.h"
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace {

MaintenanceCore::Rules inquiryRules()
{
    MaintenanceCore::Rules rules;
    rules.arrowsKeepOwnMeaning = false;
    rules.numericEditsAreFields = true;
    rules.searchTogglesWithCancel = true;
    rules.saveFocusesNew = false;
    rules.cancelClearsInput = true;
    rules.excelShowsHourglass = true;
    return rules;
}

}  // namespace

TfrmZQI030::TfrmZQI030(const QString& programId, QWidget* parent)
    : TfrmZZI000(programId, parent, true), MaintenanceCore(this, inquiryRules())
{
    // The search strip above the data area, Search at its right edge.
    const SearchStrip strip = addSearchStrip();
    panSearch = strip.panel;
    bbtSearch = strip.search;

    // The data area: the result display with its record count on top, the
    // input panel at the right.
    auto* mainLayout = new QVBoxLayout(panMain);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(0);
    bbtSave = NewStripButton(buttonRow(), panButtons, QStringLiteral("bbtSave"), QStringLiteral("저장(F2)"), bbtClose);
    bbtCancel = NewStripButton(buttonRow(), panButtons, QStringLiteral("bbtCancel"), QStringLiteral("취소(F8)"), bbtClose);
    attach({panSearch, bbtSearch, bbtSave, bbtCancel, panMain});
    buildDataArea(mainLayout, 409);
    const RecordCountStrip count =
        NewRecordCountStrip(panDisp, QStringLiteral("lblRecordCount"), QStringLiteral("RecordCount : 0"));
    panRecordCount = count.panel;
    lblRecordCount = count.label;

    // The buttons, and the "전체" box at the left end of the strip.
    buildOperationButtons(buttonRow(), panButtons, bbtSave);
    grpExcel = new QGroupBox(QStringLiteral("Excel"), panButtons);
    grpExcel->setObjectName(QStringLiteral("grpExcel"));
    auto* excelRow = new QHBoxLayout(grpExcel);
    excelRow->setContentsMargins(4, 0, 4, 0);
    chkExcelAllData = new QCheckBox(grpExcel);
    chkExcelAllData->setObjectName(QStringLiteral("chkExcelAllData"));
    lblExcelAllData = new QLabel(QStringLiteral("전체"), grpExcel);
    lblExcelAllData->setObjectName(QStringLiteral("lblExcelAllData"));
    lblExcelAllData->setBuddy(chkExcelAllData);
    lblExcelAllData->installEventFilter(this);
    excelRow->addWidget(chkExcelAllData);
    excelRow->addWidget(lblExcelAllData);
    buttonRow()->insertWidget(0, grpExcel);
    grpExcel->hide();
    connect(chkExcelAllData, &QCheckBox::toggled, this, &TfrmZQI030::chkExcelAllDataClick);

    connect(bbtSearch, &QPushButton::clicked, this, [this] { bbtSearchClick(); });
    connect(bbtSave, &QPushButton::clicked, this, [this] { bbtSaveClick(); });
    connect(bbtCancel, &QPushButton::clicked, this, [this] { bbtCancelClick(); });
    addHotkey(Qt::Key_F3, [this] { bbtSearchClick(); });
    addHotkey(Qt::Key_F2, [this] { bbtSaveClick(); });
    addHotkey(Qt::Key_F8, [this] { bbtCancelClick(); });

    // The screen print is a visible item of the screen's pop-up menu.
    popHotkeyFormPrint = addHotkey(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { popHotkeyFormPrintClick(); });
    popHotkeyFormPrint->setObjectName(QStringLiteral("popHotkeyFormPrint"));
    popHotkeyFormPrint->setText(QStringLiteral("화면출력"));
    popScreen = NewScreenMenu(this, {popHotkeyFormPrint});

    finishCreation();
}

QAction* TfrmZQI030::addOperationKey(const QKeySequence& key, const std::function<void()>& handler)
{
    return addHotkey(key, handler);
}

void TfrmZQI030::showEvent(QShowEvent* event)
{
    screenShown(event->spontaneous());
    TfrmZZI000::showEvent(event);
}

bool TfrmZQI030::eventFilter(QObject* watched, QEvent* event)
{
    // The caption beside the box ticks it, as the box's own text would.
    if (watched == lblExcelAllData && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && chkExcelAllData->isEnabled()) {
        chkExcelAllData->click();
        return true;
    }
    return TfrmZZI000::eventFilter(watched, event);
}

void TfrmZQI030::RefreshButtons()
{
    MaintenanceCore::RefreshButtons();
    const bool browse = State == stBrowse;
    grpExcel->setEnabled(browse);
    chkExcelAllData->setEnabled(browse);
    if (State == stNone) {
        // Unticked here without a second round of the rules.
        const QSignalBlocker quiet(chkExcelAllData);
        chkExcelAllData->setChecked(false);
    }
    if (chkExcelAllData->isEnabled() && chkExcelAllData->isChecked()) {
        bbtPrint->setEnabled(true);
        bbtPreview->setEnabled(true);
        bbtExcel->setEnabled(true);
    }
    lblRecordCount->setText(QStringLiteral("RecordCount : ") + FormatNumber(RecordCount, QStringLiteral("#,##0")));
}

void TfrmZQI030::chkExcelAllDataClick()
{
    RefreshButtons();
}

// --- spreadsheet export ------------------------------------------------------------------

QString TfrmZQI030::sheetHeader(const QString& title) const
{
    return title.isEmpty() ? windowTitle() : windowTitle() + QStringLiteral(" - ") + title;
}

XlsExportOptions TfrmZQI030::exportOptions(const QString& title)
{
    XlsExportOptions options;
    options.proposedFileName = programId();
    options.sheetHeader = sheetHeader(title);
    options.style = XlsDialogStyle::Library;
    options.showStatus = [this](const QString& text) { ShowStatus(text); };
    options.parent = this;
    return options;
}

XlsExportResult TfrmZQI030::ExportDBGrid(DataGrid* grid, const QString& title)
{
    DataGridExportSource source(grid, XlsCellRule::FieldKind);
    return ExportToXls(source, exportOptions(title));
}

XlsExportResult TfrmZQI030::ExportGrid(QTableView* grid, const QString& title)
{
    ModelExportSource source(grid, XlsCellRule::ShownText);
    return ExportToXls(source, exportOptions(title));
}

XlsExportResult TfrmZQI030::ExportSql(const QString& sql, const QString& title, const QVariantList& params)
{
    return ExportSqlToXls(sql, params, exportOptions(title));
}

// --- screen print -------------------------------------------------------------------------

void TfrmZQI030::popHotkeyFormPrintClick()
{
    if (MsgBox(QStringLiteral("현재 화면을 출력 하시겠습니까?"), QStringLiteral("화면출력"), DialogService::Question)
        != QMessageBox::Yes)
        return;
    const QPixmap image = grab();
    QPrinter printer(QPrinter::HighResolution);
    if (!DialogService::instance().preparePrinter(printer))
        throw AppError(QStringLiteral("출력할 프린터가 없습니다.\n기본 프린터를 설정한 후 다시 출력하십시오."));
    printer.setDocName(windowTitle().isEmpty() ? programId() : windowTitle());
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer))
        throw AppError(QStringLiteral("프린터로 출력할 수 없습니다."));
    // The whole image on the printable area, as large as it fits, centred.
    const QRect area = painter.viewport();
    QSize size = image.size() / image.devicePixelRatio();
    size.scale(area.size(), Qt::KeepAspectRatio);
    const QRect target(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2,
                       size.width(), size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, image);
    if (!painter.end())
        throw AppError(QStringLiteral("프린터로 출력할 수 없습니다."));
}
