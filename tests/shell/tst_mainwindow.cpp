// The main window: menus by authority, tabs and the window menu kept in step,
// the limit of open screens, the close paths and the hand-over re-activation.
#include "common/HandOver.h"
#include "common/Query.h"
#include "common/Session.h"
#include "framework/ZZI000.h"
#include "grid/RecordSet.h"
#include "shell/ZZMain.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

// A screen whose Cancel steps back one state per press, counting show runs.
class ProbeScreen : public TfrmZZI000 {
public:
    explicit ProbeScreen(const QString& id, bool refuse = false) : TfrmZZI000(id), m_refuse(refuse)
    {
        cdsMain = new RecordSet(this);
        cdsMain->open(QStringLiteral("SELECT 1 AS N"));
        bbtCancel = new QPushButton(QStringLiteral("취소(F8)"), panButtons);
        bbtCancel->setObjectName(QStringLiteral("bbtCancel"));
        connect(bbtCancel, &QPushButton::clicked, this, [this] {
            ++cancels;
            bbtCancel->setEnabled(--state > 0);
        });
    }
    void setState(int s) { state = s; bbtCancel->setEnabled(s > 0); }
    void FormShow() override { ++shows; }
    bool canClose() override { return !m_refuse; }

    RecordSet* cdsMain;
    QPushButton* bbtCancel;
    int state = 0, cancels = 0, shows = 0;

private:
    bool m_refuse;
};

// A screen with input fields: a disabled and a hidden one ahead of the first
// usable one; optionally its show handler picks a field itself.
class FieldScreen : public TfrmZZI000 {
public:
    FieldScreen(const QString& id, bool showPicks) : TfrmZZI000(id), m_showPicks(showPicks)
    {
        auto* caption = new QLabel(QStringLiteral("계정코드"), panMain);
        caption->setObjectName(QStringLiteral("lblAcct"));
        disabled = new QLineEdit(panMain);
        disabled->setEnabled(false);
        hidden = new QLineEdit(panMain);
        hidden->hide();
        first = new QLineEdit(panMain);
        second = new QLineEdit(panMain);
    }
    void FormShow() override
    {
        if (m_showPicks)
            second->setFocus();
    }

    QLineEdit *disabled, *hidden, *first, *second;

private:
    bool m_showPicks;
};

class TestMain : public TfrmZZMain {
public:
    TestMain() : TfrmZZMain(QStringLiteral("일반관리 회계")) {}
    QWidget* CreateProgramScreen(const QString& id) override
    {
        if (id.startsWith(QLatin1String("UNKNOWN")))
            return nullptr;
        if (id.startsWith(QLatin1String("FIELDS")))
            return EmbedScreen(new FieldScreen(id, id == QLatin1String("FIELDS_SHOW")));
        return EmbedScreen(new ProbeScreen(id, id == QLatin1String("REFUSE")));
    }
};

QStringList menuTitles(const TfrmZZMain& w)
{
    QStringList titles;
    for (QAction* a : w.menuBar()->actions())
        titles << a->text();
    return titles;
}

QStringList programsOf(QMenu* menu)
{
    QStringList ids;
    for (QAction* a : menu->actions())
        ids << a->data().toString();
    return ids;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void authority_data();
    void authority();
    void displayNameInCaption();
    void tabsAndWindowMenuStayInStep();
    void newScreenGetsTheFocus();
    void limitOfOpenScreens();
    void unknownProgramLeavesNoTab();
    void closingTheMainWindowStopsAtARefusal();
    void handOverReactivatesOpenScreen();
    void windowMenuOpensAndSwitches_data();
    void windowMenuOpensAndSwitches();

private:
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_exeDir;
};

