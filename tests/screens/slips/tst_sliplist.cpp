// The slip list and the slips the database generates: listing and opening
// slips, copies, payroll and daily sales slips, and deposit slips from the
// register. Each generated slip is checked against its source with plain
// SQL: balanced, its lines and their items, refused a second time while it
// lives, allowed again once deleted.
#include "common/AppErrors.h"
#include "common/Db.h"
#include "common/HandOver.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/TextUtil.h"
#include "common/Transaction.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupWnd.h"
#include "screens/slips/SlipGenerator.h"
#include "screens/slips/SlipStore.h"
#include "screens/slips/VBI010.h"
#include "screens/slips/VBI020.h"
#include "screens/slips/VBI050.h"
#include "screens/slips/VBI060.h"
#include "screens/slips/VBI070.h"
#include "screens/slips/VBI041.h"
#include "screens/slips/VBI090.h"
#include "shell/V0Main.h"
#include "support/PdfTools.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

const QString kClerk = QStringLiteral("2001");  // writes for 회계파트 (1111)
const QString kIp = QStringLiteral("10.10.1.77");
const QString kRefused = QStringLiteral("자료를 저장하지 못했습니다.\n\n에러내용:\n");

int count(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toInt();
}

int slipCount()
{
    return count(QStringLiteral("SELECT count(*) FROM VB010MS"));
}

// A slip's header totals, the sums of its lines and its line count.
struct Totals {
    qint64 headerDebit = 0, headerCredit = 0, lineDebit = 0, lineCredit = 0;
    int lines = 0;
};

Totals totalsOf(const QString& slipNo)
{
    const QVariantList row = RunQueryRow(
        QStringLiteral("SELECT H.TOTAL_D_AMT, H.TOTAL_C_AMT, SUM(L.D_AMOUNT), SUM(L.C_AMOUNT), COUNT(L.SLIP_SEQ_NO)\n"
                       "  FROM VB010MS H JOIN VB011MS L ON L.SLIP_NO = H.SLIP_NO\n"
                       " WHERE H.SLIP_NO = :P0 GROUP BY H.TOTAL_D_AMT, H.TOTAL_C_AMT"),
        {slipNo});
    return {row.value(0).toLongLong(), row.value(1).toLongLong(), row.value(2).toLongLong(),
            row.value(3).toLongLong(), row.value(4).toInt()};
}

void verifyBalancedUnconfirmed(const QString& slipNo, const QString& writer, const QString& dept, const QString& day)
{
    const Totals t = totalsOf(slipNo);
    QVERIFY2(t.lines > 0, qPrintable(slipNo));
    QCOMPARE(t.headerDebit, t.headerCredit);
    QCOMPARE(t.lineDebit, t.headerDebit);
    QCOMPARE(t.lineCredit, t.headerCredit);
    const QVariantList h = RunQueryRow(QStringLiteral("SELECT CR_EMP_NO, DEPT_CODE, TO_CHAR(SLIP_DATE, 'YYYY-MM-DD'),\n"
                                                      "       CONF_DATE IS NULL, SLIP_DEL_YN\n"
                                                      "  FROM VB010MS WHERE SLIP_NO = :P0"),
                                       {slipNo});
    QCOMPARE(h.value(0).toString(), writer);
    QCOMPARE(h.value(1).toString(), dept);
    QCOMPARE(h.value(2).toString(), day);
    QVERIFY(h.value(3).toBool());
    QCOMPARE(h.value(4).toString(), QStringLiteral("N"));
}

// The item values of one line as "position=code:name" texts.
QStringList itemsOf(const QString& slipNo, int seq)
{
    QStringList out;
    QSqlQuery q = RunQuery(QStringLiteral("SELECT LINEUP_NO, MG_DETAIL, MG_DETAIL_NAME FROM VB011DT\n"
                                          " WHERE SLIP_NO = :P0 AND SLIP_SEQ_NO = :P1 ORDER BY LINEUP_NO"),
                           {slipNo, seq});
    while (q.next())
        out << QStringLiteral("%1=%2%3")
                   .arg(q.value(0).toInt())
                   .arg(q.value(1).toString(),
                        q.value(2).isNull() ? QString() : QLatin1Char(':') + q.value(2).toString());
    return out;
}

// Runs a generator as the client does: one transaction, committed on 'R'.
QVariantList generate(const QString& procedure, const QVariantList& params)
{
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    QVariantList answer;
    try {
        answer = CallProcRow(procedure, params);
    } catch (...) {
        tx.rollback();
        throw;
    }
    if (answer.value(0).toString().startsWith(QLatin1Char('E')) || answer.value(0).toString().isEmpty())
        tx.rollback();
    else
        tx.commit();
    return answer;
}

void deleteSlip(const QString& slipNo)
{
    const QString dept = Db::scalar(QStringLiteral("SELECT DEPT_CODE FROM VB010MS WHERE SLIP_NO = :P0"), {slipNo}).toString();
    const QString day =
        Db::scalar(QStringLiteral("SELECT TO_CHAR(SLIP_DATE, 'YYYY-MM-DD') FROM VB010MS WHERE SLIP_NO = :P0"), {slipNo})
            .toString();
    SharedTransaction::instance().start();
    const QString answer = SlipStore::remove({slipNo, dept, day, QStringLiteral("K"), QString()});
    QVERIFY2(answer.startsWith(QLatin1Char('R')), qPrintable(answer));
    SharedTransaction::instance().commit();
}

QPushButton* button(QWidget& s, const char* name)
{
    return s.findChild<QPushButton*>(QLatin1String(name));
}

// Chooses the lookup row whose columns start with `wanted`.
std::function<int(QDialog*)> chooseRow(const QStringList& wanted)
{
    return [wanted](QDialog* d) {
        auto* w = qobject_cast<TfrmPopupWnd*>(d);
        if (!w)
            return int(QDialog::Accepted);
        for (int r = 0; r < w->rowCount(); ++r) {
            w->setCurrentRow(r);
            const QStringList texts = w->currentRowTexts();
            bool all = true;
            for (int c = 0; c < wanted.size(); ++c)
                all &= texts.value(c).trimmed() == wanted[c];
            if (all)
                return int(QDialog::Accepted);
        }
        return int(QDialog::Rejected);
    };
}

// A confirmed slip of today for the clerk: an expense paid by two payables
// lines crediting accounts payable, the later one with its own remark.
QString confirmedPayablesSlip(qint64 first, qint64 second)
{
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    const QString session =
        Db::scalar(QStringLiteral("SELECT SESSION_ID FROM VI010MS WHERE CURRENT_DATE BETWEEN ST_DATE AND ED_DATE")).toString();
    QList<SlipLine> lines(3);
    lines[0].acctCode = QStringLiteral("7530510");
    lines[0].debit = first + second;
    lines[0].remark = QStringLiteral("사무용품 구입");
    lines[0].itemCodes[0] = QStringLiteral("141");
    lines[0].itemValues[0] = QStringLiteral("1111:회계파트");
    lines[0].itemCodes[6] = QStringLiteral("501");
    lines[0].itemValues[6] = QStringLiteral("01:판관비");
    for (int i = 1; i <= 2; ++i) {
        lines[i].acctCode = QStringLiteral("2110110");
        lines[i].credit = i == 1 ? first : second;
        lines[i].remark = i == 1 ? QStringLiteral("오피스디포 1차분") : QStringLiteral("오피스디포 2차분");
        lines[i].itemCodes[0] = QStringLiteral("101");
        lines[i].itemValues[0] = QStringLiteral("0100000014:(주)오피스디포");
    }
    SharedTransaction::instance().start();
    const QString answer =
        SlipStore::save({QStringLiteral("NI77"), QStringLiteral("1111"), today, QStringLiteral("K"), session}, lines);
    if (!answer.startsWith(QLatin1Char('R'))) {
        SharedTransaction::instance().rollback();
        qWarning() << answer;
        return QString();
    }
    const QString slipNo = ProcResult::slipNumber(answer);
    for (const char* step : {"pk_v_journalize.def_confdate", "pk_v_journalize.pr_journalmain"}) {
        const QString done = CallProcText(QLatin1String(step), {QStringLiteral("1"), slipNo, today, QStringLiteral("1001")});
        if (ProcResult::isFailure(done)) {
            SharedTransaction::instance().rollback();
            qWarning() << done;
            return QString();
        }
    }
    SharedTransaction::instance().commit();
    return slipNo;
}

}  // namespace

