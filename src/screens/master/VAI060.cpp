#include "screens/master/VAI060.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/master/MasterCommon.h"
#include <QButtonGroup>
#include <QDateTime>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace MasterUi;

namespace {

QString groupSql(const char* head)
{
    return QStringLiteral("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = '%1' AND DETAIL <> ' ' ORDER BY DETAIL")
        .arg(QLatin1String(head));
}

QString groupLinkSql(const char* head, bool digits)
{
    return QStringLiteral("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = '%1' AND DETAIL <> ' '\n").arg(QLatin1String(head))
        + (digits ? QStringLiteral(" AND DETAIL LIKE :detail || '%'") : QStringLiteral(" AND DETAIL_NAME LIKE :detail || '%'"));
}

const QString kAcctSql = QStringLiteral("SELECT ACCT_CODE, ACCT_SNAME FROM VA020MS ORDER BY ACCT_CODE");
const QString kAcctHead = QStringLiteral("SELECT ACCT_CODE, ACCT_SNAME FROM VA020MS\n");
const QString kInputError = QStringLiteral("입력오류");

}  // namespace

TfrmVAI060::TfrmVAI060(QWidget* parent) : TfrmZQI020(QStringLiteral("VAI060"), parent)
{
    setWindowTitle(QStringLiteral("재무제표 집계계정 등록(VAI060)"));

    edtFSessionCode = Form::NewEdit(panSearch, QStringLiteral("edtFSessionCode"), 3);
    edtFSessionCode->setFixedWidth(50);
    edtFFormCode = Form::NewEdit(panSearch, QStringLiteral("edtFFormCode"), 1);
    edtFFormCode->setFixedWidth(30);
    edtFFormName = NewNameField(panSearch, QStringLiteral("edtFFormName"));
    pbtFFormCode = NewLookup(panSearch, QStringLiteral("pbtFFormCode"), groupSql("V0008"), groupLinkSql("V0008", true),
                             {QStringLiteral("코드"), QStringLiteral("거래처종류")}, edtFFormCode);
    Form::Row{Form::Field(QStringLiteral("회    기"), edtFSessionCode), Form::Space(12),
              Form::Field(QStringLiteral("재무제표 구분"), edtFFormCode), pbtFFormCode, edtFFormName, Form::Stretch()}
        .attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("SESSION_ID"), QStringLiteral("회기"), 40),
        GridColumn(QStringLiteral("DETAIL_NAME"), QStringLiteral("집계계정 종류"), 90),
        GridColumn(QStringLiteral("SEQ_NO"), QStringLiteral("일련번호"), 60),
        GridColumn(QStringLiteral("ORDER_NO"), QStringLiteral("정렬순서"), 60),
        GridColumn(QStringLiteral("ORDER_CODE"), QStringLiteral("집계코드"), 70),
        GridColumn(QStringLiteral("DISP_NAME"), QStringLiteral("코드명칭"), 160),
        GridColumn(QStringLiteral("DISP_TYPE_NAME"), QStringLiteral("코드종류"), 70),
    });

    panInput->setFixedWidth(420);
    edtSessionCode = Form::NewEdit(panInput, QStringLiteral("edtSessionCode"), 3);
    edtFormCode = Form::NewEdit(panInput, QStringLiteral("edtFormCode"), 1);
    edtFormCode->setFixedWidth(30);
    edtFormName = NewNameField(panInput, QStringLiteral("edtFormName"));
    pbtFormCode = NewLookup(panInput, QStringLiteral("pbtFormCode"), groupSql("V0008"), groupLinkSql("V0008", true),
                            {QStringLiteral("코드"), QStringLiteral("거래처종류")}, edtFormCode);
    edtSeqNo = Form::NewEdit(panInput, QStringLiteral("edtSeqNo"), 3);
    edtOrderNo = Form::NewEdit(panInput, QStringLiteral("edtOrderNo"), 5);
    edtOrderCode = Form::NewEdit(panInput, QStringLiteral("edtOrderCode"), 7);
    edtDispName = Form::NewEdit(panInput, QStringLiteral("edtDispName"), 50);
    edtDispType = Form::NewEdit(panInput, QStringLiteral("edtDispType"), 1);
    edtDispType->setFixedWidth(30);
    edtDsipTypeName = NewNameField(panInput, QStringLiteral("edtDsipTypeName"));
    pbtGubn2 = NewLookup(panInput, QStringLiteral("pbtGubn2"), groupSql("V0009"), groupLinkSql("V0009", true),
                         {QStringLiteral("코드"), QStringLiteral("거래처종류")}, edtDispType);
    edtAcctCode = Form::NewEdit(panInput, QStringLiteral("edtAcctCode"), 7);
    edtAcctCode->setFixedWidth(70);
    edtAcctName = NewNameField(panInput, QStringLiteral("edtAcctName"));
    pbtAcctCode = NewLookup(panInput, QStringLiteral("pbtAcctCode"), kAcctSql,
                            kAcctHead + QStringLiteral(" WHERE ACCT_CODE LIKE :acc_cd || '%'"),
                            {QStringLiteral("계정코드"), QStringLiteral("계정명"), QStringLiteral("계정검색명")}, edtAcctCode);
    rdoPlus = new QRadioButton(QStringLiteral("+ 연산식"));
    rdoPlus->setObjectName(QStringLiteral("rdoPlus"));
    rdoMinus = new QRadioButton(QStringLiteral("- 연산식"));
    rdoMinus->setObjectName(QStringLiteral("rdoMinus"));
    auto* signs = new QButtonGroup(this);
    signs->addButton(rdoPlus);
    signs->addButton(rdoMinus);
    bbtAcctAdd = new QPushButton(QStringLiteral("신규"));
    bbtAcctAdd->setObjectName(QStringLiteral("bbtAcctAdd"));
    bbtAcctChange = new QPushButton(QStringLiteral("수정"));
    bbtAcctChange->setObjectName(QStringLiteral("bbtAcctChange"));
    bbtAcctDelete = new QPushButton(QStringLiteral("삭제"));
    bbtAcctDelete->setObjectName(QStringLiteral("bbtAcctDelete"));

    cdsDetail = new RecordSet(this);
    cdsDetail->setObjectName(QStringLiteral("cdsDetail"));
    cdsDetail->create({FieldDef(QStringLiteral("ACCT_CODE"), FieldType::String, 7),
                       FieldDef(QStringLiteral("ACCT_SNAME"), FieldType::String, 60),
                       FieldDef(QStringLiteral("CALC_FORMULA"), FieldType::String, 1)});
    rgDetail = new DataGrid;
    rgDetail->setObjectName(QStringLiteral("rgDetail"));
    rgDetail->setEditable(false);
    rgDetail->setRowSelect(true);
    rgDetail->setColumns({GridColumn(QStringLiteral("ACCT_CODE"), QStringLiteral("계정코드"), 80),
                          GridColumn(QStringLiteral("ACCT_SNAME"), QStringLiteral("계정명"), 170),
                          GridColumn(QStringLiteral("CALC_FORMULA"), QStringLiteral("연산식"), 50)});
    rgDetail->setRecordSet(cdsDetail);

    Form::Grid{
        {Form::Field(QStringLiteral("회    기"), edtSessionCode)},
        {Form::Field(QStringLiteral("재무제표 구분"), Form::Row{edtFormCode, pbtFormCode, edtFormName})},
        {Form::Field(QStringLiteral("Seq No."), edtSeqNo)},
        {Form::Field(QStringLiteral("정렬순서"), edtOrderNo)},
        {Form::Field(QStringLiteral("집계코드"), edtOrderCode)},
        {Form::Field(QStringLiteral("집계명칭"), edtDispName)},
        {Form::Field(QStringLiteral("표시구분"), Form::Row{edtDispType, pbtGubn2, edtDsipTypeName})},
        {Form::Span(2, Form::Group(QStringLiteral("<< 집계계정 등록 >>"),
                                   Form::Row{Form::Label(QStringLiteral("계정코드")), edtAcctCode, pbtAcctCode, edtAcctName},
                                   Form::Row{rdoPlus, rdoMinus, Form::Stretch()},
                                   Form::Row{Form::Stretch(), bbtAcctAdd, bbtAcctChange, bbtAcctDelete},
                                   rgDetail))},
    }.stretchRow(7).margins(6).attachTo(panInput);

    for (auto [field, button] : {std::pair{edtFFormCode, pbtFFormCode}, {edtFormCode, pbtFormCode},
                                 {edtDispType, pbtGubn2}, {edtAcctCode, pbtAcctCode}})
        m_lookupOf.insert(field, button);
    connect(pbtFFormCode, &TPopupBtn::clicked, this, [this] { TakeLookup(pbtFFormCode, edtFFormCode, edtFFormName); });
    connect(pbtFormCode, &TPopupBtn::clicked, this, [this] { TakeLookup(pbtFormCode, edtFormCode, edtFormName); });
    connect(pbtGubn2, &TPopupBtn::clicked, this, [this] { TakeLookup(pbtGubn2, edtDispType, edtDsipTypeName); });
    connect(pbtAcctCode, &TPopupBtn::clicked, this, [this] { TakeLookup(pbtAcctCode, edtAcctCode, edtAcctName); });
    connect(bbtAcctAdd, &QPushButton::clicked, this, &TfrmVAI060::bbtAcctAddClick);
    connect(bbtAcctChange, &QPushButton::clicked, this, &TfrmVAI060::bbtAcctChangeClick);
    connect(bbtAcctDelete, &QPushButton::clicked, this, &TfrmVAI060::bbtAcctDeleteClick);
    connect(cdsDetail, &RecordSet::afterScroll, this, &TfrmVAI060::showAccountRow);

    // Nothing is printed from here: the statements print the layouts.
    bbtExcel->hide();
    bbtPrint->hide();
    bbtPreview->hide();
    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVAI060::rdgMainRowChange);
}

