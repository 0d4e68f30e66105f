#include "screens/master/VAI050.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/TextUtil.h"
#include "common/Transaction.h"
#include "common/XlsExport.h"
#include "framework/FormKit.h"
#include "framework/print/ReportData.h"
#include "grid/DataGrid.h"
#include "grid/GridExport.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/master/MasterCommon.h"
#include "screens/master/VAI051.h"
#include <QDateTime>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace MasterUi;

namespace {

const QString kKindSql = QStringLiteral(
    "SELECT DETAIL, DETAIL_NAME, ITEM1 FROM ZX010MS WHERE HEAD = 'V0002' AND DETAIL <> ' ' ORDER BY DETAIL");
const QString kKindLinkHead = QStringLiteral(
    "SELECT DETAIL, DETAIL_NAME, ITEM1 FROM ZX010MS WHERE HEAD = 'V0002' AND DETAIL <> ' '\n");
const QString kUpperSql = QStringLiteral(
    "SELECT C_CODE, C_NAME, BOSS_NAME, C_ITEM, C_TYPE, C_NUM FROM VA050MS ORDER BY C_CODE");
const QString kUpperLinkHead = QStringLiteral("SELECT C_CODE, C_NAME, BOSS_NAME, C_ITEM, C_TYPE, C_NUM FROM VA050MS\n");
const QString kPostSelect = QStringLiteral(
    "SELECT ZIP_CODE, ADDRESS1, ADDRESS2, ADDRESS3, POST_BOX,\n"
    "       concat_ws(' ', ADDRESS1, ADDRESS2, ADDRESS3) ADDRESS\n"
    "  FROM ZX030MS\n");
const QString kNationHead = QStringLiteral(
    "SELECT DETAIL, DETAIL_NAME, ITEM3 FROM ZX010MS WHERE HEAD = 'Z0001' AND ITEM1 = 'Y'\n");
const QString kAreaHead = QStringLiteral("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'ZV001' AND ITEM2 = 'Y'\n");

const QString kDigitsDetail = QStringLiteral(" AND DETAIL LIKE :detail || '%'\n");
const QString kNameDetail = QStringLiteral(" AND DETAIL_NAME LIKE '%' || :detail || '%'\n");

QString dealTypeName(const QString& dealType)
{
    if (dealType == QLatin1String("1"))
        return QStringLiteral("매출처");
    if (dealType == QLatin1String("2"))
        return QStringLiteral("매입처");
    if (dealType == QLatin1String("3"))
        return QStringLiteral("매출/매입처");
    return QString();
}

// "1234567890" -> "123-45-67890"
QString bizNumberText(const QString& digits)
{
    return digits.left(3) + QLatin1Char('-') + digits.mid(3, 2) + QLatin1Char('-') + digits.mid(5);
}

}  // namespace

TfrmVAI050::TfrmVAI050(QWidget* parent) : TfrmZQI020(QStringLiteral("VAI050"), parent)
{
    setWindowTitle(QStringLiteral("거래처 등록(VAI050)"));

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));

    buildSearchPanel();
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        GridColumn(QStringLiteral("C_CODE"), QStringLiteral("거래처코드"), 80),
        GridColumn(QStringLiteral("C_NAME"), QStringLiteral("거래처명"), 150),
        GridColumn(QStringLiteral("C_NUM"), QStringLiteral("사업자번호"), 90),
        GridColumn(QStringLiteral("DETAIL_NAME"), QStringLiteral("거래처구분"), 70),
        GridColumn(QStringLiteral("BOSS_NAME"), QStringLiteral("대표자명"), 70),
        GridColumn(QStringLiteral("REP_PHONE"), QStringLiteral("대표번호"), 90),
        GridColumn(QStringLiteral("FAX_NO"), QStringLiteral("팩스번호"), 90),
        GridColumn(QStringLiteral("MOBILE_NO"), QStringLiteral("휴대폰번호"), 90),
        GridColumn(QStringLiteral("EMAIL"), QStringLiteral("E-Mail"), 120),
        GridColumn(QStringLiteral("C_TYPE"), QStringLiteral("업종"), 100),
        GridColumn(QStringLiteral("C_ITEM"), QStringLiteral("업태"), 80),
        GridColumn(QStringLiteral("ZIP"), QStringLiteral("우편번호"), 60),
        GridColumn(QStringLiteral("ADDR1"), QStringLiteral("주소 1"), 200),
        GridColumn(QStringLiteral("ADDR2"), QStringLiteral("주소 2"), 120),
        GridColumn(QStringLiteral("USE_YN"), QStringLiteral("사용여부"), 60),
        GridColumn(QStringLiteral("NA_NAME"), QStringLiteral("국가명"), 70),
        GridColumn(QStringLiteral("LOCAL_NAME"), QStringLiteral("지역명"), 70),
    });
    buildInputPanel();

    // Changing and deleting customers is for employees holding an authority
    // period that is valid today.
    const bool mayChange = RunQueryRow(QStringLiteral("SELECT COUNT(*) CNT FROM VA010MS\n"
                                                      " WHERE CURRENT_DATE BETWEEN ST_DATE AND ED_DATE AND EMP_NO = :P0"),
                                       {Session::empNo})
                               .value(0)
                               .toInt()
        > 0;
    bbtEdit->setVisible(mayChange);
    bbtDelete->setVisible(mayChange);

    connect(cdsMain, &RecordSet::afterScroll, this, &TfrmVAI050::rdgMainRowChange);
}

