#pragma once
#include <QList>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <Qt>

class QAbstractItemModel;
class QAbstractItemView;
class QTableView;

// How the spreadsheet writer decides between a number cell and a text cell.
enum class XlsCellRule {
    // Data-bound grids, data sets and queries: a number when the column's
    // field is numeric (a null number is 0), otherwise the display text.
    FieldKind,
    // Unbound grids: the shown text with every "," removed is a number when it
    // reads as one; otherwise the text as shown.
    ShownText,
    // The search-and-print grid export: a number only when the field's plain
    // text is digits with at most a leading minus and the column is
    // right-aligned; otherwise the plain text.
    RightAlignedInteger,
};

enum class ExportFieldKind { Text, Numeric };

// What the spreadsheet writer reads: one table of columns and rows. The record
// set and the grids adapt to it; ModelExportSource covers any item model.
//
// The writer calls beginPass() once, then visits the rows in ascending order,
// calling moveToRow(r) before reading row r's cells, and always calls
// endPass() afterwards, also when writing fails. A cursor-based source
// remembers its position and suspends its screen updates in beginPass() and
// restores both in endPass().
class ExportSource {
public:
    virtual ~ExportSource() = default;

    // False when there is nothing to export yet (a data set not open, an
    // unbound grid whose row count is -1).
    virtual bool hasResult() const = 0;

    virtual int columnCount() const = 0;
    // Row-2 header of the column: the grid column's title or the field name.
    virtual QString caption(int column) const = 0;
    virtual ExportFieldKind fieldKind(int column) const = 0;
    virtual Qt::Alignment alignment(int column) const;
    // Hidden columns are still written; the flag is here for the callers that
    // want to show the user what is hidden.
    virtual bool isVisible(int column) const;

    // Number of rows the pass will visit. May fetch the rest of a lazily
    // fetched result first.
    virtual int rowCount() = 0;

    // The field's value (null for an empty field).
    virtual QVariant value(int row, int column) const = 0;
    // The text the user sees in the cell (formatted, thousands separators...).
    virtual QString displayText(int row, int column) const = 0;
    // The field's plain text, without display formatting. By default the
    // value in its plain form ("1234", "-5", "12.5", "" for null).
    virtual QString plainText(int row, int column) const;

    // The rule this kind of source exports with.
    virtual XlsCellRule cellRule() const { return XlsCellRule::FieldKind; }

    virtual void beginPass() {}
    virtual void moveToRow(int /*row*/) {}
    virtual void endPass() {}

    // The plain text of a value: integers without separators, other numbers
    // in the shortest exact form, dates as "YYYY-MM-DD".
    static QString plainTextOf(const QVariant& value);
    static bool isNumericType(const QVariant& value);
};

// An item model as an export source: columns are the model's columns, the
// header captions are the horizontal header's display texts, rows are the
// model's top-level rows. The field kind of a column comes from the SQL field
// type for query models and otherwise from the first non-null value; setters
// override any of the derived properties.
//
// With a view attached, hidden columns are taken from the view, the view's
// current index is remembered and restored around the pass and the view is
// not repainted during it.
class ModelExportSource : public ExportSource {
public:
    explicit ModelExportSource(QAbstractItemModel* model, XlsCellRule rule = XlsCellRule::FieldKind);
    // Exports what the table view shows, hidden columns included.
    explicit ModelExportSource(QTableView* view, XlsCellRule rule = XlsCellRule::FieldKind);

    // A model counts as open unless told otherwise (a closed data set).
    void setOpen(bool open) { m_open = open; }
    void setCaption(int column, const QString& caption);
    void setFieldKind(int column, ExportFieldKind kind);
    void setAlignment(int column, Qt::Alignment alignment);
    void setColumnVisible(int column, bool visible);
    void setCellRule(XlsCellRule rule) { m_rule = rule; }

    bool hasResult() const override;
    int columnCount() const override;
    QString caption(int column) const override;
    ExportFieldKind fieldKind(int column) const override;
    Qt::Alignment alignment(int column) const override;
    bool isVisible(int column) const override;
    int rowCount() override;
    QVariant value(int row, int column) const override;
    QString displayText(int row, int column) const override;
    XlsCellRule cellRule() const override { return m_rule; }
    void beginPass() override;
    void endPass() override;

private:
    template <typename T>
    struct Override {
        bool set = false;
        T value{};
    };
    template <typename T>
    static void put(QList<Override<T>>& list, int column, const T& value);

    QPointer<QAbstractItemModel> m_model;
    QPointer<QTableView> m_view;
    XlsCellRule m_rule;
    bool m_open = true;
    QList<Override<QString>> m_captions;
    QList<Override<ExportFieldKind>> m_kinds;
    QList<Override<Qt::Alignment>> m_alignments;
    QList<Override<bool>> m_visible;
    // Position and repaint state kept over a pass.
    int m_savedRow = -1;
    int m_savedColumn = -1;
    bool m_savedUpdates = true;
};
