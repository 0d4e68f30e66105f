#include "screens/notes/VFI065.h"
#include "common/DateUtil.h"
#include "common/DialogService.h"
#include "common/Messages.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/notes/NoteCommon.h"
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

TfrmVFI065::TfrmVFI065(QWidget* parent)
    : TfrmNoteSlipRun(QStringLiteral("VFI065"), QStringLiteral("선택하신 지급어음을 전표생성시키시겠습니까.?"),
                      QStringLiteral("지급어음 자동처리중입니다.!"), parent)
{
    setWindowTitle(QStringLiteral("지급어음 결제전표 생성(VFI065)"));
    // The choices are boxed: the strip is as tall as a box.
    conditions()->setFixedHeight(52);
    QWidget* panel = conditions();
    edtFinInstCd = Form::NewEdit(panel, QStringLiteral("edtFinInstCd"), 10);
    edtFinInstCd->setFixedWidth(90);
    edtFinInstNm = NoteUi::NewNameField(panel, QStringLiteral("edtFinInstNm"));
    pbtFinInst = NoteUi::NewBankLookup(panel, QStringLiteral("pbtFinInst"), edtFinInstCd, edtFinInstNm);
    connect(edtFinInstCd, &QLineEdit::editingFinished, this,
            [this] { NoteUi::lookUpTyped(pbtFinInst, edtFinInstCd, edtFinInstNm); });
    QList<QRadioButton*> kinds;
    QGroupBox* kind = Form::NewRadioGroup(panel, QString(), {{"rdoNote", "어음"}, {"rdoCheque", "수표"}}, &kinds);
    rdoNote = kinds.at(0);
    rdoCheque = kinds.at(1);
    dtpFrom = Form::NewDateEdit(panel, QStringLiteral("dtpFrom"));
    dtpTo = Form::NewDateEdit(panel, QStringLiteral("dtpTo"));
    dtpFrom->setDate(FirstDayOfMonth(QDate::currentDate()));
    dtpTo->setDate(LastDayOfMonth(QDate::currentDate()));
    LinkDateRange(dtpFrom, dtpTo);
    Form::Row{Form::Field(QStringLiteral("금융기관"), edtFinInstCd), pbtFinInst, edtFinInstNm,
              Form::Field(QStringLiteral("어음구분"), kind), Form::Field(QStringLiteral("만기일자"), dtpFrom),
              Form::Label(QStringLiteral("~")), dtpTo, chkAll, Form::Stretch()}
        .attachTo(panel);

    GridColumn amount(QStringLiteral("BILL_AMT"), QStringLiteral("발행금액"), 110);
    amount.displayFormat = QStringLiteral("#,##0");
    GridColumn bank(QStringLiteral("FIN_INST_CD"), QStringLiteral("은행코드"));
    bank.hidden = true;
    GridColumn bankName(QStringLiteral("FIN_INST_NM"), QStringLiteral("은행명"));
    bankName.hidden = true;
    GridColumn customer(QStringLiteral("CUST_CD"), QStringLiteral("거래처코드"));
    customer.hidden = true;
    setColumns({bank, bankName, customer,
                GridColumn(QStringLiteral("C_NUM"), QStringLiteral("사업자번호"), 110),
                GridColumn(QStringLiteral("CUSE_NM"), QStringLiteral("거래처 명"), 180),
                GridColumn(QStringLiteral("BILL_NO"), QStringLiteral("어음번호"), 110),
                GridColumn(QStringLiteral("ISU_DT"), QStringLiteral("발행일자"), 90),
                GridColumn(QStringLiteral("EXP_DT"), QStringLiteral("만기일자"), 90), amount,
                GridColumn(QStringLiteral("FLAG"), QStringLiteral("처리여부"), 70)});
}

QString TfrmVFI065::billClf() const
{
    return rdoCheque->isChecked() ? QStringLiteral("2") : QStringLiteral("1");
}

bool TfrmVFI065::openList()
{
    if (edtFinInstCd->text().trimmed().isEmpty() || edtFinInstNm->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("금융기관을 선택하세요.!"), QStringLiteral("입력오류"), DialogService::Information);
        edtFinInstCd->setFocus();
        return false;
    }
    records()->open(QStringLiteral(
                        "SELECT T1.FIN_INST_CD, T3.C_NAME FIN_INST_NM, T1.CUST_CD, T2.C_NUM, T2.C_NAME CUSE_NM, T1.BILL_NO,\n"
                        "       T1.ISU_DT, T1.EXP_DT, T1.BILL_AMT, T1.RMKS, 'N' FLAG\n"
                        "  FROM VF060MS T1\n"
                        "  LEFT JOIN VA050MS T2 ON T2.C_CODE = T1.CUST_CD AND T2.C_KIND = '01'\n"
                        "  LEFT JOIN VA050MS T3 ON T3.C_CODE = T1.FIN_INST_CD AND T3.C_KIND = '03'\n"
                        " WHERE T1.BILL_CLF = :P0 AND T1.BILL_PROC_CD = '1' AND T1.FIN_INST_CD = :P1\n"
                        "   AND T1.EXP_DT BETWEEN :P2 AND :P3\n"
                        " ORDER BY T1.EXP_DT, T1.BILL_NO"),
                    {billClf(), edtFinInstCd->text().trimmed(), dtpFrom->date().toString(Qt::ISODate),
                     dtpTo->date().toString(Qt::ISODate)});
    return true;
}

QVariantList TfrmVFI065::generate(const QString& mode)
{
    // The work table holds this connection's rows only.
    ExecSql(QStringLiteral("DELETE FROM VF065TM"));
    RecordSet* set = records();
    const QString clf = billClf();
    for (int row = 0; set->isOpen() && row < set->recordCount(); ++row) {
        if (set->fieldAsString(row, QStringLiteral("FLAG")) != QLatin1String("Y"))
            continue;
        QVariantList values{clf};
        for (const char* field : {"FIN_INST_CD", "FIN_INST_NM", "CUST_CD", "C_NUM", "CUSE_NM", "BILL_NO", "ISU_DT",
                                  "EXP_DT", "BILL_AMT"})
            values << set->fieldAsString(row, QLatin1String(field));
        ExecSql(QStringLiteral("INSERT INTO VF065TM (BILL_CLF, FIN_INST_CD, FIN_INST_NM, CUST_CD, C_NUM, CUSE_NM, BILL_NO,\n"
                               "                     ISU_DT, EXP_DT, BILL_AMT)\n"
                               "VALUES (:P0, :P1, :P2, :P3, :P4, :P5, :P6, :P7, :P8, :P9)"),
                values);
    }
    return CallProcRow(QStringLiteral("pr_vfi065sp"), {mode, m_dept.code, Session::empNo, Session::workstationIp});
}
