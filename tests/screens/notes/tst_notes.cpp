// The notes against the database: received notes kept and listed (VFI010,
// VFI015) and collected by slips (VFI020); books of forms with their forms
// (VFI050) and the blank forms processed (VFI060); forms issued and given
// back by the confirmation of their slip; the payable inquiry (VFI055),
// payment dates (VFI063) and settlement slips (VFI065); the due-date
// statement (VFI030) and the status reports (VFI100, VFI110, VFI120).
#include "common/AppErrors.h"
#include "common/Db.h"
#include "common/HandOver.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/notes/VFI010.h"
#include "screens/notes/VFI015.h"
#include "screens/notes/VFI020.h"
#include "screens/notes/VFI030.h"
#include "screens/notes/VFI050.h"
#include "screens/notes/VFI055.h"
#include "screens/notes/VFI060.h"
#include "screens/notes/VFI063.h"
#include "screens/notes/VFI065.h"
#include "screens/notes/VFI100.h"
#include "screens/notes/VFI110.h"
#include "screens/notes/VFI120.h"
#include "support/Books.h"
#include "support/PdfTools.h"
#include "support/ScreenUnderTest.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlError>
#include <QTemporaryDir>

namespace {

const QString kClerk = QStringLiteral("2001");  // writes for 회계파트 (1111)
const QString kNotSaved = QStringLiteral("자료를 저장하지 못했습니다.\r\r에러내용:\r");
const QString kKookmin = QStringLiteral("0300000001");  // has a checking account
const QString kWoori = QStringLiteral("0300000003");    // has none

QString text(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toString();
}

int count(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toInt();
}

// The database's day: slips are dated by it, whatever the workstation's
// clock and time zone say.
QString dbToday()
{
    return text(QStringLiteral("SELECT TO_CHAR(CURRENT_DATE, 'YYYY-MM-DD')"));
}

// A form's state, payee, dates, amount and issuing slip, "|"-joined.
QString formRow(const QString& billNo, const QString& clf = QStringLiteral("1"))
{
    return text(QStringLiteral("SELECT CONCAT_WS('|', BILL_PROC_CD, COALESCE(CUST_CD, '-'), COALESCE(ISU_DT, '-'),\n"
                               "       COALESCE(EXP_DT, '-'), COALESCE(BILL_AMT::TEXT, '-'), COALESCE(ISU_ACC_SH_NO, '-'))\n"
                               "  FROM VF060MS WHERE BILL_CLF = :P0 AND BILL_NO = :P1"),
                {clf, billNo});
}

template <typename Base>
class Screen : public ScreenUnderTest<Base> {
public:
    using ScreenUnderTest<Base>::get;
    using ScreenUnderTest<Base>::click;
    void set(const char* name, const QString& value) { get(name)->setText(value); }
    // Clicks the flag cell of a row, as the user does.
    void clickFlag(DataGrid* grid, int row)
    {
        const QModelIndex index = grid->model()->index(row, grid->columnOf(QStringLiteral("FLAG")));
        grid->setCurrentCell(row, QStringLiteral("FLAG"));
        emit grid->clicked(index);
    }
};

}  // namespace

class TestNotes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void init();
    void cleanup();

    // forms and their slips (database)
    void formsNumberedFromTheStartNumber_data();
    void formsNumberedFromTheStartNumber();
    void confirmingIssuesAndCancellingGivesBack();
    void usedFormsAreNotIssuedAgain();
    void clientCannotIssueOrDeleteUsedForms();

    // VFI050
    void bookSavedWithItsForms();
    void bookRefusalKeepsTheRowInEditing();
    void bookEditRecreatesUnusedForms();
    void bookWithAnIssuedFormIsKept();
    void bookWithoutForms();
    void bookDeletedWithItsForms();

    // VFI060
    void blankFormProcessed();
    void formIssuedMeanwhileIsNotOverwritten();

    // VFI065
    void settlementAmountFollowsTheFlags();
    void settlementSlipOfTwoNotes();
    void settlementSlipPerNote();
    void settlementWithoutFlagsStillRunsTheProcedure();
    void settlementRefusedRollsBack();
    void workTableIsPerConnection();
    void deletedSettlementSlipGivesTheNotesBack();

    // VFI063
    void paymentDateByKindAndNumber();

    // VFI055
    void inquiryRanges_data();
    void inquiryRanges();
    void inquiryRefusals_data();
    void inquiryRefusals();

    // VFI010
    void registerChecks_data();
    void registerChecks();
    void discountBanksOnlyForDiscountedNotes();
    void renamedByItsOldNumberKeepingWhatIsNotOnTheForm();
    void registerDelete();

    // VFI015
    void listRanges_data();
    void listRanges();

    // VFI020
    void collectionSlipsOfReceivedNotes();

    // VFI030
    void dueStatementReadsConfirmedCredits();
    void dueStatementPrints();

    // VFI100, VFI110, VFI120
    void statusReports_data();
    void statusReports();
    void statusReportPrintsThePeriod();

private:
    // A confirmed slip of clerk 2001 that pays a supplier with the note
    // billNo: a debit on trade payables, a credit on notes payable naming
    // the note with its bank, payee and dates. Answers the slip number.
    QString issuingSlip(const QString& billNo, const QString& cust, const QString& isu, const QString& exp, qint64 amount,
                        bool confirm = true);
    // A book received through the book procedure, as the register saves it.
    void makeBook(const QString& bank, const QString& clf, const QString& strtNo, int count,
                  const QString& day = QStringLiteral("2026-12-05"));
    void ownerRun(const QString& sql);
    QString ownerText(const QString& sql);

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QTemporaryDir m_dir;
};

void TestNotes::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Session::workstationIp = QStringLiteral("10.10.1.77");
    Session::exeDir = m_dir.path() + QLatin1Char('/');
}

void TestNotes::init()
{
    Session::empNo = kClerk;
    Session::empName = QStringLiteral("김회계");
    HandOver::clearSlip();
    m_dialogs = std::make_unique<ScriptedDialogs>();
}

void TestNotes::cleanup()
{
    m_dialogs.reset();
    QVERIFY(!SharedTransaction::instance().inTransaction());
}

void TestNotes::ownerRun(const QString& sql)
{
    QSqlQuery q(m_db->owner());
    if (!q.exec(sql))
        qFatal("owner statement failed: %s", qPrintable(q.lastError().text()));
}

QString TestNotes::ownerText(const QString& sql)
{
    QSqlQuery q(m_db->owner());
    if (!q.exec(sql) || !q.next())
        qFatal("owner query failed: %s", qPrintable(q.lastError().text()));
    return q.value(0).toString();
}

QString TestNotes::issuingSlip(const QString& billNo, const QString& cust, const QString& isu, const QString& exp,
                               qint64 amount, bool confirm)
{
    const QString amt = QString::number(amount);
    ownerRun(QStringLiteral("SELECT pk_v_autoslip.stage_begin('NTEST')"));
    ownerRun(QStringLiteral("SELECT pk_v_autoslip.stage_line('NTEST', 0, '2110110', '외상대금 어음지급', %1, 0,\n"
                            "                                pk_v_autoslip.customer_items('101', '%2'))")
                 .arg(amt, cust));
    ownerRun(QStringLiteral("SELECT pk_v_autoslip.stage_line('NTEST', 1, '2110120', '지급어음 발행 %1', 0, %2,\n"
                            "  jsonb_build_object('103', '0300000001:국민은행', '154', '%3:' || (SELECT c_num FROM va050ms WHERE c_code = '%3'),\n"
                            "                     '155', (SELECT c_name FROM va050ms WHERE c_code = '%3'),\n"
                            "                     '116', '%1', '126', '%4', '127', '%5'))")
                 .arg(billNo, amt, cust, isu, exp));
    const QString slipNo = ownerText(
        QStringLiteral("SELECT pk_v_autoslip.store('NTEST', '1111', DATE '%1', '10.10.1.77', '2001')").arg(isu));
    if (confirm) {
        const QString answer = Books::journalize(QStringLiteral("1"), slipNo, isu);
        if (answer != QLatin1String("T"))
            qFatal("issuing slip %s not confirmed: %s", qPrintable(slipNo), qPrintable(answer));
    }
    return slipNo;
}

void TestNotes::makeBook(const QString& bank, const QString& clf, const QString& strtNo, int sheets, const QString& day)
{
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    const QString answer = CallProcText(QStringLiteral("pr_vf050sp"), {QStringLiteral("10.10.1.77"), kClerk, bank, clf, strtNo,
                                                                       QString(), day, QString::number(sheets)});
    if (!answer.startsWith(QLatin1Char('T')))
        qFatal("book %s not made: %s", qPrintable(strtNo), qPrintable(answer));
    ExecSql(QStringLiteral("INSERT INTO VF050MS (FIN_INST_CD, BILL_CLF, STRT_NO, RCP_DT, RCP_SHT, U_DATE, U_IP, U_EMP_NO)\n"
                           "VALUES (:P0, :P1, :P2, :P3, :P4, LOCALTIMESTAMP(0), '10.10.1.77', '2001')"),
            {bank, clf, strtNo, day, sheets});
    tx.commit();
}

// --- forms and their slips -------------------------------------------------------------

