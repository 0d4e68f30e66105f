#include "screens/daily/DailyBooks.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "framework/print/ReportData.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "grid/DisplayFormat.h"
#include "grid/RecordSetModel.h"

namespace DailyBooks {

QString configurationRefusal()
{
    QSqlQuery q = RunQuery(QStringLiteral("SELECT pk_v_ledger.daily_refusal()"));
    return q.next() ? q.value(0).toString() : QString();
}

bool requireConfiguration()
{
    const QString refusal = configurationRefusal();
    if (refusal.isEmpty())
        return true;
    ShowInfo(refusal);
    return false;
}

CashBalances cashBalances(const QDate& day)
{
    QSqlQuery q = RunQuery(QStringLiteral("SELECT coalesce(pk_v_ledger.balance_before(pk_v_ledger.daily_cash_account(), "
                                          "CAST(:P0 AS DATE)), 0),\n"
                                          "       coalesce(pk_v_ledger.balance_at(pk_v_ledger.daily_cash_account(), "
                                          "CAST(:P0 AS DATE)), 0)"),
                           {day.toString(Qt::ISODate)});
    CashBalances balances;
    if (q.next()) {
        balances.before = q.value(0).toLongLong();
        balances.after = q.value(1).toLongLong();
    }
    return balances;
}

QString amountText(qint64 amount)
{
    return FormatNumber(double(amount), QStringLiteral("#,##0"));
}

DataGrid* newListGrid(QWidget* parent, RecordSet* set, const QList<GridColumn>& columns, const QString& name)
{
    auto* grid = new DataGrid(parent);
    grid->setObjectName(name);
    grid->setEditable(false);
    grid->setRowSelect(true);
    grid->setColumns(columns);
    grid->setRecordSet(set);
    return grid;
}

void copyRows(RecordSet* set, ReportTable& table)
{
    table.clear();
    table.setFields(set->isOpen() ? set->fieldNames() : QStringList());
    if (!set->isOpen())
        return;
    for (int row = 0; row < set->recordCount(); ++row) {
        QVariantList values;
        for (int field = 0; field < set->fieldCount(); ++field)
            values.append(set->rowValue(row, field));
        table.appendRow(values);
    }
}

GridColumn column(const char* field, const char* caption, int width)
{
    return GridColumn(QLatin1String(field), QString::fromUtf8(caption), width);
}

}  // namespace DailyBooks
