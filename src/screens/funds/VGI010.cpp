#include "screens/funds/VGI010.h"
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
#include "screens/master/MasterCommon.h"
#include <QBoxLayout>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using namespace Funds;
using namespace FundsUi;

namespace {

const QString kDateMask = QStringLiteral("!9999/99/00;1");

const QString kContractSql = QStringLiteral(
    "SELECT T1.ACN_NO, T1.FIN_INST_CD, T1.OPN_DT, T1.EXP_DT, T1.CTR_AMT, T1.YY_INT_RT::TEXT YY_INT_RT, T1.MM_PMT_AMT,\n"
    "       T1.LAST_DT, T1.MM_PMT_DT, T2.FIN_INST_NM\n"
    "  FROM VG010MS T1\n"
    "  LEFT JOIN (SELECT C_CODE, C_NAME FIN_INST_NM FROM VA050MS WHERE C_KIND = '03') T2 ON T1.FIN_INST_CD = T2.C_CODE\n");

const QString kAccountLookup = QStringLiteral(
    "SELECT T1.D_ACCOUNT, T1.C_CODE, T2.C_NAME, T1.D_OPENDATE, T1.D_DUEDATE\n"
    "  FROM VA051MS T1, VA050MS T2\n"
    " WHERE T1.USE_YN = 'Y' AND T1.C_CODE = T2.C_CODE AND T1.D_TYPE IN ('3', '4')\n");

}  // namespace

