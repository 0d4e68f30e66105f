#include "lookups/PopupWnd.h"
#include "common/ReadOnlyQuery.h"
#include "common/Query.h"
#include "lookups/LookupBtn.h"
#include "lookups/LookupCaptions.h"
#include "lookups/LookupSql.h"
#include <QAbstractTableModel>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSqlField>
#include <QSqlQuery>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString valueText(const QVariant& value)
{
    if (value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::QDateTime: {
        const QDateTime at = value.toDateTime();
        return at.time() == QTime(0, 0) ? at.date().toString(QStringLiteral("yyyy-MM-dd"))
                                        : at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("HH:mm:ss"));
    default:
        return value.toString();
    }
}

bool isNumericField(const QSqlField& field)
{
    switch (field.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

QToolButton* toolButton(QWidget* parent, const QString& name, QStyle::StandardPixmap pixmap, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(parent->style()->standardIcon(pixmap));
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

// The rows of the open statement, held in memory like a client data set.
class PopupRows : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void reset(const QSqlRecord& record, QList<QVariantList> rows)
    {
        beginResetModel();
        m_record = record;
        m_rows = std::move(rows);
        endResetModel();
    }
    void setTitles(const QStringList& titles, const QString& subject)
    {
        m_titles = titles;
        m_subject = subject;
        if (columnCount() > 0)
            emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }
    QString title(int column) const
    {
        if (column < m_titles.size() && !m_titles.at(column).trimmed().isEmpty())
            return m_titles.at(column);
        return LookupCaptions::caption(m_record.fieldName(column), column, m_subject);
    }
    const QSqlRecord& record() const { return m_record; }
    QVariant value(int row, int column) const { return m_rows.at(row).at(column); }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_record.count(); }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return valueText(value(index.row(), index.column()));
        if (role == Qt::TextAlignmentRole)
            return isNumericField(m_record.field(index.column())) ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                                   : int(Qt::AlignLeft | Qt::AlignVCenter);
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < columnCount())
            return title(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    QSqlRecord m_record;
    QList<QVariantList> m_rows;
    QStringList m_titles;
    QString m_subject;
};

TfrmPopupWnd::TfrmPopupWnd(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmPopupWnd"));
    setWindowTitle(QStringLiteral("코드검색"));

    DBNavigator = new QWidget(this);
    DBNavigator->setObjectName(QStringLiteral("DBNavigator"));
    NavFirst = toolButton(DBNavigator, QStringLiteral("NavFirst"), QStyle::SP_MediaSkipBackward, QStringLiteral("처음"));
    NavPrior = toolButton(DBNavigator, QStringLiteral("NavPrior"), QStyle::SP_MediaSeekBackward, QStringLiteral("이전"));
    NavNext = toolButton(DBNavigator, QStringLiteral("NavNext"), QStyle::SP_MediaSeekForward, QStringLiteral("다음"));
    NavLast = toolButton(DBNavigator, QStringLiteral("NavLast"), QStyle::SP_MediaSkipForward, QStringLiteral("마지막"));
    auto* navLayout = new QHBoxLayout(DBNavigator);
    navLayout->setContentsMargins(0, 0, 0, 0);
    navLayout->setSpacing(0);
    for (QToolButton* b : {NavFirst, NavPrior, NavNext, NavLast})
        navLayout->addWidget(b);

    SpeedButtonOk = toolButton(this, QStringLiteral("SpeedButtonOk"), QStyle::SP_DialogOkButton, QStringLiteral("확인 Enter"));
    SpeedButtonCancel = toolButton(this, QStringLiteral("SpeedButtonCancel"), QStyle::SP_DialogCancelButton, QStringLiteral("취소 Esc"));
    SpeedButtonRetrieve = toolButton(this, QStringLiteral("SpeedButtonRetrieve"), QStyle::SP_FileDialogContentsView,
                                     QStringLiteral("조회 Ctrl+A"));

    ComboBox = new QComboBox(this);
    ComboBox->setObjectName(QStringLiteral("ComboBox"));
    ComboBox->setEditable(false);
    ComboBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Edit = new QLineEdit(this);
    Edit->setObjectName(QStringLiteral("Edit"));

    cdsPopup = new PopupRows(this);
    DBGrid = new QTableView(this);
    DBGrid->setObjectName(QStringLiteral("DBGrid"));
    DBGrid->setModel(cdsPopup);
    DBGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid->setTabKeyNavigation(false);
    DBGrid->verticalHeader()->hide();
    DBGrid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    DBGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    DBGrid->horizontalHeader()->setHighlightSections(false);

    auto* toolbar = new QHBoxLayout;
    toolbar->setSpacing(2);
    toolbar->addWidget(DBNavigator);
    toolbar->addSpacing(4);
    toolbar->addWidget(SpeedButtonOk);
    toolbar->addWidget(SpeedButtonCancel);
    toolbar->addStretch(1);
    toolbar->addWidget(SpeedButtonRetrieve);
    auto* searchRow = new QHBoxLayout;
    searchRow->setSpacing(2);
    searchRow->addWidget(ComboBox);
    searchRow->addWidget(Edit, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addLayout(toolbar);
    layout->addLayout(searchRow);
    layout->addWidget(DBGrid, 1);

    resize(239, 413);

    connect(NavFirst, &QToolButton::clicked, this, [this] { moveTo(0); });
    connect(NavPrior, &QToolButton::clicked, this, [this] { moveTo(qMax(0, currentRow() - 1)); });
    connect(NavNext, &QToolButton::clicked, this, [this] { moveTo(currentRow() + 1); });
    connect(NavLast, &QToolButton::clicked, this, [this] { moveTo(rowCount() - 1); });
    connect(SpeedButtonOk, &QToolButton::clicked, this, &TfrmPopupWnd::SpeedButtonOkClick);
    connect(SpeedButtonCancel, &QToolButton::clicked, this, &TfrmPopupWnd::SpeedButtonCancelClick);
    connect(SpeedButtonRetrieve, &QToolButton::clicked, this, &TfrmPopupWnd::SpeedButtonRetrieveClick);
    connect(DBGrid, &QTableView::doubleClicked, this, &TfrmPopupWnd::SpeedButtonOkClick);
    for (QWidget* w : {static_cast<QWidget*>(Edit), static_cast<QWidget*>(DBGrid), static_cast<QWidget*>(ComboBox)})
        w->installEventFilter(this);
}

TfrmPopupWnd::~TfrmPopupWnd() = default;

void TfrmPopupWnd::setLookupSql(const QStringList& sql)
{
    m_lookupSql = sql;
}

void TfrmPopupWnd::setColumnTitles(const QStringList& titles)
{
    m_titles = titles;
    cdsPopup->setTitles(titles, m_subject);
}

void TfrmPopupWnd::setCaptionSubject(const QString& subject)
{
    m_subject = subject;
    cdsPopup->setTitles(m_titles, m_subject);
}

void TfrmPopupWnd::setColumnWidths(const QStringList& widths)
{
    m_widths = widths;
}

void TfrmPopupWnd::setStoredStatement(bool stored)
{
    m_storedStatement = stored;
}

void TfrmPopupWnd::setSqlConnection(const QString& connectionName)
{
    m_connectionName = connectionName;
}

void TfrmPopupWnd::setParamValues(const QVariantMap& values)
{
    m_values.clear();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        m_values.insert(Lookup::paramKey(it.key()), it.value());
}

namespace {

// Runs a statement and reads every row; the values travel bound, never as
// SQL text. A statement kept as data runs under the stored-statement guard.
void readRows(const QString& connectionName, bool stored, const QString& sql, const QVariantList& params,
              QSqlRecord& record, QList<QVariantList>& rows)
{
    if (stored) {
        StoredRows read = RunStoredStatement(sql, params);
        record = read.record;
        rows = std::move(read.rows);
        return;
    }
    QSqlQuery query(Lookup::connectionFor(connectionName));
    query.setForwardOnly(true);
    // Amounts come back as their exact text rather than as doubles.
    query.setNumericalPrecisionPolicy(QSql::HighPrecision);
    RunQuery(query, sql, params, QStringLiteral("Open"));
    record = query.record();
    const int columns = record.count();
    while (query.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row << query.value(c);
        rows << row;
    }
}

}  // namespace

void TfrmPopupWnd::OpenStatement(const QStringList& statement)
{
    const QString sql = LookupSql::splitLines(statement).join(QLatin1Char('\n'));
    const QVariantList params = LookupSql::valuesFor(sql, m_values);
    QSqlRecord record;
    QList<QVariantList> rows;
    readRows(m_connectionName, m_storedStatement, sql, params, record, rows);
    m_lastSql = sql;
    m_lastParams = params;
    cdsPopup->reset(record, std::move(rows));
    applyColumns();
    fillColumnChooser();
    widenToColumns();
    moveTo(0);
}

void TfrmPopupWnd::RunFilter()
{
    const int column = ComboBox->currentIndex();
    if (column < 0 || column >= columnCount() || m_lookupSql.join(QString()).trimmed().isEmpty())
        return;
    const QStringList lines = LookupSql::splitLines(m_lookupSql);
    const QString base = lines.join(QLatin1Char('\n'));
    // The search text is a bound value: a quote in it is just a character.
    // The cast lets a number or date column be searched like its text.
    const QString name = LookupSql::freeName(base, QStringLiteral("find_text"));
    const QString condition = QStringLiteral("CAST(%1 AS TEXT) LIKE :%2").arg(fieldName(column), name);
    const QString sql = LookupSql::insertCondition(lines, condition).join(QLatin1Char('\n'));

    QVariantMap values = m_values;
    values.insert(Lookup::paramKey(name), QString(QLatin1Char('%') + Edit->text() + QLatin1Char('%')));
    const QVariantList params = LookupSql::valuesFor(sql, values);
    QSqlRecord record;
    QList<QVariantList> rows;
    readRows(m_connectionName, m_storedStatement, sql, params, record, rows);
    m_lastSql = sql;
    m_lastParams = params;
    cdsPopup->reset(record, std::move(rows));
    applyColumns();
    fillColumnChooser();
    moveTo(0);
}

int TfrmPopupWnd::rowCount() const
{
    return cdsPopup->rowCount();
}

int TfrmPopupWnd::columnCount() const
{
    return cdsPopup->columnCount();
}

QString TfrmPopupWnd::fieldName(int column) const
{
    return cdsPopup->record().fieldName(column);
}

int TfrmPopupWnd::currentRow() const
{
    const QModelIndex index = DBGrid->currentIndex();
    return index.isValid() ? index.row() : -1;
}

void TfrmPopupWnd::setCurrentRow(int row)
{
    moveTo(row);
}

void TfrmPopupWnd::moveTo(int row)
{
    if (row < 0 || row >= rowCount()) {
        if (rowCount() == 0)
            DBGrid->setCurrentIndex(QModelIndex());
        return;
    }
    int column = 0;
    while (column < columnCount() - 1 && DBGrid->isColumnHidden(column))
        ++column;
    DBGrid->setCurrentIndex(cdsPopup->index(row, column));
    DBGrid->selectRow(row);
}

QStringList TfrmPopupWnd::currentRowTexts() const
{
    const int row = currentRow();
    if (row < 0)
        return {};
    QStringList texts;
    for (int c = 0; c < columnCount(); ++c) {
        // Null and empty are one thing in this system; a blank keeps the
        // line present for the screen that reads the list by position.
        const QString text = valueText(cdsPopup->value(row, c));
        texts << (text.isEmpty() ? QStringLiteral(" ") : text);
    }
    return texts;
}

int TfrmPopupWnd::charsToPixels(int chars) const
{
    return chars * DBGrid->fontMetrics().horizontalAdvance(QLatin1Char('0')) + 4;
}

void TfrmPopupWnd::applyColumns()
{
    cdsPopup->setTitles(m_titles, m_subject);
    for (int c = 0; c < columnCount(); ++c) {
        if (m_widths.isEmpty()) {
            DBGrid->setColumnHidden(c, false);
            DBGrid->resizeColumnToContents(c);
            if (DBGrid->columnWidth(c) > 400)
                DBGrid->setColumnWidth(c, 400);
            continue;
        }
        if (c >= m_widths.size()) {
            DBGrid->setColumnHidden(c, true);
            continue;
        }
        bool ok = false;
        const int chars = m_widths.at(c).trimmed().toInt(&ok);
        if (ok && chars <= 0) {
            DBGrid->setColumnHidden(c, true);
            continue;
        }
        DBGrid->setColumnHidden(c, false);
        if (ok)
            DBGrid->setColumnWidth(c, charsToPixels(chars));
        else
            DBGrid->resizeColumnToContents(c);
    }
}

void TfrmPopupWnd::fillColumnChooser()
{
    QStringList captions;
    for (int c = 0; c < columnCount(); ++c)
        captions << cdsPopup->title(c);
    QStringList current;
    for (int i = 0; i < ComboBox->count(); ++i)
        current << ComboBox->itemText(i);
    if (captions == current)
        return;
    ComboBox->clear();
    ComboBox->addItems(captions);
    ComboBox->setCurrentIndex(captions.isEmpty() ? -1 : 0);
}

void TfrmPopupWnd::widenToColumns()
{
    int total = 0;
    for (int c = 0; c < columnCount(); ++c)
        if (!DBGrid->isColumnHidden(c))
            total += DBGrid->columnWidth(c);
    const int needed = total + 2 * style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 15;
    if (width() < needed)
        resize(needed, height());
}

void TfrmPopupWnd::SpeedButtonOkClick()
{
    // Nothing to choose is no choice.
    if (currentRow() < 0)
        reject();
    else
        accept();
}

void TfrmPopupWnd::SpeedButtonCancelClick()
{
    reject();
}

void TfrmPopupWnd::SpeedButtonRetrieveClick()
{
    RunFilter();
}

void TfrmPopupWnd::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (ComboBox->count() > 0)
        ComboBox->setCurrentIndex(0);
    Edit->setFocus();
}

bool TfrmPopupWnd::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (key->key() == Qt::Key_A && (key->modifiers() & Qt::ControlModifier)) {
        RunFilter();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        SpeedButtonCancelClick();
        return true;
    }
    if (watched == Edit) {
        if (enter) {
            RunFilter();
            return true;
        }
        if (key->key() == Qt::Key_Left) {
            ComboBox->setFocus();
            return true;
        }
        if (key->key() == Qt::Key_Down) {
            DBGrid->setFocus();
            return true;
        }
    } else if (watched == DBGrid || watched == ComboBox) {
        if (enter) {
            SpeedButtonOkClick();
            return true;
        }
        if (watched == ComboBox && key->key() == Qt::Key_Right) {
            Edit->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
