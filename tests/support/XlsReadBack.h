#pragma once
// Reads a written spreadsheet file back for the export tests, the way other
// programs read it: the record structure is checked here, and the cells are
// read by independent readers at their default settings, from the file as
// written (nothing is patched first):
//   - Debian's python3-xlrd, always (a test fails when it is missing);
//   - LibreOffice converting to CSV under the C locale, where installed.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

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
    quint16 version = 0;     // of the first beginning-of-file record
    int codePage = 0;        // of the code-page record, 0 without one
    QString readerLog;       // what xlrd had to say while reading
    int rows = 0;
    int columns = 0;
    QHash<quint64, Cell> cells;

    Cell at(int row, int column) const { return cells.value((quint64(row) << 16) | quint64(column)); }
};

inline quint16 le16(const QByteArray& bytes, qsizetype at)
{
    return quint16(quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8));
}

inline quint32 le32(const QByteArray& bytes, qsizetype at)
{
    return quint32(le16(bytes, at)) | (quint32(le16(bytes, at + 2)) << 16);
}

// The records of a workbook stream: the workbook part (beginning of file,
// code page, the sheet, end of file), then the sheet (beginning of file, its
// extent, text and number cells, end of file). Returns an empty text when
// every record is of a known kind, has a length that fits and sits where it
// belongs.
inline QString checkRecords(const QByteArray& bytes, Sheet& sheet)
{
    qsizetype at = 0;
    QList<qsizetype> bofAt;
    quint32 sheetOffset = 0;
    while (at + 4 <= bytes.size()) {
        const quint16 type = le16(bytes, at);
        const quint16 length = le16(bytes, at + 2);
        if (at + 4 + length > bytes.size())
            return QStringLiteral("record overruns the file at %1").arg(at);
        switch (type) {
        case 0x0809:
            if (length != 16)
                return QStringLiteral("beginning of file of length %1 at %2").arg(length).arg(at);
            if (bofAt.isEmpty())
                sheet.version = le16(bytes, at + 4);
            bofAt << at;
            break;
        case 0x0042:
            sheet.codePage = le16(bytes, at + 4);
            break;
        case 0x0085:
            sheetOffset = le32(bytes, at + 4);
            break;
        case 0x0204: {
            const int units = le16(bytes, at + 10);
            const int wide = quint8(bytes[at + 12]) & 1;
            if (9 + units * (wide ? 2 : 1) != length)
                return QStringLiteral("text length does not match the record at %1").arg(at);
            break;
        }
        case 0x0203:
            if (length != 14)
                return QStringLiteral("number record of length %1 at %2").arg(length).arg(at);
            break;
        case 0x0200:
        case 0x000A:
            break;
        default:
            return QStringLiteral("unexpected record %1 at %2").arg(type, 0, 16).arg(at);
        }
        sheet.records << type;
        at += 4 + length;
    }
    if (at != bytes.size())
        return QStringLiteral("trailing bytes");
    const QList<quint16> expectedStart{0x0809, 0x0042, 0x0085, 0x000A, 0x0809, 0x0200};
    if (sheet.records.mid(0, 6) != expectedStart || sheet.records.last() != 0x000A || sheet.records.count(0x0809) != 2
        || sheet.records.count(0x000A) != 2)
        return QStringLiteral("workbook and sheet records misplaced");
    if (bofAt.size() != 2 || qsizetype(sheetOffset) != bofAt[1])
        return QStringLiteral("the sheet is not where the workbook says");
    return QString();
}

