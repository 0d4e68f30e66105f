#include "grid/RecordSetModel.h"

RecordSetModel::RecordSetModel(RecordSet* set, QObject* parent) : QAbstractTableModel(parent)
{
    setRecordSet(set);
}

void RecordSetModel::setRecordSet(RecordSet* set)
{
    beginResetModel();
    if (m_set)
        disconnect(m_set, nullptr, this, nullptr);
    m_set = set;
    if (set) {
        connect(set, &RecordSet::aboutToReset, this, [this] {
            m_changing = true;
            beginResetModel();
        });
        connect(set, &RecordSet::reset, this, [this] {
            if (!m_ownColumns)
                rebuildAutoColumns();
            resolveFields();
            endResetModel();
            m_changing = false;
        });
        connect(set, &RecordSet::rowsAboutToBeInserted, this, [this](int first, int last) {
            m_changing = true;
            beginInsertRows(QModelIndex(), first, last);
        });
        connect(set, &RecordSet::rowsInserted, this, [this] {
            endInsertRows();
            m_changing = false;
        });
        connect(set, &RecordSet::rowsAboutToBeRemoved, this, [this](int first, int last) {
            m_changing = true;
            beginRemoveRows(QModelIndex(), first, last);
        });
        connect(set, &RecordSet::rowsRemoved, this, [this] {
            endRemoveRows();
            m_changing = false;
        });
        connect(set, &RecordSet::dataChanged, this, &RecordSetModel::onDataChanged);
        connect(set, &QObject::destroyed, this, [this] {
            beginResetModel();
            m_set = nullptr;
            if (!m_ownColumns)
                m_columns.clear();
            resolveFields();
            endResetModel();
        });
    }
    if (!m_ownColumns)
        rebuildAutoColumns();
    resolveFields();
    endResetModel();
}

void RecordSetModel::rebuildAutoColumns()
{
    m_columns.clear();
    if (!m_set)
        return;
    for (const FieldDef& f : m_set->fields()) {
        GridColumn c(f.name);
        c.hidden = !f.visible;
        m_columns << c;
    }
}

void RecordSetModel::resolveFields()
{
    m_fieldIndex.clear();
    for (const GridColumn& c : std::as_const(m_columns))
        m_fieldIndex << (m_set ? m_set->fieldIndex(c.field) : -1);
}

void RecordSetModel::setColumns(const QList<GridColumn>& columns)
{
    beginResetModel();
    m_columns = columns;
    for (GridColumn& c : m_columns)
        c.field = c.field.toUpper();
    m_ownColumns = !m_columns.isEmpty();
    if (!m_ownColumns)
        rebuildAutoColumns();
    resolveFields();
    endResetModel();
}

int RecordSetModel::addColumn(const GridColumn& column)
{
    if (!m_ownColumns) {
        // The first column of the grid's own replaces the automatic ones.
        setColumns({column});
        return 0;
    }
    const int at = int(m_columns.size());
    beginInsertColumns(QModelIndex(), at, at);
    m_columns << column;
    m_columns.last().field = column.field.toUpper();
    m_fieldIndex << (m_set ? m_set->fieldIndex(column.field) : -1);
    endInsertColumns();
    return at;
}

int RecordSetModel::columnOf(const QString& field) const
{
    const QString name = field.toUpper();
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].field == name)
            return i;
    return -1;
}

QString RecordSetModel::fieldOf(int column) const
{
    return column >= 0 && column < m_columns.size() ? m_columns[column].field : QString();
}

int RecordSetModel::fieldIndexOf(int column) const
{
    if (column < 0 || column >= m_fieldIndex.size())
        return -1;
    // The record set may have been reopened with other fields since.
    if (m_set && m_fieldIndex[column] >= m_set->fieldCount())
        return -1;
    return m_fieldIndex[column];
}

void RecordSetModel::columnsChanged(int first, int last)
{
    resolveFields();
    emit headerDataChanged(Qt::Horizontal, first, last);
    if (rowCount() > 0)
        emit dataChanged(index(0, first), index(rowCount() - 1, last));
}

