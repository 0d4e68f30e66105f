#include "screens/tax/VEI020.h"
#include "common/DialogService.h"
#include "common/DateUtil.h"
#include "common/Db.h"
#include "common/HandOver.h"
#include "common/Messages.h"
#include "common/NumEdit.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/TextUtil.h"
#include "common/Transaction.h"
#include "common/WaitWindow.h"
#include "framework/FormKit.h"
#include "framework/print/ReportViewer.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/tax/TaxCommon.h"
#include "screens/tax/TaxListReport.h"
#include "screens/tax/VEI021.h"
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QString kInputError = QStringLiteral("입력오류");
const QString kUnsaved = QStringLiteral("N000000");

const QString kHeaderSql = QStringLiteral(
    "SELECT BILL_SEQ_NO, C_CODE, C_NUM, C_NAME, BOSS_NAME, C_TYPE, C_ITEM, ADDR, BILL_TYPE, BILL_TYPE_NM, PRICE_TYPE,\n"
    "       PRICE_TYPE_NM, TAX_DATE, ISSUE_DATE, TS_PRICE, T_TAX, BILLBOOK_NO, BILLBOOK_HO, CASH_AMT, CHEK_AMT,\n"
    "       BILL_AMT, MISU_AMT, SLIP_NO, CONF_DATE, (TS_PRICE + T_TAX) TOT_AMT\n"
    "  FROM VE010MS\n");

// Every column a save writes, in the order of the values it binds.
const QStringList kWrittenColumns = {
    QStringLiteral("C_CODE"),      QStringLiteral("C_NUM"),         QStringLiteral("C_NAME"),
    QStringLiteral("BOSS_NAME"),   QStringLiteral("C_TYPE"),        QStringLiteral("C_ITEM"),
    QStringLiteral("ADDR"),        QStringLiteral("BILL_TYPE"),     QStringLiteral("BILL_TYPE_NM"),
    QStringLiteral("PRICE_TYPE"),  QStringLiteral("PRICE_TYPE_NM"), QStringLiteral("BILLBOOK_NO"),
    QStringLiteral("BILLBOOK_HO"), QStringLiteral("TAX_DATE"),      QStringLiteral("TS_PRICE"),
    QStringLiteral("T_TAX"),       QStringLiteral("CASH_AMT"),      QStringLiteral("CHEK_AMT"),
    QStringLiteral("BILL_AMT"),    QStringLiteral("MISU_AMT"),      QStringLiteral("SLIP_NO"),
    QStringLiteral("CONF_DATE")};

qint64 amount(const NumEdit* e)
{
    return qRound64(e->value());
}

NumEdit* newAmount(QWidget* parent, const QString& name, int maxLength = 13)
{
    auto* e = new NumEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(maxLength);
    return e;
}

QLineEdit* newReadOnly(QWidget* parent, const QString& name)
{
    QLineEdit* e = Form::NewEdit(parent, name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

// How many decimal digits a whole amount has.
int digitCount(qint64 v)
{
    return int(QString::number(v < 0 ? -v : v).size());
}

}  // namespace

TfrmVEI020::TfrmVEI020(QWidget* parent) : TfrmZQI030(QStringLiteral("VEI020"), parent)
{
    setWindowTitle(QStringLiteral("세금계산서 발행(VEI020)"));
    TaxListReport::registerReport();
    buildSearchPanel();
    buildEntryPanel();
    setUpLookups();

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = new DataGrid;
    rdgMain->setObjectName(QStringLiteral("rdgMain"));
    rdgMain->setEditable(false);
    rdgMain->setRowSelect(true);
    rdgMain->setColumns({GridColumn(QStringLiteral("BILL_SEQ_NO"), QStringLiteral("일련번호"), 72),
                         GridColumn(QStringLiteral("C_NAME"), QStringLiteral("거래처 명"), 90),
                         GridColumn(QStringLiteral("TAX_DATE"), QStringLiteral("발행일자"), 74),
                         GridColumn(QStringLiteral("TS_PRICE"), QStringLiteral("공급가액"), 76),
                         GridColumn(QStringLiteral("T_TAX"), QStringLiteral("세 액"), 62)});
    rdgMain->setMinimumWidth(200);
    rdgMain->setRecordSet(cdsMain);
    rdvReport = new ReportViewer;
    rdvReport->setObjectName(QStringLiteral("rdvReport"));
    rdvReport->setZoom(PreviewPane::FitWidth);
    rdvReport->setMinimumWidth(200);
    pgcList = new QTabWidget;
    pgcList->setObjectName(QStringLiteral("pgcList"));
    pgcList->addTab(rdgMain, QStringLiteral("일자별 거래내역"));
    pgcList->addTab(rdvReport, QStringLiteral("발행 목록"));
    // A page fitted to the viewer's width is laid out again once the viewer
    // is shown at its real size.
    connect(pgcList, &QTabWidget::currentChanged, this, [this](int index) {
        if (pgcList->widget(index) == rdvReport)
            rdvReport->setZoom(rdvReport->zoom());
    });
    Form::Column{pgcList}.attachTo(panDisp);
    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVEI020::rowChanged);
}

