#include "screens/assets/VMI060.h"
#include "common/Messages.h"
#include "common/Query.h"
#include "common/Session.h"
#include "framework/FormKit.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "screens/assets/AssetCommon.h"
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

// The rows of a month not yet run, as the run would take them.
const QString kPending = QStringLiteral(
    "SELECT R.VSFX_CODE, R.ASET_NM, R.ACCT_SBJ_CD, R.ACCT_NAME, R.OG_DEPT_CD, R.DEPT_NAME,\n"
    "       CASE R.RDM_KIND WHEN '2' THEN '정률법' ELSE '정액법' END RDM_KIND_NM, R.ANNUAL_RATE, R.BOOK_AMT,\n"
    "       R.DEPR_SUM_AMT, R.REMN_AMT, R.FLOOR_AMT, R.DEPR_AMT, R.EXP_ACCT, R.DEPR_ACCT, R.PROBLEM\n"
    "  FROM pk_v_asset.depreciation_rows(:P0) R");

// The rows a run took: the values before it, from the assets' present ones.
const QString kTaken = QStringLiteral(
    "SELECT D.VSFX_CODE, A.ASET_NM, A.ACCT_SBJ_CD, C.ACCT_NAME, D.OG_DEPT_CD,\n"
    "       COALESCE((SELECT AFF_DEPT_NAME FROM VA160MS WHERE AFF_DEPT_CODE = D.OG_DEPT_CD),\n"
    "                (SELECT AFF_DEPT_NAME FROM QA160MS WHERE AFF_DEPT_CODE = D.OG_DEPT_CD)) DEPT_NAME,\n"
    "       CASE A.RDM_KIND WHEN '2' THEN '정률법' ELSE '정액법' END RDM_KIND_NM,\n"
    "       pk_v_asset.annual_rate(A.RDM_RATE, A.CONT_YYS, A.RDM_KIND) ANNUAL_RATE, A.BOOK_AMT,\n"
    "       A.DEPR_SUM_AMT - D.DEPR_AMT - COALESCE((SELECT SUM(L.DEPR_AMT) FROM VM060DT L\n"
    "                                               WHERE L.VSFX_CODE = D.VSFX_CODE AND L.DEPR_YM > D.DEPR_YM), 0) DEPR_SUM_AMT,\n"
    "       A.REMN_AMT + D.DEPR_AMT + COALESCE((SELECT SUM(L.DEPR_AMT) FROM VM060DT L\n"
    "                                           WHERE L.VSFX_CODE = D.VSFX_CODE AND L.DEPR_YM > D.DEPR_YM), 0) REMN_AMT,\n"
    "       pk_v_asset.residual_floor(A.BOOK_AMT, A.RDM_KIND) FLOOR_AMT, D.DEPR_AMT, D.EXP_ACCT, D.DEPR_ACCT,\n"
    "       CAST(NULL AS TEXT) PROBLEM\n"
    "  FROM VM060DT D JOIN VM010MS A ON A.VSFX_CODE = D.VSFX_CODE\n"
    "  LEFT JOIN VA020MS C ON C.ACCT_CODE = A.ACCT_SBJ_CD\n"
    " WHERE D.DEPR_YM = :P0");

GridColumn column(const char* field, const char* caption, int width, const char* format = nullptr)
{
    GridColumn c(QLatin1String(field), QString::fromUtf8(caption), width);
    if (format)
        c.displayFormat = QLatin1String(format);
    return c;
}

}  // namespace

