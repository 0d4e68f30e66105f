// The account code screen: the account tree rule on leaving the code field,
// search conditions, add/edit/save/cancel/delete with the buttons of each
// state, the messages for missing input, and the deletes the database
// refuses because slips or rules use the account.
#include "common/Db.h"
#include "common/Query.h"
#include "common/Transaction.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/master/VAI020.h"
#include "shell/ErrorDlg.h"
#include "shell/V0Main.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString kReferenced = QStringLiteral("자료를 수정하거나 삭제할 수 없습니다.\n이 자료를 참조하고 있는 자료가 있습니다.");

class Screen : public TfrmVAI020 {
public:
    template <typename T = QLineEdit>
    T* get(const char* name) const
    {
        T* w = findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QPushButton* button(const char* name) const { return get<QPushButton>(name); }
    QLineEdit* edit(const char* name) const { return get<QLineEdit>(name); }
    void click(const char* name) { button(name)->click(); }
    // Buttons in strip order: Search New Edit Delete Save Cancel.
    QString enabledButtons() const
    {
        QString out;
        for (const char* name : {"bbtSearch", "bbtAdd", "bbtEdit", "bbtDelete", "bbtSave", "bbtCancel"})
            out += button(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return out;
    }
    // Leaves a field the way the user does: the focus moves to the next one.
    void leave(QWidget* field, QWidget* next)
    {
        field->setFocus();
        next->setFocus();
    }
    void search(const QString& code = QString())
    {
        edit("edtSearchAcctCode")->setText(code);
        click("bbtSearch");
    }
};

QString dbText(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toString();
}

int dbCount(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toInt();
}

}  // namespace

class TestVAI020 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(); }
    void cleanupTestCase() { m_db.reset(); }
    void init() { m_dialogs = std::make_unique<ScriptedDialogs>(); }
    void cleanup()
    {
        m_dialogs.reset();
        QVERIFY(!SharedTransaction::instance().inTransaction());
    }

    void accountTreeRule_data();
    void accountTreeRule();
    void codeFieldMessages();
    void buttonsFollowTheStates_data();
    void buttonsFollowTheStates();
    void searchConditions_data();
    void searchConditions();
    void addInheritsUpperCode();
    void addWritesAccount();
    void missingInput_data();
    void missingInput();
    void editKeepsTheKey();
    void cancelRestoresTheRow();
    void duplicateCodeGoesToErrorDialog();
    void deleteAsksFirst();
    void deleteRefusedWhenUsed_data();
    void deleteRefusedWhenUsed();
    void fundCode();
    void openedFromMenu();

private:
    void show(Screen& s)
    {
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        s.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s));
    }
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
};

void TestVAI020::accountTreeRule_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("upper");
    QTest::newRow("12") << "12" << "0000012" << "0000010";
    QTest::newRow("class 7000000") << "7000000" << "7000000" << "1000000";
    QTest::newRow("class 1000000") << "1000000" << "1000000" << "1000000";
    QTest::newRow("seventh digit") << "1110120" << "1110120" << "1110100";
    QTest::newRow("fifth digit") << "1110100" << "1110100" << "1110000";
    QTest::newRow("padded 111") << "111" << "0000111" << "0000110";
    QTest::newRow("nothing left") << "10" << "0000010" << "1000000";
    QTest::newRow("blanks around") << " 511 " << "0000511" << "0000510";
}

void TestVAI020::accountTreeRule()
{
    QFETCH(QString, typed);
    QFETCH(QString, code);
    QFETCH(QString, upper);
    Screen s;
    show(s);
    s.search(QStringLiteral("no such code"));
    QCOMPARE(s.RecordCount, 0);
    s.click("bbtAdd");
    QVERIFY(s.edit("edtUpAccCode")->text().isEmpty());
    s.edit("edtAccCode")->setText(typed);
    s.leave(s.edit("edtAccCode"), s.edit("edtAccName"));
    QCOMPARE(s.edit("edtAccCode")->text(), code);
    QCOMPARE(s.edit("edtUpAccCode")->text(), upper);
    QVERIFY(m_dialogs->shown.isEmpty());

    // An upper code already shown is kept.
    s.edit("edtUpAccCode")->setText(QStringLiteral("1110000"));
    s.leave(s.edit("edtAccCode"), s.edit("edtAccName"));
    QCOMPARE(s.edit("edtUpAccCode")->text(), QStringLiteral("1110000"));
}

