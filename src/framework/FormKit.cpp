#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include <QBoxLayout>
#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QSpacerItem>

namespace Form {

// --- items ---------------------------------------------------------------------------

Item::Item(QWidget* widget) : m_kind(Kind::Widget), m_widget(widget)
{
}

Item::Item(const Layout& layout) : m_kind(Kind::Layout), m_layout(std::make_shared<const Layout>(layout))
{
}

Item Stretch(int factor)
{
    Item item(Item::Kind::Stretch);
    item.m_amount = factor;
    return item;
}

Item Space(int pixels)
{
    Item item(Item::Kind::Space);
    item.m_amount = pixels;
    return item;
}

Item Empty()
{
    return Item(Item::Kind::Empty);
}

Item Field(const QString& caption, Item control)
{
    return Field(Label(caption), std::move(control));
}

Item Field(QLabel* caption, Item control)
{
    Item item(Item::Kind::Field);
    item.m_widget = caption;
    item.m_control = std::make_shared<const Item>(std::move(control));
    return item;
}

Item Span(int columns, Item item)
{
    return Span(columns, 1, std::move(item));
}

Item Span(int columns, int rows, Item item)
{
    item.m_columns = qMax(1, columns);
    item.m_rows = qMax(1, rows);
    return item;
}

QLabel* Label(const QString& caption, Qt::Alignment alignment)
{
    auto* label = new QLabel(caption);
    if (alignment)
        label->setAlignment(alignment);
    return label;
}

// --- layouts -------------------------------------------------------------------------

Row::Row(std::initializer_list<Item> items) : Layout(Kind::Row)
{
    m_rows = {QList<Item>(items)};
}

Column::Column(std::initializer_list<Item> items) : Layout(Kind::Column)
{
    m_rows = {QList<Item>(items)};
}

Grid::Grid(std::initializer_list<std::initializer_list<Item>> rows) : Layout(Kind::Grid)
{
    for (const auto& row : rows)
        m_rows.append(QList<Item>(row));
}

Layout& Layout::margins(int pixels)
{
    return margins(pixels, pixels, pixels, pixels);
}

Layout& Layout::margins(int left, int top, int right, int bottom)
{
    m_margins[0] = left;
    m_margins[1] = top;
    m_margins[2] = right;
    m_margins[3] = bottom;
    return *this;
}

Layout& Layout::spacing(int pixels)
{
    m_spacing = pixels;
    return *this;
}

Layout& Layout::stretchColumn(int column, int factor)
{
    m_columnStretch.append({column, factor});
    return *this;
}

Layout& Layout::stretchRow(int row, int factor)
{
    m_rowStretch.append({row, factor});
    return *this;
}

Layout& Layout::add(Item item)
{
    if (m_rows.isEmpty())
        m_rows.append(QList<Item>());
    m_rows.last().append(std::move(item));
    return *this;
}

Layout& Layout::addRow(std::initializer_list<Item> cells)
{
    return addRow(QList<Item>(cells));
}

Layout& Layout::addRow(const QList<Item>& cells)
{
    m_rows.append(cells);
    return *this;
}

namespace {

// The controls of the tree in its order that take the focus by Tab: a leaf
// that takes none (a group of radio buttons, a plain holder) gives its own.
void collectTabStops(QWidget* widget, QList<QWidget*>& stops)
{
    if (widget->focusPolicy() & Qt::TabFocus) {
        stops.append(widget);
        return;
    }
    for (QObject* child : widget->children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow())
            collectTabStops(w, stops);
}

}  // namespace

// Builds the tree below this layout; a Group gives a layout holding its box.
QLayout* Layout::build(QList<QWidget*>& order) const
{
    QLayout* layout = nullptr;
    switch (m_kind) {
    case Kind::Row:
        layout = new QHBoxLayout;
        break;
    case Kind::Column:
        layout = new QVBoxLayout;
        break;
    case Kind::Grid:
        layout = new QGridLayout;
        break;
    case Kind::Group: {
        QGroupBox* box = m_box ? m_box : new QGroupBox(m_title);
        auto* inner = new QVBoxLayout(box);
        inner->setContentsMargins(m_margins[0] < 0 ? 6 : m_margins[0], m_margins[1] < 0 ? 2 : m_margins[1],
                                  m_margins[2] < 0 ? 6 : m_margins[2], m_margins[3] < 0 ? 4 : m_margins[3]);
        if (m_spacing >= 0)
            inner->setSpacing(m_spacing);
        fill(inner, order);
        auto* holder = new QVBoxLayout;
        holder->setContentsMargins(0, 0, 0, 0);
        holder->addWidget(box);
        return holder;
    }
    }
    layout->setContentsMargins(qMax(0, m_margins[0]), qMax(0, m_margins[1]), qMax(0, m_margins[2]),
                               qMax(0, m_margins[3]));
    if (m_spacing >= 0)
        layout->setSpacing(m_spacing);
    fill(layout, order);
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        for (const auto& [column, factor] : m_columnStretch)
            grid->setColumnStretch(column, factor);
        for (const auto& [row, factor] : m_rowStretch)
            grid->setRowStretch(row, factor);
    }
    return layout;
}