void TestNotes::formsNumberedFromTheStartNumber_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("sheets");
    QTest::addColumn<QString>("numbers");  // ordered, or the refusal's beginning
    QTest::newRow("digits carry at a fixed width") << "NB00000098" << 3 << "NB00000098,NB00000099,NB00000100";
    QTest::newRow("a prefix of letters and digits") << "가A1-0009" << 2 << "가A1-0009,가A1-0010";
    QTest::newRow("past the width") << "NB98" << 3 << "E시작번호(NB98)의 자리수로는 3매의 번호를 만들 수 없습니다.";
    QTest::newRow("no digits at the end") << "NBX" << 1 << "E시작번호는 숫자로 끝나야 합니다.(NBX)";
    QTest::newRow("numbers of another book") << "AA12340010" << 2 << "E이미 등록된 어음번호입니다.(AA12340010, AA12340011)";
    QTest::newRow("no sheets") << "NB00000500" << 0 << "E수령매수를 입력하세요.!";
}

void TestNotes::formsNumberedFromTheStartNumber()
{
    QFETCH(QString, start);
    QFETCH(int, sheets);
    QFETCH(QString, numbers);
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    const QString answer = CallProcText(QStringLiteral("pr_vf050sp"), {QStringLiteral("10.10.1.77"), kClerk, kKookmin,
                                                                       QStringLiteral("1"), start, QString(),
                                                                       QStringLiteral("2026-12-05"), QString::number(sheets)});
    const QString made = text(QStringLiteral("SELECT STRING_AGG(BILL_NO, ',' ORDER BY BILL_NO) FROM VF060MS\n"
                                             " WHERE STRT_NO = :P0 AND BILL_PROC_CD = '0' AND RCP_DT = '2026-12-05'"),
                              {start});
    tx.rollback();
    if (numbers.startsWith(QLatin1Char('E'))) {
        QCOMPARE(answer, numbers);
        QVERIFY(made.isEmpty());
    } else {
        QCOMPARE(answer, QStringLiteral("T") + QString::number(sheets));
        QCOMPARE(made, numbers);
    }
}

void TestNotes::confirmingIssuesAndCancellingGivesBack()
{
    makeBook(kKookmin, QStringLiteral("1"), QStringLiteral("CF00000001"), 3);
    const QString slipNo = issuingSlip(QStringLiteral("CF00000002"), QStringLiteral("0100000009"), QStringLiteral("2026-12-03"),
                                       QStringLiteral("2027-03-03"), 2750000);
    QCOMPARE(formRow(QStringLiteral("CF00000002")),
             QStringLiteral("1|0100000009|2026-12-03|2027-03-03|2750000|") + slipNo);
    QCOMPARE(text(QStringLiteral("SELECT ISU_ACC_SH_DT || BILL_PROC_DT FROM VF060MS WHERE BILL_NO = 'CF00000002'")),
             QStringLiteral("2026-12-032026-12-03"));
    // The other forms of the book stay blank.
    QCOMPARE(formRow(QStringLiteral("CF00000001")), QStringLiteral("0|-|-|-|-|-"));

    QCOMPARE(Books::journalize(QStringLiteral("2"), slipNo, QStringLiteral("2026-12-03")), QStringLiteral("T"));
    QCOMPARE(formRow(QStringLiteral("CF00000002")), QStringLiteral("0|-|-|-|-|-"));
    // Confirmed again, it is issued again.
    QCOMPARE(Books::journalize(QStringLiteral("1"), slipNo, QStringLiteral("2026-12-04")), QStringLiteral("T"));
    QCOMPARE(formRow(QStringLiteral("CF00000002")).left(2), QStringLiteral("1|"));
}

void TestNotes::usedFormsAreNotIssuedAgain()
{
    makeBook(kKookmin, QStringLiteral("1"), QStringLiteral("UF00000001"), 2);
    makeBook(QStringLiteral("0300000002"), QStringLiteral("1"), QStringLiteral("UB00000001"), 1);
    issuingSlip(QStringLiteral("UF00000001"), QStringLiteral("0100000009"), QStringLiteral("2026-12-02"),
                QStringLiteral("2027-01-02"), 1000000);
    // A second slip naming the issued note, one naming no received form, and
    // one naming 국민은행 for a form of 신한은행.
    for (const QString& bill : {QStringLiteral("UF00000001"), QStringLiteral("ZZ99999999"), QStringLiteral("UB00000001")}) {
        const QString slipNo = issuingSlip(bill, QStringLiteral("0100000023"), QStringLiteral("2026-12-04"),
                                           QStringLiteral("2027-01-04"), 500000, false);
        QVERIFY_THROWS_EXCEPTION(ServerError, Books::journalize(QStringLiteral("1"), slipNo, QStringLiteral("2026-12-04")));
        QVERIFY(!SharedTransaction::instance().inTransaction());
        QVERIFY(text(QStringLiteral("SELECT CONF_DATE FROM VB010MS WHERE SLIP_NO = :P0"), {slipNo}).isEmpty());
    }
    QCOMPARE(formRow(QStringLiteral("UF00000001")).section(QLatin1Char('|'), 0, 4),
             QStringLiteral("1|0100000009|2026-12-02|2027-01-02|1000000"));
    QCOMPARE(formRow(QStringLiteral("UF00000002")), QStringLiteral("0|-|-|-|-|-"));
    QCOMPARE(formRow(QStringLiteral("UB00000001")), QStringLiteral("0|-|-|-|-|-"));
}

void TestNotes::clientCannotIssueOrDeleteUsedForms()
{
    const auto refused = [](const QString& sql) {
        SharedTransaction& tx = SharedTransaction::instance();
        tx.start();
        bool raised = false;
        try {
            ExecSql(sql);
        } catch (const ServerError&) {
            raised = true;
        }
        tx.rollback();
        return raised;
    };
    QVERIFY(refused(QStringLiteral("UPDATE VF060MS SET BILL_PROC_CD = '1' WHERE BILL_CLF = '1' AND BILL_NO = 'AA12340004'")));
    QVERIFY(refused(QStringLiteral("UPDATE VF060MS SET BILL_PROC_CD = '0' WHERE BILL_CLF = '1' AND BILL_NO = 'AA12340001'")));
    QVERIFY(refused(QStringLiteral("UPDATE VF060MS SET BILL_AMT = 1 WHERE BILL_CLF = '1' AND BILL_NO = 'AA12340001'")));
    QVERIFY(refused(QStringLiteral("DELETE FROM VF060MS WHERE BILL_CLF = '1' AND BILL_NO = 'AA12340005'")));
    QVERIFY(refused(QStringLiteral("INSERT INTO VF060MS (BILL_CLF, BILL_NO, FIN_INST_CD, STRT_NO, BILL_PROC_CD)\n"
                                   "VALUES ('1', 'XX1', '0300000001', 'AA12340001', '5')")));
    // Only the engine gives forms back or issues them.
    QVERIFY(refused(QStringLiteral("SELECT pk_v_note.post_forms(ISU_ACC_SH_NO, '2') FROM VF060MS WHERE BILL_NO = 'AA12340001'")));
    QCOMPARE(formRow(QStringLiteral("AA12340004")).left(1), QStringLiteral("0"));
    QCOMPARE(formRow(QStringLiteral("AA12340001")).left(1), QStringLiteral("1"));
}

// --- VFI050 ------------------------------------------------------------------------------

using BookScreen = Screen<TfrmVFI050>;

namespace {

void chooseBank(BookScreen& s, const QString& code, const QString& name, bool cheques = false)
{
    s.set("edtFinInstCd", code);
    s.set("edtFinInstNm", name);
    s.template get<QRadioButton>(cheques ? "rdoCheque" : "rdoNote")->setChecked(true);
    s.template get<QDateEdit>("dtpFrom")->setDate(QDate(2026, 1, 1));
    s.template get<QDateEdit>("dtpTo")->setDate(QDate(2027, 12, 31));
}

QString usage(RecordSet* set, const QString& strtNo)
{
    const int row = set->findRow(QStringLiteral("STRT_NO"), {strtNo});
    if (row < 0)
        return QStringLiteral("none");
    return set->fieldAsString(row, QStringLiteral("USE_SHT")) + QLatin1Char('/') + set->fieldAsString(row, QStringLiteral("REMN_SHT"));
}

}  // namespace

void TestNotes::bookSavedWithItsForms()
{
    BookScreen s;
    s.click("bbtSearch");
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("금융기관을 선택하세요.!"));
    QCOMPARE(s.State, int(MaintenanceCore::stNone));

    chooseBank(s, kWoori, QStringLiteral("우리은행"), true);
    s.click("bbtSearch");
    s.click("bbtAdd");
    s.set("edtRcpDt", QString());
    s.set("edtStrtNo", QStringLiteral("WQ0000001"));
    s.set("edtRcpSht", QStringLiteral("5"));
    m_dialogs->clear();
    s.click("bbtSave");
    QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("수령일자가 입력되지 않았습니다.")});
    QCOMPARE(s.State, int(MaintenanceCore::stInsert));

    s.set("edtRcpDt", QStringLiteral("20261207"));
    s.click("bbtSave");
    QCOMPARE(s.State, int(MaintenanceCore::stBrowse));
    QCOMPARE(text(QStringLiteral("SELECT RCP_DT || '/' || RCP_SHT FROM VF050MS WHERE FIN_INST_CD = :P0 AND BILL_CLF = '2'\n"
                                 "   AND STRT_NO = 'WQ0000001'"),
                  {kWoori}),
             QStringLiteral("2026-12-07/5"));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VF060MS WHERE BILL_CLF = '2' AND STRT_NO = 'WQ0000001'\n"
                                  "   AND BILL_PROC_CD = '0' AND RCP_DT = '2026-12-07' AND BILL_NO BETWEEN 'WQ0000001' AND 'WQ0000005'")),
             5);
    QCOMPARE(usage(s.records(), QStringLiteral("WQ0000001")), QStringLiteral("0/5"));
    s.click("bbtCancel");
    s.click("bbtSearch");
    QCOMPARE(usage(s.records(), QStringLiteral("WQ0000001")), QStringLiteral("0/5"));
}

