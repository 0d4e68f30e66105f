#include "screens/daily/VCI120.h"
#include "common/HandOver.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/DisplayFormat.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/daily/DailyBooks.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

using DailyBooks::column;

namespace {

const QString kListTitle = QStringLiteral("영업수지조정");
const QString kBaseTitle = QStringLiteral("영업수지 기초자료");
const QString kCostClassSg = QStringLiteral("판관비");
const QString kCostClassCost = QStringLiteral("원가");

const QString kRowTotal = QStringLiteral("COALESCE(A.DR_AMT, 0) + COALESCE(A.CR_AMT, 0) + COALESCE(A.VAT_AMT, 0) + COALESCE(A.ADJ_AMT, 0)");

const QString kListSql = QStringLiteral(
    "SELECT A.SLIP_NO, A.SLIP_SEQ, A.ACCT_CODE, (SELECT ACCT_SNAME FROM VA020MS WHERE A.ACCT_CODE = ACCT_CODE) AS ACCT_NAME,\n"
    "       A.DR_AMT, A.CR_AMT, A.VAT_AMT, COALESCE(A.ADJ_AMT, 0) ADJ_AMT, %1 AS TOT_AMT, A.REF_DATA, A.BU_ACCT_CODE,\n"
    "       (SELECT BU_ACCT_SNAME FROM VX010MS WHERE A.BU_ACCT_CODE = BU_ACCT_CODE) AS BU_ACCT_NAME,\n"
    "       A.APPLY_YM, A.EXCEPT_YN, A.ACCT_REM, A.ACCT_AMT, A.GIVE_YN, A.RE_YN, A.GUBUN_CODE, A.BY_CODE,\n"
    "       A.SLIP_DATE, A.SLI_DATE\n"
    "  FROM VZ100MS A\n"
    " WHERE 1 = 1%2\n"
    " ORDER BY A.SLIP_NO, A.SLIP_SEQ");

// The classification levels of an operating account with their names.
QString levelColumns()
{
    QString text;
    const char* const captions[] = {"지출구분", "대분류", "중분류", "소분류", "세부항목1", "세부항목2"};
    for (int n = 1; n <= 6; ++n)
        text += QStringLiteral("       B.GUBUN_CODE%1 \"%2코드\",\n"
                               "       (SELECT X.GUBUN_NAME FROM VX011MS X WHERE X.GUBUN_CODE = SUBSTR(B.MENU_CODE, 1, %3)) \"%2\",\n")
                    .arg(n)
                    .arg(QString::fromUtf8(captions[n - 1]))
                    .arg(2 * n);
    return text;
}

// Account 1111220 (VAT receivable) with an operating account shows its
// amount as VAT; without one it adds nothing.
const QString kBaseSql = QStringLiteral(
    "SELECT A.SLIP_DATE \"확정일자\", A.SLIP_NO \"전표번호\", A.SLIP_SEQ \"순번\", A.ACCT_CODE \"계정코드\",\n"
    "       (SELECT ACCT_NAME FROM VA020MS WHERE ACCT_CODE = A.ACCT_CODE) \"계정명\", A.ACCT_REM \"보고서내용\",\n"
    "       (SELECT AFF_DEPT_NAME FROM VA160MS WHERE AFF_DEPT_CODE = A.DEPT_CODE) \"팀명\", A.REF_DATA \"적요\",\n"
    "       A.BU_ACCT_CODE \"영업수지계정\", B.BU_ACCT_SNAME \"세부명칭\", B.BU_ACCT_NAME \"영업수지계정명\", B.MENU_CODE,\n"
    "%1"
    "       A.APPLY_YM \"적용월\", A.ACCT_AMT \"확인금액\", A.ADJ_AMT \"조정금액\", A.EXCEPT_YN \"영업수지\",\n"
    "       CAST(NULL AS TEXT) \"지급일\", A.GUBUN_CODE \"판관/원가\", A.BY_CODE \"테몬코드\",\n"
    "       CASE WHEN A.ACCT_CODE = '1111220' AND A.BU_ACCT_CODE IS NOT NULL THEN 0 ELSE A.DR_AMT END \"공급가액\",\n"
    "       CASE WHEN A.ACCT_CODE = '1111220' AND A.BU_ACCT_CODE IS NOT NULL THEN A.DR_AMT ELSE A.VAT_AMT END \"부가세\",\n"
    "       CASE WHEN A.ACCT_CODE = '1111220' AND A.BU_ACCT_CODE IS NULL THEN 0 ELSE %2 END \"합계\",\n"
    "       CASE WHEN A.ACCT_CODE = '1111220' AND A.BU_ACCT_CODE IS NULL THEN 0\n"
    "            WHEN A.GIVE_YN = 'Y' THEN %2 END \"기지급금\",\n"
    "       CASE WHEN A.ACCT_CODE = '1111220' AND A.BU_ACCT_CODE IS NULL THEN 0\n"
    "            WHEN A.GIVE_YN = 'N' THEN %2 END \"미지급금\"\n"
    "  FROM VZ100MS A LEFT JOIN VX010MS B ON B.BU_ACCT_CODE = A.BU_ACCT_CODE\n"
    " WHERE 1 = 1%3\n"
    " ORDER BY A.SLIP_NO, A.SLIP_SEQ");

const QString kOperatingSql = QStringLiteral("SELECT BU_ACCT_CODE, BU_ACCT_SNAME, BU_ACCT_NAME FROM VX010MS ORDER BY BU_ACCT_CODE");

TPopupBtn* newOperatingLookup(QWidget* parent, const QString& name, QLineEdit* link, const char* nameColumn)
{
    auto* button = new TPopupBtn(parent);
    button->setObjectName(name);
    button->setSql(kOperatingSql);
    button->setLinkSql(QStringLiteral("SELECT BU_ACCT_CODE, BU_ACCT_SNAME, BU_ACCT_NAME FROM VX010MS\n"
                                      " WHERE BU_ACCT_CODE > '1'\n"
                                      "   AND (BU_ACCT_CODE LIKE '%' || :acc_cd || '%' OR %1 LIKE '%' || :acc_cd || '%')\n"
                                      " ORDER BY BU_ACCT_CODE")
                           .arg(QLatin1String(nameColumn)));
    button->setColumnTitles({QStringLiteral("계정코드"), QStringLiteral("세부명칭"), QStringLiteral("계 정 명")});
    button->setColumnWidths({QStringLiteral("15"), QStringLiteral("25"), QStringLiteral("35")});
    button->setLinkControl(link);
    return button;
}

// A whole number of won as typed ("1,234", "-500"); empty means 0.
bool amountOf(const QString& text, qint64* amount)
{
    const QString plain = MaintenanceCore::StripNumberText(text);
    if (plain.isEmpty()) {
        *amount = 0;
        return true;
    }
    static const QRegularExpression whole(QStringLiteral("^-?[0-9]{1,15}$"));
    if (!whole.match(plain).hasMatch())
        return false;
    *amount = plain.toLongLong();
    return true;
}

QString flag(const QCheckBox* box)
{
    return box->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
}

}  // namespace

