// The page frame and the banded layout engine: page models, page totals,
// groups, the printer and PDF output, the preview, and the report viewer
// contract.
#include "common/AppErrors.h"
#include "common/Db.h"
#include "framework/ZZP010.h"
#include "framework/ZZP020.h"
#include "framework/print/NumberMask.h"
#include "framework/print/PreviewWindow.h"
#include "framework/print/ReportOutput.h"
#include "framework/print/ReportViewer.h"
#include "support/PdfTools.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQueryModel>
#include <QTemporaryDir>

namespace {

using namespace PdfTools;

constexpr double kRowHeight = 5.0;
constexpr double kColumnHeaderHeight = 8.0;

// A ledger layout like the screens build: column header with the current
// account, one detail row per record, optionally a group per account that
// starts on a new page.
template <typename Frame>
class LedgerLayout : public Frame {
public:
    explicit LedgerLayout(bool grouped, const QString& name = QStringLiteral("frmVCI071")) : Frame(name)
    {
        Band* header = this->band(Band::ColumnHeader, kColumnHeaderHeight);
        header->addExpression(QStringLiteral("qrlAcct"), QRectF(0, 1, 60, 5), [](const ReportContext& ctx) {
            return QStringLiteral("계정코드 : ") + ctx.text(QStringLiteral("ACCT_SBJ_CD"));
        });
        header->addLabel(QStringLiteral("qrlHeadRmk"), QRectF(60, 1, 100, 5), QStringLiteral("적              요"));
        header->addRule(QStringLiteral("qrsHeadRule"), 7.5, 0.2, Qt::DotLine);
        Band* detail = this->band(Band::Detail, kRowHeight);
        detail->addField(QStringLiteral("qrdRmk"), QRectF(0, 0, 100, kRowHeight), QStringLiteral("RMK"));
        detail->addField(QStringLiteral("qrdAmt"), QRectF(100, 0, 40, kRowHeight), QStringLiteral("DB_AMT"),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("#,###"));
        if (grouped) {
            ReportGroup* group = this->addGroup(QStringLiteral("qrgAcct"), QStringLiteral("ACCT_SBJ_CD"), 6, 2);
            group->header->forceNewPage = true;
            group->header->addField(QStringLiteral("qrgAcctCode"), QRectF(0, 0, 40, 6), QStringLiteral("ACCT_SBJ_CD"));
            group->footer->addRule(QStringLiteral("qrgFooterRule"), 1);
        }
        this->table().setFields({QStringLiteral("acct_sbj_cd"), QStringLiteral("rmk"), QStringLiteral("db_amt")});
    }

    void addRows(const QString& account, int count)
    {
        for (int i = 0; i < count; ++i)
            this->table().appendRow({account, QStringLiteral("적요 %1-%2").arg(account).arg(i + 1), (i + 1) * 1000});
    }

    QString condition;

protected:
    void qrpReportBeforePrint() override
    {
        this->qrlTitle->setText(QStringLiteral("총   계   정   원   장"));
        this->qrlCondition->setText(condition);
    }
};

}  // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void pageTotals_data();
    void pageTotals();
    void emptyReportHasOnePageWithFrame();
    void frameElements_data();
    void frameElements();
    void companyNameIsTheFrames();
    void groupsStartNewPagesAndHeaderFollowsRow();
    void bandSkippedAndSummary();
    void textsShrinkToFitTheirBoxes_data();
    void textsShrinkToFitTheirBoxes();
    void numberMask_data();
    void numberMask();
    void reportDataFromDatabase();
    void printToDefaultPrinterWritesPdf();
    void noPrinterIsAnError();
    void saveAsPdf();
    void previewNavigationZoomAndPrint();
    void openReportArguments_data();
    void openReportArguments();
    void openReportUnknownAndRegistered();
};

