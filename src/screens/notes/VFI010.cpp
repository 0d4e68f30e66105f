#include "screens/notes/VFI010.h"
#include "common/DialogService.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/TextUtil.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/notes/NoteCommon.h"
#include <QLineEdit>
#include <QPushButton>

namespace {

// Every column of VF010MS but the audit columns, in table order.
const QStringList kColumns = {
    "BILL_NO", "BILL_KD", "BILL_TYPE", "CUST_CD", "ISU_DT", "EXP_DT", "ISUR", "PAY_BANK_CD", "PAY_BANK_NM", "RMKS",
    "BILL_AMT", "COLT_DT", "BILL_PROC_CD", "BILL_PROC_DT", "HOLD_DT", "HOLD_BANK_CD", "RETURN_DT", "RETURN_BANK_CD",
    "ISU_ACC_SH_DT", "ISU_ACC_SH_NO", "ISU_ACC_SH_SQ", "STL_ACC_SH_DT", "STL_ACC_SH_NO", "STL_ACC_SH_SQ",
    "DISC_ACC_SH_DT", "DISC_ACC_SH_NO", "DISC_ACC_SH_SQ", "CHN_ACC_SH_DT", "CHN_ACC_SH_NO", "CHN_ACC_SH_SQ",
    "BAD_ACC_SH_DT", "BAD_ACC_SH_NO", "BAD_ACC_SH_SQ", "BAD_ACC_SH_ACCD", "BAD_ACC_SH_ACC1", "BAD_ACC_SH_ACC2",
    "BAD_ACC_SH_ACC3", "DISC_SLT_DT", "DISC_CFM_DT", "DISC_BANK_CD", "DISC_RATE", "DISC_TERM", "DISC_COLL_AMT",
    "DISC_CHARGE", "DISC_IN_BANK_CD", "DISC_DISP_AMT"};

const QStringList kDateColumns = {"ISU_DT", "EXP_DT", "COLT_DT", "BILL_PROC_DT", "HOLD_DT", "RETURN_DT",
                                  "ISU_ACC_SH_DT", "STL_ACC_SH_DT", "DISC_ACC_SH_DT", "CHN_ACC_SH_DT",
                                  "BAD_ACC_SH_DT", "DISC_SLT_DT", "DISC_CFM_DT"};

QString listSql()
{
    QStringList columns;
    for (const QString& c : kColumns)
        columns << (kDateColumns.contains(c) ? QStringLiteral("TO_CHAR(T1.%1, 'YYYY-MM-DD') %1").arg(c)
                                             : QStringLiteral("T1.") + c);
    return QStringLiteral("SELECT ") + columns.join(QStringLiteral(", "))
        + QStringLiteral(",\n       T2.CUST_KNM, T3.DISC_BANK_NM, T4.DISC_IN_BANK_NM\n"
                         "  FROM VF010MS T1\n"
                         "  LEFT JOIN (SELECT C_CODE, C_NAME CUST_KNM FROM VA050MS WHERE C_KIND = '01') T2 ON T2.C_CODE = T1.CUST_CD\n"
                         "  LEFT JOIN (SELECT C_CODE, C_NAME DISC_BANK_NM FROM VA050MS WHERE C_KIND = '03') T3 ON T3.C_CODE = T1.DISC_BANK_CD\n"
                         "  LEFT JOIN (SELECT C_CODE, C_NAME DISC_IN_BANK_NM FROM VA050MS WHERE C_KIND = '03') T4 ON T4.C_CODE = T1.DISC_IN_BANK_CD\n");
}

// The value a column is written with: dates and numbers cast from the text.
QString placeholder(const QString& column, int n)
{
    if (kDateColumns.contains(column))
        return QStringLiteral("CAST(:P%1 AS DATE)").arg(n);
    static const QStringList numbers = {"BILL_AMT", "ISU_ACC_SH_SQ", "STL_ACC_SH_SQ", "DISC_ACC_SH_SQ", "CHN_ACC_SH_SQ",
                                        "BAD_ACC_SH_SQ", "DISC_RATE", "DISC_TERM", "DISC_COLL_AMT", "DISC_CHARGE",
                                        "DISC_DISP_AMT"};
    if (numbers.contains(column))
        return QStringLiteral("CAST(:P%1 AS NUMERIC)").arg(n);
    return QStringLiteral(":P%1").arg(n);
}

}  // namespace

