#include "screens/assets/VMI025.h"
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
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kAssets = QStringLiteral(
    "SELECT A.VSFX_CODE, A.ASET_NM,\n"
    "       (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = 'V0013' AND DETAIL = A.VSFX_DTM) VSFXDNM,\n"
    "       (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = 'V0019' AND DETAIL = A.VSFX_MTM) VSFXJNM,\n"
    "       A.BOOK_AMT, A.DEPR_SUM_AMT, A.REMN_AMT\n"
    "  FROM VM010MS A\n"
    " WHERE SAL_WASTE_YN <> 'Y'");

QLineEdit* amount(QWidget* parent, const QString& name, bool readOnly)
{
    QLineEdit* e = readOnly ? MasterUi::NewNameField(parent, name) : Form::NewEdit(parent, name, 20);
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(140);
    return e;
}

}  // namespace

TfrmVMI025::TfrmVMI025(QWidget* parent) : TfrmZQI030(QStringLiteral("VMI025"), parent)
{
    setWindowTitle(QStringLiteral("자산 처분(VMI025)"));
    for (QPushButton* b : {bbtExcel, bbtPrint, bbtPreview})
        b->hide();

    dtpFDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpFDate"));
    dtpEDate = Form::NewDateEdit(panSearch, QStringLiteral("dtpEDate"));
    dtpFDate->setDate(FirstDayOfMonth(QDate::currentDate()));
    dtpEDate->setDate(LastDayOfMonth(QDate::currentDate()));
    LinkDateRange(dtpFDate, dtpEDate);
    edtSASET_NM = Form::NewEdit(panSearch, QStringLiteral("edtSASET_NM"), 100);
    edtSASET_NM->setMaximumWidth(180);
    Form::Row{Form::Field(QStringLiteral("처분일자"), Form::Row{dtpFDate, Form::Label(QStringLiteral("~")), dtpEDate}),
              Form::Space(12), Form::Field(QStringLiteral("자산명"), edtSASET_NM), Form::Stretch()}
        .attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("VSFX_CODE"), QStringLiteral("자산코드"), 80),
        GridColumn(QStringLiteral("ASET_NM"), QStringLiteral("자  산  명"), 240),
        GridColumn(QStringLiteral("OCCR_DT"), QStringLiteral("처분일자"), 90),
    });

    edtVSFX_CODE = Form::NewEdit(panInput, QStringLiteral("edtVSFX_CODE"), 8);
    edtVSFX_CODE->setMaximumWidth(80);
    edtASET_NM = MasterUi::NewNameField(panInput, QStringLiteral("edtASET_NM"));
    pbtFixcd = MasterUi::NewLookup(panInput, QStringLiteral("pbtFixcd"), kAssets + QStringLiteral("\n ORDER BY A.VSFX_CODE"),
                                   kAssets + QStringLiteral("\n   AND (A.VSFX_CODE LIKE :cd OR A.ASET_NM LIKE '%' || :cd)\n"
                                                            " ORDER BY A.VSFX_CODE"),
                                   {QStringLiteral("자산코드"), QStringLiteral("자산명"), QStringLiteral("분류"),
                                    QStringLiteral("유형"), QStringLiteral("기말취득가액"), QStringLiteral("기말충당누계액"),
                                    QStringLiteral("미상각잔액")},
                                   edtVSFX_CODE);
    cmbIMPL_KIND = new QComboBox(panInput);
    cmbIMPL_KIND->setObjectName(QStringLiteral("cmbIMPL_KIND"));
    cmbIMPL_KIND->addItems({QStringLiteral("매각"), QStringLiteral("폐기")});
    edtOCCR_DT = Form::NewEdit(panInput, QStringLiteral("edtOCCR_DT"), 10);
    edtOCCR_DT->setMaximumWidth(100);
    AssetUi::WireDateTyping(edtOCCR_DT);
    edtCUST_CD = Form::NewEdit(panInput, QStringLiteral("edtCUST_CD"), 10);
    edtCUST_CD->setMaximumWidth(90);
    edtC_NAME = MasterUi::NewNameField(panInput, QStringLiteral("edtC_NAME"));
    pbtCust = MasterUi::NewLookup(
        panInput, QStringLiteral("pbtCust"),
        QStringLiteral("SELECT C_CODE, C_NAME, C_NUM, BOSS_NAME FROM VA050MS WHERE USE_YN = 'Y' ORDER BY C_CODE"),
        QStringLiteral("SELECT C_CODE, C_NAME, C_NUM, BOSS_NAME FROM VA050MS WHERE USE_YN = 'Y'\n"
                       "   AND (C_CODE LIKE :cd OR C_NAME LIKE '%' || :cd) ORDER BY C_CODE"),
        {QStringLiteral("코     드"), QStringLiteral("거래처명"), QStringLiteral("사업자번호"), QStringLiteral("대 표 자")},
        edtCUST_CD);
    edtRMKS = Form::NewEdit(panInput, QStringLiteral("edtRMKS"), 200);
    edtIMPL_AMT = amount(panInput, QStringLiteral("edtIMPL_AMT"), false);
    edtIMPL_VAT = amount(panInput, QStringLiteral("edtIMPL_VAT"), false);
    edtDEPR_CNT = amount(panInput, QStringLiteral("edtDEPR_CNT"), false);
    edtDEPR_CNT->setMaxLength(5);
    edtBAS_BOOK_AMT = amount(panInput, QStringLiteral("edtBAS_BOOK_AMT"), true);
    edtBAS_REMN_AMT = amount(panInput, QStringLiteral("edtBAS_REMN_AMT"), true);
    edtBAS_DEPR_AMT = amount(panInput, QStringLiteral("edtBAS_DEPR_AMT"), true);
    edtADD_AMT = amount(panInput, QStringLiteral("edtADD_AMT"), true);
    edtDSC_BOOK_AMT = amount(panInput, QStringLiteral("edtDSC_BOOK_AMT"), true);
    edtDSC_DEPR_AMT = amount(panInput, QStringLiteral("edtDSC_DEPR_AMT"), true);
    edtDSC_REMN_AMT = amount(panInput, QStringLiteral("edtDSC_REMN_AMT"), true);

    connect(pbtFixcd, &TPopupBtn::clicked, this, [this] {
        if (!editing())
            return;
        if (!MasterUi::TakeLookup(pbtFixcd, edtVSFX_CODE, edtASET_NM)) {
            edtVSFX_CODE->clear();
            edtASET_NM->clear();
            return;
        }
        const QStringList chosen = pbtFixcd->returnValue();
        const auto won = [](const QString& text) { return AssetUi::AmountText(text.trimmed().toLongLong()); };
        edtBAS_BOOK_AMT->setText(won(chosen.value(4)));
        edtBAS_DEPR_AMT->setText(won(chosen.value(5)));
        edtBAS_REMN_AMT->setText(won(chosen.value(6)));
        edtADD_AMT->setText(QStringLiteral("0"));
        termIncrease();
    });
    connect(pbtCust, &TPopupBtn::clicked, this, [this] {
        if (!editing())
            return;
        if (!MasterUi::TakeLookup(pbtCust, edtCUST_CD, edtC_NAME)) {
            edtCUST_CD->clear();
            edtC_NAME->clear();
        }
    });

    Form::Grid{
        {Form::Field(QStringLiteral("자 산 명"), Form::Row{edtVSFX_CODE, pbtFixcd, edtASET_NM})},
        {Form::Field(QStringLiteral("처분구분"), Form::Row{cmbIMPL_KIND, Form::Stretch()})},
        {Form::Field(QStringLiteral("처분일자"), Form::Row{edtOCCR_DT, Form::Stretch()})},
        {Form::Field(QStringLiteral("거 래 처"), Form::Row{edtCUST_CD, pbtCust, edtC_NAME})},
        {Form::Field(QStringLiteral("적    요"), edtRMKS)},
        {Form::Field(QStringLiteral("처분가액"), Form::Row{edtIMPL_AMT, Form::Stretch()})},
        {Form::Field(QStringLiteral("부 가 세"), Form::Row{edtIMPL_VAT, Form::Stretch()})},
        {Form::Field(QStringLiteral("처분수량"), Form::Row{edtDEPR_CNT, Form::Stretch()})},
        {Form::Field(QStringLiteral("기초취득가액"), Form::Row{edtBAS_BOOK_AMT, Form::Stretch()})},
        {Form::Field(QStringLiteral("기초미상각액"), Form::Row{edtBAS_REMN_AMT, Form::Stretch()})},
        {Form::Field(QStringLiteral("기초충당금누계"), Form::Row{edtBAS_DEPR_AMT, Form::Stretch()})},
        {Form::Field(QStringLiteral("당기증가액"), Form::Row{edtADD_AMT, Form::Stretch()})},
        {Form::Field(QStringLiteral("처분취득가액"), Form::Row{edtDSC_BOOK_AMT, Form::Stretch()})},
        {Form::Field(QStringLiteral("처분충당금"), Form::Row{edtDSC_DEPR_AMT, Form::Stretch()})},
        {Form::Field(QStringLiteral("처분감소액"), Form::Row{edtDSC_REMN_AMT, Form::Stretch()})},
    }
        .stretchColumn(1)
        .stretchRow(15)
        .spacing(3)
        .margins(8)
        .attachTo(panInput);
    connect(cdsMain, &RecordSet::afterScroll, this, [this] {
        if (State == stBrowse)
            showCurrent();
    });
}

