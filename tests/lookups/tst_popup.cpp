// The code lookup button and its search window: statement handling, the
// full and the prefix lookup, the returned values, the window's columns,
// keys and placement, and the bound search values.
#include "common/AppErrors.h"
#include "common/Db.h"
#include "common/Query.h"
#include "lookups/LookupCaptions.h"
#include "lookups/LookupSql.h"
#include "lookups/PopupBtn.h"
#include "lookups/PopupWnd.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include "shell/V0Main.h"
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSqlQuery>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {

// Employees the lookups are tried on; the demo's own rows stay untouched.
const QStringList kEmployeeSql = {
    QStringLiteral("SELECT EMP_NO, EMP_K_NAME, EMP_AFF_DEPT_CODE, EMP_ACC_DEPT_CODE"),
    QStringLiteral("  FROM QA010MS"),
    QStringLiteral(" WHERE EMP_NO LIKE 'LK%'"),
    QStringLiteral(" ORDER BY EMP_NO"),
};
const QStringList kEmployeeLinkSql = {
    QStringLiteral("SELECT EMP_NO, EMP_K_NAME, EMP_AFF_DEPT_CODE, EMP_ACC_DEPT_CODE"),
    QStringLiteral("  FROM QA010MS"),
    QStringLiteral(" WHERE EMP_NO LIKE :emp_no"),
    QStringLiteral(" ORDER BY EMP_NO"),
};

TfrmPopupWnd* popup(QDialog* dialog)
{
    auto* window = qobject_cast<TfrmPopupWnd*>(dialog);
    if (!window)
        qFatal("the dialog run is not the code search window");
    return window;
}

// A screen's click handler: counts the click events and what they found.
struct ClickLog {
    int count = 0;
    int lastModalResult = 0;
    QStringList lastReturnValue;
    void attach(TPopupBtn& button)
    {
        QObject::connect(&button, &TPopupBtn::clicked, [this, &button] {
            ++count;
            lastModalResult = button.modalResult();
            lastReturnValue = button.returnValue();
        });
    }
};

bool hasHangul(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0xAC00 && c.unicode() <= 0xD7A3)
            return true;
    return false;
}

// The column headers and the column chooser of the search window a button
// opens, each checked to be Korean and not the raw field name.
QStringList foreignCaptions(TPopupBtn& button, const QString& where)
{
    ScriptedDialogs dialogs;
    QStringList problems;
    bool shown = false;
    dialogs.onDialog = [&](QDialog* d) {
        TfrmPopupWnd* w = popup(d);
        shown = true;
        for (int c = 0; c < w->columnCount(); ++c) {
            const QString header = w->DBGrid->model()->headerData(c, Qt::Horizontal).toString();
            const QString chooser = w->ComboBox->itemText(c);
            for (const QString& text : {header, chooser})
                if (!hasHangul(text) || text.compare(w->fieldName(c), Qt::CaseInsensitive) == 0)
                    problems << QStringLiteral("%1, column %2 (%3): \"%4\"").arg(where).arg(c + 1).arg(w->fieldName(c), text);
        }
        return int(QDialog::Rejected);
    };
    button.click();
    if (!shown)
        problems << where + QStringLiteral(": no window");
    return problems;
}

}  // namespace

class TestPopup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void insertCondition_data();
    void insertCondition();
    void placeholderNames_data();
    void placeholderNames();

    void runFilterOnStatements_data();
    void runFilterOnStatements();
    void searchTextIsBoundNotSpliced_data();
    void searchTextIsBoundNotSpliced();

    void fullLookupChoosesAndCancels_data();
    void fullLookupChoosesAndCancels();
    void linkSearch_data();
    void linkSearch();
    void linkSearchParamsAndQuotedPrefix();
    void linkSearchWithUnsupportedControlDoesNothing();
    void linkSearchEmptyThenSearchFullStatement();

    void returnValueNullsAndHiddenColumns();
    void columnTitlesChooserAndWidening();
    void captionsWithoutATitle_data();
    void captionsWithoutATitle();
    void everyStoredLookupColumnHasAKoreanCaption();
    void everyScreenLookupColumnHasAKoreanCaption();
    void windowKeys();
    void placement_data();
    void placement();
    void databaseErrorLeavesNoWindowAndNoClick();
    void ownConnection();

