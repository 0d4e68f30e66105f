// Management items and account rules: the item screen's code rule, search,
// add/edit/cancel/delete and the check of the stored lookup statement, the
// read-only running of such statements, and the rules screen's search, its
// delete-and-insert save with roll-back, its delete and the deletes the
// database refuses while slips use the rules.
#include "common/AppErrors.h"
#include "common/Db.h"
#include "common/Query.h"
#include "common/ReadOnlyQuery.h"
#include "common/Transaction.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupWnd.h"
#include "screens/master/VAI030.h"
#include "screens/master/VAI040.h"
#include "shell/ErrorDlg.h"
#include "shell/V0Main.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

const QString kReferenced = QStringLiteral("자료를 수정하거나 삭제할 수 없습니다.\n이 자료를 참조하고 있는 자료가 있습니다.");

template <typename Base>
class Screen : public Base {
public:
    template <typename T = QLineEdit>
    T* get(const QString& name) const
    {
        T* w = this->template findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QPushButton* button(const char* name) const { return get<QPushButton>(QLatin1String(name)); }
    QLineEdit* edit(const QString& name) const { return get<QLineEdit>(name); }
    QRadioButton* radio(const QString& name) const { return get<QRadioButton>(name); }
    void click(const char* name) { button(name)->click(); }
    // Enabled, in strip order: Search New Edit Delete Save Cancel ('-' hidden).
    QString enabledButtons() const
    {
        QString out;
        for (const char* name : {"bbtSearch", "bbtAdd", "bbtEdit", "bbtDelete", "bbtSave", "bbtCancel"})
            out += button(name)->isHidden() ? QLatin1Char('-') : button(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return out;
    }
    void leave(QWidget* field, QWidget* next)
    {
        field->setFocus();
        next->setFocus();
    }
};
using ItemScreen = Screen<TfrmVAI030>;
using RuleScreen = Screen<TfrmVAI040>;

int dbCount(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toInt();
}

QString dbText(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toString();
}

// The rules of an account as "position:item:D:C:U:balance" in position order.
QStringList rulesOf(const QString& account)
{
    QSqlQuery q = RunQuery(QStringLiteral(
                               "SELECT LINEUP_NO || ':' || MG_CODE || ':' || D_MUST || ':' || C_MUST || ':' || USE_YN || ':' || BAL_NO"
                               "  FROM VA040MS WHERE ACCT_CODE = :P0 ORDER BY LINEUP_NO"),
                           {account});
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out;
}

// The seven rows of the rules screen as shown, same form; empty rows left out.
QStringList shownRules(const TfrmVAI040& s)
{
    QStringList out;
    for (int i = 0; i < TfrmVAI040::kPositions; ++i) {
        const TfrmVAI040::RuleRow& r = s.ruleRow(i);
        if (r.code->text().isEmpty())
            continue;
        out << QStringLiteral("%1:%2:%3:%4:%5:%6")
                   .arg(i + 1)
                   .arg(r.code->text(), r.debitY->isChecked() ? "Y" : "N", r.creditY->isChecked() ? "Y" : "N",
                        r.useY->isChecked() ? "Y" : "N", r.balance->text());
    }
    return out;
}

QStringList listed(RecordSet* set, const char* field)
{
    QStringList out;
    for (int row = 0; row < set->recordCount(); ++row)
        out << set->fieldAsString(row, QLatin1String(field));
    return out;
}

QStringList column(const QString& sql, const QVariantList& params = {})
{
    QSqlQuery q = RunQuery(sql, params);
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out;
}

}  // namespace

class TestVAI030_040 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(); }
    void cleanupTestCase() { m_db.reset(); }
    void init()
    {
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_errors.clear();
        m_dialogs->onDialog = [this](QDialog* d) {
            if (auto* error = qobject_cast<TFrmError*>(d))
                m_errors << error->messageText();
            return int(QDialog::Accepted);
        };
    }
    void cleanup()
    {
        m_dialogs.reset();
        QVERIFY(!SharedTransaction::instance().inTransaction());
    }

    // Stored lookup statements.
    void statementCheck_data();
    void statementCheck();
    void demoStatementsPass();
    void readOnlyRun();
    void readOnlyRunInsideTransaction();

    // Items.
    void itemCodeField_data();
    void itemCodeField();
    void itemButtons_data();
    void itemButtons();
    void itemSearch_data();
    void itemSearch();
    void itemAddEditCancel();
    void itemSaveChecks_data();
    void itemSaveChecks();
    void itemDelete();
    void itemDeleteRefused_data();
    void itemDeleteRefused();
    void itemCodeChangeRefusedWhileSlipsUseIt();

    // Rules.
    void ruleButtons_data();
    void ruleButtons();
    void ruleSearch_data();
    void ruleSearch();
    void rulesShownByPosition();
    void ruleSaveReplacesTheSet();
    void ruleSaveFailureKeepsOldRules_data();
    void ruleSaveFailureKeepsOldRules();
    void ruleSaveOfUsedRules();
    void ruleDelete();
    void ruleDeleteRefusedWhileSlipsUseIt();
    void ruleLookups();
    void openedFromMenu();

private:
    template <typename S>
    void show(S& s)
    {
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        s.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s));
    }
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QStringList m_errors;
};

// --- stored lookup statements ----------------------------------------------------------------

