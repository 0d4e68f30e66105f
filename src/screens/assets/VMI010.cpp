#include "screens/assets/VMI010.h"
#include "common/DialogService.h"
#include "common/JpegImage.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/assets/AssetCommon.h"
#include "screens/master/MasterCommon.h"
#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kPhotoWidth = 480;
constexpr int kPhotoHeight = 240;

const QString kDeptName = QStringLiteral(
    "COALESCE((SELECT AFF_DEPT_NAME FROM QA160MS WHERE AFF_DEPT_CODE = %1),\n"
    "                (SELECT AFF_DEPT_NAME FROM VA160MS WHERE AFF_DEPT_CODE = %1))");

QString searchSql()
{
    return QStringLiteral(
               "SELECT A.VSFX_CODE, A.VSFX_DTM, A.VSFX_MTM, A.VSFX_STM, A.POS_CLF, TO_CHAR(A.ACQ_DT, 'YYYY-MM-DD') ACQ_DT,\n"
               "       A.ACQ_CLF, A.ACCT_SBJ_CD, A.BUY_CO, A.ASET_NM, A.RMKS, A.QTY, A.PRC, A.VSFX_SIZE, A.INDL_COST,\n"
               "       A.UC_ASET_CLF, A.USG_CD, A.DEPT_CD, A.SAL_WASTE_YN, TO_CHAR(A.REVAL_DATE, 'YYYY-MM-DD') REVAL_DATE,\n"
               "       A.REVAL_COUNT, A.CONT_YYS, A.RDM_KIND, A.RDM_RATE, A.RDM_YN, A.MID_ASET_YN, A.OG_DEPT_CD, A.END_ASET,\n"
               "       A.ACQ_AMT, A.CTRM_INCR_AMT, A.CTRM_DCS_AMT, A.BOOK_AMT, A.DEPR_SUM_AMT, A.REMN_AMT, A.RDM_FINI_PRID,\n"
               "       TO_CHAR(A.LAST_DEP_DT, 'YYYY-MM-DD') LAST_DEP_DT, A.OLD_VSFX,\n"
               "       B.DETAIL_NAME VSFXDNM, C.DETAIL_NAME VSFXMNM, D.VSFXSNM,\n"
               "       %1 DEPT_NM,\n"
               "       %2 OG_DEPT_NM,\n"
               "       G.C_NAME CUST_NM, H.ACCT_NAME\n"
               "  FROM VM010MS A\n"
               "  LEFT JOIN ZX010MS B ON B.HEAD = 'V0013' AND B.DETAIL = A.VSFX_DTM\n"
               "  LEFT JOIN ZX010MS C ON C.HEAD = 'V0019' AND C.DETAIL = A.VSFX_MTM\n"
               "  LEFT JOIN VM007MS D ON D.VSFXSTM = A.VSFX_STM\n"
               "  LEFT JOIN VA050MS G ON G.C_CODE = A.BUY_CO\n"
               "  LEFT JOIN VA020MS H ON H.ACCT_CODE = A.ACCT_SBJ_CD\n"
               " WHERE A.VSFX_DTM LIKE COALESCE(:P0, '') || '%'\n"
               "   AND COALESCE(A.ASET_NM, '') LIKE '%' || COALESCE(:P1, '') || '%'\n"
               " ORDER BY A.VSFX_CODE")
        .arg(kDeptName.arg(QStringLiteral("A.DEPT_CD")), kDeptName.arg(QStringLiteral("A.OG_DEPT_CD")));
}

const QString kDeptSql = QStringLiteral("SELECT AFF_DEPT_CODE, AFF_DEPT_NAME FROM QA160MS WHERE USE_YN = 'Y'%1 ORDER BY AFF_DEPT_CODE");
const QString kDeptLinkSql = QStringLiteral(
    "SELECT AFF_DEPT_CODE, AFF_DEPT_NAME FROM QA160MS WHERE USE_YN = 'Y'%1\n"
    "   AND (AFF_DEPT_CODE LIKE :cd OR AFF_DEPT_NAME LIKE '%' || :cd) ORDER BY AFF_DEPT_CODE");

QString companyName()
{
    QSqlQuery q = RunQuery(QStringLiteral("SELECT AFF_DEPT_NAME FROM QA160MS WHERE DEPT_TYPE = '0' ORDER BY AFF_DEPT_CODE"));
    return q.next() ? q.value(0).toString().trimmed() : QStringLiteral("리조트");
}

QLineEdit* amountEdit(QWidget* parent, const QString& name, int maxLength)
{
    QLineEdit* e = Form::NewEdit(parent, name, maxLength);
    e->setAlignment(Qt::AlignRight);
    return e;
}

QLineEdit* readOnlyAmount(QWidget* parent, const QString& name)
{
    QLineEdit* e = MasterUi::NewNameField(parent, name);
    e->setAlignment(Qt::AlignRight);
    return e;
}

}  // namespace

