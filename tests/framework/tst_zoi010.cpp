// The document base on a small screen: its state table with the enabling
// rules and the status texts, buttons that do nothing while disabled, the
// field handlers, the status bar without the role file, and the server date.
#include "common/Db.h"
#include "common/Session.h"
#include "framework/ZOI010.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

class DocumentScreen : public TfrmZOI010 {
public:
    DocumentScreen() : TfrmZOI010(QStringLiteral("VZZ040"))
    {
        edtDocNo = new QLineEdit(panSearch);
        static_cast<QHBoxLayout*>(panSearch->layout())->insertWidget(0, edtDocNo);
        auto* master = new QHBoxLayout(panMaster);
        edtTitle = new QLineEdit(panMaster);
        master->addWidget(edtTitle);
        list = new QTableWidget(3, 2, panDisplay);
        panDisplay->layout()->addWidget(list);
        auto* input = new QVBoxLayout(panInput);
        edtName = new QLineEdit(panInput);
        edtFixed = new QLineEdit(QStringLiteral("고정"), panInput);
        edtFixed->setReadOnly(true);
        cboKind = new QComboBox(panInput);
        cboKind->addItems({QStringLiteral("이관"), QStringLiteral("반환")});
        edtLast = new QLineEdit(panInput);
        for (QWidget* w : std::initializer_list<QWidget*>{edtName, edtFixed, cboKind, edtLast})
            input->addWidget(w);
    }

    void glSelect() override { RecordCount = rows; }
    void glInsert() override { ++inserts; }
    void glEdit() override { ++edits; }
    void glSave() override { Done = valid; }
    void glCancel() override { ++cancels; }
    void glDelete() override
    {
        if (deleteAnswer) {
            --rows;
            RecordCount = rows;
            Done = true;
        }
    }

    QPushButton* button(const char* name) const { return findChild<QPushButton*>(QLatin1String(name)); }
    QToolButton* navigation(const char* name) const { return findChild<QToolButton*>(QLatin1String(name)); }

    QLineEdit *edtDocNo, *edtTitle, *edtName, *edtFixed, *edtLast;
    QComboBox* cboKind;
    QTableWidget* list;
    int rows = 0, inserts = 0, edits = 0, cancels = 0;
    bool valid = true;
    bool deleteAnswer = true;
};

// New Edit Delete Save Cancel Search, then the four navigation buttons.
QString enabledButtons(const DocumentScreen& s)
{
    QString out;
    for (const char* name : {"bbtAdd", "bbtEdit", "bbtDelete", "bbtSave", "bbtCancel", "bbtSearch"})
        out += s.button(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    out += QLatin1Char(' ');
    for (const char* name : {"sbtFirst", "sbtPrior", "sbtNext", "sbtLast"})
        out += s.navigation(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

void showActive(QWidget& w)
{
    w.resize(1000, 600);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
}

}  // namespace

class TestZOI010 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void stateTable_data();
    void stateTable();
    void disabledButtonsDoNothing();
    void popupMenuItems();
    void fieldHandlers();
    void statusBarWithoutRoleFile();
    void systemDateFromServer();

private:
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_dir;
};

void TestZOI010::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Session::exeDir = m_dir.path() + QLatin1Char('/');
}