void TestVAI030_040::statementCheck_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("problem");  // a part of the message; empty: accepted
    const QString one = QStringLiteral("하나만");
    const QString select = QStringLiteral("SELECT 문이어야");
    const QString command = QStringLiteral("명령을 쓸 수 없습니다");
    const QString open = QStringLiteral("닫히지 않았습니다");
    QTest::newRow("plain") << "SELECT DETAIL, DETAIL_NAME\n  FROM ZX010MS\n WHERE HEAD = 'V0021'\n   AND DETAIL <> ' '" << "";
    QTest::newRow("lower case, parameter") << "select c_code, c_name from va050ms where c_code like :cust_cd" << "";
    QTest::newRow("with") << "WITH X AS (SELECT 1 A, 'B' B) SELECT A, B FROM X" << "";
    QTest::newRow("bracketed union") << "(SELECT 1, 'a') UNION (SELECT 2, 'b')" << "";
    QTest::newRow("commands inside text") << "SELECT 'a;DROP TABLE x', 'DELETE' FROM VA030MS" << "";
    QTest::newRow("quoted name") << "SELECT \"update\" FROM T" << "";
    QTest::newRow("names containing commands") << "SELECT U_DATE, UPDATED_AT, DELETED_YN, SETTLE FROM T" << "";
    QTest::newRow("comment") << "SELECT A FROM T -- ; DROP TABLE T" << "";
    QTest::newRow("block comment") << "SELECT A /* ; delete */ FROM T" << "";
    QTest::newRow("escape string") << "SELECT E'it\\'s; fine' FROM T" << "";
    QTest::newRow("dollar quote") << "SELECT $$;DROP$$ FROM T" << "";
    QTest::newRow("second statement") << "SELECT 1; DROP TABLE VA020MS" << one;
    QTest::newRow("trailing semicolon") << "SELECT 1;" << one;
    QTest::newRow("after a comment line") << "SELECT 1 -- x\n; COMMIT" << one;
    QTest::newRow("escape then statement") << "SELECT E'\\'' ; DELETE FROM T" << one;
    QTest::newRow("delete") << "DELETE FROM VA020MS" << select;
    QTest::newRow("update") << "  update va020ms set acct_name = 'x'" << select;
    QTest::newRow("values") << "VALUES (1, 'a')" << select;
    QTest::newRow("select into") << "SELECT * INTO NEW_T FROM VA020MS" << command;
    QTest::newRow("for update") << "SELECT * FROM VA020MS FOR UPDATE" << command;
    QTest::newRow("for share") << "SELECT * FROM VA020MS FOR SHARE" << command;
    QTest::newRow("writing with") << "WITH D AS (DELETE FROM T RETURNING *) SELECT * FROM D" << command;
    QTest::newRow("set") << "SELECT 1 FROM T WHERE 1 = 1 SET ROLE X" << command;
    QTest::newRow("open text") << "SELECT 'abc FROM T" << open;
    QTest::newRow("open comment") << "SELECT 1 /* never closed" << open;
    QTest::newRow("open dollar quote") << "SELECT $x$ abc FROM T" << open;
    QTest::newRow("empty") << "  -- only a comment" << QStringLiteral("비어 있습니다");
}

void TestVAI030_040::statementCheck()
{
    QFETCH(QString, sql);
    QFETCH(QString, problem);
    const QString found = SelectStatementProblem(sql);
    if (problem.isEmpty()) {
        QVERIFY2(found.isEmpty(), qPrintable(found));
        CheckSelectStatement(sql);
    } else {
        QVERIFY2(found.contains(problem), qPrintable(found));
        QVERIFY_THROWS_EXCEPTION(AppError, CheckSelectStatement(sql));
    }
}

void TestVAI030_040::demoStatementsPass()
{
    QSqlQuery q = RunQuery(QStringLiteral("SELECT MG_CODE, CON_CODE FROM VA030MS WHERE CON_CODE IS NOT NULL"));
    int seen = 0;
    while (q.next()) {
        ++seen;
        const QString problem = SelectStatementProblem(q.value(1).toString());
        QVERIFY2(problem.isEmpty(), qPrintable(q.value(0).toString() + QLatin1Char(' ') + problem));
    }
    QVERIFY(seen > 0);
}

void TestVAI030_040::readOnlyRun()
{
    QSqlQuery q = RunReadOnlyQuery(QStringLiteral("SELECT MG_CODE, MG_NAME FROM VA030MS WHERE MG_CODE LIKE :code ORDER BY 1"),
                                   {QStringLiteral("10%")});
    QStringList codes;
    while (q.next())
        codes << q.value(0).toString();
    QCOMPARE(codes, (QStringList{"101", "102", "103", "104", "105"}));
    QVERIFY(!SharedTransaction::instance().inTransaction());

    // A function that writes is stopped by the server.
    const int numbers = dbCount(QStringLiteral("SELECT count(*) FROM VA090MS"));
    QVERIFY_THROWS_EXCEPTION(ServerError, RunReadOnlyQuery(QStringLiteral("SELECT pk_v_numbering.next_customer_no()")));
    QVERIFY(!SharedTransaction::instance().inTransaction());
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM VA090MS")), numbers);

    // A second statement never reaches the server.
    QVERIFY_THROWS_EXCEPTION(AppError, RunReadOnlyQuery(QStringLiteral("SELECT 1; DROP TABLE VA040MS")));
    QVERIFY_THROWS_EXCEPTION(AppError, RunReadOnlyQuery(QStringLiteral("SELECT 1; COMMIT; DELETE FROM VA040MS")));
    QVERIFY(dbCount(QStringLiteral("SELECT count(*) FROM VA040MS")) > 0);
    QVERIFY(!SharedTransaction::instance().inTransaction());
}

