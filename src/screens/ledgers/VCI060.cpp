#include "screens/ledgers/VCI060.h"
#include "common/HandOver.h"
#include "common/Query.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/ledgers/LedgerCommon.h"
#include "screens/ledgers/VCI041.h"
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>

TfrmVCI060::TfrmVCI060(QWidget* parent) : TfrmVCI060(QStringLiteral("VCI060"), false, parent)
{
}

TfrmVCI110::TfrmVCI110(QWidget* parent) : TfrmVCI060(QStringLiteral("VCI110"), true, parent)
{
}

TfrmVCI060::TfrmVCI060(const QString& programId, bool withVat, QWidget* parent)
    : TfrmZQI030(programId, parent), m_withVat(withVat)
{
    setWindowTitle(withVat ? QStringLiteral("계정별원장(부가세)(VCI110)") : QStringLiteral("계정별원장(VCI060)"));
    build();
}

void TfrmVCI060::build()
{
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtSave, bbtDelete})
        b->hide();
    panInput->hide();

    const QDate today = QDate::currentDate();
    dtpFSlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFSlipDate"));
    dtpESlipDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpESlipDate"));
    dtpFSlipDate->setDate(QDate(today.year(), today.month(), 1));
    dtpESlipDate->setDate(QDate(today.year(), today.month(), today.daysInMonth()));
    LinkDateRange(dtpFSlipDate, dtpESlipDate);

    const int codeWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12;
    const auto account = [&](const char* code, const char* button, const char* name, QLineEdit** codeEdit,
                             TPopupBtn** lookup, QLineEdit** nameEdit) {
        *codeEdit = Form::NewEdit(panSearch, QLatin1String(code), 7);
        (*codeEdit)->setFixedWidth(codeWidth);
        *lookup = new TPopupBtn(panSearch);
        (*lookup)->setObjectName(QLatin1String(button));
        *nameEdit = Form::NewEdit(panSearch, QLatin1String(name));
        (*nameEdit)->setFixedWidth(140);
        Ledger::wireAccountLookup(*lookup, *codeEdit, *nameEdit, true);
    };
    account("edtFAcctCd", "pbtFAccCode", "edtFAcctName", &edtFAcctCd, &pbtFAccCode, &edtFAcctName);
    account("edtEAcctCd", "pbtEAccCode", "edtEAcctName", &edtEAcctCd, &pbtEAccCode, &edtEAcctName);
    Form::Row{Form::Field(QStringLiteral("조회기간"), dtpFSlipDate), Form::Label(QStringLiteral("~")), dtpESlipDate,
              Form::Space(12), Form::Field(QStringLiteral("계정과목"), edtFAcctCd), pbtFAccCode, edtFAcctName,
              Form::Label(QStringLiteral("~")), edtEAcctCd, pbtEAccCode, edtEAcctName, Form::Stretch()}
        .attachTo(panSearch);

    ComboBox1 = new QComboBox(panRecordCount);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setMinimumWidth(260);
    Form::Row{Form::Space(20), ComboBox1, Form::Stretch()}.attachTo(panRecordCount);
    connect(ComboBox1, &QComboBox::activated, this, &TfrmVCI060::showAccount);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    GridColumn slipDate(QStringLiteral("SLIP_DATE"), QStringLiteral("Slip_Date"));
    slipDate.hidden = true;
    GridColumn deptCode(QStringLiteral("DEPT_CODE"), QStringLiteral("Dept_Code"));
    deptCode.hidden = true;
    rgrGrid = Form::NewResultGrid(panDisp, cdsMain,
                                  {GridColumn(QStringLiteral("ACCT_DT"), QStringLiteral("일  자"), 70),
                                   GridColumn(QStringLiteral("SLIP_NO"), QStringLiteral("전표번호"), 75),
                                   GridColumn(QStringLiteral("SLIP_SEQ_NO"), QStringLiteral("순번"), 40),
                                   GridColumn(QStringLiteral("REF_DAT"), QStringLiteral("적   요"), 220),
                                   GridColumn(QStringLiteral("MGDATA"), QStringLiteral("관리항목 내역"), 230),
                                   GridColumn(QStringLiteral("D_AMOUNT"), QStringLiteral("차  변"), 105),
                                   GridColumn(QStringLiteral("C_AMOUNT"), QStringLiteral("대  변"), 105),
                                   GridColumn(QStringLiteral("BALANCE"), QStringLiteral("잔  액"), 115), slipDate, deptCode},
                                  QStringLiteral("rgrGrid"));
    rgrGrid->setRowBackground([this](int row) -> QVariant {
        if (cdsMain->isOpen() && cdsMain->fieldAsString(row, QStringLiteral("ROW_KIND")) != QLatin1String("L"))
            return Ledger::kSilver;
        return QVariant();
    });
    connect(rgrGrid, &DataGrid::recordDoubleClicked, this, [this](int row) {
        if (!cdsMain->isOpen() || cdsMain->isEmpty() || cdsMain->value(row, QStringLiteral("SLIP_DATE")).isNull())
            return;
        OpenSlipInProgram(QStringLiteral("VBI020"), cdsMain->fieldAsString(row, QStringLiteral("SLIP_NO")),
                          cdsMain->value(row, QStringLiteral("SLIP_DATE")).toDate(),
                          cdsMain->fieldAsString(row, QStringLiteral("DEPT_NAME")),
                          cdsMain->fieldAsString(row, QStringLiteral("DEPT_CODE")));
    });
}