class TestSlipList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void init();

    void payrollSlips();
    void payrollRefusals_data();
    void payrollRefusals();
    void payItemWithoutSlipAccount();
    void dailySalesSlip();
    void dailySalesRefusals_data();
    void dailySalesRefusals();
    void copiesThreeWays_data();
    void copiesThreeWays();
    void copyRefusals();
    void depositSlipFromRegister();
    void depositRegisterRules();

    void slipListFilters();
    void deletedSlipsGreyAndClosed();
    void listOpensSlipEntry();
    void copyScreen();
    void payrollScreen();
    void salesScreenDates_data();
    void salesScreenDates();
    void generatedSlipOpensInSlipEntry();
    void databaseErrorRollsBack();
    void depositScreen();

private:
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_dir;
};

void TestSlipList::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Session::exeDir = m_dir.path() + QLatin1Char('/');
    Session::workstationIp = kIp;
}

void TestSlipList::init()
{
    Session::empNo = kClerk;
    Session::empName = QStringLiteral("김회계");
    HandOver::clearSlip();
    QVERIFY(!SharedTransaction::instance().inTransaction());
}

// --- procedures --------------------------------------------------------------------------

void TestSlipList::payrollSlips()
{
    const QVariantList answer =
        generate(QStringLiteral("pr_v_vbi060sp"), {QStringLiteral("01"), QStringLiteral("202612"), kIp, QStringLiteral("1111"), kClerk});
    QVERIFY2(answer.value(0).toString().startsWith(QLatin1Char('R')), qPrintable(answer.value(0).toString()));
    const QString paySlip = ProcResult::slipNumber(answer.value(0).toString());
    const QString paymentSlip = answer.value(1).toString();
    QCOMPARE(paymentSlip.size(), 8);
    QCOMPARE(answer.value(2).toString(), QString());  // a pay run without bonus items has no bonus slip
    QCOMPARE(answer.value(3).toString(), QStringLiteral("2026-12-24"));
    for (const QString& no : {paySlip, paymentSlip})
        verifyBalancedUnconfirmed(no, kClerk, QStringLiteral("1111"), QStringLiteral("2026-12-24"));

    // The pay slip: one debit per department and earning item, on the cost
    // or the administrative account by the department, then the accrued total.
    const QString source = QStringLiteral("FROM QD100DT D JOIN QD110MS I ON I.PAY_ITEM_CD = D.PAY_ITEM_CD\n"
                                          " WHERE D.PAY_CODE = '01' AND D.PAY_YM = '202612' AND I.ITEM_KIND = '%1'");
    const qint64 earned = Db::scalar(QStringLiteral("SELECT SUM(D.PAY_AMT) ") + source.arg(1)).toLongLong();
    const qint64 withheld = Db::scalar(QStringLiteral("SELECT SUM(D.PAY_AMT) ") + source.arg(2)).toLongLong();
    const int earningLines = count(QStringLiteral("SELECT COUNT(*) ") + source.arg(1));
    QCOMPARE(totalsOf(paySlip).lines, earningLines + 1);
    QCOMPARE(totalsOf(paySlip).headerDebit, earned);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VB011MS L\n"
                                  "  JOIN VA160MS V ON V.AFF_DEPT_CODE = SPLIT_PART(\n"
                                  "       (SELECT MG_DETAIL FROM VB011DT I WHERE I.SLIP_NO = L.SLIP_NO AND I.SLIP_SEQ_NO = L.SLIP_SEQ_NO\n"
                                  "           AND I.LINEUP_NO = 1), ':', 1)\n"
                                  " WHERE L.SLIP_NO = :P0 AND L.D_AMOUNT <> 0\n"
                                  "   AND L.ACCT_CODE = CASE V.DEPT_AFF_YN WHEN 'N' THEN '7110110' ELSE '7510120' END"),
                   {paySlip}),
             earningLines);
    QCOMPARE(itemsOf(paySlip, 0), (QStringList{QStringLiteral("1=1110:재무팀"), QStringLiteral("7=01:판관비")}));
    const int costLine = count(QStringLiteral("SELECT MIN(SLIP_SEQ_NO) FROM VB011MS WHERE SLIP_NO = :P0 AND ACCT_CODE = '7110110'"),
                               {paySlip});
    QCOMPARE(itemsOf(paySlip, costLine).value(1), QStringLiteral("7=02:원가"));

    // The payment slip: accrued pay out, deductions withheld, the net pay
    // leaving the run's bank account.
    QCOMPARE(totalsOf(paymentSlip).headerDebit, earned);
    const QVariantList bank = RunQueryRow(QStringLiteral("SELECT C_AMOUNT, SLIP_SEQ_NO FROM VB011MS\n"
                                                         " WHERE SLIP_NO = :P0 AND ACCT_CODE = '1110120'"),
                                          {paymentSlip});
    QCOMPARE(bank.value(0).toLongLong(), earned - withheld);
    QCOMPARE(itemsOf(paymentSlip, bank.value(1).toInt()),
             (QStringList{QStringLiteral("1=0300000002:신한은행"), QStringLiteral("2=140-011-223344:급여이체 보통예금")}));

    // A second run is refused while the slips live; deleting them allows it.
    const int slips = slipCount();
    const QString again =
        generate(QStringLiteral("pr_v_vbi060sp"), {QStringLiteral("01"), QStringLiteral("202612"), kIp, QStringLiteral("1111"), kClerk})
            .value(0)
            .toString();
    QVERIFY2(again.startsWith(QStringLiteral("E이미 자동전표가 생성된 급상여입니다.")), qPrintable(again));
    QVERIFY(again.contains(paySlip));
    QCOMPARE(slipCount(), slips);
    deleteSlip(paySlip);
    QVERIFY(generate(QStringLiteral("pr_v_vbi060sp"), {QStringLiteral("01"), QStringLiteral("202612"), kIp, QStringLiteral("1111"), kClerk})
                .value(0)
                .toString()
                .startsWith(QStringLiteral("E이미 자동전표가 생성된 급상여입니다.(전표번호 ") + paymentSlip));
    deleteSlip(paymentSlip);
    const QString third =
        generate(QStringLiteral("pr_v_vbi060sp"), {QStringLiteral("01"), QStringLiteral("202612"), kIp, QStringLiteral("1111"), kClerk})
            .value(0)
            .toString();
    QVERIFY2(third.startsWith(QLatin1Char('R')), qPrintable(third));
    QVERIFY(ProcResult::slipNumber(third) != paySlip);

    // A bonus run makes a bonus slip and its payment.
    const QVariantList bonus =
        generate(QStringLiteral("pr_v_vbi060sp"), {QStringLiteral("02"), QStringLiteral("202612"), kIp, QStringLiteral("1111"), kClerk});
    QVERIFY(bonus.value(0).toString().startsWith(QLatin1Char('R')));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VB011MS WHERE SLIP_NO = :P0 AND ACCT_CODE IN ('7110120', '7510130')"),
                   {ProcResult::slipNumber(bonus.value(0).toString())}),
             totalsOf(ProcResult::slipNumber(bonus.value(0).toString())).lines - 1);

    // The screens' tests start from runs without slips.
    QSqlQuery live = RunQuery(QStringLiteral("SELECT G.SLIP_NO FROM VB095MS G JOIN VB010MS H ON H.SLIP_NO = G.SLIP_NO\n"
                                             " WHERE H.SLIP_DEL_YN = 'N' ORDER BY G.SLIP_NO"));
    QStringList slipsLeft;
    while (live.next())
        slipsLeft << live.value(0).toString();
    for (const QString& no : slipsLeft)
        deleteSlip(no);
}

