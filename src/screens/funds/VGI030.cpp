#include "screens/funds/VGI030.h"
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
#include "screens/master/MasterCommon.h"
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

using namespace FundsUi;

namespace {

const QString kAccountSql = QStringLiteral(
    "SELECT T1.C_CODE, T2.C_NAME, T1.D_ACCOUNT, T1.D_NAME, T1.D_OWNER, T1.D_TYPE, T1.D_OPENDATE, T1.D_DUEDATE,\n"
    "       T1.B_RATE_TYPE, T1.INT_RATE::TEXT INT_RATE, T1.SECURE_TYPE, T1.ATTACH_YN, T1.SUMMARY, T1.USE_YN,\n"
    "       T1.U_DATE, T1.U_IP, T1.U_EMP_NO\n"
    "  FROM VA051MS T1 LEFT JOIN VA050MS T2 ON T1.C_CODE = T2.C_CODE\n");

QRadioButton* radio(QWidget* parent, const QString& name, const QString& caption, QButtonGroup* group)
{
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(name);
    group->addButton(r);
    return r;
}

}  // namespace

TfrmVGI030::TfrmVGI030(QWidget* parent) : TfrmZQI030(QStringLiteral("VGI030"), parent)
{
    setWindowTitle(QStringLiteral("예금계좌 등록(VGI030)"));
    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain,
                                  {GridColumn(QStringLiteral("C_CODE"), QStringLiteral("은행코드"), 85),
                                   GridColumn(QStringLiteral("C_NAME"), QStringLiteral("은 행 명"), 95),
                                   GridColumn(QStringLiteral("D_ACCOUNT"), QStringLiteral("계좌번호"), 130),
                                   GridColumn(QStringLiteral("D_NAME"), QStringLiteral("계좌명"), 130),
                                   GridColumn(QStringLiteral("D_OPENDATE"), QStringLiteral("계좌개설일"), 85)});

    edtCCode = Form::NewEdit(panInput, QStringLiteral("edtC_CODE"), 10);
    pbtBank = MasterUi::NewLookup(panInput, QStringLiteral("pbtBank"),
                                  QStringLiteral("SELECT C_CODE, C_NAME FROM VA050MS WHERE C_KIND = '03' ORDER BY C_CODE"),
                                  QString(), {QStringLiteral("은행코드"), QStringLiteral("은행명")}, edtCCode);
    edtCName = MasterUi::NewNameField(panInput, QStringLiteral("edtC_NAME"));
    edtDAccount = Form::NewEdit(panInput, QStringLiteral("edtD_ACCOUNT"), 20);
    edtDName = Form::NewEdit(panInput, QStringLiteral("edtD_NAME"), 30);
    edtDOwner = Form::NewEdit(panInput, QStringLiteral("edtD_OWNER"), 50);
    cboDType = new QComboBox(panInput);
    cboDType->setObjectName(QStringLiteral("cboD_TYPE"));
    QSqlQuery kinds = RunQuery(QStringLiteral("SELECT DETAIL || ':' || DETAIL_NAME FROM ZX010MS\n"
                                              " WHERE HEAD = 'V0021' AND TRIM(DETAIL) <> '' ORDER BY DETAIL"));
    while (kinds.next())
        cboDType->addItem(kinds.value(0).toString());
    medtOpenDate = Form::NewMaskEdit(panInput, QStringLiteral("medtD_OPENDATE"), QStringLiteral("!9999/99/00;0;_"));
    medtDueDate = Form::NewMaskEdit(panInput, QStringLiteral("medtD_DUEDATE"), QStringLiteral("!9999/99/00;0;_"));
    auto* rateGroup = new QButtonGroup(this);
    rdoRateFixed = radio(panInput, QStringLiteral("rdoRateFixed"), QStringLiteral("고정"), rateGroup);
    rdoRateFloating = radio(panInput, QStringLiteral("rdoRateFloating"), QStringLiteral("변동"), rateGroup);
    edtIntRate = Form::NewEdit(panInput, QStringLiteral("edtINT_RATE"), 7);
    auto* secureGroup = new QButtonGroup(this);
    const QStringList secure{QStringLiteral("건물"), QStringLiteral("토지"), QStringLiteral("예금"), QStringLiteral("어음")};
    for (int i = 0; i < secure.size(); ++i)
        rdoSecure << radio(panInput, QStringLiteral("rdoSecure%1").arg(i + 1), secure.at(i), secureGroup);
    auto* attachGroup = new QButtonGroup(this);
    rdoAttachY = radio(panInput, QStringLiteral("rdoAttachY"), QStringLiteral("Y"), attachGroup);
    rdoAttachN = radio(panInput, QStringLiteral("rdoAttachN"), QStringLiteral("N"), attachGroup);
    memSummary = new QPlainTextEdit(panInput);
    memSummary->setObjectName(QStringLiteral("memSUMMARY"));
    auto* useGroup = new QButtonGroup(this);
    rdoUseY = radio(panInput, QStringLiteral("rdoUseY"), QStringLiteral("Y"), useGroup);
    rdoUseN = radio(panInput, QStringLiteral("rdoUseN"), QStringLiteral("N"), useGroup);
    rdoRateFixed->setChecked(true);
    rdoAttachN->setChecked(true);
    rdoUseY->setChecked(true);
    edtCCode->setMaximumWidth(100);
    Form::Grid{
        {Form::Field(QStringLiteral("은행코드"), Form::Row{edtCCode, pbtBank, edtCName})},
        {Form::Field(QStringLiteral("계좌번호"), edtDAccount)},
        {Form::Field(QStringLiteral("계 좌 명"), edtDName)},
        {Form::Field(QStringLiteral("예 금 주"), edtDOwner)},
        {Form::Field(QStringLiteral("예금구분"), cboDType)},
        {Form::Field(QStringLiteral("계좌개설일"), medtOpenDate)},
        {Form::Field(QStringLiteral("계좌만기일"), medtDueDate)},
        {Form::Field(QStringLiteral("금리형태"), Form::Row{rdoRateFixed, rdoRateFloating, Form::Stretch()})},
        {Form::Field(QStringLiteral("이    율"), edtIntRate)},
        {Form::Field(QStringLiteral("담보종류"), Form::Row{rdoSecure.at(0), rdoSecure.at(1), rdoSecure.at(2), rdoSecure.at(3), Form::Stretch()})},
        {Form::Field(QStringLiteral("압류여부"), Form::Row{rdoAttachY, rdoAttachN, Form::Stretch()})},
        {Form::Field(QStringLiteral("참고사항"), memSummary)},
        {Form::Field(QStringLiteral("사용여부"), Form::Row{rdoUseY, rdoUseN, Form::Stretch()})},
    }.stretchColumn(1).stretchRow(11).margins(6).attachTo(panInput);

    bbtPrint->hide();
    bbtPreview->hide();
    bbtExcel->hide();
    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVGI030::rowChange);
    connect(pbtBank, &TPopupBtn::clicked, this, [this] {
        if (!MasterUi::TakeLookup(pbtBank, edtCCode, edtCName) && !pbtBank->inLinkSearch())
            edtCName->clear();
    });
}

