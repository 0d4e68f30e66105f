#include "screens/funds/VGI020.h"
#include "common/FieldMode.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/TextUtil.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/funds/FundsCommon.h"
#include "screens/funds/VGI021.h"
#include "screens/master/MasterCommon.h"
#include <QBoxLayout>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace Funds;
using namespace FundsUi;

namespace {

const QString kDateMask = QStringLiteral("!9999/99/00;1");

const QString kLoanSql = QStringLiteral(
    "SELECT T1.LOAN_NO, T1.FIN_INST_CD, T1.SBJ_NM, T1.LOAN_AMT, T1.OPN_DT, T1.EXP_DT, T1.YY_DFR, T1.YY_RPY,\n"
    "       T1.RPY_MTHD, T1.LON_DT, T1.INT_DT, T1.PAY_KIND1, T1.MM_PMT_DT, T1.LON_MM, T1.INT_MM,\n"
    "       T1.INT_RT::TEXT INT_RT, T1.MM_PMT_AMT, T1.FIRST_AMT, T1.END_YN, T2.FIN_INST_NM\n"
    "  FROM VG020MS T1\n"
    "  LEFT JOIN (SELECT C_CODE, C_NAME FIN_INST_NM FROM VA050MS WHERE C_KIND = '03') T2 ON T1.FIN_INST_CD = T2.C_CODE\n");

QLineEdit* numberEdit(QWidget* parent, const QString& name, int maxLength)
{
    QLineEdit* edit = Form::NewEdit(parent, name, maxLength);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

QString rateShown(const QString& stored)
{
    const qint64 rate = ParseRate(stored);
    return rate < 0 ? stored : RateText(rate);
}

}  // namespace

TfrmVGI020::TfrmVGI020(QWidget* parent) : TfrmZQI030(QStringLiteral("VGI020"), parent)
{
    setWindowTitle(QStringLiteral("차입금 등록(VGI020)"));
    rdoSearch = NewClosedChoice(panSearch);
    Form::Row{rdoSearch.at(0), rdoSearch.at(1), rdoSearch.at(2), Form::Stretch()}.attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain,
                                  {GridColumn(QStringLiteral("FIN_INST_NM"), QStringLiteral("금융기관"), 110),
                                   GridColumn(QStringLiteral("OPN_DT"), QStringLiteral("개설일자"), 80),
                                   GridColumn(QStringLiteral("EXP_DT"), QStringLiteral("만기일자"), 80),
                                   GridColumn(QStringLiteral("LOAN_AMT"), QStringLiteral("차입금액"), 100),
                                   GridColumn(QStringLiteral("LOAN_NO"), QStringLiteral("차입번호"), 110)});

    cdsSchedule = new RecordSet(this);
    cdsSchedule->setObjectName(QStringLiteral("cdsSchedule"));
    auto amountField = [](const QString& name, int scale) {
        FieldDef f(name, FieldType::Bcd, 19);
        f.scale = scale;
        f.displayFormat = QStringLiteral("#,###");
        return f;
    };
    FieldDef rate(QStringLiteral("PRF_RT"), FieldType::Bcd, 7);
    rate.scale = 4;
    rate.displayFormat = QStringLiteral("##0.00");
    cdsSchedule->create({FieldDef(QStringLiteral("TMS"), FieldType::Integer), FieldDef(QStringLiteral("REPAY_DT"), FieldType::String, 10),
                         amountField(QStringLiteral("REPAY_AMT"), 4), amountField(QStringLiteral("PRN"), 0),
                         amountField(QStringLiteral("INT"), 4), amountField(QStringLiteral("REM_AMT"), 0), rate,
                         FieldDef(QStringLiteral("FLAG"), FieldType::String, 1), FieldDef(QStringLiteral("DAY"), FieldType::Integer)});
    rdgSchedule = new DataGrid(panDisp);
    rdgSchedule->setObjectName(QStringLiteral("rdgSchedule"));
    rdgSchedule->setRecordSet(cdsSchedule);
    QList<GridColumn> columns = {GridColumn(QStringLiteral("TMS"), QStringLiteral("회차"), 40),
                                 GridColumn(QStringLiteral("REPAY_DT"), QStringLiteral("상환일자"), 80),
                                 GridColumn(QStringLiteral("REPAY_AMT"), QStringLiteral("납부총액"), 95),
                                 GridColumn(QStringLiteral("PRN"), QStringLiteral("원  금"), 90),
                                 GridColumn(QStringLiteral("INT"), QStringLiteral("이  자"), 85),
                                 GridColumn(QStringLiteral("REM_AMT"), QStringLiteral("원금잔액"), 95),
                                 GridColumn(QStringLiteral("PRF_RT"), QStringLiteral("이율"), 50)};
    for (GridColumn& c : columns)
        c.readOnly = c.field != QLatin1String("PRN");
    rdgSchedule->setColumns(columns);
    rdgSchedule->setEditable(false);
    panDisp->layout()->addWidget(rdgSchedule);
    static_cast<QBoxLayout*>(panDisp->layout())->setStretchFactor(rdgSchedule, 3);
    static_cast<QBoxLayout*>(panDisp->layout())->setStretchFactor(rdgMain, 2);

