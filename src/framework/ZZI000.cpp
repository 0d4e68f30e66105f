#include "framework/ZZI000.h"
#include "common/AppErrors.h"
#include "common/NumEdit.h"
#include "common/ProgramHost.h"
#include "common/Session.h"
#include "grid/RecordSet.h"
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QSettings>
#include <QTextEdit>
#include <QToolTip>
#include <QVBoxLayout>

TfrmZZI000::TfrmZZI000(const QString& programId, QWidget* parent, bool runBaseCreation) : QWidget(parent)
{
    setObjectName(QStringLiteral("frm") + programId);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    panMain = new QWidget(this);
    panMain->setObjectName(QStringLiteral("panMain"));
    layout->addWidget(panMain, 1);

    panButtons = new QWidget(this);
    panButtons->setObjectName(QStringLiteral("panButtons"));
    panButtons->setFixedHeight(40);
    auto* buttonsOuter = new QVBoxLayout(panButtons);
    buttonsOuter->setContentsMargins(0, 0, 0, 0);
    buttonsOuter->setSpacing(0);
    bvlButtons = new QFrame(panButtons);
    bvlButtons->setObjectName(QStringLiteral("bvlButtons"));
    bvlButtons->setFrameShape(QFrame::HLine);
    bvlButtons->setFrameShadow(QFrame::Sunken);
    buttonsOuter->addWidget(bvlButtons);
    m_buttonRow = new QHBoxLayout;
    m_buttonRow->setContentsMargins(6, 4, 6, 4);
    m_buttonRow->addStretch(1);
    bbtClose = new QPushButton(QStringLiteral("종료(F12)"), panButtons);
    bbtClose->setObjectName(QStringLiteral("bbtClose"));
    bbtClose->setFocusPolicy(Qt::NoFocus);
    m_buttonRow->addWidget(bbtClose);
    buttonsOuter->addLayout(m_buttonRow, 1);
    layout->addWidget(panButtons);
    connect(bbtClose, &QPushButton::clicked, this, &TfrmZZI000::bbtCloseClick);

    stbMessage = new QWidget(this);
    stbMessage->setObjectName(QStringLiteral("stbMessage"));
    auto* statusRow = new QHBoxLayout(stbMessage);
    statusRow->setContentsMargins(0, 0, 0, 0);
    statusRow->setSpacing(0);
    for (int i = 0; i < 4; ++i) {
        stbPanels[i] = new QLabel(stbMessage);
        stbPanels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        stbPanels[i]->setAlignment((i == 1 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
        stbPanels[i]->setMinimumWidth(0);
        if (i == 1)
            stbPanels[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        statusRow->addWidget(stbPanels[i], i == 1 ? 1 : 0);
    }
    layout->addWidget(stbMessage);

    if (runBaseCreation) {
        stbPanels[0]->setText(this->programId());
        stbPanels[2]->setText(QStringLiteral("사용자 : ") + Session::empName);
        readRoleFile();
    }
    layoutStatusBar();
}

TfrmZZI000::SearchStrip TfrmZZI000::addSearchStrip()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panSearch"));
    panel->setFixedHeight(40);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(6, 4, 6, 4);
    row->addStretch(1);
    auto* search = new QPushButton(QStringLiteral("조회(F3)"), panel);
    search->setObjectName(QStringLiteral("bbtSearch"));
    row->addWidget(search);
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, panel);
    return {panel, search};
}

TfrmZZI000::NavigationButtons TfrmZZI000::addNavigationButtons()
{
    const struct {
        const char* name;
        const char* tip;
        QStyle::StandardPixmap icon;
    } kinds[] = {
        {"sbtFirst", "처음 자료", QStyle::SP_MediaSkipBackward},
        {"sbtPrior", "앞 자료", QStyle::SP_MediaSeekBackward},
        {"sbtNext", "다음 자료", QStyle::SP_MediaSeekForward},
        {"sbtLast", "마지막 자료", QStyle::SP_MediaSkipForward},
    };
    QToolButton* made[4];
    for (int i = 0; i < 4; ++i) {
        auto* button = new QToolButton(panButtons);
        button->setObjectName(QLatin1String(kinds[i].name));
        button->setToolTip(QString::fromUtf8(kinds[i].tip));
        button->setIcon(style()->standardIcon(kinds[i].icon));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        m_buttonRow->insertWidget(i, button);
        made[i] = button;
    }
    return {made[0], made[1], made[2], made[3]};
}

QString TfrmZZI000::programId() const
{
    return objectName().mid(3);
}

void TfrmZZI000::readRoleFile()
{
    QSettings ini(Session::exeDir + Session::programBaseName + QStringLiteral(".ini"), QSettings::IniFormat);
    bool ok = false;
    const int type = ini.value(QStringLiteral("Role/Type"), 0).toInt(&ok);
    const QString code = ini.value(QStringLiteral("Role/Code")).toString();
    const QString name = ini.value(QStringLiteral("Role/Name")).toString();
    QString roleText;
    switch (ok ? type : 0) {
    case 1:
        Session::siteCode = code;
        Session::siteName = name;
        roleText = QStringLiteral("사업장 - ");
        break;
    case 2:
        Session::teamCode = code;
        Session::teamName = name;
        roleText = QStringLiteral("팀 - ");
        break;
    case 3:
        Session::outletCode = code;
        Session::outletName = name;
        roleText = QStringLiteral("영업장 - ");
        break;
    default:
        return;
    }
    stbPanels[3]->setText(name.isEmpty() ? QString() : roleText + name);
}

void TfrmZZI000::layoutStatusBar()
{
    const auto textWidth = [](QLabel* l) { return l->fontMetrics().horizontalAdvance(l->text()) + 20; };
    const int w0 = textWidth(stbPanels[0]);
    const int w2 = textWidth(stbPanels[2]);
    const int w3 = stbPanels[3]->text().isEmpty() ? 0 : textWidth(stbPanels[3]);
    stbPanels[0]->setFixedWidth(w0);
    stbPanels[2]->setFixedWidth(w2);
    stbPanels[3]->setFixedWidth(w3);
    stbPanels[3]->setVisible(w3 > 0);
    // Panel 1 takes the rest of the width through its stretch factor.
}

void TfrmZZI000::ShowStatus(const QString& text)
{
    if (stbPanels[1]->text() == text)
        return;
    stbPanels[1]->setText(text);
    stbPanels[1]->repaint();
}

QString TfrmZZI000::statusText() const
{
    return stbPanels[1]->text();
}

QString TfrmZZI000::statusPanelText(int panel) const
{
    return stbPanels[panel]->text();
}

int TfrmZZI000::statusPanelWidth(int panel) const
{
    if (panel == 1)
        return stbPanels[1]->width();
    return panel == 3 && stbPanels[3]->isHidden() ? 0 : stbPanels[panel]->maximumWidth();
}

void TfrmZZI000::screenResize(int width, int height)
{
    resize(width, height);
}

void TfrmZZI000::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutStatusBar();
}

