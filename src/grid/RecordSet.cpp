#include "grid/RecordSet.h"
#include "common/AppErrors.h"
#include "common/Query.h"
#include "grid/DisplayFormat.h"
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <cmath>

namespace {

// PostgreSQL type numbers as the driver reports them.
enum PgType {
    pgBool = 16, pgBytea = 17, pgInt8 = 20, pgInt2 = 21, pgInt4 = 23, pgText = 25, pgOid = 26,
    pgFloat4 = 700, pgFloat8 = 701, pgBpchar = 1042, pgVarchar = 1043, pgDate = 1082, pgTime = 1083,
    pgTimestamp = 1114, pgTimestampTz = 1184, pgTimeTz = 1266, pgNumeric = 1700,
};

FieldDef fieldFromColumn(const QSqlField& column)
{
    FieldDef def;
    def.name = column.name().toUpper();
    switch (column.typeID()) {
    case pgInt2: def.type = FieldType::SmallInt; break;
    case pgInt4:
    case pgOid: def.type = FieldType::Integer; break;
    case pgInt8: def.type = FieldType::LargeInt; break;
    case pgFloat4:
    case pgFloat8: def.type = FieldType::Float; break;
    case pgNumeric:
        // numeric(p, s) with decimals behaves as a floating value on screen;
        // numeric(p) and computed numerics (sums of amounts) are exact
        // whole-number values.
        if (column.precision() > 0 && column.length() > 0) {
            def.type = FieldType::Float;
            def.scale = column.precision();
        } else {
            def.type = FieldType::Bcd;
            def.scale = 0;
        }
        def.size = column.length() > 0 ? column.length() : 0;
        break;
    case pgBool: def.type = FieldType::Boolean; break;
    case pgDate: def.type = FieldType::Date; break;
    case pgTime:
    case pgTimeTz: def.type = FieldType::Time; break;
    case pgTimestamp:
    case pgTimestampTz: def.type = FieldType::DateTime; break;
    case pgBytea: def.type = FieldType::Bytes; break;
    case pgText:
    case pgBpchar:
    case pgVarchar:
        def.type = FieldType::String;
        def.size = column.length() > 0 ? column.length() : 0;
        break;
    default:
        switch (column.metaType().id()) {
        case QMetaType::Int: def.type = FieldType::Integer; break;
        case QMetaType::LongLong: def.type = FieldType::LargeInt; break;
        case QMetaType::Double: def.type = FieldType::Float; break;
        case QMetaType::Bool: def.type = FieldType::Boolean; break;
        case QMetaType::QDate: def.type = FieldType::Date; break;
        case QMetaType::QTime: def.type = FieldType::Time; break;
        case QMetaType::QDateTime: def.type = FieldType::DateTime; break;
        case QMetaType::QByteArray: def.type = FieldType::Bytes; break;
        default: def.type = FieldType::String; break;
        }
    }
    return def;
}

bool isWholeType(FieldType type)
{
    return type == FieldType::SmallInt || type == FieldType::Integer || type == FieldType::LargeInt;
}

int compareValues(const FieldDef& field, const QVariant& a, const QVariant& b)
{
    const bool nullA = a.isNull(), nullB = b.isNull();
    if (nullA || nullB)
        return nullA == nullB ? 0 : (nullA ? -1 : 1);
    switch (field.type) {
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::LargeInt: {
        const qint64 x = a.toLongLong(), y = b.toLongLong();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case FieldType::Bcd:
    case FieldType::Float: {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case FieldType::Boolean:
        return int(a.toBool()) - int(b.toBool());
    case FieldType::Date: {
        const QDate x = a.toDate(), y = b.toDate();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case FieldType::Time: {
        const QTime x = a.toTime(), y = b.toTime();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case FieldType::DateTime: {
        const QDateTime x = a.toDateTime(), y = b.toDateTime();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case FieldType::Bytes: {
        const QByteArray x = a.toByteArray(), y = b.toByteArray();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    default:
        return a.toString().compare(b.toString());
    }
}

QString typeWord(FieldType type)
{
    if (isWholeType(type))
        return QStringLiteral("integer");
    if (type == FieldType::Date || type == FieldType::DateTime)
        return QStringLiteral("date");
    if (type == FieldType::Time)
        return QStringLiteral("time");
    if (type == FieldType::Boolean)
        return QStringLiteral("boolean");
    return QStringLiteral("floating point");
}

}  // namespace

bool IsNumericField(FieldType type)
{
    return isWholeType(type) || type == FieldType::Bcd || type == FieldType::Float;
}

FieldDef::FieldDef(const QString& fieldName, FieldType fieldType, int fieldSize, bool isRequired)
    : name(fieldName.toUpper()), type(fieldType), size(fieldSize), required(isRequired)
{
}

Qt::Alignment FieldDef::effectiveAlignment() const
{
    if (alignment & Qt::AlignHorizontal_Mask)
        return alignment;
    return IsNumericField(type) ? Qt::AlignRight : Qt::AlignLeft;
}

// ---------------------------------------------------------------------------

RecordSet::RecordSet(QObject* parent) : QObject(parent) {}

RecordSet::~RecordSet() = default;

namespace {
[[noreturn]] void fail(const QObject* set, const QString& message)
{
    const QString owner = set->objectName();
    throw DatabaseError(owner.isEmpty() ? message : owner + QStringLiteral(": ") + message);
}
}  // namespace

void RecordSet::checkActive() const
{
    if (m_state == State::Inactive)
        fail(this, QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void RecordSet::checkNotEmpty() const
{
    checkActive();
    if (m_rows.empty())
        fail(this, QStringLiteral("Cannot perform this operation on an empty dataset"));
}

int RecordSet::requireField(const QString& name) const
{
    const int index = fieldIndex(name);
    if (index < 0)
        fail(this, QStringLiteral("Field '%1' not found").arg(name));
    return index;
}

// --- notifications -------------------------------------------------------------

void RecordSet::beginReset()
{
    if (m_resetDepth++ > 0)
        return;
    if (m_disableCount > 0) {
        if (!m_pendingReset) {
            m_pendingReset = true;
            emit aboutToReset();
        }
        return;
    }
    emit aboutToReset();
}

void RecordSet::endReset()
{
    if (--m_resetDepth > 0)
        return;
    if (m_disableCount > 0)
        return;
    emit reset();
    emit currentChanged(m_current);
    emit stateChanged(m_state);
}

void RecordSet::notifyCurrent()
{
    if (m_disableCount > 0 || m_resetDepth > 0)
        m_pendingCurrent = true;
    else
        emit currentChanged(m_current);
}

void RecordSet::notifyState()
{
    if (m_disableCount > 0 || m_resetDepth > 0)
        m_pendingState = true;
    else
        emit stateChanged(m_state);
}

void RecordSet::notifyData(int row, const QString& field)
{
    if (m_disableCount > 0 || m_resetDepth > 0)
        m_pendingData = true;
    else
        emit dataChanged(row, field);
}

void RecordSet::disableControls()
{
    ++m_disableCount;
}

void RecordSet::enableControls()
{
    if (m_disableCount == 0 || --m_disableCount > 0)
        return;
    const bool resetting = m_pendingReset;
    const bool data = m_pendingData, current = m_pendingCurrent, state = m_pendingState;
    m_pendingReset = m_pendingData = m_pendingCurrent = m_pendingState = false;
    if (resetting) {
        emit reset();
        emit currentChanged(m_current);
        emit stateChanged(m_state);
        return;
    }
    if (data)
        emit dataChanged(-1, QString());
    if (state)
        emit stateChanged(m_state);
    if (current)
        emit currentChanged(m_current);
}

void RecordSet::updateRecord()
{
    emit updateRecordRequested();
}

// --- opening and closing -----------------------------------------------------------

void RecordSet::keepFieldSettings()
{
    for (const FieldDef& f : std::as_const(m_fields)) {
        auto kept = std::find_if(m_keptSettings.begin(), m_keptSettings.end(),
                                 [&](const FieldDef& k) { return k.name == f.name; });
        if (kept != m_keptSettings.end())
            *kept = f;
        else
            m_keptSettings << f;
    }
}

void RecordSet::restoreFieldSettings()
{
    for (FieldDef& f : m_fields) {
        for (const FieldDef& k : std::as_const(m_keptSettings)) {
            if (k.name != f.name)
                continue;
            f.displayLabel = k.displayLabel;
            f.displayFormat = k.displayFormat;
            f.visible = k.visible;
            f.readOnly = k.readOnly;
            f.required = k.required;
            f.alignment = k.alignment;
            f.defaultValue = k.defaultValue;
            break;
        }
    }
}

void RecordSet::clearFieldSettings()
{
    m_keptSettings.clear();
}

void RecordSet::setFields(QList<FieldDef> fields)
{
    m_fields = std::move(fields);
    m_fieldByName.clear();
    for (int i = 0; i < m_fields.size(); ++i) {
        m_fields[i].name = m_fields[i].name.toUpper();
        // The first of two equal names wins, as a query's duplicate column
        // would be reached by name.
        if (!m_fieldByName.contains(m_fields[i].name))
            m_fieldByName.insert(m_fields[i].name, i);
    }
}

void RecordSet::open(const QString& sql, const QVariantList& params)
{
    if (isOpen())
        close();
    QSqlQuery query = RunQuery(sql, params, QStringLiteral("Open"));

    const QSqlRecord record = query.record();
    QList<FieldDef> fields;
    fields.reserve(record.count());
    for (int i = 0; i < record.count(); ++i)
        fields << fieldFromColumn(record.field(i));

    beginReset();
    setFields(std::move(fields));
    restoreFieldSettings();
    m_sql = sql;
    m_params = params;
    const int columns = int(m_fields.size());
    if (query.size() > 0)
        m_rows.reserve(size_t(query.size()));
    while (query.next()) {
        Row row;
        row.values.reserve(columns);
        for (int i = 0; i < columns; ++i) {
            QVariant v = query.value(i);
            if (v.isNull())
                v = QVariant();
            row.values.append(std::move(v));
        }
        row.id = m_nextId++;
        m_rows.push_back(std::move(row));
    }
    m_state = State::Browse;
    m_current = m_rows.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.empty();
    endReset();
    emit afterOpen();
    emit afterScroll();
}

void RecordSet::reopen()
{
    if (m_sql.isEmpty())
        fail(this, QStringLiteral("No statement to reopen"));
    const int row = m_current;
    open(m_sql, m_params);
    if (row > 0 && !m_rows.empty())
        moveTo(std::min(row, recordCount() - 1));
}

void RecordSet::create(const QList<FieldDef>& fields)
{
    if (isOpen())
        close();
    beginReset();
    setFields(fields);
    m_sql.clear();
    m_params.clear();
    m_state = State::Browse;
    m_current = -1;
    m_bof = m_eof = true;
    endReset();
    emit afterOpen();
}

void RecordSet::close()
{
    if (!isOpen())
        return;
    emit beforeClose();
    beginReset();
    keepFieldSettings();
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_deleted.clear();
    m_editSaved.clear();
    m_sortFields.clear();
    m_state = State::Inactive;
    m_current = -1;
    m_bof = m_eof = true;
    endReset();
    emit afterClose();
}

// --- fields --------------------------------------------------------------------------

QStringList RecordSet::fieldNames() const
{
    QStringList names;
    for (const FieldDef& f : m_fields)
        names << f.name;
    return names;
}

int RecordSet::fieldIndex(const QString& name) const
{
    return m_fieldByName.value(name.toUpper(), -1);
}

const FieldDef& RecordSet::field(const QString& name) const
{
    return m_fields.at(requireField(name));
}

void RecordSet::setDisplayLabel(const QString& name, const QString& label)
{
    m_fields[requireField(name)].displayLabel = label;
    notifyData(-1, m_fields[fieldIndex(name)].name);
}

void RecordSet::setDisplayFormat(const QString& name, const QString& format)
{
    const int i = requireField(name);
    if (m_fields[i].displayFormat == format)
        return;
    m_fields[i].displayFormat = format;
    notifyData(-1, m_fields[i].name);
}

void RecordSet::setFieldVisible(const QString& name, bool visible)
{
    const int i = requireField(name);
    m_fields[i].visible = visible;
    notifyData(-1, m_fields[i].name);
}

void RecordSet::setFieldReadOnly(const QString& name, bool readOnly)
{
    const int i = requireField(name);
    m_fields[i].readOnly = readOnly;
    notifyData(-1, m_fields[i].name);
}

void RecordSet::setFieldRequired(const QString& name, bool required)
{
    m_fields[requireField(name)].required = required;
}

void RecordSet::setFieldAlignment(const QString& name, Qt::Alignment alignment)
{
    const int i = requireField(name);
    m_fields[i].alignment = alignment;
    notifyData(-1, m_fields[i].name);
}

void RecordSet::setDefaultValue(const QString& name, const QVariant& value)
{
    const int i = requireField(name);
    m_fields[i].defaultValue = convertValue(m_fields[i], value);
}

// --- navigation ------------------------------------------------------------------------

void RecordSet::checkBrowseMode()
{
    checkActive();
    updateRecord();
    if (isEditing())
        post();
}

void RecordSet::scrollTo(int row)
{
    if (row == m_current)
        return;
    emit beforeScroll();
    m_current = row;
    notifyCurrent();
    emit afterScroll();
}

void RecordSet::first()
{
    checkBrowseMode();
    if (!m_rows.empty())
        scrollTo(0);
    m_bof = true;
    m_eof = m_rows.empty();
}

void RecordSet::last()
{
    checkBrowseMode();
    if (!m_rows.empty())
        scrollTo(recordCount() - 1);
    m_eof = true;
    m_bof = m_rows.empty();
}

void RecordSet::next()
{
    checkBrowseMode();
    if (m_current >= 0 && m_current < recordCount() - 1) {
        m_bof = m_eof = false;
        scrollTo(m_current + 1);
    } else {
        m_eof = true;
    }
}

void RecordSet::prior()
{
    checkBrowseMode();
    if (m_current > 0) {
        m_bof = m_eof = false;
        scrollTo(m_current - 1);
    } else {
        m_bof = true;
    }
}

void RecordSet::moveBy(int distance)
{
    checkActive();
    if (m_rows.empty() || distance == 0)
        return;
    const qint64 target = qint64(m_current) + distance;
    if (target < 0) {
        first();
    } else if (target >= recordCount()) {
        last();
    } else {
        checkBrowseMode();
        m_bof = m_eof = false;
        scrollTo(int(target));
    }
}

void RecordSet::moveTo(int row)
{
    checkBrowseMode();
    if (m_rows.empty())
        return;
    m_bof = m_eof = false;
    scrollTo(std::clamp(row, 0, recordCount() - 1));
}

RecordSet::Bookmark RecordSet::bookmark() const
{
    return m_current >= 0 ? m_rows[size_t(m_current)].id : 0;
}

bool RecordSet::bookmarkValid(Bookmark bookmark) const
{
    return bookmark != 0 && std::any_of(m_rows.begin(), m_rows.end(), [&](const Row& r) { return r.id == bookmark; });
}

bool RecordSet::gotoBookmark(Bookmark bookmark)
{
    checkActive();
    if (bookmark == 0)
        return false;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].id == bookmark) {
            moveTo(int(i));
            return true;
        }
    }
    return false;
}

bool RecordSet::matches(const Row& row, const QList<int>& fields, const QVariantList& values,
                        LocateOptions options) const
{
    for (int k = 0; k < fields.size(); ++k) {
        const FieldDef& f = m_fields[fields[k]];
        const QVariant& have = row.values[fields[k]];
        const QVariant& want = values.value(k);
        const bool wantNull = want.isNull() || (want.typeId() == QMetaType::QString && want.toString().isEmpty());
        if (wantNull) {
            if (!have.isNull())
                return false;
            continue;
        }
        if (have.isNull())
            return false;
        if (f.type == FieldType::String || f.type == FieldType::Memo) {
            const Qt::CaseSensitivity cs = options.testFlag(CaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;
            const QString text = have.toString(), key = want.toString();
            if (options.testFlag(PartialKey) ? !text.startsWith(key, cs) : text.compare(key, cs) != 0)
                return false;
            continue;
        }
        QVariant converted;
        try {
            converted = convertValue(f, want);
        } catch (const AppError&) {
            return false;  // a key that is no value of this field matches nothing
        }
        if (compareValues(f, have, converted) != 0)
            return false;
    }
    return true;
}

int RecordSet::findRow(const QString& names, const QVariantList& values, LocateOptions options) const
{
    checkActive();
    QList<int> fields;
    for (const QString& name : names.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        fields << requireField(name.trimmed());
    if (fields.isEmpty())
        return -1;
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (matches(m_rows[i], fields, values, options))
            return int(i);
    return -1;
}

bool RecordSet::locate(const QString& names, const QVariantList& values, LocateOptions options)
{
    checkBrowseMode();
    const int row = findRow(names, values, options);
    if (row < 0)
        return false;
    moveTo(row);
    return true;
}

bool RecordSet::locate(const QString& name, const QVariant& value, LocateOptions options)
{
    return locate(name, QVariantList{value}, options);
}

QVariant RecordSet::lookup(const QString& keyFields, const QVariantList& values, const QString& resultField) const
{
    const int result = requireField(resultField);
    const int row = findRow(keyFields, values);
    return row < 0 ? QVariant() : m_rows[size_t(row)].values[result];
}

void RecordSet::sort(const QStringList& names, Qt::SortOrder order)
{
    checkBrowseMode();
    QList<int> fields;
    for (const QString& name : names)
        fields << requireField(name);
    const Bookmark current = bookmark();
    beginReset();
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const Row& a, const Row& b) {
        for (int f : std::as_const(fields)) {
            const int c = compareValues(m_fields[f], a.values[f], b.values[f]);
            if (c != 0)
                return order == Qt::AscendingOrder ? c < 0 : c > 0;
        }
        return false;
    });
    m_sortFields.clear();
    for (int f : std::as_const(fields))
        m_sortFields << m_fields[f].name;
    m_sortOrder = order;
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].id == current)
            m_current = int(i);
    endReset();
}

// --- editing ------------------------------------------------------------------------------

void RecordSet::edit()
{
    checkActive();
    if (isEditing())
        return;
    checkNotEmpty();
    emit beforeEdit();
    m_editSaved = m_rows[size_t(m_current)].values;
    m_state = State::Edit;
    notifyState();
    emit afterEdit();
}

void RecordSet::insertAt(int row)
{
    emit beforeInsert();
    emit beforeScroll();
    Row fresh;
    fresh.values.reserve(m_fields.size());
    for (const FieldDef& f : std::as_const(m_fields))
        fresh.values << f.defaultValue;
    fresh.id = m_nextId++;
    fresh.status = RowStatus::Inserted;
    const bool batch = m_disableCount > 0 || m_resetDepth > 0;
    if (batch)
        beginReset();
    else
        emit rowsAboutToBeInserted(row, row);
    m_rows.insert(m_rows.begin() + row, std::move(fresh));
    m_current = row;
    m_bof = m_eof = false;
    m_state = State::Insert;
    if (batch) {
        endReset();
    } else {
        emit rowsInserted(row, row);
        notifyCurrent();
        notifyState();
    }
    emit newRecord();
    emit afterInsert();
    emit afterScroll();
}

void RecordSet::insert()
{
    checkBrowseMode();
    insertAt(m_current < 0 ? 0 : m_current);
}

void RecordSet::append()
{
    checkBrowseMode();
    insertAt(recordCount());
}

void RecordSet::post()
{
    checkActive();
    updateRecord();
    if (!isEditing())
        return;
    emit beforePost();
    Row& row = m_rows[size_t(m_current)];
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].required && row.values[i].isNull())
            fail(this, QStringLiteral("Field '%1' must have a value").arg(m_fields[i].label()));
    if (m_state == State::Edit && row.status == RowStatus::Unmodified && row.values != m_editSaved) {
        row.original = m_editSaved;
        row.status = RowStatus::Modified;
    }
    m_editSaved.clear();
    m_state = State::Browse;
    notifyState();
    emit afterPost();
}

void RecordSet::cancel()
{
    checkActive();
    if (!isEditing())
        return;
    if (m_state == State::Insert) {
        const int row = m_current;
        const bool batch = m_disableCount > 0 || m_resetDepth > 0;
        if (batch)
            beginReset();
        else
            emit rowsAboutToBeRemoved(row, row);
        m_rows.erase(m_rows.begin() + row);
        m_current = m_rows.empty() ? -1 : std::min(row, recordCount() - 1);
        m_bof = m_eof = m_rows.empty();
        m_state = State::Browse;
        if (batch) {
            endReset();
        } else {
            emit rowsRemoved(row, row);
            notifyCurrent();
            notifyState();
        }
        emit afterCancel();
        emit afterScroll();
        return;
    }
    Row& row = m_rows[size_t(m_current)];
    const bool changed = row.values != m_editSaved;
    row.values = m_editSaved;
    m_editSaved.clear();
    m_state = State::Browse;
    if (changed)
        notifyData(m_current, QString());
    notifyState();
    emit afterCancel();
}

void RecordSet::deleteRecord()
{
    checkActive();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    checkNotEmpty();
    updateRecord();
    emit beforeDelete();
    emit beforeScroll();
    const int index = m_current;
    Row& row = m_rows[size_t(index)];
    if (m_state == State::Edit) {
        row.values = m_editSaved;
        m_editSaved.clear();
    }
    if (row.status == RowStatus::Modified)
        m_deleted << row.original;
    else if (row.status == RowStatus::Unmodified)
        m_deleted << row.values;
    const bool batch = m_disableCount > 0 || m_resetDepth > 0;
    if (batch)
        beginReset();
    else
        emit rowsAboutToBeRemoved(index, index);
    m_rows.erase(m_rows.begin() + index);
    m_current = m_rows.empty() ? -1 : std::min(index, recordCount() - 1);
    m_bof = m_eof = m_rows.empty();
    m_state = State::Browse;
    if (batch) {
        endReset();
    } else {
        emit rowsRemoved(index, index);
        notifyCurrent();
        notifyState();
    }
    emit afterDelete();
    emit afterScroll();
}

void RecordSet::appendRecord(const QVariantList& values)
{
    append();
    try {
        for (int i = 0; i < values.size() && i < m_fields.size(); ++i)
            setValue(i, values.at(i));
        post();
    } catch (...) {
        cancel();
        throw;
    }
}

void RecordSet::emptyDataSet()
{
    checkActive();
    beginReset();
    m_rows.clear();
    m_deleted.clear();
    m_editSaved.clear();
    m_state = State::Browse;
    m_current = -1;
    m_bof = m_eof = true;
    endReset();
}

// --- values ---------------------------------------------------------------------------------

QVariant RecordSet::convertValue(const FieldDef& field, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    const bool isText = value.typeId() == QMetaType::QString;
    const QString text = isText ? value.toString() : QString();
    if (isText && text.trimmed().isEmpty() && field.type != FieldType::String && field.type != FieldType::Memo)
        return QVariant();
    auto bad = [&]() -> QVariant {
        throw ConversionError(QStringLiteral("'%1' is not a valid %2 value").arg(value.toString(), typeWord(field.type)));
    };
    switch (field.type) {
    case FieldType::String:
    case FieldType::Memo: {
        // As on the server the system was built for, empty text is NULL.
        const QString s = value.toString();
        return s.isEmpty() ? QVariant() : QVariant(s);
    }
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::LargeInt:
    case FieldType::Bcd:
    case FieldType::Float: {
        double number = 0;
        bool ok = false;
        if (isText) {
            QString plain = text;
            plain.remove(QLatin1Char(',')).remove(QLatin1Char(' '));
            number = plain.toDouble(&ok);
            if (ok && isWholeType(field.type) && std::floor(number) != number)
                ok = false;
        } else if (value.typeId() == QMetaType::Bool) {
            number = value.toBool() ? 1 : 0;
            ok = true;
        } else {
            number = value.toDouble(&ok);
        }
        if (!ok || !std::isfinite(number))
            return bad();
        if (field.type == FieldType::LargeInt)
            return QVariant(qint64(std::llround(number)));
        if (isWholeType(field.type)) {
            if (std::fabs(number) > 2147483647.0)
                return bad();
            return QVariant(int(std::lround(number)));
        }
        return QVariant(number);
    }
    case FieldType::Boolean: {
        if (isText) {
            const QString t = text.trimmed().toUpper();
            if (t == QLatin1String("Y") || t == QLatin1String("TRUE") || t == QLatin1String("1"))
                return QVariant(true);
            if (t == QLatin1String("N") || t == QLatin1String("FALSE") || t == QLatin1String("0"))
                return QVariant(false);
            return bad();
        }
        return QVariant(value.toBool());
    }
    case FieldType::Date: {
        if (value.typeId() == QMetaType::QDate)
            return value.toDate().isValid() ? value : bad();
        if (value.typeId() == QMetaType::QDateTime)
            return QVariant(value.toDateTime().date());
        const QString t = text.trimmed();
        QDate d = QDate::fromString(t, QStringLiteral("yyyy-MM-dd"));
        if (!d.isValid())
            d = QDate::fromString(t, QStringLiteral("yyyyMMdd"));
        return d.isValid() ? QVariant(d) : bad();
    }
    case FieldType::DateTime: {
        if (value.typeId() == QMetaType::QDateTime)
            return value;
        if (value.typeId() == QMetaType::QDate)
            return QVariant(value.toDate().startOfDay());
        QDateTime dt = QDateTime::fromString(text.trimmed(), Qt::ISODate);
        if (!dt.isValid())
            dt = QDateTime::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!dt.isValid()) {
            const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd"));
            if (d.isValid())
                dt = d.startOfDay();
        }
        return dt.isValid() ? QVariant(dt) : bad();
    }
    case FieldType::Time: {
        if (value.typeId() == QMetaType::QTime)
            return value;
        QTime t = QTime::fromString(text.trimmed(), QStringLiteral("HH:mm:ss"));
        if (!t.isValid())
            t = QTime::fromString(text.trimmed(), QStringLiteral("HH:mm"));
        return t.isValid() ? QVariant(t) : bad();
    }
    case FieldType::Bytes:
        return QVariant(value.toByteArray());
    }
    return value;
}