TfrmVCI120::TfrmVCI120(QWidget* parent) : TfrmZQI030(QStringLiteral("VCI120"), parent)
{
    setWindowTitle(kListTitle + QStringLiteral("(VCI120)"));
    // rows come from confirmation and go with its cancellation
    for (QPushButton* b : {bbtAdd, bbtDelete, bbtPrint, bbtPreview})
        b->hide();
    // the all-data box of the spreadsheet: in the button strip's height
    // without its caption
    grpExcel->setTitle(QString());
    grpExcel->layout()->setContentsMargins(4, 0, 4, 0);
    grpExcel->show();

    buildSearch();
    buildInput();

    cdsGrid = new RecordSet(this);
    cdsGrid->setObjectName(QStringLiteral("cdsGrid"));
    rgrGrid = DailyBooks::newListGrid(panDisp, cdsGrid,
                                      {column("SLIP_NO", "전표번호", 76), column("SLIP_SEQ", "순번", 40),
                                       column("ACCT_NAME", "계정과목", 110), column("REF_DATA", "적요", 200),
                                       column("DR_AMT", "공급가액", 95), column("VAT_AMT", "부가세", 80),
                                       column("CR_AMT", "대변금액", 95), column("ADJ_AMT", "조정금액", 85),
                                       column("TOT_AMT", "합계", 100), column("BU_ACCT_NAME", "영업수지계정과목", 130),
                                       column("APPLY_YM", "적용 월", 65), column("EXCEPT_YN", "영업수지", 65),
                                       column("GIVE_YN", "지급여부", 65), column("GUBUN_CODE", "판관/원가", 75),
                                       column("BY_CODE", "테몬코드", 70)},
                                      QStringLiteral("rgrGrid"));
    lblTotal = new QLabel(panDisp);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotal->setMinimumWidth(140);
    Form::Column{rgrGrid, Form::Row{Form::Stretch(), Form::Label(QStringLiteral("합  계:")), lblTotal}}.attachTo(panDisp);
    connect(cdsGrid, &RecordSet::afterScroll, this, [this] {
        if (State == stBrowse)
            showCurrentRow();
    });
}