private:
    std::unique_ptr<TestDatabase> m_db;
};

void TestPopup::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    ExecSql(QStringLiteral(
        "INSERT INTO QA010MS (EMP_NO, EMP_K_NAME, EMP_AFF_DEPT_CODE, EMP_ACC_DEPT_CODE) VALUES "
        "('LK0001', 'O''Brien', '1111', '1111'), "
        "('LK0002', '김룩업', '1111', NULL), "
        "('LK0101', '이룩업', '1112', '1112'), "
        "('LK0102', '박룩업', NULL, NULL)"));
}

void TestPopup::cleanupTestCase()
{
    m_db.reset();
}

void TestPopup::insertCondition_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected");
    const QString c = QStringLiteral("X LIKE :v");
    QTest::newRow("where without and: after the where line")
        << QStringList{"SELECT A, B", "  FROM T", " WHERE A = 1", " ORDER BY A"}
        << QStringList{"SELECT A, B", "  FROM T", " WHERE A = 1", "AND " + c, " ORDER BY A"};
    QTest::newRow("where with a later and: after the last and line")
        << QStringList{"SELECT A", "  FROM T", " WHERE A = 1", "   AND B = 2", "   AND C = 3", " ORDER BY A"}
        << QStringList{"SELECT A", "  FROM T", " WHERE A = 1", "   AND B = 2", "   AND C = 3", "AND " + c, " ORDER BY A"};
    QTest::newRow("and line before from and where is ignored")
        << QStringList{"SELECT A,", "       CASE WHEN B = 1 and C = 2 THEN 1 END D", "  FROM T", " WHERE A = 1"}
        << QStringList{"SELECT A,", "       CASE WHEN B = 1 and C = 2 THEN 1 END D", "  FROM T", " WHERE A = 1",
                       "AND " + c};
    QTest::newRow("lower case keywords")
        << QStringList{"select a", "  from t", " where a = 1", "   and b = 2", " order by a"}
        << QStringList{"select a", "  from t", " where a = 1", "   and b = 2", "AND " + c, " order by a"};
    QTest::newRow("group by without where: before group by")
        << QStringList{"SELECT A, COUNT(*)", "  FROM T", " GROUP BY A", " ORDER BY A"}
        << QStringList{"SELECT A, COUNT(*)", "  FROM T", "WHERE " + c, " GROUP BY A", " ORDER BY A"};
    QTest::newRow("order by only: before order by")
        << QStringList{"SELECT A", "  FROM T", " ORDER BY A"}
        << QStringList{"SELECT A", "  FROM T", "WHERE " + c, " ORDER BY A"};
    QTest::newRow("none: appended")
        << QStringList{"SELECT A", "  FROM T"}
        << QStringList{"SELECT A", "  FROM T", "WHERE " + c};
    QTest::newRow("the first line is not examined")
        << QStringList{"SELECT A FROM T", " ORDER BY A"}
        << QStringList{"SELECT A FROM T", "WHERE " + c, " ORDER BY A"};
}

void TestPopup::insertCondition()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    QCOMPARE(LookupSql::insertCondition(lines, QStringLiteral("X LIKE :v")), expected);
}

void TestPopup::placeholderNames_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("plain") << "SELECT * FROM T WHERE A = :a AND B LIKE :b_1" << QStringList{"a", "b_1"};
    QTest::newRow("repeated name counts per occurrence") << "WHERE A = :x OR B = :X" << QStringList{"x", "X"};
    QTest::newRow("quoted text is skipped") << "WHERE A = 'at :no' AND B = \"c:d\" AND C = :yes"
                                            << QStringList{"yes"};
    QTest::newRow("doubled quote inside text") << "WHERE A = 'it''s :no' AND B = :yes" << QStringList{"yes"};
    QTest::newRow("casts are not parameters") << "SELECT A::TEXT, :p::DATE FROM T" << QStringList{"p"};
    QTest::newRow("none") << "SELECT 1" << QStringList{};
}

void TestPopup::placeholderNames()
{
    QFETCH(QString, sql);
    QFETCH(QStringList, names);
    QCOMPARE(Db::placeholderNames(sql), names);
}

