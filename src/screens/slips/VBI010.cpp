#include "screens/slips/VBI010.h"
#include "common/DeptEntry.h"
#include "common/HandOver.h"
#include "common/Query.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/LookupBtn.h"
#include "lookups/PopupBtn.h"
#include "screens/slips/SlipLines.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>

namespace {

const QString kAllDeptCode = QStringLiteral("0000");
const QString kAllDeptName = QStringLiteral("전체");
const QColor kDeletedGrey(0xD0, 0xD0, 0xD0);

}  // namespace

TfrmVBI010::TfrmVBI010(QWidget* parent) : TfrmZQI020(QStringLiteral("VBI010"), parent)
{
    setWindowTitle(QStringLiteral("전표 리스트(VBI010)"));
    // A list to read: nothing is added, changed, deleted or printed here.
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtSave, bbtDelete, bbtPrint, bbtPreview, bbtExcel})
        b->hide();
    bbtPriorRow = addStripButton(QStringLiteral("bbtPriorRow"), QStringLiteral("앞 자료"), bbtSave);
    bbtNextRow = addStripButton(QStringLiteral("bbtNextRow"), QStringLiteral("다음 자료"), bbtSave);
    connect(bbtPriorRow, &QPushButton::clicked, this, [this] { moveLastClicked(-1); });
    connect(bbtNextRow, &QPushButton::clicked, this, [this] { moveLastClicked(1); });

    buildSearchStrip();
    buildLists();
    buildDepartmentList();
    setSlipLookupConditions();
    RefreshButtons();
}

void TfrmVBI010::buildSearchStrip()
{
    cbxDept = new QComboBox(panSearch);
    cbxDept->setObjectName(QStringLiteral("cbxDept"));
    cbxDept->setMinimumWidth(200);
    edtFSlipNo = Form::NewEdit(panSearch, QStringLiteral("edtFSlipNo"), 8);
    edtFSlipNo->setFixedWidth(edtFSlipNo->fontMetrics().horizontalAdvance(QStringLiteral("K0000000000")) + 12);
    pbtFSlipNo = new TPopupBtn(panSearch);
    pbtFSlipNo->setObjectName(QStringLiteral("pbtFSlipNo"));
    dtpFSlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFSlipDate"));
    dtpESlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpESlipDate"));
    LinkDateRange(dtpFSlipDate, dtpESlipDate);
    QGroupBox* approval = Form::NewRadioGroup(panSearch, QString(),
                                              {{QStringLiteral("rdoApprovalA"), QStringLiteral("전  체")},
                                               {QStringLiteral("rdoApprovalS"), QStringLiteral("승  인")},
                                               {QStringLiteral("rdoApprovalR"), QStringLiteral("미승인")}},
                                              &rgApproval);
    approval->setObjectName(QStringLiteral("rgApproval"));
    CheckBox1 = new QCheckBox(QStringLiteral("삭제포함"), panSearch);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));

    const QStringList lookupColumns = {
        QStringLiteral("SELECT A.SLIP_NO, B.AFF_DEPT_NAME DEPT_NAME, C.EMP_K_NAME, A.SLIP_DATE, A.ACC_DATE,"),
        QStringLiteral("       A.TOTAL_D_AMT, A.TOTAL_C_AMT, A.SLIP_CONF_YN, A.SLIP_DEL_YN,"),
        QStringLiteral("       CASE WHEN A.CONF_DATE IS NULL THEN 'N' ELSE 'Y' END CONF_YN"),
        QStringLiteral("  FROM VB010MS A JOIN QA160MS B ON A.DEPT_CODE = B.AFF_DEPT_CODE"),
        QStringLiteral("       LEFT JOIN QA010MS C ON A.U_EMP_NO = C.EMP_NO"),
        // "전체" names every department
        QStringLiteral(" WHERE (A.DEPT_CODE = :dept_code OR :dept_code = '0000')"),
        QStringLiteral("   AND A.SLIP_DATE BETWEEN CAST(:from_date AS DATE) AND CAST(:to_date AS DATE)"),
    };
    pbtFSlipNo->setSql(lookupColumns + QStringList{QStringLiteral(" ORDER BY A.SLIP_NO")});
    pbtFSlipNo->setLinkSql(lookupColumns
                           + QStringList{QStringLiteral("   AND A.SLIP_NO LIKE '%' || :slip_no || '%'"),
                                         QStringLiteral(" ORDER BY A.SLIP_NO")});
    pbtFSlipNo->setColumnTitles({QStringLiteral("전표번호"), QStringLiteral("발생부서"), QStringLiteral("작성자명"),
                                 QStringLiteral("발생일자"), QStringLiteral("회계일자"), QStringLiteral("차변금액"),
                                 QStringLiteral("대변금액"), QStringLiteral("실전표여부"),
                                 QStringLiteral("삭제전표여부"), QStringLiteral("승인여부")});
    pbtFSlipNo->setColumnWidths({QStringLiteral("10"), QStringLiteral("16"), QStringLiteral("10"),
                                 QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("12"),
                                 QStringLiteral("12"), QStringLiteral("6"), QStringLiteral("6"), QStringLiteral("6")});
    pbtFSlipNo->setLinkControl(edtFSlipNo);
    connect(pbtFSlipNo, &TPopupBtn::clicked, this, [this] {
        if (pbtFSlipNo->modalResult() == Lookup::mrOk)
            edtFSlipNo->setText(pbtFSlipNo->returnValue().value(0).trimmed());
    });
    connect(edtFSlipNo, &QLineEdit::editingFinished, this, &TfrmVBI010::edtFSlipNoExit);
    connect(cbxDept, &QComboBox::currentIndexChanged, this, &TfrmVBI010::setSlipLookupConditions);
    connect(dtpFSlipDate, &QDateEdit::dateChanged, this, &TfrmVBI010::setSlipLookupConditions);
    connect(dtpESlipDate, &QDateEdit::dateChanged, this, &TfrmVBI010::setSlipLookupConditions);

    Form::Grid{
        {Form::Field(QStringLiteral("부    서"), cbxDept), Form::Field(QStringLiteral("작성기간"),
                                                                  Form::Row{dtpFSlipDate, Form::Label(QStringLiteral("~")),
                                                                            dtpESlipDate}),
         Form::Span(1, 2, approval), Form::Span(1, 2, CheckBox1)},
        {Form::Field(QStringLiteral("전표번호"), Form::Row{edtFSlipNo, pbtFSlipNo, Form::Stretch()})},
    }.stretchColumn(6).attachTo(panSearch);
}

