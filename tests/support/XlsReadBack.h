#pragma once
// Reads a written spreadsheet file back for the screen and grid export tests:
// every record is checked for its kind and length, and the cells are read
// with FreeXL.
#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <freexl.h>

namespace XlsReadBack {

struct Cell {
    enum Type { Empty, Text, Number };
    Type type = Empty;
    QString text;
    double number = 0;
};

struct Sheet {
    QString error;           // empty when the file was read
    QList<quint16> records;  // record types in file order
    int rows = 0;
    int columns = 0;
    QHash<quint64, Cell> cells;

    Cell at(int row, int column) const { return cells.value((quint64(row) << 16) | quint64(column)); }
};

inline quint16 le16(const QByteArray& bytes, qsizetype at)
{
    return quint16(quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8));
}

// Walks the records (each must be one of the four kinds, with a length that
// fits) and reads the cells with FreeXL. FreeXL reads a bare record stream
// only when it starts with an older beginning-of-file record, and needs to be
// told the code page; so the copy it reads has the first record swapped for
// those two, and every cell record exactly as written.
inline Sheet readSheet(const QString& path)
{
    Sheet sheet;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        sheet.error = QStringLiteral("cannot open");
        return sheet;
    }
    const QByteArray bytes = file.readAll();
    qsizetype at = 0;
    while (at + 4 <= bytes.size()) {
        const quint16 type = le16(bytes, at);
        const quint16 length = le16(bytes, at + 2);
        if (type != 0x0809 && type != 0x0204 && type != 0x0203 && type != 0x000A) {
            sheet.error = QStringLiteral("unexpected record %1 at %2").arg(type, 0, 16).arg(at);
            return sheet;
        }
        if (at + 4 + length > bytes.size()) {
            sheet.error = QStringLiteral("record overruns the file at %1").arg(at);
            return sheet;
        }
        if (type == 0x0204 && le16(bytes, at + 10) + 8 != length) {
            sheet.error = QStringLiteral("text length does not match the record at %1").arg(at);
            return sheet;
        }
        sheet.records << type;
        at += 4 + length;
    }
    if (at != bytes.size()) {
        sheet.error = QStringLiteral("trailing bytes");
        return sheet;
    }
    if (sheet.records.isEmpty() || sheet.records.first() != 0x0809 || sheet.records.last() != 0x000A
        || sheet.records.count(0x0809) != 1 || sheet.records.count(0x000A) != 1) {
        sheet.error = QStringLiteral("beginning or end of file misplaced");
        return sheet;
    }

    QByteArray legacy;
    const char bof4[] = {'\x09', '\x04', '\x06', '\x00', '\x00', '\x00', '\x10', '\x00', '\x00', '\x00'};
    const char codepage[] = {'\x42', '\x00', '\x02', '\x00', '\xB5', '\x03'};  // 949
    legacy.append(bof4, sizeof bof4).append(codepage, sizeof codepage).append(bytes.mid(12));
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.xls"));
    QFile out(copy);
    if (!out.open(QIODevice::WriteOnly) || out.write(legacy) != legacy.size()) {
        sheet.error = QStringLiteral("cannot write the copy");
        return sheet;
    }
    out.close();

    const void* handle = nullptr;
    int rc = freexl_open(copy.toLocal8Bit().constData(), &handle);
    if (rc != FREEXL_OK) {
        sheet.error = QStringLiteral("freexl_open: %1").arg(rc);
        return sheet;
    }
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(handle, 0) != FREEXL_OK
        || freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK) {
        freexl_close(handle);
        sheet.error = QStringLiteral("no worksheet");
        return sheet;
    }
    sheet.rows = int(rows);
    sheet.columns = columns;
    for (unsigned int r = 0; r < rows; ++r) {
        for (unsigned short c = 0; c < columns; ++c) {
            FreeXL_CellValue value;
            if (freexl_get_cell_value(handle, r, c, &value) != FREEXL_OK)
                continue;
            Cell cell;
            switch (value.type) {
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
                cell.type = Cell::Text;
                cell.text = QString::fromUtf8(value.value.text_value);
                break;
            case FREEXL_CELL_INT:
                cell.type = Cell::Number;
                cell.number = value.value.int_value;
                break;
            case FREEXL_CELL_DOUBLE:
                cell.type = Cell::Number;
                cell.number = value.value.double_value;
                break;
            default:
                continue;
            }
            sheet.cells.insert((quint64(r) << 16) | quint64(c), cell);
        }
    }
    freexl_close(handle);
    return sheet;
}

}  // namespace XlsReadBack
