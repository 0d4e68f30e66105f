// The grid and the bound controls over one record set: a shared current
// record, cell and row events, in-place editors, footers, sorting, hidden
// columns, cell buttons, column groups and the field-mode helper.
#include "common/AppErrors.h"
#include "common/Db.h"
#include "common/FieldMode.h"
#include "grid/DataGrid.h"
#include "grid/DbControls.h"
#include "grid/GridParts.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>

namespace {

const QString kLines = QStringLiteral("SELECT * FROM grid_line ORDER BY seq");

// A window holding a grid and bound edits, shown and active so that focus
// and keys behave as for a user.
struct Screen {
    QWidget window;
    DataGrid* grid;
    DbEdit* nameEdit;
    DbEdit* amountEdit;
    QLineEdit* other;

    explicit Screen(RecordSet* set)
    {
        auto* layout = new QVBoxLayout(&window);
        grid = new DataGrid(&window);
        nameEdit = new DbEdit(&window);
        amountEdit = new DbEdit(&window);
        other = new QLineEdit(&window);
        layout->addWidget(grid);
        layout->addWidget(nameEdit);
        layout->addWidget(amountEdit);
        layout->addWidget(other);
        grid->setRecordSet(set);
        nameEdit->setDataSource(set, QStringLiteral("ACCT_NAME"));
        amountEdit->setDataSource(set, QStringLiteral("D_AMOUNT"));
        window.resize(900, 500);
        window.show();
        window.activateWindow();
    }
};

// Types text as key presses carrying the characters (Korean included).
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

QList<GridColumn> lineColumns()
{
    GridColumn code(QStringLiteral("ACCT_CODE"), QStringLiteral("비목코드"), 80);
    code.button = true;
    GridColumn name(QStringLiteral("ACCT_NAME"), QStringLiteral("비 목 명"), 120);
    name.readOnly = true;
    GridColumn remark(QStringLiteral("REF_DATA"), QStringLiteral("적                요"), 160);
    remark.footer = FooterKind::Text;
    remark.footerText = QStringLiteral("계정합계");
    GridColumn debit(QStringLiteral("D_AMOUNT"), QStringLiteral("차변금액"), 100);
    debit.displayFormat = QStringLiteral("#,##0");
    debit.footer = FooterKind::Sum;
    GridColumn credit(QStringLiteral("C_AMOUNT"), QStringLiteral("대변금액"), 100);
    credit.displayFormat = QStringLiteral("#,##0");
    credit.footer = FooterKind::Sum;
    GridColumn hiddenCode(QStringLiteral("MG_CODE1"), QStringLiteral("코드1"));
    hiddenCode.hidden = true;
    GridColumn day(QStringLiteral("DUE_DATE"), QStringLiteral("만기일자"), 100);
    GridColumn side(QStringLiteral("SIDE"), QStringLiteral("구분"), 60);
    side.comboItems = {{QStringLiteral("D"), QStringLiteral("차변")}, {QStringLiteral("C"), QStringLiteral("대변")}};
    return {code, name, remark, debit, credit, hiddenCode, day, side};
}

}  // namespace

class TestDataGrid : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void init();

    void gridAndBoundEditShareTheCurrentRecord();
    void boundEditWritesOnlyWhileEditing();
    void boundNumericEditShowsBareDigitsOnEntry();
    void cellEventsFireInOrderWithTheirFields();
    void handlerMovingTheCursorWins();
    void refusedPostKeepsTheCursor();
    void enterMovesToNextEditableCell();
    void inPlaceEditors_data();
    void inPlaceEditors();
    void invalidDateStaysInTheEditor();
    void memoEditorKeepsLineBreaks();
    void footerTotalsFollowEdits();
    void titleClickSortsAndKeepsTheCurrentRecord();
    void hiddenColumnStaysReadable();
    void cellButtonReportsRowAndField();
    void columnGroupsMakeATwoRowHeader();
    void frozenColumnsStayInView();
    void escapeCancelsANewLine();
    void autoColumnsFollowTheFields();
    void otherBoundControls();
    void fieldModeClearsTheBoundField();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordSet> m_set;
    ScriptedDialogs m_dialogs;
};

void TestDataGrid::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Db::run(QStringLiteral(
        "CREATE TABLE grid_line (seq int4 PRIMARY KEY, acct_code varchar(7), acct_name varchar(50), "
        "ref_data varchar(100), d_amount numeric(15), c_amount numeric(15), mg_code1 varchar(3), "
        "due_date date, side varchar(1), conf_yn varchar(1), memo text)"));
    Db::run(QStringLiteral(
        "INSERT INTO grid_line VALUES "
        "(1, '1110100', '현금', '시재 입금', 150000, 0, '101', DATE '2026-03-31', 'D', 'Y', 'a'),"
        "(2, '2110100', '외상매입금', '대금 지급', 0, 150000, '154', NULL, 'C', 'N', NULL),"
        "(3, '5110100', '급여', '3월 급여', 2500000, 0, '501', DATE '2026-04-25', 'D', 'N', NULL),"
        "(4, '1120100', '보통예금', '급여 이체', 0, 2500000, '116', NULL, 'C', 'Y', NULL)"));
}

void TestDataGrid::init()
{
    m_set = std::make_unique<RecordSet>();
    m_set->open(kLines);
    m_dialogs.clear();
}

