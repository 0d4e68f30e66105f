#include "screens/master/VAI010.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/master/MasterCommon.h"
#include <QCheckBox>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>

using namespace MasterUi;

namespace {

const QString kEmpSql = QStringLiteral("SELECT EMP_NO, EMP_K_NAME FROM QA010MS ORDER BY EMP_NO");
const QString kEmpHead = QStringLiteral("SELECT EMP_NO, EMP_K_NAME FROM QA010MS\n");

QString dashed(const QString& digits)
{
    return digits.left(4) + QLatin1Char('-') + digits.mid(4, 2) + QLatin1Char('-') + digits.mid(6, 2);
}

QString yn(const QCheckBox* box)
{
    return box->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
}

}  // namespace

TfrmVAI010::TfrmVAI010(QWidget* parent) : TfrmZQI020(QStringLiteral("VAI010"), parent)
{
    setWindowTitle(QStringLiteral("사용자 권한 등록(VAI010)"));

    edtSearchEmpNo = Form::NewEdit(panSearch, QStringLiteral("edtSearchEmpNo"), 10);
    edtSearchName = NewNameField(panSearch, QStringLiteral("edtSearchName"));
    pbtSearchEmpNo = NewLookup(panSearch, QStringLiteral("pbtSearchEmpNo"), kEmpSql,
                               kEmpHead + QStringLiteral(" WHERE EMP_NO LIKE :emp_no || '%' ORDER BY EMP_NO"),
                               {QStringLiteral("사원번호"), QStringLiteral("성명"), QStringLiteral("소속부서"),
                                QStringLiteral("부서코드"), QStringLiteral("회계부서코드"), QStringLiteral("계층코드")},
                               edtSearchEmpNo);
    connect(pbtSearchEmpNo, &TPopupBtn::clicked, this, [this] { TakeLookup(pbtSearchEmpNo, edtSearchEmpNo, edtSearchName); });
    Form::Row{Form::Field(QStringLiteral("사원번호"), edtSearchEmpNo), pbtSearchEmpNo, edtSearchName, Form::Stretch()}
        .attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("EMP_NO"), QStringLiteral("사원번호"), 90),
        GridColumn(QStringLiteral("EMP_K_NAME"), QStringLiteral("사원명"), 120),
    });

    panInput->setFixedWidth(420);
    edtEmpNo = Form::NewEdit(panInput, QStringLiteral("edtEmpNo"), 10);
    edtEmpName = NewNameField(panInput, QStringLiteral("edtEmpName"));
    pbtEmpNo = NewLookup(panInput, QStringLiteral("pbtEmpNo"), kEmpSql, kEmpHead + QStringLiteral(" WHERE EMP_NO LIKE :emp_no || '%'"),
                         {QStringLiteral("사원번호"), QStringLiteral("성    명"), QStringLiteral("부    서")}, edtEmpNo);
    connect(pbtEmpNo, &TPopupBtn::clicked, this, [this] { TakeLookup(pbtEmpNo, edtEmpNo, edtEmpName); });
    medSDate = Form::NewMaskEdit(panInput, QStringLiteral("medSDate"), QStringLiteral("9999-99-99;0;_"));
    medEDate = Form::NewMaskEdit(panInput, QStringLiteral("medEDate"), QStringLiteral("9999-99-99;0;_"));
    chkCharge = new QCheckBox(QStringLiteral("재무승인권한"));
    chkCharge->setObjectName(QStringLiteral("chkCharge"));
    CheckBox1 = new QCheckBox(QStringLiteral("현업전표수정권한"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));

    cdsDetail = new RecordSet(this);
    cdsDetail->setObjectName(QStringLiteral("cdsDetail"));
    cdsDetail->create({FieldDef(QStringLiteral("ST_DATE"), FieldType::String, 10),
                       FieldDef(QStringLiteral("ED_DATE"), FieldType::String, 10),
                       FieldDef(QStringLiteral("CHARGE_YN"), FieldType::String, 1),
                       FieldDef(QStringLiteral("CHARGE2_YN"), FieldType::String, 1)});
    rgDetail = new DataGrid;
    rgDetail->setObjectName(QStringLiteral("rgDetail"));
    rgDetail->setEditable(false);
    rgDetail->setRowSelect(true);
    rgDetail->setColumns({GridColumn(QStringLiteral("ST_DATE"), QStringLiteral("사용시작일"), 80),
                          GridColumn(QStringLiteral("ED_DATE"), QStringLiteral("사용종료일"), 80),
                          GridColumn(QStringLiteral("CHARGE_YN"), QStringLiteral("재무승인권한"), 85),
                          GridColumn(QStringLiteral("CHARGE2_YN"), QStringLiteral("현업전표수정권한"), 100)});
    rgDetail->setRecordSet(cdsDetail);
    bbtChangeRow = new QPushButton(QStringLiteral("변경"));
    bbtChangeRow->setObjectName(QStringLiteral("bbtChangeRow"));
    bbtAddRow = new QPushButton(QStringLiteral("추가"));
    bbtAddRow->setObjectName(QStringLiteral("bbtAddRow"));
    bbtDelRow = new QPushButton(QStringLiteral("삭제"));
    bbtDelRow->setObjectName(QStringLiteral("bbtDelRow"));
    connect(bbtChangeRow, &QPushButton::clicked, this, &TfrmVAI010::bbtChangeRowClick);
    connect(bbtAddRow, &QPushButton::clicked, this, &TfrmVAI010::bbtAddRowClick);
    connect(bbtDelRow, &QPushButton::clicked, this, &TfrmVAI010::bbtDelRowClick);
    connect(cdsDetail, &RecordSet::afterScroll, this, &TfrmVAI010::showPeriod);

    Form::Grid{
        {Form::Field(QStringLiteral("*사원번호"), Form::Row{edtEmpNo, pbtEmpNo, edtEmpName})},
        {Form::Field(QStringLiteral("*사용기간"), Form::Row{medSDate, Form::Label(QStringLiteral("~")), medEDate, Form::Stretch()})},
        {Form::Span(2, Form::Row{chkCharge, CheckBox1, Form::Stretch()})},
        {Form::Span(2, Form::Row{Form::Label(QStringLiteral("<<부서권한 리스트>>")), Form::Stretch(), bbtChangeRow,
                                 bbtAddRow, bbtDelRow})},
        {Form::Span(2, rgDetail)},
    }.stretchRow(4).margins(6).attachTo(panInput);

    bbtExcel->hide();
    bbtPrint->hide();
    bbtPreview->hide();
    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVAI010::rdgMainRowChange);
}

