#include "grid/DataGrid.h"
#include "grid/DisplayFormat.h"
#include "grid/GridParts.h"
#include <QKeyEvent>
#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
// Runs a function when the scope ends, however it ends.
template <typename F>
struct OnExit {
    F f;
    ~OnExit() { f(); }
};
template <typename F>
OnExit(F) -> OnExit<F>;
}  // namespace

DataGrid::DataGrid(QWidget* parent) : QTableView(parent)
{
    m_header = new GroupHeaderView(this);
    setHorizontalHeader(m_header);
    m_header->setSectionsClickable(true);
    m_header->setHighlightSections(false);
    m_header->setDefaultAlignment(Qt::AlignCenter);
    m_header->setStretchLastSection(false);

    m_delegate = new GridDelegate(this);
    setItemDelegate(m_delegate);
    m_footer = new GridFooter(this);
    m_footer->hide();

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setAlternateRowColor(QColor(0xEE, 0xEE, 0xEE));
    setEditTriggers(NoEditTriggers);
    setWordWrap(false);

    m_model = new RecordSetModel(nullptr, this);
    setModel(m_model);
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, &DataGrid::onModelAboutToReset);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DataGrid::onModelReset);
    connect(m_model, &QAbstractItemModel::columnsInserted, this, [this] { applyColumnSettings(); });
    connect(m_model, &QAbstractItemModel::dataChanged, this, &DataGrid::refreshFooters);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &DataGrid::refreshFooters);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &DataGrid::refreshFooters);
    connect(m_model, &QAbstractItemModel::headerDataChanged, m_header->viewport(), qOverload<>(&QWidget::update));

    connect(m_header, &QHeaderView::sectionClicked, this, &DataGrid::onTitleClicked);
    connect(m_header, &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
        // A width the user drags stays with the column across searches.
        if (!m_applyingWidths && logical >= 0 && logical < m_model->columns().size() && size > 0)
            m_model->columnRef(logical).width = size;
        m_header->viewport()->update();
        m_footer->update();
    });
    connect(m_header, &QHeaderView::sectionMoved, this, [this] {
        m_header->viewport()->update();
        m_footer->update();
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));
}

DataGrid::~DataGrid() = default;

void DataGrid::setRecordSet(RecordSet* set)
{
    if (m_set == set)
        return;
    if (m_set)
        disconnect(m_set, nullptr, this, nullptr);
    closeEditorQuietly();
    m_set = set;
    m_cell = QPersistentModelIndex();
    m_model->setRecordSet(set);
    if (set) {
        connect(set, &RecordSet::currentChanged, this, &DataGrid::onRecordCurrentChanged);
        connect(set, &RecordSet::updateRecordRequested, this, &DataGrid::onRecordUpdateRequested);
        connect(set, &RecordSet::afterCancel, this, &DataGrid::closeEditorQuietly);
        connect(set, &RecordSet::stateChanged, this, [this] { m_footer->update(); });
        onRecordCurrentChanged(set->currentRow());
    }
}

void DataGrid::closeDataSet()
{
    closeEditorQuietly();
    if (m_set)
        m_set->close();
}

// --- columns ---------------------------------------------------------------------------

void DataGrid::setColumns(const QList<GridColumn>& columns)
{
    closeEditorQuietly();
    m_sortColumn = -1;
    m_header->setSortIndicatorShown(false);
    m_model->setColumns(columns);
}

int DataGrid::addColumn(const GridColumn& column)
{
    return m_model->addColumn(column);
}

int DataGrid::addColumn(const QString& field, const QString& caption, int width)
{
    return addColumn(GridColumn(field, caption, width));
}

int DataGrid::gridColumnCount() const
{
    return int(m_model->columns().size());
}

const GridColumn& DataGrid::gridColumn(int column) const
{
    return m_model->column(column);
}

int DataGrid::columnOf(const QString& field) const
{
    return m_model->columnOf(field);
}