void TestDataGrid::gridAndBoundEditShareTheCurrentRecord()
{
    Screen screen(m_set.get());
    screen.grid->setColumns(lineColumns());
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    QCOMPARE(screen.grid->currentIndex().row(), 0);
    QCOMPARE(screen.nameEdit->text(), QStringLiteral("현금"));

    m_set->moveTo(2);
    QCOMPARE(screen.grid->currentIndex().row(), 2);
    QCOMPARE(screen.nameEdit->text(), QStringLiteral("급여"));

    screen.grid->setCurrentCell(1, QStringLiteral("REF_DATA"));
    QCOMPARE(m_set->currentRow(), 1);
    QCOMPARE(screen.grid->currentField(), QStringLiteral("REF_DATA"));
    QCOMPARE(screen.nameEdit->text(), QStringLiteral("외상매입금"));

    // Arrow keys in the grid move the shared record too.
    screen.grid->setFocus();
    QTest::keyClick(screen.grid, Qt::Key_Down);
    QCOMPARE(m_set->currentRow(), 2);
    QCOMPARE(screen.nameEdit->text(), QStringLiteral("급여"));
    QCOMPARE(screen.amountEdit->text(), QStringLiteral("2500000"));
}

void TestDataGrid::boundEditWritesOnlyWhileEditing()
{
    Screen screen(m_set.get());
    screen.grid->setColumns(lineColumns());
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    QSignalSpy changed(m_set.get(), &RecordSet::fieldChanged);

    // In browse state typing changes nothing and the value returns on exit.
    screen.nameEdit->setFocus();
    QTest::keyClicks(screen.nameEdit, QStringLiteral("xyz"));
    screen.other->setFocus();
    QCOMPARE(changed.count(), 0);
    QCOMPARE(screen.nameEdit->text(), QStringLiteral("현금"));

    m_set->edit();
    screen.nameEdit->setFocus();
    screen.nameEdit->selectAll();
    typeText(screen.nameEdit, QStringLiteral("소액현금"));
    // The grid shows what is typed while it is typed.
    QCOMPARE(screen.grid->cellText(0, QStringLiteral("ACCT_NAME")), QStringLiteral("소액현금"));
    QCOMPARE(changed.last().at(0).toString(), QStringLiteral("ACCT_NAME"));
    m_set->post();
    QCOMPARE(m_set->fieldAsString(QStringLiteral("ACCT_NAME")), QStringLiteral("소액현금"));
}

void TestDataGrid::boundNumericEditShowsBareDigitsOnEntry()
{
    SetNumberFormats(*m_set);
    Screen screen(m_set.get());
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    m_set->moveTo(2);
    QCOMPARE(screen.amountEdit->text(), QStringLiteral("2,500,000"));
    QCOMPARE(screen.amountEdit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    screen.amountEdit->setFocus();
    QCOMPARE(screen.amountEdit->text(), QStringLiteral("2500000"));
    QCOMPARE(screen.amountEdit->selectedText(), QStringLiteral("2500000"));

    m_set->edit();
    QTest::keyClicks(screen.amountEdit, QStringLiteral("1234567"));
    QCOMPARE(m_set->fieldAsFloat(QStringLiteral("D_AMOUNT")), 1234567.0);
    screen.other->setFocus();
    QCOMPARE(screen.amountEdit->text(), QStringLiteral("1,234,567"));
    // The grid's footer follows the bound edit.
    screen.grid->setColumns(lineColumns());
    QCOMPARE(screen.grid->footerText(QStringLiteral("D_AMOUNT")), QStringLiteral("1,384,567"));
    m_set->cancel();
    QCOMPARE(screen.amountEdit->text(), QStringLiteral("2,500,000"));
}

void TestDataGrid::cellEventsFireInOrderWithTheirFields()
{
    Screen screen(m_set.get());
    DataGrid* grid = screen.grid;
    grid->setColumns(lineColumns());
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    QStringList events;
    QList<int> recordRowDuringExit;
    connect(grid, &DataGrid::cellExited, this, [&](int row, const QString& field) {
        events << QStringLiteral("cellExited %1 %2").arg(row).arg(field);
        recordRowDuringExit << m_set->currentRow();
    });
    connect(grid, &DataGrid::rowExited, this, [&](int row) {
        events << QStringLiteral("rowExited %1").arg(row);
        recordRowDuringExit << m_set->currentRow();
    });
    connect(grid, &DataGrid::rowEntered, this, [&](int row) { events << QStringLiteral("rowEntered %1").arg(row); });
    connect(grid, &DataGrid::cellEntered, this,
            [&](int row, const QString& field) { events << QStringLiteral("cellEntered %1 %2").arg(row).arg(field); });

    grid->setCurrentCell(0, QStringLiteral("D_AMOUNT"));
    events.clear();
    recordRowDuringExit.clear();
    grid->setCurrentCell(0, QStringLiteral("C_AMOUNT"));
    QCOMPARE(events, (QStringList{"cellExited 0 D_AMOUNT", "cellEntered 0 C_AMOUNT"}));

    events.clear();
    grid->setCurrentCell(2, QStringLiteral("C_AMOUNT"));
    QCOMPARE(events, (QStringList{"cellExited 0 C_AMOUNT", "rowExited 0", "rowEntered 2", "cellEntered 2 C_AMOUNT"}));
    // While the row is being left the record set is still on it.
    QCOMPARE(recordRowDuringExit, (QList<int>{0, 0, 0}));
    QCOMPARE(m_set->currentRow(), 2);

    // Keys report the same way.
    events.clear();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Left);
    QCOMPARE(events, (QStringList{"cellExited 2 C_AMOUNT", "cellEntered 2 D_AMOUNT"}));

    // Moves of the record set made by code are followed without cell events.
    events.clear();
    m_set->moveTo(3);
    QVERIFY(events.isEmpty());
    QCOMPARE(grid->currentIndex().row(), 3);
    QCOMPARE(grid->currentField(), QStringLiteral("D_AMOUNT"));
}

