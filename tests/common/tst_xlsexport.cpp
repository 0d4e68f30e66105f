// Spreadsheet export: the records written, every cell read back, the cell
// typing rules, the dialog sequence and the limits of the format.
#include "common/Db.h"
#include "common/XlsExport.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QSqlQueryModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include "support/XlsReadBack.h"
#include <stdexcept>

namespace {

using XlsReadBack::Cell;
using XlsReadBack::Sheet;
using XlsReadBack::readSheet;

// ---------------------------------------------------------------------------
// A source with explicit columns and cells; it records the pass so the tests
// can check that the position is restored.

struct FakeColumn {
    QString caption;
    ExportFieldKind kind = ExportFieldKind::Text;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool visible = true;
};

struct FakeCell {
    QVariant value;
    QString display;
};

class FakeSource : public ExportSource {
public:
    bool open = true;
    XlsCellRule rule = XlsCellRule::FieldKind;
    QList<FakeColumn> columns;
    QList<QList<FakeCell>> rows;
    int generatedRows = -1;  // when >= 0: that many rows of generated cells
    int failAtRow = -1;      // value() throws here
    int position = 7;        // the "current record"
    bool updatesSuspended = false;
    int passes = 0;
    QList<int> visited;

    bool hasResult() const override { return open; }
    int columnCount() const override { return int(columns.size()); }
    QString caption(int c) const override { return columns[c].caption; }
    ExportFieldKind fieldKind(int c) const override { return columns[c].kind; }
    Qt::Alignment alignment(int c) const override { return columns[c].alignment; }
    bool isVisible(int c) const override { return columns[c].visible; }
    int rowCount() override { return generatedRows >= 0 ? generatedRows : int(rows.size()); }
    QVariant value(int r, int c) const override
    {
        if (r == failAtRow)
            throw std::runtime_error("read failed");
        if (generatedRows >= 0)
            return QVariant(r * 10 + c);
        return rows[r][c].value;
    }
    QString displayText(int r, int c) const override
    {
        if (generatedRows >= 0)
            return QString::number(r * 10 + c);
        return rows[r][c].display;
    }
    XlsCellRule cellRule() const override { return rule; }
    void beginPass() override
    {
        ++passes;
        updatesSuspended = true;
    }
    void moveToRow(int r) override
    {
        position = r;
        if (visited.size() < 20)
            visited << r;
    }
    void endPass() override
    {
        position = 7;
        updatesSuspended = false;
    }
};

FakeSource ledgerSource()
{
    FakeSource s;
    s.columns = {{QStringLiteral("계정코드"), ExportFieldKind::Text, Qt::AlignLeft},
                 {QStringLiteral("계  정  과  목"), ExportFieldKind::Text, Qt::AlignLeft},
                 {QStringLiteral("차변금액"), ExportFieldKind::Numeric, Qt::AlignRight},
                 {QStringLiteral("비율"), ExportFieldKind::Numeric, Qt::AlignRight, false}};
    s.rows = {{{QStringLiteral("1110100"), QStringLiteral("1110100")},
               {QStringLiteral("현금및현금성자산"), QStringLiteral("현금및현금성자산")},
               {1234567, QStringLiteral("1,234,567")},
               {12.5, QStringLiteral("12.5")}},
              {{QStringLiteral("0012345"), QStringLiteral("0012345")},
               {QVariant(), QString()},
               {QVariant(QMetaType(QMetaType::Double)), QString()},
               {-3.25, QStringLiteral("-3.25")}}};
    return s;
}

}  // namespace

class TestXlsExport : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void recordsAndEveryCellReadBack();
    void wholeFileByteByByte();
    void cellTypes_data();
    void cellTypes();
    void longTextIsCutAtCharacterBoundary();
    void hangulAndLongSheetsReadEverywhere();
    void hiddenColumnsAndViewPositionKept();
    void queryModelFromDatabase();
    void dialogSequence_data();
    void dialogSequence();
    void noticesGoToStatusBar();
    void gridQueryTexts();
    void writeFailureKeepsOldFileAndRestoresPosition();
    void rowLimit();
    void extensionForcing_data();
    void extensionForcing();

