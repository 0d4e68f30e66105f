#include "screens/notes/VFI020.h"
#include "common/DateUtil.h"
#include "common/Messages.h"
#include "common/ProcCall.h"
#include "common/Session.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/master/MasterCommon.h"
#include "screens/notes/NoteCommon.h"
#include <QCheckBox>
#include <QDateEdit>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>

TfrmVFI020::TfrmVFI020(QWidget* parent)
    : TfrmNoteSlipRun(QStringLiteral("VFI020"), QStringLiteral("선택하신 받을어음을 전표생성시키시겠습니까.?"),
                      QStringLiteral("받을어음 자동처리중입니다.!"), parent)
{
    setWindowTitle(QStringLiteral("받을어음 처리현황(VFI020)"));
    QWidget* panel = conditions();
    dtpFrom = Form::NewDateEdit(panel, QStringLiteral("dtpFrom"));
    dtpTo = Form::NewDateEdit(panel, QStringLiteral("dtpTo"));
    dtpFrom->setDate(FirstDayOfMonth(QDate::currentDate()));
    dtpTo->setDate(LastDayOfMonth(QDate::currentDate()));
    LinkDateRange(dtpFrom, dtpTo);
    edtBankCd = NoteUi::NewNameField(panel, QStringLiteral("edtBankCd"), 84);
    edtAccount = Form::NewEdit(panel, QStringLiteral("edtAccount"), 20);
    edtAccount->setFixedWidth(130);
    edtAccountNm = NoteUi::NewNameField(panel, QStringLiteral("edtAccountNm"), 150);
    // The ordinary and checking accounts of the company take collections.
    const QString accounts = QStringLiteral("SELECT A.D_ACCOUNT, A.D_NAME, A.C_CODE, B.C_NAME\n"
                                            "  FROM VA051MS A JOIN VA050MS B ON B.C_CODE = A.C_CODE\n"
                                            " WHERE A.USE_YN = 'Y' AND A.D_TYPE IN ('1', '2')\n");
    pbtAccount = MasterUi::NewLookup(panel, QStringLiteral("pbtAccount"), accounts + QStringLiteral(" ORDER BY A.C_CODE, A.D_ACCOUNT"),
                                     accounts + QStringLiteral("   AND (A.D_ACCOUNT LIKE :acct OR B.C_NAME LIKE '%' || :acct)\n"
                                                               " ORDER BY A.C_CODE, A.D_ACCOUNT"),
                                     {QStringLiteral("계좌번호"), QStringLiteral("계 좌 명"), QStringLiteral("은행코드"),
                                      QStringLiteral("은 행 명")},
                                     edtAccount);
    connect(pbtAccount, &TPopupBtn::clicked, this, [this] {
        if (pbtAccount->modalResult() != Lookup::mrOk) {
            if (pbtAccount->inLinkSearch()) {
                edtBankCd->clear();
                edtAccountNm->clear();
            }
            return;
        }
        const QStringList row = pbtAccount->returnValue();
        edtAccount->setText(row.value(0).trimmed());
        edtAccountNm->setText(row.value(3).trimmed() + QLatin1Char(' ') + row.value(1).trimmed());
        edtBankCd->setText(row.value(2).trimmed());
    });
    connect(edtAccount, &QLineEdit::editingFinished, this,
            [this] { NoteUi::lookUpTyped(pbtAccount, edtAccount, edtAccountNm); });
    connect(edtAccount, &QLineEdit::textEdited, this, [this] {
        edtBankCd->clear();
        edtAccountNm->clear();
    });
    Form::Row{Form::Field(QStringLiteral("만기일자"), dtpFrom), Form::Label(QStringLiteral("~")), dtpTo,
              Form::Field(QStringLiteral("입금계좌"), edtAccount), pbtAccount, edtAccountNm, edtBankCd, chkAll,
              Form::Stretch()}
        .attachTo(panel);

    GridColumn amount(QStringLiteral("BILL_AMT"), QStringLiteral("어음금액"), 110);
    amount.displayFormat = QStringLiteral("#,##0");
    setColumns({GridColumn(QStringLiteral("EXP_DT"), QStringLiteral("만기일자"), 90),
                GridColumn(QStringLiteral("BILL_NO"), QStringLiteral("어음번호"), 110),
                GridColumn(QStringLiteral("BILL_KD"), QStringLiteral("어음종류"), 65),
                GridColumn(QStringLiteral("CUSE_NM"), QStringLiteral("거래처명"), 170),
                GridColumn(QStringLiteral("PAY_BANK_NM"), QStringLiteral("지급은행"), 120),
                GridColumn(QStringLiteral("ISU_DT"), QStringLiteral("발행일자"), 90), amount,
                GridColumn(QStringLiteral("FLAG"), QStringLiteral("처리여부"), 70)});
}

bool TfrmVFI020::openList()
{
    records()->open(QStringLiteral(
                        "SELECT TO_CHAR(M.EXP_DT, 'YYYY-MM-DD') EXP_DT, M.BILL_NO,\n"
                        "       CASE M.BILL_KD WHEN '1' THEN '어음' WHEN '2' THEN '가계' WHEN '3' THEN '당좌' WHEN '4' THEN '표지'\n"
                        "       ELSE '알수없음' END BILL_KD,\n"
                        "       C.C_NAME CUSE_NM, M.PAY_BANK_NM, TO_CHAR(M.ISU_DT, 'YYYY-MM-DD') ISU_DT, M.BILL_AMT, 'N' FLAG\n"
                        "  FROM VF010MS M\n"
                        "  LEFT JOIN VA050MS C ON C.C_CODE = M.CUST_CD\n"
                        " WHERE M.BILL_PROC_CD = '0' AND M.EXP_DT BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
                        " ORDER BY M.EXP_DT, M.BILL_NO"),
                    {dtpFrom->date().toString(Qt::ISODate), dtpTo->date().toString(Qt::ISODate)});
    return true;
}

QVariantList TfrmVFI020::generate(const QString& mode)
{
    QJsonArray numbers;
    for (const QString& no : NoteUi::flaggedValues(records(), QStringLiteral("BILL_NO")))
        numbers.append(no);
    return CallProcRow(QStringLiteral("pr_vfi020sp"),
                       {mode, QString::fromUtf8(QJsonDocument(numbers).toJson(QJsonDocument::Compact)),
                        edtBankCd->text().trimmed(), edtAccount->text().trimmed(), m_dept.code, Session::empNo,
                        Session::workstationIp});
}
