// Slip entry: writing a slip through the grid as a clerk does, the checks
// that stop a save, saving, loading, changing and deleting, confirmed slips,
// the hand-off from other screens and the per-line item rules.
#include "common/Db.h"
#include "common/DeptEntry.h"
#include "common/HandOver.h"
#include "common/Query.h"
#include "common/Session.h"
#include "grid/DataGrid.h"
#include "grid/DisplayFormat.h"
#include "grid/GridParts.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "lookups/PopupWnd.h"
#include "screens/slips/VBI020.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTableView>
#include <QSize>

namespace {

using C = TfrmVBI020;

QPushButton* button(QWidget& s, const char* name)
{
    return s.findChild<QPushButton*>(QLatin1String(name));
}

// Types text into a cell the way a user does: the in-place editor, then Enter.
void typeCell(TfrmVBI020& s, int row, int column, const QString& text)
{
    DataGrid* g = s.grid();
    g->setFocus();
    g->setCurrentCell(row, column);
    QCOMPARE(g->currentGridColumn(), column);
    g->editCurrentCell();
    QWidget* editor = g->cellEditor();
    QVERIFY(editor);
    QLineEdit* line = qobject_cast<QLineEdit*>(editor);
    if (!line)
        line = editor->findChild<QLineEdit*>();
    if (line)
        line->selectAll();
    // Key clicks carry only ASCII; Hangul arrives as committed input text.
    bool ascii = true;
    for (QChar c : text)
        ascii &= c.unicode() < 0x80;
    if (ascii || !line)
        QTest::keyClicks(editor, text);
    else
        line->insert(text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
}

QString cell(TfrmVBI020& s, int row, int column)
{
    return s.lines()->value(row, TfrmVBI020::fieldOf(column)).toString();
}

// A lookup window answered like a clerk: the row whose first column is
// `wanted` is chosen (none: the window is cancelled). The window's column
// captions are kept for the test to look at.
std::function<int(QDialog*)> chooseRow(const QString& wanted, QStringList* captions = nullptr)
{
    return [wanted, captions](QDialog* d) {
        auto* w = qobject_cast<TfrmPopupWnd*>(d);
        if (!w)
            return int(QDialog::Accepted);
        if (captions) {
            captions->clear();
            for (int c = 0; c < w->columnCount(); ++c)
                if (!w->DBGrid->isColumnHidden(c))
                    *captions << w->DBGrid->model()->headerData(c, Qt::Horizontal).toString();
        }
        for (int r = 0; r < w->rowCount(); ++r) {
            w->setCurrentRow(r);
            if (w->currentRowTexts().value(0).trimmed() == wanted)
                return int(QDialog::Accepted);
        }
        return int(QDialog::Rejected);
    };
}

}  // namespace

class TestVBI020 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void init();
    void departmentsByAuthority();
    void unknownEmployeeCannotUse();
    void writeSaveLoadChangeDelete();
    void checksStopTheSave_data();
    void checksStopTheSave();
    void saveChecksInOrder_data();
    void saveChecksInOrder();
    void accountRulesAndCarriedValues();
    void dateItemsAreNormalised_data();
    void dateItemsAreNormalised();
    void itemLookupResults_data();
    void itemLookupResults();
    void lookupsFromKeysAndCellButtons();
    void slipNumberFieldAndCancel();
    void lineDeletionShiftsRules();
    void storedLookupStatementCannotWrite();
    void confirmedSlipOpensReadOnlyFromHandOff();
    void pastDataVariantReadsBackupSchema();
    void accountAndAmountsStayInView_data();
    void accountAndAmountsStayInView();

private:
    void newSlipLine(TfrmVBI020& s, int row, const QString& acct, qint64 debit, qint64 credit);
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_dir;
    ScriptedDialogs* m_dialogs = nullptr;
};

void TestVBI020::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Session::exeDir = m_dir.path() + QLatin1Char('/');
}

void TestVBI020::init()
{
    Session::empNo = QStringLiteral("1001");
    Session::empName = QStringLiteral("관리자");
    HandOver::clearSlip();
}

void TestVBI020::departmentsByAuthority()
{
    ScriptedDialogs dialogs;
    TfrmVBI020 admin;
    auto* depts = admin.findChild<QComboBox*>(QStringLiteral("cbxDept"));
    const int all = Db::scalar(QStringLiteral("SELECT count(*) FROM QA160MS_DATE WHERE TO_CHAR(CURRENT_DATE, 'YYYY-MM-DD') "
                                              "BETWEEN BGN_DATE AND END_DATE AND DEPT_TYPE IN ('3', '2')")).toInt();
    QCOMPARE(depts->count(), all);
    for (int i = 0; i < depts->count(); ++i)
        QCOMPARE(DeptEntry::codeOf(depts->itemText(i)), depts->itemData(i).toString());
    QCOMPARE(admin.deptCode(), Db::scalar(QStringLiteral("SELECT EMP_AFF_DEPT_CODE FROM QA010MS WHERE EMP_NO = '1001'")).toString());

    Session::empNo = QStringLiteral("2001");
    TfrmVBI020 clerk;
    auto* own = clerk.findChild<QComboBox*>(QStringLiteral("cbxDept"));
    QVERIFY(own->count() > 0);
    QVERIFY(own->count() < all);
    QVERIFY(dialogs.shown.isEmpty());
}