void TestPrint::pageTotals_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    // Portrait: 46 rows fit under the title on page 1, 50 on later pages.
    QTest::newRow("portrait empty") << false << 0 << 1;
    QTest::newRow("portrait one row") << false << 1 << 1;
    QTest::newRow("portrait first page full") << false << 46 << 1;
    QTest::newRow("portrait one over") << false << 47 << 2;
    QTest::newRow("portrait two full") << false << 96 << 2;
    QTest::newRow("portrait three") << false << 97 << 3;
    // Landscape: 29 rows on page 1, 32 on later pages.
    QTest::newRow("landscape first page full") << true << 29 << 1;
    QTest::newRow("landscape one over") << true << 30 << 2;
    QTest::newRow("landscape two full") << true << 61 << 2;
    QTest::newRow("landscape three") << true << 62 << 3;
    QTest::newRow("landscape many") << true << 29 + 32 * 20 << 21;
}

void TestPrint::pageTotals()
{
    QFETCH(bool, landscape);
    QFETCH(int, rows);
    QFETCH(int, pages);

    std::unique_ptr<TfrmZZP010> frame;
    if (landscape) {
        auto layout = std::make_unique<LedgerLayout<TfrmZZP020>>(false);
        layout->addRows(QStringLiteral("1110100"), rows);
        frame = std::move(layout);
    } else {
        auto layout = std::make_unique<LedgerLayout<TfrmZZP010>>(false);
        layout->addRows(QStringLiteral("1110100"), rows);
        frame = std::move(layout);
    }
    QCOMPARE(frame->Prepare(), pages);
    const PageModel& model = frame->pageModel();
    QCOMPARE(model.orientation, landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    int detailRows = 0;
    for (int p = 0; p < model.pageCount(); ++p) {
        const PrintPage& page = model.pages[p];
        QCOMPARE(page.texts(QStringLiteral("qrlPageCurrent")), QStringList{QString::number(p + 1)});
        QCOMPARE(page.texts(QStringLiteral("qrlPageTotal")), QStringList{QString::number(pages)});
        QCOMPARE(page.texts(QStringLiteral("qrlTitle")).size(), p == 0 ? 1 : 0);
        QCOMPARE(page.texts(QStringLiteral("qrlHeadRmk")).size(), 1);
        detailRows += int(page.texts(QStringLiteral("qrdRmk")).size());
        // Nothing of the body runs into the footer or off the paper.
        const double footerTop = model.paperSize().height() - 10 - 50 * 25.4 / 96;
        for (const PrintItem& item : page.items) {
            if (item.name == QLatin1String("qrdRmk"))
                QVERIFY(item.rect.bottom() <= footerTop + 1e-9);
        }
    }
    QCOMPARE(detailRows, rows);
    // Preparing again gives the same pages.
    QCOMPARE(frame->Prepare(), pages);
}

void TestPrint::emptyReportHasOnePageWithFrame()
{
    TfrmZZP010 frame(QStringLiteral("frmVCI011"));
    QCOMPARE(frame.Prepare(), 1);
    const PrintPage& page = frame.pageModel().pages.first();
    QCOMPARE(page.texts(QStringLiteral("qrlTitle")), QStringList{QStringLiteral("제목")});
    QCOMPARE(page.texts(QStringLiteral("qrlDateLabel")), QStringList{QStringLiteral("Date :")});
    QCOMPARE(page.texts(QStringLiteral("qrlProgramID")), QStringList{QStringLiteral("VCI011")});
    QCOMPARE(page.texts(QStringLiteral("qrlPageCurrent")), QStringList{QStringLiteral("1")});
    QCOMPARE(page.texts(QStringLiteral("qrlPageSlash")), QStringList{QStringLiteral("/")});
    QCOMPARE(page.texts(QStringLiteral("qrlPageTotal")), QStringList{QStringLiteral("1")});
    QCOMPARE(page.texts(QStringLiteral("qrlCompanyEng")), QStringList{QStringLiteral("TALVANE RESORT")});
    const QString date = page.texts(QStringLiteral("qrlDate")).value(0);
    QVERIFY2(QDateTime::fromString(date, QStringLiteral("yyyy-MM-dd hh:mm:ss")).isValid(), qPrintable(date));
    QVERIFY(page.find(QStringLiteral("qriLogo")) && !page.find(QStringLiteral("qriLogo"))->image.isNull());
    QCOMPARE(page.texts(QStringLiteral("qrlCompany")), QStringList{QStringLiteral("탈바네리조트")});
    // The screen may fill the page total itself, as layouts used to.
    frame.qrlPageTotal->setText(QStringLiteral("1"));
    QCOMPARE(frame.Prepare(), 1);
    QCOMPARE(frame.pageModel().pages.first().texts(QStringLiteral("qrlPageTotal")), QStringList{QStringLiteral("1")});
}

void TestPrint::frameElements_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::newRow("portrait") << false;
    QTest::newRow("landscape") << true;
}