void TestVAI020::codeFieldMessages()
{
    Screen s;
    show(s);
    s.search(QStringLiteral("x"));
    s.click("bbtAdd");
    s.leave(s.edit("edtAccCode"), s.edit("edtAccName"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("계정코드를 입력 하세요!"));

    s.edit("edtAccCode")->setText(QStringLiteral("11a"));
    s.leave(s.edit("edtAccCode"), s.edit("edtAccName"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("계정코드는 숫자만 입력 가능합니다!"));
    QVERIFY(s.edit("edtAccCode")->text().isEmpty());
    QVERIFY(s.edit("edtUpAccCode")->text().isEmpty());

    // The upper code, typed directly.
    s.get<QCheckBox>("chkDirect")->setChecked(true);
    QVERIFY(s.edit("edtUpAccCode")->isEnabled());
    s.edit("edtUpAccCode")->setText(QStringLiteral("12-3"));
    s.leave(s.edit("edtUpAccCode"), s.edit("edtAccName"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("상위계정코드는 숫자만 입력 가능합니다!"));
    s.edit("edtUpAccCode")->setText(QStringLiteral("5110"));
    s.leave(s.edit("edtUpAccCode"), s.edit("edtAccName"));
    QCOMPARE(s.edit("edtUpAccCode")->text(), QStringLiteral("0005110"));
    s.get<QCheckBox>("chkDirect")->setChecked(false);
    QVERIFY(!s.edit("edtUpAccCode")->isEnabled());
}

void TestVAI020::buttonsFollowTheStates_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("enabled");
    QTest::newRow("opened") << "" << QStringList{} << 0 << "100000";
    QTest::newRow("search, no rows") << "x" << QStringList{"bbtSearch"} << 1 << "010001";
    QTest::newRow("search, rows") << "111" << QStringList{"bbtSearch"} << 1 << "011101";
    QTest::newRow("new") << "111" << QStringList{"bbtSearch", "bbtAdd"} << 3 << "000011";
    QTest::newRow("edit") << "111" << QStringList{"bbtSearch", "bbtEdit"} << 2 << "000011";
    QTest::newRow("edit, cancel") << "111" << QStringList{"bbtSearch", "bbtEdit", "bbtCancel"} << 1 << "011101";
    QTest::newRow("edit, save") << "111" << QStringList{"bbtSearch", "bbtEdit", "bbtSave"} << 1 << "011101";
    QTest::newRow("browse, cancel") << "111" << QStringList{"bbtSearch", "bbtCancel"} << 0 << "100000";
}

void TestVAI020::buttonsFollowTheStates()
{
    QFETCH(QString, code);
    QFETCH(QStringList, steps);
    QFETCH(int, state);
    QFETCH(QString, enabled);
    Screen s;
    show(s);
    s.edit("edtSearchAcctCode")->setText(code);
    for (const QString& step : steps)
        s.click(step.toLatin1().constData());
    QCOMPARE(s.State, state);
    QCOMPARE(s.enabledButtons(), enabled);
    const bool editing = state == 2 || state == 3;
    QCOMPARE(s.edit("edtAccName")->isEnabled(), editing);
    QCOMPARE(s.edit("edtSearchAcctCode")->isEnabled(), state == 0);
    QCOMPARE(s.get<DataGrid>("rdgMain")->isEnabled(), !editing);
    // Nothing of this screen prints or exports.
    for (const char* name : {"bbtPrint", "bbtPreview", "bbtExcel"})
        QVERIFY(s.button(name)->isHidden());
    if (steps.endsWith(QStringLiteral("bbtCancel")) && state == 0)
        QVERIFY(!s.records()->isOpen());
}

void TestVAI020::searchConditions_data()
{
    QTest::addColumn<QStringList>("texts");   // code, upper code, search name, name
    QTest::addColumn<QStringList>("radios");  // the buttons to set
    QTest::addColumn<QString>("where");       // the same condition for the database
    QTest::newRow("all on A, no text") << QStringList{"", "", "", ""} << QStringList{} << "TRUE";
    QTest::newRow("slip Y") << QStringList{"", "", "", ""} << QStringList{"rdoSSlipY"} << "SLIP_YN = 'Y'";
    QTest::newRow("slip N, credit") << QStringList{"", "", "", ""} << QStringList{"rdoSSlipN", "rdoSDcC"}
                                    << "SLIP_YN = 'N' AND DC_DIV = 'C'";
    QTest::newRow("no balance, out of use") << QStringList{"", "", "", ""} << QStringList{"rdoSBalN", "rdoSUseN"}
                                            << "BAL_YN = 'N' AND USE_YN = 'N'";
    QTest::newRow("debit, in use") << QStringList{"", "", "", ""} << QStringList{"rdoSDcD", "rdoSUseY"}
                                   << "DC_DIV = 'D' AND USE_YN = 'Y'";
    QTest::newRow("balance kept") << QStringList{"", "", "", ""} << QStringList{"rdoSBalY"} << "BAL_YN = 'Y'";
    QTest::newRow("code prefix") << QStringList{"1110", "", "", ""} << QStringList{} << "ACCT_CODE LIKE '1110%'";
    QTest::newRow("upper prefix") << QStringList{"", "11101", "", ""} << QStringList{} << "P_ACCT_CODE LIKE '11101%'";
    QTest::newRow("name part") << QStringList{"", "", "", "예금"} << QStringList{} << "ACCT_NAME LIKE '%예금%'";
    QTest::newRow("search name part") << QStringList{"", "", "금", ""} << QStringList{"rdoSSlipY"}
                                      << "ACCT_SNAME LIKE '%금%' AND SLIP_YN = 'Y'";
    QTest::newRow("quote is text") << QStringList{"", "", "", "x' OR '1'='1"} << QStringList{} << "FALSE";
    QTest::newRow("blank text ignored") << QStringList{"   ", "", "", ""} << QStringList{} << "TRUE";
}

void TestVAI020::searchConditions()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, radios);
    QFETCH(QString, where);
    Screen s;
    show(s);
    s.edit("edtSearchAcctCode")->setText(texts[0]);
    s.edit("edtSearchUpCode")->setText(texts[1]);
    s.edit("edtSearchSName")->setText(texts[2]);
    s.edit("edtSearchName")->setText(texts[3]);
    for (const QString& radio : radios)
        s.get<QRadioButton>(radio.toLatin1().constData())->setChecked(true);
    s.click("bbtSearch");
    QSqlQuery expected = RunQuery(QStringLiteral("SELECT ACCT_CODE FROM VA020MS WHERE ") + where
                                  + QStringLiteral(" ORDER BY ACCT_CODE"));
    QStringList want;
    while (expected.next())
        want << expected.value(0).toString();
    RecordSet* set = s.records();
    QStringList got;
    for (int row = 0; row < set->recordCount(); ++row)
        got << set->fieldAsString(row, QStringLiteral("ACCT_CODE"));
    QCOMPARE(got, want);
    QCOMPARE(s.RecordCount, want.size());
    if (where == QLatin1String("TRUE"))
        QCOMPARE(got.size(), dbCount(QStringLiteral("SELECT count(*) FROM VA020MS")));
}