void TfrmVEI020::buildSearchPanel()
{
    dtpTax_Sdate = Form::NewDateEdit(panSearch, QStringLiteral("dtpTax_Sdate"));
    dtpTax_Edate = Form::NewDateEdit(panSearch, QStringLiteral("dtpTax_Edate"));
    const QDate today = QDate::currentDate();
    dtpTax_Sdate->setDate(FirstDayOfMonth(today));
    dtpTax_Edate->setDate(LastDayOfMonth(today));
    edtSCust = Form::NewEdit(panSearch, QStringLiteral("edtSCust"), 10);
    edtSCust->setMaximumWidth(90);
    edtSCustName = newReadOnly(panSearch, QStringLiteral("edtSCustName"));
    edtSCustName->setMaximumWidth(150);
    pbtSCust = new TPopupBtn(panSearch);
    pbtSCust->setObjectName(QStringLiteral("pbtSCust"));
    Form::Row{Form::Field(QStringLiteral("발행일자"), dtpTax_Sdate), Form::Label(QStringLiteral("~")), dtpTax_Edate,
              Form::Space(12), Form::Field(QStringLiteral("거래처"), edtSCust), pbtSCust, edtSCustName, Form::Stretch()}
        .attachTo(panSearch);
}

void TfrmVEI020::buildEntryPanel()
{
    // The item lines need the room of nine boxes side by side.
    panInput->setFixedWidth(600);
    QWidget* p = panInput;
    edtBILL_SEQ_NO = newReadOnly(p, QStringLiteral("edtBILL_SEQ_NO"));
    edtC_CODE = Form::NewEdit(p, QStringLiteral("edtC_CODE"), 10);
    edtC_NAME = Form::NewEdit(p, QStringLiteral("edtC_NAME"), 50);
    pbtCust = new TPopupBtn(p);
    pbtCust->setObjectName(QStringLiteral("pbtCust"));
    edtC_NUM = Form::NewEdit(p, QStringLiteral("edtC_NUM"), 15);
    edtBOSS_NAME = Form::NewEdit(p, QStringLiteral("edtBOSS_NAME"), 50);
    edtC_TYPE = Form::NewEdit(p, QStringLiteral("edtC_TYPE"), 30);
    edtC_ITEM = Form::NewEdit(p, QStringLiteral("edtC_ITEM"), 30);
    edtADDR = Form::NewEdit(p, QStringLiteral("edtADDR"), 90);
    edtBILL_TYPE = Form::NewEdit(p, QStringLiteral("edtBILL_TYPE"), 2);
    edtBILL_TYPE_NM = newReadOnly(p, QStringLiteral("edtBILL_TYPE_NM"));
    pbtBillType = new TPopupBtn(p);
    pbtBillType->setObjectName(QStringLiteral("pbtBillType"));
    edtPRICE_TYPE = Form::NewEdit(p, QStringLiteral("edtPRICE_TYPE"), 1);
    edtPRICE_TYPE_NM = newReadOnly(p, QStringLiteral("edtPRICE_TYPE_NM"));
    pbtPRICETYPE = new TPopupBtn(p);
    pbtPRICETYPE->setObjectName(QStringLiteral("pbtPRICETYPE"));
    edtBILLBOOK_NO = Form::NewEdit(p, QStringLiteral("edtBILLBOOK_NO"), 4);
    edtBILLBOOK_HO = Form::NewEdit(p, QStringLiteral("edtBILLBOOK_HO"), 6);
    medTAX_DATE = Form::NewMaskEdit(p, QStringLiteral("medTAX_DATE"), QStringLiteral("!9999/99/00;1;_"));
    edtISSUE_DATE = newReadOnly(p, QStringLiteral("edtISSUE_DATE"));
    nedTOT_AMT = newAmount(p, QStringLiteral("nedTOT_AMT"));
    nedTOT_AMT->setReadOnly(true);
    nedTOT_AMT->setFocusPolicy(Qt::NoFocus);
    nedCASH_AMT = newAmount(p, QStringLiteral("nedCASH_AMT"));
    nedCHEK_AMT = newAmount(p, QStringLiteral("nedCHEK_AMT"));
    nedBILL_AMT = newAmount(p, QStringLiteral("nedBILL_AMT"));
    nedMISU_AMT = newAmount(p, QStringLiteral("nedMISU_AMT"));
    nedTS_PRICE = newAmount(p, QStringLiteral("nedTS_PRICE"));
    nedT_TAX = newAmount(p, QStringLiteral("nedT_TAX"));
    for (NumEdit* e : {nedTS_PRICE, nedT_TAX}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
    }
    edtSLIP_NO = newReadOnly(p, QStringLiteral("edtSLIP_NO"));
    edtCONF_DATE = newReadOnly(p, QStringLiteral("edtCONF_DATE"));
    edtC_CODE->setFixedWidth(84);
    for (QLineEdit* e : {edtBILL_TYPE, edtPRICE_TYPE})
        e->setFixedWidth(30);
    for (QLineEdit* e : {edtBILLBOOK_NO, edtBILLBOOK_HO})
        e->setFixedWidth(52);
    for (QLineEdit* e : {edtBILL_SEQ_NO, edtC_NUM, edtBOSS_NAME, edtC_TYPE, edtC_ITEM, edtC_NAME, edtBILL_TYPE_NM,
                         edtPRICE_TYPE_NM, medTAX_DATE, edtISSUE_DATE, edtSLIP_NO, edtCONF_DATE})
        e->setMinimumWidth(60);

    Form::Grid lines;
    lines.addRow({Form::Label(QStringLiteral("일자\n(MMDD)")), Form::Label(QStringLiteral("품목")),
                  Form::Label(QStringLiteral("규격")), Form::Label(QStringLiteral("수량")),
                  Form::Label(QStringLiteral("단가")), Form::Label(QStringLiteral("총합계액")),
                  Form::Label(QStringLiteral("공급가액")), Form::Label(QStringLiteral("세액")),
                  Form::Label(QStringLiteral("비고"))});
    for (int n = 0; n < kLines; ++n) {
        const QString k = QString::number(n + 1);
        LineBoxes& b = m_lines[n];
        b.date = Form::NewEdit(p, QStringLiteral("edtDEF_DATE_") + k, 4);
        b.product = Form::NewEdit(p, QStringLiteral("edtPRODUCT_NAME_") + k, 50);
        b.size = Form::NewEdit(p, QStringLiteral("edtP_SIZE_") + k, 10);
        b.quantity = newAmount(p, QStringLiteral("nedQUANTITY_") + k, 6);
        b.unitPrice = newAmount(p, QStringLiteral("nedUNIT_PRICE_") + k, 10);
        b.total = newAmount(p, QStringLiteral("nedTOTAL_") + k, 10);
        b.supply = newAmount(p, QStringLiteral("nedSUP_PRICE_") + k, 10);
        b.tax = newAmount(p, QStringLiteral("nedTAX_") + k, 10);
        b.summary = Form::NewEdit(p, QStringLiteral("edtSUMMARY_") + k, 100);
        b.date->setFixedWidth(40);
        b.size->setFixedWidth(50);
        b.quantity->setFixedWidth(40);
        b.unitPrice->setFixedWidth(62);
        for (NumEdit* e : {b.total, b.supply})
            e->setFixedWidth(74);
        b.tax->setFixedWidth(64);
        b.product->setMinimumWidth(60);
        b.summary->setMinimumWidth(40);
        lines.addRow({b.date, b.product, b.size, b.quantity, b.unitPrice, b.total, b.supply, b.tax, b.summary});
    }
    lines.stretchColumn(1, 2).stretchColumn(8, 1).spacing(2);

    Form::Column{
        Form::Grid{
            {Form::Field(QStringLiteral("일련번호"), edtBILL_SEQ_NO), Form::Empty(),
             Form::Field(QStringLiteral("계산서구분"), Form::Row{edtBILL_TYPE, pbtBillType, edtBILL_TYPE_NM})},
            {Form::Field(QStringLiteral("거래처"), Form::Row{edtC_CODE, pbtCust, edtC_NAME}), Form::Empty(),
             Form::Field(QStringLiteral("금액구분"), Form::Row{edtPRICE_TYPE, pbtPRICETYPE, edtPRICE_TYPE_NM})},
            {Form::Field(QStringLiteral("사업자번호"), edtC_NUM), Form::Empty(),
             Form::Field(QStringLiteral("책번호"), Form::Row{edtBILLBOOK_NO, Form::Label(QStringLiteral("권")),
                                                             edtBILLBOOK_HO, Form::Label(QStringLiteral("호"))})},
            {Form::Field(QStringLiteral("대표자명"), edtBOSS_NAME), Form::Empty(),
             Form::Field(QStringLiteral("발행일자"), medTAX_DATE)},
            {Form::Field(QStringLiteral("업태"), edtC_TYPE), Form::Empty(),
             Form::Field(QStringLiteral("작성일자"), edtISSUE_DATE)},
            {Form::Field(QStringLiteral("종목"), edtC_ITEM), Form::Empty(),
             Form::Field(QStringLiteral("합계금액"), nedTOT_AMT)},
            {Form::Field(QStringLiteral("주   소"), Form::Span(4, edtADDR))},
        }.spacing(4).stretchColumn(1).stretchColumn(4),
        Form::Group{QStringLiteral("품목세부내역"), lines},
        Form::Grid{
            {Form::Field(QStringLiteral("현금"), nedCASH_AMT), Form::Field(QStringLiteral("수표"), nedCHEK_AMT),
             Form::Field(QStringLiteral("총공급가액"), nedTS_PRICE)},
            {Form::Field(QStringLiteral("어음"), nedBILL_AMT), Form::Field(QStringLiteral("외상미수금"), nedMISU_AMT),
             Form::Field(QStringLiteral("세액"), nedT_TAX)},
        }.spacing(4).stretchColumn(1).stretchColumn(3).stretchColumn(5),
        Form::Group{QStringLiteral("[ 전표발행여부 ]"),
                    Form::Row{Form::Field(QStringLiteral("전표번호"), edtSLIP_NO),
                              Form::Field(QStringLiteral("확정일자"), edtCONF_DATE)}},
        Form::Stretch()}
        .margins(6)
        .spacing(6)
        .attachTo(panInput);
}