void TfrmVAI050::buildSearchPanel()
{
    edtFCCode = Form::NewEdit(panSearch, QStringLiteral("edtFCCode"), 30);
    edtFCType = Form::NewEdit(panSearch, QStringLiteral("edtFCType"), 2);
    edtFCType->setFixedWidth(40);
    edtFCDetailName = NewNameField(panSearch, QStringLiteral("edtFCDetailName"));
    pbtFCType = NewLookup(panSearch, QStringLiteral("pbtFCType"), kKindSql, kKindLinkHead + kDigitsDetail,
                          {QStringLiteral("코드"), QStringLiteral("거래처종류")}, edtFCType);
    QList<QRadioButton*> address;
    QGroupBox* addressGroup = Form::NewRadioGroup(panSearch, QString(),
                                                  {{QStringLiteral("rdoLATER"), QStringLiteral("도로명 주소")},
                                                   {QStringLiteral("rdoAFTER"), QStringLiteral("구 주소")}},
                                                  &address);
    rdoLATER = address[0];
    rdoAFTER = address[1];
    m_lookupOf.insert(edtFCType, pbtFCType);
    connect(pbtFCType, &TPopupBtn::clicked, this, [this] { TakeLookup(pbtFCType, edtFCType, edtFCDetailName); });
    Form::Grid{
        {Form::Field(QStringLiteral("거래처"), edtFCCode),
         Form::Field(QStringLiteral("거래처구분"), Form::Row{edtFCType, pbtFCType, edtFCDetailName}), addressGroup},
    }.stretchColumn(5).attachTo(panSearch);
}

