#include "screens/master/VAI040.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "framework/FormKit.h"
#include "screens/master/MasterCommon.h"
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

using namespace MasterUi;

namespace {

// Object names of the seven positions' controls.
struct RowNames {
    const char* code;
    const char* name;
    const char* lookup;
    const char* balance;
};
constexpr RowNames kRowNames[TfrmVAI040::kPositions] = {
    {"edtMGCode", "edtMGName", "pbtMGCode", "Edit13"},
    {"Edit1", "Edit2", "PopupBtn1", "Edit14"},
    {"Edit3", "Edit4", "PopupBtn2", "Edit15"},
    {"Edit5", "Edit6", "PopupBtn3", "Edit16"},
    {"Edit7", "Edit8", "PopupBtn4", "Edit17"},
    {"Edit9", "Edit10", "PopupBtn5", "Edit18"},
    {"Edit11", "Edit12", "PopupBtn6", "Edit19"},
};

const QStringList kItemSql = {
    QStringLiteral("SELECT MG_CODE, MG_NAME,"),
    QStringLiteral("       CASE MG_TYPE WHEN '0' THEN '금액형' WHEN '1' THEN '문자형' WHEN '2' THEN '조회형' END MG_TYPE_NAME"),
    QStringLiteral("  FROM VA030MS"),
    QStringLiteral(" ORDER BY MG_CODE"),
};

// A typed code looks the item up by code prefix, any other text by name.
QStringList itemLinkSql(const QString& typed)
{
    QStringList sql = kItemSql;
    sql.insert(3, IsDigitsText(typed) ? QStringLiteral(" WHERE MG_CODE LIKE :mg_code || '%'")
                                      : QStringLiteral(" WHERE MG_NAME LIKE '%' || :mg_code || '%'"));
    return sql;
}

// A Y/N pair in a holder of its own, so that each pair is exclusive.
QWidget* newYesNo(QWidget* parent, const QString& stem, int position, QRadioButton** yes, QRadioButton** no)
{
    auto* box = new QWidget(parent);
    *yes = new QRadioButton(QStringLiteral("Y"), box);
    (*yes)->setObjectName(QStringLiteral("rdo%1Y%2").arg(stem).arg(position));
    *no = new QRadioButton(QStringLiteral("N"), box);
    (*no)->setObjectName(QStringLiteral("rdo%1N%2").arg(stem).arg(position));
    (*yes)->setChecked(true);
    Form::Row{*yes, *no}.spacing(2).attachTo(box);
    return box;
}

}  // namespace

TfrmVAI040::TfrmVAI040(QWidget* parent) : TfrmZQI020(QStringLiteral("VAI040"), parent)
{
    setWindowTitle(QStringLiteral("계정별 관리항목 등록(VAI040)"));

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));

    buildSearchPanel();

    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("ACCT_CODE"), QStringLiteral("계정코드"), 70),
        GridColumn(QStringLiteral("ACCT_NAME"), QStringLiteral("계정과목명"), 150),
        GridColumn(QStringLiteral("ACCT_SNAME"), QStringLiteral("검색명칭"), 130),
    });

    buildInputPanel();

    // Rule sets belong to existing accounts: they are only edited.
    bbtExcel->hide();
    bbtPrint->hide();
    bbtPreview->hide();
    bbtAdd->hide();

    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVAI040::rdgMainRowChange);
}

void TfrmVAI040::buildSearchPanel()
{
    edt_F_CODE = Form::NewEdit(panSearch, QStringLiteral("edt_F_CODE"), 7);
    edt_E_CODE = Form::NewEdit(panSearch, QStringLiteral("edt_E_CODE"), 7);
    edt_SNAME = Form::NewEdit(panSearch, QStringLiteral("edt_SNAME"));
    Form::Grid{
        {Form::Field(QStringLiteral("계정코드"), edt_F_CODE), Form::Label(QStringLiteral("∼")), edt_E_CODE},
        {Form::Field(QStringLiteral("계정과목"), Form::Span(3, edt_SNAME))},
    }.stretchColumn(4).attachTo(panSearch);
}