void TestPrint::frameElements()
{
    QFETCH(bool, landscape);
    std::unique_ptr<TfrmZZP010> frame = landscape ? std::make_unique<TfrmZZP020>() : std::make_unique<TfrmZZP010>();
    frame->Prepare();
    const PageModel& model = frame->pageModel();
    const QSizeF paper = model.paperSize();
    QCOMPARE(paper.toSize(), landscape ? QSize(297, 210) : QSize(210, 297));
    QCOMPARE(frame->margins(), QMarginsF(15, 15, 10, 10));
    const PrintPage& page = model.pages.first();

    // The same footer elements in both orientations, inside the margins.
    for (const char* name : {"qrlDateLabel", "qrlDate", "qrlPageCurrent", "qrlPageSlash", "qrlPageTotal",
                             "qrlProgramID", "qriLogo", "qrlCompany", "qrlCompanyEng"}) {
        const PrintItem* item = page.find(QLatin1String(name));
        QVERIFY2(item, name);
        QVERIFY2(item->rect.left() >= 15 - 1e-9 && item->rect.right() <= paper.width() - 10 + 1e-9, name);
        QVERIFY2(item->rect.bottom() <= paper.height() - 10 + 1e-9, name);
        QVERIFY2(item->rect.top() >= paper.height() - 10 - 50 * 25.4 / 96 - 1e-9, name);
    }
    // Title box filled, its grey shadow 4 px right and down, the title over it.
    const PrintItem* box = page.find(QStringLiteral("qrsTitle"));
    const PrintItem* shadow = page.find(QStringLiteral("qrsTitleShadow"));
    QVERIFY(box && shadow);
    QCOMPARE(box->fill, QColor(240, 203, 166));
    QCOMPARE(shadow->fill.red(), shadow->fill.green());
    QVERIFY(qAbs(shadow->rect.left() - box->rect.left() - 4 * 25.4 / 96) < 1e-9);
    QVERIFY(qAbs(shadow->rect.top() - box->rect.top() - 4 * 25.4 / 96) < 1e-9);
    QVERIFY(shadow - page.items.constData() < box - page.items.constData());
    const PrintItem* title = page.find(QStringLiteral("qrlTitle"));
    QVERIFY(title->font.bold());
    QCOMPARE(title->font.pointSizeF(), 14.0);
    QVERIFY(title->flags & Qt::AlignHCenter);
    QCOMPARE(title->rect.center().x(), 15 + frame->contentWidth() / 2);
    QCOMPARE(title->rect.top(), 15 + 1.5);
    const PrintItem* condition = page.find(QStringLiteral("qrlCondition"));
    QVERIFY(condition->flags & Qt::TextWordWrap);
    QCOMPARE(condition->font.pointSizeF(), 10.0);
}