void TestVAI020::addInheritsUpperCode()
{
    Screen s;
    show(s);
    s.search(QStringLiteral("1110"));
    QVERIFY(s.records()->locate(QStringLiteral("ACCT_CODE"), QStringLiteral("1110100")));
    QCOMPARE(s.edit("edtAccName")->text(), QStringLiteral("현금및현금성자산"));
    s.click("bbtAdd");
    QCOMPARE(s.edit("edtUpAccCode")->text(), QStringLiteral("1110000"));
    QVERIFY(!s.edit("edtUpAccCode")->isEnabled());
    QVERIFY(!s.get<QCheckBox>("chkDirect")->isChecked());
    for (const char* name : {"edtAccCode", "edtAccName", "edtFindName", "edtLevel", "edtPrtName"})
        QVERIFY2(s.edit(name)->text().isEmpty(), name);
    QCOMPARE(QApplication::focusWidget(), s.edit("edtAccCode"));
    QCOMPARE(s.records()->state(), RecordSet::State::Insert);
}

void TestVAI020::addWritesAccount()
{
    Screen s;
    show(s);
    s.search(QStringLiteral("11101"));
    const int before = s.RecordCount;
    QVERIFY(s.records()->locate(QStringLiteral("ACCT_CODE"), QStringLiteral("1110110")));
    s.click("bbtAdd");
    s.edit("edtAccCode")->setText(QStringLiteral("1110150"));
    s.leave(s.edit("edtAccCode"), s.edit("edtAccName"));
    QCOMPARE(s.edit("edtUpAccCode")->text(), QStringLiteral("1110100"));  // inherited from the current row
    s.edit("edtAccName")->setText(QStringLiteral(" 외화정기예금 "));
    s.edit("edtFindName")->setText(QStringLiteral("외화정기"));
    s.edit("edtLevel")->setText(QStringLiteral("5"));
    s.edit("edtPrtName")->setText(QStringLiteral("외화정기예금(장부)"));
    s.get<QRadioButton>("rdobSlipY")->setChecked(true);
    s.get<QRadioButton>("rdobC")->setChecked(true);
    s.get<QRadioButton>("rdobBALN")->setChecked(true);
    s.get<QRadioButton>("rdoUSEN")->setChecked(true);
    s.click("bbtSave");
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->lastText()));
    QCOMPARE(s.State, 1);
    QCOMPARE(s.RecordCount, before + 1);
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("ACCT_CODE")), QStringLiteral("1110150"));
    QCOMPARE(s.records()->state(), RecordSet::State::Browse);
    QSqlQuery row = RunQuery(QStringLiteral(
        "SELECT ACCT_NAME, ACCT_SNAME, ACCT_PNAME, ACCT_ENAME, FND_USG_CD, SLIP_YN, DC_DIV, BAL_YN, USE_YN,\n"
        "       P_ACCT_CODE, ACC_LEVEL, U_IP, U_EMP_NO, U_DATE IS NOT NULL\n"
        "  FROM VA020MS WHERE ACCT_CODE = '1110150'"));
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toString(), QStringLiteral("외화정기예금"));  // trimmed
    QCOMPARE(row.value(1).toString(), QStringLiteral("외화정기"));
    QCOMPARE(row.value(2).toString(), QStringLiteral("외화정기예금(장부)"));
    QVERIFY(row.isNull(3));  // empty text is NULL
    QVERIFY(row.isNull(4));
    QCOMPARE(row.value(5).toString(), QStringLiteral("Y"));
    QCOMPARE(row.value(6).toString(), QStringLiteral("C"));
    QCOMPARE(row.value(7).toString(), QStringLiteral("N"));
    QCOMPARE(row.value(8).toString(), QStringLiteral("N"));
    QCOMPARE(row.value(9).toString(), QStringLiteral("1110100"));
    QCOMPARE(row.value(10).toString(), QStringLiteral("5"));
    QCOMPARE(row.value(11).toString(), QStringLiteral("127.0.0.1"));
    QCOMPARE(row.value(12).toString(), QStringLiteral("1001"));
    QVERIFY(row.value(13).toBool());
    ExecSql(QStringLiteral("DELETE FROM VA020MS WHERE ACCT_CODE = '1110150'"));
}

