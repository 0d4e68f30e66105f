#include "screens/closing/VKI010.h"
#include "common/DateUtil.h"
#include "common/FieldMode.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/TextUtil.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/closing/ClosingCalls.h"
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString kPeriodSql = QStringLiteral(
    "SELECT SESSION_ID, ST_DATE, ED_DATE, CLOSE_YN, SUMMARY\n"
    "  FROM VI010MS\n");

}  // namespace

TfrmVKI010::TfrmVKI010(QWidget* parent) : TfrmZQI030(QStringLiteral("VKI010"), parent)
{
    setWindowTitle(QStringLiteral("기수 등록(VKI010)"));

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("SESSION_ID"), QStringLiteral("기수"), 60),
        GridColumn(QStringLiteral("ST_DATE"), QStringLiteral("시작일자"), 100),
        GridColumn(QStringLiteral("ED_DATE"), QStringLiteral("종료일자"), 100),
        GridColumn(QStringLiteral("CLOSE_YN"), QStringLiteral("마감여부"), 70),
    });

    Edit1 = Form::NewEdit(panInput, QStringLiteral("Edit1"), 3);
    MaskEdit2 = Form::NewMaskEdit(panInput, QStringLiteral("MaskEdit2"), QStringLiteral("!9999/99/00;0;_"));
    MaskEdit3 = Form::NewMaskEdit(panInput, QStringLiteral("MaskEdit3"), QStringLiteral("!9999/99/00;0;_"));
    Edit4 = Form::NewEdit(panInput, QStringLiteral("Edit4"), 1);
    Edit4->setReadOnly(true);
    Edit4->setEnabled(false);
    Memo1 = new QPlainTextEdit(panInput);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    for (QLineEdit* field : {Edit1, MaskEdit2, MaskEdit3, Edit4})
        field->setMaximumWidth(110);
    Form::Grid{
        {Form::Field(QStringLiteral("기수"), Edit1)},
        {Form::Field(QStringLiteral("시작일자"), MaskEdit2)},
        {Form::Field(QStringLiteral("종료일자"), MaskEdit3)},
        {Form::Field(QStringLiteral("마감여부"), Edit4)},
        {Form::Span(3, Form::Label(QStringLiteral("참고사항")))},
        {Form::Span(3, Memo1)},
    }.stretchColumn(2).stretchRow(5).margins(8).attachTo(panInput);

    // Periods are kept on the screen only.
    bbtPrint->hide();
    bbtPreview->hide();
    bbtExcel->hide();

    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVKI010::rdgMainRowChange);
}

// --- list -----------------------------------------------------------------------------

void TfrmVKI010::openPeriods()
{
    cdsMain->open(kPeriodSql + QStringLiteral(" ORDER BY SESSION_ID"));
}

void TfrmVKI010::DoSearch()
{
    openPeriods();
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
    rdgMain->setFocus();
}

void TfrmVKI010::rdgMainRowChange()
{
    if (State == stBrowse && cdsMain->isOpen() && !cdsMain->isEmpty())
        showCurrentRow();
}

void TfrmVKI010::showCurrentRow()
{
    Edit1->setText(cdsMain->fieldAsString(QStringLiteral("SESSION_ID")));
    MaskEdit2->setText(cdsMain->fieldAsDate(QStringLiteral("ST_DATE")).toString(QStringLiteral("yyyyMMdd")));
    MaskEdit3->setText(cdsMain->fieldAsDate(QStringLiteral("ED_DATE")).toString(QStringLiteral("yyyyMMdd")));
    Edit4->setText(cdsMain->fieldAsString(QStringLiteral("CLOSE_YN")));
    Memo1->setPlainText(cdsMain->fieldAsString(QStringLiteral("SUMMARY")));
}

QString TfrmVKI010::dateOf(QLineEdit* field) const
{
    const QString digits = DigitsOnly(field->text());
    return IsDateTextOfKind(digits, 8) ? FormatDateText(digits) : QString();
}

// --- operations -------------------------------------------------------------------------