void TfrmVAI050::buildInputPanel()
{
    panInput->setFixedWidth(560);
    const auto edit = [this](const char* name, int maxLength = 0) {
        return Form::NewEdit(panInput, QLatin1String(name), maxLength);
    };
    edtCCode = edit("edtCCode", 8);
    edtCKind = edit("edtCKind", 2);
    edtCKind->setFixedWidth(40);
    edtCKindName = NewNameField(panInput, QStringLiteral("edtCKindName"));
    pbtGubn = NewLookup(panInput, QStringLiteral("pbtGubn"), kKindSql, kKindLinkHead + kDigitsDetail,
                        {QStringLiteral("코드"), QStringLiteral("거래처종류")}, edtCKind);
    edtUpperCode = edit("edtUpperCode", 10);
    edtUpperCCodeName = NewNameField(panInput, QStringLiteral("edtUpperCCodeName"));
    pbtUpperCode = NewLookup(panInput, QStringLiteral("pbtUpperCode"), kUpperSql,
                             kUpperLinkHead + QStringLiteral(" WHERE C_CODE LIKE :c_cd || '%'"),
                             {QStringLiteral("거래처코드"), QStringLiteral("거래처명"), QStringLiteral("대표자명"),
                              QStringLiteral("업  종"), QStringLiteral("업  태"), QStringLiteral("사업자번호")},
                             edtUpperCode);
    // Not in use: the loaded value is written back as it was.
    edtUpperCode->setEnabled(false);
    pbtUpperCode->setEnabled(false);
    edtUpperCCodeName->setEnabled(false);
    edtCName = edit("edtCName", 30);
    edtCBossName = edit("edtCBossName", 30);
    edtCBossName->setPlaceholderText(QStringLiteral("[15자]"));
    edtCNum = Form::NewMaskEdit(panInput, QStringLiteral("edtCNum"), QStringLiteral("999-99-99999;0;_"));
    edtRepPhone = edit("edtRepPhone", 20);
    edtFaxNo = edit("edtFaxNo", 20);
    edtMobileNo = edit("edtMobileNo", 20);
    edtEMail = edit("edtEMail", 60);
    medPubNo = Form::NewMaskEdit(panInput, QStringLiteral("medPubNo"), QStringLiteral("999999-9999999;0;_"));
    edtCItem = edit("edtCItem", 17);
    edtCItem->setPlaceholderText(QStringLiteral("[8 자]"));
    edtCType = edit("edtCType", 25);
    edtCType->setPlaceholderText(QStringLiteral("[12자]"));
    edtZip = edit("edtZip", 6);
    edtZip->setFixedWidth(60);
    Edit1 = edit("Edit1");
    pbtPost = NewLookup(panInput, QStringLiteral("pbtPost"), kPostSelect,
                        kPostSelect + QStringLiteral(" WHERE ADDRESS3 LIKE :zip_cd || '%'"),
                        {QStringLiteral("우편번호"), QStringLiteral("시/도"), QStringLiteral("군/구"),
                         QStringLiteral("읍/면/동"), QStringLiteral("번지/사서함"), QStringLiteral("주소")},
                        Edit1);
    edtAddr1 = edit("edtAddr1", 150);
    edtAddr2 = edit("edtAddr2", 150);
    QList<QRadioButton*> use;
    QGroupBox* useGroup = Form::NewRadioGroup(panInput, QStringLiteral("<< 사용여부 >>"),
                                              {{QStringLiteral("rdoUseY"), QStringLiteral("사용")},
                                               {QStringLiteral("rdoUseN"), QStringLiteral("사용안함")}},
                                              &use);
    rdoUseY = use[0];
    rdoUseN = use[1];
    edtNaCode = edit("edtNaCode", 10);
    edtNaName = NewNameField(panInput, QStringLiteral("edtNaName"));
    pbtNaCode = NewLookup(panInput, QStringLiteral("pbtNaCode"), kNationHead + QStringLiteral(" ORDER BY ITEM2"),
                          kNationHead + kDigitsDetail + QStringLiteral(" ORDER BY ITEM2"),
                          {QStringLiteral("국가코드"), QStringLiteral("국가명"), QStringLiteral("영문명")}, edtNaCode);
    edtAreaCode = edit("edtAreaCode", 10);
    edtAreaName = NewNameField(panInput, QStringLiteral("edtAreaName"));
    pbtAreaCode = NewLookup(panInput, QStringLiteral("pbtAreaCode"), kAreaHead + QStringLiteral(" ORDER BY DETAIL"),
                            kAreaHead + kDigitsDetail + QStringLiteral(" ORDER BY DETAIL"),
                            {QStringLiteral("지역코드"), QStringLiteral("지역명")}, edtAreaCode);
    QGroupBox* dealGroup = Form::NewRadioGroup(panInput, QStringLiteral("<< 거래유형>>"),
                                               {{QStringLiteral("rdoDeal1"), QStringLiteral("매출처")},
                                                {QStringLiteral("rdoDeal2"), QStringLiteral("매입처")},
                                                {QStringLiteral("rdoDeal3"), QStringLiteral("매입/매출처")}},
                                               &rdoDeal);

    for (auto [field, button] : {std::pair{edtCKind, pbtGubn}, {edtUpperCode, pbtUpperCode}, {Edit1, pbtPost},
                                 {edtNaCode, pbtNaCode}, {edtAreaCode, pbtAreaCode}})
        m_lookupOf.insert(field, button);
    connect(pbtGubn, &TPopupBtn::clicked, this, [this] { TakeLookup(pbtGubn, edtCKind, edtCKindName); });
    connect(pbtUpperCode, &TPopupBtn::clicked, this,
            [this] { TakeLookup(pbtUpperCode, edtUpperCode, edtUpperCCodeName); });
    connect(pbtNaCode, &TPopupBtn::clicked, this, [this] { TakeLookup(pbtNaCode, edtNaCode, edtNaName); });
    connect(pbtAreaCode, &TPopupBtn::clicked, this, [this] { TakeLookup(pbtAreaCode, edtAreaCode, edtAreaName); });
    connect(pbtPost, &TPopupBtn::clicked, this, &TfrmVAI050::postLookupClick);

    Form::Grid{
        {Form::Field(QStringLiteral("거래처코드"), edtCCode),
         Form::Field(QStringLiteral("거래처구분"), Form::Row{edtCKind, pbtGubn, edtCKindName})},
        {Form::Field(QStringLiteral("거래처명"), edtCName),
         Form::Field(QStringLiteral("사용하지않음"), Form::Row{edtUpperCode, pbtUpperCode, edtUpperCCodeName})},
        {Form::Field(QStringLiteral("대 표 자 명"), edtCBossName), Form::Field(QStringLiteral("사업자번호"), edtCNum)},
        {Form::Field(QStringLiteral("전화번호"), edtRepPhone), Form::Field(QStringLiteral("팩스번호"), edtFaxNo)},
        {Form::Field(QStringLiteral("휴대폰 번호"), edtMobileNo), Form::Field(QStringLiteral("E-Mail"), edtEMail)},
        {Form::Field(QStringLiteral("법인(주민)번호"), medPubNo), Form::Field(QStringLiteral("업    태"), edtCItem)},
        {Form::Field(QStringLiteral("업    종"), edtCType),
         Form::Field(QStringLiteral("우편번호"), Form::Row{edtZip, pbtPost, Edit1})},
        {Form::Field(QStringLiteral("주    소"), Form::Span(3, edtAddr1))},
        {Form::Field(QStringLiteral("상세주소"), Form::Span(3, edtAddr2))},
        {Form::Field(QStringLiteral("국가코드"), Form::Row{edtNaCode, pbtNaCode, edtNaName}),
         Form::Field(QStringLiteral("지역코드"), Form::Row{edtAreaCode, pbtAreaCode, edtAreaName})},
        {Form::Span(2, useGroup), Form::Span(2, dealGroup)},
    }.stretchRow(11).margins(6).attachTo(panInput);
}

