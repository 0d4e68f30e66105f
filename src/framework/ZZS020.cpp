#include "framework/ZZS020.h"
#include "framework/MaintenanceCore.h"
#include "grid/DataGrid.h"
#include "grid/GridExport.h"
#include "grid/RecordSet.h"
#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

TfrmZZS020::TfrmZZS020(const QString& programId, QWidget* parent) : TfrmZZS010(programId, parent)
{
    cdsQuery = new RecordSet(this);
    cdsQuery->setObjectName(QStringLiteral("cdsQuery"));

    auto* mainLayout = new QVBoxLayout(panMain);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    splSplitter = new QSplitter(Qt::Horizontal, panMain);
    splSplitter->setObjectName(QStringLiteral("splSplitter"));
    rgrGrid = new DataGrid(splSplitter);
    rgrGrid->setObjectName(QStringLiteral("rgrGrid"));
    rgrGrid->setRecordSet(cdsQuery);
    rgrGrid->setRowSelect(true);
    rgrGrid->horizontalHeader()->setSectionsMovable(true);
    rgrGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    panInfo = new QWidget(splSplitter);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->hide();
    splSplitter->addWidget(rgrGrid);
    splSplitter->addWidget(panInfo);
    splSplitter->setStretchFactor(0, 1);
    mainLayout->addWidget(splSplitter);

    popGrid = new QMenu(this);
    popGrid->setObjectName(QStringLiteral("popGrid"));
    rgrGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(rgrGrid, &QWidget::customContextMenuRequested, this, &TfrmZZS020::popGridPopup);
    connect(popGrid, &QMenu::triggered, this, &TfrmZZS020::popGridClick);
    connect(cdsQuery, &RecordSet::afterOpen, this, &TfrmZZS020::rebuildColumnMenu);

    const NavigationButtons navigation = addNavigationButtons();
    sbtFirst = navigation.first;
    sbtPrior = navigation.prior;
    sbtNext = navigation.next;
    sbtLast = navigation.last;
    connect(sbtFirst, &QToolButton::clicked, this, &TfrmZZS020::sbtFirstClick);
    connect(sbtPrior, &QToolButton::clicked, this, &TfrmZZS020::sbtPriorClick);
    connect(sbtNext, &QToolButton::clicked, this, &TfrmZZS020::sbtNextClick);
    connect(sbtLast, &QToolButton::clicked, this, &TfrmZZS020::sbtLastClick);

    bbtExcel = addStripButton(QStringLiteral("bbtExcel"), QStringLiteral("Excel"), bbtPrint);
    connect(bbtExcel, &QPushButton::clicked, this, [this] { bbtExcelClick(); });
    addHotkey(QKeySequence(Qt::CTRL | Qt::Key_F11), [this] { bbtExcelClick(); });
}

void TfrmZZS020::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    rebuildColumnMenu();
}

void TfrmZZS020::rebuildColumnMenu()
{
    popGrid->clear();
    QHeaderView* header = rgrGrid->horizontalHeader();
    for (int visual = 0; visual < rgrGrid->gridColumnCount(); ++visual) {
        int column = header->logicalIndex(visual);
        if (column < 0)
            column = visual;
        QAction* item = popGrid->addAction(rgrGrid->columnCaption(column));
        item->setCheckable(true);
        item->setChecked(!rgrGrid->isColumnHidden(column));
        item->setData(column);
    }
}

void TfrmZZS020::popGridPopup(const QPoint& at)
{
    if (rgrGrid->hasColumnGroups())
        return;
    // Columns may have been shown, hidden or moved since the search.
    rebuildColumnMenu();
    if (popGrid->isEmpty())
        return;
    popGrid->popup(rgrGrid->viewport()->mapToGlobal(at));
}

void TfrmZZS020::popGridClick(QAction* item)
{
    const int column = item->data().toInt();
    // A checkable item has already flipped its mark when it is triggered.
    rgrGrid->setColumnHidden(column, !item->isChecked());
}

void TfrmZZS020::sbtFirstClick()
{
    if (cdsQuery->isOpen())
        cdsQuery->first();
}

void TfrmZZS020::sbtPriorClick()
{
    if (cdsQuery->isOpen())
        cdsQuery->prior();
}

void TfrmZZS020::sbtNextClick()
{
    if (cdsQuery->isOpen())
        cdsQuery->next();
}

void TfrmZZS020::sbtLastClick()
{
    if (cdsQuery->isOpen())
        cdsQuery->last();
}

void TfrmZZS020::bbtExcelClick()
{
    ExportGridQuery();
}

XlsExportResult TfrmZZS020::ExportGridQuery()
{
    const HourglassCursor hourglass;
    ShowStatus(QString());
    requireActive(bbtExcel);

    DataGridExportSource source(rgrGrid, XlsCellRule::RightAlignedInteger);
    XlsExportOptions options;
    options.proposedFileName = programId();
    options.sheetHeader = windowTitle();
    options.style = XlsDialogStyle::GridQuery;
    options.showStatus = [this](const QString& text) { ShowStatus(text); };
    options.parent = this;
    return ExportToXls(source, options);
}
