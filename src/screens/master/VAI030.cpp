#include "screens/master/VAI030.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/ReadOnlyQuery.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "framework/FormKit.h"
#include "screens/master/MasterCommon.h"
#include <QDateTime>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace MasterUi;

namespace {

QString kindName(const QString& kind)
{
    if (kind == QLatin1String("0"))
        return QStringLiteral("금액형");
    if (kind == QLatin1String("1"))
        return QStringLiteral("문자형");
    if (kind == QLatin1String("2"))
        return QStringLiteral("조회형");
    return QString();
}

}  // namespace

TfrmVAI030::TfrmVAI030(QWidget* parent) : TfrmZQI020(QStringLiteral("VAI030"), parent)
{
    setWindowTitle(QStringLiteral("관리항목 등록(VAI030)"));

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));

    buildSearchPanel();

    rdbMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("MG_CODE"), QStringLiteral("관리항목코드"), 80),
        GridColumn(QStringLiteral("MG_NAME"), QStringLiteral("관리항목 명"), 150),
        GridColumn(QStringLiteral("MG_TYPE_NAME"), QStringLiteral("항목종류"), 60),
        GridColumn(QStringLiteral("P_MG_CODE"), QStringLiteral("상위항목 코드"), 80),
        GridColumn(QStringLiteral("CON_CODE"), QStringLiteral("연결계정코드"), 200),
        GridColumn(QStringLiteral("BAL_YN"), QStringLiteral("잔액관리 여부"), 80),
    }, QStringLiteral("rdbMain"));

    buildInputPanel();

    bbtExcel->hide();
    bbtPrint->hide();
    bbtPreview->hide();

    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVAI030::rdbMainRowChange);
}

void TfrmVAI030::buildSearchPanel()
{
    edtSConCode = Form::NewEdit(panSearch, QStringLiteral("edtSConCode"), 3);
    edtSConName = Form::NewEdit(panSearch, QStringLiteral("edtSConName"));
    QGroupBox* kinds = Form::NewRadioGroup(panSearch, QStringLiteral("항목종류"),
                                           {{QStringLiteral("rdoSKindC"), QStringLiteral("금액형")},
                                            {QStringLiteral("rdoSKindS"), QStringLiteral("문자형")},
                                            {QStringLiteral("rdoSKindF"), QStringLiteral("조회형")},
                                            {QStringLiteral("rdoSKindA"), QStringLiteral("전 체")}},
                                           &rdoSKind);
    rdoSKind.last()->setChecked(true);
    Form::Grid{
        {Form::Field(QStringLiteral("관리항목 코드"), edtSConCode), Form::Field(QStringLiteral("관리항목 명"), edtSConName)},
        {Form::Span(4, kinds)},
    }.stretchColumn(4).attachTo(panSearch);
}

void TfrmVAI030::buildInputPanel()
{
    edtConCode = Form::NewEdit(panInput, QStringLiteral("edtConCode"), 3);
    edtConName = Form::NewEdit(panInput, QStringLiteral("edtConName"), 50);
    edtUpConCode = Form::NewEdit(panInput, QStringLiteral("edtUpConCode"), 3);
    moConCode = new QPlainTextEdit(panInput);
    moConCode->setObjectName(QStringLiteral("moConCode"));
    moConCode->setLineWrapMode(QPlainTextEdit::NoWrap);

    QList<QRadioButton*> kinds, bal;
    QGroupBox* kindGroup = Form::NewRadioGroup(panInput, QStringLiteral("<< 항목종류 >>"),
                                               {{QStringLiteral("rdoMgTypeC"), QStringLiteral("금액형")},
                                                {QStringLiteral("rdoMgTypeS"), QStringLiteral("문자형")},
                                                {QStringLiteral("rdoMgTypeF"), QStringLiteral("조회형")}},
                                               &kinds);
    QGroupBox* balGroup = Form::NewRadioGroup(panInput, QStringLiteral("<< 잔액관리 여부 >>"),
                                              {{QStringLiteral("rdoBALY"), QStringLiteral("예")},
                                               {QStringLiteral("rdoBALN"), QStringLiteral("아니오")}},
                                              &bal);
    rdoMgTypeC = kinds[0];
    rdoMgTypeS = kinds[1];
    rdoMgTypeF = kinds[2];
    rdoBALY = bal[0];
    rdoBALN = bal[1];
    rdoBALN->setChecked(true);

    Form::Grid{
        {Form::Field(QStringLiteral("관리항목 코드"), edtConCode)},
        {Form::Field(QStringLiteral("관리항목 명"), edtConName)},
        {Form::Field(QStringLiteral("상위항목 코드"), edtUpConCode)},
        {Form::Span(2, kindGroup)},
        {Form::Span(2, balGroup)},
        {Form::Span(2, Form::Label(QStringLiteral("연결계정 코드")))},
        {Form::Span(2, moConCode)},
    }.stretchRow(6).margins(6).attachTo(panInput);

    for (QRadioButton* kind : kinds)
        connect(kind, &QRadioButton::toggled, this, &TfrmVAI030::kindChanged);
    kindChanged();
}