void TestVAI030_040::readOnlyRunInsideTransaction()
{
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("UPDATE VA030MS SET MG_NAME = '공급가액(작업중)' WHERE MG_CODE = '110'"));
    // Reads see the open transaction's work.
    QSqlQuery q = RunReadOnlyQuery(QStringLiteral("SELECT MG_NAME FROM VA030MS WHERE MG_CODE = :P0"), {QStringLiteral("110")});
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("공급가액(작업중)"));
    // A refused write leaves the transaction usable and writable.
    QVERIFY_THROWS_EXCEPTION(ServerError, RunReadOnlyQuery(QStringLiteral("SELECT pk_v_numbering.next_customer_no()")));
    QVERIFY(tx.inTransaction());
    ExecSql(QStringLiteral("UPDATE VA030MS SET BAL_YN = 'Y' WHERE MG_CODE = '110'"));
    QCOMPARE(dbText(QStringLiteral("SELECT MG_NAME || BAL_YN FROM VA030MS WHERE MG_CODE = '110'")),
             QStringLiteral("공급가액(작업중)Y"));
    tx.rollback();
    QCOMPARE(dbText(QStringLiteral("SELECT MG_NAME || BAL_YN FROM VA030MS WHERE MG_CODE = '110'")), QStringLiteral("공급가액N"));
}

// --- items -----------------------------------------------------------------------------------

void TestVAI030_040::itemCodeField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");
    QTest::newRow("7") << "7" << "007" << "";
    QTest::newRow("12") << "12" << "012" << "";
    QTest::newRow("three digits") << "990" << "990" << "";
    QTest::newRow("letters") << "1a" << "1a" << "관리항목 코드는 숫자만 입력 가능합니다!";
    QTest::newRow("minus") << "-1" << "-1" << "관리항목 코드는 숫자만 입력 가능합니다!";
}

void TestVAI030_040::itemCodeField()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    ItemScreen s;
    show(s);
    s.click("bbtSearch");
    s.click("bbtAdd");
    s.edit("edtConCode")->setText(typed);
    s.leave(s.edit("edtConCode"), s.edit("edtConName"));
    QCOMPARE(s.edit("edtConCode")->text(), shown);
    QCOMPARE(m_dialogs->lastText(), message);
    if (!message.isEmpty())
        QTRY_COMPARE(QApplication::focusWidget(), s.edit("edtConCode"));  // back to the field
    else
        QCOMPARE(QApplication::focusWidget(), s.edit("edtConName"));
}

void TestVAI030_040::itemButtons_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("enabled");
    QTest::newRow("opened") << "" << QStringList{} << 0 << "100000";
    QTest::newRow("search, no rows") << "8" << QStringList{"bbtSearch"} << 1 << "010001";
    QTest::newRow("search, rows") << "1" << QStringList{"bbtSearch"} << 1 << "011101";
    QTest::newRow("new") << "1" << QStringList{"bbtSearch", "bbtAdd"} << 3 << "000011";
    QTest::newRow("edit") << "1" << QStringList{"bbtSearch", "bbtEdit"} << 2 << "000011";
    QTest::newRow("edit, save") << "1" << QStringList{"bbtSearch", "bbtEdit", "bbtSave"} << 1 << "011101";
    QTest::newRow("new, cancel") << "1" << QStringList{"bbtSearch", "bbtAdd", "bbtCancel"} << 1 << "011101";
    QTest::newRow("browse, cancel") << "1" << QStringList{"bbtSearch", "bbtCancel"} << 0 << "100000";
}

void TestVAI030_040::itemButtons()
{
    QFETCH(QString, code);
    QFETCH(QStringList, steps);
    QFETCH(int, state);
    QFETCH(QString, enabled);
    ItemScreen s;
    show(s);
    s.edit("edtSConCode")->setText(code);
    for (const QString& step : steps)
        s.click(step.toLatin1().constData());
    QCOMPARE(s.State, state);
    QCOMPARE(s.enabledButtons(), enabled);
    for (const char* name : {"bbtPrint", "bbtPreview", "bbtExcel"})
        QVERIFY(s.button(name)->isHidden());
    QCOMPARE(s.edit("edtConName")->isEnabled(), state == 2 || state == 3);
    QCOMPARE(s.edit("edtSConCode")->isEnabled(), state == 0);
}

void TestVAI030_040::itemSearch_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("where");
    QTest::newRow("all") << "" << "" << "rdoSKindA" << "TRUE";
    QTest::newRow("amount") << "" << "" << "rdoSKindC" << "MG_TYPE = '0'";
    QTest::newRow("text") << "" << "" << "rdoSKindS" << "MG_TYPE = '1'";
    QTest::newRow("lookup, code prefix") << "1" << "" << "rdoSKindF" << "MG_TYPE = '2' AND MG_CODE LIKE '1%'";
    QTest::newRow("name part") << "" << "거래처" << "rdoSKindA" << "MG_NAME LIKE '%거래처%'";
    QTest::newRow("code and name") << "15" << "거래" << "rdoSKindA" << "MG_CODE LIKE '15%' AND MG_NAME LIKE '%거래%'";
    QTest::newRow("quote is text") << "" << "' OR ''='" << "rdoSKindA" << "FALSE";
}

void TestVAI030_040::itemSearch()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, where);
    ItemScreen s;
    show(s);
    s.edit("edtSConCode")->setText(code);
    s.edit("edtSConName")->setText(name);
    s.radio(kind)->setChecked(true);
    s.click("bbtSearch");
    QCOMPARE(listed(s.records(), "MG_CODE"),
             column(QStringLiteral("SELECT MG_CODE FROM VA030MS WHERE ") + where + QStringLiteral(" ORDER BY 1")));
    QCOMPARE(s.RecordCount, s.records()->recordCount());
    if (s.RecordCount > 0) {
        const QString type = s.records()->fieldAsString(QStringLiteral("MG_TYPE"));
        const QString typeName = s.records()->fieldAsString(QStringLiteral("MG_TYPE_NAME"));
        QCOMPARE(typeName, type == "0" ? QStringLiteral("금액형") : type == "1" ? QStringLiteral("문자형") : QStringLiteral("조회형"));
        QCOMPARE(s.edit("edtConCode")->text(), s.records()->fieldAsString(QStringLiteral("MG_CODE")));
    }
}

