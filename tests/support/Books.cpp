#include "support/Books.h"
#include "common/ProcCall.h"
#include "common/Transaction.h"
#include "support/TestDb.h"

namespace Books {

namespace {

template <typename Work>
QString inTransaction(Work work)
{
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    QString answer;
    try {
        answer = work();
    } catch (...) {
        tx.rollback();
        throw;
    }
    if (ProcResult::isFailure(answer))
        tx.rollback();
    else
        tx.commit();
    return answer;
}

}  // namespace

QString journalize(const QString& flag, const QString& slipNo, const QString& day, const QString& emp)
{
    return inTransaction([&] {
        QString answer = CallProcText(QStringLiteral("pk_v_journalize.def_confdate"), {flag, slipNo, day, emp});
        if (!ProcResult::isFailure(answer))
            answer = CallProcText(QStringLiteral("pk_v_journalize.pr_journalmain"), {flag, slipNo, day, emp});
        return answer;
    });
}

QString committed(const QString& function, const QVariantList& params)
{
    return inTransaction([&] { return CallProcText(function, params); });
}

void pauseSlipHistory(bool paused)
{
    for (const char* table : {"vb010ms", "vb011ms", "vb011dt"})
        TestDb::ownerExec(QStringLiteral("ALTER TABLE %1 %2 TRIGGER zz_history")
                              .arg(QLatin1String(table), paused ? QStringLiteral("DISABLE") : QStringLiteral("ENABLE")));
}

}  // namespace Books
