#include "screens/funds/VGI040.h"
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
#include "screens/funds/VGI041.h"
#include "screens/master/MasterCommon.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QRadioButton>

using namespace FundsUi;

namespace {

const QString kLeaseSql = QStringLiteral(
    "SELECT LIS_NO, LIS_NAME, LIS_SIZE, LIS_KIND, LIS_DATE, LIS_ONDT, LIS_AMT, LIS_GRT, LIS_MUCH, LIS_MISR,\n"
    "       LIS_RT::TEXT LIS_RT, LIS_NYBS, LIS_NYMN, LIS_BSNM, LIS_NUMB, END_YN, A.AFF_DEPT_NAME,\n"
    "       COALESCE(LIS_MUCH, 0) + COALESCE(LIS_MISR, 0) AMT,\n"
    "       CASE WHEN LIS_NYBS = '1' THEN '월말' ELSE LIS_NYMN END PAY_DAY\n"
    "  FROM VG040MS LEFT JOIN QA160MS A ON LIS_BSNM = A.AFF_DEPT_CODE\n");

QLineEdit* amountEdit(QWidget* parent, const QString& name, int length)
{
    QLineEdit* e = Form::NewEdit(parent, name, length);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return e;
}

}  // namespace

TfrmVGI040::TfrmVGI040(QWidget* parent) : TfrmZQI030(QStringLiteral("VGI040"), parent)
{
    setWindowTitle(QStringLiteral("리스 등록(VGI040)"));
    medtOndtFrom = Form::NewMaskEdit(panSearch, QStringLiteral("medt_LIS_ONDT_F"), QStringLiteral("!9999/99/00;0;_"));
    medtOndtTo = Form::NewMaskEdit(panSearch, QStringLiteral("medt_LIS_ONDT_E"), QStringLiteral("!9999/99/00;0;_"));
    medtOndtFrom->setMaximumWidth(90);
    medtOndtTo->setMaximumWidth(90);
    Form::Row{Form::Field(QStringLiteral("리스개시일"), Form::Row{medtOndtFrom, Form::Label(QStringLiteral("∼")), medtOndtTo}),
              Form::Stretch()}
        .attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain,
                                  {GridColumn(QStringLiteral("LIS_NO"), QStringLiteral("코  드"), 60),
                                   GridColumn(QStringLiteral("LIS_NAME"), QStringLiteral("리 스 명"), 120),
                                   GridColumn(QStringLiteral("LIS_SIZE"), QStringLiteral("규   격"), 90),
                                   GridColumn(QStringLiteral("LIS_ONDT"), QStringLiteral("리스개시일"), 80),
                                   GridColumn(QStringLiteral("LIS_AMT"), QStringLiteral("물건가액"), 90),
                                   GridColumn(QStringLiteral("LIS_GRT"), QStringLiteral("보증금"), 80),
                                   GridColumn(QStringLiteral("LIS_MUCH"), QStringLiteral("월리스료"), 80)});

    edtLisNo = Form::NewEdit(panInput, QStringLiteral("edt_LIS_NO"), 6);
    edtLisName = Form::NewEdit(panInput, QStringLiteral("edt_LIS_NAME"), 60);
    edtLisSize = Form::NewEdit(panInput, QStringLiteral("edt_LIS_SIZE"), 60);
    auto* kindGroup = new QButtonGroup(this);
    rdoKindOperating = new QRadioButton(QStringLiteral("운용"), panInput);
    rdoKindOperating->setObjectName(QStringLiteral("rdoKindOperating"));
    rdoKindFinancial = new QRadioButton(QStringLiteral("금융"), panInput);
    rdoKindFinancial->setObjectName(QStringLiteral("rdoKindFinancial"));
    kindGroup->addButton(rdoKindOperating);
    kindGroup->addButton(rdoKindFinancial);
    rdoKindOperating->setChecked(true);
    edtLisDate = amountEdit(panInput, QStringLiteral("edt_LIS_DATE"), 2);
    edtLisDate->setMaximumWidth(40);
    dtpLisOndt = Form::NewDateEdit(panInput, QStringLiteral("dtp_LIS_ONDT"));
    edtLisAmt = amountEdit(panInput, QStringLiteral("edt_LIS_AMT"), 15);
    edtLisGrt = amountEdit(panInput, QStringLiteral("edt_LIS_GRT"), 13);
    edtLisMuch = amountEdit(panInput, QStringLiteral("edt_LIS_MUCH"), 13);
    edtLisMisr = amountEdit(panInput, QStringLiteral("edt_LIS_MISR"), 13);
    edtLisRt = amountEdit(panInput, QStringLiteral("edt_LIS_RT"), 6);
    auto* payGroup = new QButtonGroup(this);
    rdoPayMonthEnd = new QRadioButton(QStringLiteral("월말"), panInput);
    rdoPayMonthEnd->setObjectName(QStringLiteral("rdoPayMonthEnd"));
    rdoPayDay = new QRadioButton(QStringLiteral("일자"), panInput);
    rdoPayDay->setObjectName(QStringLiteral("rdoPayDay"));
    payGroup->addButton(rdoPayMonthEnd);
    payGroup->addButton(rdoPayDay);
    rdoPayDay->setChecked(true);
    edtLisNymn = amountEdit(panInput, QStringLiteral("edt_LIS_NYMN"), 2);
    edtLisNymn->setMaximumWidth(40);
    edtLisBsnm = Form::NewEdit(panInput, QStringLiteral("edt_LIS_BSNM"), 4);
    edtLisBsnm->setMaximumWidth(60);
    const QString deptSql = QStringLiteral("SELECT AFF_DEPT_CODE, AFF_DEPT_NAME FROM QA160MS\n"
                                           " WHERE DEPT_TYPE <> '0' AND SUBSTR(AFF_DEPT_CODE, 1, 1) <> 'Z'\n");
    pbtBCode = MasterUi::NewLookup(panInput, QStringLiteral("pbt_B_Code"), deptSql + QStringLiteral(" ORDER BY AFF_DEPT_CODE"),
                                   deptSql + QStringLiteral("   AND (AFF_DEPT_CODE LIKE :CODE || '%' OR AFF_DEPT_NAME LIKE '%' || :CODE || '%')\n"
                                                            " ORDER BY AFF_DEPT_CODE"),
                                   {QStringLiteral("부서코드"), QStringLiteral("부서명")}, edtLisBsnm);
    edtDeptName = MasterUi::NewNameField(panInput, QStringLiteral("edt_AFF_DEPT_NAME"));
    edtLisNumb = amountEdit(panInput, QStringLiteral("edt_LIS_NUMB"), 2);
    edtLisNumb->setMaximumWidth(40);
    chkEndYn = new QCheckBox(QStringLiteral("마감여부"), panInput);
    chkEndYn->setObjectName(QStringLiteral("chk_END_YN"));
    edtLisNo->setMaximumWidth(80);
    Form::Grid{
        {Form::Field(QStringLiteral("코    드"), edtLisNo)},
        {Form::Field(QStringLiteral("리 스 명"), edtLisName)},
        {Form::Field(QStringLiteral("규    격"), edtLisSize)},
        {Form::Field(QStringLiteral("리스종류"), Form::Row{rdoKindOperating, rdoKindFinancial, Form::Stretch()})},
        {Form::Field(QStringLiteral("리스기간"), Form::Row{edtLisDate, Form::Label(QStringLiteral("개월")), Form::Stretch()})},
        {Form::Field(QStringLiteral("리스개시"), dtpLisOndt)},
        {Form::Field(QStringLiteral("물건가액"), edtLisAmt)},
        {Form::Field(QStringLiteral("보 증 금"), edtLisGrt)},
        {Form::Field(QStringLiteral("월리스료"), edtLisMuch)},
        {Form::Field(QStringLiteral("월보험료"), edtLisMisr)},
        {Form::Field(QStringLiteral("연체이율"), edtLisRt)},
        {Form::Field(QStringLiteral("납입방식"), Form::Row{rdoPayMonthEnd, rdoPayDay, Form::Stretch()})},
        {Form::Field(QStringLiteral("납입일자"), Form::Row{edtLisNymn, Form::Label(QStringLiteral("일")), Form::Stretch()})},
        {Form::Field(QStringLiteral("부    서"), Form::Row{edtLisBsnm, pbtBCode, edtDeptName})},
        {Form::Field(QStringLiteral("납입회차"), Form::Row{edtLisNumb, Form::Stretch(), chkEndYn})},
    }.stretchColumn(1).stretchRow(15).margins(6).attachTo(panInput);

    bbtExcel->hide();
    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVGI040::rowChange);
    connect(pbtBCode, &TPopupBtn::clicked, this, [this] {
        if (!MasterUi::TakeLookup(pbtBCode, edtLisBsnm, edtDeptName)) {
            edtLisBsnm->clear();
            edtDeptName->clear();
        }
    });
    connect(rdoPayMonthEnd, &QRadioButton::toggled, this, [this](bool monthEnd) {
        edtLisNymn->setEnabled(!monthEnd);
        if (monthEnd)
            edtLisNymn->clear();
    });
}