private:
    QString exportTo(ExportSource& source, const QString& fileName, const QString& title = QStringLiteral("원장"));
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestXlsExport::init()
{
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestXlsExport::cleanup()
{
    m_dialogs.reset();
    m_dir.reset();
}

QString TestXlsExport::exportTo(ExportSource& source, const QString& fileName, const QString& title)
{
    const QString path = m_dir->filePath(fileName);
    m_dialogs->fileNames = {path};
    m_dialogs->yesNoAnswers = {false};  // do not open it
    const XlsExportResult result = ExportToXls(source, title);
    if (result != XlsExportResult::Written)
        return QString();
    return Xls::forceXlsExtension(path);
}

void TestXlsExport::recordsAndEveryCellReadBack()
{
    FakeSource source = ledgerSource();
    const QString path = exportTo(source, QStringLiteral("ledger"), QStringLiteral("총계정원장 2026"));
    QVERIFY(!path.isEmpty());

    const Sheet sheet = readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    // A workbook every reader takes for what it is, in the Korean code page.
    QCOMPARE(sheet.version, quint16(0x0600));
    QCOMPARE(sheet.codePage, 949);
    QVERIFY2(sheet.readerLog.isEmpty(), qPrintable(sheet.readerLog));
    // Header, 4 captions, 2 rows of 4 cells, in writing order.
    QCOMPARE(sheet.records.count(0x0204) + sheet.records.count(0x0203), 1 + 4 + 8);
    QCOMPARE(sheet.rows, 5);
    QCOMPARE(sheet.columns, 4);

    struct Expect {
        int row, column;
        Cell::Type type;
        QString text;
        double number;
    };
    const QList<Expect> expected = {
        {0, 0, Cell::Text, QStringLiteral("총계정원장 2026"), 0},
        {0, 1, Cell::Empty, {}, 0},
        {1, 0, Cell::Empty, {}, 0},
        {1, 3, Cell::Empty, {}, 0},
        {2, 0, Cell::Text, QStringLiteral("계정코드"), 0},
        {2, 1, Cell::Text, QStringLiteral("계  정  과  목"), 0},
        {2, 2, Cell::Text, QStringLiteral("차변금액"), 0},
        {2, 3, Cell::Text, QStringLiteral("비율"), 0},
        {3, 0, Cell::Text, QStringLiteral("1110100"), 0},
        {3, 1, Cell::Text, QStringLiteral("현금및현금성자산"), 0},
        {3, 2, Cell::Number, {}, 1234567},
        {3, 3, Cell::Number, {}, 12.5},
        {4, 0, Cell::Text, QStringLiteral("0012345"), 0},
        {4, 1, Cell::Text, QString(), 0},
        {4, 2, Cell::Number, {}, 0},  // a null amount is 0
        {4, 3, Cell::Number, {}, -3.25},
    };
    for (const Expect& e : expected) {
        const Cell cell = sheet.at(e.row, e.column);
        const QByteArray where = QStringLiteral("cell %1,%2").arg(e.row).arg(e.column).toUtf8();
        QVERIFY2(cell.type == e.type, where.constData());
        if (e.type == Cell::Text)
            QVERIFY2(cell.text == e.text, where.constData());
        if (e.type == Cell::Number)
            QVERIFY2(cell.number == e.number, where.constData());
    }
    QCOMPARE(source.passes, 1);
    QCOMPARE(source.visited, QList<int>({0, 1}));
    QCOMPARE(source.position, 7);
    QVERIFY(!source.updatesSuspended);
}

void TestXlsExport::wholeFileByteByByte()
{
    // Every record of a small sheet: a Hangul header in the Korean code page,
    // two captions, a row with a text and a fractional negative number, and
    // a row with an empty text and a null number (written as 0).
    FakeSource source;
    source.columns = {{QStringLiteral("A")}, {QStringLiteral("N"), ExportFieldKind::Numeric, Qt::AlignRight}};
    source.rows = {{{QStringLiteral("x1"), QStringLiteral("x1")}, {-2.5, QStringLiteral("-2.5")}},
                   {{QVariant(), QString()}, {QVariant(QMetaType(QMetaType::Double)), QString()}}};
    const QString path = exportTo(source, QStringLiteral("bytes.xls"), QStringLiteral("가"));
    QVERIFY(!path.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));

    const QByteArray expected = QByteArray::fromHex(
        // The workbook: beginning of file (BIFF8, workbook globals), the
        // code page 949, the sheet at stream offset 48, end of file.
        "0908" "1000" "0006" "0500" "bb0d" "cc07" "00000000" "00060000"
        "4200" "0200" "b503"
        "8500" "0e00" "30000000" "00" "00" "06" "00" "536865657431"
        "0a00" "0000"
        // The sheet: beginning of file, its extent (rows 0-4, columns 0-1).
        "0908" "1000" "0006" "1000" "bb0d" "cc07" "00000000" "00060000"
        "0002" "0e00" "00000000" "05000000" "0000" "0200" "0000"
        "0402" "0b00" "0000" "0000" "0000" "0100" "01" "00ac"           // row 0: "가" as UTF-16
        "0402" "0a00" "0200" "0000" "0000" "0100" "00" "41"             // row 2: "A" in one byte
        "0402" "0a00" "0200" "0100" "0000" "0100" "00" "4e"             // row 2: "N"
        "0402" "0b00" "0300" "0000" "0000" "0200" "00" "7831"           // row 3: "x1"
        "0302" "0e00" "0300" "0100" "0000" "00000000000004c0"           // row 3: -2.5
        "0402" "0900" "0400" "0000" "0000" "0000" "00"                  // row 4: ""
        "0302" "0e00" "0400" "0100" "0000" "0000000000000000"           // row 4: 0
        "0a00" "0000");                                                 // end of file
    QCOMPARE(file.readAll().toHex(' '), expected.toHex(' '));
}