TfrmVMI010::TfrmVMI010(QWidget* parent) : TfrmZQI030(QStringLiteral("VMI010"), parent)
{
    setWindowTitle(QStringLiteral("자산 등록(VMI010)"));
    for (QPushButton* b : {bbtExcel, bbtPrint, bbtPreview})
        b->hide();

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("VSFX_CODE"), QStringLiteral("자산코드"), 80),
        GridColumn(QStringLiteral("ASET_NM"), QStringLiteral("자산명"), 220),
        GridColumn(QStringLiteral("VSFXDNM"), QStringLiteral("자산분류"), 110),
    });

    // The photo area under the list, shown with 사진보기.
    auto* photoFrame = new QFrame(panDisp);
    photoFrame->setFrameShape(QFrame::StyledPanel);
    panPhoto = photoFrame;
    panPhoto->setObjectName(QStringLiteral("panPhoto"));
    panPhoto->setFixedSize(kPhotoWidth + 4, kPhotoHeight + 4);
    imgPhoto = new QLabel(panPhoto);
    imgPhoto->setObjectName(QStringLiteral("imgPhoto"));
    imgPhoto->setAlignment(Qt::AlignCenter);
    imgPhoto->setGeometry(2, 2, kPhotoWidth, kPhotoHeight);
    panDisp->layout()->addWidget(panPhoto);
    panPhoto->hide();

    chkPhotoView = new QCheckBox(QStringLiteral("사진보기"), panButtons);
    chkPhotoView->setObjectName(QStringLiteral("chkPhotoView"));
    buttonRow()->insertWidget(0, chkPhotoView);
    chkPhotoView->hide();
    connect(chkPhotoView, &QCheckBox::toggled, panPhoto, &QWidget::setVisible);

    buildSearch();
    buildInput();
    connect(cdsMain, &RecordSet::afterScroll, this, [this] {
        if (State == stBrowse)
            showCurrent();
    });
}

TPopupBtn* TfrmVMI010::lookup(const char* name, const QString& sql, const QString& linkSql, const QStringList& titles,
                              QLineEdit* code, QLineEdit* nameEdit, const std::function<void()>& chosen)
{
    TPopupBtn* button = MasterUi::NewLookup(panInput, QLatin1String(name), sql, linkSql, titles, code);
    connect(button, &TPopupBtn::clicked, this, [this, button, code, nameEdit, chosen] {
        if (State != stInsert && State != stEdit)
            return;
        if (!MasterUi::TakeLookup(button, code, nameEdit)) {
            code->clear();
            nameEdit->clear();
        }
        if (chosen)
            chosen();
    });
    return button;
}

void TfrmVMI010::buildSearch()
{
    edtSVSFX_DTM = Form::NewEdit(panSearch, QStringLiteral("edtSVSFX_DTM"), 2);
    edtSVSFX_DTM->setMaximumWidth(40);
    edtSVSFX_DTM_NM = MasterUi::NewNameField(panSearch, QStringLiteral("edtSVSFX_DTM_NM"));
    edtSVSFX_DTM_NM->setMaximumWidth(120);
    pbtSVSFX_DTM = AssetUi::NewClassLookup(panSearch, QStringLiteral("pbtSVSFX_DTM"), edtSVSFX_DTM);
    connect(pbtSVSFX_DTM, &TPopupBtn::clicked, this, [this] {
        if (!MasterUi::TakeLookup(pbtSVSFX_DTM, edtSVSFX_DTM, edtSVSFX_DTM_NM)) {
            edtSVSFX_DTM->clear();
            edtSVSFX_DTM_NM->clear();
        }
    });
    edtSASET_NM = Form::NewEdit(panSearch, QStringLiteral("edtSASET_NM"), 100);
    edtSASET_NM->setMaximumWidth(180);
    Form::Row{Form::Field(QStringLiteral("자산분류"), Form::Row{edtSVSFX_DTM, pbtSVSFX_DTM, edtSVSFX_DTM_NM}),
              Form::Space(12), Form::Field(QStringLiteral("자산명"), edtSASET_NM), Form::Stretch()}
        .attachTo(panSearch);
}

