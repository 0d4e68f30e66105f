#include "screens/funds/VGI055.h"
#include "common/Messages.h"
#include "common/TextUtil.h"
#include "framework/FormKit.h"
#include "framework/MaintenanceCore.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/funds/FundsCommon.h"
#include "screens/funds/VGI056.h"
#include "screens/master/MasterCommon.h"
#include <QKeyEvent>
#include <QLineEdit>

TfrmVGI055::TfrmVGI055(QWidget* parent) : TfrmZZS010(QStringLiteral("VGI055"), parent)
{
    setWindowTitle(QStringLiteral("예적금현황(VGI055)"));
    edtFinInstCd = Form::NewEdit(panSearch, QStringLiteral("edt_FIN_INST_CD"), 10);
    edtFinInstCd->setMaximumWidth(90);
    pbtFinInst = FundsUi::NewBankLookup(panSearch, QStringLiteral("pbtFinInst"), edtFinInstCd);
    edtFinInstNm = MasterUi::NewNameField(panSearch, QStringLiteral("edt_FIN_INST_NM"));
    edtFinInstNm->setMaximumWidth(130);
    medtPayDt = Form::NewMaskEdit(panSearch, QStringLiteral("medt_PAY_DT"), QStringLiteral("!9999/99/00;0;_"));
    medtPayDt->setMaximumWidth(90);
    Form::Row{Form::Field(QStringLiteral("금융기관"), Form::Row{edtFinInstCd, pbtFinInst, edtFinInstNm}),
              Form::Field(QStringLiteral("납입일자"), medtPayDt), Form::Stretch()}
        .attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = new DataGrid;
    rdgMain->setObjectName(QStringLiteral("rdgMain"));
    rdgMain->setEditable(false);
    rdgMain->setRowSelect(true);
    rdgMain->setRecordSet(cdsMain);
    rdgMain->setColumns({GridColumn(QStringLiteral("FIN_INST_NM"), QStringLiteral("금융기관"), 100),
                         GridColumn(QStringLiteral("ACN_NO"), QStringLiteral("계좌번호"), 130),
                         GridColumn(QStringLiteral("OPN_DT"), QStringLiteral("개설일자"), 85),
                         GridColumn(QStringLiteral("EXP_DT"), QStringLiteral("만기일자"), 85),
                         GridColumn(QStringLiteral("MM_PMT_DT"), QStringLiteral("월납입일"), 60),
                         GridColumn(QStringLiteral("YY_INT_RT"), QStringLiteral("연이자율"), 65),
                         GridColumn(QStringLiteral("CTR_AMT"), QStringLiteral("계약금액"), 105),
                         GridColumn(QStringLiteral("MM_PMT_AMT"), QStringLiteral("월납입액"), 95),
                         GridColumn(QStringLiteral("TOT_AMT"), QStringLiteral("총불입액"), 105)});
    Form::Column{rdgMain}.attachTo(panMain);
    for (QWidget* w : {static_cast<QWidget*>(edtFinInstCd), static_cast<QWidget*>(medtPayDt)})
        w->installEventFilter(this);
    connect(pbtFinInst, &TPopupBtn::clicked, this, [this] {
        if (!MasterUi::TakeLookup(pbtFinInst, edtFinInstCd, edtFinInstNm) && !pbtFinInst->inLinkSearch())
            edtFinInstNm->clear();
    });
}

bool TfrmVGI055::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QWidget*>(watched);
    if (field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down || key == Qt::Key_Up) {
            FocusNeighbour(field, key != Qt::Key_Up);
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

void TfrmVGI055::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    const QString digits = DigitsOnly(medtPayDt->text());
    const QString payDate = FundsUi::DateTextOf(medtPayDt);
    if (!digits.isEmpty() && payDate.isEmpty()) {
        ShowInfo(QStringLiteral("납입일자를 바르게 입력하십시오."));
        medtPayDt->setFocus();
        return;
    }
    QVariantList params{payDate};
    QString sql = QStringLiteral(
        "SELECT T2.FIN_INST_NM, T1.ACN_NO, T1.OPN_DT, T1.EXP_DT, T1.CTR_AMT, TRIM_SCALE(T1.YY_INT_RT) || '%' YY_INT_RT,\n"
        "       T1.MM_PMT_DT, T1.MM_PMT_AMT, T3.PAY_AMT, T3.TOT_AMT, T1.FIN_INST_CD\n"
        "  FROM VG010MS T1\n"
        "  JOIN (SELECT ACN_NO, SUM(PAY_AMT) PAY_AMT, MAX(TOT_AMT) TOT_AMT FROM VG010DT\n"
        "         WHERE CAST(:P0 AS TEXT) IS NULL OR PAY_DT < CAST(:P0 AS TEXT)\n"
        "         GROUP BY ACN_NO) T3 ON T1.ACN_NO = T3.ACN_NO\n"
        "  LEFT JOIN (SELECT C_CODE, C_NAME FIN_INST_NM FROM VA050MS WHERE C_KIND = '03') T2 ON T1.FIN_INST_CD = T2.C_CODE\n"
        " WHERE 1 = 1\n");
    if (!edtFinInstCd->text().trimmed().isEmpty()) {
        sql += QStringLiteral("   AND T1.FIN_INST_CD = :P1\n");
        params << edtFinInstCd->text().trimmed();
    }
    sql += QStringLiteral(" ORDER BY T1.FIN_INST_CD, T1.ACN_NO");
    cdsMain->open(sql, params);
    SetNumberFormats(*cdsMain);
    m_searchedDate = payDate;
    ShowStatus(QStringLiteral("%1 건이 조회되었습니다.").arg(cdsMain->recordCount()));
    rdgMain->setFocus();
}

void TfrmVGI055::bbtPrintClick()
{
    TfrmZZS010::bbtPrintClick();
    printReport();
}

void TfrmVGI055::bbtPreviewClick()
{
    TfrmZZS010::bbtPreviewClick();
    printReport();
}

void TfrmVGI055::printReport()
{
    RecordSetReportData data(cdsMain);
    TfrmVGI056 layout;
    layout.setData(&data);
    layout.qrlCondition->setText(m_searchedDate.isEmpty() ? QString()
                                                          : QStringLiteral("납일일자 : ") + m_searchedDate + QStringLiteral(" 까지"));
    layout.Prepare();
    layout.PrintOrPreview(PreviewFlag, this);
}
