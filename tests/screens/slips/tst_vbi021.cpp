// The printed journal slip: sheets of eight ruled line blocks, the header on
// every sheet, totals on the last one, the cash amount in words; printing and
// previewing from slip entry, and the slips that are not printed.
#include "common/Db.h"
#include "common/DeptEntry.h"
#include "common/HandOver.h"
#include "common/Query.h"
#include "common/Session.h"
#include "framework/print/PreviewWindow.h"
#include "grid/RecordSet.h"
#include "screens/slips/VBI020.h"
#include "screens/slips/VBI021.h"
#include "support/PdfTools.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using namespace PdfTools;

const QString kNotSaved = QStringLiteral("저장 후에 출력 하실수 있습니다.!");
const QString kWon = QString(QChar(0x20A9));

// Slip entry with its print hook reachable, as the Print button reaches it.
class SlipScreen : public TfrmVBI020 {
public:
    using TfrmVBI020::DoPrint;
};

QPushButton* button(QWidget& s, const char* name)
{
    return s.findChild<QPushButton*>(QLatin1String(name));
}

struct TestSlip {
    QString slipNo, date, deptCode, deptName, entryName, empName;
    qint64 debit = 0, credit = 0;
};

// A slip of n lines: salaries on the debit side (every line but the last),
// cash paid out on the credit side (the last line), items on the first line.
TestSlip insertSlip(const QString& slipNo, int lines, const QString& writer = QStringLiteral("1001"))
{
    TestSlip s;
    s.slipNo = slipNo;
    s.date = QStringLiteral("2026-12-03");
    // A team slip entry lists today, so the screen can load the slip.
    s.deptCode = Db::scalar(QStringLiteral("SELECT MIN(DEPT_CODE) FROM QA160MS_DATE WHERE TO_CHAR(CURRENT_DATE, "
                                           "'YYYY-MM-DD') BETWEEN BGN_DATE AND END_DATE AND DEPT_TYPE IN ('3', '2')"))
                     .toString();
    s.entryName = Db::scalar(QStringLiteral("SELECT DEPT_NAME FROM QA160MS_DATE WHERE DEPT_CODE = :P0 AND "
                                            "TO_CHAR(CURRENT_DATE, 'YYYY-MM-DD') BETWEEN BGN_DATE AND END_DATE"),
                             {s.deptCode})
                      .toString();
    s.deptName = Db::scalar(QStringLiteral("SELECT AFF_DEPT_NAME FROM QA160MS WHERE AFF_DEPT_CODE = :P0"), {s.deptCode})
                     .toString();
    s.empName = Db::scalar(QStringLiteral("SELECT EMP_K_NAME FROM QA010MS WHERE EMP_NO = :P0"), {writer}).toString();
    for (int i = 0; i + 1 < lines; ++i)
        s.debit += 100000LL * (i + 1);
    s.credit = s.debit;
    TestDb::ownerExec(QStringLiteral("INSERT INTO VB010MS (SLIP_NO, DEPT_CODE, SLIP_DATE, ACC_DATE, TOTAL_D_AMT, TOTAL_C_AMT, "
                           "CR_EMP_NO, SLIP_KIND, U_EMP_NO) VALUES (:P0, :P1, CAST(:P2 AS DATE), CAST(:P2 AS DATE), "
                           ":P3, :P4, :P5, 'K', :P5)"),
            {slipNo, s.deptCode, s.date, s.debit, s.credit, writer});
    for (int i = 0; i < lines; ++i) {
        const bool last = i + 1 == lines;
        TestDb::ownerExec(QStringLiteral("INSERT INTO VB011MS (SLIP_NO, SLIP_SEQ_NO, ACCT_CODE, REF_DATA, D_AMOUNT, C_AMOUNT) "
                               "VALUES (:P0, :P1, :P2, :P3, :P4, :P5)"),
                {slipNo, i, last ? QStringLiteral("1110110") : QStringLiteral("7510110"),
                 QStringLiteral("적요%1").arg(i + 1), last ? 0 : 100000LL * (i + 1), last ? s.credit : 0});
    }
    if (lines > 0) {
        TestDb::ownerExec(QStringLiteral("INSERT INTO VB011DT (SLIP_NO, SLIP_SEQ_NO, LINEUP_NO, MG_CODE, MG_DETAIL, MG_DETAIL_NAME, "
                               "ACCT_CODE) VALUES (:P0, 0, 1, '141', :P1, NULL, '7510110'), "
                               "(:P0, 0, 7, '902', '01', '판관비', '7510110')"),
                {slipNo, s.deptCode});
    }
    return s;
}