TfrmVFI010::TfrmVFI010(QWidget* parent) : TfrmZQI030(QStringLiteral("VFI010"), parent)
{
    setWindowTitle(QStringLiteral("받을어음 등록(VFI010)"));

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("EXP_DT"), QStringLiteral("만기일자"), 90),
        GridColumn(QStringLiteral("CUST_KNM"), QStringLiteral("거 래 처"), 180),
        GridColumn(QStringLiteral("BILL_NO"), QStringLiteral("어음번호"), 120),
    });

    const auto edit = [this](const char* name, int length, int width = 100) {
        QLineEdit* e = Form::NewEdit(panInput, QLatin1String(name), length);
        e->setFixedWidth(width);
        return e;
    };
    edtBillNo = edit("edtBillNo", 12, 120);
    edtBillKd = edit("edtBillKd", 1, 30);
    edtBillType = edit("edtBillType", 1, 30);
    edtCustCd = edit("edtCustCd", 10, 90);
    edtCustNm = NoteUi::NewNameField(panInput, QStringLiteral("edtCustNm"), 150);
    edtIsuDt = edit("edtIsuDt", 10, 90);
    edtExpDt = edit("edtExpDt", 10, 90);
    edtBillAmt = edit("edtBillAmt", 14, 120);
    edtBillAmt->setAlignment(Qt::AlignRight);
    edtIsur = edit("edtIsur", 40, 250);
    edtColtDt = edit("edtColtDt", 10, 90);
    edtPayBankCd = edit("edtPayBankCd", 10, 90);
    edtPayBankNm = NoteUi::NewNameField(panInput, QStringLiteral("edtPayBankNm"), 150);
    edtProcCd = edit("edtProcCd", 1, 30);
    edtDiscSltDt = edit("edtDiscSltDt", 10, 90);
    edtDiscBankCd = edit("edtDiscBankCd", 10, 90);
    edtDiscBankNm = NoteUi::NewNameField(panInput, QStringLiteral("edtDiscBankNm"), 150);
    edtDiscRate = edit("edtDiscRate", 7, 70);
    edtDiscCollAmt = edit("edtDiscCollAmt", 11, 100);
    edtDiscInBankCd = edit("edtDiscInBankCd", 10, 90);
    edtDiscInBankNm = NoteUi::NewNameField(panInput, QStringLiteral("edtDiscInBankNm"), 150);
    edtDiscTerm = edit("edtDiscTerm", 3, 50);
    edtDiscCharge = edit("edtDiscCharge", 11, 100);
    edtDiscDispAmt = edit("edtDiscDispAmt", 11, 100);
    for (QLineEdit* amount : {edtDiscRate, edtDiscCollAmt, edtDiscTerm, edtDiscCharge, edtDiscDispAmt})
        amount->setAlignment(Qt::AlignRight);

    pbtCustCd = NoteUi::NewCustomerLookup(panInput, QStringLiteral("pbtCustCd"), edtCustCd, edtCustNm);
    pbtCustCd->setSql(QStringLiteral("SELECT C_CODE, C_NAME, BOSS_NAME, C_ITEM, C_TYPE, C_NUM\n  FROM VA050MS\n ORDER BY C_CODE"));
    pbtCustCd->setLinkSql(QStringLiteral("SELECT C_CODE, C_NAME, BOSS_NAME, C_ITEM, C_TYPE, C_NUM\n  FROM VA050MS\n"
                                         " WHERE (C_CODE LIKE :cd OR C_NAME LIKE '%' || :cd)\n ORDER BY C_CODE"));
    pbtCustCd->setColumnTitles({QStringLiteral("거래처코드"), QStringLiteral("거래처명"), QStringLiteral("대표자명"),
                                QStringLiteral("업  종"), QStringLiteral("업  태"), QStringLiteral("사업자번호")});
    pbtCustCd->setColumnWidths({QStringLiteral("8"), QStringLiteral("20"), QStringLiteral("10"), QStringLiteral("12"),
                                QStringLiteral("12"), QStringLiteral("10")});
    pbtPayBankCd = NoteUi::NewBankLookup(panInput, QStringLiteral("pbtPayBankCd"), edtPayBankCd, edtPayBankNm);
    pbtDiscBankCd = NoteUi::NewBankLookup(panInput, QStringLiteral("pbtDiscBankCd"), edtDiscBankCd, edtDiscBankNm);
    pbtDiscBankInCd = NoteUi::NewBankLookup(panInput, QStringLiteral("pbtDiscBankInCd"), edtDiscInBankCd, edtDiscInBankNm);

    const auto legend = [](const QString& text) { return Form::Label(text); };
    Form::Grid{
        {Form::Field(QStringLiteral("어음번호"), edtBillNo)},
        {Form::Field(QStringLiteral("어음종류"), Form::Row{edtBillKd, legend(QStringLiteral("1:어음 2:가계 3:당좌 4:표지")), Form::Stretch()})},
        {Form::Field(QStringLiteral("어음형태"), Form::Row{edtBillType, legend(QStringLiteral("1:자가 2:타수")), Form::Stretch()})},
        {Form::Field(QStringLiteral("거 래 처"), Form::Row{edtCustCd, pbtCustCd, edtCustNm, Form::Stretch()})},
        {Form::Field(QStringLiteral("발행일자"), Form::Row{edtIsuDt, Form::Label(QStringLiteral("만기일자")), edtExpDt, Form::Stretch()})},
        {Form::Field(QStringLiteral("어음금액"), edtBillAmt)},
        {Form::Field(QStringLiteral("발 행 인"), edtIsur)},
        {Form::Field(QStringLiteral("수금일자"), edtColtDt)},
        {Form::Field(QStringLiteral("지급은행"), Form::Row{edtPayBankCd, pbtPayBankCd, edtPayBankNm, Form::Stretch()})},
        {Form::Field(QStringLiteral("처리구분"), Form::Row{edtProcCd, legend(QStringLiteral("0:미처리1:결제2:할인3:배서4:부도")), Form::Stretch()})},
        {Form::Field(QStringLiteral("할인일자"), edtDiscSltDt)},
        {Form::Field(QStringLiteral("할인은행"), Form::Row{edtDiscBankCd, pbtDiscBankCd, edtDiscBankNm, Form::Stretch()})},
        {Form::Field(QStringLiteral("할인이율"), Form::Row{edtDiscRate, Form::Label(QStringLiteral("할인추심료")), edtDiscCollAmt, Form::Stretch()})},
        {Form::Field(QStringLiteral("할인입금은행"), Form::Row{edtDiscInBankCd, pbtDiscBankInCd, edtDiscInBankNm, Form::Stretch()})},
        {Form::Field(QStringLiteral("할인일수"), Form::Row{edtDiscTerm, Form::Label(QStringLiteral("할 인 료")), edtDiscCharge, Form::Stretch()})},
        {Form::Field(QStringLiteral("할인입금액"), edtDiscDispAmt)},
        {Form::Empty()},
    }.stretchColumn(1).stretchRow(16).margins(6).spacing(4).attachTo(panInput);

    m_fields = {{"BILL_NO", edtBillNo}, {"BILL_KD", edtBillKd}, {"BILL_TYPE", edtBillType}, {"CUST_CD", edtCustCd},
                {"CUST_KNM", edtCustNm}, {"ISU_DT", edtIsuDt}, {"EXP_DT", edtExpDt}, {"BILL_AMT", edtBillAmt},
                {"ISUR", edtIsur}, {"COLT_DT", edtColtDt}, {"PAY_BANK_CD", edtPayBankCd},
                {"PAY_BANK_NM", edtPayBankNm}, {"BILL_PROC_CD", edtProcCd}, {"DISC_SLT_DT", edtDiscSltDt},
                {"DISC_BANK_CD", edtDiscBankCd}, {"DISC_BANK_NM", edtDiscBankNm}, {"DISC_RATE", edtDiscRate},
                {"DISC_COLL_AMT", edtDiscCollAmt}, {"DISC_IN_BANK_CD", edtDiscInBankCd},
                {"DISC_IN_BANK_NM", edtDiscInBankNm}, {"DISC_TERM", edtDiscTerm}, {"DISC_CHARGE", edtDiscCharge},
                {"DISC_DISP_AMT", edtDiscDispAmt}};

    bbtPrint->hide();
    bbtPreview->hide();
    bbtExcel->hide();
    connect(cdsMain, &RecordSet::afterScroll, this, [this] {
        if (State == stBrowse && cdsMain->isOpen() && !cdsMain->isEmpty())
            showCurrentRow();
    });
}