void TfrmVCI120::buildSearch()
{
    panSearch->setFixedHeight(66);
    QList<QRadioButton*> radios;
    QGroupBox* kind = Form::NewRadioGroup(panSearch, QStringLiteral("조회조건"),
                                          {{QStringLiteral("rbWriteDate"), QStringLiteral("작성일자")},
                                           {QStringLiteral("rbConfDate"), QStringLiteral("확정일자")}},
                                          &radios);
    rbWriteDate = radios.value(0);
    rbConfDate = radios.value(1);
    dtpFDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFDate"));
    dtpEDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpEDate"));
    Edit_SBill_No = Form::NewEdit(panSearch, QStringLiteral("Edit_SBill_No"), 8);
    connect(Edit_SBill_No, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text != text.toUpper())
            Edit_SBill_No->setText(text.toUpper());
    });
    CheckBox1 = new QCheckBox(QStringLiteral("영업수지"), panSearch);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    Edit_Apply_Ym = Form::NewEdit(panSearch, QStringLiteral("Edit_Apply_Ym"), 8);
    edtAcctCd = Form::NewEdit(panSearch, QStringLiteral("edtAcctCd"), 7);
    edtBuAcctCd = Form::NewEdit(panSearch, QStringLiteral("edtBuAcctCd"), 6);
    for (QLineEdit* e : {Edit_SBill_No, Edit_Apply_Ym, edtAcctCd, edtBuAcctCd})
        e->setMaximumWidth(80);
    pbtAccCode = new TPopupBtn(panSearch);
    pbtAccCode->setObjectName(QStringLiteral("pbtAccCode"));
    pbtAccCode->setSql(QStringLiteral("SELECT ACCT_CODE, ACCT_SNAME, ACCT_NAME FROM VA020MS WHERE USE_YN = 'Y' AND SLIP_YN = 'Y' "
                                      "ORDER BY ACCT_CODE"));
    pbtAccCode->setLinkSql(QStringLiteral("SELECT ACCT_CODE, ACCT_SNAME, ACCT_NAME FROM VA020MS WHERE USE_YN = 'Y' AND SLIP_YN = 'Y' "
                                          "AND (ACCT_CODE LIKE '%' || :acc_cd || '%' OR ACCT_SNAME LIKE '%' || :acc_cd || '%') "
                                          "ORDER BY ACCT_CODE"));
    pbtAccCode->setColumnTitles({QStringLiteral("계정코드"), QStringLiteral("계정조회명"), QStringLiteral("계정명")});
    pbtAccCode->setColumnWidths({QStringLiteral("8"), QStringLiteral("22"), QStringLiteral("22")});
    pbtAccCode->setLinkControl(edtAcctCd);
    connect(pbtAccCode, &TPopupBtn::clicked, this, [this] {
        edtAcctCd->setText(pbtAccCode->modalResult() == Lookup::mrOk ? pbtAccCode->returnValue().value(0).trimmed() : QString());
    });
    pbtBuAccCode = newOperatingLookup(panSearch, QStringLiteral("pbtBuAccCode"), edtBuAcctCd, "BU_ACCT_SNAME");
    connect(pbtBuAccCode, &TPopupBtn::clicked, this, [this] {
        edtBuAcctCd->setText(pbtBuAccCode->modalResult() == Lookup::mrOk ? pbtBuAccCode->returnValue().value(0).trimmed()
                                                                           : QString());
    });
    Form::Row{kind,
              Form::Grid{{Form::Empty(), dtpFDate, Form::Label(QStringLiteral("~")), dtpEDate,
                          Form::Field(QStringLiteral("전표번호"), Edit_SBill_No), CheckBox1},
                         {Form::Field(QStringLiteral("적용월"), Edit_Apply_Ym), Form::Empty(), Form::Empty(),
                          Form::Field(QStringLiteral("계정과목"), Form::Row{edtAcctCd, pbtAccCode}),
                          Form::Field(QStringLiteral("영업수지계정"), Form::Row{edtBuAcctCd, pbtBuAccCode})}}
                  .spacing(3),
              Form::Stretch()}
        .attachTo(panSearch);
}