void TfrmVGI030::DoSearch()
{
    cdsMain->open(kAccountSql + QStringLiteral(" ORDER BY T1.C_CODE, T1.D_ACCOUNT"));
    RecordCount = cdsMain->recordCount();
    showCurrentRow();
    RefreshButtons();
}

void TfrmVGI030::rowChange()
{
    if (State == stBrowse)
        showCurrentRow();
}

void TfrmVGI030::showCurrentRow()
{
    const bool any = cdsMain->isOpen() && !cdsMain->isEmpty() && !cdsMain->isEditing();
    auto text = [&](const char* field) { return any ? cdsMain->fieldAsString(QLatin1String(field)) : QString(); };
    edtCCode->setText(text("C_CODE"));
    edtCName->setText(text("C_NAME"));
    edtDAccount->setText(text("D_ACCOUNT"));
    edtDName->setText(text("D_NAME"));
    edtDOwner->setText(text("D_OWNER"));
    const int kind = text("D_TYPE").toInt();
    cboDType->setCurrentIndex(kind >= 1 && kind <= cboDType->count() ? kind - 1 : -1);
    SetMaskDate(medtOpenDate, text("D_OPENDATE"));
    SetMaskDate(medtDueDate, text("D_DUEDATE"));
    (text("B_RATE_TYPE") == QLatin1String("1") ? rdoRateFixed : rdoRateFloating)->setChecked(true);
    edtIntRate->setText(text("INT_RATE"));
    const int secure = text("SECURE_TYPE").toInt();
    for (int i = 0; i < rdoSecure.size(); ++i) {
        rdoSecure.at(i)->setAutoExclusive(false);
        rdoSecure.at(i)->setChecked(secure == i + 1);
        rdoSecure.at(i)->setAutoExclusive(true);
    }
    (text("ATTACH_YN") == QLatin1String("Y") ? rdoAttachY : rdoAttachN)->setChecked(true);
    memSummary->setPlainText(text("SUMMARY"));
    (text("USE_YN") == QLatin1String("Y") || !any ? rdoUseY : rdoUseN)->setChecked(true);
}