void TestPopup::runFilterOnStatements_data()
{
    QTest::addColumn<QStringList>("sql");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("firstColumn");
    QTest::addColumn<QString>("insertedLine");

    QTest::newRow("where with its own parameter and a later and")
        << QStringList{"SELECT EMP_NO, EMP_K_NAME", "  FROM QA010MS", " WHERE EMP_NO LIKE :prefix",
                       "   AND EMP_AFF_DEPT_CODE IS NOT NULL", " ORDER BY EMP_NO"}
        << 1 << QStringLiteral("룩업") << QStringList{"LK0002", "LK0101"}
        << QStringLiteral("AND CAST(emp_k_name AS TEXT) LIKE :find_text");
    QTest::newRow("where without and")
        << QStringList{"SELECT EMP_NO, EMP_K_NAME", "  FROM QA010MS", " WHERE EMP_NO LIKE :prefix",
                       " ORDER BY EMP_NO"}
        << 0 << QStringLiteral("LK01") << QStringList{"LK0101", "LK0102"}
        << QStringLiteral("AND CAST(emp_no AS TEXT) LIKE :find_text");
    QTest::newRow("group by")
        << QStringList{"SELECT EMP_AFF_DEPT_CODE, COUNT(*) CNT", "  FROM QA010MS",
                       " GROUP BY EMP_AFF_DEPT_CODE", " ORDER BY 1"}
        << 0 << QStringLiteral("1112") << QStringList{"1112"}
        << QStringLiteral("WHERE CAST(emp_aff_dept_code AS TEXT) LIKE :find_text");
    QTest::newRow("order by only")
        << QStringList{"SELECT EMP_NO, EMP_K_NAME", "  FROM QA010MS", " ORDER BY EMP_NO"}
        << 1 << QStringLiteral("룩업") << QStringList{"LK0002", "LK0101", "LK0102"}
        << QStringLiteral("WHERE CAST(emp_k_name AS TEXT) LIKE :find_text");
    QTest::newRow("no clause at all")
        << QStringList{"SELECT EMP_NO, EMP_K_NAME", "  FROM QA010MS"}
        << 0 << QStringLiteral("LK000") << QStringList{"LK0001", "LK0002"}
        << QStringLiteral("WHERE CAST(emp_no AS TEXT) LIKE :find_text");
}

void TestPopup::runFilterOnStatements()
{
    QFETCH(QStringList, sql);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QStringList, firstColumn);
    QFETCH(QString, insertedLine);

    ScriptedDialogs dialogs;
    TPopupBtn button;
    button.setSql(sql);
    button.setParam(QStringLiteral("PREFIX"), QStringLiteral("LK%"));
    QStringList found;
    QString statement;
    dialogs.onDialog = [&](QDialog* d) {
        TfrmPopupWnd* w = popup(d);
        w->ComboBox->setCurrentIndex(column);
        w->Edit->setText(text);
        w->RunFilter();
        statement = w->statementText();
        for (int r = 0; r < w->rowCount(); ++r) {
            w->setCurrentRow(r);
            found << w->currentRowTexts().at(0);
        }
        return int(QDialog::Rejected);
    };
    button.click();
    QCOMPARE(dialogs.dialogsRun.size(), 1);
    QCOMPARE(found, firstColumn);
    QVERIFY2(statement.split(QLatin1Char('\n')).contains(insertedLine), qPrintable(statement));
}

void TestPopup::searchTextIsBoundNotSpliced_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("quote inside a name") << QStringLiteral("O'B") << QStringList{"LK0001"};
    QTest::newRow("quote that would end the literal") << QStringLiteral("x' OR '1'='1") << QStringList{};
    QTest::newRow("statement terminator") << QStringLiteral("'; DELETE FROM QA010MS; --") << QStringList{};
}

void TestPopup::searchTextIsBoundNotSpliced()
{
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    ScriptedDialogs dialogs;
    TPopupBtn button;
    button.setSql(kEmployeeSql);
    QStringList codes;
    QString statement;
    QVariantList params;
    dialogs.onDialog = [&](QDialog* d) {
        TfrmPopupWnd* w = popup(d);
        w->ComboBox->setCurrentIndex(1);
        w->Edit->setText(text);
        w->RunFilter();
        statement = w->statementText();
        params = w->statementParams();
        for (int r = 0; r < w->rowCount(); ++r) {
            w->setCurrentRow(r);
            codes << w->currentRowTexts().at(0);
        }
        return int(QDialog::Rejected);
    };
    button.click();
    QCOMPARE(codes, found);
    QVERIFY(!statement.contains(text));
    QCOMPARE(params, QVariantList{QString(QLatin1Char('%') + text + QLatin1Char('%'))});
    QCOMPARE(Db::scalar(QStringLiteral("SELECT COUNT(*) FROM QA010MS WHERE EMP_NO LIKE 'LK%'")).toInt(), 4);
}

