#include "screens/funds/VGI095.h"
#include "common/Query.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/funds/VGI090.h"
#include "screens/funds/VGI096.h"
#include <QColor>
#include <QDateEdit>

using namespace Funds;

TfrmVGI095::TfrmVGI095(QWidget* parent) : TfrmZZS010(QStringLiteral("VGI095"), parent)
{
    setWindowTitle(QStringLiteral("일일 자금수지 예측(VGI095)"));
    dtpPlanDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpPlanDate"));
    Form::Row{Form::Field(QStringLiteral("계획일자"), dtpPlanDate), Form::Stretch()}.attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    // zero shows blank, as on the printed forecast's empty days
    const QString millions = QStringLiteral("#,#0;-#,#0;");
    QList<FieldDef> fields{FieldDef(QStringLiteral("KIND"), FieldType::Integer),
                           FieldDef(QStringLiteral("CODE"), FieldType::String, 4), FieldDef(QStringLiteral("LABEL"), FieldType::String, 60)};
    QList<GridColumn> columns{GridColumn(QStringLiteral("LABEL"), QStringLiteral("Description"), 170),
                              GridColumn(QStringLiteral("TOTAL"), QStringLiteral("Total"), 60)};
    FieldDef total(QStringLiteral("TOTAL"), FieldType::LargeInt);
    total.displayFormat = millions;
    fields << total;
    for (int d = 1; d <= 31; ++d) {
        FieldDef day(QStringLiteral("D%1").arg(d, 2, 10, QLatin1Char('0')), FieldType::LargeInt);
        day.displayFormat = millions;
        fields << day;
        columns << GridColumn(day.name, QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0')), 54);
    }
    cdsMain->create(fields);
    rdgMain = new DataGrid;
    rdgMain->setObjectName(QStringLiteral("rdgMain"));
    rdgMain->setEditable(false);
    rdgMain->setRecordSet(cdsMain);
    rdgMain->setColumns(columns);
    rdgMain->setFrozenColumns(2);
    rdgMain->setRowBackground([this](int row) -> QVariant {
        const int kind = cdsMain->value(row, QStringLiteral("KIND")).toInt();
        if (IsSubgroupHead(cdsMain->fieldAsString(row, QStringLiteral("CODE"))))
            return QColor(0xC0, 0xC0, 0xC0);
        if (kind == ForecastLine::Total || kind == ForecastLine::Balance)
            return QColor(0xF0, 0xF0, 0xF0);
        return QVariant();
    });
    Form::Column{rdgMain}.attachTo(panMain);
}

ForecastInput TfrmVGI095::LoadInput(const QDate& planDate)
{
    ForecastInput input;
    const QString month = planDate.toString(QStringLiteral("yyyyMM"));
    input.days = planDate.daysInMonth();
    QSqlQuery books = RunQuery(QStringLiteral("SELECT ACCT_CODE, DAY_NO, AMOUNT::TEXT FROM pk_v_funds.forecast_books(:P0)"), {month});
    while (books.next()) {
        const QString acct = books.value(0).toString();
        const int day = books.value(1).toInt();
        const qint64 amount = RoundWon(ParseScaled(books.value(2).toString()));
        if (day == 0) {
            if (acct == QLatin1String("1110110"))
                input.pettyCashBf = amount;
            else if (acct == QLatin1String("1110120"))
                input.operatingBf = amount;
            else
                input.fixedBf = amount;
        } else if (acct == QLatin1String("1110110") && day <= 31) {
            input.pettyCashMoves[day - 1] = amount;
        }
    }
    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days << QStringLiteral("P.") + TfrmVGI090::DayColumn(d) + QStringLiteral("::TEXT");
    QSqlQuery plans = RunQuery(QStringLiteral("SELECT K.FND_USG_CD, C.FND_USG_NM, ") + days.join(QStringLiteral(", "))
                                   + QStringLiteral("\n  FROM (SELECT FND_USG_CD FROM VG005MS\n"
                                                    "        UNION SELECT FND_USG_CD FROM VG090MS WHERE FND_USG_YM = :P0) K\n"
                                                    "  LEFT JOIN VG005MS C ON C.FND_USG_CD = K.FND_USG_CD\n"
                                                    "  LEFT JOIN VG090MS P ON P.FND_USG_CD = K.FND_USG_CD AND P.FND_USG_YM = :P0\n"
                                                    " ORDER BY K.FND_USG_CD"),
                               {month});
    while (plans.next()) {
        PlanLine line;
        line.code = plans.value(0).toString();
        line.name = plans.value(1).toString();
        for (int d = 0; d < 31; ++d)
            line.amounts[d] = plans.value(2 + d).toString().toLongLong();
        input.plans << line;
    }
    return input;
}

void TfrmVGI095::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    const ForecastInput input = LoadInput(dtpPlanDate->date());
    const Forecast forecast = BuildForecast(input);
    cdsMain->disableControls();
    cdsMain->emptyDataSet();
    for (const ForecastLine& line : forecast.lines) {
        QVariantList values{int(line.kind), line.code, line.label, line.hasTotal ? QVariant(line.total) : QVariant()};
        for (int d = 0; d < 31; ++d)
            values << (d < input.days ? QVariant(line.day[d]) : QVariant());
        cdsMain->appendRecord(values);
    }
    cdsMain->first();
    cdsMain->enableControls();
    ShowStatus(QStringLiteral("%1 자금수지를 조회하였습니다.").arg(dtpPlanDate->date().toString(QStringLiteral("yyyy-MM"))));
}

void TfrmVGI095::bbtPrintClick()
{
    TfrmZZS010::bbtPrintClick();
    printReport();
}

void TfrmVGI095::bbtPreviewClick()
{
    TfrmZZS010::bbtPreviewClick();
    printReport();
}

void TfrmVGI095::printReport()
{
    const ForecastInput input = LoadInput(dtpPlanDate->date());
    TfrmVGI096 layout;
    layout.setForecast(dtpPlanDate->date(), BuildForecast(input));
    layout.Prepare();
    layout.PrintOrPreview(PreviewFlag, this);
}