void TfrmVBI010::buildLists()
{
    panInput->hide();
    cdsGrid = new RecordSet(this);
    cdsGrid->setObjectName(QStringLiteral("cdsGrid"));
    cdsDetail = new RecordSet(this);
    cdsDetail->setObjectName(QStringLiteral("cdsDetail"));

    rgrGrid = new DataGrid;
    rgrGrid->setObjectName(QStringLiteral("rgrGrid"));
    rgrGrid->setEditable(false);
    rgrGrid->setRowSelect(true);
    rgrGrid->setTitleSort(true);
    QList<GridColumn> slipColumns{
        GridColumn(QStringLiteral("SLIP_NO"), QStringLiteral("전표번호"), 80),
        GridColumn(QStringLiteral("SLIP_DATE"), QStringLiteral("작성일자"), 86),
        GridColumn(QStringLiteral("EMP_K_NAME"), QStringLiteral("작 성 자"), 70),
        GridColumn(QStringLiteral("DEPT_NAME"), QStringLiteral("작성부서"), 130),
        GridColumn(QStringLiteral("CONF_DATE"), QStringLiteral("확정일자"), 86),
        GridColumn(QStringLiteral("CONF_YN"), QStringLiteral("확정여부"), 64),
        GridColumn(QStringLiteral("TOTAL_D_AMT"), QStringLiteral("차변합계금액"), 120),
        GridColumn(QStringLiteral("TOTAL_C_AMT"), QStringLiteral("대변합계금액"), 120),
    };
    for (const QString& hidden : {QStringLiteral("ACC_DATE"), QStringLiteral("SLIP_CONF_YN"),
                                  QStringLiteral("SLIP_DEL_YN"), QStringLiteral("SLIP_YN")}) {
        GridColumn column{hidden};
        column.hidden = true;
        slipColumns << column;
    }
    rgrGrid->setColumns(slipColumns);
    rgrGrid->setColumnAlignment(QStringLiteral("CONF_YN"), Qt::AlignCenter);
    rgrGrid->setRecordSet(cdsGrid);
    rgrGrid->setRowBackground([this](int row) -> QVariant {
        if (cdsGrid->isOpen() && cdsGrid->fieldAsString(row, QStringLiteral("SLIP_DEL_YN")) == QLatin1String("Y"))
            return kDeletedGrey;
        return QVariant();
    });

    auto* details = new QWidget;
    details->setObjectName(QStringLiteral("panDetail"));
    auto* title = new QLabel(QStringLiteral("   세부내역"));
    title->setObjectName(QStringLiteral("lblDetail"));
    rgrDetail = new DataGrid;
    rgrDetail->setObjectName(QStringLiteral("rgrDetail"));
    rgrDetail->setEditable(false);
    rgrDetail->setRowSelect(true);
    rgrDetail->setColumns(SlipLines::columns());
    SlipLines::setColumnGroups(rgrDetail);
    rgrDetail->setRecordSet(cdsDetail);
    Form::Column{title, rgrDetail}.spacing(2).attachTo(details);

    auto* split = new QSplitter(Qt::Vertical);
    split->setObjectName(QStringLiteral("splLists"));
    split->setChildrenCollapsible(false);
    split->addWidget(rgrGrid);
    split->addWidget(details);
    split->setSizes({300, 200});
    Form::Column{split}.attachTo(panDisp);

    connect(cdsGrid, &RecordSet::afterOpen, this, &TfrmVBI010::loadLines);
    connect(cdsGrid, &RecordSet::afterScroll, this, &TfrmVBI010::loadLines);
    connect(cdsGrid, &RecordSet::afterClose, cdsDetail, &RecordSet::close);
    connect(rgrGrid, &DataGrid::recordDoubleClicked, this, &TfrmVBI010::openSlipOfRow);
    connect(rgrGrid, &QAbstractItemView::pressed, this, [this] { m_lastClicked = rgrGrid; });
    connect(rgrDetail, &QAbstractItemView::pressed, this, [this] { m_lastClicked = rgrDetail; });
}