void TestSlipList::payrollRefusals_data()
{
    QTest::addColumn<QString>("payCode");
    QTest::addColumn<QString>("payYm");
    QTest::addColumn<QString>("message");
    QTest::newRow("no amounts") << "05" << "202612" << "E급상여 내역이 없습니다.(05, 202612)";
    QTest::newRow("no such run") << "03" << "202612" << "E급상여 자료가 없습니다.(03, 202612)";
    QTest::newRow("closed month") << "04" << "202610"
                                  << "E2026-10월은 마감되었습니다. 마감된 월의 자료는 처리할 수 없습니다.!";
    QTest::newRow("nothing chosen") << "" << "202612" << "E자동전표 처리 할 급상여를 선택하세요.!";
}

void TestSlipList::payrollRefusals()
{
    QFETCH(QString, payCode);
    QFETCH(QString, payYm);
    QFETCH(QString, message);
    const int slips = slipCount();
    const QVariantList answer =
        generate(QStringLiteral("pr_v_vbi060sp"), {payCode, payYm, kIp, QStringLiteral("1111"), kClerk});
    QCOMPARE(answer.value(0).toString(), message);
    QCOMPARE(answer.value(1).toString(), QString());
    QCOMPARE(slipCount(), slips);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VB095MS WHERE GEN_KEY = :P0"), {payCode + payYm}), 0);
}

void TestSlipList::payItemWithoutSlipAccount()
{
    // A bonus run of the accounting part, whose bonus item names a group
    // account (no slips) and then an account that does not exist.
    m_db->ownerExec(QStringLiteral("INSERT INTO QD100MS (PAY_CODE, PAY_YM, PAY_DATE, BANK_CODE, BANK_ACCOUNT)\n"
                                   "VALUES ('02', '202611', DATE '2026-11-27', '0300000002', '140-011-223344')"));
    m_db->ownerExec(QStringLiteral("INSERT INTO QD100DT (PAY_CODE, PAY_YM, DEPT_CODE, PAY_ITEM_CD, PAY_AMT)\n"
                                   "VALUES ('02', '202611', '1111', 'B01', 3000000), ('02', '202611', '1111', 'D01', 96000)"));
    const int slips = slipCount();
    const auto run = [] {
        return generate(QStringLiteral("pr_v_vbi060sp"),
                        {QStringLiteral("02"), QStringLiteral("202611"), kIp, QStringLiteral("1111"), kClerk})
            .value(0)
            .toString();
    };
    m_db->ownerExec(QStringLiteral("UPDATE QD110MS SET ADMIN_ACCT = '7510100' WHERE PAY_ITEM_CD = 'B01'"));
    QCOMPARE(run(), QStringLiteral("E급여항목 [B01 정기상여]의 계정(7510100)은 전표를 입력할 수 없는 계정입니다.!"));
    m_db->ownerExec(QStringLiteral("UPDATE QD110MS SET ADMIN_ACCT = '7519999' WHERE PAY_ITEM_CD = 'B01'"));
    QCOMPARE(run(), QStringLiteral("E급여항목 [B01 정기상여]의 계정(7519999)이 등록되지 않았습니다.!"));
    QCOMPARE(slipCount(), slips);
    // Put right, the run goes through: bonus slip and payment.
    m_db->ownerExec(QStringLiteral("UPDATE QD110MS SET ADMIN_ACCT = '7510130' WHERE PAY_ITEM_CD = 'B01'"));
    const QString answer = run();
    QVERIFY2(answer.startsWith(QLatin1Char('R')), qPrintable(answer));
    QCOMPARE(slipCount(), slips + 2);
    QCOMPARE(totalsOf(ProcResult::slipNumber(answer)).headerDebit, 3000000);
}

void TestSlipList::dailySalesSlip()
{
    const QString day = QStringLiteral("2026-12-06");
    const QVariantList answer = generate(QStringLiteral("pr_v_vbi070sp"), {day, kIp, QStringLiteral("1111"), kClerk});
    QVERIFY2(answer.value(0).toString().startsWith(QLatin1Char('R')), qPrintable(answer.value(0).toString()));
    const QString slipNo = ProcResult::slipNumber(answer.value(0).toString());
    QCOMPARE(answer.value(1).toString(), day);
    verifyBalancedUnconfirmed(slipNo, kClerk, QStringLiteral("1111"), day);

    // Debits per payment kind and credits per outlet, as the source sums them.
    QCOMPARE(totalsOf(slipNo).headerDebit,
             Db::scalar(QStringLiteral("SELECT SUM(SALE_AMT) FROM VB090MS WHERE SALE_DATE = DATE '2026-12-06'")).toLongLong());
    QCOMPARE(totalsOf(slipNo).lines,
             count(QStringLiteral("SELECT COUNT(DISTINCT PAY_WAY) FROM VB090MS WHERE SALE_DATE = DATE '2026-12-06'"))
                 + count(QStringLiteral("SELECT COUNT(DISTINCT OUTLET_CODE) FROM VB090MS WHERE SALE_DATE = DATE '2026-12-06'")));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM (\n"
                                  "  SELECT O.ACCT_CODE, O.DEPT_CODE, SUM(S.SALE_AMT) AMT FROM VB090MS S\n"
                                  "    JOIN VB091MS O ON O.OUTLET_CODE = S.OUTLET_CODE\n"
                                  "   WHERE S.SALE_DATE = DATE '2026-12-06' GROUP BY O.OUTLET_CODE, O.ACCT_CODE, O.DEPT_CODE) X\n"
                                  " WHERE NOT EXISTS (SELECT 1 FROM VB011MS L JOIN VB011DT I\n"
                                  "                     ON I.SLIP_NO = L.SLIP_NO AND I.SLIP_SEQ_NO = L.SLIP_SEQ_NO AND I.MG_CODE = '118'\n"
                                  "                    WHERE L.SLIP_NO = :P0 AND L.ACCT_CODE = X.ACCT_CODE AND L.C_AMOUNT = X.AMT\n"
                                  "                      AND I.MG_DETAIL = X.DEPT_CODE)"),
                   {slipNo}),
             0);
    // Card sales carry their card company.
    const int cardLine = count(QStringLiteral("SELECT MIN(SLIP_SEQ_NO) FROM VB011MS WHERE SLIP_NO = :P0 AND ACCT_CODE = '1110420'"),
                               {slipNo});
    QCOMPARE(itemsOf(slipNo, cardLine), QStringList{QStringLiteral("1=0400000031:신한카드(주)")});

    const QString again = generate(QStringLiteral("pr_v_vbi070sp"), {day, kIp, QStringLiteral("1111"), kClerk}).value(0).toString();
    QCOMPARE(again, QStringLiteral("E이미 매출 자동전표가 생성된 일자입니다.(전표번호 ") + slipNo
                        + QStringLiteral(") 전표를 삭제한 후 다시 처리하세요."));
    deleteSlip(slipNo);
    QVERIFY(generate(QStringLiteral("pr_v_vbi070sp"), {day, kIp, QStringLiteral("1111"), kClerk})
                .value(0)
                .toString()
                .startsWith(QLatin1Char('R')));
}

