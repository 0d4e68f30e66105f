#include "screens/assets/VMI035.h"
#include "common/DateUtil.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/DateRange.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/assets/AssetCommon.h"
#include "screens/master/MasterCommon.h"
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kAssetNames = QStringLiteral(
    "SELECT A.VSFX_CODE, A.ASET_NM,\n"
    "       (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = 'V0013' AND DETAIL = A.VSFX_DTM) VSFXDNM,\n"
    "       (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = 'V0019' AND DETAIL = A.VSFX_MTM) VSFXJNM\n"
    "  FROM VM010MS A\n");

}  // namespace

TfrmVMI035::TfrmVMI035(QWidget* parent) : TfrmZQI030(QStringLiteral("VMI035"), parent)
{
    setWindowTitle(QStringLiteral("자산 증가(VMI035)"));
    for (QPushButton* b : {bbtExcel, bbtPrint, bbtPreview})
        b->hide();

    dtpFDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFDate"));
    dtpEDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpEDate"));
    dtpFDate->setDate(FirstDayOfMonth(QDate::currentDate()));
    dtpEDate->setDate(LastDayOfMonth(QDate::currentDate()));
    LinkDateRange(dtpFDate, dtpEDate);
    const auto classField = [this](const char* code, const char* name, const char* button, QLineEdit** edit,
                                   QLineEdit** nameEdit, TPopupBtn** lookup) {
        *edit = Form::NewEdit(panSearch, QLatin1String(code), 2);
        (*edit)->setMaximumWidth(36);
        *nameEdit = MasterUi::NewNameField(panSearch, QLatin1String(name));
        (*nameEdit)->setMaximumWidth(90);
        *lookup = AssetUi::NewClassLookup(panSearch, QLatin1String(button), *edit);
        TPopupBtn* b = *lookup;
        QLineEdit* e = *edit;
        QLineEdit* n = *nameEdit;
        connect(b, &TPopupBtn::clicked, this, [b, e, n] {
            if (!MasterUi::TakeLookup(b, e, n)) {
                e->clear();
                n->clear();
            }
        });
    };
    classField("edtFGubun", "edtFGubunNm", "pbtFGubun", &edtFGubun, &edtFGubunNm, &pbtFGubun);
    classField("edtEGubun", "edtEGubunNm", "pbtFGubun_E", &edtEGubun, &edtEGubunNm, &pbtFGubun_E);
    edtSASET_NM = Form::NewEdit(panSearch, QStringLiteral("edtSASET_NM"), 100);
    edtSASET_NM->setMaximumWidth(120);
    Form::Row{Form::Field(QStringLiteral("증가일자"), Form::Row{dtpFDate, Form::Label(QStringLiteral("~")), dtpEDate}),
              Form::Space(8),
              Form::Field(QStringLiteral("자산분류"), Form::Row{edtFGubun, pbtFGubun, edtFGubunNm, Form::Label(QStringLiteral("~")),
                                                              edtEGubun, pbtFGubun_E, edtEGubunNm}),
              Form::Space(8), Form::Field(QStringLiteral("자산명"), edtSASET_NM), Form::Stretch()}
        .attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("VSFX_CODE"), QStringLiteral("자산코드"), 75),
        GridColumn(QStringLiteral("ASET_NM"), QStringLiteral("자산명"), 140),
        GridColumn(QStringLiteral("FXICDATE"), QStringLiteral("증가일자"), 80),
        GridColumn(QStringLiteral("FXICSEQ"), QStringLiteral("일련번호"), 55),
        GridColumn(QStringLiteral("FXICAMT"), QStringLiteral("증가금액"), 100),
        GridColumn(QStringLiteral("FXICSCD_NM"), QStringLiteral("증가사유"), 80),
        GridColumn(QStringLiteral("FXICDESC"), QStringLiteral("증가내역"), 160),
    });

    edtVSFX_CODE = Form::NewEdit(panInput, QStringLiteral("edtVSFX_CODE"), 8);
    edtVSFX_CODE->setMaximumWidth(80);
    edtASET_NM = MasterUi::NewNameField(panInput, QStringLiteral("edtASET_NM"));
    pbt_ASET_NM = MasterUi::NewLookup(
        panInput, QStringLiteral("pbt_ASET_NM"), kAssetNames + QStringLiteral(" ORDER BY A.VSFX_CODE"),
        kAssetNames + QStringLiteral(" WHERE (A.VSFX_CODE LIKE :cd OR A.ASET_NM LIKE '%' || :cd)\n ORDER BY A.VSFX_CODE"),
        {QStringLiteral("자산코드"), QStringLiteral("자산명"), QStringLiteral("분류"), QStringLiteral("유형")}, edtVSFX_CODE);
    connect(pbt_ASET_NM, &TPopupBtn::clicked, this, [this] {
        if (!MasterUi::TakeLookup(pbt_ASET_NM, edtVSFX_CODE, edtASET_NM)) {
            edtVSFX_CODE->clear();
            edtASET_NM->clear();
        }
        nextSerial();
    });
    edtFXICDATE = Form::NewEdit(panInput, QStringLiteral("edtFXICDATE"), 10);
    edtFXICDATE->setMaximumWidth(100);
    AssetUi::WireDateTyping(edtFXICDATE);
    edtFXICSEQ = Form::NewEdit(panInput, QStringLiteral("edtFXICSEQ"), 4);
    edtFXICSEQ->setMaximumWidth(50);
    edtFXICAMT = Form::NewEdit(panInput, QStringLiteral("edtFXICAMT"), 20);
    edtFXICAMT->setAlignment(Qt::AlignRight);
    edtFXICAMT->setMaximumWidth(140);
    edtFXICSCD = Form::NewEdit(panInput, QStringLiteral("edtFXICSCD"), 3);
    edtFXICSCD->setMaximumWidth(50);
    edtFXICSCD_NM = MasterUi::NewNameField(panInput, QStringLiteral("edtFXICSCD_NM"));
    pbt_FXICSCD = MasterUi::NewLookup(
        panInput, QStringLiteral("pbt_FXICSCD"),
        QStringLiteral("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'V0023' AND DETAIL <> ' ' ORDER BY DETAIL"),
        QStringLiteral("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'V0023' AND DETAIL <> ' '\n"
                       "   AND (DETAIL LIKE :detail OR DETAIL_NAME LIKE '%' || :detail) ORDER BY DETAIL"),
        {QStringLiteral("코드"), QStringLiteral("코 드 명")}, edtFXICSCD);
    connect(pbt_FXICSCD, &TPopupBtn::clicked, this, [this] {
        if (!MasterUi::TakeLookup(pbt_FXICSCD, edtFXICSCD, edtFXICSCD_NM)) {
            edtFXICSCD->clear();
            edtFXICSCD_NM->clear();
        }
    });
    edtFXICDESC = Form::NewEdit(panInput, QStringLiteral("edtFXICDESC"), 200);
    Form::Grid{
        {Form::Field(QStringLiteral("자 산 명"), Form::Row{edtVSFX_CODE, pbt_ASET_NM, edtASET_NM})},
        {Form::Field(QStringLiteral("증가일자"), Form::Row{edtFXICDATE, Form::Stretch()})},
        {Form::Field(QStringLiteral("일련번호"), Form::Row{edtFXICSEQ, Form::Stretch()})},
        {Form::Field(QStringLiteral("증가금액"), Form::Row{edtFXICAMT, Form::Stretch()})},
        {Form::Field(QStringLiteral("증가사유"), Form::Row{edtFXICSCD, pbt_FXICSCD, edtFXICSCD_NM})},
        {Form::Field(QStringLiteral("증가내역"), edtFXICDESC)},
    }
        .stretchColumn(1)
        .stretchRow(6)
        .margins(8)
        .attachTo(panInput);
    connect(cdsMain, &RecordSet::afterScroll, this, [this] {
        if (State == stBrowse)
            showCurrent();
    });
}