void TfrmVCI120::buildInput()
{
    CheckBox2 = new QCheckBox(QStringLiteral("전표전체 적용"), panInput);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    edtSlipNo = Form::NewEdit(panInput, QStringLiteral("edtSlipNo"), 8);
    edtSlipNo->setReadOnly(true);
    edtSlipNo->setFocusPolicy(Qt::NoFocus);
    edtVatAmt = Form::NewEdit(panInput, QStringLiteral("edtVatAmt"), 20);
    edtApplyYm = Form::NewEdit(panInput, QStringLiteral("edtApplyYm"), 8);
    edtBuAcctCode = Form::NewEdit(panInput, QStringLiteral("edtBuAcctCode"), 6);
    edtBuAcctName = Form::NewEdit(panInput, QStringLiteral("edtBuAcctName"));
    edtBuAcctName->setReadOnly(true);
    edtBuAcctName->setFocusPolicy(Qt::NoFocus);
    pbtFAccCode = newOperatingLookup(panInput, QStringLiteral("pbtFAccCode"), edtBuAcctCode, "BU_ACCT_NAME");
    connect(pbtFAccCode, &TPopupBtn::clicked, this, [this] {
        const QStringList chosen = pbtFAccCode->returnValue();
        const bool ok = pbtFAccCode->modalResult() == Lookup::mrOk;
        edtBuAcctCode->setText(ok ? chosen.value(0).trimmed() : QString());
        edtBuAcctName->setText(ok ? chosen.value(1).trimmed() : QString());
    });
    edtAcctRem = Form::NewEdit(panInput, QStringLiteral("edtAcctRem"), 200);
    edtAcctAmt = Form::NewEdit(panInput, QStringLiteral("edtAcctAmt"), 20);
    edtAdjAmt = Form::NewEdit(panInput, QStringLiteral("edtAdjAmt"), 20);
    for (QLineEdit* e : {edtVatAmt, edtAcctAmt, edtAdjAmt})
        e->setAlignment(Qt::AlignRight);
    for (QLineEdit* e : {edtSlipNo, edtVatAmt, edtApplyYm, edtBuAcctCode, edtAcctAmt, edtAdjAmt})
        e->setMaximumWidth(120);
    chkExceptYn = new QCheckBox(QStringLiteral("영업수지"), panInput);
    chkExceptYn->setObjectName(QStringLiteral("chkExceptYn"));
    chkGiveYn = new QCheckBox(QStringLiteral("지급여부"), panInput);
    chkGiveYn->setObjectName(QStringLiteral("chkGiveYn"));
    chkReYn = new QCheckBox(QStringLiteral("환급여부"), panInput);
    chkReYn->setObjectName(QStringLiteral("chkReYn"));
    cbxGubunCode = new QComboBox(panInput);
    cbxGubunCode->setObjectName(QStringLiteral("cbxGubunCode"));
    cbxGubunCode->addItems({QString(), kCostClassSg, kCostClassCost});
    connect(cbxGubunCode, &QComboBox::activated, this, [this] { costClassChosen(); });
    edtByCode = Form::NewEdit(panInput, QStringLiteral("edtByCode"), 20);
    edtByCode->setMaximumWidth(120);
    Form::Grid{
        {Form::Span(3, CheckBox2)},
        {Form::Field(QStringLiteral("전표번호"), edtSlipNo)},
        {Form::Field(QStringLiteral("부 가 세"), edtVatAmt)},
        {Form::Field(QStringLiteral("적 용 월"), edtApplyYm)},
        {Form::Field(QStringLiteral("영업수지 계정과목"), Form::Row{edtBuAcctCode, pbtFAccCode, edtBuAcctName})},
        {Form::Field(QStringLiteral("비    고"), edtAcctRem)},
        {Form::Field(QStringLiteral("확인금액"), edtAcctAmt)},
        {Form::Field(QStringLiteral("조정금액"), edtAdjAmt)},
        {Form::Empty(), Form::Row{chkExceptYn, chkGiveYn, chkReYn, Form::Stretch()}},
        {Form::Field(QStringLiteral("판관/원가"), cbxGubunCode)},
        {Form::Field(QStringLiteral("테몬코드"), edtByCode)},
    }
        .stretchColumn(1)
        .stretchRow(11)
        .margins(8)
        .attachTo(panInput);
}