void TestSlipList::dailySalesRefusals_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("message");
    QTest::newRow("no sales") << "2026-12-20" << "E2026-12-20 일자의 매출 자료가 없습니다.!";
    QTest::newRow("closed day") << "2026-11-12"
                                << "E2026-11-12일은 마감되었습니다. 마감된 일자의 자료는 처리할 수 없습니다.!";
    QTest::newRow("impossible day") << "2026-02-30" << "E매출 발생일자가 올바르지 않습니다.(2026-02-30)";
    QTest::newRow("letters") << "2026-1a-05" << "E매출 발생일자가 올바르지 않습니다.(2026-1a-05)";
}

void TestSlipList::dailySalesRefusals()
{
    QFETCH(QString, day);
    QFETCH(QString, message);
    const int slips = slipCount();
    QCOMPARE(generate(QStringLiteral("pr_v_vbi070sp"), {day, kIp, QStringLiteral("1111"), kClerk}).value(0).toString(), message);
    QCOMPARE(slipCount(), slips);
}

void TestSlipList::copiesThreeWays_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("sign");
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("negated") << "1" << -1;
    QTest::newRow("kept") << "2" << 1;
}

void TestSlipList::copiesThreeWays()
{
    QFETCH(QString, mode);
    QFETCH(int, sign);
    // A confirmed slip with items on several lines.
    const QString source = Db::scalar(QStringLiteral(
        "SELECT H.SLIP_NO FROM VB010MS H WHERE H.CONF_DATE IS NOT NULL AND H.SLIP_DEL_YN = 'N'\n"
        "   AND (SELECT COUNT(*) FROM VB011MS L WHERE L.SLIP_NO = H.SLIP_NO) >= 3\n"
        "   AND H.SLIP_DATE >= DATE '2026-11-01' ORDER BY H.SLIP_NO LIMIT 1")).toString();
    QVERIFY(!source.isEmpty());
    const QVariantList answer = generate(QStringLiteral("pr_v_vbi050sp"), {mode, source, QStringLiteral("1111"), kIp, kClerk});
    QVERIFY2(answer.value(0).toString().startsWith(QLatin1Char('R')), qPrintable(answer.value(0).toString()));
    const QString copy = ProcResult::slipNumber(answer.value(0).toString());
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QCOMPARE(answer.value(1).toString(), today);
    verifyBalancedUnconfirmed(copy, kClerk, QStringLiteral("1111"), today);
    QCOMPARE(totalsOf(copy).headerDebit, totalsOf(source).headerDebit * sign);
    // Line by line: account, remark, amounts by the choice, the same items.
    const QString sourceLines = QStringLiteral("SELECT SLIP_SEQ_NO, ACCT_CODE, REF_DATA, D_AMOUNT * :P2, C_AMOUNT * :P2 "
                                               "FROM VB011MS WHERE SLIP_NO = :P0");
    const QString copyLines = QStringLiteral("SELECT SLIP_SEQ_NO, ACCT_CODE, REF_DATA, D_AMOUNT, C_AMOUNT "
                                             "FROM VB011MS WHERE SLIP_NO = :P1");
    for (const QString& difference : {sourceLines + QStringLiteral(" EXCEPT ") + copyLines,
                                      copyLines + QStringLiteral(" EXCEPT ") + sourceLines})
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM (") + difference + QStringLiteral(") X"), {source, copy, sign}), 0);
    QCOMPARE(totalsOf(copy).lines, totalsOf(source).lines);
    for (int seq = 0; seq < totalsOf(source).lines; ++seq)
        QCOMPARE(itemsOf(copy, seq), itemsOf(source, seq));
    QVERIFY(!itemsOf(source, 0).isEmpty());
}

void TestSlipList::copyRefusals()
{
    const QString deleted = Db::scalar(QStringLiteral("SELECT SLIP_NO FROM VB010MS WHERE SLIP_DEL_YN = 'Y' ORDER BY 1 LIMIT 1")).toString();
    QVERIFY(!deleted.isEmpty());
    const int slips = slipCount();
    QCOMPARE(generate(QStringLiteral("pr_v_vbi050sp"), {QStringLiteral("2"), deleted, QStringLiteral("1111"), kIp, kClerk}).value(0).toString(),
             QStringLiteral("E삭제된 전표는 복사할 수 없습니다.(") + deleted + QStringLiteral(")"));
    QCOMPARE(generate(QStringLiteral("pr_v_vbi050sp"), {QStringLiteral("2"), QStringLiteral("K2699999"), QStringLiteral("1111"), kIp, kClerk})
                 .value(0)
                 .toString(),
             QStringLiteral("E복사할 전표가 없습니다.(K2699999)"));
    QCOMPARE(generate(QStringLiteral("pr_v_vbi050sp"), {QStringLiteral("5"), deleted, QStringLiteral("1111"), kIp, kClerk}).value(0).toString(),
             QStringLiteral("E금액처리 구분이 올바르지 않습니다.(5)"));
    QCOMPARE(slipCount(), slips);

    // A zero copy is a form to fill: slip entry still refuses to store it so.
    const QString source = Db::scalar(QStringLiteral("SELECT SLIP_NO FROM VB010MS WHERE SLIP_DEL_YN = 'N' ORDER BY 1 DESC LIMIT 1")).toString();
    const QString copy = ProcResult::slipNumber(
        generate(QStringLiteral("pr_v_vbi050sp"), {QStringLiteral("0"), source, QStringLiteral("1111"), kIp, kClerk}).value(0).toString());
    SharedTransaction::instance().start();
    QList<SlipLine> lines(2);
    lines[0].acctCode = QStringLiteral("1110110");
    lines[1].acctCode = QStringLiteral("1110110");
    const QString resave = SlipStore::save({copy, QStringLiteral("1111"), QDate::currentDate().toString(Qt::ISODate),
                                            QStringLiteral("K"), QStringLiteral("27")},
                                           lines);
    SharedTransaction::instance().rollback();
    QVERIFY2(resave.contains(QStringLiteral("금액이 입력된 라인이 없습니다.!")), qPrintable(resave));
}