QVariant RecordSet::value(int fieldIndex) const
{
    checkActive();
    if (fieldIndex < 0 || fieldIndex >= m_fields.size())
        fail(this, QStringLiteral("Field index %1 out of range").arg(fieldIndex));
    if (m_current < 0)
        return QVariant();
    return m_rows[size_t(m_current)].values[fieldIndex];
}

QVariant RecordSet::value(const QString& field) const
{
    return value(requireField(field));
}

bool RecordSet::isNull(const QString& field) const
{
    return value(field).isNull();
}

QString RecordSet::fieldAsString(const QString& field) const
{
    const int i = requireField(field);
    return textOf(m_fields[i], value(i));
}

double RecordSet::fieldAsFloat(const QString& field) const
{
    const int i = requireField(field);
    const QVariant v = value(i);
    if (v.isNull())
        return 0;
    if (IsNumericField(m_fields[i].type) || m_fields[i].type == FieldType::Boolean)
        return v.toDouble();
    return convertValue(FieldDef(QString(), FieldType::Float), v.toString()).toDouble();
}

qint64 RecordSet::fieldAsInteger(const QString& field) const
{
    const int i = requireField(field);
    const QVariant v = value(i);
    if (v.isNull())
        return 0;
    if (IsNumericField(m_fields[i].type) || m_fields[i].type == FieldType::Boolean)
        return std::llround(v.toDouble());
    return convertValue(FieldDef(QString(), FieldType::LargeInt), v.toString()).toLongLong();
}

