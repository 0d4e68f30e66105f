#include "framework/ZQI020.h"
#include "common/DateUtil.h"
#include "common/DialogService.h"
#include "common/Messages.h"
#include "common/Transaction.h"
#include "framework/ControlKinds.h"
#include "shell/ErrorDlg.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QShowEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextEdit>

namespace {

const char* kWiredProperty = "tvWired";

void paintBase(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colour);
    w->setPalette(p);
}

const QColor kYellow(255, 255, 0);
const QColor kGrey(128, 128, 128);

QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

}  // namespace

TfrmZQI020::TfrmZQI020(const QString& programId, QWidget* parent) : TfrmZZI010(programId, parent, false)
{
    panSearch->setFixedHeight(105);

    auto* dataRow = new QHBoxLayout;
    dataRow->setContentsMargins(0, 0, 0, 0);
    dataRow->setSpacing(4);
    panDisp = new QWidget(panMain);
    panDisp->setObjectName(QStringLiteral("panDisp"));
    panInput = new QWidget(panMain);
    panInput->setObjectName(QStringLiteral("panInput"));
    panInput->setFixedWidth(313);
    dataRow->addWidget(panDisp, 1);
    dataRow->addWidget(panInput);
    static_cast<QVBoxLayout*>(panMain->layout())->addLayout(dataRow, 1);

    bbtExcel = addStripButton(QStringLiteral("bbtExcel"), QStringLiteral("Excel"), bbtSave);
    bbtPrint = addStripButton(QStringLiteral("bbtPrint"), QStringLiteral("출력(F11)"), bbtSave);
    bbtPreview = addStripButton(QStringLiteral("bbtPreview"), QStringLiteral("미리보기"), bbtSave);
    bbtAdd = addStripButton(QStringLiteral("bbtAdd"), QStringLiteral("신규(F4)"), bbtSave);
    bbtEdit = addStripButton(QStringLiteral("bbtEdit"), QStringLiteral("수정[F5]"), bbtSave);
    bbtDelete = addStripButton(QStringLiteral("bbtDelete"), QStringLiteral("삭제(F9)"), bbtSave);

    connect(bbtAdd, &QPushButton::clicked, this, &TfrmZQI020::bbtAddClick);
    connect(bbtEdit, &QPushButton::clicked, this, &TfrmZQI020::bbtEditClick);
    connect(bbtDelete, &QPushButton::clicked, this, &TfrmZQI020::bbtDeleteClick);
    connect(bbtPrint, &QPushButton::clicked, this, &TfrmZQI020::bbtPrintClick);
    connect(bbtPreview, &QPushButton::clicked, this, &TfrmZQI020::bbtPreviewClick);
    connect(bbtExcel, &QPushButton::clicked, this, &TfrmZQI020::bbtExcelClick);
    addHotkey(Qt::Key_F4, [this] { bbtAddClick(); });
    addHotkey(Qt::Key_F5, [this] { bbtEditClick(); });
    addHotkey(Qt::Key_F9, [this] { bbtDeleteClick(); });
    addHotkey(Qt::Key_F11, [this] { bbtPrintClick(); });
    addHotkey(QKeySequence(Qt::SHIFT | Qt::Key_F11), [this] { bbtPreviewClick(); });
    addHotkey(QKeySequence(Qt::CTRL | Qt::Key_F11), [this] { bbtExcelClick(); });

    panMain->setEnabled(true);
    State = stNone;
    RecordCount = 0;
    RefreshButtons();
}

// Screens add their fields after the base constructor ran, so the wiring and
// the screen's own button rules are applied when it is first shown (fields
// wired once stay wired).
void TfrmZQI020::showEvent(QShowEvent* event)
{
    WalkControls(this, waWire);
    if (!event->spontaneous() && State == stNone)
        RefreshButtons();
    TfrmZZI010::showEvent(event);
}

void TfrmZQI020::HandleAppError(std::exception_ptr error)
{
    if (State == stEdit || State == stInsert)
        bbtSave->setEnabled(true);
    TFrmError::showError(this, &SharedTransaction::instance(), error);
}

