#pragma once
#include "grid/RecordSet.h"
#include <QAbstractTableModel>
#include <QPointer>
#include <functional>

// A choice of a combo cell or bound combo: the code stored, the text shown.
struct ComboItem {
    QString code;
    QString text;
};

enum class CellEditor { Auto, Text, Number, Date, Combo, Memo };
enum class FooterKind { None, Text, Sum, Count, Custom };

// One grid column over a field of the record set.
struct GridColumn {
    QString field;
    QString caption;                // empty: the field's display label
    int width = -1;                 // pixels; -1: from the caption and the field size
    Qt::Alignment alignment = {};   // empty: the field's alignment
    QString displayFormat;          // empty: the field's display format
    bool hidden = false;
    bool readOnly = false;
    bool button = false;            // an ellipsis button in the current cell
    CellEditor editor = CellEditor::Auto;
    QList<ComboItem> comboItems;    // shown by text, stored by code
    int maxLength = 0;              // text editor limit; 0: the field size
    QString group;                  // header band over adjacent columns of the same group
    FooterKind footer = FooterKind::None;
    QString footerText;             // FooterKind::Text; for Sum/Count an optional format
    std::function<QString()> footerFunction;  // FooterKind::Custom

    GridColumn() = default;
    GridColumn(const QString& fieldName, const QString& columnCaption = QString(), int columnWidth = -1)
        : field(fieldName.toUpper()), caption(columnCaption), width(columnWidth) {}
};

// The table model the grid shows: one row per record, one column per grid
// column (or, when none are set, per field of the record set). It reads the
// record set directly, so every view shares its current record.
class RecordSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        FieldNameRole = Qt::UserRole + 1,  // column's field name
        GroupRole,                         // header: column's group
        ButtonRole,                        // cell: has an ellipsis button
        RawValueRole,                      // cell: stored value
    };

    explicit RecordSetModel(RecordSet* set = nullptr, QObject* parent = nullptr);

    RecordSet* recordSet() const { return m_set; }
    // Shows another record set; the columns of the model's own stay.
    void setRecordSet(RecordSet* set);

    void setColumns(const QList<GridColumn>& columns);
    int addColumn(const GridColumn& column);
    const QList<GridColumn>& columns() const { return m_columns; }
    const GridColumn& column(int index) const { return m_columns.at(index); }
    GridColumn& columnRef(int index) { return m_columns[index]; }
    // Index of the first column over the field, or -1.
    int columnOf(const QString& field) const;
    QString fieldOf(int column) const;
    int fieldIndexOf(int column) const;  // in the record set; -1 when unknown
    bool usesOwnColumns() const { return m_ownColumns; }
    // True while the record set adds, removes or replaces rows.
    bool isChanging() const { return m_changing; }
    // Tells the views that column settings changed.
    void columnsChanged(int first, int last);

    void setEditable(bool editable) { m_editable = editable; }
    bool isEditable() const { return m_editable; }
    void setRowBackground(std::function<QVariant(int row)> colour) { m_rowBackground = std::move(colour); }
    void setRowForeground(std::function<QVariant(int row)> colour) { m_rowForeground = std::move(colour); }

    // The cell text as shown: the column's format, combo texts.
    QString cellText(int row, int column) const;
    Qt::Alignment cellAlignment(int column) const;
    bool isCellEditable(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void rebuildAutoColumns();
    void resolveFields();
    void onDataChanged(int row, const QString& field);

    QPointer<RecordSet> m_set;
    QList<GridColumn> m_columns;
    QList<int> m_fieldIndex;  // per column
    bool m_ownColumns = false;
    bool m_editable = false;
    bool m_changing = false;
    std::function<QVariant(int)> m_rowBackground;
    std::function<QVariant(int)> m_rowForeground;
};