// --- list --------------------------------------------------------------------------------

void TfrmVAI050::DoSearch()
{
    // Kind, nation and area are joined outside, so that a customer whose
    // code is missing from its group is still listed.
    QString sql = QStringLiteral(
        "SELECT A.C_CODE, A.C_KIND, B.DETAIL_NAME, A.C_PR_CODE, A.C_NAME, A.C_NUM, A.C_ITEM, A.C_TYPE, A.ZIP,\n"
        "       A.ADDR1, A.ADDR2, A.REP_PHONE, A.FAX_NO, A.EMAIL, A.SOC_ID, A.BOSS_NAME, A.MOBILE_NO, A.USE_YN,\n"
        "       C.C_NAME UPPER_NAME, A.NATIONAL_INIT, A.LOCAL_INIT, D.DETAIL_NAME NA_NAME, E.DETAIL_NAME LOCAL_NAME,\n"
        "       A.DEAL_TYPE,\n"
        "       CASE A.DEAL_TYPE WHEN '1' THEN '매출처' WHEN '2' THEN '매입처' WHEN '3' THEN '매입/매출' END DEAL_TYPE_NAME,\n"
        "       concat_ws(' ', A.ADDR1, A.ADDR2) ADDRESS, A.U_DATE, A.U_IP, A.U_EMP_NO\n"
        "  FROM VA050MS A\n"
        "  LEFT JOIN ZX010MS B ON B.HEAD = 'V0002' AND B.DETAIL = A.C_KIND\n"
        "  LEFT JOIN VA050MS C ON C.C_CODE = A.C_PR_CODE\n"
        "  LEFT JOIN ZX010MS D ON D.HEAD = 'Z0001' AND D.DETAIL = A.NATIONAL_INIT\n"
        "  LEFT JOIN ZX010MS E ON E.HEAD = 'ZV001' AND E.DETAIL = A.LOCAL_INIT\n"
        " WHERE 1 = 1\n");
    QVariantList params;
    if (const QString text = edtFCCode->text().trimmed(); !text.isEmpty()) {
        params << text;
        sql += IsDigitsText(text) ? QStringLiteral("   AND A.C_CODE LIKE :P0 || '%'\n")
                                  : QStringLiteral("   AND A.C_NAME LIKE '%' || :P0 || '%'\n");
    }
    if (const QString kind = edtFCType->text().trimmed(); !kind.isEmpty()) {
        params << kind;
        sql += QStringLiteral("   AND A.C_KIND = :P%1\n").arg(params.size() - 1);
    }
    sql += QStringLiteral(" ORDER BY 1");
    cdsMain->open(sql, params);
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
    rdgMain->setFocus();
}