QString DataGrid::fieldOf(int column) const
{
    return m_model->fieldOf(column);
}

QString DataGrid::columnCaption(int column) const
{
    return m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

void DataGrid::columnSettingsChanged(int column)
{
    if (column < 0 || column >= gridColumnCount())
        return;
    m_model->columnsChanged(column, column);
    m_applyingWidths = true;
    QTableView::setColumnHidden(column, m_model->column(column).hidden);
    m_applyingWidths = false;
    updateGeometries();
    m_header->viewport()->update();
    viewport()->update();
    refreshFooters();
}

void DataGrid::setColumnCaption(int column, const QString& caption)
{
    if (column < 0 || column >= gridColumnCount() || m_model->column(column).caption == caption)
        return;
    m_model->columnRef(column).caption = caption;
    m_model->columnsChanged(column, column);
}

void DataGrid::setColumnCaption(const QString& field, const QString& caption)
{
    setColumnCaption(columnOf(field), caption);
}

void DataGrid::setColumnHidden(int column, bool hidden)
{
    if (column < 0 || column >= gridColumnCount())
        return;
    m_model->columnRef(column).hidden = hidden;
    m_applyingWidths = true;
    QTableView::setColumnHidden(column, hidden);
    if (!hidden && columnWidth(column) <= 0)
        applyColumnWidth(column);
    m_applyingWidths = false;
    updateGeometries();
    m_header->viewport()->update();
    m_footer->update();
}

void DataGrid::setColumnHidden(const QString& field, bool hidden)
{
    setColumnHidden(columnOf(field), hidden);
}

bool DataGrid::isColumnHidden(int column) const
{
    if (column < 0 || column >= gridColumnCount())
        return true;
    return m_model->column(column).hidden;
}

bool DataGrid::isColumnHidden(const QString& field) const
{
    return isColumnHidden(columnOf(field));
}

void DataGrid::setColumnReadOnly(const QString& field, bool readOnly)
{
    const int column = columnOf(field);
    if (column < 0)
        return;
    m_model->columnRef(column).readOnly = readOnly;
    columnSettingsChanged(column);
}

void DataGrid::setColumnButton(const QString& field, bool button)
{
    const int column = columnOf(field);
    if (column < 0)
        return;
    m_model->columnRef(column).button = button;
    columnSettingsChanged(column);
}

void DataGrid::setColumnFormat(const QString& field, const QString& format)
{
    const int column = columnOf(field);
    if (column < 0)
        return;
    m_model->columnRef(column).displayFormat = format;
    columnSettingsChanged(column);
}

void DataGrid::setColumnAlignment(const QString& field, Qt::Alignment alignment)
{
    const int column = columnOf(field);
    if (column < 0)
        return;
    m_model->columnRef(column).alignment = alignment;
    columnSettingsChanged(column);
}

void DataGrid::setColumnEditor(const QString& field, CellEditor editor, const QList<ComboItem>& items)
{
    const int column = columnOf(field);
    if (column < 0)
        return;
    m_model->columnRef(column).editor = editor;
    if (!items.isEmpty() || editor == CellEditor::Combo)
        m_model->columnRef(column).comboItems = items;
    columnSettingsChanged(column);
}

void DataGrid::setColumnWidth(int column, int width)
{
    if (column < 0 || column >= gridColumnCount())
        return;
    m_model->columnRef(column).width = width;
    applyColumnWidth(column);
}

void DataGrid::setColumnWidth(const QString& field, int width)
{
    setColumnWidth(columnOf(field), width);
}

void DataGrid::setColumnGroup(const QString& caption, const QStringList& fields)
{
    for (const QString& field : fields) {
        const int column = columnOf(field);
        if (column >= 0) {
            m_model->columnRef(column).group = caption;
            m_model->columnsChanged(column, column);
        }
    }
    updateGeometries();
    m_header->viewport()->update();
}

bool DataGrid::hasColumnGroups() const
{
    return m_header->hasGroups();
}

Qt::Alignment DataGrid::columnAlignment(int column) const
{
    return m_model->cellAlignment(column);
}

CellEditor DataGrid::editorKind(int column) const
{
    const GridColumn& c = m_model->column(column);
    if (c.editor != CellEditor::Auto)
        return c.editor;
    if (!c.comboItems.isEmpty())
        return CellEditor::Combo;
    const int f = m_model->fieldIndexOf(column);
    if (!m_set || f < 0)
        return CellEditor::Text;
    switch (m_set->field(f).type) {
    case FieldType::Date:
    case FieldType::DateTime:
        return CellEditor::Date;
    case FieldType::Memo:
        return CellEditor::Memo;
    default:
        return IsNumericField(m_set->field(f).type) ? CellEditor::Number : CellEditor::Text;
    }
}

int DataGrid::defaultWidth(int column) const
{
    const QFontMetrics fm(font());
    int width = fm.horizontalAdvance(columnCaption(column)) + 16;
    const int f = m_model->fieldIndexOf(column);
    if (m_set && f >= 0) {
        const FieldDef& def = m_set->field(f);
        if (IsNumericField(def.type))
            width = std::max(width, fm.horizontalAdvance(QStringLiteral("000,000,000,000")) + 10);
        else if (def.type == FieldType::Date)
            width = std::max(width, fm.horizontalAdvance(QStringLiteral("0000-00-00")) + 12);
        else if (def.type == FieldType::DateTime)
            width = std::max(width, fm.horizontalAdvance(QStringLiteral("0000-00-00 00:00:00")) + 12);
        else if (def.size > 0)
            width = std::max(width, std::min(def.size, 40) * fm.averageCharWidth() + 10);
        else
            width = std::max(width, 100);
    }
    return std::clamp(width, 40, 400);
}

void DataGrid::applyColumnWidth(int column)
{
    const GridColumn& c = m_model->column(column);
    const bool applying = m_applyingWidths;
    m_applyingWidths = true;
    QTableView::setColumnWidth(column, c.width >= 0 ? c.width : defaultWidth(column));
    m_applyingWidths = applying;
}

void DataGrid::applyColumnSettings()
{
    m_applyingWidths = true;
    for (int c = 0; c < gridColumnCount(); ++c) {
        QTableView::setColumnHidden(c, m_model->column(c).hidden);
        applyColumnWidth(c);
    }
    m_applyingWidths = false;
    m_footer->setVisible(hasFooters());
    updateGeometries();
    m_header->viewport()->update();
    refreshFooters();
}

int DataGrid::firstVisibleColumn() const
{
    for (int v = 0; v < m_header->count(); ++v) {
        const int logical = m_header->logicalIndex(v);
        if (!isColumnHidden(logical))
            return logical;
    }
    return -1;
}

// --- frozen columns ----------------------------------------------------------------------------
//
// The columns between the frozen ones scroll a whole column at a time: the
// ones scrolled out of the window are hidden sections of the header, so the
// grid stays one view and every cell event, editor and cell button works as
// in a grid without frozen columns. Only the columns' own settings decide
// whether a column is hidden (isColumnHidden).

void DataGrid::setFrozenColumns(int leading, int trailing)
{
    m_frozenLeading = std::max(0, leading);
    m_frozenTrailing = std::max(0, trailing);
    m_firstScrolling = 0;
    if (!m_columnScroll) {
        m_columnScroll = new QScrollBar(Qt::Horizontal, this);
        m_columnScroll->setObjectName(QStringLiteral("columnScroll"));
        m_columnScroll->hide();
        connect(m_columnScroll, &QScrollBar::valueChanged, this, [this](int value) {
            if (m_layingOutWindow)
                return;
            m_firstScrolling = value;
            layoutColumnWindow();
        });
    }
    setHorizontalScrollBarPolicy(hasFrozenColumns() ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    horizontalScrollBar()->setValue(0);
    if (!hasFrozenColumns()) {
        m_applyingWidths = true;
        for (int c = 0; c < gridColumnCount(); ++c) {
            QTableView::setColumnHidden(c, isColumnHidden(c));
            if (!isColumnHidden(c) && columnWidth(c) <= 0)
                applyColumnWidth(c);
        }
        m_applyingWidths = false;
        m_columnScroll->hide();
    }
    layoutColumnWindow();
    updateGeometries();
}

bool DataGrid::isColumnInView(int column) const
{
    if (column < 0 || column >= gridColumnCount() || QTableView::isColumnHidden(column))
        return false;
    const int x = columnViewportPosition(column);
    return x >= 0 && x + columnWidth(column) <= viewport()->width();
}

bool DataGrid::isScrollingSection(int visual) const
{
    return visual >= m_frozenLeading && visual < m_header->count() - m_frozenTrailing;
}

QList<int> DataGrid::scrollingColumns() const
{
    QList<int> columns;
    for (int v = 0; v < m_header->count(); ++v) {
        const int c = m_header->logicalIndex(v);
        if (isScrollingSection(v) && !isColumnHidden(c))
            columns << c;
    }
    return columns;
}

int DataGrid::columnWidthSetting(int column) const
{
    const GridColumn& c = m_model->column(column);
    return c.width >= 0 ? c.width : defaultWidth(column);
}

void DataGrid::layoutColumnWindow()
{
    if (!hasFrozenColumns() || m_layingOutWindow || gridColumnCount() != m_header->count())
        return;
    m_layingOutWindow = true;
    OnExit done{[this] { m_layingOutWindow = false; }};

    int frozenWidth = 0;
    for (int v = 0; v < m_header->count(); ++v) {
        const int c = m_header->logicalIndex(v);
        if (!isScrollingSection(v) && !isColumnHidden(c))
            frozenWidth += columnWidthSetting(c);
    }
    const int available = viewport()->width() - frozenWidth;
    const QList<int> scrolling = scrollingColumns();
    // The furthest the window may start: the last column just in view.
    int last = int(scrolling.size());
    for (int tail = 0; last > 0 && tail + columnWidthSetting(scrolling[last - 1]) <= available; --last)
        tail += columnWidthSetting(scrolling[last - 1]);
    const int maxFirst = std::max(0, std::min(last, int(scrolling.size()) - 1));
    m_firstScrolling = std::clamp(m_firstScrolling, 0, maxFirst);

    // The window: its first column always, then as many as fit whole.
    int shown = 0;
    int used = 0;
    const bool applying = m_applyingWidths;
    m_applyingWidths = true;
    for (int i = 0; i < scrolling.size(); ++i) {
        const int c = scrolling[i];
        const int w = columnWidthSetting(c);
        const bool inWindow = i >= m_firstScrolling && (i == m_firstScrolling || used + w <= available) && used >= 0;
        if (inWindow) {
            used += w;
            ++shown;
        } else if (i > m_firstScrolling) {
            used = -1;  // the window ends at the first column that does not fit
        }
        if (QTableView::isColumnHidden(c) == inWindow) {
            QTableView::setColumnHidden(c, !inWindow);
            if (inWindow && columnWidth(c) <= 0)
                applyColumnWidth(c);
        }
    }
    m_applyingWidths = applying;

    m_columnScroll->setRange(0, maxFirst);
    m_columnScroll->setPageStep(std::max(1, shown));
    m_columnScroll->setValue(m_firstScrolling);
    if (m_columnScroll->isVisibleTo(this) != (maxFirst > 0)) {
        m_columnScroll->setVisible(maxFirst > 0);
        QMetaObject::invokeMethod(this, &DataGrid::updateGeometries, Qt::QueuedConnection);
    }
    m_header->viewport()->update();
    m_footer->update();
}

void DataGrid::bringColumnIntoWindow(int column)
{
    if (!hasFrozenColumns())
        return;
    const QList<int> scrolling = scrollingColumns();
    const int index = int(scrolling.indexOf(column));
    if (index < 0 || isColumnInView(column))
        return;
    if (index < m_firstScrolling) {
        m_firstScrolling = index;
    } else {
        // Just far enough that the column is the last one in the window.
        int frozenWidth = 0;
        for (int v = 0; v < m_header->count(); ++v) {
            const int c = m_header->logicalIndex(v);
            if (!isScrollingSection(v) && !isColumnHidden(c))
                frozenWidth += columnWidthSetting(c);
        }
        const int available = viewport()->width() - frozenWidth;
        int first = index;
        for (int used = columnWidthSetting(column); first > 0 && used + columnWidthSetting(scrolling[first - 1]) <= available;
             --first)
            used += columnWidthSetting(scrolling[first - 1]);
        m_firstScrolling = std::max(first, m_firstScrolling);
    }
    layoutColumnWindow();
}

void DataGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (index.isValid())
        bringColumnIntoWindow(index.column());
    QTableView::scrollTo(index, hint);
}

QModelIndex DataGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // Columns scrolled out of the window are hidden sections, which the
    // table's own moves would step over.
    const QModelIndex current = currentIndex();
    if (!hasFrozenColumns() || !current.isValid())
        return QTableView::moveCursor(cursorAction, modifiers);
    const int count = m_header->count();
    const auto usable = [this](int visual) { return !isColumnHidden(m_header->logicalIndex(visual)); };
    const auto at = [&](int row, int visual) { return m_model->index(row, m_header->logicalIndex(visual)); };
    const int visual = m_header->visualIndex(current.column());
    int row = current.row();
    switch (cursorAction) {
    case MoveLeft:
    case MovePrevious:
        for (int v = visual - 1; v >= 0; --v)
            if (usable(v))
                return at(row, v);
        if (cursorAction == MovePrevious && row > 0)
            for (int v = count - 1; v >= 0; --v)
                if (usable(v))
                    return at(row - 1, v);
        return current;
    case MoveRight:
    case MoveNext:
        for (int v = visual + 1; v < count; ++v)
            if (usable(v))
                return at(row, v);
        if (cursorAction == MoveNext && row + 1 < m_model->rowCount())
            for (int v = 0; v < count; ++v)
                if (usable(v))
                    return at(row + 1, v);
        return current;
    case MoveHome:
    case MoveEnd:
        if (modifiers & Qt::ControlModifier)
            row = cursorAction == MoveHome ? 0 : m_model->rowCount() - 1;
        if (cursorAction == MoveHome) {
            for (int v = 0; v < count; ++v)
                if (usable(v))
                    return at(row, v);
        } else {
            for (int v = count - 1; v >= 0; --v)
                if (usable(v))
                    return at(row, v);
        }
        return current;
    default:
        return QTableView::moveCursor(cursorAction, modifiers);
    }
}