void TestDataGrid::handlerMovingTheCursorWins()
{
    Screen screen(m_set.get());
    DataGrid* grid = screen.grid;
    grid->setColumns(lineColumns());
    grid->setEditable(true);
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    grid->setCurrentCell(1, QStringLiteral("ACCT_CODE"));
    // Leaving an empty code sends the cursor back to it, as screens do.
    QStringList entered;
    connect(grid, &DataGrid::cellExited, this, [&](int row, const QString& field) {
        if (field == QLatin1String("ACCT_CODE") && m_set->fieldAsString(QStringLiteral("ACCT_CODE")).isEmpty())
            grid->setCurrentCell(row, QStringLiteral("ACCT_CODE"));
    });
    connect(grid, &DataGrid::cellEntered, this,
            [&](int row, const QString& field) { entered << QStringLiteral("%1 %2").arg(row).arg(field); });
    m_set->edit();
    m_set->clearField(QStringLiteral("ACCT_CODE"));
    grid->setCurrentCell(1, QStringLiteral("REF_DATA"));
    QCOMPARE(grid->currentField(), QStringLiteral("ACCT_CODE"));
    QCOMPARE(m_set->currentRow(), 1);
    QCOMPARE(entered, QStringList{QStringLiteral("1 ACCT_CODE")});

    // A handler that deletes the row being left leaves grid and record set agreed.
    m_set->cancel();
    grid->disconnect(this);
    connect(grid, &DataGrid::rowExited, this, [&](int) {
        if (m_set->currentRow() == m_set->recordCount() - 1)
            m_set->deleteRecord();
    });
    grid->setCurrentCell(3, QStringLiteral("REF_DATA"));
    grid->setCurrentCell(0, QStringLiteral("REF_DATA"));
    QCOMPARE(m_set->recordCount(), 3);
    QCOMPARE(m_set->currentRow(), 0);
    QCOMPARE(grid->currentIndex().row(), 0);
}

void TestDataGrid::refusedPostKeepsTheCursor()
{
    Screen screen(m_set.get());
    DataGrid* grid = screen.grid;
    grid->setColumns(lineColumns());
    grid->setEditable(true);
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    m_set->setFieldRequired(QStringLiteral("ACCT_CODE"), true);
    grid->setCurrentCell(1, QStringLiteral("ACCT_CODE"));
    m_set->edit();
    m_set->clearField(QStringLiteral("ACCT_CODE"));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, grid->setCurrentCell(2, QStringLiteral("ACCT_CODE")));
    QCOMPARE(m_set->currentRow(), 1);
    QCOMPARE(grid->currentIndex().row(), 1);
    QCOMPARE(m_set->state(), RecordSet::State::Edit);
    m_set->cancel();
    grid->setCurrentCell(2, QStringLiteral("ACCT_CODE"));
    QCOMPARE(m_set->currentRow(), 2);
}

void TestDataGrid::enterMovesToNextEditableCell()
{
    Screen screen(m_set.get());
    DataGrid* grid = screen.grid;
    grid->setColumns(lineColumns());
    grid->setEditable(true);
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    grid->setFocus();
    grid->setCurrentCell(0, QStringLiteral("ACCT_CODE"));
    // ACCT_NAME is read-only and MG_CODE1 hidden: both are passed over.
    const QStringList expected{"0 REF_DATA", "0 D_AMOUNT", "0 C_AMOUNT", "0 DUE_DATE", "0 SIDE", "1 ACCT_CODE", "1 REF_DATA"};
    QStringList seen;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(grid, Qt::Key_Return);
        seen << QStringLiteral("%1 %2").arg(grid->currentIndex().row()).arg(grid->currentField());
    }
    QCOMPARE(seen, expected);
    QCOMPARE(m_set->currentRow(), 1);

    // A read-only list of whole rows moves down a row.
    grid->setEditable(false);
    grid->setRowSelect(true);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(m_set->currentRow(), 2);
    QVERIFY(grid->selectionModel()->isRowSelected(2, QModelIndex()));
    QVERIFY(grid->alternatingRowColors());
}

void TestDataGrid::inPlaceEditors_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");  // fieldAsString afterwards
    QTest::addColumn<QString>("shown");   // cell text afterwards
    QTest::newRow("number with commas") << "D_AMOUNT" << "1,500" << "1500" << "1,500";
    QTest::newRow("number emptied") << "D_AMOUNT" << "" << "" << "";
    QTest::newRow("date as digits") << "DUE_DATE" << "20260315" << "2026-03-15" << "2026-03-15";
    QTest::newRow("date with dashes") << "DUE_DATE" << "2024-02-29" << "2024-02-29" << "2024-02-29";
    QTest::newRow("text") << "REF_DATA" << "선급 비용" << "선급 비용" << "선급 비용";
}

