#pragma once
#include <QString>

class QDialog;
class QPrinter;
class QWidget;

// Every message box, file dialog, modal dialog run, printer choice and
// desktop hand-off goes through this one service, so tests can answer them
// without anything blocking.
class DialogService {
public:
    enum MessageKind { Information = 0, Error = 1, Question = 2, Plain = 3 };

    virtual ~DialogService() = default;

    // Returns the QMessageBox::StandardButton pressed.
    virtual int message(QWidget* parent, const QString& text, const QString& caption, int kind);
    // Runs a dialog modally; returns its result code.
    virtual int execDialog(QDialog* dialog);
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& fileName,
                                 const QString& filter);
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter);
    // Points the printer at its destination (the default printer); false when
    // there is none to print on.
    virtual bool preparePrinter(QPrinter& printer);
    // Opens a file with the desktop's associated program.
    virtual bool openWithDesktop(const QString& path);

    static DialogService& instance();
    // Installs a replacement (tests); nullptr restores the interactive one.
    static void install(DialogService* service);
};
