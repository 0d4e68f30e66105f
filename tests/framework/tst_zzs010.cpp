// The search-and-print bases on a small report screen: print or preview
// decided by the operation invoked (button or key), disabled buttons, no
// modes, record navigation, the column chooser, and the grid export with its
// number-cell rule read back with an independent reader.
#include "common/Db.h"
#include "common/Query.h"
#include "support/XlsReadBack.h"
#include "framework/ZZP010.h"
#include "framework/ZZS020.h"
#include "framework/print/PreviewWindow.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

using namespace XlsReadBack;

namespace {

class ListLayout : public TfrmZZP010 {
public:
    ListLayout() : TfrmZZP010(QStringLiteral("frmVZZ021")) {}

protected:
    void qrpReportBeforePrint() override { qrlTitle->setText(QStringLiteral("거 래 처 목 록")); }
};

class ReportScreen : public TfrmZZS020 {
public:
    ReportScreen() : TfrmZZS020(QStringLiteral("VZZ020"))
    {
        setWindowTitle(QStringLiteral("거래처 목록"));
        edtName = new QLineEdit(panSearch);
        static_cast<QHBoxLayout*>(panSearch->layout())->insertWidget(0, edtName);
        GridColumn amount(QStringLiteral("BAL_AMT"), QStringLiteral("잔액"));
        amount.displayFormat = QStringLiteral("#,##0");
        GridColumn leftAmount(QStringLiteral("LEFT_AMT"), QStringLiteral("잔액(좌)"));
        leftAmount.alignment = Qt::AlignLeft;
        GridColumn memo(QStringLiteral("MEMO"), QStringLiteral("비고"));
        rgrGrid->setColumns({GridColumn(QStringLiteral("CUST_CODE"), QStringLiteral("코드")),
                             GridColumn(QStringLiteral("CUST_NAME"), QStringLiteral("거래처명")), amount,
                             GridColumn(QStringLiteral("RATE"), QStringLiteral("이율")), leftAmount, memo});
    }

    void bbtSearchClick() override
    {
        TfrmZZS020::bbtSearchClick();
        cdsQuery->open(QStringLiteral("SELECT cust_code, cust_name, bal_amt, rate, bal_amt AS left_amt, memo "
                                      "FROM report_probe ORDER BY cust_code"));
    }
    void bbtPrintClick() override
    {
        TfrmZZS010::bbtPrintClick();
        printReport();
    }
    void bbtPreviewClick() override
    {
        TfrmZZS010::bbtPreviewClick();
        printReport();
    }
    // One routine for both: what it does follows the operation invoked.
    void printReport()
    {
        ListLayout layout;
        layout.PrintOrPreview(PreviewFlag, this);
    }

    QPushButton* button(const char* name) const { return findChild<QPushButton*>(QLatin1String(name)); }
    QToolButton* navigation(const char* name) const { return findChild<QToolButton*>(QLatin1String(name)); }
    QLineEdit* edtName;
};

QStringList menuItems(const QMenu* menu)
{
    QStringList out;
    for (const QAction* item : menu->actions())
        out << (item->isChecked() ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) + item->text();
    return out;
}

QAction* menuItem(const QMenu* menu, const QString& caption)
{
    for (QAction* item : menu->actions())
        if (item->text() == caption)
            return item;
    return nullptr;
}

void showActive(QWidget& w)
{
    w.resize(1000, 600);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
}

}  // namespace

class TestZZS010 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void printOrPreviewByOperation_data();
    void printOrPreviewByOperation();
    void hiddenOrDisabledButtonsDoNothing();
    void noModes();
    void navigation();
    void columnChooser();
    void excelBeforeSearch();
    void excelCellTypes_data();
    void excelCellTypes();
    void excelDialogs();

private:
    std::unique_ptr<TestDatabase> m_db;
};