void TestNotes::bookRefusalKeepsTheRowInEditing()
{
    BookScreen s;
    chooseBank(s, kKookmin, QStringLiteral("국민은행"));
    s.click("bbtSearch");
    const int books = s.records()->recordCount();
    s.click("bbtAdd");
    s.set("edtRcpDt", QStringLiteral("2026-12-08"));
    s.set("edtStrtNo", QStringLiteral("AA12340015"));
    s.set("edtRcpSht", QStringLiteral("10"));
    s.click("bbtSave");
    QVERIFY(m_dialogs->lastText().startsWith(kNotSaved + QStringLiteral("E이미 등록된 어음번호입니다.(AA12340015")));
    QCOMPARE(s.State, int(MaintenanceCore::stInsert));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VF050MS WHERE STRT_NO = 'AA12340015'")), 0);
    s.click("bbtCancel");
    QCOMPARE(s.records()->recordCount(), books);
}

void TestNotes::bookEditRecreatesUnusedForms()
{
    makeBook(kKookmin, QStringLiteral("2"), QStringLiteral("ED0001"), 3);
    BookScreen s;
    chooseBank(s, kKookmin, QStringLiteral("국민은행"), true);
    s.click("bbtSearch");
    QVERIFY(s.records()->locate(QStringLiteral("STRT_NO"), QStringLiteral("ED0001")));
    s.click("bbtEdit");
    QCOMPARE(s.State, int(MaintenanceCore::stEdit));
    s.set("edtStrtNo", QStringLiteral("ED0101"));
    s.set("edtRcpSht", QStringLiteral("2"));
    s.click("bbtSave");
    QCOMPARE(s.State, int(MaintenanceCore::stBrowse));
    QCOMPARE(text(QStringLiteral("SELECT STRING_AGG(BILL_NO, ',' ORDER BY BILL_NO) FROM VF060MS WHERE BILL_CLF = '2'\n"
                                 "   AND BILL_NO LIKE 'ED0%'")),
             QStringLiteral("ED0101,ED0102"));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VF050MS WHERE STRT_NO IN ('ED0001', 'ED0101')")), 1);
    QCOMPARE(usage(s.records(), QStringLiteral("ED0101")), QStringLiteral("0/2"));
}

void TestNotes::bookWithAnIssuedFormIsKept()
{
    makeBook(kKookmin, QStringLiteral("1"), QStringLiteral("BK00000001"), 4);
    issuingSlip(QStringLiteral("BK00000003"), QStringLiteral("0100000010"), QStringLiteral("2026-12-07"),
                QStringLiteral("2027-02-07"), 880000);
    BookScreen s;
    chooseBank(s, kKookmin, QStringLiteral("국민은행"));
    s.click("bbtSearch");
    QCOMPARE(usage(s.records(), QStringLiteral("BK00000001")), QStringLiteral("1/3"));
    QVERIFY(s.records()->locate(QStringLiteral("STRT_NO"), QStringLiteral("BK00000001")));
    m_dialogs->clear();
    s.click("bbtEdit");
    QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("이미 사용된 어음이나 수표가 있으므로 수정하실 수 없습니다.")});
    QCOMPARE(s.State, int(MaintenanceCore::stBrowse));
    m_dialogs->clear();
    s.click("bbtDelete");
    QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("이미 사용된 어음이나 수표가 있으므로 삭제할 수 없습니다.")});
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VF060MS WHERE STRT_NO = 'BK00000001'")), 4);
    // The procedure refuses the change as well, whatever a screen lets through.
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    const QString answer = CallProcText(QStringLiteral("pr_vf050sp"), {QStringLiteral("10.10.1.77"), kClerk, kKookmin,
                                                                       QStringLiteral("1"), QStringLiteral("BK00000001"),
                                                                       QStringLiteral("BK00000001"), QStringLiteral("2026-12-05"),
                                                                       QStringLiteral("4")});
    tx.rollback();
    QCOMPARE(answer, QStringLiteral("E이미 사용된 어음이나 수표가 있으므로 수정하실 수 없습니다.(BK00000003)"));
}

void TestNotes::bookWithoutForms()
{
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("INSERT INTO VF050MS (FIN_INST_CD, BILL_CLF, STRT_NO, RCP_DT, RCP_SHT) VALUES\n"
                           "  ('0300000004', '1', 'HN0001', '2026-12-01', 25)"));
    tx.commit();
    BookScreen s;
    chooseBank(s, QStringLiteral("0300000004"), QStringLiteral("하나은행"));
    s.click("bbtSearch");
    QCOMPARE(s.records()->recordCount(), 1);
    QCOMPARE(usage(s.records(), QStringLiteral("HN0001")), QStringLiteral("0/0"));
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("RCP_SHT")), QStringLiteral("25"));
}

void TestNotes::bookDeletedWithItsForms()
{
    makeBook(kKookmin, QStringLiteral("2"), QStringLiteral("DL0001"), 3);
    BookScreen s;
    chooseBank(s, kKookmin, QStringLiteral("국민은행"), true);
    s.click("bbtSearch");
    QVERIFY(s.records()->locate(QStringLiteral("STRT_NO"), QStringLiteral("DL0001")));
    m_dialogs->yesNoAnswers = {false};
    s.click("bbtDelete");
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VF050MS WHERE STRT_NO = 'DL0001'")), 1);
    s.click("bbtDelete");
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VF050MS WHERE STRT_NO = 'DL0001'")), 0);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VF060MS WHERE STRT_NO = 'DL0001'")), 0);
    QCOMPARE(s.records()->findRow(QStringLiteral("STRT_NO"), {QStringLiteral("DL0001")}), -1);
}

// --- VFI060 ------------------------------------------------------------------------------

using FormScreen = Screen<TfrmVFI060>;

void TestNotes::blankFormProcessed()
{
    makeBook(kKookmin, QStringLiteral("1"), QStringLiteral("PR00000001"), 3);
    issuingSlip(QStringLiteral("PR00000001"), QStringLiteral("0100000009"), QStringLiteral("2026-12-07"),
                QStringLiteral("2027-02-07"), 700000);
    FormScreen s;
    s.set("edtFinInstCd", kKookmin);
    s.set("edtFinInstNm", QStringLiteral("국민은행"));
    s.set("edtSBillNo", QStringLiteral("PR00000001"));
    s.set("edtEBillNo", QStringLiteral("PR00000003"));
    s.click("bbtSearch");
    // The issued form is not offered.
    QCOMPARE(s.records()->recordCount(), 2);
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("BILL_NO")), QStringLiteral("PR00000002"));
    QCOMPARE(s.get("edtBankNm")->text(), QStringLiteral("국민은행"));
    s.click("bbtEdit");
    auto* state = s.get<QComboBox>("cboProcCd");
    state->setCurrentIndex(state->findData(QStringLiteral("2")));
    emit state->activated(state->currentIndex());
    s.set("edtProcDt", QStringLiteral("2026-12-09"));
    s.set("edtRmks", QStringLiteral("당좌차월 견질"));
    s.click("bbtSave");
    QCOMPARE(s.State, int(MaintenanceCore::stBrowse));
    QCOMPARE(text(QStringLiteral("SELECT BILL_PROC_CD || '|' || BILL_PROC_DT || '|' || RMKS || '|' || U_EMP_NO FROM VF060MS\n"
                                 " WHERE BILL_CLF = '1' AND BILL_NO = 'PR00000002'")),
             QStringLiteral("2|2026-12-09|당좌차월 견질|2001"));
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("BILL_PROC_NM")), QStringLiteral("견질"));
}

void TestNotes::formIssuedMeanwhileIsNotOverwritten()
{
    makeBook(kKookmin, QStringLiteral("1"), QStringLiteral("RC00000001"), 2);
    FormScreen s;
    s.set("edtFinInstCd", kKookmin);
    s.set("edtFinInstNm", QStringLiteral("국민은행"));
    s.set("edtSBillNo", QStringLiteral("RC00000001"));
    s.set("edtEBillNo", QStringLiteral("RC00000001"));
    s.click("bbtSearch");
    QCOMPARE(s.records()->recordCount(), 1);
    s.click("bbtEdit");
    auto* state = s.get<QComboBox>("cboProcCd");
    state->setCurrentIndex(state->findData(QStringLiteral("3")));
    // Another user issues the form meanwhile.
    issuingSlip(QStringLiteral("RC00000001"), QStringLiteral("0100000015"), QStringLiteral("2026-12-08"),
                QStringLiteral("2027-01-08"), 330000);
    m_dialogs->clear();
    s.click("bbtSave");
    QVERIFY(m_dialogs->lastText().startsWith(QStringLiteral("다른 사용자가 이미 발행하였거나 결제한 어음/수표입니다.(RC00000001)")));
    QCOMPARE(s.State, int(MaintenanceCore::stEdit));
    QCOMPARE(formRow(QStringLiteral("RC00000001")).left(12), QStringLiteral("1|0100000015"));
    s.click("bbtCancel");
}

