// The tax invoices: the register's entry (split, payment check, numbering,
// stored lines, print), the electronic filing file byte for byte against a
// file written by hand from the record layout, the purchase and sales book,
// the summary tables with their official forms, the reconciliation and the
// list of the register.
#include "common/Cp949.h"
#include "common/Db.h"
#include "common/HandOver.h"
#include "common/NumEdit.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/tax/FilingFile.h"
#include "screens/tax/TaxCommon.h"
#include "screens/tax/TaxListReport.h"
#include "screens/tax/VEI010.h"
#include "screens/tax/VEI020.h"
#include "screens/tax/VEI021.h"
#include "screens/tax/VEI025.h"
#include "screens/tax/VEI030.h"
#include "screens/tax/VEI040.h"
#include "screens/tax/VEI041.h"
#include "screens/tax/VEI043.h"
#include "screens/tax/VEI050.h"
#include "shell/V0Main.h"
#include "support/Books.h"
#include "support/ScreenUnderTest.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

template <typename Base>
class Screen : public ScreenUnderTest<Base> {
public:
    using ScreenUnderTest<Base>::get;
    using ScreenUnderTest<Base>::click;
    // Types into a field and leaves it, as a user does.
    void enter(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        this->template get<QLineEdit>("edtBILL_SEQ_NO")->setFocus();
        if (field->hasFocus())
            qFatal("focus did not leave %s", qPrintable(field->objectName()));
    }
    // Types an amount over a box and leaves it.
    void amount(const char* name, qint64 value)
    {
        auto* e = this->template get<NumEdit>(name);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, QString::number(value));
        this->template get<QLineEdit>("edtSUMMARY_5")->setFocus();
        if (e->hasFocus())
            qFatal("focus did not leave %s", name);
    }
    qint64 value(const char* name) const { return qRound64(this->template get<NumEdit>(name)->value()); }
};

qint64 number(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toLongLong();
}

// A tax-invoice row as confirmation leaves it, on a slip line the demo has
// (the rows of the fixtures have periods of their own, in 2027).
void taxRow(const QString& day, const QString& cNum, const QString& kind, const QString& company, qint64 supply,
            qint64 tax, int volume = 1)
{
    TestDb::ownerExec(QStringLiteral(
                          "INSERT INTO vb040ms (slip_no, slip_seq_no, conf_date, c_num, c_name, volume, sup_price, tax, "
                          "total_price, bill_type, company, deal_date, summary)\n"
                          "SELECT slip_no, slip_seq_no, CAST(:P0 AS DATE), :P1, '행 이름', CAST(:P5 AS INTEGER), :P3, :P4, "
                          "CAST(:P3 AS NUMERIC) + CAST(:P4 AS NUMERIC), :P2, :P6, :P0, '시험 계산서'\n"
                          "  FROM vb011ms l WHERE NOT EXISTS (SELECT 1 FROM vb040ms t WHERE t.slip_no = l.slip_no AND "
                          "t.slip_seq_no = l.slip_seq_no)\n"
                          " ORDER BY slip_no, slip_seq_no LIMIT 1"),
                      {day, cNum, kind, supply, tax, volume, company});
}

void customer(const QString& code, const QString& name, const QString& cNum, const QString& bizType,
              const QString& bizItem)
{
    TestDb::ownerExec(QStringLiteral("INSERT INTO va050ms (c_code, c_kind, c_name, c_num, boss_name, c_item, c_type) "
                                     "VALUES (:P0, '01', :P1, :P2, '대표', :P3, :P4)"),
                      {code, name, cNum, bizType, bizItem});
}

QByteArray spaces(int n)
{
    return QByteArray(n, ' ');
}

QByteArray zeros(int n)
{
    return QByteArray(n, '0');
}

QByteArray text(const QString& t, int width)
{
    const QByteArray b = Cp949::encode(t);
    return b + spaces(width - int(b.size()));
}

}  // namespace

class TestTax : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void init() { m_dialogs = std::make_unique<ScriptedDialogs>(); }
    void cleanup()
    {
        m_dialogs.reset();
        QVERIFY(!SharedTransaction::instance().inTransaction());
    }

    // invoice entry
    void splitTable_data();
    void splitTable();
    void paymentSplit_data();
    void paymentSplit();
    void numbersAreDrawnOneByOne();
    void invoiceEntryStoresLinesByTheirBoxes();
    void typingOverSupplyKeepsTheTotals();
    void lineWithTaxAloneIsKept();
    void customerCodeIsAValue();
    void printNeedsASavedInvoice();
    void invoicePrintsTwoCopies();

    // the filing file
    void filingFileIsByteExact();
    void sectionFilesAndTheirNames();
    void invalidDataWritesNothing();
    void quarterDefaults_data();
    void quarterDefaults();

    // books and summaries
    void confirmedSlipReachesTheBook();
    void invoiceKindAndPlaceItemsShapeTheRows();
    void summaryTabCountsANumberOnce();
    void summaryTablesCountKnownCustomers();
    void officialFormRowCounts_data();
    void officialFormRowCounts();
    void reconciliationKeepsUnknownCustomers();
    void registerListOpensTheInvoice();
    void bookAndFilingFileAgree();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QTemporaryDir m_dir;
};

void TestTax::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Session::empNo = QStringLiteral("2003");
    Session::workstationIp = QStringLiteral("10.9.9.16");
    Session::exeDir = m_dir.path() + QLatin1Char('/');

    // The filing fixture, head office (company '2'), first quarter of 2027: a
    // customer with a name of ten syllables and a second customer under the
    // same number, a demo customer, a supplier, a resident-number sale, a
    // number the summaries leave out and a row of another place.
    customer(QStringLiteral("0199000001"), QStringLiteral("가나다라마바사아자차"), QStringLiteral("123-45-67890"),
             QStringLiteral("도매"), QStringLiteral("식자재"));
    customer(QStringLiteral("0199000002"), QStringLiteral("중복상호"), QStringLiteral("123-45-67890"),
             QStringLiteral("소매"), QStringLiteral("잡화"));
    const QString a = QStringLiteral("123-45-67890");
    const QString b = QStringLiteral("454-81-93189");   // (주)하나투어리스트
    const QString c = QStringLiteral("718-81-14701");   // (주)대관령청정식품
    const QString two = QStringLiteral("2");
    taxRow(QStringLiteral("2027-01-05"), a, QStringLiteral("6"), two, 1234467, 123446);
    taxRow(QStringLiteral("2027-02-05"), a, QStringLiteral("6"), two, 100, 10);
    taxRow(QStringLiteral("2027-01-20"), b, QStringLiteral("6"), two, 500000, 50000);
    taxRow(QStringLiteral("2027-01-21"), b, QStringLiteral("66"), two, 50000, 5000);
    taxRow(QStringLiteral("2027-03-02"), QStringLiteral("880-11-22333"), QStringLiteral("7"), two, 20000, 2000);
    taxRow(QStringLiteral("2027-03-03"), QStringLiteral("888-88-88888"), QStringLiteral("6"), two, 999, 99);
    taxRow(QStringLiteral("2027-03-04"), a, QStringLiteral("6"), QStringLiteral("1"), 7777, 777);
    taxRow(QStringLiteral("2027-02-11"), c, two, two, 300000, 30000);
    taxRow(QStringLiteral("2027-02-12"), a, QStringLiteral("3"), two, 70000, 0);
    taxRow(QStringLiteral("2027-03-13"), c, QStringLiteral("22"), two, 8800, 880);
    // a number that is not ten digits, at the youth hostel
    taxRow(QStringLiteral("2027-03-14"), QStringLiteral("12-345-678"), QStringLiteral("6"), QStringLiteral("4"), 1000, 100);
}

// --- invoice entry ---------------------------------------------------------------------------------

