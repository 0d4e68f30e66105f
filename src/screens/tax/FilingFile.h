#pragma once
#include "screens/tax/TaxCommon.h"
#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// The electronic filing file of the quarterly summaries of tax invoices by
// customer and by supplier: fixed records of 170 CP949 bytes, each ended by
// CR LF. The figures are read into a Content, turned into records of named
// fields, checked and encoded whole in memory, and only a file that passed
// every check is written, under a temporary name renamed at the end.
namespace Filing {

// Four figures of a totals group.
struct Figures {
    qint64 count = 0;   // counterparts
    qint64 volume = 0;  // invoice sheets
    qint64 supply = 0;
    qint64 tax = 0;
    Figures& operator+=(const Figures& other);
};

// One counterpart of a section.
struct Detail {
    QString cNum;     // as kept, with dashes
    QString name;
    QString bizType;  // 업태 (the customer's C_ITEM)
    QString bizItem;  // 종목 (the customer's C_TYPE)
    qint64 volume = 0;
    qint64 supply = 0;
    qint64 tax = 0;
};

struct Section {
    bool sales = true;
    QList<Detail> details;
    Figures first;   // kind 6 / kinds 2, 3, 4
    Figures second;  // kind 66 / kinds 22, 33, 44
    Figures kind7;   // sales only
};

enum Sections { SalesOnly = 1, PurchasesOnly = 2, Both = 3 };

struct Content {
    Tax::Place place;
    QDate from;
    QDate to;
    QDate writing;
    int sections = Both;
    Section sales;
    Section purchases;
};

// The figures of the place's confirmed tax-invoice rows for the period.
Content Read(const Tax::Place& place, const QDate& from, const QDate& to, const QDate& writing, int sections);

// A field of a record: N digits padded with "0" on the left, C text padded
// with blanks on the right, B blanks, L a literal of its own width, H the
// header's registration number (blank-padded on the left), Z digits padded
// with "0" on the right.
struct Field {
    char kind;
    int width;
    QString name;   // as the user knows it, for the messages
    QString value;
};
struct Record {
    QString name;   // which record, for the messages ("매출 명세 3번째 (123-45-67890)")
    QList<Field> fields;
};

QList<Record> Records(const Content& content);

// The whole file, or the reason there can be none ("…: 필드 …").
struct Encoded {
    QByteArray bytes;
    QString error;
    bool ok() const { return error.isEmpty(); }
};
Encoded Encode(const Content& content);

// The names the save dialog proposes.
QString FullFileName(const Tax::Place& place);
QString SectionFileName(const Tax::Place& place, const QDate& writing);

// Writes the bytes under a temporary name beside path and renames it; a
// failure leaves any earlier file of that name as it was. Raises AppError.
void WriteFile(const QString& path, const QByteArray& bytes);

}  // namespace Filing