void TestSlipList::depositSlipFromRegister()
{
    const QString first = confirmedPayablesSlip(120000, 80000);
    const QString second = confirmedPayablesSlip(55000, 45000);
    QVERIFY(!first.isEmpty() && !second.isEmpty());
    // The later slip is taken first: its order number is lower.
    SharedTransaction::instance().start();
    ExecSql(QStringLiteral("INSERT INTO VB010MS_TEMP (SLIP_NO, U_EMP_NO, USE_YN, SORT_ORD) VALUES (:P0, :P2, 'N', 2), (:P1, :P2, 'N', 1)"),
            {first, second, kClerk});
    const QString slipNo = CallProcText(QStringLiteral("pr_v_vbi010_01"), {kClerk, kIp});
    QCOMPARE(slipNo.size(), 8);
    SharedTransaction::instance().commit();
    verifyBalancedUnconfirmed(slipNo, kClerk, QStringLiteral("1111"), QDate::currentDate().toString(Qt::ISODate));
    QSqlQuery lines = RunQuery(QStringLiteral("SELECT ACCT_CODE, D_AMOUNT, C_AMOUNT, REF_DATA FROM VB011MS WHERE SLIP_NO = :P0 ORDER BY SLIP_SEQ_NO"),
                               {slipNo});
    QStringList got;
    while (lines.next())
        got << QStringLiteral("%1 %2 %3 %4").arg(lines.value(0).toString()).arg(lines.value(1).toLongLong()).arg(lines.value(2).toLongLong()).arg(lines.value(3).toString());
    QCOMPARE(got.size(), 5);
    QCOMPARE(got.mid(0, 4), (QStringList{QStringLiteral("2110110 55000 0 오피스디포 1차분"), QStringLiteral("2110110 45000 0 오피스디포 2차분"),
                                          QStringLiteral("2110110 120000 0 오피스디포 1차분"), QStringLiteral("2110110 80000 0 오피스디포 2차분")}));
    QVERIFY(got.at(4).startsWith(QStringLiteral("1110120 0 300000 ")));
    QCOMPARE(itemsOf(slipNo, 0).value(0), QStringLiteral("1=0100000014:(주)오피스디포"));
    QCOMPARE(itemsOf(slipNo, 4), (QStringList{QStringLiteral("1=0300000001:국민은행"), QStringLiteral("2=054-21-0456-789:운영자금 보통예금")}));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VB010MS_TEMP WHERE NEW_SLIP_NO = :P0 AND USE_YN = 'Y'"), {slipNo}), 2);

    // Used sources cannot go into another slip.
    SharedTransaction::instance().start();
    ExecSql(QStringLiteral("INSERT INTO VB010MS_TEMP (SLIP_NO, U_EMP_NO, USE_YN, SORT_ORD) VALUES (:P0, :P1, 'N', 1)"), {first, kClerk});
    const QString reuse = CallProcText(QStringLiteral("pr_v_vbi010_01"), {kClerk, kIp});
    SharedTransaction::instance().rollback();
    QVERIFY2(reuse.startsWith(QStringLiteral("E확정되지 않았거나 삭제되었거나 이미 자동전표에 사용된 전표입니다.(") + first), qPrintable(reuse));
    // Nothing registered: refused with the selection message.
    SharedTransaction::instance().start();
    QCOMPARE(CallProcText(QStringLiteral("pr_v_vbi010_01"), {kClerk, kIp}), QStringLiteral("E자동전표를 생성할 전표의 순서를 입력하세요.!"));
    SharedTransaction::instance().rollback();

    // Releasing waits until the generated slip is deleted.
    SharedTransaction::instance().start();
    QVERIFY_THROWS_EXCEPTION(AppError, ExecSql(QStringLiteral("DELETE FROM VB010MS_TEMP WHERE NEW_SLIP_NO = :P0"), {slipNo}));
    SharedTransaction::instance().rollback();
    deleteSlip(slipNo);
    SharedTransaction::instance().start();
    QCOMPARE(ExecSql(QStringLiteral("DELETE FROM VB010MS_TEMP WHERE NEW_SLIP_NO = :P0"), {slipNo}), 2);
    SharedTransaction::instance().commit();
}

void TestSlipList::depositRegisterRules()
{
    const QString unconfirmed = Db::scalar(QStringLiteral(
        "SELECT SLIP_NO FROM VB010MS WHERE CONF_DATE IS NULL AND SLIP_DEL_YN = 'N' ORDER BY 1 LIMIT 1")).toString();
    const QString deleted = Db::scalar(QStringLiteral("SELECT SLIP_NO FROM VB010MS WHERE SLIP_DEL_YN = 'Y' ORDER BY 1 LIMIT 1")).toString();
    const QString confirmed = Db::scalar(QStringLiteral(
        "SELECT SLIP_NO FROM VB010MS WHERE CONF_DATE IS NOT NULL ORDER BY 1 DESC LIMIT 1")).toString();
    for (const QVariantList& row : {QVariantList{unconfirmed, 1}, QVariantList{deleted, 1}, QVariantList{confirmed, 0},
                                    QVariantList{confirmed, -3}}) {
        SharedTransaction::instance().start();
        QVERIFY_THROWS_EXCEPTION(AppError,
                                 ExecSql(QStringLiteral("INSERT INTO VB010MS_TEMP (SLIP_NO, U_EMP_NO, USE_YN, SORT_ORD) VALUES (:P0, :P1, 'N', :P2)"),
                                         {row.value(0), kClerk, row.value(1)}));
        SharedTransaction::instance().rollback();
    }
    // Only the generator marks rows used.
    SharedTransaction::instance().start();
    ExecSql(QStringLiteral("INSERT INTO VB010MS_TEMP (SLIP_NO, U_EMP_NO, USE_YN, SORT_ORD) VALUES (:P0, :P1, 'N', 1)"), {confirmed, kClerk});
    QVERIFY_THROWS_EXCEPTION(AppError, ExecSql(QStringLiteral("UPDATE VB010MS_TEMP SET USE_YN = 'Y' WHERE SLIP_NO = :P0"), {confirmed}));
    SharedTransaction::instance().rollback();
}

// --- screens -----------------------------------------------------------------------------

void TestSlipList::slipListFilters()
{
    ScriptedDialogs dialogs;
    TfrmVBI010 s;
    auto* from = s.findChild<QDateEdit*>(QStringLiteral("dtpFSlipDate"));
    auto* to = s.findChild<QDateEdit*>(QStringLiteral("dtpESlipDate"));
    auto* dept = s.findChild<QComboBox*>(QStringLiteral("cbxDept"));
    QCOMPARE(from->date(), QDate::currentDate());
    QCOMPARE(dept->currentText().trimmed().left(2), QStringLiteral("전체"));
    // The range drags its other end along.
    to->setDate(QDate(2026, 12, 10));
    from->setDate(QDate(2026, 12, 12));
    QCOMPARE(to->date(), QDate(2026, 12, 12));
    from->setDate(QDate(2026, 12, 1));
    to->setDate(QDate(2026, 12, 10));

    const QString range = QStringLiteral("SLIP_DATE BETWEEN DATE '2026-12-01' AND DATE '2026-12-10'");
    button(s, "bbtSearch")->click();
    QCOMPARE(s.slips()->recordCount(), count(QStringLiteral("SELECT COUNT(*) FROM VB010MS WHERE SLIP_DEL_YN = 'N' AND ") + range));
    // The lines of the slip under the cursor.
    s.slips()->moveTo(2);
    QCOMPARE(s.lines()->recordCount(), count(QStringLiteral("SELECT COUNT(*) FROM VB011MS WHERE SLIP_NO = :P0"),
                                             {s.slips()->fieldAsString(QStringLiteral("SLIP_NO"))}));
    button(s, "bbtCancel")->click();
    QVERIFY(!s.slips()->isOpen());

    // One department, unapproved only, a number prefix.
    dept->setCurrentIndex(dept->findData(QStringLiteral("2111")));
    s.findChild<QRadioButton*>(QStringLiteral("rdoApprovalR"))->setChecked(true);
    button(s, "bbtSearch")->click();
    QCOMPARE(s.slips()->recordCount(),
             count(QStringLiteral("SELECT COUNT(*) FROM VB010MS WHERE SLIP_DEL_YN = 'N' AND DEPT_CODE = '2111' AND SLIP_CONF_YN = 'N' AND ") + range));
    QVERIFY(s.slips()->recordCount() > 0);
    const QString prefix = s.slips()->fieldAsString(QStringLiteral("SLIP_NO")).left(7);
    button(s, "bbtCancel")->click();
    // Cancel chose "전체" again.
    QCOMPARE(dept->currentIndex(), 0);
    s.findChild<QLineEdit*>(QStringLiteral("edtFSlipNo"))->setText(prefix);
    button(s, "bbtSearch")->click();
    QCOMPARE(s.slips()->recordCount(),
             count(QStringLiteral("SELECT COUNT(*) FROM VB010MS WHERE SLIP_DEL_YN = 'N' AND SLIP_CONF_YN = 'N' AND SLIP_NO LIKE :P0 || '%' AND ") + range,
                   {prefix}));
    QVERIFY(dialogs.shown.isEmpty());
}

