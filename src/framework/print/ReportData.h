#pragma once
#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

class QAbstractItemModel;
class QSqlQuery;
class RecordSet;

// The records a report runs over. Field names are looked up without regard to
// letter case: layouts name columns in capitals, the server answers in small
// letters.
class ReportData {
public:
    virtual ~ReportData() = default;
    virtual int rowCount() const = 0;
    virtual int fieldCount() const = 0;
    virtual QString fieldName(int field) const = 0;
    virtual QVariant value(int row, int field) const = 0;

    // -1 when there is no such field.
    int fieldIndex(const QString& name) const;
    QVariant value(int row, const QString& name) const;

protected:
    // Call when the field list changes.
    void invalidateFieldIndex() { m_index.clear(); }

private:
    mutable QHash<QString, int> m_index;
};

// Records held by the report itself: the result of its own query, a copy of a
// screen's result, or rows a layout builds.
class ReportTable : public ReportData {
public:
    ReportTable() = default;
    explicit ReportTable(const QStringList& fields) { setFields(fields); }

    void setFields(const QStringList& fields);
    void appendRow(const QVariantList& values);
    void clear();  // rows only

    // Runs sql through RunQuery on the shared connection and keeps all rows.
    void open(const QString& sql, const QVariantList& params = {});
    // Takes the fields and every remaining row of an executed query.
    void load(QSqlQuery& query);
    // Copies the model's rows; field names from the query model's record or
    // the horizontal header.
    void load(QAbstractItemModel* model);

    int rowCount() const override { return int(m_rows.size()); }
    int fieldCount() const override { return int(m_fields.size()); }
    QString fieldName(int field) const override { return m_fields.value(field); }
    QVariant value(int row, int field) const override;
    using ReportData::value;

private:
    QStringList m_fields;
    QList<QVariantList> m_rows;
};

// A second cursor over a screen's result model, without copying it.
class ModelReportData : public ReportData {
public:
    explicit ModelReportData(QAbstractItemModel* model);
    int rowCount() const override;
    int fieldCount() const override;
    QString fieldName(int field) const override;
    QVariant value(int row, int field) const override;
    using ReportData::value;

private:
    QPointer<QAbstractItemModel> m_model;
};

// A second cursor over a screen's record set, its records in the order the
// screen shows them, without copying them or moving the screen's cursor.
class RecordSetReportData : public ReportData {
public:
    explicit RecordSetReportData(RecordSet* set);
    int rowCount() const override;
    int fieldCount() const override;
    QString fieldName(int field) const override;
    QVariant value(int row, int field) const override;
    using ReportData::value;

private:
    QPointer<RecordSet> m_set;
};
