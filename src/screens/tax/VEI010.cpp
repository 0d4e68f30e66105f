#include "screens/tax/VEI010.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/tax/TaxCommon.h"
#include "screens/tax/VEI011.h"
#include "screens/tax/VEI012.h"
#include <QButtonGroup>
#include <QDateEdit>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

const char* const kPurchaseTabs[] = {"1:매입(계산서)", "2:매입(세금)", "3:매입(영세율)", "4:매입(불공제)", "9:매입(기타)",
                                     "매입합계표"};
const char* const kSalesTabs[] = {"5:매출(계산서)", "6:매출(세금)", "7:매출(주민번호)", "8:매출(기타)", "", "매출합계표"};
const char* const kPurchaseTitles[] = {"매입(일반계산서)", "매입(세금계산서)", "매입(영세율)", "매입(불공제)", "매입(기타)",
                                       "매입합계표"};
const char* const kSalesTitles[] = {"매출(일반계산서)", "매출(세금계산서)", "매출(주민번호)", "매출(기타)", "",
                                    "매출합계표"};
constexpr int kSummaryTab = 5;

// The rows of a kind, then one subtotal per month after its rows, then the
// grand total; the list is in ORD order.
const QString kKindSql = QStringLiteral(
    "WITH T AS (SELECT * FROM VB040MS\n"
    "            WHERE CONF_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
    "              AND SUBSTR(BILL_TYPE, 1, 1) = :P2 AND COMPANY = :P3)\n"
    "SELECT SLIP_NO || '-' || SLIP_SEQ_NO SLIP_NO, CONF_DATE, C_NUM, C_NAME, BOSS_NAME, C_TYPE, C_ITEM, BILL_TYPE,\n"
    "       DEAL_DATE, VOLUME, SUP_PRICE, TAX, TOTAL_PRICE, SUMMARY, TO_CHAR(CONF_DATE, 'YYYYMMDD') ORD\n"
    "  FROM T\n"
    "UNION ALL\n"
    "SELECT NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, SUM(VOLUME), SUM(SUP_PRICE), SUM(TAX),\n"
    "       SUM(TOTAL_PRICE), '[ 월 소 계 - 매수:' || SUM(VOLUME) || ' ]', TO_CHAR(CONF_DATE, 'YYYYMM') || '99'\n"
    "  FROM T GROUP BY TO_CHAR(CONF_DATE, 'YYYYMM')\n"
    "UNION ALL\n"
    "SELECT NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, COALESCE(SUM(VOLUME), 0), COALESCE(SUM(SUP_PRICE), 0),\n"
    "       COALESCE(SUM(TAX), 0), COALESCE(SUM(TOTAL_PRICE), 0),\n"
    "       '[ 총 합 계 - 매수:' || COALESCE(SUM(VOLUME), 0) || ' ]', '99999999'\n"
    "  FROM T\n"
    " ORDER BY ORD, SLIP_NO");

// Per counterpart, the particulars from the customer master (one customer
// per registration number).
const QString kSummarySql = QStringLiteral(
    "SELECT T1.C_NUM, T2.C_NAME, T2.BOSS_NAME, T2.C_TYPE, T2.C_ITEM, SUM(T1.VOLUME) VOLUME, SUM(T1.SUP_PRICE) SUP_PRICE,\n"
    "       SUM(T1.TAX) TAX\n"
    "  FROM VB040MS T1 LEFT JOIN VA050MS_BY_NUM T2 ON T2.C_NUM = T1.C_NUM\n"
    " WHERE T1.CONF_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
    "   AND T1.BILL_TYPE = ANY (string_to_array(:P2, ','))\n"
    "   AND T1.COMPANY = :P3\n"
    " GROUP BY T1.C_NUM, T2.C_NAME, T2.BOSS_NAME, T2.C_TYPE, T2.C_ITEM\n"
    " ORDER BY T1.C_NUM");

GridColumn col(const char* field, const char* caption, int width)
{
    return GridColumn(QLatin1String(field), QString::fromUtf8(caption), width);
}

}  // namespace

