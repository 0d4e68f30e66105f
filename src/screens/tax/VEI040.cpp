#include "screens/tax/VEI040.h"
#include "common/DialogService.h"
#include "common/DateUtil.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/TextUtil.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/tax/VEI041.h"
#include "screens/tax/VEI043.h"
#include <QButtonGroup>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QStringList kSalesKinds = {QStringLiteral("5"), QStringLiteral("55")};
const QStringList kResidentKinds = {QStringLiteral("7")};
const QStringList kPurchaseKinds = {QStringLiteral("1"), QStringLiteral("11")};

const QString kConditions = QStringLiteral(
    " WHERE T1.CONF_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
    "   AND T1.BILL_TYPE = ANY (string_to_array(:P2, ','))\n"
    "   AND T1.COMPANY = :P3\n");

// One row per registration number, in number order: the forms split the
// list after its tenth row.
const QString kListSql = QStringLiteral("SELECT T1.C_NUM, MAX(T2.C_NAME) C_NAME, SUM(T1.VOLUME) VOLUME,"
                                        " SUM(T1.SUP_PRICE) SUP_PRICE\n"
                                        "  FROM VB040MS T1 LEFT JOIN VA050MS_BY_NUM T2 ON T2.C_NUM = T1.C_NUM\n")
                         + kConditions + QStringLiteral(" GROUP BY T1.C_NUM ORDER BY T1.C_NUM");

QString amountText(qint64 v)
{
    return QLocale(QLocale::English).toString(v);
}

}  // namespace

