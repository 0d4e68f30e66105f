#include "common/WaitWindow.h"
#include "common/NumEdit.h"
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
QPointer<QWidget> g_wait;
constexpr int kInnerWidth = 400;
}  // namespace

void ShowWait(const QString& message)
{
    if (!g_wait) {
        auto* window = new QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(QStringLiteral("처리중..."));
        auto* panWait = new QLabel(window);
        panWait->setObjectName(QStringLiteral("panWait"));
        panWait->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panWait->setLineWidth(2);
        panWait->setAlignment(Qt::AlignCenter);
        QFont font;
        font.setFamilies({QStringLiteral("굴림체"), QStringLiteral("NanumGothicCoding"), QStringLiteral("NanumGothic")});
        font.setPixelSize(13);
        font.setBold(true);
        panWait->setFont(font);
        panWait->setStyleSheet(QStringLiteral("color: blue;"));
        panWait->setGeometry((kInnerWidth - 380) / 2, 10, 380, 40);
        auto* aniWait = new QProgressBar(window);
        aniWait->setObjectName(QStringLiteral("aniWait"));
        aniWait->setRange(0, 0);
        aniWait->setTextVisible(false);
        aniWait->setGeometry((kInnerWidth - 272) / 2, 40 + 10 + 10, 272, 20);
        window->setFixedSize(kInnerWidth, 40 + 20 + 10 + 20);
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            window->move(screen->geometry().center() - window->rect().center());
        g_wait = window;
    }
    g_wait->findChild<QLabel*>(QStringLiteral("panWait"))->setText(message);
    g_wait->show();
    g_wait->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void HideWait()
{
    delete g_wait.data();
}

QWidget* WaitWindow()
{
    return g_wait.data();
}

void ClearPanel(QWidget* panel)
{
    if (!panel)
        return;
    for (QObject* child : panel->children()) {
        if (auto* num = qobject_cast<NumEdit*>(child))
            num->setValue(0);
        else if (auto* edit = qobject_cast<QLineEdit*>(child))
            edit->clear();
        else if (auto* memo = qobject_cast<QPlainTextEdit*>(child))
            memo->clear();
        else if (auto* rich = qobject_cast<QTextEdit*>(child))
            rich->clear();
        else if (auto* combo = qobject_cast<QComboBox*>(child))
            combo->setCurrentIndex(-1);
        else if (auto* group = qobject_cast<QGroupBox*>(child)) {
            // A radio group: its first item becomes the selection.
            if (auto* first = group->findChild<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly))
                first->setChecked(true);
        }
    }
}