bool TfrmVGI040::readRange(QString& from, QString& to)
{
    for (QLineEdit* e : {medtOndtFrom, medtOndtTo}) {
        if (!DigitsOnly(e->text()).isEmpty() && !MaskDate(e).isValid()) {
            ShowInfo(QStringLiteral("날짜를 바르게 입력하십시오."));
            e->setFocus();
            return false;
        }
    }
    if (DigitsOnly(medtOndtTo->text()).isEmpty())
        medtOndtTo->setText(DigitsOnly(medtOndtFrom->text()));
    from = DateTextOf(medtOndtFrom);
    to = DateTextOf(medtOndtTo);
    return true;
}

void TfrmVGI040::DoSearch()
{
    QString from, to;
    if (!readRange(from, to))
        return;
    QString sql = kLeaseSql;
    QVariantList params;
    if (!from.isEmpty() && !to.isEmpty()) {
        sql += QStringLiteral(" WHERE LIS_ONDT BETWEEN :P0 AND :P1\n");
        params << from << to;
    }
    sql += QStringLiteral(" ORDER BY LIS_NO");
    cdsMain->open(sql, params);
    SetNumberFormats(*cdsMain);
    m_from = from;
    m_to = to;
    RecordCount = cdsMain->recordCount();
    showCurrentRow();
    RefreshButtons();
}