// Only a lookup item has a statement to enter; text typed under another
// kind stays and is saved.
void TfrmVAI030::kindChanged()
{
    moConCode->setEnabled(rdoMgTypeF->isChecked());
}

QString TfrmVAI030::kindCode() const
{
    return rdoMgTypeC->isChecked() ? QStringLiteral("0") : rdoMgTypeS->isChecked() ? QStringLiteral("1") : QStringLiteral("2");
}

// --- list --------------------------------------------------------------------------------

void TfrmVAI030::DoSearch()
{
    QString sql = QStringLiteral(
        "SELECT MG_CODE, MG_NAME, MG_TYPE,\n"
        "       CASE MG_TYPE WHEN '0' THEN '금액형' WHEN '1' THEN '문자형' WHEN '2' THEN '조회형' END MG_TYPE_NAME,\n"
        "       P_MG_CODE, CON_CODE, BAL_YN, U_DATE, U_IP, U_EMP_NO\n"
        "  FROM VA030MS\n"
        " WHERE 1 = 1\n");
    QVariantList params;
    const auto bind = [&params](const QVariant& value) {
        params << value;
        return QStringLiteral(":P%1").arg(params.size() - 1);
    };
    static const char* const kinds[] = {"0", "1", "2"};
    for (int i = 0; i < 3; ++i)
        if (rdoSKind.at(i)->isChecked())
            sql += QStringLiteral("   AND MG_TYPE = %1\n").arg(bind(QString::fromLatin1(kinds[i])));
    if (const QString t = edtSConCode->text().trimmed(); !t.isEmpty())
        sql += QStringLiteral("   AND MG_CODE LIKE %1 || '%'\n").arg(bind(t));
    if (const QString t = edtSConName->text().trimmed(); !t.isEmpty())
        sql += QStringLiteral("   AND MG_NAME LIKE '%' || %1 || '%'\n").arg(bind(t));
    sql += QStringLiteral(" ORDER BY 1");

    cdsMain->open(sql, params);
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
    rdbMain->setFocus();
}

void TfrmVAI030::rdbMainRowChange()
{
    if (State != stBrowse || !cdsMain->isOpen())
        return;
    if (cdsMain->isEmpty()) {
        ClearTextFields(panInput);
        moConCode->clear();
        return;
    }
    showCurrentRow();
}

void TfrmVAI030::showCurrentRow()
{
    edtConCode->setText(cdsMain->fieldAsString(QStringLiteral("MG_CODE")).trimmed());
    edtConName->setText(cdsMain->fieldAsString(QStringLiteral("MG_NAME")).trimmed());
    edtUpConCode->setText(cdsMain->fieldAsString(QStringLiteral("P_MG_CODE")).trimmed());
    moConCode->setPlainText(cdsMain->fieldAsString(QStringLiteral("CON_CODE")));
    const QString kind = cdsMain->fieldAsString(QStringLiteral("MG_TYPE"));
    if (kind == QLatin1String("0"))
        rdoMgTypeC->setChecked(true);
    else if (kind == QLatin1String("1"))
        rdoMgTypeS->setChecked(true);
    else if (kind == QLatin1String("2"))
        rdoMgTypeF->setChecked(true);
    (cdsMain->fieldAsString(QStringLiteral("BAL_YN")) == QLatin1String("Y") ? rdoBALY : rdoBALN)->setChecked(true);
}

// --- operations ----------------------------------------------------------------------------

void TfrmVAI030::AfterNew()
{
    const QString upper = cdsMain->isOpen() && !cdsMain->isEmpty()
        ? cdsMain->fieldAsString(QStringLiteral("P_MG_CODE")).trimmed()
        : QString();
    ClearTextFields(panInput);
    moConCode->clear();
    cdsMain->append();
    edtUpConCode->setText(upper);
    SetKeyLocked(edtConCode, false);
    m_key.clear();
    edtConCode->setFocus();
}

void TfrmVAI030::AfterEdit()
{
    cdsMain->edit();
    // The update finds the row by the code it had; the code itself may be
    // changed. Account rules follow the new code; the database refuses the
    // change while slip values still carry the old one.
    m_key = cdsMain->fieldAsString(QStringLiteral("MG_CODE")).trimmed();
    edtConName->setFocus();
}