void TfrmVMI010::buildInput()
{
    edtVSFX_CODE = Form::NewEdit(panInput, QStringLiteral("edtVSFX_CODE"), 8);
    edtASET_NM = Form::NewEdit(panInput, QStringLiteral("edtASET_NM"), 100);
    QList<QRadioButton*> radios;
    QGroupBox* acqKind = Form::NewRadioGroup(panInput, QString(),
                                             {{QStringLiteral("rbACQ_CLF1"), QStringLiteral("신규")},
                                              {QStringLiteral("rbACQ_CLF2"), QStringLiteral("중고")},
                                              {QStringLiteral("rbACQ_CLF3"), QStringLiteral("무상")}},
                                             &radios);
    acqKind->setFlat(true);
    for (int i = 0; i < 3; ++i)
        rbACQ_CLF[i] = radios.at(i);
    radios.clear();
    QGroupBox* division = Form::NewRadioGroup(panInput, QString(), {{QStringLiteral("rbPOS_CLF"), companyName()}}, &radios);
    division->setFlat(true);
    rbPOS_CLF = radios.at(0);
    radios.clear();
    QGroupBox* method = Form::NewRadioGroup(panInput, QString(),
                                            {{QStringLiteral("rbRDM_KIND1"), QStringLiteral("정액법")},
                                             {QStringLiteral("rbRDM_KIND2"), QStringLiteral("정률법")}},
                                            &radios);
    method->setFlat(true);
    rbRDM_KIND[0] = radios.at(0);
    rbRDM_KIND[1] = radios.at(1);
    chkRDM_YN = new QCheckBox(QStringLiteral("상각대상"), panInput);
    chkRDM_YN->setObjectName(QStringLiteral("chkRDM_YN"));

    const auto codeEdit = [this](const char* name, int width) {
        QLineEdit* e = Form::NewEdit(panInput, QLatin1String(name), width);
        e->setMaximumWidth(80);
        return e;
    };
    edtOG_DEPT_CD = codeEdit("edtOG_DEPT_CD", 4);
    edtOG_DEPT_NM = MasterUi::NewNameField(panInput, QStringLiteral("edtOG_DEPT_NM"));
    edtVSFX_DTM = codeEdit("edtVSFX_DTM", 2);
    edtVSFXDNM = MasterUi::NewNameField(panInput, QStringLiteral("edtVSFXDNM"));
    edtVSFX_MTM = codeEdit("edtVSFX_MTM", 4);
    edtVSFXMNM = MasterUi::NewNameField(panInput, QStringLiteral("edtVSFXMNM"));
    edtVSFX_STM = codeEdit("edtVSFX_STM", 10);
    edtVSFXSNM = MasterUi::NewNameField(panInput, QStringLiteral("edtVSFXSNM"));
    edtACCT_SBJ_CD = codeEdit("edtACCT_SBJ_CD", 7);
    edtACCT_NAME = MasterUi::NewNameField(panInput, QStringLiteral("edtACCT_NAME"));
    edtACQ_DT = codeEdit("edtACQ_DT", 10);
    edtACQ_DT->setMaximumWidth(100);
    AssetUi::WireDateTyping(edtACQ_DT);
    edtRMKS = Form::NewEdit(panInput, QStringLiteral("edtRMKS"), 200);
    edtQTY = amountEdit(panInput, QStringLiteral("edtQTY"), 5);
    edtPRC = amountEdit(panInput, QStringLiteral("edtPRC"), 20);
    edtACQ_AMT = amountEdit(panInput, QStringLiteral("edtACQ_AMT"), 20);
    edtVSFX_SIZE = Form::NewEdit(panInput, QStringLiteral("edtVSFX_SIZE"), 100);
    edtBUY_CO = codeEdit("edtBUY_CO", 10);
    edtCUST_NM = MasterUi::NewNameField(panInput, QStringLiteral("edtCUST_NM"));
    edtDEPT_CD = codeEdit("edtDEPT_CD", 4);
    edtDEPT_NM = MasterUi::NewNameField(panInput, QStringLiteral("edtDEPT_NM"));
    edtCONT_YYS = amountEdit(panInput, QStringLiteral("edtCONT_YYS"), 3);
    edtCONT_YYS->setMaximumWidth(50);
    edtRDM_RATE = amountEdit(panInput, QStringLiteral("edtRDM_RATE"), 5);
    edtRDM_RATE->setMaximumWidth(60);
    edtBOOK_AMT = readOnlyAmount(panInput, QStringLiteral("edtBOOK_AMT"));
    edtDEPR_SUM_AMT = readOnlyAmount(panInput, QStringLiteral("edtDEPR_SUM_AMT"));
    edtREMN_AMT = readOnlyAmount(panInput, QStringLiteral("edtREMN_AMT"));
    edtLAST_DEP_DT = MasterUi::NewNameField(panInput, QStringLiteral("edtLAST_DEP_DT"));

    const QStringList codeTitles{QStringLiteral("코드"), QStringLiteral("코 드 명")};
    pbtOG_DEPT_CD = lookup("pbtOG_DEPT_CD", kDeptSql.arg(QStringLiteral(" AND DEPT_AFF_YN = 'N'")),
                           kDeptLinkSql.arg(QStringLiteral(" AND DEPT_AFF_YN = 'N'")),
                           {QStringLiteral("부서코드"), QStringLiteral("원가부서명")}, edtOG_DEPT_CD, edtOG_DEPT_NM, [this] {
                               // the cost department is also the using department
                               edtDEPT_CD->setText(edtOG_DEPT_CD->text());
                               edtDEPT_NM->setText(edtOG_DEPT_NM->text());
                           });
    pbtDEPT_CD = lookup("pbtDEPT_CD", kDeptSql.arg(QString()), kDeptLinkSql.arg(QString()),
                        {QStringLiteral("부서코드"), QStringLiteral("부서명")}, edtDEPT_CD, edtDEPT_NM);
    pbtVSFX_DTM = AssetUi::NewClassLookup(panInput, QStringLiteral("pbtVSFX_DTM"), edtVSFX_DTM);
    connect(pbtVSFX_DTM, &TPopupBtn::clicked, this, [this] {
        if (State != stInsert && State != stEdit)
            return;
        const QString previous = m_typeLookup->param(QStringLiteral("class")).toString();
        if (!MasterUi::TakeLookup(pbtVSFX_DTM, edtVSFX_DTM, edtVSFXDNM)) {
            edtVSFX_DTM->clear();
            edtVSFXDNM->clear();
        }
        classChosen(previous);
    });
    m_typeLookup = lookup("pbtVSFX_MTM_list",
                          QStringLiteral("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'V0019' AND DETAIL <> ' '\n"
                                         "   AND ITEM1 = :class ORDER BY DETAIL"),
                          QStringLiteral("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'V0019' AND DETAIL <> ' '\n"
                                         "   AND ITEM1 = :class\n"
                                         "   AND (DETAIL LIKE :detail OR DETAIL_NAME LIKE '%' || :detail) ORDER BY DETAIL"),
                          {QStringLiteral("유형코드"), QStringLiteral("유형명")}, edtVSFX_MTM, edtVSFXMNM);
    m_typeLookup->hide();
    pbtVSFX_MTM = new QToolButton(panInput);
    pbtVSFX_MTM->setObjectName(QStringLiteral("pbtVSFX_MTM"));
    pbtVSFX_MTM->setIcon(TPopupBtn::glyph());
    pbtVSFX_MTM->setFixedSize(23, 22);
    pbtVSFX_MTM->setFocusPolicy(Qt::NoFocus);
    connect(pbtVSFX_MTM, &QToolButton::clicked, this, &TfrmVMI010::typeButtonClick);
    pbtVSFX_STM = lookup("pbtVSFX_STM", QStringLiteral("SELECT VSFXSTM, VSFXSNM FROM VM007MS WHERE USE_YN = 'Y' ORDER BY VSFXSTM"),
                         QStringLiteral("SELECT VSFXSTM, VSFXSNM FROM VM007MS WHERE USE_YN = 'Y'\n"
                                        "   AND (VSFXSTM LIKE :detail OR VSFXSNM LIKE '%' || :detail) ORDER BY VSFXSTM"),
                         {QStringLiteral("품목코드"), QStringLiteral("품목명")}, edtVSFX_STM, edtVSFXSNM);
    pbtACCT_SBJ_CD = lookup("pbtACCT_SBJ_CD",
                            QStringLiteral("SELECT ACCT_CODE, ACCT_NAME, ACCT_SNAME FROM VA020MS\n"
                                           " WHERE P_ACCT_CODE = '1330000' AND USE_YN = 'Y' ORDER BY ACCT_CODE"),
                            QStringLiteral("SELECT ACCT_CODE, ACCT_NAME, ACCT_SNAME FROM VA020MS\n"
                                           " WHERE P_ACCT_CODE = '1330000' AND USE_YN = 'Y'\n"
                                           "   AND (ACCT_CODE LIKE :detail OR ACCT_SNAME LIKE '%' || :detail) ORDER BY ACCT_CODE"),
                            {QStringLiteral("계정코드"), QStringLiteral("계정명"), QStringLiteral("단축명")}, edtACCT_SBJ_CD,
                            edtACCT_NAME);
    pbtBUY_CO = lookup("pbtBUY_CO",
                       QStringLiteral("SELECT C_CODE, C_NAME, C_NUM, BOSS_NAME FROM VA050MS WHERE USE_YN = 'Y' ORDER BY C_CODE"),
                       QStringLiteral("SELECT C_CODE, C_NAME, C_NUM, BOSS_NAME FROM VA050MS WHERE USE_YN = 'Y'\n"
                                      "   AND (C_CODE LIKE :cd OR C_NAME LIKE '%' || :cd) ORDER BY C_CODE"),
                       {QStringLiteral("코     드"), QStringLiteral("거래처명"), QStringLiteral("사업자번호"),
                        QStringLiteral("대 표 자")},
                       edtBUY_CO, edtCUST_NM);

    bbtPhoto = new QPushButton(QStringLiteral("사진등록"), panInput);
    bbtPhoto->setObjectName(QStringLiteral("bbtPhoto"));
    connect(bbtPhoto, &QPushButton::clicked, this, &TfrmVMI010::choosePhoto);

    const auto pick = [](QLineEdit* code, QWidget* button, QLineEdit* name) { return Form::Row{code, button, name}; };
    Form::Grid{
        {Form::Field(QStringLiteral("자산코드"), Form::Row{edtVSFX_CODE, Form::Stretch()})},
        {Form::Field(QStringLiteral("자 산 명"), edtASET_NM)},
        {Form::Field(QStringLiteral("취득구분"), acqKind)},
        {Form::Field(QStringLiteral("원가부서"), pick(edtOG_DEPT_CD, pbtOG_DEPT_CD, edtOG_DEPT_NM))},
        {Form::Field(QStringLiteral("자산분류"), pick(edtVSFX_DTM, pbtVSFX_DTM, edtVSFXDNM))},
        {Form::Field(QStringLiteral("유형분류"), pick(edtVSFX_MTM, pbtVSFX_MTM, edtVSFXMNM))},
        {Form::Field(QStringLiteral("품목분류"), pick(edtVSFX_STM, pbtVSFX_STM, edtVSFXSNM))},
        {Form::Field(QStringLiteral("계정과목"), pick(edtACCT_SBJ_CD, pbtACCT_SBJ_CD, edtACCT_NAME))},
        {Form::Field(QStringLiteral("회계단위"), division)},
        {Form::Field(QStringLiteral("취득일자"), Form::Row{edtACQ_DT, Form::Stretch()})},
        {Form::Field(QStringLiteral("적    요"), edtRMKS)},
        {Form::Field(QStringLiteral("수    량"), Form::Row{edtQTY, Form::Label(QStringLiteral("단    가")), edtPRC})},
        {Form::Field(QStringLiteral("취득가액"), Form::Row{edtACQ_AMT, Form::Stretch()})},
        {Form::Field(QStringLiteral("규    격"), edtVSFX_SIZE)},
        {Form::Field(QStringLiteral("거 래 처"), pick(edtBUY_CO, pbtBUY_CO, edtCUST_NM))},
        {Form::Field(QStringLiteral("사용부서"), pick(edtDEPT_CD, pbtDEPT_CD, edtDEPT_NM))},
        {Form::Field(QStringLiteral("상각방법"), Form::Row{method, chkRDM_YN, Form::Stretch()})},
        {Form::Field(QStringLiteral("내용연수"), Form::Row{edtCONT_YYS, Form::Label(QStringLiteral("상각률")), edtRDM_RATE,
                                                         Form::Stretch()})},
        {Form::Field(QStringLiteral("장부가액"), Form::Row{edtBOOK_AMT, Form::Label(QStringLiteral("충당금")), edtDEPR_SUM_AMT})},
        {Form::Field(QStringLiteral("미상각액"), Form::Row{edtREMN_AMT, Form::Label(QStringLiteral("상각일")), edtLAST_DEP_DT})},
        {Form::Empty(), Form::Row{bbtPhoto, Form::Stretch()}},
    }
        .stretchColumn(1)
        .stretchRow(21)
        .spacing(2)
        .margins(6)
        .attachTo(panInput);
}

