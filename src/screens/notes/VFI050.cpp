#include "screens/notes/VFI050.h"
#include "common/DateUtil.h"
#include "common/Db.h"
#include "common/DialogService.h"
#include "common/Messages.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/TextUtil.h"
#include "common/Transaction.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/notes/NoteCommon.h"
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const QString kNotSaved = QStringLiteral("자료를 저장하지 못했습니다.\r\r에러내용:\r");

}  // namespace

TfrmVFI050::TfrmVFI050(QWidget* parent) : TfrmZQI030(QStringLiteral("VFI050"), parent)
{
    setWindowTitle(QStringLiteral("어음/수표 수령(VFI050)"));
    // The choices are boxed: the strip is as tall as a box.
    panSearch->setFixedHeight(52);

    edtFinInstCd = Form::NewEdit(panSearch, QStringLiteral("edtFinInstCd"), 10);
    edtFinInstCd->setFixedWidth(90);
    connect(edtFinInstCd, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text != text.toUpper())
            edtFinInstCd->setText(text.toUpper());
    });
    edtFinInstNm = NoteUi::NewNameField(panSearch, QStringLiteral("edtFinInstNm"));
    pbtFinInst = NoteUi::NewBankLookup(panSearch, QStringLiteral("pbtFinInst"), edtFinInstCd, edtFinInstNm);
    QList<QRadioButton*> kinds;
    QGroupBox* kind = Form::NewRadioGroup(panSearch, QString(), {{"rdoNote", "어음"}, {"rdoCheque", "수표"}}, &kinds);
    rdoNote = kinds.at(0);
    rdoCheque = kinds.at(1);
    dtpFrom = Form::NewDateEdit(panSearch, QStringLiteral("dtpFrom"));
    dtpTo = Form::NewDateEdit(panSearch, QStringLiteral("dtpTo"));
    dtpFrom->setDate(FirstDayOfMonth(QDate::currentDate()));
    dtpTo->setDate(LastDayOfMonth(QDate::currentDate()));
    LinkDateRange(dtpFrom, dtpTo);
    Form::Row{Form::Field(QStringLiteral("금융기관"), edtFinInstCd), pbtFinInst, edtFinInstNm, kind,
              Form::Field(QStringLiteral("수령일자"), dtpFrom), Form::Label(QStringLiteral("~")), dtpTo, Form::Stretch()}
        .attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("RCP_DT"), QStringLiteral("수령일자"), 90),
        GridColumn(QStringLiteral("STRT_NO"), QStringLiteral("어음시작번호"), 120),
        GridColumn(QStringLiteral("RCP_SHT"), QStringLiteral("수령매수"), 70),
        GridColumn(QStringLiteral("USE_SHT"), QStringLiteral("사용매수"), 70),
        GridColumn(QStringLiteral("REMN_SHT"), QStringLiteral("잔여매수"), 70),
    });

    edtRcpDt = Form::NewEdit(panInput, QStringLiteral("edtRcpDt"), 10);
    edtRcpDt->setToolTip(QStringLiteral("(YYYY-MM-DD)"));
    edtStrtNo = Form::NewEdit(panInput, QStringLiteral("edtStrtNo"), 12);
    edtRcpSht = Form::NewEdit(panInput, QStringLiteral("edtRcpSht"), 4);
    edtRcpSht->setAlignment(Qt::AlignRight);
    for (QLineEdit* e : {edtRcpDt, edtStrtNo, edtRcpSht})
        e->setFixedWidth(120);
    Form::Grid{
        {Form::Field(QStringLiteral("수령일자"), edtRcpDt), Form::Label(QStringLiteral("(YYYY-MM-DD)"))},
        {Form::Field(QStringLiteral("시작번호"), edtStrtNo)},
        {Form::Field(QStringLiteral("수령매수"), edtRcpSht)},
        {Form::Empty()},
    }.stretchColumn(2).stretchRow(3).margins(8).attachTo(panInput);

    bbtPrint->hide();
    bbtPreview->hide();
    bbtExcel->hide();
    connect(cdsMain, &RecordSet::afterScroll, this, [this] {
        if (State == stBrowse && cdsMain->isOpen() && !cdsMain->isEmpty())
            showCurrentRow();
    });
}

QString TfrmVFI050::billClf() const
{
    return rdoCheque->isChecked() ? QStringLiteral("2") : QStringLiteral("1");
}

