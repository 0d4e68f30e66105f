#pragma once
#include "common/ExportSource.h"
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;
class QWidget;

// Result grids are saved as a minimal binary spreadsheet stream (BIFF
// records: beginning of file, text cells, number cells, end of file) that any
// spreadsheet program opens; no spreadsheet program is needed to write it.
//
// Sheet layout: row 0 column 0 the header text, row 1 empty, row 2 the column
// captions, data from row 3, one source row per sheet row, every column of the
// source (hidden ones too) in order. Text is stored in the Korean code page.

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

// Row and column numbers are 16 bits; Excel sheets of this format end at row
// 65,535 and column 255. Data starts at row 3.
inline constexpr int kMaxDataRows = 65532;
inline constexpr int kMaxColumns = 256;
// Longest text a cell record carries (the format's record limit less the cell
// fields); longer texts are cut at a character boundary.
inline constexpr int kMaxTextBytes = 2080 - 8;

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
    ~StreamWriter();
    StreamWriter(const StreamWriter&) = delete;
    StreamWriter& operator=(const StreamWriter&) = delete;

    void beginFile();
    void text(int row, int column, const QString& text);
    void number(int row, int column, double value);
    // Writes the end-of-file record and flushes; false when anything failed.
    bool endFile();
    bool ok() const { return m_ok; }

private:
    void put16(quint16 value);
    void flushIfFull();
    QIODevice* m_device;
    QByteArray m_buffer;
    struct Encoder;
    Encoder* m_encoder;
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
