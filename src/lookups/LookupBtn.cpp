#include "lookups/LookupBtn.h"
#include "common/Db.h"
#include <QGuiApplication>
#include <QScreen>

namespace Lookup {

QString paramKey(const QString& name)
{
    QString key = name.trimmed();
    if (key.startsWith(QLatin1Char(':')))
        key.remove(0, 1);
    return key.toUpper();
}

void placeWindow(QWidget* window, TDialogAlign align, const QWidget* button)
{
    const QWidget* host = button ? button->parentWidget() : nullptr;
    if (align == daCenter || !host) {
        const QScreen* screen = button ? button->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        const QRect area = screen->geometry();
        window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
        return;
    }
    // The parent's inner area, in screen coordinates.
    const QRect inner(host->mapToGlobal(host->contentsRect().topLeft()), host->contentsRect().size());
    if (align == daTopLeft)
        window->move(inner.topLeft());
    else
        window->move(inner.right() + 1 - window->width(), inner.top());
}

QSqlDatabase connectionFor(const QString& connectionName)
{
    if (connectionName.isEmpty())
        return Db::connection();
    return QSqlDatabase::database(connectionName, false);
}

}  // namespace Lookup

TLookupBtn::TLookupBtn(QWidget* parent) : QToolButton(parent)
{
    setFixedSize(23, 22);
    setAutoRaise(false);
    // A speed button: it never takes the focus away from the field it serves.
    setFocusPolicy(Qt::NoFocus);
    // Connected before any screen can connect, so the lookup has finished
    // when the screen's click handler reads the result.
    connect(this, &QAbstractButton::clicked, this, &TLookupBtn::ownClick);
}

void TLookupBtn::ownClick()
{
    if (m_raising)
        return;
    runLookup();
}

void TLookupBtn::raiseClick()
{
    m_raising = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{m_raising};
    emit clicked(false);
}

void TLookupBtn::setOutcome(int modalResult, const QStringList& returnValue)
{
    m_modalResult = modalResult;
    m_returnValue = returnValue;
}

void TLookupBtn::setButtonGlyph(const QIcon& glyph)
{
    setIcon(glyph);
    setIconSize(QSize(16, 16));
}

void TLookupBtn::setParam(const QString& name, const QVariant& value)
{
    m_params.insert(Lookup::paramKey(name), value);
}

QVariant TLookupBtn::param(const QString& name) const
{
    return m_params.value(Lookup::paramKey(name));
}

bool TLookupBtn::hasParam(const QString& name) const
{
    return m_params.contains(Lookup::paramKey(name));
}

void TLookupBtn::removeParam(const QString& name)
{
    m_params.remove(Lookup::paramKey(name));
}
