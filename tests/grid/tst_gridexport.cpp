// The record set and the data-bound grid as spreadsheet sources: what each
// writes (captions, column order, hidden columns, cell kinds under each cell
// rule), read back with an independent reader, and that the pass leaves the
// current record, the bound views and the screen's scroll handlers alone.
#include "common/Db.h"
#include "common/XlsExport.h"
#include "support/XlsReadBack.h"
#include "grid/DataGrid.h"
#include "grid/GridExport.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QHeaderView>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace XlsReadBack;

namespace {

const QString kProbe = QStringLiteral(
    "SELECT acct_code, acct_name, db_amt, rate, db_amt AS left_amt, memo, kind FROM export_probe ORDER BY seq");

// What a sheet cell holds, as text: "n:1234" for a number, "t:abc" for text.
QString cellText(const Sheet& sheet, int row, int column)
{
    const Cell c = sheet.at(row, column);
    switch (c.type) {
    case Cell::Number: return QStringLiteral("n:") + QString::number(c.number, 'g', 15);
    case Cell::Text: return QStringLiteral("t:") + c.text;
    default: return QStringLiteral("empty");
    }
}

QStringList sheetRow(const Sheet& sheet, int row)
{
    QStringList out;
    for (int c = 0; c < sheet.columns; ++c)
        out << cellText(sheet, row, c);
    return out;
}

}  // namespace

class TestGridExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void init();
    void cleanup();
    void recordSetWritesEveryFieldAndKeepsPosition();
    void gridCellRules_data();
    void gridCellRules();
    void gridColumnsInShownOrder();
    void nothingToExportWhileClosed();

private:
    QString exportTo(ExportSource& source, const QString& name, std::optional<XlsCellRule> rule = std::nullopt);
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestGridExport::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Db::run(QStringLiteral("CREATE TABLE export_probe (seq INT, acct_code CHAR(7), acct_name VARCHAR(40), "
                           "db_amt NUMERIC(14), rate NUMERIC(5,2), memo VARCHAR(20), kind CHAR(1))"));
    Db::run(QStringLiteral("INSERT INTO export_probe VALUES "
                           "(1, '0000101', '현금', 1234567, 12.50, '비고', 'D'),"
                           "(2, '1110100', '보통예금', -500, 3.00, NULL, 'C'),"
                           "(3, '2100000', NULL, NULL, NULL, NULL, NULL)"));
}

void TestGridExport::init()
{
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestGridExport::cleanup()
{
    m_dialogs.reset();
    m_dir.reset();
}

QString TestGridExport::exportTo(ExportSource& source, const QString& name, std::optional<XlsCellRule> rule)
{
    const QString path = m_dir->filePath(name);
    m_dialogs->fileNames = {path};
    m_dialogs->yesNoAnswers = {false};
    XlsExportOptions options;
    options.proposedFileName = name;
    options.sheetHeader = QStringLiteral("계정 목록");
    options.cellRule = rule;
    return ExportToXls(source, options) == XlsExportResult::Written ? path : QString();
}

void TestGridExport::recordSetWritesEveryFieldAndKeepsPosition()
{
    RecordSet set;
    set.open(kProbe);
    set.setFieldVisible(QStringLiteral("MEMO"), false);
    set.setDisplayFormat(QStringLiteral("DB_AMT"), QStringLiteral("#,##0"));
    set.moveTo(1);
    QSignalSpy scrolled(&set, &RecordSet::afterScroll);

    RecordSetExportSource source(&set);
    const QString path = exportTo(source, QStringLiteral("set.xls"));
    QVERIFY(!path.isEmpty());
    const Sheet sheet = readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));

    QCOMPARE(sheet.rows, 3 + 3);
    QCOMPARE(cellText(sheet, 0, 0), QStringLiteral("t:계정 목록"));
    QCOMPARE(sheetRow(sheet, 2), (QStringList{"t:ACCT_CODE", "t:ACCT_NAME", "t:DB_AMT", "t:RATE", "t:LEFT_AMT",
                                              "t:MEMO", "t:KIND"}));
    // Numeric fields are numbers whatever their format; a null number is 0;
    // the field hidden from grids is written too.
    QCOMPARE(sheetRow(sheet, 3), (QStringList{"t:0000101", "t:현금", "n:1234567", "n:12.5", "n:1234567", "t:비고",
                                              "t:D"}));
    QCOMPARE(sheetRow(sheet, 4), (QStringList{"t:1110100", "t:보통예금", "n:-500", "n:3", "n:-500", "t:", "t:C"}));
    QCOMPARE(sheetRow(sheet, 5), (QStringList{"t:2100000", "t:", "n:0", "n:0", "n:0", "t:", "t:"}));

    // Read in place: no scrolling through the records, the same record
    // current afterwards, the bound views following again.
    QCOMPARE(scrolled.count(), 0);
    QCOMPARE(set.currentRow(), 1);
    QVERIFY(!set.controlsDisabled());
}