void Layout::fill(QLayout* layout, QList<QWidget*>& order) const
{
    // A nested Group arrives as a holder layout around its box; the box is
    // what goes into the parent.
    const auto built = [&order](const Item& item, QLayout*& sub, QWidget*& widget) {
        sub = nullptr;
        widget = nullptr;
        if (item.m_kind == Item::Kind::Widget) {
            widget = item.m_widget;
            order.append(widget);
        } else if (item.m_kind == Item::Kind::Layout) {
            sub = item.m_layout->build(order);
            if (item.m_layout->m_kind == Kind::Group) {
                widget = sub->takeAt(0)->widget();
                delete sub;
                sub = nullptr;
            }
        }
    };

    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        QSet<std::pair<int, int>> taken;
        const auto place = [&](const Item& item, int row, int& column) {
            while (taken.contains({row, column}))
                ++column;
            for (int r = row; r < row + item.m_rows; ++r)
                for (int c = column; c < column + item.m_columns; ++c)
                    taken.insert({r, c});
            QLayout* sub;
            QWidget* widget;
            built(item, sub, widget);
            if (widget)
                grid->addWidget(widget, row, column, item.m_rows, item.m_columns);
            else if (sub)
                grid->addLayout(sub, row, column, item.m_rows, item.m_columns);
            else if (item.m_kind == Item::Kind::Stretch)
                grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Expanding), row, column,
                              item.m_rows, item.m_columns);
            else if (item.m_kind == Item::Kind::Space)
                grid->addItem(new QSpacerItem(item.m_amount, item.m_amount), row, column, item.m_rows,
                              item.m_columns);
            column += item.m_columns;
        };
        for (int row = 0; row < m_rows.size(); ++row) {
            int column = 0;
            for (const Item& cell : m_rows.at(row)) {
                if (cell.m_kind == Item::Kind::Field) {
                    place(Item(cell.m_widget), row, column);
                    place(*cell.m_control, row, column);
                } else {
                    place(cell, row, column);
                }
            }
        }
        return;
    }

    auto* box = static_cast<QBoxLayout*>(layout);
    const auto add = [&](QBoxLayout* into, const Item& item) {
        QLayout* sub;
        QWidget* widget;
        built(item, sub, widget);
        if (widget)
            into->addWidget(widget);
        else if (sub)
            into->addLayout(sub);
        else if (item.m_kind == Item::Kind::Stretch)
            into->addStretch(item.m_amount);
        else if (item.m_kind == Item::Kind::Space)
            into->addSpacing(item.m_amount);
    };
    const bool vertical = box->direction() == QBoxLayout::TopToBottom || box->direction() == QBoxLayout::BottomToTop;
    for (const QList<Item>& items : m_rows)
        for (const Item& item : items) {
            if (item.m_kind != Item::Kind::Field) {
                add(box, item);
                continue;
            }
            // Caption and control stay side by side in a column too.
            QBoxLayout* into = box;
            if (vertical) {
                into = new QHBoxLayout;
                into->setContentsMargins(0, 0, 0, 0);
                box->addLayout(into);
            }
            add(into, Item(item.m_widget));
            add(into, *item.m_control);
        }
}