void TestSlipList::deletedSlipsGreyAndClosed()
{
    ScriptedDialogs dialogs;
    const QVariantList gone = RunQueryRow(QStringLiteral(
        "SELECT SLIP_NO, SLIP_DATE FROM VB010MS WHERE SLIP_DEL_YN = 'Y' ORDER BY SLIP_DATE DESC LIMIT 1"));
    QVERIFY(!gone.isEmpty());
    TfrmVBI010 s;
    s.findChild<QDateEdit*>(QStringLiteral("dtpFSlipDate"))->setDate(gone.value(1).toDate());
    s.findChild<QDateEdit*>(QStringLiteral("dtpESlipDate"))->setDate(gone.value(1).toDate());
    button(s, "bbtSearch")->click();
    QCOMPARE(s.slips()->findRow(QStringLiteral("SLIP_NO"), {gone.value(0)}), -1);
    button(s, "bbtCancel")->click();
    s.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    button(s, "bbtSearch")->click();
    const int row = s.slips()->findRow(QStringLiteral("SLIP_NO"), {gone.value(0)});
    QVERIFY(row >= 0);
    const QModelIndex cell = s.slipGrid()->model()->index(row, 0);
    QCOMPARE(cell.data(Qt::BackgroundRole).value<QColor>(), QColor(0xD0, 0xD0, 0xD0));
    // A deleted slip is not opened: nothing is handed over.
    TfrmV0Main main;
    s.openSlipOfRow(row);
    QVERIFY(HandOver::HandSlipNo.isEmpty());
    QVERIFY(!main.screenOf(QStringLiteral("VBI020")));
}

void TestSlipList::listOpensSlipEntry()
{
    ScriptedDialogs dialogs;
    Session::empNo = QStringLiteral("1001");
    TfrmV0Main main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.OpenProgram(QStringLiteral("VBI010"), QStringLiteral("VBI010"));
    auto* list = qobject_cast<TfrmVBI010*>(main.screenOf(QStringLiteral("VBI010")));
    QVERIFY(list);
    list->findChild<QDateEdit*>(QStringLiteral("dtpFSlipDate"))->setDate(QDate(2026, 12, 8));
    list->findChild<QDateEdit*>(QStringLiteral("dtpESlipDate"))->setDate(QDate(2026, 12, 8));
    button(*list, "bbtSearch")->click();
    QVERIFY(list->slips()->recordCount() >= 2);

    list->openSlipOfRow(0);
    auto* entry = qobject_cast<TfrmVBI020*>(main.screenOf(QStringLiteral("VBI020")));
    QVERIFY(entry);
    QTRY_COMPARE(entry->currentSlipNo(), list->slips()->fieldAsString(0, QStringLiteral("SLIP_NO")));
    QCOMPARE(entry->lines()->recordCount(),
             count(QStringLiteral("SELECT COUNT(*) FROM VB011MS WHERE SLIP_NO = :P0"), {entry->currentSlipNo()}));
    QVERIFY(HandOver::HandSlipNo.isEmpty());

    // Slip entry in the middle of a new slip: it is cancelled and shows the
    // slip handed over.
    button(*entry, "bbtCancel")->click();
    button(*entry, "bbtAdd")->click();
    QVERIFY(entry->currentSlipNo().startsWith(QLatin1String("NI")));
    list->openSlipOfRow(1);
    QCOMPARE(main.screenOf(QStringLiteral("VBI020")), entry);
    QTRY_COMPARE(entry->currentSlipNo(), list->slips()->fieldAsString(1, QStringLiteral("SLIP_NO")));
    QVERIFY(dialogs.texts().filter(QStringLiteral("조회할 내용이 없습니다.")).isEmpty());
}

void TestSlipList::copyScreen()
{
    ScriptedDialogs dialogs;
    TfrmVBI050 s;
    QCOMPARE(s.infoText(), QStringLiteral("복사할 전표를 선택 후 [복사]버튼을 누르세요."));
    button(s, "Button1")->click();
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("전표번호를 선택하세요.!")});

    // The lookup by confirmation day lists the slips confirmed that day.
    const QDate confirmedDay = Db::scalar(QStringLiteral("SELECT MAX(CONF_DATE) FROM VB010MS")).toDate();
    auto* day = s.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"));
    day->setDate(confirmedDay);
    s.findChild<QRadioButton*>(QStringLiteral("rdoConfDate"))->setChecked(true);
    int listed = -1;
    dialogs.onDialog = [&listed](QDialog* d) {
        if (auto* w = qobject_cast<TfrmPopupWnd*>(d))
            listed = w->rowCount();
        return int(QDialog::Rejected);
    };
    s.findChild<QToolButton*>(QStringLiteral("pbtFSlipNo"))->click();
    QCOMPARE(listed, count(QStringLiteral("SELECT COUNT(*) FROM VB010MS WHERE CONF_DATE = :P0 AND SLIP_DEL_YN = 'N'"),
                           {confirmedDay.toString(Qt::ISODate)}));
    QVERIFY(listed > 0);

    // An unconfirmed slip chosen by its accounting day.
    const QVariantList source = RunQueryRow(QStringLiteral(
        "SELECT SLIP_NO, ACC_DATE FROM VB010MS WHERE CONF_DATE IS NULL AND SLIP_DEL_YN = 'N'\n"
        "   AND SLIP_DATE > DATE '2026-11-20' ORDER BY SLIP_NO LIMIT 1"));
    QVERIFY(!source.isEmpty());
    day->setDate(source.value(1).toDate());
    s.findChild<QRadioButton*>(QStringLiteral("rdoAccDate"))->setChecked(true);
    dialogs.onDialog = chooseRow({source.value(0).toString()});
    s.findChild<QToolButton*>(QStringLiteral("pbtFSlipNo"))->click();
    auto* number = s.findChild<QLineEdit*>(QStringLiteral("edtFSlipNo"));
    QCOMPARE(number->text(), source.value(0).toString());

    // Changed by someone else after it was chosen: refused, nothing written.
    dialogs.clear();
    const int slips = slipCount();
    m_db->ownerExec(QStringLiteral("UPDATE VB010MS SET U_DATE = U_DATE - INTERVAL '1 hour' WHERE SLIP_NO = '%1'")
                        .arg(source.value(0).toString()));
    button(s, "Button1")->click();
    QCOMPARE(dialogs.texts().last(), QStringLiteral("[") + source.value(0).toString()
                                         + QStringLiteral("] 전표가 조회 후에 다른 사용자에 의해 변경되었습니다. 전표를 다시 선택하세요.!"));
    QCOMPARE(slipCount(), slips);

    // Chosen again and copied negated; the copy is not opened.
    s.findChild<QToolButton*>(QStringLiteral("pbtFSlipNo"))->click();
    s.findChild<QRadioButton*>(QStringLiteral("rdoAmtMinus"))->setChecked(true);
    dialogs.clear();
    dialogs.yesNoAnswers = {true, false};
    button(s, "Button1")->click();
    QCOMPARE(slipCount(), slips + 1);
    const QString copy = Db::scalar(QStringLiteral("SELECT MAX(SLIP_NO) FROM VB010MS WHERE U_IP = :P0"), {kIp}).toString();
    QCOMPARE(dialogs.texts(), (QStringList{QStringLiteral("[") + source.value(0).toString() + QStringLiteral("] 전표로 신규전표를 생성시키시겠습니까.?"),
                                           QStringLiteral("[") + copy + QStringLiteral("] 전표를 불러오시겠습니까.?")}));
    QCOMPARE(s.infoText(), QStringLiteral("생성일자[") + QDate::currentDate().toString(Qt::ISODate) + QStringLiteral("],   전표번호 [")
                               + copy + QStringLiteral("]로 생성되어습니다."));
    QCOMPARE(totalsOf(copy).headerDebit, -totalsOf(source.value(0).toString()).headerDebit);

    // A deleted source: the refusal is shown and the run rolled back.
    const QString deleted = Db::scalar(QStringLiteral("SELECT SLIP_NO FROM VB010MS WHERE SLIP_DEL_YN = 'Y' ORDER BY 1 LIMIT 1")).toString();
    number->setText(deleted);
    dialogs.clear();
    dialogs.onDialog = [](QDialog*) { return int(QDialog::Rejected); };
    button(s, "Button1")->click();
    QCOMPARE(dialogs.texts().last(), kRefused + QStringLiteral("E삭제된 전표는 복사할 수 없습니다.(") + deleted + QStringLiteral(")"));
    QVERIFY(!SharedTransaction::instance().inTransaction());
    QCOMPARE(slipCount(), slips + 1);
}