void TfrmVMI035::DoSearch()
{
    if (!edtFGubun->text().trimmed().isEmpty() && edtEGubun->text().trimmed().isEmpty()) {
        edtEGubun->setText(edtFGubun->text().trimmed());
        edtEGubunNm->setText(edtFGubunNm->text());
    }
    QVariantList params{edtSASET_NM->text().trimmed(), dtpFDate->date().toString(Qt::ISODate),
                        dtpEDate->date().toString(Qt::ISODate)};
    QString classes;
    if (!edtFGubun->text().trimmed().isEmpty()) {
        classes = QStringLiteral("\n   AND A.VSFX_DTM BETWEEN :P3 AND :P4");
        params << edtFGubun->text().trimmed() << edtEGubun->text().trimmed();
    }
    cdsMain->open(QStringLiteral("SELECT TO_CHAR(M.FXICDATE, 'YYYY-MM-DD') FXICDATE, M.VSFX_CODE, M.FXICSEQ, M.FXICAMT,\n"
                                 "       M.FXICSCD, M.FXICDESC, A.ASET_NM, B.DETAIL, B.DETAIL_NAME FXICSCD_NM, A.VSFX_DTM,\n"
                                 "       C.DETAIL_NAME DTM_NM\n"
                                 "  FROM VM035MS M\n"
                                 "  LEFT JOIN VM010MS A ON A.VSFX_CODE = M.VSFX_CODE\n"
                                 "  LEFT JOIN ZX010MS B ON B.HEAD = 'V0023' AND B.DETAIL = M.FXICSCD\n"
                                 "  LEFT JOIN ZX010MS C ON C.HEAD = 'V0013' AND C.DETAIL = A.VSFX_DTM\n"
                                 " WHERE COALESCE(A.ASET_NM, '') LIKE '%' || COALESCE(:P0, '') || '%'\n"
                                 "   AND M.FXICDATE BETWEEN CAST(:P1 AS DATE) AND CAST(:P2 AS DATE)%1\n"
                                 " ORDER BY M.VSFX_CODE, M.FXICDATE, M.FXICCTNO, M.FXICSEQ")
                      .arg(classes),
                  params);
    SetNumberFormats(*cdsMain);
    RecordCount = cdsMain->recordCount();
    showCurrent();
    RefreshButtons();
}

