#include "screens/statements/VDI010.h"
#include "common/Messages.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "common/WaitWindow.h"
#include "framework/FormKit.h"
#include "framework/print/ReportData.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/statements/VDI011.h"
#include <QDateEdit>
#include <QFontMetrics>
#include <QPushButton>
#include <QSqlQuery>
#include <algorithm>

namespace {

const QString kTitle = QStringLiteral("합계잔액시산표");

// The wait window closes however the search ends.
struct WaitWhile {
    explicit WaitWhile(const QString& message) { ShowWait(message); }
    ~WaitWhile() { HideWait(); }
};

}  // namespace

TfrmVDI010::TfrmVDI010(QWidget* parent) : TfrmZQI030(QStringLiteral("VDI010"), parent)
{
    setWindowTitle(kTitle + QStringLiteral("(VDI010)"));
    // A statement to read, print and export: nothing is written.
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtSave, bbtDelete})
        b->hide();
    panInput->hide();

    DateTimePicker1 = Form::NewDateEdit(panSearch, QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setDisplayFormat(QStringLiteral("yyyy-MM"));
    Form::Row{Form::Field(QStringLiteral("조회월"), DateTimePicker1), Form::Stretch()}.attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    // Widths follow the figures of each search (fitColumnsToFigures).
    const auto column = [](const char* field, const char* caption) {
        return GridColumn(QLatin1String(field), QString::fromUtf8(caption));
    };
    rgrGrid = Form::NewResultGrid(panDisp, cdsMain,
                                  {column("BAL_DAMOUNT", "잔   액"), column("SUM_DAMOUNT", "합   계"),
                                   column("BD_AMOUNT", "당기누계액"), column("D_AMOUNT", "당   월"),
                                   column("BF_DAMOUNT", "전기이월"),
                                   column("ACCT_NAME", "계정과목"),
                                   column("BF_CAMOUNT", "전기이월"), column("C_AMOUNT", "당   월"),
                                   column("BC_AMOUNT", "당기누계액"), column("SUM_CAMOUNT", "합   계"),
                                   column("BAL_CAMOUNT", "잔   액")},
                                  QStringLiteral("rgrGrid"));
    rgrGrid->setColumnGroup(QStringLiteral("차               변"),
                            {QStringLiteral("BAL_DAMOUNT"), QStringLiteral("SUM_DAMOUNT"), QStringLiteral("BD_AMOUNT"),
                             QStringLiteral("D_AMOUNT"), QStringLiteral("BF_DAMOUNT")});
    rgrGrid->setColumnGroup(QStringLiteral("대               변"),
                            {QStringLiteral("BF_CAMOUNT"), QStringLiteral("C_AMOUNT"), QStringLiteral("BC_AMOUNT"),
                             QStringLiteral("SUM_CAMOUNT"), QStringLiteral("BAL_CAMOUNT")});
    // Account groups and the total have no upper account.
    rgrGrid->setRowBackground([this](int row) -> QVariant {
        if (cdsMain->isOpen() && cdsMain->fieldAsString(row, QStringLiteral("ACCT_UPCD")).trimmed().isEmpty())
            return QColor(0xC0, 0xC0, 0xC0);
        return QVariant();
    });
}

void TfrmVDI010::DoSearch()
{
    const QDate month = DateTimePicker1->date();
    const WaitWhile wait(QStringLiteral("집계중입니다.......!"));
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    const QString answer =
        CallProcText(QStringLiteral("pr_v_vdi010sp"), {Session::workstationIp, month.toString(QStringLiteral("yyyyMM"))});
    if (ProcResult::isFailure(answer)) {
        tx.rollback();
        HideWait();
        ShowInfo(QStringLiteral("자료를 저장하지 못했습니다.\n\n에러내용:\n") + answer);
        // The grid keeps what it showed; with nothing shown yet, the month
        // can be chosen again at once.
        if (!cdsMain->isOpen())
            State = stNone;
        RefreshButtons();
        return;
    }
    tx.commit();
    cdsMain->open(QStringLiteral("SELECT ACCT_CODE, ACCT_NAME, ACCT_UPCD, BAL_DAMOUNT, SUM_DAMOUNT, BD_AMOUNT, D_AMOUNT,\n"
                                 "       BF_DAMOUNT, BF_CAMOUNT, C_AMOUNT, BC_AMOUNT, SUM_CAMOUNT, BAL_CAMOUNT\n"
                                 "  FROM VD010PR\n"
                                 " WHERE IP_ADDR = :P0\n"
                                 " ORDER BY ACCT_CODE"),
                  {Session::workstationIp});
    SetNumberFormats(*cdsMain);
    fitColumnsToFigures();
    m_shownMonth = QDate(month.year(), month.month(), 1);
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
}

// Every column as wide as its caption and the widest figure or name of the
// month, so that no figure is cut and the columns take no more room than the
// month's books need.
void TfrmVDI010::fitColumnsToFigures()
{
    const QFontMetrics metrics(rgrGrid->font());
    for (int column = 0; column < rgrGrid->gridColumnCount(); ++column) {
        const QString field = rgrGrid->fieldOf(column);
        int width = metrics.horizontalAdvance(rgrGrid->columnCaption(column)) + 16;
        for (int row = 0; row < cdsMain->recordCount(); ++row)
            width = std::max(width, metrics.horizontalAdvance(cdsMain->displayText(row, field)) + 12);
        rgrGrid->setColumnWidth(column, width);
    }
}

void TfrmVDI010::DoPrint()
{
    printTrialBalance();
}

void TfrmVDI010::DoPreview()
{
    printTrialBalance();
}

// The heading names the term of the month the grid shows, whatever the
// month field holds by now.
void TfrmVDI010::printTrialBalance()
{
    const QDate monthEnd = m_shownMonth.isValid()
        ? QDate(m_shownMonth.year(), m_shownMonth.month(), m_shownMonth.daysInMonth())
        : QDate();
    QString sessionId;
    if (monthEnd.isValid()) {
        QSqlQuery term = RunQuery(QStringLiteral("SELECT SESSION_ID FROM VI010MS WHERE CAST(:P0 AS DATE) BETWEEN ST_DATE AND ED_DATE"),
                                  {monthEnd.toString(Qt::ISODate)});
        if (term.next())
            sessionId = term.value(0).toString();
    }
    if (sessionId.isEmpty()) {
        ShowInfo(QStringLiteral("회계일자에 등록된 기수가 없습니다.관리자에게 문의하세요.!"));
        return;
    }
    TfrmVDI011 layout;
    RecordSetReportData rows(cdsMain);
    layout.setData(&rows);
    layout.setTerm(sessionId, monthEnd);
    layout.Prepare();
    layout.PrintOrPreview(PreviewFlag, this);
}

void TfrmVDI010::DoExcel()
{
    ExportDBGrid(rgrGrid, kTitle);
}
