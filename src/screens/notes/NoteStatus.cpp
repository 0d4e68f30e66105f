#include "screens/notes/NoteStatus.h"
#include "common/Messages.h"
#include "common/DateUtil.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "framework/MaintenanceCore.h"
#include "framework/print/ReportData.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/master/MasterCommon.h"
#include "screens/notes/NoteCommon.h"
#include "screens/notes/NotePrint.h"
#include <QDateEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

TfrmNoteStatus::TfrmNoteStatus(const QString& programId, const Kind& kind, QWidget* parent)
    : TfrmZZS010(programId, parent), m_kind(kind)
{
    setWindowTitle(kind.title + QStringLiteral("(") + programId + QStringLiteral(")"));
    dtpFrom = Form::NewDateEdit(panSearch, QStringLiteral("dtpFrom"));
    dtpTo = Form::NewDateEdit(panSearch, QStringLiteral("dtpTo"));
    dtpFrom->setDate(FirstDayOfMonth(QDate::currentDate()));
    dtpTo->setDate(LastDayOfMonth(QDate::currentDate()));
    LinkDateRange(dtpFrom, dtpTo);
    QList<QRadioButton*> kinds;
    QGroupBox* clf = Form::NewRadioGroup(panSearch, QStringLiteral("구분"), {{"rdoNote", "어음"}, {"rdoCheque", "수표"}},
                                         &kinds);
    clf->setObjectName(QStringLiteral("Rgp_Bill_Clf"));
    rdoNote = kinds.at(0);
    rdoCheque = kinds.at(1);
    QList<QRadioButton*> sides;
    QGroupBox* side = Form::NewRadioGroup(panSearch, QStringLiteral("어음구분"),
                                          {{"rdoReceivable", "받을어음"}, {"rdoPayable", "지급어음"}}, &sides);
    side->setObjectName(QStringLiteral("Rgp_Bill_Gubun"));
    rdoReceivable = sides.at(0);
    rdoPayable = sides.at(1);
    panSearch->setFixedHeight(56);

    Form::Row period{dtpFrom, Form::Label(QStringLiteral("부터")), dtpTo, Form::Label(QStringLiteral("까지"))};
    if (kind.customerFilter) {
        edtSCustCd = Form::NewEdit(panSearch, QStringLiteral("edtSCustCd"), 10);
        edtSCustCd->setFixedWidth(90);
        edtSCustCd->installEventFilter(this);
        edtSCustNm = NoteUi::NewNameField(panSearch, QStringLiteral("edtSCustNm"), 140);
        const QString select = QStringLiteral("SELECT C_CODE, C_NAME, BOSS_NAME, C_NUM, C_ITEM, C_TYPE, ADDR1 || ADDR2 ADDR\n"
                                              "  FROM VA050MS\n");
        pbtSCust = MasterUi::NewLookup(panSearch, QStringLiteral("pbtSCust"), select + QStringLiteral(" ORDER BY C_CODE"),
                                       select + QStringLiteral(" WHERE (C_CODE LIKE '%' || :c_cd OR C_NAME LIKE '%' || :c_cd)\n"
                                                               " ORDER BY C_CODE"),
                                       {QStringLiteral("코     드"), QStringLiteral("거래처명"), QStringLiteral("대 표 자"),
                                        QStringLiteral("사업자번호")},
                                       edtSCustCd);
        pbtSCust->setColumnWidths({QStringLiteral("10"), QStringLiteral("22"), QStringLiteral("10"), QStringLiteral("15")});
        connect(pbtSCust, &TPopupBtn::clicked, this, [this] {
            if (!MasterUi::TakeLookup(pbtSCust, edtSCustCd, edtSCustNm) && pbtSCust->inLinkSearch())
                edtSCustNm->clear();
        });
        Form::Row{Form::Field(QStringLiteral("거래처"), edtSCustCd), pbtSCust, edtSCustNm, Form::Space(8), period,
                  clf, side, Form::Stretch()}
            .attachTo(panSearch);
    } else {
        Form::Row{Form::Field(QStringLiteral("만기일자"), period), clf, side, Form::Stretch()}.attachTo(panSearch);
    }

    cdsQuery = new RecordSet(this);
    cdsQuery->setObjectName(QStringLiteral("cdsQuery"));
    rdgMain = new DataGrid(panMain);
    rdgMain->setObjectName(QStringLiteral("rdgMain"));
    rdgMain->setEditable(false);
    rdgMain->setRowSelect(true);
    GridColumn amount(QStringLiteral("BILL_AMT"), QStringLiteral("금        액"), 120);
    amount.displayFormat = QStringLiteral("#,##0");
    const GridColumn customer(QStringLiteral("CUST_NM"), QStringLiteral("거  래  처"), 180);
    const GridColumn due(QStringLiteral("EXP_DT"), QStringLiteral("만기일자"), 90);
    const GridColumn issued(QStringLiteral("ISU_DT"), QStringLiteral("발행일자"), 90);
    const GridColumn number(QStringLiteral("BILL_NO"), QStringLiteral("어음번호"), 120);
    const GridColumn bank(QStringLiteral("BANK_NM"), QStringLiteral("금융기관"), 130);
    const GridColumn settled(QStringLiteral("STL_DT"), QStringLiteral("결제일자"), 90);
    if (kind.dateColumn == QLatin1String("ISU_DT"))
        rdgMain->setColumns({issued, number, amount, due, customer, bank, settled});
    else if (kind.customerFilter)
        rdgMain->setColumns({customer, due, number, issued, amount, bank, settled});
    else
        rdgMain->setColumns({due, number, amount, issued, bank, customer, settled});
    rdgMain->setRecordSet(cdsQuery);
    Form::Column{rdgMain}.attachTo(panMain);
}