void TestMainWindow::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Session::exeDir = m_exeDir.path() + QLatin1Char('/');
    Session::programBaseName = QStringLiteral("tvtest");
    const QStringList seed = {
        "INSERT INTO ZA040MS (PROJECT_ID, MENU_ID, MENU_NAME, DISPLAY_SEQ) VALUES "
        "('TVTEST','M1','기준정보(&A)',1), ('TVTEST','M2','전표(&B)',2), ('TVTEST','M3','장부(&C)',3), "
        "('TVTEST','M4','숨김',0), ('OTHER','M1','다른 프로젝트',1)",
        "INSERT INTO ZA050MS (PROJECT_ID, MENU_ID, PROGRAM_ID, PROGRAM_NAME, DISPLAY_SEQ) VALUES "
        "('TVTEST','M1','P01','계정코드(&1)',1), ('TVTEST','M1','P02','관리항목',2), "
        "('TVTEST','M1','P04','거래처',4), ('TVTEST','M1','P03','계정규칙',3), "
        "('TVTEST','M2','P05','전표입력',1), ('TVTEST','M2','P06','전표조회',2), "
        "('TVTEST','M3','P07','원장',0), ('TVTEST','M4','P08','숨은 메뉴',1), "
        "('TVTEST','M2','REFUSE','닫지 않는 화면',3), ('TVTEST','M2','UNKNOWN1','없는 화면',4)",
        "INSERT INTO ZA130MS (EMP_NO, PROJECT_ID, PROJECT_LEVEL) VALUES ('E1','TVTEST','L1'), ('E4','TVTEST','L9')",
        "INSERT INTO ZA140MS (PROJECT_ID, PROJECT_LEVEL, PROGRAM_ID) VALUES "
        "('TVTEST','L1','P01'), ('TVTEST','L1','P02'), ('TVTEST','L1','P03'), ('TVTEST','L1','P05'), "
        "('TVTEST','L1','P07'), ('TVTEST','L1','P08'), ('TVTEST','L1','REFUSE'), ('TVTEST','L1','UNKNOWN1'), "
        "('TVTEST','L9','P01')",
        "INSERT INTO ZA150MS (EMP_NO, PROJECT_ID, PROGRAM_ID, ADD_YN) VALUES "
        "('E1','TVTEST','P02','N'), ('E1','TVTEST','P04','Y'), ('E1','TVTEST','P06','Y'), ('E1','TVTEST','P06','N'), "
        "('E2','TVTEST','P05','Y'), ('E4','TVTEST','P01','N')",
    };
    for (const QString& sql : seed)
        ExecSql(sql);
}

void TestMainWindow::cleanupTestCase()
{
    m_db.reset();
}

void TestMainWindow::init()
{
    QFile::remove(Session::exeDir + QStringLiteral("Main.ini"));
    Session::empNo = QStringLiteral("E1");
}

void TestMainWindow::authority_data()
{
    QTest::addColumn<QString>("empNo");
    QTest::addColumn<QStringList>("menus");
    QTest::addColumn<QStringList>("programs");  // per menu, joined by ','
    QTest::newRow("level, additions, removals") << "E1" << QStringList{"기준정보(&A)", "전표(&B)", "창(&W)"}
                                               << QStringList{"P01,P03,P04", "P05,REFUSE,UNKNOWN1"};
    QTest::newRow("no level row: only additions") << "E2" << QStringList{"전표(&B)", "창(&W)"} << QStringList{"P05"};
    QTest::newRow("nothing granted") << "E3" << QStringList{"창(&W)"} << QStringList{};
    QTest::newRow("removal of the only grant") << "E4" << QStringList{"창(&W)"} << QStringList{};
}

void TestMainWindow::authority()
{
    QFETCH(QString, empNo);
    QFETCH(QStringList, menus);
    QFETCH(QStringList, programs);
    Session::empNo = empNo;
    TestMain w;
    QCOMPARE(menuTitles(w), menus);
    QStringList actual;
    for (QMenu* menu : w.databaseMenus())
        actual << programsOf(menu).join(QLatin1Char(','));
    QCOMPARE(actual, programs);
}

void TestMainWindow::displayNameInCaption()
{
    TestMain w;
    QCOMPARE(w.windowTitle(), QStringLiteral("일반관리 회계(한빛리조트 본사)"));
    const QString saved = Session::dbUser;
    Session::dbUser = QStringLiteral("nobody");
    TestMain unnamed;
    Session::dbUser = saved;
    QCOMPARE(unnamed.windowTitle(), QStringLiteral("일반관리 회계()"));
}