void TestVAI030_040::itemAddEditCancel()
{
    ItemScreen s;
    show(s);
    s.edit("edtSConCode")->setText(QStringLiteral("10"));
    s.click("bbtSearch");
    QVERIFY(s.records()->locate(QStringLiteral("MG_CODE"), QStringLiteral("104")));
    QCOMPARE(s.edit("edtUpConCode")->text(), QStringLiteral("103"));
    QVERIFY(s.radio("rdoMgTypeF")->isChecked());
    QVERIFY(s.radio("rdoBALY")->isChecked());

    // New keeps the upper item shown and empties the rest.
    s.click("bbtAdd");
    QCOMPARE(s.edit("edtUpConCode")->text(), QStringLiteral("103"));
    QVERIFY(s.edit("edtConCode")->text().isEmpty());
    QVERIFY(s.get<QPlainTextEdit>("moConCode")->toPlainText().isEmpty());
    QCOMPARE(QApplication::focusWidget(), s.edit("edtConCode"));
    s.edit("edtConCode")->setText(QStringLiteral("7"));
    s.leave(s.edit("edtConCode"), s.edit("edtConName"));
    s.edit("edtConName")->setText(QStringLiteral(" 예금종류 "));
    s.radio("rdoMgTypeF")->setChecked(true);
    QVERIFY(s.get<QPlainTextEdit>("moConCode")->isEnabled());
    s.get<QPlainTextEdit>("moConCode")->setPlainText(
        QStringLiteral("SELECT DETAIL, DETAIL_NAME\n  FROM ZX010MS\n WHERE HEAD = 'V0021'\n   AND DETAIL LIKE :kind\n "));
    // Typed under the lookup kind, then another kind chosen: disabled, still saved.
    s.radio("rdoMgTypeS")->setChecked(true);
    QVERIFY(!s.get<QPlainTextEdit>("moConCode")->isEnabled());
    s.radio("rdoBALY")->setChecked(true);
    s.click("bbtSave");
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->lastText()));
    QCOMPARE(s.State, 1);
    QSqlQuery row = RunQuery(QStringLiteral(
        "SELECT MG_NAME, MG_TYPE, P_MG_CODE, BAL_YN, CON_CODE, U_IP, U_EMP_NO, U_DATE IS NOT NULL FROM VA030MS WHERE MG_CODE = '007'"));
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toString(), QStringLiteral("예금종류"));
    QCOMPARE(row.value(1).toString(), QStringLiteral("1"));
    QCOMPARE(row.value(2).toString(), QStringLiteral("103"));
    QCOMPARE(row.value(3).toString(), QStringLiteral("Y"));
    QCOMPARE(row.value(4).toString(), QStringLiteral("SELECT DETAIL, DETAIL_NAME\n  FROM ZX010MS\n WHERE HEAD = 'V0021'\n   AND DETAIL LIKE :kind"));
    QCOMPARE(row.value(5).toString(), QStringLiteral("127.0.0.1"));
    QCOMPARE(row.value(6).toString(), QStringLiteral("1001"));
    QVERIFY(row.value(7).toBool());
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("MG_CODE")), QStringLiteral("007"));
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("MG_TYPE_NAME")), QStringLiteral("문자형"));
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("U_EMP_NO")), QStringLiteral("1001"));

    // Edit: the name field takes the focus; the code may change, and the
    // account rules that use the item follow it.
    ExecSql(QStringLiteral("INSERT INTO VA040MS (ACCT_CODE, MG_CODE, LINEUP_NO) VALUES ('1110610', '007', 5)"));
    s.click("bbtEdit");
    QCOMPARE(QApplication::focusWidget(), s.edit("edtConName"));
    s.edit("edtConCode")->setFocus();
    s.edit("edtConCode")->setText(QStringLiteral("8"));
    s.leave(s.edit("edtConCode"), s.edit("edtConName"));
    QCOMPARE(s.edit("edtConCode")->text(), QStringLiteral("008"));
    s.edit("edtConName")->setText(QStringLiteral("예금종류(조회)"));
    s.radio("rdoMgTypeF")->setChecked(true);
    s.click("bbtSave");
    QVERIFY2(m_dialogs->shown.isEmpty() && m_errors.isEmpty(), qPrintable(m_dialogs->lastText() + m_errors.join(' ')));
    QCOMPARE(s.State, 1);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM VA030MS WHERE MG_CODE = '007'")), 0);
    QCOMPARE(dbText(QStringLiteral("SELECT MG_NAME || MG_TYPE FROM VA030MS WHERE MG_CODE = '008'")), QStringLiteral("예금종류(조회)2"));
    QCOMPARE(rulesOf(QStringLiteral("1110610")), (QStringList{QStringLiteral("1:101:Y:Y:Y:1"), QStringLiteral("5:008:N:N:Y:0")}));
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("MG_CODE")), QStringLiteral("008"));
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("MG_TYPE_NAME")), QStringLiteral("조회형"));
    ExecSql(QStringLiteral("DELETE FROM VA040MS WHERE ACCT_CODE = '1110610' AND LINEUP_NO = 5"));

    // Cancel of an edit shows the saved row again.
    s.click("bbtEdit");
    s.edit("edtConName")->setText(QStringLiteral("버릴 이름"));
    s.radio("rdoBALN")->setChecked(true);
    s.click("bbtCancel");
    QCOMPARE(s.State, 1);
    QCOMPARE(s.edit("edtConName")->text(), QStringLiteral("예금종류(조회)"));
    QVERIFY(s.radio("rdoBALY")->isChecked());
    QVERIFY(s.edit("edtSConCode")->text().isEmpty());
    QCOMPARE(dbText(QStringLiteral("SELECT MG_NAME FROM VA030MS WHERE MG_CODE = '008'")), QStringLiteral("예금종류(조회)"));
    ExecSql(QStringLiteral("DELETE FROM VA030MS WHERE MG_CODE = '008'"));
}