TfrmVGI010::TfrmVGI010(QWidget* parent) : TfrmZQI030(QStringLiteral("VGI010"), parent)
{
    setWindowTitle(QStringLiteral("적금 등록(VGI010)"));
    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain,
                                  {GridColumn(QStringLiteral("FIN_INST_NM"), QStringLiteral("금융기관"), 90),
                                   GridColumn(QStringLiteral("ACN_NO"), QStringLiteral("계좌번호"), 120),
                                   GridColumn(QStringLiteral("OPN_DT"), QStringLiteral("개설일자"), 80),
                                   GridColumn(QStringLiteral("EXP_DT"), QStringLiteral("만기일자"), 80),
                                   GridColumn(QStringLiteral("CTR_AMT"), QStringLiteral("계약금액"), 90),
                                   GridColumn(QStringLiteral("YY_INT_RT"), QStringLiteral("연이율"), 50),
                                   GridColumn(QStringLiteral("MM_PMT_AMT"), QStringLiteral("월 납입액"), 80)});
    cdsSchedule = new RecordSet(this);
    cdsSchedule->setObjectName(QStringLiteral("cdsSchedule"));
    FieldDef amount(QStringLiteral("PAY_AMT"), FieldType::LargeInt);
    amount.displayFormat = QStringLiteral("#,###");
    FieldDef total(QStringLiteral("TOT_AMT"), FieldType::LargeInt);
    total.displayFormat = QStringLiteral("#,###");
    cdsSchedule->create({FieldDef(QStringLiteral("TMS"), FieldType::Integer), FieldDef(QStringLiteral("PAY_DT"), FieldType::String, 10),
                         amount, total});
    rdgSchedule = new DataGrid(panDisp);
    rdgSchedule->setObjectName(QStringLiteral("rdgSchedule"));
    rdgSchedule->setEditable(false);
    rdgSchedule->setRowSelect(true);
    rdgSchedule->setRecordSet(cdsSchedule);
    rdgSchedule->setColumns({GridColumn(QStringLiteral("TMS"), QStringLiteral("회차"), 50),
                             GridColumn(QStringLiteral("PAY_DT"), QStringLiteral("납입일자"), 100),
                             GridColumn(QStringLiteral("PAY_AMT"), QStringLiteral("납입액"), 110),
                             GridColumn(QStringLiteral("TOT_AMT"), QStringLiteral("예입금액"), 120)});
    panDisp->layout()->addWidget(rdgSchedule);

    edtAcnNo = Form::NewEdit(panInput, QStringLiteral("edtACN_NO"), 20);
    pbtAcnNo = MasterUi::NewLookup(panInput, QStringLiteral("pbtACN_NO"), kAccountLookup + QStringLiteral(" ORDER BY T1.C_CODE, T1.D_ACCOUNT"),
                                   kAccountLookup + QStringLiteral("   AND T1.D_ACCOUNT LIKE :cd || '%'\n ORDER BY T1.C_CODE, T1.D_ACCOUNT"),
                                   {QStringLiteral("계좌번호"), QStringLiteral("금융기관코드"), QStringLiteral("금융기관명"),
                                    QStringLiteral("개설일자"), QStringLiteral("만기일자")},
                                   edtAcnNo);
    pbtAcnNo->setColumnWidths({QStringLiteral("20"), QStringLiteral("10"), QStringLiteral("25"), QStringLiteral("10"), QStringLiteral("10")});
    edtFinInstCd = MasterUi::NewNameField(panInput, QStringLiteral("edtFIN_INST_CD"));
    edtFinInstNm = MasterUi::NewNameField(panInput, QStringLiteral("edtFIN_INST_NM"));
    medtOpnDt = Form::NewMaskEdit(panInput, QStringLiteral("medtOPN_DT"), kDateMask);
    medtExpDt = Form::NewMaskEdit(panInput, QStringLiteral("medtEXP_DT"), kDateMask);
    edtCtrAmt = Form::NewEdit(panInput, QStringLiteral("edtCTR_AMT"), 15);
    edtYyIntRt = Form::NewEdit(panInput, QStringLiteral("edtYY_INT_RT"), 6);
    edtMmPmtAmt = Form::NewEdit(panInput, QStringLiteral("edtMM_PMT_AMT"), 15);
    edtMmPmtDt = Form::NewEdit(panInput, QStringLiteral("edtMM_PMT_DT"), 2);
    edtMmPmtDt->setMaximumWidth(40);
    chkLastDt = new QCheckBox(QStringLiteral("말일"), panInput);
    chkLastDt->setObjectName(QStringLiteral("chkLAST_DT"));
    bbtCalc = new QPushButton(QStringLiteral("계산"), panInput);
    bbtCalc->setObjectName(QStringLiteral("bbtCalc"));
    edtFinInstCd->setMaximumWidth(100);
    Form::Grid{
        {Form::Field(QStringLiteral("계좌번호"), Form::Row{edtAcnNo, pbtAcnNo})},
        {Form::Field(QStringLiteral("금융기관"), Form::Row{edtFinInstCd, edtFinInstNm})},
        {Form::Field(QStringLiteral("개설일자"), medtOpnDt)},
        {Form::Field(QStringLiteral("만기일자"), medtExpDt)},
        {Form::Field(QStringLiteral("계약금액"), edtCtrAmt)},
        {Form::Field(QStringLiteral("연이자율"), edtYyIntRt)},
        {Form::Field(QStringLiteral("월납입액"), edtMmPmtAmt)},
        {Form::Field(QStringLiteral("월납입일"), Form::Row{edtMmPmtDt, Form::Label(QStringLiteral("일")), chkLastDt, Form::Stretch()})},
        {Form::Span(2, Form::Row{Form::Stretch(), bbtCalc})},
    }.stretchColumn(1).stretchRow(9).margins(6).attachTo(panInput);

    bbtPrint->hide();
    bbtPreview->hide();
    bbtExcel->hide();
    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVGI010::rowChange);
    connect(bbtCalc, &QPushButton::clicked, this, [this] { bbtCalcClick(); });
    connect(pbtAcnNo, &TPopupBtn::clicked, this, [this] {
        if (pbtAcnNo->modalResult() != Lookup::mrOk) {
            for (QLineEdit* e : {edtAcnNo, edtFinInstCd, edtFinInstNm, medtOpnDt, medtExpDt})
                e->clear();
            return;
        }
        const QStringList v = pbtAcnNo->returnValue();
        edtAcnNo->setText(v.value(0).trimmed());
        edtFinInstCd->setText(v.value(1).trimmed());
        edtFinInstNm->setText(v.value(2).trimmed());
        SetMaskDate(medtOpnDt, v.value(3).trimmed());
        SetMaskDate(medtExpDt, v.value(4).trimmed());
    });
}

void TfrmVGI010::DoSearch()
{
    cdsMain->open(kContractSql + QStringLiteral(" ORDER BY T1.FIN_INST_CD, T1.ACN_NO"));
    SetNumberFormats(*cdsMain);
    RecordCount = cdsMain->recordCount();
    showCurrentRow();
    RefreshButtons();
}

void TfrmVGI010::rowChange()
{
    if (State == stBrowse)
        showCurrentRow();
}

void TfrmVGI010::showCurrentRow()
{
    const bool any = cdsMain->isOpen() && !cdsMain->isEmpty() && !cdsMain->isEditing();
    auto text = [&](const char* field) { return any ? cdsMain->fieldAsString(QLatin1String(field)) : QString(); };
    edtAcnNo->setText(text("ACN_NO"));
    edtFinInstCd->setText(text("FIN_INST_CD"));
    edtFinInstNm->setText(text("FIN_INST_NM"));
    SetMaskDate(medtOpnDt, text("OPN_DT"));
    SetMaskDate(medtExpDt, text("EXP_DT"));
    edtCtrAmt->setText(any ? AmountText(cdsMain->fieldAsInteger(QStringLiteral("CTR_AMT"))) : QString());
    const qint64 rate = ParseRate(text("YY_INT_RT"));
    edtYyIntRt->setText(rate >= 0 ? RateText(rate) : text("YY_INT_RT"));
    edtMmPmtAmt->setText(any ? AmountText(cdsMain->fieldAsInteger(QStringLiteral("MM_PMT_AMT"))) : QString());
    edtMmPmtDt->setText(text("MM_PMT_DT"));
    chkLastDt->setChecked(text("LAST_DT") == QLatin1String("1"));
    loadSchedule(text("ACN_NO"));
}