void TestVBI020::unknownEmployeeCannotUse()
{
    ScriptedDialogs dialogs;
    Session::empNo = QStringLiteral("9999");
    TfrmVBI020 s;
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("인사에 등록되지 않은 사용자는 사용하실 수 없습니다.!")});
    QVERIFY(!button(s, "bbtAdd")->isEnabled());
}

void TestVBI020::newSlipLine(TfrmVBI020& s, int row, const QString& acct, qint64 debit, qint64 credit)
{
    typeCell(s, row, C::colAcctCode, acct);
    QCOMPARE(cell(s, row, C::colAcctCode), acct);
    if (debit)
        typeCell(s, row, C::colDebit, QString::number(debit));
    if (credit)
        typeCell(s, row, C::colCredit, QString::number(credit));
}

void TestVBI020::writeSaveLoadChangeDelete()
{
    ScriptedDialogs dialogs;
    TfrmVBI020 s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    button(s, "bbtAdd")->click();
    QVERIFY(s.currentSlipNo().startsWith(QLatin1String("NI")));
    QCOMPARE(s.approvalText(), QStringLiteral("미승인"));
    QCOMPARE(s.lines()->recordCount(), 1);

    // Line 1: salaries, with the department item the rules require on debit.
    typeCell(s, 0, C::colAcctCode, QStringLiteral("7510110"));
    QCOMPARE(cell(s, 0, C::colAcctName), QStringLiteral("임원급여"));
    QCOMPARE(cell(s, 0, C::colV2Code), QStringLiteral("7510100"));
    QCOMPARE(cell(s, 0, C::colV1Code), QStringLiteral("7510000"));
    QCOMPARE(cell(s, 0, C::colMg7), QStringLiteral("01:판관비"));
    QCOMPARE(s.grid()->columnCaption(C::colMg1), QStringLiteral("판관부서"));
    QCOMPARE(cell(s, 0, C::colCd1), QStringLiteral("141"));
    typeCell(s, 0, C::colDebit, QStringLiteral("150000"));
    QCOMPARE(dialogs.lastText(), QStringLiteral("차변일때 필수입력 입니다.!"));
    QCOMPARE(s.grid()->currentGridColumn(), int(C::colMg1));
    const QString dept = Db::scalar(QStringLiteral("SELECT MIN(AFF_DEPT_CODE) FROM VA160MS WHERE USE_YN = 'Y' "
                                                   "AND DEPT_AFF_YN = 'P' AND DEPT_TYPE IN ('2','3','4')")).toString();
    typeCell(s, 0, C::colMg1, dept);
    QVERIFY2(cell(s, 0, C::colMg1).startsWith(dept + QLatin1Char(':')), qPrintable(cell(s, 0, C::colMg1)));
    typeCell(s, 0, C::colRemark, QStringLiteral("12월 \"임원\" 급여 O'Neil"));
    typeCell(s, 0, C::colDebit, QStringLiteral("150000"));
    // Leaving a non-zero debit of the last line adds a line carrying the remark.
    QCOMPARE(s.lines()->recordCount(), 2);
    QCOMPARE(cell(s, 1, C::colRemark), QStringLiteral("12월 \"임원\" 급여 O'Neil"));

    newSlipLine(s, 1, QStringLiteral("1110110"), 0, 150000);
    QCOMPARE(s.grid()->footerText(QStringLiteral("D_AMOUNT")), QStringLiteral("150,000"));
    QCOMPARE(s.grid()->footerText(QStringLiteral("C_AMOUNT")), QStringLiteral("150,000"));
    QCOMPARE(s.lines()->recordCount(), 3);  // leaving the credit added the empty last line

    dialogs.clear();
    button(s, "bbtSave")->click();
    QCOMPARE(dialogs.shown.size(), 1);
    const QString number = s.currentSlipNo();
    QCOMPARE(number.size(), 8);
    QVERIFY(!number.startsWith(QLatin1Char('N')));
    QCOMPARE(dialogs.lastText(), QStringLiteral("[전표번호 : ") + number + QStringLiteral("  자료를 정상적으로 저장했습니다."));
    QCOMPARE(s.findChild<QLineEdit*>(QStringLiteral("edtSlipNo"))->text(), number);
    QCOMPARE(s.lines()->recordCount(), 2);  // the empty last line was dropped
    QCOMPARE(Db::scalar(QStringLiteral("SELECT TOTAL_D_AMT FROM VB010MS WHERE SLIP_NO = :P0"), {number}).toLongLong(), 150000);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT REF_DATA FROM VB011MS WHERE SLIP_NO = :P0 AND SLIP_SEQ_NO = 0"), {number}).toString(),
             QStringLiteral("12월 \"임원\" 급여 O'Neil"));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT MG_DETAIL FROM VB011DT WHERE SLIP_NO = :P0 AND LINEUP_NO = 7"), {number}).toString(),
             QStringLiteral("01"));

    // Load it again by number after clearing the screen.
    while (button(s, "bbtCancel")->isEnabled())
        button(s, "bbtCancel")->click();
    QCOMPARE(s.lines()->recordCount(), 0);
    s.findChild<QLineEdit*>(QStringLiteral("edtSlipNo"))->setText(number);
    button(s, "bbtSearch")->click();
    QCOMPARE(s.lines()->recordCount(), 2);
    QCOMPARE(s.approvalText(), QStringLiteral("미확정"));
    QCOMPARE(cell(s, 0, C::colAcctCode), QStringLiteral("7510110"));
    QVERIFY(cell(s, 0, C::colMg1).startsWith(dept + QLatin1Char(':')));
    QCOMPARE(s.lineRules().size(), 4);
    QVERIFY(button(s, "bbtSave")->isEnabled());

    // Change both amounts and save again: the same slip is replaced.
    typeCell(s, 0, C::colDebit, QStringLiteral("200000"));
    typeCell(s, 1, C::colCredit, QStringLiteral("200000"));
    dialogs.clear();
    button(s, "bbtSave")->click();
    QCOMPARE(s.currentSlipNo(), number);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT TOTAL_C_AMT FROM VB010MS WHERE SLIP_NO = :P0"), {number}).toLongLong(), 200000);

    // Delete it.
    dialogs.clear();
    button(s, "bbtDelete")->click();
    QCOMPARE(dialogs.texts(), (QStringList{QStringLiteral("해당전표를 삭제 하시겠습니까.?"), QStringLiteral("해당전표를 삭제 하였습니다.")}));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT SLIP_DEL_YN FROM VB010MS WHERE SLIP_NO = :P0"), {number}).toString(), QStringLiteral("Y"));
    QCOMPARE(s.lines()->recordCount(), 0);
}