void TfrmVAI050::rdgMainRowChange()
{
    if (State != stBrowse || !cdsMain->isOpen())
        return;
    if (cdsMain->isEmpty()) {
        clearInput();
        return;
    }
    showCurrentRow();
}

void TfrmVAI050::showCurrentRow()
{
    const auto text = [this](const char* field) { return cdsMain->fieldAsString(QLatin1String(field)).trimmed(); };
    edtCCode->setText(text("C_CODE").mid(2, 8));
    edtCKind->setText(text("C_KIND"));
    edtCKindName->setText(text("DETAIL_NAME"));
    edtUpperCode->setText(text("C_PR_CODE"));
    edtUpperCCodeName->setText(text("UPPER_NAME"));
    edtCName->setText(text("C_NAME"));
    edtCBossName->setText(text("BOSS_NAME"));
    edtCNum->setText(DigitsOf(text("C_NUM")));
    edtRepPhone->setText(text("REP_PHONE"));
    edtFaxNo->setText(text("FAX_NO"));
    edtMobileNo->setText(text("MOBILE_NO"));
    edtEMail->setText(text("EMAIL"));
    medPubNo->setText(DigitsOf(text("SOC_ID")));
    edtCItem->setText(text("C_ITEM"));
    edtCType->setText(text("C_TYPE"));
    edtZip->setText(text("ZIP"));
    edtAddr1->setText(text("ADDR1"));
    edtAddr2->setText(text("ADDR2"));
    edtNaCode->setText(text("NATIONAL_INIT"));
    edtNaName->setText(text("NA_NAME"));
    edtAreaCode->setText(text("LOCAL_INIT"));
    edtAreaName->setText(text("LOCAL_NAME"));
    const QString deal = text("DEAL_TYPE");
    if (deal == QLatin1String("1") || deal == QLatin1String("2") || deal == QLatin1String("3"))
        rdoDeal.at(deal.toInt() - 1)->setChecked(true);
    (text("USE_YN") == QLatin1String("Y") ? rdoUseY : rdoUseN)->setChecked(true);
}

void TfrmVAI050::clearInput()
{
    ClearTextFields(panInput);
    rdoUseY->setChecked(true);
    rdoDeal.first()->setChecked(true);
}

// --- operations ----------------------------------------------------------------------------

void TfrmVAI050::AfterNew()
{
    clearInput();
    edtNaCode->setText(QStringLiteral("KR"));
    edtNaName->setText(QStringLiteral("대한민국"));
    edtAreaCode->setText(QStringLiteral("17"));
    edtAreaName->setText(QStringLiteral("탈바네"));
    cdsMain->append();
    m_key.clear();
    // The database's counter hands the number out once: another workstation
    // asking meanwhile gets the next one.
    edtCCode->setText(RunQueryRow(QStringLiteral("SELECT pk_v_numbering.next_customer_no() MAXCNT")).value(0).toString());
    edtCCode->setFocus();
}

void TfrmVAI050::AfterEdit()
{
    cdsMain->edit();
    m_key = cdsMain->fieldAsString(QStringLiteral("C_CODE")).trimmed();
    edtCCode->setFocus();
}

bool TfrmVAI050::requireText(QLineEdit* edit, const QString& message)
{
    if (!edit->text().trimmed().isEmpty())
        return true;
    ShowError(message);
    if (edit->isEnabled())
        edit->setFocus();
    return false;
}