void TfrmVCI060::DoSearch()
{
    m_from = dtpFSlipDate->date();
    m_to = dtpESlipDate->date();
    m_fromAcct = edtFAcctCd->text().trimmed().isEmpty() ? QStringLiteral("0000000") : edtFAcctCd->text().trimmed();
    m_toAcct = edtEAcctCd->text().trimmed().isEmpty() ? QStringLiteral("9999999") : edtEAcctCd->text().trimmed();
    ComboBox1->clear();
    cdsMain->close();
    QSqlQuery q = RunQuery(QStringLiteral("SELECT ACCT_CODE || ':' || ACCT_SNAME ACCCD FROM VA020MS\n"
                                          " WHERE USE_YN = 'Y' AND SLIP_YN = 'Y' AND ACCT_CODE BETWEEN :P0 AND :P1\n"
                                          " ORDER BY ACCT_CODE"),
                           {m_fromAcct, m_toAcct});
    while (q.next())
        ComboBox1->addItem(q.value(0).toString());
    if (ComboBox1->count() > 0) {
        ComboBox1->setCurrentIndex(0);
        showAccount(0);
        return;
    }
    RecordCount = 0;
    RefreshButtons();
}

void TfrmVCI060::showAccount(int index)
{
    if (index < 0 || index >= ComboBox1->count())
        return;
    SubsidiaryLedger ledger;
    ledger.monthRows = true;
    ledger.withVat = m_withVat;
    ledger.from = m_from;
    ledger.to = m_to;
    ledger.fromAcct = ComboBox1->itemText(index).left(7);
    {
        const Ledger::WaitWhile wait(QStringLiteral("집계중입니다.......!"));
        cdsMain->open(ledger.sql(), ledger.params());
    }
    SetNumberFormats(*cdsMain);
    for (const char* field : {"D_AMOUNT", "C_AMOUNT", "BALANCE"})
        cdsMain->setDisplayFormat(QLatin1String(field), QStringLiteral("#,###"));
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
}

SubsidiaryLedger TfrmVCI060::rangeLedger() const
{
    SubsidiaryLedger ledger;
    ledger.range = true;
    ledger.monthRows = true;
    ledger.withVat = m_withVat;
    ledger.from = m_from;
    ledger.to = m_to;
    ledger.fromAcct = m_fromAcct;
    ledger.toAcct = m_toAcct;
    return ledger;
}

void TfrmVCI060::DoPrint()
{
    printLedger();
}

void TfrmVCI060::DoPreview()
{
    printLedger();
}

void TfrmVCI060::printLedger()
{
    if (!m_from.isValid())
        return;
    const SubsidiaryLedger ledger = rangeLedger();
    TfrmVCI041 layout;
    layout.cdsQuery().open(ledger.sql(), ledger.params());
    layout.setPeriod(m_from, m_to);
    layout.Prepare();
    layout.PrintOrPreview(PreviewFlag, this);
}

void TfrmVCI060::DoExcel()
{
    if (!m_from.isValid())
        return;
    const SubsidiaryLedger ledger = rangeLedger();
    ExportSql(ledger.sql(), QStringLiteral("보  조  부"), ledger.params());
}
