#pragma once
#include "common/ExportSource.h"
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;
class QWidget;

// Result grids are saved as a minimal binary spreadsheet stream of BIFF8
// records that spreadsheet programs open without guessing anything: the
// workbook part (beginning of file, the Korean code page, the one sheet, end
// of file), then the sheet (beginning of file, its extent, text cells,
// number cells, end of file). Texts are stored as Unicode, so Hangul reads
// the same under any locale; no spreadsheet program is needed to write it.
//
// Sheet layout: row 0 column 0 the header text, row 1 empty, row 2 the column
// captions, data from row 3, one source row per sheet row, every column of the
// source (hidden ones too) in order.

enum class XlsExportResult {
    Written,          // the file was written (whether or not it was then opened)
    NothingToExport,  // no result yet
    NoFileName,       // the save dialog was cancelled
    NotOverwritten,   // the user kept the existing file
    TooLarge,         // more rows or columns than a sheet of this format holds
    Failed,           // the file could not be created or written
};

// Which texts the dialogs and messages use.
enum class XlsDialogStyle {
    // The library export and the inquiry screens: an overwrite box captioned
    // "덮어쓰기", an open box captioned "Excel", a save-error box "저장오류".
    Library,
    // The search-and-print screens' grid export: the application's plain
    // Yes/No questions and error box.
    GridQuery,
};

struct XlsExportOptions {
    QString proposedFileName;  // the save dialog's proposal
    QString sheetHeader;       // row 0
    XlsDialogStyle style = XlsDialogStyle::Library;
    // When set, the notices "no result" and "no file name" go here (a
    // screen's status bar) instead of message boxes.
    std::function<void(const QString&)> showStatus;
    // Overrides the source's own cell rule.
    std::optional<XlsCellRule> cellRule;
    QWidget* parent = nullptr;
};

namespace Xls {

// Row and column numbers are 16 bits; sheets of this format end at row
// 65,535 and column 255. Data starts at row 3.
inline constexpr int kMaxDataRows = 65532;
inline constexpr int kMaxColumns = 256;
// Longest text a cell record carries (the format's record limit less the cell
// fields, in UTF-16 units); longer texts are cut at a character boundary.
inline constexpr int kMaxTextChars = (8224 - 9) / 2;
// What the beginning-of-file records say: BIFF8 as Excel 97 writes it.
inline constexpr quint16 kBiff8 = 0x0600;
inline constexpr quint16 kBuild = 0x0DBB;
inline constexpr quint16 kBuildYear = 0x07CC;
inline constexpr quint16 kCodePage = 949;

// Messages of the export.
inline const QString kNoResult = QStringLiteral("조회 결과가 없습니다. 조회를 먼저 하십시오.");
inline const QString kNoFileName = QStringLiteral("저장할 파일 이름을 지정하지 않았습니다.");
inline const QString kCannotSave = QStringLiteral("Excel 파일로 저장할 수 없습니다.");
inline const QString kSaveFilter = QStringLiteral("Excel 파일(*.xls)");
QString tooManyRowsText(int rows);
QString tooManyColumnsText(int columns);

// name with its extension replaced by ".xls" unless it already is ".xls" in
// any letter case; a name without extension gets ".xls" appended.
QString forceXlsExtension(const QString& fileName);

// Raw record writer. Buffers and writes through to the device; ok() turns
// false at the first failed write.
class StreamWriter {
public:
    explicit StreamWriter(QIODevice* device);
    StreamWriter(const StreamWriter&) = delete;
    StreamWriter& operator=(const StreamWriter&) = delete;

    // The workbook part and the start of the sheet, whose extent is rows
    // sheet rows (header rows included) by columns.
    void beginFile(int rows, int columns);
    void text(int row, int column, const QString& text);
    void number(int row, int column, double value);
    // Writes the sheet's end-of-file record and flushes; false when anything
    // failed.
    bool endFile();
    bool ok() const { return m_ok; }

private:
    void beginOfFile(quint16 streamType);
    void record(quint16 type, quint16 length);
    void put8(quint8 value);
    void put16(quint16 value);
    void put32(quint32 value);
    void flushIfFull();
    QIODevice* m_device;
    QByteArray m_buffer;
    bool m_ok = true;
};

// Writes the whole sheet of source to device: the pass over the source
// (beginPass ... endPass, also on failure), header, captions, cells. Returns
// false when a write failed; errors of the source propagate.
bool writeSheet(QIODevice& device, ExportSource& source, const QString& header, XlsCellRule rule);

}  // namespace Xls

// The library export: title is the proposed file name and the sheet header.
XlsExportResult ExportToXls(ExportSource& source, const QString& title);
XlsExportResult ExportToXls(ExportSource& source, const XlsExportOptions& options);

// Runs sql (through RunQuery, on the shared connection) and exports every row
// it returns, with the field names as column headers. Statement errors raise
// before any dialog is shown.
XlsExportResult ExportSqlToXls(const QString& sql, const QVariantList& params, const XlsExportOptions& options);