// --- list --------------------------------------------------------------------------------

void TfrmVAI060::DoSearch()
{
    // Lines without a display kind are listed too.
    QString sql = QStringLiteral(
        "SELECT A.SESSION_ID, A.FORM_CODE, B.DETAIL_NAME, A.SEQ_NO, A.ORDER_NO, A.ORDER_CODE, A.DISP_NAME,\n"
        "       A.DISP_TYPE, C.DETAIL_NAME DISP_TYPE_NAME, A.U_DATE, A.U_IP, A.U_EMP_NO\n"
        "  FROM VA060MS A\n"
        "  LEFT JOIN ZX010MS B ON B.HEAD = 'V0008' AND B.DETAIL = A.FORM_CODE\n"
        "  LEFT JOIN ZX010MS C ON C.HEAD = 'V0009' AND C.DETAIL = A.DISP_TYPE\n"
        " WHERE 1 = 1\n");
    QVariantList params;
    if (const QString period = edtFSessionCode->text().trimmed(); !period.isEmpty()) {
        if (!IsDigitsText(period)) {
            MsgBox(QStringLiteral("회기는 숫자로 입력하여야 합니다!"), kInputError, 1);
            edtFSessionCode->setFocus();
            return;
        }
        params << period.toInt();
        sql += QStringLiteral("   AND A.SESSION_ID = :P0\n");
    }
    if (const QString kind = edtFFormCode->text().trimmed(); !kind.isEmpty()) {
        params << kind;
        sql += QStringLiteral("   AND A.FORM_CODE = :P%1\n").arg(params.size() - 1);
    }
    sql += QStringLiteral(" ORDER BY A.SESSION_ID, A.FORM_CODE, A.ORDER_NO, A.SEQ_NO");
    cdsMain->open(sql, params);
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
    rdgMain->setFocus();
}