void TestVBI020::checksStopTheSave_data()
{
    QTest::addColumn<qint64>("debit");
    QTest::addColumn<qint64>("credit");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("message");
    QTest::newRow("1,000 against 999") << qint64(1000) << qint64(999) << "2026-12-10"
                                       << "차,대변의 합계금액이 다르면 저장 하실수 없습니다.!";
    QTest::newRow("no fiscal period") << qint64(1000) << qint64(1000) << "2031-03-02"
                                      << "회계일자에 등록된 기수가 없습니다.관리자에게 문의하세요.!";
    QTest::newRow("amount too large") << qint64(9999999999999999LL) << qint64(9999999999999999LL) << "2026-12-10"
                                      << "금액이 너무 큽니다. 15자리 이하로 입력하십시오.!";
}

void TestVBI020::checksStopTheSave()
{
    QFETCH(qint64, debit);
    QFETCH(qint64, credit);
    QFETCH(QString, date);
    QFETCH(QString, message);
    ScriptedDialogs dialogs;
    TfrmVBI020 s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    s.findChild<QDateEdit*>(QStringLiteral("dtpAcctDate"))->setDate(QDate::fromString(date, Qt::ISODate));
    button(s, "bbtAdd")->click();
    const int before = Db::scalar(QStringLiteral("SELECT count(*) FROM VB010MS")).toInt();
    newSlipLine(s, 0, QStringLiteral("4110100"), debit, 0);
    newSlipLine(s, 1, QStringLiteral("1110110"), 0, credit);
    dialogs.clear();
    button(s, "bbtSave")->click();
    QCOMPARE(dialogs.lastText(), message);
    QVERIFY(s.currentSlipNo().startsWith(QLatin1String("NI")));
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM VB010MS")).toInt(), before);
}

void TestVBI020::saveChecksInOrder_data()
{
    // Lines as "account,debit,credit[,item 1]" typed in order ("-": no
    // account); DEPT stands for a valid department value. The cursor is
    // expected on (row, column); -1 where the check does not move it.
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("totals come before the lines")
        << QStringList{"7510110,1000,0", "1110110,0,999"} << "차,대변의 합계금액이 다르면 저장 하실수 없습니다.!" << -1 << -1;
    QTest::newRow("a line without account")
        << QStringList{"7510110,1000,0,DEPT", "-,0,0", "1110110,0,1000"} << "계정과목을 바르게 입력하세요.!" << 1
        << int(C::colAcctCode);
    QTest::newRow("two lines: the empty last line stays")
        << QStringList{"1110110,0,0", "-,0,0"} << "계정과목을 바르게 입력하세요.!" << 1 << int(C::colAcctCode);
    QTest::newRow("debit and credit on one line")
        << QStringList{"7510110,1000,0,DEPT", "1110110,500,1500"} << "차대변에 같이 금액이 들어갈수 없습니다.!" << 1
        << int(C::colDebit);
    QTest::newRow("item required on the debit")
        << QStringList{"7510110,1000,0", "1110110,0,1000"} << "임원급여 의[판관부서]는(은) 차변일때 필수입력 입니다.!" << 0
        << int(C::colMg1);
    QTest::newRow("item required on the credit")
        << QStringList{"1110110,1000,0", "1110120,0,1000"} << "보통예금 의[은행]는(은) 대변일때 필수입력 입니다.!" << 1
        << int(C::colMg1);
    QTest::newRow("a zero line counts as credit")
        << QStringList{"1110110,1000,0", "1110110,0,1000", "2110470,0,0"}
        << "예약선수금 의[입금자]는(은) 대변일때 필수입력 입니다.!" << 2 << int(C::colMg1);
}

