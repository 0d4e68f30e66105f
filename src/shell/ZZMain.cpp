#include "shell/ZZMain.h"
#include "common/Db.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "framework/ZZI000.h"
#include <QCloseEvent>
#include <QLocalSocket>
#include <QMenuBar>
#include <QPainter>
#include <QSettings>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const char* kScreenProperty = "screen";

QIcon markerIcon(bool active)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(active ? QColor(30, 150, 60) : QColor(170, 170, 170));
    p.drawEllipse(2, 2, 8, 8);
    return QIcon(pixmap);
}

const QString kMenuSql = QStringLiteral(
    "SELECT   MENU_ID,\n"
    "         MENU_NAME\n"
    "FROM     ZA040MS\n"
    "WHERE    PROJECT_ID  = :P0\n"
    " AND    DISPLAY_SEQ > 0\n"
    "ORDER BY DISPLAY_SEQ");

// Level grants and additions, less removals: a removal beats both.
const QString kProgramSql = QStringLiteral(
    "SELECT   MENU_ID, PROGRAM_ID, PROGRAM_NAME\n"
    "FROM     ZA050MS\n"
    "WHERE    PROJECT_ID  = :P0\n"
    " AND     MENU_ID     = :P1\n"
    " AND     DISPLAY_SEQ > 0\n"
    " AND     PROGRAM_ID IN ((SELECT B.PROGRAM_ID\n"
    "                           FROM ZA130MS A JOIN ZA140MS B\n"
    "                             ON B.PROJECT_ID = A.PROJECT_ID AND B.PROJECT_LEVEL = A.PROJECT_LEVEL\n"
    "                          WHERE A.EMP_NO = :P2 AND A.PROJECT_ID = :P0\n"
    "                         UNION ALL\n"
    "                         SELECT PROGRAM_ID FROM ZA150MS\n"
    "                          WHERE EMP_NO = :P2 AND PROJECT_ID = :P0 AND ADD_YN = 'Y')\n"
    "                        EXCEPT\n"
    "                        SELECT PROGRAM_ID FROM ZA150MS\n"
    "                         WHERE EMP_NO = :P2 AND PROJECT_ID = :P0 AND ADD_YN = 'N')\n"
    "ORDER BY DISPLAY_SEQ");

}  // namespace

TfrmZZMain::TfrmZZMain(const QString& caption, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmV0Main"));
    setWindowTitle(caption);
    setMinimumSize(1024, 746);

    auto* central = new QStackedWidget(this);
    panTabs = new QWidget(central);
    panTabs->setObjectName(QStringLiteral("panTabs"));
    pgcTabs = new QTabWidget(central);
    pgcTabs->setObjectName(QStringLiteral("pgcTabs"));
    pgcTabs->setDocumentMode(true);
    central->addWidget(panTabs);
    central->addWidget(pgcTabs);
    setCentralWidget(central);
    connect(pgcTabs, &QTabWidget::currentChanged, this, &TfrmZZMain::pgcTabsChange);

    mmuMenuWindow = menuBar()->addMenu(QStringLiteral("창(&W)"));
    mmuMenuWindow->setObjectName(QStringLiteral("mmuMenuWindow"));
    mmuMenuWindowClose = mmuMenuWindow->addAction(QStringLiteral("종료"));
    mmuMenuWindowClose->setObjectName(QStringLiteral("mmuMenuWindowClose"));
    mmuMenuWindowClose->setVisible(false);
    mmuMenuWindowClose->setShortcut(Qt::Key_F12);
    connect(mmuMenuWindowClose, &QAction::triggered, this, &TfrmZZMain::mmuMenuWindowCloseClick);
    // The item is hidden, so its shortcut is carried by the window itself.
    auto* f12 = new QShortcut(QKeySequence(Qt::Key_F12), this);
    connect(f12, &QShortcut::activated, this, &TfrmZZMain::mmuMenuWindowCloseClick);

    ProgramHost::setInstance(this);
    FormCreate();
}

TfrmZZMain::~TfrmZZMain()
{
    if (ProgramHost::instance() == this)
        ProgramHost::setInstance(nullptr);
}

void TfrmZZMain::FormCreate()
{
    QSettings ini(Session::exeDir + QStringLiteral("Main.ini"), QSettings::IniFormat);
    bool ok = false;
    const int limit = ini.value(QStringLiteral("MAIN/PROGRAM_COUNT"), 10).toInt(&ok);
    m_programLimit = ok && limit > 0 ? limit : 10;

    if (!Db::connection().isOpen()) {
        m_terminate = true;
        return;
    }
    BuildMenus();
    setWindowTitle(windowTitle() + QLatin1Char('(') + Session::dbDisplayName + QLatin1Char(')'));
}