void TfrmVMI025::DoSearch()
{
    cdsMain->open(QStringLiteral("SELECT T1.VSFX_CODE, T2.ASET_NM, TO_CHAR(T1.OCCR_DT, 'YYYY-MM-DD') OCCR_DT, T1.IMPL_KIND,\n"
                                 "       T1.RECT_PAY_CLF, T1.IMPL_AMT, T1.IMPL_VAT, T1.CUST_CD, T3.C_NAME, T1.RMKS, T1.DEPR_CNT,\n"
                                 "       T1.BAS_BOOK_AMT, T1.BAS_DEPR_AMT, T1.BAS_REMN_AMT, T1.ADD_AMT, T1.DSC_BOOK_AMT,\n"
                                 "       T1.DSC_DEPR_AMT, T1.DSC_REMN_AMT\n"
                                 "  FROM VM025MS T1\n"
                                 "  LEFT JOIN VM010MS T2 ON T2.VSFX_CODE = T1.VSFX_CODE\n"
                                 "  LEFT JOIN VA050MS T3 ON T3.C_CODE = T1.CUST_CD\n"
                                 " WHERE T1.OCCR_DT BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
                                 "   AND COALESCE(T2.ASET_NM, '') LIKE COALESCE(:P2, '') || '%'\n"
                                 " ORDER BY T1.OCCR_DT, T1.VSFX_CODE"),
                  {dtpFDate->date().toString(Qt::ISODate), dtpEDate->date().toString(Qt::ISODate),
                   edtSASET_NM->text().trimmed()});
    SetNumberFormats(*cdsMain);
    RecordCount = cdsMain->recordCount();
    showCurrent();
    RefreshButtons();
}