void TestPrint::companyNameIsTheFrames()
{
    // The report header row of the common codes holds what the cash book
    // reads there (its deposit account list); it must not reach the footer.
    TestDatabase db;
    Db::run(QStringLiteral("DELETE FROM ZX010MS WHERE HEAD = 'V9999' AND DETAIL = '01'"));
    Db::run(QStringLiteral("INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) "
                           "VALUES ('V9999', '01', '''1110300'',', '''1110400''')"));
    TfrmZZP010 portrait;
    TfrmZZP020 landscape;
    for (TfrmZZP010* frame : {&portrait, static_cast<TfrmZZP010*>(&landscape)}) {
        frame->Prepare();
        QCOMPARE(frame->pageModel().pages[0].texts(QStringLiteral("qrlCompany")),
                 QStringList{QStringLiteral("탈바네리조트")});
        QCOMPARE(frame->pageModel().pages[0].texts(QStringLiteral("qrlCompanyEng")),
                 QStringList{QStringLiteral("TALVANE RESORT")});
    }
}

void TestPrint::groupsStartNewPagesAndHeaderFollowsRow()
{
    LedgerLayout<TfrmZZP010> layout(true);
    layout.addRows(QStringLiteral("1110100"), 10);
    layout.addRows(QStringLiteral("1120100"), 60);
    layout.addRows(QStringLiteral("2110100"), 5);
    // Page 1: first account. Page 2 and 3: second account (its 60 rows need
    // two pages). Page 4: third account.
    QCOMPARE(layout.Prepare(), 4);
    const PageModel& model = layout.pageModel();
    const QStringList accounts = {QStringLiteral("1110100"), QStringLiteral("1120100"), QStringLiteral("1120100"),
                                  QStringLiteral("2110100")};
    int rows = 0;
    for (int p = 0; p < 4; ++p) {
        const PrintPage& page = model.pages[p];
        QCOMPARE(page.texts(QStringLiteral("qrlAcct")), QStringList{QStringLiteral("계정코드 : ") + accounts[p]});
        QCOMPARE(page.texts(QStringLiteral("qrlPageTotal")), QStringList{QStringLiteral("4")});
        for (const QString& rmk : page.texts(QStringLiteral("qrdRmk")))
            QVERIFY2(rmk.contains(accounts[p]), qPrintable(rmk));
        rows += int(page.texts(QStringLiteral("qrdRmk")).size());
        // A group header opens pages 1, 2 and 4; page 3 continues.
        QCOMPARE(page.texts(QStringLiteral("qrgAcctCode")).size(), p == 2 ? 0 : 1);
    }
    QCOMPARE(rows, 75);
    // Group footers close each account: after the first, on page 3 and page 4.
    QCOMPARE(model.pages[0].find(QStringLiteral("qrgFooterRule")) != nullptr, true);
    QCOMPARE(model.pages[1].find(QStringLiteral("qrgFooterRule")) != nullptr, false);
    QCOMPARE(model.pages[2].find(QStringLiteral("qrgFooterRule")) != nullptr, true);
    QCOMPARE(model.pages[3].find(QStringLiteral("qrgFooterRule")) != nullptr, true);
    // Amounts through the mask.
    QCOMPARE(model.pages[0].texts(QStringLiteral("qrdAmt")).first(), QStringLiteral("1,000"));
    // The dotted rule spans the band.
    const PrintItem* rule = model.pages[0].find(QStringLiteral("qrsHeadRule"));
    QCOMPARE(rule->line.x1(), 15.0);
    QCOMPARE(rule->line.x2(), 210.0 - 10.0);
    QCOMPARE(rule->penStyle, Qt::DotLine);
}