void TfrmVMI010::DoSearch()
{
    cdsMain->open(searchSql(), {edtSVSFX_DTM->text().trimmed(), edtSASET_NM->text().trimmed()});
    SetNumberFormats(*cdsMain);
    RecordCount = cdsMain->recordCount();
    showCurrent();
    RefreshButtons();
}

void TfrmVMI010::RefreshButtons()
{
    TfrmZQI030::RefreshButtons();
    const bool rows = State != stNone && RecordCount > 0;
    chkPhotoView->setVisible(rows || State == stInsert);
    if (!chkPhotoView->isVisible())
        chkPhotoView->setChecked(false);
}

void TfrmVMI010::showCurrent()
{
    const bool row = cdsMain->isOpen() && !cdsMain->isEmpty();
    const auto text = [this, row](const char* field) {
        return row ? cdsMain->fieldAsString(QLatin1String(field)).trimmed() : QString();
    };
    const auto shown = [this, row](const char* field) {
        return row ? cdsMain->displayText(QLatin1String(field)) : QString();
    };
    const std::pair<QLineEdit*, const char*> texts[] = {
        {edtVSFX_CODE, "VSFX_CODE"}, {edtASET_NM, "ASET_NM"},       {edtOG_DEPT_CD, "OG_DEPT_CD"},
        {edtOG_DEPT_NM, "OG_DEPT_NM"}, {edtVSFX_DTM, "VSFX_DTM"},   {edtVSFXDNM, "VSFXDNM"},
        {edtVSFX_MTM, "VSFX_MTM"},   {edtVSFXMNM, "VSFXMNM"},       {edtVSFX_STM, "VSFX_STM"},
        {edtVSFXSNM, "VSFXSNM"},     {edtACCT_SBJ_CD, "ACCT_SBJ_CD"}, {edtACCT_NAME, "ACCT_NAME"},
        {edtACQ_DT, "ACQ_DT"},       {edtRMKS, "RMKS"},             {edtVSFX_SIZE, "VSFX_SIZE"},
        {edtBUY_CO, "BUY_CO"},       {edtCUST_NM, "CUST_NM"},       {edtDEPT_CD, "DEPT_CD"},
        {edtDEPT_NM, "DEPT_NM"},     {edtCONT_YYS, "CONT_YYS"},     {edtLAST_DEP_DT, "LAST_DEP_DT"},
    };
    for (const auto& [edit, field] : texts)
        edit->setText(text(field));
    const std::pair<QLineEdit*, const char*> amounts[] = {
        {edtQTY, "QTY"}, {edtPRC, "PRC"}, {edtACQ_AMT, "ACQ_AMT"}, {edtBOOK_AMT, "BOOK_AMT"},
        {edtDEPR_SUM_AMT, "DEPR_SUM_AMT"}, {edtREMN_AMT, "REMN_AMT"},
    };
    for (const auto& [edit, field] : amounts)
        edit->setText(shown(field));
    edtRDM_RATE->setText(row && !cdsMain->isNull(QStringLiteral("RDM_RATE"))
                             ? QString::number(cdsMain->fieldAsFloat(QStringLiteral("RDM_RATE")), 'f', 3)
                             : QString());
    const int acqKind = std::clamp(text("ACQ_CLF").toInt(), 1, 3);
    rbACQ_CLF[acqKind - 1]->setChecked(true);
    rbPOS_CLF->setChecked(true);
    rbRDM_KIND[text("RDM_KIND") == QLatin1String("2") ? 1 : 0]->setChecked(true);
    chkRDM_YN->setChecked(!row || text("RDM_YN") != QLatin1String("N"));
    m_typeLookup->setParam(QStringLiteral("class"), edtVSFX_DTM->text().trimmed());
    m_newPhoto.clear();
    loadPhoto();
}

