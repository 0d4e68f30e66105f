#include "screens/master/VAI020.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "framework/FormKit.h"
#include "screens/master/MasterCommon.h"
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

using namespace MasterUi;

namespace {

// 'Y'/'N'/… of the checked button of a search group; empty for "A:전체".
QString searchFlag(const QList<QRadioButton*>& group, const QStringList& values)
{
    for (int i = 0; i < group.size() && i < values.size(); ++i)
        if (group.at(i)->isChecked())
            return values.at(i);
    return QString();
}

}  // namespace

TfrmVAI020::TfrmVAI020(QWidget* parent) : TfrmZQI020(QStringLiteral("VAI020"), parent)
{
    setWindowTitle(QStringLiteral("계정코드 등록(VAI020)"));

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));

    buildSearchPanel();

    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("ACCT_CODE"), QStringLiteral("계정코드"), 62),
        GridColumn(QStringLiteral("ACCT_NAME"), QStringLiteral("계정명"), 125),
        GridColumn(QStringLiteral("ACCT_SNAME"), QStringLiteral("계정 검색명"), 110),
        GridColumn(QStringLiteral("ACC_LEVEL"), QStringLiteral("Lv"), 30),
        GridColumn(QStringLiteral("SLIP_YN"), QStringLiteral("발생구분"), 60),
        GridColumn(QStringLiteral("DC_DIV"), QStringLiteral("차대구분"), 60),
        GridColumn(QStringLiteral("BAL_YN"), QStringLiteral("잔액구분"), 60),
        GridColumn(QStringLiteral("USE_YN"), QStringLiteral("사용구분"), 60),
        GridColumn(QStringLiteral("ACCT_PNAME"), QStringLiteral("출력용 명칭"), 120),
    });

    buildInputPanel();

    // Nothing of this screen prints; its list is read on the screen.
    bbtPrint->hide();
    bbtPreview->hide();
    bbtExcel->hide();

    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVAI020::rdgMainRowChange);
}

void TfrmVAI020::buildSearchPanel()
{
    edtSearchAcctCode = Form::NewEdit(panSearch, QStringLiteral("edtSearchAcctCode"), 7);
    edtSearchUpCode = Form::NewEdit(panSearch, QStringLiteral("edtSearchUpCode"), 7);
    edtSearchSName = Form::NewEdit(panSearch, QStringLiteral("edtSearchSName"));
    edtSearchName = Form::NewEdit(panSearch, QStringLiteral("edtSearchName"));
    QGroupBox* slip = Form::NewRadioGroup(panSearch, QStringLiteral("전표발생구분"),
                                    {{QStringLiteral("rdoSSlipY"), QStringLiteral("Y:발행")},
                                     {QStringLiteral("rdoSSlipN"), QStringLiteral("N:미발행")},
                                     {QStringLiteral("rdoSSlipA"), QStringLiteral("A:전체")}},
                                    &rdoSSlip);
    QGroupBox* dc = Form::NewRadioGroup(panSearch, QStringLiteral("차대구분"),
                                  {{QStringLiteral("rdoSDcD"), QStringLiteral("D:차변")},
                                   {QStringLiteral("rdoSDcC"), QStringLiteral("C:대변")},
                                   {QStringLiteral("rdoSDcA"), QStringLiteral("A:전체")}},
                                  &rdoSDc);
    QGroupBox* bal = Form::NewRadioGroup(panSearch, QStringLiteral("잔액구분"),
                                   {{QStringLiteral("rdoSBalY"), QStringLiteral("Y:잔액사용")},
                                    {QStringLiteral("rdoSBalN"), QStringLiteral("N:잔액미사용")},
                                    {QStringLiteral("rdoSBalA"), QStringLiteral("A:전체")}},
                                   &rdoSBal);
    QGroupBox* use = Form::NewRadioGroup(panSearch, QStringLiteral("사용구분"),
                                   {{QStringLiteral("rdoSUseY"), QStringLiteral("Y:계정사용")},
                                    {QStringLiteral("rdoSUseN"), QStringLiteral("N:계정미사용")},
                                    {QStringLiteral("rdoSUseA"), QStringLiteral("A:전체")}},
                                   &rdoSUse);
    // Every group starts on "A:전체".
    for (auto* group : {&rdoSSlip, &rdoSDc, &rdoSBal, &rdoSUse})
        group->last()->setChecked(true);

    Form::Column{
        Form::Row{Form::Field(QStringLiteral("계정코드"), edtSearchAcctCode),
                  Form::Field(QStringLiteral("상위계정코드"), edtSearchUpCode),
                  Form::Field(QStringLiteral("검색명칭"), edtSearchSName),
                  Form::Field(QStringLiteral("계정명칭"), edtSearchName)},
        Form::Row{slip, dc, bal, use, Form::Stretch()}.spacing(2),
    }.spacing(4).attachTo(panSearch);
}

