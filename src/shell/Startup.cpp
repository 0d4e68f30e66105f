#include "shell/Startup.h"
#include "common/Messages.h"
#include "shell/Application.h"
#include "shell/SingleInstance.h"
#include "shell/V0Main.h"
#include "shell/ZZC010.h"
#include "shell/ZZD000.h"
#include <memory>

int RunClient(int argc, char** argv)
{
    Application app(argc, argv);
    SingleInstance guard(QStringLiteral("talvane_v"));
    if (!guard.acquire())
        return 0;

    QApplication::setApplicationName(kAppTitle);
    Application::useClientFont();

    auto splash = std::make_unique<TfrmZZC010>();
    splash->show();
    splash->repaint();
    app.processEvents();

    QStringList args = app.arguments();
    args.removeFirst();
    TfrmZZD000 dataModule(args);
    if (dataModule.terminateRequested() || !dataModule.isConnected())
        return 1;

    std::unique_ptr<TfrmV0Main> mainWindow;
    try {
        mainWindow = std::make_unique<TfrmV0Main>();
    } catch (...) {
        Application::handleError(std::current_exception());
        return 1;
    }
    if (mainWindow->terminateRequested())
        return 1;
    QObject::connect(&guard, &SingleInstance::raiseRequested, mainWindow.get(), [w = mainWindow.get()] {
        w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        w->show();
        w->raise();
        w->activateWindow();
    });
    mainWindow->showMaximized();
    splash.reset();
    const int code = app.exec();
    mainWindow.reset();
    return code;
}