void TestZZS010::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    ExecSql(QStringLiteral("CREATE TABLE report_probe (cust_code CHAR(7), cust_name VARCHAR(40), "
                           "bal_amt NUMERIC(14), rate NUMERIC(5,2), memo VARCHAR(20))"));
    ExecSql(QStringLiteral("INSERT INTO report_probe VALUES ('0000101', '한빛상사', 1234567, 12.50, '메모'), "
                           "('0000102', '바다식품', -500, 3.00, NULL), ('0000103', '누리물산', NULL, NULL, NULL)"));
}

void TestZZS010::printOrPreviewByOperation_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("preview");
    QTest::newRow("F11") << "F11" << false;
    QTest::newRow("Shift+F11") << "Shift+F11" << true;
    QTest::newRow("Print button") << "bbtPrint" << false;
    QTest::newRow("Preview button") << "bbtPreview" << true;
    // The key decides, not the control that has the focus.
    QTest::newRow("F11 on the Preview button") << "F11 on preview" << false;
    QTest::newRow("Shift+F11 on the Print button") << "Shift+F11 on print" << true;
}

void TestZZS010::printOrPreviewByOperation()
{
    QFETCH(QString, how);
    QFETCH(bool, preview);
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    dialogs.printFile = dir.filePath(QStringLiteral("list.pdf"));
    QString previewTitle;
    dialogs.onDialog = [&](QDialog* d) {
        if (auto* window = qobject_cast<PreviewWindow*>(d))
            previewTitle = window->windowTitle();
        return int(QDialog::Accepted);
    };
    ReportScreen s;
    showActive(s);
    s.ShowStatus(QStringLiteral("지난 메시지"));
    if (how == "F11" || how == "F11 on preview") {
        if (how == "F11 on preview")
            s.button("bbtPreview")->setFocus();
        QTest::keyClick(&s, Qt::Key_F11);
    } else if (how == "Shift+F11" || how == "Shift+F11 on print") {
        if (how == "Shift+F11 on print")
            s.button("bbtPrint")->setFocus();
        QTest::keyClick(&s, Qt::Key_F11, Qt::ShiftModifier);
    } else {
        QTest::mouseClick(s.button(how.toLatin1().constData()), Qt::LeftButton);
    }
    QCOMPARE(s.PreviewFlag, preview);
    QCOMPARE(QFileInfo::exists(dialogs.printFile), !preview);
    QCOMPARE(dialogs.dialogsRun.size(), preview ? 1 : 0);
    QCOMPARE(previewTitle, preview ? QStringLiteral("미리보기 - 거 래 처 목 록") : QString());
    QVERIFY(s.statusText().isEmpty());
}

void TestZZS010::hiddenOrDisabledButtonsDoNothing()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    dialogs.printFile = dir.filePath(QStringLiteral("list.pdf"));
    ReportScreen s;
    showActive(s);
    s.button("bbtPrint")->setEnabled(false);
    s.button("bbtPreview")->hide();
    s.button("bbtSearch")->setEnabled(false);
    QTest::keyClick(&s, Qt::Key_F11);
    QTest::keyClick(&s, Qt::Key_F11, Qt::ShiftModifier);
    QTest::keyClick(&s, Qt::Key_F3);
    QVERIFY(!QFileInfo::exists(dialogs.printFile));
    QVERIFY(dialogs.dialogsRun.isEmpty());
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY(!s.resultSet()->isOpen());
}

void TestZZS010::noModes()
{
    ReportScreen s;
    showActive(s);
    QCOMPARE(s.statusPanelText(0), QStringLiteral("VZZ020"));
    QTest::keyClick(&s, Qt::Key_F3);
    QCOMPARE(s.resultSet()->recordCount(), 3);
    // Conditions stay editable and a new search replaces the result.
    QVERIFY(s.edtName->isEnabled());
    QVERIFY(s.button("bbtSearch")->isEnabled());
    ExecSql(QStringLiteral("INSERT INTO report_probe VALUES ('0000104', '새거래처', 1, 1, NULL)"));
    QTest::keyClick(&s, Qt::Key_F3);
    QCOMPARE(s.resultSet()->recordCount(), 4);
    ExecSql(QStringLiteral("DELETE FROM report_probe WHERE cust_code = '0000104'"));
}