    edtFinInstCd = Form::NewEdit(panInput, QStringLiteral("edtFIN_INST_CD"), 10);
    pbtFinInst = NewBankLookup(panInput, QStringLiteral("pbtFinInst"), edtFinInstCd);
    edtFinInstNm = MasterUi::NewNameField(panInput, QStringLiteral("edtFIN_INST_NM"));
    edtSbjNm = Form::NewEdit(panInput, QStringLiteral("edtSBJ_NM"), 60);
    medtOpnDt = Form::NewMaskEdit(panInput, QStringLiteral("medtOPN_DT"), kDateMask);
    edtLoanNo = Form::NewEdit(panInput, QStringLiteral("edtLOAN_NO"), 20);
    edtIntRt = numberEdit(panInput, QStringLiteral("edtINT_RT"), 6);
    edtMmPmtAmt = numberEdit(panInput, QStringLiteral("edtMM_PMT_AMT"), 19);
    edtFirstAmt = numberEdit(panInput, QStringLiteral("edtFIRST_AMT"), 19);
    medtExpDt = Form::NewMaskEdit(panInput, QStringLiteral("medtEXP_DT"), kDateMask);
    edtLoanAmt = numberEdit(panInput, QStringLiteral("edtLOAN_AMT"), 15);
    edtMmPmtDt = numberEdit(panInput, QStringLiteral("edtMM_PMT_DT"), 2);
    chkPayKind1 = new QCheckBox(QStringLiteral("말일"), panInput);
    chkPayKind1->setObjectName(QStringLiteral("chkPAY_KIND1"));
    edtYyDfr = numberEdit(panInput, QStringLiteral("edtYY_DFR"), 3);
    edtYyRpy = numberEdit(panInput, QStringLiteral("edtYY_RPY"), 3);
    medtLonDt = Form::NewMaskEdit(panInput, QStringLiteral("medtLON_DT"), kDateMask);
    medtIntDt = Form::NewMaskEdit(panInput, QStringLiteral("medtINT_DT"), kDateMask);
    edtLonMm = numberEdit(panInput, QStringLiteral("edtLON_MM"), 3);
    edtIntMm = numberEdit(panInput, QStringLiteral("edtINT_MM"), 3);
    rdoInAdvance = new QRadioButton(QStringLiteral("선취"), panInput);
    rdoInAdvance->setObjectName(QStringLiteral("rdoInAdvance"));
    rdoInArrears = new QRadioButton(QStringLiteral("후취"), panInput);
    rdoInArrears->setObjectName(QStringLiteral("rdoInArrears"));
    rdoInArrears->setChecked(true);
    chkEndYn = new QCheckBox(QStringLiteral("마감여부"), panInput);
    chkEndYn->setObjectName(QStringLiteral("chkEND_YN"));
    bbtCalc = new QPushButton(QStringLiteral("계산"), panInput);
    bbtCalc->setObjectName(QStringLiteral("bbtCalc"));
    bbtRate = new QPushButton(QStringLiteral("변동금리"), panInput);
    bbtRate->setObjectName(QStringLiteral("bbtRate"));
    for (QLineEdit* e : {edtYyDfr, edtYyRpy, edtLonMm, edtIntMm, edtMmPmtDt})
        e->setMaximumWidth(40);
    Form::Grid{
        {Form::Field(QStringLiteral("금융기관"), Form::Row{edtFinInstCd, pbtFinInst, edtFinInstNm})},
        {Form::Field(QStringLiteral("대출과목"), edtSbjNm)},
        {Form::Field(QStringLiteral("차입번호"), edtLoanNo)},
        {Form::Field(QStringLiteral("개설일자"), Form::Row{medtOpnDt, Form::Label(QStringLiteral("만기일자")), medtExpDt})},
        {Form::Field(QStringLiteral("차입금액"), edtLoanAmt)},
        {Form::Field(QStringLiteral("차입이율"), Form::Row{edtIntRt, Form::Label(QStringLiteral("%")), Form::Stretch()})},
        {Form::Field(QStringLiteral("월상환액"), edtMmPmtAmt)},
        {Form::Field(QStringLiteral("최초상환액"), edtFirstAmt)},
        {Form::Field(QStringLiteral("상환일자"), Form::Row{edtMmPmtDt, Form::Label(QStringLiteral("일")), chkPayKind1, Form::Stretch()})},
        {Form::Field(QStringLiteral("차입조건"), Form::Row{Form::Label(QStringLiteral("거치")), edtYyDfr, Form::Label(QStringLiteral("상환")),
                                                        edtYyRpy, Form::Stretch()})},
        {Form::Field(QStringLiteral("최초원금상환일자"), medtLonDt)},
        {Form::Field(QStringLiteral("최초이자상환일자"), medtIntDt)},
        {Form::Field(QStringLiteral("원금상환기간"), Form::Row{edtLonMm, Form::Label(QStringLiteral("개월")), Form::Stretch()})},
        {Form::Field(QStringLiteral("이자상환기간"), Form::Row{edtIntMm, Form::Label(QStringLiteral("개월")), Form::Stretch()})},
        {Form::Field(QStringLiteral("이자방식"), Form::Row{rdoInAdvance, rdoInArrears, chkEndYn, Form::Stretch()})},
        {Form::Span(2, Form::Row{Form::Stretch(), bbtCalc, bbtRate})},
    }.stretchColumn(1).stretchRow(16).margins(6).attachTo(panInput);