// Opened on a slip: its number and writing date become the conditions.
void TfrmVCI120::FormShow()
{
    if (HandOver::HandSlipNo.isEmpty())
        return;
    const QString slipNo = HandOver::HandSlipNo;
    const QDate slipDate = QDate::fromString(HandOver::HandSlipDate, Qt::ISODate);
    HandOver::clearSlip();
    Edit_SBill_No->setText(slipNo);
    Edit_Apply_Ym->clear();
    rbWriteDate->setChecked(true);
    if (slipDate.isValid()) {
        dtpFDate->setDate(slipDate);
        if (dtpEDate->date() < slipDate)
            dtpEDate->setDate(slipDate);
    }
    State = stBrowse;
    DoSearch();
}

QString TfrmVCI120::conditions(QVariantList& params) const
{
    QString where;
    const auto bind = [&params](const QVariant& value) {
        params << value;
        return QStringLiteral(":P%1").arg(params.size() - 1);
    };
    const QString month = Edit_Apply_Ym->text().trimmed();
    if (!month.isEmpty()) {
        where += QStringLiteral("\n   AND A.APPLY_YM LIKE '%' || CAST(") + bind(month) + QStringLiteral(" AS TEXT) || '%'");
    } else {
        where += QStringLiteral("\n   AND %1 BETWEEN CAST(").arg(rbConfDate->isChecked() ? QStringLiteral("A.SLIP_DATE")
                                                                                           : QStringLiteral("A.SLI_DATE"))
            + bind(dtpFDate->date().toString(Qt::ISODate)) + QStringLiteral(" AS DATE) AND CAST(")
            + bind(dtpEDate->date().toString(Qt::ISODate)) + QStringLiteral(" AS DATE)");
    }
    if (CheckBox1->isChecked())
        where += QStringLiteral("\n   AND A.BU_ACCT_CODE IS NOT NULL");
    const std::pair<QLineEdit*, const char*> contains[] = {
        {Edit_SBill_No, "A.SLIP_NO"}, {edtAcctCd, "A.ACCT_CODE"}, {edtBuAcctCd, "A.BU_ACCT_CODE"}};
    for (const auto& [field, columnName] : contains) {
        const QString text = field->text().trimmed();
        if (!text.isEmpty())
            where += QStringLiteral("\n   AND %1 LIKE '%' || CAST(").arg(QLatin1String(columnName)) + bind(text)
                + QStringLiteral(" AS TEXT) || '%'");
    }
    return where;
}

void TfrmVCI120::DoSearch()
{
    m_params.clear();
    m_where = conditions(m_params);
    cdsGrid->open(kListSql.arg(kRowTotal, m_where), m_params);
    SetNumberFormats(*cdsGrid);
    qint64 total = 0;
    for (int row = 0; row < cdsGrid->recordCount(); ++row)
        total += cdsGrid->value(row, QStringLiteral("TOT_AMT")).toLongLong();
    lblTotal->setText(DailyBooks::amountText(total));
    RecordCount = cdsGrid->recordCount();
    if (RecordCount > 0)
        showCurrentRow();
    else
        clearInput();
    RefreshButtons();
}