void TestPrint::bandSkippedAndSummary()
{
    LedgerLayout<TfrmZZP020> layout(false);
    layout.addRows(QStringLiteral("1110100"), 40);
    // Rows of even number are left out; the summary counts what printed.
    int printed = 0;
    layout.band(Band::Detail)->beforePrint = [&](Band& band, const ReportContext& ctx) {
        if (ctx.row % 2 == 1)
            return false;
        band.element(QStringLiteral("qrdRmk"))->color = ctx.row == 0 ? Qt::blue : Qt::black;
        ++printed;
        return true;
    };
    Band* summary = layout.band(Band::Summary, 6);
    summary->addExpression(QStringLiteral("qrsCount"), QRectF(0, 0, 60, 6),
                           [&](const ReportContext&) { return QStringLiteral("%1건").arg(printed); });
    QCOMPARE(layout.Prepare(), 1);
    const PrintPage& page = layout.pageModel().pages[0];
    QCOMPARE(page.texts(QStringLiteral("qrdRmk")).size(), 20);
    QCOMPARE(page.texts(QStringLiteral("qrsCount")), QStringList{QStringLiteral("20건")});
    QCOMPARE(page.find(QStringLiteral("qrdRmk"))->color, QColor(Qt::blue));
    // The summary prints on an empty report too.
    layout.table().clear();
    printed = 0;
    QCOMPARE(layout.Prepare(), 1);
    QCOMPARE(layout.pageModel().pages[0].texts(QStringLiteral("qrsCount")), QStringList{QStringLiteral("0건")});
}

void TestPrint::textsShrinkToFitTheirBoxes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<QString>("layout");  // own size, smaller, wrapped at blanks or anywhere, cut
    const QString words = QStringLiteral("삼월분 직원 급여 및 제수당 지급 ").repeated(4);
    QTest::newRow("short text keeps its size") << QStringLiteral("급여") << false << "own";
    QTest::newRow("long line is set smaller") << words << false << "smaller";
    QTest::newRow("long text wraps at blanks") << words << true << "blanks";
    QTest::newRow("a run without blanks breaks anywhere") << QString(60, QChar(0xD55C)) << true << "anywhere";
    QTest::newRow("too long even at the smallest size is cut visibly") << QString(2000, QChar(0xD55C)) << true << "cut";
}

void TestPrint::textsShrinkToFitTheirBoxes()
{
    QFETCH(QString, text);
    QFETCH(bool, wrap);
    QFETCH(QString, layout);
    TfrmZZP010 report(QStringLiteral("frmFit"));
    Band* detail = report.band(Band::Detail, 10);
    ReportElement* e = detail->addField(QStringLiteral("qrdText"), QRectF(0, 0, 60, 8), QStringLiteral("T"));
    e->font = ReportFont(QStringLiteral("굴림"), 10);
    e->wordWrap = wrap;
    e->shrinkToFit = true;
    report.table().setFields({QStringLiteral("t")});
    report.table().appendRow({text});
    const PrintItem* item = report.prepare().pages.first().find(QStringLiteral("qrdText"));
    QVERIFY(item);
    QVERIFY(PrintText::fits(item->text, item->font, item->flags, item->rect.size()));
    const double size = item->font.pointSizeF();
    if (layout == QLatin1String("own")) {
        QCOMPARE(size, 10.0);
    } else if (layout == QLatin1String("cut")) {
        QCOMPARE(size, PrintText::kMinPointSize);
        QVERIFY(item->text.endsWith(QChar(0x2026)));
        QVERIFY(text.startsWith(item->text.chopped(1)));
    } else {
        QVERIFY(size < 10.0 && size >= PrintText::kMinPointSize);
        QCOMPARE(item->text, text);
        QCOMPARE(bool(item->flags & Qt::TextWordWrap), layout == QLatin1String("blanks"));
        QCOMPARE(bool(item->flags & Qt::TextWrapAnywhere), layout == QLatin1String("anywhere"));
    }
}

void TestPrint::numberMask_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero prints nothing") << 0.0 << "#,###" << "";
    QTest::newRow("grouping") << 1234567.0 << "#,###" << "1,234,567";
    QTest::newRow("negative") << -1234.0 << "#,###" << "-1,234";
    QTest::newRow("under a thousand") << 999.0 << "#,###" << "999";
    QTest::newRow("zero with 0") << 0.0 << "#,##0" << "0";
    QTest::newRow("two decimals") << 1234.5 << "#,##0.00" << "1,234.50";
    QTest::newRow("optional decimals") << 3.14159 << "0.0#" << "3.14";
    QTest::newRow("rounds") << 2.5 << "#,##0" << "3";
    QTest::newRow("negative section") << -1234.0 << "#,###;(#,###)" << "(1,234)";
    QTest::newRow("zero section") << 0.0 << "#,###;-#,###;영" << "영";
    QTest::newRow("literal suffix") << 1500.0 << "#,##0원" << "1,500원";
    QTest::newRow("rounds to zero without sign") << -0.4 << "#,##0" << "0";
    QTest::newRow("large amount") << 12345678901234.0 << "#,###" << "12,345,678,901,234";
}

