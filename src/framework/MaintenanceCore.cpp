#include "framework/MaintenanceCore.h"
#include "common/DialogService.h"
#include "common/Messages.h"
#include "common/NumEdit.h"
#include "common/Transaction.h"
#include "framework/ZZI000.h"
#include "shell/ErrorDlg.h"
#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QDate>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

namespace {

const char* kWiredProperty = "tvWiredTo";
const QColor kYellow(255, 255, 0);
const QColor kGrey(128, 128, 128);

QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

}  // namespace

void VisitControls(QWidget* container, const std::function<void(QWidget*, ControlKind)>& visit)
{
    for (QObject* child : container->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow())
            continue;
        const ControlKind kind = kindOf(w);
        if (kind == ControlKind::Container)
            VisitControls(w, visit);
        else
            visit(w, kind);
    }
}

QPushButton* NewStripButton(QHBoxLayout* row, QWidget* strip, const QString& name, const QString& caption,
                            QWidget* before)
{
    auto* button = new QPushButton(caption, strip);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::StrongFocus);
    const int at = before ? row->indexOf(before) : -1;
    row->insertWidget(at, button);
    return button;
}

RecordCountStrip NewRecordCountStrip(QWidget* display, const QString& labelName, const QString& text)
{
    auto* layout = new QVBoxLayout(display);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* panel = new QWidget(display);
    panel->setObjectName(QStringLiteral("panRecordCount"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 2, 4, 2);
    auto* label = new QLabel(text, panel);
    label->setObjectName(labelName);
    row->addWidget(label);
    row->addStretch(1);
    layout->addWidget(panel);
    return {panel, label};
}

QMenu* NewScreenMenu(QWidget* screen, const QList<QAction*>& items)
{
    auto* menu = new QMenu(screen);
    menu->setObjectName(QStringLiteral("popScreen"));
    menu->addActions(items);
    screen->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(screen, &QWidget::customContextMenuRequested, menu,
                     [screen, menu](const QPoint& at) { menu->popup(screen->mapToGlobal(at)); });
    return menu;
}

void PaintFieldBase(QWidget* field, const QColor& colour)
{
    QPalette p = field->palette();
    p.setColor(QPalette::Base, colour);
    field->setPalette(p);
}

FieldEventHook::FieldEventHook(QObject* parent, Handler handler) : QObject(parent), m_handler(std::move(handler))
{
}

bool FieldEventHook::isWired(const QObject* field) const
{
    return field->property(kWiredProperty).value<QObject*>() == this;
}

void FieldEventHook::wire(QWidget* field)
{
    if (isWired(field))
        return;
    field->setProperty(kWiredProperty, QVariant::fromValue<QObject*>(this));
    field->installEventFilter(this);
}

bool FieldEventHook::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QWidget*>(watched);
    if (field && isWired(field) && m_handler(field, event))
        return true;
    return QObject::eventFilter(watched, event);
}

HourglassCursor::HourglassCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

HourglassCursor::~HourglassCursor()
{
    QApplication::restoreOverrideCursor();
}

MaintenanceCore::MaintenanceCore(TfrmZZI000* screen, const Rules& rules)
    : m_screen(screen),
      m_rules(rules),
      m_fields(new FieldEventHook(screen, [this](QWidget* field, QEvent* event) { return fieldEvent(field, event); }))
{
}

// The hook goes first: closing the window later sends focus events to the
// fields, and the machinery they would reach is gone by then.
MaintenanceCore::~MaintenanceCore()
{
    delete m_fields;
}

void MaintenanceCore::attach(const Strip& strip)
{
    m_strip = strip;
}

void MaintenanceCore::buildDataArea(QBoxLayout* layout, int inputWidth)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    panDisp = new QWidget(m_strip.dataArea);
    panDisp->setObjectName(QStringLiteral("panDisp"));
    panInput = new QWidget(m_strip.dataArea);
    panInput->setObjectName(QStringLiteral("panInput"));
    panInput->setFixedWidth(inputWidth);
    row->addWidget(panDisp, 1);
    row->addWidget(panInput);
    layout->addLayout(row, 1);
}