void TfrmVAI050::DoSave()
{
    if (!requireText(edtCCode, QStringLiteral("거래처코드는 반드시 입력하여야 합니다!"))
        || !requireText(edtCKind, QStringLiteral("거래처구분은 반드시 입력하여야 합니다!"))
        || !requireText(edtCName, QStringLiteral("거래처명은 반드시 입력하여야 합니다!"))
        || !requireText(edtNaCode, QStringLiteral("국가코드는 반드시 입력하여야 합니다!"))
        || !requireText(edtAreaCode, QStringLiteral("지역코드는 반드시 입력하여야 합니다!")))
        return;
    const QString number = edtCCode->text().trimmed();
    if (!IsDigitsText(number)) {
        ShowError(QStringLiteral("거래처코드는 숫자만 입력 가능합니다!"));
        edtCCode->setFocus();
        return;
    }
    const QString kind = edtCKind->text().trimmed();
    const QString kindName = RunQueryRow(QStringLiteral("SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = 'V0002' AND DETAIL = :P0"),
                                         {kind}).value(0).toString();
    if (kindName.isEmpty()) {
        ShowError(QStringLiteral("등록되지 않은 거래처구분입니다. [%1]").arg(kind));
        edtCKind->setFocus();
        return;
    }
    const QString bizDigits = DigitsOf(edtCNum->text());
    if (!bizDigits.isEmpty() && !CheckBizRegNo(bizDigits)) {
        ShowError(QStringLiteral("사업자 번호가 바르지 않습니다. 확인하시고 입력하여 주세요."));
        edtCNum->clear();
        edtCNum->setFocus();
        return;
    }
    const QString socId = DigitsOf(medPubNo->text());
    if (!socId.isEmpty() && socId.size() != 13) {
        ShowError(QStringLiteral("법인(주민)번호는 13자리 숫자로 입력하여야 합니다!"));
        medPubNo->setFocus();
        return;
    }
    const QString bizNumber = bizDigits.isEmpty() ? QString() : bizNumberText(bizDigits);
    if (!bizNumber.isEmpty()) {
        const QVariantList holder = RunQueryRow(
            QStringLiteral("SELECT C_CODE, '거래처코드 ['||C_CODE||']에 '||TRIM(C_NAME) CNAME FROM VA050MS\n"
                           " WHERE C_NUM = :P0 AND C_CODE IS DISTINCT FROM :P1 ORDER BY C_CODE"),
            {bizNumber, State == stEdit ? m_key : QString()});
        if (!holder.isEmpty()) {
            ShowError(State == stInsert
                          ? QStringLiteral("입력하신 사업자 번호는 ") + holder.value(1).toString()
                                + QStringLiteral("로 등록이 되어있습니다. 확인하세요.!")
                          : QStringLiteral("입력하신 사업자 번호는 ") + holder.value(1).toString()
                                + QStringLiteral("  으로 등록이 되어있습니다. 확인하세요.!"));
            edtCNum->setFocus();
            return;
        }
    }

    const QString code = kind + ZeroPadLeft(number, 8);
    QString dealType = QStringLiteral("1");
    for (int i = 0; i < rdoDeal.size(); ++i)
        if (rdoDeal.at(i)->isChecked())
            dealType = QString::number(i + 1);
    const QString useYn = rdoUseY->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    const QVariantList values{kind,
                              edtCName->text().trimmed(),
                              bizNumber,
                              edtUpperCode->text().trimmed(),
                              edtCItem->text().trimmed(),
                              edtCType->text().trimmed(),
                              edtZip->text().trimmed(),
                              edtAddr1->text().trimmed(),
                              edtAddr2->text().trimmed(),
                              edtRepPhone->text().trimmed(),
                              edtFaxNo->text().trimmed(),
                              edtEMail->text().trimmed(),
                              socId,
                              edtCBossName->text().trimmed(),
                              edtNaCode->text().trimmed(),
                              edtAreaCode->text().trimmed(),
                              dealType,
                              edtMobileNo->text().trimmed(),
                              useYn};

    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    QVariantList params{code};
    params << values << Session::workstationIp << Session::empNo;
    if (State == stInsert) {
        ExecSql(QStringLiteral(
                    "INSERT INTO VA050MS (C_CODE, C_KIND, C_NAME, C_NUM, C_PR_CODE, C_ITEM, C_TYPE, ZIP, ADDR1, ADDR2,\n"
                    "                     REP_PHONE, FAX_NO, EMAIL, SOC_ID, BOSS_NAME, NATIONAL_INIT, LOCAL_INIT,\n"
                    "                     DEAL_TYPE, MOBILE_NO, USE_YN, U_DATE, U_IP, U_EMP_NO)\n"
                    "VALUES (:P0, :P1, :P2, :P3, :P4, :P5, :P6, :P7, :P8, :P9, :P10, :P11, :P12, :P13, :P14, :P15,\n"
                    "        :P16, :P17, :P18, :P19, LOCALTIMESTAMP(0), :P20, :P21)"),
                params);
    } else {
        // A changed kind or number changes the key; bank accounts follow it,
        // and the database refuses while slips name the customer.
        params << m_key;
        ExecSql(QStringLiteral(
                    "UPDATE VA050MS\n"
                    "   SET C_CODE = :P0, C_KIND = :P1, C_NAME = :P2, C_NUM = :P3, C_PR_CODE = :P4, C_ITEM = :P5,\n"
                    "       C_TYPE = :P6, ZIP = :P7, ADDR1 = :P8, ADDR2 = :P9, REP_PHONE = :P10, FAX_NO = :P11,\n"
                    "       EMAIL = :P12, SOC_ID = :P13, BOSS_NAME = :P14, NATIONAL_INIT = :P15, LOCAL_INIT = :P16,\n"
                    "       DEAL_TYPE = :P17, MOBILE_NO = :P18, USE_YN = :P19, U_DATE = LOCALTIMESTAMP(0),\n"
                    "       U_IP = :P20, U_EMP_NO = :P21\n"
                    " WHERE C_CODE = :P22"),
                params);
    }
    tx.commit();
    m_key = code;
    writeGridRow(code, values);
    edtCCode->setText(code.mid(2));
    edtCKindName->setText(kindName);
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVAI050::writeGridRow(const QString& code, const QVariantList& values)
{
    static const char* const fields[] = {"C_KIND", "C_NAME", "C_NUM", "C_PR_CODE", "C_ITEM", "C_TYPE", "ZIP",
                                         "ADDR1", "ADDR2", "REP_PHONE", "FAX_NO", "EMAIL", "SOC_ID", "BOSS_NAME",
                                         "NATIONAL_INIT", "LOCAL_INIT", "DEAL_TYPE", "MOBILE_NO", "USE_YN"};
    cdsMain->setValue(QStringLiteral("C_CODE"), code);
    for (int i = 0; i < int(std::size(fields)); ++i)
        cdsMain->setValue(QLatin1String(fields[i]), values.at(i));
    const auto groupName = [](const char* head, const QVariant& detail) {
        return RunQueryRow(QStringLiteral("SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :P0 AND DETAIL = :P1"),
                           {QLatin1String(head), detail}).value(0);
    };
    cdsMain->setValue(QStringLiteral("DETAIL_NAME"), groupName("V0002", values.at(0)));
    cdsMain->setValue(QStringLiteral("NA_NAME"), groupName("Z0001", values.at(14)));
    cdsMain->setValue(QStringLiteral("LOCAL_NAME"), groupName("ZV001", values.at(15)));
    cdsMain->setValue(QStringLiteral("DEAL_TYPE_NAME"), dealTypeName(values.at(16).toString()));
    QStringList address;
    for (int i : {7, 8})
        if (!values.at(i).toString().isEmpty())
            address << values.at(i).toString();
    cdsMain->setValue(QStringLiteral("ADDRESS"), address.join(QLatin1Char(' ')));
    cdsMain->setValue(QStringLiteral("U_DATE"), QDateTime::currentDateTime());
    cdsMain->setValue(QStringLiteral("U_IP"), Session::workstationIp);
    cdsMain->setValue(QStringLiteral("U_EMP_NO"), Session::empNo);
    cdsMain->post();
}

void TfrmVAI050::AfterCancel()
{
    if (cdsMain->isOpen() && cdsMain->isEditing())
        cdsMain->cancel();
    clearInput();
    ClearTextFields(panSearch);
    m_key.clear();
}

void TfrmVAI050::DoDelete()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return;
    const QString code = cdsMain->fieldAsString(QStringLiteral("C_CODE")).trimmed();
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    // Slips, tax invoices and bank accounts that name the customer make the
    // database refuse this.
    ExecSql(QStringLiteral("DELETE FROM VA050MS WHERE C_CODE = :P0"), {code});
    tx.commit();
    cdsMain->deleteRecord();
    RecordCount = cdsMain->recordCount();
    Done = true;
}

