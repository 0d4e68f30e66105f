#pragma once
#include "grid/RecordSetModel.h"
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QWidget>

class DataGrid;

// Paints cells with the column's alignment and the ellipsis button, and
// makes the in-place editors: text, number, date, combo and memo.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridDelegate(DataGrid* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    static QRect buttonRect(const QRect& cell);
    // Whether the editor holds a value its field can take (empty is NULL).
    static bool isAcceptable(QWidget* editor);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    DataGrid* m_grid;
};

// A header that paints, over the columns of one group, a band with the
// group's caption above their own captions (two rows when any column is
// grouped).
class GroupHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit GroupHeaderView(QWidget* parent = nullptr);
    bool hasGroups() const;
    QSize sizeHint() const override;
    // The band of the group a section belongs to (viewport coordinates), or
    // an empty rectangle.
    QRect groupRect(int logicalIndex) const;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QString groupOf(int logicalIndex) const;
};

// The footer row under the cells: one cell per column, aligned with the
// header and following horizontal scrolling.
class GridFooter : public QWidget {
    Q_OBJECT
public:
    explicit GridFooter(DataGrid* grid);
    int rowHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DataGrid* m_grid;
};