// --- footers ---------------------------------------------------------------------------------

void DataGrid::setFooter(const QString& field, FooterKind kind, const QString& textOrFormat)
{
    const int column = columnOf(field);
    if (column < 0)
        return;
    GridColumn& c = m_model->columnRef(column);
    c.footer = kind;
    c.footerText = textOrFormat;
    m_footer->setVisible(hasFooters());
    updateGeometries();
    refreshFooters();
}

void DataGrid::setFooterFunction(const QString& field, std::function<QString()> function)
{
    const int column = columnOf(field);
    if (column < 0)
        return;
    GridColumn& c = m_model->columnRef(column);
    c.footer = FooterKind::Custom;
    c.footerFunction = std::move(function);
    m_footer->setVisible(hasFooters());
    updateGeometries();
    refreshFooters();
}

bool DataGrid::hasFooters() const
{
    for (const GridColumn& c : m_model->columns())
        if (c.footer != FooterKind::None)
            return true;
    return false;
}

void DataGrid::refreshFooters()
{
    m_footer->update();
}

double DataGrid::footerSum(const QString& field) const
{
    const int column = columnOf(field);
    const int f = m_model->fieldIndexOf(column);
    if (!m_set || !m_set->isOpen() || f < 0)
        return 0;
    double sum = 0;
    const int rows = m_set->recordCount();
    for (int r = 0; r < rows; ++r)
        sum += m_set->rowValue(r, f).toDouble();
    return sum;
}