void TfrmZZMain::BuildMenus()
{
    {
        QSqlQuery name = RunQuery(QStringLiteral("SELECT   DETAIL_NAME\nFROM     ZX010MS\nWHERE    HEAD   = 'Z9999'\n"
                                                 " AND    DETAIL = :P0"),
                                  {Session::dbUser.toUpper()});
        Session::dbDisplayName = name.next() ? name.value(0).toString() : QString();
    }
    const QString project = Session::projectId();
    QSqlQuery menus = RunQuery(kMenuSql, {project});
    while (menus.next()) {
        const QString menuId = menus.value(0).toString();
        auto* menu = new QMenu(menus.value(1).toString(), this);
        menu->setObjectName(QStringLiteral("mmu") + menuId);
        QSqlQuery programs = RunQuery(kProgramSql, {project, menuId, Session::empNo});
        while (programs.next())
            addProgramAction(menu, programs.value(2).toString(), programs.value(1).toString());
        if (menu->actions().isEmpty()) {
            delete menu;
            continue;
        }
        menuBar()->insertMenu(mmuMenuWindow->menuAction(), menu);
        m_databaseMenus << menu;
    }
}

QAction* TfrmZZMain::addProgramAction(QMenu* menu, const QString& caption, const QString& programId)
{
    QAction* action = menu->addAction(caption);
    action->setData(programId);
    action->setToolTip(programId);
    connect(action, &QAction::triggered, this, &TfrmZZMain::MenuProgramClick);
    return action;
}

void TfrmZZMain::MenuProgramClick()
{
    if (auto* action = qobject_cast<QAction*>(sender()))
        OpenProgram(action->text(), action->data().toString());
}

QString TfrmZZMain::menuCaptionToTabCaption(const QString& caption)
{
    const qsizetype cut = caption.indexOf(QLatin1String("(&"));
    return cut >= 0 ? caption.left(cut) : caption;
}

bool TfrmZZMain::OpenProgram(const QString& caption, const QString& programId)
{
    for (int i = 0; i < pgcTabs->count(); ++i) {
        if (pgcTabs->tabToolTip(i) == programId) {
            pgcTabs->setCurrentIndex(i);
            pgcTabsChange();
            return false;
        }
    }
    if (pgcTabs->count() >= m_programLimit) {
        ShowError(QStringLiteral("최대 %1개의 프로그램만 동시에 실행할 수 있습니다.").arg(m_programLimit));
        return false;
    }
    const QString tabCaption = menuCaptionToTabCaption(caption);
    static_cast<QStackedWidget*>(centralWidget())->setCurrentWidget(pgcTabs);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    const QSignalBlocker blocker(pgcTabs);
    const int index = pgcTabs->addTab(page, markerIcon(false), tabCaption);
    pgcTabs->setTabToolTip(index, programId);
    pgcTabs->setCurrentIndex(index);

    QWidget* screen = nullptr;
    announceActiveProgram();
    try {
        screen = CreateProgramScreen(programId);
    } catch (...) {
        pgcTabs->removeTab(index);
        delete page;
        if (pgcTabs->count() == 0)
            static_cast<QStackedWidget*>(centralWidget())->setCurrentWidget(panTabs);
        pgcTabsChange();
        throw;
    }
    if (!screen) {
        pgcTabs->removeTab(index);
        delete page;
        if (pgcTabs->count() == 0)
            static_cast<QStackedWidget*>(centralWidget())->setCurrentWidget(panTabs);
        pgcTabsChange();
        return false;
    }
    page->setProperty(kScreenProperty, QVariant::fromValue<QObject*>(screen));
    QAction* item = addProgramAction(mmuMenuWindow, tabCaption, programId);
    item->setIcon(markerIcon(false));
    pgcTabsChange();
    return true;
}

QWidget* TfrmZZMain::CreateProgramScreen(const QString&)
{
    return nullptr;
}