TfrmVEI010::TfrmVEI010(QWidget* parent) : TfrmZQI030(QStringLiteral("VEI010"), parent)
{
    setWindowTitle(QStringLiteral("매입매출장(VEI010)"));
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtSave, bbtDelete})
        b->hide();
    panInput->hide();

    dtpFsDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFsDate"));
    dtpEsDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpEsDate"));
    const QDate today = QDate::currentDate();
    dtpFsDate->setDate(Tax::FilingQuarterStart(today));
    dtpEsDate->setDate(Tax::FilingQuarterEnd(today));
    rbPurchase = new QRadioButton(QStringLiteral("매입"));
    rbPurchase->setObjectName(QStringLiteral("rbPurchase"));
    rbPurchase->setChecked(true);
    rbSales = new QRadioButton(QStringLiteral("매출"));
    rbSales->setObjectName(QStringLiteral("rbSales"));
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(rbPurchase);
    kinds->addButton(rbSales);
    QWidget* rgPlace = Tax::NewPlaceGroup(panSearch, QStringLiteral("rgPlace"), QString(),
                                            {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"),
                                             QStringLiteral("3")},
                                            &m_places);
    Form::Row{Form::Field(QStringLiteral("조회일자"), dtpFsDate), Form::Label(QStringLiteral("~")), dtpEsDate,
              Form::Space(8), rbPurchase, rbSales, Form::Space(8), Form::Field(QStringLiteral("계산서구분"), rgPlace), Form::Stretch()}
        .attachTo(panSearch);
    connect(rbSales, &QRadioButton::toggled, this, [this] { kindChanged(); });

    pgcMain = new QTabWidget;
    pgcMain->setObjectName(QStringLiteral("pgcMain"));
    const QList<GridColumn> kindColumns = {
        col("CONF_DATE", "확정일자", 80),  col("C_NUM", "사업자번호", 95), col("C_NAME", "거래처명", 130),
        col("SUMMARY", "거래내역", 200),   col("SUP_PRICE", "공급가액", 100), col("TAX", "세 액", 90),
        col("SLIP_NO", "전표번호", 90),    col("DEAL_DATE", "거래일자", 80), col("BOSS_NAME", "대표자명", 70),
        col("C_TYPE", "업태", 80),         col("C_ITEM", "업종", 100)};
    const QList<GridColumn> summaryColumns = {
        col("C_NUM", "사업자번호", 95),  col("C_NAME", "거 래 처 명", 150), col("BOSS_NAME", "대표자명", 80),
        col("C_TYPE", "업   태", 90),    col("C_ITEM", "업   종", 120),    col("VOLUME", "매 수", 50),
        col("SUP_PRICE", "공급가액", 110), col("TAX", "세 액", 100)};
    for (int t = 0; t < kTabs; ++t) {
        m_sets[t] = new RecordSet(this);
        m_sets[t]->setObjectName(QStringLiteral("cdsTab%1").arg(t + 1));
        DataGrid* g = new DataGrid;
        g->setObjectName(QStringLiteral("rdgTab%1").arg(t + 1));
        g->setEditable(false);
        g->setRowSelect(true);
        g->setColumns(t == kSummaryTab ? summaryColumns : kindColumns);
        g->setRecordSet(m_sets[t]);
        if (t != kSummaryTab) {
            // subtotal and total rows have no slip
            g->setRowBackground([this, t](int row) -> QVariant {
                if (m_sets[t]->isOpen() && m_sets[t]->fieldAsString(row, QStringLiteral("SLIP_NO")).isEmpty())
                    return QColor(0xC0, 0xC0, 0xC0);
                return QVariant();
            });
        }
        m_grids[t] = g;
        pgcMain->addTab(g, QString::fromUtf8(kPurchaseTabs[t]));
    }
    Form::Column{pgcMain}.attachTo(panDisp);
    connect(pgcMain, &QTabWidget::currentChanged, this, [this] { tabChanged(); });
}

bool TfrmVEI010::sales() const
{
    return rbSales->isChecked();
}