void printSlip(TfrmVBI021& form, const TestSlip& s, bool preview = false)
{
    form.Print(s.slipNo, QDate::fromString(s.date, Qt::ISODate), DeptEntry::text(s.entryName, s.deptCode),
               QStringLiteral("K:탈바네리조트"), preview);
}

QStringList texts(const PrintPage& page, const QString& name)
{
    return page.texts(name);
}


// Whether an item's text, laid out as the printer lays it out (600 dpi, the
// item's font and flags), stays inside the item's box.
bool fitsItsBox(const PrintItem& item, QString* why)
{
    constexpr double kDpi = 600;
    constexpr double kDotsPerMm = kDpi / 25.4;
    QImage device(8, 8, QImage::Format_RGB32);
    device.setDotsPerMeterX(int(kDpi / 0.0254));
    device.setDotsPerMeterY(int(kDpi / 0.0254));
    const QFontMetricsF metrics(item.font, &device);
    const QRectF box(0, 0, item.rect.width() * kDotsPerMm, item.rect.height() * kDotsPerMm);
    const QRectF needed = metrics.boundingRect(box, item.flags, item.text);
    const bool fits = needed.width() <= box.width() + 1 && needed.height() <= box.height() + 1;
    if (!fits)
        *why = QStringLiteral("%1 needs %2 x %3 mm in %4 x %5 mm at %6 pt")
                   .arg(item.name)
                   .arg(needed.width() / kDotsPerMm, 0, 'f', 1)
                   .arg(needed.height() / kDotsPerMm, 0, 'f', 1)
                   .arg(item.rect.width(), 0, 'f', 1)
                   .arg(item.rect.height(), 0, 'f', 1)
                   .arg(item.font.pointSizeF());
    return fits;
}

}  // namespace

class TestVBI021 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void init();
    void sheetsOfEightBlocks_data();
    void sheetsOfEightBlocks();
    void lineBlocksAndHeader();
    void cashAmountRow_data();
    void cashAmountRow();
    void slipWithoutPrintableLinesIsAnEmptyForm();
    void demoSlipFromSlipEntryToPdf();
    void previewFromSlipEntry();
    void unsavedSlipIsNotPrinted();
    void widestValuesFitTheirBoxes();

private:
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_dir;
};

void TestVBI021::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Session::exeDir = m_dir.path() + QLatin1Char('/');
}

void TestVBI021::init()
{
    Session::empNo = QStringLiteral("1001");
    Session::empName = QStringLiteral("관리자");
    HandOver::clearSlip();
}

// Filler rows make every sheet a full one; totals print on the last sheet
// only, and a second output pass does not add to them.
void TestVBI021::sheetsOfEightBlocks_data()
{
    QTest::addColumn<QString>("slipNo");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pages");
    QTest::newRow("3 lines") << QStringLiteral("K2691003") << 3 << 1;
    QTest::newRow("8 lines") << QStringLiteral("K2691008") << 8 << 1;
    QTest::newRow("9 lines") << QStringLiteral("K2691009") << 9 << 2;
    QTest::newRow("17 lines") << QStringLiteral("K2691017") << 17 << 3;
}