void TfrmVMI025::showCurrent()
{
    const bool row = cdsMain->isOpen() && !cdsMain->isEmpty();
    const auto text = [this, row](const char* field) {
        return row ? cdsMain->fieldAsString(QLatin1String(field)).trimmed() : QString();
    };
    const auto shown = [this, row](const char* field) {
        return row ? cdsMain->displayText(QLatin1String(field)) : QString();
    };
    edtVSFX_CODE->setText(text("VSFX_CODE"));
    edtASET_NM->setText(text("ASET_NM"));
    cmbIMPL_KIND->setCurrentIndex(text("IMPL_KIND") == QLatin1String("2") ? 1 : 0);
    edtOCCR_DT->setText(text("OCCR_DT"));
    edtCUST_CD->setText(text("CUST_CD"));
    edtC_NAME->setText(text("C_NAME"));
    edtRMKS->setText(text("RMKS"));
    const std::pair<QLineEdit*, const char*> amounts[] = {
        {edtIMPL_AMT, "IMPL_AMT"},         {edtIMPL_VAT, "IMPL_VAT"},         {edtDEPR_CNT, "DEPR_CNT"},
        {edtBAS_BOOK_AMT, "BAS_BOOK_AMT"}, {edtBAS_REMN_AMT, "BAS_REMN_AMT"}, {edtBAS_DEPR_AMT, "BAS_DEPR_AMT"},
        {edtADD_AMT, "ADD_AMT"},           {edtDSC_BOOK_AMT, "DSC_BOOK_AMT"}, {edtDSC_DEPR_AMT, "DSC_DEPR_AMT"},
        {edtDSC_REMN_AMT, "DSC_REMN_AMT"},
    };
    for (const auto& [edit, field] : amounts)
        edit->setText(shown(field));
}

