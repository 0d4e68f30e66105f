#include "screens/tax/TaxCommon.h"
#include "common/DateUtil.h"
#include "common/Query.h"
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSqlQuery>

namespace Tax {

QList<Place> Places()
{
    QList<Place> places;
    QSqlQuery q = RunQuery(QStringLiteral("SELECT PLACE_ORD, COMPANY, PLACE_NAME, REG_NO, C_NAME, BOSS_NAME, ADDR, C_TYPE,"
                                          " C_ITEM, TAX_OFFICE FROM VE030MS ORDER BY PLACE_ORD"));
    while (q.next()) {
        Place p;
        p.order = q.value(0).toInt();
        p.company = q.value(1).toString();
        p.placeName = q.value(2).toString();
        p.regNo = q.value(3).toString();
        p.name = q.value(4).toString();
        p.bossName = q.value(5).toString();
        p.address = q.value(6).toString();
        p.bizType = q.value(7).toString();
        p.bizItem = q.value(8).toString();
        p.taxOffice = q.value(9).toString();
        places << p;
    }
    return places;
}

Place PlaceOf(const QString& company)
{
    for (const Place& p : Places()) {
        if (p.company == company)
            return p;
    }
    return Place();
}

QWidget* NewPlaceGroup(QWidget* parent, const QString& name, const QString& title, const QStringList& companies,
                       QButtonGroup** group)
{
    QList<Place> places = Places();
    if (!companies.isEmpty()) {
        QList<Place> chosen;
        for (const QString& company : companies) {
            for (const Place& p : places) {
                if (p.company == company)
                    chosen << p;
            }
        }
        places = chosen;
    }
    QWidget* box = title.isEmpty() ? new QWidget(parent) : new QGroupBox(title, parent);
    box->setObjectName(name);
    auto* layout = new QHBoxLayout(box);
    if (title.isEmpty())
        layout->setContentsMargins(0, 0, 0, 0);
    *group = new QButtonGroup(box);
    for (int i = 0; i < places.size(); ++i) {
        auto* b = new QRadioButton(places[i].placeName, box);
        b->setObjectName(QStringLiteral("rbPlace") + places[i].company);
        b->setProperty("company", places[i].company);
        b->setChecked(i == 0);
        layout->addWidget(b);
        (*group)->addButton(b, i);
    }
    return box;
}

QString CheckedCompany(const QButtonGroup* group)
{
    const QAbstractButton* b = group->checkedButton();
    return b ? b->property("company").toString() : QString();
}

Split SplitTotal(qint64 total, const QString& billType)
{
    if (billType == QLatin1String("5"))
        return {total, 0};
    // total / 1.1 = total * 10 / 11, rounded half away from zero in whole won
    const qint64 magnitude = total < 0 ? -total : total;
    qint64 supply = (magnitude * 10 * 2 + 11) / 22;
    if (total < 0)
        supply = -supply;
    return {supply, total - supply};
}

bool PaymentAgrees(qint64 cash, qint64 cheque, qint64 note, qint64 receivable, qint64 total)
{
    const qint64 paid = cash + cheque + note + receivable;
    return paid == 0 || paid == total;
}

QDate FilingQuarterStart(const QDate& today)
{
    return FirstDayOfQuarter(FirstDayOfMonth(today).addMonths(-1));
}

QDate FilingQuarterEnd(const QDate& today)
{
    return LastDayOfQuarter(FirstDayOfMonth(today).addMonths(-1));
}

QString FormDayText(const QDate& day)
{
    if (!day.isValid())
        return QString();
    return day.toString(QStringLiteral("yyyy")) + QStringLiteral("년 ") + day.toString(QStringLiteral("MM"))
           + QStringLiteral("월 ") + day.toString(QStringLiteral("dd")) + QStringLiteral("일 ");
}

}  // namespace Tax