// --- VFI065 ------------------------------------------------------------------------------

using SettlementScreen = Screen<TfrmVFI065>;

namespace {

void searchDue(SettlementScreen& s, const QDate& from, const QDate& to)
{
    s.set("edtFinInstCd", kKookmin);
    s.set("edtFinInstNm", QStringLiteral("국민은행"));
    s.get<QDateEdit>("dtpTo")->setDate(to);
    s.get<QDateEdit>("dtpFrom")->setDate(from);
    s.click("bbtSearch");
}

}  // namespace

void TestNotes::settlementAmountFollowsTheFlags()
{
    makeBook(kKookmin, QStringLiteral("1"), QStringLiteral("SA00000001"), 2);
    issuingSlip(QStringLiteral("SA00000001"), QStringLiteral("0100000009"), QStringLiteral("2026-12-01"),
                QStringLiteral("2026-12-14"), 1000);
    issuingSlip(QStringLiteral("SA00000002"), QStringLiteral("0100000023"), QStringLiteral("2026-12-01"),
                QStringLiteral("2026-12-14"), 2500);
    SettlementScreen s;
    QVERIFY(!s.get<QPushButton>("bbtBatch")->isEnabled());
    searchDue(s, QDate(2026, 12, 14), QDate(2026, 12, 14));
    QCOMPARE(s.records()->recordCount(), 2);
    QVERIFY(s.get<QPushButton>("bbtBatch")->isEnabled());
    QVERIFY(s.get<QPushButton>("bbtEach")->isEnabled());
    QCOMPARE(s.amountText(), QStringLiteral("0"));
    s.clickFlag(s.grid(), 0);
    s.clickFlag(s.grid(), 1);
    QCOMPARE(s.amountText(), QStringLiteral("3,500"));
    s.clickFlag(s.grid(), 0);
    QCOMPARE(s.amountText(), QStringLiteral("2,500"));
    auto* all = s.get<QCheckBox>("chkAll");
    all->click();
    QCOMPARE(s.amountText(), QStringLiteral("3,500"));
    all->click();
    QCOMPARE(s.amountText(), QStringLiteral("0"));
    // Nothing found: the runs are not offered.
    searchDue(s, QDate(2030, 1, 1), QDate(2030, 1, 2));
    QVERIFY(!s.get<QPushButton>("bbtBatch")->isEnabled());
}

void TestNotes::settlementSlipOfTwoNotes()
{
    makeBook(kKookmin, QStringLiteral("1"), QStringLiteral("ST00000001"), 2);
    const QString issue1 = issuingSlip(QStringLiteral("ST00000001"), QStringLiteral("0100000009"), QStringLiteral("2026-12-02"),
                                       QStringLiteral("2026-12-15"), 1200000);
    issuingSlip(QStringLiteral("ST00000002"), QStringLiteral("0100000023"), QStringLiteral("2026-12-03"),
                QStringLiteral("2026-12-15"), 2300000);
    SettlementScreen s;
    searchDue(s, QDate(2026, 12, 15), QDate(2026, 12, 15));
    QCOMPARE(s.records()->recordCount(), 2);
    s.get<QCheckBox>("chkAll")->click();
    m_dialogs->yesNoAnswers = {true, false};
    s.click("bbtBatch");
    const QString slipNo = text(QStringLiteral("SELECT STL_ACC_SH_NO FROM VF060MS WHERE BILL_NO = 'ST00000001'"));
    QCOMPARE(m_dialogs->texts(), (QStringList{QStringLiteral("선택하신 지급어음을 전표생성시키시겠습니까.?"),
                                              QStringLiteral("[") + slipNo + QStringLiteral("] 전표를 불러오시겠습니까.?")}));
    // Committed: another connection sees the slip and the settled forms.
    QCOMPARE(ownerText(QStringLiteral("SELECT COUNT(*) FROM VF060MS WHERE BILL_PROC_CD = '5' AND STL_ACC_SH_NO = '%1'\n"
                                      "   AND STL_DT = TO_CHAR(CURRENT_DATE, 'YYYY-MM-DD')").arg(slipNo)),
             QStringLiteral("2"));
    QCOMPARE(ownerText(QStringLiteral("SELECT TOTAL_D_AMT || '/' || TOTAL_C_AMT || '/' || SLIP_DATE || '/' || DEPT_CODE || '/' || (CONF_DATE IS NULL)\n"
                                      "  FROM VB010MS WHERE SLIP_NO = '%1'").arg(slipNo)),
             QStringLiteral("3500000/3500000/") + dbToday() + QStringLiteral("/1111/true"));
    // Per note a debit on notes payable with its items, a credit on the
    // bank's checking account.
    QCOMPARE(text(QStringLiteral(
                 "SELECT STRING_AGG(L.ACCT_CODE || ':' || L.D_AMOUNT || ':' || L.C_AMOUNT || '[' ||\n"
                 "         (SELECT STRING_AGG(D.MG_CODE || '=' || D.MG_DETAIL || COALESCE('/' || D.MG_DETAIL_NAME, ''), ' ' ORDER BY D.LINEUP_NO)\n"
                 "            FROM VB011DT D WHERE D.SLIP_NO = L.SLIP_NO AND D.SLIP_SEQ_NO = L.SLIP_SEQ_NO) || ']', ' ; '\n"
                 "         ORDER BY L.SLIP_SEQ_NO)\n"
                 "  FROM VB011MS L WHERE L.SLIP_NO = :P0"),
                  {slipNo}),
             QStringLiteral("2110120:1200000:0[103=0300000001/국민은행 154=0100000009/718-81-14701 155=(주)대관령청정식품 "
                            "116=ST00000001 126=2026-12-02 127=2026-12-15] ; "
                            "1110130:0:1200000[103=0300000001/국민은행 104=054-01-0123-456/당좌예금] ; "
                            "2110120:2300000:0[103=0300000001/국민은행 154=0100000023/369-81-59544 155=제주감귤유통(주) "
                            "116=ST00000002 126=2026-12-03 127=2026-12-15] ; "
                            "1110130:0:2300000[103=0300000001/국민은행 104=054-01-0123-456/당좌예금]"));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VF065TM")), 0);
    // Settled notes drop out of the list; their issue stays confirmed.
    QCOMPARE(s.records()->recordCount(), 0);
    m_dialogs->clear();
    QVERIFY_THROWS_EXCEPTION(ServerError, Books::journalize(QStringLiteral("2"), issue1, QStringLiteral("2026-12-02")));
    QVERIFY(!text(QStringLiteral("SELECT CONF_DATE FROM VB010MS WHERE SLIP_NO = :P0"), {issue1}).isEmpty());
    // The settlement slip is confirmed like any other.
    QCOMPARE(Books::journalize(QStringLiteral("1"), slipNo, dbToday(),
                               Books::kFinance),
             QStringLiteral("T"));
}

void TestNotes::settlementSlipPerNote()
{
    makeBook(kKookmin, QStringLiteral("1"), QStringLiteral("SP00000001"), 3);
    for (const QString& bill : {QStringLiteral("SP00000001"), QStringLiteral("SP00000002"), QStringLiteral("SP00000003")})
        issuingSlip(bill, QStringLiteral("0100000010"), QStringLiteral("2026-12-02"), QStringLiteral("2026-12-16"), 400000);
    SettlementScreen s;
    searchDue(s, QDate(2026, 12, 16), QDate(2026, 12, 16));
    s.clickFlag(s.grid(), 0);
    s.clickFlag(s.grid(), 2);
    m_dialogs->yesNoAnswers = {true, true};
    s.click("bbtEach");
    QCOMPARE(count(QStringLiteral("SELECT COUNT(DISTINCT STL_ACC_SH_NO) FROM VF060MS WHERE BILL_NO IN ('SP00000001', 'SP00000003')")), 2);
    QCOMPARE(formRow(QStringLiteral("SP00000002")).left(1), QStringLiteral("1"));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VB011MS L JOIN VF060MS F ON F.STL_ACC_SH_NO = L.SLIP_NO\n"
                                  " WHERE F.BILL_NO IN ('SP00000001', 'SP00000003')")),
             4);
    QCOMPARE(s.records()->recordCount(), 1);
}

void TestNotes::settlementWithoutFlagsStillRunsTheProcedure()
{
    SettlementScreen s;
    searchDue(s, QDate(2026, 12, 1), QDate(2027, 3, 31));
    QVERIFY(s.records()->recordCount() > 0);
    // Rows a run of this connection left behind.
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("INSERT INTO VF065TM (BILL_CLF, BILL_NO) VALUES ('1', 'AA12340001')"));
    tx.commit();
    const int slips = count(QStringLiteral("SELECT COUNT(*) FROM VB010MS"));
    s.click("bbtBatch");
    QCOMPARE(m_dialogs->lastText(), kNotSaved + QStringLiteral("E결제할 지급어음을 선택하세요.!"));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VB010MS")), slips);
    QCOMPARE(formRow(QStringLiteral("AA12340001")).left(1), QStringLiteral("1"));
    // The run emptied the table first (the row left behind was not settled);
    // the refusal took that back with the rest.
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VF065TM")), 1);
    tx.start();
    ExecSql(QStringLiteral("DELETE FROM VF065TM"));
    tx.commit();
    QVERIFY(s.get<QPushButton>("bbtBatch")->isEnabled());
}

