#pragma once
#include <QWidget>
#include <functional>

class QAction;
class QHBoxLayout;
class QToolButton;
class QFrame;
class QLabel;
class QPushButton;

// The root of every screen: the button strip with Close, the main area, the
// four-panel status bar, the role file, focus colours and the close path
// through the main window.
class TfrmZZI000 : public QWidget {
    Q_OBJECT
public:
    // runBaseCreation false leaves the status bar without program ID, user and
    // role text and skips the role file, as the maintenance bases do.
    explicit TfrmZZI000(const QString& programId, QWidget* parent = nullptr, bool runBaseCreation = true);

    // The screen component's name without its first three characters.
    QString programId() const;
    void ShowStatus(const QString& text);
    QString statusText() const;
    QString statusPanelText(int panel) const;
    int statusPanelWidth(int panel) const;

    bool isEmbedded() const { return m_embedded; }
    void setEmbedded(bool embedded) { m_embedded = embedded; }
    // The main window's resize request.
    void screenResize(int width, int height);

    // Entry and exit colours of an input field; watchField applies them
    // automatically on focus changes.
    void edtEnter(QWidget* field);
    void edtExit(QWidget* field);
    void watchField(QWidget* field);

    // The show handler: runs whenever the screen is shown, and again when
    // another screen hands values over to it (OpenProgramById).
    Q_INVOKABLE virtual void FormShow() {}

public slots:
    void bbtCloseClick();

protected:
    // An invisible hotkey item: its shortcut works while the screen is active.
    QAction* addHotkey(const QKeySequence& key, const std::function<void()>& handler);
    // Raises SilentAbort when the button is hidden or disabled.
    static void requireActive(const QWidget* button);
    // A screen that must ask before it goes (unsaved input) overrides this.
    virtual bool canClose() { return true; }
    // Closes every open query of the screen.
    virtual void closeQueries();

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    QHBoxLayout* buttonRow() const { return m_buttonRow; }
    // The search strip above the main area: conditions on the left, the
    // Search button at its right edge.
    struct SearchStrip {
        QWidget* panel;
        QPushButton* search;
    };
    SearchStrip addSearchStrip();
    // The four record-navigation buttons at the left of the button strip.
    struct NavigationButtons {
        QToolButton* first;
        QToolButton* prior;
        QToolButton* next;
        QToolButton* last;
    };
    NavigationButtons addNavigationButtons();

    QWidget* panMain;
    QWidget* panButtons;
    QFrame* bvlButtons;
    QPushButton* bbtClose;
    QWidget* stbMessage;
    QLabel* stbPanels[4];

private:
    void readRoleFile();
    void layoutStatusBar();
    QHBoxLayout* m_buttonRow;
    bool m_embedded = false;
    bool m_shown = false;
};