void TfrmVEI020::setUpLookups()
{
    const QString custSql = QStringLiteral("SELECT C_CODE, C_NAME, BOSS_NAME, C_NUM, C_ITEM, C_TYPE, "
                                           "COALESCE(ADDR1, '') || COALESCE(ADDR2, '') ADDR FROM VA050MS");
    for (TPopupBtn* b : {pbtCust, pbtSCust}) {
        b->setSql(custSql + QStringLiteral(" ORDER BY C_CODE"));
        b->setLinkSql(custSql + QStringLiteral(" WHERE (C_CODE LIKE '%' || :c_cd || '%' OR C_NAME LIKE '%' || :c_cd "
                                               "|| '%') ORDER BY C_CODE"));
        b->setColumnTitles({QStringLiteral("코     드"), QStringLiteral("거래처명"), QStringLiteral("대 표 자"),
                            QStringLiteral("사업자번호")});
    }
    pbtSCust->setColumnWidths({QStringLiteral("10"), QStringLiteral("22"), QStringLiteral("10"), QStringLiteral("15")});
    pbtCust->setColumnWidths({QStringLiteral("10"), QStringLiteral("22"), QStringLiteral("10"), QStringLiteral("15"),
                              QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")});
    pbtCust->setLinkControl(edtC_CODE);
    pbtSCust->setLinkControl(edtSCust);
    connect(pbtCust, &TPopupBtn::clicked, this, [this] {
        if (pbtCust->modalResult() != Lookup::mrOk)
            return;
        const QStringList v = pbtCust->returnValue();
        edtC_CODE->setText(v.value(0).trimmed());
        edtC_NAME->setText(v.value(1).trimmed());
        edtBOSS_NAME->setText(v.value(2).trimmed());
        edtC_NUM->setText(v.value(3).trimmed());
        // the customer's business type (C_ITEM) goes to the invoice's 업태 box
        edtC_TYPE->setText(v.value(4).trimmed());
        edtC_ITEM->setText(v.value(5).trimmed());
        edtADDR->setText(v.value(6).trimmed());
    });
    connect(pbtSCust, &TPopupBtn::clicked, this, [this] {
        if (pbtSCust->modalResult() != Lookup::mrOk)
            return;
        edtSCust->setText(pbtSCust->returnValue().value(0).trimmed());
        edtSCustName->setText(pbtSCust->returnValue().value(1).trimmed());
    });

    const QString billSql = QStringLiteral("SELECT DETAIL, DETAIL_NAME, ITEM1 FROM ZX010MS WHERE HEAD = 'V0017' AND "
                                           "DETAIL <> ' ' AND ITEM1 = '2'");
    pbtBillType->setSql(billSql + QStringLiteral(" ORDER BY DETAIL"));
    pbtBillType->setLinkSql(billSql + QStringLiteral(" AND (DETAIL LIKE '%' || :cd || '%' OR DETAIL_NAME LIKE '%' || "
                                                     ":cd || '%') ORDER BY DETAIL"));
    const QString priceSql =
        QStringLiteral("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'V0025' AND DETAIL <> ' '");
    pbtPRICETYPE->setSql(priceSql + QStringLiteral(" ORDER BY DETAIL"));
    pbtPRICETYPE->setLinkSql(priceSql + QStringLiteral(" AND (DETAIL LIKE '%' || :cd || '%' OR DETAIL_NAME LIKE '%' "
                                                       "|| :cd || '%') ORDER BY DETAIL"));
    for (TPopupBtn* b : {pbtBillType, pbtPRICETYPE}) {
        b->setColumnTitles({QStringLiteral("코     드"), QStringLiteral("코 드 명")});
        b->setColumnWidths({QStringLiteral("10"), QStringLiteral("22")});
    }
    pbtBillType->setLinkControl(edtBILL_TYPE);
    pbtPRICETYPE->setLinkControl(edtPRICE_TYPE);
    connect(pbtBillType, &TPopupBtn::clicked, this, [this] {
        if (pbtBillType->modalResult() != Lookup::mrOk)
            return;
        edtBILL_TYPE->setText(pbtBillType->returnValue().value(0).trimmed());
        edtBILL_TYPE_NM->setText(pbtBillType->returnValue().value(1).trimmed());
        splitLineTotals();
    });
    connect(pbtPRICETYPE, &TPopupBtn::clicked, this, [this] {
        if (pbtPRICETYPE->modalResult() != Lookup::mrOk)
            return;
        edtPRICE_TYPE->setText(pbtPRICETYPE->returnValue().value(0).trimmed());
        edtPRICE_TYPE_NM->setText(pbtPRICETYPE->returnValue().value(1).trimmed());
    });
}

// --- the list and the boxes ---------------------------------------------------------------

void TfrmVEI020::FormShow()
{
    if (HandOver::HandBillSeqNo.isEmpty())
        return;
    m_openOnShow = HandOver::HandBillSeqNo;
    const QDate from = QDate::fromString(HandOver::HandFromDate, Qt::ISODate);
    const QDate to = QDate::fromString(HandOver::HandToDate, Qt::ISODate);
    HandOver::HandBillSeqNo.clear();
    HandOver::HandFromDate.clear();
    HandOver::HandToDate.clear();
    if (bbtCancel->isEnabled())
        bbtCancelClick();
    if (!bbtSearch->isEnabled())
        return;
    if (from.isValid())
        dtpTax_Sdate->setDate(from);
    if (to.isValid())
        dtpTax_Edate->setDate(to);
    edtSCust->clear();
    edtSCustName->clear();
    bbtSearchClick();
}

void TfrmVEI020::DoSearch()
{
    const QString from = dtpTax_Sdate->date().toString(Qt::ISODate);
    const QString to = dtpTax_Edate->date().toString(Qt::ISODate);
    // The customer travels as a value, never as part of the statement.
    cdsMain->open(kHeaderSql + QStringLiteral(" WHERE TAX_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
                                              "   AND (CAST(:P2 AS TEXT) IS NULL OR C_CODE = :P2)\n"
                                              " ORDER BY BILL_SEQ_NO"),
                  {from, to, edtSCust->text().trimmed()});
    for (const char* f : {"TS_PRICE", "T_TAX", "TOT_AMT", "CASH_AMT", "CHEK_AMT", "BILL_AMT", "MISU_AMT"})
        cdsMain->setDisplayFormat(QLatin1String(f), QStringLiteral("#,###"));
    m_reportArguments = QStringLiteral("/rp  [") + from + QStringLiteral("] [") + to + QStringLiteral("] ");
    rdvReport->OpenReport(ReportServer::location(kReportFile), m_reportArguments);
    if (!m_openOnShow.isEmpty()) {
        cdsMain->locate(QStringLiteral("BILL_SEQ_NO"), m_openOnShow);
        m_openOnShow.clear();
    }
    RecordCount = cdsMain->recordCount();
    ShowStatus(QStringLiteral("RecordCount : %1").arg(RecordCount));
    RefreshButtons();
    showHeader();
}

void TfrmVEI020::rowChanged()
{
    if (State == stBrowse)
        showHeader();
}

void TfrmVEI020::showHeader()
{
    const bool row = cdsMain->isOpen() && !cdsMain->isEmpty();
    const auto text = [this, row](const char* f) { return row ? cdsMain->fieldAsString(QLatin1String(f)) : QString(); };
    const auto money = [this, row](const char* f) { return row ? double(cdsMain->fieldAsInteger(QLatin1String(f))) : 0.0; };
    edtBILL_SEQ_NO->setText(text("BILL_SEQ_NO"));
    edtC_CODE->setText(text("C_CODE"));
    edtC_NAME->setText(text("C_NAME"));
    edtC_NUM->setText(text("C_NUM"));
    edtBOSS_NAME->setText(text("BOSS_NAME"));
    edtC_TYPE->setText(text("C_TYPE"));
    edtC_ITEM->setText(text("C_ITEM"));
    edtADDR->setText(text("ADDR"));
    edtBILL_TYPE->setText(text("BILL_TYPE"));
    edtBILL_TYPE_NM->setText(text("BILL_TYPE_NM"));
    edtPRICE_TYPE->setText(text("PRICE_TYPE"));
    edtPRICE_TYPE_NM->setText(text("PRICE_TYPE_NM"));
    edtBILLBOOK_NO->setText(text("BILLBOOK_NO"));
    edtBILLBOOK_HO->setText(text("BILLBOOK_HO"));
    medTAX_DATE->setText(row ? cdsMain->fieldAsDate(QStringLiteral("TAX_DATE")).toString(QStringLiteral("yyyyMMdd"))
                             : QString());
    edtISSUE_DATE->setText(row ? cdsMain->fieldAsDate(QStringLiteral("ISSUE_DATE")).toString(Qt::ISODate) : QString());
    nedTOT_AMT->setValue(money("TOT_AMT"));
    nedCASH_AMT->setValue(money("CASH_AMT"));
    nedCHEK_AMT->setValue(money("CHEK_AMT"));
    nedBILL_AMT->setValue(money("BILL_AMT"));
    nedMISU_AMT->setValue(money("MISU_AMT"));
    nedTS_PRICE->setValue(money("TS_PRICE"));
    nedT_TAX->setValue(money("T_TAX"));
    edtSLIP_NO->setText(text("SLIP_NO"));
    edtCONF_DATE->setText(row ? cdsMain->fieldAsDate(QStringLiteral("CONF_DATE")).toString(Qt::ISODate) : QString());
    if (row)
        loadLines(text("BILL_SEQ_NO"));
    else
        clearLines();
}

void TfrmVEI020::clearLines()
{
    for (LineBoxes& b : m_lines) {
        for (QLineEdit* e : {b.date, b.product, b.size, b.summary})
            e->clear();
        for (NumEdit* e : {b.quantity, b.unitPrice, b.total, b.supply, b.tax})
            e->setValue(0);
    }
}

// Every stored line is shown in its own box, a line with tax alone too: a
// line the screen did not show would be lost by the next save.
void TfrmVEI020::loadLines(const QString& billSeqNo)
{
    clearLines();
    QSqlQuery q = RunQuery(QStringLiteral("SELECT SEQ_NO, DEF_DATE, PRODUCT_NAME, P_SIZE, QUANTITY, UNIT_PRICE, SUP_PRICE, TAX,"
                                          " SUMMARY FROM VE012DT WHERE BILL_SEQ_NO = :P0 ORDER BY SEQ_NO"),
                           {billSeqNo});
    while (q.next()) {
        const int n = q.value(0).toInt() - 1;
        if (n < 0 || n >= kLines)
            continue;
        LineBoxes& b = m_lines[n];
        b.date->setText(q.value(1).toString());
        b.product->setText(q.value(2).toString());
        b.size->setText(q.value(3).toString());
        b.quantity->setValue(q.value(4).toDouble());
        b.unitPrice->setValue(q.value(5).toDouble());
        b.supply->setValue(q.value(6).toDouble());
        b.tax->setValue(q.value(7).toDouble());
        b.total->setValue(q.value(6).toDouble() + q.value(7).toDouble());
        b.summary->setText(q.value(8).toString());
    }
}

void TfrmVEI020::setLineDates()
{
    const QString digits = DigitsOnly(medTAX_DATE->text());
    if (digits.size() != 8)
        return;
    for (LineBoxes& b : m_lines)
        b.date->setText(digits.mid(4, 4));
}

void TfrmVEI020::splitLineTotals()
{
    const QString kind = edtBILL_TYPE->text().trimmed();
    for (LineBoxes& b : m_lines) {
        const Tax::Split s = Tax::SplitTotal(amount(b.total), kind);
        b.supply->setValue(double(s.supply));
        b.tax->setValue(double(s.tax));
    }
    sumLines();
}

// The header shows the sums of the lines; a line's total is its supply and
// tax, also after the user typed over either.
void TfrmVEI020::sumLines()
{
    qint64 supply = 0;
    qint64 tax = 0;
    for (LineBoxes& b : m_lines) {
        b.total->setValue(double(amount(b.supply) + amount(b.tax)));
        supply += amount(b.supply);
        tax += amount(b.tax);
    }
    nedTS_PRICE->setValue(double(supply));
    nedT_TAX->setValue(double(tax));
    nedTOT_AMT->setValue(double(supply + tax));
}

void TfrmVEI020::FieldExit(QWidget* control)
{
    TfrmZQI030::FieldExit(control);
    if (State != stEdit && State != stInsert) {
        if (control == edtSCust && !edtSCust->text().trimmed().isEmpty())
            pbtSCust->LinkSearch();
        return;
    }
    if (control == edtC_CODE && !edtC_CODE->text().trimmed().isEmpty()) {
        pbtCust->LinkSearch();
        medTAX_DATE->setFocus();
    } else if (control == edtBILL_TYPE && !edtBILL_TYPE->text().trimmed().isEmpty()) {
        pbtBillType->LinkSearch();
    } else if (control == edtPRICE_TYPE && !edtPRICE_TYPE->text().trimmed().isEmpty()) {
        pbtPRICETYPE->LinkSearch();
    } else if (control == medTAX_DATE) {
        setLineDates();
    } else {
        for (const LineBoxes& b : m_lines) {
            if (control == b.total)
                splitLineTotals();
            else if (control == b.supply || control == b.tax)
                sumLines();
        }
    }
}

// F1 in a code box opens its lookup.
bool TfrmVEI020::FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_F1 && modifiers == Qt::NoModifier) {
        const std::pair<QWidget*, TPopupBtn*> lookups[] = {
            {edtC_CODE, pbtCust}, {edtSCust, pbtSCust}, {edtBILL_TYPE, pbtBillType}, {edtPRICE_TYPE, pbtPRICETYPE}};
        for (const auto& [field, button] : lookups) {
            if (control == field) {
                button->click();
                return true;
            }
        }
    }
    return TfrmZQI030::FieldKeyDown(control, key, modifiers);
}