// --- list --------------------------------------------------------------------------------

void TfrmVAI010::DoSearch()
{
    QString sql = QStringLiteral(
        "SELECT DISTINCT A.EMP_NO, B.EMP_K_NAME\n"
        "  FROM VA010MS A, QA010MS B\n"
        " WHERE A.EMP_NO = B.EMP_NO\n");
    QVariantList params;
    if (const QString text = edtSearchEmpNo->text().trimmed(); !text.isEmpty()) {
        sql += QStringLiteral("   AND A.EMP_NO LIKE :P0 || '%'\n");
        params << text;
    }
    sql += QStringLiteral(" ORDER BY A.EMP_NO");
    cdsMain->open(sql, params);
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
    rdgMain->setFocus();
}

void TfrmVAI010::rdgMainRowChange()
{
    if (State != stBrowse || !cdsMain->isOpen())
        return;
    if (cdsMain->isEmpty()) {
        clearInput();
        return;
    }
    edtEmpNo->setText(cdsMain->fieldAsString(QStringLiteral("EMP_NO")).trimmed());
    edtEmpName->setText(cdsMain->fieldAsString(QStringLiteral("EMP_K_NAME")).trimmed());
    loadPeriods(edtEmpNo->text());
}

// Every period of the employee, so that a save keeps the expired and the
// future ones; the period valid today is shown first in the fields.
void TfrmVAI010::loadPeriods(const QString& empNo)
{
    cdsDetail->emptyDataSet();
    QSqlQuery query = RunQuery(QStringLiteral(
                                   "SELECT TO_CHAR(A.ST_DATE, 'YYYY-MM-DD'), TO_CHAR(A.ED_DATE, 'YYYY-MM-DD'),\n"
                                   "       A.CHARGE_YN, A.CHARGE2_YN,\n"
                                   "       CURRENT_DATE BETWEEN A.ST_DATE AND A.ED_DATE VALID_TODAY\n"
                                   "  FROM VA010MS A\n"
                                   " WHERE A.EMP_NO = :P0\n"
                                   " ORDER BY A.ST_DATE"),
                               {empNo});
    int today = -1;
    while (query.next()) {
        cdsDetail->appendRecord({query.value(0), query.value(1), query.value(2), query.value(3)});
        if (today < 0 && query.value(4).toBool())
            today = cdsDetail->recordCount() - 1;
    }
    cdsDetail->moveTo(today >= 0 ? today : 0);
    showPeriod();
}

