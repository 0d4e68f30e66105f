#pragma once
#include <QApplication>
#include <exception>
#include <functional>

// Routes every exception that would otherwise cross the event loop to the
// installed handler (by default the error dialog with no owner screen).
class Application : public QApplication {
    Q_OBJECT
public:
    using ErrorHandler = std::function<void(std::exception_ptr)>;

    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The Korean face every window of the client is laid out in.
    static void useClientFont();

    static void setErrorHandler(ErrorHandler handler);
    // Hands the error to the screen that owns the receiver when it handles
    // its own errors, else to the installed handler.
    static void handleError(std::exception_ptr error, QObject* receiver = nullptr);
};