void TestVAI020::missingInput_data()
{
    QTest::addColumn<QString>("empty");
    QTest::addColumn<QString>("message");
    QTest::newRow("code") << "edtAccCode" << "계정코드는 반드시 입력하여야 합니다!";
    QTest::newRow("upper code") << "edtUpAccCode" << "상위계정코드는 반드시 입력하여야 합니다!";
    QTest::newRow("name") << "edtAccName" << "계정명칭은 반드시 입력하여야 합니다!";
    QTest::newRow("search name") << "edtFindName" << "검색명칭을 입력하여세요.!";
    QTest::newRow("level") << "edtLevel" << "레벨을 입력하세요.!";
}

void TestVAI020::missingInput()
{
    QFETCH(QString, empty);
    QFETCH(QString, message);
    Screen s;
    show(s);
    s.search(QStringLiteral("x"));
    s.click("bbtAdd");
    // Away from the code field first: leaving it derives an empty upper code.
    s.edit("edtLevel")->setFocus();
    s.get<QCheckBox>("chkDirect")->setChecked(true);
    s.edit("edtAccCode")->setText(QStringLiteral("9990001"));
    s.edit("edtUpAccCode")->setText(QStringLiteral("9990000"));
    s.edit("edtAccName")->setText(QStringLiteral("시험"));
    s.edit("edtFindName")->setText(QStringLiteral("시험"));
    s.edit("edtLevel")->setText(QStringLiteral("5"));
    s.edit(empty.toLatin1().constData())->setText(QStringLiteral("  "));
    m_dialogs->clear();
    s.click("bbtSave");
    QCOMPARE(m_dialogs->lastText(), message);
    QCOMPARE(s.State, 3);
    QVERIFY(s.button("bbtSave")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), s.edit(empty.toLatin1().constData()));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM VA020MS WHERE ACCT_CODE LIKE '999%'")), 0);
}

