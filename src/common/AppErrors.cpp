#include "common/AppErrors.h"

static QString joinedMessages(const QList<ServerErrorEntry>& entries)
{
    QStringList texts;
    for (const auto& e : entries)
        texts << e.message;
    return texts.join(QLatin1Char('\n'));
}

ServerError::ServerError(QList<ServerErrorEntry> entries)
    : AppError(joinedMessages(entries)), m_entries(std::move(entries))
{
}
