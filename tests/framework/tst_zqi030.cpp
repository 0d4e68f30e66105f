// The inquiry base on a small screen: its enabling table with the "전체"
// box and the record count, the Search and Cancel differences, a search that
// fails, field rules (arrows in every field, numeric edits, the empty date),
// the export helpers of the screen, and the screen print.
#include "common/Db.h"
#include "common/NumEdit.h"
#include "common/Query.h"
#include "support/XlsReadBack.h"
#include "framework/ZQI030.h"
#include "grid/DataGrid.h"
#include "shell/ErrorDlg.h"
#include "support/PdfTools.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <stdexcept>

using namespace XlsReadBack;

namespace {

using namespace PdfTools;

class InquiryScreen : public TfrmZQI030 {
public:
    InquiryScreen() : TfrmZQI030(QStringLiteral("VZZ030"))
    {
        setWindowTitle(QStringLiteral("거래처 잔액 조회"));
        edtCustomer = new QLineEdit(panSearch);
        edtCustomer->setObjectName(QStringLiteral("edtCustomer"));
        static_cast<QHBoxLayout*>(panSearch->layout())->insertWidget(0, edtCustomer);

        grid = new DataGrid(panDisp);
        grid->setObjectName(QStringLiteral("rgrGrid"));
        grid->setRecordSet(&result);
        panDisp->layout()->addWidget(grid);

        auto* input = new QVBoxLayout(panInput);
        edtName = new QLineEdit(panInput);
        edtName->setObjectName(QStringLiteral("edtName"));
        cboKind = new QComboBox(panInput);
        cboKind->addItems({QStringLiteral("매출"), QStringLiteral("매입")});
        numAmount = new NumEdit(panInput);
        numAmount->setObjectName(QStringLiteral("numAmount"));
        medFromDATE = new QLineEdit(panInput);
        medFromDATE->setObjectName(QStringLiteral("medFromDATE"));
        medFromDATE->setInputMask(QStringLiteral("9999-99-99;_"));
        dtpDate = new QDateEdit(QDate(2026, 1, 1), panInput);
        for (QWidget* w : std::initializer_list<QWidget*>{edtName, cboKind, numAmount, medFromDATE, dtpDate})
            input->addWidget(w);
    }

    void DoSearch() override
    {
        ++searches;
        if (searchFails)
            throw std::runtime_error("search failed");
        result.open(QStringLiteral("SELECT cust_code, cust_name, bal_amt, rate FROM inquiry_probe ORDER BY cust_code"));
        RecordCount = rows;
        RefreshButtons();
    }
    void DoSave() override { Done = true; }
    void DoExcel() override
    {
        cursorDuringExcel = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : -1;
        lastExport = ExportDBGrid(grid, QStringLiteral("거래처"));
        if (excelFails)
            throw std::runtime_error("export failed");
    }

    QPushButton* button(const char* name) const { return findChild<QPushButton*>(QLatin1String(name)); }
    QCheckBox* allData() const { return chkExcelAllData; }
    QGroupBox* excelGroup() const { return grpExcel; }
    QString countText() const { return lblRecordCount->text(); }
    using TfrmZQI030::RefreshButtons;