void TestVAI020::editKeepsTheKey()
{
    Screen s;
    show(s);
    s.search(QStringLiteral("1110130"));
    QCOMPARE(s.RecordCount, 1);
    s.click("bbtEdit");
    QVERIFY(s.edit("edtAccCode")->isReadOnly());
    s.edit("edtAccCode")->setText(QStringLiteral("1110199"));  // typed over a locked key: no effect
    s.edit("edtAccName")->setText(QStringLiteral("당좌예금(수정)"));
    s.get<QRadioButton>("rdoUSEN")->setChecked(true);
    s.click("bbtSave");
    QCOMPARE(s.State, 1);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM VA020MS WHERE ACCT_CODE = '1110199'")), 0);
    QCOMPARE(dbText(QStringLiteral("SELECT ACCT_NAME || USE_YN FROM VA020MS WHERE ACCT_CODE = '1110130'")),
             QStringLiteral("당좌예금(수정)N"));
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("ACCT_CODE")), QStringLiteral("1110130"));
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("ACCT_NAME")), QStringLiteral("당좌예금(수정)"));
    QCOMPARE(s.edit("edtAccCode")->text(), QStringLiteral("1110130"));
    ExecSql(QStringLiteral("UPDATE VA020MS SET ACCT_NAME = '당좌예금', USE_YN = 'Y' WHERE ACCT_CODE = '1110130'"));
}

void TestVAI020::cancelRestoresTheRow()
{
    Screen s;
    show(s);
    s.edit("edtSearchName")->setText(QStringLiteral("예금"));
    s.search(QStringLiteral("11101"));
    QVERIFY(s.records()->locate(QStringLiteral("ACCT_CODE"), QStringLiteral("1110120")));
    s.click("bbtEdit");
    s.edit("edtAccName")->setText(QStringLiteral("바뀐 이름"));
    s.get<QRadioButton>("rdobSlipN")->setChecked(true);
    s.click("bbtCancel");
    QCOMPARE(s.State, 1);
    QCOMPARE(s.edit("edtAccName")->text(), QStringLiteral("보통예금"));
    QVERIFY(s.get<QRadioButton>("rdobSlipY")->isChecked());
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("ACCT_NAME")), QStringLiteral("보통예금"));
    QVERIFY(s.edit("edtSearchName")->text().isEmpty());  // the search texts go
    QCOMPARE(dbText(QStringLiteral("SELECT ACCT_NAME FROM VA020MS WHERE ACCT_CODE = '1110120'")), QStringLiteral("보통예금"));

    // New then Cancel drops the appended record.
    const int rows = s.records()->recordCount();
    s.click("bbtAdd");
    QCOMPARE(s.records()->recordCount(), rows + 1);
    s.click("bbtCancel");
    QCOMPARE(s.records()->recordCount(), rows);
    QVERIFY(!s.edit("edtAccName")->text().isEmpty());
}