bool TfrmNoteStatus::eventFilter(QObject* watched, QEvent* event)
{
    if (edtSCustCd && watched == edtSCustCd) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down || key == Qt::Key_Up) {
                FocusNeighbour(edtSCustCd, key != Qt::Key_Up);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            NoteUi::lookUpTyped(pbtSCust, edtSCustCd, edtSCustNm);
        }
    }
    return TfrmZZS010::eventFilter(watched, event);
}

void TfrmNoteStatus::bbtSearchClick()
{
    TfrmZZS010::bbtSearchClick();
    const bool payable = rdoPayable->isChecked();
    const bool cheques = rdoCheque->isChecked();
    const QString date = QStringLiteral("A.") + m_kind.dateColumn;
    QVariantList params{dtpFrom->date().toString(Qt::ISODate), dtpTo->date().toString(Qt::ISODate)};
    QString sql;
    if (payable) {
        // Forms keep their dates as "YYYY-MM-DD" texts.
        const QString join = m_kind.issuedFormsOnly ? QStringLiteral("LEFT JOIN") : QStringLiteral("JOIN");
        sql = QStringLiteral("SELECT B.C_NAME CUST_NM, A.EXP_DT, A.BILL_NO, A.BILL_AMT, A.ISU_DT, C.C_NAME BANK_NM, A.STL_DT\n"
                             "  FROM VF060MS A\n"
                             "  %1 VA050MS B ON B.C_CODE = A.CUST_CD\n"
                             "  %1 VA050MS C ON C.C_CODE = A.FIN_INST_CD\n"
                             " WHERE %2 BETWEEN :P0 AND :P1 AND A.BILL_CLF = :P2\n")
                  .arg(join, date);
        params << (cheques ? QStringLiteral("2") : QStringLiteral("1"));
        if (m_kind.issuedFormsOnly)
            sql += QStringLiteral("   AND A.BILL_PROC_CD = '1'\n");
    } else {
        // Household and current-account cheques are the cheques received.
        const QString bank = m_kind.issuedFormsOnly ? QStringLiteral("A.PAY_BANK_NM") : QStringLiteral("C.C_NAME");
        sql = QStringLiteral("SELECT B.C_NAME CUST_NM, TO_CHAR(A.EXP_DT, 'YYYY-MM-DD') EXP_DT, A.BILL_NO, A.BILL_AMT,\n"
                             "       TO_CHAR(A.ISU_DT, 'YYYY-MM-DD') ISU_DT, %1 BANK_NM,\n"
                             "       TO_CHAR(A.STL_ACC_SH_DT, 'YYYY-MM-DD') STL_DT\n"
                             "  FROM VF010MS A\n"
                             "  JOIN VA050MS B ON B.C_CODE = A.CUST_CD\n")
                  .arg(bank);
        if (!m_kind.issuedFormsOnly)
            sql += QStringLiteral("  JOIN VA050MS C ON C.C_CODE = A.PAY_BANK_CD\n");
        sql += QStringLiteral(" WHERE %1 BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n").arg(date);
        sql += cheques ? QStringLiteral("   AND A.BILL_KD IN ('2', '3')\n") : QStringLiteral("   AND A.BILL_KD NOT IN ('2', '3')\n");
    }
    if (edtSCustCd && !edtSCustCd->text().trimmed().isEmpty()) {
        sql += QStringLiteral("   AND A.CUST_CD = :P%1\n").arg(params.size());
        params << edtSCustCd->text().trimmed();
    }
    cdsQuery->open(sql + QStringLiteral(" ORDER BY %1, A.BILL_NO").arg(date), params);
    m_shownFrom = dtpFrom->date();
    m_shownTo = dtpTo->date();
    ShowStatus(QStringLiteral("%1 건이 조회되었습니다.").arg(cdsQuery->recordCount()));
}

