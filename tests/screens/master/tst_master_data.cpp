// The master-data screens: customers with their numbering, business-number
// check, print and export; departments and their chart; user authority
// periods; statement layouts and items; operating income/expense codes with
// their classification picker and the spreadsheet import from .xls and
// .xlsx files written by a real spreadsheet program.
#include "common/Db.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/SheetImport.h"
#include "common/TextUtil.h"
#include "common/Transaction.h"
#include "common/XlsExport.h"
#include "framework/print/ReportViewer.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/master/MasterCommon.h"
#include "screens/master/VAI005.h"
#include "screens/master/VAI010.h"
#include "screens/master/VAI024.h"
#include "screens/master/VAI025.h"
#include "screens/master/VAI050.h"
#include "screens/master/VAI060.h"
#include "screens/master/VAI070.h"
#include "screens/master/VAI080.h"
#include "screens/master/VAS005.h"
#include "shell/ErrorDlg.h"
#include "support/PdfTools.h"
#include "support/ScreenProbe.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include "support/XlsReadBack.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlError>
#include <QTemporaryDir>
#include <atomic>
#include <thread>

namespace {

const QString kReferenced = QStringLiteral("자료를 수정하거나 삭제할 수 없습니다.\n이 자료를 참조하고 있는 자료가 있습니다.");

template <typename Base>
using Probe = ScreenProbe<Base>;

QVariant dbValue(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params);
}

int dbCount(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toInt();
}

// A business number that passes the check: nine digits and their check digit.
QString validBizNo(const QString& nine)
{
    for (int d = 0; d <= 9; ++d)
        if (CheckBizRegNo(nine + QString::number(d)))
            return nine + QString::number(d);
    return QString();
}

// The operating-code sheet as users keep it: a title row, then code,
// level parts and names in the columns the import reads.
struct SheetRow {
    QVariant code;  // text, or a number as a spreadsheet stores it
    QStringList parts;
    QString shortName, name;
};

}  // namespace

Q_DECLARE_METATYPE(SheetRow)

class TestMasterData : public QObject {
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

    void customerNumberFromTheDatabase();
    void customerNumbersUnderConcurrency();
    void businessNumberCheck_data();
    void businessNumberCheck();
    void customerSearchRule_data();
    void customerSearchRule();
    void customerSaveAndDuplicateNumber();
    void customerKeyAndDeleteGuardedBySlips();
    void customerPrintAndExport();
    void customerEditNeedsAuthority();

    void departmentOrderAndKeyChange();
    void departmentInUseRefused();
    void departmentChart();

    void authorityKeepsEveryPeriod();
    void authorityInputRefusals_data();
    void authorityInputRefusals();
    void authorityOverlapRefusedByDatabase();
    void authorityNewEmployeeAndDelete();

    void layoutLineWithAccounts();
    void statementItemsAndAccounts();

    void operatingCodeSaveAndSearch();
    void classificationPicker();
    void classificationListDeletesTheRow();

    void sheetReaderReadsBothKinds();
    void importFromBothKinds();
    void demoSheetsImport();
    void importRefusals_data();
    void importRefusals();
    void importCancelledAndNotASpreadsheet();

private:
    // Answers the error dialog, keeping its text.
    void catchErrorDialog(QString* text)
    {
        m_dialogs->onDialog = [text](QDialog* d) {
            if (auto* error = dynamic_cast<TFrmError*>(d))
                *text = error->messageText();
            return int(QDialog::Accepted);
        };
    }
    // Writes the rows as a sheet and lets LibreOffice save it as .xls and
    // .xlsx; returns the two paths.
    QStringList writeSheet(const QString& name, const QList<SheetRow>& rows);

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QTemporaryDir m_dir;
};

void TestMasterData::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_db = std::make_unique<TestDatabase>();
}

// --- customers -------------------------------------------------------------------------------

void TestMasterData::customerNumberFromTheDatabase()
{
    // Across every kind: the largest number part plus one.
    const QString expected = dbValue(QStringLiteral("SELECT lpad((max(substr(c_code, 3, 8))::bigint + 1)::text, 8, '0') FROM va050ms")).toString();
    Probe<TfrmVAI050> s;
    s.showActive();
    s.type(QStringLiteral("edtFCCode"), QStringLiteral("no such customer"));
    s.click(QStringLiteral("bbtSearch"));
    s.click(QStringLiteral("bbtAdd"));
    QCOMPARE(s.edit(QStringLiteral("edtCCode"))->text(), expected);
    QCOMPARE(s.edit(QStringLiteral("edtNaCode"))->text(), QStringLiteral("KR"));
    QCOMPARE(s.edit(QStringLiteral("edtAreaName"))->text(), QStringLiteral("탈바네"));
    // A second workstation asking now gets the next number.
    Probe<TfrmVAI050> other;
    other.showActive();
    other.click(QStringLiteral("bbtSearch"));
    other.click(QStringLiteral("bbtAdd"));
    QCOMPARE(other.edit(QStringLiteral("edtCCode"))->text().toLongLong(), expected.toLongLong() + 1);
    other.click(QStringLiteral("bbtCancel"));
    s.click(QStringLiteral("bbtCancel"));
}

void TestMasterData::customerNumbersUnderConcurrency()
{
    // Workstation A takes a number inside its open transaction; B asks at
    // the same moment and waits for A, then gets the following number.
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    const qint64 first = RunQueryRow(QStringLiteral("SELECT pk_v_numbering.next_customer_no()")).value(0).toLongLong();
    std::atomic<qint64> second{-1};
    std::atomic<bool> done{false};
    QString failure;
    const QString database = m_db->name();
    std::thread b([&] {
        {
            QSqlDatabase db = TestDb::openConnection(QStringLiteral("workstationB"), database);
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT pk_v_numbering.next_customer_no()")) && q.next())
                second = q.value(0).toLongLong();
            else
                failure = q.lastError().text();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("workstationB"));
        done = true;
    });
    QTest::qWait(500);
    const bool waited = !done;
    tx.commit();
    b.join();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(waited);
    QCOMPARE(second.load(), first + 1);
}

void TestMasterData::businessNumberCheck_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("check digit right") << "1234567891" << true;
    QTest::newRow("check digit wrong") << "1234567890" << false;
    QTest::newRow("nine digits") << "123456789" << false;
    QTest::newRow("demo bank") << "2478126442" << true;
    QTest::newRow("one digit changed") << "2478126443" << false;
}

