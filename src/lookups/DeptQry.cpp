#include "lookups/DeptQry.h"
#include "common/Query.h"
#include "lookups/LookupBtn.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

const QStringList kReturnFields = {
    QStringLiteral("DEPT_CODE"), QStringLiteral("DEPT_NAME"), QStringLiteral("MAN_DEPT_CODE"),
    QStringLiteral("MAN_DEPT_NAME"), QStringLiteral("DEPT_TYPE"), QStringLiteral("DEPT_AFF_YN"),
    QStringLiteral("R_NAME"), QStringLiteral("R_CODE"),
};

QPixmap canvas()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// An organisation unit: a small building.
QIcon unitPicture()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setPen(QColor(0x20, 0x40, 0x80));
    p.setBrush(QColor(0x90, 0xb8, 0xe8));
    p.drawRect(3, 2, 10, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int y : {4, 7, 10})
        for (int x : {5, 9})
            p.drawRect(x, y, 2, 2);
    return QIcon(pixmap);
}

// A closed folder, kept with the others so the picture numbers stay put.
QIcon folderPicture()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setPen(QColor(0x80, 0x60, 0x10));
    p.setBrush(QColor(0xf0, 0xd0, 0x60));
    p.drawRect(1, 4, 14, 10);
    p.drawRect(1, 2, 6, 2);
    return QIcon(pixmap);
}

// A part: two people.
QIcon partPicture()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0x20, 0x60, 0x20));
    p.setBrush(QColor(0x80, 0xd0, 0x80));
    p.drawEllipse(QRectF(2, 2, 5, 5));
    p.drawEllipse(QRectF(9, 2, 5, 5));
    p.drawRoundedRect(QRectF(1, 8, 7, 6), 2, 2);
    p.drawRoundedRect(QRectF(8, 8, 7, 6), 2, 2);
    return QIcon(pixmap);
}

// An accounting cost unit: a coin.
QIcon costPicture()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0x80, 0x60, 0x00));
    p.setBrush(QColor(0xf8, 0xd0, 0x40));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.drawLine(QPointF(5, 8), QPointF(11, 8));
    p.drawLine(QPointF(8, 5), QPointF(8, 11));
    return QIcon(pixmap);
}

}  // namespace

TfrmDeptQry::TfrmDeptQry(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmDeptQry"));
    setWindowTitle(QStringLiteral("부서검색"));

    auto makeTool = [this](const QString& name, QStyle::StandardPixmap pixmap, const QString& tip) {
        auto* button = new QToolButton(this);
        button->setObjectName(name);
        button->setIcon(style()->standardIcon(pixmap));
        button->setToolTip(tip);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    auto makePush = [this](const QString& name, const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    SpeedButtonOk = makeTool(QStringLiteral("SpeedButtonOk"), QStyle::SP_DialogOkButton, QStringLiteral("확인 Enter"));
    SpeedButtonCancel = makeTool(QStringLiteral("SpeedButtonCancel"), QStyle::SP_DialogCancelButton,
                                 QStringLiteral("취소 Esc"));
    btnReLoad = makePush(QStringLiteral("btnReLoad"), QStringLiteral("다시그리기"));
    btnFullExp = makePush(QStringLiteral("btnFullExp"), QStringLiteral("전체열기"));
    btnFullColl1 = makePush(QStringLiteral("btnFullColl1"), QStringLiteral("전체닫기"));

    trvDept = new QTreeWidget(this);
    trvDept->setObjectName(QStringLiteral("trvDept"));
    trvDept->setColumnCount(1);
    trvDept->setHeaderHidden(true);
    trvDept->setEditTriggers(QAbstractItemView::NoEditTriggers);
    trvDept->setSelectionMode(QAbstractItemView::SingleSelection);
    trvDept->setExpandsOnDoubleClick(false);
    trvDept->setIconSize(QSize(16, 16));

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);

    auto* toolbar = new QHBoxLayout;
    toolbar->setSpacing(2);
    toolbar->addWidget(SpeedButtonOk);
    toolbar->addWidget(SpeedButtonCancel);
    toolbar->addSpacing(6);
    toolbar->addWidget(btnReLoad);
    toolbar->addWidget(btnFullExp);
    toolbar->addWidget(btnFullColl1);
    toolbar->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 0);
    layout->setSpacing(2);
    layout->addLayout(toolbar);
    layout->addWidget(trvDept, 1);
    layout->addWidget(StatusBar);

    resize(320, 480);

    connect(SpeedButtonOk, &QToolButton::clicked, this, &TfrmDeptQry::SpeedButtonOkClick);
    connect(SpeedButtonCancel, &QToolButton::clicked, this, &TfrmDeptQry::SpeedButtonCancelClick);
    connect(btnReLoad, &QPushButton::clicked, this, &TfrmDeptQry::btnReLoadClick);
    connect(btnFullExp, &QPushButton::clicked, this, &TfrmDeptQry::btnFullExpClick);
    connect(btnFullColl1, &QPushButton::clicked, this, &TfrmDeptQry::btnFullColl1Click);
    connect(trvDept, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* node) { trvDeptChange(node); });
    connect(trvDept, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* node) { trvDeptDblClick(node); });
    trvDept->installEventFilter(this);
}