void TestTax::splitTable_data()
{
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qint64>("supply");
    QTest::addColumn<qint64>("tax");
    QTest::newRow("taxable 11,000") << qint64(11000) << "6" << qint64(10000) << qint64(1000);
    QTest::newRow("taxable 10,001 rounds up") << qint64(10001) << "6" << qint64(9092) << qint64(909);
    QTest::newRow("without tax") << qint64(10001) << "5" << qint64(10001) << qint64(0);
    QTest::newRow("one won") << qint64(1) << "6" << qint64(1) << qint64(0);
    QTest::newRow("a return") << qint64(-10001) << "6" << qint64(-9092) << qint64(-909);
    QTest::newRow("zero") << qint64(0) << "6" << qint64(0) << qint64(0);
}

void TestTax::splitTable()
{
    QFETCH(qint64, total);
    QFETCH(QString, kind);
    QFETCH(qint64, supply);
    QFETCH(qint64, tax);
    const Tax::Split s = Tax::SplitTotal(total, kind);
    QCOMPARE(s.supply, supply);
    QCOMPARE(s.tax, tax);
}

void TestTax::paymentSplit_data()
{
    QTest::addColumn<qint64>("cash");
    QTest::addColumn<qint64>("receivable");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("all zeros") << qint64(0) << qint64(0) << true;
    QTest::newRow("exact") << qint64(19001) << qint64(1000) << true;
    QTest::newRow("one won short") << qint64(19000) << qint64(1000) << false;
    QTest::newRow("one won over") << qint64(19002) << qint64(1000) << false;
}

void TestTax::paymentSplit()
{
    QFETCH(qint64, cash);
    QFETCH(qint64, receivable);
    QFETCH(bool, accepted);
    QCOMPARE(Tax::PaymentAgrees(cash, 0, 0, receivable, 20001), accepted);
}

void TestTax::numbersAreDrawnOneByOne()
{
    const QString first = CallProcText(QStringLiteral("pr_getadminno"), {QStringLiteral("VE"), QStringLiteral("28")});
    const QString second = CallProcText(QStringLiteral("pr_getadminno"), {QStringLiteral("VE"), QStringLiteral("28")});
    QCOMPARE(first, QStringLiteral("OK28000001"));
    QCOMPARE(second, QStringLiteral("OK28000002"));
    // fifty sheets to a book
    for (int i = 0; i < 50; ++i)
        CallProcText(QStringLiteral("pr_getadminno"), {QStringLiteral("VZ"), QStringLiteral("2031")});
    QCOMPARE(CallProcText(QStringLiteral("pr_getadminno"), {QStringLiteral("VZ"), QStringLiteral("2031")}),
             QStringLiteral("OK000201"));
    for (const QVariantList& bad : {QVariantList{QStringLiteral("VE"), QStringLiteral("99")},
                                    QVariantList{QStringLiteral("VZ"), QStringLiteral("20x6")},
                                    QVariantList{QStringLiteral("XX"), QStringLiteral("27")},
                                    QVariantList{QString(), QString()}})
        QVERIFY2(ProcResult::isFailure(CallProcText(QStringLiteral("pr_getadminno"), bad), true),
                 qPrintable(bad.value(0).toString()));
    // the counters move only through the function
    QVERIFY_THROWS_EXCEPTION(ServerError, ExecSql(QStringLiteral("UPDATE ve090ms SET last_no = 0")));
}

void TestTax::invoiceEntryStoresLinesByTheirBoxes()
{
    Screen<TfrmVEI020> s;
    s.click("bbtSearch");
    s.click("bbtAdd");
    QCOMPARE(s.get("edtBILL_SEQ_NO")->text(), QStringLiteral("N000000"));
    QCOMPARE(s.get("edtBILL_TYPE")->text(), QStringLiteral("6"));
    QCOMPARE(s.get("edtPRICE_TYPE_NM")->text(), QStringLiteral("청구"));
    s.enter(s.get("edtC_CODE"), QStringLiteral("0100000016"));
    QCOMPARE(s.get("edtC_NAME")->text(), QStringLiteral("(주)하나투어리스트"));
    QCOMPARE(s.get("edtC_NUM")->text(), QStringLiteral("454-81-93189"));
    QCOMPARE(s.get("edtC_TYPE")->text(), QStringLiteral("서비스"));
    QCOMPARE(s.get("edtC_ITEM")->text(), QStringLiteral("여행알선"));
    s.get("edtPRODUCT_NAME_1")->setText(QStringLiteral("객실 이용료"));
    s.amount("nedTOTAL_1", 11000);
    s.get("edtPRODUCT_NAME_3")->setText(QStringLiteral("조식"));
    s.amount("nedTOTAL_3", 10001);
    QCOMPARE(s.value("nedSUP_PRICE_1"), qint64(10000));
    QCOMPARE(s.value("nedTAX_3"), qint64(909));
    QCOMPARE(s.value("nedTOT_AMT"), qint64(21001));
    QCOMPARE(s.value("nedTS_PRICE"), qint64(19092));
    QCOMPARE(s.value("nedT_TAX"), qint64(1909));

    // one won short of the total: refused, nothing written
    s.amount("nedCASH_AMT", 21000);
    s.click("bbtSave");
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("총합계금액과 현금,수표,어음,미수금에 입력한 금액이 맞지 않습니다"));
    QCOMPARE(m_dialogs->shown.last().caption, QStringLiteral("입력오류"));
    QCOMPARE(s.state(), int(MaintenanceCore::stInsert));
    QCOMPARE(number(QStringLiteral("SELECT count(*) FROM ve010ms")), qint64(8));

    s.amount("nedCASH_AMT", 21001);
    s.click("bbtSave");
    QVERIFY2(s.state() == MaintenanceCore::stBrowse, qPrintable(m_dialogs->texts().join(QLatin1Char('|'))));
    // the demo used eight numbers of term 27 and of 2026's books
    const QString no = s.get("edtBILL_SEQ_NO")->text();
    QCOMPARE(no, QStringLiteral("27000009"));
    const QVariantList head = RunQueryRow(QStringLiteral("SELECT TS_PRICE, T_TAX, CASH_AMT, BILLBOOK_NO, BILLBOOK_HO, C_CODE,"
                                                         " ISSUE_DATE = CURRENT_DATE FROM VE010MS WHERE BILL_SEQ_NO = :P0"),
                                          {no});
    QCOMPARE(head.value(0).toLongLong(), qint64(19092));
    QCOMPARE(head.value(1).toLongLong(), qint64(1909));
    QCOMPARE(head.value(2).toLongLong(), qint64(21001));
    QCOMPARE(head.value(3).toString(), QStringLiteral("0001"));
    QCOMPARE(head.value(4).toString(), QStringLiteral("09"));
    QCOMPARE(head.value(5).toString(), QStringLiteral("0100000016"));
    QVERIFY(head.value(6).toBool());
    QCOMPARE(Db::scalar(QStringLiteral("SELECT string_agg(seq_no::text, ',' ORDER BY seq_no) FROM ve012dt WHERE bill_seq_no = :P0"),
                        {no}).toString(),
             QStringLiteral("1,3"));

    // read back: the same boxes filled
    s.click("bbtCancel");
    s.click("bbtSearch");
    QVERIFY(s.invoices()->locate(QStringLiteral("BILL_SEQ_NO"), no));
    QCOMPARE(s.value("nedTOTAL_1"), qint64(11000));
    QCOMPARE(s.value("nedTOTAL_2"), qint64(0));
    QCOMPARE(s.get("edtPRODUCT_NAME_2")->text(), QString());
    QCOMPARE(s.value("nedTOTAL_3"), qint64(10001));
    QCOMPARE(s.get("edtPRODUCT_NAME_3")->text(), QStringLiteral("조식"));

    // editing sets every line date to the invoice date's day
    s.click("bbtEdit");
    const QString mmdd = QDate::currentDate().toString(QStringLiteral("MMdd"));
    for (const char* box : {"edtDEF_DATE_1", "edtDEF_DATE_2", "edtDEF_DATE_5"})
        QCOMPARE(s.get(box)->text(), mmdd);
    s.click("bbtCancel");
}

