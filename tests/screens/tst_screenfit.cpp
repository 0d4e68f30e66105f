// Every screen of the dispatch table, opened in the main window at the
// smallest size the client supports (1024x768), shows its captions whole:
// no label, button, radio or check caption, group title or list column title
// is cut, and no control lies outside the part of the screen that is shown.
// (Whether a list's columns all fit its width is a choice per list: the slip
// lines scroll sideways by design. Those are looked at in the pictures.)
// With TV_SCREENSHOT_DIR set, each screen's picture is written there as
// <program ID>.png for a look by eye.
#include "common/Session.h"
#include "grid/DataGrid.h"
#include "shell/Application.h"
#include "shell/V0Main.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

// The part of the widget its ancestors leave visible, in its own coordinates.
QRect visiblePart(const QWidget* widget, const QWidget* top)
{
    QRect part = widget->rect();
    for (const QWidget* w = widget; w && w != top; w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        if (!parent)
            break;
        const QRect inParent = parent->rect().translated(-widget->mapTo(parent, QPoint(0, 0)));
        part &= inParent;
    }
    return part;
}

QString describe(const QWidget* w)
{
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(w))
        text = label->text();
    else if (auto* button = qobject_cast<const QAbstractButton*>(w))
        text = button->text();
    else if (auto* box = qobject_cast<const QGroupBox*>(w))
        text = box->title();
    return QStringLiteral("%1 %2 \"%3\" %4x%5")
        .arg(QLatin1String(w->metaObject()->className()), w->objectName(), text)
        .arg(w->width())
        .arg(w->height());
}

// What does not fit on the screen, one line each.
QStringList clippedControls(QWidget* screen)
{
    QStringList out;
    for (QWidget* w : screen->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow() || qobject_cast<QScrollBar*>(w))
            continue;
        // Controls inside a list scroll with it; the list itself is checked.
        bool inList = false;
        for (QWidget* p = w->parentWidget(); p && p != screen; p = p->parentWidget())
            inList |= qobject_cast<QAbstractScrollArea*>(p) != nullptr;
        if (inList)
            continue;
        if (visiblePart(w, screen) != w->rect()) {
            out << QStringLiteral("outside the shown area: ") + describe(w);
            continue;
        }
        QSize needed;
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty() && !label->wordWrap())
            needed = label->sizeHint();
        else if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty())
            needed = button->sizeHint();
        else if (auto* box = qobject_cast<QGroupBox*>(w); box && !box->title().isEmpty())
            needed = box->minimumSizeHint();
        if (needed.isValid() && (w->width() < needed.width() || w->height() < needed.height()))
            out << QStringLiteral("cut (needs %1x%2): ").arg(needed.width()).arg(needed.height()) + describe(w);
    }
    // A column title wider than its column is cut.
    for (DataGrid* grid : screen->findChildren<DataGrid*>()) {
        if (!grid->isVisible())
            continue;
        QHeaderView* header = grid->horizontalHeader();
        for (int i = 0; i < header->count(); ++i)
            if (!header->isSectionHidden(i) && header->sectionSize(i) < header->sectionSizeHint(i))
                out << QStringLiteral("%1: column \"%2\" %3 px, its title needs %4")
                           .arg(grid->objectName(), grid->columnCaption(i))
                           .arg(header->sectionSize(i))
                           .arg(header->sectionSizeHint(i));
    }
    return out;
}

}  // namespace

class TestScreenFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void fitsTheSmallestWindow_data();
    void fitsTheSmallestWindow();

private:
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_exeDir;
};

void TestScreenFit::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Session::exeDir = m_exeDir.path() + QLatin1Char('/');
    Session::empNo = QStringLiteral("1001");
    Application::useClientFont();
}

void TestScreenFit::fitsTheSmallestWindow_data()
{
    QTest::addColumn<QString>("programId");
    for (const TfrmV0Main::DispatchEntry& entry : TfrmV0Main::dispatchTable())
        if (entry.create)
            QTest::newRow(entry.programId) << QString::fromLatin1(entry.programId);
}

void TestScreenFit::fitsTheSmallestWindow()
{
    QFETCH(QString, programId);
    ScriptedDialogs dialogs;
    TfrmV0Main main;
    main.resize(1024, 768);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.OpenProgram(programId, programId);
    QWidget* screen = main.screenOf(programId);
    QVERIFY(screen);
    QCoreApplication::processEvents();
    QCOMPARE(main.size(), QSize(1024, 768));

    if (const QByteArray dir = qgetenv("TV_SCREENSHOT_DIR"); !dir.isEmpty())
        main.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(programId + QStringLiteral(".png")));

    const QStringList clipped = clippedControls(screen);
    if (!clipped.isEmpty())
        QFAIL(qPrintable(clipped.join(QLatin1Char('\n'))));
}

TV_TEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