void TestPrint::numberMask()
{
    QFETCH(double, value);
    QFETCH(QString, mask);
    QFETCH(QString, text);
    QCOMPARE(FormatNumberMask(value, mask), text);
}

void TestPrint::reportDataFromDatabase()
{
    TestDatabase db;
    LedgerLayout<TfrmZZP020> layout(true);
    // The layout's own query; the server answers in small letters, the
    // layout asks in capitals.
    layout.cdsQuery().open(QStringLiteral("SELECT CASE WHEN g <= 40 THEN '1110100' ELSE '2110100' END ACCT_SBJ_CD, "
                                          "'적요' || g RMK, g * 1000 DB_AMT FROM generate_series(1, 70) g ORDER BY g"));
    QCOMPARE(layout.cdsQuery().rowCount(), 70);
    QCOMPARE(layout.cdsQuery().value(69, QStringLiteral("DB_AMT")).toInt(), 70000);
    QCOMPARE(layout.Prepare(), 3);  // 40 rows take two landscape pages, the second account a third
    QCOMPARE(layout.pageModel().pages[2].texts(QStringLiteral("qrdRmk")).first(), QStringLiteral("적요41"));

    // A second cursor over a screen's result.
    QSqlQueryModel model;
    model.setQuery(QStringLiteral("SELECT '3110100' acct_sbj_cd, '외상' rmk, NULL::numeric db_amt"), Db::connection());
    ModelReportData shared(&model);
    LedgerLayout<TfrmZZP010> second(false);
    second.setData(&shared);
    QCOMPARE(second.Prepare(), 1);
    QCOMPARE(second.pageModel().pages[0].texts(QStringLiteral("qrdRmk")), QStringList{QStringLiteral("외상")});
    QCOMPARE(second.pageModel().pages[0].texts(QStringLiteral("qrdAmt")), QStringList{QString()});
}

void TestPrint::printToDefaultPrinterWritesPdf()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    dialogs.printFile = dir.filePath(QStringLiteral("printer.pdf"));
    auto layout = std::make_unique<LedgerLayout<TfrmZZP020>>(false);
    layout->condition = QStringLiteral("확정일자 : 2026년 01월 01일 - 2026년 12월 31일");
    layout->addRows(QStringLiteral("1110100"), 29 + 32 + 5);
    layout->Prepare();
    layout->PrintOrPreview(false);
    QVERIFY(dialogs.dialogsRun.isEmpty());

    QCOMPARE(pdfPageCount(dialogs.printFile), 3);
    const QStringList pages = pdfPageTexts(dialogs.printFile);
    QCOMPARE(pages.size(), 3);
    QVERIFY2(QRegularExpression(QStringLiteral("총\\s+계\\s+정\\s+원\\s+장")).match(pages[0]).hasMatch(),
             qPrintable(pages[0]));
    QVERIFY(pages[0].contains(QStringLiteral("확정일자")));
    QVERIFY(!pages[1].contains(QStringLiteral("확정일자")));
    for (int p = 0; p < 3; ++p) {
        const QString& text = pages[p];
        QVERIFY2(QRegularExpression(QStringLiteral("(^|\\s)%1\\s*/\\s*3(\\s|$)").arg(p + 1)).match(text).hasMatch(),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("TALVANE RESORT")));
        QVERIFY(text.contains(QStringLiteral("VCI071")));
        QVERIFY(text.contains(QStringLiteral("Date :")));
        QVERIFY(text.contains(QStringLiteral("계정코드 : 1110100")));
    }
    QVERIFY(pages[2].contains(QStringLiteral("적요 1110100-66")));
    QVERIFY(pages[1].contains(QStringLiteral("32,000")));
}