void TfrmVFI010::openList()
{
    cdsMain->open(listSql() + QStringLiteral(" ORDER BY T1.CUST_CD, T1.EXP_DT, T1.BILL_NO"));
    cdsMain->setDisplayFormat(QStringLiteral("BILL_AMT"), QStringLiteral("#,###"));
}

void TfrmVFI010::DoSearch()
{
    openList();
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
    if (!cdsMain->isEmpty())
        showCurrentRow();
    rdgMain->setFocus();
}

void TfrmVFI010::showCurrentRow()
{
    for (const FormField& f : m_fields)
        f.edit->setText(cdsMain->fieldAsString(f.column));
    edtBillAmt->setText(cdsMain->displayText(QStringLiteral("BILL_AMT")));
}

void TfrmVFI010::FieldExit(QWidget* control)
{
    TfrmZQI030::FieldExit(control);
    if (State != stEdit && State != stInsert)
        return;
    if (control == edtCustCd)
        NoteUi::lookUpTyped(pbtCustCd, edtCustCd, edtCustNm);
    else if (control == edtPayBankCd)
        NoteUi::lookUpTyped(pbtPayBankCd, edtPayBankCd, edtPayBankNm);
    else if (control == edtDiscBankCd)
        NoteUi::lookUpTyped(pbtDiscBankCd, edtDiscBankCd, edtDiscBankNm);
    else if (control == edtDiscInBankCd)
        NoteUi::lookUpTyped(pbtDiscBankInCd, edtDiscInBankCd, edtDiscInBankNm);
    else if (control == edtIsuDt || control == edtExpDt || control == edtDiscSltDt || control == edtColtDt)
        NoteUi::formatTypedDate(static_cast<QLineEdit*>(control));
}