void MaintenanceCore::buildOperationButtons(QHBoxLayout* row, QWidget* strip, QWidget* before)
{
    bbtExcel = NewStripButton(row, strip, QStringLiteral("bbtExcel"), QStringLiteral("Excel"), before);
    bbtPrint = NewStripButton(row, strip, QStringLiteral("bbtPrint"), QStringLiteral("출력(F11)"), before);
    bbtPreview = NewStripButton(row, strip, QStringLiteral("bbtPreview"), QStringLiteral("미리보기"), before);
    bbtAdd = NewStripButton(row, strip, QStringLiteral("bbtAdd"), QStringLiteral("신규(F4)"), before);
    bbtEdit = NewStripButton(row, strip, QStringLiteral("bbtEdit"), QStringLiteral("수정[F5]"), before);
    bbtDelete = NewStripButton(row, strip, QStringLiteral("bbtDelete"), QStringLiteral("삭제(F9)"), before);

    // The operations are virtual: a screen that extends one is reached from
    // its button and its key alike.
    const struct {
        QPushButton* button;
        QKeySequence key;
        void (MaintenanceCore::*operation)();
    } operations[] = {
        {bbtAdd, QKeySequence(Qt::Key_F4), &MaintenanceCore::bbtAddClick},
        {bbtEdit, QKeySequence(Qt::Key_F5), &MaintenanceCore::bbtEditClick},
        {bbtDelete, QKeySequence(Qt::Key_F9), &MaintenanceCore::bbtDeleteClick},
        {bbtPrint, QKeySequence(Qt::Key_F11), &MaintenanceCore::bbtPrintClick},
        {bbtPreview, QKeySequence(Qt::SHIFT | Qt::Key_F11), &MaintenanceCore::bbtPreviewClick},
        {bbtExcel, QKeySequence(Qt::CTRL | Qt::Key_F11), &MaintenanceCore::bbtExcelClick},
    };
    for (const auto& op : operations) {
        const auto operation = op.operation;
        QObject::connect(op.button, &QPushButton::clicked, m_screen, [this, operation] { (this->*operation)(); });
        addOperationKey(op.key, [this, operation] { (this->*operation)(); });
    }
}

void MaintenanceCore::finishCreation()
{
    m_strip.dataArea->setEnabled(true);
    State = stNone;
    RecordCount = 0;
    RefreshButtons();
}

void MaintenanceCore::screenShown(bool spontaneous)
{
    WalkControls(m_screen, waWire);
    if (!spontaneous && State == stNone)
        RefreshButtons();
}

void MaintenanceCore::HandleAppError(std::exception_ptr error)
{
    if (State == stEdit || State == stInsert)
        m_strip.save->setEnabled(true);
    TFrmError::showError(m_screen, &SharedTransaction::instance(), error);
}

void MaintenanceCore::RefreshButtons()
{
    const bool browse = State == stBrowse;
    const bool editing = State == stEdit || State == stInsert;
    const bool rows = browse && RecordCount > 0;
    m_strip.search->setEnabled(State == stNone);
    bbtAdd->setEnabled(browse);
    bbtEdit->setEnabled(rows);
    bbtDelete->setEnabled(rows);
    bbtPrint->setEnabled(rows);
    bbtPreview->setEnabled(rows);
    bbtExcel->setEnabled(rows);
    m_strip.save->setEnabled(editing);
    m_strip.cancel->setEnabled(State != stNone);
    m_strip.searchPanel->setEnabled(State == stNone);
    for (QWidget* w : m_strip.searchPanel->findChildren<QWidget*>())
        w->setEnabled(State == stNone);
    panInput->setEnabled(editing);
    panDisp->setEnabled(!editing);
}