QString TfrmVCI120::totalText() const
{
    return lblTotal->text();
}

QString TfrmVCI120::baseDataSql() const
{
    return kBaseSql.arg(levelColumns(), kRowTotal, m_where);
}

void TfrmVCI120::showCurrentRow()
{
    if (!cdsGrid->isOpen() || cdsGrid->isEmpty())
        return;
    const auto text = [this](const char* field) { return cdsGrid->fieldAsString(QLatin1String(field)); };
    const auto amount = [this](const char* field) {
        return DailyBooks::amountText(cdsGrid->value(QLatin1String(field)).toLongLong());
    };
    edtSlipNo->setText(text("SLIP_NO"));
    edtVatAmt->setText(amount("VAT_AMT"));
    edtApplyYm->setText(text("APPLY_YM"));
    edtBuAcctCode->setText(text("BU_ACCT_CODE"));
    edtBuAcctName->setText(text("BU_ACCT_NAME"));
    edtAcctRem->setText(text("ACCT_REM"));
    edtAcctAmt->setText(amount("ACCT_AMT"));
    edtAdjAmt->setText(amount("ADJ_AMT"));
    chkExceptYn->setChecked(text("EXCEPT_YN") == QLatin1String("Y"));
    chkGiveYn->setChecked(text("GIVE_YN") == QLatin1String("Y"));
    chkReYn->setChecked(text("RE_YN") == QLatin1String("Y"));
    cbxGubunCode->setCurrentIndex(std::max(0, cbxGubunCode->findText(text("GUBUN_CODE"))));
    edtByCode->setText(text("BY_CODE"));
}

void TfrmVCI120::clearInput()
{
    for (QLineEdit* e : {edtSlipNo, edtVatAmt, edtApplyYm, edtBuAcctCode, edtBuAcctName, edtAcctRem, edtAcctAmt, edtAdjAmt,
                         edtByCode})
        e->clear();
    for (QCheckBox* c : {CheckBox2, chkExceptYn, chkGiveYn, chkReYn})
        c->setChecked(false);
    cbxGubunCode->setCurrentIndex(0);
}

// The code of the chosen cost class for the row's operating account;
// without an operating account the code stays as it is.
void TfrmVCI120::costClassChosen()
{
    const QString code = edtBuAcctCode->text().trimmed();
    if (code.isEmpty())
        return;
    QSqlQuery q = RunQuery(QStringLiteral("SELECT CASE CAST(:P0 AS TEXT) WHEN '판관비' THEN P_BY_CODE WHEN '원가' THEN N_BY_CODE END\n"
                                          "  FROM VX010MS WHERE BU_ACCT_CODE = :P1"),
                           {cbxGubunCode->currentText(), code});
    if (q.next())
        edtByCode->setText(q.value(0).toString());
}

void TfrmVCI120::AfterEdit()
{
    m_oldSlipNo = cdsGrid->fieldAsString(QStringLiteral("SLIP_NO"));
    m_oldSlipSeq = int(cdsGrid->fieldAsInteger(QStringLiteral("SLIP_SEQ")));
    m_oldReYn = cdsGrid->fieldAsString(QStringLiteral("RE_YN"));
    showCurrentRow();
    edtVatAmt->setFocus();
}

bool TfrmVCI120::checkInput()
{
    qint64 unused = 0;
    for (QLineEdit* e : {edtVatAmt, edtAcctAmt, edtAdjAmt}) {
        if (!amountOf(e->text(), &unused)) {
            ShowInfo(QStringLiteral("금액을 바르게 입력하세요.!"));
            e->setFocus();
            return false;
        }
    }
    static const QRegularExpression month(QStringLiteral("^[0-9]{4}(0[1-9]|1[0-2])$"));
    const QString ym = edtApplyYm->text().trimmed();
    if (!ym.isEmpty() && !month.match(ym).hasMatch()) {
        ShowInfo(QStringLiteral("적용월을 바르게 입력하세요.(YYYYMM)"));
        edtApplyYm->setFocus();
        return false;
    }
    return true;
}

