#include "screens/master/VAI024.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/master/MasterCommon.h"
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace MasterUi;

TfrmVAI024::TfrmVAI024(QWidget* parent) : TfrmZQI020(QStringLiteral("VAI024"), parent)
{
    setWindowTitle(QStringLiteral("frmVAI024(제무재표 등록)"));
    Edit_BUDG_CODE = Form::NewEdit(panSearch, QStringLiteral("Edit_BUDG_CODE"), 10);
    Form::Row{Form::Field(QStringLiteral("제무재표 코드"), Edit_BUDG_CODE), Form::Stretch()}.attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("BUDG_ACCT"), QStringLiteral("코드관리"), 80),
        GridColumn(QStringLiteral("BUDG_NAME"), QStringLiteral("제무재표명"), 180),
        GridColumn(QStringLiteral("BUDG_UPCD"), QStringLiteral("상위과목코드"), 90),
        GridColumn(QStringLiteral("USER_YN"), QStringLiteral("사용여부"), 60),
        GridColumn(QStringLiteral("ZIP_YN"), QStringLiteral("집계과목여부"), 80),
    });

    edtBudgAcct = Form::NewEdit(panInput, QStringLiteral("edtBudgAcct"), 10);
    edtBudgName = Form::NewEdit(panInput, QStringLiteral("edtBudgName"), 60);
    edtBudgUpcd = Form::NewEdit(panInput, QStringLiteral("edtBudgUpcd"), 10);
    chkUserYn = new QCheckBox(QStringLiteral("사용여부"));
    chkUserYn->setObjectName(QStringLiteral("chkUserYn"));
    chkZipYn = new QCheckBox(QStringLiteral("굵은선 표시"));
    chkZipYn->setObjectName(QStringLiteral("chkZipYn"));
    QGroupBox* lineGroup = Form::NewRadioGroup(panInput, QStringLiteral("라인구분"),
                                               {{QStringLiteral("rdoLine0"), QStringLiteral("없음")},
                                                {QStringLiteral("rdoLine1"), QStringLiteral("한줄")},
                                                {QStringLiteral("rdoLine2"), QStringLiteral("두줄")}},
                                               &rdoLine);
    QGroupBox* budgGroup = Form::NewRadioGroup(panInput, QStringLiteral("입력자료여부"),
                                               {{QStringLiteral("rdoBudgN"), QStringLiteral("N")},
                                                {QStringLiteral("rdoBudgY"), QStringLiteral("Y")}},
                                               &rdoBudgYn);
    Form::Grid{
        {Form::Field(QStringLiteral("관리 코드"), edtBudgAcct)},
        {Form::Field(QStringLiteral("제무재표명"), edtBudgName)},
        {Form::Field(QStringLiteral("상위과목코드"), edtBudgUpcd)},
        {Form::Span(2, Form::Row{chkUserYn, chkZipYn, Form::Stretch()})},
        {Form::Span(2, lineGroup)},
        {Form::Span(2, budgGroup)},
    }.stretchRow(6).margins(6).attachTo(panInput);

    bbtExcel->hide();
    bbtPrint->hide();
    bbtPreview->hide();
    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVAI024::rowChange);
}

void TfrmVAI024::DoSearch()
{
    cdsMain->open(QStringLiteral("SELECT BUDG_ACCT, BUDG_NAME, BUDG_UPCD, USER_YN, ZIP_YN, LINE_GUBUN, BUDG_YN\n"
                                 "  FROM VA024MS\n"
                                 " WHERE BUDG_ACCT LIKE COALESCE(:P0, '') || '%'\n"
                                 " ORDER BY BUDG_ACCT"),
                  {Edit_BUDG_CODE->text().trimmed()});
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
    rdgMain->setFocus();
}