void TfrmNoteStatus::bbtPrintClick()
{
    TfrmZZS010::bbtPrintClick();
    printReport();
}

void TfrmNoteStatus::bbtPreviewClick()
{
    TfrmZZS010::bbtPreviewClick();
    printReport();
}

void TfrmNoteStatus::printReport()
{
    if (!cdsQuery->isOpen()) {
        ShowStatus(QStringLiteral("조회 결과가 없습니다. 조회를 먼저 하십시오."));
        return;
    }
    std::unique_ptr<TfrmZZP010> layout = newLayout();
    RecordSetReportData rows(cdsQuery);
    layout->setData(&rows);
    static_cast<TfrmNoteStatusPrint*>(layout.get())->setPeriod(m_shownFrom, m_shownTo);
    layout->Prepare();
    layout->PrintOrPreview(PreviewFlag, this);
}

// --- the printed report ---------------------------------------------------------------

TfrmNoteStatusPrint::TfrmNoteStatusPrint(const QString& name, const QString& title, Order order) : TfrmZZP010(name)
{
    qrlTitle->setText(title);
    qrlProgramID->setText(QStringLiteral("ProgramID:") + name);
    const Qt::Alignment centre = Qt::AlignCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const NotePrint::Column due{"qrlExpDt", "만기일자", "EXP_DT", 22, centre};
    const NotePrint::Column number{"qrlBillNo", "어음번호", "BILL_NO", 28, centre};
    const NotePrint::Column issued{"qrlIsuDt", "발행일자", "ISU_DT", 22, centre};
    const NotePrint::Column amount{"qrlAmount", "금        액", "BILL_AMT", 28, right, "#,##0"};
    const NotePrint::Column bank{"qrlBank", "금융기관", "BANK_NM", 28};
    const NotePrint::Column customer{"qrlCust", "거  래  처", "CUST_NM", 37};
    const NotePrint::Column settled{"qrlStlDt", "결제일자", "STL_DT", 20, centre};
    switch (order) {
    case ByMaturity:
        NotePrint::buildTable(*this, {due, number, amount, issued, bank, customer, settled}, 185);
        break;
    case ByCustomer:
        NotePrint::buildTable(*this, {customer, due, number, issued, amount, bank, settled}, 185);
        break;
    case ByIssueDate:
        NotePrint::buildTable(*this, {issued, number, amount, due, customer, bank, settled}, 185);
        break;
    }
}

void TfrmNoteStatusPrint::setPeriod(const QDate& from, const QDate& to)
{
    qrlCondition->setText(from.toString(Qt::ISODate) + QStringLiteral(" 부터  ") + to.toString(Qt::ISODate)
                          + QStringLiteral(" 까지"));
}