void TfrmVAI020::buildInputPanel()
{
    edtAccCode = Form::NewEdit(panInput, QStringLiteral("edtAccCode"), 7);
    edtUpAccCode = Form::NewEdit(panInput, QStringLiteral("edtUpAccCode"), 7);
    chkDirect = new QCheckBox(QStringLiteral("직접입력"), panInput);
    chkDirect->setObjectName(QStringLiteral("chkDirect"));
    edtAccName = Form::NewEdit(panInput, QStringLiteral("edtAccName"), 60);
    edtFindName = Form::NewEdit(panInput, QStringLiteral("edtFindName"), 60);
    edtLevel = Form::NewEdit(panInput, QStringLiteral("edtLevel"), 1);
    edtLevel->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]")), edtLevel));
    edtPrtName = Form::NewEdit(panInput, QStringLiteral("edtPrtName"), 60);
    edtEngName = Form::NewEdit(panInput, QStringLiteral("edtEngName"), 100);

    edtFND_USG_CD = Form::NewEdit(panInput, QStringLiteral("edtFND_USG_CD"), 4);
    edtFND_USG_NM = Form::NewEdit(panInput, QStringLiteral("edtFND_USG_NM"));
    edtFND_USG_NM->setReadOnly(true);
    edtFND_USG_NM->setFocusPolicy(Qt::NoFocus);
    pbtMGCode = new TPopupBtn(panInput);
    pbtMGCode->setObjectName(QStringLiteral("pbtMGCode"));
    pbtMGCode->setSql(QStringList{QStringLiteral("SELECT FND_USG_CD, FND_USG_NM"), QStringLiteral("  FROM VG005MS"),
                                  QStringLiteral(" ORDER BY FND_USG_CD")});
    pbtMGCode->setLinkSql(QStringList{QStringLiteral("SELECT FND_USG_CD, FND_USG_NM"), QStringLiteral("  FROM VG005MS"),
                                      QStringLiteral(" WHERE (FND_USG_CD LIKE :cd || '%' OR FND_USG_NM LIKE '%' || :cd || '%')"),
                                      QStringLiteral(" ORDER BY FND_USG_CD")});
    pbtMGCode->setColumnTitles({QStringLiteral("자금코드"), QStringLiteral("자금항목명")});
    pbtMGCode->setColumnWidths({QStringLiteral("8"), QStringLiteral("30")});
    pbtMGCode->setLinkControl(edtFND_USG_CD);

    QList<QRadioButton*> slip, dc, bal, use;
    QGroupBox* slipGroup = Form::NewRadioGroup(panInput, QStringLiteral("<<전표발생구분>>"),
                                         {{QStringLiteral("rdobSlipY"), QStringLiteral("Y:발행")},
                                          {QStringLiteral("rdobSlipN"), QStringLiteral("N:미발행")}},
                                         &slip);
    QGroupBox* dcGroup = Form::NewRadioGroup(panInput, QStringLiteral("<<차대구분>>"),
                                       {{QStringLiteral("rdobD"), QStringLiteral("D:차변")},
                                        {QStringLiteral("rdobC"), QStringLiteral("C:대변")},
                                        {QStringLiteral("rdobA"), QStringLiteral("A:모두")}},
                                       &dc);
    QGroupBox* balGroup = Form::NewRadioGroup(panInput, QStringLiteral("<<잔액구분>>"),
                                        {{QStringLiteral("rdobBALY"), QStringLiteral("Y:잔액사용")},
                                         {QStringLiteral("rdobBALN"), QStringLiteral("N:잔액미사용")}},
                                        &bal);
    QGroupBox* useGroup = Form::NewRadioGroup(panInput, QStringLiteral("<<사용구분>>"),
                                        {{QStringLiteral("rdoUSEY"), QStringLiteral("Y:계정사용")},
                                         {QStringLiteral("rdoUSEN"), QStringLiteral("N:계정미사용")}},
                                        &use);
    rdobSlipY = slip[0];
    rdobSlipN = slip[1];
    rdobD = dc[0];
    rdobC = dc[1];
    rdobA = dc[2];
    rdobBALY = bal[0];
    rdobBALN = bal[1];
    rdoUSEY = use[0];
    rdoUSEN = use[1];

    Form::Grid{
        {Form::Field(QStringLiteral("계정코드"), Form::Span(2, edtAccCode))},
        {Form::Field(QStringLiteral("상위계정코드"), edtUpAccCode), chkDirect},
        {Form::Field(QStringLiteral("계정명칭"), Form::Span(2, edtAccName))},
        {Form::Field(QStringLiteral("검색명칭"), Form::Span(2, edtFindName))},
        {Form::Field(QStringLiteral("LEVEL"), Form::Span(2, edtLevel))},
        {Form::Field(QStringLiteral("장부명칭"), Form::Span(2, edtPrtName))},
        {Form::Field(QStringLiteral("영문명칭"), Form::Span(2, edtEngName))},
        {Form::Field(QStringLiteral("자금코드"),
                     Form::Span(2, Form::Row{edtFND_USG_CD, pbtMGCode, edtFND_USG_NM}.spacing(2)))},
        {Form::Span(3, slipGroup)},
        {Form::Span(3, dcGroup)},
        {Form::Span(3, balGroup)},
        {Form::Span(3, useGroup)},
        {Form::Stretch()},
    }.margins(6).spacing(4).attachTo(panInput);

    setUpperLocked(true);
    connect(chkDirect, &QCheckBox::toggled, this, [this](bool on) { setUpperLocked(!on); });
    connect(pbtMGCode, &TPopupBtn::clicked, this, &TfrmVAI020::pbtMGCodeClick);
    // A fund code shorter than its four characters names no fund.
    connect(edtFND_USG_CD, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.size() < 4)
            edtFND_USG_NM->clear();
    });
}

