#include "screens/tax/VEI050.h"
#include "common/DateUtil.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include <QCheckBox>
#include <QDateEdit>
#include <QPushButton>

namespace {

// Both sides by registration number — customers unknown to the master too,
// so that the rows add up to the total row — then the total.
const QString kReconcileSql = QStringLiteral(
    "WITH R AS (\n"
    "  SELECT T1.C_NUM, 0 VOLUME, 0 SUP_PRICE, 0 TAX, SUM(T1.VOLUME) VOLUME1, SUM(T1.SUP_PRICE) SUP_PRICE1,\n"
    "         SUM(T1.TAX) TAX1, MAX(T1.C_NAME) ROW_NAME\n"
    "    FROM VB040MS T1\n"
    "   WHERE T1.CONF_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
    "     AND T1.BILL_TYPE IN ('6', '66') AND T1.COMPANY = '1'\n"
    "   GROUP BY T1.C_NUM\n"
    "  UNION ALL\n"
    "  SELECT T1.C_NUM, COUNT(*), SUM(T1.TS_PRICE), SUM(T1.T_TAX), 0, 0, 0, MAX(T1.C_NAME)\n"
    "    FROM VE010MS T1\n"
    "   WHERE T1.TAX_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
    "   GROUP BY T1.C_NUM),\n"
    "C AS (\n"
    "  SELECT R.C_NUM, COALESCE(MAX(T2.C_NAME), MAX(R.ROW_NAME)) C_NAME, SUM(VOLUME) VOLUME, SUM(SUP_PRICE) SUP_PRICE,\n"
    "         SUM(TAX) TAX, SUM(VOLUME1) VOLUME1, SUM(SUP_PRICE1) SUP_PRICE1, SUM(TAX1) TAX1\n"
    "    FROM R LEFT JOIN VA050MS_BY_NUM T2 ON T2.C_NUM = R.C_NUM\n"
    "   GROUP BY R.C_NUM)\n"
    "SELECT * FROM (\n"
    "  SELECT C_NUM, C_NAME, VOLUME, SUP_PRICE, TAX, VOLUME1, SUP_PRICE1, TAX1, VOLUME - VOLUME1 VOL_C,\n"
    "         SUP_PRICE - SUP_PRICE1 SUP_C, TAX - TAX1 TAX_C, 0 ORD\n"
    "    FROM C\n"
    "   WHERE NOT CAST(:P2 AS BOOLEAN) OR VOLUME <> VOLUME1 OR SUP_PRICE <> SUP_PRICE1 OR TAX <> TAX1\n"
    "  UNION ALL\n"
    "  SELECT '[ 합 계 ]', NULL, COALESCE(SUM(VOLUME), 0), COALESCE(SUM(SUP_PRICE), 0), COALESCE(SUM(TAX), 0),\n"
    "         COALESCE(SUM(VOLUME1), 0), COALESCE(SUM(SUP_PRICE1), 0), COALESCE(SUM(TAX1), 0),\n"
    "         COALESCE(SUM(VOLUME - VOLUME1), 0), COALESCE(SUM(SUP_PRICE - SUP_PRICE1), 0),\n"
    "         COALESCE(SUM(TAX - TAX1), 0), 9\n"
    "    FROM C) X\n"
    " ORDER BY ORD, C_NUM");

}  // namespace

TfrmVEI050::TfrmVEI050(QWidget* parent) : TfrmZZS020(QStringLiteral("VEI050"), parent)
{
    setWindowTitle(QStringLiteral("세금계산서 대사(VEI050)"));
    bbtPrint->hide();
    bbtPreview->hide();
    dtpFsDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFsDate"));
    dtpEsDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpEsDate"));
    const QDate today = QDate::currentDate();
    dtpFsDate->setDate(FirstDayOfMonth(today));
    dtpEsDate->setDate(LastDayOfMonth(today));
    connect(dtpFsDate, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (d > dtpEsDate->date())
            dtpEsDate->setDate(d);
    });
    connect(dtpEsDate, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (d < dtpFsDate->date())
            dtpFsDate->setDate(d);
    });
    chkDiff = new QCheckBox(QStringLiteral("차액분만 표시"));
    chkDiff->setObjectName(QStringLiteral("chkDiff"));
    Form::Row{Form::Field(QStringLiteral("조회일자"), dtpFsDate), Form::Label(QStringLiteral("~")), dtpEsDate,
              Form::Space(16), chkDiff, Form::Stretch()}
        .attachTo(panSearch);

    rgrGrid->setEditable(false);
    rgrGrid->setColumns({GridColumn(QStringLiteral("C_NUM"), QStringLiteral("사업자번호"), 100),
                         GridColumn(QStringLiteral("C_NAME"), QStringLiteral("상 호 명"), 160),
                         GridColumn(QStringLiteral("VOLUME"), QStringLiteral("매수"), 50),
                         GridColumn(QStringLiteral("SUP_PRICE"), QStringLiteral("공급가액"), 105),
                         GridColumn(QStringLiteral("TAX"), QStringLiteral("부가세"), 90),
                         GridColumn(QStringLiteral("VOLUME1"), QStringLiteral("매수"), 50),
                         GridColumn(QStringLiteral("SUP_PRICE1"), QStringLiteral("공급가액"), 105),
                         GridColumn(QStringLiteral("TAX1"), QStringLiteral("부가세"), 90),
                         GridColumn(QStringLiteral("VOL_C"), QStringLiteral("매수"), 50),
                         GridColumn(QStringLiteral("SUP_C"), QStringLiteral("공급가액"), 105),
                         GridColumn(QStringLiteral("TAX_C"), QStringLiteral("부가세"), 90)});
    rgrGrid->setColumnGroup(QStringLiteral("계산서 발급분"),
                            {QStringLiteral("VOLUME"), QStringLiteral("SUP_PRICE"), QStringLiteral("TAX")});
    rgrGrid->setColumnGroup(QStringLiteral("전표 확정분"),
                            {QStringLiteral("VOLUME1"), QStringLiteral("SUP_PRICE1"), QStringLiteral("TAX1")});
    rgrGrid->setColumnGroup(QStringLiteral("차이현황(발행분 - 확정분)"),
                            {QStringLiteral("VOL_C"), QStringLiteral("SUP_C"), QStringLiteral("TAX_C")});
    rgrGrid->setRowBackground([this](int row) -> QVariant {
        if (cdsQuery->isOpen() && cdsQuery->value(row, QStringLiteral("ORD")).toInt() == 9)
            return QColor(0xC0, 0xC0, 0xC0);
        return QVariant();
    });
}

void TfrmVEI050::bbtSearchClick()
{
    TfrmZZS020::bbtSearchClick();
    cdsQuery->open(kReconcileSql, {dtpFsDate->date().toString(Qt::ISODate), dtpEsDate->date().toString(Qt::ISODate),
                                   chkDiff->isChecked() ? QStringLiteral("true") : QStringLiteral("false")});
    for (const char* f : {"VOLUME", "SUP_PRICE", "TAX", "VOLUME1", "SUP_PRICE1", "TAX1", "VOL_C", "SUP_C", "TAX_C"})
        cdsQuery->setDisplayFormat(QLatin1String(f), QStringLiteral("#,###"));
    rebuildColumnMenu();
}
