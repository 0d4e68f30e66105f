#include "screens/tax/VEI025.h"
#include "common/DateUtil.h"
#include "common/HandOver.h"
#include "common/Query.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kListSql = QStringLiteral(
    "SELECT BILL_SEQ_NO, TAX_DATE, ISSUE_DATE, C_CODE, C_NAME, C_NUM, BILL_TYPE_NM, PRICE_TYPE_NM, BILLBOOK_NO,\n"
    "       BILLBOOK_HO, TS_PRICE, T_TAX, TS_PRICE + T_TAX TOT_AMT, SLIP_NO\n"
    "  FROM VE010MS\n"
    " WHERE TAX_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
    "   AND (CAST(:P2 AS TEXT) IS NULL OR C_CODE = :P2)\n"
    "   AND (CAST(:P3 AS TEXT) IS NULL OR BILL_TYPE = :P3)\n"
    " ORDER BY TAX_DATE, BILL_SEQ_NO");

}  // namespace

TfrmVEI025::TfrmVEI025(QWidget* parent) : TfrmZZS020(QStringLiteral("VEI025"), parent)
{
    setWindowTitle(QStringLiteral("세금계산서 발행현황(VEI025)"));
    bbtPrint->hide();
    bbtPreview->hide();
    dtpFsDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFsDate"));
    dtpEsDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpEsDate"));
    const QDate today = QDate::currentDate();
    dtpFsDate->setDate(FirstDayOfMonth(today));
    dtpEsDate->setDate(LastDayOfMonth(today));
    edtCust = Form::NewEdit(panSearch, QStringLiteral("edtCust"), 10);
    edtCust->setMaximumWidth(90);
    edtCustName = Form::NewEdit(panSearch, QStringLiteral("edtCustName"));
    edtCustName->setReadOnly(true);
    edtCustName->setFocusPolicy(Qt::NoFocus);
    edtCustName->setMaximumWidth(150);
    pbtCust = new TPopupBtn(panSearch);
    pbtCust->setObjectName(QStringLiteral("pbtCust"));
    const QString custSql = QStringLiteral("SELECT C_CODE, C_NAME, BOSS_NAME, C_NUM FROM VA050MS");
    pbtCust->setSql(custSql + QStringLiteral(" ORDER BY C_CODE"));
    pbtCust->setLinkSql(custSql + QStringLiteral(" WHERE (C_CODE LIKE '%' || :c_cd || '%' OR C_NAME LIKE '%' || :c_cd "
                                                 "|| '%') ORDER BY C_CODE"));
    pbtCust->setColumnTitles({QStringLiteral("코     드"), QStringLiteral("거래처명"), QStringLiteral("대 표 자"),
                              QStringLiteral("사업자번호")});
    pbtCust->setColumnWidths({QStringLiteral("10"), QStringLiteral("22"), QStringLiteral("10"), QStringLiteral("15")});
    pbtCust->setLinkControl(edtCust);
    connect(pbtCust, &TPopupBtn::clicked, this, [this] {
        if (pbtCust->modalResult() != Lookup::mrOk)
            return;
        edtCust->setText(pbtCust->returnValue().value(0).trimmed());
        edtCustName->setText(pbtCust->returnValue().value(1).trimmed());
    });
    connect(edtCust, &QLineEdit::editingFinished, this, [this] {
        if (edtCust->text().trimmed().isEmpty())
            edtCustName->clear();
        else
            pbtCust->LinkSearch();
    });
    cbxBillType = new QComboBox;
    cbxBillType->setObjectName(QStringLiteral("cbxBillType"));
    cbxBillType->addItem(QStringLiteral("전체"), QString());
    QSqlQuery kinds = RunQuery(QStringLiteral("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'V0017' AND DETAIL <> ' '"
                                              " AND ITEM1 = '2' ORDER BY DETAIL"));
    while (kinds.next())
        cbxBillType->addItem(kinds.value(0).toString() + QLatin1Char(':') + kinds.value(1).toString(), kinds.value(0));
    Form::Row{Form::Field(QStringLiteral("발행일자"), dtpFsDate), Form::Label(QStringLiteral("~")), dtpEsDate,
              Form::Space(8), Form::Field(QStringLiteral("거래처"), edtCust), pbtCust, edtCustName, Form::Space(8),
              Form::Field(QStringLiteral("계산서구분"), cbxBillType), Form::Stretch()}
        .attachTo(panSearch);

    rgrGrid->setEditable(false);
    rgrGrid->setColumns({GridColumn(QStringLiteral("BILL_SEQ_NO"), QStringLiteral("일련번호"), 75),
                         GridColumn(QStringLiteral("TAX_DATE"), QStringLiteral("발행일자"), 80),
                         GridColumn(QStringLiteral("ISSUE_DATE"), QStringLiteral("작성일자"), 80),
                         GridColumn(QStringLiteral("C_CODE"), QStringLiteral("거래처코드"), 80),
                         GridColumn(QStringLiteral("C_NAME"), QStringLiteral("거래처명"), 140),
                         GridColumn(QStringLiteral("C_NUM"), QStringLiteral("사업자번호"), 95),
                         GridColumn(QStringLiteral("BILL_TYPE_NM"), QStringLiteral("계산서구분"), 85),
                         GridColumn(QStringLiteral("PRICE_TYPE_NM"), QStringLiteral("금액구분"), 55),
                         GridColumn(QStringLiteral("BILLBOOK_NO"), QStringLiteral("권"), 40),
                         GridColumn(QStringLiteral("BILLBOOK_HO"), QStringLiteral("호"), 40),
                         GridColumn(QStringLiteral("TS_PRICE"), QStringLiteral("공급가액"), 100),
                         GridColumn(QStringLiteral("T_TAX"), QStringLiteral("세액"), 90),
                         GridColumn(QStringLiteral("TOT_AMT"), QStringLiteral("합계금액"), 100),
                         GridColumn(QStringLiteral("SLIP_NO"), QStringLiteral("전표번호"), 80)});
    rgrGrid->setFooterText(QStringLiteral("C_NAME"), QStringLiteral("합      계"));
    for (const char* f : {"TS_PRICE", "T_TAX", "TOT_AMT"})
        rgrGrid->setFooter(QLatin1String(f), FooterKind::Sum, QStringLiteral("#,0"));
    connect(rgrGrid, &DataGrid::recordDoubleClicked, this, &TfrmVEI025::openInvoiceOfRow);
}

void TfrmVEI025::bbtSearchClick()
{
    TfrmZZS020::bbtSearchClick();
    cdsQuery->open(kListSql, {dtpFsDate->date().toString(Qt::ISODate), dtpEsDate->date().toString(Qt::ISODate),
                              edtCust->text().trimmed(), cbxBillType->currentData().toString()});
    for (const char* f : {"TS_PRICE", "T_TAX", "TOT_AMT"})
        cdsQuery->setDisplayFormat(QLatin1String(f), QStringLiteral("#,###"));
    rgrGrid->refreshFooters();
    rebuildColumnMenu();
}

void TfrmVEI025::openInvoiceOfRow(int row)
{
    if (!cdsQuery->isOpen() || row < 0 || row >= cdsQuery->recordCount())
        return;
    const QDate taxDate = cdsQuery->value(row, QStringLiteral("TAX_DATE")).toDate();
    HandOver::HandBillSeqNo = cdsQuery->fieldAsString(row, QStringLiteral("BILL_SEQ_NO"));
    HandOver::HandFromDate = taxDate.toString(Qt::ISODate);
    HandOver::HandToDate = taxDate.toString(Qt::ISODate);
    OpenProgramById(QStringLiteral("VEI020"));
}