void TfrmVMI010::loadPhoto()
{
    const QString code = edtVSFX_CODE->text().trimmed();
    QImage image;
    if (!code.isEmpty()) {
        QSqlQuery q = RunQuery(QStringLiteral("SELECT VSFX_PICT FROM VM010DT WHERE VSFX_CODE = :P0"), {code});
        if (q.next())
            image = Jpeg::decode(q.value(0).toByteArray());
    }
    showPhoto(image);
}

void TfrmVMI010::showPhoto(const QImage& image)
{
    if (image.isNull()) {
        imgPhoto->clear();
        return;
    }
    imgPhoto->setPixmap(QPixmap::fromImage(image.scaled(kPhotoWidth, kPhotoHeight, Qt::KeepAspectRatio,
                                                        Qt::SmoothTransformation)));
}

QPixmap TfrmVMI010::shownPhoto() const
{
    return imgPhoto->pixmap();
}

bool TfrmVMI010::photoAreaVisible() const
{
    return panPhoto->isVisible();
}

void TfrmVMI010::choosePhoto()
{
    const QString file = DialogService::instance().openFileName(this, QStringLiteral("사진등록"), QString(),
                                                                QStringLiteral("JPEG Image File (*.jpg;*.jpeg)"));
    if (file.isEmpty())
        return;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        ShowError(QStringLiteral("사진 파일을 열 수 없습니다.\n") + file);
        return;
    }
    const QByteArray data = in.readAll();
    QString reason;
    const QImage image = Jpeg::decode(data, &reason);
    if (image.isNull()) {
        ShowError(QStringLiteral("JPEG 사진이 아니거나 손상된 파일입니다.(%1)\n%2").arg(reason, file));
        return;
    }
    m_newPhoto = data;
    showPhoto(image);
    chkPhotoView->setVisible(true);
    chkPhotoView->setChecked(true);
}

