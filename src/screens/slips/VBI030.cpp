#include "screens/slips/VBI030.h"
#include "common/HandOver.h"
#include "common/Messages.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/TextUtil.h"
#include "common/Transaction.h"
#include "common/WaitWindow.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/DisplayFormat.h"
#include "grid/RecordSet.h"
#include "screens/slips/SlipLines.h"
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kTickConfirm = QStringLiteral("SLIP_YN");
const QString kTickCancel = QStringLiteral("CANCEL_YN");

bool isTickField(const QString& field)
{
    return field == kTickConfirm || field == kTickCancel;
}

// A whole number of won, or nothing.
bool parseWholeAmount(const QString& text, qint64* amount)
{
    bool ok = false;
    *amount = StripCommas(text).trimmed().toLongLong(&ok);
    return ok;
}

}  // namespace

TfrmVBI030::TfrmVBI030(QWidget* parent) : TfrmZZI020(QStringLiteral("VBI030"), parent)
{
    setWindowTitle(QStringLiteral("전표 확정(VBI030)"));
    // The list is a list of slips, not of records to add or delete.
    bbtAdd->hide();
    bbtDelete->hide();
    for (QToolButton* b : {sbtFirst, sbtPrior, sbtNext, sbtLast})
        b->hide();
    bbtSave->setText(QStringLiteral("확정/확정취소/승인취소(F2)"));

    buildSearchStrip();
    buildConfirmStrip();
    buildLists();
}

void TfrmVBI030::buildSearchStrip()
{
    // The radio groups need a title row above their buttons.
    panSearch->setFixedHeight(56);
    dtpFSlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFSlipDate"));
    dtpESlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpESlipDate"));
    LinkDateRange(dtpFSlipDate, dtpESlipDate);
    QGroupBox* kind = Form::NewRadioGroup(panSearch, QStringLiteral("조회조건"),
                                          {{QStringLiteral("rdoAccDate"), QStringLiteral("승인일자")},
                                           {QStringLiteral("rdoConfDate"), QStringLiteral("확정일자")}},
                                          &RadioGroup1);
    kind->setObjectName(QStringLiteral("RadioGroup1"));
    QGroupBox* approval = Form::NewRadioGroup(panSearch, QString(),
                                              {{QStringLiteral("rdoApprovalA"), QStringLiteral("전체")},
                                               {QStringLiteral("rdoApprovalY"), QStringLiteral("확  정")},
                                               {QStringLiteral("rdoApprovalN"), QStringLiteral("미확정")}},
                                              &rgApproval);
    approval->setObjectName(QStringLiteral("rgApproval"));
    Edit1 = Form::NewEdit(panSearch, QStringLiteral("Edit1"), 12);
    Edit1->setMinimumWidth(100);

    Form::Row{dtpFSlipDate, Form::Label(QStringLiteral("~")), dtpESlipDate, Form::Space(8), kind, approval,
              Form::Space(8), Form::Field(QStringLiteral("전표번호"), Edit1), Form::Stretch()}
        .attachTo(panSearch);
}

// The confirmation's own values sit in the button strip beside the button
// that runs it: they are usable while a list is shown, as the button is.
void TfrmVBI030::buildConfirmStrip()
{
    DateTimePicker1 = Form::NewDateEdit(panButtons, QStringLiteral("DateTimePicker1"));
    medAccept_YM = Form::NewMaskEdit(panButtons, QStringLiteral("medAccept_YM"), QStringLiteral("9999-99;0;_"));
    medAccept_YM->setText(QDate::currentDate().toString(QStringLiteral("yyyy-MM")));
    medAccept_YM->setFixedWidth(medAccept_YM->fontMetrics().horizontalAdvance(QStringLiteral("0000-000")) + 12);
    Edit2 = Form::NewEdit(panButtons, QStringLiteral("Edit2"), 100);
    Edit2->setFixedWidth(110);
    Edit3 = Form::NewEdit(panButtons, QStringLiteral("Edit3"), 20);
    Edit3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Edit3->setText(QStringLiteral("0"));
    Edit3->setFixedWidth(Edit3->fontMetrics().horizontalAdvance(QStringLiteral("000,000,000,000")) + 12);
    connect(Edit3, &QLineEdit::editingFinished, this, &TfrmVBI030::normaliseAmount);
    CheckBox1 = new QCheckBox(QStringLiteral("지급여부"), panButtons);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));

    const auto caption = [this](const QString& text) {
        auto* label = new QLabel(text, panButtons);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    };
    QHBoxLayout* row = buttonRow();
    int at = row->indexOf(bbtSave);
    for (QWidget* w : QList<QWidget*>{caption(QStringLiteral("확정일자")), DateTimePicker1,
                                      caption(QStringLiteral("영업 수지\n적  용  월")), medAccept_YM,
                                      caption(QStringLiteral("영업 수지 \n 비      고")), Edit2,
                                      caption(QStringLiteral("영업 수지\n확인 금액")), Edit3, CheckBox1})
        row->insertWidget(at++, w);
    // Two-line captions need a taller strip.
    panButtons->setFixedHeight(46);
}