void TestTax::typingOverSupplyKeepsTheTotals()
{
    Screen<TfrmVEI020> s;
    s.get<QDateEdit>("dtpTax_Sdate")->setDate(QDate(2026, 11, 1));
    s.get<QDateEdit>("dtpTax_Edate")->setDate(QDate(2026, 11, 30));
    s.click("bbtSearch");
    QVERIFY(s.invoices()->locate(QStringLiteral("BILL_SEQ_NO"), QStringLiteral("27000003")));
    s.click("bbtEdit");
    // 4,752,000 split as 4,320,000 + 432,000; the user types the supply over
    s.amount("nedSUP_PRICE_1", 4300000);
    QCOMPARE(s.value("nedTOTAL_1"), qint64(4732000));
    QCOMPARE(s.value("nedTOT_AMT"), qint64(4732000));
    QCOMPARE(s.value("nedTS_PRICE"), qint64(4300000));
    s.click("bbtSave");
    QCOMPARE(s.state(), int(MaintenanceCore::stBrowse));
    QCOMPARE(number(QStringLiteral("SELECT ts_price - (SELECT sum(sup_price) FROM ve012dt d WHERE d.bill_seq_no = h.bill_seq_no)"
                                   " FROM ve010ms h WHERE bill_seq_no = '27000003'")),
             qint64(0));
    QCOMPARE(number(QStringLiteral("SELECT ts_price + t_tax FROM ve010ms WHERE bill_seq_no = '27000003'")), qint64(4732000));
    // the database refuses totals that are not the lines' sums
    QVERIFY_THROWS_EXCEPTION(ServerError, ExecSql(QStringLiteral("UPDATE ve010ms SET ts_price = ts_price + 1, "
                                                                 "cash_amt = 0, chek_amt = 0, bill_amt = 0, misu_amt = 0"
                                                                 " WHERE bill_seq_no = '27000003'")));
}

void TestTax::lineWithTaxAloneIsKept()
{
    // a correction of tax alone on line 2
    ExecSql(QStringLiteral("BEGIN"));
    ExecSql(QStringLiteral("INSERT INTO ve010ms (bill_seq_no, c_code, c_num, c_name, boss_name, bill_type, bill_type_nm, "
                           "price_type, price_type_nm, tax_date, ts_price, t_tax) VALUES ('27900001', '0100000017', "
                           "'813-81-05152', '(주)스마트스테이', '오예약', '6', '매출(세금)', '2', '청구', DATE '2026-10-15', "
                           "50000, 5500)"));
    ExecSql(QStringLiteral("INSERT INTO ve012dt (bill_seq_no, seq_no, product_name, sup_price, tax) VALUES "
                           "('27900001', 1, '객실', 50000, 5000), ('27900001', 2, '세액 정정', 0, 500)"));
    ExecSql(QStringLiteral("COMMIT"));
    Screen<TfrmVEI020> s;
    s.get<QDateEdit>("dtpTax_Sdate")->setDate(QDate(2026, 10, 1));
    s.get<QDateEdit>("dtpTax_Edate")->setDate(QDate(2026, 10, 31));
    s.click("bbtSearch");
    QCOMPARE(s.value("nedTAX_2"), qint64(500));
    QCOMPARE(s.value("nedTOTAL_2"), qint64(500));
    QCOMPARE(s.get("edtPRODUCT_NAME_2")->text(), QStringLiteral("세액 정정"));
    s.click("bbtEdit");
    s.click("bbtSave");
    QCOMPARE(s.state(), int(MaintenanceCore::stBrowse));
    QCOMPARE(number(QStringLiteral("SELECT tax FROM ve012dt WHERE bill_seq_no = '27900001' AND seq_no = 2")), qint64(500));
    QCOMPARE(number(QStringLiteral("SELECT t_tax FROM ve010ms WHERE bill_seq_no = '27900001'")), qint64(5500));
}

void TestTax::customerCodeIsAValue()
{
    Screen<TfrmVEI020> s;
    s.get<QDateEdit>("dtpTax_Sdate")->setDate(QDate(2026, 11, 1));
    s.get<QDateEdit>("dtpTax_Edate")->setDate(QDate(2026, 12, 31));
    // F1 in the customer box opens its lookup
    s.get("edtSCust")->setFocus();
    QTest::keyClick(s.get("edtSCust"), Qt::Key_F1);
    QCOMPARE(m_dialogs->dialogsRun.size(), 1);
    s.get("edtSCust")->setText(QStringLiteral("x' OR '1'='1"));
    s.click("bbtSearch");
    QCOMPARE(s.invoices()->recordCount(), 0);
    s.click("bbtCancel");
    s.get("edtSCust")->setText(QStringLiteral("0100000016"));
    s.click("bbtSearch");
    QCOMPARE(s.invoices()->recordCount(),
             int(number(QStringLiteral("SELECT count(*) FROM ve010ms WHERE c_code = '0100000016' AND tax_date BETWEEN "
                                       "DATE '2026-11-01' AND DATE '2026-12-31'"))));
    QVERIFY(s.invoices()->recordCount() >= 2);
    // the report page lists the period's invoices with their sums
    QCOMPARE(s.reportArguments(), QStringLiteral("/rp  [2026-11-01] [2026-12-31] "));
    TaxListReport list(QStringLiteral("2026-11-01"), QStringLiteral("2026-12-31"));
    list.Prepare();
    QCOMPARE(list.data()->rowCount(),
             int(number(QStringLiteral("SELECT count(*) FROM ve010ms WHERE tax_date BETWEEN DATE '2026-11-01' AND "
                                       "DATE '2026-12-31'"))));
    const PrintPage& last = list.pageModel().pages.last();
    QCOMPARE(last.texts(QStringLiteral("qrlSumTS_PRICE")),
             QStringList{QLocale(QLocale::English).toString(
                 number(QStringLiteral("SELECT sum(ts_price) FROM ve010ms WHERE tax_date BETWEEN DATE '2026-11-01' AND "
                                       "DATE '2026-12-31'")))});
}

void TestTax::printNeedsASavedInvoice()
{
    Screen<TfrmVEI020> s;
    s.click("bbtSearch");
    s.click("bbtAdd");
    m_dialogs->clear();
    s.click("bbtPreview");
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("저장 후에 출력 하실수 있습니다.!"));
    QVERIFY(m_dialogs->dialogsRun.isEmpty());
    s.click("bbtCancel");
}

void TestTax::invoicePrintsTwoCopies()
{
    TfrmVEI021 layout(QStringLiteral("27000001"));
    layout.Prepare();
    QCOMPARE(layout.pageCount(), 1);
    const PrintPage& page = layout.pageModel().pages.first();
    QCOMPARE(page.texts(QStringLiteral("qrlC_NAME_1")), QStringList{QStringLiteral("(주)하나투어리스트")});
    QCOMPARE(page.texts(QStringLiteral("qrlC_NAME_2")), QStringList{QStringLiteral("(주)하나투어리스트")});
    // 7,200,000 has seven digits: three empty boxes before it
    QCOMPARE(page.texts(QStringLiteral("qrlGORAN_1")), QStringList{QStringLiteral("3")});
    QCOMPARE(page.texts(QStringLiteral("qrlTS_PRICE_2")), QStringList{QStringLiteral("7,200,000")});
    QCOMPARE(page.texts(QStringLiteral("qrlUNIT_PRICE1_1")), QStringList{QStringLiteral("165,000")});
    QCOMPARE(page.texts(QStringLiteral("qrlTOT_AMT_1")), QStringList{QStringLiteral("7,920,000")});
    QCOMPARE(page.texts(QStringLiteral("qrlSUPPLIER_BOSS_1")), QStringList{QStringLiteral("정한결")});
    const PrintItem* upper = page.find(QStringLiteral("qrlC_NAME_1"));
    const PrintItem* lower = page.find(QStringLiteral("qrlC_NAME_2"));
    QVERIFY(upper && lower);
    QCOMPARE(lower->rect.top() - upper->rect.top(), 148.5);
}

