#include "screens/notes/VFI060.h"
#include "common/DialogService.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/notes/NoteCommon.h"
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The states a blank form may be given here, with the names the list shows.
const QList<std::pair<QString, QString>> kStates = {
    {"0", "미처리"}, {"2", "견질"}, {"3", "폐기"}, {"4", "예금인출(횡선)"}};

}  // namespace

TfrmVFI060::TfrmVFI060(QWidget* parent) : TfrmZQI030(QStringLiteral("VFI060"), parent)
{
    setWindowTitle(QStringLiteral("미발행 어음/수표 처리(VFI060)"));
    // The choices are boxed: the strip is as tall as a box.
    panSearch->setFixedHeight(52);

    QList<QRadioButton*> kinds;
    QGroupBox* kind = Form::NewRadioGroup(panSearch, QString(), {{"rdoNote", "어음"}, {"rdoCheque", "수표"}}, &kinds);
    rdoNote = kinds.at(0);
    rdoCheque = kinds.at(1);
    edtFinInstCd = Form::NewEdit(panSearch, QStringLiteral("edtFinInstCd"), 10);
    edtFinInstCd->setFixedWidth(90);
    edtFinInstNm = NoteUi::NewNameField(panSearch, QStringLiteral("edtFinInstNm"));
    pbtFinInst = NoteUi::NewBankLookup(panSearch, QStringLiteral("pbtFinInst"), edtFinInstCd, edtFinInstNm);
    edtSBillNo = Form::NewEdit(panSearch, QStringLiteral("edtSBillNo"), 15);
    edtEBillNo = Form::NewEdit(panSearch, QStringLiteral("edtEBillNo"), 15);
    edtSBillNo->setFixedWidth(100);
    edtEBillNo->setFixedWidth(100);
    Form::Row{Form::Field(QStringLiteral("어음구분"), kind), Form::Field(QStringLiteral("금융기관"), edtFinInstCd),
              pbtFinInst, edtFinInstNm, Form::Field(QStringLiteral("어음번호"), edtSBillNo),
              Form::Label(QStringLiteral("~")), edtEBillNo, Form::Stretch()}
        .attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("BILL_NO"), QStringLiteral("어음번호"), 110),
        GridColumn(QStringLiteral("RCP_DT"), QStringLiteral("수령일자"), 90),
        GridColumn(QStringLiteral("BILL_PROC_NM"), QStringLiteral("처리구분"), 100),
        GridColumn(QStringLiteral("BILL_PROC_DT"), QStringLiteral("처리일자"), 90),
    });

    edtBillNo = NoteUi::NewNameField(panInput, QStringLiteral("edtBillNo"), 140);
    edtBillClf = NoteUi::NewNameField(panInput, QStringLiteral("edtBillClf"), 60);
    edtBankNm = NoteUi::NewNameField(panInput, QStringLiteral("edtBankNm"), 180);
    cboProcCd = new QComboBox(panInput);
    cboProcCd->setObjectName(QStringLiteral("cboProcCd"));
    for (const auto& [code, name] : kStates)
        cboProcCd->addItem(name, code);
    edtProcDt = Form::NewEdit(panInput, QStringLiteral("edtProcDt"), 10);
    edtProcDt->setFixedWidth(100);
    edtRmks = Form::NewEdit(panInput, QStringLiteral("edtRmks"), 100);
    Form::Grid{
        {Form::Field(QStringLiteral("어음번호"), edtBillNo)},
        {Form::Field(QStringLiteral("어음구분"), edtBillClf)},
        {Form::Field(QStringLiteral("지급은행"), edtBankNm)},
        {Form::Field(QStringLiteral("처리구분"), cboProcCd)},
        {Form::Field(QStringLiteral("처리일자"), edtProcDt)},
        {Form::Field(QStringLiteral("참고사항"), edtRmks)},
        {Form::Empty()},
    }.stretchColumn(1).stretchRow(6).margins(8).attachTo(panInput);

    for (QPushButton* b : {bbtAdd, bbtDelete, bbtPrint, bbtPreview, bbtExcel})
        b->hide();
    connect(cdsMain, &RecordSet::afterScroll, this, [this] {
        if (State == stBrowse && cdsMain->isOpen() && !cdsMain->isEmpty())
            showCurrentRow();
    });
    connect(cboProcCd, &QComboBox::activated, this, [this] {
        if (State != stEdit)
            return;
        const QString name = cboProcCd->currentText();
        cdsMain->setValue(QStringLiteral("BILL_PROC_NM"), name.section(QLatin1Char('('), 0, 0));
    });
}

void TfrmVFI060::FieldExit(QWidget* control)
{
    TfrmZQI030::FieldExit(control);
    if (control == edtFinInstCd)
        NoteUi::lookUpTyped(pbtFinInst, edtFinInstCd, edtFinInstNm);
}