void TestVAI020::duplicateCodeGoesToErrorDialog()
{
    QString label;
    m_dialogs->onDialog = [&](QDialog* d) {
        label = static_cast<TFrmError*>(d)->messageText();
        return int(QDialog::Accepted);
    };
    Screen s;
    show(s);
    s.search(QStringLiteral("11101"));
    s.click("bbtAdd");
    s.edit("edtAccCode")->setText(QStringLiteral("1110110"));
    s.leave(s.edit("edtAccCode"), s.edit("edtAccName"));
    s.edit("edtAccName")->setText(QStringLiteral("중복"));
    s.edit("edtFindName")->setText(QStringLiteral("중복"));
    s.edit("edtLevel")->setText(QStringLiteral("5"));
    QTest::mouseClick(s.button("bbtSave"), Qt::LeftButton);
    QCOMPARE(m_dialogs->dialogsRun.size(), 1);
    QCOMPARE(label, QStringLiteral("같은 키값을 가지는 자료가 이미 존재합니다."));
    QCOMPARE(s.State, 3);
    QVERIFY(s.button("bbtSave")->isEnabled());
    QVERIFY(!SharedTransaction::instance().inTransaction());
    QCOMPARE(dbText(QStringLiteral("SELECT ACCT_NAME FROM VA020MS WHERE ACCT_CODE = '1110110'")), QStringLiteral("현금"));

    // Still in insert: a free code saves.
    s.edit("edtAccCode")->setText(QStringLiteral("1110160"));
    s.click("bbtSave");
    QCOMPARE(s.State, 1);
    QCOMPARE(dbText(QStringLiteral("SELECT ACCT_NAME FROM VA020MS WHERE ACCT_CODE = '1110160'")), QStringLiteral("중복"));
    ExecSql(QStringLiteral("DELETE FROM VA020MS WHERE ACCT_CODE = '1110160'"));
}

void TestVAI020::deleteAsksFirst()
{
    ExecSql(QStringLiteral("INSERT INTO VA020MS (ACCT_CODE, P_ACCT_CODE, ACC_LEVEL, ACCT_NAME, ACCT_SNAME)"
                           " VALUES ('1110170', '1110100', '5', '지울 계정', '지울')"));
    Screen s;
    show(s);
    s.search(QStringLiteral("11101"));
    QVERIFY(s.records()->locate(QStringLiteral("ACCT_CODE"), QStringLiteral("1110170")));
    const int rows = s.RecordCount;
    m_dialogs->yesNoAnswers = {false};
    s.click("bbtDelete");
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("선택된 자료를 삭제하시겠습니까?"));
    QCOMPARE(s.RecordCount, rows);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM VA020MS WHERE ACCT_CODE = '1110170'")), 1);

    s.click("bbtDelete");  // Yes
    QCOMPARE(s.State, 1);
    QCOMPARE(s.RecordCount, rows - 1);
    QCOMPARE(s.records()->findRow(QStringLiteral("ACCT_CODE"), {QStringLiteral("1110170")}), -1);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM VA020MS WHERE ACCT_CODE = '1110170'")), 0);
    // The input panel shows the row that became current.
    QCOMPARE(s.edit("edtAccCode")->text(), s.records()->fieldAsString(QStringLiteral("ACCT_CODE")));
}

void TestVAI020::deleteRefusedWhenUsed_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("setup");
    // Rules only (no slip uses the account).
    QTest::newRow("rules") << "1110130" << "";
    // Slip lines, no rule.
    QTest::newRow("slip lines") << "1110110" << "";
    // Item values of a slip, without a rule.
    QTest::newRow("slip item values") << "1110180"
                                      << "INSERT INTO VA020MS (ACCT_CODE, P_ACCT_CODE, ACC_LEVEL, ACCT_NAME, ACCT_SNAME)"
                                         " VALUES ('1110180', '1110100', '5', '값만', '값만');"
                                         "UPDATE VB011DT SET ACCT_CODE = '1110180'"
                                         " WHERE (SLIP_NO, SLIP_SEQ_NO, LINEUP_NO) IN"
                                         " (SELECT SLIP_NO, SLIP_SEQ_NO, LINEUP_NO FROM VB011DT WHERE CONF_DATE IS NULL ORDER BY 1, 2, 3 LIMIT 1)";
}