void TfrmVMI010::classChosen(const QString& previous)
{
    const QString cls = edtVSFX_DTM->text().trimmed();
    m_typeLookup->setParam(QStringLiteral("class"), cls);
    if (cls != previous) {
        edtVSFX_MTM->clear();
        edtVSFXMNM->clear();
    }
    if (State != stInsert || cls.isEmpty() || cls == previous)
        return;
    // a code the user typed over is his; the proposal follows the class
    const QString code = edtVSFX_CODE->text().trimmed();
    if (code.isEmpty() || code == m_proposed) {
        m_proposed = RunQueryRow(QStringLiteral("SELECT pk_v_asset.next_code(:P0)"), {cls}).value(0).toString();
        edtVSFX_CODE->setText(m_proposed);
    }
}

void TfrmVMI010::typeButtonClick()
{
    if (State != stInsert && State != stEdit)
        return;
    if (edtVSFX_DTM->text().trimmed().isEmpty()) {
        ShowInfo(QStringLiteral("자산분류코드를 먼저 선택해주세요.!"));
        edtVSFX_DTM->setFocus();
        return;
    }
    m_typeLookup->click();
}

void TfrmVMI010::AfterNew()
{
    if (!cdsMain->isOpen())
        DoSearch();
    cdsMain->append();
    cdsMain->setValue(QStringLiteral("POS_CLF"), QStringLiteral("K"));
    cdsMain->setValue(QStringLiteral("ACQ_CLF"), QStringLiteral("1"));
    cdsMain->setValue(QStringLiteral("RDM_YN"), QStringLiteral("Y"));
    cdsMain->setValue(QStringLiteral("RDM_KIND"), QStringLiteral("1"));
    cdsMain->setValue(QStringLiteral("END_ASET"), QStringLiteral("N"));
    cdsMain->setValue(QStringLiteral("SAL_WASTE_YN"), QStringLiteral("N"));
    showCurrent();
    m_key.clear();
    m_proposed.clear();
    edtVSFX_CODE->setFocus();
}