// --- the filing file ------------------------------------------------------------------------------

namespace {

const QByteArray kReg = "2208112345";

QByteArray headerRecord()
{
    return "7" + kReg + text(QStringLiteral("(주)탈바네리조트"), 30) + text(QStringLiteral("정한결"), 15)
           + text(QStringLiteral("서울 중구 세종대로 124 탈바네빌딩 9층"), 45) + text(QStringLiteral("서비스"), 17)
           + text(QStringLiteral("휴양콘도미니엄,관광숙박업"), 25) + "270101270331" + "270425" + spaces(9);
}

QByteArray salesSection()
{
    // ten syllables fill twenty of thirty bytes; 1,234,567 has seven digits
    const QByteArray a = "1" + kReg + "0001" + "1234567890" + Cp949::encode(QStringLiteral("가나다라마바사아자차")) + spaces(10)
                         + text(QStringLiteral("도매"), 17) + text(QStringLiteral("식자재"), 25) + "0000002" + "07"
                         + "00000001234567" + "0000000123456" + "0" + "0" + "9001" + "201" + spaces(28);
    const QByteArray b = "1" + kReg + "0002" + "4548193189" + text(QStringLiteral("(주)하나투어리스트"), 30)
                         + text(QStringLiteral("서비스"), 17) + text(QStringLiteral("여행알선"), 25) + "0000001" + "08"
                         + "00000000500000" + "0000000050000" + "0" + "0" + "9001" + "201" + spaces(28);
    // kind 6 with the resident-number sale (group C) added into group A
    const QByteArray t3 = "3" + kReg + "0000003" + "0000004" + "000000001754567" + "00000000175456" + "0000002"
                          + "0000003" + "000000001734567" + "00000000173456" + "0000001" + "0000001" + "000000000020000"
                          + "00000000002000" + spaces(30);
    const QByteArray t5 = "5" + kReg + "0000002" + "0000002" + "000000000070000" + "00000000007000" + "0000001"
                          + "0000001" + "000000000050000" + "00000000005000" + "0000001" + "0000001" + "000000000020000"
                          + "00000000002000" + spaces(30);
    return a + "\r\n" + b + "\r\n" + t3 + "\r\n" + t5 + "\r\n";
}

QByteArray purchaseSection()
{
    const QByteArray a = "2" + kReg + "0001" + "1234567890" + Cp949::encode(QStringLiteral("가나다라마바사아자차")) + spaces(10)
                         + text(QStringLiteral("도매"), 17) + text(QStringLiteral("식자재"), 25) + "0000001" + "09"
                         + "00000000070000" + "0000000000000" + "0" + "0" + "9501" + "201" + spaces(28);
    const QByteArray c = "2" + kReg + "0002" + "7188114701" + text(QStringLiteral("(주)대관령청정식품"), 30)
                         + text(QStringLiteral("도매"), 17) + text(QStringLiteral("농수산물,식자재"), 25) + "0000001"
                         + "08" + "00000000300000" + "0000000030000" + "0" + "0" + "9501" + "201" + spaces(28);
    const QByteArray t4 = "4" + kReg + "0000002" + "0000002" + "000000000370000" + "00000000030000" + "0000002"
                          + "0000002" + "000000000370000" + "00000000030000" + zeros(43) + spaces(30);
    const QByteArray t6 = "6" + kReg + "0000001" + "0000001" + "000000000008800" + "00000000000880" + "0000001"
                          + "0000001" + "000000000008800" + "00000000000880" + zeros(43) + spaces(30);
    return a + "\r\n" + c + "\r\n" + t4 + "\r\n" + t6 + "\r\n";
}

void setFilingScreen(Screen<TfrmVEI030>& s, const char* place)
{
    s.template get<QRadioButton>(place)->setChecked(true);
    s.get("medFromDate")->setText(QStringLiteral("20270101"));
    s.get("medToDate")->setText(QStringLiteral("20270331"));
    s.get("medWriteDate")->setText(QStringLiteral("20270425"));
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("(missing)");
    return f.readAll();
}

}  // namespace

void TestTax::filingFileIsByteExact()
{
    const QByteArray expected = headerRecord() + "\r\n" + salesSection() + purchaseSection();
    for (const QByteArray& line : expected.split('\n')) {
        if (!line.isEmpty())
            QCOMPARE(line.size(), 171);  // 170 bytes and the CR
    }
    Screen<TfrmVEI030> s;
    setFilingScreen(s, "rbPlace2");
    const QString path = m_dir.filePath(QStringLiteral("K2208112.345"));
    m_dialogs->fileNames << path;
    s.click("bbtAll");
    QCOMPARE(m_dialogs->askedFileNames, QStringList{QStringLiteral("K2208112.345")});
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("매출/매입 합계표(전산매체)의 파일출력이 종료되었습니다"));
    const QByteArray written = fileBytes(path);
    const QList<QByteArray> got = written.split('\n');
    const QList<QByteArray> want = expected.split('\n');
    QCOMPARE(got.size(), want.size());
    for (int i = 0; i < want.size(); ++i)
        QCOMPARE(got.at(i), want.at(i));
    QCOMPARE(written, expected);
}

void TestTax::sectionFilesAndTheirNames()
{
    Screen<TfrmVEI030> s;
    setFilingScreen(s, "rbPlace2");
    const QString sales = m_dir.filePath(QStringLiteral("sales.101"));
    const QString purchases = m_dir.filePath(QStringLiteral("purchases.101"));
    m_dialogs->fileNames << sales << purchases;
    s.click("bbtSales");
    s.click("bbtPurchases");
    QCOMPARE(m_dialogs->askedFileNames, (QStringList{QStringLiteral("K220811234520270425.101"),
                                                     QStringLiteral("K220811234520270425.101")}));
    QCOMPARE(fileBytes(sales), headerRecord() + "\r\n" + salesSection());
    QCOMPARE(fileBytes(purchases), headerRecord() + "\r\n" + purchaseSection());

    // a quarter with purchases only: no sales records at all
    s.get("medFromDate")->setText(QStringLiteral("20270211"));
    s.get("medToDate")->setText(QStringLiteral("20270212"));
    const Filing::Encoded only = s.encode(Filing::Both);
    QVERIFY2(only.ok(), qPrintable(only.error));
    const QList<QByteArray> records = only.bytes.split('\n');
    QCOMPARE(records.size(), 5);  // header, two details, type 4, and the empty rest
    QCOMPARE(records.at(1).left(1), QByteArray("2"));
    QCOMPARE(records.at(3).left(1), QByteArray("4"));
    // cancelling the dialog writes nothing
    const QString none = m_dir.filePath(QStringLiteral("K220811234520270425.101"));
    s.click("bbtSales");
    QVERIFY(!QFile::exists(none));
}