QString DataGrid::footerText(int column) const
{
    if (column < 0 || column >= gridColumnCount())
        return QString();
    const GridColumn& c = m_model->column(column);
    switch (c.footer) {
    case FooterKind::None:
        return QString();
    case FooterKind::Text:
        return c.footerText;
    case FooterKind::Custom:
        return c.footerFunction ? c.footerFunction() : QString();
    case FooterKind::Count:
        return FormatNumber(m_set && m_set->isOpen() ? m_set->recordCount() : 0,
                            c.footerText.isEmpty() ? QStringLiteral("#,##0") : c.footerText);
    case FooterKind::Sum: {
        QString format = c.footerText;
        const int f = m_model->fieldIndexOf(column);
        if (format.isEmpty())
            format = c.displayFormat;
        if (format.isEmpty() && m_set && f >= 0)
            format = m_set->field(f).displayFormat;
        if (format.isEmpty())
            format = QStringLiteral("#,##0");
        return FormatNumber(footerSum(c.field), format);
    }
    }
    return QString();
}

QString DataGrid::footerText(const QString& field) const
{
    return footerText(columnOf(field));
}

// --- behaviour -------------------------------------------------------------------------------

void DataGrid::setEditable(bool editable)
{
    if (!editable)
        closeEditorQuietly();
    m_model->setEditable(editable);
    setEditTriggers(editable ? (AnyKeyPressed | DoubleClicked | EditKeyPressed) : NoEditTriggers);
    viewport()->update();
}

