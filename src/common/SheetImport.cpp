#include "common/SheetImport.h"
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>
#include <cmath>
#include <freexl.h>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

namespace SheetImport {

namespace {

QString numberText(double value)
{
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15);
}

[[noreturn]] void fail(const QString& path, const QString& why)
{
    throw SheetError(QStringLiteral("스프레드시트 파일을 읽을 수 없습니다.\r%1\r%2")
                         .arg(QFileInfo(path).fileName(), why));
}

void setCell(Sheet& sheet, int row, int column, const QString& text)
{
    if (text.isEmpty())
        return;
    while (sheet.rows.size() < row)
        sheet.rows.append(QStringList());
    QStringList& cells = sheet.rows[row - 1];
    while (cells.size() < column)
        cells.append(QString());
    cells[column - 1] = text;
    sheet.columnCount = std::max(sheet.columnCount, column);
}

void squareUp(Sheet& sheet)
{
    for (QStringList& cells : sheet.rows)
        while (cells.size() < sheet.columnCount)
            cells.append(QString());
}

// --- .xls -------------------------------------------------------------------------

Sheet readXls(const QString& path)
{
    const void* handle = nullptr;
    const QByteArray name = QFile::encodeName(path);
    int rc = freexl_open(name.constData(), &handle);
    // FreeXL asks for its handle to be closed on failure as well.
    struct Closer {
        const void*& h;
        ~Closer()
        {
            if (h)
                freexl_close(h);
        }
    } closer{handle};
    if (rc != FREEXL_OK)
        fail(path, QStringLiteral("Excel 통합 문서가 아닙니다. (FreeXL %1)").arg(rc));
    rc = freexl_select_active_worksheet(handle, 0);
    if (rc != FREEXL_OK)
        fail(path, QStringLiteral("첫 번째 시트가 없습니다. (FreeXL %1)").arg(rc));
    unsigned int rows = 0;
    unsigned short columns = 0;
    rc = freexl_worksheet_dimensions(handle, &rows, &columns);
    if (rc != FREEXL_OK)
        fail(path, QStringLiteral("시트의 크기를 읽을 수 없습니다. (FreeXL %1)").arg(rc));
    Sheet sheet;
    for (unsigned int r = 0; r < rows; ++r) {
        for (unsigned short c = 0; c < columns; ++c) {
            FreeXL_CellValue value;
            rc = freexl_get_cell_value(handle, r, c, &value);
            if (rc != FREEXL_OK)
                fail(path, QStringLiteral("%1%2 셀을 읽을 수 없습니다. (FreeXL %3)")
                               .arg(ColumnLetters(c + 1)).arg(r + 1).arg(rc));
            QString text;
            switch (value.type) {
            case FREEXL_CELL_INT:
                text = QString::number(value.value.int_value);
                break;
            case FREEXL_CELL_DOUBLE:
                text = numberText(value.value.double_value);
                break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME:
                text = QString::fromUtf8(value.value.text_value);
                break;
            default:
                break;
            }
            setCell(sheet, int(r) + 1, int(c) + 1, text);
        }
    }
    squareUp(sheet);
    return sheet;
}

// --- .xlsx ------------------------------------------------------------------------

QByteArray zipEntry(QuaZip& zip, const QString& entry, const QString& path, bool required = true)
{
    if (!zip.setCurrentFile(entry)) {
        if (required)
            fail(path, QStringLiteral("통합 문서에 %1이(가) 없습니다.").arg(entry));
        return QByteArray();
    }
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, QStringLiteral("%1을(를) 풀 수 없습니다.").arg(entry));
    QByteArray bytes = file.readAll();
    file.close();
    if (file.getZipError() != UNZ_OK)
        fail(path, QStringLiteral("%1이(가) 손상되었습니다.").arg(entry));
    return bytes;
}

void xmlFailed(const QXmlStreamReader& xml, const QString& entry, const QString& path)
{
    if (xml.hasError())
        fail(path, QStringLiteral("%1: %2").arg(entry, xml.errorString()));
}

// The part name of the first sheet in workbook order.
QString firstSheetPart(QuaZip& zip, const QString& path)
{
    const QString workbook = QStringLiteral("xl/workbook.xml");
    QXmlStreamReader xml(zipEntry(zip, workbook, path));
    QString relation;
    while (!xml.atEnd() && relation.isEmpty()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("sheet")) {
            for (const QXmlStreamAttribute& a : xml.attributes())
                if (a.name() == QLatin1String("id") && a.namespaceUri().toString().contains(QLatin1String("relationships")))
                    relation = a.value().toString();
        }
    }
    xmlFailed(xml, workbook, path);
    if (relation.isEmpty())
        fail(path, QStringLiteral("통합 문서에 시트가 없습니다."));

    const QString rels = QStringLiteral("xl/_rels/workbook.xml.rels");
    QXmlStreamReader links(zipEntry(zip, rels, path));
    while (!links.atEnd()) {
        if (links.readNext() == QXmlStreamReader::StartElement && links.name() == QLatin1String("Relationship")
            && links.attributes().value(QLatin1String("Id")) == relation) {
            QString target = links.attributes().value(QLatin1String("Target")).toString();
            if (target.startsWith(QLatin1Char('/')))
                return target.mid(1);
            return QStringLiteral("xl/") + target;
        }
    }
    xmlFailed(links, rels, path);
    fail(path, QStringLiteral("첫 번째 시트를 찾을 수 없습니다."));
}