void TfrmVAI040::buildInputPanel()
{
    // Seven rows of eleven controls need more room than the usual panel.
    panInput->setFixedWidth(600);
    Form::Grid form{
        {Form::Span(4, Form::Empty()), Form::Label(QStringLiteral("차변필수")), Form::Label(QStringLiteral("대변필수")),
         Form::Label(QStringLiteral("사용여부")), Form::Label(QStringLiteral("잔액순번"))},
    };
    for (int i = 0; i < kPositions; ++i) {
        RuleRow& r = m_rows[size_t(i)];
        const RowNames& names = kRowNames[i];
        r.code = Form::NewEdit(panInput, QLatin1String(names.code), 3);
        r.code->setFixedWidth(44);
        r.lookup = new TPopupBtn(panInput);
        r.lookup->setObjectName(QLatin1String(names.lookup));
        r.lookup->setSql(kItemSql);
        r.lookup->setLinkSql(itemLinkSql(QString()));
        r.lookup->setColumnTitles({QStringLiteral("관리항목 코드"), QStringLiteral("관리항목 명"), QStringLiteral("항목유형")});
        r.lookup->setColumnWidths({QStringLiteral("8"), QStringLiteral("30"), QStringLiteral("8")});
        r.lookup->setLinkControl(r.code);
        r.name = Form::NewEdit(panInput, QLatin1String(names.name));
        r.name->setReadOnly(true);
        r.name->setFocusPolicy(Qt::NoFocus);
        r.balance = Form::NewEdit(panInput, QLatin1String(names.balance), 1);
        r.balance->setFixedWidth(30);
        r.balance->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-3]")), r.balance));
        r.balance->setText(QStringLiteral("0"));
        form.addRow({Form::Label(QStringLiteral("항목코드%1").arg(i + 1)), r.code, r.lookup, r.name,
                     newYesNo(panInput, QStringLiteral("DMust"), i + 1, &r.debitY, &r.debitN),
                     newYesNo(panInput, QStringLiteral("CMust"), i + 1, &r.creditY, &r.creditN),
                     newYesNo(panInput, QStringLiteral("Use"), i + 1, &r.useY, &r.useN), r.balance});

        connect(r.lookup, &TPopupBtn::clicked, this, [this, i] { lookupClick(i); });
        // A code taken away leaves no item name behind.
        connect(r.code, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            if (text.trimmed().isEmpty()) {
                m_rows[size_t(i)].name->clear();
                m_rows[size_t(i)].name->setToolTip(QString());
            }
        });
    }
    form.addRow({Form::Stretch()});
    form.stretchColumn(3).margins(6).attachTo(panInput);
}

void TfrmVAI040::RefreshButtons()
{
    TfrmZQI020::RefreshButtons();
    bbtAdd->setEnabled(false);  // hidden: rule sets are only edited
}

// --- list ---------------------------------------------------------------------------------

void TfrmVAI040::DoSearch()
{
    QString sql = QStringLiteral(
        "SELECT ACCT_CODE, ACCT_NAME, ACCT_SNAME\n"
        "  FROM VA020MS\n"
        " WHERE SLIP_YN = 'Y'\n");
    QVariantList params;
    const auto bind = [&params](const QVariant& value) {
        params << value;
        return QStringLiteral(":P%1").arg(params.size() - 1);
    };
    const QString first = edt_F_CODE->text().trimmed();
    const QString second = edt_E_CODE->text().trimmed();
    if (!first.isEmpty() && second.isEmpty()) {
        sql += QStringLiteral("   AND ACCT_CODE LIKE '%' || %1 || '%'\n").arg(bind(first));
    } else if (!first.isEmpty()) {
        // Either start, and always a slip-bearing account.
        sql += QStringLiteral("   AND (ACCT_CODE LIKE %1 || '%' OR ACCT_CODE LIKE %2 || '%')\n")
                   .arg(bind(first), bind(second));
    }
    if (const QString name = edt_SNAME->text().trimmed(); !name.isEmpty())
        sql += QStringLiteral("   AND UPPER(ACCT_SNAME) LIKE '%' || UPPER(%1) || '%'\n").arg(bind(name));
    sql += QStringLiteral(" ORDER BY ACCT_CODE");

    cdsMain->open(sql, params);
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
    rdgMain->setFocus();
}

void TfrmVAI040::rdgMainRowChange()
{
    if (State != stBrowse || !cdsMain->isOpen())
        return;
    showRules();
}

void TfrmVAI040::resetRows()
{
    for (RuleRow& r : m_rows) {
        r.code->clear();
        r.name->clear();
        r.name->setToolTip(QString());
        r.debitY->setChecked(true);
        r.creditY->setChecked(true);
        r.useY->setChecked(true);
        r.balance->setText(QStringLiteral("0"));
    }
}

// The rules of the current account, each in the row of its position.
void TfrmVAI040::showRules()
{
    resetRows();
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    QSqlQuery query = RunQuery(QStringLiteral(
                                   "SELECT A.MG_CODE, B.MG_NAME, A.D_MUST, A.C_MUST, A.USE_YN, A.LINEUP_NO, A.BAL_NO\n"
                                   "  FROM VA040MS A\n"
                                   "  JOIN VA030MS B ON B.MG_CODE = A.MG_CODE\n"
                                   " WHERE A.ACCT_CODE = :P0\n"
                                   " ORDER BY A.LINEUP_NO"),
                               {cdsMain->fieldAsString(QStringLiteral("ACCT_CODE"))});
    while (query.next()) {
        const int position = query.value(5).toInt();
        if (position < 1 || position > kPositions)
            continue;
        RuleRow& r = m_rows[size_t(position - 1)];
        r.code->setText(query.value(0).toString().trimmed());
        r.name->setText(query.value(1).toString().trimmed());
        r.balance->setText(query.value(6).toString());
        (query.value(2).toString() == QLatin1String("Y") ? r.debitY : r.debitN)->setChecked(true);
        (query.value(3).toString() == QLatin1String("Y") ? r.creditY : r.creditN)->setChecked(true);
        (query.value(4).toString() == QLatin1String("Y") ? r.useY : r.useN)->setChecked(true);
    }
}