void TestXlsExport::cellTypes_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("rightAligned");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("display");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");

    const int fk = int(XlsCellRule::FieldKind);
    const int st = int(XlsCellRule::ShownText);
    const int ra = int(XlsCellRule::RightAlignedInteger);
    const int num = int(ExportFieldKind::Numeric);
    const int txt = int(ExportFieldKind::Text);
    const QVariant nullNumber(QMetaType(QMetaType::Double));
    const QVariant nullText(QMetaType(QMetaType::QString));

    // Data sets and bound grids: the field's type decides.
    QTest::newRow("numeric field is a number") << fk << num << true << QVariant(1234567) << "1,234,567" << true << "" << 1234567.0;
    QTest::newRow("numeric null is 0") << fk << num << true << nullNumber << "" << true << "" << 0.0;
    QTest::newRow("fraction stays exact") << fk << num << true << QVariant(0.125) << "0.13" << true << "" << 0.125;
    QTest::newRow("text field keeps its display text") << fk << txt << false << QVariant("0012345") << "0012345" << false << "0012345" << 0.0;
    QTest::newRow("text null is empty text") << fk << txt << false << nullText << "" << false << "" << 0.0;
    QTest::newRow("digits in a text field stay text") << fk << txt << true << QVariant("20261210") << "2026-12-10" << false << "2026-12-10" << 0.0;

    // Unbound grids: the shown text without commas decides.
    QTest::newRow("separators removed") << st << txt << true << QVariant() << "1,234,567" << true << "" << 1234567.0;
    QTest::newRow("negative with separators") << st << txt << true << QVariant() << "-1,000" << true << "" << -1000.0;
    QTest::newRow("decimal text") << st << txt << true << QVariant() << "12.50" << true << "" << 12.5;
    QTest::newRow("hyphen-joined digits stay text") << st << txt << false << QVariant() << "123-45-67890" << false << "123-45-67890" << 0.0;
    QTest::newRow("empty cell is empty text") << st << txt << false << QVariant() << "" << false << "" << 0.0;
    QTest::newRow("words stay text") << st << num << true << QVariant() << "합계" << false << "합계" << 0.0;

    // The search-and-print grid: right-aligned plain integers only.
    QTest::newRow("right-aligned integer") << ra << num << true << QVariant(1500000) << "1,500,000" << true << "" << 1500000.0;
    QTest::newRow("right-aligned negative") << ra << num << true << QVariant(-500) << "-500" << true << "" << -500.0;
    QTest::newRow("rate with a point stays text") << ra << num << true << QVariant(12.5) << "12.5" << false << "12.5" << 0.0;
    QTest::newRow("left-aligned digit code stays text") << ra << txt << false << QVariant("0012345") << "0012345" << false << "0012345" << 0.0;
    QTest::newRow("left-aligned amount stays text") << ra << num << false << QVariant(300) << "300" << false << "300" << 0.0;
    QTest::newRow("right-aligned null is empty text") << ra << num << true << nullNumber << "" << false << "" << 0.0;
    QTest::newRow("right-aligned code with hyphen") << ra << txt << true << QVariant("12-34") << "12-34" << false << "12-34" << 0.0;
}