void TestPrint::noPrinterIsAnError()
{
    ScriptedDialogs dialogs;  // no printer file: no default printer
    LedgerLayout<TfrmZZP010> layout(false);
    layout.addRows(QStringLiteral("1110100"), 3);
    QVERIFY_THROWS_EXCEPTION(AppError, layout.Print());
}

void TestPrint::saveAsPdf()
{
    QTemporaryDir dir;
    LedgerLayout<TfrmZZP010> layout(true);
    layout.addRows(QStringLiteral("1110100"), 3);
    layout.addRows(QStringLiteral("1120100"), 3);
    const QString path = dir.filePath(QStringLiteral("ledger.pdf"));
    QVERIFY(layout.SaveAsPdf(path));
    QCOMPARE(pdfPageCount(path), 2);
    const QStringList pages = pdfPageTexts(path);
    QVERIFY(pages.value(1).contains(QStringLiteral("적요 1120100-3")));
    QVERIFY(!layout.SaveAsPdf(dir.filePath(QStringLiteral("missing/folder/x.pdf"))));
}

void TestPrint::previewNavigationZoomAndPrint()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    dialogs.printFile = dir.filePath(QStringLiteral("from-preview.pdf"));
    LedgerLayout<TfrmZZP020> layout(false);
    layout.addRows(QStringLiteral("1110100"), 29 + 32 + 1);

    QStringList seen;
    dialogs.onDialog = [&](QDialog* dialog) {
        auto* window = qobject_cast<PreviewWindow*>(dialog);
        if (!window)
            return int(QDialog::Rejected);
        PreviewPane* pane = window->pane();
        seen << window->windowTitle() << pane->pageText();
        pane->nextPage();
        seen << pane->pageText();
        pane->lastPage();
        pane->nextPage();  // stays on the last page
        seen << pane->pageText();
        pane->priorPage();
        seen << pane->pageText();
        pane->firstPage();
        pane->priorPage();
        seen << pane->pageText();
        // 100 %: an A4 landscape page is 1123 x 794 dots at 96 per inch.
        pane->setZoom(1.0);
        seen << QStringLiteral("%1x%2").arg(pane->currentImage().width()).arg(pane->currentImage().height());
        pane->setZoom(2.0);
        seen << QStringLiteral("%1x%2").arg(pane->currentImage().width()).arg(pane->currentImage().height());
        pane->setZoom(PreviewPane::FitWidth);
        seen << (pane->effectiveZoom() > 0 ? QStringLiteral("fit") : QStringLiteral("no fit"));
        pane->printButton()->click();
        return int(QDialog::Accepted);
    };
    layout.PrintOrPreview(true);
    QCOMPARE(dialogs.dialogsRun.size(), 1);
    QCOMPARE(seen, QStringList({QStringLiteral("미리보기 - 총 계 정 원 장"), QStringLiteral("1 / 3"),
                                QStringLiteral("2 / 3"), QStringLiteral("3 / 3"), QStringLiteral("2 / 3"),
                                QStringLiteral("1 / 3"), QStringLiteral("1123x794"), QStringLiteral("2245x1587"),
                                QStringLiteral("fit")}));
    QCOMPARE(pdfPageCount(dialogs.printFile), 3);

    // The rendered page is not blank: the title box colour is on it.
    const QImage page = RenderPageImage(layout.pageModel(), 0, 1.0);
    bool titleColour = false;
    for (int y = 0; y < page.height() && !titleColour; y += 2) {
        for (int x = 0; x < page.width() && !titleColour; x += 2)
            titleColour = page.pixelColor(x, y) == QColor(240, 203, 166);
    }
    QVERIFY(titleColour);
}

