#include "common/Transaction.h"
#include "common/Db.h"
#include <QSqlError>

SharedTransaction& SharedTransaction::instance()
{
    static SharedTransaction transaction;
    return transaction;
}

bool SharedTransaction::start()
{
    if (m_open)
        return false;
    QSqlDatabase db = Db::connection();
    if (!db.transaction())
        Db::raise(db.lastError());
    m_open = true;
    return true;
}

void SharedTransaction::commit()
{
    if (!m_open)
        return;
    QSqlDatabase db = Db::connection();
    m_open = false;
    // A commit the server refuses (a deferred check) has already ended the
    // transaction there.
    if (!db.commit())
        Db::raise(db.lastError());
}

void SharedTransaction::rollback()
{
    if (!m_open)
        return;
    m_open = false;
    Db::connection().rollback();
}