void TfrmVBI010::buildDepartmentList()
{
    cbxDept->addItem(DeptEntry::text(kAllDeptName, kAllDeptCode), kAllDeptCode);
    QSqlQuery depts = RunQuery(QStringLiteral(
        "SELECT DEPT_NAME, DEPT_CODE FROM QA160MS_DATE\n"
        " WHERE TO_CHAR(CURRENT_DATE, 'YYYY-MM-DD') BETWEEN BGN_DATE AND END_DATE AND DEPT_TYPE IN ('3', '2')\n"
        " ORDER BY SORT_ORD, DEPT_CODE"));
    while (depts.next())
        cbxDept->addItem(DeptEntry::text(depts.value(0).toString(), depts.value(1).toString()),
                         depts.value(1).toString().trimmed());
    cbxDept->setCurrentIndex(0);
}

void TfrmVBI010::setSlipLookupConditions()
{
    pbtFSlipNo->setParam(QStringLiteral("dept_code"), DeptEntry::codeOf(cbxDept->currentText()));
    pbtFSlipNo->setParam(QStringLiteral("from_date"), dtpFSlipDate->date().toString(Qt::ISODate));
    pbtFSlipNo->setParam(QStringLiteral("to_date"), dtpESlipDate->date().toString(Qt::ISODate));
}

// A typed number is looked up among the slips of the conditions; a single
// match is taken at once.
void TfrmVBI010::edtFSlipNoExit()
{
    const QString text = edtFSlipNo->text().trimmed();
    if (text.isEmpty() || pbtFSlipNo->inLinkSearch())
        return;
    setSlipLookupConditions();
    pbtFSlipNo->setParam(QStringLiteral("slip_no"), text);
    pbtFSlipNo->LinkSearch();
}

void TfrmVBI010::RefreshButtons()
{
    TfrmZQI020::RefreshButtons();
    const bool rows = cdsGrid && cdsGrid->isOpen() && !cdsGrid->isEmpty();
    bbtPriorRow->setEnabled(rows);
    bbtNextRow->setEnabled(rows);
}

// --- search and cancel ---------------------------------------------------------------------

void TfrmVBI010::bbtSearchClick()
{
    cdsGrid->close();
    TfrmZQI020::bbtSearchClick();
    RecordCount = cdsGrid->isOpen() ? cdsGrid->recordCount() : 0;
    RefreshButtons();
}

void TfrmVBI010::DoSearch()
{
    openSlipList();
}