// The text of an <si> or <is> element: its <t> runs joined (phonetic runs
// left out).
QString richText(QXmlStreamReader& xml)
{
    const QString outer = xml.name().toString();
    QString text;
    int phonetic = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("rPh"))
                ++phonetic;
            else if (xml.name() == QLatin1String("t") && phonetic == 0)
                text += xml.readElementText();
        } else if (token == QXmlStreamReader::EndElement) {
            if (xml.name() == QLatin1String("rPh"))
                --phonetic;
            else if (xml.name() == outer)
                break;
        }
    }
    return text;
}

QStringList sharedStrings(QuaZip& zip, const QString& path)
{
    const QString entry = QStringLiteral("xl/sharedStrings.xml");
    QStringList strings;
    const QByteArray bytes = zipEntry(zip, entry, path, false);
    if (bytes.isEmpty())
        return strings;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si"))
            strings << richText(xml);
    }
    xmlFailed(xml, entry, path);
    return strings;
}

// "B12" -> column 2 (row from the <row> element).
int columnOfReference(QStringView reference)
{
    int column = 0;
    for (const QChar c : reference) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            column = column * 26 + (c.unicode() - 'A' + 1);
        else
            break;
    }
    return column;
}

Sheet readXlsx(const QString& path)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        fail(path, QStringLiteral("zip 형식의 통합 문서를 열 수 없습니다."));
    const QStringList strings = sharedStrings(zip, path);
    const QString part = firstSheetPart(zip, path);
    QXmlStreamReader xml(zipEntry(zip, part, path));
    Sheet sheet;
    int row = 0;
    int column = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("row")) {
            const QStringView r = xml.attributes().value(QLatin1String("r"));
            row = r.isEmpty() ? row + 1 : r.toInt();
            column = 0;
        } else if (xml.name() == QLatin1String("c")) {
            const QStringView reference = xml.attributes().value(QLatin1String("r"));
            column = reference.isEmpty() ? column + 1 : columnOfReference(reference);
            const QString type = xml.attributes().value(QLatin1String("t")).toString();
            QString value;
            QString inlineText;
            while (!xml.atEnd()) {
                const auto token = xml.readNext();
                if (token == QXmlStreamReader::StartElement) {
                    if (xml.name() == QLatin1String("v"))
                        value = xml.readElementText();
                    else if (xml.name() == QLatin1String("is"))
                        inlineText = richText(xml);
                } else if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("c")) {
                    break;
                }
            }
            QString text;
            if (type == QLatin1String("s")) {
                bool ok = false;
                const int index = value.toInt(&ok);
                if (!ok || index < 0 || index >= strings.size())
                    fail(path, QStringLiteral("%1%2 셀의 공유 문자열이 없습니다.").arg(ColumnLetters(column)).arg(row));
                text = strings.at(index);
            } else if (type == QLatin1String("inlineStr")) {
                text = inlineText;
            } else if (type == QLatin1String("str") || type == QLatin1String("e")) {
                text = value;
            } else if (type == QLatin1String("b")) {
                text = value == QLatin1String("1") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
            } else if (!value.isEmpty()) {
                bool ok = false;
                const double number = value.toDouble(&ok);
                text = ok ? numberText(number) : value;
            }
            if (row > 0 && column > 0)
                setCell(sheet, row, column, text);
        }
    }
    xmlFailed(xml, part, path);
    squareUp(sheet);
    return sheet;
}

}  // namespace

QString Sheet::cell(int row, int column) const
{
    if (row < 1 || row > rows.size() || column < 1)
        return QString();
    return rows.at(row - 1).value(column - 1);
}

QString ColumnLetters(int column)
{
    QString letters;
    while (column > 0) {
        const int rest = (column - 1) % 26;
        letters.prepend(QChar(u'A' + rest));
        column = (column - 1) / 26;
    }
    return letters;
}

Sheet ReadFirstSheet(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, QStringLiteral("파일을 열 수 없습니다."));
    const QByteArray head = file.read(8);
    file.close();
    // Compound document (binary workbook) or zip container (Open XML).
    static const QByteArray compound("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    if (head == compound)
        return readXls(path);
    if (head.startsWith("PK\x03\x04"))
        return readXlsx(path);
    fail(path, QStringLiteral("Excel 파일(*.xls, *.xlsx)이 아닙니다."));
}

}  // namespace SheetImport
