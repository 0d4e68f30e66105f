#include "shell/Application.h"
#include "common/ScreenErrors.h"
#include "common/Transaction.h"
#include "shell/ErrorDlg.h"
#include <QFont>

namespace {
Application::ErrorHandler g_handler;
}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
}

void Application::useClientFont()
{
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("NanumGothic"), font.family()});
    QApplication::setFont(font);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        handleError(std::current_exception(), receiver);
    }
    return false;
}

void Application::setErrorHandler(ErrorHandler handler)
{
    g_handler = std::move(handler);
}

void Application::handleError(std::exception_ptr error, QObject* receiver)
{
    try {
        for (QObject* o = receiver; o; o = o->parent()) {
            if (auto* screen = dynamic_cast<ScreenErrorHandler*>(o)) {
                screen->HandleAppError(error);
                return;
            }
        }
        if (g_handler)
            g_handler(error);
        else
            TFrmError::showError(nullptr, &SharedTransaction::instance(), error);
    } catch (...) {
        // The handler itself failed; nothing is left that could report it.
    }
}
