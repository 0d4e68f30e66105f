#include "screens/funds/VGI070.h"
#include "common/DateUtil.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "framework/MaintenanceCore.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/funds/FundsCommon.h"
#include "screens/funds/VGI071.h"
#include "screens/master/MasterCommon.h"
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

TfrmVGI070::TfrmVGI070(QWidget* parent) : TfrmZZS010(QStringLiteral("VGI070"), parent)
{
    setWindowTitle(QStringLiteral("차입금 상환예정표(VGI070)"));
    dtpFrom = Form::NewDateEdit(panSearch, QStringLiteral("dtpREPAY_SDT"));
    dtpTo = Form::NewDateEdit(panSearch, QStringLiteral("dtpREPAY_EDT"));
    dtpFrom->setDate(FirstDayOfMonth(QDate::currentDate()));
    dtpTo->setDate(LastDayOfMonth(QDate::currentDate()));
    LinkDateRange(dtpFrom, dtpTo);
    edtFinInstCd = Form::NewEdit(panSearch, QStringLiteral("edtFIN_INST_CD"), 10);
    edtFinInstCd->setMaximumWidth(90);
    pbtFinInst = FundsUi::NewBankLookup(panSearch, QStringLiteral("pbtFinInst"), edtFinInstCd);
    edtFinInstNm = MasterUi::NewNameField(panSearch, QStringLiteral("edtFIN_INST_NM"));
    edtFinInstNm->setMaximumWidth(130);
    rdoEnd = FundsUi::NewClosedChoice(panSearch);
    Form::Row{Form::Field(QStringLiteral("상환일자"), Form::Row{dtpFrom, Form::Label(QStringLiteral("~")), dtpTo}),
              Form::Field(QStringLiteral("금융기관"), Form::Row{edtFinInstCd, pbtFinInst, edtFinInstNm}),
              rdoEnd.at(0), rdoEnd.at(1), rdoEnd.at(2),
              Form::Stretch()}
        .attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = new DataGrid;
    rdgMain->setObjectName(QStringLiteral("rdgMain"));
    rdgMain->setEditable(false);
    rdgMain->setRowSelect(true);
    rdgMain->setRecordSet(cdsMain);
    rdgMain->setColumns({GridColumn(QStringLiteral("FIN_INST_NM"), QStringLiteral("금융기관"), 100),
                         GridColumn(QStringLiteral("SBJ_NM"), QStringLiteral("대출과목"), 110),
                         GridColumn(QStringLiteral("OPN_DT"), QStringLiteral("개설일자"), 80),
                         GridColumn(QStringLiteral("EXP_DT"), QStringLiteral("만기일자"), 80),
                         GridColumn(QStringLiteral("REPAY_DT"), QStringLiteral("상환일자"), 80),
                         GridColumn(QStringLiteral("INT_RT"), QStringLiteral("차입이율"), 60),
                         GridColumn(QStringLiteral("LOAN_AMT"), QStringLiteral("차입금액"), 100),
                         GridColumn(QStringLiteral("PRN"), QStringLiteral("월상환액"), 90),
                         GridColumn(QStringLiteral("INT"), QStringLiteral("이자납입금액"), 90),
                         GridColumn(QStringLiteral("REPAY_AMT"), QStringLiteral("합 계"), 95)});
    Form::Column{rdgMain}.attachTo(panMain);
    for (QWidget* w : {static_cast<QWidget*>(dtpFrom), static_cast<QWidget*>(dtpTo), static_cast<QWidget*>(edtFinInstCd)})
        w->installEventFilter(this);
    connect(pbtFinInst, &TPopupBtn::clicked, this, [this] {
        if (!MasterUi::TakeLookup(pbtFinInst, edtFinInstCd, edtFinInstNm) && !pbtFinInst->inLinkSearch())
            edtFinInstNm->clear();
    });
}

bool TfrmVGI070::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QWidget*>(watched);
    if (field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || (key == Qt::Key_Down && field == edtFinInstCd)) {
            FocusNeighbour(field, true);
            return true;
        }
        if (key == Qt::Key_Up && field == edtFinInstCd) {
            FocusNeighbour(field, false);
            return true;
        }
    }
    if (watched == edtFinInstCd && event->type() == QEvent::FocusOut) {
        if (edtFinInstCd->text().trimmed().isEmpty())
            edtFinInstNm->clear();
        else if (MasterUi::LeftWithinWindow(edtFinInstCd))
            pbtFinInst->LinkSearch();
    }
    return TfrmZZS010::eventFilter(watched, event);
}

void TfrmVGI070::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    QString sql = QStringLiteral(
        "SELECT T3.FIN_INST_NM, T2.SBJ_NM, T2.OPN_DT, T2.EXP_DT, T1.REPAY_DT, ROUND(T1.PRF_RT, 2) || '%' INT_RT,\n"
        "       T2.LOAN_AMT, T1.PRN, ROUND(T1.\"int\") \"int\", ROUND(T1.REPAY_AMT) REPAY_AMT\n"
        "  FROM VG020DT T1\n"
        "  JOIN VG020MS T2 ON T1.LOAN_NO = T2.LOAN_NO\n"
        "  LEFT JOIN (SELECT C_CODE, C_NAME FIN_INST_NM FROM VA050MS WHERE C_KIND = '03') T3 ON T2.FIN_INST_CD = T3.C_CODE\n"
        " WHERE T1.REPAY_DT BETWEEN :P0 AND :P1\n");
    QVariantList params{dtpFrom->date().toString(QStringLiteral("yyyy-MM-dd")), dtpTo->date().toString(QStringLiteral("yyyy-MM-dd"))};
    if (rdoEnd.at(1)->isChecked())
        sql += QStringLiteral("   AND T2.END_YN = 'Y'\n");
    else if (rdoEnd.at(2)->isChecked())
        sql += QStringLiteral("   AND T2.END_YN = 'N'\n");
    if (!edtFinInstCd->text().trimmed().isEmpty()) {
        sql += QStringLiteral("   AND T2.FIN_INST_CD = :P2\n");
        params << edtFinInstCd->text().trimmed();
    }
    sql += QStringLiteral(" ORDER BY T3.FIN_INST_NM, T1.REPAY_DT, T1.LOAN_NO, T1.TMS");
    cdsMain->open(sql, params);
    SetNumberFormats(*cdsMain);
    ShowStatus(QStringLiteral("%1 건이 조회되었습니다.").arg(cdsMain->recordCount()));
    rdgMain->setFocus();
}

void TfrmVGI070::bbtPrintClick()
{
    TfrmZZS010::bbtPrintClick();
    printReport();
}

void TfrmVGI070::bbtPreviewClick()
{
    TfrmZZS010::bbtPreviewClick();
    printReport();
}

void TfrmVGI070::printReport()
{
    RecordSetReportData data(cdsMain);
    TfrmVGI071 layout;
    layout.setData(&data);
    layout.Prepare();
    layout.PrintOrPreview(PreviewFlag, this);
}
