#pragma once
#include <QList>
#include <QString>
#include <exception>

// Every failure the application raises derives from AppError; the error
// dialog tells the kinds apart by type.
class AppError : public std::exception {
public:
    explicit AppError(QString message) : m_message(std::move(message)), m_what(m_message.toUtf8()) {}
    const QString& message() const { return m_message; }
    virtual QString kindName() const { return QStringLiteral("EAppError"); }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    QString m_message;
    QByteArray m_what;
};

// One entry of a server error report: the native (Oracle-numbered) error.
struct ServerErrorEntry {
    int nativeError = 0;
    QString kindName;  // the server's own error code (SQLSTATE)
    QString message;   // "ORA-nnnnn: text" form
};

class ServerError : public AppError {
public:
    explicit ServerError(QList<ServerErrorEntry> entries);
    const QList<ServerErrorEntry>& entries() const { return m_entries; }
    int nativeError() const { return m_entries.isEmpty() ? 0 : m_entries.last().nativeError; }
    QString kindName() const override { return QStringLiteral("EDBEngineError"); }

private:
    QList<ServerErrorEntry> m_entries;
};

// A data-layer failure that carries no native number.
class DatabaseError : public AppError {
public:
    using AppError::AppError;
    QString kindName() const override { return QStringLiteral("EDatabaseError"); }
};

class ConversionError : public AppError {
public:
    using AppError::AppError;
    QString kindName() const override { return QStringLiteral("EConvertError"); }
};

class DivByZeroError : public AppError {
public:
    using AppError::AppError;
    QString kindName() const override { return QStringLiteral("EZeroDivide"); }
};

class InputMaskError : public AppError {
public:
    using AppError::AppError;
    QString kindName() const override { return QStringLiteral("EDBEditError"); }
};

// Raised by the screen bases when the shortcut of a hidden or disabled button
// is pressed: it unwinds the operation and is never shown.
class SilentAbort : public AppError {
public:
    SilentAbort() : AppError(QStringLiteral("Operation aborted")) {}
    QString kindName() const override { return QStringLiteral("EAbort"); }
};
