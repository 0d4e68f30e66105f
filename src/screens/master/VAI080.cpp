#include "screens/master/VAI080.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/master/MasterCommon.h"
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

using namespace MasterUi;

TfrmVAI080::TfrmVAI080(QWidget* parent) : TfrmZQI020(QStringLiteral("VAI080"), parent)
{
    setWindowTitle(QStringLiteral("영업수지기초코드(VAI080)"));
    cboKind = new QComboBox;
    cboKind->setObjectName(QStringLiteral("cboKind"));
    cboKind->addItems({QString(), QStringLiteral("지출구분"), QStringLiteral("대분류"), QStringLiteral("중분류"),
                       QStringLiteral("소분류"), QStringLiteral("세부항목1"), QStringLiteral("세부항목2")});
    Form::Row{Form::Field(QStringLiteral("코드구분"), cboKind), Form::Stretch()}.attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {GridColumn(QStringLiteral("GUBUN_CODE"), QStringLiteral("계정코드"), 110),
                                                     GridColumn(QStringLiteral("GUBUN_NAME"), QStringLiteral("코드명"), 220)});
    edtGUBUNCode = Form::NewEdit(panInput, QStringLiteral("edtGUBUNCode"), 12);
    edtGUBUNNAME = Form::NewEdit(panInput, QStringLiteral("edtGUBUNNAME"), 60);
    Form::Grid{
        {Form::Field(QStringLiteral("코   드"), edtGUBUNCode)},
        {Form::Field(QStringLiteral("코 드 명"), edtGUBUNNAME)},
    }.stretchRow(2).margins(6).attachTo(panInput);

    bbtPrint->hide();
    bbtPreview->hide();
    bbtExcel->hide();
    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVAI080::rowChange);
}

void TfrmVAI080::DoSearch()
{
    QString sql = QStringLiteral("SELECT GUBUN_CODE, GUBUN_NAME FROM VX011MS WHERE 1 = 1\n");
    QVariantList params;
    if (const int kind = cboKind->currentIndex(); kind > 0) {
        params << 2 * kind;
        sql += QStringLiteral("   AND LENGTH(GUBUN_CODE) = :P0\n");
    }
    sql += QStringLiteral(" ORDER BY GUBUN_CODE");
    cdsMain->open(sql, params);
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
    rdgMain->setFocus();
}

void TfrmVAI080::rowChange()
{
    if (State != stBrowse || !cdsMain->isOpen())
        return;
    edtGUBUNCode->setText(cdsMain->isEmpty() ? QString() : cdsMain->fieldAsString(QStringLiteral("GUBUN_CODE")));
    edtGUBUNNAME->setText(cdsMain->isEmpty() ? QString() : cdsMain->fieldAsString(QStringLiteral("GUBUN_NAME")));
}

void TfrmVAI080::AfterNew()
{
    if (!cdsMain->isOpen())
        DoSearch();
    cdsMain->append();
    edtGUBUNCode->clear();
    edtGUBUNNAME->clear();
    SetKeyLocked(edtGUBUNCode, false);
    m_key.clear();
    edtGUBUNCode->setFocus();
}

void TfrmVAI080::AfterEdit()
{
    cdsMain->edit();
    m_key = cdsMain->fieldAsString(QStringLiteral("GUBUN_CODE"));
    // The update keeps the code: only the name changes.
    SetKeyLocked(edtGUBUNCode, true);
    edtGUBUNNAME->setFocus();
}

void TfrmVAI080::DoSave()
{
    const QString caption = QStringLiteral("입력오류");
    const QString code = edtGUBUNCode->text().trimmed();
    const QString name = edtGUBUNNAME->text().trimmed();
    if (code.isEmpty()) {
        MsgBox(QStringLiteral("코드를 반드시 입력하세요"), caption, 1);
        edtGUBUNCode->setFocus();
        return;
    }
    if (name.isEmpty()) {
        MsgBox(QStringLiteral("코드명을 입력하세요"), caption, 1);
        edtGUBUNNAME->setFocus();
        return;
    }
    SharedTransaction& tx = SharedTransaction::instance();
    if (State == stInsert) {
        static const QRegularExpression pairs(QStringLiteral("^([0-9]{2}){1,6}$"));
        if (!pairs.match(code).hasMatch()) {
            MsgBox(QStringLiteral("코드는 2자리씩 2~12자리의 숫자로 입력하세요. [%1]").arg(code), caption, 1);
            edtGUBUNCode->setFocus();
            return;
        }
        if (code.size() > 2
            && RunQueryRow(QStringLiteral("SELECT COUNT(*) FROM VX011MS WHERE GUBUN_CODE = :P0"), {code.left(code.size() - 2)})
                       .value(0)
                       .toInt()
                == 0) {
            MsgBox(QStringLiteral("상위코드 [%1]이(가) 등록되어 있지 않습니다.").arg(code.left(code.size() - 2)), caption, 1);
            edtGUBUNCode->setFocus();
            return;
        }
        tx.start();
        ExecSql(QStringLiteral("INSERT INTO VX011MS (GUBUN_CODE, GUBUN_NAME, U_DATE, U_IP, U_EMP_NO, CODE_LENGTH)\n"
                               "VALUES (:P0, :P1, LOCALTIMESTAMP(0), :P2, :P3, :P4)"),
                {code, name, Session::workstationIp, Session::empNo, QString::number(code.size())});
        m_key = code;
    } else {
        tx.start();
        ExecSql(QStringLiteral("UPDATE VX011MS SET GUBUN_NAME = :P1, CODE_LENGTH = :P4, U_DATE = LOCALTIMESTAMP(0),\n"
                               "       U_IP = :P2, U_EMP_NO = :P3\n"
                               " WHERE GUBUN_CODE = :P0"),
                {m_key, name, Session::workstationIp, Session::empNo, QString::number(m_key.size())});
    }
    tx.commit();
    cdsMain->setValue(QStringLiteral("GUBUN_CODE"), m_key);
    cdsMain->setValue(QStringLiteral("GUBUN_NAME"), name);
    cdsMain->post();
    SetKeyLocked(edtGUBUNCode, false);
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVAI080::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    SetKeyLocked(edtGUBUNCode, false);
    rowChange();
}

void TfrmVAI080::DoDelete()
{
    if (cdsMain->isOpen() && !cdsMain->isEmpty() && AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?"))) {
        SharedTransaction& tx = SharedTransaction::instance();
        tx.start();
        // The chosen row's code, whatever the field shows.
        ExecSql(QStringLiteral("DELETE FROM VX011MS WHERE GUBUN_CODE = :P0"), {cdsMain->fieldAsString(QStringLiteral("GUBUN_CODE"))});
        tx.commit();
        cdsMain->deleteRecord();
        RecordCount = cdsMain->recordCount();
    }
    Done = true;
}