void TfrmVMI010::AfterEdit()
{
    m_key = cdsMain->fieldAsString(QStringLiteral("VSFX_CODE")).trimmed();
    cdsMain->edit();
    edtASET_NM->setFocus();
}

bool TfrmVMI010::collect(QVariantList* values)
{
    const QString code = edtVSFX_CODE->text().trimmed();
    const QString cls = edtVSFX_DTM->text().trimmed();
    if (code.isEmpty())
        return AssetUi::InputError(QStringLiteral("자산코드를 입력하세요"), edtVSFX_CODE);
    if (edtACCT_SBJ_CD->text().trimmed().isEmpty())
        return AssetUi::InputError(QStringLiteral("계정과목을 입력하세요"), edtACCT_SBJ_CD);
    if (edtOG_DEPT_CD->text().trimmed().isEmpty())
        return AssetUi::InputError(QStringLiteral("원가부서를 입력하세요"), edtOG_DEPT_CD);
    if (cls.isEmpty())
        return AssetUi::InputError(QStringLiteral("자산분류를 입력하세요"), edtVSFX_DTM);
    static const QRegularExpression codeShape(QStringLiteral("^[0-9A-Z]{2}[0-9]{6}$"));
    if (!codeShape.match(code).hasMatch() || !code.startsWith(cls))
        return AssetUi::InputError(QStringLiteral("자산코드는 자산분류코드와 6자리 일련번호입니다.(%1)").arg(cls), edtVSFX_CODE);
    QString acquired;
    if (!AssetUi::CheckDate(edtACQ_DT, &acquired))
        return false;
    QVariant qty, price, amount, life, rate;
    if (!AssetUi::CheckNumber(edtQTY, QStringLiteral("수량"), &qty) || !AssetUi::CheckNumber(edtPRC, QStringLiteral("단가"), &price)
        || !AssetUi::CheckNumber(edtACQ_AMT, QStringLiteral("취득가액"), &amount)
        || !AssetUi::CheckNumber(edtCONT_YYS, QStringLiteral("내용연수"), &life)
        || !AssetUi::CheckNumber(edtRDM_RATE, QStringLiteral("상각률"), &rate, true))
        return false;
    if (rate.toDouble() > 1)
        return AssetUi::InputError(QStringLiteral("상각률은 0 ~ 1 사이의 값입니다.(예: 0.451)"), edtRDM_RATE);
    const int acqKind = rbACQ_CLF[2]->isChecked() ? 3 : rbACQ_CLF[1]->isChecked() ? 2 : 1;
    *values = {code,
               cls,
               edtVSFX_MTM->text().trimmed(),
               edtVSFX_STM->text().trimmed(),
               QStringLiteral("K"),
               acquired,
               QString::number(acqKind),
               edtACCT_SBJ_CD->text().trimmed(),
               edtBUY_CO->text().trimmed(),
               edtASET_NM->text().trimmed(),
               edtRMKS->text().trimmed(),
               qty,
               price,
               edtVSFX_SIZE->text().trimmed(),
               edtDEPT_CD->text().trimmed(),
               life.toInt() > 0 ? life : QVariant(),
               rbRDM_KIND[1]->isChecked() ? QStringLiteral("2") : QStringLiteral("1"),
               rate.toDouble() > 0 ? rate : QVariant(),
               chkRDM_YN->isChecked() ? QStringLiteral("Y") : QStringLiteral("N"),
               acqKind == 2 ? QStringLiteral("Y") : QStringLiteral("N"),
               edtOG_DEPT_CD->text().trimmed(),
               amount,
               Session::workstationIp,
               Session::empNo};
    return true;
}

