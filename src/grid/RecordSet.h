#pragma once
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

// Kinds of field a record set holds. The numeric ones are SmallInt, Integer,
// LargeInt (whole numbers), Bcd (exact decimals: amounts, counts), Float.
enum class FieldType { String, Memo, SmallInt, Integer, LargeInt, Bcd, Float, Boolean, Date, Time, DateTime, Bytes };

bool IsNumericField(FieldType type);

// One field of a record set. Names are upper case (the server folds
// unquoted names to lower case; the screens name fields as they were
// written), and every look-up by name ignores case.
struct FieldDef {
    QString name;
    FieldType type = FieldType::String;
    int size = 0;        // text length limit (0: none); for Bcd the total digits
    int scale = 0;       // decimals of Bcd
    QString displayLabel;    // caption for grids; the name when empty
    QString displayFormat;   // numbers: see DisplayFormat.h; dates: Qt date format; booleans: "yes;no"
    bool visible = true;     // shown by a grid that has no columns of its own
    bool readOnly = false;   // refuses every assignment
    bool required = false;   // post refuses NULL
    Qt::Alignment alignment = {};  // empty: right for numbers, left otherwise
    QVariant defaultValue;   // given to new records

    FieldDef() = default;
    FieldDef(const QString& fieldName, FieldType fieldType, int fieldSize = 0, bool isRequired = false);
    QString label() const { return displayLabel.isEmpty() ? name : displayLabel; }
    Qt::Alignment effectiveAlignment() const;
};

// One client-side record set: the rows of a query (or rows built in memory)
// with a current record that every bound view shares, the browse/edit/insert
// state machine of a data set, display formats and a change log.
//
// It never writes to the database: screens write with their own statements
// and may ask changedRows()/deletedRows() for what the user changed.
class RecordSet : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    Q_ENUM(State)
    enum class RowStatus { Unmodified, Modified, Inserted };
    enum LocateOption { CaseInsensitive = 1, PartialKey = 2 };
    Q_DECLARE_FLAGS(LocateOptions, LocateOption)
    using Bookmark = quint64;  // 0 is no record

    explicit RecordSet(QObject* parent = nullptr);
    ~RecordSet() override;

    // --- opening and closing -------------------------------------------------
    // Runs the statement through RunQuery (logged, parameters bound, empty
    // text as NULL) and loads every row; the first record becomes current.
    // Settings made on fields (labels, formats, flags) survive a reopen for
    // fields of the same name.
    void open(const QString& sql, const QVariantList& params = {});
    // Runs the last statement again and returns to the same row number.
    void reopen();
    // An open, empty record set with these fields, for rows built in memory.
    void create(const QList<FieldDef>& fields);
    void close();
    // Forgets the field settings kept for the next open.
    void clearFieldSettings();
    bool isOpen() const { return m_state != State::Inactive; }
    // No records: true for a closed record set as well; isOpen tells them apart.
    bool isEmpty() const { return m_rows.empty(); }
    QString sql() const { return m_sql; }
    QVariantList params() const { return m_params; }

    // --- fields ---------------------------------------------------------------
    int fieldCount() const { return int(m_fields.size()); }
    const QList<FieldDef>& fields() const { return m_fields; }
    QStringList fieldNames() const;
    int fieldIndex(const QString& name) const;  // -1 when there is none
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
    // Raises DatabaseError "Field 'X' not found" for an unknown name.
    const FieldDef& field(const QString& name) const;
    const FieldDef& field(int index) const { return m_fields.at(index); }
    void setDisplayLabel(const QString& name, const QString& label);
    void setDisplayFormat(const QString& name, const QString& format);
    void setFieldVisible(const QString& name, bool visible);
    void setFieldReadOnly(const QString& name, bool readOnly);
    void setFieldRequired(const QString& name, bool required);
    void setFieldAlignment(const QString& name, Qt::Alignment alignment);
    void setDefaultValue(const QString& name, const QVariant& value);

    // --- navigation -------------------------------------------------------------
    int recordCount() const { return int(m_rows.size()); }
    int currentRow() const { return m_current; }  // -1 when empty or closed
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    // Each move first posts a pending edit (which may raise), then fires
    // beforeScroll, moves, and fires afterScroll.
    void first();
    void last();
    void next();   // at the last record: eof becomes true, no move
    void prior();  // at the first record: bof becomes true, no move
    void moveBy(int distance);
    void moveTo(int row);  // clamped to the records

    Bookmark bookmark() const;  // the current record; survives sorting, inserts and deletes
    bool bookmarkValid(Bookmark bookmark) const;
    bool gotoBookmark(Bookmark bookmark);

    // Finds the first record whose fields ("A;B" or a single name) equal
    // the values and makes it current; false (no move) when there is none.
    bool locate(const QString& fieldNames, const QVariantList& values, LocateOptions options = {});
    bool locate(const QString& fieldName, const QVariant& value, LocateOptions options = {});
    // The same search without moving: the row, or -1.
    int findRow(const QString& fieldNames, const QVariantList& values, LocateOptions options = {}) const;
    // The value of resultField in the record located by the key, or NULL.
    QVariant lookup(const QString& keyFields, const QVariantList& values, const QString& resultField) const;

    // Sorts the records in memory by the fields (stable; NULL first), keeping
    // the current record current.
    void sort(const QStringList& fieldNames, Qt::SortOrder order = Qt::AscendingOrder);
    QStringList sortFields() const { return m_sortFields; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    // --- state and editing --------------------------------------------------------
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }
    void edit();
    void insert();   // a new record before the current one
    void append();   // a new record after the last one
    void post();     // fires beforePost (a handler vetoes by raising), checks required fields
    void cancel();   // drops the new record or restores the edited values
    void deleteRecord();
    // Appends and posts one record with values in field order.
    void appendRecord(const QVariantList& values);
    // Removes every record (no change log entries) and stays open.
    void emptyDataSet();

    // --- values of the current record ---------------------------------------------
    // Reading a closed record set raises; an empty one reads NULL.
    QVariant value(const QString& field) const;
    QVariant value(int fieldIndex) const;
    bool isNull(const QString& field) const;
    QString fieldAsString(const QString& field) const;  // empty text for NULL
    double fieldAsFloat(const QString& field) const;    // 0 for NULL
    qint64 fieldAsInteger(const QString& field) const;  // 0 for NULL
    QDate fieldAsDate(const QString& field) const;
    bool fieldAsBoolean(const QString& field) const;
    // The value as shown: the field's display format; empty for NULL.
    QString displayText(const QString& field) const;
    // Assigns in edit or insert state (raises otherwise), converting text to
    // the field's type ("1,234" to a number; empty text to NULL). Fires
    // dataChanged and fieldChanged when the value really changes.
    void setValue(const QString& field, const QVariant& value);
    void setValue(int fieldIndex, const QVariant& value);
    void clearField(const QString& field) { setValue(field, QVariant()); }

    // --- values of any record, without moving -------------------------------------
    QVariant value(int row, const QString& field) const;
    QVariant rowValue(int row, int fieldIndex) const;
    QString fieldAsString(int row, const QString& field) const;
    QString displayText(int row, const QString& field) const;
    QString displayText(int row, int fieldIndex, const QString& formatOverride = QString()) const;
    static QString textOf(const FieldDef& field, const QVariant& value);
    static QString displayTextOf(const FieldDef& field, const QVariant& value, const QString& formatOverride = QString());
    // The value as the field stores it (text to number or date, empty text
    // to NULL); raises ConversionError for text that is no such value.
    static QVariant convertValue(const FieldDef& field, const QVariant& value);

    // --- change log ---------------------------------------------------------------
    RowStatus rowStatus(int row) const;
    QList<int> changedRows() const;             // modified or inserted rows, in row order
    QList<QVariantList> deletedRows() const;     // values as loaded, in field order
    QVariant originalValue(int row, const QString& field) const;  // as loaded or first posted
    int changeCount() const;
    void mergeChanges();                          // forget the log: the rows are now as saved

    // --- batch work -----------------------------------------------------------------
    // Bound views stop following until the matching enableControls (nesting
    // counts); the record set's own events still fire.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disableCount > 0; }
    // Bound views with pending input (an open cell editor, a typed edit) hand it over.
    void updateRecord();

    // Remembers the position and disables controls; the destructor restores
    // both, also when the walk fails.
    class Walk {
    public:
        explicit Walk(RecordSet& set);
        ~Walk();
        Walk(const Walk&) = delete;
        Walk& operator=(const Walk&) = delete;

    private:
        RecordSet& m_set;
        Bookmark m_bookmark;
        int m_row;
    };