void TfrmVBI010::openSlipList()
{
    QString sql = QStringLiteral(
        "SELECT A.SLIP_NO, A.DEPT_CODE, B.AFF_DEPT_NAME DEPT_NAME, C.EMP_K_NAME, A.SLIP_DATE, A.ACC_DATE,\n"
        "       A.TOTAL_D_AMT, A.TOTAL_C_AMT, A.SLIP_CONF_YN, A.SLIP_DEL_YN,\n"
        "       CASE WHEN A.CONF_DATE IS NULL THEN 'N' ELSE 'Y' END CONF_YN, A.U_IP, A.U_DATE, A.U_EMP_NO,\n"
        "       A.CONF_DATE, CASE WHEN A.SLIP_DEL_YN = 'N' AND A.SLIP_CONF_YN = 'N' THEN 'N' END SLIP_YN\n"
        "  FROM VB010MS A\n"
        "  JOIN QA160MS B ON A.DEPT_CODE = B.AFF_DEPT_CODE\n"
        "  LEFT JOIN QA010MS C ON A.CR_EMP_NO = C.EMP_NO\n"
        " WHERE A.SLIP_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n");
    QVariantList params{dtpFSlipDate->date().toString(Qt::ISODate), dtpESlipDate->date().toString(Qt::ISODate)};
    if (DeptEntry::codeOf(cbxDept->currentText()) != kAllDeptCode) {
        sql += QStringLiteral("   AND A.DEPT_CODE = :P%1\n").arg(params.size());
        params << DeptEntry::codeOf(cbxDept->currentText());
    }
    if (const QString slipNo = edtFSlipNo->text().trimmed(); !slipNo.isEmpty()) {
        sql += QStringLiteral("   AND A.SLIP_NO LIKE :P%1 || '%'\n").arg(params.size());
        params << slipNo;
    }
    if (rgApproval.at(1)->isChecked())
        sql += QStringLiteral("   AND A.SLIP_CONF_YN = 'Y'\n");
    else if (rgApproval.at(2)->isChecked())
        sql += QStringLiteral("   AND A.SLIP_CONF_YN = 'N'\n");
    if (!CheckBox1->isChecked())
        sql += QStringLiteral("   AND A.SLIP_DEL_YN = 'N'\n");
    sql += QStringLiteral(" ORDER BY A.SLIP_NO");
    cdsGrid->open(sql, params);
    SetNumberFormats(*cdsGrid);
    m_lastClicked = rgrGrid;
}

void TfrmVBI010::loadLines()
{
    if (!cdsGrid->isOpen() || cdsGrid->isEmpty()) {
        cdsDetail->close();
        return;
    }
    cdsDetail->open(SlipLines::statement(QStringLiteral("SLIP_NO = :P0"),
                                         QStringLiteral("Z.SLIP_NO = :P0 AND Z.SLIP_DATE = CAST(:P1 AS DATE)"
                                                        " AND Z.DEPT_CODE = :P2"),
                                         QStringLiteral("A.SLIP_SEQ_NO")),
                    {cdsGrid->fieldAsString(QStringLiteral("SLIP_NO")),
                     cdsGrid->fieldAsDate(QStringLiteral("SLIP_DATE")).toString(Qt::ISODate),
                     cdsGrid->fieldAsString(QStringLiteral("DEPT_CODE"))});
    SetNumberFormats(*cdsDetail);
}

void TfrmVBI010::bbtCancelClick()
{
    TfrmZQI020::bbtCancelClick();
    cdsGrid->close();
    edtFSlipNo->clear();
    cbxDept->setCurrentIndex(0);
    RefreshButtons();
}

// --- moving and opening --------------------------------------------------------------------

void TfrmVBI010::moveLastClicked(int distance)
{
    RecordSet* set = m_lastClicked == rgrDetail ? cdsDetail : cdsGrid;
    if (!set->isOpen() || set->isEmpty())
        return;
    set->moveBy(distance);
}

void TfrmVBI010::openSlipOfRow(int row)
{
    if (!cdsGrid->isOpen() || row < 0 || row >= cdsGrid->recordCount())
        return;
    if (cdsGrid->fieldAsString(row, QStringLiteral("SLIP_DEL_YN")) == QLatin1String("Y"))
        return;
    OpenSlipInProgram(QStringLiteral("VBI020"), cdsGrid->fieldAsString(row, QStringLiteral("SLIP_NO")),
                      cdsGrid->value(row, QStringLiteral("SLIP_DATE")).toDate(),
                      cdsGrid->fieldAsString(row, QStringLiteral("DEPT_NAME")),
                      cdsGrid->fieldAsString(row, QStringLiteral("DEPT_CODE")));
}