void TestXlsExport::cellTypes()
{
    QFETCH(int, rule);
    QFETCH(int, kind);
    QFETCH(bool, rightAligned);
    QFETCH(QVariant, value);
    QFETCH(QString, display);
    QFETCH(bool, isNumber);
    QFETCH(QString, text);
    QFETCH(double, number);

    FakeSource source;
    source.rule = XlsCellRule(rule);
    source.columns = {{QStringLiteral("값"), ExportFieldKind(kind), rightAligned ? Qt::AlignRight : Qt::AlignLeft}};
    source.rows = {{{value, display}}};
    const QString path = exportTo(source, QStringLiteral("cell.xls"));
    QVERIFY(!path.isEmpty());
    const Sheet sheet = readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    const Cell cell = sheet.at(3, 0);
    if (isNumber) {
        QCOMPARE(cell.type, Cell::Number);
        QCOMPARE(cell.number, number);
    } else {
        QCOMPARE(cell.type, Cell::Text);
        QCOMPARE(cell.text, text);
    }
}

void TestXlsExport::longTextIsCutAtCharacterBoundary()
{
    // 5,000 Hangul syllables are more than one cell record carries, so the
    // text is cut to whole characters; a character outside the basic plane
    // at the cut is left out whole.
    const QString longText = QString(5000, QChar(0xAC00));
    const QString pairAtCut = QString(Xls::kMaxTextChars - 1, QLatin1Char('a')) + QStringLiteral("\U0001F600") + "b";
    FakeSource source;
    source.columns = {{QStringLiteral("적요")}};
    source.rows = {{{longText, longText}}, {{pairAtCut, pairAtCut}}};
    const QString path = exportTo(source, QStringLiteral("long.xls"));
    const Sheet sheet = readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.at(3, 0).text, longText.left(Xls::kMaxTextChars));
    QCOMPARE(sheet.at(4, 0).text, pairAtCut.left(Xls::kMaxTextChars - 1));
}

void TestXlsExport::hangulAndLongSheetsReadEverywhere()
{
    // Texts of every kind, and more rows than the oldest sheet format holds.
    const QStringList texts{QStringLiteral("현금및현금성자산"), QStringLiteral("(주)한빛리조트 본사"), QStringLiteral("漢字 섞인 적요"),
                            QStringLiteral("café ±1"), QStringLiteral("똠방각하 뷁"), QStringLiteral("plain ASCII")};
    constexpr int kRows = 20000;
    FakeSource source;
    source.columns = {{QStringLiteral("적  요")}, {QStringLiteral("금액"), ExportFieldKind::Numeric, Qt::AlignRight}};
    for (int r = 0; r < kRows; ++r) {
        const QString text = texts[r % texts.size()] + QString::number(r);
        source.rows.append({{text, text}, {double(r) * 1000, QString()}});
    }
    const QString path = exportTo(source, QStringLiteral("long sheet.xls"), QStringLiteral("일계표 (한글 제목)"));
    QVERIFY(!path.isEmpty());

    const Sheet sheet = readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QVERIFY2(sheet.readerLog.isEmpty(), qPrintable(sheet.readerLog));
    QCOMPARE(sheet.rows, 3 + kRows);
    QCOMPARE(sheet.at(0, 0).text, QStringLiteral("일계표 (한글 제목)"));
    QCOMPARE(sheet.at(2, 0).text, QStringLiteral("적  요"));
    for (int r : {0, 1, 2, 3, 4, 5, 16380, 16381, 16382, kRows - 1}) {
        QCOMPARE(sheet.at(3 + r, 0).text, texts[r % texts.size()] + QString::number(r));
        QCOMPARE(sheet.at(3 + r, 1).number, double(r) * 1000);
    }

    if (XlsReadBack::libreOfficeProgram().isEmpty())
        QSKIP("LibreOffice is not installed: the file was read back with xlrd only");
    QString error;
    const QList<QStringList> csv = XlsReadBack::readWithLibreOffice(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(csv.size(), 3 + kRows);
    QCOMPARE(csv[0].value(0), QStringLiteral("일계표 (한글 제목)"));
    QCOMPARE(csv[2], (QStringList{QStringLiteral("적  요"), QStringLiteral("금액")}));
    for (int r : {0, 1, 2, 3, 4, 5, 16380, 16381, 16382, kRows - 1})
        QCOMPARE(csv[3 + r], (QStringList{texts[r % texts.size()] + QString::number(r), QString::number(qlonglong(r) * 1000)}));
}

void TestXlsExport::hiddenColumnsAndViewPositionKept()
{
    QStandardItemModel model(3, 3);
    model.setHorizontalHeaderLabels({QStringLiteral("코드"), QStringLiteral("숨김"), QStringLiteral("금액")});
    for (int r = 0; r < 3; ++r) {
        model.setData(model.index(r, 0), QStringLiteral("A%1").arg(r));
        model.setData(model.index(r, 1), QStringLiteral("숨은값%1").arg(r));
        model.setData(model.index(r, 2), (r + 1) * 1000);
    }
    QTableView view;
    view.setModel(&model);
    view.setColumnHidden(1, true);
    view.setCurrentIndex(model.index(2, 2));

    ModelExportSource source(&view);
    QVERIFY(!source.isVisible(1));
    QCOMPARE(source.fieldKind(2), ExportFieldKind::Numeric);
    QCOMPARE(source.fieldKind(0), ExportFieldKind::Text);
    const QString path = exportTo(source, QStringLiteral("hidden.xls"));
    const Sheet sheet = readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.columns, 3);
    QCOMPARE(sheet.at(2, 1).text, QStringLiteral("숨김"));
    for (int r = 0; r < 3; ++r) {
        QCOMPARE(sheet.at(3 + r, 0).text, QStringLiteral("A%1").arg(r));
        QCOMPARE(sheet.at(3 + r, 1).text, QStringLiteral("숨은값%1").arg(r));
        QCOMPARE(sheet.at(3 + r, 2).number, double((r + 1) * 1000));
    }
    QCOMPARE(view.currentIndex(), model.index(2, 2));
    QVERIFY(view.updatesEnabled());
}