void RecordSetModel::onDataChanged(int row, const QString& field)
{
    if (m_columns.isEmpty())
        return;
    const int rows = rowCount();
    if (rows == 0 && row >= 0)
        return;
    const int lastColumn = int(m_columns.size()) - 1;
    if (field.isEmpty()) {
        if (row < 0) {
            emit headerDataChanged(Qt::Horizontal, 0, lastColumn);
            if (rows > 0)
                emit dataChanged(index(0, 0), index(rows - 1, lastColumn));
        } else if (row < rows) {
            emit dataChanged(index(row, 0), index(row, lastColumn));
        }
        return;
    }
    for (int c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].field != field)
            continue;
        if (row < 0) {
            emit headerDataChanged(Qt::Horizontal, c, c);
            if (rows > 0)
                emit dataChanged(index(0, c), index(rows - 1, c));
        } else if (row < rows) {
            emit dataChanged(index(row, c), index(row, c));
        }
    }
}

QString RecordSetModel::cellText(int row, int column) const
{
    const int f = fieldIndexOf(column);
    if (!m_set || f < 0 || !m_set->isOpen())
        return QString();
    const GridColumn& c = m_columns[column];
    const QVariant v = m_set->rowValue(row, f);
    if (!c.comboItems.isEmpty() && !v.isNull()) {
        const QString code = RecordSet::textOf(m_set->field(f), v);
        for (const ComboItem& item : c.comboItems)
            if (item.code == code)
                return item.text;
    }
    return RecordSet::displayTextOf(m_set->field(f), v, c.displayFormat);
}

Qt::Alignment RecordSetModel::cellAlignment(int column) const
{
    if (column < 0 || column >= m_columns.size())
        return Qt::AlignLeft;
    const GridColumn& c = m_columns[column];
    if (c.alignment & Qt::AlignHorizontal_Mask)
        return c.alignment & Qt::AlignHorizontal_Mask;
    const int f = fieldIndexOf(column);
    if (!m_set || f < 0)
        return Qt::AlignLeft;
    return m_set->field(f).effectiveAlignment() & Qt::AlignHorizontal_Mask;
}

bool RecordSetModel::isCellEditable(int row, int column) const
{
    Q_UNUSED(row)
    if (!m_editable || !m_set || !m_set->isOpen())
        return false;
    const int f = fieldIndexOf(column);
    return f >= 0 && !m_columns[column].readOnly && !m_set->field(f).readOnly;
}

int RecordSetModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_set)
        return 0;
    return m_set->recordCount();
}

int RecordSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant RecordSetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_set || index.row() >= m_set->recordCount())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::EditRole:
    case RawValueRole:
        return m_set->rowValue(index.row(), fieldIndexOf(index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(cellAlignment(index.column()) | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return m_rowBackground ? m_rowBackground(index.row()) : QVariant();
    case Qt::ForegroundRole:
        return m_rowForeground ? m_rowForeground(index.row()) : QVariant();
    case FieldNameRole:
        return fieldOf(index.column());
    case ButtonRole:
        return m_columns[index.column()].button;
    default:
        return QVariant();
    }
}

bool RecordSetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !isCellEditable(index.row(), index.column()))
        return false;
    const int f = fieldIndexOf(index.column());
    const FieldDef& def = m_set->field(f);
    const QVariant converted = RecordSet::convertValue(def, value);
    const QVariant stored = m_set->rowValue(index.row(), f);
    const bool same = stored.isNull() == converted.isNull()
        && (stored.isNull() || RecordSet::textOf(def, stored) == RecordSet::textOf(def, converted));
    if (same)
        return true;  // nothing typed: no edit state, no change log entry
    if (m_set->currentRow() != index.row())
        m_set->moveTo(index.row());
    if (!m_set->isEditing())
        m_set->edit();
    m_set->setValue(f, converted);
    return true;
}

QVariant RecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section + 1;
        return QVariant();
    }
    if (section < 0 || section >= m_columns.size())
        return QVariant();
    const GridColumn& c = m_columns[section];
    switch (role) {
    case Qt::DisplayRole: {
        if (!c.caption.isEmpty())
            return c.caption;
        const int f = fieldIndexOf(section);
        return m_set && f >= 0 ? m_set->field(f).label() : c.field;
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case GroupRole:
        return c.group;
    case FieldNameRole:
        return c.field;
    default:
        return QVariant();
    }
}

Qt::ItemFlags RecordSetModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isCellEditable(index.row(), index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

void RecordSetModel::sort(int column, Qt::SortOrder order)
{
    const QString field = fieldOf(column);
    if (!m_set || !m_set->isOpen() || field.isEmpty() || fieldIndexOf(column) < 0)
        return;
    m_set->sort({field}, order);
}
