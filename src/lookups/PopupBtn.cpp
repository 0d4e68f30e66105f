#include "lookups/PopupBtn.h"
#include "common/Db.h"
#include "common/DialogService.h"
#include "lookups/LookupSql.h"
#include "lookups/PopupWnd.h"
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <memory>

namespace {

bool linkControlText(const QWidget* control, QString* text)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        *text = edit->text();
        return true;
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        *text = combo->currentText();
        return true;
    }
    return false;
}

}  // namespace

TPopupBtn::TPopupBtn(QWidget* parent) : TLookupBtn(parent)
{
    setObjectName(QStringLiteral("PopupBtn"));
    setButtonGlyph(glyph());
}

QIcon TPopupBtn::glyph()
{
    // A magnifier over a short list: "look the code up".
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    for (int y : {3, 6, 9})
        p.drawLine(QPointF(1.5, y + 0.5), QPointF(6.5, y + 0.5));
    p.setPen(QPen(QColor(0x10, 0x30, 0x80), 1.6));
    p.setBrush(QColor(0xd8, 0xe8, 0xff));
    p.drawEllipse(QRectF(6.5, 2.5, 7, 7));
    p.setPen(QPen(QColor(0x10, 0x30, 0x80), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.5, 9.5), QPointF(14.8, 14.2));
    p.end();
    return QIcon(pixmap);
}

void TPopupBtn::setSql(const QString& text)
{
    m_sql = LookupSql::splitLines({text});
}

void TPopupBtn::setLinkSql(const QString& text)
{
    m_linkSql = LookupSql::splitLines({text});
}

void TPopupBtn::runLookup()
{
    lookup(false, QString());
}

void TPopupBtn::LinkSearch()
{
    QString text;
    if (!linkControlText(m_linkControl, &text))
        return;
    lookup(true, text);
    raiseClick();
}

void TPopupBtn::lookup(bool link, const QString& linkText)
{
    m_linkMode = link;
    struct BackToFullLookup {
        bool& mode;
        ~BackToFullLookup() { mode = false; }
    } backToFull{m_linkMode};

    auto window = std::make_unique<TfrmPopupWnd>(this->window());
    window->setLookupSql(m_sql);
    window->setColumnTitles(m_columnTitles);
    window->setCaptionSubject(captionSubject());
    window->setColumnWidths(m_columnWidths);
    window->setSqlConnection(m_connectionName);
    window->setStoredStatement(m_storedStatement);

    const QStringList statement = link ? m_linkSql : m_sql;
    QVariantMap values = m_params;
    if (link) {
        // Parameters the screen left open look up the typed text as a prefix.
        const QString sqlText = LookupSql::splitLines(statement).join(QLatin1Char('\n'));
        for (const QString& name : Db::placeholderNames(sqlText)) {
            const QString key = Lookup::paramKey(name);
            if (!values.contains(key))
                values.insert(key, QString(linkText + QLatin1Char('%')));
        }
    }
    window->setParamValues(values);
    window->OpenStatement(statement);
    Lookup::placeWindow(window.get(), m_align, this);

    int result = QDialog::Accepted;
    if (!link || window->rowCount() != 1)
        result = DialogService::instance().execDialog(window.get());

    const QStringList chosen = result == QDialog::Accepted ? window->currentRowTexts() : QStringList();
    if (chosen.isEmpty())
        setOutcome(Lookup::mrCancel, {});
    else
        setOutcome(Lookup::mrOk, chosen);
}
