#include "screens/daily/VCI050.h"
#include "common/Query.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/daily/DailyBooks.h"
#include "screens/daily/VCI051.h"
#include <QDateEdit>
#include <QPushButton>

using DailyBooks::column;

namespace {
const QString kTitle = QStringLiteral("현금출납부");
}  // namespace

TfrmVCI050::TfrmVCI050(QWidget* parent) : TfrmZQI030(QStringLiteral("VCI050"), parent)
{
    setWindowTitle(kTitle + QStringLiteral("(VCI050)"));
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtSave, bbtDelete})
        b->hide();
    panInput->hide();

    dtpDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpDate"));
    Form::Row{Form::Field(QStringLiteral("조회일자"), dtpDate), Form::Stretch()}.attachTo(panSearch);

    cdsBook = new RecordSet(this);
    cdsBook->setObjectName(QStringLiteral("cdsBook"));
    rgrBook = Form::NewResultGrid(panDisp, cdsBook,
                                  {column("SLIP_NO", "전표번호", 80), column("SLIP_SEQ", "순번", 45),
                                   column("REF_DATA", "적          요", 280), column("MG_DETAIL", "거래처명", 140),
                                   column("D_AMOUNT", "차     변", 120), column("C_AMOUNT", "대     변", 120),
                                   column("BALANCE", "잔     액", 130)},
                                  QStringLiteral("rgrBook"));
    rgrBook->setFooter(QStringLiteral("D_AMOUNT"), FooterKind::Sum, QStringLiteral("#,0"));
    rgrBook->setFooter(QStringLiteral("C_AMOUNT"), FooterKind::Sum, QStringLiteral("#,0"));
}

void TfrmVCI050::DoSearch()
{
    if (!DailyBooks::requireConfiguration()) {
        // what was shown stays; with nothing shown the day can be chosen again
        if (RecordCount == 0)
            State = stNone;
        RefreshButtons();
        return;
    }
    const QDate day = dtpDate->date();
    const QVariantList params{day.toString(Qt::ISODate)};
    cdsBook->open(QStringLiteral("SELECT ROW_KIND, CONF_DATE, SLIP_NO, SLIP_SEQ, REF_DATA, MG_DETAIL, D_AMOUNT, C_AMOUNT, BALANCE\n"
                                 "  FROM pk_v_ledger.cash_book(CAST(:P0 AS DATE))\n"
                                 " WHERE ROW_KIND IN ('B', 'L')"),
                  params);
    for (const char* f : {"D_AMOUNT", "C_AMOUNT", "BALANCE"})
        cdsBook->setDisplayFormat(QLatin1String(f), QStringLiteral("#,###"));
    m_dayTotals = m_month = m_term = Totals();
    QSqlQuery totals = RunQuery(QStringLiteral("SELECT ROW_KIND, D_AMOUNT, C_AMOUNT, BALANCE\n"
                                               "  FROM pk_v_ledger.cash_book(CAST(:P0 AS DATE))\n"
                                               " WHERE ROW_KIND IN ('D', 'M', 'Y')"),
                                params);
    while (totals.next()) {
        const Totals t{totals.value(1).toLongLong(), totals.value(2).toLongLong(), totals.value(3).toLongLong()};
        const QString kind = totals.value(0).toString();
        (kind == QLatin1String("D") ? m_dayTotals : kind == QLatin1String("M") ? m_month : m_term) = t;
    }
    rgrBook->refreshFooters();
    m_day = day;
    RecordCount = cdsBook->recordCount();
    RefreshButtons();
}

std::unique_ptr<TfrmVCI051> TfrmVCI050::buildReport()
{
    auto layout = std::make_unique<TfrmVCI051>();
    layout->setDay(m_day);
    layout->setTotals({m_dayTotals.debit, m_dayTotals.credit, m_dayTotals.balance}, {m_month.debit, m_month.credit},
                      {m_term.debit, m_term.credit});
    DailyBooks::copyRows(cdsBook, layout->table());
    layout->Prepare();
    return layout;
}

void TfrmVCI050::DoPrint()
{
    printReport();
}

void TfrmVCI050::DoPreview()
{
    printReport();
}

void TfrmVCI050::printReport()
{
    buildReport()->PrintOrPreview(PreviewFlag, this);
}

void TfrmVCI050::DoExcel()
{
    ExportDBGrid(rgrBook, kTitle);
}