void TfrmVAI010::showPeriod()
{
    if (cdsDetail->isEditing())
        return;
    if (cdsDetail->isEmpty()) {
        medSDate->clear();
        medEDate->clear();
        chkCharge->setChecked(false);
        CheckBox1->setChecked(false);
        return;
    }
    medSDate->setText(DigitsOf(cdsDetail->fieldAsString(QStringLiteral("ST_DATE"))));
    medEDate->setText(DigitsOf(cdsDetail->fieldAsString(QStringLiteral("ED_DATE"))));
    chkCharge->setChecked(cdsDetail->fieldAsString(QStringLiteral("CHARGE_YN")) == QLatin1String("Y"));
    CheckBox1->setChecked(cdsDetail->fieldAsString(QStringLiteral("CHARGE2_YN")) == QLatin1String("Y"));
}

void TfrmVAI010::clearInput()
{
    edtEmpNo->clear();
    edtEmpName->clear();
    cdsDetail->emptyDataSet();
    showPeriod();
}

// --- the period list ---------------------------------------------------------------------

bool TfrmVAI010::inputChecked()
{
    if (edtEmpNo->text().trimmed().isEmpty()) {
        ShowError(QStringLiteral("사번은 반드시 입력하세요"));
        edtEmpNo->setFocus();
        return false;
    }
    const QString start = DigitsOf(medSDate->text());
    const QString end = DigitsOf(medEDate->text());
    if (start.isEmpty()) {
        ShowError(QStringLiteral("사용기간의 시작일은 반드시 입력하세요."));
        medSDate->setFocus();
        return false;
    }
    if (end <= start) {
        ShowError(QStringLiteral("사용기간의 종료일이 시작일보다 작거나 같습니다."));
        medSDate->setFocus();
        return false;
    }
    for (QLineEdit* field : {medSDate, medEDate}) {
        if (!IsDateText8(DigitsOf(field->text()))) {
            ShowError(QStringLiteral("사용기간의 날짜가 바르지 않습니다. [%1]").arg(field->text()));
            field->setFocus();
            return false;
        }
    }
    return true;
}

int TfrmVAI010::overlappingRow(const QString& start, const QString& end, int except) const
{
    for (int row = 0; row < cdsDetail->recordCount(); ++row) {
        if (row == except)
            continue;
        const QString s = cdsDetail->fieldAsString(row, QStringLiteral("ST_DATE"));
        const QString e = cdsDetail->fieldAsString(row, QStringLiteral("ED_DATE"));
        if (s <= end && e >= start)
            return row;
    }
    return -1;
}

void TfrmVAI010::putInputIntoRow()
{
    // Read before the list moves: a new row shows itself in the fields.
    const QVariantList values{dashed(DigitsOf(medSDate->text())), dashed(DigitsOf(medEDate->text())), yn(chkCharge),
                              yn(CheckBox1)};
    if (cdsDetail->state() == RecordSet::State::Browse)
        cdsDetail->append();
    cdsDetail->setValue(QStringLiteral("ST_DATE"), values.at(0));
    cdsDetail->setValue(QStringLiteral("ED_DATE"), values.at(1));
    cdsDetail->setValue(QStringLiteral("CHARGE_YN"), values.at(2));
    cdsDetail->setValue(QStringLiteral("CHARGE2_YN"), values.at(3));
    cdsDetail->post();
}