void TfrmZQI020::RefreshButtons()
{
    const bool browse = State == stBrowse;
    const bool editing = State == stEdit || State == stInsert;
    const bool rows = browse && RecordCount > 0;
    bbtSearch->setEnabled(State == stNone);
    bbtAdd->setEnabled(browse);
    bbtEdit->setEnabled(rows);
    bbtDelete->setEnabled(rows);
    bbtPrint->setEnabled(rows);
    bbtPreview->setEnabled(rows);
    bbtExcel->setEnabled(rows);
    bbtSave->setEnabled(editing);
    bbtCancel->setEnabled(State != stNone);
    panSearch->setEnabled(State == stNone);
    for (QWidget* w : panSearch->findChildren<QWidget*>())
        w->setEnabled(State == stNone);
    panInput->setEnabled(editing);
    panDisp->setEnabled(!editing);
}

void TfrmZQI020::beginOperation(QPushButton* button)
{
    ShowStatus(QString());
    requireActive(button);
    button->setFocus();
}

void TfrmZQI020::rollbackOpenTransaction()
{
    SharedTransaction& tx = SharedTransaction::instance();
    if (tx.inTransaction())
        tx.rollback();
}

void TfrmZQI020::bbtSearchClick()
{
    beginOperation(bbtSearch);
    State = stBrowse;
    DoSearch();
}

void TfrmZQI020::bbtAddClick()
{
    beginOperation(bbtAdd);
    State = stInsert;
    RefreshButtons();
    ClearInputPanel();
    AfterNew();
}

void TfrmZQI020::bbtEditClick()
{
    beginOperation(bbtEdit);
    State = stEdit;
    RefreshButtons();
    AfterEdit();
}

void TfrmZQI020::bbtSaveClick()
{
    beginOperation(bbtSave);
    Done = false;
    bbtSave->setEnabled(false);
    DoSave();
    bbtSave->setEnabled(true);
    if (Done) {
        State = stBrowse;
        RefreshButtons();
    } else {
        rollbackOpenTransaction();
    }
    if (bbtAdd->isEnabled() && !bbtAdd->isHidden())
        bbtAdd->setFocus();
}

void TfrmZQI020::bbtCancelClick()
{
    beginOperation(bbtCancel);
    if (State == stEdit || State == stInsert) {
        State = stBrowse;
        AfterCancel();
    } else {
        WalkControls(panDisp, waClear);
        RecordCount = 0;
        State = stNone;
        AfterCancel();
    }
    RefreshButtons();
    if (State == stNone)
        focusSearchStrip();
}

void TfrmZQI020::bbtDeleteClick()
{
    beginOperation(bbtDelete);
    Done = false;
    DoDelete();
    if (Done)
        RefreshButtons();
    else
        rollbackOpenTransaction();
}

void TfrmZQI020::bbtPrintClick()
{
    beginOperation(bbtPrint);
    PreviewFlag = false;
    DoPrint();
}

void TfrmZQI020::bbtPreviewClick()
{
    beginOperation(bbtPreview);
    PreviewFlag = true;
    DoPreview();
}

void TfrmZQI020::bbtExcelClick()
{
    beginOperation(bbtExcel);
    DoExcel();
}

void TfrmZQI020::ClearInputPanel()
{
    for (QObject* child : panInput->children()) {
        if (auto* edit = qobject_cast<QLineEdit*>(child); edit && kindOf(edit) != ControlKind::Other)
            edit->clear();
        else if (auto* combo = qobject_cast<QComboBox*>(child))
            combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
    }
}

void TfrmZQI020::WalkControls(QWidget* container, WalkAction action)
{
    for (QObject* child : container->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow())
            continue;
        const ControlKind kind = kindOf(w);
        if (kind == ControlKind::Container) {
            WalkControls(w, action);
            continue;
        }
        if (action == waWire) {
            if (kind != ControlKind::Other && kind != ControlKind::Grid && kind != ControlKind::DbGrid
                && !w->property(kWiredProperty).toBool()) {
                w->setProperty(kWiredProperty, true);
                w->installEventFilter(this);
            }
            continue;
        }
        const bool readOnly = isReadOnlyControl(w);
        switch (kind) {
        case ControlKind::Edit:
        case ControlKind::MaskEdit:
        case ControlKind::DbEdit:
            if (!readOnly) {
                if (auto* e = qobject_cast<QLineEdit*>(w))
                    e->clear();
                else
                    QMetaObject::invokeMethod(w, "clear");
            }
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
            if (w->isEnabled())
                static_cast<QDateTimeEdit*>(w)->setDateTime(QDateTime::currentDateTime());
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
    }
}