void TestTax::invalidDataWritesNothing()
{
    Screen<TfrmVEI030> s;
    setFilingScreen(s, "rbPlace4");
    const QString path = m_dir.filePath(QStringLiteral("hostel.101"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("earlier file");
    }
    m_dialogs->fileNames << path;
    s.click("bbtSales");
    QVERIFY2(m_dialogs->lastText().contains(QStringLiteral("매출 명세 1번째 (12-345-678)의 거래처 사업자번호")),
             qPrintable(m_dialogs->lastText()));
    QVERIFY(m_dialogs->lastText().contains(QStringLiteral("10자리 숫자가 아닙니다")));
    QVERIFY(m_dialogs->askedFileNames.isEmpty());
    QCOMPARE(fileBytes(path), QByteArray("earlier file"));

    // the checks of the records themselves
    Filing::Content c;
    c.place = Tax::PlaceOf(QStringLiteral("2"));
    c.from = QDate(2027, 1, 1);
    c.to = QDate(2027, 3, 31);
    c.writing = QDate(2027, 4, 25);
    c.sections = Filing::SalesOnly;
    Filing::Detail d;
    d.cNum = QStringLiteral("123-45-67890");
    d.name = QStringLiteral("가나다라마바사아자차카타파하거너");  // 15 syllables, 30 bytes
    d.volume = 1;
    d.supply = 1000;
    d.tax = 100;
    c.sales.details << d;
    c.sales.first = {1, 1, 1000, 100};
    QVERIFY2(Filing::Encode(c).ok(), qPrintable(Filing::Encode(c).error));
    // a name longer than its field is cut between characters, never inside one
    c.sales.details[0].name = QStringLiteral("A가나다라마바사아자차카타파하거너");
    Filing::Encoded cut = Filing::Encode(c);
    QVERIFY(cut.ok());
    QCOMPARE(cut.bytes.mid(172 + 25, 30), Cp949::encode(QStringLiteral("A가나다라마바사아자차카타파하")) + " ");
    c.sales.details[0].name = QStringLiteral("상호 ☃");
    QVERIFY(Filing::Encode(c).error.contains(QStringLiteral("거래처 상호")));
    c.sales.details[0].name = QStringLiteral("상호");
    c.sales.details[0].supply = -1000;
    c.sales.first.supply = -1000;
    QVERIFY(Filing::Encode(c).error.contains(QStringLiteral("공급가액")));
    c.sales.details[0].supply = 1000;
    c.sales.first.tax = 101;
    QVERIFY(Filing::Encode(c).error.contains(QStringLiteral("매출 합계 레코드가 명세의 합과 다릅니다")));
    c.sales.first.tax = 100;
    c.writing = QDate();
    QVERIFY(Filing::Encode(c).error.contains(QStringLiteral("작성일자")));
}

void TestTax::quarterDefaults_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("April") << QDate(2026, 4, 9) << QDate(2026, 1, 1) << QDate(2026, 3, 31);
    QTest::newRow("May") << QDate(2026, 5, 2) << QDate(2026, 4, 1) << QDate(2026, 6, 30);
    QTest::newRow("July") << QDate(2026, 7, 31) << QDate(2026, 4, 1) << QDate(2026, 6, 30);
    QTest::newRow("January") << QDate(2027, 1, 15) << QDate(2026, 10, 1) << QDate(2026, 12, 31);
}

void TestTax::quarterDefaults()
{
    QFETCH(QDate, today);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QCOMPARE(Tax::FilingQuarterStart(today), from);
    QCOMPARE(Tax::FilingQuarterEnd(today), to);
}

// --- books and summaries --------------------------------------------------------------------------

void TestTax::confirmedSlipReachesTheBook()
{
    // a sale to (주)하나투어리스트 at the head office, confirmed through the engine
    const QString slip = QStringLiteral("K2799001");
    const QString day = QStringLiteral("2027-02-10");
    TestDb::ownerExec(QStringLiteral(
        "INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, total_d_amt, total_c_amt, cr_emp_no, session_id, "
        "slip_kind, u_emp_no) VALUES (:P0, '1111', CAST(:P1 AS DATE), CAST(:P1 AS DATE), 1100000, 1100000, '2001', 28, 'K', "
        "'2001')"),
                      {slip, day});
    const struct {
        const char* acct;
        qint64 d;
        qint64 c;
    } lines[] = {{"1110430", 1100000, 0}, {"5110110", 0, 1000000}, {"2110530", 0, 100000}};
    for (int i = 0; i < 3; ++i)
        TestDb::ownerExec(QStringLiteral("INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount) "
                                         "VALUES (:P0, :P1, :P2, '단체 객실 2월분', :P3, :P4)"),
                          {slip, i, QLatin1String(lines[i].acct), lines[i].d, lines[i].c});
    const struct {
        int line;
        const char* code;
        const char* detail;
        const char* name;
    } values[] = {{0, "101", "0100000016", "(주)하나투어리스트"}, {0, "102", "454-81-93189", ""},
                  {1, "118", "2111", "프론트파트"},             {1, "101", "0100000016", "(주)하나투어리스트"},
                  {2, "154", "0100000016", "454-81-93189"},      {2, "155", "(주)하나투어리스트", ""},
                  {2, "110", "1,000,000", ""},                  {2, "124", "2027-02-10", ""}};
    int lineup[3] = {0, 0, 0};
    for (const auto& v : values)
        TestDb::ownerExec(QStringLiteral("INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, "
                                         "mg_detail_name, acct_code, d_amount, c_amount) SELECT :P0, :P1, :P2, :P3, :P4, :P5, "
                                         "acct_code, d_amount, c_amount FROM vb011ms WHERE slip_no = :P0 AND slip_seq_no = :P1"),
                          {slip, v.line, ++lineup[v.line], QLatin1String(v.code), QString::fromUtf8(v.detail),
                           QString::fromUtf8(v.name)});
    const QString answer = Books::journalize(QStringLiteral("1"), slip, day);
    QVERIFY2(answer.startsWith(QLatin1Char('T')), qPrintable(answer));

    Screen<TfrmVEI010> s;
    s.get<QDateEdit>("dtpFsDate")->setDate(QDate(2027, 1, 1));
    s.get<QDateEdit>("dtpEsDate")->setDate(QDate(2027, 3, 31));
    s.get<QRadioButton>("rbSales")->setChecked(true);
    s.get<QRadioButton>("rbPlace2")->setChecked(true);
    QCOMPARE(s.tabCaption(1), QStringLiteral("6:매출(세금)"));
    s.setActiveTab(1);
    s.click("bbtSearch");
    RecordSet* book = s.tabResult(1);
    // January: a's and b's kind 6 and b's kind 66; February: a's kind 6 and the slip
    QStringList order;
    for (int r = 0; r < book->recordCount(); ++r)
        order << (book->fieldAsString(r, QStringLiteral("SLIP_NO")).isEmpty() ? book->fieldAsString(r, QStringLiteral("ORD"))
                                                                             : book->fieldAsString(r, QStringLiteral("BILL_TYPE")));
    QCOMPARE(order, (QStringList{QStringLiteral("6"), QStringLiteral("6"), QStringLiteral("66"), QStringLiteral("20270199"),
                                 QStringLiteral("6"), QStringLiteral("6"), QStringLiteral("20270299"),
                                 QStringLiteral("6"), QStringLiteral("20270399"), QStringLiteral("99999999")}));
    const int slipRow = book->findRow(QStringLiteral("SLIP_NO"), {slip + QStringLiteral("-2")});
    QVERIFY(slipRow >= 0);
    QCOMPARE(book->value(slipRow, QStringLiteral("SUP_PRICE")).toLongLong(), qint64(1000000));
    QCOMPARE(book->value(slipRow, QStringLiteral("TAX")).toLongLong(), qint64(100000));
    const int last = book->recordCount() - 1;
    QCOMPARE(book->value(last, QStringLiteral("SUP_PRICE")).toLongLong(), qint64(1234467 + 100 + 500000 + 50000 + 999 + 1000000));
    QCOMPARE(book->fieldAsString(last, QStringLiteral("SUMMARY")), QStringLiteral("[ 총 합 계 - 매수:6 ]"));
    QCOMPARE(s.RecordCount, book->recordCount());

    // a kind without rows shows nothing, not a lone total
    s.setActiveTab(0);
    QCOMPARE(s.tabResult(0)->recordCount(), 0);
    QCOMPARE(s.RecordCount, 0);

    // the print of the kind tab carries the place and the tab
    s.setActiveTab(1);
    const std::unique_ptr<TfrmZZP010> print = s.buildReport();
    QCOMPARE(print->qrlCondition->text, QStringLiteral("(2027-01-01 ~ 2027-03-31)   (본    사) 6:매출(세금)"));
    QCOMPARE(print->data()->rowCount(), book->recordCount());

    // cancelling the confirmation takes the row out of the books
    QVERIFY(Books::journalize(QStringLiteral("2"), slip, day).startsWith(QLatin1Char('T')));
    s.click("bbtCancel");
    s.click("bbtSearch");
    QCOMPARE(s.tabResult(1)->findRow(QStringLiteral("SLIP_NO"), {slip + QStringLiteral("-2")}), -1);
}