void TestXlsExport::queryModelFromDatabase()
{
    TestDatabase db;
    Db::run(QStringLiteral("CREATE TABLE xls_probe (acct_code CHAR(7), acct_name VARCHAR(60), db_amt NUMERIC(14), "
                           "rate NUMERIC(5,2), seq INT)"));
    Db::run(QStringLiteral("INSERT INTO xls_probe SELECT lpad(g::text, 7, '0'), '계정' || g, g * 1000, g / 4.0, g "
                           "FROM generate_series(1, 300) g"));
    Db::run(QStringLiteral("INSERT INTO xls_probe VALUES ('9999999', NULL, NULL, NULL, 301)"));

    QSqlQueryModel model;
    model.setQuery(QStringLiteral("SELECT acct_code, acct_name, db_amt, rate FROM xls_probe ORDER BY seq"),
                   Db::connection());
    ModelExportSource source(&model);
    const QString path = exportTo(source, QStringLiteral("query.xls"), QStringLiteral("계정 목록"));
    QVERIFY(!path.isEmpty());
    const Sheet sheet = readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.rows, 3 + 301);  // every record, past the first fetched packet
    // Field names as column headers.
    QCOMPARE(sheet.at(2, 0).text, QStringLiteral("acct_code"));
    QCOMPARE(sheet.at(2, 3).text, QStringLiteral("rate"));
    for (int g = 1; g <= 300; ++g) {
        const int row = 2 + g;
        QCOMPARE(sheet.at(row, 0).text, QStringLiteral("%1").arg(g, 7, 10, QLatin1Char('0')));
        QCOMPARE(sheet.at(row, 1).text, QStringLiteral("계정%1").arg(g));
        QCOMPARE(sheet.at(row, 2).type, Cell::Number);
        QCOMPARE(sheet.at(row, 2).number, g * 1000.0);
        QCOMPARE(sheet.at(row, 3).number, g / 4.0);
    }
    QCOMPARE(sheet.at(303, 1).type, Cell::Text);
    QCOMPARE(sheet.at(303, 1).text, QString());
    QCOMPARE(sheet.at(303, 2).type, Cell::Number);
    QCOMPARE(sheet.at(303, 2).number, 0.0);

    // The SQL form: bound values, field names in capitals.
    XlsExportOptions options;
    options.proposedFileName = QStringLiteral("VCI070");
    options.sheetHeader = QStringLiteral("계정 - 고액");
    m_dialogs->fileNames = {m_dir->filePath(QStringLiteral("sql"))};
    m_dialogs->yesNoAnswers = {false};
    QCOMPARE(ExportSqlToXls(QStringLiteral("SELECT acct_code, db_amt FROM xls_probe WHERE db_amt > ? ORDER BY seq"),
                            {295000}, options),
             XlsExportResult::Written);
    const Sheet fromSql = readSheet(m_dir->filePath(QStringLiteral("sql.xls")));
    QVERIFY2(fromSql.error.isEmpty(), qPrintable(fromSql.error));
    QCOMPARE(fromSql.rows, 3 + 5);
    QCOMPARE(fromSql.at(0, 0).text, QStringLiteral("계정 - 고액"));
    QCOMPARE(fromSql.at(2, 0).text, QStringLiteral("ACCT_CODE"));
    QCOMPARE(fromSql.at(2, 1).text, QStringLiteral("DB_AMT"));
    QCOMPARE(fromSql.at(3, 0).text, QStringLiteral("0000296"));
    QCOMPARE(fromSql.at(7, 1).number, 300000.0);
}