// The capital expenditures (reason 001) of the asset from the start of the
// term that holds the disposal date up to that date; nothing outside every
// term.
void TfrmVMI025::termIncrease()
{
    QString day;
    const QString code = edtVSFX_CODE->text().trimmed();
    if (!editing() || code.isEmpty() || !AssetUi::DateText(edtOCCR_DT->text(), &day) || day.isEmpty())
        return;
    const QVariant sum = RunQueryRow(QStringLiteral("SELECT SUM(FXICAMT) v_CTRM_INCR_AMT FROM VM035MS\n"
                                                    " WHERE VSFX_CODE = :P0 AND FXICSCD = '001'\n"
                                                    "   AND FXICDATE BETWEEN (SELECT ST_DATE FROM VI010MS\n"
                                                    "                          WHERE CAST(:P1 AS DATE) BETWEEN ST_DATE AND ED_DATE)\n"
                                                    "                    AND CAST(:P1 AS DATE)"),
                                         {code, day})
                             .value(0);
    edtADD_AMT->setText(sum.isNull() ? QString() : AssetUi::AmountText(sum.toLongLong()));
}

void TfrmVMI025::AfterNew()
{
    if (!cdsMain->isOpen())
        DoSearch();
    cdsMain->append();
    cdsMain->setValue(QStringLiteral("DEPR_CNT"), 0);
    cdsMain->setValue(QStringLiteral("IMPL_KIND"), QStringLiteral("1"));
    showCurrent();
    m_oldCode.clear();
    m_oldDate.clear();
    edtVSFX_CODE->setFocus();
}

void TfrmVMI025::AfterEdit()
{
    m_oldCode = cdsMain->fieldAsString(QStringLiteral("VSFX_CODE")).trimmed();
    m_oldDate = cdsMain->fieldAsString(QStringLiteral("OCCR_DT")).trimmed();
    cdsMain->edit();
    edtOCCR_DT->setFocus();
}