void TestZOI010::stateTable_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("deleteAnswer");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("docState");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("status");
    const QString idleRows = QStringLiteral("111001 1111");
    const QString idleEmpty = QStringLiteral("100001 0000");
    const QString editing = QStringLiteral("000110 0000");
    QTest::newRow("just opened") << 0 << true << true << QStringList{} << 0 << idleEmpty << "";
    QTest::newRow("search, no rows") << 0 << true << true << QStringList{"search"} << 0 << idleEmpty << "";
    QTest::newRow("search, rows") << 3 << true << true << QStringList{"search"} << 0 << idleRows << "";
    QTest::newRow("new without rows") << 0 << true << true << QStringList{"new"} << 2 << editing << "[ 신규 ] 상태";
    QTest::newRow("new, saved") << 3 << true << true << QStringList{"search", "new", "save"} << 0 << idleRows
                                << "신규 입력이 정상적으로 완료되었습니다.";
    // A new document that fails validation stays in insert with Save and Cancel.
    QTest::newRow("new, refused") << 3 << false << true << QStringList{"search", "new", "save"} << 2 << editing
                                  << "[ 신규 ] 상태";
    QTest::newRow("edit") << 3 << true << true << QStringList{"search", "edit"} << 1 << editing << "[ 수정 ] 상태";
    QTest::newRow("edit, saved") << 3 << true << true << QStringList{"search", "edit", "save"} << 0 << idleRows
                                 << "수정이 정상적으로 완료되었습니다.";
    QTest::newRow("edit, cancelled") << 3 << true << true << QStringList{"search", "edit", "cancel"} << 0 << idleRows
                                     << "작업이 취소 되었습니다.";
    QTest::newRow("new, cancelled") << 0 << true << true << QStringList{"new", "cancel"} << 0 << idleEmpty
                                    << "작업이 취소 되었습니다.";
    QTest::newRow("delete the last row") << 1 << true << true << QStringList{"search", "delete"} << 0 << idleEmpty
                                         << "삭제가 완료 되었습니다";
    // A deletion the user declined is not reported as done.
    QTest::newRow("delete declined") << 1 << true << false << QStringList{"search", "delete"} << 0
                                     << "111001 1111" << "";
}

void TestZOI010::stateTable()
{
    QFETCH(int, rows);
    QFETCH(bool, valid);
    QFETCH(bool, deleteAnswer);
    QFETCH(QStringList, events);
    QFETCH(int, docState);
    QFETCH(QString, enabled);
    QFETCH(QString, status);
    ScriptedDialogs dialogs;
    DocumentScreen s;
    s.show();
    s.rows = rows;
    s.valid = valid;
    s.deleteAnswer = deleteAnswer;
    for (const QString& e : events) {
        const char* name = e == "search" ? "bbtSearch" : e == "new" ? "bbtAdd" : e == "edit" ? "bbtEdit"
                         : e == "save" ? "bbtSave" : e == "delete" ? "bbtDelete" : "bbtCancel";
        s.button(name)->click();
    }
    QCOMPARE(s.DocState, docState);
    QCOMPARE(enabledButtons(s), enabled);
    QCOMPARE(s.statusText(), status);
    const bool editingNow = docState == 1 || docState == 2;
    QCOMPARE(s.findChild<QWidget*>(QStringLiteral("panInput"))->isEnabled(), editingNow);
    QCOMPARE(s.findChild<QWidget*>(QStringLiteral("panDisplay"))->isEnabled(), !editingNow);
    QVERIFY(s.edtTitle->isEnabled());  // the document header is never locked by the base
    QVERIFY(dialogs.dialogsRun.isEmpty());
}

void TestZOI010::disabledButtonsDoNothing()
{
    ScriptedDialogs dialogs;
    DocumentScreen s;
    showActive(s);
    // Print, Preview and Excel are hidden until a screen shows them.
    QVERIFY(s.button("bbtPrint")->isHidden());
    QVERIFY(s.button("bbtPreview")->isHidden());
    QVERIFY(s.button("bbtExcel")->isHidden());

    QTest::keyClick(&s, Qt::Key_F5);  // Edit without rows
    QTest::keyClick(&s, Qt::Key_F9);  // Delete without rows
    QTest::keyClick(&s, Qt::Key_F2);  // Save while idle
    QTest::keyClick(&s, Qt::Key_F8);  // Cancel while idle
    QCOMPARE(s.DocState, 0);
    QCOMPARE(s.edits + s.cancels, 0);
    QVERIFY(s.statusText().isEmpty());
    QVERIFY(dialogs.dialogsRun.isEmpty());

    QTest::keyClick(&s, Qt::Key_F4);
    QCOMPARE(s.DocState, 2);
    QCOMPARE(s.inserts, 1);
    QTest::keyClick(&s, Qt::Key_F3);  // Search is disabled while editing
    QTest::keyClick(&s, Qt::Key_F4);
    QCOMPARE(s.inserts, 1);
    QTest::keyClick(&s, Qt::Key_F8);
    QCOMPARE(s.DocState, 0);
    QCOMPARE(s.cancels, 1);
}

