// The search-and-edit window: New and Delete, the navigation buttons over the
// bottom grid, and how all of them follow the search/data mode switch.
#include "common/AppErrors.h"
#include "framework/ZZI020.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

class ProbeScreen : public TfrmZZI020 {
public:
    ProbeScreen() : TfrmZZI020(QStringLiteral("VZZ998"))
    {
        edtSearch = new QLineEdit(panSearch);
        static_cast<QHBoxLayout*>(panSearch->layout())->insertWidget(0, edtSearch);
        auto* body = new QHBoxLayout(panBody);
        edtName = new QLineEdit(panBody);
        body->addWidget(edtName);
    }

    void bbtAddClick() override
    {
        TfrmZZI020::bbtAddClick();
        ++adds;
    }
    void bbtDeleteClick() override
    {
        TfrmZZI020::bbtDeleteClick();
        ++deletes;
    }

    template <typename T = QWidget>
    T* part(const char* name) const { return findChild<T*>(QLatin1String(name)); }
    QString current() const { return cdsGrid->fieldAsString(QStringLiteral("ACCT_CODE")); }

    using TfrmZZI020::cdsGrid;
    using TfrmZZI020::rgrGrid;
    QLineEdit* edtSearch;
    QLineEdit* edtName;
    int adds = 0, deletes = 0;
};

}  // namespace

class TestZZI020 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(); }
    void cleanupTestCase() { m_db.reset(); }
    void layout();
    void modesEnableTheirControls();
    void keysOfDisabledButtonsDoNothing();
    void navigation_data();
    void navigation();
    void navigationWithoutRecords();

private:
    std::unique_ptr<TestDatabase> m_db;
};

void TestZZI020::layout()
{
    ProbeScreen s;
    QCOMPARE(s.part<QPushButton>("bbtAdd")->text(), QStringLiteral("신규(F4)"));
    QCOMPARE(s.part<QPushButton>("bbtDelete")->text(), QStringLiteral("삭제(F9)"));
    const char* nav[] = {"sbtFirst", "sbtPrior", "sbtNext", "sbtLast"};
    const QStringList tips{QStringLiteral("처음 자료"), QStringLiteral("앞 자료"), QStringLiteral("다음 자료"),
                           QStringLiteral("마지막 자료")};
    // The navigation buttons open the strip on its left, in this order.
    auto* row = s.part<QWidget>("panButtons")->findChild<QHBoxLayout*>();
    QVERIFY(row);
    for (int i = 0; i < 4; ++i) {
        auto* button = s.part<QToolButton>(nav[i]);
        QVERIFY2(button, nav[i]);
        QCOMPARE(button->toolTip(), tips[i]);
        QCOMPARE(row->indexOf(button), i);
    }
    QVERIFY(row->indexOf(s.part<QPushButton>("bbtAdd")) < row->indexOf(s.part<QPushButton>("bbtSave")));
    QCOMPARE(s.rgrGrid->height(), 120);
    QVERIFY(s.rgrGrid->rowSelect());
    QVERIFY(!s.rgrGrid->isEditable());
    QCOMPARE(s.rgrGrid->recordSet(), s.cdsGrid);
    // Derived directly from the search strip window: the base creation runs.
    QCOMPARE(s.statusPanelText(0), QStringLiteral("VZZ998"));
}

void TestZZI020::modesEnableTheirControls()
{
    ScriptedDialogs dialogs;
    ProbeScreen s;
    s.show();
    const auto dataControls = [&s] {
        return QList<QWidget*>{s.part("bbtAdd"), s.part("bbtDelete"), s.part("sbtFirst"), s.part("sbtLast"),
                               s.edtName, s.rgrGrid};
    };
    // Search mode: the fields the screen added after the base was built too.
    QVERIFY(s.edtSearch->isEnabled());
    for (QWidget* w : dataControls())
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    s.part<QPushButton>("bbtSearch")->click();
    QVERIFY(!s.edtSearch->isEnabled());
    for (QWidget* w : dataControls())
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(s.part("bbtClose")->isEnabled());
    s.part<QPushButton>("bbtCancel")->click();
    QVERIFY(s.edtSearch->isEnabled());
    QVERIFY(!s.part("bbtAdd")->isEnabled());
}

void TestZZI020::keysOfDisabledButtonsDoNothing()
{
    ScriptedDialogs dialogs;
    ProbeScreen s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    s.activateWindow();
    s.edtSearch->setFocus();
    QTest::keyClick(&s, Qt::Key_F4);
    QTest::keyClick(&s, Qt::Key_F9);
    QCOMPARE(s.adds, 0);
    QCOMPARE(s.deletes, 0);
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY(dialogs.dialogsRun.isEmpty());
    QVERIFY_THROWS_EXCEPTION(SilentAbort, s.bbtAddClick());

    QTest::keyClick(&s, Qt::Key_F3);
    QTest::keyClick(&s, Qt::Key_F4);
    QTest::keyClick(&s, Qt::Key_F9);
    QCOMPARE(s.adds, 1);
    QCOMPARE(s.deletes, 1);
    s.part<QPushButton>("bbtDelete")->hide();
    QTest::keyClick(&s, Qt::Key_F9);
    QCOMPARE(s.deletes, 1);
    QVERIFY(dialogs.dialogsRun.isEmpty());
}

void TestZZI020::navigation_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("row");
    QTest::newRow("last") << QStringList{"sbtLast"} << 3;
    QTest::newRow("next twice") << QStringList{"sbtNext", "sbtNext"} << 2;
    QTest::newRow("last then prior") << QStringList{"sbtLast", "sbtPrior"} << 2;
    QTest::newRow("prior at the first") << QStringList{"sbtPrior"} << 0;
    QTest::newRow("next past the last") << QStringList{"sbtLast", "sbtNext"} << 3;
    QTest::newRow("last then first") << QStringList{"sbtLast", "sbtFirst"} << 0;
}

void TestZZI020::navigation()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, row);
    ProbeScreen s;
    s.show();
    s.part<QPushButton>("bbtSearch")->click();
    s.cdsGrid->open(QStringLiteral("SELECT ACCT_CODE FROM VA020MS WHERE ACCT_CODE IN (:P0, :P1, :P2, :P3) ORDER BY 1"),
                    {QStringLiteral("1110110"), QStringLiteral("1110120"), QStringLiteral("1110000"),
                     QStringLiteral("1100000")});
    QCOMPARE(s.cdsGrid->recordCount(), 4);
    for (const QString& name : clicks)
        s.part<QToolButton>(name.toLatin1().constData())->click();
    QCOMPARE(s.cdsGrid->currentRow(), row);
    QCOMPARE(s.rgrGrid->currentRow(), row);
}

void TestZZI020::navigationWithoutRecords()
{
    ProbeScreen s;
    s.show();
    s.part<QPushButton>("bbtSearch")->click();
    // A closed grid: the buttons do nothing.
    for (const char* name : {"sbtFirst", "sbtPrior", "sbtNext", "sbtLast"})
        s.part<QToolButton>(name)->click();
    QVERIFY(!s.cdsGrid->isOpen());
    s.cdsGrid->open(QStringLiteral("SELECT ACCT_CODE FROM VA020MS WHERE ACCT_CODE = :P0"), {QStringLiteral("x")});
    for (const char* name : {"sbtFirst", "sbtPrior", "sbtNext", "sbtLast"})
        s.part<QToolButton>(name)->click();
    QCOMPARE(s.cdsGrid->currentRow(), -1);
}

TV_TEST_MAIN(TestZZI020)
#include "tst_zzi020.moc"