TfrmVMI060::TfrmVMI060(QWidget* parent) : TfrmZQI030(QStringLiteral("VMI060"), parent)
{
    setWindowTitle(QStringLiteral("월 감가상각(VMI060)"));
    for (QPushButton* b : {bbtAdd, bbtEdit, bbtDelete, bbtPrint, bbtPreview, bbtSave})
        b->hide();
    m_dept = SlipGenerator::ownDepartment();

    edtDEPR_YM = Form::NewEdit(panSearch, QStringLiteral("edtDEPR_YM"), 6);
    edtDEPR_YM->setMaximumWidth(70);
    edtDEPR_YM->setText(QDate::currentDate().toString(QStringLiteral("yyyyMM")));
    Form::Row{Form::Field(QStringLiteral("상각년월"), edtDEPR_YM), Form::Label(QStringLiteral("(YYYYMM)")), Form::Stretch()}
        .attachTo(panSearch);

    cdsMain = new RecordSet(this);
    cdsMain->setObjectName(QStringLiteral("cdsMain"));
    GridColumn code = column("VSFX_CODE", "자산코드", 70);
    code.footer = FooterKind::Count;
    GridColumn amount = column("DEPR_AMT", "당월상각액", 95, "#,##0");
    amount.footer = FooterKind::Sum;
    amount.footerText = QStringLiteral("#,##0");
    rdgMain = Form::NewResultGrid(panDisp, cdsMain, {
        code,
        column("ASET_NM", "자산명", 140),
        column("ACCT_NAME", "계정과목", 90),
        column("DEPT_NAME", "원가부서", 80),
        column("RDM_KIND_NM", "상각방법", 55),
        column("ANNUAL_RATE", "상각률", 50, "0.000"),
        column("BOOK_AMT", "취득가액", 105, "#,##0"),
        column("DEPR_SUM_AMT", "전월누계액", 105, "#,##0"),
        column("REMN_AMT", "미상각잔액", 105, "#,##0"),
        amount,
        column("PROBLEM", "비고", 200),
    });

    cdsTotal = new RecordSet(this);
    cdsTotal->setObjectName(QStringLiteral("cdsTotal"));
    GridColumn sum = column("DEPR_AMT", "상각액", 110, "#,##0");
    sum.footer = FooterKind::Sum;
    sum.footerText = QStringLiteral("#,##0");
    rdgTotal = new DataGrid(panDisp);
    rdgTotal->setObjectName(QStringLiteral("rdgTotal"));
    rdgTotal->setRecordSet(cdsTotal);
    rdgTotal->setColumns({column("ACCT_NAME", "계정과목", 150), column("DEPT_NAME", "원가부서", 120),
                          column("EXP_ACCT_NAME", "감가상각비 계정", 170), column("ASSET_CNT", "자산수", 50), sum});
    rdgTotal->setEditable(false);
    rdgTotal->setRowSelect(true);
    rdgTotal->setMaximumHeight(190);
    lblTotal = new QLabel(panDisp);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    Form::Column{rdgMain, Form::Label(QStringLiteral("계정·부서별 합계")), rdgTotal, Form::Row{Form::Stretch(), lblTotal}}
        .attachTo(panDisp);

    Panel1 = SlipGenerator::newInfoPanel(panInput, QStringLiteral("상각년월을 입력하고 조회한 후 [전표생성]을 누르세요."));
    Panel1->setWordWrap(true);
    Panel1->setMinimumHeight(90);
    bbtRun = new QPushButton(QStringLiteral("전표생성"), panInput);
    bbtRun->setObjectName(QStringLiteral("bbtRun"));
    bbtRun->setFixedHeight(40);
    connect(bbtRun, &QPushButton::clicked, this, &TfrmVMI060::runDepreciation);
    Form::Column{Panel1, bbtRun,
                 Form::Label(QStringLiteral("· 정액법: 취득가액 × 상각률 ÷ 12, 정률법: 미상각잔액 × 상각률 ÷ 12 (원 미만 절사)")),
                 Form::Label(QStringLiteral("· 취득한 달은 한 달로 상각하고, 처분한 달부터는 상각하지 않습니다.")),
                 Form::Label(QStringLiteral("· 잔존가액: 정률법 취득가액의 5%, 정액법 1,000원(비망가액)")),
                 Form::Label(QStringLiteral("· 전표를 삭제하면 그 달의 상각이 취소됩니다.")),
                 Form::Stretch()}
        .margins(8)
        .attachTo(panInput);
    for (QLabel* l : panInput->findChildren<QLabel*>())
        l->setWordWrap(true);
}

QString TfrmVMI060::infoText() const
{
    return Panel1->text();
}

QString TfrmVMI060::month() const
{
    static const QRegularExpression shape(QStringLiteral("^[0-9]{4}(0[1-9]|1[0-2])$"));
    const QString text = edtDEPR_YM->text().trimmed();
    return shape.match(text).hasMatch() ? text : QString();
}