void TfrmVAI010::bbtAddRowClick()
{
    if (!inputChecked())
        return;
    const QString start = dashed(DigitsOf(medSDate->text()));
    const QString end = dashed(DigitsOf(medEDate->text()));
    if (const int row = overlappingRow(start, end, -1); row >= 0) {
        ShowError(QStringLiteral("사용기간이 리스트의 다른 기간(%1 ~ %2)과 겹칩니다.")
                      .arg(cdsDetail->fieldAsString(row, QStringLiteral("ST_DATE")),
                           cdsDetail->fieldAsString(row, QStringLiteral("ED_DATE"))));
        medSDate->setFocus();
        return;
    }
    putInputIntoRow();
}

void TfrmVAI010::bbtChangeRowClick()
{
    if (cdsDetail->isEmpty()) {
        ShowError(QStringLiteral("변경할 사용기간을 리스트에서 선택하세요."));
        return;
    }
    if (!inputChecked())
        return;
    const QString start = dashed(DigitsOf(medSDate->text()));
    const QString end = dashed(DigitsOf(medEDate->text()));
    if (const int row = overlappingRow(start, end, cdsDetail->currentRow()); row >= 0) {
        ShowError(QStringLiteral("사용기간이 리스트의 다른 기간(%1 ~ %2)과 겹칩니다.")
                      .arg(cdsDetail->fieldAsString(row, QStringLiteral("ST_DATE")),
                           cdsDetail->fieldAsString(row, QStringLiteral("ED_DATE"))));
        medSDate->setFocus();
        return;
    }
    cdsDetail->edit();
    putInputIntoRow();
}

void TfrmVAI010::bbtDelRowClick()
{
    if (cdsDetail->isEmpty()) {
        ShowError(QStringLiteral("삭제할 사용기간을 리스트에서 선택하세요."));
        return;
    }
    cdsDetail->deleteRecord();
    showPeriod();
}

// --- operations ----------------------------------------------------------------------------

void TfrmVAI010::AfterNew()
{
    const QString searchNo = edtSearchEmpNo->text().trimmed();
    const QString searchName = edtSearchName->text().trimmed();
    clearInput();
    for (QWidget* w : std::initializer_list<QWidget*>{edtEmpNo, pbtEmpNo})
        w->setEnabled(true);
    if (!searchNo.isEmpty()) {
        edtEmpNo->setText(searchNo);
        edtEmpName->setText(searchName);
    }
    cdsMain->append();
    const QDate today = QDate::currentDate();
    medSDate->setText(today.toString(QStringLiteral("yyyyMMdd")));
    medEDate->setText(today.addYears(1).addDays(-1).toString(QStringLiteral("yyyyMMdd")));
    edtEmpNo->setFocus();
}

void TfrmVAI010::AfterEdit()
{
    cdsMain->edit();
    edtEmpNo->setEnabled(false);
    pbtEmpNo->setEnabled(false);
    medSDate->setFocus();
}

