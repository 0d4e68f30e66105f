#pragma once
#include <QMainWindow>

// The accounting main window.
class TfrmV0Main : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmV0Main(QWidget* parent = nullptr);

    // Reads the display name of the signed-in database user.
    static QString readDbDisplayName(const QString& dbUser);
};
