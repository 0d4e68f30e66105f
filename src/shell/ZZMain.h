#pragma once
#include "common/ProgramHost.h"
#include <QMainWindow>

class QAction;
class QMenu;
class QTabWidget;

// The shell: menus built from the menu and authority tables, one tab per open
// screen, the window menu in step with the tabs, and the close paths.
class TfrmZZMain : public QMainWindow, public ProgramHost {
    Q_OBJECT
public:
    explicit TfrmZZMain(const QString& caption, QWidget* parent = nullptr);
    ~TfrmZZMain() override;

    // Set when the connection was not open: the application must end.
    bool terminateRequested() const { return m_terminate; }
    int programLimit() const { return m_programLimit; }

    bool OpenProgram(const QString& caption, const QString& programId) override;
    void clickProgramItems(const QString& programId) override;
    QWidget* screenOf(const QString& programId) const override;
    void closeActiveScreen() override;
    void screenClosed(QWidget* screen) override;

    // Menu inspection (also used by tests).
    QList<QMenu*> databaseMenus() const;
    QStringList openProgramIds() const;
    QStringList windowMenuProgramIds() const;
    QTabWidget* tabs() const { return pgcTabs; }
    int activeMarkerTab() const;
    int activeMarkerWindowItem() const;

    static QString menuCaptionToTabCaption(const QString& caption);

public slots:
    void mmuMenuWindowCloseClick();

protected:
    // Creates the screen of a program ID, or nullptr for an unknown ID.
    virtual QWidget* CreateProgramScreen(const QString& programId);
    QWidget* EmbedScreen(QWidget* screen);
    void FormCreate();

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMenus();
    void MenuProgramClick();
    void pgcTabsChange();
    // Tells the server which program the user works in, for its history.
    void announceActiveProgram();
    void notifyLauncher();
    QAction* addProgramAction(QMenu* menu, const QString& caption, const QString& programId);

    QTabWidget* pgcTabs;
    QWidget* panTabs;
    QMenu* mmuMenuWindow;
    QAction* mmuMenuWindowClose;
    QList<QMenu*> m_databaseMenus;
    int m_programLimit = 10;
    QString m_announcedProgram;
    bool m_terminate = false;
};
