#include "screens/ledgers/LedgerCommon.h"
#include "common/AppErrors.h"
#include "common/ProcCall.h"
#include "common/Transaction.h"
#include "common/WaitWindow.h"
#include "lookups/PopupBtn.h"
#include <QKeyEvent>
#include <QLineEdit>

namespace Ledger {

namespace {

// F1 in a code field opens its lookup.
class LookupKey : public QObject {
public:
    LookupKey(QLineEdit* field, TPopupBtn* button) : QObject(field), m_button(button) { field->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier && m_button->isEnabled()) {
                m_button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TPopupBtn* m_button;
};

}  // namespace

void wireAccountLookup(TPopupBtn* button, QLineEdit* code, QLineEdit* name, bool contains)
{
    button->setSql(QStringList{QStringLiteral("SELECT ACCT_CODE, ACCT_SNAME, P_ACCT_CODE, ACCT_NAME"),
                               QStringLiteral("  FROM VA020MS"),
                               QStringLiteral(" WHERE USE_YN = 'Y' AND SLIP_YN = 'Y'"),
                               QStringLiteral(" ORDER BY ACCT_CODE")});
    button->setLinkSql(QStringList{
        QStringLiteral("SELECT ACCT_CODE, ACCT_SNAME, P_ACCT_CODE, ACCT_NAME"),
        QStringLiteral("  FROM VA020MS"),
        QStringLiteral(" WHERE USE_YN = 'Y' AND SLIP_YN = 'Y'"),
        contains ? QStringLiteral("   AND (ACCT_CODE LIKE '%' || :acc_cd || '%' OR ACCT_SNAME LIKE '%' || :acc_cd || '%')")
                 : QStringLiteral("   AND (ACCT_CODE LIKE :acc_cd || '%' OR UPPER(ACCT_SNAME) LIKE '%' || UPPER(:acc_cd) || '%')"),
        QStringLiteral(" ORDER BY ACCT_CODE")});
    button->setColumnTitles({QStringLiteral("계정코드"), QStringLiteral("계정조회명"), QStringLiteral("상위계정"),
                             QStringLiteral("계정명")});
    button->setColumnWidths({QStringLiteral("8"), QStringLiteral("22"), QStringLiteral("0"), QStringLiteral("22")});
    button->setLinkControl(code);
    new LookupKey(code, button);
    name->setReadOnly(true);
    name->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &TPopupBtn::clicked, code, [button, code, name] {
        if (button->modalResult() != Lookup::mrOk || button->returnValue().value(0).trimmed().isEmpty()) {
            code->clear();
            name->clear();
            return;
        }
        code->setText(button->returnValue().value(0).trimmed());
        name->setText(button->returnValue().value(1).trimmed());
    });
    QObject::connect(code, &QLineEdit::textEdited, name, [name] { name->clear(); });
    QObject::connect(code, &QLineEdit::editingFinished, button, [button, code, name] {
        if (name->text().isEmpty())
            lookUpTypedAccount(button, code);
    });
}

void lookUpTypedAccount(TPopupBtn* button, QLineEdit* code)
{
    const QString text = code->text().trimmed();
    if (text.isEmpty())
        return;
    button->setParam(QStringLiteral("acc_cd"), text);
    button->LinkSearch();
}

QString runLedgerProcedure(const QString& name, const QVariantList& params)
{
    SharedTransaction& tx = SharedTransaction::instance();
    const bool started = tx.start();
    const QString answer = CallProcText(name, params);
    if (ProcResult::isFailure(answer)) {
        if (started)
            tx.rollback();
        throw AppError(answer.mid(1));
    }
    if (started)
        tx.commit();
    return answer;
}

WaitWhile::WaitWhile(const QString& message)
{
    ShowWait(message);
}

WaitWhile::~WaitWhile()
{
    HideWait();
}

QString periodText(const QString& caption, const QDate& from, const QDate& to)
{
    const QString format = QStringLiteral("yyyy년 MM월 dd일");
    return caption + from.toString(format) + QStringLiteral(" - ") + to.toString(format);
}

}  // namespace Ledger