bool DataGrid::isEditable() const
{
    return m_model->isEditable();
}

void DataGrid::setRowSelect(bool rowSelect)
{
    setSelectionBehavior(rowSelect ? SelectRows : SelectItems);
    const QModelIndex current = currentIndex();
    if (current.isValid())
        selectionModel()->select(current, QItemSelectionModel::ClearAndSelect
                                              | (rowSelect ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate));
}

void DataGrid::setCellButtonsEnabled(bool enabled)
{
    m_buttonsEnabled = enabled;
    viewport()->update();
}

bool DataGrid::hasCellButton(int column) const
{
    return m_buttonsEnabled && column >= 0 && column < gridColumnCount() && m_model->column(column).button;
}

void DataGrid::setAlternateRowColor(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::AlternateBase, colour);
    setPalette(p);
    setAlternatingRowColors(true);
}

void DataGrid::setRowBackground(std::function<QVariant(int row)> colour)
{
    m_model->setRowBackground(std::move(colour));
    viewport()->update();
}

void DataGrid::setRowForeground(std::function<QVariant(int row)> colour)
{
    m_model->setRowForeground(std::move(colour));
    viewport()->update();
}

void DataGrid::onTitleClicked(int section)
{
    if (!m_titleSort || !m_set || !m_set->isOpen() || m_model->fieldIndexOf(section) < 0)
        return;
    const Qt::SortOrder order = section == m_sortColumn && m_sortOrder == Qt::AscendingOrder
        ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_model->sort(section, order);
    m_sortColumn = section;
    m_sortOrder = order;
    m_header->setSortIndicatorShown(true);
    m_header->setSortIndicator(section, order);
}