void TfrmVFI060::DoSearch()
{
    if (edtFinInstCd->text().trimmed().isEmpty() || edtFinInstNm->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("금융기관을 선택하세요.!"), QStringLiteral("입력오류"), DialogService::Information);
        edtFinInstCd->setFocus();
        State = cdsMain->isOpen() ? stBrowse : stNone;
        RefreshButtons();
        return;
    }
    QString sql = QStringLiteral("SELECT A.BILL_CLF, A.BILL_NO, A.RCP_DT, A.FIN_INST_CD, A.STRT_NO, A.BILL_PROC_CD,\n"
                                 "       %1 BILL_PROC_NM, A.BILL_PROC_DT, A.RMKS, B.C_NAME FIN_INST_NM\n"
                                 "  FROM VF060MS A JOIN VA050MS B ON B.C_CODE = A.FIN_INST_CD AND B.C_KIND = '03'\n"
                                 " WHERE A.BILL_CLF = :P0 AND A.FIN_INST_CD = :P1\n"
                                 "   AND A.BILL_PROC_CD NOT IN ('1', '5', '6')\n")
                      .arg(NoteUi::formStateSql(QStringLiteral("A.BILL_PROC_CD")));
    QVariantList params{rdoCheque->isChecked() ? QStringLiteral("2") : QStringLiteral("1"), edtFinInstCd->text().trimmed()};
    if (!edtSBillNo->text().trimmed().isEmpty() && !edtEBillNo->text().trimmed().isEmpty()) {
        sql += QStringLiteral("   AND A.BILL_NO BETWEEN :P2 AND :P3\n");
        params << edtSBillNo->text().trimmed() << edtEBillNo->text().trimmed();
    }
    cdsMain->open(sql + QStringLiteral(" ORDER BY A.BILL_NO, A.RCP_DT"), params);
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
    if (!cdsMain->isEmpty())
        showCurrentRow();
}

void TfrmVFI060::showCurrentRow()
{
    edtBillNo->setText(cdsMain->fieldAsString(QStringLiteral("BILL_NO")));
    edtBillClf->setText(cdsMain->fieldAsString(QStringLiteral("BILL_CLF")) == QLatin1String("2") ? QStringLiteral("수표")
                                                                                                  : QStringLiteral("어음"));
    edtBankNm->setText(cdsMain->fieldAsString(QStringLiteral("FIN_INST_NM")));
    const int index = cboProcCd->findData(cdsMain->fieldAsString(QStringLiteral("BILL_PROC_CD")));
    cboProcCd->setCurrentIndex(index < 0 ? 0 : index);
    edtProcDt->setText(cdsMain->fieldAsString(QStringLiteral("BILL_PROC_DT")));
    edtRmks->setText(cdsMain->fieldAsString(QStringLiteral("RMKS")));
}

void TfrmVFI060::AfterEdit()
{
    cdsMain->edit();
    m_oldClf = cdsMain->fieldAsString(QStringLiteral("BILL_CLF"));
    m_oldBillNo = cdsMain->fieldAsString(QStringLiteral("BILL_NO"));
    cboProcCd->setFocus();
}

void TfrmVFI060::DoSave()
{
    const QString state = cboProcCd->currentData().toString();
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    // The form may have been issued by a slip since it was listed.
    const int changed = ExecSql(QStringLiteral("UPDATE VF060MS SET BILL_PROC_CD = :P0, BILL_PROC_DT = :P1, RMKS = :P2,\n"
                                               "       U_DATE = LOCALTIMESTAMP(0), U_EMP_NO = :P3, U_IP = :P4\n"
                                               " WHERE BILL_CLF = :P5 AND BILL_NO = :P6 AND BILL_PROC_CD NOT IN ('1', '5', '6')"),
                                {state, edtProcDt->text().trimmed(), edtRmks->text().trimmed(), Session::empNo,
                                 Session::workstationIp, m_oldClf, m_oldBillNo});
    if (changed != 1) {
        tx.rollback();
        ShowError(QStringLiteral("다른 사용자가 이미 발행하였거나 결제한 어음/수표입니다.(") + m_oldBillNo
                  + QStringLiteral(")\r다시 조회하세요."));
        return;
    }
    tx.commit();
    cdsMain->setValue(QStringLiteral("BILL_PROC_CD"), state);
    cdsMain->setValue(QStringLiteral("BILL_PROC_NM"), cboProcCd->currentText().section(QLatin1Char('('), 0, 0));
    cdsMain->setValue(QStringLiteral("BILL_PROC_DT"), edtProcDt->text().trimmed());
    cdsMain->setValue(QStringLiteral("RMKS"), edtRmks->text().trimmed());
    cdsMain->post();
    Done = true;
}

void TfrmVFI060::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    if (State == stBrowse && cdsMain->isOpen() && !cdsMain->isEmpty())
        showCurrentRow();
}
