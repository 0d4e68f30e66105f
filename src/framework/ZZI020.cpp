#include "framework/ZZI020.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

TfrmZZI020::TfrmZZI020(const QString& programId, QWidget* parent) : TfrmZZI010(programId, parent, true)
{
    auto* mainLayout = static_cast<QVBoxLayout*>(panMain->layout());
    panBody = new QWidget(panMain);
    panBody->setObjectName(QStringLiteral("panBody"));
    mainLayout->addWidget(panBody, 1);
    panData = panBody;

    cdsGrid = new RecordSet(this);
    cdsGrid->setObjectName(QStringLiteral("cdsGrid"));
    rgrGrid = new DataGrid(panMain);
    rgrGrid->setObjectName(QStringLiteral("rgrGrid"));
    rgrGrid->setFixedHeight(120);
    rgrGrid->setEditable(false);
    rgrGrid->setRowSelect(true);
    rgrGrid->setRecordSet(cdsGrid);
    mainLayout->addWidget(rgrGrid);

    bbtAdd = addStripButton(QStringLiteral("bbtAdd"), QStringLiteral("신규(F4)"), bbtSave);
    bbtDelete = addStripButton(QStringLiteral("bbtDelete"), QStringLiteral("삭제(F9)"), bbtSave);
    const NavigationButtons navigation = addNavigationButtons();
    sbtFirst = navigation.first;
    sbtPrior = navigation.prior;
    sbtNext = navigation.next;
    sbtLast = navigation.last;

    connect(bbtAdd, &QPushButton::clicked, this, &TfrmZZI020::bbtAddClick);
    connect(bbtDelete, &QPushButton::clicked, this, &TfrmZZI020::bbtDeleteClick);
    connect(sbtFirst, &QToolButton::clicked, this, &TfrmZZI020::sbtFirstClick);
    connect(sbtPrior, &QToolButton::clicked, this, &TfrmZZI020::sbtPriorClick);
    connect(sbtNext, &QToolButton::clicked, this, &TfrmZZI020::sbtNextClick);
    connect(sbtLast, &QToolButton::clicked, this, &TfrmZZI020::sbtLastClick);
    addHotkey(Qt::Key_F4, [this] { bbtAddClick(); });
    addHotkey(Qt::Key_F9, [this] { bbtDeleteClick(); });

    SetSearchMode(true);
}

// Screens add their fields after this constructor ran; the first show puts
// them under the mode the screen is in.
void TfrmZZI020::showEvent(QShowEvent* event)
{
    if (!m_modeApplied && !event->spontaneous()) {
        m_modeApplied = true;
        SetSearchMode(panSearch->isEnabledTo(this));
    }
    TfrmZZI010::showEvent(event);
}

QSplitter* TfrmZZI020::gridTakesDataArea(const QList<QWidget*>& below)
{
    auto* splitter = new QSplitter(Qt::Vertical, panBody);
    splitter->setObjectName(QStringLiteral("splGrid"));
    splitter->setChildrenCollapsible(false);
    rgrGrid->setMinimumHeight(80);
    rgrGrid->setMaximumHeight(QWIDGETSIZE_MAX);
    splitter->addWidget(rgrGrid);
    for (QWidget* panel : below)
        splitter->addWidget(panel);
    Form::Column{splitter}.attachTo(panBody);
    return splitter;
}

void TfrmZZI020::bbtAddClick()
{
    requireActive(bbtAdd);
}

void TfrmZZI020::bbtDeleteClick()
{
    requireActive(bbtDelete);
}

void TfrmZZI020::sbtFirstClick()
{
    if (cdsGrid->isOpen())
        cdsGrid->first();
}

void TfrmZZI020::sbtPriorClick()
{
    if (cdsGrid->isOpen())
        cdsGrid->prior();
}

void TfrmZZI020::sbtNextClick()
{
    if (cdsGrid->isOpen())
        cdsGrid->next();
}

void TfrmZZI020::sbtLastClick()
{
    if (cdsGrid->isOpen())
        cdsGrid->last();
}
