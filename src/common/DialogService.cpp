#include "common/DialogService.h"
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>

namespace {
DialogService g_interactive;
DialogService* g_current = &g_interactive;
}  // namespace

int DialogService::message(QWidget* parent, const QString& text, const QString& caption, int kind)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (kind) {
    case Information: box.setIcon(QMessageBox::Information); box.setStandardButtons(QMessageBox::Ok); break;
    case Error: box.setIcon(QMessageBox::Critical); box.setStandardButtons(QMessageBox::Ok); break;
    case Question: box.setIcon(QMessageBox::Question); box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setIcon(QMessageBox::NoIcon); box.setStandardButtons(QMessageBox::Ok); break;
    }
    return box.exec();
}

int DialogService::execDialog(QDialog* dialog)
{
    return dialog->exec();
}

QString DialogService::saveFileName(QWidget* parent, const QString& caption, const QString& fileName,
                                    const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, fileName, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString DialogService::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

bool DialogService::preparePrinter(QPrinter& printer)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    printer.setPrinterName(info.printerName());
    return printer.isValid();
}

bool DialogService::openWithDesktop(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

DialogService& DialogService::instance()
{
    return *g_current;
}

void DialogService::install(DialogService* service)
{
    g_current = service ? service : &g_interactive;
}