TfrmVEI040::TfrmVEI040(QWidget* parent) : TfrmZQI030(QStringLiteral("VEI040"), parent)
{
    setWindowTitle(QStringLiteral("계산서 합계표(VEI040)"));
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtSave, bbtDelete})
        b->hide();
    panInput->hide();

    dtpFsDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFsDate"));
    dtpEsDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpEsDate"));
    const QDate today = QDate::currentDate();
    dtpFsDate->setDate(FirstDayOfMonth(today));
    dtpEsDate->setDate(LastDayOfMonth(today));
    QWidget* rgPlace = Tax::NewPlaceGroup(panSearch, QStringLiteral("rgPlace"), QString(),
                                            {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")}, &m_places);
    Edit_Year = Form::NewEdit(panSearch, QStringLiteral("Edit_Year"), 4);
    Edit_Year->setMaximumWidth(44);
    Edit_Gi = Form::NewEdit(panSearch, QStringLiteral("Edit_Gi"), 2);
    Edit_Gi->setMaximumWidth(28);
    medt_FSlipDate_Jasung =
        Form::NewMaskEdit(panSearch, QStringLiteral("medt_FSlipDate_Jasung"), QStringLiteral("!9999/99/00;0;_"));
    medt_FSlipDate_Jasung->setMaximumWidth(86);
    Form::Row{Form::Field(QStringLiteral("거래일자"), dtpFsDate), Form::Label(QStringLiteral("~")), dtpEsDate,
              Form::Field(QStringLiteral("계산서구분"), rgPlace), Edit_Year, Form::Label(QStringLiteral("년")), Edit_Gi,
              Form::Label(QStringLiteral("기")), Form::Field(QStringLiteral("작성일자"), medt_FSlipDate_Jasung),
              Form::Stretch()}
        .spacing(4)
        .attachTo(panSearch);

    pgcMain = new QTabWidget;
    pgcMain->setObjectName(QStringLiteral("pgcMain"));
    pgcMain->addTab(buildTab(true), QStringLiteral("5:매출계산서 합계표"));
    pgcMain->addTab(buildTab(false), QStringLiteral("1:매입계산서 합계표"));
    Form::Column{pgcMain}.attachTo(panDisp);
    connect(pgcMain, &QTabWidget::currentChanged, this, [this] {
        if (State == stBrowse)
            runTab();
    });
}

QWidget* TfrmVEI040::buildTab(bool sales)
{
    auto* page = new QWidget;
    RecordSet* set = new RecordSet(this);
    set->setObjectName(sales ? QStringLiteral("cdsSales") : QStringLiteral("cdsPurchases"));
    auto* grid = new DataGrid;
    grid->setObjectName(sales ? QStringLiteral("rdgSales") : QStringLiteral("rdgPurchases"));
    grid->setEditable(false);
    grid->setRowSelect(true);
    grid->setColumns({GridColumn(QStringLiteral("C_NUM"), QStringLiteral("사업자번호"), 110),
                      GridColumn(QStringLiteral("C_NAME"), QStringLiteral("거래처명"), 220),
                      GridColumn(QStringLiteral("VOLUME"), QStringLiteral("매 수"), 60),
                      GridColumn(QStringLiteral("SUP_PRICE"), QStringLiteral("공급가액"), 140)});
    grid->setRecordSet(set);
    const auto box = [page](const QString& name) {
        QLineEdit* e = Form::NewEdit(page, name);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(130);
        return e;
    };
    Form::Grid totals;
    const QString side = sales ? QStringLiteral("매출") : QStringLiteral("매입");
    totals.addRow({Form::Empty(), Form::Label(side + QStringLiteral("처수")), Form::Label(QStringLiteral("매   수")),
                   Form::Label(side + QStringLiteral("금액"))});
    const QStringList captions = sales ? QStringList{QStringLiteral("합     계"), QStringLiteral("사업자등록번호발행분"),
                                                     QStringLiteral("주민등록번호발행분")}
                                       : QStringList{QStringLiteral("합     계")};
    for (int r = 0; r < captions.size(); ++r) {
        const QString k = (sales ? QStringLiteral("S") : QStringLiteral("P")) + QString::number(r + 1);
        TotalBoxes b{box(QStringLiteral("edtCount") + k), box(QStringLiteral("edtVolume") + k),
                     box(QStringLiteral("edtAmount") + k)};
        (sales ? m_salesTotals[r] : m_purchaseTotal) = b;
        totals.addRow({Form::Label(captions.at(r)), b.count, b.volume, b.amount});
    }
    Form::Column{grid, totals}.attachTo(page);
    if (sales) {
        cdsSales = set;
        rdgSales = grid;
    } else {
        cdsPurchases = set;
        rdgPurchases = grid;
    }
    return page;
}

bool TfrmVEI040::salesTab() const
{
    return pgcMain->currentIndex() == 0;
}

void TfrmVEI040::setSalesTab(bool sales)
{
    pgcMain->setCurrentIndex(sales ? 0 : 1);
}

QVariantList TfrmVEI040::params(const QStringList& kinds) const
{
    return {dtpFsDate->date().toString(Qt::ISODate), dtpEsDate->date().toString(Qt::ISODate),
            kinds.join(QLatin1Char(',')), Tax::CheckedCompany(m_places)};
}

// Only registration numbers known as customers are counted.
SummaryFormData::Total TfrmVEI040::readTotal(const QString& caption, const QStringList& kinds) const
{
    const QVariantList row = RunQueryRow(QStringLiteral("SELECT COUNT(DISTINCT T1.C_NUM), COALESCE(SUM(T1.VOLUME), 0),"
                                                        " COALESCE(SUM(T1.SUP_PRICE), 0)\n"
                                                        "  FROM VB040MS T1 JOIN VA050MS_BY_NUM T2 ON T2.C_NUM = T1.C_NUM\n")
                                             + kConditions,
                                         params(kinds));
    return {caption, row.value(0).toLongLong(), row.value(1).toLongLong(), row.value(2).toLongLong()};
}

void TfrmVEI040::DoSearch()
{
    const auto refuse = [this](const QString& text, QWidget* field) {
        MsgBox(text, kAppTitle, DialogService::Plain);
        State = stNone;
        RefreshButtons();
        field->setFocus();
    };
    if (Edit_Year->text().trimmed().isEmpty())
        return refuse(QStringLiteral("해당년을 입력하세요"), Edit_Year);
    if (DigitsOnly(medt_FSlipDate_Jasung->text()).isEmpty())
        return refuse(QStringLiteral("작성일자를 입력하세요"), medt_FSlipDate_Jasung);
    runTab();
}

void TfrmVEI040::runTab()
{
    const bool sales = salesTab();
    RecordSet* set = list(sales);
    set->open(kListSql, params(sales ? kSalesKinds : kPurchaseKinds));
    set->setDisplayFormat(QStringLiteral("VOLUME"), QStringLiteral("#,###"));
    set->setDisplayFormat(QStringLiteral("SUP_PRICE"), QStringLiteral("#,##0"));
    m_totals.clear();
    if (sales) {
        // the total takes the sales to holders of resident numbers too
        m_totals << readTotal(QStringLiteral("합     계"), kSalesKinds + kResidentKinds)
                 << readTotal(QStringLiteral("사업자등록번호발행분"), kSalesKinds)
                 << readTotal(QStringLiteral("주민등록번호발행분"), kResidentKinds);
    } else {
        m_totals << readTotal(QStringLiteral("합     계"), kPurchaseKinds);
    }
    for (int r = 0; r < m_totals.size(); ++r) {
        const TotalBoxes& b = sales ? m_salesTotals[r] : m_purchaseTotal;
        b.count->setText(amountText(m_totals[r].count));
        b.volume->setText(amountText(m_totals[r].volume));
        b.amount->setText(amountText(m_totals[r].amount));
    }
    RecordCount = set->recordCount();
    RefreshButtons();
}

void TfrmVEI040::AfterCancel()
{
    medt_FSlipDate_Jasung->clear();
    for (RecordSet* set : {cdsSales, cdsPurchases})
        set->close();
    for (const TotalBoxes& b : {m_salesTotals[0], m_salesTotals[1], m_salesTotals[2], m_purchaseTotal}) {
        b.count->clear();
        b.volume->clear();
        b.amount->clear();
    }
}

SummaryFormData TfrmVEI040::formData() const
{
    SummaryFormData d;
    d.place = Tax::PlaceOf(Tax::CheckedCompany(m_places));
    d.year = Edit_Year->text().trimmed();
    d.period = Edit_Gi->text().trimmed();
    d.from = dtpFsDate->date();
    d.to = dtpEsDate->date();
    d.writing = QDate::fromString(DigitsOnly(medt_FSlipDate_Jasung->text()), QStringLiteral("yyyyMMdd"));
    d.totals = m_totals;
    RecordSet* set = list(salesTab());
    for (int r = 0; set->isOpen() && r < set->recordCount(); ++r)
        d.counterparts << SummaryFormData::Counterpart{set->fieldAsString(r, QStringLiteral("C_NUM")),
                                                       set->fieldAsString(r, QStringLiteral("C_NAME")),
                                                       set->value(r, QStringLiteral("VOLUME")).toLongLong(),
                                                       set->value(r, QStringLiteral("SUP_PRICE")).toLongLong()};
    return d;
}

std::unique_ptr<TfrmSummaryForm> TfrmVEI040::buildForm()
{
    std::unique_ptr<TfrmSummaryForm> form;
    if (salesTab())
        form = std::make_unique<TfrmVEI041>(formData());
    else
        form = std::make_unique<TfrmVEI043>(formData());
    form->Prepare();
    return form;
}

void TfrmVEI040::DoPrint()
{
    buildForm()->Preview(this);
}

void TfrmVEI040::DoPreview()
{
    buildForm()->Preview(this);
}

void TfrmVEI040::DoExcel()
{
    if (salesTab())
        ExportDBGrid(rdgSales, QStringLiteral("매출처별 계산서합계표"));
    else
        ExportDBGrid(rdgPurchases, QStringLiteral("매입처별 계산서합계표"));
}