QDate RecordSet::fieldAsDate(const QString& field) const
{
    const int i = requireField(field);
    const QVariant v = value(i);
    if (v.isNull())
        return QDate();
    return convertValue(FieldDef(QString(), FieldType::Date), v).toDate();
}

bool RecordSet::fieldAsBoolean(const QString& field) const
{
    const int i = requireField(field);
    const QVariant v = value(i);
    if (v.isNull())
        return false;
    return convertValue(FieldDef(QString(), FieldType::Boolean), v.typeId() == QMetaType::Bool ? v : QVariant(v.toString())).toBool();
}

QString RecordSet::displayText(const QString& field) const
{
    const int i = requireField(field);
    return displayTextOf(m_fields[i], value(i));
}

void RecordSet::setValue(const QString& field, const QVariant& value)
{
    setValue(requireField(field), value);
}

void RecordSet::setValue(int index, const QVariant& value)
{
    checkActive();
    if (index < 0 || index >= m_fields.size())
        fail(this, QStringLiteral("Field index %1 out of range").arg(index));
    const FieldDef& f = m_fields[index];
    if (!isEditing())
        fail(this, QStringLiteral("Dataset not in edit or insert mode"));
    if (f.readOnly)
        fail(this, QStringLiteral("Field '%1' cannot be modified").arg(f.label()));
    const QVariant converted = convertValue(f, value);
    QVariant& slot = m_rows[size_t(m_current)].values[index];
    if (slot.isNull() == converted.isNull() && (slot.isNull() || compareValues(f, slot, converted) == 0)
        && slot.typeId() == converted.typeId())
        return;
    slot = converted;
    const QString name = f.name;
    notifyData(m_current, name);
    emit fieldChanged(name);
}

