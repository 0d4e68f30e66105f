#pragma once
#include "grid/RecordSetModel.h"
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>

class QScrollBar;

class GridDelegate;
class GridFooter;
class GroupHeaderView;

// The grid of the screens: a table over a record set whose current record it
// shares with every other bound control.
//
// Columns are configured by field name: caption, width, alignment, display
// format, hidden, read-only, an ellipsis button, the in-place editor, a group
// band over adjacent columns and a footer (text, sum, count or computed).
//
// Events: cellExited, rowExited, rowEntered and cellEntered fire, in that
// order, when the current cell changes in the grid (by the user or by
// setCurrentCell); while cellExited and rowExited run, the record set is
// still on the row being left. Moves of the record set made by code are
// followed silently (the record set's own afterScroll reports them).
class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    // The grid shows this record set (not owned) until another is set.
    void setRecordSet(RecordSet* set);
    // Closes the record set behind the grid (clearing a result display).
    Q_INVOKABLE void closeDataSet();
    RecordSet* recordSet() const { return m_set; }
    RecordSetModel* gridModel() const { return m_model; }

    // --- columns ---------------------------------------------------------------
    // Without columns of its own the grid shows every field (hidden when the
    // field is not visible) with the field's label.
    void setColumns(const QList<GridColumn>& columns);
    int addColumn(const GridColumn& column);
    int addColumn(const QString& field, const QString& caption, int width = -1);
    int gridColumnCount() const;
    const GridColumn& gridColumn(int column) const;
    int columnOf(const QString& field) const;  // -1 when no column shows it
    QString fieldOf(int column) const;
    QString columnCaption(int column) const;
    void setColumnCaption(int column, const QString& caption);
    void setColumnCaption(const QString& field, const QString& caption);
    void setColumnHidden(int column, bool hidden);
    void setColumnHidden(const QString& field, bool hidden);
    // Hidden by its settings (a column scrolled out of view is not hidden).
    bool isColumnHidden(int column) const;
    bool isColumnHidden(const QString& field) const;
    void setColumnReadOnly(const QString& field, bool readOnly);
    void setColumnButton(const QString& field, bool button);
    void setColumnFormat(const QString& field, const QString& format);
    void setColumnAlignment(const QString& field, Qt::Alignment alignment);
    void setColumnEditor(const QString& field, CellEditor editor, const QList<ComboItem>& items = {});
    void setColumnWidth(int column, int width);
    void setColumnWidth(const QString& field, int width);
    // The first `leading` and the last `trailing` columns (in column order,
    // hidden ones counted) stay in view; the columns between them scroll a
    // whole column at a time under a scroll bar of their own, so that what
    // identifies a row and what sums it are always on screen together.
    // 0 and 0 (the default): the grid scrolls as a whole.
    void setFrozenColumns(int leading, int trailing = 0);
    int frozenLeadingColumns() const { return m_frozenLeading; }
    int frozenTrailingColumns() const { return m_frozenTrailing; }
    bool hasFrozenColumns() const { return m_frozenLeading > 0 || m_frozenTrailing > 0; }
    // The scroll bar of the columns between the frozen ones.
    QScrollBar* columnScrollBar() const { return m_columnScroll; }
    // Whether the whole column is on screen now.
    bool isColumnInView(int column) const;
    // Brings the cell's column into the window of scrolling columns as well.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    // A header band captioned `caption` over the columns of these fields.
    void setColumnGroup(const QString& caption, const QStringList& fields);
    bool hasColumnGroups() const;
    Qt::Alignment columnAlignment(int column) const;

    // --- footers -----------------------------------------------------------------
    void setFooter(const QString& field, FooterKind kind, const QString& textOrFormat = QString());
    void setFooterText(const QString& field, const QString& text) { setFooter(field, FooterKind::Text, text); }
    void setFooterFunction(const QString& field, std::function<QString()> function);
    bool hasFooters() const;
    QString footerText(int column) const;
    QString footerText(const QString& field) const;
    double footerSum(const QString& field) const;
    void refreshFooters();
    GridFooter* footerWidget() const { return m_footer; }

    // --- behaviour -----------------------------------------------------------------
    // Editable grids edit in place and put the record set into edit state on
    // the first change; read-only grids only browse.
    void setEditable(bool editable);
    bool isEditable() const;
    void setRowSelect(bool rowSelect);
    bool rowSelect() const { return selectionBehavior() == SelectRows; }
    void setCellButtonsEnabled(bool enabled);
    bool cellButtonsEnabled() const { return m_buttonsEnabled; }
    // Clicking a title sorts the record set by that column (again: reversed).
    void setTitleSort(bool enabled) { m_titleSort = enabled; }
    bool titleSort() const { return m_titleSort; }
    void setAlternateRowColor(const QColor& colour);
    // Background of a whole row (invalid QVariant: the normal colours).
    void setRowBackground(std::function<QVariant(int row)> colour);
    // The text colour of whole rows (an invalid QVariant: the default).
    void setRowForeground(std::function<QVariant(int row)> colour);

    // --- current cell ------------------------------------------------------------------
    int currentRow() const;            // the record set's current row
    int currentGridColumn() const;     // -1 when none
    QString currentField() const;
    void setCurrentCell(int row, int column);
    void setCurrentCell(int row, const QString& field);
    void moveToNextEditableCell();
    void editCurrentCell();            // opens the in-place editor
    bool isEditingCell() const;
    QWidget* cellEditor() const;       // the open in-place editor, if any
    QString cellText(int row, const QString& field) const;
    QString cellText(int row, int column) const;
    // Where the ellipsis button of a cell is drawn (viewport coordinates).
    QRect cellButtonRect(int row, int column) const;
    bool hasCellButton(int column) const;