void TfrmVFI010::AfterNew()
{
    if (!cdsMain->isOpen())
        openList();
    cdsMain->append();
    cdsMain->setValue(QStringLiteral("BILL_PROC_CD"), QStringLiteral("0"));
    for (const FormField& f : m_fields)
        f.edit->clear();
    edtProcCd->setText(QStringLiteral("0"));
    m_oldBillNo.clear();
    edtBillNo->setFocus();
}

void TfrmVFI010::AfterEdit()
{
    cdsMain->edit();
    m_oldBillNo = cdsMain->fieldAsString(QStringLiteral("BILL_NO"));
    edtBillNo->setFocus();
}

bool TfrmVFI010::refuse(const QString& message, QLineEdit* focus)
{
    MsgBox(message, QStringLiteral("입력오류"), DialogService::Information);
    focus->setFocus();
    return false;
}

bool TfrmVFI010::checkInput()
{
    const auto empty = [](const QLineEdit* e) { return e->text().trimmed().isEmpty(); };
    if (empty(edtBillNo))
        return refuse(QStringLiteral("어음번호를 입력하세요!"), edtBillNo);
    if (empty(edtBillKd))
        return refuse(QStringLiteral("어음종류를 입력하세요!"), edtBillKd);
    if (empty(edtBillType))
        return refuse(QStringLiteral("어음형태를 입력하세요!"), edtBillType);
    if (empty(edtCustCd))
        return refuse(QStringLiteral("거래처를 입력하세요!"), edtCustCd);
    if (empty(edtCustNm))
        return refuse(QStringLiteral("등록되지 않은 거래처입니다!"), edtCustCd);
    if (empty(edtIsuDt))
        return refuse(QStringLiteral("발행일자를 입력하세요!"), edtIsuDt);
    if (empty(edtExpDt))
        return refuse(QStringLiteral("만기일자를 입력하세요!"), edtExpDt);
    if (StripCommas(edtBillAmt->text().trimmed()).toLongLong() == 0)
        return refuse(QStringLiteral("어음금액을 입력하세요!"), edtBillAmt);
    if (empty(edtIsur))
        return refuse(QStringLiteral("발행인을 입력하세요!"), edtIsur);
    if (empty(edtPayBankCd) || empty(edtPayBankNm))
        return refuse(QStringLiteral("등록되지 않은 지급은행입니다!"), edtPayBankCd);
    // The discount banks belong to a discounted note; on any other a typed
    // code must still name a bank.
    const bool discounted = edtProcCd->text().trimmed() == QLatin1String("2");
    if ((discounted || !empty(edtDiscBankCd)) && (empty(edtDiscBankCd) || empty(edtDiscBankNm)))
        return refuse(QStringLiteral("등록되지 않은 할인은행입니다!"), edtDiscBankCd);
    if ((discounted || !empty(edtDiscInBankCd)) && (empty(edtDiscInBankCd) || empty(edtDiscInBankNm)))
        return refuse(QStringLiteral("등록되지 않은 할인입금은행입니다!"), edtDiscInBankCd);
    for (QLineEdit* date : {edtIsuDt, edtExpDt, edtColtDt, edtDiscSltDt})
        if (NoteUi::isBadDate(date->text().trimmed()))
            return refuse(QStringLiteral("유효한 일자가 아닙니다."), date);
    for (QLineEdit* number : {edtBillAmt, edtDiscCollAmt, edtDiscTerm, edtDiscCharge, edtDiscDispAmt})
        if (!IsNumberText(StripCommas(number->text().trimmed()), ntAcceptZero | ntAllowMinus))
            return refuse(QStringLiteral("숫자만 입력하세요!"), number);
    if (!IsNumberText(edtDiscRate->text().trimmed(), ntAcceptZero | ntAllowPoint))
        return refuse(QStringLiteral("숫자만 입력하세요!"), edtDiscRate);
    return true;
}