void TestPopup::fullLookupChoosesAndCancels_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("modalResult");
    QTest::addColumn<QStringList>("returnValue");
    QTest::newRow("choose the third row") << int(QDialog::Accepted) << 2 << 1
                                          << QStringList{"LK0101", "이룩업", "1112", "1112"};
    QTest::newRow("cancel") << int(QDialog::Rejected) << 2 << 2 << QStringList{};
}

void TestPopup::fullLookupChoosesAndCancels()
{
    QFETCH(int, answer);
    QFETCH(int, row);
    QFETCH(int, modalResult);
    QFETCH(QStringList, returnValue);
    ScriptedDialogs dialogs;
    TPopupBtn button;
    button.setSql(kEmployeeSql);
    ClickLog log;
    log.attach(button);
    int rowsShown = -1;
    dialogs.onDialog = [&](QDialog* d) {
        TfrmPopupWnd* w = popup(d);
        rowsShown = w->rowCount();
        // The click event has not reached the screen while the window is open.
        if (log.count != 0)
            return int(QDialog::Rejected);
        w->setCurrentRow(row);
        return answer;
    };
    button.click();
    QCOMPARE(rowsShown, 4);
    QCOMPARE(log.count, 1);
    QCOMPARE(log.lastModalResult, modalResult);
    QCOMPARE(log.lastReturnValue, returnValue);
    QCOMPARE(button.modalResult(), modalResult);
}

void TestPopup::linkSearch_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("windowsShown");
    QTest::addColumn<int>("rowsInWindow");
    QTest::addColumn<int>("modalResult");
    QTest::addColumn<QString>("chosenCode");
    QTest::newRow("exactly one row: accepted silently") << "LK0002" << int(QDialog::Rejected) << 0 << -1 << 1
                                                        << "LK0002";
    QTest::newRow("several rows: window, chosen") << "LK01" << int(QDialog::Accepted) << 1 << 2 << 1 << "LK0102";
    QTest::newRow("several rows: window, cancelled") << "LK" << int(QDialog::Rejected) << 1 << 4 << 2 << "";
    QTest::newRow("no row: window, nothing to choose") << "NOPE" << int(QDialog::Accepted) << 1 << 0 << 2 << "";
}

void TestPopup::linkSearch()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(int, windowsShown);
    QFETCH(int, rowsInWindow);
    QFETCH(int, modalResult);
    QFETCH(QString, chosenCode);

    ScriptedDialogs dialogs;
    QLineEdit edit;
    edit.setText(typed);
    TPopupBtn button;
    button.setSql(kEmployeeSql);
    button.setLinkSql(kEmployeeLinkSql);
    button.setLinkControl(&edit);
    ClickLog log;
    log.attach(button);
    int rows = -1;
    dialogs.onDialog = [&](QDialog* d) {
        TfrmPopupWnd* w = popup(d);
        rows = w->rowCount();
        w->setCurrentRow(w->rowCount() - 1);
        return answer;
    };
    button.LinkSearch();
    QCOMPARE(dialogs.dialogsRun.size(), windowsShown);
    QCOMPARE(rows, rowsInWindow);
    QCOMPARE(log.count, 1);
    QCOMPARE(log.lastModalResult, modalResult);
    QCOMPARE(button.returnValue().isEmpty() ? QString() : button.returnValue().at(0), chosenCode);
    QVERIFY(!button.inLinkSearch());
}