void TfrmVAI060::rdgMainRowChange()
{
    if (State != stBrowse || !cdsMain->isOpen())
        return;
    const auto text = [this](const char* f) { return cdsMain->isEmpty() ? QString() : cdsMain->fieldAsString(QLatin1String(f)).trimmed(); };
    edtSessionCode->setText(text("SESSION_ID"));
    edtFormCode->setText(text("FORM_CODE"));
    edtFormName->setText(text("DETAIL_NAME"));
    edtSeqNo->setText(text("SEQ_NO"));
    edtOrderNo->setText(text("ORDER_NO"));
    edtOrderCode->setText(text("ORDER_CODE"));
    edtDispName->setText(text("DISP_NAME"));
    edtDispType->setText(text("DISP_TYPE"));
    edtDsipTypeName->setText(text("DISP_TYPE_NAME"));
    loadAccounts();
}

void TfrmVAI060::loadAccounts()
{
    cdsDetail->emptyDataSet();
    if (cdsMain->isEmpty()) {
        clearAccountInput();
        return;
    }
    QSqlQuery query = RunQuery(QStringLiteral("SELECT A.ACCT_CODE, B.ACCT_SNAME, A.CALC_FORMULA\n"
                                              "  FROM VA060DT A\n"
                                              "  LEFT JOIN VA020MS B ON B.ACCT_CODE = A.ACCT_CODE\n"
                                              " WHERE A.SESSION_ID = :P0 AND A.FORM_CODE = :P1 AND A.SEQ_NO = :P2\n"
                                              " ORDER BY A.ACCT_CODE"),
                               {cdsMain->value(QStringLiteral("SESSION_ID")), cdsMain->value(QStringLiteral("FORM_CODE")),
                                cdsMain->value(QStringLiteral("SEQ_NO"))});
    while (query.next())
        cdsDetail->appendRecord({query.value(0), query.value(1), query.value(2)});
    cdsDetail->first();
    clearAccountInput();
    showAccountRow();
}

