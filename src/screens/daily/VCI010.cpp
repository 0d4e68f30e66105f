#include "screens/daily/VCI010.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/daily/DailyBooks.h"
#include "screens/daily/VCI011.h"
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using DailyBooks::column;

namespace {

// The cash account's lines of the day on one side, in slip order.
QString cashLinesSql(const char* amountColumn)
{
    return QStringLiteral("SELECT REF_DATA, %1 AMOUNT\n"
                          "  FROM VB011MS\n"
                          " WHERE ACCT_CODE = pk_v_ledger.daily_cash_account()\n"
                          "   AND CONF_DATE = CAST(:P0 AS DATE)\n"
                          "   AND %1 <> 0\n"
                          " ORDER BY SLIP_NO, SLIP_SEQ_NO")
        .arg(QLatin1String(amountColumn));
}

qint64 sumOf(RecordSet* set, const QString& field)
{
    qint64 sum = 0;
    for (int row = 0; row < set->recordCount(); ++row)
        sum += set->value(row, field).toLongLong();
    return sum;
}

QList<TfrmVCI011::CashLine> cashLines(RecordSet* set)
{
    QList<TfrmVCI011::CashLine> lines;
    for (int row = 0; row < set->recordCount(); ++row)
        lines.append({set->fieldAsString(row, QStringLiteral("REF_DATA")), set->value(row, QStringLiteral("AMOUNT")).toLongLong()});
    return lines;
}

}  // namespace

TfrmVCI010::TfrmVCI010(QWidget* parent) : TfrmZQI030(QStringLiteral("VCI010"), parent)
{
    setWindowTitle(QStringLiteral("경리일보(VCI010)"));
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtSave, bbtDelete, bbtExcel})
        b->hide();
    panInput->hide();

    dtpDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpDate"));
    Form::Row{Form::Field(QStringLiteral("조회일자"), dtpDate), Form::Stretch()}.attachTo(panSearch);

    edtBfAmount = Form::NewEdit(panDisp, QStringLiteral("edtBfAmount"));
    edtAfAmount = Form::NewEdit(panDisp, QStringLiteral("edtAfAmount"));
    for (QLineEdit* e : {edtBfAmount, edtAfAmount}) {
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(150);
    }

    cdsIncome = new RecordSet(this);
    cdsIncome->setObjectName(QStringLiteral("cdsIncome"));
    cdsOutgo = new RecordSet(this);
    cdsOutgo->setObjectName(QStringLiteral("cdsOutgo"));
    cdsDeposit = new RecordSet(this);
    cdsDeposit->setObjectName(QStringLiteral("cdsDeposit"));
    rgrIncome = DailyBooks::newListGrid(panDisp, cdsIncome,
                                        {column("REF_DATA", "적      요", 260), column("AMOUNT", "금      액", 110)},
                                        QStringLiteral("rgrIncome"));
    rgrOutgo = DailyBooks::newListGrid(panDisp, cdsOutgo,
                                       {column("REF_DATA", "적      요", 260), column("AMOUNT", "금      액", 110)},
                                       QStringLiteral("rgrOutgo"));
    rgrDeposit = DailyBooks::newListGrid(panDisp, cdsDeposit,
                                         {column("ACCT_NAME", "예금종류", 110), column("ITEM_DESC1NM", "은행명", 140),
                                          column("ITEM_DESC2", "계좌번호", 140), column("BF_AMT", "전일잔액", 120),
                                          column("DR_AMT", "금일입금", 110), column("CR_AMT", "금일출금", 110),
                                          column("AF_AMT", "금일잔액", 120)},
                                         QStringLiteral("rgrDeposit"));
    lblIncomeTotal = new QLabel(QStringLiteral("0"), panDisp);
    lblIncomeTotal->setObjectName(QStringLiteral("lblIncomeTotal"));
    lblOutgoTotal = new QLabel(QStringLiteral("0"), panDisp);
    lblOutgoTotal->setObjectName(QStringLiteral("lblOutgoTotal"));
    for (QLabel* l : {lblIncomeTotal, lblOutgoTotal})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Form::Column{
        Form::Row{Form::Field(QStringLiteral("전 일 현 금 잔 액"), edtBfAmount), Form::Space(30),
                  Form::Field(QStringLiteral("금 일 현 금 잔 액"), edtAfAmount), Form::Stretch()},
        Form::Row{Form::Group(QStringLiteral("수       입"), rgrIncome,
                              Form::Row{Form::Label(QStringLiteral("수입합계")), lblIncomeTotal}),
                  Form::Group(QStringLiteral("지         출"), rgrOutgo,
                              Form::Row{Form::Label(QStringLiteral("지출합계")), lblOutgoTotal})},
        Form::Group(QStringLiteral("예 금 현 황"), rgrDeposit),
    }.attachTo(panDisp);
}

void TfrmVCI010::DoSearch()
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
    const DailyBooks::CashBalances cash = DailyBooks::cashBalances(day);
    m_before = cash.before;
    m_after = cash.after;
    edtBfAmount->setText(DailyBooks::amountText(m_before));
    edtAfAmount->setText(DailyBooks::amountText(m_after));

    cdsIncome->open(cashLinesSql("D_AMOUNT"), params);
    cdsOutgo->open(cashLinesSql("C_AMOUNT"), params);
    cdsDeposit->open(QStringLiteral("SELECT ACCT_CODE, ACCT_NAME, ITEM_DESC1, ITEM_DESC1NM, ITEM_DESC2,\n"
                                    "       BF_AMT, DR_AMT, CR_AMT, AF_AMT, BF_AMT BFDIS_AMT, AF_AMT AFDIS_AMT\n"
                                    "  FROM pk_v_ledger.deposit_day(CAST(:P0 AS DATE))"),
                     params);
    for (RecordSet* set : {cdsIncome, cdsOutgo, cdsDeposit})
        SetNumberFormats(*set);
    m_incomeTotal = sumOf(cdsIncome, QStringLiteral("AMOUNT"));
    m_outgoTotal = sumOf(cdsOutgo, QStringLiteral("AMOUNT"));
    lblIncomeTotal->setText(DailyBooks::amountText(m_incomeTotal));
    lblOutgoTotal->setText(DailyBooks::amountText(m_outgoTotal));
    m_day = day;

    // The last of the three lists that has rows.
    RecordCount = 0;
    for (RecordSet* set : {cdsIncome, cdsOutgo, cdsDeposit}) {
        if (!set->isEmpty())
            RecordCount = set->recordCount();
    }
    RefreshButtons();
}

std::unique_ptr<TfrmVCI011> TfrmVCI010::buildReport()
{
    auto layout = std::make_unique<TfrmVCI011>();
    layout->setDay(m_day);
    layout->setCash(m_before, m_after);
    layout->setReceipts(cashLines(cdsIncome), m_incomeTotal);
    layout->setPayments(cashLines(cdsOutgo), m_outgoTotal);
    DailyBooks::copyRows(cdsDeposit, layout->table());
    layout->Prepare();
    return layout;
}

void TfrmVCI010::DoPrint()
{
    printReport();
}

void TfrmVCI010::DoPreview()
{
    printReport();
}

void TfrmVCI010::printReport()
{
    std::unique_ptr<TfrmVCI011> layout = buildReport();
    layout->PrintOrPreview(PreviewFlag, this);
}
