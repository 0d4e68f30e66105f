#pragma once
#include "shell/ZZMain.h"
#include <functional>

// The accounting main window: the shell plus the dispatch table from
// program ID to screen.
class TfrmV0Main : public TfrmZZMain {
    Q_OBJECT
public:
    explicit TfrmV0Main(QWidget* parent = nullptr);

    using ScreenFactory = std::function<QWidget*()>;
    struct DispatchEntry {
        const char* programId;
        ScreenFactory create;  // empty while the screen is not built
    };
    static const QList<DispatchEntry>& dispatchTable();

protected:
    QWidget* CreateProgramScreen(const QString& programId) override;
};