void TfrmVAI020::setUpperLocked(bool locked)
{
    edtUpAccCode->setEnabled(!locked);
}

// --- list -----------------------------------------------------------------------------

void TfrmVAI020::DoSearch()
{
    QString sql = QStringLiteral(
        "SELECT T1.ACCT_CODE, T1.ACCT_NAME, T1.ACCT_SNAME, T1.SLIP_YN, T1.DC_DIV, T1.USE_YN, T1.BAL_YN,\n"
        "       T1.P_ACCT_CODE, T1.FND_USG_CD, T2.FND_USG_NM, T1.ACC_LEVEL, T1.ACCT_PNAME, T1.ACCT_ENAME\n"
        "  FROM VA020MS T1\n"
        "  LEFT JOIN VG005MS T2 ON T2.FND_USG_CD = T1.FND_USG_CD\n"
        " WHERE 1 = 1\n");
    QVariantList params;
    const auto bind = [&params](const QVariant& value) {
        params << value;
        return QStringLiteral(":P%1").arg(params.size() - 1);
    };
    const struct {
        const QList<QRadioButton*>& group;
        QStringList values;
        const char* column;
    } flags[] = {
        {rdoSSlip, {QStringLiteral("Y"), QStringLiteral("N")}, "T1.SLIP_YN"},
        {rdoSDc, {QStringLiteral("D"), QStringLiteral("C")}, "T1.DC_DIV"},
        {rdoSBal, {QStringLiteral("Y"), QStringLiteral("N")}, "T1.BAL_YN"},
        {rdoSUse, {QStringLiteral("Y"), QStringLiteral("N")}, "T1.USE_YN"},
    };
    for (const auto& flag : flags) {
        const QString value = searchFlag(flag.group, flag.values);
        if (!value.isEmpty())
            sql += QStringLiteral("   AND %1 = %2\n").arg(QLatin1String(flag.column), bind(value));
    }
    if (const QString t = edtSearchAcctCode->text().trimmed(); !t.isEmpty())
        sql += QStringLiteral("   AND T1.ACCT_CODE LIKE %1 || '%'\n").arg(bind(t));
    if (const QString t = edtSearchUpCode->text().trimmed(); !t.isEmpty())
        sql += QStringLiteral("   AND T1.P_ACCT_CODE LIKE %1 || '%'\n").arg(bind(t));
    if (const QString t = edtSearchName->text().trimmed(); !t.isEmpty())
        sql += QStringLiteral("   AND T1.ACCT_NAME LIKE '%' || %1 || '%'\n").arg(bind(t));
    if (const QString t = edtSearchSName->text().trimmed(); !t.isEmpty())
        sql += QStringLiteral("   AND T1.ACCT_SNAME LIKE '%' || %1 || '%'\n").arg(bind(t));
    sql += QStringLiteral(" ORDER BY T1.ACCT_CODE");

    cdsMain->open(sql, params);
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
    rdgMain->setFocus();
}