// The date box keeps its separators ("2026/12/11").
bool TfrmVEI020::dateFieldAccepts(QLineEdit* edit)
{
    const QString digits = DigitsOnly(edit->text());
    return digits.isEmpty() || QDate::fromString(digits, QStringLiteral("yyyyMMdd")).isValid();
}

// A new invoice may be sent to print, to be told that it is saved first.
void TfrmVEI020::RefreshButtons()
{
    TfrmZQI030::RefreshButtons();
    if (State == stInsert) {
        bbtPrint->setEnabled(true);
        bbtPreview->setEnabled(true);
    }
}

// --- operations ------------------------------------------------------------------------------

void TfrmVEI020::AfterNew()
{
    cdsMain->append();
    cdsMain->setValue(QStringLiteral("BILL_SEQ_NO"), kUnsaved);
    m_oldBillSeqNo.clear();
    edtBILL_SEQ_NO->setText(kUnsaved);
    edtBILL_TYPE->setText(QStringLiteral("6"));
    edtBILL_TYPE_NM->setText(QStringLiteral("매출(세금)"));
    const QDate today = QDate::currentDate();
    medTAX_DATE->setText(today.toString(QStringLiteral("yyyyMMdd")));
    edtISSUE_DATE->setText(today.toString(Qt::ISODate));
    clearLines();
    for (NumEdit* e : {nedTOT_AMT, nedCASH_AMT, nedCHEK_AMT, nedBILL_AMT, nedMISU_AMT, nedTS_PRICE, nedT_TAX})
        e->setValue(0);
    edtPRICE_TYPE->setText(QStringLiteral("2"));
    edtPRICE_TYPE_NM->setText(QStringLiteral("청구"));
    edtC_CODE->setFocus();
}