void TestNotes::settlementRefusedRollsBack()
{
    // 우리은행 keeps no checking account of the company.
    makeBook(kWoori, QStringLiteral("1"), QStringLiteral("WR00000001"), 2);
    ownerRun(QStringLiteral("SELECT set_config('pk_v_note.writing', 'on', false)"));
    ownerRun(QStringLiteral("UPDATE VF060MS SET BILL_PROC_CD = '1', CUST_CD = '0100000009', ISU_DT = '2026-12-01',\n"
                            "       EXP_DT = '2026-12-18', BILL_AMT = 90000 WHERE BILL_NO IN ('WR00000001', 'WR00000002')"));
    ownerRun(QStringLiteral("SELECT set_config('pk_v_note.writing', '', false)"));
    SettlementScreen s;
    s.set("edtFinInstCd", kWoori);
    s.set("edtFinInstNm", QStringLiteral("우리은행"));
    s.get<QDateEdit>("dtpTo")->setDate(QDate(2026, 12, 18));
    s.get<QDateEdit>("dtpFrom")->setDate(QDate(2026, 12, 18));
    s.click("bbtSearch");
    QCOMPARE(s.records()->recordCount(), 2);
    s.get<QCheckBox>("chkAll")->click();
    const int slips = count(QStringLiteral("SELECT COUNT(*) FROM VB010MS"));
    s.click("bbtEach");
    QCOMPARE(m_dialogs->lastText(), kNotSaved + QStringLiteral("E결제할 당좌계좌가 등록되지 않은 은행입니다.(0300000003 우리은행)"));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VB010MS")), slips);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VF060MS WHERE BILL_NO LIKE 'WR%' AND BILL_PROC_CD = '1'")), 2);
    QCOMPARE(s.records()->recordCount(), 2);
}

void TestNotes::workTableIsPerConnection()
{
    // Another workstation's run in progress.
    ownerRun(QStringLiteral("INSERT INTO VF065TM (SESS_KEY, BILL_CLF, BILL_NO) VALUES (1, '1', 'AA12340002')"));
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VF065TM")), 0);
    ExecSql(QStringLiteral("DELETE FROM VF065TM"));
    ExecSql(QStringLiteral("INSERT INTO VF065TM (BILL_CLF, BILL_NO) VALUES ('1', 'AA12340003')"));
    const QVariantList answer = CallProcRow(QStringLiteral("pr_vfi065sp"),
                                            {QStringLiteral("1"), QStringLiteral("1111"), kClerk, QStringLiteral("10.10.1.77")});
    const QString settled = text(QStringLiteral("SELECT STRING_AGG(BILL_NO, ',' ORDER BY BILL_NO) FROM VF060MS\n"
                                                " WHERE BILL_PROC_CD = '5' AND STL_ACC_SH_NO = :P0"),
                                 {answer.value(0).toString().mid(1, 8)});
    tx.rollback();
    QVERIFY(answer.value(0).toString().startsWith(QLatin1Char('R')));
    QCOMPARE(settled, QStringLiteral("AA12340003"));
    QCOMPARE(ownerText(QStringLiteral("SELECT COUNT(*) FROM VF065TM WHERE SESS_KEY = 1")), QStringLiteral("1"));
    ownerRun(QStringLiteral("DELETE FROM VF065TM"));
}

void TestNotes::deletedSettlementSlipGivesTheNotesBack()
{
    makeBook(kKookmin, QStringLiteral("1"), QStringLiteral("DS00000001"), 1);
    issuingSlip(QStringLiteral("DS00000001"), QStringLiteral("0100000009"), QStringLiteral("2026-12-02"),
                QStringLiteral("2026-12-17"), 150000);
    SettlementScreen s;
    searchDue(s, QDate(2026, 12, 17), QDate(2026, 12, 17));
    s.clickFlag(s.grid(), 0);
    m_dialogs->yesNoAnswers = {true, false};
    s.click("bbtBatch");
    const QString slipNo = text(QStringLiteral("SELECT STL_ACC_SH_NO FROM VF060MS WHERE BILL_NO = 'DS00000001' AND BILL_PROC_CD = '5'"));
    QVERIFY(!slipNo.isEmpty());
    QCOMPARE(Books::committed(QStringLiteral("pk_v_slip_01.slip_apply"),
                              {QStringLiteral("V"), QStringLiteral("1"), QStringLiteral("3"), slipNo, QStringLiteral("1111"),
                               dbToday(), QStringLiteral("10.10.1.77"), kClerk,
                               QStringLiteral("K")})
                 .left(1),
             QStringLiteral("R"));
    QCOMPARE(text(QStringLiteral("SELECT BILL_PROC_CD || COALESCE(STL_ACC_SH_NO, '-') || COALESCE(STL_DT, '-') FROM VF060MS\n"
                                 " WHERE BILL_NO = 'DS00000001'")),
             QStringLiteral("1--"));
    s.click("bbtSearch");
    QCOMPARE(s.records()->recordCount(), 1);
}

// --- VFI063 ------------------------------------------------------------------------------

void TestNotes::paymentDateByKindAndNumber()
{
    // A note and a cheque of the same number, both issued.
    makeBook(kKookmin, QStringLiteral("1"), QStringLiteral("SM00000001"), 1);
    makeBook(kKookmin, QStringLiteral("2"), QStringLiteral("SM00000001"), 1);
    ownerRun(QStringLiteral("SELECT set_config('pk_v_note.writing', 'on', false)"));
    ownerRun(QStringLiteral("UPDATE VF060MS SET BILL_PROC_CD = '1', CUST_CD = '0100000009', ISU_DT = '2026-12-01',\n"
                            "       EXP_DT = '2026-12-29', BILL_AMT = 10000 WHERE BILL_NO = 'SM00000001'"));
    ownerRun(QStringLiteral("SELECT set_config('pk_v_note.writing', '', false)"));
    Screen<TfrmVFI063> s;
    s.click("bbtSearch");
    RecordSet* set = s.records();
    const int note = set->findRow(QStringLiteral("BILL_NO;BILL_CLF"), {QStringLiteral("SM00000001"), QStringLiteral("1")});
    QVERIFY(note >= 0);
    QVERIFY(set->findRow(QStringLiteral("BILL_NO;BILL_CLF"), {QStringLiteral("SM00000001"), QStringLiteral("2")}) >= 0);
    QCOMPARE(set->fieldAsString(note, QStringLiteral("BILL_CLF_NM")), QStringLiteral("어음"));
    const int before = set->recordCount();
    s.clickFlag(s.grid(), note);
    QCOMPARE(set->fieldAsString(note, QStringLiteral("FLAG")), QStringLiteral("Y"));
    s.get<QDateEdit>("dtpPayDate")->setDate(QDate(2026, 12, 30));
    s.click("bbtProcess");
    QCOMPARE(text(QStringLiteral("SELECT STRING_AGG(BILL_CLF || '=' || COALESCE(JIKEUB_DT, '-'), ',' ORDER BY BILL_CLF)\n"
                                 "  FROM VF060MS WHERE BILL_NO = 'SM00000001'")),
             QStringLiteral("1=2026-12-30,2=-"));
    QCOMPARE(set->recordCount(), before - 1);
}

// --- VFI055 ------------------------------------------------------------------------------

using InquiryScreen = Screen<TfrmVFI055>;

void TestNotes::inquiryRanges_data()
{
    QTest::addColumn<QStringList>("fields");  // name=value
    QTest::addColumn<QString>("numbers");    // the notes listed, in order
    QTest::newRow("only the first bank: that bank")
        << QStringList{"edtFinInstCd1=0300000001", "edtFinInstNm1=국민은행", "edtBillNoF=AA12340001", "edtBillNoE=AA12340006"}
        << "AA12340001,AA12340002,AA12340003,AA12340004,AA12340005,AA12340006";
    QTest::newRow("one maturity date: that day")
        << QStringList{"edtFinInstCd1=0300000001", "edtFinInstNm1=국민은행", "medtExpDtF=20261231"} << "AA12340003";
    QTest::newRow("a customer alone: that customer")
        << QStringList{"edtFinInstCd1=0300000001", "edtFinInstNm1=국민은행", "edtCustCd1=0100000023"}
        << "AA12340002,SA00000002,ST00000002";
    QTest::newRow("states 2 to 3")
        << QStringList{"edtFinInstCd1=0300000001", "edtFinInstNm1=국민은행", "edtProcCdF=2", "edtProcCdE=3"}
        << "AA12340005,AA12340019,AA12340020,PR00000002";
    QTest::newRow("banks compared as text")
        << QStringList{"edtFinInstCd1=0300000002", "edtFinInstNm1=신한은행", "edtFinInstCd2=0300000002A", "edtFinInstNm2=x",
                       "edtBillNoF=SH55000001", "edtBillNoE=SH55000002"}
        << "SH55000001,SH55000002";
}