    bbtExcel->hide();
    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVGI020::rowChange);
    connect(cdsSchedule, &RecordSet::fieldChanged, this, &TfrmVGI020::scheduleFieldChanged);
    connect(rdoInAdvance, &QRadioButton::toggled, this, [this] {
        if (editing())
            proposeDates();
    });
    connect(bbtCalc, &QPushButton::clicked, this, [this] { bbtCalcClick(); });
    connect(bbtRate, &QPushButton::clicked, this, [this] { bbtRateClick(); });
    connect(pbtFinInst, &TPopupBtn::clicked, this, [this] {
        if (!MasterUi::TakeLookup(pbtFinInst, edtFinInstCd, edtFinInstNm) && !pbtFinInst->inLinkSearch())
            edtFinInstNm->clear();
    });
}

// --- list and schedule ------------------------------------------------------------------

void TfrmVGI020::DoSearch()
{
    QString sql = kLoanSql + QStringLiteral(" WHERE 1 = 1\n");
    if (rdoSearch.at(1)->isChecked())
        sql += QStringLiteral("   AND T1.END_YN = 'Y'\n");
    else if (rdoSearch.at(2)->isChecked())
        sql += QStringLiteral("   AND T1.END_YN = 'N'\n");
    sql += QStringLiteral(" ORDER BY T1.FIN_INST_CD, T1.OPN_DT, T1.LOAN_NO");
    cdsMain->open(sql);
    cdsMain->setDisplayFormat(QStringLiteral("LOAN_AMT"), QStringLiteral("#,##0"));
    RecordCount = cdsMain->recordCount();
    showCurrentLoan();
    RefreshButtons();
}

void TfrmVGI020::rowChange()
{
    if (State == stBrowse)
        showCurrentLoan();
}