    RecordSet result;
    DataGrid* grid;
    QLineEdit *edtCustomer, *edtName, *medFromDATE;
    QComboBox* cboKind;
    NumEdit* numAmount;
    QDateEdit* dtpDate;
    int rows = 0;
    int searches = 0;
    bool searchFails = false;
    bool excelFails = false;
    int cursorDuringExcel = -1;
    XlsExportResult lastExport = XlsExportResult::Failed;
};

// Enabled buttons in strip order: Search Excel Print Preview New Edit Delete Save Cancel.
QString enabledButtons(const InquiryScreen& s)
{
    QString out;
    for (const char* name : {"bbtSearch", "bbtExcel", "bbtPrint", "bbtPreview", "bbtAdd", "bbtEdit", "bbtDelete",
                             "bbtSave", "bbtCancel"})
        out += s.button(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
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

class TestZQI030 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void creationShowsProgramAndUser();
    void enablingTable_data();
    void enablingTable();
    void searchMovesFocusIntoData();
    void failedSearchKeepsStateNone();
    void cancelFromBrowseClearsDisplayAndInput();
    void arrowsMoveInEveryField();
    void dateExitCheck_data();
    void dateExitCheck();
    void exportHelpers();
    void screenPrint();

private:
    std::unique_ptr<TestDatabase> m_db;
};

void TestZQI030::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    ExecSql(QStringLiteral("CREATE TABLE inquiry_probe (cust_code CHAR(10), cust_name VARCHAR(40), "
                           "bal_amt NUMERIC(14), rate NUMERIC(5,2))"));
    ExecSql(QStringLiteral("INSERT INTO inquiry_probe VALUES ('CU00000001', '한빛상사', 1500000, 2.5), "
                           "('CU00000002', '바다식품', -20000, 10.00)"));
}

void TestZQI030::creationShowsProgramAndUser()
{
    InquiryScreen s;
    QCOMPARE(s.statusPanelText(0), QStringLiteral("VZZ030"));
    QCOMPARE(s.statusPanelText(2), QStringLiteral("사용자 : 관리자"));
    QVERIFY(s.excelGroup()->isHidden());
    QCOMPARE(s.findChild<QWidget*>(QStringLiteral("panInput"))->width(), 409);
}

void TestZQI030::enablingTable_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<bool>("boxEnabled");
    QTest::addColumn<bool>("boxChecked");
    QTest::addColumn<QString>("count");
    QTest::newRow("just opened") << 0 << QStringList{} << 0 << "100000000" << false << false << "RecordCount : 0";
    QTest::newRow("search, no rows") << 0 << QStringList{"search"} << 1 << "000010001" << true << false
                                     << "RecordCount : 0";
    QTest::newRow("no rows, all data ticked") << 0 << QStringList{"search", "all"} << 1 << "011110001" << true
                                              << true << "RecordCount : 0";
    QTest::newRow("all data ticked, cancel") << 0 << QStringList{"search", "all", "cancel"} << 0 << "100000000"
                                             << false << false << "RecordCount : 0";
    QTest::newRow("all data ticked, new") << 0 << QStringList{"search", "all", "new"} << 3 << "000000011" << false
                                          << true << "RecordCount : 0";
    QTest::newRow("all data ticked, new, cancel") << 0 << QStringList{"search", "all", "new", "cancel"} << 1
                                                  << "011110001" << true << true << "RecordCount : 0";
    QTest::newRow("search, rows") << 12345 << QStringList{"search"} << 1 << "011111101" << true << false
                                  << "RecordCount : 12,345";
    QTest::newRow("rows, edit") << 2 << QStringList{"search", "edit"} << 2 << "000000011" << false << false
                                << "RecordCount : 2";
    QTest::newRow("rows, edit, save") << 2 << QStringList{"search", "edit", "save"} << 1 << "011111101" << true
                                      << false << "RecordCount : 2";
    QTest::newRow("rows, cancel") << 2 << QStringList{"search", "cancel"} << 0 << "100000000" << false << false
                                  << "RecordCount : 0";
}

void TestZQI030::enablingTable()
{
    QFETCH(int, rows);
    QFETCH(QStringList, events);
    QFETCH(int, state);
    QFETCH(QString, enabled);
    QFETCH(bool, boxEnabled);
    QFETCH(bool, boxChecked);
    QFETCH(QString, count);
    ScriptedDialogs dialogs;
    InquiryScreen s;
    s.excelGroup()->show();
    s.show();
    s.rows = rows;
    for (const QString& e : events) {
        if (e == "all") {
            s.allData()->click();
            continue;
        }
        const char* name = e == "search" ? "bbtSearch" : e == "new" ? "bbtAdd" : e == "edit" ? "bbtEdit"
                         : e == "save" ? "bbtSave" : "bbtCancel";
        s.button(name)->click();
    }
    QCOMPARE(s.State, state);
    QCOMPARE(enabledButtons(s), enabled);
    QCOMPARE(s.allData()->isEnabled(), boxEnabled);
    QCOMPARE(s.excelGroup()->isEnabled(), boxEnabled);
    QCOMPARE(s.allData()->isChecked(), boxChecked);
    QCOMPARE(s.countText(), count);
    const bool editing = state == 2 || state == 3;
    QCOMPARE(s.findChild<QWidget*>(QStringLiteral("panInput"))->isEnabled(), editing);
    QCOMPARE(s.edtCustomer->isEnabled(), state == 0);
}

