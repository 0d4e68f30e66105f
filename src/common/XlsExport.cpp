#include "common/XlsExport.h"
#include "common/DialogService.h"
#include "common/Messages.h"
#include "common/Query.h"
#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <cstring>

namespace Xls {

namespace {

constexpr qsizetype kFlushSize = 1 << 20;

const QRegularExpression& numberPattern()
{
    // What reads as a number: optional sign, digits with an optional
    // fraction, optional exponent; blanks around are allowed.
    static const QRegularExpression re(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    return re;
}

bool isPlainInteger(const QString& text)
{
    if (text.isEmpty())
        return false;
    int i = text.at(0) == QLatin1Char('-') ? 1 : 0;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

}  // namespace

QString tooManyRowsText(int rows)
{
    const QLocale c(QLocale::Korean, QLocale::SouthKorea);
    return QStringLiteral("조회 결과가 %1건으로 Excel 파일 한 장에 저장할 수 있는 %2건을 넘습니다.\r"
                          "조회 조건을 좁혀 다시 조회한 후 저장하십시오.")
        .arg(c.toString(rows), c.toString(kMaxDataRows));
}

QString tooManyColumnsText(int columns)
{
    return QStringLiteral("항목이 %1개로 Excel 파일 한 장에 저장할 수 있는 %2개를 넘습니다.")
        .arg(columns)
        .arg(kMaxColumns);
}

QString forceXlsExtension(const QString& fileName)
{
    const qsizetype slash = qMax(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot > slash) {
        if (fileName.mid(dot).compare(QLatin1String(".xls"), Qt::CaseInsensitive) == 0)
            return fileName;
        return fileName.left(dot) + QLatin1String(".xls");
    }
    return fileName + QLatin1String(".xls");
}

StreamWriter::StreamWriter(QIODevice* device) : m_device(device)
{
    m_buffer.reserve(kFlushSize + 16384);
}

void StreamWriter::put8(quint8 value)
{
    m_buffer.append(char(value));
}

void StreamWriter::put16(quint16 value)
{
    m_buffer.append(char(value & 0xFF));
    m_buffer.append(char(value >> 8));
}

void StreamWriter::put32(quint32 value)
{
    put16(quint16(value & 0xFFFF));
    put16(quint16(value >> 16));
}

void StreamWriter::record(quint16 type, quint16 length)
{
    put16(type);
    put16(length);
}

void StreamWriter::flushIfFull()
{
    if (m_buffer.size() < kFlushSize)
        return;
    if (m_ok && m_device->write(m_buffer) != m_buffer.size())
        m_ok = false;
    m_buffer.clear();
}

void StreamWriter::beginOfFile(quint16 streamType)
{
    record(0x0809, 16);
    put16(kBiff8);
    put16(streamType);
    put16(kBuild);
    put16(kBuildYear);
    put32(0);       // file history
    put32(kBiff8);  // lowest version that reads the file
}

void StreamWriter::beginFile(int rows, int columns)
{
    // Workbook globals: the code page and the one sheet. The sheet's stream
    // offset is known beforehand: every globals record has a fixed length.
    const QByteArray sheetName = QByteArrayLiteral("Sheet1");
    const quint32 globalsSize = (4 + 16) + (4 + 2) + (4 + 8 + quint32(sheetName.size())) + 4;
    beginOfFile(0x0005);
    record(0x0042, 2);
    put16(kCodePage);
    record(0x0085, quint16(8 + sheetName.size()));
    put32(globalsSize);
    put8(0);  // visible
    put8(0);  // worksheet
    put8(quint8(sheetName.size()));
    put8(0);  // 8-bit characters
    m_buffer.append(sheetName);
    record(0x000A, 0);

    // The sheet, with its extent first: readers size the sheet from it.
    beginOfFile(0x0010);
    record(0x0200, 14);
    put32(0);
    put32(quint32(qMax(rows, 1)));
    put16(0);
    put16(quint16(qMax(columns, 1)));
    put16(0);
}

void StreamWriter::text(int row, int column, const QString& text)
{
    // Cut at a character boundary so a record never exceeds the format's
    // limit; a surrogate pair stays whole.
    qsizetype units = qMin<qsizetype>(text.size(), kMaxTextChars);
    if (units < text.size() && units > 0 && text.at(units - 1).isHighSurrogate())
        --units;
    const QStringView shown = QStringView(text).left(units);
    // Plain ASCII travels as one byte a character, anything else as UTF-16:
    // no reader guesses a code page for either.
    bool ascii = true;
    for (QChar c : shown) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    const qsizetype bytes = ascii ? units : 2 * units;
    record(0x0204, quint16(6 + 3 + bytes));
    put16(quint16(row));
    put16(quint16(column));
    put16(0);
    put16(quint16(units));
    put8(ascii ? 0 : 1);
    for (QChar c : shown) {
        if (ascii)
            put8(quint8(c.unicode()));
        else
            put16(c.unicode());
    }
    flushIfFull();
}

void StreamWriter::number(int row, int column, double value)
{
    record(0x0203, 14);
    put16(quint16(row));
    put16(quint16(column));
    put16(0);
    quint64 bits;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i)
        m_buffer.append(char((bits >> (8 * i)) & 0xFF));
    flushIfFull();
}

bool StreamWriter::endFile()
{
    record(0x000A, 0);
    if (m_ok && !m_buffer.isEmpty() && m_device->write(m_buffer) != m_buffer.size())
        m_ok = false;
    m_buffer.clear();
    return m_ok;
}

bool writeSheet(QIODevice& device, ExportSource& source, const QString& header, XlsCellRule rule)
{
    struct PassGuard {
        ExportSource& source;
        explicit PassGuard(ExportSource& s) : source(s) { source.beginPass(); }
        ~PassGuard() { source.endPass(); }
    } guard(source);

    const int columns = source.columnCount();
    QList<ExportFieldKind> kinds(columns);
    QList<bool> rightAligned(columns);
    for (int c = 0; c < columns; ++c) {
        kinds[c] = source.fieldKind(c);
        rightAligned[c] = (source.alignment(c) & Qt::AlignRight) != 0;
    }

    const int rows = source.rowCount();
    StreamWriter out(&device);
    out.beginFile(3 + rows, columns);
    out.text(0, 0, header);
    for (int c = 0; c < columns; ++c)
        out.text(2, c, source.caption(c));

    for (int r = 0; r < rows && out.ok(); ++r) {
        source.moveToRow(r);
        const int sheetRow = r + 3;
        for (int c = 0; c < columns; ++c) {
            switch (rule) {
            case XlsCellRule::FieldKind:
                if (kinds[c] == ExportFieldKind::Numeric) {
                    const QVariant v = source.value(r, c);
                    out.number(sheetRow, c, v.isNull() ? 0.0 : v.toDouble());
                } else {
                    out.text(sheetRow, c, source.displayText(r, c));
                }
                break;
            case XlsCellRule::ShownText: {
                const QString shown = source.displayText(r, c);
                QString bare = shown;
                bare.remove(QLatin1Char(','));
                if (numberPattern().match(bare).hasMatch())
                    out.number(sheetRow, c, bare.trimmed().toDouble());
                else
                    out.text(sheetRow, c, shown);
                break;
            }
            case XlsCellRule::RightAlignedInteger: {
                const QString plain = source.plainText(r, c);
                if (rightAligned[c] && isPlainInteger(plain)) {
                    const QVariant v = source.value(r, c);
                    out.number(sheetRow, c, ExportSource::isNumericType(v) ? v.toDouble() : plain.toDouble());
                } else {
                    out.text(sheetRow, c, plain);
                }
                break;
            }
            }
        }
    }
    return out.endFile();
}

}  // namespace Xls

// ---------------------------------------------------------------------------

namespace {

class ExportRun {
public:
    ExportRun(ExportSource& source, const XlsExportOptions& options) : m_source(source), m_options(options) {}