void TfrmVBI030::buildLists()
{
    // The slip list: the base's grid, here the main list of the screen.
    cdsLines = new RecordSet(this);
    cdsLines->setObjectName(QStringLiteral("cdsLines"));
    rgrGrid->setColumns({
        GridColumn(QStringLiteral("CONF_YN"), QStringLiteral("확정여부"), 62),
        GridColumn(kTickConfirm, QStringLiteral("확정"), 40),
        GridColumn(QStringLiteral("CONF_DATE"), QStringLiteral("확정일자"), 82),
        GridColumn(QStringLiteral("SLIP_NO"), QStringLiteral("전표번호"), 76),
        GridColumn(QStringLiteral("SLIP_DATE"), QStringLiteral("작성일자"), 82),
        GridColumn(QStringLiteral("DEPT_NAME"), QStringLiteral("작성부서"), 120),
        GridColumn(QStringLiteral("EMP_K_NAME"), QStringLiteral("작성자"), 62),
        GridColumn(QStringLiteral("TOTAL_D_AMT"), QStringLiteral("차변금액합계"), 106),
        GridColumn(QStringLiteral("TOTAL_C_AMT"), QStringLiteral("대변금액합계"), 106),
        GridColumn(kTickCancel, QStringLiteral("확정취소"), 62),
        GridColumn(QStringLiteral("U_DATE"), QStringLiteral("최종수정일"), 136),
    });
    for (const QString& field : {QStringLiteral("CONF_YN"), kTickConfirm, kTickCancel})
        rgrGrid->setColumnAlignment(field, Qt::AlignCenter);
    rgrGrid->setTitleSort(true);
    rgrGrid->setRowBackground([this](int row) -> QVariant {
        if (cdsGrid->isOpen() && cdsGrid->fieldAsString(row, QStringLiteral("CONF_YN")) == QLatin1String("Y"))
            return QColor(0xFF, 0xF2, 0xC6);
        return QVariant();
    });

    // The lines of the slip under the cursor.
    auto* details = new QWidget;
    details->setObjectName(QStringLiteral("panDetail"));
    auto* title = new QLabel(QStringLiteral("   세부내역"));
    title->setObjectName(QStringLiteral("lblDetail"));
    RealDBGrid1 = new DataGrid;
    RealDBGrid1->setObjectName(QStringLiteral("RealDBGrid1"));
    RealDBGrid1->setEditable(false);
    RealDBGrid1->setRowSelect(true);
    QList<GridColumn> lineColumns = SlipLines::columns();
    lineColumns << GridColumn(QStringLiteral("BU_ACCT_NAME"), QStringLiteral("영업수지계정명"), 130);
    RealDBGrid1->setColumns(lineColumns);
    SlipLines::setColumnGroups(RealDBGrid1);
    RealDBGrid1->setRecordSet(cdsLines);
    Form::Column{title, RealDBGrid1}.spacing(2).attachTo(details);
    gridTakesDataArea({details})->setSizes({300, 200});

    connect(cdsGrid, &RecordSet::afterOpen, this, &TfrmVBI030::loadLines);
    connect(cdsGrid, &RecordSet::afterScroll, this, &TfrmVBI030::loadLines);
    connect(cdsGrid, &RecordSet::afterClose, cdsLines, &RecordSet::close);
    connect(rgrGrid, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        toggleTick(index.row(), rgrGrid->fieldOf(index.column()));
    });
    connect(rgrGrid, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        // A double click on a tick only ticks.
        if (!isTickField(rgrGrid->fieldOf(index.column())))
            openSlipOfRow(index.row(), QStringLiteral("VBI020"));
    });
    connect(RealDBGrid1, &DataGrid::recordDoubleClicked, this, [this] {
        if (cdsGrid->isOpen() && !cdsGrid->isEmpty())
            openSlipOfRow(cdsGrid->currentRow(), QStringLiteral("VCI120"));
    });
}

