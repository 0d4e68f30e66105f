#include "screens/daily/VCI100.h"
#include "common/DateUtil.h"
#include "framework/FormKit.h"
#include "framework/print/ReportViewer.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/daily/DailyBooks.h"
#include "screens/daily/VCI101.h"
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

using DailyBooks::column;

namespace {
const QString kReportFile = QStringLiteral("2110470.mrd");
}  // namespace

QString TfrmVCI100::receiptsSql()
{
    // A: per line of the account its items; the amount received is the
    // line's credit. The amount applied sums the reservation system's
    // receipts naming the slip (characters 1-8) and line (9-10); the
    // completion flag is the largest one given to the application number on
    // any line of the account.
    return QStringLiteral(
        "WITH A AS (\n"
        "  SELECT SLIP_NO, SLIP_SEQ_NO,\n"
        "         TO_CHAR(MAX(CASE WHEN MG_CODE = '140' THEN CONF_DATE END), 'YYYYMMDD') IPGUM_DATE,\n"
        "         MAX(CASE WHEN MG_CODE = '140' THEN MG_DETAIL END) IPGUM_NAME,\n"
        "         SUM(CASE WHEN MG_CODE = '140' THEN C_AMOUNT END) IPGUM_AMT,\n"
        "         MAX(CASE WHEN MG_CODE = '165' THEN CASE MG_DETAIL WHEN '1' THEN '보통예금' WHEN '2' THEN '신용카드'\n"
        "                                                           WHEN '3' THEN '현금' END END) IPGUM_WAY,\n"
        "         MAX(CASE WHEN MG_CODE = '166' THEN MG_DETAIL END) APPLICATION_NO\n"
        "    FROM VB011DT\n"
        "   WHERE ACCT_CODE = '2110470'\n"
        "     AND CONF_DATE >= CAST(:P0 AS DATE) AND CONF_DATE <= CAST(:P1 AS DATE)\n"
        "   GROUP BY SLIP_NO, SLIP_SEQ_NO)\n"
        "SELECT A.IPGUM_DATE, A.IPGUM_NAME, A.IPGUM_AMT, A.IPGUM_WAY,\n"
        "       coalesce((SELECT SUM(R.RECEIPTS_AMT) FROM AB010MS R\n"
        "                  WHERE SUBSTR(R.RECEIPTS_REMARK, 1, 8) = A.SLIP_NO\n"
        "                    AND SUBSTR(R.RECEIPTS_REMARK, 9, 2) ~ '^[0-9]+$'\n"
        "                    AND CAST(SUBSTR(R.RECEIPTS_REMARK, 9, 2) AS INTEGER) = A.SLIP_SEQ_NO), 0) APPLY_AMT,\n"
        "       A.APPLICATION_NO,\n"
        "       (SELECT MAX(NULLIF(D.MG_DETAIL_NAME, '')) FROM VB011DT D\n"
        "         WHERE D.ACCT_CODE = '2110470' AND D.MG_CODE = '166' AND D.MG_DETAIL = A.APPLICATION_NO) FINAL_YN,\n"
        "       A.SLIP_NO, A.SLIP_SEQ_NO\n"
        "  FROM A\n"
        " WHERE A.IPGUM_AMT > 0\n"
        " ORDER BY A.IPGUM_DATE, A.IPGUM_NAME DESC, A.SLIP_NO, A.SLIP_SEQ_NO");
}

void TfrmVCI100::registerReport()
{
    ReportRegistry& registry = ReportRegistry::instance();
    if (registry.contains(kReportFile))
        return;
    registry.add(kReportFile, [](const ReportRequest& request) -> std::unique_ptr<TfrmZZP010> {
        return std::make_unique<TfrmVCI101>(request.values.value(0), request.values.value(1));
    });
}

TfrmVCI100::TfrmVCI100(QWidget* parent) : TfrmZZS020(QStringLiteral("VCI100"), parent)
{
    setWindowTitle(QStringLiteral("예약선수금 입금내역(VCI100)"));
    registerReport();
    for (QPushButton* b : {bbtPrint, bbtPreview, bbtExcel})
        b->hide();

    dtpFSlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFSlipDate"));
    dtpESlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpESlipDate"));
    const QDate today = QDate::currentDate();
    dtpFSlipDate->setDate(FirstDayOfMonth(today));
    dtpESlipDate->setDate(LastDayOfMonth(today));
    // the customer condition of the ledger base takes no part here
    edtUpperCode = Form::NewEdit(panSearch, QStringLiteral("edtUpperCode"), 15);
    edtUpperCCodeName = Form::NewEdit(panSearch, QStringLiteral("edtUpperCCodeName"));
    pbtUpperCode = new TPopupBtn(panSearch);
    pbtUpperCode->setObjectName(QStringLiteral("pbtUpperCode"));
    Form::Row{Form::Field(QStringLiteral("조회일자"), dtpFSlipDate), Form::Label(QStringLiteral("~")), dtpESlipDate,
              edtUpperCode, pbtUpperCode, edtUpperCCodeName, Form::Stretch()}
        .attachTo(panSearch);
    for (QWidget* w : std::initializer_list<QWidget*>{edtUpperCode, edtUpperCCodeName, pbtUpperCode})
        w->hide();

    rgrGrid->setEditable(false);
    rgrGrid->setColumns({column("IPGUM_DATE", "입금일자", 75), column("IPGUM_NAME", "입 금 자", 80),
                         column("IPGUM_AMT", "입금 금액", 95), column("IPGUM_WAY", "입금 방법", 75),
                         column("APPLY_AMT", "적용 금액", 95), column("APPLICATION_NO", "신청 번호", 95),
                         column("FINAL_YN", "완료 여부", 70), column("SLIP_NO", "전표 번호", 80)});

    rdvReport = new ReportViewer(panInfo);
    rdvReport->setObjectName(QStringLiteral("rdvReport"));
    rdvReport->setZoom(PreviewPane::FitWidth);
    auto* infoLayout = new QVBoxLayout(panInfo);
    infoLayout->setContentsMargins(0, 0, 0, 0);
    infoLayout->addWidget(rdvReport);
    panInfo->show();
    splSplitter->setSizes({560, 440});
}

void TfrmVCI100::bbtSearchClick()
{
    TfrmZZS020::bbtSearchClick();
    const QString from = dtpFSlipDate->date().toString(Qt::ISODate);
    const QString to = dtpESlipDate->date().toString(Qt::ISODate);
    rdvReport->OpenReport(ReportServer::location(kReportFile),
                          QStringLiteral("/rp  [") + from + QStringLiteral("] [") + to + QStringLiteral("] "));
    cdsQuery->open(receiptsSql(), {from, to});
    cdsQuery->setDisplayFormat(QStringLiteral("IPGUM_AMT"), QStringLiteral("###,###,###"));
    cdsQuery->setDisplayFormat(QStringLiteral("APPLY_AMT"), QStringLiteral("#,##0"));
}