void TfrmVAI010::DoSave()
{
    if (!inputChecked())
        return;
    const QString empNo = edtEmpNo->text().trimmed();
    // An empty list would take every period away: that is what Delete is for.
    if (cdsDetail->isEmpty()) {
        ShowError(QStringLiteral("<<부서권한 리스트>>에 사용기간이 없습니다. \"추가\"로 기간을 넣은 뒤 저장하세요."));
        bbtAddRow->setFocus();
        return;
    }
    const QString empName = RunQueryRow(QStringLiteral("SELECT EMP_K_NAME FROM QA010MS WHERE EMP_NO = :P0"), {empNo})
                                .value(0)
                                .toString();
    if (empName.isEmpty()) {
        ShowError(QStringLiteral("등록되지 않은 사원번호입니다. [%1]").arg(empNo));
        edtEmpNo->setFocus();
        return;
    }
    if (State == stInsert
        && RunQueryRow(QStringLiteral("SELECT COUNT(*) FROM VA010MS WHERE EMP_NO = :P0"), {empNo}).value(0).toInt() > 0) {
        ShowError(QStringLiteral("이미 권한이 등록된 사원입니다. [%1] 조회하여 변경하세요.").arg(empNo));
        edtEmpNo->setFocus();
        return;
    }
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    // The list holds every period of the employee: it replaces them all.
    ExecSql(QStringLiteral("DELETE FROM VA010MS WHERE EMP_NO = :P0"), {empNo});
    for (int row = 0; row < cdsDetail->recordCount(); ++row) {
        ExecSql(QStringLiteral("INSERT INTO VA010MS (EMP_NO, ST_DATE, ED_DATE, CHARGE_YN, CHARGE2_YN, U_IP, U_DATE, U_EMP_NO)\n"
                               "VALUES (:P0, TO_DATE(:P1, 'YYYY-MM-DD'), TO_DATE(:P2, 'YYYY-MM-DD'), :P3, :P4, :P5,\n"
                               "        LOCALTIMESTAMP(0), :P6)"),
                {empNo, cdsDetail->fieldAsString(row, QStringLiteral("ST_DATE")),
                 cdsDetail->fieldAsString(row, QStringLiteral("ED_DATE")),
                 cdsDetail->fieldAsString(row, QStringLiteral("CHARGE_YN")),
                 cdsDetail->fieldAsString(row, QStringLiteral("CHARGE2_YN")), Session::workstationIp, Session::empNo});
    }
    tx.commit();
    cdsMain->setValue(QStringLiteral("EMP_NO"), empNo);
    cdsMain->setValue(QStringLiteral("EMP_K_NAME"), empName);
    cdsMain->post();
    edtEmpName->setText(empName);
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVAI010::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    clearInput();
    ClearTextFields(panSearch);
    edtEmpNo->setEnabled(true);
    pbtEmpNo->setEnabled(true);
    rdgMainRowChange();
}

void TfrmVAI010::DoDelete()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    if (cdsDetail->isEmpty()) {
        ShowError(QStringLiteral("삭제할 사용기간을 리스트에서 선택하세요."));
        return;
    }
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return;
    const QString empNo = cdsMain->fieldAsString(QStringLiteral("EMP_NO")).trimmed();
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("DELETE FROM VA010MS WHERE EMP_NO = :P0 AND ST_DATE = TO_DATE(:P1, 'YYYY-MM-DD')"),
            {empNo, cdsDetail->fieldAsString(QStringLiteral("ST_DATE"))});
    tx.commit();
    cdsMain->deleteRecord();
    RecordCount = cdsMain->recordCount();
    Done = true;
}

// --- fields ----------------------------------------------------------------------------------

bool TfrmVAI010::FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers)
{
    if (TfrmZQI020::FieldKeyDown(control, key, modifiers))
        return true;
    if (key == Qt::Key_F1 && !(modifiers & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier))) {
        if (control == edtSearchEmpNo || control == edtEmpNo) {
            (control == edtEmpNo ? pbtEmpNo : pbtSearchEmpNo)->click();
            return true;
        }
    }
    return false;
}

void TfrmVAI010::FieldExit(QWidget* control)
{
    TfrmZQI020::FieldExit(control);
    if ((control != edtSearchEmpNo && control != edtEmpNo) || !LeftWithinWindow(control))
        return;
    auto* field = static_cast<QLineEdit*>(control);
    const QString text = field->text().trimmed();
    if (text.isEmpty() || (field == edtEmpNo && !edtEmpNo->isEnabled()))
        return;
    TPopupBtn* button = field == edtEmpNo ? pbtEmpNo : pbtSearchEmpNo;
    button->setLinkSql(kEmpHead
                       + (IsDigitsText(text) ? QStringLiteral(" WHERE EMP_NO LIKE :emp_no || '%'")
                                             : QStringLiteral(" WHERE EMP_K_NAME LIKE '%' || :emp_no || '%'"))
                       + QStringLiteral(" ORDER BY EMP_NO"));
    button->clearParams();
    button->setParam(QStringLiteral("emp_no"), text);
    button->LinkSearch();
}