void TfrmVAI020::rdgMainRowChange()
{
    if (State != stBrowse || !cdsMain->isOpen())
        return;
    if (cdsMain->isEmpty()) {
        ClearTextFields(panInput);
        return;
    }
    showCurrentRow();
}

void TfrmVAI020::showCurrentRow()
{
    const auto text = [this](const char* field) { return cdsMain->fieldAsString(QLatin1String(field)).trimmed(); };
    edtAccCode->setText(text("ACCT_CODE"));
    edtUpAccCode->setText(text("P_ACCT_CODE"));
    edtAccName->setText(text("ACCT_NAME"));
    edtFindName->setText(text("ACCT_SNAME"));
    edtLevel->setText(text("ACC_LEVEL"));
    edtPrtName->setText(text("ACCT_PNAME"));
    edtEngName->setText(text("ACCT_ENAME"));
    edtFND_USG_CD->setText(text("FND_USG_CD"));
    edtFND_USG_NM->setText(text("FND_USG_NM"));
    (text("SLIP_YN") == QLatin1String("Y") ? rdobSlipY : rdobSlipN)->setChecked(true);
    const QString dc = text("DC_DIV");
    (dc == QLatin1String("D") ? rdobD : dc == QLatin1String("C") ? rdobC : rdobA)->setChecked(true);
    (text("BAL_YN") == QLatin1String("Y") ? rdobBALY : rdobBALN)->setChecked(true);
    (text("USE_YN") == QLatin1String("Y") ? rdoUSEY : rdoUSEN)->setChecked(true);
}

// --- operations -------------------------------------------------------------------------

void TfrmVAI020::AfterNew()
{
    // The new account starts under the upper account of the row it was
    // created from.
    const QString upper = cdsMain->isOpen() && !cdsMain->isEmpty()
        ? cdsMain->fieldAsString(QStringLiteral("P_ACCT_CODE")).trimmed()
        : QString();
    ClearTextFields(panInput);
    cdsMain->append();
    edtUpAccCode->setText(upper);
    chkDirect->setChecked(false);
    setUpperLocked(true);
    SetKeyLocked(edtAccCode, false);
    m_key.clear();
    edtAccCode->setFocus();
}

void TfrmVAI020::AfterEdit()
{
    cdsMain->edit();
    m_key = cdsMain->fieldAsString(QStringLiteral("ACCT_CODE")).trimmed();
    // The code is the key of the update; it is not changed by editing.
    SetKeyLocked(edtAccCode, true);
    edtAccCode->setFocus();
}