void TfrmVEI020::AfterEdit()
{
    cdsMain->edit();
    m_oldBillSeqNo = cdsMain->fieldAsString(QStringLiteral("BILL_SEQ_NO"));
    setLineDates();
    m_lines[0].date->setFocus();
}

void TfrmVEI020::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    showHeader();
}

bool TfrmVEI020::refuse(const QString& text, QWidget* focus)
{
    MsgBox(text, kInputError, DialogService::Error);
    if (focus)
        focus->setFocus();
    return false;
}

bool TfrmVEI020::checkInput()
{
    if (edtC_CODE->text().trimmed().isEmpty())
        return refuse(QStringLiteral("거래처를 입력하세요"), edtC_CODE);
    if (edtC_NUM->text().trimmed().isEmpty())
        return refuse(QStringLiteral("사업자번호를 입력하세요"), edtC_NUM);
    if (edtBOSS_NAME->text().trimmed().isEmpty())
        return refuse(QStringLiteral("대표자명을 입력하세요"), edtBOSS_NAME);
    if (edtBILL_TYPE_NM->text().trimmed().isEmpty())
        return refuse(QStringLiteral("계산서 구분값을 입력하세요"), edtBILL_TYPE);
    if (edtPRICE_TYPE_NM->text().trimmed().isEmpty())
        return refuse(QStringLiteral("금액 구분값을 입력하세요"), edtPRICE_TYPE);
    if (DigitsOnly(medTAX_DATE->text()).isEmpty())
        return refuse(QStringLiteral("발행일자를 입력하세요"), medTAX_DATE);
    if (!QDate::fromString(DigitsOnly(medTAX_DATE->text()), QStringLiteral("yyyyMMdd")).isValid())
        return refuse(QStringLiteral("날짜를 바르게 입력하십시오."), medTAX_DATE);
    if (!Tax::PaymentAgrees(amount(nedCASH_AMT), amount(nedCHEK_AMT), amount(nedBILL_AMT), amount(nedMISU_AMT),
                            amount(nedTOT_AMT)))
        return refuse(QStringLiteral("총합계금액과 현금,수표,어음,미수금에 입력한 금액이 맞지 않습니다"), nedCASH_AMT);
    // What the register's columns hold: a larger amount would fail the write.
    for (const LineBoxes& b : m_lines) {
        if (digitCount(amount(b.supply)) > 10 || digitCount(amount(b.tax)) > 9 || digitCount(amount(b.quantity)) > 8)
            return refuse(QStringLiteral("품목의 금액이 너무 큽니다 (공급가액 10자리, 세액 9자리까지)"), b.total);
        if (edtBILL_TYPE->text().trimmed() == QLatin1String("5") && amount(b.tax) != 0)
            return refuse(QStringLiteral("계산서(면세)에는 세액을 입력할 수 없습니다"), b.tax);
    }
    if (digitCount(amount(nedTS_PRICE)) > 10 || digitCount(amount(nedT_TAX)) > 9)
        return refuse(QStringLiteral("총공급가액은 10자리, 세액은 9자리까지 입력할 수 있습니다"), m_lines[0].total);
    return true;
}