signals:
    void cellButtonClicked(int row, const QString& field);
    void rowEntered(int row);
    void rowExited(int row);
    void cellEntered(int row, const QString& field);
    void cellExited(int row, const QString& field);
    // Every key pressed in the grid or its cell editor, before the grid acts on
    // it; the event arrives ignored, and a handler that accepts it swallows it.
    void cellKeyPressed(QKeyEvent* event);
    void recordDoubleClicked(int row);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void updateGeometries() override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    friend class GridDelegate;
    void onRecordCurrentChanged(int row);
    void onRecordUpdateRequested();
    void onModelAboutToReset();
    void onModelReset();
    void onTitleClicked(int section);
    void applyColumnSettings();
    void applyColumnWidth(int column);
    int defaultWidth(int column) const;
    int firstVisibleColumn() const;
    void closeEditorQuietly();
    void emitCellButton(const QModelIndex& index);
    void editorOpened(QWidget* editor);
    bool sendCellKey(QKeyEvent* event);
    void columnSettingsChanged(int column);
    CellEditor editorKind(int column) const;
    // Frozen columns: which columns scroll, and showing the window of them
    // that starts at m_firstScrolling.
    bool isScrollingSection(int visual) const;
    QList<int> scrollingColumns() const;
    int columnWidthSetting(int column) const;
    void layoutColumnWindow();
    void bringColumnIntoWindow(int column);

    QPointer<RecordSet> m_set;
    RecordSetModel* m_model = nullptr;
    GridDelegate* m_delegate = nullptr;
    GroupHeaderView* m_header = nullptr;
    GridFooter* m_footer = nullptr;
    QPointer<QWidget> m_editor;
    QPersistentModelIndex m_cell;  // the cell the events last reported
    int m_lastColumn = -1;
    int m_sync = 0;     // moves made to follow the record set: no events
    int m_inMove = 0;   // a reported cell move is running its handlers
    bool m_buttonsEnabled = true;
    bool m_titleSort = false;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_applyingWidths = false;
    int m_frozenLeading = 0;
    int m_frozenTrailing = 0;
    int m_firstScrolling = 0;  // index into scrollingColumns() of the first one shown
    bool m_layingOutWindow = false;
    QScrollBar* m_columnScroll = nullptr;
};