// --- search and cancel ---------------------------------------------------------------------

void TfrmVBI030::bbtSearchClick()
{
    requireActive(bbtSearch);
    cdsGrid->close();
    TfrmZZI020::bbtSearchClick();
    openSlipList();
}

void TfrmVBI030::openSlipList()
{
    QString sql = QStringLiteral(
        "SELECT A.SLIP_NO, A.DEPT_CODE, B.AFF_DEPT_NAME DEPT_NAME, C.EMP_K_NAME, A.SLIP_DATE, A.ACC_DATE,\n"
        "       A.TOTAL_D_AMT, A.TOTAL_C_AMT, A.SLIP_CONF_YN, A.SLIP_DEL_YN,\n"
        "       CASE WHEN A.CONF_DATE IS NULL THEN 'N' ELSE 'Y' END CONF_YN, A.U_IP, A.U_DATE, A.U_EMP_NO, A.CONF_DATE,\n"
        "       CASE WHEN A.CONF_DATE IS NULL THEN 'N' END SLIP_YN,\n"
        "       CASE WHEN A.CONF_DATE IS NOT NULL THEN 'N' END CANCEL_YN, A.SESSION_ID,\n"
        "       CASE WHEN A.CONF_DATE IS NULL THEN 'N' END CANCEL_YN2\n"
        "  FROM VB010MS A\n"
        "  JOIN QA160MS B ON A.DEPT_CODE = B.AFF_DEPT_CODE\n"
        "  LEFT JOIN QA010MS C ON A.CR_EMP_NO = C.EMP_NO\n"
        " WHERE A.SLIP_DEL_YN <> 'Y'\n");
    QVariantList params{dtpFSlipDate->date().toString(Qt::ISODate), dtpESlipDate->date().toString(Qt::ISODate)};
    sql += RadioGroup1.at(0)->isChecked()
        ? QStringLiteral("   AND A.ACC_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n")
        : QStringLiteral("   AND A.CONF_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n");
    if (const QString slipNo = Edit1->text().trimmed(); !slipNo.isEmpty()) {
        sql += QStringLiteral("   AND A.SLIP_NO LIKE '%' || :P2 || '%'\n");
        params << slipNo;
    }
    if (rgApproval.at(1)->isChecked())
        sql += QStringLiteral("   AND A.CONF_DATE IS NOT NULL\n");
    else if (rgApproval.at(2)->isChecked())
        sql += QStringLiteral("   AND A.CONF_DATE IS NULL\n");
    // Slips of one confirmation day keep one order from search to search.
    sql += QStringLiteral(" ORDER BY A.CONF_DATE, A.SLIP_NO");
    cdsGrid->open(sql, params);
    SetNumberFormats(*cdsGrid);
}

void TfrmVBI030::loadLines()
{
    if (!cdsGrid->isOpen() || cdsGrid->isEmpty()) {
        cdsLines->close();
        return;
    }
    cdsLines->open(SlipLines::statement(QStringLiteral("SLIP_NO = :P0"),
                                        QStringLiteral("Z.SLIP_NO = :P0 AND Z.ACC_DATE = CAST(:P1 AS DATE)"),
                                        QStringLiteral("A.SLIP_SEQ_NO")),
                   {cdsGrid->fieldAsString(QStringLiteral("SLIP_NO")),
                    cdsGrid->fieldAsDate(QStringLiteral("ACC_DATE")).toString(Qt::ISODate)});
    SetNumberFormats(*cdsLines);
}

void TfrmVBI030::bbtCancelClick()
{
    TfrmZZI020::bbtCancelClick();
    // Closing the list drops the ticks not yet run.
    Edit1->clear();
    cdsGrid->close();
}

// --- ticks and drill-down -----------------------------------------------------------------

void TfrmVBI030::toggleTick(int row, const QString& field)
{
    if (!isTickField(field) || !cdsGrid->isOpen() || row < 0 || row >= cdsGrid->recordCount())
        return;
    const QString tick = cdsGrid->fieldAsString(row, field);
    if (tick.isEmpty())
        return;
    cdsGrid->moveTo(row);
    cdsGrid->edit();
    cdsGrid->setValue(field, tick == QLatin1String("N") ? QStringLiteral("Y") : QStringLiteral("N"));
    cdsGrid->post();
}