// --- operations --------------------------------------------------------------------

void MaintenanceCore::beginOperation(QPushButton* button)
{
    m_screen->ShowStatus(QString());
    requireButton(button);
    button->setFocus();
}

void MaintenanceCore::rollbackOpenTransaction()
{
    SharedTransaction& tx = SharedTransaction::instance();
    if (tx.inTransaction())
        tx.rollback();
}

void MaintenanceCore::runKeepingStateOnError(int previousState, const std::function<void()>& hook)
{
    try {
        hook();
    } catch (...) {
        State = previousState;
        try {
            RefreshButtons();
        } catch (...) {
            // The hook's error is the one to report.
        }
        throw;
    }
}

void MaintenanceCore::bbtSearchClick()
{
    QPushButton* search = m_strip.search;
    beginOperation(search);
    const int before = State;
    State = stBrowse;
    if (m_rules.searchTogglesWithCancel)
        search->setEnabled(false);
    runKeepingStateOnError(before, [this] { DoSearch(); });
    if (m_rules.searchTogglesWithCancel) {
        search->setEnabled(!m_strip.cancel->isEnabled());
        if (!search->isEnabled() && State == stBrowse)
            FocusFirstControl(m_strip.dataArea);
    }
}

void MaintenanceCore::bbtAddClick()
{
    beginOperation(bbtAdd);
    const int before = State;
    State = stInsert;
    runKeepingStateOnError(before, [this] {
        RefreshButtons();
        ClearInputPanel();
        AfterNew();
    });
}

void MaintenanceCore::bbtEditClick()
{
    beginOperation(bbtEdit);
    const int before = State;
    State = stEdit;
    runKeepingStateOnError(before, [this] {
        RefreshButtons();
        AfterEdit();
    });
}

void MaintenanceCore::bbtSaveClick()
{
    QPushButton* save = m_strip.save;
    beginOperation(save);
    Done = false;
    save->setEnabled(false);
    DoSave();
    save->setEnabled(true);
    if (Done) {
        State = stBrowse;
        RefreshButtons();
    } else {
        rollbackOpenTransaction();
    }
    if (m_rules.saveFocusesNew && bbtAdd->isEnabled() && !bbtAdd->isHidden())
        bbtAdd->setFocus();
}

void MaintenanceCore::bbtCancelClick()
{
    beginOperation(m_strip.cancel);
    const int before = State;
    if (State == stEdit || State == stInsert) {
        State = stBrowse;
        runKeepingStateOnError(before, [this] { AfterCancel(); });
    } else {
        WalkControls(panDisp, waClear);
        if (m_rules.cancelClearsInput)
            WalkControls(panInput, waClear);
        RecordCount = 0;
        State = stNone;
        runKeepingStateOnError(before, [this] { AfterCancel(); });
    }
    RefreshButtons();
    if (State == stNone)
        FocusFirstControl(m_strip.searchPanel);
}

void MaintenanceCore::bbtDeleteClick()
{
    beginOperation(bbtDelete);
    Done = false;
    DoDelete();
    if (Done)
        RefreshButtons();
    else
        rollbackOpenTransaction();
}

void MaintenanceCore::bbtPrintClick()
{
    beginOperation(bbtPrint);
    PreviewFlag = false;
    DoPrint();
}

void MaintenanceCore::bbtPreviewClick()
{
    beginOperation(bbtPreview);
    PreviewFlag = true;
    DoPreview();
}

void MaintenanceCore::bbtExcelClick()
{
    beginOperation(bbtExcel);
    if (!m_rules.excelShowsHourglass) {
        DoExcel();
        return;
    }
    const HourglassCursor hourglass;
    DoExcel();
}

// --- fields ---------------------------------------------------------------------------

ControlKind MaintenanceCore::fieldKind(const QWidget* control) const
{
    if (m_rules.numericEditsAreFields && control && control->inherits("NumEdit"))
        return ControlKind::Edit;
    return kindOf(control);
}