void TestSlipList::payrollScreen()
{
    ScriptedDialogs dialogs;
    TfrmVBI060 s;
    auto* month = s.findChild<QLineEdit*>(QStringLiteral("medSearchPAY_YM"));
    // Only the month typed: no pay run chosen.
    month->setText(QStringLiteral("2026-12"));
    button(s, "Button1")->click();
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("자동전표 처리 할 급상여를 선택하세요.!")});

    dialogs.onDialog = chooseRow({QStringLiteral("02"), QStringLiteral("상여"), QStringLiteral("202612")});
    s.findChild<QToolButton*>(QStringLiteral("ppwSearchPAY_YM"))->click();
    QCOMPARE(s.findChild<QLineEdit*>(QStringLiteral("edtSearchPAY_CODE"))->text(), QStringLiteral("02"));
    QCOMPARE(s.findChild<QLineEdit*>(QStringLiteral("wlbSearchPAY_NAME"))->text(), QStringLiteral("상여"));
    QCOMPARE(DigitsOnly(month->text()), QStringLiteral("202612"));

    dialogs.clear();
    dialogs.yesNoAnswers = {false};
    const int slips = slipCount();
    button(s, "Button1")->click();
    QCOMPARE(slipCount(), slips + 2);
    const QStringList made = Db::scalar(QStringLiteral("SELECT STRING_AGG(SLIP_NO, ',' ORDER BY SLIP_ORD) FROM VB095MS WHERE GEN_KEY = '02202612'"))
                                 .toString()
                                 .split(QLatin1Char(','));
    QCOMPARE(made.size(), 2);
    QCOMPARE(s.infoText(), QStringLiteral("생성일자[2026-12-24],   전표번호 [") + made[0] + QStringLiteral("],[") + made[1]
                               + QStringLiteral("],[]로 생성되어습니다."));
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("[") + made[0] + QStringLiteral("] 전표를 불러오시겠습니까.?")});

    // Again: refused with the database's reason, nothing written.
    dialogs.clear();
    button(s, "Button1")->click();
    QCOMPARE(slipCount(), slips + 2);
    QVERIFY(dialogs.lastText().startsWith(kRefused + QStringLiteral("E이미 자동전표가 생성된 급상여입니다.")));
    QVERIFY(!SharedTransaction::instance().inTransaction());
}

void TestSlipList::salesScreenDates_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("with separators") << "2026/12/07" << true;
    QTest::newRow("impossible day") << "2026/02/30" << false;
    QTest::newRow("incomplete") << "2026/12/" << false;
}

void TestSlipList::salesScreenDates()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    ScriptedDialogs dialogs;
    TfrmVBI070 s;
    auto* day = s.findChild<QLineEdit*>(QStringLiteral("medSearchSALE_YMD"));
    QCOMPARE(DigitsOnly(day->text()), QDate::currentDate().addDays(-1).toString(QStringLiteral("yyyyMMdd")));
    // Declined: nothing happens but the notice.
    dialogs.yesNoAnswers = {false};
    button(s, "Button1")->click();
    QCOMPARE(dialogs.texts().last(), QStringLiteral("자동전표 생성이 취소되었습니다."));

    day->setText(typed);
    dialogs.clear();
    dialogs.yesNoAnswers = {true, false};
    const int slips = slipCount();
    button(s, "Button1")->click();
    if (!accepted) {
        QCOMPARE(dialogs.texts().last(), QStringLiteral("매출 발생일자를 바르게 입력하세요.!"));
        QCOMPARE(slipCount(), slips);
        return;
    }
    QCOMPARE(slipCount(), slips + 1);
    const QString slipNo = Db::scalar(QStringLiteral("SELECT SLIP_NO FROM VB095MS WHERE GEN_KIND = 'S' AND GEN_KEY = '2026-12-07'")).toString();
    QCOMPARE(s.infoText(), QStringLiteral("생성일자[2026-12-07],   전표번호 [") + slipNo + QStringLiteral("]로 생성되어습니다."));
    // Declining to open it leaves no completion notice.
    QCOMPARE(dialogs.texts().last(), QStringLiteral("[") + slipNo + QStringLiteral("] 전표를 불러오시겠습니까.?"));
}

void TestSlipList::generatedSlipOpensInSlipEntry()
{
    ScriptedDialogs dialogs;
    Session::empNo = QStringLiteral("1001");
    TfrmV0Main main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.OpenProgram(QStringLiteral("VBI070"), QStringLiteral("VBI070"));
    auto* sales = qobject_cast<TfrmVBI070*>(main.screenOf(QStringLiteral("VBI070")));
    QVERIFY(sales);
    sales->findChild<QLineEdit*>(QStringLiteral("medSearchSALE_YMD"))->setText(QStringLiteral("2026/12/08"));
    dialogs.yesNoAnswers = {true, true};
    button(*sales, "Button1")->click();
    const QString slipNo = Db::scalar(QStringLiteral("SELECT SLIP_NO FROM VB095MS WHERE GEN_KIND = 'S' AND GEN_KEY = '2026-12-08'")).toString();
    QVERIFY(!slipNo.isEmpty());
    auto* entry = qobject_cast<TfrmVBI020*>(main.screenOf(QStringLiteral("VBI020")));
    QVERIFY(entry);
    QTRY_COMPARE(entry->currentSlipNo(), slipNo);
    QCOMPARE(entry->approvalText(), QStringLiteral("미확정"));
    QCOMPARE(entry->lines()->recordCount(), totalsOf(slipNo).lines);
    QCOMPARE(dialogs.texts().last(), QStringLiteral("자동전표 생성이 완료되었습니다."));
}

