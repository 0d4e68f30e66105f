#include "screens/slips/VBI050.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "framework/FormKit.h"
#include "lookups/LookupBtn.h"
#include "lookups/PopupBtn.h"
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QStringList kLookupHead = {
    QStringLiteral("SELECT A.SLIP_NO, B.AFF_DEPT_NAME DEPT_NAME, C.EMP_K_NAME, A.SLIP_DATE, A.ACC_DATE,"),
    QStringLiteral("       A.TOTAL_D_AMT, A.TOTAL_C_AMT, A.SLIP_CONF_YN, A.SLIP_DEL_YN,"),
    QStringLiteral("       CASE WHEN A.CONF_DATE IS NULL THEN 'N' ELSE 'Y' END CONF_YN,"),
    QStringLiteral("       TO_CHAR(A.U_DATE, 'YYYY-MM-DD HH24:MI:SS') U_DATE"),
    QStringLiteral("  FROM VB010MS A JOIN QA160MS B ON A.DEPT_CODE = B.AFF_DEPT_CODE"),
    QStringLiteral("       LEFT JOIN QA010MS C ON A.U_EMP_NO = C.EMP_NO"),
    QStringLiteral(" WHERE A.SLIP_DEL_YN <> 'Y'"),
};

}  // namespace

TfrmVBI050::TfrmVBI050(QWidget* parent) : TfrmZZS010(QStringLiteral("VBI050"), parent)
{
    setWindowTitle(QStringLiteral("전표 복사(VBI050)"));
    // One button does the work: the others and their keys are off.
    for (QPushButton* b : {bbtSearch, bbtPrint, bbtPreview}) {
        b->hide();
        b->setEnabled(false);
    }
    m_dept = SlipGenerator::ownDepartment();

    DateTimePicker1 = Form::NewDateEdit(panSearch, QStringLiteral("DateTimePicker1"));
    QGroupBox* kind = Form::NewRadioGroup(panSearch, QStringLiteral("조회조건"),
                                          {{QStringLiteral("rdoAccDate"), QStringLiteral("생성일자")},
                                           {QStringLiteral("rdoConfDate"), QStringLiteral("확정일자")}},
                                          &RadioGroup2);
    kind->setObjectName(QStringLiteral("RadioGroup2"));
    edtFSlipNo = Form::NewEdit(panSearch, QStringLiteral("edtFSlipNo"), 8);
    edtFSlipNo->setFixedWidth(edtFSlipNo->fontMetrics().horizontalAdvance(QStringLiteral("K0000000000")) + 12);
    pbtFSlipNo = new TPopupBtn(panSearch);
    pbtFSlipNo->setObjectName(QStringLiteral("pbtFSlipNo"));
    pbtFSlipNo->setColumnTitles({QStringLiteral("전표번호"), QStringLiteral("발생부서"), QStringLiteral("작성자명"),
                                 QStringLiteral("발생일자"), QStringLiteral("회계일자"), QStringLiteral("차변금액"),
                                 QStringLiteral("대변금액"), QStringLiteral("실전표여부"),
                                 QStringLiteral("삭제전표여부"), QStringLiteral("승인여부"), QStringLiteral("수정일시")});
    pbtFSlipNo->setColumnWidths({QStringLiteral("10"), QStringLiteral("16"), QStringLiteral("10"),
                                 QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("12"),
                                 QStringLiteral("12"), QStringLiteral("6"), QStringLiteral("6"), QStringLiteral("6"),
                                 QStringLiteral("0")});
    pbtFSlipNo->setLinkControl(edtFSlipNo);
    QGroupBox* amounts = Form::NewRadioGroup(panSearch, QStringLiteral("금액처리"),
                                             {{QStringLiteral("rdoAmtZero"), QStringLiteral("'0' 처리")},
                                              {QStringLiteral("rdoAmtMinus"), QStringLiteral("'-' 처리")},
                                              {QStringLiteral("rdoAmtKeep"), QStringLiteral("처리안함")}},
                                             &RadioGroup1);
    amounts->setObjectName(QStringLiteral("RadioGroup1"));
    Form::Row{Form::Field(QStringLiteral("일      자"), DateTimePicker1), kind,
              Form::Field(QStringLiteral("전표번호"), Form::Row{edtFSlipNo, pbtFSlipNo}), amounts, Form::Stretch()}
        .attachTo(panSearch);
    panSearch->setFixedHeight(56);

    Button1 = new QPushButton(QStringLiteral("복  사"), panMain);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFixedSize(140, 48);
    Panel1 = SlipGenerator::newInfoPanel(panMain, QStringLiteral("복사할 전표를 선택 후 [복사]버튼을 누르세요."));
    Form::Column{Form::Row{Panel1, Button1}, Form::Stretch()}.attachTo(panMain);

    connect(pbtFSlipNo, &TPopupBtn::clicked, this, [this] {
        if (pbtFSlipNo->modalResult() != Lookup::mrOk)
            return;
        m_chosenSlipNo = pbtFSlipNo->returnValue().value(0).trimmed();
        m_chosenChange = pbtFSlipNo->returnValue().value(10).trimmed();
        edtFSlipNo->setText(m_chosenSlipNo);
    });
    connect(edtFSlipNo, &QLineEdit::editingFinished, this, &TfrmVBI050::edtFSlipNoExit);
    connect(DateTimePicker1, &QDateEdit::dateChanged, this, &TfrmVBI050::setSlipLookupConditions);
    for (QRadioButton* b : RadioGroup2)
        connect(b, &QRadioButton::toggled, this, &TfrmVBI050::setSlipLookupConditions);
    connect(Button1, &QPushButton::clicked, this, &TfrmVBI050::Button1Click);
    setSlipLookupConditions();
}