void TestZQI030::searchMovesFocusIntoData()
{
    ScriptedDialogs dialogs;
    InquiryScreen s;
    showActive(s);
    s.edtCustomer->setFocus();
    QTest::keyClick(&s, Qt::Key_F3);
    QCOMPARE(s.searches, 1);
    QCOMPARE(s.State, 1);
    QVERIFY(!s.button("bbtSearch")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), s.grid);
    // A second F3 in browse does nothing.
    QTest::keyClick(&s, Qt::Key_F3);
    QCOMPARE(s.searches, 1);
    QVERIFY(dialogs.dialogsRun.isEmpty());

    // Save leaves the focus where it was (the maintenance base moves it to New).
    s.button("bbtAdd")->click();
    s.edtName->setFocus();
    QTest::keyClick(&s, Qt::Key_F2);
    QCOMPARE(s.State, 1);
    QVERIFY(s.button("bbtAdd")->isEnabled());
    QVERIFY(QApplication::focusWidget() != s.button("bbtAdd"));
}

void TestZQI030::failedSearchKeepsStateNone()
{
    ScriptedDialogs dialogs;
    QString message;
    dialogs.onDialog = [&](QDialog* d) {
        if (auto* error = qobject_cast<TFrmError*>(d))
            message = error->messageText();
        return int(QDialog::Accepted);
    };
    InquiryScreen s;
    showActive(s);
    s.searchFails = true;
    QTest::keyClick(&s, Qt::Key_F3);
    QCOMPARE(dialogs.dialogsRun.size(), 1);
    QVERIFY(message.contains(QStringLiteral("search failed")));
    // The screen is not left in browse with Search and Cancel both disabled.
    QCOMPARE(s.State, 0);
    QCOMPARE(enabledButtons(s), QStringLiteral("100000000"));
    s.searchFails = false;
    QTest::keyClick(&s, Qt::Key_F3);
    QCOMPARE(s.State, 1);
}

void TestZQI030::cancelFromBrowseClearsDisplayAndInput()
{
    InquiryScreen s;
    s.show();
    s.rows = 2;
    s.button("bbtSearch")->click();
    QVERIFY(s.result.isOpen());
    s.edtName->setText(QStringLiteral("남은 입력"));
    s.numAmount->setValue(1500);
    s.button("bbtCancel")->click();
    QCOMPARE(s.State, 0);
    QCOMPARE(s.RecordCount, 0);
    QVERIFY(!s.result.isOpen());
    QVERIFY(s.edtName->text().isEmpty());
    QCOMPARE(s.numAmount->value(), 0.0);
}

void TestZQI030::arrowsMoveInEveryField()
{
    ScriptedDialogs dialogs;
    InquiryScreen s;
    showActive(s);
    s.button("bbtSearch")->click();
    s.button("bbtAdd")->click();
    // Up in a combo box moves to the previous field instead of changing it.
    s.cboKind->setCurrentIndex(1);
    s.cboKind->setFocus();
    QTest::keyClick(s.cboKind, Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), s.edtName);
    QCOMPARE(s.cboKind->currentIndex(), 1);
    // Down in a date picker moves on too.
    s.dtpDate->setFocus();
    const QDate date = s.dtpDate->date();
    QTest::keyClick(s.dtpDate, Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), s.medFromDATE);
    QCOMPARE(s.dtpDate->date(), date);
    // A numeric edit is a field: Enter moves, entering paints it.
    s.numAmount->setFocus();
    QCOMPARE(s.numAmount->palette().color(QPalette::Base), QColor(255, 255, 0));
    QTest::keyClick(s.numAmount, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), s.medFromDATE);
}

