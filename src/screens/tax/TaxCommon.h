#pragma once
#include <QDate>
#include <QList>
#include <QString>

class QButtonGroup;
class QGroupBox;
class QWidget;

// What the tax-invoice screens share: the business places the company files
// for, the invoice kinds, the supply/tax split of an invoice line, and the
// customer master joined by registration number.
namespace Tax {

// A business place as installed in VE030MS. company is the value of
// VB040MS.COMPANY that selects its rows.
struct Place {
    int order = 0;
    QString company;
    QString placeName;  // "본 사", "운영본부", ...
    QString regNo;      // ten digits
    QString name;       // 상호
    QString bossName;   // 대표자
    QString address;
    QString bizType;    // 업태
    QString bizItem;    // 종목
    QString taxOffice;  // three digits
};

// Every installed place in its order of choice.
QList<Place> Places();
// The place of a company code; an empty Place when none is installed.
Place PlaceOf(const QString& company);

// A row of radio buttons, one per place (in `companies` order when given,
// else the installed order), each button's property "company" set; the
// first is checked. Framed and titled when a title is given.
QWidget* NewPlaceGroup(QWidget* parent, const QString& name, const QString& title, const QStringList& companies,
                         QButtonGroup** group);
// The company code of the checked button.
QString CheckedCompany(const QButtonGroup* group);

// The split of an invoice line's total into supply price and tax: kinds
// without tax ("5") are all supply; the others carry one eleventh as tax,
// the supply rounded half away from zero.
struct Split {
    qint64 supply = 0;
    qint64 tax = 0;
};
Split SplitTotal(qint64 total, const QString& billType);
// A payment split is accepted when it is all zeros or adds up to the total.
bool PaymentAgrees(qint64 cash, qint64 cheque, qint64 note, qint64 receivable, qint64 total);

// The customer master with one row per registration number (the first
// registered), for joins on C_NUM that must not count an invoice twice.
inline const QString kCustomerByNumber = QStringLiteral("VA050MS_BY_NUM");

// First and last day of the calendar quarter containing the first day of
// the previous month: the period a quarter's filing is made for.
QDate FilingQuarterStart(const QDate& today);
QDate FilingQuarterEnd(const QDate& today);

// "2026년 10월 01일 " as the official forms print a day; empty for an
// invalid date.
QString FormDayText(const QDate& day);

}  // namespace Tax