void TfrmVGI030::FieldExit(QWidget* control)
{
    TfrmZQI030::FieldExit(control);
    if (control != edtCCode || (State != stInsert) || edtCCode->text().trimmed().isEmpty())
        return;
    // digits look the code up, anything else the name
    const bool digits = IsNumberText(edtCCode->text().trimmed(), ntAcceptZero);
    pbtBank->setLinkSql(digits ? QStringLiteral("SELECT C_CODE, C_NAME FROM VA050MS WHERE C_KIND = '03'\n"
                                                "   AND C_CODE LIKE :c_cd || '%' ORDER BY C_CODE")
                               : QStringLiteral("SELECT C_CODE, C_NAME FROM VA050MS WHERE C_KIND = '03'\n"
                                                "   AND C_NAME LIKE '%' || :detail || '%' ORDER BY C_CODE"));
    pbtBank->LinkSearch();
}

void TfrmVGI030::AfterNew()
{
    if (!cdsMain->isOpen())
        DoSearch();
    cdsMain->append();
    for (QLineEdit* e : {edtCCode, edtCName, edtDAccount, edtDName, edtDOwner, medtOpenDate, medtDueDate, edtIntRate})
        e->clear();
    memSummary->clear();
    cboDType->setCurrentIndex(0);
    rdoRateFixed->setChecked(true);
    rdoAttachN->setChecked(true);
    rdoUseY->setChecked(true);
    SetFieldMode(edtCCode, fmEditable, true);
    SetFieldMode(edtDAccount, fmEditable, true);
    pbtBank->setEnabled(true);
    edtCCode->setFocus();
}

void TfrmVGI030::AfterEdit()
{
    cdsMain->edit();
    SetFieldMode(edtCCode, fmLocked, true);
    SetFieldMode(edtDAccount, fmLocked, true);
    pbtBank->setEnabled(false);
    edtDName->setFocus();
}