void TfrmVMI035::showCurrent()
{
    const bool row = cdsMain->isOpen() && !cdsMain->isEmpty();
    const auto text = [this, row](const char* field) {
        return row ? cdsMain->fieldAsString(QLatin1String(field)).trimmed() : QString();
    };
    edtVSFX_CODE->setText(text("VSFX_CODE"));
    edtASET_NM->setText(text("ASET_NM"));
    edtFXICDATE->setText(text("FXICDATE"));
    edtFXICSEQ->setText(text("FXICSEQ"));
    edtFXICAMT->setText(row ? cdsMain->displayText(QStringLiteral("FXICAMT")) : QString());
    edtFXICSCD->setText(text("FXICSCD"));
    edtFXICSCD_NM->setText(text("FXICSCD_NM"));
    edtFXICDESC->setText(text("FXICDESC"));
}

// The next serial number of the asset on the day.
void TfrmVMI035::nextSerial()
{
    if (State != stInsert && State != stEdit)
        return;
    QString day;
    const QString code = edtVSFX_CODE->text().trimmed();
    if (code.isEmpty() || !AssetUi::DateText(edtFXICDATE->text(), &day) || day.isEmpty())
        return;
    // an edited row keeps its number on its own day
    if (State == stEdit && code == m_oldCode && day == m_oldDate) {
        edtFXICSEQ->setText(QString::number(m_oldSeq));
        return;
    }
    edtFXICSEQ->setText(RunQueryRow(QStringLiteral("SELECT COALESCE(MAX(FXICSEQ), 0) + 1 MaxCnt FROM VM035MS\n"
                                                   " WHERE VSFX_CODE = :P0 AND FXICDATE = CAST(:P1 AS DATE)"),
                                    {code, day})
                            .value(0)
                            .toString());
}

void TfrmVMI035::AfterNew()
{
    if (!cdsMain->isOpen())
        DoSearch();
    cdsMain->append();
    showCurrent();
    m_oldCode.clear();
    m_oldDate.clear();
    m_oldSeq = 0;
    edtVSFX_CODE->setFocus();
}

void TfrmVMI035::AfterEdit()
{
    m_oldCode = cdsMain->fieldAsString(QStringLiteral("VSFX_CODE")).trimmed();
    m_oldDate = cdsMain->fieldAsString(QStringLiteral("FXICDATE")).trimmed();
    m_oldSeq = int(cdsMain->fieldAsInteger(QStringLiteral("FXICSEQ")));
    cdsMain->edit();
    edtFXICAMT->setFocus();
}