void TfrmVMI060::DoSearch()
{
    m_month = month();
    if (m_month.isEmpty()) {
        AssetUi::InputError(QStringLiteral("상각년월을 바르게 입력하세요.(YYYYMM)"), edtDEPR_YM);
        State = stNone;
        RefreshButtons();
        return;
    }
    m_slipNo = RunQueryRow(QStringLiteral("SELECT SLIP_NO FROM VM060MS WHERE DEPR_YM = :P0"), {m_month}).value(0).toString();
    const QString rows = (m_slipNo.isEmpty() ? kPending : kTaken) + QStringLiteral("\n ORDER BY 3, 5, 1");
    cdsMain->open(rows, {m_month});
    SetNumberFormats(*cdsMain);
    cdsTotal->open(QStringLiteral("SELECT X.ACCT_SBJ_CD, MAX(X.ACCT_NAME) ACCT_NAME, X.OG_DEPT_CD, MAX(X.DEPT_NAME) DEPT_NAME,\n"
                                  "       X.EXP_ACCT, X.EXP_ACCT || ' ' || COALESCE(MAX(E.ACCT_NAME), '') EXP_ACCT_NAME,\n"
                                  "       COUNT(*) ASSET_CNT, SUM(X.DEPR_AMT) DEPR_AMT\n"
                                  "  FROM (%1) X LEFT JOIN VA020MS E ON E.ACCT_CODE = X.EXP_ACCT\n"
                                  " GROUP BY X.ACCT_SBJ_CD, X.OG_DEPT_CD, X.EXP_ACCT\n"
                                  " ORDER BY X.ACCT_SBJ_CD, X.OG_DEPT_CD")
                       .arg(m_slipNo.isEmpty() ? kPending : kTaken),
                   {m_month});
    SetNumberFormats(*cdsTotal);
    qint64 total = 0;
    int problems = 0;
    for (int row = 0; row < cdsMain->recordCount(); ++row) {
        total += cdsMain->value(row, QStringLiteral("DEPR_AMT")).toLongLong();
        problems += cdsMain->fieldAsString(row, QStringLiteral("PROBLEM")).isEmpty() ? 0 : 1;
    }
    lblTotal->setText(QStringLiteral("합계 ") + AssetUi::AmountText(total));
    const QString title = m_month.left(4) + QStringLiteral("년 ") + m_month.mid(4) + QStringLiteral("월 ");
    if (!m_slipNo.isEmpty())
        Panel1->setText(title + QStringLiteral("감가상각이 전표번호 [%1]로 처리되었습니다.\n(전표를 삭제하면 다시 처리할 수 있습니다.)")
                                    .arg(m_slipNo));
    else if (problems > 0)
        Panel1->setText(title + QStringLiteral("감가상각할 수 없는 자산이 %1건 있습니다. 비고를 확인하세요.").arg(problems));
    else
        Panel1->setText(title + QStringLiteral("감가상각 대상 %1건, 상각액 %2원").arg(cdsMain->recordCount())
                                    .arg(AssetUi::AmountText(total)));
    RecordCount = cdsMain->recordCount();
    RefreshButtons();
}

void TfrmVMI060::RefreshButtons()
{
    TfrmZQI030::RefreshButtons();
    // nothing here is edited: the run and its notes stay usable
    panInput->setEnabled(true);
    bbtRun->setEnabled(State == stBrowse && m_slipNo.isEmpty() && RecordCount > 0);
}

void TfrmVMI060::AfterCancel()
{
    m_slipNo.clear();
    m_month.clear();
    cdsTotal->close();
    lblTotal->clear();
    Panel1->setText(QStringLiteral("상각년월을 입력하고 조회한 후 [전표생성]을 누르세요."));
}

void TfrmVMI060::DoExcel()
{
    ExportDBGrid(rdgMain, m_month.left(4) + QStringLiteral("년 ") + m_month.mid(4) + QStringLiteral("월 감가상각"));
}

void TfrmVMI060::runDepreciation()
{
    if (State != stBrowse || m_month.isEmpty() || !m_slipNo.isEmpty())
        return;
    if (!m_dept.found) {
        ShowInfo(QStringLiteral("인사에 등록된 부서가 없어 전표를 작성할 수 없습니다."));
        return;
    }
    if (!AskYesNo(m_month.left(4) + QStringLiteral("년 ") + m_month.mid(4) + QStringLiteral("월 감가상각 전표를 생성하시겠습니까?")))
        return;
    const QVariantList answer = SlipGenerator::run(QStringLiteral("pr_v_vmi060sp"),
                                                   {m_month, Session::workstationIp, m_dept.code, Session::empNo.trimmed()},
                                                   QStringLiteral("감가상각 처리중입니다!"));
    if (answer.isEmpty())
        return;
    const QString slip = answer.value(0).toString().mid(1, 8).trimmed();
    const QString date = answer.value(1).toString();
    DoSearch();
    Panel1->setText(SlipGenerator::createdText(date, {slip}));
    SlipGenerator::offerToOpen(slip, date, m_dept);
}
