// The base program window: status bar panels, the role file, focus colours
// and the hotkey guard of hidden or disabled buttons.
#include "common/AppErrors.h"
#include "common/Session.h"
#include "framework/ZZI000.h"
#include "support/TestMain.h"
#include <QLabel>
#include <QLineEdit>
#include <QComboBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolTip>

class TestBaseWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void roleFile_data();
    void roleFile();
    void statusBarLayout();
    void showStatus();
    void focusColours();

private:
    void writeRole(const QVariant& type, const QString& code, const QString& name);
    QTemporaryDir m_dir;
};

void TestBaseWindow::initTestCase()
{
    Session::exeDir = m_dir.path() + QLatin1Char('/');
    Session::programBaseName = QStringLiteral("tvacct");
    Session::empName = QStringLiteral("김회계");
}

void TestBaseWindow::writeRole(const QVariant& type, const QString& code, const QString& name)
{
    QFile::remove(Session::exeDir + QStringLiteral("tvacct.ini"));
    if (!type.isValid())
        return;
    QSettings ini(Session::exeDir + QStringLiteral("tvacct.ini"), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Role/Type"), type);
    ini.setValue(QStringLiteral("Role/Code"), code);
    ini.setValue(QStringLiteral("Role/Name"), name);
}

void TestBaseWindow::roleFile_data()
{
    QTest::addColumn<QVariant>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("panel3");
    QTest::newRow("site") << QVariant(1) << "본사" << "사업장 - 본사";
    QTest::newRow("team") << QVariant(2) << "회계팀" << "팀 - 회계팀";
    QTest::newRow("outlet") << QVariant(3) << "콘도" << "영업장 - 콘도";
    QTest::newRow("team without name") << QVariant(2) << "" << "";
    QTest::newRow("unknown type") << QVariant(7) << "x" << "";
    QTest::newRow("garbage type") << QVariant(QStringLiteral("abc")) << "x" << "";
    QTest::newRow("no file") << QVariant() << "" << "";
}

void TestBaseWindow::roleFile()
{
    QFETCH(QVariant, type);
    QFETCH(QString, name);
    QFETCH(QString, panel3);
    Session::teamCode = QStringLiteral("old");
    writeRole(type, QStringLiteral("C%1").arg(type.toString()), name);
    TfrmZZI000 screen(QStringLiteral("VCS040"));
    QCOMPARE(screen.statusPanelText(0), QStringLiteral("VCS040"));
    QCOMPARE(screen.statusPanelText(2), QStringLiteral("사용자 : 김회계"));
    QCOMPARE(screen.statusPanelText(3), panel3);
    if (panel3.isEmpty())
        QCOMPARE(screen.statusPanelWidth(3), 0);
    if (type == QVariant(2))
        QCOMPARE(Session::teamCode, QStringLiteral("C2"));
    else
        QCOMPARE(Session::teamCode, QStringLiteral("old"));
}

void TestBaseWindow::statusBarLayout()
{
    writeRole(2, QStringLiteral("T1"), QStringLiteral("회계팀"));
    TfrmZZI000 screen(QStringLiteral("VBI020"));
    screen.resize(1000, 600);
    screen.show();
    QApplication::processEvents();
    const int w0 = screen.statusPanelWidth(0), w2 = screen.statusPanelWidth(2), w3 = screen.statusPanelWidth(3);
    QCOMPARE(screen.statusPanelWidth(1), 1000 - w0 - w2 - w3);
    screen.resize(800, 600);
    QApplication::processEvents();
    QCOMPARE(screen.statusPanelWidth(0), w0);
    QCOMPARE(screen.statusPanelWidth(2), w2);
    QCOMPARE(screen.statusPanelWidth(3), w3);
    QCOMPARE(screen.statusPanelWidth(1), 800 - w0 - w2 - w3);
}

void TestBaseWindow::showStatus()
{
    TfrmZZI000 screen(QStringLiteral("VBI020"));
    screen.ShowStatus(QStringLiteral("3건이 조회되었습니다."));
    QCOMPARE(screen.statusText(), QStringLiteral("3건이 조회되었습니다."));
    screen.ShowStatus(QString());
    QVERIFY(screen.statusText().isEmpty());
}

void TestBaseWindow::focusColours()
{
    TfrmZZI000 screen(QStringLiteral("VBI020"));
    QLineEdit edit, readOnly;
    readOnly.setReadOnly(true);
    QComboBox combo;
    combo.setEditable(true);
    const QColor info = QToolTip::palette().color(QPalette::ToolTipBase);
    screen.edtEnter(&edit);
    QCOMPARE(edit.palette().color(QPalette::Base), info);
    screen.edtExit(&edit);
    QCOMPARE(edit.palette().color(QPalette::Base), QColor(Qt::white));
    screen.edtEnter(&readOnly);
    QCOMPARE(readOnly.palette().color(QPalette::Base), QColor(128, 128, 128));
    screen.edtEnter(&combo);
    QCOMPARE(combo.palette().color(QPalette::Base), info);
}

TV_TEST_MAIN(TestBaseWindow)
#include "tst_basewindow.moc"