void TestSlipList::databaseErrorRollsBack()
{
    ScriptedDialogs dialogs;
    QVERIFY_THROWS_EXCEPTION(AppError, SlipGenerator::run(QStringLiteral("pr_v_no_such_generator"), {QStringLiteral("1")},
                                                          QStringLiteral("자동전표 처리중입니다!")));
    QVERIFY(!SharedTransaction::instance().inTransaction());
    QVERIFY(dialogs.shown.isEmpty());
}

void TestSlipList::depositScreen()
{
    ScriptedDialogs dialogs;
    const QString source = confirmedPayablesSlip(30000, 20000);
    QVERIFY(!source.isEmpty());
    TfrmVBI090 s;
    s.findChild<QDateEdit*>(QStringLiteral("dtpFSlipDate"))->setDate(QDate::currentDate());
    button(s, "bbtSearch")->click();
    const int candidates = count(QStringLiteral(
        "SELECT COUNT(DISTINCT H.SLIP_NO) FROM VB010MS H JOIN VB011MS L ON L.SLIP_NO = H.SLIP_NO\n"
        " WHERE H.CONF_DATE = CURRENT_DATE AND L.ACCT_CODE IN ('2110320', '2110110') AND L.D_AMOUNT = 0 AND L.C_AMOUNT <> 0\n"
        "   AND NOT EXISTS (SELECT 1 FROM VB010MS_TEMP R WHERE R.SLIP_NO = H.SLIP_NO AND R.USE_YN = 'Y')"));
    QCOMPARE(s.candidates()->recordCount(), candidates);
    // Two credit lines on accounts payable: listed once, with the later remark.
    const int row = s.candidates()->findRow(QStringLiteral("SLIP_NO"), {source});
    QVERIFY(row >= 0);
    QCOMPARE(s.candidates()->value(row, QStringLiteral("REF_DATA")).toString(), QStringLiteral("오피스디포 2차분"));

    // Over a month: a slip paying a payable (its line on the account is a
    // debit) is no candidate; one crediting it is.
    const QVariantList month{QStringLiteral("2026-12-01"), QStringLiteral("2026-12-10")};
    const QString debitOnly = Db::scalar(QStringLiteral(
        "SELECT MIN(H.SLIP_NO) FROM VB010MS H WHERE H.CONF_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
        "   AND EXISTS (SELECT 1 FROM VB011MS L WHERE L.SLIP_NO = H.SLIP_NO AND L.ACCT_CODE = '2110110' AND L.D_AMOUNT <> 0)\n"
        "   AND NOT EXISTS (SELECT 1 FROM VB011MS L WHERE L.SLIP_NO = H.SLIP_NO AND L.ACCT_CODE IN ('2110110', '2110320')\n"
        "                    AND L.D_AMOUNT = 0)"), month).toString();
    const QString crediting = Db::scalar(QStringLiteral(
        "SELECT MIN(H.SLIP_NO) FROM VB010MS H WHERE H.CONF_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
        "   AND EXISTS (SELECT 1 FROM VB011MS L WHERE L.SLIP_NO = H.SLIP_NO AND L.ACCT_CODE = '2110320' AND L.C_AMOUNT <> 0)"),
        month).toString();
    QVERIFY(!debitOnly.isEmpty() && !crediting.isEmpty());
    s.findChild<QDateEdit*>(QStringLiteral("dtpFSlipDate"))->setDate(QDate(2026, 12, 1));
    s.findChild<QDateEdit*>(QStringLiteral("dtpESlipDate"))->setDate(QDate(2026, 12, 10));
    button(s, "bbtSearch")->click();
    QCOMPARE(s.candidates()->findRow(QStringLiteral("SLIP_NO"), {debitOnly}), -1);
    QVERIFY(s.candidates()->findRow(QStringLiteral("SLIP_NO"), {crediting}) >= 0);
    s.findChild<QDateEdit*>(QStringLiteral("dtpESlipDate"))->setDate(QDate::currentDate());
    s.findChild<QDateEdit*>(QStringLiteral("dtpFSlipDate"))->setDate(QDate::currentDate());
    button(s, "bbtSearch")->click();

    // Letters in the order column: a message and nothing written.
    QCOMPARE(s.candidates()->findRow(QStringLiteral("SLIP_NO"), {source}), row);
    s.candidates()->moveTo(row);
    s.candidates()->edit();
    s.candidates()->setValue(QStringLiteral("SORT_ORD"), QStringLiteral("1a"));
    s.candidates()->post();
    const int slips = slipCount();
    dialogs.clear();
    button(s, "Auto_slip")->click();
    QCOMPARE(dialogs.texts().last(), QStringLiteral("순서는 1 이상의 숫자로 입력하세요.![전표번호 ") + source + QStringLiteral("]"));
    QCOMPARE(slipCount(), slips);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VB010MS_TEMP")), 0);

    // Numbered 1 (the other rows left empty or 0): one deposit slip.
    s.candidates()->edit();
    s.candidates()->setValue(QStringLiteral("SORT_ORD"), QStringLiteral("1"));
    s.candidates()->post();
    if (s.candidates()->recordCount() > 1) {
        s.candidates()->moveTo(row == 0 ? 1 : 0);
        s.candidates()->edit();
        s.candidates()->setValue(QStringLiteral("SORT_ORD"), QStringLiteral("0"));
        s.candidates()->post();
    }
    dialogs.clear();
    button(s, "Auto_slip")->click();
    QCOMPARE(slipCount(), slips + 1);
    const QString made = s.newSlipNoEdit()->text();
    QCOMPARE(made.size(), 8);
    QCOMPARE(dialogs.texts().last(), QStringLiteral("전표 번호 ") + made + QStringLiteral("로 전표생성이 완료되었습니다."));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VB010MS_TEMP WHERE NEW_SLIP_NO = :P0"), {made}), 1);
    QCOMPARE(totalsOf(made).headerDebit, 50000);
    QCOMPARE(s.candidates()->findRow(QStringLiteral("SLIP_NO"), {source}), -1);

    // Release: refused while the slip lives, then done after its deletion.
    dialogs.clear();
    QVERIFY_THROWS_EXCEPTION(AppError, s.Button1Click());
    QVERIFY(!SharedTransaction::instance().inTransaction());
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VB010MS_TEMP WHERE NEW_SLIP_NO = :P0"), {made}), 1);
    deleteSlip(made);
    dialogs.clear();
    s.Button1Click();
    QCOMPARE(dialogs.texts(), (QStringList{QStringLiteral("전표 번호 ") + made + QStringLiteral("로 생성된 전표를 삭제하시겠습니까?\n관련 전표는1건 입니다\n"),
                                           QStringLiteral("전표를 다시 생성하세요")}));
    QVERIFY(s.candidates()->findRow(QStringLiteral("SLIP_NO"), {source}) >= 0);

    // The list prints as the register of confirmed slips.
    dialogs.printFile = m_dir.filePath(QStringLiteral("vbi090.pdf"));
    button(s, "bbtPrint")->click();
    const QString printed = PdfTools::pdfPageTexts(dialogs.printFile).join(QLatin1Char('\n'));
    QVERIFY(printed.contains(QStringLiteral("확정전표 리스트")));
    QVERIFY(printed.contains(TfrmVBI041::rangeText(QDate::currentDate(), QDate::currentDate())));
    QVERIFY(printed.contains(source));
    // A number without register rows: nothing is asked.
    dialogs.clear();
    s.Button1Click();
    QVERIFY(dialogs.shown.isEmpty());
}

TV_TEST_MAIN(TestSlipList)
#include "tst_sliplist.moc"
