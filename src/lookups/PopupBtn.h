#pragma once
#include "lookups/LookupBtn.h"
#include <QPointer>

class TfrmPopupWnd;

// The small button beside a code field. Clicking it (or click() from code,
// e.g. F1 in the field) lists the rows of SQL in the code search window;
// LinkSearch looks the typed text up with LinkSQL and accepts a single match
// without showing anything. Either way the clicked() signal follows, and the
// screen's handler reads ModalResult (Lookup::mrOk when a row was chosen)
// and ReturnValue (one text per result column, " " for a null).
//
//   pbtAcct->setSql({"SELECT ACCT_CODE, ACCT_NAME", "  FROM VA020MS", " WHERE USE_YN = 'Y'",
//                    " ORDER BY ACCT_CODE"});
//   pbtAcct->setLinkSql({"SELECT ACCT_CODE, ACCT_NAME", "  FROM VA020MS",
//                        " WHERE ACCT_CODE LIKE :acc_cd"});
//   pbtAcct->setColumnTitles({"계정코드", "계정명"});
//   pbtAcct->setColumnWidths({"8", "30"});
//   pbtAcct->setLinkControl(edtAcctCode);
//   connect(pbtAcct, &TPopupBtn::clicked, this, [this] {
//       if (pbtAcct->modalResult() != Lookup::mrOk) return;
//       edtAcctCode->setText(pbtAcct->returnValue().at(0).trimmed());
//       edtAcctName->setText(pbtAcct->returnValue().at(1).trimmed());
//   });
//   // on leaving edtAcctCode with text: pbtAcct->LinkSearch();
class TPopupBtn : public TLookupBtn {
    Q_OBJECT
    Q_PROPERTY(QStringList SQL READ sql WRITE setSql)
    Q_PROPERTY(QStringList LinkSQL READ linkSql WRITE setLinkSql)
    Q_PROPERTY(QWidget* LinkControl READ linkControl WRITE setLinkControl)

public:
    explicit TPopupBtn(QWidget* parent = nullptr);

    // The statement as lines; an entry may also hold several lines.
    QStringList sql() const { return m_sql; }
    void setSql(const QStringList& lines) { m_sql = lines; }
    void setSql(const QString& text);
    QStringList linkSql() const { return m_linkSql; }
    void setLinkSql(const QStringList& lines) { m_linkSql = lines; }
    void setLinkSql(const QString& text);

    // Set when the statements are data that users keep (a management item's
    // value list): they then run under the stored-statement guard.
    bool storedStatement() const { return m_storedStatement; }
    void setStoredStatement(bool stored) { m_storedStatement = stored; }

    // An edit or a combo box (also their data-bound kinds).
    QWidget* linkControl() const { return m_linkControl; }
    void setLinkControl(QWidget* control) { m_linkControl = control; }

    // Prefix lookup of the link control's text. Does nothing (no window, no
    // click event, ReturnValue kept) when the link control is not an edit or
    // a combo box.
    void LinkSearch();

    // True while a lookup started by LinkSearch is running.
    bool inLinkSearch() const { return m_linkMode; }

    // The glyph of the button.
    static QIcon glyph();

protected:
    void runLookup() override;

private:
    void lookup(bool link, const QString& linkText);

    QStringList m_sql;
    QStringList m_linkSql;
    QPointer<QWidget> m_linkControl;
    bool m_linkMode = false;
    bool m_storedStatement = false;
};