void TestDataGrid::inPlaceEditors()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    Screen screen(m_set.get());
    DataGrid* grid = screen.grid;
    grid->setColumns(lineColumns());
    grid->setEditable(true);
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    grid->setFocus();
    grid->setCurrentCell(2, field);
    QTest::keyClick(grid, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(grid->cellEditor());
    QVERIFY(editor);
    // The editor starts with the bare value, all selected.
    QCOMPARE(editor->selectedText(), m_set->fieldAsString(field));
    if (field == QLatin1String("D_AMOUNT"))
        QCOMPARE(editor->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    if (typed.isEmpty())
        QTest::keyClick(editor, Qt::Key_Delete);
    else
        typeText(editor, typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!grid->isEditingCell());
    QCOMPARE(m_set->state(), RecordSet::State::Edit);
    QCOMPARE(m_set->fieldAsString(field), stored);
    QCOMPARE(grid->cellText(2, field), shown);
    m_set->post();
    QCOMPARE(m_set->rowStatus(2), RecordSet::RowStatus::Modified);
}

void TestDataGrid::invalidDateStaysInTheEditor()
{
    Screen screen(m_set.get());
    DataGrid* grid = screen.grid;
    grid->setColumns(lineColumns());
    grid->setEditable(true);
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    grid->setFocus();
    grid->setCurrentCell(0, QStringLiteral("DUE_DATE"));
    QTest::keyClick(grid, Qt::Key_F2);
    QLineEdit* editor = qobject_cast<QLineEdit*>(grid->cellEditor());
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("20230229"));
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(grid->isEditingCell());
    QCOMPARE(m_set->fieldAsString(QStringLiteral("DUE_DATE")), QStringLiteral("2026-03-31"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(!grid->isEditingCell());
    QCOMPARE(m_set->state(), RecordSet::State::Browse);

    // The combo editor stores the code and the cell shows its text.
    grid->setCurrentCell(0, QStringLiteral("SIDE"));
    QCOMPARE(grid->cellText(0, QStringLiteral("SIDE")), QStringLiteral("차변"));
    QTest::keyClick(grid, Qt::Key_F2);
    auto* combo = qobject_cast<QComboBox*>(grid->cellEditor());
    QVERIFY(combo);
    QCOMPARE(combo->currentText(), QStringLiteral("차변"));
    combo->setCurrentIndex(1);
    QTest::keyClick(combo, Qt::Key_Return);
    QCOMPARE(m_set->fieldAsString(QStringLiteral("SIDE")), QStringLiteral("C"));
    QCOMPARE(grid->cellText(0, QStringLiteral("SIDE")), QStringLiteral("대변"));
    m_set->cancel();

    // Typing on a cell starts its editor with the key, like a spreadsheet; a
    // text editor takes no more than the field holds.
    grid->setCurrentCell(0, QStringLiteral("ACCT_CODE"));
    QTest::keyClicks(grid, QStringLiteral("7"));
    editor = qobject_cast<QLineEdit*>(grid->cellEditor());
    QVERIFY(editor);
    QCOMPARE(editor->maxLength(), 7);
    QTest::keyClicks(editor, QStringLiteral("5100100999"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(m_set->fieldAsString(QStringLiteral("ACCT_CODE")), QStringLiteral("7510010"));
    m_set->cancel();
}

void TestDataGrid::memoEditorKeepsLineBreaks()
{
    Screen screen(m_set.get());
    DataGrid* grid = screen.grid;
    grid->setColumns(lineColumns());
    GridColumn memoColumn(QStringLiteral("MEMO"), QStringLiteral("메모"), 120);
    memoColumn.editor = CellEditor::Memo;
    grid->addColumn(memoColumn);
    grid->setEditable(true);
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    QCOMPARE(grid->cellText(0, QStringLiteral("MEMO")), QStringLiteral("a"));
    grid->setFocus();
    grid->setCurrentCell(0, QStringLiteral("MEMO"));
    QTest::keyClick(grid, Qt::Key_F2);
    auto* memo = qobject_cast<QPlainTextEdit*>(grid->cellEditor());
    QVERIFY(memo);
    // The memo opens taller than its row.
    QVERIFY(memo->height() > grid->rowHeight(0));
    typeText(memo, QStringLiteral("첫 줄"));
    QTest::keyClick(memo, Qt::Key_Return, Qt::ShiftModifier);
    QVERIFY(grid->isEditingCell());
    typeText(memo, QStringLiteral("둘째 줄"));
    QTest::keyClick(memo, Qt::Key_Return);
    QVERIFY(!grid->isEditingCell());
    // Enter on the last column went on to the next row, posting the line.
    QCOMPARE(m_set->currentRow(), 1);
    QCOMPARE(grid->currentField(), QStringLiteral("ACCT_CODE"));
    QCOMPARE(m_set->fieldAsString(0, QStringLiteral("MEMO")), QStringLiteral("첫 줄\n둘째 줄"));
    QCOMPARE(m_set->rowStatus(0), RecordSet::RowStatus::Modified);

    // Clearing a result display closes the record set behind the grid.
    QVERIFY(QMetaObject::invokeMethod(grid, "closeDataSet"));
    QVERIFY(!m_set->isOpen());
    QCOMPARE(grid->model()->rowCount(), 0);
}

void TestDataGrid::footerTotalsFollowEdits()
{
    Screen screen(m_set.get());
    DataGrid* grid = screen.grid;
    grid->setColumns(lineColumns());
    grid->setEditable(true);
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    QVERIFY(grid->hasFooters());
    QVERIFY(grid->footerWidget()->isVisible());
    QCOMPARE(grid->footerText(QStringLiteral("REF_DATA")), QStringLiteral("계정합계"));
    QCOMPARE(grid->footerText(QStringLiteral("D_AMOUNT")), QStringLiteral("2,650,000"));
    QCOMPARE(grid->footerText(QStringLiteral("C_AMOUNT")), QStringLiteral("2,650,000"));

    m_set->moveTo(1);
    m_set->edit();
    m_set->setValue(QStringLiteral("C_AMOUNT"), QStringLiteral("1,234"));
    QCOMPARE(grid->footerText(QStringLiteral("C_AMOUNT")), QStringLiteral("2,501,234"));
    m_set->post();

    m_set->append();
    m_set->setValue(QStringLiteral("SEQ"), 5);
    m_set->setValue(QStringLiteral("D_AMOUNT"), 1000);
    m_set->post();
    QCOMPARE(grid->footerSum(QStringLiteral("D_AMOUNT")), 2651000.0);
    m_set->first();
    m_set->deleteRecord();
    QCOMPARE(grid->footerText(QStringLiteral("D_AMOUNT")), QStringLiteral("2,501,000"));

    grid->setFooter(QStringLiteral("ACCT_CODE"), FooterKind::Count);
    QCOMPARE(grid->footerText(QStringLiteral("ACCT_CODE")), QStringLiteral("4"));
    int calls = 0;
    grid->setFooterFunction(QStringLiteral("ACCT_NAME"), [&] {
        ++calls;
        return QStringLiteral("차액 %1").arg(grid->footerSum(QStringLiteral("D_AMOUNT")) - grid->footerSum(QStringLiteral("C_AMOUNT")));
    });
    QCOMPARE(grid->footerText(QStringLiteral("ACCT_NAME")), QStringLiteral("차액 -234"));
    // The footer sits under the cells, aligned with the columns.
    const QRect cells = grid->viewport()->geometry();
    QCOMPARE(grid->footerWidget()->geometry().top(), cells.bottom() + 1);
    QCOMPARE(grid->footerWidget()->geometry().width(), cells.width());
}

void TestDataGrid::titleClickSortsAndKeepsTheCurrentRecord()
{
    Screen screen(m_set.get());
    DataGrid* grid = screen.grid;
    grid->setColumns(lineColumns());
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    grid->setCurrentCell(2, QStringLiteral("REF_DATA"));  // seq 3, 급여
    auto clickTitle = [&](const QString& field) {
        QHeaderView* header = grid->horizontalHeader();
        const int column = grid->columnOf(field);
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() - 4);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    };

    clickTitle(QStringLiteral("D_AMOUNT"));  // without title sorting nothing happens
    QCOMPARE(m_set->value(0, QStringLiteral("SEQ")).toInt(), 1);

    grid->setTitleSort(true);
    clickTitle(QStringLiteral("D_AMOUNT"));
    QCOMPARE(m_set->sortFields(), QStringList{QStringLiteral("D_AMOUNT")});
    QCOMPARE(m_set->sortOrder(), Qt::AscendingOrder);
    QCOMPARE(m_set->value(QStringLiteral("SEQ")).toInt(), 3);
    QCOMPARE(m_set->currentRow(), 3);
    QCOMPARE(grid->currentIndex().row(), 3);
    QCOMPARE(grid->currentField(), QStringLiteral("REF_DATA"));
    QCOMPARE(screen.nameEdit->text(), QStringLiteral("급여"));

    clickTitle(QStringLiteral("D_AMOUNT"));
    QCOMPARE(m_set->sortOrder(), Qt::DescendingOrder);
    QCOMPARE(m_set->currentRow(), 0);
    QCOMPARE(grid->currentIndex().row(), 0);
    QCOMPARE(grid->cellText(0, QStringLiteral("ACCT_NAME")), QStringLiteral("급여"));
}

void TestDataGrid::hiddenColumnStaysReadable()
{
    Screen screen(m_set.get());
    DataGrid* grid = screen.grid;
    grid->setColumns(lineColumns());
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    const int hidden = grid->columnOf(QStringLiteral("MG_CODE1"));
    QVERIFY(grid->isColumnHidden(hidden));
    QVERIFY(grid->isColumnHidden(QStringLiteral("mg_code1")));
    QCOMPARE(grid->cellText(1, QStringLiteral("MG_CODE1")), QStringLiteral("154"));
    QCOMPARE(grid->columnCaption(hidden), QStringLiteral("코드1"));
    QCOMPARE(m_set->fieldAsString(QStringLiteral("MG_CODE1")), QStringLiteral("101"));

    // A walk over every record (as an export makes) reads the hidden column
    // and leaves grid and record where they were.
    grid->setCurrentCell(2, QStringLiteral("REF_DATA"));
    QStringList codes;
    {
        RecordSet::Walk walk(*m_set);
        for (m_set->first(); !m_set->eof(); m_set->next())
            codes << grid->cellText(m_set->currentRow(), hidden);
        QCOMPARE(grid->currentIndex().row(), 2);
    }
    QCOMPARE(codes, (QStringList{"101", "154", "501", "116"}));
    QCOMPARE(m_set->currentRow(), 2);
    QCOMPARE(grid->currentIndex().row(), 2);

    grid->setColumnHidden(QStringLiteral("MG_CODE1"), false);
    QVERIFY(!grid->isColumnHidden(hidden));
    QVERIFY(grid->columnWidth(hidden) > 0);
    // Settings of the grid's own columns survive a new search.
    m_set->reopen();
    QVERIFY(!grid->isColumnHidden(hidden));
    QCOMPARE(grid->columnWidth(grid->columnOf(QStringLiteral("REF_DATA"))), 160);
}

void TestDataGrid::cellButtonReportsRowAndField()
{
    Screen screen(m_set.get());
    DataGrid* grid = screen.grid;
    grid->setColumns(lineColumns());
    grid->setEditable(true);
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    QSignalSpy clicked(grid, &DataGrid::cellButtonClicked);
    const int code = grid->columnOf(QStringLiteral("ACCT_CODE"));
    grid->setCurrentCell(1, code);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellButtonRect(1, code).center());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 1);
    QCOMPARE(clicked.at(0).at(1).toString(), QStringLiteral("ACCT_CODE"));

    // The editor of a button column has the button too; what was typed is in
    // the record before the signal.
    QString seenCode;
    connect(grid, &DataGrid::cellButtonClicked, this,
            [&] { seenCode = m_set->fieldAsString(QStringLiteral("ACCT_CODE")); });
    QTest::keyClick(grid, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(grid->cellEditor());
    QVERIFY(editor);
    QCOMPARE(editor->actions().size(), 1);
    QTest::keyClicks(editor, QStringLiteral("711"));
    editor->actions().at(0)->trigger();
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(seenCode, QStringLiteral("711"));
    QVERIFY(!grid->isEditingCell());
    m_set->cancel();

    // Without cell buttons (a confirmed slip) nothing is reported.
    grid->setCellButtonsEnabled(false);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellButtonRect(1, code).center());
    QCOMPARE(clicked.count(), 2);
    QVERIFY(!grid->hasCellButton(code));
}

void TestDataGrid::columnGroupsMakeATwoRowHeader()
{
    Screen screen(m_set.get());
    DataGrid* grid = screen.grid;
    grid->setColumns(lineColumns());
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    auto* header = static_cast<GroupHeaderView*>(grid->horizontalHeader());
    const int plain = header->sizeHint().height();
    QVERIFY(!grid->hasColumnGroups());
    grid->setColumnGroup(QStringLiteral("계정과목"), {QStringLiteral("ACCT_CODE"), QStringLiteral("ACCT_NAME")});
    grid->setColumnGroup(QStringLiteral("금 액"), {QStringLiteral("D_AMOUNT"), QStringLiteral("C_AMOUNT")});
    QVERIFY(grid->hasColumnGroups());
    QCOMPARE(header->sizeHint().height(), plain * 2);
    QCOMPARE(header->height(), plain * 2);
    const QRect band = header->groupRect(grid->columnOf(QStringLiteral("C_AMOUNT")));
    QCOMPARE(band.left(), header->sectionViewportPosition(grid->columnOf(QStringLiteral("D_AMOUNT"))));
    QCOMPARE(band.width(), 200);
    QCOMPARE(band, header->groupRect(grid->columnOf(QStringLiteral("D_AMOUNT"))));
    QVERIFY(header->groupRect(grid->columnOf(QStringLiteral("REF_DATA"))).isEmpty());
    // Painting the grouped header must not fail.
    QVERIFY(!grid->window()->grab().isNull());
}

void TestDataGrid::frozenColumnsStayInView()
{
    // Code and name at the left, the amounts at the right stay; six wide
    // columns scroll between them, a whole column at a time.
    QList<GridColumn> columns{GridColumn(QStringLiteral("ACCT_CODE"), QStringLiteral("비목코드"), 80),
                              GridColumn(QStringLiteral("ACCT_NAME"), QStringLiteral("비 목 명"), 120)};
    for (const char* field : {"REF_DATA", "MG_CODE1", "DUE_DATE", "SIDE", "CONF_YN", "MEMO"})
        columns << GridColumn(QLatin1String(field), QLatin1String(field), 150);
    for (const char* field : {"D_AMOUNT", "C_AMOUNT"}) {
        GridColumn amount{QLatin1String(field), QLatin1String(field), 100};
        amount.footer = FooterKind::Sum;
        columns << amount;
    }
    Screen screen(m_set.get());
    DataGrid* grid = screen.grid;
    grid->setColumns(columns);
    grid->setEditable(true);
    grid->setFrozenColumns(2, 2);
    screen.window.resize(760, 400);
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    QApplication::processEvents();

    const auto col = [grid](const char* field) { return grid->columnOf(QLatin1String(field)); };
    const auto inView = [&](const char* field) { return grid->isColumnInView(col(field)); };
    const auto frozenInView = [&] {
        for (const char* field : {"ACCT_CODE", "ACCT_NAME", "D_AMOUNT", "C_AMOUNT"})
            if (!inView(field))
                return false;
        // The amounts stay right of every scrolling column on screen.
        const int amountsLeft = grid->columnViewportPosition(col("D_AMOUNT"));
        for (int c = col("REF_DATA"); c <= col("MEMO"); ++c)
            if (grid->isColumnInView(c) && grid->columnViewportPosition(c) >= amountsLeft)
                return false;
        return grid->columnViewportPosition(col("ACCT_CODE")) == 0;
    };
    QVERIFY(frozenInView());
    QVERIFY(inView("REF_DATA"));
    QVERIFY(!inView("MEMO"));
    QScrollBar* bar = grid->columnScrollBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->value(), 0);

    // Going to the last scrolling column brings it into view, the frozen ones stay.
    grid->setCurrentCell(1, QStringLiteral("MEMO"));
    QVERIFY(inView("MEMO"));
    QVERIFY(!inView("REF_DATA"));
    QVERIFY(frozenInView());
    QCOMPARE(bar->value(), bar->maximum());
    // An editor opens inside the grid's visible area.
    grid->editCurrentCell();
    QVERIFY(grid->isEditingCell());
    QVERIFY(grid->viewport()->rect().contains(grid->cellEditor()->geometry()));
    QTest::keyClick(grid->cellEditor(), Qt::Key_Escape);

    // Right from the name goes to the first scrolling column, scrolled back
    // into view; Left from it returns to the name.
    grid->setCurrentCell(1, QStringLiteral("ACCT_NAME"));
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(grid->currentField(), QStringLiteral("REF_DATA"));
    QVERIFY(inView("REF_DATA"));
    QCOMPARE(bar->value(), 0);
    QTest::keyClick(grid, Qt::Key_Left);
    QCOMPARE(grid->currentField(), QStringLiteral("ACCT_NAME"));
    // From the last scrolling column Right reaches the amounts, and End the last one.
    grid->setCurrentCell(1, QStringLiteral("MEMO"));
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(grid->currentField(), QStringLiteral("D_AMOUNT"));
    QVERIFY(frozenInView());
    QTest::keyClick(grid, Qt::Key_Home);
    QCOMPARE(grid->currentField(), QStringLiteral("ACCT_CODE"));

    // The scroll bar moves the scrolling columns only.
    bar->setValue(2);
    QVERIFY(!inView("REF_DATA") && !inView("MG_CODE1") && inView("DUE_DATE"));
    QVERIFY(frozenInView());
    QVERIFY(!grid->isColumnHidden(col("REF_DATA")));

    // A hidden column stays hidden and is stepped over.
    grid->setColumnHidden(QStringLiteral("MG_CODE1"), true);
    grid->setCurrentCell(1, QStringLiteral("REF_DATA"));
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(grid->currentField(), QStringLiteral("DUE_DATE"));
    QVERIFY(!inView("MG_CODE1"));
    QVERIFY(grid->isColumnHidden(QStringLiteral("MG_CODE1")));

    // Totals stay under their columns.
    QCOMPARE(grid->footerText(QStringLiteral("D_AMOUNT")), QStringLiteral("2,650,000"));

    // Wide enough for everything: nothing scrolls.
    screen.window.resize(1400, 400);
    QTRY_VERIFY(!bar->isVisible());
    for (int c = 0; c < grid->gridColumnCount(); ++c)
        QCOMPARE(grid->isColumnInView(c), c != col("MG_CODE1"));
    QVERIFY(frozenInView());

    // Without frozen columns the grid scrolls as a whole again.
    screen.window.resize(760, 400);
    grid->setFrozenColumns(0, 0);
    QApplication::processEvents();
    QVERIFY(!bar->isVisible());
    grid->setCurrentCell(1, QStringLiteral("MEMO"));
    QVERIFY(grid->horizontalScrollBar()->value() > 0);
    QVERIFY(!inView("ACCT_CODE"));
}

