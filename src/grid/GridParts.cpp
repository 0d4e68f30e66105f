#include "grid/GridParts.h"
#include "grid/DataGrid.h"
#include "grid/DisplayFormat.h"
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>

namespace {

const char* const kKindProperty = "tvCellKind";
constexpr int kButtonWidth = 18;

QIcon ellipsisIcon()
{
    // Made once and kept to the end: a pixmap must not outlive the application object.
    static QIcon* icon = [] {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setPen(Qt::black);
        p.setBrush(Qt::black);
        for (int x : {3, 7, 11})
            p.drawRect(x, 10, 1, 1);
        p.end();
        return new QIcon(pixmap);
    }();
    return *icon;
}

// "20260315" and "2026-03-15" both name the 15th of March 2026.
QString normalisedDate(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return QString();
    QDate d = QDate::fromString(t, QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        d = QDate::fromString(t, QStringLiteral("yyyyMMdd"));
    return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

QString plainNumber(const QString& text)
{
    QString t = text;
    t.remove(QLatin1Char(',')).remove(QLatin1Char(' '));
    return t;
}

}  // namespace

// --- GridDelegate ---------------------------------------------------------------

GridDelegate::GridDelegate(DataGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

QRect GridDelegate::buttonRect(const QRect& cell)
{
    return QRect(cell.right() - kButtonWidth + 1, cell.top(), kButtonWidth, cell.height());
}

bool GridDelegate::isAcceptable(QWidget* editor)
{
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line)
        return true;
    const QString kind = line->property(kKindProperty).toString();
    const QString text = line->text().trimmed();
    if (text.isEmpty())
        return true;
    if (kind == QLatin1String("number")) {
        bool ok = false;
        plainNumber(text).toDouble(&ok);
        return ok;
    }
    if (kind == QLatin1String("date"))
        return !normalisedDate(text).isEmpty();
    return true;
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const int column = index.column();
    const GridColumn& c = m_grid->gridColumn(column);
    const CellEditor kind = m_grid->editorKind(column);
    QWidget* editor = nullptr;
    if (kind == CellEditor::Combo) {
        auto* combo = new QComboBox(parent);
        for (const ComboItem& item : c.comboItems)
            combo->addItem(item.text, item.code);
        editor = combo;
    } else if (kind == CellEditor::Memo) {
        auto* memo = new QPlainTextEdit(parent);
        memo->setTabChangesFocus(true);
        editor = memo;
    } else {
        auto* line = new QLineEdit(parent);
        line->setFrame(false);
        line->setAlignment(m_grid->columnAlignment(column) | Qt::AlignVCenter);
        if (kind == CellEditor::Number) {
            line->setProperty(kKindProperty, QStringLiteral("number"));
            line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            line->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("-?[0-9, ]*\\.?[0-9]*")), line));
        } else if (kind == CellEditor::Date) {
            line->setProperty(kKindProperty, QStringLiteral("date"));
            line->setPlaceholderText(QStringLiteral("YYYY-MM-DD"));
            line->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9-]{0,10}")), line));
        } else {
            line->setProperty(kKindProperty, QStringLiteral("text"));
            int limit = c.maxLength;
            const int f = m_grid->gridModel()->fieldIndexOf(column);
            if (limit <= 0 && f >= 0 && m_grid->recordSet()) {
                const FieldDef& def = m_grid->recordSet()->field(f);
                if (def.type == FieldType::String)
                    limit = def.size;
            }
            if (limit > 0)
                line->setMaxLength(limit);
        }
        if (m_grid->hasCellButton(column)) {
            QAction* action = line->addAction(ellipsisIcon(), QLineEdit::TrailingPosition);
            const QPersistentModelIndex cell(index);
            DataGrid* grid = m_grid;
            connect(action, &QAction::triggered, grid, [grid, cell] { grid->emitCellButton(cell); });
        }
        editor = line;
    }
    m_grid->editorOpened(editor);
    return editor;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QVariant value = index.data(RecordSetModel::RawValueRole);
    RecordSet* set = m_grid->recordSet();
    const int f = m_grid->gridModel()->fieldIndexOf(index.column());
    const QString text = set && f >= 0 ? RecordSet::textOf(set->field(f), value) : value.toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(value.isNull() ? -1 : combo->findData(text));
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(editor)) {
        memo->setPlainText(text);
        memo->selectAll();
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        // Numbers are edited as their bare digits, dates as YYYY-MM-DD.
        line->setText(text);
        line->selectAll();
    }
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (!isAcceptable(editor))
        return;  // what cannot be stored is dropped; the cell keeps its value
    QVariant value;
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->currentIndex() >= 0)
            value = combo->currentData().toString();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(editor)) {
        value = memo->toPlainText();
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        const QString kind = line->property(kKindProperty).toString();
        if (kind == QLatin1String("number"))
            value = plainNumber(line->text());
        else if (kind == QLatin1String("date"))
            value = normalisedDate(line->text());
        else
            value = line->text();
    }
    model->setData(index, value, Qt::EditRole);
}

void GridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const
{
    QRect r = option.rect;
    if (qobject_cast<QPlainTextEdit*>(editor)) {
        // A memo opens taller than its cell, within the visible area.
        r.setHeight(std::max(r.height() * 4, 60));
        const QRect area = m_grid->viewport()->rect();
        if (r.bottom() > area.bottom())
            r.moveBottom(area.bottom());
    }
    editor->setGeometry(r);
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool button = m_grid->hasCellButton(index.column()) && index == m_grid->currentIndex();
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    QStyle* style = m_grid->style();
    if (!button) {
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, m_grid);
        return;
    }
    const QRect buttonArea = buttonRect(option.rect);
    opt.rect.setRight(buttonArea.left() - 1);
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, m_grid);
    QStyleOptionButton b;
    b.rect = buttonArea;
    b.state = QStyle::State_Enabled | QStyle::State_Raised;
    b.icon = ellipsisIcon();
    b.iconSize = QSize(12, 12);
    style->drawControl(QStyle::CE_PushButton, &b, painter, m_grid);
}

bool GridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                               const QModelIndex& index)
{
    if ((event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonPress
         || event->type() == QEvent::MouseButtonDblClick)
        && m_grid->hasCellButton(index.column()) && index == m_grid->currentIndex()) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && buttonRect(option.rect).contains(mouse->position().toPoint())) {
            if (event->type() == QEvent::MouseButtonRelease)
                m_grid->emitCellButton(index);
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (m_grid->sendCellKey(key))
            return true;
        const bool memo = qobject_cast<QPlainTextEdit*>(editor) != nullptr;
        switch (key->key()) {
        case Qt::Key_Enter:
        case Qt::Key_Return:
            if (memo && (key->modifiers() & Qt::ShiftModifier))
                return false;  // a line break inside the memo
            if (!isAcceptable(editor)) {
                QApplication::beep();
                if (auto* line = qobject_cast<QLineEdit*>(editor))
                    line->selectAll();
                return true;
            }
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            m_grid->moveToNextEditableCell();
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (!isAcceptable(editor)) {
                QApplication::beep();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

// --- GroupHeaderView ------------------------------------------------------------------

GroupHeaderView::GroupHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

QString GroupHeaderView::groupOf(int logicalIndex) const
{
    return model() ? model()->headerData(logicalIndex, Qt::Horizontal, RecordSetModel::GroupRole).toString() : QString();
}

bool GroupHeaderView::hasGroups() const
{
    for (int i = 0; i < count(); ++i)
        if (!groupOf(i).isEmpty())
            return true;
    return false;
}

QSize GroupHeaderView::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    if (hasGroups())
        size.setHeight(size.height() * 2);
    return size;
}

QRect GroupHeaderView::groupRect(int logicalIndex) const
{
    const QString group = groupOf(logicalIndex);
    if (group.isEmpty() || isSectionHidden(logicalIndex))
        return QRect();
    int firstVisual = visualIndex(logicalIndex), lastVisual = firstVisual;
    // Hidden sections inside a band do not split it.
    for (int v = firstVisual - 1; v >= 0; --v) {
        const int logical = this->logicalIndex(v);
        if (isSectionHidden(logical))
            continue;
        if (groupOf(logical) != group)
            break;
        firstVisual = v;
    }
    for (int v = lastVisual + 1; v < count(); ++v) {
        const int logical = this->logicalIndex(v);
        if (isSectionHidden(logical))
            continue;
        if (groupOf(logical) != group)
            break;
        lastVisual = v;
    }
    const int left = sectionViewportPosition(this->logicalIndex(firstVisual));
    const int lastLogical = this->logicalIndex(lastVisual);
    const int right = sectionViewportPosition(lastLogical) + sectionSize(lastLogical);
    return QRect(left, 0, right - left, height() / 2);
}

void GroupHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const QString group = groupOf(logicalIndex);
    if (group.isEmpty() || !hasGroups()) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    const int half = rect.height() / 2;
    QHeaderView::paintSection(painter, QRect(rect.left(), rect.top() + half, rect.width(), rect.height() - half),
                              logicalIndex);
    QStyleOptionHeader band;
    initStyleOption(&band);
    band.rect = groupRect(logicalIndex);
    band.rect.setTop(rect.top());
    band.rect.setHeight(half);
    band.text = group;
    band.textAlignment = Qt::AlignCenter;
    band.section = logicalIndex;
    band.position = QStyleOptionHeader::Middle;
    band.sortIndicator = QStyleOptionHeader::None;
    band.state = QStyle::State_Enabled | QStyle::State_Horizontal | QStyle::State_Raised;
    painter->save();
    style()->drawControl(QStyle::CE_Header, &band, painter, this);
    painter->restore();
}

// --- GridFooter -----------------------------------------------------------------------------

GridFooter::GridFooter(DataGrid* grid) : QWidget(grid), m_grid(grid)
{
    setAutoFillBackground(false);
}

int GridFooter::rowHeight() const
{
    return fontMetrics().height() + 8;
}

void GridFooter::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    const QHeaderView* header = m_grid->horizontalHeader();
    for (int v = 0; v < header->count(); ++v) {
        const int column = header->logicalIndex(v);
        if (header->isSectionHidden(column))
            continue;
        const int x = header->sectionViewportPosition(column);
        const int w = header->sectionSize(column);
        if (x + w < 0 || x > width())
            continue;
        const QRect cell(x, 0, w, height());
        p.setPen(palette().mid().color());
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        const QString text = m_grid->footerText(column);
        if (text.isEmpty())
            continue;
        Qt::Alignment align = m_grid->columnAlignment(column);
        if (m_grid->gridColumn(column).footer == FooterKind::Sum || m_grid->gridColumn(column).footer == FooterKind::Count)
            align = Qt::AlignRight;
        p.setPen(palette().buttonText().color());
        p.drawText(cell.adjusted(4, 0, -4, 0), int(align | Qt::AlignVCenter), text);
    }
}