// The rows of one slip as the books hold them: line, kind, place, supply, tax, total.
QStringList taxRowsOf(const QString& slip)
{
    QStringList out;
    QSqlQuery q = Db::run(QStringLiteral("SELECT slip_seq_no || ' ' || bill_type || ' ' || company || ' ' || sup_price || ' ' "
                                         "|| tax || ' ' || total_price || ' ' || coalesce(c_num, '-') FROM vb040ms "
                                         "WHERE slip_no = :P0 ORDER BY slip_seq_no"),
                          {slip});
    while (q.next())
        out << q.value(0).toString();
    return out;
}

void TestTax::invoiceKindAndPlaceItemsShapeTheRows()
{
    // one slip of the head office: a tax-free rent of 은빛마루 on the revenue
    // line itself (kind 5, place 3), a sale and a card purchase whose VAT
    // lines name no kind and no place
    const QString slip = QStringLiteral("K2799002");
    const QString day = QStringLiteral("2027-02-15");
    TestDb::ownerExec(QStringLiteral(
        "INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, total_d_amt, total_c_amt, cr_emp_no, session_id, "
        "slip_kind, u_emp_no) VALUES (:P0, '1121', CAST(:P1 AS DATE), CAST(:P1 AS DATE), 2260000, 2260000, '2001', 28, 'K', "
        "'2001')"),
                      {slip, day});
    const struct {
        const char* acct;
        qint64 d;
        qint64 c;
        QList<std::pair<const char*, const char*>> items;
    } lines[] = {
        {"1110120", 1600000, 0, {{"103", "0300000005"}, {"104", "351-0987-6543-21"}}},
        {"9110310", 0, 500000,
         {{"141", "1121"}, {"154", "0100000024"}, {"110", "500,000"}, {"124", "2027-02-15"}, {"111", "5"}, {"112", "3"}}},
        {"5110110", 0, 1000000, {{"118", "2111"}}},
        {"2110530", 0, 100000, {{"154", "0100000016"}, {"110", "1,000,000"}, {"124", "2027-02-15"}}},
        {"7130210", 600000, 0, {{"118", "2112"}, {"501", "02"}}},
        {"1111220", 60000, 0, {{"154", "0100000014"}, {"110", "600,000"}, {"124", "2027-02-15"}}},
        {"2110330", 0, 660000, {{"105", "0400000031"}}},
    };
    int seq = 0;
    for (const auto& l : lines) {
        TestDb::ownerExec(QStringLiteral("INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount) "
                                         "VALUES (:P0, :P1, :P2, '은빛마루 2월 임대료 외', :P3, :P4)"),
                          {slip, seq, QLatin1String(l.acct), l.d, l.c});
        int lineup = 0;
        for (const auto& [code, detail] : l.items)
            TestDb::ownerExec(QStringLiteral("INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, "
                                             "acct_code, d_amount, c_amount) VALUES (:P0, :P1, :P2, :P3, :P4, :P5, :P6, :P7)"),
                              {slip, seq, ++lineup, QLatin1String(code), QLatin1String(detail), QLatin1String(l.acct), l.d,
                               l.c});
        ++seq;
    }
    QVERIFY(taxRowsOf(slip).isEmpty());
    const QString answer = Books::journalize(QStringLiteral("1"), slip, day);
    QVERIFY2(answer.startsWith(QLatin1Char('T')), qPrintable(answer));

    // kind 5 carries no tax and its supply is the item's; the VAT lines keep
    // their kinds by side and their place by the head-office department
    const QStringList posted = taxRowsOf(slip);
    QCOMPARE(posted, (QStringList{QStringLiteral("1 5 3 500000 0 500000 175-81-73937"),
                                  QStringLiteral("3 6 2 1000000 100000 1100000 454-81-93189"),
                                  QStringLiteral("5 2 2 600000 60000 660000 749-81-84986")}));

    // the rebuild derives the same rows from the lines (the check compares
    // the two; the fixture's rows of this binary have no lines behind them)
    const QString differing = QStringLiteral("SELECT count(*) FROM pk_v_post.check_books() "
                                             "WHERE table_name <> 'VB040MS' OR row_key LIKE :P0 || '/%'");
    QCOMPARE(number(differing, {slip}), 0);
    QCOMPARE(number(QStringLiteral("SELECT count(*) FROM pk_v_post.tax_rows WHERE slip_no = :P0 AND bill_type = '5' "
                                   "AND company = '3' AND tax = 0 AND sup_price = 500000"),
                    {slip}),
             1);

    // cancelling takes every row of the slip out
    const QString cancelled = Books::journalize(QStringLiteral("2"), slip, day);
    QVERIFY2(cancelled.startsWith(QLatin1Char('T')), qPrintable(cancelled));
    QVERIFY(taxRowsOf(slip).isEmpty());
    QCOMPARE(number(differing, {slip}), 0);
}

void TestTax::summaryTabCountsANumberOnce()
{
    Screen<TfrmVEI010> s;
    s.get<QDateEdit>("dtpFsDate")->setDate(QDate(2027, 1, 1));
    s.get<QDateEdit>("dtpEsDate")->setDate(QDate(2027, 3, 31));
    s.get<QRadioButton>("rbSales")->setChecked(true);
    s.get<QRadioButton>("rbPlace2")->setChecked(true);
    s.setActiveTab(5);
    QCOMPARE(s.tabCaption(5), QStringLiteral("매출합계표"));
    s.click("bbtSearch");
    RecordSet* sum = s.tabResult(5);
    const int a = sum->findRow(QStringLiteral("C_NUM"), {QStringLiteral("123-45-67890")});
    QVERIFY(a >= 0);
    // two customers share the number: one row, counted once, the first customer's name
    QCOMPARE(sum->fieldAsString(a, QStringLiteral("C_NAME")), QStringLiteral("가나다라마바사아자차"));
    QCOMPARE(sum->value(a, QStringLiteral("SUP_PRICE")).toLongLong(), qint64(1234567));
    QCOMPARE(sum->value(a, QStringLiteral("VOLUME")).toLongLong(), qint64(2));
    // kind 66 counts on the summary
    const int b = sum->findRow(QStringLiteral("C_NUM"), {QStringLiteral("454-81-93189")});
    QCOMPARE(sum->value(b, QStringLiteral("SUP_PRICE")).toLongLong(), qint64(550000));
    const std::unique_ptr<TfrmZZP010> print = s.buildReport();
    QCOMPARE(print->qrlTitle->text, QStringLiteral("매출처별 세금계산서 합  계  표"));
    // purchases: the fifth tab is back
    s.click("bbtCancel");
    s.get<QRadioButton>("rbPurchase")->setChecked(true);
    QCOMPARE(s.tabCaption(4), QStringLiteral("9:매입(기타)"));
    QVERIFY(s.findChild<QTabWidget*>(QStringLiteral("pgcMain"))->isTabVisible(4));
}

