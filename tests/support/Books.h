#pragma once
#include <QString>
#include <QVariantList>

// The engine's calls as the screens make them, for tests that move the
// books: each in a transaction of its own, committed on success and rolled
// back on a refusal (or on an error, which goes on to the test).
namespace Books {

inline const QString kFinance = QStringLiteral("2003");  // 박재무: finance approval authority

// Confirms ('1') or cancels ('2') a slip: DEF_CONFDATE, then PR_JOURNALMAIN.
QString journalize(const QString& flag, const QString& slipNo, const QString& day, const QString& emp = kFinance);
// A procedure answering 'T…' or 'E…'.
QString committed(const QString& function, const QVariantList& params);
// Switches the history of the slip tables off (bulk-written generated books
// are nobody's changes) and on again.
void pauseSlipHistory(bool paused);

}  // namespace Books