void TestVBI020::saveChecksInOrder()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, message);
    QFETCH(int, row);
    QFETCH(int, column);
    const QString dept = Db::scalar(QStringLiteral("SELECT MIN(AFF_DEPT_CODE) FROM VA160MS WHERE USE_YN = 'Y' "
                                                   "AND DEPT_AFF_YN = 'P' AND DEPT_TYPE IN ('2','3','4')")).toString();
    ScriptedDialogs dialogs;
    TfrmVBI020 s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    button(s, "bbtAdd")->click();
    for (int n = 0; n < lines.size(); ++n) {
        const QStringList parts = lines[n].split(QLatin1Char(','));
        while (s.lines()->recordCount() <= n) {
            s.lines()->append();
            s.lines()->post();
        }
        const qint64 debit = parts.value(1).toLongLong();
        const qint64 credit = parts.value(2).toLongLong();
        if (parts.value(0) != QLatin1String("-"))
            typeCell(s, n, C::colAcctCode, parts.value(0));
        if (parts.value(3) == QLatin1String("DEPT"))
            typeCell(s, n, C::colMg1, dept);
        if (debit)
            typeCell(s, n, C::colDebit, QString::number(debit));
        if (credit)
            typeCell(s, n, C::colCredit, QString::number(credit));
        if (debit && credit) {
            // Typing one amount clears the other; only a value list (a
            // received note) or an old slip leaves both.
            s.lines()->moveTo(n);
            s.lines()->edit();
            s.lines()->setValue(C::fieldOf(C::colDebit), debit);
            s.lines()->post();
        }
    }
    const QString temporary = s.currentSlipNo();
    dialogs.clear();
    button(s, "bbtSave")->click();
    QCOMPARE(dialogs.texts(), QStringList{message});
    QCOMPARE(s.currentSlipNo(), temporary);
    QVERIFY(button(s, "bbtSave")->isEnabled());
    if (row >= 0) {
        QCOMPARE(s.grid()->currentIndex().row(), row);
        QCOMPARE(s.grid()->currentGridColumn(), column);
    }
}

void TestVBI020::accountRulesAndCarriedValues()
{
    ScriptedDialogs dialogs;
    TfrmVBI020 s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    button(s, "bbtAdd")->click();
    typeCell(s, 0, C::colAcctCode, QStringLiteral("7130110"));
    QCOMPARE(cell(s, 0, C::colMg7), QStringLiteral("02:원가"));  // cost accounts prefill 원가
    const QString customer = Db::scalar(QStringLiteral("SELECT MIN(C_CODE) FROM VA050MS WHERE USE_YN = 'Y' AND C_KIND = '01'")).toString();
    typeCell(s, 0, C::colMg1 + 1, customer);
    QVERIFY2(cell(s, 0, C::colMg1 + 1).startsWith(customer + QLatin1Char(':')), qPrintable(cell(s, 0, C::colMg1 + 1)));
    const QString customerValue = cell(s, 0, C::colMg1 + 1);

    // The same account again keeps the values; another account empties them.
    s.lines()->moveTo(0);
    typeCell(s, 0, C::colAcctCode, QStringLiteral("7130110"));
    QCOMPARE(cell(s, 0, C::colMg1 + 1), customerValue);

    // A second line whose account has the same customer item starts with it.
    s.lines()->append();
    s.lines()->post();
    typeCell(s, 1, C::colAcctCode, QStringLiteral("7510120"));
    QCOMPARE(cell(s, 1, C::colMg1 + 1), customerValue);
    QCOMPARE(cell(s, 1, C::colMg7), QStringLiteral("01:판관비"));

    typeCell(s, 1, C::colAcctCode, QStringLiteral("1110110"));
    QVERIFY(cell(s, 1, C::colMg1 + 1).isEmpty());
    QVERIFY(cell(s, 1, C::colCd1 + 1).isEmpty());

    // Typing a credit on a line with a debit clears the debit.
    typeCell(s, 1, C::colDebit, QStringLiteral("5000"));
    typeCell(s, 1, C::colCredit, QStringLiteral("1,234"));
    QCOMPARE(cell(s, 1, C::colDebit).toLongLong(), 0);
    QCOMPARE(cell(s, 1, C::colCredit).toLongLong(), 1234);
    QCOMPARE(s.grid()->footerText(QStringLiteral("C_AMOUNT")), QStringLiteral("1,234"));
}

void TestVBI020::dateItemsAreNormalised_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("YYYYMMDD") << "20040315" << "2004-03-15";
    QTest::newRow("MMDD") << "0315" << QString::number(QDate::currentDate().year()) + "-03-15";
    QTest::newRow("YYYYMM") << "200403" << "2004-03";
    QTest::newRow("YYYY-MM-DD") << "2004-03-15" << "2004-03-15";
}