void TestPopup::linkSearchParamsAndQuotedPrefix()
{
    ScriptedDialogs dialogs;
    QComboBox combo;
    combo.setEditable(true);
    combo.setEditText(QStringLiteral("O'B"));
    TPopupBtn button;
    button.setSql(kEmployeeSql);
    // :dept is assigned by the screen; :name is left for the typed text.
    button.setLinkSql({QStringLiteral("SELECT EMP_NO, EMP_K_NAME FROM QA010MS"),
                       QStringLiteral(" WHERE EMP_K_NAME LIKE :name"),
                       QStringLiteral("   AND EMP_AFF_DEPT_CODE = :dept")});
    button.setParam(QStringLiteral(":dept"), QStringLiteral("1111"));
    button.setLinkControl(&combo);
    button.LinkSearch();
    QCOMPARE(dialogs.dialogsRun.size(), 0);
    QCOMPARE(button.modalResult(), 1);
    QCOMPARE(button.returnValue(), (QStringList{"LK0001", "O'Brien"}));

    // The same prefix in another department matches nothing: the window opens.
    button.setParam(QStringLiteral("DEPT"), QStringLiteral("1112"));
    int rows = -1;
    dialogs.onDialog = [&](QDialog* d) {
        rows = popup(d)->rowCount();
        return int(QDialog::Rejected);
    };
    button.LinkSearch();
    QCOMPARE(dialogs.dialogsRun.size(), 1);
    QCOMPARE(rows, 0);
}

void TestPopup::linkSearchWithUnsupportedControlDoesNothing()
{
    ScriptedDialogs dialogs;
    QLineEdit edit(QStringLiteral("LK0002"));
    QLabel label(QStringLiteral("LK0001"));
    TPopupBtn button;
    button.setSql(kEmployeeSql);
    button.setLinkSql(kEmployeeLinkSql);
    button.setLinkControl(&edit);
    button.LinkSearch();
    QCOMPARE(button.returnValue().at(0), QStringLiteral("LK0002"));

    ClickLog log;
    log.attach(button);
    for (QWidget* control : {static_cast<QWidget*>(&label), static_cast<QWidget*>(nullptr)}) {
        button.setLinkControl(control);
        button.LinkSearch();
        QCOMPARE(dialogs.dialogsRun.size(), 0);
        QCOMPARE(log.count, 0);
        QCOMPARE(button.returnValue().at(0), QStringLiteral("LK0002"));
    }
}

void TestPopup::linkSearchEmptyThenSearchFullStatement()
{
    ScriptedDialogs dialogs;
    QLineEdit edit(QStringLiteral("박"));
    TPopupBtn button;
    button.setSql(kEmployeeSql);
    button.setLinkSql(kEmployeeLinkSql);
    button.setLinkControl(&edit);
    int rowsBefore = -1;
    QString statement;
    dialogs.onDialog = [&](QDialog* d) {
        TfrmPopupWnd* w = popup(d);
        rowsBefore = w->rowCount();
        w->ComboBox->setCurrentIndex(1);
        w->Edit->setText(QStringLiteral("박"));
        w->SpeedButtonRetrieveClick();
        statement = w->statementText();
        return int(QDialog::Accepted);
    };
    button.LinkSearch();
    QCOMPARE(rowsBefore, 0);
    QVERIFY(statement.startsWith(kEmployeeSql.first()));
    QVERIFY(statement.contains(QStringLiteral("EMP_NO LIKE 'LK%'")));
    QCOMPARE(button.modalResult(), 1);
    QCOMPARE(button.returnValue(), (QStringList{"LK0102", "박룩업", " ", " "}));
}

void TestPopup::returnValueNullsAndHiddenColumns()
{
    ScriptedDialogs dialogs;
    TPopupBtn button;
    button.setSql({QStringLiteral("SELECT EMP_NO, EMP_ACC_DEPT_CODE, EMP_K_NAME, EMP_AFF_DEPT_CODE"),
                   QStringLiteral("  FROM QA010MS"), QStringLiteral(" WHERE EMP_NO = 'LK0002'")});
    button.setColumnWidths({QStringLiteral("8"), QStringLiteral("12"), QStringLiteral("0")});
    QList<bool> hidden;
    QList<int> widths, expectedWidths;
    dialogs.onDialog = [&](QDialog* d) {
        TfrmPopupWnd* w = popup(d);
        for (int c = 0; c < w->columnCount(); ++c) {
            hidden << w->DBGrid->isColumnHidden(c);
            widths << w->DBGrid->columnWidth(c);
        }
        expectedWidths = {w->charsToPixels(8), w->charsToPixels(12)};
        return int(QDialog::Accepted);
    };
    button.click();
    QCOMPARE(hidden, (QList<bool>{false, false, true, true}));
    QCOMPARE(widths.mid(0, 2), expectedWidths);
    QCOMPARE(button.returnValue(), (QStringList{"LK0002", " ", "김룩업", "1111"}));

    // Without widths every column shows.
    button.setColumnWidths({});
    hidden.clear();
    widths.clear();
    dialogs.onDialog = [&](QDialog* d) {
        TfrmPopupWnd* w = popup(d);
        for (int c = 0; c < w->columnCount(); ++c)
            hidden << w->DBGrid->isColumnHidden(c);
        return int(QDialog::Accepted);
    };
    button.click();
    QCOMPARE(hidden, (QList<bool>{false, false, false, false}));
}