void MaintenanceCore::ClearInputPanel()
{
    for (QObject* child : panInput->children()) {
        if (auto* edit = qobject_cast<QLineEdit*>(child); edit && kindOf(edit) != ControlKind::Other)
            edit->clear();
        else if (auto* combo = qobject_cast<QComboBox*>(child))
            combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
    }
}

void MaintenanceCore::WalkControls(QWidget* container, WalkAction action)
{
    VisitControls(container, [this, action](QWidget* w, ControlKind) {
        const ControlKind kind = fieldKind(w);
        if (action == waWire) {
            if (kind != ControlKind::Other && kind != ControlKind::Grid && kind != ControlKind::DbGrid)
                m_fields->wire(w);
            return;
        }
        const bool readOnly = isReadOnlyControl(w);
        switch (kind) {
        case ControlKind::Edit:
        case ControlKind::MaskEdit:
        case ControlKind::DbEdit:
            if (readOnly)
                break;
            if (auto* number = qobject_cast<NumEdit*>(w))
                number->setValue(0);
            else if (auto* e = qobject_cast<QLineEdit*>(w))
                e->clear();
            else
                QMetaObject::invokeMethod(w, "clear");
            break;
        case ControlKind::Memo:
            if (!readOnly)
                QMetaObject::invokeMethod(w, "clear");
            break;
        case ControlKind::Check:
        case ControlKind::DbCheck:
        case ControlKind::Radio:
            if (w->isEnabled()) {
                auto* b = static_cast<QAbstractButton*>(w);
                const bool exclusive = b->autoExclusive();
                b->setAutoExclusive(false);
                b->setChecked(false);
                b->setAutoExclusive(exclusive);
            }
            break;
        case ControlKind::DatePicker:
            if (w->isEnabled()) {
                // today by the local calendar, as every other "today" here
                auto* picker = static_cast<QDateTimeEdit*>(w);
                picker->setDate(QDate::currentDate());
                picker->setTime(QTime::currentTime());
            }
            break;
        case ControlKind::Combo:
        case ControlKind::DbCombo:
            if (w->isEnabled())
                static_cast<QComboBox*>(w)->setCurrentIndex(-1);
            break;
        case ControlKind::Grid:
            static_cast<QTableWidget*>(w)->setRowCount(0);
            break;
        case ControlKind::DbGrid:
            QMetaObject::invokeMethod(w, "closeDataSet");
            break;
        default:
            break;
        }
    });
}

bool MaintenanceCore::fieldEvent(QWidget* w, QEvent* event)
{
    const ControlKind kind = fieldKind(w);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (kind != ControlKind::Radio && kind != ControlKind::Tree)
            FieldEnter(w);
        break;
    case QEvent::FocusOut:
        if (kind == ControlKind::Check || kind == ControlKind::DbCheck)
            FieldExitColour(w);
        else if (kind != ControlKind::Radio && kind != ControlKind::Tree)
            FieldExit(w);
        break;
    case QEvent::KeyPress:
        if (kind != ControlKind::Memo) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (FieldKeyDown(w, key->key(), key->modifiers()) || FieldKeyPress(w, key->key()))
                return true;
        }
        break;
    default:
        break;
    }
    return false;
}

void MaintenanceCore::FieldEnter(QWidget* control)
{
    const bool readOnly = isReadOnlyControl(control);
    switch (fieldKind(control)) {
    case ControlKind::Edit:
    case ControlKind::MaskEdit:
    case ControlKind::Memo:
    case ControlKind::DbEdit:
    case ControlKind::DbCheck:
    case ControlKind::DbCombo:
        PaintFieldBase(control, readOnly ? kGrey : kYellow);
        break;
    case ControlKind::Check:
    case ControlKind::DatePicker:
    case ControlKind::Combo:
        PaintFieldBase(control, kYellow);
        break;
    default:
        break;
    }
}