void TestVBI020::dateItemsAreNormalised()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ScriptedDialogs dialogs;
    TfrmVBI020 s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    button(s, "bbtAdd")->click();
    typeCell(s, 0, C::colAcctCode, QStringLiteral("1110210"));  // 정기예금: 4 = 발행일자 (126)
    QCOMPARE(cell(s, 0, C::colCd1 + 3), QStringLiteral("126"));
    typeCell(s, 0, C::colMg1 + 3, typed);
    QCOMPARE(cell(s, 0, C::colMg1 + 3), shown);
}

void TestVBI020::itemLookupResults_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("item");       // an item whose value list the row replaces
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QStringList>("typed");     // "column=text", in order, on line 1
    QTest::addColumn<QStringList>("expected");  // "column=value" afterwards
    QTest::newRow("101 customer brings its business number")
        << "1110410" << "" << "" << QStringList{"6=0100000009"}
        << QStringList{"6=0100000009:(주)대관령청정식품", "7=718-81-14701"};
    QTest::newRow("154 found by business number typed with dashes")
        << "1111220" << "" << "" << QStringList{"6=718-81-14701"}
        << QStringList{"6=0100000009:718-81-14701", "7=(주)대관령청정식품"};
    QTest::newRow("104 lists the accounts of the bank on its left")
        << "1110120" << "" << "" << QStringList{"6=0300000006", "7=x"}
        << QStringList{"6=0300000006:중소기업은행", "7=010-123456-01-011:MMDA"};
    QTest::newRow("998 names the operating income/expense code")
        << "5110110" << "" << "" << QStringList{"11=100002"}
        << QStringList{"11=100002:임원급여", "23=판관비,급여성경비,급여,본사,임원급여"};
    QTest::newRow("116 bank into item 1, note number into the cell")
        << "2110120" << "116"
        << "SELECT X.BANK, X.NM, X.BILL\n  FROM (VALUES ('0300000001', '국민은행', 'PN0001'),\n"
           "               ('0300000002', '신한은행', 'PN0002')) X (BANK, NM, BILL)\n WHERE X.BILL LIKE :bill_no"
        << QStringList{"9=PN0002"} << QStringList{"6=0300000002:신한은행", "9=PN0002"};
    QTest::newRow("117 bank, due date, number and the debit")
        << "1110510" << "117"
        << "SELECT X.BANK, X.NM, X.DUE, X.BILL, X.AMT\n"
           "  FROM (VALUES ('0300000001', '국민은행', '2027-01-31', 'RB0001', 1250000)) X (BANK, NM, DUE, BILL, AMT)\n"
           " WHERE X.BILL LIKE :bill_no"
        << QStringList{"6=RB0001"}
        << QStringList{"6=0300000001:국민은행", "7=2027-01-31", "8=RB0001", "14=1250000"};
    QTest::newRow("nothing found empties the cell")
        << "1110410" << "" << "" << QStringList{"6=ZZZ"} << QStringList{"6=", "7="};
}

void TestVBI020::itemLookupResults()
{
    QFETCH(QString, account);
    QFETCH(QString, item);
    QFETCH(QString, statement);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    struct Restore {
        QString item, statement;
        ~Restore()
        {
            if (!item.isEmpty())
                ExecSql(QStringLiteral("UPDATE VA030MS SET CON_CODE = :P0 WHERE MG_CODE = :P1"), {statement, item});
        }
    } restore{item, item.isEmpty() ? QString()
                                   : Db::scalar(QStringLiteral("SELECT CON_CODE FROM VA030MS WHERE MG_CODE = :P0"), {item})
                                         .toString()};
    if (!item.isEmpty())
        ExecSql(QStringLiteral("UPDATE VA030MS SET CON_CODE = :P0 WHERE MG_CODE = :P1"), {statement, item});

    ScriptedDialogs dialogs;
    TfrmVBI020 s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    button(s, "bbtAdd")->click();
    typeCell(s, 0, C::colAcctCode, account);
    QCOMPARE(cell(s, 0, C::colAcctCode), account);
    for (const QString& step : typed) {
        const int eq = step.indexOf(QLatin1Char('='));
        typeCell(s, 0, step.left(eq).toInt(), step.mid(eq + 1));
    }
    for (const QString& e : expected) {
        const int eq = e.indexOf(QLatin1Char('='));
        const int column = e.left(eq).toInt();
        if (column == C::colDebit) {
            QCOMPARE(cell(s, 0, column).toLongLong(), e.mid(eq + 1).toLongLong());
            QCOMPARE(s.grid()->footerText(QStringLiteral("D_AMOUNT")), FormatNumber(e.mid(eq + 1).toDouble(), "#,##0"));
        } else {
            QCOMPARE(cell(s, 0, column), e.mid(eq + 1));
        }
    }
}