void TfrmVAI050::DoPrint()
{
    if (!cdsMain->isOpen() || cdsMain->isEmpty())
        return;
    TfrmVAI051 layout;
    RecordSetReportData rows(cdsMain);
    layout.setData(&rows);
    layout.Prepare();
    layout.PrintOrPreview(PreviewFlag, this);
}

void TfrmVAI050::DoPreview()
{
    DoPrint();
}

void TfrmVAI050::DoExcel()
{
    DataGridExportSource source(rdgMain);
    ExportToXls(source, QStringLiteral("거래처"));
}

// --- fields ----------------------------------------------------------------------------------

bool TfrmVAI050::FieldKeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers)
{
    if (TfrmZQI020::FieldKeyDown(control, key, modifiers))
        return true;
    if (key == Qt::Key_F1 && !(modifiers & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier))) {
        if (TPopupBtn* button = m_lookupOf.value(control); button && button->isEnabled()) {
            button->click();
            return true;
        }
    }
    return false;
}

void TfrmVAI050::linkSearch(TPopupBtn* button, const QString& condition, const QString& param, const QString& text)
{
    QString head = button == pbtFCType || button == pbtGubn ? kKindLinkHead
        : button == pbtAreaCode                            ? kAreaHead
        : button == pbtNaCode                              ? kNationHead
        : button == pbtUpperCode                           ? kUpperLinkHead
                                                           : kPostSelect;
    QString order;
    if (button == pbtAreaCode)
        order = QStringLiteral(" ORDER BY DETAIL");
    else if (button == pbtNaCode)
        order = QStringLiteral(" ORDER BY ITEM2");
    button->setLinkSql(head + condition + order);
    button->clearParams();
    button->setParam(param, text);
    button->LinkSearch();
}

