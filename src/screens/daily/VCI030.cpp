#include "screens/daily/VCI030.h"
#include "common/Query.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/daily/DailyBooks.h"
#include "screens/daily/VCI031.h"
#include <QDateEdit>
#include <QPushButton>

using DailyBooks::column;

namespace {

const QString kTitle = QStringLiteral("일계표");

}  // namespace

TfrmVCI030::TfrmVCI030(QWidget* parent) : TfrmZQI030(QStringLiteral("VCI030"), parent)
{
    setWindowTitle(kTitle + QStringLiteral("(VCI030)"));
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtSave, bbtDelete})
        b->hide();
    panInput->hide();

    dtpDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpDate"));
    Form::Row{Form::Field(QStringLiteral("조회일자"), dtpDate), Form::Stretch()}.attachTo(panSearch);

    cdsSheet = new RecordSet(this);
    cdsSheet->setObjectName(QStringLiteral("cdsSheet"));
    QList<FieldDef> fields{FieldDef(QStringLiteral("ROW_KIND"), FieldType::String, 1),
                           FieldDef(QStringLiteral("ACCT_CODE"), FieldType::String, 7)};
    for (const char* f : {"SUMD", "DAMT", "CASH_DAMT"})
        fields << FieldDef(QLatin1String(f), FieldType::LargeInt);
    fields << FieldDef(QStringLiteral("ACCT_PNAME"), FieldType::String, 60);
    for (const char* f : {"CASH_CAMT", "CAMT", "SUMC"})
        fields << FieldDef(QLatin1String(f), FieldType::LargeInt);
    for (FieldDef& f : fields) {
        if (f.type == FieldType::LargeInt)
            f.displayFormat = QStringLiteral("#,###");
    }
    cdsSheet->create(fields);

    rgrSheet = Form::NewResultGrid(panDisp, cdsSheet,
                                   {column("SUMD", "합계", 120), column("DAMT", "대체", 115), column("CASH_DAMT", "현금", 115),
                                    column("ACCT_PNAME", "계 정  과  목", 220),
                                    column("CASH_CAMT", "현금", 115), column("CAMT", "대체", 115), column("SUMC", "합계", 120)},
                                   QStringLiteral("rgrSheet"));
    rgrSheet->setColumnGroup(QStringLiteral("차                변"),
                             {QStringLiteral("SUMD"), QStringLiteral("DAMT"), QStringLiteral("CASH_DAMT")});
    rgrSheet->setColumnGroup(QStringLiteral("대                변"),
                             {QStringLiteral("CASH_CAMT"), QStringLiteral("CAMT"), QStringLiteral("SUMC")});
    rgrSheet->setRowBackground([this](int row) -> QVariant {
        if (cdsSheet->fieldAsString(row, QStringLiteral("ROW_KIND")) != kAccountRow)
            return QColor(0xC0, 0xC0, 0xC0);
        return QVariant();
    });
}

void TfrmVCI030::DoSearch()
{
    if (!DailyBooks::requireConfiguration()) {
        // what was shown stays; with nothing shown the day can be chosen again
        if (RecordCount == 0)
            State = stNone;
        RefreshButtons();
        return;
    }
    const QDate day = dtpDate->date();
    QSqlQuery q = RunQuery(QStringLiteral("SELECT ACCT_CODE, ACCT_PNAME, DAMT, CAMT, CASH_DAMT, CASH_CAMT\n"
                                          "  FROM pk_v_ledger.day_sheet(CAST(:P0 AS DATE))\n"
                                          " ORDER BY ACCT_CODE"),
                           {day.toString(Qt::ISODate)});
    cdsSheet->disableControls();
    cdsSheet->emptyDataSet();
    qint64 damt = 0, camt = 0, cashD = 0, cashC = 0;
    while (q.next()) {
        const qint64 d = q.value(2).toLongLong(), c = q.value(3).toLongLong();
        const qint64 cd = q.value(4).toLongLong(), cc = q.value(5).toLongLong();
        cdsSheet->appendRecord({kAccountRow, q.value(0), d + cd, d, cd, q.value(1).toString().trimmed(), cc, c, c + cc});
        damt += d;
        camt += c;
        cashD += cd;
        cashC += cc;
    }
    const DailyBooks::CashBalances cash = DailyBooks::cashBalances(day);
    cdsSheet->appendRecord({kSubtotalRow, QVariant(), damt + cashD, damt, cashD, QStringLiteral("                   계"),
                            cashC, camt, camt + cashC});
    cdsSheet->appendRecord({kCashRow, QVariant(), cash.after, 0, cash.after,
                            QStringLiteral("      금 일                  전 일"), cash.before, 0, cash.before});
    cdsSheet->appendRecord({kTotalRow, QVariant(), damt + cashD + cash.after, damt, cashD + cash.after,
                            QStringLiteral("      합                        계"), cashC + cash.before, camt,
                            camt + cashC + cash.before});
    cdsSheet->first();
    cdsSheet->enableControls();
    m_day = day;
    RecordCount = cdsSheet->recordCount();
    RefreshButtons();
}

std::unique_ptr<TfrmVCI031> TfrmVCI030::buildReport()
{
    auto layout = std::make_unique<TfrmVCI031>();
    layout->setDay(m_day);
    DailyBooks::copyRows(cdsSheet, layout->table());
    layout->Prepare();
    return layout;
}

void TfrmVCI030::DoPrint()
{
    printReport();
}

void TfrmVCI030::DoPreview()
{
    printReport();
}

void TfrmVCI030::printReport()
{
    buildReport()->PrintOrPreview(PreviewFlag, this);
}

void TfrmVCI030::DoExcel()
{
    ExportDBGrid(rgrSheet, kTitle);
}
