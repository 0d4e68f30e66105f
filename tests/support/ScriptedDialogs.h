#pragma once
#include "common/DialogService.h"
#include <QList>
#include <QStringList>
#include <functional>

class QDialog;

// Answers every dialog without blocking and records what was asked, so a test
// can check which messages appeared and in what order.
class ScriptedDialogs : public DialogService {
public:
    struct Shown {
        QString text;
        QString caption;
        int kind;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    int message(QWidget* parent, const QString& text, const QString& caption, int kind) override;
    int execDialog(QDialog* dialog) override;
    QString saveFileName(QWidget*, const QString& caption, const QString& fileName, const QString& filter) override;
    QString openFileName(QWidget*, const QString& caption, const QString& dir, const QString& filter) override;
    bool preparePrinter(QPrinter& printer) override;
    bool openWithDesktop(const QString& path) override;

    void clear();
    QStringList texts() const;
    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }

    QList<Shown> shown;
    QList<bool> yesNoAnswers;           // consumed in order; Yes when empty
    QStringList fileNames;              // consumed in order; empty text (cancel) when exhausted
    QStringList askedFileNames;         // the names the file dialogs proposed
    QString printFile;                  // printer output; empty: no printer
    QStringList openedFiles;
    // Called with each dialog run; its return value is the dialog's result.
    std::function<int(QDialog*)> onDialog;
    QList<QDialog*> dialogsRun;
};