void TfrmVAI050::FieldExit(QWidget* control)
{
    TfrmZQI020::FieldExit(control);
    if (!LeftWithinWindow(control))
        return;
    auto* field = qobject_cast<QLineEdit*>(control);
    if (!field)
        return;
    const QString text = field->text().trimmed();
    if (field == edtCNum) {
        const QString digits = DigitsOf(text);
        if (!digits.isEmpty() && !CheckBizRegNo(digits)) {
            ShowError(QStringLiteral("사업자 번호가 바르지 않습니다. 확인하시고 입력하여 주세요."));
            edtCNum->clear();
        }
        return;
    }
    if (text.isEmpty())
        return;
    const bool digits = IsDigitsText(text);
    if (field == edtFCType || field == edtCKind || field == edtAreaCode) {
        linkSearch(m_lookupOf.value(field), digits ? kDigitsDetail : kNameDetail, QStringLiteral("detail"), text);
    } else if (field == edtNaCode) {
        linkSearch(pbtNaCode, kDigitsDetail, QStringLiteral("detail"), text);
    } else if (field == edtUpperCode) {
        linkSearch(pbtUpperCode,
                   digits ? QStringLiteral(" WHERE C_CODE LIKE :c_cd || '%'") : QStringLiteral(" WHERE C_NAME LIKE '%' || :c_cd || '%'"),
                   QStringLiteral("c_cd"), text);
    } else if (field == Edit1) {
        QString condition;
        if (rdoLATER->isChecked())
            condition = digits ? QStringLiteral(" WHERE ZIP_NO LIKE :zip_cd || '%'")
                               : QStringLiteral(" WHERE ROAD_NAME LIKE '%' || :zip_cd || '%'");
        else
            condition = digits ? QStringLiteral(" WHERE ZIP_CODE LIKE :zip_cd || '%'")
                               : QStringLiteral(" WHERE ADDRESS3 LIKE '%' || :zip_cd || '%'");
        linkSearch(pbtPost, condition, QStringLiteral("zip_cd"), text);
    }
}

void TfrmVAI050::postLookupClick()
{
    if (pbtPost->modalResult() != Lookup::mrOk)
        return;
    const QStringList chosen = pbtPost->returnValue();
    edtZip->setText(chosen.value(0).trimmed());
    edtAddr1->setText(chosen.value(5).trimmed());
    edtAddr2->clear();
    edtAddr2->setFocus();
}