void TestVAI030_040::itemSaveChecks_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("message");  // a part of the message
    QTest::newRow("no code") << "" << "" << "관리항목 코드는 반드시 입력하여야 합니다!";
    QTest::newRow("two statements") << "991" << "SELECT 1, 'a'; DELETE FROM VA040MS" << "세미콜론";
    QTest::newRow("not a select") << "991" << "DELETE FROM VA040MS" << "SELECT 문이어야";
    QTest::newRow("writes") << "991" << "SELECT * INTO X FROM VA040MS" << "INTO";
}

void TestVAI030_040::itemSaveChecks()
{
    QFETCH(QString, code);
    QFETCH(QString, statement);
    QFETCH(QString, message);
    ItemScreen s;
    show(s);
    s.click("bbtSearch");
    s.click("bbtAdd");
    s.edit("edtConName")->setFocus();
    s.edit("edtConCode")->setText(code);
    s.edit("edtConName")->setText(QStringLiteral("시험"));
    s.radio("rdoMgTypeF")->setChecked(true);
    s.get<QPlainTextEdit>("moConCode")->setPlainText(statement);
    s.click("bbtSave");
    QVERIFY2(m_dialogs->lastText().contains(message), qPrintable(m_dialogs->lastText()));
    QCOMPARE(s.State, 3);
    QVERIFY(s.button("bbtSave")->isEnabled());
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM VA030MS WHERE MG_CODE = '991'")), 0);
    QVERIFY(dbCount(QStringLiteral("SELECT count(*) FROM VA040MS")) > 0);
}

void TestVAI030_040::itemDelete()
{
    ExecSql(QStringLiteral("INSERT INTO VA030MS (MG_CODE, MG_NAME, MG_TYPE) VALUES ('992', '지울 항목', '1')"));
    ItemScreen s;
    show(s);
    s.edit("edtSConCode")->setText(QStringLiteral("99"));
    s.click("bbtSearch");
    QVERIFY(s.records()->locate(QStringLiteral("MG_CODE"), QStringLiteral("992")));
    const int rows = s.RecordCount;
    m_dialogs->yesNoAnswers = {false, true};
    s.click("bbtDelete");
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("선택된 자료를 삭제하시겠습니까?"));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM VA030MS WHERE MG_CODE = '992'")), 1);
    s.click("bbtDelete");
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM VA030MS WHERE MG_CODE = '992'")), 0);
    QCOMPARE(s.RecordCount, rows - 1);
    QCOMPARE(s.records()->findRow(QStringLiteral("MG_CODE"), {QStringLiteral("992")}), -1);
}

void TestVAI030_040::itemDeleteRefused_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("setup");
    QTest::newRow("rules and slips") << "103" << "";
    QTest::newRow("rules only") << "993"
                                << "INSERT INTO VA030MS (MG_CODE, MG_NAME, MG_TYPE) VALUES ('993', '규칙만', '1');"
                                   "INSERT INTO VA040MS (ACCT_CODE, MG_CODE, LINEUP_NO) VALUES ('1110130', '993', 5)";
    QTest::newRow("slip values only") << "994"
                                      << "INSERT INTO VA030MS (MG_CODE, MG_NAME, MG_TYPE) VALUES ('994', '값만', '1');"
                                         "UPDATE VB011DT SET MG_CODE = '994'"
                                         " WHERE (SLIP_NO, SLIP_SEQ_NO, LINEUP_NO) IN"
                                         " (SELECT SLIP_NO, SLIP_SEQ_NO, LINEUP_NO FROM VB011DT WHERE MG_CODE = '140' AND CONF_DATE IS NULL LIMIT 1)";
}