void TestVBI020::lookupsFromKeysAndCellButtons()
{
    ScriptedDialogs dialogs;
    TfrmVBI020 s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    button(s, "bbtAdd")->click();
    DataGrid* g = s.grid();
    QCOMPARE(g->currentGridColumn(), int(C::colAcctCode));

    // F1 on the account: the account window; the chosen account fills the line.
    QStringList captions;
    dialogs.onDialog = chooseRow(QStringLiteral("7510110"), &captions);
    QTest::keyClick(g, Qt::Key_F1);
    QCOMPARE(dialogs.dialogsRun.size(), 1);
    QCOMPARE(captions, (QStringList{QStringLiteral("계정코드"), QStringLiteral("계정조회명"), QStringLiteral("계정명")}));
    QCOMPARE(cell(s, 0, C::colAcctCode), QStringLiteral("7510110"));
    QCOMPARE(cell(s, 0, C::colAcctName), QStringLiteral("임원급여"));
    QCOMPARE(cell(s, 0, C::colV1Code), QStringLiteral("7510000"));
    QCOMPARE(g->columnCaption(C::colMg1), QStringLiteral("판관부서"));
    QCOMPARE(g->currentGridColumn(), int(C::colMg1));
    QCOMPARE(cell(s, 0, C::colMg7), QStringLiteral("01:판관비"));

    // F1 on a lookup item: its value list with the plain captions.
    const QString dept = Db::scalar(QStringLiteral("SELECT MIN(AFF_DEPT_CODE) FROM VA160MS WHERE USE_YN = 'Y' "
                                                   "AND DEPT_AFF_YN = 'P' AND DEPT_TYPE IN ('2','3','4')")).toString();
    dialogs.onDialog = chooseRow(dept, &captions);
    QTest::keyClick(g, Qt::Key_F1);
    QCOMPARE(dialogs.dialogsRun.size(), 2);
    QCOMPARE(captions, (QStringList{QStringLiteral("코    드"), QStringLiteral("항 목 명")}));
    QVERIFY2(cell(s, 0, C::colMg1).startsWith(dept + QLatin1Char(':')), qPrintable(cell(s, 0, C::colMg1)));

    // The cell button of the customer item: the customer list.
    g->setCurrentCell(0, C::colMg1 + 1);
    dialogs.onDialog = chooseRow(QStringLiteral("0100000009"), &captions);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->cellButtonRect(0, C::colMg1 + 1).center());
    QCOMPARE(dialogs.dialogsRun.size(), 3);
    QCOMPARE(captions, (QStringList{QStringLiteral("코    드"), QStringLiteral("거래처명"), QStringLiteral("대 표 자"),
                                    QStringLiteral("사업자번호")}));
    QCOMPARE(cell(s, 0, C::colMg1 + 1), QStringLiteral("0100000009:(주)대관령청정식품"));

    // A window closed without a choice empties the cell it was opened for.
    dialogs.onDialog = chooseRow(QString());
    QTest::keyClick(g, Qt::Key_F1);
    QCOMPARE(dialogs.dialogsRun.size(), 4);
    QVERIFY(cell(s, 0, C::colMg1 + 1).isEmpty());
}

void TestVBI020::slipNumberFieldAndCancel()
{
    ScriptedDialogs dialogs;
    TfrmVBI020 s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    s.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s));
    auto* slipNo = s.findChild<QLineEdit*>(QStringLiteral("edtSlipNo"));
    auto* slipLookup = s.findChild<TPopupBtn*>(QStringLiteral("pbtSlipNo"));

    // Leaving the slip number empty: a new slip is next.
    slipNo->setFocus();
    QTest::keyClick(slipNo, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(button(s, "bbtAdd")));

    // A slip chosen in the slip-number lookup is loaded.
    auto* depts = s.findChild<QComboBox*>(QStringLiteral("cbxDept"));
    QSqlQuery q = RunQuery(QStringLiteral(
        "SELECT SLIP_NO, TO_CHAR(SLIP_DATE, 'YYYY-MM-DD'), DEPT_CODE FROM VB010MS\n"
        " WHERE CONF_DATE IS NULL AND SLIP_DEL_YN = 'N' ORDER BY SLIP_NO"));
    QString number;
    while (number.isEmpty() && q.next()) {
        const int index = depts->findData(q.value(2).toString());
        if (index < 0)
            continue;
        depts->setCurrentIndex(index);
        s.findChild<QDateEdit*>(QStringLiteral("dtpAcctDate"))->setDate(QDate::fromString(q.value(1).toString(), Qt::ISODate));
        number = q.value(0).toString();
    }
    QVERIFY(!number.isEmpty());
    dialogs.onDialog = chooseRow(number);
    slipLookup->click();
    QCOMPARE(s.currentSlipNo(), number);
    QCOMPARE(s.approvalText(), QStringLiteral("미확정"));
    QVERIFY(s.lines()->recordCount() > 0);

    // While a slip is on the screen another number is neither typed nor looked up.
    QVERIFY(slipNo->isReadOnly());
    QVERIFY(!slipLookup->isEnabled());
    button(s, "bbtAdd")->click();
    QVERIFY(slipNo->isReadOnly());
    QVERIFY(!slipLookup->isEnabled());

    // Cancel of the new slip leaves an empty screen with nothing to print,
    // delete or label; a second Cancel opens the search again.
    button(s, "bbtCancel")->click();
    QCOMPARE(s.lines()->recordCount(), 0);
    QVERIFY(s.approvalText().isEmpty());
    for (const char* name : {"bbtDelete", "bbtPrint", "bbtPreview", "bbtSave"})
        QVERIFY2(!button(s, name)->isEnabled(), name);
    QVERIFY(button(s, "bbtAdd")->isEnabled());
    button(s, "bbtCancel")->click();
    QVERIFY(button(s, "bbtSearch")->isEnabled());
    QVERIFY(!slipNo->isReadOnly());
    QVERIFY(slipLookup->isEnabled());
}

