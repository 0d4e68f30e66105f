#include "common/XlsExport.h"
#include "common/Cp949.h"
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
#include <cerrno>
#include <cstring>
#include <iconv.h>

// ---------------------------------------------------------------------------
// Text encoding. One converter serves a whole export: opening a converter per
// cell would dominate the time of a large sheet.

struct Xls::StreamWriter::Encoder {
    iconv_t cd = iconv_t(-1);

    Encoder() { cd = iconv_open("CP949", "UTF-8"); }
    ~Encoder()
    {
        if (cd != iconv_t(-1))
            iconv_close(cd);
    }

    // Appends the CP949 bytes of text to out; a character the code page lacks
    // becomes '?', as everywhere else in the program.
    void append(const QString& text, QByteArray& out)
    {
        bool ascii = true;
        for (QChar c : text) {
            if (c.unicode() >= 0x80) {
                ascii = false;
                break;
            }
        }
        if (ascii) {
            out.append(text.toLatin1());
            return;
        }
        if (cd == iconv_t(-1)) {
            out.append(Cp949::encode(text));
            return;
        }
        QByteArray utf8 = text.toUtf8();
        char* in = utf8.data();
        size_t inLeft = size_t(utf8.size());
        const qsizetype start = out.size();
        out.resize(start + utf8.size() * 2 + 8);
        char* dst = out.data() + start;
        size_t outLeft = size_t(out.size() - start);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            if (iconv(cd, &in, &inLeft, &dst, &outLeft) != size_t(-1))
                break;
            if (errno == E2BIG) {
                const qsizetype used = dst - out.data();
                out.resize(out.size() * 2);
                dst = out.data() + used;
                outLeft = size_t(out.size() - used);
                continue;
            }
            if (outLeft == 0) {
                const qsizetype used = dst - out.data();
                out.resize(out.size() + 16);
                dst = out.data() + used;
                outLeft = size_t(out.size() - used);
            }
            *dst++ = '?';
            --outLeft;
            const auto lead = static_cast<unsigned char>(*in);
            size_t skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            skip = qMin(skip, inLeft);
            in += skip;
            inLeft -= skip;
        }
        out.resize(dst - out.data());
    }
};

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

StreamWriter::StreamWriter(QIODevice* device) : m_device(device), m_encoder(new Encoder)
{
    m_buffer.reserve(kFlushSize + 4096);
}

StreamWriter::~StreamWriter()
{
    delete m_encoder;
}

void StreamWriter::put16(quint16 value)
{
    m_buffer.append(char(value & 0xFF));
    m_buffer.append(char(value >> 8));
}

void StreamWriter::flushIfFull()
{
    if (m_buffer.size() < kFlushSize)
        return;
    if (m_ok && m_device->write(m_buffer) != m_buffer.size())
        m_ok = false;
    m_buffer.clear();
}

void StreamWriter::beginFile()
{
    put16(0x0809);
    put16(8);
    put16(0x0000);
    put16(0x0010);
    put16(0x0000);
    put16(0x0000);
}

void StreamWriter::text(int row, int column, const QString& text)
{
    // The record is written with a placeholder length, then patched.
    const qsizetype recordStart = m_buffer.size();
    put16(0x0204);
    put16(0);
    put16(quint16(row));
    put16(quint16(column));
    put16(0);
    put16(0);
    const qsizetype textStart = m_buffer.size();
    m_encoder->append(text, m_buffer);
    qsizetype n = m_buffer.size() - textStart;
    if (n > kMaxTextBytes) {
        m_buffer.truncate(textStart);
        m_encoder->append(Cp949::leftBytes(text, kMaxTextBytes), m_buffer);
        n = m_buffer.size() - textStart;
    }
    const quint16 length = quint16(8 + n);
    m_buffer[recordStart + 2] = char(length & 0xFF);
    m_buffer[recordStart + 3] = char(length >> 8);
    m_buffer[textStart - 2] = char(n & 0xFF);
    m_buffer[textStart - 1] = char(n >> 8);
    flushIfFull();
}

void StreamWriter::number(int row, int column, double value)
{
    put16(0x0203);
    put16(14);
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
    put16(0x000A);
    put16(0);
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

    StreamWriter out(&device);
    out.beginFile();
    out.text(0, 0, header);
    for (int c = 0; c < columns; ++c)
        out.text(2, c, source.caption(c));

    const int rows = source.rowCount();
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