// --- current cell ------------------------------------------------------------------------------

int DataGrid::currentRow() const
{
    return m_set && m_set->isOpen() ? m_set->currentRow() : -1;
}

int DataGrid::currentGridColumn() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : -1;
}

QString DataGrid::currentField() const
{
    return fieldOf(currentGridColumn());
}

void DataGrid::setCurrentCell(int row, int column)
{
    const QModelIndex index = m_model->index(row, column);
    if (index.isValid())
        setCurrentIndex(index);
}

void DataGrid::setCurrentCell(int row, const QString& field)
{
    setCurrentCell(row, columnOf(field));
}

QString DataGrid::cellText(int row, const QString& field) const
{
    return cellText(row, columnOf(field));
}

QString DataGrid::cellText(int row, int column) const
{
    if (column < 0 || column >= gridColumnCount())
        return QString();
    return m_model->cellText(row, column);
}

QRect DataGrid::cellButtonRect(int row, int column) const
{
    return GridDelegate::buttonRect(visualRect(m_model->index(row, column)));
}

void DataGrid::editCurrentCell()
{
    const QModelIndex current = currentIndex();
    if (current.isValid())
        edit(current);
}

bool DataGrid::isEditingCell() const
{
    return state() == EditingState && m_editor;
}

QWidget* DataGrid::cellEditor() const
{
    return isEditingCell() ? m_editor.data() : nullptr;
}

