#include "framework/DateRange.h"
#include <QDateEdit>

void LinkDateRange(QDateEdit* from, QDateEdit* to)
{
    QObject::connect(from, &QDateEdit::dateChanged, to, [from, to](const QDate& day) {
        if (day > to->date())
            to->setDate(from->date());
    });
    QObject::connect(to, &QDateEdit::dateChanged, from, [from, to](const QDate& day) {
        if (day < from->date())
            from->setDate(to->date());
    });
}