void TfrmVAI060::showAccountRow()
{
    if (cdsDetail->isEmpty() || cdsDetail->isEditing())
        return;
    edtAcctCode->setText(cdsDetail->fieldAsString(QStringLiteral("ACCT_CODE")));
    edtAcctName->setText(cdsDetail->fieldAsString(QStringLiteral("ACCT_SNAME")));
    const QString formula = cdsDetail->fieldAsString(QStringLiteral("CALC_FORMULA"));
    rdoPlus->setChecked(formula == QLatin1String("+"));
    rdoMinus->setChecked(formula == QLatin1String("-"));
}

void TfrmVAI060::clearAccountInput()
{
    edtAcctCode->clear();
    edtAcctName->clear();
    for (QRadioButton* r : {rdoPlus, rdoMinus}) {
        r->setAutoExclusive(false);
        r->setChecked(false);
        r->setAutoExclusive(true);
    }
}

QString TfrmVAI060::sign() const
{
    return rdoPlus->isChecked() ? QStringLiteral("+") : rdoMinus->isChecked() ? QStringLiteral("-") : QString();
}

// --- the account list ----------------------------------------------------------------------

void TfrmVAI060::bbtAcctAddClick()
{
    const QString code = edtAcctCode->text().trimmed();
    if (code.isEmpty()) {
        MsgBox(QStringLiteral("계정코드가 등록되지 않았습니다!"), kInputError, 1);
        edtAcctCode->setFocus();
        return;
    }
    if (sign().isEmpty()) {
        MsgBox(QStringLiteral("연산식 \"+\" 또는 \"-\"가 선택되지 않았습니다!"), kInputError, 1);
        return;
    }
    if (cdsDetail->findRow(QStringLiteral("ACCT_CODE"), {code}) >= 0) {
        MsgBox(QStringLiteral("이미 등록된 계정코드입니다! [%1]").arg(code), kInputError, 1);
        edtAcctCode->setFocus();
        return;
    }
    cdsDetail->appendRecord({code, edtAcctName->text().trimmed(), sign()});
    clearAccountInput();
}

void TfrmVAI060::bbtAcctChangeClick()
{
    if (cdsDetail->isEmpty())
        return;
    const QString code = edtAcctCode->text().trimmed();
    const int holder = code.isEmpty() ? -1 : cdsDetail->findRow(QStringLiteral("ACCT_CODE"), {code});
    if (holder >= 0 && holder != cdsDetail->currentRow()) {
        MsgBox(QStringLiteral("이미 등록된 계정코드입니다! [%1]").arg(code), kInputError, 1);
        edtAcctCode->setFocus();
        return;
    }
    if (code.isEmpty() || sign().isEmpty()) {
        MsgBox(code.isEmpty() ? QStringLiteral("계정코드가 등록되지 않았습니다!")
                              : QStringLiteral("연산식 \"+\" 또는 \"-\"가 선택되지 않았습니다!"),
               kInputError, 1);
        return;
    }
    cdsDetail->edit();
    cdsDetail->setValue(QStringLiteral("ACCT_CODE"), code);
    cdsDetail->setValue(QStringLiteral("ACCT_SNAME"), edtAcctName->text().trimmed());
    cdsDetail->setValue(QStringLiteral("CALC_FORMULA"), sign());
    cdsDetail->post();
    clearAccountInput();
}