void TestMainWindow::tabsAndWindowMenuStayInStep()
{
    TestMain w;
    QVERIFY(!w.tabs()->isVisible() || w.tabs()->count() == 0);
    w.clickProgramItems(QStringLiteral("P01"));
    w.clickProgramItems(QStringLiteral("P03"));
    QCOMPARE(w.openProgramIds(), (QStringList{"P01", "P03"}));
    QCOMPARE(w.windowMenuProgramIds(), w.openProgramIds());
    QCOMPARE(w.tabs()->tabText(0), QStringLiteral("계정코드"));  // accelerator suffix cut
    QCOMPARE(w.activeMarkerTab(), 1);

    // Choosing an open program, from the menu or the window menu, only activates it.
    QVERIFY(!w.OpenProgram(QStringLiteral("계정코드(&1)"), QStringLiteral("P01")));
    QCOMPARE(w.openProgramIds().size(), 2);
    QCOMPARE(w.activeMarkerTab(), 0);
    QCOMPARE(w.activeMarkerWindowItem(), 1);

    // F12 closes the active screen, its queries first, and its window-menu entry.
    QPointer<QWidget> first = w.screenOf(QStringLiteral("P01"));
    bool queryClosed = false;
    connect(static_cast<ProbeScreen*>(first.data())->cdsMain, &RecordSet::beforeClose, first,
            [&] { queryClosed = true; });
    w.mmuMenuWindowCloseClick();
    QVERIFY(queryClosed);
    QCOMPARE(w.openProgramIds(), QStringList{"P03"});
    QCOMPARE(w.windowMenuProgramIds(), QStringList{"P03"});
    QTRY_VERIFY(first.isNull());

    // The screen's own Close button takes the same path.
    auto* screen = static_cast<TfrmZZI000*>(w.screenOf(QStringLiteral("P03")));
    screen->findChild<QPushButton*>(QStringLiteral("bbtClose"))->click();
    QVERIFY(w.openProgramIds().isEmpty());
    QVERIFY(w.windowMenuProgramIds().isEmpty());
    QCOMPARE(w.activeMarkerTab(), -1);
}

void TestMainWindow::newScreenGetsTheFocus()
{
    TestMain w;
    w.show();
    QVERIFY(w.OpenProgram(QStringLiteral("입력"), QStringLiteral("FIELDS")));
    auto* screen = static_cast<FieldScreen*>(w.screenOf(QStringLiteral("FIELDS")));
    QCOMPARE(w.focusWidget(), screen->first);

    // A field the show handler chose keeps the focus.
    QVERIFY(w.OpenProgram(QStringLiteral("입력"), QStringLiteral("FIELDS_SHOW")));
    auto* picked = static_cast<FieldScreen*>(w.screenOf(QStringLiteral("FIELDS_SHOW")));
    QCOMPARE(w.focusWidget(), picked->second);
    w.close();
}

void TestMainWindow::limitOfOpenScreens()
{
    ScriptedDialogs dialogs;
    {
        QSettings ini(Session::exeDir + QStringLiteral("Main.ini"), QSettings::IniFormat);
        ini.setValue(QStringLiteral("MAIN/PROGRAM_COUNT"), 2);
    }
    TestMain w;
    QCOMPARE(w.programLimit(), 2);
    QVERIFY(w.OpenProgram(QStringLiteral("a"), QStringLiteral("P01")));
    QVERIFY(w.OpenProgram(QStringLiteral("b"), QStringLiteral("P03")));
    QVERIFY(!w.OpenProgram(QStringLiteral("c"), QStringLiteral("P04")));
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("최대 2개의 프로그램만 동시에 실행할 수 있습니다.")});
    w.mmuMenuWindowCloseClick();
    QVERIFY(w.OpenProgram(QStringLiteral("c"), QStringLiteral("P04")));

    {
        QSettings ini(Session::exeDir + QStringLiteral("Main.ini"), QSettings::IniFormat);
        ini.setValue(QStringLiteral("MAIN/PROGRAM_COUNT"), QStringLiteral("many"));
    }
    TestMain garbled;
    QCOMPARE(garbled.programLimit(), 10);
}

void TestMainWindow::unknownProgramLeavesNoTab()
{
    TestMain w;
    w.clickProgramItems(QStringLiteral("P01"));
    QVERIFY(!w.OpenProgram(QStringLiteral("없는 화면"), QStringLiteral("UNKNOWN1")));
    QCOMPARE(w.openProgramIds(), QStringList{"P01"});
    QCOMPARE(w.windowMenuProgramIds(), QStringList{"P01"});
    QCOMPARE(w.activeMarkerTab(), 0);
}