void TestNotes::inquiryRanges()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, numbers);
    InquiryScreen s;
    for (const QString& f : fields)
        s.set(f.section(QLatin1Char('='), 0, 0).toLatin1().constData(), f.section(QLatin1Char('='), 1));
    s.click("bbtSearch");
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->lastText()));
    QStringList listed;
    qint64 total = 0;
    for (int row = 0; row < s.records()->recordCount(); ++row) {
        listed << s.records()->fieldAsString(row, QStringLiteral("BILL_NO"));
        total += qRound64(s.records()->value(row, QStringLiteral("BILL_AMT")).toDouble());
    }
    QCOMPARE(listed.join(QLatin1Char(',')), numbers);
    QCOMPARE(s.totalText(), QLocale(QLocale::English).toString(total));
}

void TestNotes::inquiryRefusals_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    const QStringList bank{"edtFinInstCd1=0300000002", "edtFinInstNm1=신한은행"};
    QTest::newRow("no bank") << QStringList{"edtFinInstCd1=0300000001"} << "은행코드가 존재하지 않습니다.";
    QTest::newRow("banks reversed") << (bank + QStringList{"edtFinInstCd2=0300000001", "edtFinInstNm2=국민은행"})
                                    << "조회시작은행코드는 조회마지막은행코드보다 작아야 합니다.";
    QTest::newRow("customers reversed") << (bank + QStringList{"edtCustCd1=0100000023", "edtCustCd2=0100000009"})
                                        << "조회시작거래처코드는 조회마지막거래처코드보다 작아야 합니다.";
    QTest::newRow("no such day") << (bank + QStringList{"medtIsuDtF=20260231"}) << "유효한 일자가 아닙니다.";
    QTest::newRow("days reversed") << (bank + QStringList{"medtRcpDtF=20261202", "medtRcpDtE=20261201"})
                                   << "조회시작일자는 조회마지막일자보다 작아야 합니다.";
    QTest::newRow("state 7") << (bank + QStringList{"edtProcCdF=7"}) << "처리구분 입력 오류입니다.";
    QTest::newRow("last state 7") << (bank + QStringList{"edtProcCdF=0", "edtProcCdE=7"}) << "처리구분 입력 오류입니다.";
}

void TestNotes::inquiryRefusals()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    InquiryScreen s;
    for (const QString& f : fields)
        s.set(f.section(QLatin1Char('='), 0, 0).toLatin1().constData(), f.section(QLatin1Char('='), 1));
    s.click("bbtSearch");
    QCOMPARE(m_dialogs->texts(), QStringList{message});
    QVERIFY(!s.records()->isOpen());
}

// --- VFI010 ------------------------------------------------------------------------------

using RegisterScreen = Screen<TfrmVFI010>;

namespace {

// A complete new note, as a user fills the register.
const QStringList kNewNote{"edtBillNo=NEW00001", "edtBillKd=1", "edtBillType=1", "edtCustCd=0100000016",
                           "edtCustNm=(주)하나투어리스트", "edtIsuDt=2026-12-10", "edtExpDt=2027-03-10",
                           "edtBillAmt=3,300,000", "edtIsur=(주)하나투어리스트", "edtPayBankCd=0300000004",
                           "edtPayBankNm=하나은행"};

void fill(RegisterScreen& s, const QStringList& fields)
{
    for (const QString& f : fields)
        s.set(f.section(QLatin1Char('='), 0, 0).toLatin1().constData(), f.section(QLatin1Char('='), 1));
}

}  // namespace

void TestNotes::registerChecks_data()
{
    QTest::addColumn<QString>("emptied");  // field=value that breaks the note
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("1 number") << "edtBillNo=" << "어음번호를 입력하세요!" << "edtBillNo";
    QTest::newRow("2 kind") << "edtBillKd=" << "어음종류를 입력하세요!" << "edtBillKd";
    QTest::newRow("3 form") << "edtBillType=" << "어음형태를 입력하세요!" << "edtBillType";
    QTest::newRow("4 customer") << "edtCustCd=" << "거래처를 입력하세요!" << "edtCustCd";
    QTest::newRow("5 unknown customer") << "edtCustNm=" << "등록되지 않은 거래처입니다!" << "edtCustCd";
    QTest::newRow("6 issue date") << "edtIsuDt=" << "발행일자를 입력하세요!" << "edtIsuDt";
    QTest::newRow("7 maturity") << "edtExpDt=" << "만기일자를 입력하세요!" << "edtExpDt";
    QTest::newRow("8 zero amount") << "edtBillAmt=0" << "어음금액을 입력하세요!" << "edtBillAmt";
    QTest::newRow("9 issuer") << "edtIsur=" << "발행인을 입력하세요!" << "edtIsur";
    QTest::newRow("10 paying bank") << "edtPayBankNm=" << "등록되지 않은 지급은행입니다!" << "edtPayBankCd";
    QTest::newRow("11 typed discount bank") << "edtDiscBankCd=0399" << "등록되지 않은 할인은행입니다!" << "edtDiscBankCd";
    QTest::newRow("no such day") << "edtExpDt=2027-02-30" << "유효한 일자가 아닙니다." << "edtExpDt";
}

void TestNotes::registerChecks()
{
    QFETCH(QString, emptied);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    RegisterScreen s;
    s.click("bbtSearch");
    s.click("bbtAdd");
    QCOMPARE(s.get("edtProcCd")->text(), QStringLiteral("0"));
    fill(s, kNewNote);
    fill(s, {emptied});
    m_dialogs->clear();
    s.click("bbtSave");
    QCOMPARE(m_dialogs->texts(), QStringList{message});
    QCOMPARE(m_dialogs->shown.last().caption, QStringLiteral("입력오류"));
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), focus);
    QCOMPARE(s.State, int(MaintenanceCore::stInsert));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VF010MS WHERE BILL_NO = 'NEW00001'")), 0);
    s.click("bbtCancel");
}

void TestNotes::discountBanksOnlyForDiscountedNotes()
{
    RegisterScreen s;
    s.click("bbtSearch");
    s.click("bbtAdd");
    fill(s, kNewNote);
    fill(s, {"edtBillNo=DISC0001", "edtProcCd=2"});
    s.click("bbtSave");
    QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("등록되지 않은 할인은행입니다!")});
    fill(s, {"edtDiscBankCd=0300000001", "edtDiscBankNm=국민은행", "edtDiscRate=6.25", "edtDiscTerm=90"});
    m_dialogs->clear();
    s.click("bbtSave");
    QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("등록되지 않은 할인입금은행입니다!")});
    fill(s, {"edtDiscInBankCd=0300000001", "edtDiscInBankNm=국민은행", "edtDiscDispAmt=3,250,000"});
    s.click("bbtSave");
    QCOMPARE(s.State, int(MaintenanceCore::stBrowse));
    QCOMPARE(text(QStringLiteral("SELECT CONCAT_WS('|', BILL_PROC_CD, BILL_AMT, DISC_BANK_CD, DISC_RATE, DISC_TERM, DISC_DISP_AMT,\n"
                                 "                 EXP_DT, U_EMP_NO) FROM VF010MS WHERE BILL_NO = 'DISC0001'")),
             QStringLiteral("2|3300000|0300000001|6.250|90|3250000|2027-03-10|2001"));
    // An unprocessed note needs no discount bank at all.
    s.click("bbtAdd");
    fill(s, kNewNote);
    m_dialogs->clear();
    s.click("bbtSave");
    QVERIFY(m_dialogs->shown.isEmpty());
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VF010MS WHERE BILL_NO = 'NEW00001' AND BILL_PROC_CD = '0'\n"
                                  "   AND DISC_BANK_CD IS NULL")),
             1);
}

void TestNotes::renamedByItsOldNumberKeepingWhatIsNotOnTheForm()
{
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("INSERT INTO VF010MS (BILL_NO, BILL_KD, BILL_TYPE, CUST_CD, ISU_DT, EXP_DT, ISUR, PAY_BANK_CD, PAY_BANK_NM,\n"
                           "  BILL_AMT, BILL_PROC_CD, HOLD_DT, HOLD_BANK_CD, ISU_ACC_SH_NO, ISU_ACC_SH_SQ, BAD_ACC_SH_ACCD)\n"
                           "VALUES ('OLD00001', '1', '2', '0100000021', DATE '2026-12-01', DATE '2027-01-31', '장스키', '0300000002',\n"
                           "  '신한은행', 1500000, '0', DATE '2026-12-02', '0300000002', 'K2699999', 3, '1110595')"));
    tx.commit();
    RegisterScreen s;
    s.click("bbtSearch");
    QVERIFY(s.records()->locate(QStringLiteral("BILL_NO"), QStringLiteral("OLD00001")));
    QCOMPARE(s.get("edtCustNm")->text(), QStringLiteral("(주)알파인스포츠"));
    QCOMPARE(s.get("edtBillAmt")->text(), QStringLiteral("1,500,000"));
    s.click("bbtEdit");
    fill(s, {"edtBillNo=NEW99999", "edtIsur=장스키 (배서)"});
    s.click("bbtSave");
    QCOMPARE(s.State, int(MaintenanceCore::stBrowse));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VF010MS WHERE BILL_NO = 'OLD00001'")), 0);
    QCOMPARE(text(QStringLiteral("SELECT CONCAT_WS('|', ISUR, HOLD_DT, HOLD_BANK_CD, ISU_ACC_SH_NO, ISU_ACC_SH_SQ, BAD_ACC_SH_ACCD,\n"
                                 "                 BILL_AMT) FROM VF010MS WHERE BILL_NO = 'NEW99999'")),
             QStringLiteral("장스키 (배서)|2026-12-02|0300000002|K2699999|3|1110595|1500000"));
}