void TfrmZZI000::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Runs once when the screen first appears; a drill-down into an open
    // screen runs it again explicitly.
    if (!event->spontaneous() && !m_shown) {
        m_shown = true;
        FormShow();
    }
}

namespace {

bool isReadOnlyField(QWidget* field)
{
    if (auto* e = qobject_cast<QLineEdit*>(field))
        return e->isReadOnly();
    if (auto* m = qobject_cast<QPlainTextEdit*>(field))
        return m->isReadOnly();
    if (auto* t = qobject_cast<QTextEdit*>(field))
        return t->isReadOnly();
    return false;
}

void paintFieldBase(QWidget* field, const QColor& colour)
{
    QPalette p = field->palette();
    p.setColor(QPalette::Base, colour);
    field->setPalette(p);
}

}  // namespace

void TfrmZZI000::edtEnter(QWidget* field)
{
    const bool combo = qobject_cast<QComboBox*>(field);
    paintFieldBase(field, !combo && isReadOnlyField(field) ? QColor(128, 128, 128)
                                                            : QToolTip::palette().color(QPalette::ToolTipBase));
}

void TfrmZZI000::edtExit(QWidget* field)
{
    const bool combo = qobject_cast<QComboBox*>(field);
    paintFieldBase(field, !combo && isReadOnlyField(field) ? QColor(128, 128, 128) : QColor(Qt::white));
}

void TfrmZZI000::watchField(QWidget* field)
{
    field->setProperty("tvWatched", true);
    field->installEventFilter(this);
}

bool TfrmZZI000::eventFilter(QObject* watched, QEvent* event)
{
    if (auto* field = qobject_cast<QWidget*>(watched); field && field->property("tvWatched").toBool()) {
        if (event->type() == QEvent::FocusIn)
            edtEnter(field);
        else if (event->type() == QEvent::FocusOut)
            edtExit(field);
    }
    return QWidget::eventFilter(watched, event);
}

QAction* TfrmZZI000::addHotkey(const QKeySequence& key, const std::function<void()>& handler)
{
    auto* action = new QAction(this);
    action->setShortcut(key);
    // The window context keeps the keys working when the focus was lost to a
    // button that disabled itself; screens in hidden tabs are not visible and
    // so do not answer.
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, handler);
    addAction(action);
    return action;
}

void TfrmZZI000::requireActive(const QWidget* button)
{
    if (!button || button->isHidden() || !button->isEnabled())
        throw SilentAbort();
}

void TfrmZZI000::bbtCloseClick()
{
    requireActive(bbtClose);
    ShowStatus(QString());
    if (m_embedded && ProgramHost::instance())
        ProgramHost::instance()->closeActiveScreen();
    else
        close();
}

void TfrmZZI000::closeQueries()
{
    for (RecordSet* set : findChildren<RecordSet*>())
        set->close();
}

void TfrmZZI000::closeEvent(QCloseEvent* event)
{
    event->ignore();
    // A screen that refuses to go stays usable: its queries are closed only
    // once it has agreed.
    if (!canClose())
        return;
    closeQueries();
    if (m_embedded && ProgramHost::instance())
        ProgramHost::instance()->screenClosed(this);
    else
        event->accept();
}
