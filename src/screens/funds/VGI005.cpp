#include "screens/funds/VGI005.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/master/MasterCommon.h"
#include <QLineEdit>

TfrmVGI005::TfrmVGI005(QWidget* parent) : TfrmZQI030(QStringLiteral("VGI005"), parent)
{
    setWindowTitle(QStringLiteral("자금코드 등록(VGI005)"));
    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain,
                                  {GridColumn(QStringLiteral("FND_USG_CD"), QStringLiteral("자금코드"), 80),
                                   GridColumn(QStringLiteral("FND_USG_NM"), QStringLiteral("자금코드 명"), 240)});
    edtFndUsgCd = Form::NewEdit(panInput, QStringLiteral("edtFND_USG_CD"), 4);
    edtFndUsgNm = Form::NewEdit(panInput, QStringLiteral("edtFND_USG_NM"), 50);
    Form::Grid{
        {Form::Field(QStringLiteral("자금코드"), edtFndUsgCd)},
        {Form::Field(QStringLiteral("자금코드명"), edtFndUsgNm)},
    }.stretchRow(2).margins(6).attachTo(panInput);
    bbtPrint->hide();
    bbtPreview->hide();
    bbtExcel->hide();
    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVGI005::rowChange);
}

void TfrmVGI005::DoSearch()
{
    cdsMain->open(QStringLiteral("SELECT FND_USG_CD, FND_USG_NM FROM VG005MS ORDER BY FND_USG_CD"));
    RecordCount = cdsMain->recordCount();
    rowChange();
    RefreshButtons();
}

void TfrmVGI005::rowChange()
{
    if (State != stBrowse || !cdsMain->isOpen())
        return;
    edtFndUsgCd->setText(cdsMain->fieldAsString(QStringLiteral("FND_USG_CD")));
    edtFndUsgNm->setText(cdsMain->fieldAsString(QStringLiteral("FND_USG_NM")));
}

void TfrmVGI005::AfterNew()
{
    if (!cdsMain->isOpen())
        DoSearch();
    cdsMain->append();
    edtFndUsgCd->clear();
    edtFndUsgNm->clear();
    MasterUi::SetKeyLocked(edtFndUsgCd, false);
    edtFndUsgCd->setFocus();
}

void TfrmVGI005::AfterEdit()
{
    cdsMain->edit();
    MasterUi::SetKeyLocked(edtFndUsgCd, true);
    edtFndUsgNm->setFocus();
}

void TfrmVGI005::DoSave()
{
    const QString caption = QStringLiteral("입력오류");
    const QString code = State == stEdit ? cdsMain->fieldAsString(QStringLiteral("FND_USG_CD")) : edtFndUsgCd->text().trimmed();
    const QString name = edtFndUsgNm->text().trimmed();
    if (code.isEmpty()) {
        MsgBox(QStringLiteral("자금코드가 입력되지 않았습니다."), caption, 1);
        edtFndUsgCd->setFocus();
        return;
    }
    if (name.isEmpty()) {
        MsgBox(QStringLiteral("자금코드명이 입력되지 않았습니다."), caption, 1);
        edtFndUsgNm->setFocus();
        return;
    }
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    if (State == stInsert)
        ExecSql(QStringLiteral("INSERT INTO VG005MS (FND_USG_CD, FND_USG_NM, U_DATE, U_IP, U_EMP_NO)\n"
                               "VALUES (:P0, :P1, LOCALTIMESTAMP(0), :P2, :P3)"),
                {code, name, Session::workstationIp, Session::empNo});
    else
        ExecSql(QStringLiteral("UPDATE VG005MS SET FND_USG_NM = :P1, U_DATE = LOCALTIMESTAMP(0), U_IP = :P2, U_EMP_NO = :P3\n"
                               " WHERE FND_USG_CD = :P0"),
                {code, name, Session::workstationIp, Session::empNo});
    tx.commit();
    cdsMain->setValue(QStringLiteral("FND_USG_CD"), code);
    cdsMain->setValue(QStringLiteral("FND_USG_NM"), name);
    cdsMain->post();
    MasterUi::SetKeyLocked(edtFndUsgCd, false);
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVGI005::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    MasterUi::SetKeyLocked(edtFndUsgCd, false);
    rowChange();
}

void TfrmVGI005::DoDelete()
{
    if (cdsMain->isOpen() && !cdsMain->isEmpty() && AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?"))) {
        SharedTransaction& tx = SharedTransaction::instance();
        tx.start();
        ExecSql(QStringLiteral("DELETE FROM VG005MS WHERE FND_USG_CD = :P0"), {cdsMain->fieldAsString(QStringLiteral("FND_USG_CD"))});
        tx.commit();
        cdsMain->deleteRecord();
        RecordCount = cdsMain->recordCount();
        rowChange();
    }
    Done = true;
}