void TestZZS010::navigation()
{
    ReportScreen s;
    s.show();
    QCOMPARE(s.navigation("sbtFirst")->toolTip(), QStringLiteral("처음 자료"));
    QCOMPARE(s.navigation("sbtPrior")->toolTip(), QStringLiteral("앞 자료"));
    QCOMPARE(s.navigation("sbtNext")->toolTip(), QStringLiteral("다음 자료"));
    QCOMPARE(s.navigation("sbtLast")->toolTip(), QStringLiteral("마지막 자료"));
    s.navigation("sbtNext")->click();  // nothing open: nothing happens
    QVERIFY(!s.resultSet()->isOpen());

    s.button("bbtSearch")->click();
    const QList<QPair<const char*, int>> steps = {{"sbtLast", 2}, {"sbtPrior", 1}, {"sbtFirst", 0},
                                                  {"sbtPrior", 0}, {"sbtNext", 1}};
    for (const auto& [name, row] : steps) {
        s.navigation(name)->click();
        QCOMPARE(s.resultSet()->currentRow(), row);
        QCOMPARE(s.resultGrid()->currentRow(), row);
    }
}

void TestZZS010::columnChooser()
{
    ReportScreen s;
    showActive(s);
    s.resultGrid()->setColumnHidden(QStringLiteral("LEFT_AMT"), true);
    QVERIFY(s.columnMenu()->isEmpty());
    s.button("bbtSearch")->click();
    QCOMPARE(menuItems(s.columnMenu()), (QStringList{"[x] 코드", "[x] 거래처명", "[x] 잔액", "[x] 이율",
                                                     "[ ] 잔액(좌)", "[x] 비고"}));

    // Choosing an item flips its mark and the column.
    menuItem(s.columnMenu(), QStringLiteral("비고"))->trigger();
    QVERIFY(s.resultGrid()->isColumnHidden(QStringLiteral("MEMO")));
    menuItem(s.columnMenu(), QStringLiteral("잔액(좌)"))->trigger();
    QVERIFY(!s.resultGrid()->isColumnHidden(QStringLiteral("LEFT_AMT")));
    QCOMPARE(menuItems(s.columnMenu()), (QStringList{"[x] 코드", "[x] 거래처명", "[x] 잔액", "[x] 이율",
                                                     "[x] 잔액(좌)", "[ ] 비고"}));

    // The next search lists the columns in the order shown.
    s.resultGrid()->horizontalHeader()->moveSection(3, 0);
    s.button("bbtSearch")->click();
    QCOMPARE(menuItems(s.columnMenu()).first(), QStringLiteral("[x] 이율"));

    // The menu opens on the grid, but not over grouped headers.
    s.popGridPopup(QPoint(5, 5));
    QVERIFY(s.columnMenu()->isVisible());
    s.columnMenu()->close();
    s.resultGrid()->setColumnGroup(QStringLiteral("금액"), {QStringLiteral("BAL_AMT"), QStringLiteral("LEFT_AMT")});
    s.popGridPopup(QPoint(5, 5));
    QVERIFY(!s.columnMenu()->isVisible());
}

void TestZZS010::excelBeforeSearch()
{
    ScriptedDialogs dialogs;
    ReportScreen s;
    showActive(s);
    QTest::keyClick(&s, Qt::Key_F11, Qt::ControlModifier);
    QCOMPARE(s.statusText(), Xls::kNoResult);
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY(dialogs.askedFileNames.isEmpty());
    QVERIFY(!QApplication::overrideCursor());
}

void TestZZS010::excelCellTypes_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("first");   // "n:" number or "t:" text of the first record
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("third");
    QTest::newRow("left-aligned digit code stays text") << 0 << "코드" << "t:0000101" << "t:0000102" << "t:0000103";
    QTest::newRow("name") << 1 << "거래처명" << "t:한빛상사" << "t:바다식품" << "t:누리물산";
    QTest::newRow("right-aligned integer amount is a number")
        << 2 << "잔액" << "n:1234567" << "n:-500" << "t:";
    QTest::newRow("rate with a point stays text, a whole rate is a number")
        << 3 << "이율" << "t:12.5" << "n:3" << "t:";
    QTest::newRow("left-aligned integer amount stays text") << 4 << "잔액(좌)" << "t:1234567" << "t:-500" << "t:";
    QTest::newRow("column hidden through the menu is still written") << 5 << "비고" << "t:메모" << "t:" << "t:";
}