    XlsExportResult run()
    {
        // 1. Something to export.
        if (!m_source.hasResult()) {
            notice(Xls::kNoResult, DialogService::Information);
            return XlsExportResult::NothingToExport;
        }
        // A sheet of this format cannot hold more; say so before anything is
        // asked or written rather than leave a file that does not open.
        if (m_source.columnCount() > Xls::kMaxColumns) {
            ShowError(Xls::tooManyColumnsText(m_source.columnCount()));
            return XlsExportResult::TooLarge;
        }
        const int rows = m_source.rowCount();
        if (rows > Xls::kMaxDataRows) {
            ShowError(Xls::tooManyRowsText(rows));
            return XlsExportResult::TooLarge;
        }

        // 2. The file name.
        QString fileName = DialogService::instance().saveFileName(
            m_options.parent, QString(), m_options.proposedFileName, Xls::kSaveFilter);
        if (fileName.isEmpty()) {
            notice(Xls::kNoFileName, DialogService::Plain);
            return XlsExportResult::NoFileName;
        }
        // 3. The extension.
        fileName = Xls::forceXlsExtension(fileName);
        const QString shortName = QFileInfo(fileName).fileName();

        // 4. Overwrite.
        if (QFileInfo::exists(fileName) && !askOverwrite(shortName))
            return XlsExportResult::NotOverwritten;

        // 5., 6. Write. The new content replaces the file only once it is
        // complete, so a failure never leaves a half-written sheet behind.
        bool written = false;
        try {
            QSaveFile file(fileName);
            if (file.open(QIODevice::WriteOnly)) {
                const XlsCellRule rule = m_options.cellRule.value_or(m_source.cellRule());
                written = Xls::writeSheet(file, m_source, m_options.sheetHeader, rule) && file.commit();
                if (!written)
                    file.cancelWriting();
            }
        } catch (...) {
            written = false;
        }
        if (!written) {
            saveError();
            return XlsExportResult::Failed;
        }

        // 7. Open it.
        if (askOpen(shortName))
            DialogService::instance().openWithDesktop(QFileInfo(fileName).absoluteFilePath());
        return XlsExportResult::Written;
    }

private:
    void notice(const QString& text, int kind)
    {
        if (m_options.showStatus)
            m_options.showStatus(text);
        else
            MsgBox(text, kAppTitle, kind);
    }

