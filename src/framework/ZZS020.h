#pragma once
#include "common/XlsExport.h"
#include "framework/ZZS010.h"

class DataGrid;
class QAction;
class QMenu;
class QSplitter;
class QToolButton;
class RecordSet;

// The search-and-print base with a ready-made result: cdsQuery shown in the
// grid rgrGrid (whole rows, movable and resizable columns, Enter moves like
// Tab), an information panel panInfo at the grid's right (hidden unless a
// screen shows it), record navigation, a pop-up menu on the grid to show and
// hide its columns, and Excel (Ctrl+F11) exporting the grid.
//
// A screen searches like this, the base handler first so that a hidden or
// disabled Search runs nothing; the column menu follows every opening of
// cdsQuery (and is brought up to date again before it pops up):
//     void bbtSearchClick() override
//     {
//         TfrmZZS020::bbtSearchClick();
//         cdsQuery->open(sql, params);
//     }
class TfrmZZS020 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmZZS020(const QString& programId, QWidget* parent = nullptr);

    // Writes the grid to a spreadsheet file: row 0 the screen's caption, row
    // 2 the column titles, then every record of the grid's record set (the
    // current record stays current) with every column, hidden ones too. A
    // cell is a number when the column is right-aligned and the field's text
    // is digits with at most a leading minus; otherwise it is the field's
    // text. The hourglass shows during the whole operation.
    XlsExportResult ExportGridQuery();

    RecordSet* resultSet() const { return cdsQuery; }
    DataGrid* resultGrid() const { return rgrGrid; }
    QMenu* columnMenu() const { return popGrid; }

public slots:
    // The base check, then the column menu is built anew (for a screen that
    // opened its result before calling it).
    void bbtSearchClick() override;
    virtual void bbtExcelClick();
    void sbtFirstClick();
    void sbtPriorClick();
    void sbtNextClick();
    void sbtLastClick();
    // Shows the column menu at a point of the grid's viewport, unless the
    // grid shows grouped headers or has no columns.
    void popGridPopup(const QPoint& at);
    // Flips the column's check mark and shows or hides it.
    void popGridClick(QAction* item);

protected:
    // One item per grid column in the order shown, captioned with the
    // column's title, checked when the column is visible.
    void rebuildColumnMenu();

    QToolButton* sbtFirst;
    QToolButton* sbtPrior;
    QToolButton* sbtNext;
    QToolButton* sbtLast;
    QPushButton* bbtExcel;
    QSplitter* splSplitter;
    DataGrid* rgrGrid;
    QWidget* panInfo;
    RecordSet* cdsQuery;
    QMenu* popGrid;
};