TfrmDeptQry::~TfrmDeptQry() = default;

const QList<QIcon>& TfrmDeptQry::pictures()
{
    static const QList<QIcon> list{unitPicture(), folderPicture(), partPicture(), costPicture()};
    return list;
}

int TfrmDeptQry::pictureIndex(const QString& deptType)
{
    const QString type = deptType.trimmed();
    if (type == QLatin1String("0") || type == QLatin1String("1") || type == QLatin1String("2"))
        return 0;
    if (type == QLatin1String("3"))
        return 2;
    if (type == QLatin1String("4"))
        return 3;
    return -1;
}

int TfrmDeptQry::labelDepth(const QString& label)
{
    int depth = 0;
    while (depth < label.size() && (label.at(depth) == u' ' || label.at(depth) == u'\t'))
        ++depth;
    return depth;
}

void TfrmDeptQry::DeptReload()
{
    // Rows are numbered in the order they are listed, so that a node's
    // position in the tree names its row.
    QString sql = QStringLiteral(
        "SELECT ROW_NUMBER() OVER (ORDER BY SORT_ORD, DEPT_CODE) - 1 AS ROWCNT,\n"
        "       LVL, DEPT_CODE, DEPT_NAME, MAN_DEPT_CODE, MAN_DEPT_NAME, DEPT_TYPE, DEPT_AFF_YN,\n"
        "       SORT_ORD, L_NAME, R_NAME, R_CODE, BGN_DATE, END_DATE\n"
        "  FROM QA160MS_DATE\n"
        " WHERE :refe_date BETWEEN BGN_DATE AND END_DATE\n");
    if (!m_deptAcc)
        sql += QStringLiteral("   AND DEPT_AFF_YN = 'Y'\n");
    sql += QStringLiteral(" ORDER BY SORT_ORD, DEPT_CODE");

    QSqlQuery sqlDept(Lookup::connectionFor(m_connectionName));
    sqlDept.setForwardOnly(true);
    RunQuery(sqlDept, sql, {m_refeDate}, QStringLiteral("Open"));
    QStringList fields;
    const QSqlRecord record = sqlDept.record();
    for (int c = 0; c < record.count(); ++c)
        fields << record.fieldName(c).toUpper();
    QList<QVariantList> rows;
    while (sqlDept.next()) {
        QVariantList row;
        for (int c = 0; c < record.count(); ++c)
            row << sqlDept.value(c);
        rows << row;
    }

    const QSignalBlocker quiet(trvDept);
    trvDept->clear();
    m_fields = fields;
    m_rows = rows;
    m_current = -1;

    // Each label's leading blanks give its depth: a node hangs under the
    // nearest node above it that is less indented.
    QList<QPair<int, QTreeWidgetItem*>> path;
    for (int r = 0; r < m_rows.size(); ++r) {
        const QString label = rowText(r, QStringLiteral("L_NAME"));
        const int depth = labelDepth(label);
        while (!path.isEmpty() && path.last().first >= depth)
            path.removeLast();
        auto* node = path.isEmpty() ? new QTreeWidgetItem(trvDept) : new QTreeWidgetItem(path.last().second);
        node->setText(0, label.mid(depth).trimmed());
        const int picture = pictureIndex(rowText(r, QStringLiteral("DEPT_TYPE")));
        node->setData(0, PictureRole, picture);
        if (picture >= 0)
            node->setIcon(0, pictures().at(picture));
        path.append({depth, node});
    }

    if (trvDept->topLevelItemCount() > 0)
        trvDept->setCurrentItem(trvDept->topLevelItem(0));
    trvDeptChange(trvDept->currentItem());
}

