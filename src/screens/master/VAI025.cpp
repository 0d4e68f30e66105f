#include "screens/master/VAI025.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TfrmVAI025::TfrmVAI025(QWidget* parent) : TfrmZQI020(QStringLiteral("VAI025"), parent)
{
    setWindowTitle(QStringLiteral("frmVAI025(제무재표/계정과목)"));
    Edit_BUDG_CODE = Form::NewEdit(panSearch, QStringLiteral("Edit_BUDG_CODE"), 10);
    QList<QRadioButton*> which;
    QGroupBox* whichGroup = Form::NewRadioGroup(panSearch, QString(),
                                                {{QStringLiteral("rdoAll"), QStringLiteral("전체")},
                                                 {QStringLiteral("rdoChosen"), QStringLiteral("선택")}},
                                                &which);
    rdoAll = which[0];
    rdoChosen = which[1];
    Form::Row{Form::Field(QStringLiteral("제무재표코드"), Edit_BUDG_CODE), whichGroup, Form::Stretch()}.attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMZ020MS = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("BUDG_ACCT"), QStringLiteral("제무재표코드"), 90),
        GridColumn(QStringLiteral("BUDG_NAME"), QStringLiteral("제무재표 명칭"), 200),
        GridColumn(QStringLiteral("ZIP_YN"), QStringLiteral("ZIP_YN"), 50),
    }, QStringLiteral("rdgMZ020MS"));

    panInput->setFixedWidth(380);
    cdsAcct = new RecordSet(this);
    cdsAcct->setObjectName(QStringLiteral("cdsAcct"));
    RealDBGrid1 = new DataGrid;
    RealDBGrid1->setObjectName(QStringLiteral("RealDBGrid1"));
    RealDBGrid1->setEditable(false);
    RealDBGrid1->setRowSelect(true);
    RealDBGrid1->setColumns({GridColumn(QStringLiteral("ACCT_CODE"), QStringLiteral("계정과목코드"), 90),
                             GridColumn(QStringLiteral("ACCT_NAME"), QStringLiteral("계정과목 명"), 170),
                             GridColumn(QStringLiteral("FLAG"), QStringLiteral("선택"), 45)});
    RealDBGrid1->setRecordSet(cdsAcct);
    Form::Column{RealDBGrid1}.margins(4).attachTo(panInput);
    connect(RealDBGrid1, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (State == stEdit && index.isValid() && RealDBGrid1->currentField() == QLatin1String("FLAG"))
            toggleFlag(index.row());
    });

    bbtAdd->hide();
    bbtDelete->hide();
    bbtExcel->hide();
    // Nothing to print here: the accounts of an item are read on the screen.
    bbtPrint->hide();
    bbtPreview->hide();
    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVAI025::itemRowChange);
}

void TfrmVAI025::DoSearch()
{
    cdsMain->open(QStringLiteral("SELECT BUDG_ACCT, BUDG_NAME, ZIP_YN FROM VA024MS\n"
                                 " WHERE USER_YN = 'Y' AND BUDG_ACCT LIKE COALESCE(:P0, '') || '%'\n"
                                 " ORDER BY BUDG_ACCT"),
                  {Edit_BUDG_CODE->text().trimmed()});
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
    rdgMZ020MS->setFocus();
}

void TfrmVAI025::itemRowChange()
{
    if (State != stBrowse || !cdsMain->isOpen())
        return;
    loadAccounts();
}

void TfrmVAI025::loadAccounts()
{
    const bool summary = cdsMain->isEmpty() || cdsMain->fieldAsString(QStringLiteral("ZIP_YN")) != QLatin1String("N");
    const QString item = cdsMain->isEmpty() ? QString() : cdsMain->fieldAsString(QStringLiteral("BUDG_ACCT"));
    // A summary item has no accounts of its own: the list is empty.
    const QString join = rdoChosen->isChecked() ? QStringLiteral("  JOIN") : QStringLiteral("  LEFT JOIN");
    cdsAcct->open(QStringLiteral("SELECT T1.ACCT_CODE, T1.ACCT_NAME, CASE WHEN T2.ACCT_CODE IS NULL THEN 'N' ELSE 'Y' END FLAG\n"
                                 "  FROM VA020MS T1\n")
                      + join
                      + QStringLiteral(" (SELECT ACCT_CODE FROM VA025MS WHERE BUDG_ACCT = :P0) T2 ON T2.ACCT_CODE = T1.ACCT_CODE\n"
                                       " WHERE T1.SLIP_YN = 'Y' AND NOT :P1\n"
                                       " ORDER BY T1.ACCT_CODE"),
                  {item, summary});
    RefreshButtons();
}

void TfrmVAI025::toggleFlag(int row)
{
    if (!cdsAcct->isOpen() || row < 0 || row >= cdsAcct->recordCount())
        return;
    cdsAcct->moveTo(row);
    cdsAcct->edit();
    cdsAcct->setValue(QStringLiteral("FLAG"),
                      cdsAcct->fieldAsString(QStringLiteral("FLAG")) == QLatin1String("Y") ? QStringLiteral("N") : QStringLiteral("Y"));
    cdsAcct->post();
}

void TfrmVAI025::AfterEdit()
{
    cdsMain->edit();
    m_item = cdsMain->fieldAsString(QStringLiteral("BUDG_ACCT"));
    RealDBGrid1->setFocus();
}

void TfrmVAI025::DoSave()
{
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("DELETE FROM VA025MS WHERE BUDG_ACCT = :P0"), {m_item});
    int written = 0;
    for (int row = 0; row < cdsAcct->recordCount(); ++row) {
        if (cdsAcct->fieldAsString(row, QStringLiteral("FLAG")) != QLatin1String("Y"))
            continue;
        ExecSql(QStringLiteral("INSERT INTO VA025MS (BUDG_ACCT, ACCT_CODE, U_EMP_NO, U_DATE, U_IP)\n"
                               "VALUES (:P0, :P1, :P2, LOCALTIMESTAMP(0), :P3)"),
                {m_item, cdsAcct->fieldAsString(row, QStringLiteral("ACCT_CODE")), Session::empNo, Session::workstationIp});
        ++written;
    }
    tx.commit();
    cdsMain->post();
    cdsAcct->mergeChanges();
    ShowStatus(QStringLiteral("%1개 계정을 저장하였습니다.").arg(written));
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVAI025::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    if (State == stBrowse && cdsMain->isOpen())
        loadAccounts();
}