void TfrmVFI050::FieldExit(QWidget* control)
{
    TfrmZQI030::FieldExit(control);
    if (control == edtFinInstCd)
        NoteUi::lookUpTyped(pbtFinInst, edtFinInstCd, edtFinInstNm);
    if (control == edtRcpDt && (State == stEdit || State == stInsert))
        NoteUi::formatTypedDate(edtRcpDt);
}

bool TfrmVFI050::bankChosen()
{
    if (!edtFinInstCd->text().trimmed().isEmpty() && !edtFinInstNm->text().trimmed().isEmpty())
        return true;
    MsgBox(QStringLiteral("금융기관을 선택하세요.!"), QStringLiteral("입력오류"), DialogService::Information);
    edtFinInstCd->setFocus();
    return false;
}

void TfrmVFI050::openList()
{
    // A book's forms are counted by their state; a book without forms shows
    // none used and none left.
    cdsMain->open(QStringLiteral(
                      "SELECT A.RCP_DT, A.STRT_NO, A.RCP_SHT, A.FIN_INST_CD, A.BILL_CLF,\n"
                      "       COUNT(B.BILL_NO) FILTER (WHERE COALESCE(B.BILL_PROC_CD, '0') <> '0') USE_SHT,\n"
                      "       COUNT(B.BILL_NO) FILTER (WHERE B.BILL_PROC_CD = '0') REMN_SHT\n"
                      "  FROM VF050MS A\n"
                      "  LEFT JOIN VF060MS B ON B.FIN_INST_CD = A.FIN_INST_CD AND B.BILL_CLF = A.BILL_CLF AND B.STRT_NO = A.STRT_NO\n"
                      " WHERE A.BILL_CLF = :P0 AND A.FIN_INST_CD = :P1 AND A.RCP_DT BETWEEN :P2 AND :P3\n"
                      " GROUP BY A.RCP_DT, A.STRT_NO, A.RCP_SHT, A.FIN_INST_CD, A.BILL_CLF\n"
                      " ORDER BY A.RCP_DT, A.STRT_NO"),
                  {billClf(), edtFinInstCd->text().trimmed(), dtpFrom->date().toString(Qt::ISODate),
                   dtpTo->date().toString(Qt::ISODate)});
}

void TfrmVFI050::DoSearch()
{
    if (!bankChosen()) {
        State = cdsMain->isOpen() ? stBrowse : stNone;
        RefreshButtons();
        return;
    }
    openList();
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
    if (!cdsMain->isEmpty())
        showCurrentRow();
}

void TfrmVFI050::showCurrentRow()
{
    edtRcpDt->setText(cdsMain->fieldAsString(QStringLiteral("RCP_DT")));
    edtStrtNo->setText(cdsMain->fieldAsString(QStringLiteral("STRT_NO")));
    edtRcpSht->setText(cdsMain->fieldAsString(QStringLiteral("RCP_SHT")));
}

int TfrmVFI050::usedForms() const
{
    return Db::scalar(QStringLiteral("SELECT COUNT(*) CNT FROM VF060MS\n"
                                     " WHERE BILL_CLF = :P0 AND FIN_INST_CD = :P1 AND STRT_NO = :P2 AND BILL_PROC_CD <> '0'"),
                      {cdsMain->fieldAsString(QStringLiteral("BILL_CLF")), cdsMain->fieldAsString(QStringLiteral("FIN_INST_CD")),
                       cdsMain->fieldAsString(QStringLiteral("STRT_NO"))})
        .toInt();
}

void TfrmVFI050::AfterNew()
{
    if (!cdsMain->isOpen()) {
        if (!bankChosen()) {
            State = stNone;
            RefreshButtons();
            return;
        }
        openList();
    }
    cdsMain->append();
    cdsMain->setValue(QStringLiteral("FIN_INST_CD"), edtFinInstCd->text().trimmed());
    cdsMain->setValue(QStringLiteral("BILL_CLF"), billClf());
    m_oldStrtNo.clear();
    edtRcpDt->setFocus();
}