void TestVBI020::lineDeletionShiftsRules()
{
    ScriptedDialogs dialogs;
    TfrmVBI020 s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    button(s, "bbtAdd")->click();
    newSlipLine(s, 0, QStringLiteral("7510110"), 0, 0);
    s.lines()->append();
    s.lines()->post();
    typeCell(s, 1, C::colAcctCode, QStringLiteral("1110210"));
    QCOMPARE(s.lineRules().size(), 4 + 5);
    s.lines()->moveTo(0);
    button(s, "btnLineDel")->click();
    QCOMPARE(dialogs.lastText(), QStringLiteral("선택하신 라인을 삭제 하시겠습니까.?"));
    QCOMPARE(s.lines()->recordCount(), 1);
    QCOMPARE(s.lineRules().size(), 5);
    for (const auto& r : s.lineRules())
        QCOMPARE(r.line, 0);
    QCOMPARE(cell(s, 0, C::colAcctCode), QStringLiteral("1110210"));

    // Deleting the only line leaves a fresh one to write on.
    button(s, "btnLineDel")->click();
    QCOMPARE(s.lines()->recordCount(), 1);
    QVERIFY(cell(s, 0, C::colAcctCode).isEmpty());
    QVERIFY(s.lineRules().isEmpty());
    QCOMPARE(s.grid()->currentGridColumn(), int(C::colAcctCode));
    typeCell(s, 0, C::colAcctCode, QStringLiteral("1110110"));
    QCOMPARE(cell(s, 0, C::colAcctName), QStringLiteral("현금"));
}

void TestVBI020::storedLookupStatementCannotWrite()
{
    // A value-list statement written straight into the table (bypassing the
    // item screen's check) still runs read-only.
    const int customers = Db::scalar(QStringLiteral("SELECT count(*) FROM VA050MS")).toInt();
    const QString saved = Db::scalar(QStringLiteral("SELECT CON_CODE FROM VA030MS WHERE MG_CODE = '101'")).toString();
    ExecSql(QStringLiteral("UPDATE VA030MS SET CON_CODE = :P0 WHERE MG_CODE = '101'"),
            {QStringLiteral("WITH gone AS (DELETE FROM VA050MS WHERE C_CODE LIKE :cust_cd RETURNING C_CODE, C_NAME)\n"
                            "SELECT C_CODE, C_NAME FROM gone")});
    ScriptedDialogs dialogs;
    {
        TfrmVBI020 s;
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        button(s, "bbtAdd")->click();
        typeCell(s, 0, C::colAcctCode, QStringLiteral("7130110"));
        typeCell(s, 0, C::colMg1 + 1, QStringLiteral("01"));
        QCOMPARE(dialogs.dialogsRun.size(), 1);  // the error dialog
    }
    ExecSql(QStringLiteral("UPDATE VA030MS SET CON_CODE = :P0 WHERE MG_CODE = '101'"), {saved});
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM VA050MS")).toInt(), customers);
}

void TestVBI020::confirmedSlipOpensReadOnlyFromHandOff()
{
    ScriptedDialogs dialogs;
    QSqlQuery q = RunQuery(QStringLiteral(
        "SELECT Z.SLIP_NO, TO_CHAR(Z.SLIP_DATE, 'YYYY-MM-DD'), D.DEPT_NAME, Z.DEPT_CODE\n"
        "  FROM VB010MS Z JOIN QA160MS_DATE D ON D.DEPT_CODE = Z.DEPT_CODE\n"
        "   AND TO_CHAR(CURRENT_DATE, 'YYYY-MM-DD') BETWEEN D.BGN_DATE AND D.END_DATE\n"
        " WHERE Z.CONF_DATE IS NOT NULL AND Z.SLIP_DEL_YN = 'N' ORDER BY Z.SLIP_NO DESC LIMIT 1"));
    QVERIFY(q.next());
    const QString shownSlipNo = q.value(0).toString();
    HandOver::HandSlipNo = q.value(0).toString();
    HandOver::HandSlipDate = q.value(1).toString();
    HandOver::HandDeptText = DeptEntry::text(q.value(2).toString(), q.value(3).toString());
    TfrmVBI020 s;
    s.show();
    QTRY_COMPARE(s.approvalText(), QStringLiteral("확정"));
    QVERIFY(HandOver::HandSlipNo.isEmpty());
    QVERIFY(s.lines()->recordCount() > 0);
    QVERIFY(!s.grid()->isEditable());
    QVERIFY(!button(s, "bbtSave")->isEnabled());
    QVERIFY(!button(s, "bbtDelete")->isEnabled());
    QVERIFY(s.findChild<QPushButton*>(QStringLiteral("btnLineDel"))->isHidden());
    // Its item columns are named after the items each line was stored with.
    for (int row = 0; row < s.lines()->recordCount(); ++row) {
        s.grid()->setCurrentCell(row, C::colAcctCode);
        QSqlQuery items = RunQuery(QStringLiteral("SELECT D.LINEUP_NO, B.MG_NAME FROM VB011DT D JOIN VA030MS B ON B.MG_CODE = D.MG_CODE\n"
                                                  " WHERE D.SLIP_NO = :P0 AND D.SLIP_SEQ_NO = :P1"),
                                   {shownSlipNo, row});
        int named = 0;
        while (items.next()) {
            QCOMPARE(s.grid()->columnCaption(C::colMg1 + items.value(0).toInt() - 1), items.value(1).toString());
            ++named;
        }
        for (int c = C::colMg1; c <= C::colMg7; ++c)
            if (!s.grid()->columnCaption(c).trimmed().isEmpty())
                --named;
        QCOMPARE(named, 0);
    }
    // F2 and F9 do nothing at all.
    s.activateWindow();
    QTest::keyClick(&s, Qt::Key_F2);
    QTest::keyClick(&s, Qt::Key_F9);
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY(dialogs.dialogsRun.isEmpty());
}