bool TfrmVAI020::requireText(QLineEdit* edit, const QString& message, bool focus)
{
    if (!edit->text().trimmed().isEmpty())
        return true;
    ShowError(message);
    if (focus && edit->isEnabled())
        edit->setFocus();
    return false;
}

void TfrmVAI020::DoSave()
{
    if (!requireText(edtAccCode, QStringLiteral("계정코드는 반드시 입력하여야 합니다!"))
        || !requireText(edtUpAccCode, QStringLiteral("상위계정코드는 반드시 입력하여야 합니다!"))
        || !requireText(edtAccName, QStringLiteral("계정명칭은 반드시 입력하여야 합니다!"))
        || !requireText(edtFindName, QStringLiteral("검색명칭을 입력하여세요.!"))
        || !requireText(edtLevel, QStringLiteral("레벨을 입력하세요.!")))
        return;
    // A code that was never left (pasted, or typed into a locked field
    // before) still has to be a code.
    if (!IsDigitsText(edtAccCode->text().trimmed())) {
        ShowError(QStringLiteral("계정코드는 숫자만 입력 가능합니다!"));
        edtAccCode->setFocus();
        return;
    }
    if (!IsDigitsText(edtUpAccCode->text().trimmed())) {
        ShowError(QStringLiteral("상위계정코드는 숫자만 입력 가능합니다!"));
        if (edtUpAccCode->isEnabled())
            edtUpAccCode->setFocus();
        return;
    }
    const QString code = State == stEdit ? m_key : PadAcctCode(edtAccCode->text().trimmed());
    const QString upper = PadAcctCode(edtUpAccCode->text().trimmed());

    const QString slipYn = rdobSlipY->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    const QString dcDiv = rdobD->isChecked() ? QStringLiteral("D") : rdobC->isChecked() ? QStringLiteral("C") : QStringLiteral("A");
    const QString balYn = rdobBALY->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    const QString useYn = rdoUSEY->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    const QString name = edtAccName->text().trimmed();
    const QString sname = edtFindName->text().trimmed();
    const QString level = edtLevel->text().trimmed();
    const QString pname = edtPrtName->text();
    const QString ename = edtEngName->text();
    const QString fund = edtFND_USG_CD->text();

    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    if (State == stInsert) {
        ExecSql(QStringLiteral(
                    "INSERT INTO VA020MS (ACCT_CODE, ACCT_NAME, ACCT_SNAME, ACCT_PNAME, ACCT_ENAME, FND_USG_CD,\n"
                    "                     SLIP_YN, DC_DIV, BAL_YN, USE_YN, P_ACCT_CODE, ACC_LEVEL,\n"
                    "                     U_DATE, U_IP, U_EMP_NO)\n"
                    "VALUES (:P0, :P1, :P2, :P3, :P4, :P5, :P6, :P7, :P8, :P9, :P10, :P11,\n"
                    "        LOCALTIMESTAMP(0), :P12, :P13)"),
                {code, name, sname, pname, ename, fund, slipYn, dcDiv, balYn, useYn, upper, level,
                 Session::workstationIp, Session::empNo});
    } else {
        ExecSql(QStringLiteral(
                    "UPDATE VA020MS\n"
                    "   SET ACCT_NAME = :P1, ACCT_SNAME = :P2, ACCT_PNAME = :P3, ACCT_ENAME = :P4,\n"
                    "       FND_USG_CD = :P5, SLIP_YN = :P6, DC_DIV = :P7, BAL_YN = :P8, USE_YN = :P9,\n"
                    "       P_ACCT_CODE = :P10, ACC_LEVEL = :P11,\n"
                    "       U_DATE = LOCALTIMESTAMP(0), U_IP = :P12, U_EMP_NO = :P13\n"
                    " WHERE ACCT_CODE = :P0"),
                {code, name, sname, pname, ename, fund, slipYn, dcDiv, balYn, useYn, upper, level,
                 Session::workstationIp, Session::empNo});
    }
    tx.commit();
    m_key = code;

    // The list shows what was written.
    cdsMain->setValue(QStringLiteral("ACCT_CODE"), code);
    cdsMain->setValue(QStringLiteral("ACCT_NAME"), name);
    cdsMain->setValue(QStringLiteral("ACCT_SNAME"), sname);
    cdsMain->setValue(QStringLiteral("ACCT_PNAME"), pname);
    cdsMain->setValue(QStringLiteral("ACCT_ENAME"), ename);
    cdsMain->setValue(QStringLiteral("FND_USG_CD"), fund);
    cdsMain->setValue(QStringLiteral("FND_USG_NM"), edtFND_USG_NM->text());
    cdsMain->setValue(QStringLiteral("SLIP_YN"), slipYn);
    cdsMain->setValue(QStringLiteral("DC_DIV"), dcDiv);
    cdsMain->setValue(QStringLiteral("BAL_YN"), balYn);
    cdsMain->setValue(QStringLiteral("USE_YN"), useYn);
    cdsMain->setValue(QStringLiteral("P_ACCT_CODE"), upper);
    cdsMain->setValue(QStringLiteral("ACC_LEVEL"), level);
    cdsMain->post();
    edtAccCode->setText(code);
    edtUpAccCode->setText(upper);
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVAI020::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    ClearTextFields(panInput);
    ClearTextFields(panSearch);
    chkDirect->setChecked(false);
    SetKeyLocked(edtAccCode, false);
    if (State == stBrowse && cdsMain->isOpen() && !cdsMain->isEmpty())
        showCurrentRow();
}

