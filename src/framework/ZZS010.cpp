#include "framework/ZZS010.h"
#include "framework/MaintenanceCore.h"
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TfrmZZS010::TfrmZZS010(const QString& programId, QWidget* parent) : TfrmZZI000(programId, parent, true)
{
    const SearchStrip strip = addSearchStrip();
    panSearch = strip.panel;
    bbtSearch = strip.search;

    bbtPrint = addStripButton(QStringLiteral("bbtPrint"), QStringLiteral("출력(F11)"));
    bbtPreview = addStripButton(QStringLiteral("bbtPreview"), QStringLiteral("미리보기"));

    // Buttons and keys run the same virtual handlers, so what a screen does
    // depends on the operation, never on which control sent it.
    connect(bbtSearch, &QPushButton::clicked, this, [this] { bbtSearchClick(); });
    connect(bbtPrint, &QPushButton::clicked, this, [this] { bbtPrintClick(); });
    connect(bbtPreview, &QPushButton::clicked, this, [this] { bbtPreviewClick(); });
    addHotkey(Qt::Key_F3, [this] { bbtSearchClick(); });
    addHotkey(Qt::Key_F11, [this] { bbtPrintClick(); });
    addHotkey(QKeySequence(Qt::SHIFT | Qt::Key_F11), [this] { bbtPreviewClick(); });
}

QPushButton* TfrmZZS010::addStripButton(const QString& name, const QString& caption, QWidget* before)
{
    return NewStripButton(buttonRow(), panButtons, name, caption, before ? before : bbtClose);
}

void TfrmZZS010::bbtSearchClick()
{
    ShowStatus(QString());
    requireActive(bbtSearch);
}

void TfrmZZS010::bbtPrintClick()
{
    ShowStatus(QString());
    requireActive(bbtPrint);
    PreviewFlag = false;
}

void TfrmZZS010::bbtPreviewClick()
{
    ShowStatus(QString());
    requireActive(bbtPreview);
    PreviewFlag = true;
}
