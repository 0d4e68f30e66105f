#pragma once
#include "grid/RecordSetModel.h"
#include <QLabel>
#include <QList>
#include <QString>
#include <initializer_list>
#include <memory>
#include <utility>

class DataGrid;
class QDateEdit;
class QGroupBox;
class QLayout;
class QLineEdit;
class QRadioButton;
class QWidget;
class RecordSet;

// The one way screens build their forms: a form is written as a tree of its
// controls, nested as it appears on the screen, and attached to a panel,
//
//   Form::Column{ Form::Row{ Form::Label("계정코드"), edtCode, Form::Stretch() },
//                 Form::Group{ "조회조건", Form::Row{ rb1, rb2 } } }.attachTo(panSearch);
//
// Controls may be created without a parent; attaching adopts them. The tab
// order (and so the Enter order of the screen bases) follows the tree.
namespace Form {

class Layout;

// One entry of a layout: a control, a nested layout, a caption with its
// control, or room.
class Item {
public:
    Item(QWidget* widget);
    Item(const Layout& layout);

private:
    friend class Layout;
    friend Item Stretch(int factor);
    friend Item Space(int pixels);
    friend Item Empty();
    friend Item Field(QLabel* caption, Item control);
    friend Item Span(int columns, int rows, Item item);
    enum class Kind { Widget, Layout, Field, Stretch, Space, Empty };
    explicit Item(Kind kind) : m_kind(kind) {}

    Kind m_kind;
    QWidget* m_widget = nullptr;              // Widget; the caption of a Field
    std::shared_ptr<const Layout> m_layout;   // Layout
    std::shared_ptr<const Item> m_control;    // Field
    int m_amount = 0;                         // stretch factor or pixels
    int m_columns = 1;                        // cells taken in a Grid
    int m_rows = 1;
};

// Free room that grows (with a factor against other stretches).
Item Stretch(int factor = 1);
// Fixed room between two items, in pixels.
Item Space(int pixels);
// A grid cell left empty.
Item Empty();
// A caption and its control: two cells of a grid, two items of a row.
Item Field(const QString& caption, Item control);
Item Field(QLabel* caption, Item control);
// An item taking several cells of a grid.
Item Span(int columns, Item item);
Item Span(int columns, int rows, Item item);

// A caption for a control; adopted by the layout it is put in.
QLabel* Label(const QString& caption, Qt::Alignment alignment = {});

// What Row, Column, Grid and Group share: the tree below them and how they
// are put on a panel.
class Layout {
public:
    // Installs the form on the panel. A panel that already holds a box layout
    // (a search strip with its Search button, a display panel with its record
    // count) gets the form where that layout keeps its free room, else at its
    // end; either way the form takes the free room.
    void attachTo(QWidget* panel) const;

    // Nested layouts have no margins and the style's spacing unless set.
    Layout& margins(int pixels);
    Layout& margins(int left, int top, int right, int bottom);
    Layout& spacing(int pixels);
    // Grid only: how a column or row shares free room.
    Layout& stretchColumn(int column, int factor = 1);
    Layout& stretchRow(int row, int factor = 1);

    // For forms built in a loop: one more item of a row, column or group, or
    // one more row of a grid.
    Layout& add(Item item);
    Layout& addRow(std::initializer_list<Item> cells);
    Layout& addRow(const QList<Item>& cells);

protected:
    enum class Kind { Row, Column, Grid, Group };
    explicit Layout(Kind kind) : m_kind(kind) {}

    Kind m_kind;
    QList<QList<Item>> m_rows;  // a grid's rows; every other kind uses one
    QString m_title;            // Group
    QGroupBox* m_box = nullptr; // Group built on a box the screen made
    int m_margins[4] = {-1, -1, -1, -1};
    int m_spacing = -1;
    QList<std::pair<int, int>> m_columnStretch;
    QList<std::pair<int, int>> m_rowStretch;

private:
    friend class Item;
    QLayout* build(QList<QWidget*>& order) const;
    void fill(QLayout* layout, QList<QWidget*>& order) const;
};

// Items side by side.
class Row : public Layout {
public:
    Row(std::initializer_list<Item> items);
};

// Items one below the other.
class Column : public Layout {
public:
    Column(std::initializer_list<Item> items);
};

// Rows of cells, each row in braces; Span widens a cell, Field fills two.
class Grid : public Layout {
public:
    Grid() : Layout(Kind::Grid) {}
    Grid(std::initializer_list<std::initializer_list<Item>> rows);
};

// A titled box around items laid one below the other (put a Row or Grid in
// it for another arrangement).
class Group : public Layout {
public:
    template <typename... Items>
    Group(const QString& title, Items&&... items) : Layout(Kind::Group)
    {
        m_title = title;
        m_rows = {QList<Item>{Item(std::forward<Items>(items))...}};
    }
    // A box the screen made (to name it, or to switch it later).
    template <typename... Items>
    Group(QGroupBox* box, Items&&... items) : Layout(Kind::Group)
    {
        m_box = box;
        m_rows = {QList<Item>{Item(std::forward<Items>(items))...}};
    }
};

// --- the controls every form uses --------------------------------------------------

struct RadioItem {
    QString name;
    QString caption;
};

// A titled group of mutually exclusive radio buttons in a row (or a column);
// the buttons are appended to *buttons in order. The first one is checked.
QGroupBox* NewRadioGroup(QWidget* parent, const QString& title, const QList<RadioItem>& items,
                         QList<QRadioButton*>* buttons, bool vertical = false);
QLineEdit* NewEdit(QWidget* parent, const QString& name, int maxLength = 0);
// A masked edit in the screens' notation: "!9999/99/00;0;_" takes optional
// ('9') and required ('0') digits between literal separators and shows the
// blank as '_'. Its text holds the separators; DigitsOnly reads the value.
QLineEdit* NewMaskEdit(QWidget* parent, const QString& name, const QString& mask);
// A date picker showing "yyyy-MM-dd" with a calendar, on today.
QDateEdit* NewDateEdit(QWidget* parent, const QString& name);
// The read-only list of search results filling the display panel (below the
// record count where the panel has one), one whole row selected at a time.
DataGrid* NewResultGrid(QWidget* panDisp, RecordSet* set, const QList<GridColumn>& columns,
                        const QString& name = QStringLiteral("rdgMain"));

}  // namespace Form