void TfrmVAI060::bbtAcctDeleteClick()
{
    if (cdsDetail->isEmpty())
        return;
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return;
    cdsDetail->deleteRecord();
    clearAccountInput();
}

// --- operations ----------------------------------------------------------------------------

void TfrmVAI060::AfterNew()
{
    ClearTextFields(panInput);
    clearAccountInput();
    cdsDetail->emptyDataSet();
    cdsMain->append();
    m_key.clear();
    edtSessionCode->setFocus();
}

void TfrmVAI060::AfterEdit()
{
    cdsMain->edit();
    m_key = {cdsMain->value(QStringLiteral("SESSION_ID")), cdsMain->value(QStringLiteral("FORM_CODE")),
             cdsMain->value(QStringLiteral("SEQ_NO"))};
    clearAccountInput();
    edtSessionCode->setFocus();
}

bool TfrmVAI060::requireNumber(QLineEdit* edit, const QString& emptyMessage, bool required)
{
    const QString text = edit->text().trimmed();
    if (text.isEmpty() && !required)
        return true;
    if (text.isEmpty() || !IsDigitsText(text)) {
        MsgBox(text.isEmpty() ? emptyMessage : QStringLiteral("숫자만 입력 가능합니다! [%1]").arg(text), kInputError, 1);
        edit->setFocus();
        return false;
    }
    return true;
}

void TfrmVAI060::DoSave()
{
    if (!requireNumber(edtSessionCode, QStringLiteral("회기는 반드시 입력하여야 합니다!"), true))
        return;
    if (edtFormCode->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("제무재표 구분은 반드시 입력하여야 합니다!"), kInputError, 1);
        edtFormCode->setFocus();
        return;
    }
    if (!requireNumber(edtSeqNo, QStringLiteral("\"Seq No.\" 는 반드시 입력하여야 합니다!"), true)
        || !requireNumber(edtOrderNo, QString(), false))
        return;
    const int session = edtSessionCode->text().trimmed().toInt();
    const QString form = edtFormCode->text().trimmed();
    const int seq = edtSeqNo->text().trimmed().toInt();
    const QString orderText = edtOrderNo->text().trimmed();
    const QVariant order = orderText.isEmpty() ? QVariant() : QVariant(orderText.toInt());
    const QString orderCode = edtOrderCode->text().trimmed();
    const QString dispName = edtDispName->text().trimmed();
    const QString dispType = edtDispType->text().trimmed();

    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    QVariantList params{session, form, seq, order, orderCode, dispName, dispType, Session::workstationIp, Session::empNo};
    if (State == stInsert) {
        ExecSql(QStringLiteral("INSERT INTO VA060MS (SESSION_ID, FORM_CODE, SEQ_NO, ORDER_NO, ORDER_CODE, DISP_NAME, DISP_TYPE,\n"
                               "                     U_DATE, U_IP, U_EMP_NO)\n"
                               "VALUES (:P0, :P1, :P2, :P3, :P4, :P5, :P6, LOCALTIMESTAMP(0), :P7, :P8)"),
                params);
    } else {
        // The line's accounts follow a changed key (foreign key on update).
        params << m_key;
        ExecSql(QStringLiteral("UPDATE VA060MS\n"
                               "   SET SESSION_ID = :P0, FORM_CODE = :P1, SEQ_NO = :P2, ORDER_NO = :P3, ORDER_CODE = :P4,\n"
                               "       DISP_NAME = :P5, DISP_TYPE = :P6, U_DATE = LOCALTIMESTAMP(0), U_IP = :P7, U_EMP_NO = :P8\n"
                               " WHERE SESSION_ID = :P9 AND FORM_CODE = :P10 AND SEQ_NO = :P11"),
                params);
    }
    ExecSql(QStringLiteral("DELETE FROM VA060DT WHERE SESSION_ID = :P0 AND FORM_CODE = :P1 AND SEQ_NO = :P2"),
            {session, form, seq});
    for (int row = 0; row < cdsDetail->recordCount(); ++row)
        ExecSql(QStringLiteral("INSERT INTO VA060DT (SESSION_ID, FORM_CODE, SEQ_NO, ACCT_CODE, CALC_FORMULA, U_DATE, U_IP, U_EMP_NO)\n"
                               "VALUES (:P0, :P1, :P2, :P3, :P4, LOCALTIMESTAMP(0), :P5, :P6)"),
                {session, form, seq, cdsDetail->fieldAsString(row, QStringLiteral("ACCT_CODE")),
                 cdsDetail->fieldAsString(row, QStringLiteral("CALC_FORMULA")), Session::workstationIp, Session::empNo});
    tx.commit();
    m_key = {session, form, seq};

    const auto groupName = [](const char* head, const QString& detail) {
        return RunQueryRow(QStringLiteral("SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :P0 AND DETAIL = :P1"),
                           {QLatin1String(head), detail}).value(0);
    };
    cdsMain->setValue(QStringLiteral("SESSION_ID"), session);
    cdsMain->setValue(QStringLiteral("FORM_CODE"), form);
    cdsMain->setValue(QStringLiteral("DETAIL_NAME"), groupName("V0008", form));
    cdsMain->setValue(QStringLiteral("SEQ_NO"), seq);
    cdsMain->setValue(QStringLiteral("ORDER_NO"), order);
    cdsMain->setValue(QStringLiteral("ORDER_CODE"), orderCode);
    cdsMain->setValue(QStringLiteral("DISP_NAME"), dispName);
    cdsMain->setValue(QStringLiteral("DISP_TYPE"), dispType);
    cdsMain->setValue(QStringLiteral("DISP_TYPE_NAME"), groupName("V0009", dispType));
    cdsMain->setValue(QStringLiteral("U_DATE"), QDateTime::currentDateTime());
    cdsMain->setValue(QStringLiteral("U_IP"), Session::workstationIp);
    cdsMain->setValue(QStringLiteral("U_EMP_NO"), Session::empNo);
    cdsMain->post();
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVAI060::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    ClearTextFields(panInput);
    ClearTextFields(panSearch);
    clearAccountInput();
    cdsDetail->emptyDataSet();
}

