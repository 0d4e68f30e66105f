#include "screens/statements/VDI030.h"
#include "common/DialogService.h"
#include "common/Messages.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "framework/print/ReportData.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/statements/VDI020.h"
#include "screens/statements/VDI031.h"
#include <QDateEdit>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSqlQuery>

namespace {

const QString kTitle = QStringLiteral("대차대조표");
const QString kNoTerm = QStringLiteral("회계일자에 등록된 기수가 없습니다.관리자에게 문의하세요.!");

struct Term {
    QString sessionId;
    QDate endDate;
};

// The term a day belongs to; empty when none does.
Term termOf(const QDate& day)
{
    QSqlQuery query = RunQuery(QStringLiteral("SELECT SESSION_ID, ED_DATE FROM VI010MS\n"
                                              " WHERE CAST(:P0 AS DATE) BETWEEN ST_DATE AND ED_DATE"),
                               {day.toString(Qt::ISODate)});
    if (!query.next())
        return {};
    return {query.value(0).toString(), query.value(1).toDate()};
}

}  // namespace

TfrmVDI030::TfrmVDI030(QWidget* parent) : TfrmZQI030(QStringLiteral("VDI030"), parent)
{
    setWindowTitle(kTitle + QStringLiteral("(VDI030)"));
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtSave, bbtDelete})
        b->hide();
    panInput->hide();

    DateTimePicker1 = Form::NewDateEdit(panSearch, QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setDisplayFormat(QStringLiteral("yyyy-MM"));
    Form::Row{Form::Field(QStringLiteral("조회월"), DateTimePicker1), Form::Stretch()}.attachTo(panSearch);

    bbtPdf = NewStripButton(buttonRow(), panButtons, QStringLiteral("bbtPdf"), QStringLiteral("PDF 저장"), bbtClose);
    connect(bbtPdf, &QPushButton::clicked, this, [this] { bbtPdfClick(); });

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    const auto amount = [](const char* field, const char* caption) {
        return GridColumn(QLatin1String(field), QString::fromUtf8(caption), 118);
    };
    rdgMain = Form::NewResultGrid(panDisp, cdsMain,
                                  {GridColumn(QStringLiteral("ACCT_PNAME"), QStringLiteral("계정과목"), 200),
                                   amount("D_AMOUNT", "당기계정"), amount("C_AMOUNT", "당기계정합계"),
                                   amount("BD_AMOUNT", "전기계정"), amount("BC_AMOUNT", "전기계정합계"),
                                   amount("CHA_D", "차액계정"), amount("CHA_C", "차액계정합계")});
    rdgMain->setColumnGroup(QStringLiteral("당          기"), {QStringLiteral("D_AMOUNT"), QStringLiteral("C_AMOUNT")});
    rdgMain->setColumnGroup(QStringLiteral("전          기"), {QStringLiteral("BD_AMOUNT"), QStringLiteral("BC_AMOUNT")});
    rdgMain->setColumnGroup(QStringLiteral("차          액"), {QStringLiteral("CHA_D"), QStringLiteral("CHA_C")});
    rdgMain->setRowBackground([this](int row) -> QVariant {
        if (cdsMain->isOpen() && cdsMain->fieldAsString(row, QStringLiteral("LVL")) == QLatin1String("1"))
            return QColor(0xC0, 0xC0, 0xC0);
        return QVariant();
    });
}

void TfrmVDI030::DoSearch()
{
    const QDate month = DateTimePicker1->date();
    // One run under the employee's lock: the sheet is replaced whole or not
    // at all.
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    const QString answer = CallProcText(QStringLiteral("pr_v_vdi030sp"),
                                        {Session::workstationIp, Session::empNo, month.toString(QStringLiteral("yyyyMM"))});
    if (ProcResult::isFailure(answer)) {
        tx.rollback();
        ShowInfo(QStringLiteral("자료를 저장하지 못했습니다.\n\n에러내용:\n") + answer);
        if (!cdsMain->isOpen())
            State = stNone;
        RefreshButtons();
        return;
    }
    tx.commit();
    cdsMain->open(QStringLiteral("SELECT ACCT_CODE, ACCT_PNAME, D_AMOUNT, C_AMOUNT, BD_AMOUNT, BC_AMOUNT,\n"
                                 "       (COALESCE(BD_AMOUNT, 0) - COALESCE(D_AMOUNT, 0)) CHA_D,\n"
                                 "       (COALESCE(BC_AMOUNT, 0) - COALESCE(C_AMOUNT, 0)) CHA_C, LVL\n"
                                 "  FROM VD031_RPT\n"
                                 " WHERE U_EMP_NO = :P0\n"
                                 " ORDER BY ACCT_CODE"),
                  {Session::empNo});
    for (const char* field : {"D_AMOUNT", "C_AMOUNT", "BD_AMOUNT", "BC_AMOUNT", "CHA_D", "CHA_C"})
        cdsMain->setDisplayFormat(QLatin1String(field), QStringLiteral("#,###"));
    m_shownMonth = QDate(month.year(), month.month(), 1);
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
}

void TfrmVDI030::RefreshButtons()
{
    TfrmZQI030::RefreshButtons();
    if (bbtPdf)
        bbtPdf->setEnabled(bbtPrint->isEnabled());
}

// The headings name the terms of the month the grid shows, whatever the
// month field holds by now.
std::unique_ptr<TfrmVDI031> TfrmVDI030::layoutOfShownMonth()
{
    const QDate monthEnd = m_shownMonth.isValid()
        ? QDate(m_shownMonth.year(), m_shownMonth.month(), m_shownMonth.daysInMonth())
        : QDate();
    const Term current = monthEnd.isValid() ? termOf(monthEnd) : Term{};
    if (current.sessionId.isEmpty()) {
        ShowInfo(kNoTerm);
        return nullptr;
    }
    const Term previous = termOf(TfrmVDI020::yearEarlier(monthEnd));
    auto layout = std::make_unique<TfrmVDI031>();
    layout->setTerms(current.sessionId, monthEnd, previous.sessionId, previous.endDate);
    return layout;
}

void TfrmVDI030::printBalanceSheet()
{
    std::unique_ptr<TfrmVDI031> layout = layoutOfShownMonth();
    if (!layout)
        return;
    RecordSetReportData rows(cdsMain);
    layout->setData(&rows);
    layout->Prepare();
    layout->PrintOrPreview(PreviewFlag, this);
}

void TfrmVDI030::DoPrint()
{
    printBalanceSheet();
}

void TfrmVDI030::DoPreview()
{
    printBalanceSheet();
}

void TfrmVDI030::DoExcel()
{
    ExportDBGrid(rdgMain, kTitle);
}

void TfrmVDI030::bbtPdfClick()
{
    std::unique_ptr<TfrmVDI031> layout = layoutOfShownMonth();
    if (!layout)
        return;
    const QString path = DialogService::instance().saveFileName(this, QStringLiteral("PDF 저장"),
                                                                QStringLiteral("VDI030.pdf"),
                                                                QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    RecordSetReportData rows(cdsMain);
    layout->setData(&rows);
    if (!layout->SaveAsPdf(path)) {
        ShowError(QStringLiteral("PDF 파일을 저장하지 못했습니다.\r") + path);
        return;
    }
    ShowStatus(QStringLiteral("PDF 파일을 저장하였습니다. ") + path);
}