void TestVBI021::sheetsOfEightBlocks()
{
    QFETCH(QString, slipNo);
    QFETCH(int, lines);
    QFETCH(int, pages);
    const TestSlip slip = insertSlip(slipNo, lines);
    ScriptedDialogs dialogs;
    dialogs.printFile = m_dir.filePath(slipNo + QLatin1String(".pdf"));
    TfrmVBI021 form;
    printSlip(form, slip);
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(form.pageTotal(), pages);
    QCOMPARE(form.cdsQuery().rowCount(), pages * TfrmVBI021::kLinesPerPage);

    const PageModel& model = form.pageModel();
    QCOMPARE(model.pageCount(), pages);
    QCOMPARE(model.orientation, QPageLayout::Landscape);
    const QString total = QLocale(QLocale::English).toString(slip.debit);
    for (int p = 0; p < pages; ++p) {
        const PrintPage& page = model.pages[p];
        const bool last = p + 1 == pages;
        QCOMPARE(texts(page, QStringLiteral("qrlSeqNo")).size(), TfrmVBI021::kLinesPerPage);
        // Every sheet starts with a slip line and repeats the slip data.
        QCOMPARE(texts(page, QStringLiteral("qrlSeqNo")).first(), QString::number(p * 8 + 1));
        QCOMPARE(texts(page, QStringLiteral("qrlSlipNo")), QStringList{slipNo});
        QCOMPARE(texts(page, QStringLiteral("qrlRefData")), QStringList{QStringLiteral("적요%1").arg(p * 8 + 1)});
        QCOMPARE(texts(page, QStringLiteral("qrlPageTotal")), QStringList{QString::number(pages)});
        QCOMPARE(texts(page, QStringLiteral("qrlTotalDebit")), QStringList{last ? total : QString()});
        QCOMPARE(texts(page, QStringLiteral("qrlTotalCredit")), QStringList{last ? total : QString()});
        // Shading alternates and every sheet starts grey.
        QList<QColor> fills;
        for (const PrintItem& item : page.items)
            if (item.name == QLatin1String("qrsLineBack"))
                fills << item.fill;
        QCOMPARE(fills.size(), 8);
        for (int i = 0; i < fills.size(); ++i)
            QCOMPARE(fills[i], i % 2 == 0 ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::white));
    }
    // Filler blocks at the end carry no number and no amounts.
    const QStringList lastNumbers = texts(model.pages.last(), QStringLiteral("qrlSeqNo"));
    const int onLast = lines - (pages - 1) * 8;
    for (int i = onLast; i < 8; ++i) {
        QVERIFY(lastNumbers[i].isEmpty());
        QVERIFY(texts(model.pages.last(), QStringLiteral("qrlDebit"))[i].isEmpty());
    }

    // The printer got the same sheets.
    QCOMPARE(pdfPageCount(dialogs.printFile), pages);
    const QStringList pdf = pdfPageTexts(dialogs.printFile);
    QCOMPARE(pdf.size(), pages);
    QCOMPARE(pdf.last().count(total), 4);  // the amount row, the cash line and both totals
    for (int p = 0; p + 1 < pages; ++p)
        QCOMPARE(pdf[p].count(total), 1);  // the amount row only

    // Printing again from the same form gives the same totals.
    form.PrintOrPreview(false);
    QCOMPARE(texts(form.pageModel().pages.last(), QStringLiteral("qrlTotalDebit")), QStringList{total});
}