void TfrmVAI024::rowChange()
{
    if (!cdsMain->isOpen() || (State != stBrowse && State != stNone))
        return;
    const auto text = [this](const char* f) { return cdsMain->isEmpty() ? QString() : cdsMain->fieldAsString(QLatin1String(f)).trimmed(); };
    edtBudgAcct->setText(text("BUDG_ACCT"));
    edtBudgName->setText(text("BUDG_NAME"));
    edtBudgUpcd->setText(text("BUDG_UPCD"));
    chkUserYn->setChecked(text("USER_YN") == QLatin1String("Y"));
    chkZipYn->setChecked(text("ZIP_YN") == QLatin1String("Y"));
    const int line = text("LINE_GUBUN").toInt();
    rdoLine.at(line >= 0 && line <= 2 ? line : 0)->setChecked(true);
    rdoBudgYn.at(text("BUDG_YN") == QLatin1String("Y") ? 1 : 0)->setChecked(true);
}

void TfrmVAI024::AfterNew()
{
    cdsMain->append();
    ClearTextFields(panInput);
    chkUserYn->setChecked(true);
    chkZipYn->setChecked(false);
    rdoLine.at(0)->setChecked(true);
    rdoBudgYn.at(0)->setChecked(true);
    m_key.clear();
    edtBudgAcct->setFocus();
}

void TfrmVAI024::AfterEdit()
{
    cdsMain->edit();
    m_key = cdsMain->fieldAsString(QStringLiteral("BUDG_ACCT")).trimmed();
    edtBudgAcct->setFocus();
}

void TfrmVAI024::DoSave()
{
    const QString code = edtBudgAcct->text().trimmed();
    if (code.isEmpty()) {
        ShowError(QStringLiteral("제무재표 코드을 입력하세요"));
        edtBudgAcct->setFocus();
        return;
    }
    QString line = QStringLiteral("0");
    for (int i = 0; i < rdoLine.size(); ++i)
        if (rdoLine.at(i)->isChecked())
            line = QString::number(i);
    const QVariantList values{code,
                              edtBudgName->text().trimmed(),
                              edtBudgUpcd->text().trimmed(),
                              chkUserYn->isChecked() ? QStringLiteral("Y") : QStringLiteral("N"),
                              chkZipYn->isChecked() ? QStringLiteral("Y") : QStringLiteral("N"),
                              line,
                              rdoBudgYn.at(1)->isChecked() ? QStringLiteral("Y") : QStringLiteral("N")};
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    QVariantList params = values;
    params << Session::empNo << Session::workstationIp;
    if (State == stInsert) {
        ExecSql(QStringLiteral("INSERT INTO VA024MS (BUDG_ACCT, BUDG_NAME, BUDG_UPCD, USER_YN, ZIP_YN, LINE_GUBUN, BUDG_YN,\n"
                               "                     U_EMP_NO, U_DATE, U_IP)\n"
                               "VALUES (:P0, :P1, :P2, :P3, :P4, :P5, :P6, :P7, LOCALTIMESTAMP(0), :P8)"),
                params);
    } else {
        params << m_key;
        ExecSql(QStringLiteral("UPDATE VA024MS\n"
                               "   SET BUDG_ACCT = :P0, BUDG_NAME = :P1, BUDG_UPCD = :P2, USER_YN = :P3, ZIP_YN = :P4,\n"
                               "       LINE_GUBUN = :P5, BUDG_YN = :P6, U_EMP_NO = :P7, U_DATE = LOCALTIMESTAMP(0), U_IP = :P8\n"
                               " WHERE BUDG_ACCT = :P9"),
                params);
    }
    tx.commit();
    m_key = code;
    static const char* const fields[] = {"BUDG_ACCT", "BUDG_NAME", "BUDG_UPCD", "USER_YN", "ZIP_YN", "LINE_GUBUN", "BUDG_YN"};
    for (int i = 0; i < 7; ++i)
        cdsMain->setValue(QLatin1String(fields[i]), values.at(i));
    cdsMain->post();
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVAI024::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    rowChange();
}

void TfrmVAI024::DoDelete()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return;
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    // The item's account assignments stay: an item of the same code takes
    // them up again.
    ExecSql(QStringLiteral("DELETE FROM VA024MS WHERE BUDG_ACCT = :P0"), {cdsMain->fieldAsString(QStringLiteral("BUDG_ACCT"))});
    tx.commit();
    cdsMain->deleteRecord();
    RecordCount = cdsMain->recordCount();
    Done = true;
}
