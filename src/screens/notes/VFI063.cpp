#include "screens/notes/VFI063.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/notes/NoteCommon.h"
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TfrmVFI063::TfrmVFI063(QWidget* parent) : TfrmZZS010(QStringLiteral("VFI063"), parent)
{
    setWindowTitle(QStringLiteral("지급어음 지급일자 등록(VFI063)"));
    bbtPrint->hide();
    bbtPreview->hide();
    bbtProcess = addStripButton(QStringLiteral("bbtProcess"), QStringLiteral("처    리"));
    dtpPayDate = Form::NewDateEdit(panButtons, QStringLiteral("dtpPayDate"));
    auto* caption = new QLabel(QStringLiteral("지급일자"), panButtons);
    buttonRow()->insertWidget(buttonRow()->indexOf(bbtProcess), caption);
    buttonRow()->insertWidget(buttonRow()->indexOf(bbtProcess), dtpPayDate);
    connect(bbtProcess, &QPushButton::clicked, this, &TfrmVFI063::bbtProcessClick);
    Form::Row{Form::Label(QStringLiteral("지급일자가 없는 발행 어음/수표를 조회합니다.")), Form::Stretch()}.attachTo(panSearch);

    cdsQuery = new RecordSet(this);
    cdsQuery->setObjectName(QStringLiteral("cdsQuery"));
    rdgMain = new DataGrid(panMain);
    rdgMain->setObjectName(QStringLiteral("rdgMain"));
    rdgMain->setEditable(false);
    GridColumn amount(QStringLiteral("BILL_AMT"), QStringLiteral("금    액"), 110);
    amount.displayFormat = QStringLiteral("#,##0");
    rdgMain->setColumns({
        GridColumn(QStringLiteral("FIN_INST_CD"), QStringLiteral("금융기관"), 120),
        GridColumn(QStringLiteral("BILL_CLF_NM"), QStringLiteral("어음구분"), 70),
        GridColumn(QStringLiteral("CUST_CD"), QStringLiteral("거 래 처"), 160),
        GridColumn(QStringLiteral("BILL_NO"), QStringLiteral("어음번호"), 110),
        GridColumn(QStringLiteral("ISU_DT"), QStringLiteral("발행일자"), 90),
        GridColumn(QStringLiteral("EXP_DT"), QStringLiteral("만기일자"), 90),
        amount,
        GridColumn(QStringLiteral("FLAG"), QStringLiteral("처리구분"), 70),
    });
    rdgMain->setRecordSet(cdsQuery);
    connect(rdgMain, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && rdgMain->currentField() == QLatin1String("FLAG"))
            NoteUi::toggleFlag(cdsQuery, index.row());
    });
    Form::Column{rdgMain}.attachTo(panMain);
}

void TfrmVFI063::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    cdsQuery->open(QStringLiteral(
        "SELECT B.C_NAME FIN_INST_CD, CASE M.BILL_CLF WHEN '1' THEN '어음' ELSE '수표' END BILL_CLF_NM, M.BILL_CLF,\n"
        "       C.C_NAME CUST_CD, M.BILL_NO, M.ISU_DT, M.EXP_DT, M.BILL_AMT, 'N' FLAG\n"
        "  FROM VF060MS M\n"
        "  LEFT JOIN VA050MS B ON B.C_CODE = M.FIN_INST_CD\n"
        "  LEFT JOIN VA050MS C ON C.C_CODE = M.CUST_CD\n"
        " WHERE M.JIKEUB_DT IS NULL AND M.BILL_PROC_CD = '1'\n"
        " ORDER BY M.BILL_NO, M.BILL_CLF"));
    ShowStatus(QStringLiteral("%1 건이 조회되었습니다.").arg(cdsQuery->recordCount()));
}

// Every flagged form, by its kind and number, in one transaction: the
// dates are given all together or not at all.
void TfrmVFI063::bbtProcessClick()
{
    requireActive(bbtProcess);
    if (!cdsQuery->isOpen())
        return;
    const QString day = dtpPayDate->date().toString(Qt::ISODate);
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    int done = 0;
    try {
        for (int row = 0; row < cdsQuery->recordCount(); ++row) {
            if (cdsQuery->fieldAsString(row, QStringLiteral("FLAG")) != QLatin1String("Y"))
                continue;
            done += ExecSql(QStringLiteral("UPDATE VF060MS SET JIKEUB_DT = :P0, U_DATE = LOCALTIMESTAMP(0), U_EMP_NO = :P1, U_IP = :P2\n"
                                           " WHERE BILL_CLF = :P3 AND BILL_NO = :P4 AND BILL_PROC_CD = '1' AND JIKEUB_DT IS NULL"),
                            {day, Session::empNo, Session::workstationIp, cdsQuery->fieldAsString(row, QStringLiteral("BILL_CLF")),
                             cdsQuery->fieldAsString(row, QStringLiteral("BILL_NO"))});
        }
        tx.commit();
    } catch (...) {
        tx.rollback();
        throw;
    }
    bbtSearchClick();
    ShowStatus(QStringLiteral("%1 건의 지급일자를 등록하였습니다.").arg(done));
}
