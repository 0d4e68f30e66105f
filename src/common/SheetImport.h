#pragma once
#include "common/AppErrors.h"
#include <QList>
#include <QString>
#include <QStringList>

// Reads the first worksheet of a spreadsheet file as text cells, for screens
// that take rows from a file users keep in a spreadsheet program. Binary
// workbooks (.xls) are read through FreeXL, Office Open XML workbooks (.xlsx)
// through the zip reader and Qt's XML stream reader. The kind is told by the
// file's first bytes, not by its name.
//
// Cells come as stored, without formatting: texts as they are, whole numbers
// without a decimal part ("100001"), other numbers in their shortest form.
// Dates of a binary workbook read "YYYY-MM-DD"; an Open XML workbook keeps
// dates as numbers, and they come as such. Empty cells are empty text.
namespace SheetImport {

// A file that cannot be read as a spreadsheet.
class SheetError : public AppError {
public:
    using AppError::AppError;
    QString kindName() const override { return QStringLiteral("ESheetError"); }
};

struct Sheet {
    // rows[0] is the sheet's first row; every row has columnCount cells.
    QList<QStringList> rows;
    int columnCount = 0;

    // 1-based row and column, as the spreadsheet program numbers them;
    // empty text outside the used range.
    QString cell(int row, int column) const;
    int rowCount() const { return int(rows.size()); }
};

// Raises SheetError naming the file when it is missing, not a workbook of
// either kind, or damaged.
Sheet ReadFirstSheet(const QString& path);

// "A", "B", ... "Z", "AA": the column letters of a 1-based column number.
QString ColumnLetters(int column);

}  // namespace SheetImport
