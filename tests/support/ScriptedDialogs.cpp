#include "support/ScriptedDialogs.h"
#include <QDialog>
#include <QMessageBox>
#include <QPrinter>

ScriptedDialogs::ScriptedDialogs()
{
    DialogService::install(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    DialogService::install(nullptr);
}

int ScriptedDialogs::message(QWidget*, const QString& text, const QString& caption, int kind)
{
    shown.append({text, caption, kind});
    if (kind == Question) {
        const bool yes = yesNoAnswers.isEmpty() ? true : yesNoAnswers.takeFirst();
        return yes ? QMessageBox::Yes : QMessageBox::No;
    }
    return QMessageBox::Ok;
}

int ScriptedDialogs::execDialog(QDialog* dialog)
{
    dialogsRun.append(dialog);
    const int result = onDialog ? onDialog(dialog) : QDialog::Accepted;
    dialog->setResult(result);
    return result;
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString&, const QString& fileName, const QString&)
{
    askedFileNames << fileName;
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString ScriptedDialogs::openFileName(QWidget*, const QString&, const QString& dir, const QString&)
{
    askedFileNames << dir;
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

bool ScriptedDialogs::preparePrinter(QPrinter& printer)
{
    if (printFile.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printFile);
    return true;
}

bool ScriptedDialogs::openWithDesktop(const QString& path)
{
    openedFiles << path;
    return true;
}

void ScriptedDialogs::clear()
{
    shown.clear();
    dialogsRun.clear();
    askedFileNames.clear();
    openedFiles.clear();
}

QStringList ScriptedDialogs::texts() const
{
    QStringList out;
    for (const Shown& s : shown)
        out << s.text;
    return out;
}