void TestNotes::registerDelete()
{
    RegisterScreen s;
    s.click("bbtSearch");
    QVERIFY(s.records()->locate(QStringLiteral("BILL_NO"), QStringLiteral("표지10020")));
    const int before = s.records()->recordCount();
    m_dialogs->yesNoAnswers = {false};
    s.click("bbtDelete");
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VF010MS WHERE BILL_NO = '표지10020'")), 1);
    s.click("bbtDelete");
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VF010MS WHERE BILL_NO = '표지10020'")), 0);
    QCOMPARE(s.records()->recordCount(), before - 1);
}

// --- VFI015 ------------------------------------------------------------------------------

void TestNotes::listRanges_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("numbers");
    QTest::newRow("from alone: exactly that kind")
        << QStringList{"edt_BILL_KD_F=2"} << "가계00451";
    QTest::newRow("customer bounds of ten characters")
        << QStringList{"Edit_Cust_Cd1=0100000016", "Edit_Cust_Cd2=0100000016"}
        << "DISC0001,NEW00001,자가20261005,자가20261101";
    QTest::newRow("maturity range")
        << QStringList{"medt_EXP_DT_F=20261212", "medt_EXP_DT_E=20261215"} << "자가20261101,타수66030117";
    QTest::newRow("states 2 to 3")
        << QStringList{"edt_BILL_PROC_CD_F=2", "edt_BILL_PROC_CD_E=3"} << "DISC0001,자가20261005,타수66030117";
    QTest::newRow("unknown state") << QStringList{"edt_BILL_NO_F=ODD00001"} << "ODD00001=알수없음";
}

void TestNotes::listRanges()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, numbers);
    if (numbers.contains(QLatin1Char('='))) {
        ownerRun(QStringLiteral("INSERT INTO VF010MS (BILL_NO, BILL_KD, BILL_TYPE, CUST_CD, BILL_PROC_CD, BILL_AMT)\n"
                                "VALUES ('ODD00001', '9', '1', '0100000009', '9', 1000) ON CONFLICT DO NOTHING"));
    }
    Screen<TfrmVFI015> s;
    for (const QString& f : fields)
        s.set(f.section(QLatin1Char('='), 0, 0).toLatin1().constData(), f.section(QLatin1Char('='), 1));
    s.click("bbtSearch");
    QStringList listed;
    for (int row = 0; row < s.records()->recordCount(); ++row) {
        listed << s.records()->fieldAsString(row, QStringLiteral("BILL_NO"));
        if (numbers.contains(QLatin1Char('=')))
            listed.last() += QLatin1Char('=') + s.records()->fieldAsString(row, QStringLiteral("BILL_PROC_CD"));
    }
    QCOMPARE(listed.join(QLatin1Char(',')), numbers);
    if (numbers.contains(QLatin1Char('=')))
        QCOMPARE(s.records()->fieldAsString(0, QStringLiteral("BILL_KD")), QStringLiteral("알수없음"));
    // A lone "from" was copied into "to".
    const QString first = fields.first().section(QLatin1Char('='), 0, 0);
    if (fields.size() == 1 && first.endsWith(QLatin1String("_F")))
        QCOMPARE(s.get((first.chopped(1) + QLatin1Char('E')).toLatin1().constData())->text(),
                 s.get(first.toLatin1().constData())->text());
}

// --- VFI020 ------------------------------------------------------------------------------

void TestNotes::collectionSlipsOfReceivedNotes()
{
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("INSERT INTO VF010MS (BILL_NO, BILL_KD, BILL_TYPE, CUST_CD, ISU_DT, EXP_DT, ISUR, PAY_BANK_CD, PAY_BANK_NM,\n"
                           "  BILL_AMT, BILL_PROC_CD) VALUES\n"
                           "  ('COL00001', '1', '1', '0100000016', DATE '2026-11-01', DATE '2026-12-21', '(주)하나투어리스트', '0300000004', '하나은행', 700000, '0'),\n"
                           "  ('COL00002', '3', '1', '0100000017', DATE '2026-11-02', DATE '2026-12-21', '(주)스마트스테이', '0300000001', '국민은행', 1100000, '0')"));
    tx.commit();
    Screen<TfrmVFI020> s;
    s.get<QDateEdit>("dtpTo")->setDate(QDate(2026, 12, 21));
    s.get<QDateEdit>("dtpFrom")->setDate(QDate(2026, 12, 21));
    s.click("bbtSearch");
    QCOMPARE(s.records()->recordCount(), 2);
    s.get<QCheckBox>("chkAll")->click();
    QCOMPARE(s.amountText(), QStringLiteral("1,800,000"));
    // No account chosen: refused by the database, nothing written.
    s.click("bbtBatch");
    QCOMPARE(m_dialogs->lastText(), kNotSaved + QStringLiteral("E입금할 보통예금 또는 당좌예금 계좌를 선택하세요.!"));
    s.set("edtAccount", QStringLiteral("054-21-0456-789"));
    s.set("edtBankCd", kKookmin);
    m_dialogs->clear();
    m_dialogs->yesNoAnswers = {true, false};
    s.click("bbtBatch");
    const QString slipNo = text(QStringLiteral("SELECT STL_ACC_SH_NO FROM VF010MS WHERE BILL_NO = 'COL00001'"));
    QCOMPARE(m_dialogs->texts().last(), QStringLiteral("[") + slipNo + QStringLiteral("] 전표를 불러오시겠습니까.?"));
    QCOMPARE(ownerText(QStringLiteral("SELECT STRING_AGG(BILL_NO || ':' || BILL_PROC_CD || ':' || STL_ACC_SH_SQ || ':' || (STL_ACC_SH_DT = CURRENT_DATE), ',' ORDER BY BILL_NO)\n"
                                      "  FROM VF010MS WHERE STL_ACC_SH_NO = '%1'").arg(slipNo)),
             QStringLiteral("COL00001:1:1:true,COL00002:1:3:true"));
    QCOMPARE(text(QStringLiteral(
                 "SELECT STRING_AGG(L.ACCT_CODE || ':' || L.D_AMOUNT || ':' || L.C_AMOUNT || '[' ||\n"
                 "         (SELECT STRING_AGG(D.MG_CODE || '=' || D.MG_DETAIL, ' ' ORDER BY D.LINEUP_NO)\n"
                 "            FROM VB011DT D WHERE D.SLIP_NO = L.SLIP_NO AND D.SLIP_SEQ_NO = L.SLIP_SEQ_NO) || ']', ' ; '\n"
                 "         ORDER BY L.SLIP_SEQ_NO)\n"
                 "  FROM VB011MS L WHERE L.SLIP_NO = :P0"),
                  {slipNo}),
             QStringLiteral("1110120:700000:0[103=0300000001 104=054-21-0456-789] ; "
                            "1110510:0:700000[117=0300000004 125=2026-12-21 119=COL00001 101=0100000016] ; "
                            "1110120:1100000:0[103=0300000001 104=054-21-0456-789] ; "
                            "1110510:0:1100000[117=0300000001 125=2026-12-21 119=COL00002 101=0100000017]"));
    QCOMPARE(s.records()->recordCount(), 0);
}

// --- VFI030 ------------------------------------------------------------------------------

void TestNotes::dueStatementReadsConfirmedCredits()
{
    makeBook(kKookmin, QStringLiteral("1"), QStringLiteral("DU00000001"), 2);
    // Issued in December, due in January 2031.
    const QString confirmed = issuingSlip(QStringLiteral("DU00000001"), QStringLiteral("0100000009"), QStringLiteral("2026-12-01"),
                                          QStringLiteral("2031-01-15"), 640000);
    const QString unconfirmed = issuingSlip(QStringLiteral("DU00000002"), QStringLiteral("0100000023"), QStringLiteral("2026-12-02"),
                                            QStringLiteral("2031-01-16"), 510000, false);
    Screen<TfrmVFI030> s;
    QVERIFY(s.get<QRadioButton>("rdoPayable")->isChecked());
    s.get<QRadioButton>("rdoReceivable")->setChecked(true);
    QVERIFY(s.get<QRadioButton>("rdoPayable")->isChecked());
    s.get<QDateEdit>("dtpTo")->setDate(QDate(2031, 1, 31));
    s.get<QDateEdit>("dtpFrom")->setDate(QDate(2031, 1, 1));
    s.get<QRadioButton>("rdoDueDate")->setChecked(true);
    s.click("bbtSearch");
    RecordSet* set = s.records();
    QCOMPARE(set->recordCount(), 1);
    QCOMPARE(set->fieldAsString(QStringLiteral("SLIP_NO")), confirmed);
    QCOMPARE(set->fieldAsString(QStringLiteral("SLIP_SEQ_NO")), QStringLiteral("2"));
    QCOMPARE(set->fieldAsString(QStringLiteral("MG1")) + QLatin1Char('|') + set->fieldAsString(QStringLiteral("MG2")) + QLatin1Char('|')
                 + set->fieldAsString(QStringLiteral("MG3")) + QLatin1Char('|') + set->fieldAsString(QStringLiteral("MG4")) + QLatin1Char('|')
                 + set->fieldAsString(QStringLiteral("MG6")) + QLatin1Char('|') + set->fieldAsString(QStringLiteral("MG7")),
             QStringLiteral("국민은행|718-81-14701|(주)대관령청정식품|DU00000001|2026-12-01|2031-01-15"));
    // By issue date the January period holds neither.
    s.click("bbtCancel");
    s.get<QRadioButton>("rdoIssueDate")->setChecked(true);
    s.click("bbtSearch");
    QCOMPARE(set->recordCount(), 0);
    s.click("bbtCancel");
    s.get<QDateEdit>("dtpFrom")->setDate(QDate(2026, 12, 1));
    s.click("bbtSearch");
    QVERIFY(set->findRow(QStringLiteral("SLIP_NO"), {confirmed}) >= 0);
    QCOMPARE(set->findRow(QStringLiteral("SLIP_NO"), {unconfirmed}), -1);
    // Only credit lines on notes payable: the settlement's debits are not listed.
    for (int row = 0; row < set->recordCount(); ++row)
        QVERIFY(set->fieldAsString(row, QStringLiteral("ACCT_CODE")) == QLatin1String("2110120"));
}

