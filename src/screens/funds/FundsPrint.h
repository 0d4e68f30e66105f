#pragma once
#include "framework/print/BandedReport.h"
#include <QList>
#include <QString>

// The tabular print layouts of the funds screens: a boxed column header on
// every page, one detail line per row, and total lines (per group or for the
// whole report) that sum the amount columns.
namespace FundsPrint {

struct Column {
    QString field;    // empty: a column left blank (비고)
    QString caption;
    double width;     // mm
    QString mask;     // number mask of an amount column; empty for text
};

class Table {
public:
    Table(BandedReport& report, const QList<Column>& columns, double rowHeight = 5.5, double fontSize = 8.5);

    Band* header() const { return m_header; }
    Band* detail() const { return m_detail; }
    // A line with the caption across the first `captionColumns` columns and
    // the sums of the amount columns named in `sumFields`: over the rows of
    // the group that ends at the band's row when groupField is given (a group
    // footer), otherwise over every row (the summary).
    void addTotals(Band* band, const QString& caption, int captionColumns, const QStringList& sumFields,
                   const QString& groupField = QString()) const;

private:
    double left(int column) const;
    QList<Column> m_columns;
    double m_rowHeight;
    Band* m_header;
    Band* m_detail;
};

}  // namespace FundsPrint