void TfrmVGI020::showCurrentLoan()
{
    const bool any = cdsMain->isOpen() && !cdsMain->isEmpty() && !cdsMain->isEditing();
    auto text = [&](const char* field) { return any ? cdsMain->fieldAsString(QLatin1String(field)) : QString(); };
    edtLoanNo->setText(text("LOAN_NO"));
    edtFinInstCd->setText(text("FIN_INST_CD"));
    edtFinInstNm->setText(text("FIN_INST_NM"));
    edtSbjNm->setText(text("SBJ_NM"));
    edtLoanAmt->setText(any ? AmountText(cdsMain->fieldAsInteger(QStringLiteral("LOAN_AMT"))) : QString());
    SetMaskDate(medtOpnDt, text("OPN_DT"));
    SetMaskDate(medtExpDt, text("EXP_DT"));
    edtYyDfr->setText(text("YY_DFR"));
    edtYyRpy->setText(text("YY_RPY"));
    (text("RPY_MTHD") == QLatin1String("1") ? rdoInAdvance : rdoInArrears)->setChecked(true);
    SetMaskDate(medtLonDt, text("LON_DT"));
    SetMaskDate(medtIntDt, text("INT_DT"));
    chkPayKind1->setChecked(text("PAY_KIND1") == QLatin1String("1"));
    edtMmPmtDt->setText(text("MM_PMT_DT"));
    edtLonMm->setText(text("LON_MM"));
    edtIntMm->setText(text("INT_MM"));
    edtIntRt->setText(rateShown(text("INT_RT")));
    edtMmPmtAmt->setText(any ? AmountText(cdsMain->fieldAsInteger(QStringLiteral("MM_PMT_AMT"))) : QString());
    edtFirstAmt->setText(any ? AmountText(cdsMain->fieldAsInteger(QStringLiteral("FIRST_AMT"))) : QString());
    chkEndYn->setChecked(text("END_YN") == QLatin1String("Y"));
    loadSchedule(text("LOAN_NO"));
}

void TfrmVGI020::loadSchedule(const QString& loanNo)
{
    m_rows.clear();
    if (!loanNo.isEmpty()) {
        QSqlQuery q = RunQuery(QStringLiteral("SELECT TMS, REPAY_DT, PRN::TEXT, \"int\"::TEXT, REM_AMT::TEXT, PRF_RT::TEXT, FLAG, DAY\n"
                                              "  FROM VG020DT WHERE LOAN_NO = :P0 ORDER BY TMS"),
                               {loanNo});
        while (q.next()) {
            LoanRow r;
            r.tms = q.value(0).toInt();
            r.date = QDate::fromString(q.value(1).toString(), QStringLiteral("yyyy-MM-dd"));
            r.principal = RoundWon(ParseScaled(q.value(2).toString()));
            r.interestE4 = ParseScaled(q.value(3).toString());
            r.remaining = RoundWon(ParseScaled(q.value(4).toString()));
            r.rateE4 = ParseScaled(q.value(5).toString());
            r.interestDue = q.value(6).toString() == QLatin1String("1");
            r.days = q.value(7).toInt();
            m_rows << r;
        }
    }
    showSchedule();
}

void TfrmVGI020::showSchedule()
{
    m_showing = true;
    cdsSchedule->disableControls();
    cdsSchedule->emptyDataSet();
    for (const LoanRow& r : m_rows) {
        cdsSchedule->appendRecord({r.tms, r.date.toString(QStringLiteral("yyyy-MM-dd")), ScaledText(r.paymentE4()),
                                   QString::number(r.principal), ScaledText(r.interestE4), QString::number(r.remaining),
                                   ScaledText(r.rateE4), r.interestDue ? QStringLiteral("1") : QString(), r.days});
    }
    cdsSchedule->first();
    cdsSchedule->enableControls();
    m_showing = false;
}

void TfrmVGI020::scheduleFieldChanged(const QString& field)
{
    if (m_showing || !editing() || field.compare(QLatin1String("PRN"), Qt::CaseInsensitive) != 0)
        return;
    const int row = cdsSchedule->currentRow();
    const qint64 principal = cdsSchedule->fieldAsInteger(QStringLiteral("PRN"));
    // after the grid has handed the value over
    QTimer::singleShot(0, this, [this, row, principal] { changePrincipal(row, principal); });
}