QWidget* TfrmZZMain::EmbedScreen(QWidget* screen)
{
    QWidget* page = pgcTabs->widget(pgcTabs->count() - 1);
    screen->setParent(page, Qt::Widget);
    page->layout()->addWidget(screen);
    if (auto* base = qobject_cast<TfrmZZI000*>(screen))
        base->setEmbedded(true);
    screen->show();
    // The focus goes to the screen's first control in tab order, unless its
    // show handler has already put it on a control of its own.
    const auto takesFocus = [screen](const QWidget* w) {
        return w && screen->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled()
            && w->isVisibleTo(screen) && !w->focusProxy();
    };
    if (!takesFocus(screen->focusWidget())) {
        for (QWidget* w = screen->nextInFocusChain(); w && w != screen; w = w->nextInFocusChain()) {
            if (takesFocus(w)) {
                w->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
    return screen;
}

QWidget* TfrmZZMain::screenOf(const QString& programId) const
{
    for (int i = 0; i < pgcTabs->count(); ++i)
        if (pgcTabs->tabToolTip(i) == programId)
            return qobject_cast<QWidget*>(pgcTabs->widget(i)->property(kScreenProperty).value<QObject*>());
    return nullptr;
}

void TfrmZZMain::clickProgramItems(const QString& programId)
{
    QList<QAction*> items;
    for (QMenu* menu : m_databaseMenus)
        items += menu->actions();
    items += mmuMenuWindow->actions().mid(1);
    for (QAction* item : items)
        if (item->data().toString() == programId)
            item->trigger();
}

void TfrmZZMain::mmuMenuWindowCloseClick()
{
    closeActiveScreen();
}

void TfrmZZMain::closeActiveScreen()
{
    const int index = pgcTabs->currentIndex();
    if (index < 0)
        return;
    if (auto* screen = qobject_cast<QWidget*>(pgcTabs->widget(index)->property(kScreenProperty).value<QObject*>()))
        screen->close();
}

void TfrmZZMain::screenClosed(QWidget* screen)
{
    int index = -1;
    for (int i = 0; i < pgcTabs->count(); ++i)
        if (pgcTabs->widget(i)->property(kScreenProperty).value<QObject*>() == screen)
            index = i;
    if (index < 0)
        return;
    QWidget* page = pgcTabs->widget(index);
    delete mmuMenuWindow->actions().at(index + 1);
    {
        const QSignalBlocker blocker(pgcTabs);
        pgcTabs->removeTab(index);
    }
    screen->hide();
    page->deleteLater();
    if (pgcTabs->count() == 0)
        static_cast<QStackedWidget*>(centralWidget())->setCurrentWidget(panTabs);
    pgcTabsChange();
}

void TfrmZZMain::pgcTabsChange()
{
    const QList<QAction*> items = mmuMenuWindow->actions().mid(1);
    for (int i = 0; i < pgcTabs->count(); ++i)
        pgcTabs->setTabIcon(i, markerIcon(i == pgcTabs->currentIndex()));
    for (int i = 0; i < items.size(); ++i)
        items[i]->setIcon(markerIcon(i == pgcTabs->currentIndex()));
    for (int i = 0; i < pgcTabs->count(); ++i)
        pgcTabs->widget(i)->setProperty("active", i == pgcTabs->currentIndex());
    announceActiveProgram();
}

void TfrmZZMain::announceActiveProgram()
{
    const QString programId = pgcTabs->currentIndex() < 0 ? Session::projectId()
                                                           : pgcTabs->tabToolTip(pgcTabs->currentIndex());
    if (programId == m_announcedProgram || !Db::connection().isOpen())
        return;
    try {
        Db::announceProgram(programId);
        m_announcedProgram = programId;
    } catch (const AppError& error) {
        // The history then names the program before; the work goes on.
        ShowError(error.message());
    }
}

int TfrmZZMain::activeMarkerTab() const
{
    for (int i = 0; i < pgcTabs->count(); ++i)
        if (pgcTabs->widget(i)->property("active").toBool())
            return i;
    return -1;
}

int TfrmZZMain::activeMarkerWindowItem() const
{
    // Window-menu items mirror the tabs one to one.
    const int tab = activeMarkerTab();
    return tab < 0 ? -1 : tab + 1;
}

QList<QMenu*> TfrmZZMain::databaseMenus() const
{
    return m_databaseMenus;
}

QStringList TfrmZZMain::openProgramIds() const
{
    QStringList ids;
    for (int i = 0; i < pgcTabs->count(); ++i)
        ids << pgcTabs->tabToolTip(i);
    return ids;
}

QStringList TfrmZZMain::windowMenuProgramIds() const
{
    QStringList ids;
    for (QAction* item : mmuMenuWindow->actions().mid(1))
        ids << item->data().toString();
    return ids;
}

void TfrmZZMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (pgcTabs->currentIndex() < 0)
        return;
    for (int i = 0; i < pgcTabs->count(); ++i) {
        QWidget* page = pgcTabs->widget(i);
        if (auto* screen = qobject_cast<TfrmZZI000*>(page->property(kScreenProperty).value<QObject*>()))
            screen->screenResize(pgcTabs->width(), pgcTabs->height() - pgcTabs->tabBar()->height());
    }
}

void TfrmZZMain::closeEvent(QCloseEvent* event)
{
    const int count = pgcTabs->count();
    for (int i = 0; i < count; ++i)
        closeActiveScreen();
    notifyLauncher();
    if (pgcTabs->count() == 0)
        event->accept();
    else
        event->ignore();
}

void TfrmZZMain::notifyLauncher()
{
    QLocalSocket launcher;
    launcher.connectToServer(QStringLiteral("Tfrm_0Main"));
    if (launcher.waitForConnected(300)) {
        launcher.write("1924 0 0\n");
        launcher.waitForBytesWritten(300);
        launcher.disconnectFromServer();
    }
}