void TestPopup::columnTitlesChooserAndWidening()
{
    ScriptedDialogs dialogs;
    TPopupBtn button;
    button.setSql(kEmployeeSql);
    button.setColumnTitles({QStringLiteral("사번"), QStringLiteral("성명")});
    button.setColumnWidths({QStringLiteral("30"), QStringLiteral("40"), QStringLiteral("0"), QStringLiteral("0")});
    QStringList headers, chooser;
    int width = 0, needed = 0;
    dialogs.onDialog = [&](QDialog* d) {
        TfrmPopupWnd* w = popup(d);
        for (int c = 0; c < w->columnCount(); ++c)
            headers << w->DBGrid->model()->headerData(c, Qt::Horizontal).toString();
        for (int i = 0; i < w->ComboBox->count(); ++i)
            chooser << w->ComboBox->itemText(i);
        if (w->ComboBox->currentIndex() != 0)
            chooser << QStringLiteral("first column not chosen");
        width = w->width();
        needed = w->charsToPixels(30) + w->charsToPixels(40) + 2 * w->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
            + 15;
        return int(QDialog::Rejected);
    };
    button.click();
    const QStringList expected{"사번", "성명", "소속부서코드", "회계부서코드"};
    QCOMPARE(headers, expected);
    QCOMPARE(chooser, expected);
    QVERIFY(needed > 239);
    QCOMPARE(width, needed);
}

void TestPopup::captionsWithoutATitle_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("caption");
    QTest::newRow("known column") << "C_CODE" << 0 << "은행" << "거래처코드";
    QTest::newRow("known, small letters") << "emp_k_name" << 1 << "" << "성명";
    QTest::newRow("code by its ending") << "BANK_CD" << 0 << "은행" << "은행코드";
    QTest::newRow("name by its ending") << "BANK_NM" << 1 << "은행" << "은행명";
    QTest::newRow("date by its ending") << "OPEN_DATE" << 2 << "계좌번호" << "계좌번호일자";
    QTest::newRow("amount by its ending") << "LIMIT_AMT" << 3 << "카드사" << "카드사금액";
    QTest::newRow("nothing to go by") << "XYZ" << 2 << "차입번호" << "차입번호 3";
    QTest::newRow("no subject either") << "XYZ" << 0 << "" << "항목 1";
}

void TestPopup::captionsWithoutATitle()
{
    QFETCH(QString, field);
    QFETCH(int, column);
    QFETCH(QString, subject);
    QFETCH(QString, caption);
    QCOMPARE(LookupCaptions::caption(field, column, subject), caption);
}