void TestZQI030::dateExitCheck_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("left empty") << "" << true;
    QTest::newRow("13th month") << "20261301" << false;
    QTest::newRow("30 February") << "20260230" << false;
    QTest::newRow("partly typed") << "202612" << false;
    QTest::newRow("29 February, leap year") << "20280229" << true;
}

void TestZQI030::dateExitCheck()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    ScriptedDialogs dialogs;
    InquiryScreen s;
    showActive(s);
    s.button("bbtSearch")->click();
    s.button("bbtAdd")->click();
    s.medFromDATE->setFocus();
    s.medFromDATE->setText(typed);
    s.edtName->setFocus();
    if (accepted) {
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(s.medFromDATE->text().remove(QLatin1Char('-')), typed);
    } else {
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].text, QStringLiteral("날짜를 바르게 입력하십시오."));
        QCOMPARE(dialogs.shown[0].caption, QStringLiteral("입력오류"));
        QCOMPARE(s.medFromDATE->text(), QStringLiteral("--"));
    }
    QCOMPARE(QApplication::focusWidget(), s.edtName);
}

void TestZQI030::exportHelpers()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    InquiryScreen s;
    showActive(s);

    // Nothing searched yet: the notice goes to the status bar.
    QCOMPARE(s.ExportDBGrid(s.grid), XlsExportResult::NothingToExport);
    QCOMPARE(s.statusText(), Xls::kNoResult);
    QVERIFY(dialogs.shown.isEmpty());

    // Excel of the screen: the program ID proposed, the caption and title on
    // top, the hourglass while the hook runs.
    s.rows = 2;
    s.button("bbtSearch")->click();
    s.result.moveTo(1);
    const QString path = dir.filePath(QStringLiteral("잔액.xls"));
    dialogs.fileNames = {path};
    dialogs.yesNoAnswers = {false};
    QTest::keyClick(&s, Qt::Key_F11, Qt::ControlModifier);
    QCOMPARE(s.lastExport, XlsExportResult::Written);
    QCOMPARE(dialogs.askedFileNames, QStringList{QStringLiteral("VZZ030")});
    QCOMPARE(s.cursorDuringExcel, int(Qt::WaitCursor));
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(s.result.currentRow(), 1);
    Sheet sheet = readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.at(0, 0).text, QStringLiteral("거래처 잔액 조회 - 거래처"));
    QCOMPARE(sheet.at(2, 2).text, QStringLiteral("BAL_AMT"));
    QCOMPARE(sheet.at(3, 0).text, QStringLiteral("CU00000001"));
    QCOMPARE(sheet.at(4, 2).number, -20000.0);
    QCOMPARE(sheet.at(3, 3).number, 2.5);
    // The open question of the library form.
    QCOMPARE(dialogs.shown.last().caption, QStringLiteral("Excel"));

    // No file name: the notice in the status bar, the hourglass gone even
    // when the hook fails afterwards.
    dialogs.clear();
    s.excelFails = true;
    QTest::keyClick(&s, Qt::Key_F11, Qt::ControlModifier);
    QCOMPARE(s.lastExport, XlsExportResult::NoFileName);
    QCOMPARE(s.statusText(), Xls::kNoFileName);
    QCOMPARE(dialogs.dialogsRun.size(), 1);  // the hook's error
    QVERIFY(!QApplication::overrideCursor());
    s.excelFails = false;

    // The statement form with a bound value; the header without a title.
    dialogs.clear();
    dialogs.fileNames = {dir.filePath(QStringLiteral("sql"))};
    dialogs.yesNoAnswers = {false};
    QCOMPARE(s.ExportSql(QStringLiteral("SELECT cust_code, bal_amt FROM inquiry_probe WHERE bal_amt > :P0"), QString(),
                         {0}),
             XlsExportResult::Written);
    sheet = readSheet(dir.filePath(QStringLiteral("sql.xls")));
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.rows, 4);
    QCOMPARE(sheet.at(0, 0).text, QStringLiteral("거래처 잔액 조회"));
    QCOMPARE(sheet.at(2, 0).text, QStringLiteral("CUST_CODE"));
    QCOMPARE(sheet.at(3, 1).number, 1500000.0);

    // An unbound grid: a shown number with separators is a number, a code
    // joined by a hyphen stays text; the existing file is overwritten after
    // asking.
    QTableWidget table(2, 2);
    table.setHorizontalHeaderLabels({QStringLiteral("번호"), QStringLiteral("금액")});
    table.setItem(0, 0, new QTableWidgetItem(QStringLiteral("12-34")));
    table.setItem(0, 1, new QTableWidgetItem(QStringLiteral("1,234")));
    table.setItem(1, 0, new QTableWidgetItem(QStringLiteral("가-1")));
    table.setItem(1, 1, new QTableWidgetItem(QStringLiteral("-5")));
    dialogs.clear();
    dialogs.fileNames = {path};
    dialogs.yesNoAnswers = {true, false};
    QCOMPARE(s.ExportGrid(&table, QStringLiteral("번호")), XlsExportResult::Written);
    QCOMPARE(dialogs.shown.first().caption, QStringLiteral("덮어쓰기"));
    sheet = readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.at(3, 0).type, Cell::Text);
    QCOMPARE(sheet.at(3, 0).text, QStringLiteral("12-34"));
    QCOMPARE(sheet.at(3, 1).type, Cell::Number);
    QCOMPARE(sheet.at(3, 1).number, 1234.0);
    QCOMPARE(sheet.at(4, 1).number, -5.0);
}