void TfrmVAI060::DoDelete()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return;
    const QVariantList key{cdsMain->value(QStringLiteral("SESSION_ID")), cdsMain->value(QStringLiteral("FORM_CODE")),
                           cdsMain->value(QStringLiteral("SEQ_NO"))};
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("DELETE FROM VA060DT WHERE SESSION_ID = :P0 AND FORM_CODE = :P1 AND SEQ_NO = :P2"), key);
    ExecSql(QStringLiteral("DELETE FROM VA060MS WHERE SESSION_ID = :P0 AND FORM_CODE = :P1 AND SEQ_NO = :P2"), key);
    tx.commit();
    cdsMain->deleteRecord();
    RecordCount = cdsMain->recordCount();
    Done = true;
}

// --- fields ----------------------------------------------------------------------------------

bool TfrmVAI060::FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers)
{
    if (TfrmZQI020::FieldKeyDown(control, key, modifiers))
        return true;
    if (key == Qt::Key_F1 && !(modifiers & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier))) {
        if (TPopupBtn* button = m_lookupOf.value(control)) {
            button->click();
            return true;
        }
    }
    return false;
}

void TfrmVAI060::FieldExit(QWidget* control)
{
    TfrmZQI020::FieldExit(control);
    if (!LeftWithinWindow(control))
        return;
    TPopupBtn* button = m_lookupOf.value(control);
    if (!button)
        return;
    const QString text = static_cast<QLineEdit*>(control)->text().trimmed();
    // An empty kind field offers the whole group; an empty account does not
    // look anything up.
    const bool digits = text.isEmpty() || IsDigitsText(text);
    button->clearParams();
    if (button == pbtAcctCode) {
        if (text.isEmpty())
            return;
        button->setLinkSql(kAcctHead + (digits ? QStringLiteral(" WHERE ACCT_CODE LIKE :acc_cd || '%'")
                                               : QStringLiteral(" WHERE ACCT_SNAME LIKE '%' || :acc_cd || '%'")));
        button->setParam(QStringLiteral("acc_cd"), text);
    } else {
        button->setLinkSql(groupLinkSql(button == pbtGubn2 ? "V0009" : "V0008", digits));
        button->setParam(QStringLiteral("detail"), text);
    }
    button->LinkSearch();
}