bool TfrmVEI020::assignNumbers(QString* seqNo, QString* bookNo, QString* bookHo)
{
    const QVariant session =
        Db::scalar(QStringLiteral("SELECT SESSION_ID FROM VI010MS WHERE CURRENT_DATE BETWEEN ST_DATE AND ED_DATE"));
    if (!session.isValid()) {
        ShowInfo(QStringLiteral("회계일자에 등록된 기수가 없습니다.관리자에게 문의하세요.!"));
        return false;
    }
    const QString first = CallProcText(QStringLiteral("pr_getadminno"), {QStringLiteral("VE"), session.toString()});
    if (ProcResult::isFailure(first, true)) {
        ShowInfo(first);
        return false;
    }
    const QString second =
        CallProcText(QStringLiteral("pr_getadminno"), {QStringLiteral("VZ"), QDate::currentDate().toString(QStringLiteral("yyyy"))});
    if (ProcResult::isFailure(second, true)) {
        MsgBox(second, QStringLiteral("관리번호"), DialogService::Error);
        return false;
    }
    *seqNo = first.mid(2, 8);
    *bookNo = second.mid(2, 4);
    *bookHo = second.mid(6, 12);
    if (seqNo->size() != 8) {
        MsgBox(QStringLiteral("관리번호가 올바르지 않습니다 (%1)").arg(first), QStringLiteral("관리번호"),
               DialogService::Error);
        return false;
    }
    if (bookHo->size() > 6) {
        MsgBox(QStringLiteral("책번호의 호(%1)가 6자리를 넘어 저장할 수 없습니다.관리자에게 문의하세요.!").arg(*bookHo),
               QStringLiteral("관리번호"), DialogService::Error);
        return false;
    }
    return true;
}