void TfrmVCI120::DoSave()
{
    if (!checkInput())
        return;
    qint64 vat = 0, confirmed = 0, adjustment = 0;
    amountOf(edtVatAmt->text(), &vat);
    amountOf(edtAcctAmt->text(), &confirmed);
    amountOf(edtAdjAmt->text(), &adjustment);
    SharedTransaction& tx = SharedTransaction::instance();
    if (!tx.inTransaction())
        tx.start();
    if (CheckBox2->isChecked()) {
        ExecSql(QStringLiteral("UPDATE VZ100MS SET APPLY_YM = :P0, EXCEPT_YN = :P1, ACCT_REM = :P2, ACCT_AMT = :P3, GIVE_YN = :P4,\n"
                               "       U_DATE = LOCALTIMESTAMP(0), U_EMP_NO = :P5\n"
                               " WHERE SLIP_NO = :P6"),
                {edtApplyYm->text().trimmed(), flag(chkExceptYn), edtAcctRem->text().trimmed(), confirmed, flag(chkGiveYn),
                 Session::empNo, m_oldSlipNo});
    } else {
        // The amounts follow the refund flag in the database: a refund shows
        // the line's credit as a negative supply amount, unticking it brings
        // the line's own amounts back.
        ExecSql(QStringLiteral("UPDATE VZ100MS SET VAT_AMT = :P0, BU_ACCT_CODE = :P1, APPLY_YM = :P2, EXCEPT_YN = :P3,\n"
                               "       ACCT_REM = :P4, ACCT_AMT = :P5, GIVE_YN = :P6, RE_YN = :P7, ADJ_AMT = :P8,\n"
                               "       GUBUN_CODE = :P9, BY_CODE = :P10, U_DATE = LOCALTIMESTAMP(0), U_EMP_NO = :P11\n"
                               " WHERE SLIP_NO = :P12 AND SLIP_SEQ = :P13"),
                {vat, edtBuAcctCode->text().trimmed(), edtApplyYm->text().trimmed(), flag(chkExceptYn),
                 edtAcctRem->text().trimmed(), confirmed, flag(chkGiveYn), flag(chkReYn), adjustment,
                 cbxGubunCode->currentText(), edtByCode->text().trimmed(), Session::empNo, m_oldSlipNo, m_oldSlipSeq});
    }
    tx.commit();
    Done = true;
    CheckBox2->setChecked(false);
    DoSearch();
    cdsGrid->locate(QStringLiteral("SLIP_NO;SLIP_SEQ"), {m_oldSlipNo, m_oldSlipSeq});
    showCurrentRow();
}

void TfrmVCI120::AfterCancel()
{
    if (State == stBrowse) {
        // leaving the edit: the row as it is stored
        showCurrentRow();
        return;
    }
    cdsGrid->close();
    lblTotal->clear();
    clearInput();
    for (QLineEdit* e : {Edit_SBill_No, Edit_Apply_Ym, edtAcctCd, edtBuAcctCd})
        e->clear();
    CheckBox1->setChecked(false);
}

void TfrmVCI120::DoExcel()
{
    if (chkExcelAllData->isChecked())
        ExportSql(baseDataSql(), kBaseTitle, m_params);
    else
        ExportDBGrid(rgrGrid, kListTitle);
}

void TfrmVCI120::FieldExit(QWidget* control)
{
    TfrmZQI030::FieldExit(control);
    if (control == edtBuAcctCode && !edtBuAcctCode->text().trimmed().isEmpty())
        pbtFAccCode->LinkSearch();
    else if (control == edtBuAcctCode)
        edtBuAcctName->clear();
    else if (control == edtAcctCd && !edtAcctCd->text().trimmed().isEmpty())
        pbtAccCode->LinkSearch();
    else if (control == edtBuAcctCd && !edtBuAcctCd->text().trimmed().isEmpty())
        pbtBuAccCode->LinkSearch();
}

bool TfrmVCI120::FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_F1) {
        if (control == edtBuAcctCode) {
            pbtFAccCode->click();
            return true;
        }
        if (control == edtAcctCd) {
            pbtAccCode->click();
            return true;
        }
        if (control == edtBuAcctCd) {
            pbtBuAccCode->click();
            return true;
        }
    }
    return TfrmZQI030::FieldKeyDown(control, key, modifiers);
}
