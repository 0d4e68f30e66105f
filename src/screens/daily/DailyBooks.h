#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>

class DataGrid;
class QWidget;
class RecordSet;
class ReportTable;
struct GridColumn;

// What the daily books share: the accounts the configuration names, the cash
// balances of a day from the ledger kernel, and the read-only grids they show.
namespace DailyBooks {

// Why the books cannot be read (the cash or deposit accounts are not
// configured); empty when they can.
QString configurationRefusal();
// Shows the refusal and answers false when there is one.
bool requireConfiguration();

// The cash account's balance at the start and at the end of a day, in its
// normal direction (0 outside every fiscal term).
struct CashBalances {
    qint64 before = 0;
    qint64 after = 0;
};
CashBalances cashBalances(const QDate& day);

// "#,##0"
QString amountText(qint64 amount);

// A read-only grid over a record set, one whole row selected at a time, not
// yet placed in a layout.
DataGrid* newListGrid(QWidget* parent, RecordSet* set, const QList<GridColumn>& columns, const QString& name);

// The records of a screen's result copied into a layout's own table, so the
// layout prints them as shown whatever the screen does afterwards.
void copyRows(RecordSet* set, ReportTable& table);

// A column of a grid.
GridColumn column(const char* field, const char* caption, int width = -1);

}  // namespace DailyBooks