QVariant RecordSet::value(int row, const QString& field) const
{
    return rowValue(row, requireField(field));
}

QVariant RecordSet::rowValue(int row, int fieldIndex) const
{
    checkActive();
    if (row < 0 || row >= recordCount() || fieldIndex < 0 || fieldIndex >= m_fields.size())
        return QVariant();
    return m_rows[size_t(row)].values[fieldIndex];
}

QString RecordSet::fieldAsString(int row, const QString& field) const
{
    const int i = requireField(field);
    return textOf(m_fields[i], rowValue(row, i));
}

QString RecordSet::displayText(int row, const QString& field) const
{
    return displayText(row, requireField(field));
}

QString RecordSet::displayText(int row, int fieldIndex, const QString& formatOverride) const
{
    if (fieldIndex < 0 || fieldIndex >= m_fields.size())
        return QString();
    return displayTextOf(m_fields[fieldIndex], rowValue(row, fieldIndex), formatOverride);
}

QString RecordSet::textOf(const FieldDef& field, const QVariant& value)
{
    if (value.isNull())
        return QString();
    switch (field.type) {
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::LargeInt:
        return QString::number(value.toLongLong());
    case FieldType::Bcd:
    case FieldType::Float:
        return PlainNumberText(value.toDouble());
    case FieldType::Boolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case FieldType::Date:
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case FieldType::DateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case FieldType::Time:
        return value.toTime().toString(QStringLiteral("HH:mm:ss"));
    default:
        return value.toString();
    }
}