void TestTax::summaryTablesCountKnownCustomers()
{
    // operations headquarters, March 2027: invoices without tax
    const QString one = QStringLiteral("1");
    taxRow(QStringLiteral("2027-03-10"), QStringLiteral("454-81-93189"), QStringLiteral("5"), one, 100000, 0, 2);
    taxRow(QStringLiteral("2027-03-11"), QStringLiteral("123-45-67890"), QStringLiteral("55"), one, 30000, 0);
    taxRow(QStringLiteral("2027-03-12"), QStringLiteral("999-00-00001"), QStringLiteral("5"), one, 7000, 0);
    taxRow(QStringLiteral("2027-03-13"), QStringLiteral("123-45-67890"), QStringLiteral("7"), one, 5000, 0);
    taxRow(QStringLiteral("2027-03-14"), QStringLiteral("718-81-14701"), QStringLiteral("1"), one, 40000, 0);
    taxRow(QStringLiteral("2027-03-15"), QStringLiteral("718-81-14701"), QStringLiteral("11"), one, 2000, 0);
    taxRow(QStringLiteral("2027-03-16"), QStringLiteral("718-81-14701"), QStringLiteral("2"), one, 900000, 90000);

    Screen<TfrmVEI040> s;
    s.get<QDateEdit>("dtpFsDate")->setDate(QDate(2027, 3, 1));
    s.get<QDateEdit>("dtpEsDate")->setDate(QDate(2027, 3, 31));
    s.get<QRadioButton>("rbPlace1")->setChecked(true);
    s.click("bbtSearch");
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("해당년을 입력하세요"));
    QCOMPARE(s.state(), int(MaintenanceCore::stNone));
    s.get("Edit_Year")->setText(QStringLiteral("2027"));
    s.get("Edit_Gi")->setText(QStringLiteral("1"));
    s.click("bbtSearch");
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("작성일자를 입력하세요"));
    s.get("medt_FSlipDate_Jasung")->setText(QStringLiteral("20270410"));
    s.click("bbtSearch");
    RecordSet* sales = s.list(true);
    // the unknown number is listed, in number order
    QCOMPARE(sales->recordCount(), 3);
    QCOMPARE(sales->fieldAsString(0, QStringLiteral("C_NUM")), QStringLiteral("123-45-67890"));
    QCOMPARE(sales->fieldAsString(2, QStringLiteral("C_NUM")), QStringLiteral("999-00-00001"));
    const SummaryFormData data = s.formData();
    QCOMPARE(data.totals.size(), 3);
    // registration numbers known as customers only; the total takes kind 7 too
    QCOMPARE(data.totals[1].count, qint64(2));
    QCOMPARE(data.totals[1].volume, qint64(3));
    QCOMPARE(data.totals[1].amount, qint64(130000));
    QCOMPARE(data.totals[2].count, qint64(1));
    QCOMPARE(data.totals[2].amount, qint64(5000));
    QCOMPARE(data.totals[0].amount, qint64(135000));
    QCOMPARE(data.totals[0].volume, qint64(4));
    QCOMPARE(s.get("edtAmountS1")->text(), QStringLiteral("135,000"));

    s.setSalesTab(false);
    QCOMPARE(s.list(false)->recordCount(), 1);
    QCOMPARE(s.list(false)->value(0, QStringLiteral("SUP_PRICE")).toLongLong(), qint64(42000));
    QCOMPARE(s.get("edtAmountP1")->text(), QStringLiteral("42,000"));
    const std::unique_ptr<TfrmSummaryForm> form = s.buildForm();
    const PrintPage& page = form->pageModel().pages.first();
    QCOMPARE(page.texts(QStringLiteral("qrlFormTitle")), QStringList{QStringLiteral("매입처별 계산서 합계표(갑)")});
    QCOMPARE(page.texts(QStringLiteral("qrlSubmitter4")),
             QStringList{QStringLiteral("2027년 03월 01일    ~   2027년 03월 31일 ")});
    QCOMPARE(page.texts(QStringLiteral("qrlTotalAmount0")), QStringList{QStringLiteral("42,000원")});
    s.click("bbtCancel");
    QCOMPARE(s.get("medt_FSlipDate_Jasung")->text().remove(QLatin1Char('/')).trimmed(), QString());
}

void TestTax::officialFormRowCounts_data()
{
    QTest::addColumn<bool>("sales");
    QTest::addColumn<int>("counterparts");
    QTest::addColumn<int>("firstSheet");
    QTest::addColumn<int>("continuation");
    QTest::newRow("23 customers") << true << 23 << 30 << 0;
    QTest::newRow("20 customers") << true << 20 << 20 << 0;
    QTest::newRow("no customer") << true << 0 << 10 << 0;
    QTest::newRow("12 suppliers") << false << 12 << 10 << 16;
    QTest::newRow("10 suppliers") << false << 10 << 10 << 0;
    QTest::newRow("26 suppliers") << false << 26 << 10 << 16;
    QTest::newRow("27 suppliers") << false << 27 << 10 << 32;
}

void TestTax::officialFormRowCounts()
{
    QFETCH(bool, sales);
    QFETCH(int, counterparts);
    QFETCH(int, firstSheet);
    QFETCH(int, continuation);
    SummaryFormData data;
    data.place = Tax::PlaceOf(QStringLiteral("1"));
    data.year = QStringLiteral("2027");
    data.period = QStringLiteral("1");
    data.from = QDate(2027, 1, 1);
    data.to = QDate(2027, 3, 31);
    data.totals << SummaryFormData::Total{QStringLiteral("합     계"), counterparts, counterparts, 1000};
    for (int i = 0; i < counterparts; ++i)
        data.counterparts << SummaryFormData::Counterpart{QStringLiteral("100-00-%1").arg(i, 5, 10, QLatin1Char('0')),
                                                          QStringLiteral("거래처 %1").arg(i + 1), 1, 1000};
    if (sales) {
        TfrmVEI041 form(data);
        form.Prepare();
        QCOMPARE(form.listRows(), firstSheet);
        return;
    }
    TfrmVEI043 form(data);
    form.Prepare();
    QCOMPARE(form.listRows(QStringLiteral("1")), firstSheet);
    QCOMPARE(form.listRows(QStringLiteral("2")), continuation);
    QStringList titles;
    for (const PrintPage& page : form.pageModel().pages)
        titles << page.texts(QStringLiteral("qrlFormTitle")) << page.texts(QStringLiteral("qrlContinuedTitle"));
    QCOMPARE(titles.first(), QStringLiteral("매입처별 계산서 합계표(갑)"));
    QCOMPARE(titles.count(QStringLiteral("매입처별 계산서 합계표(을)")) > 0, continuation > 0);
    if (continuation > 0) {
        // numbered on from 11 on the continuation
        const PrintPage& second = form.pageModel().pages.at(1);
        QCOMPARE(second.texts(QStringLiteral("qrlNO")).first(), QStringLiteral("11"));
    }
}