void TestVBI021::lineBlocksAndHeader()
{
    const TestSlip slip = insertSlip(QStringLiteral("K2692003"), 3);
    ScriptedDialogs dialogs;
    dialogs.printFile = m_dir.filePath(QStringLiteral("blocks.pdf"));
    TfrmVBI021 form;
    printSlip(form, slip);
    const PrintPage& page = form.pageModel().pages.first();
    const QString names = Db::scalar(QStringLiteral("SELECT C.ACCT_NAME || '|' || V2.ACCT_NAME || '|' || V1.ACCT_NAME "
                                                    "FROM VA020MS C JOIN VA020MS V2 ON V2.ACCT_CODE = C.P_ACCT_CODE "
                                                    "JOIN VA020MS V1 ON V1.ACCT_CODE = V2.P_ACCT_CODE "
                                                    "WHERE C.ACCT_CODE = '7510110'")).toString();
    const QStringList acct = names.split(QLatin1Char('|'));
    QCOMPARE(texts(page, QStringLiteral("qrlAcctName")).first(), acct[0]);
    QCOMPARE(texts(page, QStringLiteral("qrlV2AcctName")).first(), acct[1]);
    QCOMPARE(texts(page, QStringLiteral("qrlV1AcctName")).first(), acct[2]);
    QCOMPARE(texts(page, QStringLiteral("qrlAcctCode")).mid(0, 3),
             QStringList({QStringLiteral("7510110"), QStringLiteral("7510110"), QStringLiteral("1110110")}));
    // Items by position: a code alone, or code ':' name.
    QCOMPARE(texts(page, QStringLiteral("qrlMg1")).first(), slip.deptCode);
    QCOMPARE(texts(page, QStringLiteral("qrlMg7")).first(), QStringLiteral("01:판관비"));
    QVERIFY(texts(page, QStringLiteral("qrlMg2")).first().isEmpty());
    // Zero amounts print empty.
    QCOMPARE(texts(page, QStringLiteral("qrlDebit")).mid(0, 3),
             QStringList({QStringLiteral("100,000"), QStringLiteral("200,000"), QString()}));
    QCOMPARE(texts(page, QStringLiteral("qrlCredit")).mid(0, 3),
             QStringList({QString(), QString(), QStringLiteral("300,000")}));
    QCOMPARE(texts(page, QStringLiteral("qrlSeqNo")).mid(0, 4),
             QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QString()}));
    // Header.
    QCOMPARE(texts(page, QStringLiteral("qrlCocd")), QStringList{QStringLiteral("K:탈바네리조트")});
    QCOMPARE(texts(page, QStringLiteral("qrlDept")), QStringList{slip.deptCode + QLatin1Char(' ') + slip.deptName});
    QCOMPARE(texts(page, QStringLiteral("qrlEmpName")), QStringList{slip.empName});
    QCOMPARE(texts(page, QStringLiteral("qrlSlipDate")), QStringList{slip.date});
    QCOMPARE(texts(page, QStringLiteral("qrlSlipTitle")), QStringList{QStringLiteral("분  개   전  표")});
    // The frame's date, program ID and company lines are not on the slip.
    QVERIFY(!page.find(QStringLiteral("qrlDate")));
    QVERIFY(!page.find(QStringLiteral("qrlProgramID")));
    QVERIFY(!page.find(QStringLiteral("qrlTitle")));
    for (const char* caption : {"사 업 장 :", "회계일자 :", "협조: 감사", "발\n생\n부\n서", "본부장", "대표이사",
                                "계 정   과 목", "관  리  [6]", "적           요", "차   변", "대   변", "회\n계\n부\n서",
                                "상  무", "비          고", "합     계", "지출 확인", "지출일", "수령인"})
        QVERIFY2(page.texts().contains(QString::fromUtf8(caption)), caption);
}

// The amount row shows the cash paid out: the credits on the cash accounts.
void TestVBI021::cashAmountRow_data()
{
    QTest::addColumn<QString>("slipNo");
    QTest::addColumn<QString>("cashCredit");  // credit of the last line on account 1110110
    QTest::addColumn<QString>("expected");
    QTest::newRow("cash paid") << QStringLiteral("K2693001") << QStringLiteral("300000")
                               << QStringLiteral("삼십만원정  (") + kWon + QStringLiteral(" 300,000)");
    QTest::newRow("no cash credit") << QStringLiteral("K2693002") << QString() << QString();
    QTest::newRow("cash credits sum to zero") << QStringLiteral("K2693003") << QStringLiteral("0") << QString();
}