void TestPopup::everyStoredLookupColumnHasAKoreanCaption()
{
    // Each management item's value list, captioned as slip entry captions it.
    QSqlQuery items = RunQuery(QStringLiteral("SELECT MG_CODE, MG_NAME, CON_CODE FROM VA030MS\n"
                                              " WHERE MG_TYPE = '2' AND CON_CODE IS NOT NULL ORDER BY MG_CODE"));
    QStringList problems;
    int lookups = 0;
    while (items.next()) {
        ++lookups;
        const QString code = items.value(0).toString();
        const QString statement = items.value(2).toString();
        TPopupBtn button;
        button.setSql(statement);
        button.setStoredStatement(true);
        button.setColumnTitles(LookupCaptions::forItem(code));
        button.setCaptionSubject(items.value(1).toString());
        for (const QString& name : Db::placeholderNames(statement))
            button.setParam(name, QStringLiteral("%"));
        try {
            problems += foreignCaptions(button, QStringLiteral("item ") + code);
        } catch (const ServerError& e) {
            // A list over the tables of a subsystem the database does not
            // hold yet cannot be opened at all.
            if (e.nativeError() != 942)
                throw;
            --lookups;
        }
    }
    QVERIFY(lookups > 10);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestPopup::everyScreenLookupColumnHasAKoreanCaption()
{
    QStringList problems;
    int buttons = 0;
    for (const TfrmV0Main::DispatchEntry& entry : TfrmV0Main::dispatchTable()) {
        if (!entry.create)
            continue;
        std::unique_ptr<QWidget> screen(entry.create());
        for (TPopupBtn* button : screen->findChildren<TPopupBtn*>()) {
            // The item value list gets its statement from the line's rule.
            if (button->sql().isEmpty())
                continue;
            ++buttons;
            // Only the window is looked at; the screen's own handler of the
            // click stays out.
            QObject::disconnect(button, &TPopupBtn::clicked, screen.get(), nullptr);
            // Fields are locked while the screen holds no record.
            for (QWidget* w = button; w; w = w->parentWidget())
                w->setEnabled(true);
            problems += foreignCaptions(*button, QLatin1String(entry.programId) + QLatin1Char(' ') + button->objectName());
        }
    }
    QVERIFY(buttons >= 4);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestPopup::windowKeys()
{
    ScriptedDialogs dialogs;
    TPopupBtn button;
    button.setSql(kEmployeeSql);

    // Enter in the search text searches, Down goes to the grid, Enter there chooses.
    int rowsAfterSearch = -1;
    dialogs.onDialog = [&](QDialog* d) {
        TfrmPopupWnd* w = popup(d);
        w->Edit->setText(QStringLiteral("LK01"));
        QTest::keyClick(w->Edit, Qt::Key_Return);
        rowsAfterSearch = w->rowCount();
        QTest::keyClick(w->DBGrid, Qt::Key_Down);
        QTest::keyClick(w->DBGrid, Qt::Key_Return);
        return w->result();
    };
    button.click();
    QCOMPARE(rowsAfterSearch, 2);
    QCOMPARE(button.modalResult(), 1);
    QCOMPARE(button.returnValue().at(0), QStringLiteral("LK0102"));

    // Esc in the search text, the grid or the chooser cancels; Enter in the
    // chooser chooses; Ctrl+A searches.
    struct Case {
        const char* name;
        std::function<QWidget*(TfrmPopupWnd*)> target;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int modalResult;
    };
    const QList<Case> cases{
        {"esc in search text", [](TfrmPopupWnd* w) { return w->Edit; }, Qt::Key_Escape, Qt::NoModifier, 2},
        {"esc in grid", [](TfrmPopupWnd* w) { return w->DBGrid; }, Qt::Key_Escape, Qt::NoModifier, 2},
        {"esc in chooser", [](TfrmPopupWnd* w) { return w->ComboBox; }, Qt::Key_Escape, Qt::NoModifier, 2},
        {"enter in chooser", [](TfrmPopupWnd* w) { return w->ComboBox; }, Qt::Key_Return, Qt::NoModifier, 1},
    };
    for (const Case& c : cases) {
        dialogs.onDialog = [&](QDialog* d) {
            TfrmPopupWnd* w = popup(d);
            QTest::keyClick(c.target(w), c.key, c.modifiers);
            return w->result();
        };
        button.click();
        QVERIFY2(button.modalResult() == c.modalResult, c.name);
    }

    dialogs.onDialog = [&](QDialog* d) {
        TfrmPopupWnd* w = popup(d);
        w->Edit->setText(QStringLiteral("LK000"));
        QTest::keyClick(w->DBGrid, Qt::Key_A, Qt::ControlModifier);
        rowsAfterSearch = w->rowCount();
        // Double-clicking a row chooses it.
        w->show();
        const QModelIndex second = w->DBGrid->model()->index(1, 0);
        const QPoint at = w->DBGrid->visualRect(second).center();
        QTest::mouseClick(w->DBGrid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(w->DBGrid->viewport(), Qt::LeftButton, {}, at);
        w->hide();
        return w->result();
    };
    button.click();
    QCOMPARE(rowsAfterSearch, 2);
    QCOMPARE(button.modalResult(), 1);
    QCOMPARE(button.returnValue().at(0), QStringLiteral("LK0002"));

    // Left and Right move between the search text and the chooser; Down to the grid.
    dialogs.onDialog = [&](QDialog* d) {
        TfrmPopupWnd* w = popup(d);
        w->show();
        QApplication::setActiveWindow(w);
        if (!QTest::qWaitForWindowActive(w))
            return int(QDialog::Rejected);
        w->Edit->setFocus();
        QTest::keyClick(w->Edit, Qt::Key_Left);
        const bool toChooser = w->ComboBox->hasFocus();
        QTest::keyClick(w->ComboBox, Qt::Key_Right);
        const bool toEdit = w->Edit->hasFocus();
        QTest::keyClick(w->Edit, Qt::Key_Down);
        const bool toGrid = w->DBGrid->hasFocus();
        w->hide();
        return toChooser && toEdit && toGrid ? int(QDialog::Accepted) : int(QDialog::Rejected);
    };
    button.click();
    QCOMPARE(button.modalResult(), 1);
}

void TestPopup::placement_data()
{
    QTest::addColumn<int>("align");
    QTest::newRow("center") << int(daCenter);
    QTest::newRow("top left") << int(daTopLeft);
    QTest::newRow("top right") << int(daTopRight);
}

void TestPopup::placement()
{
    QFETCH(int, align);
    ScriptedDialogs dialogs;
    QWidget host;
    host.setGeometry(120, 80, 600, 400);
    host.setContentsMargins(5, 7, 11, 13);
    TPopupBtn button(&host);
    button.move(300, 200);
    button.setSql(kEmployeeSql);
    button.setColumnWidths({QStringLiteral("8"), QStringLiteral("20")});
    button.setReferDialogAlign(TDialogAlign(align));
    QRect frame;
    dialogs.onDialog = [&](QDialog* d) {
        frame = QRect(d->pos(), d->size());
        return int(QDialog::Rejected);
    };
    button.click();
    const QRect inner(host.mapToGlobal(host.contentsRect().topLeft()), host.contentsRect().size());
    switch (TDialogAlign(align)) {
    case daCenter:
        QVERIFY(qAbs(frame.center().x() - button.screen()->geometry().center().x()) <= 1);
        QVERIFY(qAbs(frame.center().y() - button.screen()->geometry().center().y()) <= 1);
        break;
    case daTopLeft:
        QCOMPARE(frame.topLeft(), inner.topLeft());
        break;
    case daTopRight:
        QCOMPARE(frame.right(), inner.right());
        QCOMPARE(frame.top(), inner.top());
        break;
    }
}

void TestPopup::databaseErrorLeavesNoWindowAndNoClick()
{
    ScriptedDialogs dialogs;
    QList<int> nativeErrors;
    Application::setErrorHandler([&](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const ServerError& e) {
            nativeErrors << e.nativeError();
        } catch (...) {
            nativeErrors << -1;
        }
    });
    TPopupBtn button;
    button.setSql({QStringLiteral("SELECT CODE"), QStringLiteral("  FROM NO_SUCH_TABLE")});
    ClickLog log;
    log.attach(button);
    QTimer::singleShot(0, &button, &QAbstractButton::click);
    QTRY_COMPARE(nativeErrors.size(), 1);
    Application::setErrorHandler(nullptr);
    QCOMPARE(nativeErrors.first(), 942);
    QCOMPARE(dialogs.dialogsRun.size(), 0);
    QCOMPARE(log.count, 0);
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<TfrmPopupWnd*>(w));
}

void TestPopup::ownConnection()
{
    // A lookup reads through the connection it was given: a temporary table
    // exists only in the session that made it.
    const QString name = QStringLiteral("popup_second");
    {
        QSqlDatabase second = TestDb::openConnection(name, m_db->name());
        QSqlQuery q(second);
        QVERIFY(q.exec(QStringLiteral("CREATE TEMP TABLE LK_ONLY_HERE (CODE VARCHAR(4))")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO LK_ONLY_HERE VALUES ('Z1')")));
    }
    ScriptedDialogs dialogs;
    TPopupBtn button;
    button.setSqlConnection(name);
    button.setSql(QStringLiteral("SELECT CODE\n  FROM LK_ONLY_HERE"));
    button.click();
    QCOMPARE(button.returnValue(), QStringList{"Z1"});
    QSqlDatabase::database(name).close();
    QSqlDatabase::removeDatabase(name);
}

TV_TEST_MAIN(TestPopup)
#include "tst_popup.moc"