void Layout::attachTo(QWidget* panel) const
{
    QList<QWidget*> order;
    QLayout* layout = build(order);
    if (!panel->layout()) {
        panel->setLayout(layout);
    } else if (auto* box = qobject_cast<QBoxLayout*>(panel->layout())) {
        int at = box->count();
        for (int i = 0; i < box->count(); ++i) {
            if (box->itemAt(i)->spacerItem()) {
                delete box->takeAt(i);
                at = i;
                break;
            }
        }
        box->insertLayout(at, layout, 1);
    } else {
        qFatal("Form::Layout::attachTo: the panel %s holds a layout that is not a box",
               qPrintable(panel->objectName()));
    }

    QList<QWidget*> stops;
    for (QWidget* widget : order)
        collectTabStops(widget, stops);
    for (int i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops.at(i - 1), stops.at(i));
}

// --- controls ------------------------------------------------------------------------

QGroupBox* NewRadioGroup(QWidget* parent, const QString& title, const QList<RadioItem>& items,
                         QList<QRadioButton*>* buttons, bool vertical)
{
    auto* group = new QGroupBox(title, parent);
    QBoxLayout* layout = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(group))
                                  : static_cast<QBoxLayout*>(new QHBoxLayout(group));
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(3);
    for (const RadioItem& item : items) {
        auto* radio = new QRadioButton(item.caption, group);
        radio->setObjectName(item.name);
        layout->addWidget(radio);
        if (buttons)
            buttons->append(radio);
    }
    if (auto* first = group->findChild<QRadioButton*>())
        first->setChecked(true);
    return group;
}

QLineEdit* NewEdit(QWidget* parent, const QString& name, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

QLineEdit* NewMaskEdit(QWidget* parent, const QString& name, const QString& mask)
{
    const QStringList parts = mask.split(QLatin1Char(';'));
    QString pattern = parts.value(0);
    if (pattern.startsWith(QLatin1Char('!')))
        pattern.remove(0, 1);
    // The screens' '9' is an optional digit and '0' a required one; Qt reads
    // them the other way round. Anything else is a literal.
    QString qtMask;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('9'))
            qtMask += QLatin1Char('0');
        else if (c == QLatin1Char('0'))
            qtMask += QLatin1Char('9');
        else if (QStringLiteral("AaNnXx90Dd#HhBb><!{}[]\\").contains(c))
            qtMask += QLatin1Char('\\') + c;
        else
            qtMask += c;
    }
    const QString blank = parts.value(2);
    qtMask += QLatin1Char(';') + (blank.isEmpty() ? QStringLiteral(" ") : blank.left(1));
    QLineEdit* edit = NewEdit(parent, name);
    edit->setInputMask(qtMask);
    return edit;
}

QDateEdit* NewDateEdit(QWidget* parent, const QString& name)
{
    auto* edit = new QDateEdit(QDate::currentDate(), parent);
    edit->setObjectName(name);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    return edit;
}

DataGrid* NewResultGrid(QWidget* panDisp, RecordSet* set, const QList<GridColumn>& columns, const QString& name)
{
    auto* grid = new DataGrid(panDisp);
    grid->setObjectName(name);
    grid->setEditable(false);
    grid->setRowSelect(true);
    grid->setColumns(columns);
    grid->setRecordSet(set);
    Column{grid}.attachTo(panDisp);
    return grid;
}

}  // namespace Form