void TestVBI021::cashAmountRow()
{
    QFETCH(QString, slipNo);
    QFETCH(QString, cashCredit);
    QFETCH(QString, expected);
    const TestSlip slip = insertSlip(slipNo, 3);
    if (cashCredit.isEmpty())
        TestDb::ownerExec(QStringLiteral("UPDATE VB011MS SET ACCT_CODE = '7510110' WHERE SLIP_NO = :P0 AND SLIP_SEQ_NO = 2"), {slipNo});
    else
        TestDb::ownerExec(QStringLiteral("UPDATE VB011MS SET C_AMOUNT = CAST(:P1 AS NUMERIC) WHERE SLIP_NO = :P0 AND SLIP_SEQ_NO = 2"),
                {slipNo, cashCredit});
    ScriptedDialogs dialogs;
    dialogs.printFile = m_dir.filePath(slipNo + QLatin1String(".pdf"));
    TfrmVBI021 form;
    printSlip(form, slip);
    QCOMPARE(form.amountText(), expected);
    QCOMPARE(texts(form.pageModel().pages.first(), QStringLiteral("qrlAmount")), QStringList{expected});
}

// A slip whose writer is unknown to personnel has no printable lines: one
// empty form, zero totals.
void TestVBI021::slipWithoutPrintableLinesIsAnEmptyForm()
{
    QVERIFY(Db::scalar(QStringLiteral("SELECT COUNT(*) FROM QA010MS WHERE EMP_NO = '7777'")).toInt() == 0);
    const TestSlip slip = insertSlip(QStringLiteral("K2694008"), 8, QStringLiteral("7777"));
    ScriptedDialogs dialogs;
    dialogs.printFile = m_dir.filePath(QStringLiteral("empty.pdf"));
    TfrmVBI021 form;
    printSlip(form, slip);
    QCOMPARE(form.cdsQuery().rowCount(), 0);
    QCOMPARE(pdfPageCount(dialogs.printFile), 1);
    const PrintPage& page = form.pageModel().pages.first();
    QCOMPARE(texts(page, QStringLiteral("qrlTotalDebit")), QStringList{QStringLiteral("0")});
    QCOMPARE(texts(page, QStringLiteral("qrlTotalCredit")), QStringList{QStringLiteral("0")});
    QCOMPARE(texts(page, QStringLiteral("qrlSlipNo")), QStringList{QString()});
}

