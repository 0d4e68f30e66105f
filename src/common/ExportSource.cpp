#include "common/ExportSource.h"
#include <QAbstractItemModel>
#include <QDate>
#include <QDateTime>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLocale>
#include <QSqlField>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>
#include <cmath>

namespace {

bool isNumericMetaType(int id)
{
    switch (id) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

}  // namespace

Qt::Alignment ExportSource::alignment(int column) const
{
    return fieldKind(column) == ExportFieldKind::Numeric ? Qt::AlignRight : Qt::AlignLeft;
}

bool ExportSource::isVisible(int) const
{
    return true;
}

QString ExportSource::plainText(int row, int column) const
{
    return plainTextOf(value(row, column));
}

bool ExportSource::isNumericType(const QVariant& value)
{
    return value.isValid() && isNumericMetaType(value.metaType().id());
}

QString ExportSource::plainTextOf(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.metaType().id()) {
    case QMetaType::Float:
    case QMetaType::Double: {
        const double d = value.toDouble();
        if (std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 1e15)
            return QString::number(qint64(d));
        return QLocale::c().toString(d, 'f', QLocale::FloatingPointShortest);
    }
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    default:
        return value.toString();
    }
}

// ---------------------------------------------------------------------------

template <typename T>
void ModelExportSource::put(QList<Override<T>>& list, int column, const T& value)
{
    if (column < 0)
        return;
    if (list.size() <= column)
        list.resize(column + 1);
    list[column].set = true;
    list[column].value = value;
}

ModelExportSource::ModelExportSource(QAbstractItemModel* model, XlsCellRule rule)
    : m_model(model), m_rule(rule)
{
}

ModelExportSource::ModelExportSource(QTableView* view, XlsCellRule rule)
    : m_model(view ? view->model() : nullptr), m_view(view), m_rule(rule)
{
}

void ModelExportSource::setCaption(int column, const QString& caption) { put(m_captions, column, caption); }
void ModelExportSource::setFieldKind(int column, ExportFieldKind kind) { put(m_kinds, column, kind); }
void ModelExportSource::setAlignment(int column, Qt::Alignment alignment) { put(m_alignments, column, alignment); }
void ModelExportSource::setColumnVisible(int column, bool visible) { put(m_visible, column, visible); }

bool ModelExportSource::hasResult() const
{
    return m_open && m_model;
}

int ModelExportSource::columnCount() const
{
    return m_model ? m_model->columnCount() : 0;
}

QString ModelExportSource::caption(int column) const
{
    if (column < m_captions.size() && m_captions[column].set)
        return m_captions[column].value;
    return m_model ? m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString() : QString();
}

ExportFieldKind ModelExportSource::fieldKind(int column) const
{
    if (column < m_kinds.size() && m_kinds[column].set)
        return m_kinds[column].value;
    if (!m_model)
        return ExportFieldKind::Text;
    if (auto* sql = qobject_cast<const QSqlQueryModel*>(m_model.data())) {
        const QSqlRecord record = sql->record();
        if (column < record.count())
            return isNumericMetaType(record.field(column).metaType().id()) ? ExportFieldKind::Numeric
                                                                          : ExportFieldKind::Text;
    }
    const int rows = m_model->rowCount();
    for (int r = 0; r < rows; ++r) {
        const QVariant v = m_model->data(m_model->index(r, column), Qt::EditRole);
        if (v.isValid() && !v.isNull())
            return isNumericType(v) ? ExportFieldKind::Numeric : ExportFieldKind::Text;
    }
    return ExportFieldKind::Text;
}

Qt::Alignment ModelExportSource::alignment(int column) const
{
    if (column < m_alignments.size() && m_alignments[column].set)
        return m_alignments[column].value;
    if (m_model && m_model->rowCount() > 0) {
        const QVariant a = m_model->data(m_model->index(0, column), Qt::TextAlignmentRole);
        if (a.isValid())
            return Qt::Alignment(a.toInt());
    }
    return ExportSource::alignment(column);
}

bool ModelExportSource::isVisible(int column) const
{
    if (column < m_visible.size() && m_visible[column].set)
        return m_visible[column].value;
    if (m_view)
        return !m_view->isColumnHidden(column);
    return true;
}

int ModelExportSource::rowCount()
{
    if (!m_model)
        return 0;
    // Query models fetch in packets; the export wants every record.
    while (m_model->canFetchMore(QModelIndex()))
        m_model->fetchMore(QModelIndex());
    return m_model->rowCount();
}

QVariant ModelExportSource::value(int row, int column) const
{
    return m_model->data(m_model->index(row, column), Qt::EditRole);
}

QString ModelExportSource::displayText(int row, int column) const
{
    return m_model->data(m_model->index(row, column), Qt::DisplayRole).toString();
}

void ModelExportSource::beginPass()
{
    if (!m_view)
        return;
    const QModelIndex current = m_view->currentIndex();
    m_savedRow = current.isValid() ? current.row() : -1;
    m_savedColumn = current.isValid() ? current.column() : -1;
    m_savedUpdates = m_view->updatesEnabled();
    m_view->setUpdatesEnabled(false);
}

void ModelExportSource::endPass()
{
    if (!m_view)
        return;
    if (m_model && m_savedRow >= 0 && m_view->selectionModel()) {
        const QModelIndex index = m_model->index(m_savedRow, m_savedColumn);
        if (index.isValid() && index != m_view->currentIndex())
            m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    }
    m_view->setUpdatesEnabled(m_savedUpdates);
}
