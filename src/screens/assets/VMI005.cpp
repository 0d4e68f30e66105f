#include "screens/assets/VMI005.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/assets/AssetCommon.h"
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

TfrmVMI005::TfrmVMI005(QWidget* parent) : TfrmZQI030(QStringLiteral("VMI005"), parent)
{
    setWindowTitle(QStringLiteral("품목코드 등록(VMI005)"));
    for (QPushButton* b : {bbtExcel, bbtPrint, bbtPreview})
        b->hide();
    Form::Row{Form::Label(QStringLiteral("품목분류 코드를 등록합니다.")), Form::Stretch()}.attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("VSFXSTM"), QStringLiteral("품목코드"), 90),
        GridColumn(QStringLiteral("VSFXSNM"), QStringLiteral("품 목 명"), 260),
        GridColumn(QStringLiteral("USE_YN"), QStringLiteral("사용여부"), 70),
    });

    edtVSFXSTM = Form::NewEdit(panInput, QStringLiteral("edtVSFXSTM"), 10);
    edtVSFXSNM = Form::NewEdit(panInput, QStringLiteral("edtVSFXSNM"), 60);
    cmbUSE_YN = new QComboBox(panInput);
    cmbUSE_YN->setObjectName(QStringLiteral("cmbUSE_YN"));
    cmbUSE_YN->addItems({QStringLiteral("Y"), QStringLiteral("N")});
    Form::Grid{
        {Form::Field(QStringLiteral("품목코드"), edtVSFXSTM)},
        {Form::Field(QStringLiteral("품 목 명"), edtVSFXSNM)},
        {Form::Field(QStringLiteral("사용여부"), Form::Row{cmbUSE_YN, Form::Label(QStringLiteral("[Y: 사용, N: 미사용]")),
                                                       Form::Stretch()})},
    }
        .stretchColumn(1)
        .stretchRow(3)
        .margins(8)
        .attachTo(panInput);
    connect(cdsMain, &RecordSet::afterScroll, this, [this] {
        if (State == stBrowse)
            showCurrent();
    });
}

void TfrmVMI005::DoSearch()
{
    cdsMain->open(QStringLiteral("SELECT VSFXSTM, VSFXSNM, USE_YN FROM VM007MS ORDER BY VSFXSTM"));
    RecordCount = cdsMain->recordCount();
    showCurrent();
    RefreshButtons();
}

void TfrmVMI005::showCurrent()
{
    const bool row = cdsMain->isOpen() && !cdsMain->isEmpty();
    edtVSFXSTM->setText(row ? cdsMain->fieldAsString(QStringLiteral("VSFXSTM")) : QString());
    edtVSFXSNM->setText(row ? cdsMain->fieldAsString(QStringLiteral("VSFXSNM")) : QString());
    cmbUSE_YN->setCurrentIndex(row && cdsMain->fieldAsString(QStringLiteral("USE_YN")) == QLatin1String("N") ? 1 : 0);
}

void TfrmVMI005::AfterNew()
{
    cdsMain->append();
    cdsMain->setValue(QStringLiteral("USE_YN"), QStringLiteral("Y"));
    m_key.clear();
    edtVSFXSTM->clear();
    edtVSFXSNM->clear();
    cmbUSE_YN->setCurrentIndex(0);
    edtVSFXSTM->setFocus();
}

void TfrmVMI005::AfterEdit()
{
    m_key = cdsMain->fieldAsString(QStringLiteral("VSFXSTM"));
    cdsMain->edit();
    edtVSFXSNM->setFocus();
}

void TfrmVMI005::DoSave()
{
    const QString code = edtVSFXSTM->text().trimmed();
    const QString name = edtVSFXSNM->text().trimmed();
    if (code.isEmpty()) {
        AssetUi::InputError(QStringLiteral("품목코드를 입력하세요"), edtVSFXSTM);
        return;
    }
    if (name.isEmpty()) {
        AssetUi::InputError(QStringLiteral("품목명을 입력하세요"), edtVSFXSNM);
        return;
    }
    const QString use = cmbUSE_YN->currentText();
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    if (State == stInsert)
        ExecSql(QStringLiteral("INSERT INTO VM007MS (VSFXSTM, VSFXSNM, USE_YN, U_EMP_NO, U_DATE, U_IP)\n"
                               "VALUES (:P0, :P1, :P2, :P3, LOCALTIMESTAMP(0), :P4)"),
                {code, name, use, Session::empNo, Session::workstationIp});
    else
        ExecSql(QStringLiteral("UPDATE VM007MS SET VSFXSTM = :P0, VSFXSNM = :P1, USE_YN = :P2, U_EMP_NO = :P3,\n"
                               "       U_DATE = LOCALTIMESTAMP(0), U_IP = :P4\n"
                               " WHERE VSFXSTM = :P5"),
                {code, name, use, Session::empNo, Session::workstationIp, m_key});
    tx.commit();
    cdsMain->setValue(QStringLiteral("VSFXSTM"), code);
    cdsMain->setValue(QStringLiteral("VSFXSNM"), name);
    cdsMain->setValue(QStringLiteral("USE_YN"), use);
    cdsMain->post();
    m_key = code;
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVMI005::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    showCurrent();
}

void TfrmVMI005::DoDelete()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return;
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("DELETE FROM VM007MS WHERE VSFXSTM = :P0"), {cdsMain->fieldAsString(QStringLiteral("VSFXSTM"))});
    tx.commit();
    cdsMain->deleteRecord();
    RecordCount = cdsMain->recordCount();
    showCurrent();
    Done = true;
}