void TfrmVMI010::DoSave()
{
    rdgMain->setFocus();
    QVariantList values;
    if (!collect(&values))
        return;
    const QString code = values.at(0).toString();
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    // one row per asset; the database sets the book and residual values
    // from the acquisition amount
    if (State == stInsert) {
        ExecSql(QStringLiteral(
                    "INSERT INTO VM010MS (VSFX_CODE, VSFX_SEQ, VSFX_DTM, VSFX_MTM, VSFX_STM, POS_CLF, ACQ_DT, ACQ_CLF,\n"
                    "                     ACCT_SBJ_CD, BUY_CO, ASET_NM, RMKS, QTY, PRC, VSFX_SIZE, DEPT_CD, CONT_YYS,\n"
                    "                     RDM_KIND, RDM_RATE, RDM_YN, MID_ASET_YN, OG_DEPT_CD, ACQ_AMT, SAL_WASTE_YN,\n"
                    "                     END_ASET, U_DATE, U_IP, U_EMP_NO)\n"
                    "VALUES (:P0, 1, :P1, :P2, :P3, :P4, CAST(:P5 AS DATE), :P6, :P7, :P8, :P9, :P10, :P11, :P12, :P13,\n"
                    "        :P14, :P15, :P16, CAST(:P17 AS NUMERIC), :P18, :P19, :P20, :P21, 'N', 'N', LOCALTIMESTAMP(0),\n"
                    "        :P22, :P23)"),
                values);
    } else {
        values << m_key;
        ExecSql(QStringLiteral(
                    "UPDATE VM010MS\n"
                    "   SET VSFX_CODE = :P0, VSFX_DTM = :P1, VSFX_MTM = :P2, VSFX_STM = :P3, POS_CLF = :P4,\n"
                    "       ACQ_DT = CAST(:P5 AS DATE), ACQ_CLF = :P6, ACCT_SBJ_CD = :P7, BUY_CO = :P8, ASET_NM = :P9,\n"
                    "       RMKS = :P10, QTY = :P11, PRC = :P12, VSFX_SIZE = :P13, DEPT_CD = :P14, CONT_YYS = :P15,\n"
                    "       RDM_KIND = :P16, RDM_RATE = CAST(:P17 AS NUMERIC), RDM_YN = :P18, MID_ASET_YN = :P19,\n"
                    "       OG_DEPT_CD = :P20, ACQ_AMT = :P21, U_DATE = LOCALTIMESTAMP(0), U_IP = :P22, U_EMP_NO = :P23\n"
                    " WHERE VSFX_CODE = :P24"),
                values);
    }
    if (!m_newPhoto.isEmpty())
        ExecSql(QStringLiteral("INSERT INTO VM010DT (VSFX_CODE, VSFX_PICT, U_DATE, U_IP, U_EMP_NO)\n"
                               "VALUES (:P0, :P1, LOCALTIMESTAMP(0), :P2, :P3)\n"
                               "ON CONFLICT (VSFX_CODE) DO UPDATE\n"
                               "   SET VSFX_PICT = EXCLUDED.VSFX_PICT, U_DATE = EXCLUDED.U_DATE, U_IP = EXCLUDED.U_IP,\n"
                               "       U_EMP_NO = EXCLUDED.U_EMP_NO"),
                {code, m_newPhoto, Session::workstationIp, Session::empNo});
    tx.commit();
    m_newPhoto.clear();
    m_key = code;
    cdsMain->cancel();
    cdsMain->reopen();
    cdsMain->locate(QStringLiteral("VSFX_CODE"), code);
    RecordCount = cdsMain->recordCount();
    Done = true;
    showCurrent();
}

void TfrmVMI010::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    m_newPhoto.clear();
    chkPhotoView->setChecked(false);
    showCurrent();
}

void TfrmVMI010::DoDelete()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return;
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    // the photo and the building or vehicle particulars go with the asset
    ExecSql(QStringLiteral("DELETE FROM VM010MS WHERE VSFX_CODE = :P0"),
            {cdsMain->fieldAsString(QStringLiteral("VSFX_CODE")).trimmed()});
    tx.commit();
    cdsMain->deleteRecord();
    RecordCount = cdsMain->recordCount();
    showCurrent();
    Done = true;
}

void TfrmVMI010::FieldExit(QWidget* control)
{
    TfrmZQI030::FieldExit(control);
    const auto linked = [control](QLineEdit* edit, TPopupBtn* button) {
        if (control == edit && !edit->text().trimmed().isEmpty())
            button->LinkSearch();
    };
    linked(edtVSFX_DTM, pbtVSFX_DTM);
    if (control == edtVSFX_MTM && !edtVSFX_MTM->text().trimmed().isEmpty()) {
        if (edtVSFX_DTM->text().trimmed().isEmpty()) {
            edtVSFX_MTM->clear();
            ShowInfo(QStringLiteral("자산분류코드를 먼저 선택해주세요.!"));
            return;
        }
        m_typeLookup->LinkSearch();
        return;
    }
    linked(edtVSFX_STM, pbtVSFX_STM);
    linked(edtACCT_SBJ_CD, pbtACCT_SBJ_CD);
    linked(edtOG_DEPT_CD, pbtOG_DEPT_CD);
    linked(edtDEPT_CD, pbtDEPT_CD);
    linked(edtBUY_CO, pbtBUY_CO);
    linked(edtSVSFX_DTM, pbtSVSFX_DTM);
}

bool TfrmVMI010::FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_F1) {
        const std::pair<QLineEdit*, QAbstractButton*> buttons[] = {
            {edtSVSFX_DTM, pbtSVSFX_DTM}, {edtVSFX_DTM, pbtVSFX_DTM}, {edtVSFX_MTM, pbtVSFX_MTM},
            {edtVSFX_STM, pbtVSFX_STM},   {edtACCT_SBJ_CD, pbtACCT_SBJ_CD}, {edtOG_DEPT_CD, pbtOG_DEPT_CD},
            {edtDEPT_CD, pbtDEPT_CD},     {edtBUY_CO, pbtBUY_CO},
        };
        for (const auto& [edit, button] : buttons) {
            if (control == edit) {
                button->click();
                return true;
            }
        }
    }
    return TfrmZQI030::FieldKeyDown(control, key, modifiers);
}