void TfrmVGI040::rowChange()
{
    if (State == stBrowse)
        showCurrentRow();
}

void TfrmVGI040::showCurrentRow()
{
    const bool any = cdsMain->isOpen() && !cdsMain->isEmpty() && !cdsMain->isEditing();
    auto text = [&](const char* field) { return any ? cdsMain->fieldAsString(QLatin1String(field)) : QString(); };
    edtLisNo->setText(text("LIS_NO"));
    edtLisName->setText(text("LIS_NAME"));
    edtLisSize->setText(text("LIS_SIZE"));
    (text("LIS_KIND") == QLatin1String("2") ? rdoKindFinancial : rdoKindOperating)->setChecked(true);
    edtLisDate->setText(text("LIS_DATE"));
    const QDate start = QDate::fromString(text("LIS_ONDT"), QStringLiteral("yyyy-MM-dd"));
    dtpLisOndt->setDate(start.isValid() ? start : QDate::currentDate());
    edtLisAmt->setText(text("LIS_AMT"));
    edtLisGrt->setText(text("LIS_GRT"));
    edtLisMuch->setText(text("LIS_MUCH"));
    edtLisMisr->setText(text("LIS_MISR"));
    edtLisRt->setText(text("LIS_RT"));
    (text("LIS_NYBS") == QLatin1String("1") ? rdoPayMonthEnd : rdoPayDay)->setChecked(true);
    edtLisNymn->setText(text("LIS_NYMN"));
    edtLisBsnm->setText(text("LIS_BSNM"));
    edtDeptName->setText(text("AFF_DEPT_NAME"));
    edtLisNumb->setText(text("LIS_NUMB"));
    chkEndYn->setChecked(text("END_YN") == QLatin1String("Y"));
}