void TfrmVGI030::DoSave()
{
    auto refuse = [](const QString& message, QWidget* field) {
        ShowInfo(message);
        field->setFocus();
    };
    if (edtCCode->text().trimmed().isEmpty())
        return refuse(QStringLiteral("은행코드를 입력하세요.!"), edtCCode);
    if (edtDAccount->text().trimmed().isEmpty())
        return refuse(QStringLiteral("계좌번호를 입력하세요.!"), edtDAccount);
    if (edtDName->text().trimmed().isEmpty())
        return refuse(QStringLiteral("계좌명을 입력하세요.!"), edtDName);
    if (edtDOwner->text().trimmed().isEmpty())
        return refuse(QStringLiteral("예금주명을 입력하세요.!"), edtDOwner);
    for (QLineEdit* date : {medtOpenDate, medtDueDate}) {
        if (!DigitsOnly(date->text()).isEmpty() && !MaskDate(date).isValid())
            return refuse(QStringLiteral("날짜를 바르게 입력하십시오."), date);
    }
    QString rate = edtIntRate->text().trimmed();
    if (rate.isEmpty())
        rate = QStringLiteral("0");
    if (!IsNumberText(rate, ntAcceptZero | ntAllowPoint))
        return refuse(QStringLiteral("이율을 바르게 입력하십시오."), edtIntRate);
    QString secure;
    for (int i = 0; i < rdoSecure.size(); ++i) {
        if (rdoSecure.at(i)->isChecked())
            secure = QString::number(i + 1);
    }
    const QString code = edtCCode->text().trimmed();
    const QString account = edtDAccount->text().trimmed();
    const QVariantList values{code, account, edtDName->text().trimmed(), edtDOwner->text().trimmed(),
                              cboDType->currentText().left(1), DateTextOf(medtOpenDate), DateTextOf(medtDueDate),
                              rdoRateFixed->isChecked() ? QStringLiteral("1") : QStringLiteral("2"), rate, secure,
                              rdoAttachY->isChecked() ? QStringLiteral("Y") : QStringLiteral("N"),
                              memSummary->toPlainText().trimmed(), rdoUseY->isChecked() ? QStringLiteral("Y") : QStringLiteral("N"),
                              Session::workstationIp, Session::empNo};
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    if (State == stInsert) {
        ExecSql(QStringLiteral("INSERT INTO VA051MS (C_CODE, D_ACCOUNT, D_NAME, D_OWNER, D_TYPE, D_OPENDATE, D_DUEDATE,\n"
                               "       B_RATE_TYPE, INT_RATE, SECURE_TYPE, ATTACH_YN, SUMMARY, USE_YN, U_DATE, U_IP, U_EMP_NO)\n"
                               "VALUES (:P0, :P1, :P2, :P3, :P4, :P5, :P6, :P7, CAST(:P8 AS NUMERIC), :P9, :P10, :P11, :P12,\n"
                               "        LOCALTIMESTAMP(0), :P13, :P14)"),
                values);
    } else {
        ExecSql(QStringLiteral("UPDATE VA051MS SET D_NAME = :P2, D_OWNER = :P3, D_TYPE = :P4, D_OPENDATE = :P5,\n"
                               "       D_DUEDATE = :P6, B_RATE_TYPE = :P7, INT_RATE = CAST(:P8 AS NUMERIC), SECURE_TYPE = :P9,\n"
                               "       ATTACH_YN = :P10, SUMMARY = :P11, USE_YN = :P12, U_DATE = LOCALTIMESTAMP(0),\n"
                               "       U_IP = :P13, U_EMP_NO = :P14\n"
                               " WHERE C_CODE = :P0 AND D_ACCOUNT = :P1"),
                values);
    }
    tx.commit();
    const QVariantList row = RunQueryRow(kAccountSql + QStringLiteral(" WHERE T1.C_CODE = :P0 AND T1.D_ACCOUNT = :P1"), {code, account});
    const QStringList names = cdsMain->fieldNames();
    for (int i = 0; i < names.size() && i < row.size(); ++i)
        cdsMain->setValue(names.at(i), row.at(i));
    cdsMain->post();
    SetFieldMode(edtCCode, fmEditable, true);
    SetFieldMode(edtDAccount, fmEditable, true);
    pbtBank->setEnabled(true);
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVGI030::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    SetFieldMode(edtCCode, fmEditable, true);
    SetFieldMode(edtDAccount, fmEditable, true);
    pbtBank->setEnabled(true);
    showCurrentRow();
}

void TfrmVGI030::DoDelete()
{
    if (cdsMain->isOpen() && !cdsMain->isEmpty() && AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?"))) {
        SharedTransaction& tx = SharedTransaction::instance();
        tx.start();
        ExecSql(QStringLiteral("DELETE FROM VA051MS WHERE C_CODE = :P0 AND D_ACCOUNT = :P1"),
                {cdsMain->fieldAsString(QStringLiteral("C_CODE")), cdsMain->fieldAsString(QStringLiteral("D_ACCOUNT"))});
        tx.commit();
        cdsMain->deleteRecord();
        RecordCount = cdsMain->recordCount();
        showCurrentRow();
    }
    Done = true;
}