int TfrmVEI010::activeTab() const
{
    return pgcMain->currentIndex();
}

void TfrmVEI010::setActiveTab(int tab)
{
    pgcMain->setCurrentIndex(tab);
}

QString TfrmVEI010::tabCaption(int tab) const
{
    return pgcMain->tabText(tab);
}

bool TfrmVEI010::summaryTab() const
{
    return activeTab() == kSummaryTab;
}

QString TfrmVEI010::company() const
{
    return Tax::CheckedCompany(m_places);
}

void TfrmVEI010::kindChanged()
{
    const bool isSales = sales();
    for (int t = 0; t < kTabs; ++t) {
        pgcMain->setTabText(t, QString::fromUtf8(isSales ? kSalesTabs[t] : kPurchaseTabs[t]));
        m_sets[t]->close();
    }
    pgcMain->setTabVisible(4, !isSales);
    pgcMain->setCurrentIndex(0);
}

void TfrmVEI010::tabChanged()
{
    // after a search the tabs read their rows as they are chosen
    if (State == stBrowse)
        runActiveTab();
}

void TfrmVEI010::DoSearch()
{
    runActiveTab();
}

void TfrmVEI010::runActiveTab()
{
    const int tab = activeTab();
    RecordSet* set = m_sets[tab];
    const QString from = dtpFsDate->date().toString(Qt::ISODate);
    const QString to = dtpEsDate->date().toString(Qt::ISODate);
    if (tab == kSummaryTab) {
        set->open(kSummarySql, {from, to, sales() ? QStringLiteral("6,8,66") : QStringLiteral("2,22"), company()});
    } else {
        set->open(kKindSql, {from, to, tabCaption(tab).left(1), company()});
        // nothing but the grand total: nothing found
        if (set->recordCount() <= 1)
            set->emptyDataSet();
    }
    for (const char* f : {"VOLUME", "SUP_PRICE", "TAX", "TOTAL_PRICE"}) {
        if (set->hasField(QLatin1String(f)))
            set->setDisplayFormat(QLatin1String(f), QStringLiteral("#,###"));
    }
    RecordCount = set->recordCount();
    RefreshButtons();
}

void TfrmVEI010::AfterCancel()
{
    for (RecordSet* set : m_sets)
        set->close();
}

QString TfrmVEI010::periodText() const
{
    return QStringLiteral("(") + dtpFsDate->date().toString(Qt::ISODate) + QStringLiteral(" ~ ")
           + dtpEsDate->date().toString(Qt::ISODate) + QStringLiteral(")");
}

QString TfrmVEI010::placeLine(bool withCompany) const
{
    const QString c = company();
    QString place = c == QLatin1String("1")   ? QStringLiteral("(운영본부) ")
                    : c == QLatin1String("2") ? QStringLiteral("(본    사) ")
                    : c == QLatin1String("4") ? QStringLiteral("(유스호스텔) ")
                                              : QStringLiteral("(은빛마루) ");
    return withCompany ? QStringLiteral("(주)탈바네리조트 ") + place : place;
}

std::unique_ptr<TfrmZZP010> TfrmVEI010::buildReport()
{
    RecordSet* set = m_sets[activeTab()];
    if (summaryTab()) {
        auto layout = std::make_unique<TfrmVEI011>(sales(), periodText(), placeLine(true));
        layout->cdsQuery().open(set->sql(), set->params());
        layout->Prepare();
        return layout;
    }
    auto layout = std::make_unique<TfrmVEI012>(periodText(), placeLine(false) + tabCaption(activeTab()));
    layout->cdsQuery().open(set->sql(), set->params());
    layout->Prepare();
    return layout;
}

void TfrmVEI010::DoPrint()
{
    buildReport()->PrintOrPreview(false, this);
}

void TfrmVEI010::DoPreview()
{
    buildReport()->PrintOrPreview(true, this);
}

void TfrmVEI010::DoExcel()
{
    const int tab = activeTab();
    ExportDBGrid(m_grids[tab], QString::fromUtf8(sales() ? kSalesTitles[tab] : kPurchaseTitles[tab]));
}