void TestDataGrid::escapeCancelsANewLine()
{
    Screen screen(m_set.get());
    DataGrid* grid = screen.grid;
    grid->setColumns(lineColumns());
    grid->setEditable(true);
    QVERIFY(QTest::qWaitForWindowActive(&screen.window));
    m_set->append();
    QCOMPARE(grid->model()->rowCount(), 5);
    QCOMPARE(grid->currentIndex().row(), 4);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Escape);
    QCOMPARE(m_set->recordCount(), 4);
    QCOMPARE(grid->model()->rowCount(), 4);
    QCOMPARE(grid->currentIndex().row(), m_set->currentRow());

    // Delete empties an editable cell.
    grid->setCurrentCell(0, QStringLiteral("REF_DATA"));
    QTest::keyClick(grid, Qt::Key_Delete);
    QVERIFY(m_set->isNull(QStringLiteral("REF_DATA")));
    m_set->cancel();

    // A key handler may take keys such as F1 for itself.
    int f1 = 0;
    connect(grid, &DataGrid::cellKeyPressed, this, [&](QKeyEvent* event) {
        if (event->key() == Qt::Key_F1) {
            ++f1;
            event->accept();
        }
    });
    QTest::keyClick(grid, Qt::Key_F1);
    QTest::keyClick(grid, Qt::Key_F2);
    QVERIFY(grid->cellEditor());
    QTest::keyClick(grid->cellEditor(), Qt::Key_F1);
    QCOMPARE(f1, 2);
}

