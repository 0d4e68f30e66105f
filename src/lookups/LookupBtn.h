#pragma once
#include <QObject>
#include <QSqlDatabase>
#include <QStringList>
#include <QToolButton>
#include <QVariant>

class QDialog;

namespace Lookup {
Q_NAMESPACE

// Where a lookup window appears relative to the screen or the button's parent.
enum TDialogAlign { daCenter, daTopLeft, daTopRight };
Q_ENUM_NS(TDialogAlign)

// The outcome a screen reads in the button's click event.
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

// Parameter names compare without case and without the leading colon.
QString paramKey(const QString& name);

// Places a lookup window before it is shown.
void placeWindow(QWidget* window, TDialogAlign align, const QWidget* button);

// The connection a lookup reads through: the named one, or the shared one
// when no name was given.
QSqlDatabase connectionFor(const QString& connectionName);

}  // namespace Lookup

using Lookup::TDialogAlign;
using enum Lookup::TDialogAlign;

// What the code and the department lookup buttons share: the properties the
// screen sets before the click, the result it reads in the click event, and
// the rule that the lookup runs before the screen's own click handler.
//
// The button's clicked() signal is the click event of the screens: the
// lookup is connected first, so by the time a screen's slot runs the window
// has closed and ModalResult/ReturnValue hold the outcome. Code that opens
// the lookup (F1 in the linked field) calls click().
class TLookupBtn : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(QStringList ColumnTitles READ columnTitles WRITE setColumnTitles)
    Q_PROPERTY(QStringList ColumnWidths READ columnWidths WRITE setColumnWidths)
    Q_PROPERTY(Lookup::TDialogAlign ReferDialogAlign READ referDialogAlign WRITE setReferDialogAlign)
    Q_PROPERTY(QStringList ReturnValue READ returnValue)
    Q_PROPERTY(int ModalResult READ modalResult)
    Q_PROPERTY(QString SQLConnection READ sqlConnection WRITE setSqlConnection)

public:
    explicit TLookupBtn(QWidget* parent = nullptr);

    QStringList columnTitles() const { return m_columnTitles; }
    void setColumnTitles(const QStringList& titles) { m_columnTitles = titles; }
    QStringList columnWidths() const { return m_columnWidths; }
    void setColumnWidths(const QStringList& widths) { m_columnWidths = widths; }
    // What the lookup is about (a management item's name): columns without a
    // title of their own are captioned from it and their field names.
    QString captionSubject() const { return m_captionSubject; }
    void setCaptionSubject(const QString& subject) { m_captionSubject = subject; }
    TDialogAlign referDialogAlign() const { return m_align; }
    void setReferDialogAlign(TDialogAlign align) { m_align = align; }

    QStringList returnValue() const { return m_returnValue; }
    int modalResult() const { return m_modalResult; }

    // Values assigned by name to the lookup statement's parameters.
    void setParam(const QString& name, const QVariant& value);
    QVariant param(const QString& name) const;
    bool hasParam(const QString& name) const;
    void removeParam(const QString& name);
    void clearParams() { m_params.clear(); }
    // Keys are upper case names without the colon.
    QVariantMap params() const { return m_params; }

    // Connection name; empty means the shared connection of the program.
    QString sqlConnection() const { return m_connectionName; }
    void setSqlConnection(const QString& connectionName) { m_connectionName = connectionName; }

protected:
    // Runs the lookup of the button; called on every click before the
    // screen's handlers.
    virtual void runLookup() = 0;
    // Emits the click event for a lookup started from code (LinkSearch).
    void raiseClick();

    void setOutcome(int modalResult, const QStringList& returnValue);
    void setButtonGlyph(const QIcon& glyph);

    QStringList m_columnTitles;
    QStringList m_columnWidths;
    QString m_captionSubject;
    TDialogAlign m_align = daCenter;
    QVariantMap m_params;
    QString m_connectionName;

private:
    void ownClick();
    QStringList m_returnValue;
    int m_modalResult = Lookup::mrCancel;
    bool m_raising = false;
};