// A demo slip loaded in slip entry and printed with F11's button.
void TestVBI021::demoSlipFromSlipEntryToPdf()
{
    ScriptedDialogs dialogs;
    QSqlQuery q = RunQuery(QStringLiteral(
        "SELECT Z.SLIP_NO, TO_CHAR(Z.SLIP_DATE, 'YYYY-MM-DD'), D.DEPT_NAME, Z.DEPT_CODE, COUNT(*)\n"
        "  FROM VB010MS Z JOIN QA160MS_DATE D ON D.DEPT_CODE = Z.DEPT_CODE\n"
        "   AND TO_CHAR(CURRENT_DATE, 'YYYY-MM-DD') BETWEEN D.BGN_DATE AND D.END_DATE\n"
        "  JOIN VB011MS A ON A.SLIP_NO = Z.SLIP_NO\n"
        "  JOIN QA010MS E ON E.EMP_NO = Z.CR_EMP_NO\n"
        " WHERE Z.SLIP_DEL_YN = 'N'\n"
        "   AND EXISTS (SELECT 1 FROM VB011MS K WHERE K.SLIP_NO = Z.SLIP_NO AND K.C_AMOUNT > 0\n"
        "                  AND K.ACCT_CODE IN ('1110110', '1110120', '1110130'))\n"
        " GROUP BY Z.SLIP_NO, Z.SLIP_DATE, D.DEPT_NAME, Z.DEPT_CODE\n"
        " ORDER BY COUNT(*) DESC, Z.SLIP_NO LIMIT 1"));
    QVERIFY2(q.next(), "no demo slip paying cash");
    const QString slipNo = q.value(0).toString();
    const int lines = q.value(4).toInt();
    HandOver::HandSlipNo = slipNo;
    HandOver::HandSlipDate = q.value(1).toString();
    HandOver::HandDeptText = DeptEntry::text(q.value(2).toString(), q.value(3).toString());
    TfrmVBI020 s;
    s.show();
    QTRY_COMPARE(s.lines()->recordCount(), lines);
    QVERIFY(button(s, "bbtPrint")->isEnabled());

    dialogs.printFile = m_dir.filePath(QStringLiteral("demo.pdf"));
    button(s, "bbtPrint")->click();
    QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.texts().join(QLatin1Char('|'))));
    QVERIFY(dialogs.dialogsRun.isEmpty());
    const int pages = (lines + 7) / 8;
    QCOMPARE(pdfPageCount(dialogs.printFile), pages);

    QSqlQuery t = RunQuery(QStringLiteral("SELECT SUM(D_AMOUNT), SUM(C_AMOUNT), "
                                          "SUM(CASE WHEN ACCT_CODE IN ('1110110', '1110120', '1110130') "
                                          "THEN C_AMOUNT ELSE 0 END) FROM VB011MS WHERE SLIP_NO = :P0"),
                           {slipNo});
    QVERIFY(t.next());
    const QLocale en(QLocale::English);
    const QString debit = en.toString(t.value(0).toLongLong());
    const QString credit = en.toString(t.value(1).toLongLong());
    const QString cash = en.toString(t.value(2).toLongLong());
    const QString words = Db::scalar(QStringLiteral("SELECT FN_V_NUMTOHAN('2', CAST(:P0 AS NUMERIC))"),
                                     {t.value(2).toLongLong()}).toString();
    QVERIFY(words.endsWith(QStringLiteral("원정")));

    const QStringList pdf = pdfPageTexts(dialogs.printFile);
    QCOMPARE(pdf.size(), pages);
    const QString all = pdf.join(QLatin1Char('\n'));
    QVERIFY(pdf.first().contains(slipNo));
    QVERIFY(pdf.first().contains(QStringLiteral("분  개   전  표")) || pdf.first().contains(QStringLiteral("분 개 전 표")));
    QVERIFY2(pdf.first().contains(words), qPrintable(words));
    QVERIFY(pdf.first().contains(cash + QLatin1Char(')')));
    QVERIFY(pdf.last().contains(QRegularExpression(QStringLiteral("합\\s+계"))));
    // Totals on the last sheet.
    const QRegularExpression totals(QStringLiteral("합\\s+계\\s+%1\\s+%2").arg(QRegularExpression::escape(debit),
                                                                              QRegularExpression::escape(credit)));
    QVERIFY2(totals.match(pdf.last()).hasMatch(), qPrintable(pdf.last()));
    // Every account of the slip appears.
    QSqlQuery accts = RunQuery(QStringLiteral("SELECT DISTINCT A.ACCT_CODE, C.ACCT_NAME FROM VB011MS A "
                                              "JOIN VA020MS C ON C.ACCT_CODE = A.ACCT_CODE WHERE A.SLIP_NO = :P0"),
                               {slipNo});
    int count = 0;
    while (accts.next()) {
        ++count;
        QVERIFY2(all.contains(accts.value(0).toString()), qPrintable(accts.value(0).toString()));
        QVERIFY2(all.contains(accts.value(1).toString()), qPrintable(accts.value(1).toString()));
    }
    QVERIFY(count > 0);
}

// Preview goes through the dialog service (the test answers it at once) and
// shows the same sheets the printer would get; nothing reaches the printer.
void TestVBI021::previewFromSlipEntry()
{
    const TestSlip slip = insertSlip(QStringLiteral("K2695009"), 9);
    ScriptedDialogs dialogs;
    dialogs.printFile = m_dir.filePath(QStringLiteral("not-printed.pdf"));
    QStringList seen;
    dialogs.onDialog = [&](QDialog* dialog) {
        if (auto* window = qobject_cast<PreviewWindow*>(dialog)) {
            seen << window->windowTitle() << QString::number(window->pane()->pageCount());
            const PageModel& model = window->pane()->pageModel();
            seen << model.pages.last().texts(QStringLiteral("qrlTotalDebit"));
        }
        return int(QDialog::Accepted);
    };
    HandOver::HandSlipNo = slip.slipNo;
    HandOver::HandSlipDate = slip.date;
    HandOver::HandDeptText = DeptEntry::text(slip.entryName, slip.deptCode);
    TfrmVBI020 s;
    s.show();
    QTRY_COMPARE(s.lines()->recordCount(), 9);
    QVERIFY(button(s, "bbtPreview")->isEnabled());
    button(s, "bbtPreview")->click();
    QCOMPARE(dialogs.dialogsRun.size(), 1);
    QCOMPARE(seen, QStringList({QStringLiteral("미리보기 - 분 개 전 표"), QStringLiteral("2"),
                                QLocale(QLocale::English).toString(slip.debit)}));
    QVERIFY(!QFile::exists(dialogs.printFile));
    QVERIFY(dialogs.shown.isEmpty());
}