void TfrmVGI020::changePrincipal(int row, qint64 principal)
{
    if (row < 0 || row >= m_rows.size())
        return;
    if (cdsSchedule->isEditing()) {
        m_showing = true;
        cdsSchedule->post();
        m_showing = false;
    }
    const qint64 rate = ParseRate(edtIntRt->text());
    LoanTerms t = terms();
    if (rate > 0)
        t.rateE4 = rate;
    else
        t.rateE4 = m_rows.at(row).rateE4;
    Funds::ChangePrincipal(m_rows, row, std::max<qint64>(principal, 0), t);
    showSchedule();
    cdsSchedule->moveTo(row);
}

// --- checks and calculation ---------------------------------------------------------

bool TfrmVGI020::checkFields()
{
    auto refuse = [](const QString& message, QWidget* field) {
        ShowInfo(message);
        field->setFocus();
        return false;
    };
    if (edtLoanNo->text().trimmed().isEmpty())
        return refuse(QStringLiteral("차입번호를 입력하십시오."), edtLoanNo);
    if (edtFinInstCd->text().trimmed().isEmpty() || edtFinInstNm->text().trimmed().isEmpty())
        return refuse(QStringLiteral("금융기관을 입력하십시오."), edtFinInstCd);
    const qint64 amount = AmountOf(edtLoanAmt->text());
    if (amount <= 0)
        return refuse(QStringLiteral("차입금액을 입력하십시오."), edtLoanAmt);
    const QDate opening = MaskDate(medtOpnDt);
    if (!opening.isValid())
        return refuse(QStringLiteral("개설일자를 입력하십시오."), medtOpnDt);
    const QDate maturity = MaskDate(medtExpDt);
    if (!maturity.isValid())
        return refuse(QStringLiteral("만기일자를 입력하십시오."), medtExpDt);
    if (opening > maturity)
        return refuse(QStringLiteral("만기일자는 개설일자보다 커야합니다."), medtExpDt);
    const int span = MonthSpan(opening, maturity);
    const QString grace = edtYyDfr->text().trimmed();
    if (!MasterUi::IsDigitsText(grace))
        return refuse(QStringLiteral("거치기간을 입력 하시오."), edtYyDfr);
    // the grace is in years, the span in months
    const int graceMonths = grace.toInt() * 12;
    if (graceMonths > span)
        return refuse(QStringLiteral("거치기간이 차입기간 보다 클 수 없습니다."), edtYyDfr);
    const QString principalMonths = edtLonMm->text().trimmed();
    if (!MasterUi::IsDigitsText(principalMonths) || principalMonths.toInt() == 0)
        return refuse(QStringLiteral("원금상환 기간을 입력 하시오."), edtLonMm);
    // principal is repaid after the grace: its interval fits what is left
    if (principalMonths.toInt() > std::max(span - graceMonths, 1))
        return refuse(QStringLiteral("원금상환 기간이 거치기간보다 클 수 없습니다."), edtLonMm);
    const QString interestMonths = edtIntMm->text().trimmed();
    if (!MasterUi::IsDigitsText(interestMonths) || interestMonths.toInt() == 0)
        return refuse(QStringLiteral("이자상환 기간을 입력 하시오."), edtIntMm);
    if (interestMonths.toInt() > std::max(span, 1))
        return refuse(QStringLiteral("이자상환 기간이 거치기간보다 클 수 없습니다."), edtIntMm);
    const qint64 rate = ParseRate(edtIntRt->text());
    if (rate <= 0)
        return refuse(QStringLiteral("차입이율을 입력 하시오."), edtIntRt);
    if (rate >= 100 * kInterestScale)
        return refuse(QStringLiteral("차입이율을 잘못 입력 되었습니다."), edtIntRt);
    const qint64 monthly = AmountOf(edtMmPmtAmt->text());
    if (monthly <= 0)
        return refuse(QStringLiteral("원금 상환액을 입력 하시오."), edtMmPmtAmt);
    if (monthly > amount)
        return refuse(QStringLiteral("원금 상환액이 차입금액보다 클 수 없습니다."), edtMmPmtAmt);
    const qint64 first = AmountOf(edtFirstAmt->text());
    if (first <= 0)
        return refuse(QStringLiteral("최초 원금 상환액을 입력 하시오."), edtFirstAmt);
    if (first > amount)
        return refuse(QStringLiteral("최초 원금 상환액이 차입금액보다 클 수 없습니다."), edtFirstAmt);
    if (!MaskDate(medtLonDt).isValid())
        return refuse(QStringLiteral("최초원금상환일자를 입력하십시오."), medtLonDt);
    if (!MaskDate(medtIntDt).isValid())
        return refuse(QStringLiteral("최초이자상환일자를 입력하십시오."), medtIntDt);
    return true;
}