void TestMainWindow::closingTheMainWindowStopsAtARefusal()
{
    TestMain w;
    w.clickProgramItems(QStringLiteral("P01"));
    w.clickProgramItems(QStringLiteral("REFUSE"));
    w.clickProgramItems(QStringLiteral("P03"));
    w.show();
    QVERIFY(!w.close());
    QCOMPARE(w.openProgramIds(), (QStringList{"P01", "REFUSE"}));
    QCOMPARE(w.windowMenuProgramIds(), w.openProgramIds());
    // The screens that stay keep their data.
    for (const QString& id : w.openProgramIds())
        QVERIFY(static_cast<ProbeScreen*>(w.screenOf(id))->cdsMain->isOpen());

    TestMain clean;
    clean.clickProgramItems(QStringLiteral("P01"));
    clean.clickProgramItems(QStringLiteral("P03"));
    clean.show();
    QVERIFY(clean.close());
    QVERIFY(clean.openProgramIds().isEmpty());
}

void TestMainWindow::handOverReactivatesOpenScreen()
{
    TestMain w;
    w.clickProgramItems(QStringLiteral("P01"));
    auto* screen = static_cast<ProbeScreen*>(w.screenOf(QStringLiteral("P01")));
    w.show();
    QTRY_COMPARE(screen->shows, 1);
    w.clickProgramItems(QStringLiteral("P03"));
    screen->setState(2);  // an open slip in edit state

    OpenProgramById(QStringLiteral("P01"));
    QCOMPARE(w.tabs()->currentIndex(), 0);
    QCOMPARE(screen->cancels, 2);
    QCOMPARE(screen->shows, 2);

    // A program the employee has no entry for, and that is not open: nothing.
    OpenProgramById(QStringLiteral("P99"));
    QCOMPARE(w.openProgramIds(), (QStringList{"P01", "P03"}));
    w.close();
}

void TestMainWindow::windowMenuOpensAndSwitches_data()
{
    QTest::addColumn<QStringList>("open");
    QTest::addColumn<bool>("byKey");
    QTest::newRow("one screen, mouse") << QStringList{"P01"} << false;
    QTest::newRow("one screen, Alt+W") << QStringList{"P01"} << true;
    QTest::newRow("three screens, mouse") << QStringList{"P01", "P03", "P04"} << false;
    QTest::newRow("three screens, Alt+W") << QStringList{"P01", "P03", "P04"} << true;
}

void TestMainWindow::windowMenuOpensAndSwitches()
{
    QFETCH(QStringList, open);
    QFETCH(bool, byKey);
    TestMain w;
    w.resize(1024, 746);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (const QString& id : open)
        w.clickProgramItems(id);
    QCOMPARE(w.tabs()->currentIndex(), open.size() - 1);

    QMenu* windowMenu = w.findChild<QMenu*>(QStringLiteral("mmuMenuWindow"));
    QVERIFY(windowMenu);
    const auto popUp = [&] {
        if (byKey) {
            QTest::keyClick(w.focusWidget() ? w.focusWidget() : &w, Qt::Key_W, Qt::AltModifier);
        } else {
            const QRect item = w.menuBar()->actionGeometry(windowMenu->menuAction());
            QTest::mouseClick(w.menuBar(), Qt::LeftButton, {}, item.center());
        }
        return QTest::qWaitFor([&] { return windowMenu->isVisible(); }, 2000);
    };
    QVERIFY(popUp());
    // The open screens in tab order, with their captions; the close item
    // stays hidden.
    QStringList shown;
    for (QAction* a : windowMenu->actions())
        if (a->isVisible())
            shown << a->data().toString();
    QCOMPARE(shown, open);

    // Choosing the first screen's item brings its tab forward.
    QAction* first = windowMenu->actions().at(1);
    QTest::mouseClick(windowMenu, Qt::LeftButton, {}, windowMenu->actionGeometry(first).center());
    QTRY_VERIFY(!windowMenu->isVisible());
    QCOMPARE(w.tabs()->currentIndex(), 0);
    QCOMPARE(w.activeMarkerWindowItem(), 1);
    QCOMPARE(w.openProgramIds(), open);

    // And it opens again afterwards.
    QVERIFY(popUp());
    windowMenu->close();
    w.close();
}

TV_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