void TestVBI020::pastDataVariantReadsBackupSchema()
{
    ScriptedDialogs dialogs;
    QSqlQuery q = RunQuery(QStringLiteral(
        "SELECT Z.SLIP_NO, TO_CHAR(Z.SLIP_DATE, 'YYYY-MM-DD'), Z.DEPT_CODE, count(*)\n"
        "  FROM BKUSER.VB010MS Z JOIN BKUSER.VB011MS A ON A.SLIP_NO = Z.SLIP_NO\n"
        " WHERE Z.SLIP_DEL_YN = 'N' GROUP BY 1, 2, 3 ORDER BY 1 LIMIT 1"));
    QVERIFY(q.next());
    TfrmVCS040 s;
    auto* depts = s.findChild<QComboBox*>(QStringLiteral("cbxDept"));
    const int index = depts->findData(q.value(2).toString());
    if (index < 0)
        QSKIP("the past slip's department is not valid today");
    depts->setCurrentIndex(index);
    s.findChild<QDateEdit*>(QStringLiteral("dtpAcctDate"))->setDate(QDate::fromString(q.value(1).toString(), Qt::ISODate));
    s.findChild<QLineEdit*>(QStringLiteral("edtSlipNo"))->setText(q.value(0).toString());
    button(s, "bbtSearch")->click();
    QCOMPARE(s.lines()->recordCount(), q.value(3).toInt());
    QCOMPARE(s.objectName(), QStringLiteral("frmVCS040"));
}

void TestVBI020::accountAndAmountsStayInView_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("1280x900") << QSize(1280, 900);
    QTest::newRow("1024x768") << QSize(1024, 768);
}

// While items and the remark are written, the line's account and its
// amounts with their totals stay on screen.
void TestVBI020::accountAndAmountsStayInView()
{
    QFETCH(QSize, size);
    ScriptedDialogs dialogs;
    TfrmVBI020 s;
    s.resize(size);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    button(s, "bbtAdd")->click();
    typeCell(s, 0, C::colAcctCode, QStringLiteral("7510110"));
    typeCell(s, 0, C::colMg1, Db::scalar(QStringLiteral("SELECT MIN(AFF_DEPT_CODE) FROM VA160MS WHERE USE_YN = 'Y' "
                                                        "AND DEPT_AFF_YN = 'P' AND DEPT_TYPE IN ('2','3','4')")).toString());
    typeCell(s, 0, C::colDebit, QStringLiteral("150000"));
    DataGrid* g = s.grid();
    QVERIFY(g->footerWidget()->isVisible());
    QCOMPARE(g->footerText(C::fieldOf(C::colDebit)), QStringLiteral("150,000"));

    const QList<int> alwaysInView{C::colAcctCode, C::colAcctName, C::colDebit, C::colCredit};
    for (int column : {int(C::colMg1), int(C::colMg1) + 3, int(C::colMg7), int(C::colRemark), int(C::colBuName)}) {
        g->setCurrentCell(0, column);
        QCoreApplication::processEvents();
        // Items without a rule on this line are stepped over: the cell the
        // cursor ends on is the one that must be in view.
        const QByteArray where = QByteArray::number(g->currentGridColumn());
        QVERIFY2(g->isColumnInView(g->currentGridColumn()), where.constData());
        for (int fixed : alwaysInView)
            QVERIFY2(g->isColumnInView(fixed), (where + " / " + QByteArray::number(fixed)).constData());
        // The totals sit under the amount columns, inside the grid.
        const int debitX = g->columnViewportPosition(C::colDebit);
        QVERIFY(debitX >= 0 && debitX + g->columnWidth(C::colDebit) <= g->footerWidget()->width());
        if (g->isEditingCell())
            QVERIFY(g->viewport()->rect().contains(g->cellEditor()->geometry()));
    }
    const QString shots = qEnvironmentVariable("TV_SCREEN_SHOTS");
    if (!shots.isEmpty()) {
        g->setCurrentCell(0, C::colRemark);
        QCoreApplication::processEvents();
        s.grab().save(QStringLiteral("%1/vbi020_%2x%3.png").arg(shots).arg(size.width()).arg(size.height()));
    }
}

TV_TEST_MAIN(TestVBI020)
#include "tst_vbi020.moc"
