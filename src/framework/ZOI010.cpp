#include "framework/ZOI010.h"
#include "common/Query.h"
#include "common/Session.h"
#include "framework/ControlKinds.h"
#include "framework/MaintenanceCore.h"
#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QSqlQuery>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Fields that show the button-face colour while read-only.
bool greyWhenReadOnly(const QWidget* w)
{
    const ControlKind kind = kindOf(w);
    return (kind == ControlKind::Edit || kind == ControlKind::MaskEdit || kind == ControlKind::DbEdit
            || kind == ControlKind::Memo || w->inherits("NumEdit"))
        && isReadOnlyControl(w);
}

bool isComboKind(ControlKind kind)
{
    return kind == ControlKind::Combo || kind == ControlKind::DbCombo;
}

}  // namespace

TfrmZOI010::TfrmZOI010(const QString& programId, QWidget* parent)
    : TfrmZZI010(programId, parent, false),
      m_fields(new FieldEventHook(this, [this](QWidget* field, QEvent* event) { return fieldEvent(field, event); }))
{
    // The program ID and the user in the status bar; no role file.
    stbPanels[0]->setText(this->programId());
    stbPanels[2]->setText(QStringLiteral("사용자 : ") + Session::empName);
    QResizeEvent relayout(size(), size());
    TfrmZZI000::resizeEvent(&relayout);

    auto* mainLayout = static_cast<QVBoxLayout*>(panMain->layout());
    panMaster = new QWidget(panMain);
    panMaster->setObjectName(QStringLiteral("panMaster"));
    mainLayout->addWidget(panMaster);

    auto* dataRow = new QHBoxLayout;
    dataRow->setContentsMargins(0, 0, 0, 0);
    dataRow->setSpacing(4);
    panDisplay = new QWidget(panMain);
    panDisplay->setObjectName(QStringLiteral("panDisplay"));
    const RecordCountStrip count = NewRecordCountStrip(panDisplay, QStringLiteral("panRecordCnt"), QString());
    panRecordCount = count.panel;
    panRecordCnt = count.label;
    panInput = new QWidget(panMain);
    panInput->setObjectName(QStringLiteral("panInput"));
    panInput->setFixedWidth(364);
    dataRow->addWidget(panDisplay, 1);
    dataRow->addWidget(panInput);
    mainLayout->addLayout(dataRow, 1);

    bbtPrint = addStripButton(QStringLiteral("bbtPrint"), QStringLiteral("출력(F11)"), bbtSave);
    bbtPreview = addStripButton(QStringLiteral("bbtPreview"), QStringLiteral("미리보기"), bbtSave);
    bbtExcel = addStripButton(QStringLiteral("bbtExcel"), QStringLiteral("엑셀"), bbtSave);
    bbtAdd = addStripButton(QStringLiteral("bbtAdd"), QStringLiteral("신규(F4)"), bbtSave);
    bbtEdit = addStripButton(QStringLiteral("bbtEdit"), QStringLiteral("수정(F5)"), bbtSave);
    bbtDelete = addStripButton(QStringLiteral("bbtDelete"), QStringLiteral("삭제(F9)"), bbtSave);
    bbtPrint->hide();
    bbtPreview->hide();
    bbtExcel->hide();

    const NavigationButtons navigation = addNavigationButtons();
    sbtFirst = navigation.first;
    sbtPrior = navigation.prior;
    sbtNext = navigation.next;
    sbtLast = navigation.last;

    connect(bbtAdd, &QPushButton::clicked, this, [this] { bbtAddClick(); });
    connect(bbtEdit, &QPushButton::clicked, this, [this] { bbtEditClick(); });
    connect(bbtDelete, &QPushButton::clicked, this, [this] { bbtDeleteClick(); });
    // New, Edit and Delete are visible items of the screen's pop-up menu,
    // with their keys.
    const struct {
        const char* name;
        const char* caption;
        Qt::Key key;
        void (TfrmZOI010::*operation)();
    } items[] = {
        {"popAdd", "신규", Qt::Key_F4, &TfrmZOI010::bbtAddClick},
        {"popEdit", "수정", Qt::Key_F5, &TfrmZOI010::bbtEditClick},
        {"popDelete", "삭제", Qt::Key_F9, &TfrmZOI010::bbtDeleteClick},
    };
    QList<QAction*> menuItems;
    for (const auto& item : items) {
        const auto operation = item.operation;
        QAction* action = addHotkey(item.key, [this, operation] { (this->*operation)(); });
        action->setObjectName(QLatin1String(item.name));
        action->setText(QString::fromUtf8(item.caption));
        menuItems << action;
    }
    popScreen = NewScreenMenu(this, menuItems);

    // The search strip's mode switch does not apply to documents: the
    // enabling rules decide alone (they also settle Save and Cancel, which
    // the strip's search mode left disabled).
    DocState = dsIdle;
    RecordCount = 0;
    glEnabledCheck();
}

// The hook goes first: closing the window later sends focus events to the
// fields, and the screen's handlers are gone by then.
TfrmZOI010::~TfrmZOI010()
{
    delete m_fields;
}

// Screens add their fields after this constructor ran: they are wired when
// the screen is shown (a field wired once stays wired).
void TfrmZOI010::showEvent(QShowEvent* event)
{
    wireControls(this);
    if (!event->spontaneous() && DocState == dsIdle)
        glEnabledCheck();
    TfrmZZI010::showEvent(event);
}

