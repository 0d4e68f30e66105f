#include "framework/ZZI010.h"
#include "framework/MaintenanceCore.h"
#include <QAbstractButton>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TfrmZZI010::TfrmZZI010(const QString& programId, QWidget* parent, bool runBaseCreation)
    : TfrmZZI000(programId, parent, runBaseCreation)
{
    auto* mainLayout = new QVBoxLayout(panMain);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(0);
    const SearchStrip strip = addSearchStrip();
    panSearch = strip.panel;
    bbtSearch = strip.search;

    panData = panMain;
    bbtSave = addStripButton(QStringLiteral("bbtSave"), QStringLiteral("저장(F2)"));
    bbtCancel = addStripButton(QStringLiteral("bbtCancel"), QStringLiteral("취소(F8)"));

    connect(bbtSearch, &QPushButton::clicked, this, &TfrmZZI010::bbtSearchClick);
    connect(bbtSave, &QPushButton::clicked, this, &TfrmZZI010::bbtSaveClick);
    connect(bbtCancel, &QPushButton::clicked, this, &TfrmZZI010::bbtCancelClick);
    addHotkey(Qt::Key_F3, [this] { bbtSearchClick(); });
    addHotkey(Qt::Key_F2, [this] { bbtSaveClick(); });
    addHotkey(Qt::Key_F8, [this] { bbtCancelClick(); });
    SetSearchMode(true);
}

QPushButton* TfrmZZI010::addStripButton(const QString& name, const QString& caption, QWidget* before)
{
    return NewStripButton(buttonRow(), panButtons, name, caption, before ? before : bbtClose);
}

void TfrmZZI010::SetSearchMode(bool on)
{
    const QList<QWidget*> all = findChildren<QWidget*>();
    for (QWidget* w : all) {
        if (w->isWindow())
            continue;
        const bool inData = panMain->isAncestorOf(w) || w->parentWidget() == panButtons;
        w->setEnabled(inData ? !on : on);
    }
    bbtClose->setEnabled(true);
    panMain->setEnabled(true);
    panButtons->setEnabled(true);
    stbMessage->setEnabled(true);
    for (QWidget* w : stbMessage->findChildren<QWidget*>())
        w->setEnabled(true);
    if (on && isVisible())
        focusSearchStrip();
}

void TfrmZZI010::focusSearchStrip()
{
    FocusFirstControl(panSearch);
}

void TfrmZZI010::EnterDataMode()
{
    SetSearchMode(false);
    panMain->setFocus();
}

void TfrmZZI010::bbtSearchClick()
{
    requireActive(bbtSearch);
    EnterDataMode();
}

void TfrmZZI010::bbtSaveClick()
{
    requireActive(bbtSave);
}

void TfrmZZI010::bbtCancelClick()
{
    requireActive(bbtCancel);
    SetSearchMode(true);
}
