#pragma once
#include <QList>
#include <QString>
#include <Qt>

class TfrmZZP010;

// The printed note lists: a boxed column header, one ruled line per note
// and, when the list has an amount column, its total at the end.
namespace NotePrint {

struct Column {
    Column(const char* elementName, const char* title, const char* fieldName, double mm,
           Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, const char* numberMask = "")
        : name(QString::fromUtf8(elementName)), caption(QString::fromUtf8(title)), field(QString::fromUtf8(fieldName)),
          width(mm), alignment(align), mask(QString::fromUtf8(numberMask)) {}
    QString name;      // element name
    QString caption;
    QString field;
    double width;      // mm
    Qt::Alignment alignment;
    QString mask;      // a number mask makes the column the summed one
};

// Adds the bands of the list to a layout over the page width given.
void buildTable(TfrmZZP010& layout, const QList<Column>& columns, double width);

}  // namespace NotePrint