// Reads the first sheet with xlrd; fills rows, columns, cells and the log.
inline QString readWithXlrd(const QString& path, Sheet& sheet)
{
    static const char* const script = R"(
import io, json, sys
try:
    import xlrd
except ImportError:
    sys.stdout.write(json.dumps({"error": "python3-xlrd is not installed"}))
    sys.exit(0)
log = io.StringIO()
try:
    book = xlrd.open_workbook(sys.argv[1], logfile=log)
    sh = book.sheet_by_index(0)
    cells = []
    for r in range(sh.nrows):
        for c, cell in enumerate(sh.row(r)):
            if cell.ctype == xlrd.XL_CELL_TEXT:
                cells.append([r, c, 1, cell.value])
            elif cell.ctype == xlrd.XL_CELL_NUMBER:
                cells.append([r, c, 2, cell.value])
    out = {"rows": sh.nrows, "columns": sh.ncols, "cells": cells, "log": log.getvalue()}
except Exception as e:
    out = {"error": "%s: %s" % (type(e).__name__, e), "log": log.getvalue()}
sys.stdout.write(json.dumps(out))
)";
    QProcess python;
    // Debian's interpreter, where python3-xlrd installs, whatever else is
    // first on the path.
    const QString interpreter = QFileInfo::exists(QStringLiteral("/usr/bin/python3"))
        ? QStringLiteral("/usr/bin/python3")
        : QStringLiteral("python3");
    python.start(interpreter, {QStringLiteral("-c"), QString::fromUtf8(script), path});
    if (!python.waitForFinished(120000) || python.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("xlrd did not finish: %1").arg(QString::fromUtf8(python.readAllStandardError()));
    const QJsonObject out = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    sheet.readerLog = out.value(QStringLiteral("log")).toString();
    if (out.isEmpty())
        return QStringLiteral("xlrd: %1").arg(QString::fromUtf8(python.readAllStandardError()));
    if (out.contains(QStringLiteral("error")))
        return QStringLiteral("xlrd: ") + out.value(QStringLiteral("error")).toString();
    sheet.rows = out.value(QStringLiteral("rows")).toInt();
    sheet.columns = out.value(QStringLiteral("columns")).toInt();
    for (const QJsonValue& v : out.value(QStringLiteral("cells")).toArray()) {
        const QJsonArray c = v.toArray();
        Cell cell;
        if (c.at(2).toInt() == 1) {
            cell.type = Cell::Text;
            cell.text = c.at(3).toString();
        } else {
            cell.type = Cell::Number;
            cell.number = c.at(3).toDouble();
        }
        sheet.cells.insert((quint64(c.at(0).toInt()) << 16) | quint64(c.at(1).toInt()), cell);
    }
    return QString();
}

inline Sheet readSheet(const QString& path)
{
    Sheet sheet;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        sheet.error = QStringLiteral("cannot open");
        return sheet;
    }
    sheet.error = checkRecords(file.readAll(), sheet);
    if (sheet.error.isEmpty())
        sheet.error = readWithXlrd(path, sheet);
    return sheet;
}

inline QString libreOfficeProgram()
{
    for (const char* name : {"libreoffice", "soffice"}) {
        const QString found = QStandardPaths::findExecutable(QLatin1String(name));
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

// The rows of a simple CSV text: comma-separated, fields with commas, quotes
// or line breaks quoted, quotes doubled.
inline QList<QStringList> parseCsv(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << field;
            field.clear();
        } else if (c == u'\n') {
            row << field;
            field.clear();
            rows << row;
            row.clear();
        } else if (c != u'\r') {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty())
        rows << (row << field);
    return rows;
}

// LibreOffice's reading of the file: converted to CSV by a headless run
// under the C locale (the CSV itself is written in UTF-8 so that what
// LibreOffice read comes back unchanged). Empty with an error text when the
// conversion failed.
inline QList<QStringList> readWithLibreOffice(const QString& path, QString* error)
{
    QTemporaryDir work;
    const QString profile = work.filePath(QStringLiteral("profile"));
    const QString outDir = work.filePath(QStringLiteral("out"));
    QDir().mkpath(outDir);
    QProcess office;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    env.insert(QStringLiteral("HOME"), work.path());
    office.setProcessEnvironment(env);
    office.start(libreOfficeProgram(),
                 {QStringLiteral("--headless"), QStringLiteral("--norestore"),
                  QStringLiteral("-env:UserInstallation=file://") + profile, QStringLiteral("--convert-to"),
                  QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"), QStringLiteral("--outdir"), outDir, path});
    if (!office.waitForFinished(300000)) {
        office.kill();
        *error = QStringLiteral("LibreOffice did not finish");
        return {};
    }
    QFile csv(QDir(outDir).filePath(QFileInfo(path).completeBaseName() + QStringLiteral(".csv")));
    if (!csv.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("LibreOffice wrote no CSV: %1 %2")
                     .arg(QString::fromUtf8(office.readAllStandardOutput()), QString::fromUtf8(office.readAllStandardError()));
        return {};
    }
    return parseCsv(QString::fromUtf8(csv.readAll()));
}

}  // namespace XlsReadBack