void TestMasterData::businessNumberCheck()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    Probe<TfrmVAI050> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    s.click(QStringLiteral("bbtAdd"));
    s.type(QStringLiteral("edtCNum"), typed);
    s.leave(QStringLiteral("edtCNum"), QStringLiteral("edtRepPhone"));
    if (accepted) {
        QVERIFY(m_dialogs->shown.isEmpty());
        QCOMPARE(MasterUi::DigitsOf(s.edit(QStringLiteral("edtCNum"))->text()), typed);
    } else {
        QCOMPARE(m_dialogs->lastText(), QStringLiteral("사업자 번호가 바르지 않습니다. 확인하시고 입력하여 주세요."));
        QVERIFY(MasterUi::DigitsOf(s.edit(QStringLiteral("edtCNum"))->text()).isEmpty());
    }
    s.click(QStringLiteral("bbtCancel"));
}

void TestMasterData::customerSearchRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("where");
    QTest::newRow("digits: code prefix") << "0100" << "" << "c_code LIKE '0100%'";
    QTest::newRow("letters: name part") << "0100a" << "" << "c_name LIKE '%0100a%'";
    QTest::newRow("name") << "은행" << "" << "c_name LIKE '%은행%'";
    QTest::newRow("name and kind") << "은행" << "03" << "c_name LIKE '%은행%' AND c_kind = '03'";
    QTest::newRow("quote is bound") << "O'Brien" << "" << "c_name LIKE '%O''Brien%'";
    QTest::newRow("everything") << "" << "" << "true";
}

void TestMasterData::customerSearchRule()
{
    QFETCH(QString, text);
    QFETCH(QString, kind);
    QFETCH(QString, where);
    // A customer whose area is no code of its group is still listed.
    TestDb::ownerExec(QStringLiteral("UPDATE va050ms SET local_init = '00' WHERE c_code = '0100000029'"));
    Probe<TfrmVAI050> s;
    s.showActive();
    s.type(QStringLiteral("edtFCCode"), text);
    s.type(QStringLiteral("edtFCType"), kind);
    s.click(QStringLiteral("bbtSearch"));
    QCOMPARE(s.RecordCount, dbCount(QStringLiteral("SELECT count(*) FROM va050ms WHERE ") + where));
    TestDb::ownerExec(QStringLiteral("UPDATE va050ms SET local_init = '99' WHERE c_code = '0100000029'"));
}

void TestMasterData::customerSaveAndDuplicateNumber()
{
    const QString biz = validBizNo(QStringLiteral("220816251"));
    QVERIFY(!biz.isEmpty());
    Probe<TfrmVAI050> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    s.click(QStringLiteral("bbtAdd"));
    const QString number = s.edit(QStringLiteral("edtCCode"))->text();

    // Required fields first, in order.
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("거래처구분은 반드시 입력하여야 합니다!"));
    s.type(QStringLiteral("edtCKind"), QStringLiteral("01"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("거래처명은 반드시 입력하여야 합니다!"));
    s.type(QStringLiteral("edtCName"), QStringLiteral("(주)한마음상사"));
    // A number another customer holds stops the save.
    s.type(QStringLiteral("edtCNum"), QStringLiteral("2478126442"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("입력하신 사업자 번호는 거래처코드 [0300000001]에 국민은행로 등록이 되어있습니다. 확인하세요.!"));
    QCOMPARE(s.State, 3);

    s.type(QStringLiteral("edtCNum"), biz);
    s.type(QStringLiteral("medPubNo"), QStringLiteral("1101111234567"));
    s.get<QRadioButton>(QStringLiteral("rdoDeal3"))->setChecked(true);
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(s.State, 1);
    const QString code = QStringLiteral("01") + number;
    QCOMPARE(dbValue(QStringLiteral("SELECT c_num || '/' || soc_id || '/' || deal_type || '/' || use_yn FROM va050ms WHERE c_code = :P0"), {code})
                 .toString(),
             biz.left(3) + QLatin1Char('-') + biz.mid(3, 2) + QLatin1Char('-') + biz.mid(5) + QStringLiteral("/1101111234567/3/Y"));
    // The resident number is kept as its 13 digits, whatever way it comes.
    ExecSql(QStringLiteral("UPDATE va050ms SET soc_id = '110111-1234568' WHERE c_code = :P0"), {code});
    QCOMPARE(dbValue(QStringLiteral("SELECT soc_id FROM va050ms WHERE c_code = :P0"), {code}).toString(), QStringLiteral("1101111234568"));
    bool refused = false;
    try {
        ExecSql(QStringLiteral("UPDATE va050ms SET soc_id = '11011-12345' WHERE c_code = :P0"), {code});
    } catch (const ServerError&) {
        refused = true;
    }
    QVERIFY(refused);
    // Right after the save the row reads the saved deal type's name.
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("DEAL_TYPE_NAME")), QStringLiteral("매출/매입처"));

    // Its own number passes in edit; the kind changes the code in place.
    s.click(QStringLiteral("bbtEdit"));
    s.type(QStringLiteral("edtCKind"), QStringLiteral("04"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(s.State, 1);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va050ms WHERE c_code IN (:P0, :P1)"), {code, QStringLiteral("04") + number}), 1);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va050ms WHERE c_code = :P0"), {QStringLiteral("04") + number}), 1);

    // Another's number stops the edit.
    s.click(QStringLiteral("bbtEdit"));
    s.type(QStringLiteral("edtCNum"), QStringLiteral("2478126442"));
    s.click(QStringLiteral("bbtSave"));
    QVERIFY(m_dialogs->lastText().endsWith(QStringLiteral("  으로 등록이 되어있습니다. 확인하세요.!")));
    QCOMPARE(s.State, 2);
    s.click(QStringLiteral("bbtCancel"));

    // An unused customer is deleted.
    s.click(QStringLiteral("bbtCancel"));
    s.type(QStringLiteral("edtFCCode"), QStringLiteral("04") + number);
    s.click(QStringLiteral("bbtSearch"));
    QCOMPARE(s.RecordCount, 1);
    m_dialogs->yesNoAnswers = {false};
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(s.RecordCount, 1);
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(s.RecordCount, 0);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va050ms WHERE substr(c_code, 3) = :P0"), {number}), 0);
}