LoanTerms TfrmVGI020::terms() const
{
    LoanTerms t;
    t.amount = AmountOf(edtLoanAmt->text());
    t.opening = MaskDate(medtOpnDt);
    t.maturity = MaskDate(medtExpDt);
    t.firstPrincipal = MaskDate(medtLonDt);
    t.firstInterest = MaskDate(medtIntDt);
    t.payDay = DayNumber(edtMmPmtDt->text());
    if (t.payDay == 0 && t.opening.isValid())
        t.payDay = t.opening.day();
    t.lastDay = chkPayKind1->isChecked();
    t.principalMonths = edtLonMm->text().toInt();
    t.interestMonths = edtIntMm->text().toInt();
    t.rateE4 = ParseRate(edtIntRt->text());
    t.monthlyPrincipal = AmountOf(edtMmPmtAmt->text());
    t.firstPrincipalAmount = AmountOf(edtFirstAmt->text());
    t.inAdvance = rdoInAdvance->isChecked();
    return t;
}

void TfrmVGI020::bbtCalcClick()
{
    if (!editing() || !checkFields())
        return;
    m_rows = LoanSchedule(terms());
    showSchedule();
    ShowStatus(QStringLiteral("상환 스케쥴 %1 회차를 계산하였습니다.").arg(m_rows.size()));
}

void TfrmVGI020::bbtRateClick()
{
    if (m_rows.isEmpty() || !editing())
        return;
    const int row = std::max(cdsSchedule->currentRow(), 0);
    const qint64 rate = ParseRate(edtIntRt->text());
    if (rate <= 0 || rate >= 100 * kInterestScale) {
        ShowInfo(QStringLiteral("차입이율을 잘못 입력 되었습니다."));
        edtIntRt->setFocus();
        return;
    }
    if (!AskYesNo(QStringLiteral("[%1] 일 부터 이율을 다시 산정하시겠습니까.?")
                      .arg(m_rows.at(row).date.toString(QStringLiteral("yyyy-MM-dd")))))
        return;
    RerateFrom(m_rows, row, rate, terms());
    showSchedule();
    cdsSchedule->moveTo(row);
}

// Proposals the user may overwrite: the pay day from the opening date, the
// first principal date after the grace years and one principal interval,
// the first interest date one interest interval after opening (후취) or the
// opening date itself (선취).
void TfrmVGI020::proposeDates()
{
    const QDate opening = MaskDate(medtOpnDt);
    if (!opening.isValid() || !MasterUi::IsDigitsText(edtYyDfr->text().trimmed()))
        return;
    const int grace = edtYyDfr->text().trimmed().toInt();
    const int principalMonths = std::max(edtLonMm->text().toInt(), 1);
    const int interestMonths = std::max(edtIntMm->text().toInt(), 1);
    SetMaskDate(medtLonDt, opening.addMonths(grace * 12 + principalMonths).toString(QStringLiteral("yyyyMMdd")));
    SetMaskDate(medtIntDt, (rdoInAdvance->isChecked() ? opening : opening.addMonths(interestMonths))
                               .toString(QStringLiteral("yyyyMMdd")));
}

void TfrmVGI020::FieldExit(QWidget* control)
{
    TfrmZQI030::FieldExit(control);
    if (!editing())
        return;
    if (control == edtFinInstCd && !edtFinInstCd->text().trimmed().isEmpty()) {
        pbtFinInst->LinkSearch();
    } else if (control == medtOpnDt) {
        const QDate opening = MaskDate(medtOpnDt);
        if (opening.isValid())
            edtMmPmtDt->setText(QString::number(opening.day()));
    } else if (control == edtYyDfr || control == edtLonMm || control == edtIntMm) {
        proposeDates();
    }
}