void TestVAI030_040::itemDeleteRefused()
{
    QFETCH(QString, code);
    QFETCH(QString, setup);
    SharedTransaction::instance().start();
    // Slip rows are beyond the client's rights: the owner writes them.
    for (const QString& statement : setup.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        TestDb::ownerExec(statement);
    SharedTransaction::instance().commit();
    const QStringList rules = column(QStringLiteral("SELECT ACCT_CODE || LINEUP_NO FROM VA040MS WHERE MG_CODE = :P0 ORDER BY 1"), {code});
    ItemScreen s;
    show(s);
    s.edit("edtSConCode")->setText(code);
    s.click("bbtSearch");
    QCOMPARE(s.RecordCount, 1);
    QTest::mouseClick(s.button("bbtDelete"), Qt::LeftButton);
    QCOMPARE(m_errors, QStringList{kReferenced});
    QCOMPARE(s.State, 1);
    QCOMPARE(s.records()->recordCount(), 1);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM VA030MS WHERE MG_CODE = :P0"), {code}), 1);
    QCOMPARE(column(QStringLiteral("SELECT ACCT_CODE || LINEUP_NO FROM VA040MS WHERE MG_CODE = :P0 ORDER BY 1"), {code}), rules);
    if (code == QLatin1String("993"))
        ExecSql(QStringLiteral("DELETE FROM VA040MS WHERE MG_CODE = '993'"));
}

void TestVAI030_040::itemCodeChangeRefusedWhileSlipsUseIt()
{
    const QStringList rules = column(QStringLiteral("SELECT ACCT_CODE || LINEUP_NO FROM VA040MS WHERE MG_CODE = '103' ORDER BY 1"));
    ItemScreen s;
    show(s);
    s.edit("edtSConCode")->setText(QStringLiteral("103"));
    s.click("bbtSearch");
    QCOMPARE(s.RecordCount, 1);
    s.click("bbtEdit");
    s.edit("edtConCode")->setFocus();
    s.edit("edtConCode")->setText(QStringLiteral("996"));
    s.leave(s.edit("edtConCode"), s.edit("edtConName"));
    QTest::mouseClick(s.button("bbtSave"), Qt::LeftButton);
    QCOMPARE(m_errors, QStringList{kReferenced});
    QCOMPARE(s.State, 2);
    QVERIFY(s.button("bbtSave")->isEnabled());
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM VA030MS WHERE MG_CODE IN ('103', '996')")), 1);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM VA030MS WHERE MG_CODE = '103'")), 1);
    QCOMPARE(column(QStringLiteral("SELECT ACCT_CODE || LINEUP_NO FROM VA040MS WHERE MG_CODE = '103' ORDER BY 1")), rules);
    s.click("bbtCancel");
    QCOMPARE(s.edit("edtConCode")->text(), QStringLiteral("103"));
}

// --- rules ------------------------------------------------------------------------------------

void TestVAI030_040::ruleButtons_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("enabled");
    QTest::newRow("opened") << "" << QStringList{} << 0 << "1-0000";
    QTest::newRow("search, no rows") << "x" << QStringList{"bbtSearch"} << 1 << "0-0001";
    QTest::newRow("search, rows") << "7520110" << QStringList{"bbtSearch"} << 1 << "0-1101";
    QTest::newRow("edit") << "7520110" << QStringList{"bbtSearch", "bbtEdit"} << 2 << "0-0011";
    QTest::newRow("edit, cancel") << "7520110" << QStringList{"bbtSearch", "bbtEdit", "bbtCancel"} << 1 << "0-1101";
    QTest::newRow("edit, save") << "7520110" << QStringList{"bbtSearch", "bbtEdit", "bbtSave"} << 1 << "0-1101";
    QTest::newRow("browse, cancel") << "7520110" << QStringList{"bbtSearch", "bbtCancel"} << 0 << "1-0000";
}

void TestVAI030_040::ruleButtons()
{
    QFETCH(QString, code);
    QFETCH(QStringList, steps);
    QFETCH(int, state);
    QFETCH(QString, enabled);
    RuleScreen s;
    show(s);
    s.edit("edt_F_CODE")->setText(code);
    for (const QString& step : steps)
        s.click(step.toLatin1().constData());
    QCOMPARE(s.State, state);
    QCOMPARE(s.enabledButtons(), enabled);
    for (const char* name : {"bbtPrint", "bbtPreview", "bbtExcel"})
        QVERIFY(s.button(name)->isHidden());
    QCOMPARE(s.edit("edtMGCode")->isEnabled(), state == 2);
    // F4 does nothing: New is hidden.
    QTest::keyClick(&s, Qt::Key_F4);
    QCOMPARE(s.State, state);
}

void TestVAI030_040::ruleSearch_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("where");
    QTest::newRow("first only: contains") << "11" << "" << "" << "ACCT_CODE LIKE '%11%'";
    // Both starts; a group account under the second code is no slip account.
    QTest::newRow("both codes") << "1110" << "2110" << "" << "(ACCT_CODE LIKE '1110%' OR ACCT_CODE LIKE '2110%')";
    QTest::newRow("second only: no code condition") << "" << "2110" << "" << "TRUE";
    QTest::newRow("search name, any case") << "" << "" << "cma" << "UPPER(ACCT_SNAME) LIKE '%CMA%'";
    QTest::newRow("code and name") << "1110" << "" << "예금" << "ACCT_CODE LIKE '%1110%' AND ACCT_SNAME LIKE '%예금%'";
    QTest::newRow("quote is text") << "" << "" << "'--" << "FALSE";
}

void TestVAI030_040::ruleSearch()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, name);
    QFETCH(QString, where);
    RuleScreen s;
    show(s);
    s.edit("edt_F_CODE")->setText(first);
    s.edit("edt_E_CODE")->setText(second);
    s.edit("edt_SNAME")->setText(name);
    s.click("bbtSearch");
    const QStringList got = listed(s.records(), "ACCT_CODE");
    QCOMPARE(got, column(QStringLiteral("SELECT ACCT_CODE FROM VA020MS WHERE SLIP_YN = 'Y' AND ") + where
                         + QStringLiteral(" ORDER BY ACCT_CODE")));
    QCOMPARE(s.RecordCount, got.size());
    if (!second.isEmpty() && !first.isEmpty()) {
        QVERIFY(!got.contains(QStringLiteral("2110000")));
        QVERIFY(got.contains(QStringLiteral("2110110")));
        QVERIFY(got.contains(QStringLiteral("1110110")));
    }
}

