#pragma once
#include <QString>

class QWidget;

// What screens and helpers may ask of the main window that hosts them. The
// main window registers itself; code outside the shell never includes it.
class ProgramHost {
public:
    virtual ~ProgramHost() = default;

    // Opens the program as from its menu entry; true when a new screen opened.
    virtual bool OpenProgram(const QString& caption, const QString& programId) = 0;
    // Clicks every menu or window-menu entry naming the program.
    virtual void clickProgramItems(const QString& programId) = 0;
    // The embedded screen of an open program, or nullptr.
    virtual QWidget* screenOf(const QString& programId) const = 0;
    // The F12 path: asks the active screen to close.
    virtual void closeActiveScreen() = 0;
    // The screen agreed to close: remove its tab and destroy it.
    virtual void screenClosed(QWidget* screen) = 0;

    static ProgramHost* instance();
    static void setInstance(ProgramHost* host);
};