void TestDataGrid::autoColumnsFollowTheFields()
{
    DataGrid grid;
    grid.setRecordSet(m_set.get());
    QCOMPARE(grid.gridColumnCount(), m_set->fieldCount());
    QCOMPARE(grid.columnCaption(1), QStringLiteral("ACCT_CODE"));
    m_set->setDisplayLabel(QStringLiteral("ACCT_CODE"), QStringLiteral("계정코드"));
    QCOMPARE(grid.columnCaption(1), QStringLiteral("계정코드"));
    m_set->setFieldVisible(QStringLiteral("MEMO"), false);
    m_set->open(QStringLiteral("SELECT seq, memo FROM grid_line ORDER BY seq"));
    QCOMPARE(grid.gridColumnCount(), 2);
    QVERIFY(grid.isColumnHidden(1));
    m_set->close();
    QCOMPARE(grid.model()->rowCount(), 0);
    QCOMPARE(grid.currentRow(), -1);
}

void TestDataGrid::otherBoundControls()
{
    QWidget window;
    auto* combo = new DbCombo(&window);
    auto* check = new DbCheck(&window);
    auto* date = new DbDateEdit(&window);
    auto* memo = new DbMemo(&window);
    auto* label = new DbText(&window);
    combo->setItems({{QStringLiteral("D"), QStringLiteral("차변")}, {QStringLiteral("C"), QStringLiteral("대변")}});
    combo->setDataSource(m_set.get(), QStringLiteral("side"));
    check->setDataSource(m_set.get(), QStringLiteral("CONF_YN"));
    date->setDataSource(m_set.get(), QStringLiteral("DUE_DATE"));
    memo->setDataSource(m_set.get(), QStringLiteral("MEMO"));
    label->setDataSource(m_set.get(), QStringLiteral("D_AMOUNT"));
    SetNumberFormats(*m_set);

    QCOMPARE(combo->currentText(), QStringLiteral("차변"));
    QVERIFY(check->isChecked());
    QCOMPARE(date->date(), QDate(2026, 3, 31));
    QCOMPARE(memo->toPlainText(), QStringLiteral("a"));
    QCOMPARE(label->text(), QStringLiteral("150,000"));

    m_set->next();
    QCOMPARE(combo->currentText(), QStringLiteral("대변"));
    QVERIFY(!check->isChecked());
    QVERIFY(date->isNull());
    QCOMPARE(memo->toPlainText(), QString());

    // User changes reach the record only in edit state.
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    QCOMPARE(m_set->fieldAsString(QStringLiteral("SIDE")), QStringLiteral("C"));
    QCOMPARE(combo->currentText(), QStringLiteral("대변"));
    m_set->edit();
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    check->click();
    date->setDate(QDate(2026, 5, 1));
    memo->setPlainText(QStringLiteral("메모"));
    QCOMPARE(m_set->fieldAsString(QStringLiteral("SIDE")), QStringLiteral("D"));
    QCOMPARE(m_set->fieldAsString(QStringLiteral("CONF_YN")), QStringLiteral("Y"));
    QCOMPARE(m_set->fieldAsString(QStringLiteral("DUE_DATE")), QStringLiteral("2026-05-01"));
    QCOMPARE(m_set->fieldAsString(QStringLiteral("MEMO")), QStringLiteral("메모"));
    date->setDate(date->minimumDate());
    QVERIFY(m_set->isNull(QStringLiteral("DUE_DATE")));
    m_set->cancel();
    QCOMPARE(combo->currentText(), QStringLiteral("대변"));
    QCOMPARE(memo->toPlainText(), QString());

    m_set->close();
    QCOMPARE(label->text(), QString());
    QCOMPARE(combo->currentIndex(), -1);
}

void TestDataGrid::fieldModeClearsTheBoundField()
{
    DbEdit edit;
    edit.setDataSource(m_set.get(), QStringLiteral("REF_DATA"));
    QCOMPARE(edit.text(), QStringLiteral("시재 입금"));
    // In browse state only the edit is emptied.
    SetFieldMode(&edit, fmLocked, false);
    QVERIFY(!edit.isEnabled());
    QVERIFY(edit.text().isEmpty());
    QCOMPARE(m_set->fieldAsString(QStringLiteral("REF_DATA")), QStringLiteral("시재 입금"));
    // While the record is edited its field is cleared as well.
    m_set->edit();
    edit.refresh();
    SetFieldMode(&edit, fmEditable, false);
    QVERIFY(edit.isEnabled());
    QVERIFY(edit.text().isEmpty());
    QVERIFY(m_set->isNull(QStringLiteral("REF_DATA")));
    m_set->cancel();
    QCOMPARE(edit.text(), QStringLiteral("시재 입금"));
    SetFieldMode(&edit, fmGreyed, true);
    QCOMPARE(edit.text(), QStringLiteral("시재 입금"));
}

TV_TEST_MAIN(TestDataGrid)
#include "tst_datagrid.moc"