void TfrmVFI010::DoSave()
{
    if (!checkInput())
        return;
    for (const FormField& f : m_fields)
        cdsMain->setValue(f.column, f.edit->text().trimmed());
    QVariantList values;
    QStringList marks;
    for (int i = 0; i < kColumns.size(); ++i) {
        values << cdsMain->fieldAsString(kColumns.at(i));
        marks << placeholder(kColumns.at(i), i);
    }
    const int n = int(kColumns.size());
    values << Session::empNo << Session::workstationIp;
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    if (State == stInsert) {
        ExecSql(QStringLiteral("INSERT INTO VF010MS (%1, U_EMP_NO, U_DATE, U_IP)\nVALUES (%2, :P%3, LOCALTIMESTAMP(0), :P%4)")
                    .arg(kColumns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")))
                    .arg(n)
                    .arg(n + 1),
                values);
    } else {
        QStringList sets;
        for (int i = 0; i < n; ++i)
            sets << kColumns.at(i) + QStringLiteral(" = ") + marks.at(i);
        values << m_oldBillNo;
        ExecSql(QStringLiteral("UPDATE VF010MS SET %1,\n       U_EMP_NO = :P%2, U_DATE = LOCALTIMESTAMP(0), U_IP = :P%3\n"
                               " WHERE BILL_NO = :P%4")
                    .arg(sets.join(QStringLiteral(", ")))
                    .arg(n)
                    .arg(n + 1)
                    .arg(n + 2),
                values);
    }
    cdsMain->post();
    tx.commit();
    RecordCount = cdsMain->recordCount();
    showCurrentRow();
    Done = true;
}

void TfrmVFI010::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    if (State == stBrowse && cdsMain->isOpen() && !cdsMain->isEmpty())
        showCurrentRow();
}

void TfrmVFI010::DoDelete()
{
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?"))) {
        Done = true;
        return;
    }
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("DELETE FROM VF010MS WHERE BILL_NO = :P0"), {cdsMain->fieldAsString(QStringLiteral("BILL_NO"))});
    tx.commit();
    cdsMain->deleteRecord();
    RecordCount = cdsMain->recordCount();
    if (!cdsMain->isEmpty())
        showCurrentRow();
    Done = true;
}