signals:
    // For bound views (held back while controls are disabled).
    void aboutToReset();
    void reset();
    void rowsAboutToBeInserted(int first, int last);
    void rowsInserted(int first, int last);
    void rowsAboutToBeRemoved(int first, int last);
    void rowsRemoved(int first, int last);
    void dataChanged(int row, const QString& field);  // row -1: all rows; field empty: all fields
    void currentChanged(int row);
    void stateChanged(RecordSet::State state);
    void updateRecordRequested();  // views hand over pending input now
    // Events of the record set itself (always fired).
    void afterOpen();
    void beforeClose();
    void afterClose();
    void beforeScroll();
    void afterScroll();
    void beforeInsert();
    void newRecord();   // the new record is current: set defaults here
    void afterInsert();
    void beforeEdit();
    void afterEdit();
    void beforePost();  // raise to refuse the post
    void afterPost();
    void afterCancel();
    void beforeDelete();  // raise to refuse the delete
    void afterDelete();
    void fieldChanged(const QString& field);

private:
    struct Row {
        QVariantList values;
        QVariantList original;  // kept from the first change on
        quint64 id = 0;
        RowStatus status = RowStatus::Unmodified;
    };

    void checkActive() const;
    void checkNotEmpty() const;
    void checkBrowseMode();
    int requireField(const QString& name) const;
    void setFields(QList<FieldDef> fields);
    void restoreFieldSettings();
    void beginReset();
    void endReset();
    void notifyCurrent();
    void notifyState();
    void notifyData(int row, const QString& field);
    void scrollTo(int row);
    void insertAt(int row);
    bool matches(const Row& row, const QList<int>& fields, const QVariantList& values, LocateOptions options) const;
    void keepFieldSettings();

    QList<FieldDef> m_fields;
    QList<FieldDef> m_keptSettings;
    QHash<QString, int> m_fieldByName;
    std::vector<Row> m_rows;
    QList<QVariantList> m_deleted;
    QVariantList m_editSaved;  // values of the record being edited before edit()
    State m_state = State::Inactive;
    int m_current = -1;
    bool m_bof = true;
    bool m_eof = true;
    quint64 m_nextId = 1;
    QString m_sql;
    QVariantList m_params;
    QStringList m_sortFields;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    int m_disableCount = 0;
    int m_resetDepth = 0;
    bool m_pendingReset = false;
    bool m_pendingData = false;
    bool m_pendingCurrent = false;
    bool m_pendingState = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(RecordSet::LocateOptions)

// Display formats of every numeric field: whole numbers and exact decimals
// "#,##0"; floating values "#,##0.#0" (SetNumberFormats) or "#,##0.00"
// (SetAmountFormats).
void SetNumberFormats(RecordSet& set);
void SetAmountFormats(RecordSet& set);