// --- operations ------------------------------------------------------------------------------

void TfrmVGI020::RefreshButtons()
{
    TfrmZQI030::RefreshButtons();
    bbtCalc->setEnabled(editing());
    bbtRate->setEnabled(editing());
    // the schedule is worked on while the loan is edited: only the loan list
    // is closed then
    panDisp->setEnabled(true);
    rdgMain->setEnabled(!editing());
    rdgSchedule->setEditable(editing());
}

void TfrmVGI020::AfterNew()
{
    if (!cdsMain->isOpen())
        DoSearch();
    m_rows.clear();
    showSchedule();
    cdsMain->append();
    for (QLineEdit* e : panInput->findChildren<QLineEdit*>())
        e->clear();
    rdoInArrears->setChecked(true);
    chkPayKind1->setChecked(false);
    chkEndYn->setChecked(false);
    edtYyDfr->setText(QStringLiteral("0"));
    m_oldLoanNo.clear();
    edtLoanNo->setFocus();
}

void TfrmVGI020::AfterEdit()
{
    m_oldLoanNo = cdsMain->fieldAsString(QStringLiteral("LOAN_NO"));
    cdsMain->edit();
    edtLoanNo->setFocus();
}

void TfrmVGI020::DoSave()
{
    if (!checkFields())
        return;
    if (cdsSchedule->isEditing()) {
        m_showing = true;
        cdsSchedule->post();
        m_showing = false;
    }
    const LoanTerms t = terms();
    const QString loanNo = edtLoanNo->text().trimmed();
    const QVariantList values = {
        loanNo, edtFinInstCd->text().trimmed(), edtSbjNm->text().trimmed(), QString::number(t.amount),
        DateTextOf(medtOpnDt), DateTextOf(medtExpDt), edtYyDfr->text().trimmed(), edtYyRpy->text().trimmed(),
        t.inAdvance ? QStringLiteral("1") : QStringLiteral("2"), DateTextOf(medtLonDt), DateTextOf(medtIntDt),
        t.lastDay ? QStringLiteral("1") : QStringLiteral("2"), QString::number(t.payDay), edtLonMm->text().trimmed(),
        edtIntMm->text().trimmed(), RateText(t.rateE4), QString::number(t.monthlyPrincipal),
        QString::number(t.firstPrincipalAmount), chkEndYn->isChecked() ? QStringLiteral("Y") : QStringLiteral("N"),
        Session::workstationIp, Session::empNo, m_oldLoanNo};
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    if (State == stInsert) {
        ExecSql(QStringLiteral("INSERT INTO VG020MS (LOAN_NO, FIN_INST_CD, SBJ_NM, LOAN_AMT, OPN_DT, EXP_DT, YY_DFR, YY_RPY,\n"
                               "       RPY_MTHD, LON_DT, INT_DT, PAY_KIND1, MM_PMT_DT, LON_MM, INT_MM, INT_RT, MM_PMT_AMT,\n"
                               "       FIRST_AMT, END_YN, U_DATE, U_IP, U_EMP_NO)\n"
                               "VALUES (:P0, :P1, :P2, CAST(:P3 AS NUMERIC), :P4, :P5, COALESCE(CAST(:P6 AS NUMERIC), 0),\n"
                               "        CAST(:P7 AS NUMERIC), :P8, :P9, :P10, :P11, :P12, CAST(:P13 AS NUMERIC),\n"
                               "        CAST(:P14 AS NUMERIC), CAST(:P15 AS NUMERIC), CAST(:P16 AS NUMERIC), CAST(:P17 AS NUMERIC),\n"
                               "        :P18, LOCALTIMESTAMP(0), :P19, :P20)"),
                values.mid(0, 21));
    } else {
        // the schedule follows a changed loan number (ON UPDATE CASCADE)
        ExecSql(QStringLiteral("UPDATE VG020MS SET LOAN_NO = :P0, FIN_INST_CD = :P1, SBJ_NM = :P2, LOAN_AMT = CAST(:P3 AS NUMERIC),\n"
                               "       OPN_DT = :P4, EXP_DT = :P5, YY_DFR = COALESCE(CAST(:P6 AS NUMERIC), 0),\n"
                               "       YY_RPY = CAST(:P7 AS NUMERIC), RPY_MTHD = :P8, LON_DT = :P9, INT_DT = :P10,\n"
                               "       PAY_KIND1 = :P11, MM_PMT_DT = :P12, LON_MM = CAST(:P13 AS NUMERIC),\n"
                               "       INT_MM = CAST(:P14 AS NUMERIC), INT_RT = CAST(:P15 AS NUMERIC),\n"
                               "       MM_PMT_AMT = CAST(:P16 AS NUMERIC), FIRST_AMT = CAST(:P17 AS NUMERIC), END_YN = :P18,\n"
                               "       U_DATE = LOCALTIMESTAMP(0), U_IP = :P19, U_EMP_NO = :P20\n"
                               " WHERE LOAN_NO = :P21"),
                values);
    }
    ExecSql(QStringLiteral("DELETE FROM VG020DT WHERE LOAN_NO = :P0"), {loanNo});
    for (const LoanRow& r : m_rows) {
        ExecSql(QStringLiteral("INSERT INTO VG020DT (LOAN_NO, TMS, REPAY_DT, REPAY_AMT, PRN, \"int\", REM_AMT, PRF_RT, FLAG, DAY,\n"
                               "       U_DATE, U_IP, U_EMP_NO)\n"
                               "VALUES (:P0, CAST(:P1 AS INTEGER), :P2, CAST(:P3 AS NUMERIC), CAST(:P4 AS NUMERIC),\n"
                               "        CAST(:P5 AS NUMERIC), CAST(:P6 AS NUMERIC), CAST(:P7 AS NUMERIC), :P8,\n"
                               "        CAST(:P9 AS INTEGER), LOCALTIMESTAMP(0), :P10, :P11)"),
                {loanNo, QString::number(r.tms), r.date.toString(QStringLiteral("yyyy-MM-dd")), ScaledText(r.paymentE4()),
                 QString::number(r.principal), ScaledText(r.interestE4), QString::number(r.remaining), ScaledText(r.rateE4),
                 r.interestDue ? QStringLiteral("1") : QString(), QString::number(r.days), Session::workstationIp,
                 Session::empNo});
    }
    tx.commit();
    const QVariantList row = RunQueryRow(kLoanSql + QStringLiteral(" WHERE T1.LOAN_NO = :P0"), {loanNo});
    const QStringList names = cdsMain->fieldNames();
    for (int i = 0; i < names.size() && i < row.size(); ++i)
        cdsMain->setValue(names.at(i), row.at(i));
    cdsMain->post();
    m_oldLoanNo.clear();
    RecordCount = cdsMain->recordCount();
    Done = true;
    ShowStatus(QStringLiteral("저장되었습니다."));
}