void TfrmVEI020::writeInvoice(const QString& seqNo)
{
    const QString taxDate = FormatDateText(DigitsOnly(medTAX_DATE->text()));
    const QVariantList values = {
        edtC_CODE->text().trimmed(), edtC_NUM->text().trimmed(), edtC_NAME->text().trimmed(),
        edtBOSS_NAME->text().trimmed(), edtC_TYPE->text().trimmed(), edtC_ITEM->text().trimmed(),
        edtADDR->text().trimmed(), edtBILL_TYPE->text().trimmed(), edtBILL_TYPE_NM->text().trimmed(),
        edtPRICE_TYPE->text().trimmed(), edtPRICE_TYPE_NM->text().trimmed(), edtBILLBOOK_NO->text().trimmed(),
        edtBILLBOOK_HO->text().trimmed(), taxDate, amount(nedTS_PRICE), amount(nedT_TAX), amount(nedCASH_AMT),
        amount(nedCHEK_AMT), amount(nedBILL_AMT), amount(nedMISU_AMT),
        // the slip's number and confirmation are carried unchanged
        cdsMain->fieldAsString(QStringLiteral("SLIP_NO")),
        cdsMain->isNull(QStringLiteral("CONF_DATE")) ? QString()
                                                     : cdsMain->fieldAsDate(QStringLiteral("CONF_DATE")).toString(Qt::ISODate)};
    QStringList marks;
    for (int i = 0; i < kWrittenColumns.size(); ++i)
        marks << QStringLiteral(":P%1").arg(i);
    const int keyMark = int(kWrittenColumns.size());
    const int ipMark = keyMark + 1;
    QVariantList params = values;
    params << seqNo << Session::workstationIp << Session::empNo;
    // numbers and dates travel as text and are cast by the statement
    const auto cast = [](const QString& column, const QString& mark) {
        if (column == QLatin1String("TAX_DATE") || column == QLatin1String("CONF_DATE"))
            return QStringLiteral("CAST(%1 AS DATE)").arg(mark);
        if (column.endsWith(QLatin1String("_AMT")) || column == QLatin1String("TS_PRICE") || column == QLatin1String("T_TAX"))
            return QStringLiteral("CAST(%1 AS NUMERIC)").arg(mark);
        return mark;
    };
    QStringList typed;
    for (int i = 0; i < kWrittenColumns.size(); ++i)
        typed << cast(kWrittenColumns.at(i), marks.at(i));
    if (State == stInsert) {
        ExecSql(QStringLiteral("INSERT INTO VE010MS (BILL_SEQ_NO, %1, ISSUE_DATE, U_DATE, U_IP, U_EMP_NO)\n"
                               "VALUES (:P%2, %3, CURRENT_DATE, LOCALTIMESTAMP(0), :P%4, :P%5)")
                    .arg(kWrittenColumns.join(QStringLiteral(", ")))
                    .arg(keyMark)
                    .arg(typed.join(QStringLiteral(", ")))
                    .arg(ipMark)
                    .arg(ipMark + 1),
                params);
    } else {
        QStringList sets;
        for (int i = 0; i < kWrittenColumns.size(); ++i)
            sets << kWrittenColumns.at(i) + QStringLiteral(" = ") + typed.at(i);
        params[keyMark] = m_oldBillSeqNo;
        ExecSql(QStringLiteral("UPDATE VE010MS SET %1, U_DATE = LOCALTIMESTAMP(0), U_IP = :P%2, U_EMP_NO = :P%3\n"
                               " WHERE BILL_SEQ_NO = :P%4")
                    .arg(sets.join(QStringLiteral(", ")))
                    .arg(ipMark)
                    .arg(ipMark + 1)
                    .arg(keyMark),
                params);
    }
    ExecSql(QStringLiteral("DELETE FROM VE012DT WHERE BILL_SEQ_NO = :P0"), {seqNo});
    for (int n = 0; n < kLines; ++n) {
        const LineBoxes& b = m_lines[n];
        if (amount(b.total) == 0 && amount(b.supply) == 0 && amount(b.tax) == 0)
            continue;
        ExecSql(QStringLiteral("INSERT INTO VE012DT (BILL_SEQ_NO, SEQ_NO, DEF_DATE, PRODUCT_NAME, P_SIZE, QUANTITY,"
                               " UNIT_PRICE, SUP_PRICE, TAX, SUMMARY, U_DATE, U_IP, U_EMP_NO)\n"
                               "VALUES (:P0, CAST(:P1 AS INTEGER), :P2, :P3, :P4, CAST(:P5 AS NUMERIC), CAST(:P6 AS NUMERIC),"
                               " CAST(:P7 AS NUMERIC), CAST(:P8 AS NUMERIC), :P9, LOCALTIMESTAMP(0), :P10, :P11)"),
                {seqNo, n + 1, b.date->text().trimmed(), b.product->text().trimmed(), b.size->text().trimmed(),
                 amount(b.quantity), amount(b.unitPrice), amount(b.supply), amount(b.tax), b.summary->text().trimmed(),
                 Session::workstationIp, Session::empNo});
    }
}