void TfrmZOI010::wireControls(QWidget* container)
{
    VisitControls(container, [this](QWidget* w, ControlKind kind) {
        bool field = false;
        switch (kind) {
        case ControlKind::Edit:
        case ControlKind::MaskEdit:
        case ControlKind::Check:
        case ControlKind::DbCheck:
        case ControlKind::Radio:
        case ControlKind::DbEdit:
        case ControlKind::Combo:
        case ControlKind::DbCombo:
        case ControlKind::Grid:
        case ControlKind::DbGrid:
            field = true;
            break;
        default:
            field = w->inherits("NumEdit");
            break;
        }
        if (field)
            m_fields->wire(w);
    });
}

bool TfrmZOI010::fieldEvent(QWidget* w, QEvent* event)
{
    const ControlKind kind = kindOf(w);
    const bool grid = kind == ControlKind::Grid || kind == ControlKind::DbGrid;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (!grid)
            glOnEnterEvent(w);
        break;
    case QEvent::FocusOut:
        if (!grid)
            glOnExitEvent(w);
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (glOnKeyDown(w, key->key(), key->modifiers()))
            return true;
        if (!grid && glOnKeyPress(w, key->key()))
            return true;
        break;
    }
    default:
        break;
    }
    return false;
}

void TfrmZOI010::glOnEnterEvent(QWidget* control)
{
    PaintFieldBase(control, greyWhenReadOnly(control) ? QApplication::palette().color(QPalette::Button)
                                                 : QColor(255, 255, 0));
}

void TfrmZOI010::glOnExitEvent(QWidget* control)
{
    PaintFieldBase(control, greyWhenReadOnly(control) ? QApplication::palette().color(QPalette::Button)
                                                 : QApplication::palette().color(QPalette::Base));
}

bool TfrmZOI010::glOnKeyDown(QWidget* control, int key, Qt::KeyboardModifiers)
{
    const ControlKind kind = kindOf(control);
    if (kind == ControlKind::Grid || kind == ControlKind::DbGrid)
        return false;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        FocusNeighbour(control, true);
        return true;
    }
    if (isComboKind(kind))
        return false;
    if (key == Qt::Key_Down || key == Qt::Key_Up) {
        FocusNeighbour(control, key == Qt::Key_Down);
        return true;
    }
    return false;
}

bool TfrmZOI010::glOnKeyPress(QWidget*, int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// --- enabling and operations -------------------------------------------------------------

void TfrmZOI010::glEnabledCheck()
{
    const bool editing = DocState == dsEdit || DocState == dsInsert;
    const bool rows = RecordCount != 0;
    bbtAdd->setEnabled(!editing);
    for (QWidget* w : std::initializer_list<QWidget*>{bbtEdit, bbtDelete, sbtFirst, sbtPrior, sbtNext, sbtLast})
        w->setEnabled(rows && !editing);
    bbtSave->setEnabled(editing);
    bbtCancel->setEnabled(editing);
    bbtSearch->setEnabled(!editing);
    panInput->setEnabled(DocState >= 1 && DocState <= 3);
    panDisplay->setEnabled(!editing);
    bbtPrint->setEnabled(rows);
    bbtPreview->setEnabled(rows);
}

bool TfrmZOI010::usable(const QWidget* button)
{
    return button && !button->isHidden() && button->isEnabled();
}

void TfrmZOI010::bbtAddClick()
{
    if (!usable(bbtAdd))
        return;
    ShowStatus(QStringLiteral("[ 신규 ] 상태"));
    DocState = dsInsert;
    glEnabledCheck();
    glInsert();
}

void TfrmZOI010::bbtEditClick()
{
    if (!usable(bbtEdit))
        return;
    ShowStatus(QStringLiteral("[ 수정 ] 상태"));
    DocState = dsEdit;
    glEnabledCheck();
    glEdit();
}

void TfrmZOI010::bbtDeleteClick()
{
    if (!usable(bbtDelete))
        return;
    // A deletion the user declined or the screen refused is not reported as
    // done.
    ShowStatus(QString());
    Done = false;
    glDelete();
    if (Done)
        ShowStatus(QStringLiteral("삭제가 완료 되었습니다"));
    glEnabledCheck();
}

void TfrmZOI010::bbtSaveClick()
{
    if (!usable(bbtSave))
        return;
    const int saved = DocState;
    Done = false;
    glSave();
    if (Done) {
        DocState = dsIdle;
        ShowStatus(saved == dsEdit ? QStringLiteral("수정이 정상적으로 완료되었습니다.")
                                   : QStringLiteral("신규 입력이 정상적으로 완료되었습니다."));
    }
    glEnabledCheck();
}

void TfrmZOI010::bbtCancelClick()
{
    if (!usable(bbtCancel))
        return;
    ShowStatus(QStringLiteral("작업이 취소 되었습니다."));
    glCancel();
    DocState = dsIdle;
    glEnabledCheck();
}

void TfrmZOI010::bbtSearchClick()
{
    if (!usable(bbtSearch))
        return;
    glSelect();
    glEnabledCheck();
}

QString TfrmZOI010::GetSystemDate()
{
    QSqlQuery query = RunQuery(QStringLiteral(" SELECT TO_CHAR(CURRENT_DATE,'yyyy-mm-dd') AS SYSTEMDATE"));
    return query.next() ? query.value(0).toString() : QString();
}