void TestNotes::dueStatementPrints()
{
    Screen<TfrmVFI030> s;
    s.get<QDateEdit>("dtpTo")->setDate(QDate(2026, 12, 31));
    s.get<QDateEdit>("dtpFrom")->setDate(QDate(2026, 12, 1));
    s.click("bbtSearch");
    QVERIFY(s.records()->recordCount() >= 3);
    m_dialogs->printFile = m_dir.filePath(QStringLiteral("vfi031.pdf"));
    s.click("bbtPrint");
    const QString printed = PdfTools::pdfPageTexts(m_dialogs->printFile).join(QLatin1Char('\n'));
    QVERIFY(printed.contains(QStringLiteral("기일도래명세서(지급어음)")));
    QVERIFY(printed.contains(QStringLiteral("기간 : 2026-12-01 ~ 2026-12-31")));
    QVERIFY(printed.contains(QStringLiteral("AA12340002")));
    QVERIFY(printed.contains(QStringLiteral("ProgramID:frmVFI031")));
}

// --- VFI100, VFI110, VFI120 ---------------------------------------------------------------

void TestNotes::statusReports_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("customer");
    QTest::addColumn<bool>("payable");
    QTest::addColumn<bool>("cheques");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("listed");  // BILL_NO:CUST_NM:BANK_NM, in order
    QTest::newRow("VFI100 received notes by maturity")
        << "VFI100" << "" << false << false << "2026-12-01" << "2026-12-16"
        << "타수66030117:(주)그린필드골프:우리은행,자가20261101:(주)하나투어리스트:하나은행";
    QTest::newRow("VFI100 received cheques")
        << "VFI100" << "" << false << true << "2026-12-01" << "2026-12-20"
        << "당좌30098812:(주)스마트스테이:국민은행,가계00451:(주)알파인스포츠:신한은행";
    QTest::newRow("VFI100 bank as the note names it")
        << "VFI100" << "" << false << false << "2030-06-01" << "2030-06-01" << "NOBANK01:(주)대관령청정식품:폐쇄은행";
    QTest::newRow("VFI100 issued forms, names or not")
        << "VFI100" << "" << true << false << "2026-12-30" << "2026-12-31"
        << "AA12340003:대한주류(주):국민은행,NN00000001::";
    QTest::newRow("VFI110 one customer")
        << "VFI110" << "0100000016" << false << false << "2027-01-01" << "2027-01-31"
        << "자가20261005:(주)하나투어리스트:하나은행";
    QTest::newRow("VFI110 unregistered bank left out")
        << "VFI110" << "0100000009" << false << false << "2030-01-01" << "2030-12-31" << "";
    QTest::newRow("VFI110 payable without payee left out")
        << "VFI110" << "" << true << false << "2026-12-30" << "2026-12-31" << "AA12340003:대한주류(주):국민은행";
    QTest::newRow("VFI120 payable by issue date")
        << "VFI120" << "0100000023" << true << false << "2026-12-04" << "2026-12-04"
        << "AA12340002:제주감귤유통(주):국민은행";
    QTest::newRow("VFI120 received by issue date")
        << "VFI120" << "0100000028" << false << false << "2026-11-01" << "2026-11-30"
        << "자가20261115:(주)부산마이스:우리은행";
    QTest::newRow("VFI120 payable cheques")
        << "VFI120" << "" << true << true << "2026-12-01" << "2026-12-31" << "SM00000001:(주)대관령청정식품:국민은행";
}

void TestNotes::statusReports()
{
    QFETCH(QString, program);
    QFETCH(QString, customer);
    QFETCH(bool, payable);
    QFETCH(bool, cheques);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, listed);
    // A received note whose paying bank is not registered, and an issued
    // form whose payee and bank are not.
    ownerRun(QStringLiteral("INSERT INTO VF010MS (BILL_NO, BILL_KD, BILL_TYPE, CUST_CD, ISU_DT, EXP_DT, BILL_AMT, BILL_PROC_CD,\n"
                            "  PAY_BANK_CD, PAY_BANK_NM) VALUES ('NOBANK01', '1', '1', '0100000009', DATE '2030-03-01',\n"
                            "  DATE '2030-06-01', 5000, '0', '0399999999', '폐쇄은행') ON CONFLICT DO NOTHING"));
    ownerRun(QStringLiteral("INSERT INTO VF050MS (FIN_INST_CD, BILL_CLF, STRT_NO, RCP_DT, RCP_SHT) VALUES\n"
                            "  ('0399999999', '1', 'NN00000001', '2026-12-01', 1) ON CONFLICT DO NOTHING"));
    ownerRun(QStringLiteral("SELECT set_config('pk_v_note.writing', 'on', false)"));
    ownerRun(QStringLiteral("INSERT INTO VF060MS (BILL_CLF, BILL_NO, FIN_INST_CD, STRT_NO, RCP_DT, BILL_PROC_CD, CUST_CD, ISU_DT,\n"
                            "  EXP_DT, BILL_AMT) VALUES ('1', 'NN00000001', '0399999999', 'NN00000001', '2026-12-01', '1',\n"
                            "  '0199999999', '2026-11-30', '2026-12-31', 7000) ON CONFLICT DO NOTHING"));
    ownerRun(QStringLiteral("SELECT set_config('pk_v_note.writing', '', false)"));

    std::unique_ptr<TfrmNoteStatus> s;
    if (program == QLatin1String("VFI100"))
        s = std::make_unique<TfrmVFI100>();
    else if (program == QLatin1String("VFI110"))
        s = std::make_unique<TfrmVFI110>();
    else
        s = std::make_unique<TfrmVFI120>();
    s->show();
    if (!customer.isEmpty()) {
        s->findChild<QLineEdit*>(QStringLiteral("edtSCustCd"))->setText(customer);
    }
    s->findChild<QDateEdit*>(QStringLiteral("dtpTo"))->setDate(QDate::fromString(to, Qt::ISODate));
    s->findChild<QDateEdit*>(QStringLiteral("dtpFrom"))->setDate(QDate::fromString(from, Qt::ISODate));
    s->findChild<QRadioButton*>(payable ? QStringLiteral("rdoPayable") : QStringLiteral("rdoReceivable"))->setChecked(true);
    s->findChild<QRadioButton*>(cheques ? QStringLiteral("rdoCheque") : QStringLiteral("rdoNote"))->setChecked(true);
    s->bbtSearchClick();
    QStringList rows;
    RecordSet* set = s->records();
    for (int row = 0; row < set->recordCount(); ++row)
        rows << set->fieldAsString(row, QStringLiteral("BILL_NO")) + QLatin1Char(':') + set->fieldAsString(row, QStringLiteral("CUST_NM"))
                    + QLatin1Char(':') + set->fieldAsString(row, QStringLiteral("BANK_NM"));
    QCOMPARE(rows.join(QLatin1Char(',')), listed);
}

void TestNotes::statusReportPrintsThePeriod()
{
    Screen<TfrmVFI110> s;
    s.get<QDateEdit>("dtpTo")->setDate(QDate(2026, 12, 31));
    s.get<QDateEdit>("dtpFrom")->setDate(QDate(2026, 12, 1));
    s.click("bbtSearch");
    m_dialogs->printFile = m_dir.filePath(QStringLiteral("vfi111.pdf"));
    s.click("bbtPrint");
    const QString printed = PdfTools::pdfPageTexts(m_dialogs->printFile).join(QLatin1Char('\n'));
    QVERIFY(printed.contains(QStringLiteral("거래처별 어음현황")));
    QVERIFY(printed.contains(QStringLiteral("2026-12-01 부터")));
    QVERIFY(printed.contains(QStringLiteral("2026-12-31 까지")));
    QVERIFY(printed.contains(QStringLiteral("자가20261115")));
    QVERIFY(printed.contains(QStringLiteral("ProgramID:frmVFI111")));
    // Printing before a search prints nothing.
    Screen<TfrmVFI120> other;
    m_dialogs->printFile = m_dir.filePath(QStringLiteral("vfi121.pdf"));
    other.click("bbtPreview");
    QVERIFY(!QFile::exists(m_dialogs->printFile));
}

TV_TEST_MAIN(TestNotes)
#include "tst_notes.moc"