void DataGrid::moveToNextEditableCell()
{
    const int rows = m_model->rowCount();
    if (rows == 0)
        return;
    const QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() : 0;
    if (rowSelect() && !isEditable()) {
        // A list of whole rows moves down a row.
        if (current.isValid() && row + 1 < rows)
            setCurrentIndex(m_model->index(row + 1, current.column()));
        return;
    }
    bool anyEditable = false;
    for (int c = 0; c < gridColumnCount() && !anyEditable; ++c)
        anyEditable = !isColumnHidden(c) && m_model->isCellEditable(row, c);
    int visual = current.isValid() ? m_header->visualIndex(current.column()) : -1;
    for (;;) {
        if (++visual >= m_header->count()) {
            visual = 0;
            if (++row >= rows)
                return;
        }
        const int column = m_header->logicalIndex(visual);
        if (isColumnHidden(column))
            continue;
        if (anyEditable && !m_model->isCellEditable(row, column))
            continue;
        setCurrentIndex(m_model->index(row, column));
        return;
    }
}

void DataGrid::closeEditorQuietly()
{
    if (m_editor && state() == EditingState) {
        QWidget* editor = m_editor;
        m_editor = nullptr;
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }
}

void DataGrid::editorOpened(QWidget* editor)
{
    m_editor = editor;
}

