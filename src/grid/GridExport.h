#pragma once
#include "common/ExportSource.h"
#include "grid/RecordSet.h"
#include <QPointer>
#include <optional>

class DataGrid;

// A record set as a spreadsheet source: one column per field in field order
// (fields hidden from grids too), captioned with the field name; every
// record first to last. Numeric fields are numeric; alignment and visibility
// are the fields' own.
//
// The pass reads the records where they are instead of scrolling through
// them, so no scroll handler of a screen runs for every row; the bound views
// stop following for the duration and the current record is the same
// afterwards (RecordSet::Walk).
class RecordSetExportSource : public ExportSource {
public:
    explicit RecordSetExportSource(RecordSet* set, XlsCellRule rule = XlsCellRule::FieldKind);

    bool hasResult() const override;
    int columnCount() const override;
    QString caption(int column) const override;
    ExportFieldKind fieldKind(int column) const override;
    Qt::Alignment alignment(int column) const override;
    bool isVisible(int column) const override;
    int rowCount() override;
    QVariant value(int row, int column) const override;
    QString displayText(int row, int column) const override;
    // The field's text without display format (RecordSet::textOf).
    QString plainText(int row, int column) const override;
    XlsCellRule cellRule() const override { return m_rule; }
    void beginPass() override;
    void endPass() override;

private:
    QPointer<RecordSet> m_set;
    XlsCellRule m_rule;
    std::optional<RecordSet::Walk> m_walk;
};

// A data-bound grid as a spreadsheet source: one column per grid column in
// the order the grid shows them (columns the user moved are where he put
// them), hidden columns included, captioned with the column titles; every
// record of the grid's record set first to last. A column is numeric when its
// field is; its alignment is the column's; the display text is the cell text
// the grid shows (column format, combo texts).
class DataGridExportSource : public ExportSource {
public:
    explicit DataGridExportSource(DataGrid* grid, XlsCellRule rule = XlsCellRule::FieldKind);

    bool hasResult() const override;
    int columnCount() const override;
    QString caption(int column) const override;
    ExportFieldKind fieldKind(int column) const override;
    Qt::Alignment alignment(int column) const override;
    bool isVisible(int column) const override;
    int rowCount() override;
    QVariant value(int row, int column) const override;
    QString displayText(int row, int column) const override;
    QString plainText(int row, int column) const override;
    XlsCellRule cellRule() const override { return m_rule; }
    void beginPass() override;
    void endPass() override;

    // The grid column shown at a sheet column.
    int gridColumn(int column) const;

private:
    const FieldDef* fieldAt(int column) const;
    int fieldIndexAt(int column) const;

    QPointer<DataGrid> m_grid;
    XlsCellRule m_rule;
    std::optional<RecordSet::Walk> m_walk;
    bool m_savedUpdates = true;
};