void TestVAI030_040::rulesShownByPosition()
{
    RuleScreen s;
    show(s);
    s.edit("edt_F_CODE")->setText(QStringLiteral("75201"));
    s.click("bbtSearch");
    QVERIFY(s.records()->locate(QStringLiteral("ACCT_CODE"), QStringLiteral("7520110")));
    QCOMPARE(shownRules(s), rulesOf(QStringLiteral("7520110")));
    QCOMPARE(shownRules(s), (QStringList{"1:141:Y:N:Y:0", "2:101:N:N:N:0", "6:998:N:N:Y:0", "7:501:Y:N:Y:0"}));
    QCOMPARE(s.ruleRow(0).name->text(), QStringLiteral("판관부서"));
    // Empty positions show the defaults.
    const TfrmVAI040::RuleRow& gap = s.ruleRow(3);
    QVERIFY(gap.name->text().isEmpty());
    QVERIFY(gap.debitY->isChecked() && gap.creditY->isChecked() && gap.useY->isChecked());
    QCOMPARE(gap.balance->text(), QStringLiteral("0"));
    // Another account replaces every row.
    QVERIFY(s.records()->locate(QStringLiteral("ACCT_CODE"), QStringLiteral("7520120")));
    QCOMPARE(shownRules(s), rulesOf(QStringLiteral("7520120")));
}

void TestVAI030_040::ruleSaveReplacesTheSet()
{
    RuleScreen s;
    show(s);
    s.edit("edt_F_CODE")->setText(QStringLiteral("1110130"));
    s.click("bbtSearch");
    QCOMPARE(shownRules(s), (QStringList{"1:103:Y:Y:Y:1", "2:104:Y:Y:Y:2", "3:101:N:N:Y:0"}));
    s.click("bbtEdit");
    // Positions 2 and 5 only: the gap stays a gap.
    s.ruleRow(0).code->clear();
    s.ruleRow(2).code->clear();
    s.ruleRow(1).code->setText(QStringLiteral("118"));
    s.ruleRow(1).creditN->setChecked(true);
    s.ruleRow(1).balance->setText(QStringLiteral("3"));
    s.ruleRow(4).code->setText(QStringLiteral("140"));
    s.ruleRow(4).debitN->setChecked(true);
    s.ruleRow(4).useN->setChecked(true);
    s.click("bbtSave");
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('|'))));
    QCOMPARE(s.State, 1);
    QCOMPARE(s.statusText(), QStringLiteral("저장을 완료 하였습니다.!"));
    QCOMPARE(rulesOf(QStringLiteral("1110130")), (QStringList{"2:118:Y:N:Y:3", "5:140:N:Y:N:0"}));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM VA040MS WHERE ACCT_CODE = '1110130'"
                                    " AND U_IP = '127.0.0.1' AND U_EMP_NO = '1001' AND U_DATE IS NOT NULL")),
             2);
    QCOMPARE(s.records()->state(), RecordSet::State::Browse);
}

void TestVAI030_040::ruleSaveFailureKeepsOldRules_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty balance order") << 3 << "140" << ""
                                         << "자료를 저장할 수 없습니다\n반드시 입력해야 하는 값을 넣지 않았습니다.";
    QTest::newRow("unknown item") << 6 << "997" << "0"
                                  << "자료를 저장할 수 없습니다\n이 자료가 참조해야 하는 기본자료가 없습니다.";
}

void TestVAI030_040::ruleSaveFailureKeepsOldRules()
{
    QFETCH(int, row);
    QFETCH(QString, code);
    QFETCH(QString, balance);
    QFETCH(QString, message);
    const QStringList before = rulesOf(QStringLiteral("7520110"));
    RuleScreen s;
    show(s);
    s.edit("edt_F_CODE")->setText(QStringLiteral("7520110"));
    s.click("bbtSearch");
    s.click("bbtEdit");
    s.ruleRow(0).code->clear();  // the delete of the old set runs first
    s.ruleRow(row).code->setText(code);
    s.ruleRow(row).balance->setText(balance);
    QTest::mouseClick(s.button("bbtSave"), Qt::LeftButton);
    QCOMPARE(m_errors, QStringList{message});
    QCOMPARE(s.State, 2);
    QVERIFY(s.button("bbtSave")->isEnabled());
    QVERIFY(!SharedTransaction::instance().inTransaction());
    QCOMPARE(rulesOf(QStringLiteral("7520110")), before);

    // Put right, the same edit saves.
    s.ruleRow(row).code->setText(QStringLiteral("140"));
    s.ruleRow(row).balance->setText(QStringLiteral("0"));
    s.click("bbtSave");
    QCOMPARE(s.State, 1);
    QCOMPARE(rulesOf(QStringLiteral("7520110")), shownRules(s));
    QVERIFY(rulesOf(QStringLiteral("7520110")) != before);
}

void TestVAI030_040::ruleSaveOfUsedRules()
{
    // Slips of 1110120 carry its items 103 and 104.
    QVERIFY(dbCount(QStringLiteral("SELECT count(*) FROM VB011DT WHERE ACCT_CODE = '1110120' AND MG_CODE = '104'")) > 0);
    const QStringList before = rulesOf(QStringLiteral("1110120"));
    RuleScreen s;
    show(s);
    s.edit("edt_F_CODE")->setText(QStringLiteral("1110120"));
    s.click("bbtSearch");
    QCOMPARE(s.RecordCount, 1);

    // Dropping a rule that slips use is refused when the save commits.
    s.click("bbtEdit");
    const int used = s.ruleRow(0).code->text() == QLatin1String("104") ? 0 : 1;
    QCOMPARE(s.ruleRow(used).code->text(), QStringLiteral("104"));
    s.ruleRow(used).code->clear();
    QTest::mouseClick(s.button("bbtSave"), Qt::LeftButton);
    QCOMPARE(m_errors, QStringList{kReferenced});
    QCOMPARE(s.State, 2);
    QCOMPARE(rulesOf(QStringLiteral("1110120")), before);

    // The same items in other positions, with other flags, are a valid set.
    m_errors.clear();
    s.ruleRow(0).code->setText(QStringLiteral("104"));
    s.ruleRow(1).code->setText(QStringLiteral("103"));
    s.ruleRow(1).useN->setChecked(true);
    s.click("bbtSave");
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('|'))));
    QCOMPARE(s.State, 1);
    const QStringList after = rulesOf(QStringLiteral("1110120"));
    QVERIFY(after.at(0).startsWith(QStringLiteral("1:104:")));
    QVERIFY(after.at(1).startsWith(QStringLiteral("2:103:")));
    QVERIFY(after.at(1).contains(QStringLiteral(":N:")));
}