void TfrmVAI030::DoSave()
{
    if (edtConCode->text().trimmed().isEmpty()) {
        ShowError(QStringLiteral("관리항목 코드는 반드시 입력하여야 합니다!"));
        edtConCode->setFocus();
        return;
    }
    if (!IsDigitsText(edtConCode->text().trimmed())) {
        ShowError(QStringLiteral("관리항목 코드는 숫자만 입력 가능합니다!"));
        edtConCode->setFocus();
        return;
    }
    // Slip entry runs the statement as it stands: only one SELECT is kept.
    const QString statement = moConCode->toPlainText().trimmed();
    if (!statement.isEmpty()) {
        const QString problem = SelectStatementProblem(statement);
        if (!problem.isEmpty()) {
            ShowError(QStringLiteral("연결계정 코드를 확인하십시오.\n") + problem);
            if (moConCode->isEnabled())
                moConCode->setFocus();
            return;
        }
    }
    const QString balYn = rdoBALY->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    const QString mgType = kindCode();
    const QString code = PadMgCode(edtConCode->text().trimmed());
    const QString name = edtConName->text().trimmed();
    const QString upper = edtUpConCode->text().trimmed();

    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    if (State == stInsert) {
        ExecSql(QStringLiteral(
                    "INSERT INTO VA030MS (MG_CODE, MG_NAME, MG_TYPE, P_MG_CODE, BAL_YN, CON_CODE,\n"
                    "                     U_DATE, U_IP, U_EMP_NO)\n"
                    "VALUES (:P0, :P1, :P2, :P3, :P4, :P5, LOCALTIMESTAMP(0), :P6, :P7)"),
                {code, name, mgType, upper, balYn, statement, Session::workstationIp, Session::empNo});
    } else {
        ExecSql(QStringLiteral(
                    "UPDATE VA030MS\n"
                    "   SET MG_CODE = :P0, MG_NAME = :P1, MG_TYPE = :P2, P_MG_CODE = :P3, BAL_YN = :P4,\n"
                    "       CON_CODE = :P5, U_DATE = LOCALTIMESTAMP(0), U_IP = :P6, U_EMP_NO = :P7\n"
                    " WHERE MG_CODE = :P8"),
                {code, name, mgType, upper, balYn, statement, Session::workstationIp, Session::empNo, m_key});
    }
    tx.commit();
    m_key = code;

    cdsMain->setValue(QStringLiteral("MG_CODE"), code);
    cdsMain->setValue(QStringLiteral("MG_NAME"), name);
    cdsMain->setValue(QStringLiteral("MG_TYPE"), mgType);
    cdsMain->setValue(QStringLiteral("MG_TYPE_NAME"), kindName(mgType));
    cdsMain->setValue(QStringLiteral("P_MG_CODE"), upper);
    cdsMain->setValue(QStringLiteral("CON_CODE"), statement);
    cdsMain->setValue(QStringLiteral("BAL_YN"), balYn);
    cdsMain->setValue(QStringLiteral("U_DATE"), QDateTime::currentDateTime());
    cdsMain->setValue(QStringLiteral("U_IP"), Session::workstationIp);
    cdsMain->setValue(QStringLiteral("U_EMP_NO"), Session::empNo);
    cdsMain->post();
    edtConCode->setText(code);
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVAI030::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    ClearTextFields(panInput);
    moConCode->clear();
    ClearTextFields(panSearch);
    SetKeyLocked(edtConCode, false);
    if (State == stBrowse && cdsMain->isOpen() && !cdsMain->isEmpty())
        showCurrentRow();
}

void TfrmVAI030::DoDelete()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return;
    const QString code = cdsMain->fieldAsString(QStringLiteral("MG_CODE")).trimmed();
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    // Rules and slip values that use the item make the database refuse this.
    ExecSql(QStringLiteral("DELETE FROM VA030MS WHERE MG_CODE = :P0"), {code});
    tx.commit();
    cdsMain->deleteRecord();
    RecordCount = cdsMain->recordCount();
    Done = true;
}

// --- fields ----------------------------------------------------------------------------------

void TfrmVAI030::FieldExit(QWidget* control)
{
    TfrmZQI020::FieldExit(control);
    if (control == edtConCode && LeftWithinWindow(control))
        conCodeExit();
}

void TfrmVAI030::conCodeExit()
{
    if (edtConCode->isReadOnly())
        return;
    const QString text = edtConCode->text().trimmed();
    if (text.isEmpty())
        return;  // required on saving
    if (!IsDigitsText(text)) {
        ShowError(QStringLiteral("관리항목 코드는 숫자만 입력 가능합니다!"));
        // Back to the field once the focus change that left it is over.
        QTimer::singleShot(0, edtConCode, [field = QPointer<QLineEdit>(edtConCode)] {
            if (field && field->isEnabled())
                field->setFocus();
        });
        return;
    }
    edtConCode->setText(PadMgCode(text));
}