void MaintenanceCore::FieldExitColour(QWidget* control)
{
    switch (fieldKind(control)) {
    case ControlKind::Edit:
    case ControlKind::MaskEdit:
    case ControlKind::Memo:
    case ControlKind::DbEdit:
    case ControlKind::DbCombo:
        PaintFieldBase(control, isReadOnlyControl(control) ? buttonFace() : QColor(Qt::white));
        break;
    case ControlKind::Check:
    case ControlKind::DbCheck:
        PaintFieldBase(control, buttonFace());
        break;
    case ControlKind::DatePicker:
    case ControlKind::Combo:
        PaintFieldBase(control, Qt::white);
        break;
    default:
        break;
    }
}

void MaintenanceCore::FieldExit(QWidget* control)
{
    FieldExitColour(control);
    if (kindOf(control) != ControlKind::MaskEdit
        || !control->objectName().endsWith(QLatin1String("DATE"), Qt::CaseInsensitive))
        return;
    auto* edit = static_cast<QLineEdit*>(control);
    if (!dateFieldAccepts(edit)) {
        MsgBox(QStringLiteral("날짜를 바르게 입력하십시오."), QStringLiteral("입력오류"), DialogService::Error);
        edit->clear();
    }
}

bool MaintenanceCore::dateFieldAccepts(QLineEdit* edit)
{
    // A masked edit reports an untouched field as its separators alone.
    QString text = edit->text();
    if (gpTrimSpace(text).isEmpty())
        return true;
    return lfDateChk(text);
}

bool MaintenanceCore::FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier))
        return false;
    if (QApplication::mouseButtons() != Qt::NoButton)
        return false;
    const ControlKind kind = fieldKind(control);
    const bool arrowsOwn = m_rules.arrowsKeepOwnMeaning
        && (kind == ControlKind::Combo || kind == ControlKind::DbCombo || kind == ControlKind::DatePicker);
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        FocusNeighbour(control, true);
        return true;
    }
    if (!arrowsOwn && key == Qt::Key_Down) {
        FocusNeighbour(control, true);
        return true;
    }
    if (!arrowsOwn && key == Qt::Key_Up) {
        FocusNeighbour(control, false);
        return true;
    }
    return false;
}

bool MaintenanceCore::FieldKeyPress(QWidget*, int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void FocusNeighbour(QWidget* from, bool forward)
{
    QWidget* w = from;
    for (int guard = 0; guard < 10000; ++guard) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == from)
            return;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(from->window())
            && !w->focusProxy()) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

bool FocusFirstControl(QWidget* container)
{
    if (!container)
        return false;
    // The focus chain is in tab order over the whole window, and controls a
    // screen adds later sit behind the base's own: walk all of it.
    QWidget* window = container->window();
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (container->isAncestorOf(w) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && w->isVisibleTo(window) && !w->focusProxy()) {
            w->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

// --- date and text helpers -------------------------------------------------------------

bool MaintenanceCore::lfDateChk(QString& text)
{
    text = gpTrimSpace(text);
    if (text == QLatin1String("--")) {
        text.clear();
        return true;
    }
    // Month and day may have one digit, as the session's date conversion
    // allows ("2026-1-5").
    return QDate::fromString(text, QStringLiteral("yyyy-M-d")).isValid()
        || QDate::fromString(text, QStringLiteral("yyyyMMdd")).isValid();
}

QString MaintenanceCore::gpTrimSpace(const QString& text)
{
    QString out = text;
    return out.remove(QLatin1Char(' '));
}

QString MaintenanceCore::StripNumberText(const QString& text)
{
    QString out = text;
    return out.remove(QLatin1Char(',')).remove(QLatin1Char(' '));
}

QString MaintenanceCore::MaskDateText(const QLineEdit* maskEdit) const
{
    QString text = maskEdit->text();
    return lfDateChk(text) ? text : QString();
}