void TfrmVEI020::refreshRow(const QString& seqNo)
{
    const QVariantList row = RunQueryRow(kHeaderSql + QStringLiteral(" WHERE BILL_SEQ_NO = :P0"), {seqNo});
    const QStringList fields = cdsMain->fieldNames();
    for (int i = 0; i < fields.size() && i < row.size(); ++i)
        cdsMain->setValue(fields.at(i), row.at(i));
    cdsMain->post();
}

void TfrmVEI020::DoSave()
{
    sumLines();
    if (!checkInput())
        return;
    ShowWait(QStringLiteral("해당프로시저를 처리중입니다!"));
    struct WaitGuard {
        ~WaitGuard() { HideWait(); }
    } waitGuard;
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    QString seqNo = m_oldBillSeqNo;
    if (State == stInsert) {
        QString bookNo;
        QString bookHo;
        if (!assignNumbers(&seqNo, &bookNo, &bookHo))
            return;
        edtBILLBOOK_NO->setText(bookNo);
        edtBILLBOOK_HO->setText(bookHo);
    }
    writeInvoice(seqNo);
    tx.commit();
    refreshRow(seqNo);
    edtBILL_SEQ_NO->setText(seqNo);
    RecordCount = cdsMain->recordCount();
    ShowStatus(QStringLiteral("RecordCount : %1").arg(RecordCount));
    Done = true;
    showHeader();
}

void TfrmVEI020::DoDelete()
{
    Done = true;
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return;
    const QString seqNo = cdsMain->fieldAsString(QStringLiteral("BILL_SEQ_NO"));
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("DELETE FROM VE012DT WHERE BILL_SEQ_NO = :P0"), {seqNo});
    ExecSql(QStringLiteral("DELETE FROM VE010MS WHERE BILL_SEQ_NO = :P0"), {seqNo});
    tx.commit();
    cdsMain->deleteRecord();
    RecordCount = cdsMain->recordCount();
    ShowStatus(QStringLiteral("RecordCount : %1").arg(RecordCount));
    showHeader();
}

void TfrmVEI020::printInvoice()
{
    const QString seqNo = cdsMain->isOpen() && !cdsMain->isEmpty()
                              ? cdsMain->fieldAsString(QStringLiteral("BILL_SEQ_NO")) : edtBILL_SEQ_NO->text();
    if (seqNo.isEmpty() || seqNo.startsWith(QLatin1Char('N'))) {
        ShowInfo(QStringLiteral("저장 후에 출력 하실수 있습니다.!"));
        return;
    }
    auto layout = std::make_unique<TfrmVEI021>(seqNo);
    layout->Prepare();
    layout->PrintOrPreview(PreviewFlag, this);
}

void TfrmVEI020::DoPrint()
{
    printInvoice();
}

void TfrmVEI020::DoPreview()
{
    printInvoice();
}

void TfrmVEI020::DoExcel()
{
    ExportDBGrid(rdgMain, QStringLiteral("세금계산서 발행"));
}