void TestZOI010::popupMenuItems()
{
    ScriptedDialogs dialogs;
    DocumentScreen s;
    showActive(s);
    s.rows = 2;
    auto* menu = s.findChild<QMenu*>(QStringLiteral("popScreen"));
    QVERIFY(menu);
    QStringList items;
    for (const QAction* item : menu->actions())
        items << item->text() + QLatin1Char(' ') + item->shortcut().toString() + (item->isVisible() ? "" : " hidden");
    QCOMPARE(items, (QStringList{QStringLiteral("신규 F4"), QStringLiteral("수정 F5"), QStringLiteral("삭제 F9")}));

    // The items run the operations, which do nothing while their button is
    // disabled.
    menu->actions().at(1)->trigger();  // Edit before a search
    QCOMPARE(s.edits, 0);
    s.button("bbtSearch")->click();
    menu->actions().at(1)->trigger();
    QCOMPARE(s.edits, 1);
    QCOMPARE(s.DocState, 1);
    menu->actions().at(0)->trigger();  // New while editing
    QCOMPARE(s.inserts, 0);
}

void TestZOI010::fieldHandlers()
{
    DocumentScreen s;
    showActive(s);
    s.button("bbtAdd")->click();
    s.edtName->setFocus();
    QCOMPARE(s.edtName->palette().color(QPalette::Base), QColor(255, 255, 0));
    QTest::keyClick(s.edtName, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), s.edtFixed);
    QCOMPARE(s.edtName->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
    // A read-only edit shows the button face, on entry and exit.
    QCOMPARE(s.edtFixed->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
    QTest::keyClick(s.edtFixed, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), s.cboKind);
    QCOMPARE(s.edtFixed->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
    // Up in a combo box changes its selection; Enter still moves on.
    s.cboKind->setCurrentIndex(1);
    QTest::keyClick(s.cboKind, Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), s.cboKind);
    QCOMPARE(s.cboKind->currentIndex(), 0);
    QCOMPARE(s.cboKind->palette().color(QPalette::Base), QColor(255, 255, 0));
    QTest::keyClick(s.cboKind, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), s.edtLast);
    QTest::keyClick(s.edtLast, Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), s.cboKind);
}

void TestZOI010::statusBarWithoutRoleFile()
{
    {
        QSettings ini(Session::exeDir + Session::programBaseName + QStringLiteral(".ini"), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Role/Type"), 2);
        ini.setValue(QStringLiteral("Role/Code"), QStringLiteral("T9"));
        ini.setValue(QStringLiteral("Role/Name"), QStringLiteral("재무팀"));
    }
    Session::teamCode = QStringLiteral("T1");
    DocumentScreen s;
    QCOMPARE(s.statusPanelText(0), QStringLiteral("VZZ040"));
    QCOMPARE(s.statusPanelText(2), QStringLiteral("사용자 : 관리자"));
    QCOMPARE(s.statusPanelText(3), QString());
    QCOMPARE(s.statusPanelWidth(3), 0);
    QCOMPARE(Session::teamCode, QStringLiteral("T1"));
    QVERIFY(s.statusPanelWidth(0) > s.fontMetrics().horizontalAdvance(QStringLiteral("VZZ040")));
}

void TestZOI010::systemDateFromServer()
{
    DocumentScreen s;
    const QString today = s.GetSystemDate();
    QCOMPARE(today, Db::scalar(QStringLiteral("SELECT to_char(current_date, 'yyyy-mm-dd')")).toString());
    QVERIFY(QDate::fromString(today, QStringLiteral("yyyy-MM-dd")).isValid());
}

TV_TEST_MAIN(TestZOI010)
#include "tst_zoi010.moc"