void TestMasterData::customerKeyAndDeleteGuardedBySlips()
{
    const QString used = dbValue(QStringLiteral("SELECT min(mg_detail) FROM vb011dt WHERE mg_code = '101'")).toString();
    QVERIFY(!used.isEmpty());
    QString error;
    catchErrorDialog(&error);
    Probe<TfrmVAI050> s;
    s.showActive();
    s.type(QStringLiteral("edtFCCode"), used);
    s.click(QStringLiteral("bbtSearch"));
    QCOMPARE(s.RecordCount, 1);
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(error, kReferenced);
    error.clear();
    s.click(QStringLiteral("bbtEdit"));
    s.type(QStringLiteral("edtCKind"), used.left(2) == QLatin1String("01") ? QStringLiteral("05") : QStringLiteral("01"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(error, kReferenced);
    QCOMPARE(s.State, 2);
    s.click(QStringLiteral("bbtCancel"));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va050ms WHERE c_code = :P0"), {used}), 1);

    // A bank whose accounts are not used by slips takes them along.
    const QString bank = dbValue(QStringLiteral(
        "SELECT min(c_code) FROM va051ms a WHERE NOT EXISTS (SELECT 1 FROM vb011dt d WHERE d.mg_detail = a.c_code)")).toString();
    QVERIFY(!bank.isEmpty());
    const int accounts = dbCount(QStringLiteral("SELECT count(*) FROM va051ms WHERE c_code = :P0"), {bank});
    ExecSql(QStringLiteral("UPDATE va050ms SET c_code = '01' || substr(c_code, 3), c_kind = '01' WHERE c_code = :P0"), {bank});
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va051ms WHERE c_code = :P0"), {QStringLiteral("01") + bank.mid(2)}), accounts);
    ExecSql(QStringLiteral("UPDATE va050ms SET c_code = :P0, c_kind = '03' WHERE c_code = :P1"), {bank, QStringLiteral("01") + bank.mid(2)});
}

void TestMasterData::customerPrintAndExport()
{
    Probe<TfrmVAI050> s;
    s.showActive();
    s.type(QStringLiteral("edtFCType"), QStringLiteral("03"));
    s.click(QStringLiteral("bbtSearch"));
    const int banks = s.RecordCount;
    QVERIFY(banks > 3);
    m_dialogs->printFile = m_dir.filePath(QStringLiteral("customers.pdf"));
    s.click(QStringLiteral("bbtPrint"));
    const QString text = PdfTools::pdfPageTexts(m_dialogs->printFile).join(QLatin1Char('\n'));
    QVERIFY2(text.left(200).remove(QLatin1Char(' ')).contains(QStringLiteral("거래처")), qPrintable(text.left(300)));
    for (int row = 0; row < banks; ++row)
        QVERIFY(text.contains(s.records()->fieldAsString(row, QStringLiteral("C_CODE"))));
    QVERIFY(text.contains(QStringLiteral("국민은행")));
    QVERIFY(text.contains(QStringLiteral("매입/매출")));

    const QString xls = m_dir.filePath(QStringLiteral("customers.xls"));
    m_dialogs->fileNames = {xls};
    m_dialogs->yesNoAnswers = {false};  // do not open it
    s.click(QStringLiteral("bbtExcel"));
    const XlsReadBack::Sheet sheet = XlsReadBack::readSheet(xls);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.at(0, 0).text, QStringLiteral("거래처"));
    QCOMPARE(sheet.at(2, 0).text, QStringLiteral("거래처코드"));
    QCOMPARE(sheet.rows, 3 + banks);
    QCOMPARE(sheet.at(3, 0).text, s.records()->fieldAsString(0, QStringLiteral("C_CODE")));
}

void TestMasterData::customerEditNeedsAuthority()
{
    // An employee without a period valid today sees no Edit or Delete.
    const QString saved = Session::empNo;
    Session::empNo = QStringLiteral("3001");
    {
        Probe<TfrmVAI050> s;
        s.showActive();
        QVERIFY(s.get<QPushButton>(QStringLiteral("bbtEdit"))->isHidden());
        QVERIFY(s.get<QPushButton>(QStringLiteral("bbtDelete"))->isHidden());
    }
    Session::empNo = QStringLiteral("1001");
    {
        Probe<TfrmVAI050> s;
        s.showActive();
        QVERIFY(!s.get<QPushButton>(QStringLiteral("bbtEdit"))->isHidden());
    }
    Session::empNo = saved;
}

// --- departments -----------------------------------------------------------------------------

void TestMasterData::departmentOrderAndKeyChange()
{
    ExecSql(QStringLiteral("INSERT INTO va160ms (aff_dept_code, aff_dept_name, dept_code, dept_type, dept_aff_yn, use_yn) VALUES\n"
                           " ('9901', '가나다', NULL, '1', 'Y', 'Y'), ('9902', '가가가', NULL, '1', 'Y', 'Y')"));
    Probe<TfrmVAI005> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    RecordSet* rows = s.records();
    // Without a display order: after every numbered one, by name.
    int firstUnnumbered = -1;
    for (int row = 0; row < rows->recordCount(); ++row) {
        const bool unnumbered = rows->fieldAsString(row, QStringLiteral("DEPT_SEQ")) == QLatin1String("9999");
        if (unnumbered && firstUnnumbered < 0)
            firstUnnumbered = row;
        QVERIFY(firstUnnumbered < 0 || unnumbered);
    }
    const int at9901 = rows->findRow(QStringLiteral("AFF_DEPT_CODE"), {QStringLiteral("9901")});
    const int at9902 = rows->findRow(QStringLiteral("AFF_DEPT_CODE"), {QStringLiteral("9902")});
    QVERIFY(firstUnnumbered >= 0 && firstUnnumbered <= at9902 && at9902 < at9901);

    QVERIFY(rows->locate(QStringLiteral("AFF_DEPT_CODE"), QStringLiteral("9901")));
    s.click(QStringLiteral("bbtEdit"));
    s.type(QStringLiteral("edtdb1"), QStringLiteral("9911"));
    s.type(QStringLiteral("edtdb7"), QStringLiteral("999"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(s.State, 1);
    QCOMPARE(dbValue(QStringLiteral("SELECT aff_dept_name || dept_seq FROM va160ms WHERE aff_dept_code = '9911'")).toString(),
             QStringLiteral("가나다999"));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va160ms WHERE aff_dept_code = '9901'")), 0);

    s.click(QStringLiteral("bbtAdd"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("부서관리 코드를 입력하세요."));
    s.click(QStringLiteral("bbtCancel"));
    ExecSql(QStringLiteral("DELETE FROM va160ms WHERE aff_dept_code IN ('9911', '9902')"));
}

void TestMasterData::departmentInUseRefused()
{
    const QString used = dbValue(QStringLiteral("SELECT min(dept_code) FROM vb010ms WHERE dept_code IN (SELECT aff_dept_code FROM va160ms)")).toString();
    QVERIFY(!used.isEmpty());
    QString error;
    catchErrorDialog(&error);
    Probe<TfrmVAI005> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    QVERIFY(s.records()->locate(QStringLiteral("AFF_DEPT_CODE"), used));
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(error, kReferenced);
    error.clear();
    s.click(QStringLiteral("bbtEdit"));
    s.type(QStringLiteral("edtdb1"), QStringLiteral("9999"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(error, kReferenced);
    s.click(QStringLiteral("bbtCancel"));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va160ms WHERE aff_dept_code = :P0"), {used}), 1);
}

void TestMasterData::departmentChart()
{
    Probe<TfrmVAS005> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    RecordSet* rows = s.records();
    QCOMPARE(rows->recordCount(), dbCount(QStringLiteral("SELECT count(*) FROM va160ms WHERE dept_seq IS NOT NULL")));
    // Each department in the column of its level, blanks elsewhere.
    for (int row = 0; row < rows->recordCount(); ++row) {
        int filled = 0;
        for (int level = 0; level <= 5; ++level)
            filled += rows->fieldAsString(row, QStringLiteral("GU%1").arg(level)).trimmed().isEmpty() ? 0 : 1;
        QCOMPARE(filled, 1);
    }
    QVERIFY(s.viewer()->pageCount() >= 1);

    const QString pdf = m_dir.filePath(QStringLiteral("chart.pdf"));
    m_dialogs->fileNames = {pdf};
    s.click(QStringLiteral("bbtPdf"));
    const QString text = PdfTools::pdfPageTexts(pdf).join(QLatin1Char('\n'));
    QVERIFY2(text.left(200).remove(QLatin1Char(' ')).contains(QStringLiteral("부서조직도")), qPrintable(text.left(200)));
    QVERIFY(text.contains(QStringLiteral("1110:재무팀")));
    QVERIFY(text.contains(QStringLiteral("1111:회계파트")));
    // Parts sit below their team.
    QVERIFY(text.indexOf(QStringLiteral("1110:재무팀")) < text.indexOf(QStringLiteral("1111:회계파트")));

    // Through the report viewer's contract as well.
    ReportViewer viewer;
    QCOMPARE(viewer.OpenReport(ReportServer::location(QStringLiteral("accpost.mrd")), QStringLiteral("/rp  ")), int(rsOk));
    QCOMPARE(viewer.pageCount(), s.viewer()->pageCount());
}

// --- authority -------------------------------------------------------------------------------

void TestMasterData::authorityKeepsEveryPeriod()
{
    // 2001 holds an expired period and a current one.
    Probe<TfrmVAI010> s;
    s.showActive();
    s.type(QStringLiteral("edtSearchEmpNo"), QStringLiteral("2001"));
    s.click(QStringLiteral("bbtSearch"));
    QCOMPARE(s.RecordCount, 1);
    QCOMPARE(s.periods()->recordCount(), 2);
    // The period valid today is the one shown.
    QCOMPARE(s.edit(QStringLiteral("medSDate"))->text(), QStringLiteral("2026-01-01"));

    // Editing the current period and saving keeps the expired one.
    s.click(QStringLiteral("bbtEdit"));
    s.get<QCheckBox>(QStringLiteral("chkCharge"))->setChecked(true);
    s.click(QStringLiteral("bbtChangeRow"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(s.State, 1);
    QCOMPARE(dbValue(QStringLiteral("SELECT string_agg(to_char(st_date, 'YYYY') || charge_yn, ',' ORDER BY st_date) FROM va010ms WHERE emp_no = '2001'"))
                 .toString(),
             QStringLiteral("2021Y,2026Y"));

    // An empty list does not wipe the authority.
    s.click(QStringLiteral("bbtEdit"));
    s.click(QStringLiteral("bbtDelRow"));
    s.click(QStringLiteral("bbtDelRow"));
    QCOMPARE(s.periods()->recordCount(), 0);
    s.click(QStringLiteral("bbtDelRow"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("삭제할 사용기간을 리스트에서 선택하세요."));
    s.type(QStringLiteral("medSDate"), QStringLiteral("20260101"));
    s.type(QStringLiteral("medEDate"), QStringLiteral("20991231"));
    s.click(QStringLiteral("bbtSave"));
    QVERIFY(m_dialogs->lastText().contains(QStringLiteral("사용기간이 없습니다")));
    QCOMPARE(s.State, 2);
    s.click(QStringLiteral("bbtCancel"));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va010ms WHERE emp_no = '2001'")), 2);
}

void TestMasterData::authorityInputRefusals_data()
{
    QTest::addColumn<QString>("empNo");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("message");
    QTest::newRow("no employee") << "" << "20270101" << "20271231" << "사번은 반드시 입력하세요";
    QTest::newRow("no start") << "3002" << "" << "20271231" << "사용기간의 시작일은 반드시 입력하세요.";
    QTest::newRow("end equals start") << "3002" << "20270101" << "20270101" << "사용기간의 종료일이 시작일보다 작거나 같습니다.";
    QTest::newRow("end before start") << "3002" << "20270101" << "20261231" << "사용기간의 종료일이 시작일보다 작거나 같습니다.";
    QTest::newRow("no end") << "3002" << "20270101" << "" << "사용기간의 종료일이 시작일보다 작거나 같습니다.";
    QTest::newRow("no such day") << "3002" << "20270230" << "20271231" << "사용기간의 날짜가 바르지 않습니다. [2027-02-30]";
    QTest::newRow("overlap") << "3002" << "20270601" << "20280531" << "사용기간이 리스트의 다른 기간(2027-01-01 ~ 2027-12-31)과 겹칩니다.";
}

void TestMasterData::authorityInputRefusals()
{
    QFETCH(QString, empNo);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, message);
    Probe<TfrmVAI010> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    s.click(QStringLiteral("bbtAdd"));
    s.type(QStringLiteral("edtEmpNo"), QStringLiteral("3002"));
    s.type(QStringLiteral("medSDate"), QStringLiteral("20270101"));
    s.type(QStringLiteral("medEDate"), QStringLiteral("20271231"));
    s.click(QStringLiteral("bbtAddRow"));
    QCOMPARE(s.periods()->recordCount(), 1);
    m_dialogs->clear();
    s.type(QStringLiteral("edtEmpNo"), empNo);
    s.type(QStringLiteral("medSDate"), start);
    s.type(QStringLiteral("medEDate"), end);
    s.click(QStringLiteral("bbtAddRow"));
    QCOMPARE(m_dialogs->lastText(), message);
    QCOMPARE(s.periods()->recordCount(), 1);
    s.click(QStringLiteral("bbtCancel"));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va010ms WHERE emp_no = '3002'")), 0);
}

void TestMasterData::authorityOverlapRefusedByDatabase()
{
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    bool refused = false;
    try {
        ExecSql(QStringLiteral("INSERT INTO va010ms (emp_no, st_date, ed_date) VALUES ('2002', DATE '2030-01-01', DATE '2030-12-31')"));
        tx.commit();
    } catch (const ServerError& e) {
        refused = e.message().contains(QStringLiteral("사용기간이 다른 기간과 겹칩니다"));
        tx.rollback();
    }
    QVERIFY(refused);
    // Replaced as a whole in one transaction, the periods pass.
    tx.start();
    ExecSql(QStringLiteral("DELETE FROM va010ms WHERE emp_no = '2002'"));
    ExecSql(QStringLiteral("INSERT INTO va010ms (emp_no, st_date, ed_date) VALUES ('2002', DATE '2024-03-01', DATE '2029-12-31'),"
                           " ('2002', DATE '2030-01-01', DATE '2099-12-31')"));
    tx.commit();
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va010ms WHERE emp_no = '2002'")), 2);
}

void TestMasterData::authorityNewEmployeeAndDelete()
{
    Probe<TfrmVAI010> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    const int employees = s.RecordCount;
    s.click(QStringLiteral("bbtAdd"));
    // Today to the day before the same date a year on.
    const QDate today = QDate::currentDate();
    QCOMPARE(s.edit(QStringLiteral("medEDate"))->text(), today.addYears(1).addDays(-1).toString(QStringLiteral("yyyy-MM-dd")));
    s.type(QStringLiteral("edtEmpNo"), QStringLiteral("3003"));
    s.type(QStringLiteral("medSDate"), QStringLiteral("20250101"));
    s.type(QStringLiteral("medEDate"), QStringLiteral("20251231"));
    s.click(QStringLiteral("bbtAddRow"));
    s.type(QStringLiteral("medSDate"), QStringLiteral("20260101"));
    s.type(QStringLiteral("medEDate"), QStringLiteral("20991231"));
    s.get<QCheckBox>(QStringLiteral("CheckBox1"))->setChecked(true);
    s.click(QStringLiteral("bbtAddRow"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(s.State, 1);
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("EMP_K_NAME")), QStringLiteral("윤시설"));
    QCOMPARE(dbValue(QStringLiteral("SELECT string_agg(to_char(ed_date, 'YYYY') || charge2_yn, ',' ORDER BY st_date) FROM va010ms WHERE emp_no = '3003'"))
                 .toString(),
             QStringLiteral("2025N,2099Y"));
    QCOMPARE(s.RecordCount, employees + 1);

    // No keeps everything; Yes deletes the chosen period only.
    m_dialogs->yesNoAnswers = {false};
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va010ms WHERE emp_no = '3003'")), 2);
    s.click(QStringLiteral("bbtCancel"));
    s.type(QStringLiteral("edtSearchEmpNo"), QStringLiteral("3003"));
    s.click(QStringLiteral("bbtSearch"));
    s.periods()->first();
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(dbValue(QStringLiteral("SELECT string_agg(to_char(st_date, 'YYYY'), ',') FROM va010ms WHERE emp_no = '3003'")).toString(),
             QStringLiteral("2026"));
}

// --- statement layouts -----------------------------------------------------------------------

void TestMasterData::layoutLineWithAccounts()
{
    const QStringList accounts = dbValue(QStringLiteral("SELECT string_agg(acct_code, ',' ORDER BY acct_code) FROM\n"
                                                        " (SELECT acct_code FROM va020ms WHERE slip_yn = 'Y' ORDER BY acct_code LIMIT 2) a"))
                                     .toString()
                                     .split(QLatin1Char(','));
    QCOMPARE(accounts.size(), 2);
    QString error;
    catchErrorDialog(&error);
    Probe<TfrmVAI060> s;
    s.showActive();
    s.type(QStringLiteral("edtFSessionCode"), QStringLiteral("31"));
    s.click(QStringLiteral("bbtSearch"));
    const int lines = s.RecordCount;
    QCOMPARE(lines, dbCount(QStringLiteral("SELECT count(*) FROM va060ms WHERE session_id = 31")));
    s.click(QStringLiteral("bbtAdd"));
    s.type(QStringLiteral("edtSessionCode"), QStringLiteral("31"));
    s.type(QStringLiteral("edtFormCode"), QStringLiteral("1"));
    s.type(QStringLiteral("edtSeqNo"), QStringLiteral("7"));
    s.type(QStringLiteral("edtOrderNo"), QStringLiteral("70"));
    s.type(QStringLiteral("edtDispName"), QStringLiteral("기타유동자산"));
    // No display kind: the line is still listed after saving.
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(s.State, 1);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va060dt WHERE session_id = 31 AND form_code = '1' AND seq_no = 7")), 0);

    s.click(QStringLiteral("bbtEdit"));
    s.type(QStringLiteral("edtAcctCode"), accounts.at(0));
    s.click(QStringLiteral("bbtAcctAdd"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("연산식 \"+\" 또는 \"-\"가 선택되지 않았습니다!"));
    s.get<QRadioButton>(QStringLiteral("rdoPlus"))->setChecked(true);
    s.click(QStringLiteral("bbtAcctAdd"));
    s.type(QStringLiteral("edtAcctCode"), accounts.at(0));
    s.get<QRadioButton>(QStringLiteral("rdoMinus"))->setChecked(true);
    s.click(QStringLiteral("bbtAcctAdd"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("이미 등록된 계정코드입니다! [%1]").arg(accounts.at(0)));
    s.type(QStringLiteral("edtAcctCode"), accounts.at(1));
    s.click(QStringLiteral("bbtAcctAdd"));
    QCOMPARE(s.accounts()->recordCount(), 2);
    // The key changes: the accounts are written under the new key only.
    s.type(QStringLiteral("edtSeqNo"), QStringLiteral("8"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(error, QString());
    QCOMPARE(s.State, 1);
    QCOMPARE(dbValue(QStringLiteral("SELECT string_agg(acct_code || calc_formula, ',' ORDER BY acct_code) FROM va060dt\n"
                                    " WHERE session_id = 31 AND form_code = '1' AND seq_no = 8")).toString(),
             accounts.at(0) + QStringLiteral("+,") + accounts.at(1) + QStringLiteral("-"));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va060ms WHERE session_id = 31 AND form_code = '1' AND seq_no = 7")), 0);

    s.click(QStringLiteral("bbtCancel"));
    s.type(QStringLiteral("edtFSessionCode"), QStringLiteral("31"));
    s.click(QStringLiteral("bbtSearch"));
    QCOMPARE(s.RecordCount, lines + 1);
    QVERIFY(s.records()->locate(QStringLiteral("DISP_NAME"), QStringLiteral("기타유동자산")));
    QCOMPARE(s.accounts()->recordCount(), 2);
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va060dt WHERE session_id = 31 AND seq_no = 8 AND form_code = '1'")), 0);

    // A period that is no number is refused, not spliced.
    s.click(QStringLiteral("bbtCancel"));
    s.type(QStringLiteral("edtFSessionCode"), QStringLiteral("1;x"));
    s.click(QStringLiteral("bbtSearch"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("회기는 숫자로 입력하여야 합니다!"));
}

void TestMasterData::statementItemsAndAccounts()
{
    const int assigned = dbCount(QStringLiteral("SELECT count(*) FROM va025ms WHERE budg_acct = '1110'"));
    QVERIFY(assigned >= 2);
    {
        Probe<TfrmVAI025> s;
        s.showActive();
        s.get<QRadioButton>(QStringLiteral("rdoChosen"))->setChecked(true);
        s.type(QStringLiteral("Edit_BUDG_CODE"), QStringLiteral("1110"));
        s.click(QStringLiteral("bbtSearch"));
        QVERIFY(s.records()->locate(QStringLiteral("BUDG_ACCT"), QStringLiteral("1110")));
        QCOMPARE(s.accounts()->recordCount(), assigned);
        s.click(QStringLiteral("bbtEdit"));
        const QString dropped = s.accounts()->fieldAsString(0, QStringLiteral("ACCT_CODE"));
        s.toggleFlag(0);
        s.click(QStringLiteral("bbtSave"));
        QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va025ms WHERE budg_acct = '1110'")), assigned - 1);
        QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va025ms WHERE budg_acct = '1110' AND acct_code = :P0"), {dropped}), 0);
    }
    // Deleting an item leaves its assignments.
    Probe<TfrmVAI024> s;
    s.showActive();
    s.type(QStringLiteral("Edit_BUDG_CODE"), QStringLiteral("1110"));
    s.click(QStringLiteral("bbtSearch"));
    QCOMPARE(s.RecordCount, 1);
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va024ms WHERE budg_acct = '1110'")), 0);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM va025ms WHERE budg_acct = '1110'")), assigned - 1);
    s.click(QStringLiteral("bbtCancel"));
    s.click(QStringLiteral("bbtSearch"));
    s.click(QStringLiteral("bbtAdd"));
    s.type(QStringLiteral("edtBudgAcct"), QStringLiteral("1110"));
    s.type(QStringLiteral("edtBudgName"), QStringLiteral("현금및현금성자산"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(dbValue(QStringLiteral("SELECT user_yn || zip_yn || line_gubun || budg_yn FROM va024ms WHERE budg_acct = '1110'")).toString(),
             QStringLiteral("YN0N"));
}

// --- operating codes ---------------------------------------------------------------------------

void TestMasterData::operatingCodeSaveAndSearch()
{
    Probe<TfrmVAI070> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    const int codes = s.RecordCount;
    s.click(QStringLiteral("bbtAdd"));
    const QString proposed = s.edit(QStringLiteral("edtAccCode"))->text();
    QCOMPARE(proposed.size(), 6);
    s.type(QStringLiteral("edtAccCode"), QStringLiteral("1"));
    s.leave(QStringLiteral("edtAccCode"), QStringLiteral("edtGUBUN_CODE1"));
    QCOMPARE(s.edit(QStringLiteral("edtAccCode"))->text(), QStringLiteral("000001"));
    // Away from the level fields, whose leaving looks the typed code up.
    s.edit(QStringLiteral("edtP_BY_CODE"))->setFocus();
    const char* parts[] = {"01", "01", "01", "01", "01", "01"};
    const char* names[] = {"A", "B", "C", "D", "E", "F"};
    for (int i = 0; i < 6; ++i) {
        s.type(QStringLiteral("edtGUBUN_CODE%1").arg(i + 1), QLatin1String(parts[i]));
        s.type(QStringLiteral("edtGUBUN_NAME%1").arg(i + 1), QLatin1String(names[i]));
    }
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(s.State, 1);
    QCOMPARE(dbValue(QStringLiteral("SELECT bu_acct_name || '/' || bu_acct_sname || '/' || menu_code FROM vx010ms WHERE bu_acct_code = '000001'"))
                 .toString(),
             QStringLiteral("A,C,D,E,F/F/010101010101"));
    // A code beginning with 0 is listed.
    s.click(QStringLiteral("bbtCancel"));
    s.click(QStringLiteral("bbtSearch"));
    QCOMPARE(s.RecordCount, codes + 1);
    QVERIFY(s.records()->locate(QStringLiteral("BU_ACCT_CODE"), QStringLiteral("000001")));
    s.click(QStringLiteral("bbtCancel"));
    s.type(QStringLiteral("edtSearchAcctCode"), QStringLiteral("0000"));
    s.click(QStringLiteral("bbtSearch"));
    QCOMPARE(s.RecordCount, 1);
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vx010ms WHERE bu_acct_code = '000001'")), 0);
}

void TestMasterData::classificationPicker()
{
    Probe<TfrmVAI070> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    s.click(QStringLiteral("bbtAdd"));
    s.type(QStringLiteral("edtGUBUN_CODE1"), QStringLiteral("01"));
    s.type(QStringLiteral("edtGUBUN_CODE2"), QStringLiteral("02"));
    s.openPicker(3);
    QCOMPARE(s.codes()->recordCount(), dbCount(QStringLiteral("SELECT count(*) FROM vx011ms WHERE gubun_code LIKE '0102__'")));
    QVERIFY(s.codes()->locate(QStringLiteral("GUBUN_CODE"), QStringLiteral("010202")));
    s.pickCurrentCode();
    QCOMPARE(s.edit(QStringLiteral("edtGUBUN_CODE3"))->text(), QStringLiteral("02"));
    QCOMPARE(s.edit(QStringLiteral("edtGUBUN_NAME3"))->text(), QStringLiteral("영업비"));

    // New under 0102: the next own part, written with its length.
    s.type(QStringLiteral("edtGUBUN_CODE3"), QString());
    s.openPicker(3);
    s.click(QStringLiteral("bbtCodeNew"));
    QCOMPARE(s.edit(QStringLiteral("edtPickCode"))->text(), QStringLiteral("010203"));
    s.click(QStringLiteral("bbtCodeSave"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("코드명을 입력하세요"));
    s.type(QStringLiteral("edtPickName"), QStringLiteral("시설비"));
    s.click(QStringLiteral("bbtCodeSave"));
    QCOMPARE(dbValue(QStringLiteral("SELECT gubun_name || code_length FROM vx011ms WHERE gubun_code = '010203'")).toString(),
             QStringLiteral("시설비6"));
    // Leaving a level field with a name finds the one match and keeps its
    // two-digit part.
    s.type(QStringLiteral("edtGUBUN_CODE3"), QStringLiteral("시설"));
    s.leave(QStringLiteral("edtGUBUN_CODE3"), QStringLiteral("edtGUBUN_CODE4"));
    QCOMPARE(s.edit(QStringLiteral("edtGUBUN_CODE3"))->text(), QStringLiteral("03"));
    QCOMPARE(s.edit(QStringLiteral("edtGUBUN_NAME3"))->text(), QStringLiteral("시설비"));

    // Past 99 under one parent the database refuses instead of wrapping.
    TestDb::ownerExec(QStringLiteral("INSERT INTO vx011ms (gubun_code, gubun_name, code_length) VALUES ('010299', '끝', '6')"));
    QString error;
    catchErrorDialog(&error);
    s.click(QStringLiteral("bbtCodeNew"));
    QCOMPARE(error, QStringLiteral("더 이상 하위 분류코드를 만들 수 없습니다."));
    s.click(QStringLiteral("bbtCodeClose"));
    s.click(QStringLiteral("bbtCancel"));
}

void TestMasterData::classificationListDeletesTheRow()
{
    Probe<TfrmVAI080> s;
    s.showActive();
    s.get<QComboBox>(QStringLiteral("cboKind"))->setCurrentIndex(1);
    s.click(QStringLiteral("bbtSearch"));
    QCOMPARE(s.RecordCount, dbCount(QStringLiteral("SELECT count(*) FROM vx011ms WHERE length(gubun_code) = 2")));
    s.click(QStringLiteral("bbtAdd"));
    s.type(QStringLiteral("edtGUBUNCode"), QStringLiteral("123"));
    s.type(QStringLiteral("edtGUBUNNAME"), QStringLiteral("잘못된 코드"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("코드는 2자리씩 2~12자리의 숫자로 입력하세요. [123]"));
    s.type(QStringLiteral("edtGUBUNCode"), QStringLiteral("09"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(s.State, 1);
    QCOMPARE(dbValue(QStringLiteral("SELECT code_length FROM vx011ms WHERE gubun_code = '09'")).toString(), QStringLiteral("2"));
    // The field's text is not what is deleted: the chosen row is.
    s.edit(QStringLiteral("edtGUBUNCode"))->setText(QStringLiteral("01"));
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vx011ms WHERE gubun_code = '09'")), 0);
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vx011ms WHERE gubun_code = '01'")), 1);
}

// --- spreadsheet import ----------------------------------------------------------------------

QStringList TestMasterData::writeSheet(const QString& name, const QList<SheetRow>& rows)
{
    const QString raw = m_dir.filePath(QStringLiteral("raw/") + name + QStringLiteral(".xls"));
    QDir().mkpath(QFileInfo(raw).path());
    QFile file(raw);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(raw));
    {
        Xls::StreamWriter writer(&file);
        writer.beginFile(int(rows.size()) + 1, 14);
        const char* titles[] = {"계정코드", "지출구분", "지출구분명", "대분류", "대분류명", "중분류", "중분류명",
                                "소분류", "소분류명", "세부분류1", "세부명칭", "세부분류2", "세부분류2명", "계정명칭"};
        for (int c = 0; c < 14; ++c)
            writer.text(0, c, QString::fromUtf8(titles[c]));
        for (int r = 0; r < rows.size(); ++r) {
            const SheetRow& row = rows.at(r);
            if (row.code.typeId() == QMetaType::Double)
                writer.number(r + 1, 0, row.code.toDouble());
            else if (!row.code.toString().isEmpty())
                writer.text(r + 1, 0, row.code.toString());
            for (int i = 0; i < row.parts.size(); ++i)
                if (!row.parts.at(i).isEmpty())
                    writer.text(r + 1, 1 + 2 * i, row.parts.at(i));
            if (!row.shortName.isEmpty())
                writer.text(r + 1, 10, row.shortName);
            if (!row.name.isEmpty())
                writer.text(r + 1, 13, row.name);
        }
        if (!writer.endFile())
            qFatal("sheet not written");
    }
    file.close();
    QStringList out;
    for (const char* kind : {"xls:MS Excel 97", "xlsx:Calc MS Excel 2007 XML"}) {
        const QString ext = QString::fromLatin1(kind).section(QLatin1Char(':'), 0, 0);
        const QString outDir = m_dir.filePath(ext);
        QProcess office;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.path());
        office.setProcessEnvironment(env);
        office.start(XlsReadBack::libreOfficeProgram(),
                     {QStringLiteral("--headless"), QStringLiteral("--norestore"),
                      QStringLiteral("-env:UserInstallation=file://") + m_dir.filePath(QStringLiteral("profile")),
                      QStringLiteral("--convert-to"), QString::fromLatin1(kind), QStringLiteral("--outdir"), outDir, raw});
        office.waitForFinished(300000);
        out << QDir(outDir).filePath(name + QLatin1Char('.') + ext);
    }
    return out;
}

namespace {

QList<SheetRow> goodRows()
{
    return {
        {QStringLiteral("200001"), {"01", "01", "01", "01", "01", "01"}, QStringLiteral("직원급여"), QStringLiteral("판관비,급여성경비,급여,본사,직원급여")},
        {200002.0, {"02", "01", "01", "01", "01", "02"}, QStringLiteral("린넨세탁"), QStringLiteral("원가,객실운영비,소모품,설악,린넨세탁")},
    };
}

}  // namespace

void TestMasterData::sheetReaderReadsBothKinds()
{
    if (XlsReadBack::libreOfficeProgram().isEmpty())
        QSKIP("LibreOffice is not installed");
    const QStringList files = writeSheet(QStringLiteral("reader"), goodRows());
    for (const QString& path : files) {
        const SheetImport::Sheet sheet = SheetImport::ReadFirstSheet(path);
        QCOMPARE(sheet.rowCount(), 3);
        QCOMPARE(sheet.cell(1, 1), QStringLiteral("계정코드"));
        QCOMPARE(sheet.cell(2, 1), QStringLiteral("200001"));
        // A number cell reads without its decimal part.
        QCOMPARE(sheet.cell(3, 1), QStringLiteral("200002"));
        QCOMPARE(sheet.cell(3, 2), QStringLiteral("02"));
        QCOMPARE(sheet.cell(3, 14), QStringLiteral("원가,객실운영비,소모품,설악,린넨세탁"));
        QCOMPARE(sheet.cell(3, 15), QString());
    }
    QCOMPARE(SheetImport::ColumnLetters(28), QStringLiteral("AB"));
}

void TestMasterData::importFromBothKinds()
{
    if (XlsReadBack::libreOfficeProgram().isEmpty())
        QSKIP("LibreOffice is not installed");
    const QStringList files = writeSheet(QStringLiteral("good"), goodRows());
    for (const QString& path : files) {
        Probe<TfrmVAI070> s;
        s.showActive();
        m_dialogs->clear();
        m_dialogs->fileNames = {path};
        QCOMPARE(s.importSpreadsheet(), 2);
        QCOMPARE(m_dialogs->lastText(), QStringLiteral("작업을 완료 하였습니다."));
        QCOMPARE(m_dialogs->shown.last().caption, QStringLiteral("작업 완료"));
        QCOMPARE(dbValue(QStringLiteral("SELECT string_agg(bu_acct_code || ':' || menu_code || ':' || bu_acct_sname, ',' ORDER BY 1)\n"
                                        "  FROM vx010ms WHERE bu_acct_code IN ('200001', '200002')")).toString(),
                 QStringLiteral("200001:010101010101:직원급여,200002:020101010102:린넨세탁"));
        // Importing the same file again: duplicates of stored codes, nothing written.
        m_dialogs->fileNames = {path};
        QCOMPARE(s.importSpreadsheet(), 0);
        QVERIFY2(m_dialogs->lastText().startsWith(QStringLiteral("작업이 취소되었습니다. Data확인요망-2행 A열: [200001]")),
                 qPrintable(m_dialogs->lastText()));
        QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vx010ms WHERE bu_acct_code IN ('200001', '200002')")), 2);
        ExecSql(QStringLiteral("DELETE FROM vx010ms WHERE bu_acct_code IN ('200001', '200002')"));
    }
}

void TestMasterData::demoSheetsImport()
{
    for (const char* file : {"영업수지코드.xls", "영업수지코드.xlsx"}) {
        Probe<TfrmVAI070> s;
        s.showActive();
        m_dialogs->fileNames = {QStringLiteral(TV_SOURCE_DIR "/db/demo/sheets/") + QString::fromUtf8(file)};
        QCOMPARE(s.importSpreadsheet(), 4);
        s.type(QStringLiteral("edtSearchAcctCode"), QStringLiteral("10001"));
        s.click(QStringLiteral("bbtSearch"));
        QVERIFY(s.records()->locate(QStringLiteral("BU_ACCT_CODE"), QStringLiteral("100014")));
        QCOMPARE(s.records()->fieldAsString(QStringLiteral("GUBUN_CODE6_NM")), QStringLiteral("가스료"));
        QCOMPARE(s.records()->fieldAsString(QStringLiteral("MENU_CODE")), QStringLiteral("010201010103"));
        ExecSql(QStringLiteral("DELETE FROM vx010ms WHERE bu_acct_code BETWEEN '100013' AND '100016'"));
    }
}

void TestMasterData::importRefusals_data()
{
    QTest::addColumn<QList<SheetRow>>("rows");
    QTest::addColumn<QString>("message");
    QList<SheetRow> duplicate = goodRows();
    duplicate << SheetRow{QStringLiteral("200001"), {"03", "01", "01", "01", "01", "01"}, QStringLiteral("x"), QStringLiteral("y")};
    QTest::newRow("duplicate code") << duplicate << "4행 A열: 계정코드 [200001]이(가) 2행과 중복됩니다.";
    QList<SheetRow> noName = goodRows();
    noName[1].name.clear();
    QTest::newRow("missing name") << noName << "3행 N열: 계정명칭이 비어 있습니다. [200002]";
    QList<SheetRow> shortCode = goodRows();
    shortCode[1].code = 20003.0;
    QTest::newRow("code of five digits") << shortCode << "3행 A열: 계정코드는 숫자 6자리여야 합니다. [20003]";
    QList<SheetRow> widePart = goodRows();
    widePart[0].parts[2] = QStringLiteral("0101");
    QTest::newRow("level part of four") << widePart << "2행 F열: 중분류 코드는 숫자 2자리여야 합니다. [200001] [0101]";
    QList<SheetRow> noLevel = goodRows();
    noLevel[1].parts[0].clear();
    QTest::newRow("missing level 1") << noLevel << "3행 B열: 지출구분 코드는 숫자 2자리여야 합니다. [200002] []";
}

void TestMasterData::importRefusals()
{
    QFETCH(QList<SheetRow>, rows);
    QFETCH(QString, message);
    if (XlsReadBack::libreOfficeProgram().isEmpty())
        QSKIP("LibreOffice is not installed");
    const QStringList files = writeSheet(QStringLiteral("refused_") + QString::number(qHash(message)), rows);
    for (const QString& path : files) {
        Probe<TfrmVAI070> s;
        s.showActive();
        m_dialogs->clear();
        m_dialogs->fileNames = {path};
        QCOMPARE(s.importSpreadsheet(), 0);
        QCOMPARE(m_dialogs->lastText(), QStringLiteral("작업이 취소되었습니다. Data확인요망-") + message);
        QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vx010ms WHERE bu_acct_code LIKE '2000%'")), 0);
    }
}

void TestMasterData::importCancelledAndNotASpreadsheet()
{
    Probe<TfrmVAI070> s;
    s.showActive();
    const int codes = dbCount(QStringLiteral("SELECT count(*) FROM vx010ms"));
    // A cancelled file dialog imports nothing and says so, not "completed".
    QCOMPARE(s.importSpreadsheet(), 0);
    QVERIFY(m_dialogs->shown.isEmpty());
    QCOMPARE(s.statusText(), QStringLiteral("가져오기를 취소하였습니다."));

    const QString text = m_dir.filePath(QStringLiteral("notes.xlsx"));
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("code,name\n200001,x\n");
    file.close();
    m_dialogs->fileNames = {text};
    QCOMPARE(s.importSpreadsheet(), 0);
    QVERIFY(m_dialogs->lastText().startsWith(QStringLiteral("작업이 취소되었습니다. Data확인요망-")));
    QVERIFY(m_dialogs->lastText().contains(QStringLiteral("Excel 파일(*.xls, *.xlsx)이 아닙니다.")));
    // A zip that is no workbook.
    const QString zip = m_dir.filePath(QStringLiteral("empty.xlsx"));
    QVERIFY(QFile::copy(QStringLiteral(TV_SOURCE_DIR "/tests/screens/master/tst_master_data.cpp"), m_dir.filePath(QStringLiteral("x.txt"))));
    QProcess::execute(QStringLiteral("python3"), {QStringLiteral("-c"),
                                                  QStringLiteral("import zipfile,sys; zipfile.ZipFile(sys.argv[1],'w').writestr('a.txt','x')"), zip});
    m_dialogs->fileNames = {zip};
    QCOMPARE(s.importSpreadsheet(), 0);
    QVERIFY2(m_dialogs->lastText().contains(QStringLiteral("xl/workbook.xml")), qPrintable(m_dialogs->lastText()));
    QCOMPARE(dbCount(QStringLiteral("SELECT count(*) FROM vx010ms")), codes);
}

TV_TEST_MAIN(TestMasterData)
#include "tst_master_data.moc"