void TfrmVBI030::openSlipOfRow(int row, const QString& programId)
{
    if (!cdsGrid->isOpen() || row < 0 || row >= cdsGrid->recordCount())
        return;
    OpenSlipInProgram(programId, cdsGrid->fieldAsString(row, QStringLiteral("SLIP_NO")),
                      cdsGrid->value(row, QStringLiteral("SLIP_DATE")).toDate(),
                      cdsGrid->fieldAsString(row, QStringLiteral("DEPT_NAME")),
                      cdsGrid->fieldAsString(row, QStringLiteral("DEPT_CODE")));
}

// --- confirmation ------------------------------------------------------------------------

void TfrmVBI030::normaliseAmount()
{
    qint64 amount = 0;
    if (!parseWholeAmount(Edit3->text(), &amount))
        amount = 0;
    Edit3->setText(FormatNumber(double(amount), QStringLiteral("#,##0")));
}

bool TfrmVBI030::mayConfirmOn(const QString& day)
{
    QSqlQuery authority = RunQuery(QStringLiteral("SELECT CHARGE_YN FROM VA010MS\n"
                                                  " WHERE EMP_NO = :P0 AND CAST(:P1 AS DATE) BETWEEN ST_DATE AND ED_DATE\n"
                                                  " ORDER BY ST_DATE DESC"),
                                   {Session::empNo.trimmed(), day});
    if (!authority.next()) {
        ShowInfo(QStringLiteral("승인권한에 등록되지 않은 사용자입니다.!"));
        return false;
    }
    if (authority.value(0).toString() != QLatin1String("Y")) {
        ShowInfo(QStringLiteral("재무승인 권한이 없는 사용자 입니다.!"));
        return false;
    }
    return true;
}

void TfrmVBI030::bbtSaveClick()
{
    TfrmZZI020::bbtSaveClick();
    if (!cdsGrid->isOpen())
        return;
    const QString day = DateTimePicker1->date().toString(Qt::ISODate);
    if (!mayConfirmOn(day))
        return;
    if (!AskYesNo(QStringLiteral("해당전표를 [") + day
                  + QStringLiteral("] 일자로 확정 또는 확정취소/ 승인취소 하시겠습니까.?")))
        return;

    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ShowWait(QStringLiteral("해당프로시저를 처리중입니다!"));
    try {
        if (!runTickedSlips(day))
            return;
        HideWait();
        // The search choices (range, kind, filter) stay as they are through
        // Cancel; the list is read again inside the run, so that what it
        // shows is what the commit keeps.
        bbtCancelClick();
        bbtSearchClick();
        tx.commit();
    } catch (...) {
        HideWait();
        tx.rollback();
        throw;
    }
    ShowInfo(QStringLiteral("처리완료 되었습니다.!"));
    Edit2->clear();
    Edit3->setText(QStringLiteral("0"));
}

bool TfrmVBI030::runTickedSlips(const QString& day)
{
    normaliseAmount();
    const QString empNo = Session::empNo.trimmed();
    const QString acceptYm = DigitsOnly(medAccept_YM->text());
    const QString remark = Edit2->text().trimmed();
    const QString amount = Edit3->text();
    const QString paid = CheckBox1->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    const auto refused = [](const QString& answer) {
        HideWait();
        SharedTransaction::instance().rollback();
        ShowError(QStringLiteral("자료를 저장하지 못했습니다.\n\n에러내용:\n") + answer);
        return false;
    };

    for (int row = 0; row < cdsGrid->recordCount(); ++row) {
        QString flag, date;
        if (cdsGrid->fieldAsString(row, kTickConfirm) == QLatin1String("Y")) {
            flag = QStringLiteral("1");
            date = day;
        } else if (cdsGrid->fieldAsString(row, kTickCancel) == QLatin1String("Y")) {
            // A confirmation is cancelled on the day it was made.
            flag = QStringLiteral("2");
            date = cdsGrid->value(row, QStringLiteral("CONF_DATE")).toDate().toString(Qt::ISODate);
        } else {
            continue;
        }
        const QString slipNo = cdsGrid->fieldAsString(row, QStringLiteral("SLIP_NO")).trimmed();
        for (const char* step : {"pk_v_journalize.def_confdate", "pk_v_journalize.pr_journalmain"}) {
            const QString answer = CallProcText(QLatin1String(step), {flag, slipNo, date, empNo});
            if (ProcResult::isFailure(answer))
                return refused(answer);
        }
        // The operating income/expense registration is part of the run: its
        // refusal takes the run back like the others.
        const QString answer =
            CallProcText(QStringLiteral("pr_vzi100_02"), {slipNo, flag, acceptYm, remark, amount, paid, empNo});
        if (ProcResult::isFailure(answer))
            return refused(answer);
    }
    return true;
}