void TestGridExport::gridCellRules_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<QStringList>("row1");
    QTest::addColumn<QStringList>("row2");
    QTest::addColumn<QStringList>("row3");
    // Columns: code (left), name, amount (right, "#,##0"), rate (right),
    // the amount left-aligned, memo (hidden), kind (combo texts).
    QTest::newRow("data-bound grid: numeric fields are numbers")
        << int(XlsCellRule::FieldKind)
        << QStringList{"t:0000101", "t:현금", "n:1234567", "n:12.5", "n:1234567", "t:비고", "t:차변"}
        << QStringList{"t:1110100", "t:보통예금", "n:-500", "n:3", "n:-500", "t:", "t:대변"}
        << QStringList{"t:2100000", "t:", "n:0", "n:0", "n:0", "t:", "t:"};
    // A rate with a point stays text, a right-aligned whole amount is a
    // number, a digit code or amount that is not right-aligned stays text.
    QTest::newRow("search-and-print grid: right-aligned integers are numbers")
        << int(XlsCellRule::RightAlignedInteger)
        << QStringList{"t:0000101", "t:현금", "n:1234567", "t:12.5", "t:1234567", "t:비고", "t:D"}
        << QStringList{"t:1110100", "t:보통예금", "n:-500", "n:3", "t:-500", "t:", "t:C"}
        << QStringList{"t:2100000", "t:", "t:", "t:", "t:", "t:", "t:"};
}

void TestGridExport::gridCellRules()
{
    QFETCH(int, rule);
    QFETCH(QStringList, row1);
    QFETCH(QStringList, row2);
    QFETCH(QStringList, row3);

    RecordSet set;
    DataGrid grid;
    grid.setRecordSet(&set);
    grid.setColumns({GridColumn(QStringLiteral("ACCT_CODE"), QStringLiteral("계정코드")),
                     GridColumn(QStringLiteral("ACCT_NAME"), QStringLiteral("계정과목")),
                     GridColumn(QStringLiteral("DB_AMT"), QStringLiteral("차변금액")),
                     GridColumn(QStringLiteral("RATE"), QStringLiteral("비율")),
                     GridColumn(QStringLiteral("LEFT_AMT"), QStringLiteral("금액(좌)")),
                     GridColumn(QStringLiteral("MEMO"), QStringLiteral("비고")),
                     GridColumn(QStringLiteral("KIND"), QStringLiteral("구분"))});
    grid.setColumnFormat(QStringLiteral("DB_AMT"), QStringLiteral("#,##0"));
    grid.setColumnAlignment(QStringLiteral("LEFT_AMT"), Qt::AlignLeft);
    grid.setColumnHidden(QStringLiteral("MEMO"), true);
    grid.setColumnEditor(QStringLiteral("KIND"), CellEditor::Combo,
                         {{QStringLiteral("D"), QStringLiteral("차변")}, {QStringLiteral("C"), QStringLiteral("대변")}});
    set.open(kProbe);
    set.moveTo(2);

    DataGridExportSource source(&grid, XlsCellRule(rule));
    QCOMPARE(source.alignment(0) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QCOMPARE(source.alignment(2) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QVERIFY(!source.isVisible(5));
    const QString path = exportTo(source, QStringLiteral("grid.xls"));
    QVERIFY(!path.isEmpty());
    const Sheet sheet = readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheetRow(sheet, 2), (QStringList{"t:계정코드", "t:계정과목", "t:차변금액", "t:비율", "t:금액(좌)", "t:비고",
                                              "t:구분"}));
    QCOMPARE(sheetRow(sheet, 3), row1);
    QCOMPARE(sheetRow(sheet, 4), row2);
    QCOMPARE(sheetRow(sheet, 5), row3);
    QCOMPARE(set.currentRow(), 2);
    QCOMPARE(grid.currentRow(), 2);
    QVERIFY(grid.updatesEnabled());
}

void TestGridExport::gridColumnsInShownOrder()
{
    RecordSet set;
    DataGrid grid;
    grid.setRecordSet(&set);
    set.open(QStringLiteral("SELECT acct_code, acct_name, db_amt FROM export_probe ORDER BY seq"));
    grid.setColumnCaption(QStringLiteral("ACCT_CODE"), QStringLiteral("코드"));
    // The user dragged the amount to the front.
    grid.horizontalHeader()->setSectionsMovable(true);
    grid.horizontalHeader()->moveSection(2, 0);

    DataGridExportSource source(&grid);
    const QString path = exportTo(source, QStringLiteral("moved.xls"));
    const Sheet sheet = readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheetRow(sheet, 2), (QStringList{"t:DB_AMT", "t:코드", "t:ACCT_NAME"}));
    QCOMPARE(sheetRow(sheet, 3), (QStringList{"n:1234567", "t:0000101", "t:현금"}));
}

void TestGridExport::nothingToExportWhileClosed()
{
    RecordSet set;
    DataGrid grid;
    grid.setRecordSet(&set);
    DataGridExportSource fromGrid(&grid);
    RecordSetExportSource fromSet(&set);
    for (ExportSource* source : std::initializer_list<ExportSource*>{&fromGrid, &fromSet}) {
        m_dialogs->clear();
        m_dialogs->fileNames = {m_dir->filePath(QStringLiteral("never.xls"))};
        QCOMPARE(ExportToXls(*source, QStringLiteral("계정")), XlsExportResult::NothingToExport);
        QCOMPARE(m_dialogs->texts(), QStringList{Xls::kNoResult});
        QVERIFY(m_dialogs->askedFileNames.isEmpty());
    }
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("never.xls"))));
}

TV_TEST_MAIN(TestGridExport)
#include "tst_gridexport.moc"