void TfrmVGI020::AfterCancel()
{
    if (cdsSchedule->isEditing())
        cdsSchedule->cancel();
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    m_oldLoanNo.clear();
    showCurrentLoan();
}

void TfrmVGI020::DoDelete()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty() || !AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?"))) {
        Done = true;
        return;
    }
    const QString loanNo = cdsMain->fieldAsString(QStringLiteral("LOAN_NO"));
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("DELETE FROM VG020DT WHERE LOAN_NO = :P0"), {loanNo});
    ExecSql(QStringLiteral("DELETE FROM VG020MS WHERE LOAN_NO = :P0"), {loanNo});
    tx.commit();
    cdsMain->deleteRecord();
    RecordCount = cdsMain->recordCount();
    showCurrentLoan();
    Done = true;
}

void TfrmVGI020::printSchedule()
{
    TfrmVGI021 layout;
    layout.setLoan(edtFinInstNm->text(), DateTextOf(medtOpnDt), edtIntRt->text().trimmed(), edtSbjNm->text(),
                   edtLoanAmt->text(), edtYyDfr->text().trimmed(), edtYyRpy->text().trimmed(), edtLonMm->text().trimmed(),
                   rdoInAdvance->isChecked() ? QStringLiteral("선취") : QStringLiteral("후취"));
    layout.setRows(m_rows);
    layout.Prepare();
    layout.PrintOrPreview(PreviewFlag, this);
}