void TfrmVMI035::DoSave()
{
    const QString code = edtVSFX_CODE->text().trimmed();
    QString day;
    QVariant seq, amount;
    if (code.isEmpty()) {
        AssetUi::InputError(QStringLiteral("자산코드를 입력하세요"), edtVSFX_CODE);
        return;
    }
    if (edtFXICDATE->text().trimmed().isEmpty()) {
        AssetUi::InputError(QStringLiteral("증가일자를 입력하세요"), edtFXICDATE);
        return;
    }
    if (!AssetUi::CheckDate(edtFXICDATE, &day))
        return;
    if (edtFXICSEQ->text().trimmed().isEmpty()) {
        AssetUi::InputError(QStringLiteral("일련번호를 입력하세요"), edtFXICSEQ);
        return;
    }
    if (!AssetUi::CheckNumber(edtFXICSEQ, QStringLiteral("일련번호"), &seq)
        || !AssetUi::CheckNumber(edtFXICAMT, QStringLiteral("증가금액"), &amount))
        return;
    if (edtFXICSCD->text().trimmed().isEmpty()) {
        AssetUi::InputError(QStringLiteral("증가사유를 입력하세요"), edtFXICSCD);
        return;
    }
    QVariantList values{day, code, seq, amount, edtFXICSCD->text().trimmed(), edtFXICDESC->text().trimmed(),
                        Session::empNo, Session::workstationIp};
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    if (State == stInsert) {
        ExecSql(QStringLiteral("INSERT INTO VM035MS (FXICDATE, VSFX_CODE, FXICSEQ, FXICAMT, FXICSCD, FXICDESC, U_DATE, U_EMP_NO, U_IP)\n"
                               "VALUES (CAST(:P0 AS DATE), :P1, :P2, :P3, :P4, :P5, LOCALTIMESTAMP(0), :P6, :P7)"),
                values);
    } else {
        values << m_oldDate << m_oldSeq << m_oldCode;
        ExecSql(QStringLiteral("UPDATE VM035MS\n"
                               "   SET FXICDATE = CAST(:P0 AS DATE), VSFX_CODE = :P1, FXICSEQ = :P2, FXICAMT = :P3, FXICSCD = :P4,\n"
                               "       FXICDESC = :P5, U_DATE = LOCALTIMESTAMP(0), U_EMP_NO = :P6, U_IP = :P7\n"
                               " WHERE FXICDATE = CAST(:P8 AS DATE) AND FXICSEQ = :P9 AND VSFX_CODE = :P10"),
                values);
    }
    tx.commit();
    cdsMain->cancel();
    cdsMain->reopen();
    cdsMain->locate(QStringLiteral("VSFX_CODE;FXICDATE;FXICSEQ"), {code, day, seq});
    RecordCount = cdsMain->recordCount();
    Done = true;
    showCurrent();
}

void TfrmVMI035::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    showCurrent();
}

void TfrmVMI035::DoDelete()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return;
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("DELETE FROM VM035MS WHERE VSFX_CODE = :P0 AND FXICDATE = CAST(:P1 AS DATE) AND FXICSEQ = :P2"),
            {cdsMain->fieldAsString(QStringLiteral("VSFX_CODE")), cdsMain->fieldAsString(QStringLiteral("FXICDATE")),
             cdsMain->fieldAsInteger(QStringLiteral("FXICSEQ"))});
    tx.commit();
    cdsMain->deleteRecord();
    RecordCount = cdsMain->recordCount();
    showCurrent();
    Done = true;
}

void TfrmVMI035::FieldExit(QWidget* control)
{
    TfrmZQI030::FieldExit(control);
    if (control == edtVSFX_CODE && !edtVSFX_CODE->text().trimmed().isEmpty())
        pbt_ASET_NM->LinkSearch();
    else if (control == edtFXICSCD && !edtFXICSCD->text().trimmed().isEmpty())
        pbt_FXICSCD->LinkSearch();
    else if (control == edtFXICDATE && !edtFXICDATE->text().trimmed().isEmpty())
        nextSerial();
    else if (control == edtFGubun && !edtFGubun->text().trimmed().isEmpty())
        pbtFGubun->LinkSearch();
    else if (control == edtEGubun && !edtEGubun->text().trimmed().isEmpty())
        pbtFGubun_E->LinkSearch();
}

bool TfrmVMI035::FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_F1) {
        const std::pair<QLineEdit*, TPopupBtn*> buttons[] = {
            {edtVSFX_CODE, pbt_ASET_NM}, {edtFXICSCD, pbt_FXICSCD}, {edtFGubun, pbtFGubun}, {edtEGubun, pbtFGubun_E}};
        for (const auto& [edit, button] : buttons) {
            if (control == edit) {
                button->click();
                return true;
            }
        }
    }
    return TfrmZQI030::FieldKeyDown(control, key, modifiers);
}