void TestPrint::openReportArguments_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("none") << "/rp  " << true << QStringList();
    QTest::newRow("two dates") << "/rp [2026-01-01] [2026-01-31]" << true
                               << QStringList{QStringLiteral("2026-01-01"), QStringLiteral("2026-01-31")};
    QTest::newRow("blanks kept inside") << "/rp [127.0.0.1] [당 기] []" << true
                                        << QStringList{QStringLiteral("127.0.0.1"), QStringLiteral("당 기"), QString()};
    QTest::newRow("not a report argument") << "2026-01" << false << QStringList();
}

void TestPrint::openReportArguments()
{
    QFETCH(QString, arguments);
    QFETCH(bool, valid);
    QFETCH(QStringList, values);
    QStringList parsed;
    QCOMPARE(ParseReportArguments(arguments, &parsed), valid);
    QCOMPARE(parsed, values);
}

void TestPrint::openReportUnknownAndRegistered()
{
    ScriptedDialogs dialogs;
    const QString unknown = ReportServer::location(QStringLiteral("없는보고서.mrd"));
    QCOMPARE(unknown, QStringLiteral("http://localhost:8080/REPORT/일반회계관리/없는보고서.mrd"));
    QCOMPARE(OpenReport(unknown, QStringLiteral("/rp  ")), int(rsUnknownReport));
    QCOMPARE(dialogs.texts(), QStringList{UnknownReportText(QStringLiteral("없는보고서.mrd"))});
    QCOMPARE(dialogs.shown.first().kind, int(DialogService::Error));
    QVERIFY(dialogs.dialogsRun.isEmpty());

    dialogs.clear();
    QCOMPARE(OpenReport(ReportServer::location(QStringLiteral("PL.mrd")), QStringLiteral("PL")), int(rsBadArguments));
    QCOMPARE(dialogs.shown.size(), 1);

    // A registered layout: found whatever the letter case of the name and
    // the folder, and given the values.
    QStringList received;
    ReportRegistry::instance().add(QStringLiteral("PL.mrd"), [&](const ReportRequest& request) {
        received = request.values;
        auto layout = std::make_unique<LedgerLayout<TfrmZZP020>>(false, QStringLiteral("frmVDI021"));
        layout->addRows(request.values.value(0), 40);
        return std::unique_ptr<TfrmZZP010>(std::move(layout));
    });
    dialogs.clear();
    int pagesShown = 0;
    dialogs.onDialog = [&](QDialog* dialog) {
        if (auto* window = qobject_cast<PreviewWindow*>(dialog))
            pagesShown = window->pane()->pageCount();
        return int(QDialog::Accepted);
    };
    QCOMPARE(OpenReport(QStringLiteral("http://reports:8080/report/일반회계관리/pl.MRD"),
                        QStringLiteral("/rp [127.0.0.1] [당기] [전기]")),
             int(rsOk));
    QCOMPARE(received, QStringList({QStringLiteral("127.0.0.1"), QStringLiteral("당기"), QStringLiteral("전기")}));
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(pagesShown, 2);

    // The viewer a screen places shows the pages in itself.
    ReportViewer viewer;
    QCOMPARE(viewer.OpenReport(ReportServer::location(QStringLiteral("PL.mrd")), QStringLiteral("/rp [1110100]")), int(rsOk));
    QCOMPARE(viewer.pageCount(), 2);
    QCOMPARE(viewer.pageText(), QStringLiteral("1 / 2"));
    QCOMPARE(viewer.pageModel().pages[0].texts(QStringLiteral("qrlProgramID")), QStringList{QStringLiteral("VDI021")});
    ReportRegistry::instance().remove(QStringLiteral("pl.mrd"));
    QVERIFY(!ReportRegistry::instance().contains(QStringLiteral("PL.mrd")));
    QCOMPARE(viewer.OpenReport(ReportServer::location(QStringLiteral("PL.mrd")), QStringLiteral("/rp  ")),
             int(rsUnknownReport));
}

TV_TEST_MAIN(TestPrint)
#include "tst_print.moc"
