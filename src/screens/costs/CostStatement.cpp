#include "screens/costs/CostStatement.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include <QDateEdit>
#include <QHash>
#include <QPushButton>
#include <algorithm>
#include <numeric>

TfrmCostStatement::TfrmCostStatement(const QString& programId, const Kind& kind, QWidget* parent)
    : TfrmZQI030(programId, parent), m_kind(kind)
{
    setWindowTitle(kind.title + QStringLiteral("(") + programId + QStringLiteral(")"));
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtSave, bbtDelete, bbtPrint, bbtPreview})
        b->hide();
    panInput->hide();

    dtpFSlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFSlipDate"));
    dtpESlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpESlipDate"));
    const QDate today = QDate::currentDate();
    dtpFSlipDate->setDate(QDate(today.year(), today.month(), 1));
    dtpESlipDate->setDate(QDate(today.year(), today.month(), today.daysInMonth()));
    LinkDateRange(dtpFSlipDate, dtpESlipDate);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {}, QStringLiteral("rdgMain"));
    if (kind.costOfSales) {
        // Account groups on silver.
        rdgMain->setRowBackground([this](int row) -> QVariant {
            if (cdsMain->isOpen() && cdsMain->fieldAsString(row, QStringLiteral("ACCT_CODE")).mid(3, 4) == QLatin1String("0000"))
                return QColor(0xC0, 0xC0, 0xC0);
            return QVariant();
        });
    }
}

QString TfrmCostStatement::deptField(const QString& deptCode)
{
    return QStringLiteral("D_") + deptCode.trimmed().toUpper();
}

void TfrmCostStatement::DoSearch()
{
    QList<SourceRow> rows;
    if (!sourceRows(dtpFSlipDate->date(), dtpESlipDate->date(), &rows)) {
        if (!cdsMain->isOpen())
            State = stNone;
        RefreshButtons();
        return;
    }
    buildCrossTable(rows);
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
}

// Departments are told apart by their code, so two of the same name keep
// their own columns; an amount adds to its cell.
void TfrmCostStatement::buildCrossTable(const QList<SourceRow>& rows)
{
    struct Column {
        QString code;
        QString name;
    };
    QList<Column> columns;
    QHash<QString, int> columnOf;
    struct Line {
        QString ord, code, name;
        QHash<int, double> cells;
    };
    QList<Line> lines;
    QHash<QString, int> lineOf;
    for (const SourceRow& r : rows) {
        const QString deptCode = r.deptCode.trimmed();
        auto column = columnOf.constFind(deptCode);
        if (column == columnOf.constEnd()) {
            column = columnOf.insert(deptCode, int(columns.size()));
            columns.append({deptCode, r.deptName.trimmed()});
        }
        auto line = lineOf.constFind(r.acctCode);
        if (line == lineOf.constEnd()) {
            line = lineOf.insert(r.acctCode, int(lines.size()));
            lines.append({r.ord, r.acctCode, r.acctName.trimmed(), {}});
        }
        lines[*line].cells[*column] += r.amount;
    }

    QList<int> order(columns.size());
    std::iota(order.begin(), order.end(), 0);
    if (m_kind.columnsByCode) {
        // the lines that fall under no department ("0000") last
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const bool aNone = columns[a].code == QLatin1String("0000");
            const bool bNone = columns[b].code == QLatin1String("0000");
            return aNone != bNone ? bNone : columns[a].code < columns[b].code;
        });
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.code < b.code; });

    QHash<QString, int> nameCount;
    for (const Column& c : columns)
        ++nameCount[c.name];

    QList<FieldDef> fields;
    QList<GridColumn> gridColumns;
    if (m_kind.costOfSales) {
        fields << FieldDef(QStringLiteral("ORD"), FieldType::String);
        GridColumn ord(QStringLiteral("ORD"), QStringLiteral("정렬순서"));
        ord.hidden = true;
        gridColumns << ord;
    }
    fields << FieldDef(QStringLiteral("ACCT_CODE"), FieldType::String) << FieldDef(QStringLiteral("ACCT_NAME"), FieldType::String);
    GridColumn code(QStringLiteral("ACCT_CODE"), QStringLiteral("계정코드"));
    code.hidden = true;
    gridColumns << code << GridColumn(QStringLiteral("ACCT_NAME"), m_kind.nameCaption, 200);
    const int fixedColumns = int(gridColumns.size());
    const auto amountColumn = [&](const QString& field, const QString& caption) {
        FieldDef def(field, FieldType::Float);
        def.displayFormat = QStringLiteral("#,###");
        fields << def;
        // as wide as the title needs, 100 pixels at least
        GridColumn column(field, caption, qMax(100, rdgMain->fontMetrics().horizontalAdvance(caption) + 16));
        column.alignment = Qt::AlignRight | Qt::AlignVCenter;
        gridColumns << column;
    };
    for (int index : order) {
        const Column& c = columns[index];
        const bool withCode = m_kind.titleWithCode || nameCount.value(c.name) > 1;
        amountColumn(deptField(c.code), withCode ? c.name + QLatin1Char(':') + c.code : c.name);
    }
    amountColumn(kTotalField, QStringLiteral("계 정 합 계"));

    cdsMain->create(fields);
    QList<double> deptTotals(columns.size(), 0);
    double grandTotal = 0;
    for (const Line& line : lines) {
        QVariantList values;
        if (m_kind.costOfSales)
            values << line.ord;
        values << line.code << line.name;
        double total = 0;
        for (int index : order) {
            const auto cell = line.cells.constFind(index);
            values << (cell == line.cells.constEnd() ? QVariant() : QVariant(*cell));
            if (cell != line.cells.constEnd())
                total += *cell;
        }
        values << total;
        cdsMain->appendRecord(values);
        if (m_kind.costOfSales && line.ord == QLatin1String("0"))
            continue;
        for (auto it = line.cells.constBegin(); it != line.cells.constEnd(); ++it)
            deptTotals[it.key()] += it.value();
        grandTotal += total;
    }
    QVariantList totalRow;
    if (m_kind.costOfSales)
        totalRow << QString();
    totalRow << QString() << m_kind.totalCaption;
    for (int index : order)
        totalRow << deptTotals[index];
    totalRow << grandTotal;
    cdsMain->appendRecord(totalRow);
    cdsMain->first();

    rdgMain->setColumns(gridColumns);
    rdgMain->setRecordSet(cdsMain);
    // The account's name and its total stay in view.
    rdgMain->setFrozenColumns(fixedColumns, 1);
}

void TfrmCostStatement::DoExcel()
{
    ExportDBGrid(rdgMain, m_kind.title);
}