QString RecordSet::displayTextOf(const FieldDef& field, const QVariant& value, const QString& formatOverride)
{
    if (value.isNull())
        return QString();
    const QString& format = formatOverride.isEmpty() ? field.displayFormat : formatOverride;
    switch (field.type) {
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::LargeInt:
    case FieldType::Bcd:
    case FieldType::Float:
        return format.isEmpty() ? textOf(field, value) : FormatNumber(value.toDouble(), format);
    case FieldType::Boolean: {
        const QStringList words = (format.isEmpty() ? QStringLiteral("True;False") : format).split(QLatin1Char(';'));
        return value.toBool() ? words.value(0) : words.value(1);
    }
    case FieldType::Date:
        return value.toDate().toString(format.isEmpty() ? QStringLiteral("yyyy-MM-dd") : format);
    case FieldType::DateTime:
        return value.toDateTime().toString(format.isEmpty() ? QStringLiteral("yyyy-MM-dd HH:mm:ss") : format);
    case FieldType::Time:
        return value.toTime().toString(format.isEmpty() ? QStringLiteral("HH:mm:ss") : format);
    case FieldType::Bytes:
        return QStringLiteral("(BLOB)");
    default:
        return value.toString();
    }
}

// --- change log ------------------------------------------------------------------------------

RecordSet::RowStatus RecordSet::rowStatus(int row) const
{
    if (row < 0 || row >= recordCount())
        return RowStatus::Unmodified;
    return m_rows[size_t(row)].status;
}