void TestVAI030_040::ruleDelete()
{
    RuleScreen s;
    show(s);
    s.edit("edt_F_CODE")->setText(QStringLiteral("1110140"));
    s.click("bbtSearch");
    QCOMPARE(s.RecordCount, 1);
    const QStringList before = rulesOf(QStringLiteral("1110140"));
    QVERIFY(!before.isEmpty());
    m_dialogs->yesNoAnswers = {false};
    s.click("bbtDelete");
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("선택된 자료를 삭제하시겠습니까?"));
    QCOMPARE(rulesOf(QStringLiteral("1110140")), before);
    QCOMPARE(shownRules(s), before);

    s.click("bbtDelete");  // Yes
    QVERIFY(rulesOf(QStringLiteral("1110140")).isEmpty());
    QCOMPARE(s.statusText(), QStringLiteral("선택된 자료를 삭제하였습니다.!"));
    QVERIFY(shownRules(s).isEmpty());
    QCOMPARE(s.State, 1);
    QCOMPARE(s.RecordCount, 1);  // the account stays listed
}

void TestVAI030_040::ruleDeleteRefusedWhileSlipsUseIt()
{
    const QStringList before = rulesOf(QStringLiteral("1110120"));
    RuleScreen s;
    show(s);
    s.edit("edt_F_CODE")->setText(QStringLiteral("1110120"));
    s.click("bbtSearch");
    QTest::mouseClick(s.button("bbtDelete"), Qt::LeftButton);
    QCOMPARE(m_errors, QStringList{kReferenced});
    QCOMPARE(rulesOf(QStringLiteral("1110120")), before);
    QCOMPARE(s.State, 1);
    QVERIFY(s.statusText().isEmpty());
}

void TestVAI030_040::ruleLookups()
{
    RuleScreen s;
    show(s);
    s.edit("edt_F_CODE")->setText(QStringLiteral("1110130"));
    s.click("bbtSearch");
    s.click("bbtEdit");
    const TfrmVAI040::RuleRow& r = s.ruleRow(5);

    // A code that matches one item fills the row without a window.
    r.code->setText(QStringLiteral("501"));
    s.leave(r.code, s.ruleRow(6).code);
    QVERIFY(m_dialogs->dialogsRun.isEmpty());
    QCOMPARE(r.name->text(), QStringLiteral("지출구분"));
    QCOMPARE(r.name->toolTip(), QStringLiteral("조회형"));

    // Text that is no code looks the names up; the chosen item fills the row.
    QString statement;
    QVariantList params;
    m_dialogs->onDialog = [&](QDialog* d) {
        auto* w = static_cast<TfrmPopupWnd*>(d);
        statement = w->statementText();
        params = w->statementParams();
        return int(QDialog::Accepted);
    };
    r.code->setText(QStringLiteral("거래처"));
    s.leave(r.code, s.ruleRow(6).code);
    QCOMPARE(m_dialogs->dialogsRun.size(), 1);
    QVERIFY2(statement.contains(QStringLiteral("MG_NAME LIKE")), qPrintable(statement));
    QVERIFY(params.contains(QStringLiteral("거래처")));
    QCOMPARE(r.code->text(), QStringLiteral("101"));
    QCOMPARE(r.name->text(), QStringLiteral("거래처"));

    // F1 in a code field opens its row's full list.
    r.code->setFocus();
    QTest::keyClick(r.code, Qt::Key_F1);
    QCOMPARE(m_dialogs->dialogsRun.size(), 2);
    QVERIFY(!statement.contains(QStringLiteral("WHERE")));
    QCOMPARE(r.code->text(), QStringLiteral("101"));  // the first row of the list

    // Taking the code away takes the name with it.
    r.code->setFocus();
    r.code->selectAll();
    QTest::keyClick(r.code, Qt::Key_Delete);
    QVERIFY(r.name->text().isEmpty());
    s.click("bbtCancel");
}

void TestVAI030_040::openedFromMenu()
{
    const QStringList ids{QStringLiteral("VAI030"), QStringLiteral("VAI040")};
    const QStringList titles{QStringLiteral("관리항목 등록(VAI030)"), QStringLiteral("계정별 관리항목 등록(VAI040)")};
    for (int i = 0; i < ids.size(); ++i) {
        QWidget* screen = nullptr;
        for (const TfrmV0Main::DispatchEntry& entry : TfrmV0Main::dispatchTable())
            if (QLatin1String(entry.programId) == ids[i] && entry.create)
                screen = entry.create();
        QVERIFY2(screen, qPrintable(ids[i]));
        QCOMPARE(screen->objectName(), QStringLiteral("frm") + ids[i]);
        QCOMPARE(screen->windowTitle(), titles[i]);
        delete screen;
    }
}

TV_TEST_MAIN(TestVAI030_040)
#include "tst_vai030_040.moc"