QString TfrmDeptQry::rowText(int row, const QString& field) const
{
    const int column = int(m_fields.indexOf(field.toUpper()));
    if (row < 0 || row >= m_rows.size() || column < 0)
        return QString();
    const QVariant value = m_rows.at(row).at(column);
    return value.isNull() ? QString() : value.toString();
}

QStringList TfrmDeptQry::currentValues() const
{
    QStringList values;
    for (const QString& field : kReturnFields)
        values << rowText(m_current, field);
    return values;
}

int TfrmDeptQry::treePosition(const QTreeWidgetItem* node) const
{
    int position = 0;
    for (QTreeWidgetItemIterator it(trvDept); *it; ++it, ++position)
        if (*it == node)
            return position;
    return -1;
}

QTreeWidgetItem* TfrmDeptQry::nodeOfRow(int row) const
{
    const QString rowcnt = rowText(row, QStringLiteral("ROWCNT"));
    int position = 0;
    for (QTreeWidgetItemIterator it(trvDept); *it; ++it, ++position)
        if (QString::number(position) == rowcnt)
            return *it;
    return nullptr;
}

void TfrmDeptQry::trvDeptChange(QTreeWidgetItem* node)
{
    // The row whose ROWCNT is the node's top-down position in the tree.
    m_current = -1;
    const int position = node ? treePosition(node) : -1;
    for (int r = 0; position >= 0 && r < m_rows.size(); ++r) {
        if (rowText(r, QStringLiteral("ROWCNT")) == QString::number(position)) {
            m_current = r;
            break;
        }
    }
    StatusBar->showMessage(m_current < 0 ? QString()
                                         : rowText(m_current, QStringLiteral("DEPT_CODE")) + QStringLiteral("  ")
                                               + rowText(m_current, QStringLiteral("R_NAME")));
}

void TfrmDeptQry::trvDeptDblClick(QTreeWidgetItem* node)
{
    if (node)
        SpeedButtonOkClick();
}

void TfrmDeptQry::SpeedButtonOkClick()
{
    accept();
}

void TfrmDeptQry::SpeedButtonCancelClick()
{
    reject();
}

void TfrmDeptQry::btnFullExpClick()
{
    trvDept->expandAll();
}

void TfrmDeptQry::btnFullColl1Click()
{
    trvDept->collapseAll();
}

void TfrmDeptQry::btnReLoadClick()
{
    DeptReload();
    trvDept->expandAll();
}

void TfrmDeptQry::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    trvDept->expandAll();
    trvDept->setFocus();
}

bool TfrmDeptQry::trvDeptKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        SpeedButtonOkClick();
        return true;
    case Qt::Key_Escape:
        SpeedButtonCancelClick();
        return true;
    default:
        return false;
    }
}

bool TfrmDeptQry::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        SpeedButtonCancelClick();
        return true;
    }
    if (event->key() == Qt::Key_Down && !trvDept->hasFocus()) {
        trvDept->setFocus();
        return true;
    }
    return false;
}

bool TfrmDeptQry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == trvDept && event->type() == QEvent::KeyPress && trvDeptKeyDown(static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TfrmDeptQry::keyPressEvent(QKeyEvent* event)
{
    if (!FormKeyDown(event))
        QDialog::keyPressEvent(event);
}