void TfrmVMI025::DoSave()
{
    const QString code = edtVSFX_CODE->text().trimmed();
    if (code.isEmpty()) {
        AssetUi::InputError(QStringLiteral("자산코드를 입력하세요"), edtVSFX_CODE);
        return;
    }
    if (edtOCCR_DT->text().trimmed().isEmpty()) {
        AssetUi::InputError(QStringLiteral("처분일자를 입력하세요"), edtOCCR_DT);
        return;
    }
    QString day;
    if (!AssetUi::CheckDate(edtOCCR_DT, &day))
        return;
    QVariant price, vat, count, book, remaining, depreciation, increase;
    if (!AssetUi::CheckNumber(edtIMPL_AMT, QStringLiteral("처분가액"), &price)
        || !AssetUi::CheckNumber(edtIMPL_VAT, QStringLiteral("부가세"), &vat)
        || !AssetUi::CheckNumber(edtDEPR_CNT, QStringLiteral("처분수량"), &count)
        || !AssetUi::CheckNumber(edtBAS_BOOK_AMT, QStringLiteral("기초취득가액"), &book)
        || !AssetUi::CheckNumber(edtBAS_REMN_AMT, QStringLiteral("기초미상각액"), &remaining)
        || !AssetUi::CheckNumber(edtBAS_DEPR_AMT, QStringLiteral("기초충당금누계"), &depreciation)
        || !AssetUi::CheckNumber(edtADD_AMT, QStringLiteral("당기증가액"), &increase))
        return;
    QVariantList values{code,
                        day,
                        cmbIMPL_KIND->currentIndex() == 1 ? QStringLiteral("2") : QStringLiteral("1"),
                        cdsMain->fieldAsString(QStringLiteral("RECT_PAY_CLF")),
                        price,
                        vat,
                        edtCUST_CD->text().trimmed(),
                        edtRMKS->text().trimmed(),
                        count,
                        book,
                        depreciation,
                        remaining,
                        increase,
                        Session::empNo,
                        Session::workstationIp};
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    if (State == stInsert) {
        ExecSql(QStringLiteral("INSERT INTO VM025MS (VSFX_CODE, OCCR_DT, IMPL_KIND, RECT_PAY_CLF, IMPL_AMT, IMPL_VAT, CUST_CD,\n"
                               "                     RMKS, DEPR_CNT, BAS_BOOK_AMT, BAS_DEPR_AMT, BAS_REMN_AMT, ADD_AMT,\n"
                               "                     U_DATE, U_EMP_NO, U_IP)\n"
                               "VALUES (:P0, CAST(:P1 AS DATE), :P2, :P3, :P4, :P5, :P6, :P7, :P8, :P9, :P10, :P11, :P12,\n"
                               "        LOCALTIMESTAMP(0), :P13, :P14)"),
                values);
    } else {
        values << m_oldCode << m_oldDate;
        ExecSql(QStringLiteral("UPDATE VM025MS\n"
                               "   SET VSFX_CODE = :P0, OCCR_DT = CAST(:P1 AS DATE), IMPL_KIND = :P2, RECT_PAY_CLF = :P3,\n"
                               "       IMPL_AMT = :P4, IMPL_VAT = :P5, CUST_CD = :P6, RMKS = :P7, DEPR_CNT = :P8,\n"
                               "       BAS_BOOK_AMT = :P9, BAS_DEPR_AMT = :P10, BAS_REMN_AMT = :P11, ADD_AMT = :P12,\n"
                               "       U_DATE = LOCALTIMESTAMP(0), U_EMP_NO = :P13, U_IP = :P14\n"
                               " WHERE VSFX_CODE = :P15 AND OCCR_DT = CAST(:P16 AS DATE)"),
                values);
    }
    tx.commit();
    cdsMain->cancel();
    cdsMain->reopen();
    cdsMain->locate(QStringLiteral("VSFX_CODE;OCCR_DT"), {code, day});
    RecordCount = cdsMain->recordCount();
    Done = true;
    showCurrent();
}

void TfrmVMI025::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    showCurrent();
}

void TfrmVMI025::DoDelete()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return;
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    // this disposal only; the database gives the asset its quantity back and
    // clears the mark when no disposal is left
    ExecSql(QStringLiteral("DELETE FROM VM025MS WHERE VSFX_CODE = :P0 AND OCCR_DT = CAST(:P1 AS DATE)"),
            {cdsMain->fieldAsString(QStringLiteral("VSFX_CODE")), cdsMain->fieldAsString(QStringLiteral("OCCR_DT"))});
    tx.commit();
    cdsMain->deleteRecord();
    RecordCount = cdsMain->recordCount();
    showCurrent();
    Done = true;
}

void TfrmVMI025::FieldExit(QWidget* control)
{
    TfrmZQI030::FieldExit(control);
    // an edited disposal keeps its asset, which is no longer offered
    const QString code = edtVSFX_CODE->text().trimmed();
    if (control == edtVSFX_CODE && !code.isEmpty() && code != m_oldCode)
        pbtFixcd->LinkSearch();
    else if (control == edtCUST_CD && !edtCUST_CD->text().trimmed().isEmpty())
        pbtCust->LinkSearch();
    else if (control == edtOCCR_DT && !edtOCCR_DT->text().trimmed().isEmpty())
        termIncrease();
}

bool TfrmVMI025::FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_F1 && (control == edtVSFX_CODE || control == edtCUST_CD)) {
        (control == edtVSFX_CODE ? pbtFixcd : pbtCust)->click();
        return true;
    }
    return TfrmZQI030::FieldKeyDown(control, key, modifiers);
}