void TfrmVGI010::loadSchedule(const QString& account)
{
    QList<SavingsRow> rows;
    if (!account.isEmpty()) {
        QSqlQuery q = RunQuery(QStringLiteral("SELECT TMS, PAY_DT, PAY_AMT::TEXT, TOT_AMT::TEXT FROM VG010DT WHERE ACN_NO = :P0 ORDER BY TMS"),
                               {account});
        while (q.next())
            rows << SavingsRow{q.value(0).toInt(), QDate::fromString(q.value(1).toString(), QStringLiteral("yyyy-MM-dd")),
                               q.value(2).toString().toLongLong(), q.value(3).toString().toLongLong()};
    }
    showSchedule(rows);
}

void TfrmVGI010::showSchedule(const QList<SavingsRow>& rows)
{
    cdsSchedule->disableControls();
    cdsSchedule->emptyDataSet();
    for (const SavingsRow& r : rows)
        cdsSchedule->appendRecord({r.tms, r.date.toString(QStringLiteral("yyyy-MM-dd")), r.amount, r.total});
    cdsSchedule->first();
    cdsSchedule->enableControls();
}

bool TfrmVGI010::checkFields()
{
    auto refuse = [](const QString& message, QWidget* field) {
        ShowInfo(message);
        field->setFocus();
        return false;
    };
    if (edtAcnNo->text().trimmed().isEmpty())
        return refuse(QStringLiteral("계좌번호를 입력하세요.!"), edtAcnNo);
    const QDate opening = MaskDate(medtOpnDt);
    if (!opening.isValid())
        return refuse(QStringLiteral("개설일자를 입력하십시오."), medtOpnDt);
    const QDate maturity = MaskDate(medtExpDt);
    if (!maturity.isValid())
        return refuse(QStringLiteral("만기일자를 입력하십시오."), medtExpDt);
    const qint64 contract = AmountOf(edtCtrAmt->text());
    if (contract <= 0)
        return refuse(QStringLiteral("계약금액을 입력 하시오."), edtCtrAmt);
    if (opening > maturity)
        return refuse(QStringLiteral("만기일자는 개설일자보다 커야합니다."), medtExpDt);
    const qint64 monthly = AmountOf(edtMmPmtAmt->text());
    if (monthly <= 0)
        return refuse(QStringLiteral("월납입액을 입력 하시오."), edtMmPmtAmt);
    if (contract < monthly)
        return refuse(QStringLiteral("월납입액이 계약금액보다 클 수 없습니다."), edtMmPmtAmt);
    if (!edtYyIntRt->text().trimmed().isEmpty() && ParseRate(edtYyIntRt->text()) < 0)
        return refuse(QStringLiteral("연이자율을 바르게 입력하십시오."), edtYyIntRt);
    if (!edtMmPmtDt->text().trimmed().isEmpty() && DayNumber(edtMmPmtDt->text()) == 0)
        return refuse(QStringLiteral("월납입일을 바르게 입력하십시오."), edtMmPmtDt);
    return true;
}

void TfrmVGI010::bbtCalcClick()
{
    if (!editing() || !checkFields())
        return;
    if (edtMmPmtDt->text().trimmed().isEmpty())
        edtMmPmtDt->setText(QStringLiteral("01"));
    const QList<SavingsRow> rows = SavingsSchedule(MaskDate(medtOpnDt), MaskDate(medtExpDt), DayNumber(edtMmPmtDt->text()),
                                                   chkLastDt->isChecked(), AmountOf(edtMmPmtAmt->text()));
    showSchedule(rows);
    ShowStatus(QStringLiteral("납입 스케쥴 %1 회차를 계산하였습니다.").arg(rows.size()));
}

void TfrmVGI010::FieldExit(QWidget* control)
{
    TfrmZQI030::FieldExit(control);
    if (control == edtAcnNo && editing() && !edtAcnNo->text().trimmed().isEmpty())
        pbtAcnNo->LinkSearch();
}

void TfrmVGI010::RefreshButtons()
{
    TfrmZQI030::RefreshButtons();
    bbtCalc->setEnabled(editing());
}

void TfrmVGI010::AfterNew()
{
    if (!cdsMain->isOpen())
        DoSearch();
    showSchedule({});
    cdsMain->append();
    for (QLineEdit* e : panInput->findChildren<QLineEdit*>())
        e->clear();
    chkLastDt->setChecked(false);
    m_oldAcnNo.clear();
    edtAcnNo->setFocus();
}

