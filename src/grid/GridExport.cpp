#include "grid/GridExport.h"
#include "grid/DataGrid.h"
#include <QHeaderView>

// --- record set ------------------------------------------------------------------------

RecordSetExportSource::RecordSetExportSource(RecordSet* set, XlsCellRule rule) : m_set(set), m_rule(rule)
{
}

bool RecordSetExportSource::hasResult() const
{
    return m_set && m_set->isOpen();
}

int RecordSetExportSource::columnCount() const
{
    return m_set ? m_set->fieldCount() : 0;
}

QString RecordSetExportSource::caption(int column) const
{
    return m_set->field(column).name;
}

ExportFieldKind RecordSetExportSource::fieldKind(int column) const
{
    return IsNumericField(m_set->field(column).type) ? ExportFieldKind::Numeric : ExportFieldKind::Text;
}

Qt::Alignment RecordSetExportSource::alignment(int column) const
{
    return m_set->field(column).effectiveAlignment();
}

bool RecordSetExportSource::isVisible(int column) const
{
    return m_set->field(column).visible;
}

int RecordSetExportSource::rowCount()
{
    return m_set ? m_set->recordCount() : 0;
}

QVariant RecordSetExportSource::value(int row, int column) const
{
    return m_set->rowValue(row, column);
}

QString RecordSetExportSource::displayText(int row, int column) const
{
    return m_set->displayText(row, column);
}

QString RecordSetExportSource::plainText(int row, int column) const
{
    return RecordSet::textOf(m_set->field(column), m_set->rowValue(row, column));
}

void RecordSetExportSource::beginPass()
{
    if (m_set && m_set->isOpen())
        m_walk.emplace(*m_set);
}

void RecordSetExportSource::endPass()
{
    m_walk.reset();
}

// --- data-bound grid ------------------------------------------------------------------------

DataGridExportSource::DataGridExportSource(DataGrid* grid, XlsCellRule rule) : m_grid(grid), m_rule(rule)
{
}

bool DataGridExportSource::hasResult() const
{
    return m_grid && m_grid->recordSet() && m_grid->recordSet()->isOpen();
}

int DataGridExportSource::columnCount() const
{
    return m_grid ? m_grid->gridColumnCount() : 0;
}

int DataGridExportSource::gridColumn(int column) const
{
    const int logical = m_grid->horizontalHeader()->logicalIndex(column);
    return logical >= 0 ? logical : column;
}

int DataGridExportSource::fieldIndexAt(int column) const
{
    RecordSet* set = m_grid->recordSet();
    if (!set)
        return -1;
    const int f = m_grid->gridModel()->fieldIndexOf(gridColumn(column));
    return f >= 0 && f < set->fieldCount() ? f : -1;
}

const FieldDef* DataGridExportSource::fieldAt(int column) const
{
    const int f = fieldIndexAt(column);
    return f >= 0 ? &m_grid->recordSet()->field(f) : nullptr;
}

QString DataGridExportSource::caption(int column) const
{
    return m_grid->columnCaption(gridColumn(column));
}

ExportFieldKind DataGridExportSource::fieldKind(int column) const
{
    const FieldDef* f = fieldAt(column);
    return f && IsNumericField(f->type) ? ExportFieldKind::Numeric : ExportFieldKind::Text;
}

Qt::Alignment DataGridExportSource::alignment(int column) const
{
    return m_grid->columnAlignment(gridColumn(column));
}

bool DataGridExportSource::isVisible(int column) const
{
    return !m_grid->isColumnHidden(gridColumn(column));
}

int DataGridExportSource::rowCount()
{
    RecordSet* set = m_grid ? m_grid->recordSet() : nullptr;
    return set && set->isOpen() ? set->recordCount() : 0;
}

QVariant DataGridExportSource::value(int row, int column) const
{
    const int f = fieldIndexAt(column);
    return f >= 0 ? m_grid->recordSet()->rowValue(row, f) : QVariant();
}

QString DataGridExportSource::displayText(int row, int column) const
{
    return m_grid->cellText(row, gridColumn(column));
}

QString DataGridExportSource::plainText(int row, int column) const
{
    const FieldDef* f = fieldAt(column);
    return f ? RecordSet::textOf(*f, value(row, column)) : QString();
}

void DataGridExportSource::beginPass()
{
    if (!m_grid)
        return;
    if (RecordSet* set = m_grid->recordSet(); set && set->isOpen())
        m_walk.emplace(*set);
    m_savedUpdates = m_grid->updatesEnabled();
    m_grid->setUpdatesEnabled(false);
}

void DataGridExportSource::endPass()
{
    m_walk.reset();
    if (m_grid)
        m_grid->setUpdatesEnabled(m_savedUpdates);
}