void TestXlsExport::dialogSequence_data()
{
    QTest::addColumn<bool>("open");           // the source has a result
    QTest::addColumn<QString>("answer");      // file name typed ("" cancels)
    QTest::addColumn<bool>("exists");         // a file of that name exists
    QTest::addColumn<QList<bool>>("yesNo");   // answers to the questions
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<bool>("opened");

    const QString noResult = Xls::kNoResult;
    const QString noName = Xls::kNoFileName;
    const QString overwrite = QStringLiteral("이미 존재하는 파일(장부.xls) 입니다.\r\r새 내용으로 덮어쓸까요?");
    const QString openIt = QStringLiteral("저장한 파일(장부.xls)을 Excel로 불러 올까요?");
    const QString app = QStringLiteral("일반 관리 회계");

    QTest::newRow("nothing to export") << false << "장부" << false << QList<bool>() << int(XlsExportResult::NothingToExport)
                                       << QStringList{noResult} << QStringList{app} << false;
    QTest::newRow("save dialog cancelled") << true << "" << false << QList<bool>() << int(XlsExportResult::NoFileName)
                                           << QStringList{noName} << QStringList{app} << false;
    QTest::newRow("written and opened") << true << "장부" << false << QList<bool>{true} << int(XlsExportResult::Written)
                                        << QStringList{openIt} << QStringList{QStringLiteral("Excel")} << true;
    QTest::newRow("written, not opened") << true << "장부.xls" << false << QList<bool>{false} << int(XlsExportResult::Written)
                                         << QStringList{openIt} << QStringList{QStringLiteral("Excel")} << false;
    QTest::newRow("existing kept") << true << "장부" << true << QList<bool>{false} << int(XlsExportResult::NotOverwritten)
                                   << QStringList{overwrite} << QStringList{QStringLiteral("덮어쓰기")} << false;
    QTest::newRow("existing overwritten") << true << "장부.txt" << true << QList<bool>{true, true} << int(XlsExportResult::Written)
                                          << QStringList{overwrite, openIt}
                                          << QStringList{QStringLiteral("덮어쓰기"), QStringLiteral("Excel")} << true;
}

