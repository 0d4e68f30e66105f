#pragma once
#include "common/XlsExport.h"
#include "framework/MaintenanceCore.h"
#include "framework/ZZI000.h"
#include <QVariantList>

class DataGrid;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QTableView;

// The inquiry base: ledgers, statements, lists and the later maintenance
// screens. It sits directly on the base window (program ID, user and role in
// the status bar, role file read) and runs the maintenance machinery of
// MaintenanceCore with these differences:
//  - a 40-pixel search strip and a 409-pixel input panel; panDisp has a
//    vertical layout whose first item is panRecordCount with lblRecordCount
//    ("RecordCount : 12,345"); screens add their grid to panDisp->layout();
//  - the "전체" (all data) box of grpExcel, hidden unless a screen shows it:
//    usable in browse, cleared whenever the screen returns to state 0, and
//    while checked it allows Print, Preview and Excel without rows;
//  - Search stays disabled while DoSearch runs and is enabled afterwards
//    exactly when Cancel is not; the focus then goes into the data area;
//  - Save leaves the focus where it is; Cancel from browse clears the input
//    panel too; the hourglass shows while DoExcel runs;
//  - Up and Down move the focus in every kind of field (combo boxes and date
//    pickers too); numeric edits are wired and cleared like edits;
//  - a masked "...DATE" field that is left empty passes; any other text must
//    be a date;
//  - export helpers that propose the program ID as file name, head the sheet
//    with the screen's caption (and " - " title) and report "nothing to
//    export" and "no file name" in the status bar;
//  - Ctrl+P ("화면출력") prints the screen's image, landscape, fitted to the
//    page, after asking.
class TfrmZQI030 : public TfrmZZI000, public MaintenanceCore {
    Q_OBJECT
public:
    explicit TfrmZQI030(const QString& programId, QWidget* parent = nullptr);

    // Spreadsheet export of a data-bound grid (every record of its record
    // set, every column, hidden ones too; numeric fields as numbers).
    XlsExportResult ExportDBGrid(DataGrid* grid, const QString& title = QString());
    // Spreadsheet export of an unbound grid (every row; a cell whose text
    // without "," reads as a number is a number).
    XlsExportResult ExportGrid(QTableView* grid, const QString& title = QString());
    // Runs the statement (values bound to :P0, :P1, ...) and exports every
    // row with the field names as column headers.
    XlsExportResult ExportSql(const QString& sql, const QString& title = QString(),
                              const QVariantList& params = {});

    // The sheet header: the screen's caption, then " - " and the title when
    // one is given.
    QString sheetHeader(const QString& title) const;

public slots:
    void chkExcelAllDataClick();
    // The screen print: asks, then prints the screen's image on the default
    // printer, landscape, scaled to fit the page.
    void popHotkeyFormPrintClick();

protected:
    // The base rules, then: the "전체" box usable in browse only and cleared
    // in state 0; while it is checked Print, Preview and Excel are usable
    // without rows; the record count label.
    void RefreshButtons() override;

    QAction* addOperationKey(const QKeySequence& key, const std::function<void()>& handler) override;
    void requireButton(const QWidget* button) override { requireActive(button); }
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    QWidget* panSearch;
    QPushButton* bbtSearch;
    QPushButton* bbtSave;
    QPushButton* bbtCancel;
    QWidget* panRecordCount;
    QLabel* lblRecordCount;
    QGroupBox* grpExcel;
    QCheckBox* chkExcelAllData;
    QLabel* lblExcelAllData;
    QAction* popHotkeyFormPrint;
    QMenu* popScreen;

private:
    XlsExportOptions exportOptions(const QString& title);
};