void TfrmVFI050::AfterEdit()
{
    if (usedForms() > 0) {
        ShowInfo(QStringLiteral("이미 사용된 어음이나 수표가 있으므로 수정하실 수 없습니다."));
        State = stBrowse;
        RefreshButtons();
        return;
    }
    cdsMain->edit();
    m_oldBank = cdsMain->fieldAsString(QStringLiteral("FIN_INST_CD"));
    m_oldClf = cdsMain->fieldAsString(QStringLiteral("BILL_CLF"));
    m_oldStrtNo = cdsMain->fieldAsString(QStringLiteral("STRT_NO"));
    edtRcpDt->setFocus();
}

void TfrmVFI050::DoSave()
{
    NoteUi::formatTypedDate(edtRcpDt);
    const QString day = edtRcpDt->text().trimmed();
    if (day.isEmpty()) {
        MsgBox(QStringLiteral("수령일자가 입력되지 않았습니다."), QStringLiteral("입력오류"), DialogService::Information);
        edtRcpDt->setFocus();
        return;
    }
    const QString bank = cdsMain->fieldAsString(QStringLiteral("FIN_INST_CD"));
    const QString clf = cdsMain->fieldAsString(QStringLiteral("BILL_CLF"));
    const QString strtNo = edtStrtNo->text().trimmed().toUpper();
    const QString count = StripCommas(edtRcpSht->text().trimmed());
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    const QString answer = CallProcText(QStringLiteral("pr_vf050sp"),
                                        {Session::workstationIp, Session::empNo, bank, clf, strtNo,
                                         State == stEdit ? m_oldStrtNo : QString(), day, count});
    if (ProcResult::isFailure(answer)) {
        tx.rollback();
        ShowError(kNotSaved + answer);
        return;
    }
    const QVariantList values{bank, clf, strtNo, day, count, Session::workstationIp, Session::empNo};
    if (State == stInsert) {
        ExecSql(QStringLiteral("INSERT INTO VF050MS (FIN_INST_CD, BILL_CLF, STRT_NO, RCP_DT, RCP_SHT, U_DATE, U_IP, U_EMP_NO)\n"
                               "VALUES (:P0, :P1, :P2, :P3, CAST(:P4 AS INTEGER), LOCALTIMESTAMP(0), :P5, :P6)"),
                values);
    } else {
        ExecSql(QStringLiteral("UPDATE VF050MS SET FIN_INST_CD = :P0, BILL_CLF = :P1, STRT_NO = :P2, RCP_DT = :P3,\n"
                               "       RCP_SHT = CAST(:P4 AS INTEGER), U_DATE = LOCALTIMESTAMP(0), U_EMP_NO = :P6, U_IP = :P5\n"
                               " WHERE FIN_INST_CD = :P7 AND BILL_CLF = :P8 AND STRT_NO = :P9"),
                QVariantList(values) << m_oldBank << m_oldClf << m_oldStrtNo);
    }
    tx.commit();
    cdsMain->setValue(QStringLiteral("RCP_DT"), day);
    cdsMain->setValue(QStringLiteral("STRT_NO"), strtNo);
    cdsMain->setValue(QStringLiteral("RCP_SHT"), count);
    cdsMain->setValue(QStringLiteral("USE_SHT"), 0);
    cdsMain->setValue(QStringLiteral("REMN_SHT"), count);
    cdsMain->post();
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVFI050::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    if (State == stBrowse && cdsMain->isOpen() && !cdsMain->isEmpty())
        showCurrentRow();
}

void TfrmVFI050::DoDelete()
{
    if (usedForms() > 0) {
        MsgBox(QStringLiteral("이미 사용된 어음이나 수표가 있으므로 삭제할 수 없습니다."), QStringLiteral("입력오류"),
               DialogService::Information);
        Done = true;
        return;
    }
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?"))) {
        Done = true;
        return;
    }
    const QVariantList key{cdsMain->fieldAsString(QStringLiteral("BILL_CLF")),
                           cdsMain->fieldAsString(QStringLiteral("FIN_INST_CD")),
                           cdsMain->fieldAsString(QStringLiteral("STRT_NO"))};
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("DELETE FROM VF060MS WHERE BILL_CLF = :P0 AND FIN_INST_CD = :P1 AND STRT_NO = :P2"), key);
    ExecSql(QStringLiteral("DELETE FROM VF050MS WHERE BILL_CLF = :P0 AND FIN_INST_CD = :P1 AND STRT_NO = :P2"), key);
    tx.commit();
    cdsMain->deleteRecord();
    RecordCount = cdsMain->recordCount();
    Done = true;
}
