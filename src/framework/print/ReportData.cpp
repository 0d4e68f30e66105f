#include "framework/print/ReportData.h"
#include "common/Query.h"
#include "grid/RecordSet.h"
#include <QAbstractItemModel>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>

namespace {

QStringList modelFieldNames(QAbstractItemModel* model)
{
    QStringList names;
    if (!model)
        return names;
    if (auto* sql = qobject_cast<QSqlQueryModel*>(model)) {
        const QSqlRecord record = sql->record();
        for (int i = 0; i < record.count(); ++i)
            names << record.fieldName(i);
        if (!names.isEmpty())
            return names;
    }
    for (int c = 0; c < model->columnCount(); ++c)
        names << model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return names;
}

void fetchAll(QAbstractItemModel* model)
{
    while (model->canFetchMore(QModelIndex()))
        model->fetchMore(QModelIndex());
}

}  // namespace

int ReportData::fieldIndex(const QString& name) const
{
    if (m_index.isEmpty()) {
        const int n = fieldCount();
        for (int i = n - 1; i >= 0; --i)
            m_index.insert(fieldName(i).toLower(), i);
    }
    return m_index.value(name.toLower(), -1);
}

QVariant ReportData::value(int row, const QString& name) const
{
    const int field = fieldIndex(name);
    if (field < 0 || row < 0 || row >= rowCount())
        return QVariant();
    return value(row, field);
}

// ---------------------------------------------------------------------------

void ReportTable::setFields(const QStringList& fields)
{
    m_fields = fields;
    m_rows.clear();
    invalidateFieldIndex();
}

void ReportTable::appendRow(const QVariantList& values)
{
    QVariantList row = values;
    row.resize(m_fields.size());
    m_rows.append(row);
}

void ReportTable::clear()
{
    m_rows.clear();
}

QVariant ReportTable::value(int row, int field) const
{
    if (row < 0 || row >= m_rows.size())
        return QVariant();
    return m_rows.at(row).value(field);
}

void ReportTable::open(const QString& sql, const QVariantList& params)
{
    QSqlQuery query = RunQuery(sql, params, QStringLiteral("Open"));
    load(query);
}

void ReportTable::load(QSqlQuery& query)
{
    const QSqlRecord record = query.record();
    QStringList fields;
    for (int i = 0; i < record.count(); ++i)
        fields << record.fieldName(i);
    setFields(fields);
    while (query.next()) {
        QVariantList row;
        row.reserve(fields.size());
        for (int i = 0; i < fields.size(); ++i)
            row << query.value(i);
        m_rows.append(row);
    }
}

void ReportTable::load(QAbstractItemModel* model)
{
    setFields(modelFieldNames(model));
    if (!model)
        return;
    fetchAll(model);
    const int rows = model->rowCount();
    const int columns = int(m_fields.size());
    m_rows.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        QVariantList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row << model->data(model->index(r, c), Qt::EditRole);
        m_rows.append(row);
    }
}

// ---------------------------------------------------------------------------

ModelReportData::ModelReportData(QAbstractItemModel* model) : m_model(model)
{
}

int ModelReportData::rowCount() const
{
    if (!m_model)
        return 0;
    fetchAll(m_model);
    return m_model->rowCount();
}

int ModelReportData::fieldCount() const
{
    return m_model ? m_model->columnCount() : 0;
}

QString ModelReportData::fieldName(int field) const
{
    return modelFieldNames(m_model).value(field);
}

QVariant ModelReportData::value(int row, int field) const
{
    if (!m_model)
        return QVariant();
    return m_model->data(m_model->index(row, field), Qt::EditRole);
}

RecordSetReportData::RecordSetReportData(RecordSet* set) : m_set(set)
{
}

int RecordSetReportData::rowCount() const
{
    return m_set && m_set->isOpen() ? m_set->recordCount() : 0;
}

int RecordSetReportData::fieldCount() const
{
    return m_set ? m_set->fieldCount() : 0;
}

QString RecordSetReportData::fieldName(int field) const
{
    return m_set && field >= 0 && field < m_set->fieldCount() ? m_set->field(field).name : QString();
}

QVariant RecordSetReportData::value(int row, int field) const
{
    return m_set && m_set->isOpen() ? m_set->rowValue(row, field) : QVariant();
}