void TfrmVGI040::FieldExit(QWidget* control)
{
    TfrmZQI030::FieldExit(control);
    if (control == edtLisBsnm && (State == stEdit || State == stInsert))
        pbtBCode->LinkSearch();
}

void TfrmVGI040::AfterNew()
{
    if (!cdsMain->isOpen())
        DoSearch();
    cdsMain->append();
    for (QLineEdit* e : panInput->findChildren<QLineEdit*>())
        e->clear();
    rdoKindOperating->setChecked(true);
    rdoPayDay->setChecked(true);
    chkEndYn->setChecked(false);
    dtpLisOndt->setDate(QDate::currentDate());
    const QVariantList next = RunQueryRow(QStringLiteral("SELECT LPAD((COALESCE(MAX(CAST(LIS_NO AS INTEGER)), 0) + 1)::TEXT, 6, '0') FROM VG040MS"));
    edtLisNo->setText(next.value(0).toString());
    m_oldLisNo.clear();
    edtLisName->setFocus();
}

void TfrmVGI040::AfterEdit()
{
    m_oldLisNo = cdsMain->fieldAsString(QStringLiteral("LIS_NO"));
    cdsMain->edit();
    edtLisName->setFocus();
}

void TfrmVGI040::DoSave()
{
    auto refuse = [](const QString& message, QWidget* field) {
        ShowInfo(message);
        field->setFocus();
    };
    const QString code = edtLisNo->text().trimmed();
    static const QRegularExpression sixDigits(QStringLiteral("^[0-9]{6}$"));
    if (!sixDigits.match(code).hasMatch())
        return refuse(QStringLiteral("코드는 6자리 숫자로 입력하세요."), edtLisNo);
    for (QLineEdit* amount : {edtLisAmt, edtLisGrt, edtLisMuch, edtLisMisr}) {
        if (!amount->text().trimmed().isEmpty() && AmountOf(amount->text()) < 0)
            return refuse(QStringLiteral("금액을 바르게 입력하십시오."), amount);
    }
    if (!edtLisRt->text().trimmed().isEmpty() && !IsNumberText(edtLisRt->text().trimmed(), ntAcceptZero | ntAllowPoint))
        return refuse(QStringLiteral("연체이율을 바르게 입력하십시오."), edtLisRt);
    const bool monthEnd = rdoPayMonthEnd->isChecked();
    if (!monthEnd && !edtLisNymn->text().trimmed().isEmpty() && DayNumber(edtLisNymn->text()) == 0)
        return refuse(QStringLiteral("납입일자를 바르게 입력하십시오."), edtLisNymn);
    auto amountText = [](QLineEdit* e) { return e->text().trimmed().isEmpty() ? QString() : QString::number(AmountOf(e->text())); };
    const QVariantList values{code, edtLisName->text().trimmed(), edtLisSize->text().trimmed(),
                              rdoKindFinancial->isChecked() ? QStringLiteral("2") : QStringLiteral("1"),
                              edtLisDate->text().trimmed(), amountText(edtLisAmt), amountText(edtLisGrt), amountText(edtLisMuch),
                              amountText(edtLisMisr), edtLisRt->text().trimmed(), monthEnd ? QStringLiteral("1") : QStringLiteral("2"),
                              monthEnd ? QString() : edtLisNymn->text().trimmed(), chkEndYn->isChecked() ? QStringLiteral("Y") : QStringLiteral("N"),
                              dtpLisOndt->date().toString(QStringLiteral("yyyy-MM-dd")), edtLisBsnm->text().trimmed(),
                              edtLisNumb->text().trimmed(), Session::workstationIp, Session::empNo, m_oldLisNo};
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    if (State == stInsert) {
        ExecSql(QStringLiteral("INSERT INTO VG040MS (LIS_NO, LIS_NAME, LIS_SIZE, LIS_KIND, LIS_DATE, LIS_AMT, LIS_GRT, LIS_MUCH,\n"
                               "       LIS_MISR, LIS_RT, LIS_NYBS, LIS_NYMN, END_YN, LIS_ONDT, LIS_BSNM, LIS_NUMB, U_DATE, U_IP, U_EMP_NO)\n"
                               "VALUES (:P0, :P1, :P2, :P3, :P4, CAST(:P5 AS NUMERIC), CAST(:P6 AS NUMERIC), CAST(:P7 AS NUMERIC),\n"
                               "        CAST(:P8 AS NUMERIC), CAST(:P9 AS NUMERIC), :P10, :P11, :P12, :P13, :P14, :P15,\n"
                               "        LOCALTIMESTAMP(0), :P16, :P17)"),
                values.mid(0, 18));
    } else {
        ExecSql(QStringLiteral("UPDATE VG040MS SET LIS_NO = :P0, LIS_NAME = :P1, LIS_SIZE = :P2, LIS_KIND = :P3, LIS_DATE = :P4,\n"
                               "       LIS_AMT = CAST(:P5 AS NUMERIC), LIS_GRT = CAST(:P6 AS NUMERIC), LIS_MUCH = CAST(:P7 AS NUMERIC),\n"
                               "       LIS_MISR = CAST(:P8 AS NUMERIC), LIS_RT = CAST(:P9 AS NUMERIC), LIS_NYBS = :P10,\n"
                               "       LIS_NYMN = :P11, END_YN = :P12, LIS_ONDT = :P13, LIS_BSNM = :P14, LIS_NUMB = :P15,\n"
                               "       U_DATE = LOCALTIMESTAMP(0), U_IP = :P16, U_EMP_NO = :P17\n"
                               " WHERE LIS_NO = :P18"),
                values);
    }
    tx.commit();
    const QVariantList row = RunQueryRow(kLeaseSql + QStringLiteral(" WHERE LIS_NO = :P0"), {code});
    const QStringList names = cdsMain->fieldNames();
    for (int i = 0; i < names.size() && i < row.size(); ++i)
        cdsMain->setValue(names.at(i), row.at(i));
    cdsMain->post();
    m_oldLisNo.clear();
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVGI040::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    m_oldLisNo.clear();
    showCurrentRow();
}

void TfrmVGI040::DoDelete()
{
    if (cdsMain->isOpen() && !cdsMain->isEmpty() && AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?"))) {
        SharedTransaction& tx = SharedTransaction::instance();
        tx.start();
        ExecSql(QStringLiteral("DELETE FROM VG040MS WHERE LIS_NO = :P0"), {cdsMain->fieldAsString(QStringLiteral("LIS_NO"))});
        tx.commit();
        cdsMain->deleteRecord();
        RecordCount = cdsMain->recordCount();
        showCurrentRow();
    }
    Done = true;
}

void TfrmVGI040::printReport()
{
    RecordSetReportData data(cdsMain);
    TfrmVGI041 layout;
    layout.setData(&data);
    layout.qrlCondition->setText(m_from.isEmpty() ? QStringLiteral("리스개시일 : 전체")
                                                  : QStringLiteral("리스개시일 : ") + m_from + QStringLiteral(" ~ ") + m_to);
    layout.Prepare();
    layout.PrintOrPreview(PreviewFlag, this);
}