// --- operations -----------------------------------------------------------------------------

void TfrmVAI040::AfterEdit()
{
    cdsMain->edit();
}

void TfrmVAI040::DoSave()
{
    if (State != stEdit || !cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    const QString account = cdsMain->fieldAsString(QStringLiteral("ACCT_CODE"));
    const auto flag = [](const QRadioButton* yes) { return yes->isChecked() ? QStringLiteral("Y") : QStringLiteral("N"); };

    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    // The rule set is replaced whole; a failure on the way rolls the delete
    // back with the inserts, so the old rules stay.
    ExecSql(QStringLiteral("DELETE FROM VA040MS WHERE ACCT_CODE = :P0"), {account});
    for (int i = 0; i < kPositions; ++i) {
        const RuleRow& r = m_rows[size_t(i)];
        const QString code = r.code->text().trimmed();
        if (code.isEmpty())
            continue;  // a gap stays a gap
        const QString balanceText = r.balance->text().trimmed();
        bool isNumber = false;
        const int balance = balanceText.toInt(&isNumber);
        ExecSql(QStringLiteral(
                    "INSERT INTO VA040MS (ACCT_CODE, MG_CODE, LINEUP_NO, D_MUST, C_MUST, USE_YN, BAL_NO,\n"
                    "                     U_DATE, U_IP, U_EMP_NO)\n"
                    "VALUES (:P0, :P1, :P2, :P3, :P4, :P5, :P6, LOCALTIMESTAMP(0), :P7, :P8)"),
                {account, code, i + 1, flag(r.debitY), flag(r.creditY), flag(r.useY),
                 isNumber ? QVariant(balance) : QVariant(balanceText), Session::workstationIp, Session::empNo});
    }
    tx.commit();
    ShowStatus(QStringLiteral("저장을 완료 하였습니다.!"));
    cdsMain->post();
    Done = true;
}

void TfrmVAI040::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    resetRows();
    ClearTextFields(panSearch);
    // The account stays selected: its saved rules show again.
    if (State == stBrowse)
        showRules();
}

void TfrmVAI040::DoDelete()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return;
    const QString account = cdsMain->fieldAsString(QStringLiteral("ACCT_CODE"));
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    // Rules whose items slips carry are refused when the transaction ends.
    ExecSql(QStringLiteral("DELETE FROM VA040MS WHERE ACCT_CODE = :P0"), {account});
    tx.commit();
    ShowStatus(QStringLiteral("선택된 자료를 삭제하였습니다.!"));
    resetRows();
    Done = true;
}

// --- fields -------------------------------------------------------------------------------------

int TfrmVAI040::rowOfCode(const QWidget* control) const
{
    for (int i = 0; i < kPositions; ++i)
        if (m_rows[size_t(i)].code == control)
            return i;
    return -1;
}

bool TfrmVAI040::FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers)
{
    if (TfrmZQI020::FieldKeyDown(control, key, modifiers))
        return true;
    const int index = rowOfCode(control);
    if (key == Qt::Key_F1 && index >= 0 && !(modifiers & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier))) {
        m_rows[size_t(index)].lookup->click();
        return true;
    }
    return false;
}

void TfrmVAI040::FieldExit(QWidget* control)
{
    TfrmZQI020::FieldExit(control);
    const int index = rowOfCode(control);
    if (index >= 0 && LeftWithinWindow(control) && !m_rows[size_t(index)].code->text().trimmed().isEmpty())
        linkSearch(index);
}

void TfrmVAI040::linkSearch(int index)
{
    RuleRow& r = m_rows[size_t(index)];
    const QString typed = r.code->text().trimmed();
    r.lookup->setLinkSql(itemLinkSql(typed));
    r.lookup->setParam(QStringLiteral("mg_code"), typed);
    r.lookup->LinkSearch();
}

void TfrmVAI040::lookupClick(int index)
{
    RuleRow& r = m_rows[size_t(index)];
    if (r.lookup->modalResult() != Lookup::mrOk)
        return;
    const QStringList chosen = r.lookup->returnValue();
    r.code->setText(chosen.value(0).trimmed());
    r.name->setText(chosen.value(1).trimmed());
    r.name->setToolTip(chosen.value(2).trimmed());
}