QString TfrmVBI050::infoText() const
{
    return Panel1->text();
}

// The day selects slips by accounting date ("생성일자") or by confirmation date.
void TfrmVBI050::setSlipLookupConditions()
{
    const QString dateLine = RadioGroup2.at(0)->isChecked()
        ? QStringLiteral("   AND A.ACC_DATE = CAST(:slip_date AS DATE)")
        : QStringLiteral("   AND A.CONF_DATE = CAST(:slip_date AS DATE)");
    pbtFSlipNo->setSql(kLookupHead + QStringList{dateLine, QStringLiteral(" ORDER BY A.SLIP_NO")});
    pbtFSlipNo->setLinkSql(kLookupHead + QStringList{dateLine, QStringLiteral("   AND A.SLIP_NO LIKE '%' || :slip_no || '%'"),
                                                     QStringLiteral(" ORDER BY A.SLIP_NO")});
    pbtFSlipNo->setParam(QStringLiteral("slip_date"), DateTimePicker1->date().toString(Qt::ISODate));
}

void TfrmVBI050::edtFSlipNoExit()
{
    const QString text = edtFSlipNo->text().trimmed();
    if (text.isEmpty() || text == m_chosenSlipNo || pbtFSlipNo->inLinkSearch())
        return;
    pbtFSlipNo->setParam(QStringLiteral("slip_no"), text);
    pbtFSlipNo->LinkSearch();
}

bool TfrmVBI050::sourceUnchanged(const QString& slipNo)
{
    if (slipNo != m_chosenSlipNo || m_chosenChange.isEmpty())
        return true;
    const QVariantList now = RunQueryRow(QStringLiteral("SELECT TO_CHAR(U_DATE, 'YYYY-MM-DD HH24:MI:SS') FROM VB010MS\n"
                                                        " WHERE SLIP_NO = :P0"),
                                         {slipNo});
    // A slip gone altogether is the procedure's to refuse.
    if (now.isEmpty() || now.value(0).toString() == m_chosenChange)
        return true;
    ShowInfo(QStringLiteral("[") + slipNo
             + QStringLiteral("] 전표가 조회 후에 다른 사용자에 의해 변경되었습니다. 전표를 다시 선택하세요.!"));
    return false;
}

void TfrmVBI050::Button1Click()
{
    const QString slipNo = edtFSlipNo->text().trimmed();
    if (slipNo.isEmpty()) {
        ShowInfo(QStringLiteral("전표번호를 선택하세요.!"));
        return;
    }
    if (!AskYesNo(QStringLiteral("[") + slipNo + QStringLiteral("] 전표로 신규전표를 생성시키시겠습니까.?")))
        return;
    if (!sourceUnchanged(slipNo))
        return;
    int amountChoice = 0;
    for (int i = 0; i < RadioGroup1.size(); ++i)
        if (RadioGroup1.at(i)->isChecked())
            amountChoice = i;
    Panel1->setText(QStringLiteral("처리중....."));
    const QVariantList answer =
        SlipGenerator::run(QStringLiteral("pr_v_vbi050sp"),
                           {QString::number(amountChoice), slipNo, m_dept.code, Session::workstationIp,
                            Session::empNo.trimmed()});
    if (answer.isEmpty()) {
        Panel1->setText(QStringLiteral("복사할 전표를 선택 후 [복사]버튼을 누르세요."));
        return;
    }
    const QString newNo = answer.value(0).toString().mid(1, 8).trimmed();
    const QString date = answer.value(1).toString();
    Panel1->setText(SlipGenerator::createdText(date, {newNo}));
    SlipGenerator::offerToOpen(newNo, date, m_dept);
}