void TfrmVKI010::AfterNew()
{
    if (!cdsMain->isOpen())
        openPeriods();
    cdsMain->append();
    Memo1->clear();
    Edit4->clear();
    SetFieldMode(Edit1, fmEditable, false);
    m_key.clear();
    Edit1->setFocus();
}

void TfrmVKI010::AfterEdit()
{
    cdsMain->edit();
    m_key = cdsMain->fieldAsString(QStringLiteral("SESSION_ID"));
    // The procedure tells new periods from changed ones by their number: a
    // changed number would make a second period, not change this one.
    SetFieldMode(Edit1, fmLocked, true);
    MaskEdit2->setFocus();
}

void TfrmVKI010::DoSave()
{
    const QString session = State == stEdit ? m_key : Edit1->text().trimmed();
    if (session.isEmpty()) {
        ShowInfo(QStringLiteral("기수를 입력하세요.!"));
        Edit1->setFocus();
        return;
    }
    if (!IsNumberText(session, ntRejectEmpty | ntAcceptZero)) {
        ShowInfo(QStringLiteral("기수는 숫자만 입력이 가능합니다.!"));
        Edit1->setFocus();
        return;
    }
    for (QLineEdit* field : {MaskEdit2, MaskEdit3}) {
        if (dateOf(field).isEmpty()) {
            ShowInfo(QStringLiteral("날짜를 바르게 입력하십시오."));
            field->setFocus();
            return;
        }
    }
    if (State == stInsert
        && RunQuery(QStringLiteral("SELECT 1 FROM VI010MS WHERE SESSION_ID = CAST(:P0 AS INTEGER)"), {session}).next()) {
        ShowInfo(QStringLiteral("이미 등록된 기수입니다.!"));
        Edit1->setFocus();
        return;
    }

    const QString answer = Closing::Call(QStringLiteral("pr_v_calender"),
                                         {session, dateOf(MaskEdit2), dateOf(MaskEdit3),
                                          Memo1->toPlainText().trimmed(), Session::workstationIp, Session::empNo});
    if (!Closing::Succeeded(answer)) {
        Closing::ShowNotSaved(answer);
        return;
    }

    // The list shows the period as the database now holds it.
    const QVariantList row = RunQueryRow(kPeriodSql + QStringLiteral(" WHERE SESSION_ID = CAST(:P0 AS INTEGER)"), {session});
    const QStringList fields = {QStringLiteral("SESSION_ID"), QStringLiteral("ST_DATE"), QStringLiteral("ED_DATE"),
                                QStringLiteral("CLOSE_YN"), QStringLiteral("SUMMARY")};
    for (int i = 0; i < fields.size(); ++i)
        cdsMain->setValue(fields.at(i), row.value(i));
    cdsMain->post();
    SetFieldMode(Edit1, fmEditable, true);
    showCurrentRow();
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVKI010::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    SetFieldMode(Edit1, fmEditable, true);
    if (State == stBrowse && cdsMain->isOpen() && !cdsMain->isEmpty())
        showCurrentRow();
}

void TfrmVKI010::DoDelete()
{
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?"))) {
        Done = true;
        return;
    }
    const QString session = cdsMain->fieldAsString(QStringLiteral("SESSION_ID"));
    if (cdsMain->fieldAsString(QStringLiteral("CLOSE_YN")) == QLatin1String("Y")) {
        ShowInfo(QStringLiteral("마감된 기수는 삭제하실수 없습니다.!"));
        return;
    }
    if (RunQuery(QStringLiteral("SELECT CLOSE_YN FROM VI011DT WHERE CLOSE_YN = 'Y' AND SESSION_ID = CAST(:P0 AS INTEGER)"),
                 {session})
            .next()) {
        ShowInfo(QStringLiteral("일자별 마감된 기수는 삭제하실수 없습니다.!"));
        return;
    }
    const QString answer =
        Closing::Call(QStringLiteral("pk_v_close.delete_period"), {session, Session::workstationIp, Session::empNo});
    if (!Closing::Succeeded(answer)) {
        Closing::ShowNotSaved(answer);
        return;
    }
    cdsMain->deleteRecord();
    RecordCount = cdsMain->recordCount();
    Done = true;
}