void TestXlsExport::dialogSequence()
{
    QFETCH(bool, open);
    QFETCH(QString, answer);
    QFETCH(bool, exists);
    QFETCH(QList<bool>, yesNo);
    QFETCH(int, result);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, captions);
    QFETCH(bool, opened);

    const QString target = m_dir->filePath(QStringLiteral("장부.xls"));
    if (exists) {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old content");
    }
    FakeSource source = ledgerSource();
    source.open = open;
    m_dialogs->fileNames = answer.isEmpty() ? QStringList() : QStringList{m_dir->filePath(answer)};
    m_dialogs->yesNoAnswers = yesNo;

    QCOMPARE(int(ExportToXls(source, QStringLiteral("장부"))), result);
    QCOMPARE(m_dialogs->texts(), messages);
    QStringList shownCaptions;
    for (const auto& s : m_dialogs->shown)
        shownCaptions << s.caption;
    QCOMPARE(shownCaptions, captions);
    // The save dialog is only reached with a result, and proposes the title.
    QCOMPARE(m_dialogs->askedFileNames, open ? QStringList{QStringLiteral("장부")} : QStringList());
    QCOMPARE(m_dialogs->openedFiles, opened ? QStringList{QFileInfo(target).absoluteFilePath()} : QStringList());

    const bool written = result == int(XlsExportResult::Written);
    if (written) {
        QVERIFY(readSheet(target).error.isEmpty());
        QCOMPARE(source.passes, 1);
    } else if (exists) {
        QFile old(target);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old content"));
    } else {
        QVERIFY(!QFileInfo::exists(target));
        QCOMPARE(source.passes, 0);
    }
    if (!messages.isEmpty() && messages.first() == Xls::kNoResult)
        QCOMPARE(m_dialogs->shown.first().kind, int(DialogService::Information));
    if (!messages.isEmpty() && messages.first() == Xls::kNoFileName)
        QCOMPARE(m_dialogs->shown.first().kind, int(DialogService::Plain));
}

void TestXlsExport::noticesGoToStatusBar()
{
    QStringList status;
    XlsExportOptions options;
    options.proposedFileName = QStringLiteral("VCI070");
    options.sheetHeader = QStringLiteral("총계정원장 - 2026");
    options.showStatus = [&](const QString& text) { status << text; };

    FakeSource closed = ledgerSource();
    closed.open = false;
    QCOMPARE(ExportToXls(closed, options), XlsExportResult::NothingToExport);
    FakeSource source = ledgerSource();
    QCOMPARE(ExportToXls(source, options), XlsExportResult::NoFileName);
    QCOMPARE(status, QStringList({Xls::kNoResult, Xls::kNoFileName}));
    QVERIFY(m_dialogs->shown.isEmpty());
    QCOMPARE(m_dialogs->askedFileNames, QStringList{QStringLiteral("VCI070")});

    m_dialogs->fileNames = {m_dir->filePath(QStringLiteral("VCI070"))};
    m_dialogs->yesNoAnswers = {false};
    QCOMPARE(ExportToXls(source, options), XlsExportResult::Written);
    const Sheet sheet = readSheet(m_dir->filePath(QStringLiteral("VCI070.xls")));
    QCOMPARE(sheet.at(0, 0).text, QStringLiteral("총계정원장 - 2026"));
}

void TestXlsExport::gridQueryTexts()
{
    const QString target = m_dir->filePath(QStringLiteral("VCS010.xls"));
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.close();

    XlsExportOptions options;
    options.proposedFileName = QStringLiteral("VCS010");
    options.sheetHeader = QStringLiteral("거래처원장");
    options.style = XlsDialogStyle::GridQuery;
    options.cellRule = XlsCellRule::RightAlignedInteger;
    FakeSource source = ledgerSource();
    m_dialogs->fileNames = {target};
    m_dialogs->yesNoAnswers = {true, false};
    QCOMPARE(ExportToXls(source, options), XlsExportResult::Written);
    QCOMPARE(m_dialogs->texts(), QStringList({QStringLiteral("이미 존재하는 파일입니다.\r새 내용으로 덮어쓸까요?"),
                                              QStringLiteral("저장한 파일(VCS010.xls)을 Excel로 불러올까요?")}));
    for (const auto& s : m_dialogs->shown)
        QCOMPARE(s.caption, QStringLiteral("일반 관리 회계"));
    // The rule given overrides the source's: the rate 12.5 is text here.
    const Sheet sheet = readSheet(target);
    QCOMPARE(sheet.at(3, 3).type, Cell::Text);
    QCOMPARE(sheet.at(3, 3).text, QStringLiteral("12.5"));
    QCOMPARE(sheet.at(3, 2).type, Cell::Number);
}