bool TfrmZQI020::eventFilter(QObject* watched, QEvent* event)
{
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && w->property(kWiredProperty).toBool()) {
        const ControlKind kind = kindOf(w);
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
    }
    return TfrmZZI010::eventFilter(watched, event);
}

void TfrmZQI020::FieldEnter(QWidget* control)
{
    const ControlKind kind = kindOf(control);
    const bool readOnly = isReadOnlyControl(control);
    switch (kind) {
    case ControlKind::Edit:
    case ControlKind::MaskEdit:
    case ControlKind::Memo:
    case ControlKind::DbEdit:
    case ControlKind::DbCheck:
    case ControlKind::DbCombo:
        paintBase(control, readOnly ? kGrey : kYellow);
        break;
    case ControlKind::Check:
    case ControlKind::DatePicker:
    case ControlKind::Combo:
        paintBase(control, kYellow);
        break;
    default:
        break;
    }
}

void TfrmZQI020::FieldExitColour(QWidget* control)
{
    switch (kindOf(control)) {
    case ControlKind::Edit:
    case ControlKind::MaskEdit:
    case ControlKind::Memo:
    case ControlKind::DbEdit:
    case ControlKind::DbCombo:
        paintBase(control, isReadOnlyControl(control) ? buttonFace() : QColor(Qt::white));
        break;
    case ControlKind::Check:
    case ControlKind::DbCheck:
        paintBase(control, buttonFace());
        break;
    case ControlKind::DatePicker:
    case ControlKind::Combo:
        paintBase(control, Qt::white);
        break;
    default:
        break;
    }
}

void TfrmZQI020::FieldExit(QWidget* control)
{
    FieldExitColour(control);
    if (kindOf(control) != ControlKind::MaskEdit || !control->objectName().endsWith(QLatin1String("DATE"), Qt::CaseInsensitive))
        return;
    auto* edit = static_cast<QLineEdit*>(control);
    QString digits = edit->displayText();
    digits.remove(QLatin1Char('-')).remove(QLatin1Char('/')).remove(QLatin1Char('.')).remove(QLatin1Char(' '));
    digits.remove(QLatin1Char('_'));
    if (!IsDateText8(digits)) {
        MsgBox(QStringLiteral("날짜를 바르게 입력하십시오."), QStringLiteral("입력오류"), DialogService::Error);
        edit->clear();
    }
}

bool TfrmZQI020::FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier))
        return false;
    const ControlKind kind = kindOf(control);
    const bool arrowsOwn = kind == ControlKind::Combo || kind == ControlKind::DbCombo || kind == ControlKind::DatePicker;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        focusNeighbour(control, true);
        return true;
    }
    if (!arrowsOwn && key == Qt::Key_Down) {
        focusNeighbour(control, true);
        return true;
    }
    if (!arrowsOwn && key == Qt::Key_Up) {
        focusNeighbour(control, false);
        return true;
    }
    return false;
}

bool TfrmZQI020::FieldKeyPress(QWidget*, int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void TfrmZQI020::focusNeighbour(QWidget* from, bool forward)
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

bool TfrmZQI020::lfDateChk(QString& text)
{
    const QString trimmed = gpTrimSpace(text);
    if (trimmed == QLatin1String("--")) {
        text.clear();
        return true;
    }
    return QDate::fromString(trimmed, QStringLiteral("yyyy-MM-dd")).isValid()
        || QDate::fromString(trimmed, QStringLiteral("yyyyMMdd")).isValid();
}

QString TfrmZQI020::gpTrimSpace(const QString& text)
{
    QString out = text;
    return out.remove(QLatin1Char(' '));
}

bool TfrmZQI020::IsDateText8(const QString& text)
{
    return text.size() == 8 && QDate::fromString(text, QStringLiteral("yyyyMMdd")).isValid();
}

QString TfrmZQI020::StripNumberText(const QString& text)
{
    QString out = text;
    return out.remove(QLatin1Char(',')).remove(QLatin1Char(' '));
}

QString TfrmZQI020::MaskDateText(const QLineEdit* maskEdit) const
{
    QString text = maskEdit->text();
    return lfDateChk(text) ? text : QString();
}