void TestVAI020::deleteRefusedWhenUsed()
{
    QFETCH(QString, code);
    QFETCH(QString, setup);
    SharedTransaction::instance().start();
    // Slip rows are beyond the client's rights: the owner writes them.
    for (const QString& statement : setup.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        TestDb::ownerExec(statement);
    SharedTransaction::instance().commit();
    QString label;
    m_dialogs->onDialog = [&](QDialog* d) {
        label = static_cast<TFrmError*>(d)->messageText();
        return int(QDialog::Accepted);
    };
    const int rules = dbCount(QStringLiteral("SELECT count(*) FROM VA040MS WHERE ACCT_CODE = :P0"), {code});
    Screen s;
    show(s);
    s.search(code);
    QCOMPARE(s.RecordCount, 1);
    QTest::mouseClick(s.button("bbtDelete"), Qt::LeftButton);
    QCOMPARE(m_dialogs->dialogsRun.size(), 1);
    QCOMPARE(label, kReferenced);
    QCOMPARE(s.State, 1);
    QCOMPARE(s.RecordCount, 1);
    QCOMPARE(s.records()->recordCount(), 1);
    QVERIFY(!SharedTransaction::instance().inTransaction());
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM VA020MS WHERE ACCT_CODE = :P0"), {code}), 1);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM VA040MS WHERE ACCT_CODE = :P0"), {code}), rules);
}

void TestVAI020::fundCode()
{
    Screen s;
    show(s);
    s.search(QStringLiteral("1110130"));
    s.click("bbtEdit");
    // A full code is looked up when the field is left; one match needs no window.
    s.edit("edtFND_USG_CD")->setText(QStringLiteral("2300"));
    s.leave(s.edit("edtFND_USG_CD"), s.edit("edtEngName"));
    QVERIFY(m_dialogs->dialogsRun.isEmpty());
    QCOMPARE(s.edit("edtFND_USG_NM")->text(), QStringLiteral("일반경비 지급"));
    // Fewer than four characters name no fund.
    s.edit("edtFND_USG_CD")->setText(QStringLiteral("23"));
    QVERIFY(s.edit("edtFND_USG_NM")->text().isEmpty());
    // A name part offers the matching codes; the chosen one fills both fields.
    m_dialogs->onDialog = [](QDialog*) { return int(QDialog::Accepted); };
    s.edit("edtFND_USG_CD")->setText(QStringLiteral("지급"));
    s.leave(s.edit("edtFND_USG_CD"), s.edit("edtEngName"));
    QCOMPARE(m_dialogs->dialogsRun.size(), 1);
    QCOMPARE(s.edit("edtFND_USG_CD")->text(), QStringLiteral("2100"));
    QCOMPARE(s.edit("edtFND_USG_NM")->text(), QStringLiteral("인건비 지급"));

    // Whatever code text stands is saved.
    m_dialogs->onDialog = [](QDialog*) { return int(QDialog::Rejected); };
    s.edit("edtFND_USG_CD")->setText(QStringLiteral("99"));
    s.click("bbtSave");
    QCOMPARE(s.State, 1);
    QCOMPARE(dbText(QStringLiteral("SELECT FND_USG_CD FROM VA020MS WHERE ACCT_CODE = '1110130'")), QStringLiteral("99"));
    ExecSql(QStringLiteral("UPDATE VA020MS SET FND_USG_CD = NULL WHERE ACCT_CODE = '1110130'"));
}

void TestVAI020::openedFromMenu()
{
    QWidget* screen = nullptr;
    for (const TfrmV0Main::DispatchEntry& entry : TfrmV0Main::dispatchTable())
        if (QLatin1String(entry.programId) == QLatin1String("VAI020") && entry.create)
            screen = entry.create();
    QVERIFY(qobject_cast<TfrmVAI020*>(screen));
    QCOMPARE(screen->windowTitle(), QStringLiteral("계정코드 등록(VAI020)"));
    QCOMPARE(screen->objectName(), QStringLiteral("frmVAI020"));
    delete screen;
}

TV_TEST_MAIN(TestVAI020)
#include "tst_vai020.moc"