void DataGrid::emitCellButton(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const int row = index.row();
    const QString field = fieldOf(index.column());
    if (m_editor && state() == EditingState) {
        // What was typed reaches the record before the lookup runs.
        QWidget* editor = m_editor;
        commitData(editor);
        m_editor = nullptr;
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    emit cellButtonClicked(row, field);
}

bool DataGrid::sendCellKey(QKeyEvent* event)
{
    event->ignore();
    emit cellKeyPressed(event);
    if (event->isAccepted())
        return true;
    event->accept();
    return false;
}

// --- following the record set -------------------------------------------------------------------

void DataGrid::onRecordCurrentChanged(int row)
{
    if (m_sync > 0 || m_inMove > 0 || !m_set || row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() == row)
        return;
    int column = current.isValid() ? current.column() : m_lastColumn;
    if (column < 0 || column >= gridColumnCount() || isColumnHidden(column))
        column = firstVisibleColumn();
    if (column < 0)
        return;
    // The editor's text has reached the record already (updateRecord).
    closeEditorQuietly();
    ++m_sync;
    OnExit done{[this] { --m_sync; }};
    setCurrentIndex(m_model->index(row, column));
}

void DataGrid::onRecordUpdateRequested()
{
    if (m_editor && state() == EditingState && m_set && currentIndex().row() == m_set->currentRow())
        commitData(m_editor);
}

void DataGrid::onModelAboutToReset()
{
    const QModelIndex current = currentIndex();
    if (current.isValid())
        m_lastColumn = current.column();
    m_editor = nullptr;
}

void DataGrid::onModelReset()
{
    m_cell = QPersistentModelIndex();
    if (!m_set || m_set->sortFields().isEmpty()) {
        // A new search comes in the statement's order.
        m_sortColumn = -1;
        m_header->setSortIndicatorShown(false);
    }
    applyColumnSettings();
    if (m_set && m_set->isOpen())
        onRecordCurrentChanged(m_set->currentRow());
}

void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    const QPersistentModelIndex old = m_cell;
    const QPersistentModelIndex target(current);
    m_cell = target;
    if (m_sync > 0 || m_model->isChanging() || !m_set || !m_set->isOpen())
        return;
    if (!target.isValid() || old == target)
        return;

    // Whatever handlers do, the grid ends on the record set's current row.
    ++m_inMove;
    OnExit settle{[this] {
        if (--m_inMove == 0 && m_set && m_set->isOpen())
            onRecordCurrentChanged(m_set->currentRow());
    }};

    const bool rowChanges = !old.isValid() || old.row() != target.row();
    auto movedAway = [&] { return !target.isValid() || currentIndex() != QModelIndex(target); };
    if (old.isValid()) {
        emit cellExited(old.row(), fieldOf(old.column()));
        if (movedAway())
            return;
        if (rowChanges) {
            emit rowExited(old.row());
            if (movedAway())
                return;
        }
    }
    const int row = target.row();
    if (m_set->currentRow() != row) {
        ++m_sync;
        try {
            m_set->moveTo(row);
        } catch (...) {
            // The record refused to be left (a required field, a veto): the
            // cursor stays on the cell being left.
            if (old.isValid()) {
                setCurrentIndex(old);
                m_cell = old;
            }
            --m_sync;
            throw;
        }
        --m_sync;
    }
    if (rowChanges) {
        emit rowEntered(row);
        if (movedAway())
            return;
    }
    emit cellEntered(row, fieldOf(target.column()));
}

// --- keys and geometry -----------------------------------------------------------------------

void DataGrid::keyPressEvent(QKeyEvent* event)
{
    if (sendCellKey(event))
        return;
    const QModelIndex current = currentIndex();
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
        if (state() != EditingState) {
            moveToNextEditableCell();
            return;
        }
        break;
    case Qt::Key_Escape:
        if (m_set && m_set->isEditing()) {
            m_set->cancel();
            return;
        }
        break;
    case Qt::Key_Delete:
        if (event->modifiers() == Qt::NoModifier && current.isValid()
            && m_model->isCellEditable(current.row(), current.column())) {
            m_model->setData(current, QVariant(), Qt::EditRole);
            return;
        }
        break;
    default:
        break;
    }
    QTableView::keyPressEvent(event);
}

void DataGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && state() != EditingState)
        emit recordDoubleClicked(index.row());
}

void DataGrid::updateGeometries()
{
    QTableView::updateGeometries();
    layoutColumnWindow();
    const int footerHeight = m_footer && m_footer->isVisibleTo(this) ? m_footer->rowHeight() : 0;
    const int barHeight = m_columnScroll && m_columnScroll->isVisibleTo(this) ? m_columnScroll->sizeHint().height() : 0;
    QMargins margins = viewportMargins();
    if (margins.bottom() != footerHeight + barHeight) {
        margins.setBottom(footerHeight + barHeight);
        setViewportMargins(margins);
    }
    const QRect area = viewport()->geometry();
    if (m_footer) {
        m_footer->setGeometry(area.left(), area.bottom() + 1, area.width(), footerHeight);
        m_footer->update();
    }
    if (barHeight > 0)
        m_columnScroll->setGeometry(area.left(), area.bottom() + 1 + footerHeight, area.width(), barHeight);
}

void DataGrid::wheelEvent(QWheelEvent* event)
{
    // Sideways wheel turns move the scrolling columns, not the whole grid.
    if (m_columnScroll && m_columnScroll->isVisible() && event->angleDelta().x() != 0) {
        QApplication::sendEvent(m_columnScroll, event);
        return;
    }
    QTableView::wheelEvent(event);
}
