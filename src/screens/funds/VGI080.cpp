#include "screens/funds/VGI080.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/TextUtil.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/funds/FundsCommon.h"
#include "screens/funds/VGI081.h"
#include <QLineEdit>

TfrmVGI080::TfrmVGI080(QWidget* parent) : TfrmZZS010(QStringLiteral("VGI080"), parent)
{
    setWindowTitle(QStringLiteral("유가 증권 명세서(VGI080)"));
    const QString mask = QStringLiteral("!9999/99/00;0;_");
    medtBalFrom = Form::NewMaskEdit(panSearch, QStringLiteral("medt_BAL_DATE_F"), mask);
    medtBalTo = Form::NewMaskEdit(panSearch, QStringLiteral("medt_BAL_DATE_E"), mask);
    medtDueFrom = Form::NewMaskEdit(panSearch, QStringLiteral("medt_DUE_DATE_F"), mask);
    medtDueTo = Form::NewMaskEdit(panSearch, QStringLiteral("medt_DUE_DATE_E"), mask);
    for (QLineEdit* e : {medtBalFrom, medtBalTo, medtDueFrom, medtDueTo})
        e->setMaximumWidth(90);
    Form::Row{Form::Field(QStringLiteral("발행일자"), Form::Row{medtBalFrom, Form::Label(QStringLiteral("∼")), medtBalTo}),
              Form::Field(QStringLiteral("만기일자"), Form::Row{medtDueFrom, Form::Label(QStringLiteral("∼")), medtDueTo}),
              Form::Stretch()}
        .attachTo(panSearch);
    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = new DataGrid;
    rdgMain->setObjectName(QStringLiteral("rdgMain"));
    rdgMain->setEditable(false);
    rdgMain->setRowSelect(true);
    rdgMain->setRecordSet(cdsMain);
    rdgMain->setColumns({GridColumn(QStringLiteral("BANK_NM"), QStringLiteral("은 행 명"), 95),
                         GridColumn(QStringLiteral("ACC_NO"), QStringLiteral("계좌번호"), 120),
                         GridColumn(QStringLiteral("CUST_NM"), QStringLiteral("거래처명"), 110),
                         GridColumn(QStringLiteral("J_NUM"), QStringLiteral("증권번호"), 100),
                         GridColumn(QStringLiteral("AMT"), QStringLiteral("금   액"), 105),
                         GridColumn(QStringLiteral("BAL_DATE"), QStringLiteral("발행일자"), 80),
                         GridColumn(QStringLiteral("DUE_DATE"), QStringLiteral("만기일자"), 80),
                         GridColumn(QStringLiteral("CONF_DATE"), QStringLiteral("확정일자"), 80),
                         GridColumn(QStringLiteral("SLIP_NO"), QStringLiteral("전표번호"), 75)});
    Form::Column{rdgMain}.attachTo(panMain);
}

int TfrmVGI080::TermsLeftOut()
{
    const QVariantList row = RunQueryRow(QStringLiteral("SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = 'VG080' AND DETAIL = '01'"));
    const QString text = row.value(0).toString().trimmed();
    return IsNumberText(text, ntAcceptZero) ? text.toInt() : 0;
}

bool TfrmVGI080::readRange(QLineEdit* from, QLineEdit* to, QString& fromText, QString& toText)
{
    for (QLineEdit* e : {from, to}) {
        if (!DigitsOnly(e->text()).isEmpty() && !FundsUi::MaskDate(e).isValid()) {
            ShowInfo(QStringLiteral("날짜를 바르게 입력하십시오."));
            e->setFocus();
            return false;
        }
    }
    if (DigitsOnly(to->text()).isEmpty() && !DigitsOnly(from->text()).isEmpty())
        to->setText(DigitsOnly(from->text()));
    fromText = FundsUi::DateTextOf(from);
    toText = FundsUi::DateTextOf(to);
    return true;
}

void TfrmVGI080::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    QString balFrom, balTo, dueFrom, dueTo;
    if (!readRange(medtBalFrom, medtBalTo, balFrom, balTo) || !readRange(medtDueFrom, medtDueTo, dueFrom, dueTo))
        return;
    cdsMain->open(QStringLiteral(
                      "SELECT B.BANK_NM, B.ACC_NO, B.CUST_NM, B.J_NUM, A.D_AMOUNT + A.C_AMOUNT AMT, B.BAL_DATE, B.DUE_DATE,\n"
                      "       A.CONF_DATE, A.SLIP_NO\n"
                      "  FROM VB011MS A\n"
                      "  LEFT JOIN (SELECT SLIP_NO, SLIP_SEQ_NO,\n"
                      "                    MAX(CASE LINEUP_NO WHEN 1 THEN MG_DETAIL_NAME END) BANK_NM,\n"
                      "                    MAX(CASE LINEUP_NO WHEN 2 THEN MG_DETAIL END) ACC_NO,\n"
                      "                    MAX(CASE LINEUP_NO WHEN 3 THEN MG_DETAIL END) CUST_NM,\n"
                      "                    MAX(CASE LINEUP_NO WHEN 4 THEN MG_DETAIL END) J_NUM,\n"
                      "                    MAX(CASE LINEUP_NO WHEN 5 THEN MG_DETAIL END) BAL_DATE,\n"
                      "                    MAX(CASE LINEUP_NO WHEN 6 THEN MG_DETAIL END) DUE_DATE\n"
                      "               FROM VB011DT WHERE ACCT_CODE LIKE '11103%'\n"
                      "              GROUP BY SLIP_NO, SLIP_SEQ_NO) B ON A.SLIP_NO = B.SLIP_NO AND A.SLIP_SEQ_NO = B.SLIP_SEQ_NO\n"
                      " WHERE A.ACCT_CODE LIKE '11103%' AND A.CONF_DATE IS NOT NULL AND A.SESSION_ID > CAST(:P0 AS INTEGER)\n"
                      "   AND (CAST(:P1 AS TEXT) IS NULL OR CAST(:P2 AS TEXT) IS NULL OR B.BAL_DATE BETWEEN :P1 AND :P2)\n"
                      "   AND (CAST(:P3 AS TEXT) IS NULL OR CAST(:P4 AS TEXT) IS NULL OR B.DUE_DATE BETWEEN :P3 AND :P4)\n"
                      " ORDER BY A.CONF_DATE, A.SLIP_NO, A.SLIP_SEQ_NO"),
                  {TermsLeftOut(), balFrom, balTo, dueFrom, dueTo});
    SetNumberFormats(*cdsMain);
    ShowStatus(QStringLiteral("%1 건이 조회되었습니다.").arg(cdsMain->recordCount()));
    rdgMain->setFocus();
}

void TfrmVGI080::bbtPrintClick()
{
    TfrmZZS010::bbtPrintClick();
    printReport();
}

void TfrmVGI080::bbtPreviewClick()
{
    TfrmZZS010::bbtPreviewClick();
    printReport();
}

void TfrmVGI080::printReport()
{
    RecordSetReportData data(cdsMain);
    TfrmVGI081 layout;
    layout.setData(&data);
    layout.Prepare();
    layout.PrintOrPreview(PreviewFlag, this);
}