void TfrmVAI020::DoDelete()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return;
    const QString code = cdsMain->fieldAsString(QStringLiteral("ACCT_CODE")).trimmed();
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    // Slips and rules that use the account make the database refuse this.
    ExecSql(QStringLiteral("DELETE FROM VA020MS WHERE ACCT_CODE = :P0"), {code});
    tx.commit();
    cdsMain->deleteRecord();
    RecordCount = cdsMain->recordCount();
    Done = true;
}

// --- fields --------------------------------------------------------------------------------

void TfrmVAI020::FieldExit(QWidget* control)
{
    TfrmZQI020::FieldExit(control);
    if (!LeftWithinWindow(control))
        return;
    if (control == edtAccCode)
        accCodeExit();
    else if (control == edtUpAccCode)
        upAccCodeExit();
    else if (control == edtFND_USG_CD && !edtFND_USG_CD->text().trimmed().isEmpty()) {
        pbtMGCode->setParam(QStringLiteral("cd"), edtFND_USG_CD->text().trimmed());
        pbtMGCode->LinkSearch();
    }
}

void TfrmVAI020::accCodeExit()
{
    if (edtAccCode->isReadOnly())
        return;
    const QString text = edtAccCode->text().trimmed();
    if (text.isEmpty()) {
        ShowError(QStringLiteral("계정코드를 입력 하세요!"));
        return;
    }
    if (!IsDigitsText(text)) {
        ShowError(QStringLiteral("계정코드는 숫자만 입력 가능합니다!"));
        edtAccCode->clear();
        return;
    }
    const QString code = PadAcctCode(text);
    edtAccCode->setText(code);
    if (edtUpAccCode->text().trimmed().isEmpty())
        edtUpAccCode->setText(UpperAcctCode(code));
}

void TfrmVAI020::upAccCodeExit()
{
    const QString text = edtUpAccCode->text().trimmed();
    if (text.isEmpty())
        return;  // required on saving
    if (!IsDigitsText(text)) {
        ShowError(QStringLiteral("상위계정코드는 숫자만 입력 가능합니다!"));
        return;
    }
    edtUpAccCode->setText(PadAcctCode(text));
}

void TfrmVAI020::pbtMGCodeClick()
{
    if (pbtMGCode->modalResult() != Lookup::mrOk)
        return;
    const QStringList row = pbtMGCode->returnValue();
    edtFND_USG_CD->setText(row.value(0).trimmed());
    edtFND_USG_NM->setText(row.value(1).trimmed());
}