// A new slip carries a temporary number: it is not in the tables, so the
// user is told to save it first and nothing is printed. No number at all is
// treated the same.
void TestVBI021::unsavedSlipIsNotPrinted()
{
    ScriptedDialogs dialogs;
    dialogs.printFile = m_dir.filePath(QStringLiteral("unsaved.pdf"));
    SlipScreen s;
    s.show();
    button(s, "bbtAdd")->click();
    QVERIFY(s.currentSlipNo().startsWith(QLatin1Char('N')));
    dialogs.clear();
    s.PreviewFlag = false;
    s.DoPrint();
    s.PreviewFlag = true;
    s.DoPrint();
    QCOMPARE(dialogs.texts(), QStringList({kNotSaved, kNotSaved}));
    QVERIFY(dialogs.dialogsRun.isEmpty());

    dialogs.clear();
    TfrmVBI021 form;
    form.Print(QStringLiteral("   "), QDate::currentDate(), QString(), QString(), false);
    QCOMPARE(dialogs.texts(), QStringList{kNotSaved});
    QCOMPARE(form.pageCount(), 0);
    QVERIFY(!QFile::exists(dialogs.printFile));
}


// The widest values the slip's columns hold: a 100-character description
// (with and without blanks), 100-character item values, 15-digit amounts and
// their amount in words. Every text is printed whole inside its own box, the
// header's texts stay clear of the approval boxes, and the title is centred
// on the sheet.
void TestVBI021::widestValuesFitTheirBoxes()
{
    const TestSlip slip = insertSlip(QStringLiteral("K2696003"), 3);
    const qint64 amount = 999999999999999LL;
    QString spaced;
    while (spaced.size() < 100)
        spaced += QStringLiteral("삼월분 직원 급여 및 제수당 지급 ");
    spaced = spaced.left(100);
    const QString solid = QString(100, QChar(0xD55C));  // 한한한…
    QStringList items;
    for (int p = 1; p <= 7; ++p)
        items << QStringLiteral("C%1").arg(p).leftJustified(20, QLatin1Char('9')) + QLatin1Char(':')
                     + QString(79, QChar(0xAC00 + p));
    TestDb::ownerExec(QStringLiteral("UPDATE VB010MS SET TOTAL_D_AMT = :P1, TOTAL_C_AMT = :P1 WHERE SLIP_NO = :P0"),
                      {slip.slipNo, amount});
    TestDb::ownerExec(QStringLiteral("UPDATE VB011MS SET D_AMOUNT = CASE SLIP_SEQ_NO WHEN 0 THEN CAST(:P1 AS NUMERIC) ELSE 0 END,\n"
                                     "  C_AMOUNT = CASE SLIP_SEQ_NO WHEN 2 THEN CAST(:P1 AS NUMERIC) ELSE 0 END,\n"
                                     "  REF_DATA = CASE SLIP_SEQ_NO WHEN 1 THEN :P3 ELSE :P2 END WHERE SLIP_NO = :P0"),
                      {slip.slipNo, amount, spaced, solid});
    TestDb::ownerExec(QStringLiteral("DELETE FROM VB011DT WHERE SLIP_NO = :P0"), {slip.slipNo});
    for (int p = 1; p <= 7; ++p)
        TestDb::ownerExec(QStringLiteral("INSERT INTO VB011DT (SLIP_NO, SLIP_SEQ_NO, LINEUP_NO, MG_CODE, MG_DETAIL, MG_DETAIL_NAME, "
                                         "ACCT_CODE) VALUES (:P0, 0, :P1, :P2, :P3, :P4, '7510110')"),
                          {slip.slipNo, p, QStringLiteral("9%1").arg(p, 2, 10, QLatin1Char('0')),
                           items[p - 1].section(QLatin1Char(':'), 0, 0), items[p - 1].section(QLatin1Char(':'), 1)});

    ScriptedDialogs dialogs;
    dialogs.printFile = m_dir.filePath(QStringLiteral("widest.pdf"));
    TfrmVBI021 form;
    printSlip(form, slip);
    QVERIFY(dialogs.shown.isEmpty());
    // The printed sheet, to be looked at: TV_SLIP_PNG names the picture.
    QVERIFY(QFile::exists(dialogs.printFile));
    if (const QString png = qEnvironmentVariable("TV_SLIP_PNG"); !png.isEmpty())
        QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("200"),
                                                      QStringLiteral("-singlefile"), dialogs.printFile, png});
    const PrintPage& page = form.pageModel().pages.first();
    const QString figures = QLocale(QLocale::English).toString(amount);
    const QString words = Db::scalar(QStringLiteral("SELECT FN_V_NUMTOHAN('2', CAST(:P0 AS NUMERIC))"), {amount}).toString();

    // Every value whole.
    QCOMPARE(texts(page, QStringLiteral("qrlRefData")), QStringList{spaced});
    QCOMPARE(texts(page, QStringLiteral("qrlLineRefData")).mid(0, 2), (QStringList{spaced, solid}));
    for (int p = 1; p <= 7; ++p)
        QCOMPARE(texts(page, QStringLiteral("qrlMg%1").arg(p)).first(), items[p - 1]);
    QCOMPARE(texts(page, QStringLiteral("qrlDebit")).first(), figures);
    QCOMPARE(texts(page, QStringLiteral("qrlCredit")).at(2), figures);
    QCOMPARE(texts(page, QStringLiteral("qrlTotalDebit")), QStringList{figures});
    QCOMPARE(texts(page, QStringLiteral("qrlAmount")),
             QStringList{words + QStringLiteral("  (") + kWon + QLatin1Char(' ') + figures + QLatin1Char(')')});

    // Every text inside its box.
    QStringList overflows;
    for (const PrintItem& item : page.items) {
        QString why;
        if (item.kind == PrintItem::Text && !item.text.isEmpty() && !fitsItsBox(item, &why))
            overflows << why;
    }
    QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join(QLatin1Char('\n'))));

    // The header's values keep clear of the approval boxes.
    QList<QRectF> boxes;
    for (const PrintItem& item : page.items)
        if (item.kind == PrintItem::Rect
            && (item.name.startsWith(QLatin1String("qrlWriterBox")) || item.name.startsWith(QLatin1String("qrlApproveBox"))
                || item.name == QLatin1String("qrsWriterGroup")))
            boxes << item.rect;
    QCOMPARE(boxes.size(), 6);
    for (const char* name : {"qrlSlipTitle", "qrlCocd", "qrlDept", "qrlEmpName", "qrlSlipNo", "qrlSlipDate", "qrlRefData",
                             "qrlAmount", "qrlAccDate"}) {
        const PrintItem* item = page.find(QLatin1String(name));
        QVERIFY2(item, name);
        for (const QRectF& box : boxes)
            QVERIFY2(!item->rect.intersects(box), name);
    }

    // The title in the middle of the sheet.
    const PrintItem* title = page.find(QStringLiteral("qrlSlipTitle"));
    QCOMPARE(title->rect.center().x(), form.pageModel().paperSize().width() / 2);
    QVERIFY(title->flags & Qt::AlignHCenter);
}

TV_TEST_MAIN(TestVBI021)
#include "tst_vbi021.moc"