void TfrmVGI010::AfterEdit()
{
    m_oldAcnNo = cdsMain->fieldAsString(QStringLiteral("ACN_NO"));
    cdsMain->edit();
    edtAcnNo->setFocus();
}

void TfrmVGI010::DoSave()
{
    if (!checkFields())
        return;
    const QString account = edtAcnNo->text().trimmed();
    const qint64 rate = ParseRate(edtYyIntRt->text());
    const QString rateText = rate >= 0 ? RateText(rate) : QString();
    const QVariantList values{account, edtFinInstCd->text().trimmed(), DateTextOf(medtOpnDt), DateTextOf(medtExpDt),
                              QString::number(AmountOf(edtCtrAmt->text())), rateText,
                              QString::number(AmountOf(edtMmPmtAmt->text())),
                              chkLastDt->isChecked() ? QStringLiteral("1") : QStringLiteral("2"), edtMmPmtDt->text().trimmed(),
                              Session::workstationIp, Session::empNo, m_oldAcnNo};
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    if (State == stInsert) {
        ExecSql(QStringLiteral("INSERT INTO VG010MS (ACN_NO, FIN_INST_CD, OPN_DT, EXP_DT, CTR_AMT, YY_INT_RT, MM_PMT_AMT, LAST_DT,\n"
                               "       MM_PMT_DT, U_DATE, U_IP, U_EMP_NO)\n"
                               "VALUES (:P0, :P1, :P2, :P3, CAST(:P4 AS NUMERIC), CAST(:P5 AS NUMERIC), CAST(:P6 AS NUMERIC),\n"
                               "        :P7, :P8, LOCALTIMESTAMP(0), :P9, :P10)"),
                values.mid(0, 11));
    } else {
        // the schedule follows a changed account number (ON UPDATE CASCADE)
        ExecSql(QStringLiteral("UPDATE VG010MS SET ACN_NO = :P0, FIN_INST_CD = :P1, OPN_DT = :P2, EXP_DT = :P3,\n"
                               "       CTR_AMT = CAST(:P4 AS NUMERIC), YY_INT_RT = CAST(:P5 AS NUMERIC),\n"
                               "       MM_PMT_AMT = CAST(:P6 AS NUMERIC), LAST_DT = :P7, MM_PMT_DT = :P8,\n"
                               "       U_DATE = LOCALTIMESTAMP(0), U_IP = :P9, U_EMP_NO = :P10\n"
                               " WHERE ACN_NO = :P11"),
                values);
    }
    ExecSql(QStringLiteral("DELETE FROM VG010DT WHERE ACN_NO = :P0"), {account});
    for (int row = 0; row < cdsSchedule->recordCount(); ++row) {
        ExecSql(QStringLiteral("INSERT INTO VG010DT (ACN_NO, TMS, PAY_DT, PAY_AMT, PRF_RT, TOT_AMT, U_DATE, U_IP, U_EMP_NO)\n"
                               "VALUES (:P0, CAST(:P1 AS INTEGER), :P2, CAST(:P3 AS NUMERIC), CAST(:P4 AS NUMERIC),\n"
                               "        CAST(:P5 AS NUMERIC), LOCALTIMESTAMP(0), :P6, :P7)"),
                {account, cdsSchedule->fieldAsString(row, QStringLiteral("TMS")), cdsSchedule->fieldAsString(row, QStringLiteral("PAY_DT")),
                 cdsSchedule->fieldAsString(row, QStringLiteral("PAY_AMT")), rateText,
                 cdsSchedule->fieldAsString(row, QStringLiteral("TOT_AMT")), Session::workstationIp, Session::empNo});
    }
    tx.commit();
    const QVariantList row = RunQueryRow(kContractSql + QStringLiteral(" WHERE T1.ACN_NO = :P0"), {account});
    const QStringList names = cdsMain->fieldNames();
    for (int i = 0; i < names.size() && i < row.size(); ++i)
        cdsMain->setValue(names.at(i), row.at(i));
    cdsMain->post();
    m_oldAcnNo.clear();
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVGI010::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    m_oldAcnNo.clear();
    showCurrentRow();
}

void TfrmVGI010::DoDelete()
{
    if (cdsMain->isOpen() && !cdsMain->isEmpty() && AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?"))) {
        const QString account = cdsMain->fieldAsString(QStringLiteral("ACN_NO"));
        SharedTransaction& tx = SharedTransaction::instance();
        tx.start();
        ExecSql(QStringLiteral("DELETE FROM VG010DT WHERE ACN_NO = :P0"), {account});
        ExecSql(QStringLiteral("DELETE FROM VG010MS WHERE ACN_NO = :P0"), {account});
        tx.commit();
        cdsMain->deleteRecord();
        RecordCount = cdsMain->recordCount();
        showCurrentRow();
    }
    Done = true;
}