void TestZQI030::screenPrint()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    dialogs.printFile = dir.filePath(QStringLiteral("screen.pdf"));
    InquiryScreen s;
    showActive(s);

    // No: nothing is printed.
    dialogs.yesNoAnswers = {false};
    QTest::keyClick(&s, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].text, QStringLiteral("현재 화면을 출력 하시겠습니까?"));
    QCOMPARE(dialogs.shown[0].caption, QStringLiteral("화면출력"));
    QVERIFY(!QFileInfo::exists(dialogs.printFile));

    // Yes: one landscape page holding the screen's image, as large as fits.
    dialogs.yesNoAnswers = {true};
    QTest::keyClick(&s, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(dialogs.dialogsRun.isEmpty());
    QVERIFY(QFileInfo::exists(dialogs.printFile));
    const QString info = runTool(QStringLiteral("pdfinfo"), {dialogs.printFile});
    const QRegularExpressionMatch page
        = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    QVERIFY2(page.hasMatch(), qPrintable(info));
    const double pageWidth = page.captured(1).toDouble();
    const double pageHeight = page.captured(2).toDouble();
    QVERIFY(pageWidth > pageHeight);
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\b"))));

    // pdfimages lists each image with its pixel size and its resolution on
    // the page, from which the printed size follows.
    const QStringList lines = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), dialogs.printFile})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(lines.size() >= 3, qPrintable(lines.join(QLatin1Char('\n'))));
    const QStringList image = lines[2].simplified().split(QLatin1Char(' '));
    QCOMPARE(image.value(3).toInt(), s.width());
    QCOMPARE(image.value(4).toInt(), s.height());
    const double printedWidth = image.value(3).toDouble() / image.value(12).toDouble() * 72;
    const double printedHeight = image.value(4).toDouble() / image.value(13).toDouble() * 72;
    // Fitted: one side fills the page within its margins, the other fits.
    QVERIFY2(printedWidth > pageWidth * 0.85 || printedHeight > pageHeight * 0.85,
             qPrintable(QStringLiteral("%1 x %2").arg(printedWidth).arg(printedHeight)));
    QVERIFY(printedWidth <= pageWidth && printedHeight <= pageHeight);
}

TV_TEST_MAIN(TestZQI030)
#include "tst_zqi030.moc"