void TestTax::reconciliationKeepsUnknownCustomers()
{
    // May 2027: the register against the confirmed sales of the operations headquarters
    ExecSql(QStringLiteral("BEGIN"));
    const struct {
        const char* no;
        const char* cNum;
        qint64 supply;
    } issued[] = {{"28900001", "454-81-93189", 100000}, {"28900002", "718-81-14701", 200000},
                  {"28900003", "555-55-55555", 300000}};
    for (const auto& i : issued) {
        ExecSql(QStringLiteral("INSERT INTO ve010ms (bill_seq_no, c_num, c_name, bill_type, price_type, tax_date, ts_price, "
                               "t_tax) VALUES (:P0, :P1, '발행처', '6', '2', DATE '2027-05-10', :P2, :P3)"),
                {QLatin1String(i.no), QLatin1String(i.cNum), i.supply, i.supply / 10});
        ExecSql(QStringLiteral("INSERT INTO ve012dt (bill_seq_no, seq_no, sup_price, tax) VALUES (:P0, 1, :P1, :P2)"),
                {QLatin1String(i.no), i.supply, i.supply / 10});
    }
    ExecSql(QStringLiteral("COMMIT"));
    const QString one = QStringLiteral("1");
    taxRow(QStringLiteral("2027-05-11"), QStringLiteral("454-81-93189"), QStringLiteral("6"), one, 100000, 10000);
    taxRow(QStringLiteral("2027-05-12"), QStringLiteral("718-81-14701"), QStringLiteral("66"), one, 190000, 19000);

    Screen<TfrmVEI050> s;
    s.get<QDateEdit>("dtpEsDate")->setDate(QDate(2027, 5, 31));
    s.get<QDateEdit>("dtpFsDate")->setDate(QDate(2027, 5, 1));
    s.click("bbtSearch");
    RecordSet* rows = s.resultSet();
    QCOMPARE(rows->recordCount(), 4);
    const int unknown = rows->findRow(QStringLiteral("C_NUM"), {QStringLiteral("555-55-55555")});
    QVERIFY(unknown >= 0);
    QCOMPARE(rows->fieldAsString(unknown, QStringLiteral("C_NAME")), QStringLiteral("발행처"));
    // the total row is the sum of the rows above it
    const int total = rows->recordCount() - 1;
    QCOMPARE(rows->fieldAsString(total, QStringLiteral("C_NUM")), QStringLiteral("[ 합 계 ]"));
    for (const char* f : {"VOLUME", "SUP_PRICE", "TAX", "SUP_PRICE1", "SUP_C"}) {
        qint64 sum = 0;
        for (int r = 0; r < total; ++r)
            sum += rows->value(r, QLatin1String(f)).toLongLong();
        QCOMPARE(rows->value(total, QLatin1String(f)).toLongLong(), sum);
    }
    QCOMPARE(rows->value(total, QStringLiteral("SUP_PRICE")).toLongLong(), qint64(600000));

    // differences only: any of the three differing is enough
    s.get<QCheckBox>("chkDiff")->setChecked(true);
    s.click("bbtSearch");
    QStringList listed;
    for (int r = 0; r < rows->recordCount(); ++r)
        listed << rows->fieldAsString(r, QStringLiteral("C_NUM"));
    QCOMPARE(listed, (QStringList{QStringLiteral("555-55-55555"), QStringLiteral("718-81-14701"), QStringLiteral("[ 합 계 ]")}));
    // moving "from" past "to" moves "to" along
    s.get<QDateEdit>("dtpFsDate")->setDate(QDate(2027, 6, 5));
    QCOMPARE(s.get<QDateEdit>("dtpEsDate")->date(), QDate(2027, 6, 5));
}

void TestTax::registerListOpensTheInvoice()
{
    Session::empNo = QStringLiteral("1001");
    TfrmV0Main main;
    main.resize(1024, 768);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.OpenProgram(QStringLiteral("VEI025"), QStringLiteral("VEI025"));
    auto* list = qobject_cast<TfrmVEI025*>(main.screenOf(QStringLiteral("VEI025")));
    QVERIFY(list);
    list->findChild<QDateEdit*>(QStringLiteral("dtpFsDate"))->setDate(QDate(2026, 11, 1));
    list->findChild<QDateEdit*>(QStringLiteral("dtpEsDate"))->setDate(QDate(2026, 12, 31));
    list->bbtSearchClick();
    RecordSet* rows = list->resultSet();
    QCOMPARE(rows->recordCount(), int(number(QStringLiteral("SELECT count(*) FROM ve010ms WHERE tax_date BETWEEN "
                                                             "DATE '2026-11-01' AND DATE '2026-12-31'"))));
    const qint64 supply = number(QStringLiteral("SELECT sum(ts_price) FROM ve010ms WHERE tax_date BETWEEN DATE '2026-11-01' "
                                                "AND DATE '2026-12-31'"));
    QCOMPARE(list->resultGrid()->footerText(QStringLiteral("TS_PRICE")), QLocale(QLocale::English).toString(supply));
    auto* kinds = list->findChild<QComboBox*>(QStringLiteral("cbxBillType"));
    kinds->setCurrentIndex(kinds->findData(QStringLiteral("5")));
    list->bbtSearchClick();
    QCOMPARE(rows->recordCount(), 1);
    QCOMPARE(rows->fieldAsString(0, QStringLiteral("BILL_SEQ_NO")), QStringLiteral("27000007"));
    list->openInvoiceOfRow(0);
    auto* entry = qobject_cast<TfrmVEI020*>(main.screenOf(QStringLiteral("VEI020")));
    QVERIFY(entry);
    QCOMPARE(entry->invoices()->fieldAsString(QStringLiteral("BILL_SEQ_NO")), QStringLiteral("27000007"));
    QCOMPARE(entry->findChild<QLineEdit*>(QStringLiteral("edtC_NAME"))->text(), QStringLiteral("(주)한길정보기술"));
    QVERIFY(HandOver::HandBillSeqNo.isEmpty());
    Session::empNo = QStringLiteral("2003");
}

TV_TEST_MAIN(TestTax)
#include "tst_tax.moc"

// The sales book's summary tab and the filing file's sales totals over one
// quarter and place both equal a plain sum of the tax-invoice rows.
void TestTax::bookAndFilingFileAgree()
{
    // the file leaves out the anonymous number 888-88-88888, the book does not
    const auto sums = [](const QString& kinds, bool named) {
        const QString where = QStringLiteral(
            " FROM vb040ms WHERE conf_date BETWEEN '2027-01-01' AND '2027-03-31' AND company = '2' "
            "AND (NOT :P1 OR c_num <> '888-88-88888') AND bill_type = ANY (string_to_array(:P0, ','))");
        return std::pair{number(QStringLiteral("SELECT coalesce(sum(sup_price), 0)") + where, {kinds, named}),
                         number(QStringLiteral("SELECT coalesce(sum(tax), 0)") + where, {kinds, named})};
    };

    Screen<TfrmVEI010> book;
    book.get<QDateEdit>("dtpFsDate")->setDate(QDate(2027, 1, 1));
    book.get<QDateEdit>("dtpEsDate")->setDate(QDate(2027, 3, 31));
    book.get<QRadioButton>("rbSales")->setChecked(true);
    book.get<QRadioButton>("rbPlace2")->setChecked(true);
    const int summary = 5;
    book.setActiveTab(summary);
    book.click("bbtSearch");
    RecordSet* rows = book.tabResult(summary);
    qint64 supply = 0, tax = 0;
    for (int r = 0; r < rows->recordCount(); ++r) {
        supply += rows->value(r, QStringLiteral("SUP_PRICE")).toLongLong();
        tax += rows->value(r, QStringLiteral("TAX")).toLongLong();
    }
    QVERIFY(supply > 0);
    QCOMPARE((std::pair{supply, tax}), sums(QStringLiteral("6,8,66"), false));

    Screen<TfrmVEI030> filing;
    setFilingScreen(filing, "rbPlace2");
    const Filing::Encoded file = filing.encode(Filing::Both);
    QVERIFY2(file.ok(), qPrintable(file.error));
    QByteArray totals;
    for (const QByteArray& record : file.bytes.split('\n')) {
        if (record.startsWith('3'))
            totals = record;
    }
    QVERIFY(!totals.isEmpty());
    // the sales totals record (kind 6 and the resident-number sales of kind 7): type, registration
    // number, customers, sheets, supply (15), tax (14)
    QCOMPARE((std::pair{totals.mid(25, 15).toLongLong(), totals.mid(40, 14).toLongLong()}),
             sums(QStringLiteral("6,7"), true));
}