void TestZZS010::excelCellTypes()
{
    QFETCH(int, column);
    QFETCH(QString, title);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, third);
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    ReportScreen s;
    showActive(s);
    s.button("bbtSearch")->click();
    menuItem(s.columnMenu(), QStringLiteral("비고"))->trigger();
    s.resultSet()->moveTo(1);
    const QString path = dir.filePath(QStringLiteral("목록.xls"));
    dialogs.fileNames = {path};
    dialogs.yesNoAnswers = {false};
    QTest::keyClick(&s, Qt::Key_F11, Qt::ControlModifier);
    const Sheet sheet = readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.rows, 6);
    QCOMPARE(sheet.columns, 6);
    QCOMPARE(sheet.at(0, 0).text, QStringLiteral("거래처 목록"));
    QCOMPARE(sheet.at(2, column).text, title);
    const auto shown = [&](int row) {
        const Cell c = sheet.at(row, column);
        return c.type == Cell::Number ? QStringLiteral("n:") + QString::number(c.number, 'g', 15)
             : c.type == Cell::Text   ? QStringLiteral("t:") + c.text
                                      : QStringLiteral("empty");
    };
    QCOMPARE(shown(3), first);
    QCOMPARE(shown(4), second);
    QCOMPARE(shown(5), third);
    QCOMPARE(s.resultSet()->currentRow(), 1);
    QVERIFY(!QApplication::overrideCursor());
}

void TestZZS010::excelDialogs()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    ReportScreen s;
    showActive(s);
    s.button("bbtSearch")->click();

    // Cancelled save dialog: the program ID was proposed, the notice is in
    // the status bar.
    QTest::keyClick(&s, Qt::Key_F11, Qt::ControlModifier);
    QCOMPARE(dialogs.askedFileNames, QStringList{QStringLiteral("VZZ020")});
    QCOMPARE(s.statusText(), Xls::kNoFileName);

    // A name typed without extension gets ".xls"; an existing file is
    // overwritten only after the question; then the offer to open it.
    const QString existing = dir.filePath(QStringLiteral("목록.xls"));
    QFile old(existing);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    dialogs.clear();
    dialogs.fileNames = {dir.filePath(QStringLiteral("목록"))};
    dialogs.yesNoAnswers = {false};
    QTest::keyClick(&s, Qt::Key_F11, Qt::ControlModifier);
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("이미 존재하는 파일입니다.\r새 내용으로 덮어쓸까요?")});
    QCOMPARE(QFileInfo(existing).size(), 3);

    dialogs.clear();
    dialogs.fileNames = {dir.filePath(QStringLiteral("목록"))};
    dialogs.yesNoAnswers = {true, true};
    QTest::keyClick(&s, Qt::Key_F11, Qt::ControlModifier);
    QCOMPARE(dialogs.texts(), (QStringList{QStringLiteral("이미 존재하는 파일입니다.\r새 내용으로 덮어쓸까요?"),
                                           QStringLiteral("저장한 파일(목록.xls)을 Excel로 불러올까요?")}));
    QCOMPARE(dialogs.openedFiles, QStringList{QFileInfo(existing).absoluteFilePath()});
    QVERIFY(readSheet(existing).error.isEmpty());

    // A file that cannot be written: the error box.
    dialogs.clear();
    dialogs.fileNames = {dir.filePath(QStringLiteral("없는폴더/목록.xls"))};
    QTest::keyClick(&s, Qt::Key_F11, Qt::ControlModifier);
    QCOMPARE(dialogs.texts(), QStringList{Xls::kCannotSave});
    QVERIFY(!QApplication::overrideCursor());
}

TV_TEST_MAIN(TestZZS010)
#include "tst_zzs010.moc"