    bool askOverwrite(const QString& shortName)
    {
        if (m_options.style == XlsDialogStyle::GridQuery)
            return AskYesNo(QStringLiteral("이미 존재하는 파일입니다.\r새 내용으로 덮어쓸까요?"));
        const QString text = QStringLiteral("이미 존재하는 파일(") + shortName + QStringLiteral(") 입니다.")
            + QStringLiteral("\r") + QStringLiteral("\r") + QStringLiteral("새 내용으로 덮어쓸까요?");
        return MsgBox(text, QStringLiteral("덮어쓰기"), DialogService::Question) == QMessageBox::Yes;
    }

    bool askOpen(const QString& shortName)
    {
        if (m_options.style == XlsDialogStyle::GridQuery)
            return AskYesNo(QStringLiteral("저장한 파일(") + shortName + QStringLiteral(")을 Excel로 불러올까요?"));
        const QString text = QStringLiteral("저장한 파일(") + shortName + QStringLiteral(")을 Excel로 불러 올까요?");
        return MsgBox(text, QStringLiteral("Excel"), DialogService::Question) == QMessageBox::Yes;
    }

    void saveError()
    {
        if (m_options.style == XlsDialogStyle::GridQuery)
            ShowError(Xls::kCannotSave);
        else
            MsgBox(Xls::kCannotSave, QStringLiteral("저장오류"), DialogService::Error);
    }

    ExportSource& m_source;
    const XlsExportOptions& m_options;
};

}  // namespace

XlsExportResult ExportToXls(ExportSource& source, const XlsExportOptions& options)
{
    return ExportRun(source, options).run();
}

XlsExportResult ExportToXls(ExportSource& source, const QString& title)
{
    XlsExportOptions options;
    options.proposedFileName = title;
    options.sheetHeader = title;
    return ExportToXls(source, options);
}

XlsExportResult ExportSqlToXls(const QString& sql, const QVariantList& params, const XlsExportOptions& options)
{
    QSqlQueryModel model;
    model.setQuery(RunQuery(sql, params, QStringLiteral("Open")));
    ModelExportSource source(&model, XlsCellRule::FieldKind);
    // The server folds unquoted names to small letters; users know field
    // names in capitals.
    const QSqlRecord record = model.record();
    for (int c = 0; c < record.count(); ++c)
        source.setCaption(c, record.fieldName(c).toUpper());
    return ExportToXls(source, options);
}