QList<int> RecordSet::changedRows() const
{
    QList<int> rows;
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].status != RowStatus::Unmodified)
            rows << int(i);
    return rows;
}

QList<QVariantList> RecordSet::deletedRows() const
{
    return m_deleted;
}

QVariant RecordSet::originalValue(int row, const QString& field) const
{
    const int i = requireField(field);
    if (row < 0 || row >= recordCount())
        return QVariant();
    const Row& r = m_rows[size_t(row)];
    if (r.status == RowStatus::Inserted)
        return QVariant();
    if (r.status == RowStatus::Modified)
        return r.original[i];
    if (row == m_current && m_state == State::Edit)
        return m_editSaved[i];
    return r.values[i];
}

int RecordSet::changeCount() const
{
    return int(changedRows().size() + m_deleted.size());
}

void RecordSet::mergeChanges()
{
    checkBrowseMode();
    for (Row& r : m_rows) {
        r.status = RowStatus::Unmodified;
        r.original.clear();
    }
    m_deleted.clear();
}

// --- walking ---------------------------------------------------------------------------------------

RecordSet::Walk::Walk(RecordSet& set) : m_set(set), m_bookmark(set.isOpen() ? set.bookmark() : 0), m_row(set.currentRow())
{
    m_set.disableControls();
}

RecordSet::Walk::~Walk()
{
    try {
        if (m_set.isOpen() && !m_set.gotoBookmark(m_bookmark) && m_row >= 0 && !m_set.isEmpty())
            m_set.moveTo(std::min(m_row, m_set.recordCount() - 1));
    } catch (...) {
        // The position is a convenience; the walk's own error is what matters.
    }
    m_set.enableControls();
}

// --- formats ---------------------------------------------------------------------------------------

namespace {
void applyFormats(RecordSet& set, const QString& floatFormat)
{
    set.disableControls();
    for (const FieldDef& f : set.fields()) {
        if (f.type == FieldType::Float)
            set.setDisplayFormat(f.name, floatFormat);
        else if (IsNumericField(f.type))
            set.setDisplayFormat(f.name, QStringLiteral("#,##0"));
    }
    set.enableControls();
}
}  // namespace

void SetNumberFormats(RecordSet& set)
{
    applyFormats(set, QStringLiteral("#,##0.#0"));
}

void SetAmountFormats(RecordSet& set)
{
    applyFormats(set, QStringLiteral("#,##0.00"));
}