void TestXlsExport::writeFailureKeepsOldFileAndRestoresPosition()
{
    // A source that fails in the middle of the pass.
    const QString target = m_dir->filePath(QStringLiteral("broken.xls"));
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("previous sheet");
    }
    FakeSource source;
    source.columns = {{QStringLiteral("금액"), ExportFieldKind::Numeric, Qt::AlignRight}};
    source.generatedRows = 50;
    source.failAtRow = 20;
    m_dialogs->fileNames = {target};
    m_dialogs->yesNoAnswers = {true};
    QCOMPARE(ExportToXls(source, QStringLiteral("broken")), XlsExportResult::Failed);
    QCOMPARE(m_dialogs->texts().last(), Xls::kCannotSave);
    QCOMPARE(m_dialogs->shown.last().caption, QStringLiteral("저장오류"));
    QCOMPARE(m_dialogs->shown.last().kind, int(DialogService::Error));
    QCOMPARE(source.position, 7);
    QVERIFY(!source.updatesSuspended);
    QFile old(target);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("previous sheet"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("broken.xls")});

    // A folder that does not exist cannot take the file.
    m_dialogs->clear();
    FakeSource good = ledgerSource();
    m_dialogs->fileNames = {m_dir->filePath(QStringLiteral("no/such/folder/x.xls"))};
    QCOMPARE(ExportToXls(good, QStringLiteral("x")), XlsExportResult::Failed);
    QCOMPARE(m_dialogs->texts(), QStringList{Xls::kCannotSave});
    QVERIFY(m_dialogs->openedFiles.isEmpty());
}

void TestXlsExport::rowLimit()
{
    // One row more than a sheet holds: told before anything is asked or written.
    FakeSource tooMany;
    tooMany.columns = {{QStringLiteral("번호"), ExportFieldKind::Numeric, Qt::AlignRight}};
    tooMany.generatedRows = Xls::kMaxDataRows + 1;
    m_dialogs->fileNames = {m_dir->filePath(QStringLiteral("big.xls"))};
    QCOMPARE(ExportToXls(tooMany, QStringLiteral("big")), XlsExportResult::TooLarge);
    QCOMPARE(m_dialogs->texts(), QStringList{Xls::tooManyRowsText(Xls::kMaxDataRows + 1)});
    QVERIFY(m_dialogs->texts().first().contains(QStringLiteral("65,533")));
    QCOMPARE(m_dialogs->shown.first().kind, int(DialogService::Error));
    QVERIFY(m_dialogs->askedFileNames.isEmpty());
    QCOMPARE(tooMany.passes, 0);
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("big.xls"))));

    // Exactly the limit fits: the last row lands on sheet row 65,534.
    m_dialogs->clear();
    FakeSource full;
    full.columns = {{QStringLiteral("번호"), ExportFieldKind::Numeric, Qt::AlignRight}};
    full.generatedRows = Xls::kMaxDataRows;
    const QString path = exportTo(full, QStringLiteral("full.xls"));
    QVERIFY(!path.isEmpty());
    const Sheet sheet = readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.rows, 3 + Xls::kMaxDataRows);
    QCOMPARE(sheet.at(3 + Xls::kMaxDataRows - 1, 0).number, double((Xls::kMaxDataRows - 1) * 10));

    // Too many columns likewise.
    m_dialogs->clear();
    FakeSource wide;
    for (int c = 0; c <= Xls::kMaxColumns; ++c)
        wide.columns.append({QStringLiteral("C%1").arg(c)});
    QCOMPARE(ExportToXls(wide, QStringLiteral("wide")), XlsExportResult::TooLarge);
    QCOMPARE(m_dialogs->texts(), QStringList{Xls::tooManyColumnsText(Xls::kMaxColumns + 1)});
}

void TestXlsExport::extensionForcing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no extension") << "/tmp/a/원장" << "/tmp/a/원장.xls";
    QTest::newRow("capital extension kept") << "/tmp/a/LEDGER.XLS" << "/tmp/a/LEDGER.XLS";
    QTest::newRow("mixed case kept") << "/tmp/a/b.Xls" << "/tmp/a/b.Xls";
    QTest::newRow("other extension replaced") << "/tmp/a/b.txt" << "/tmp/a/b.xls";
    QTest::newRow("last extension only") << "/tmp/a/b.2026.csv" << "/tmp/a/b.2026.xls";
    QTest::newRow("dot in folder only") << "/tmp/a.d/b" << "/tmp/a.d/b.xls";
    QTest::newRow("xlsx is not xls") << "/tmp/a/b.xlsx" << "/tmp/a/b.xls";
    QTest::newRow("trailing dot") << "/tmp/a/b." << "/tmp/a/b.xls";
}

void TestXlsExport::extensionForcing()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QCOMPARE(Xls::forceXlsExtension(typed), saved);
}

TV_TEST_MAIN(TestXlsExport)
#include "tst_xlsexport.moc"
