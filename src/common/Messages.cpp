#include "common/Messages.h"
#include "common/DialogService.h"
#include <QApplication>
#include <QMessageBox>

static QWidget* activeParent()
{
    return QApplication::activeWindow();
}

void ShowInfo(const QString& text)
{
    DialogService::instance().message(activeParent(), text, kAppTitle, DialogService::Information);
}

void ShowError(const QString& text)
{
    DialogService::instance().message(activeParent(), text, kAppTitle, DialogService::Error);
}

bool AskYesNo(const QString& text)
{
    return DialogService::instance().message(activeParent(), text, kAppTitle, DialogService::Question)
        == QMessageBox::Yes;
}

int MsgBox(const QString& text, const QString& caption, int kind)
{
    return DialogService::instance().message(activeParent(), text, caption, kind);
}
