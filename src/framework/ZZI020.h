#pragma once
#include "framework/ZZI010.h"

class DataGrid;
class QSplitter;
class QToolButton;
class RecordSet;

// A search-and-edit window on the search/data mode switch: adds New and
// Delete, the record-navigation buttons at the left of the button strip and a
// read-only grid at the bottom of the data area, fed by cdsGrid. The base
// only checks the buttons and moves through the grid; every operation is the
// screen's.
class TfrmZZI020 : public TfrmZZI010 {
    Q_OBJECT
public:
    explicit TfrmZZI020(const QString& programId, QWidget* parent = nullptr);

    RecordSet* gridRecords() const { return cdsGrid; }

public slots:
    // Check their button (SilentAbort when hidden or disabled) and do nothing
    // else; screens override them.
    virtual void bbtAddClick();
    virtual void bbtDeleteClick();
    // Move cdsGrid when it is open.
    void sbtFirstClick();
    void sbtPriorClick();
    void sbtNextClick();
    void sbtLastClick();

protected:
    void showEvent(QShowEvent* event) override;

    // For screens whose result is the list itself: the grid leaves its strip
    // at the bottom and takes the data area, above the panels given (a second
    // list), a splitter between them sharing the height.
    QSplitter* gridTakesDataArea(const QList<QWidget*>& below = {});

    QWidget* panBody;  // the data area above the grid, for the screen's fields
    QPushButton* bbtAdd;
    QPushButton* bbtDelete;
    QToolButton* sbtFirst;
    QToolButton* sbtPrior;
    QToolButton* sbtNext;
    QToolButton* sbtLast;
    DataGrid* rgrGrid;
    RecordSet* cdsGrid;

private:
    bool m_modeApplied = false;
};
