#include "screens/costs/VHI010.h"
#include "common/Messages.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "framework/FormKit.h"
#include "lookups/PopupBtn.h"
#include <QDateEdit>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlQuery>

TfrmVHI010::TfrmVHI010(QWidget* parent)
    : TfrmCostStatement(QStringLiteral("VHI010"),
                        {QStringLiteral("매출원가명세서"), QStringLiteral("업  장  별    합   계"),
                         QStringLiteral("계정과목 명"), true, true, false},
                        parent),
      m_accountingDepartments(false)
{
    build();
}

TfrmVHI010::TfrmVHI010(const QString& programId, QWidget* parent)
    : TfrmCostStatement(programId,
                        {QStringLiteral("매출원가명세서"), QStringLiteral("업  장  별    합   계"),
                         QStringLiteral("계정과목 명"), true, true, true},
                        parent),
      m_accountingDepartments(true)
{
    build();
}

void TfrmVHI010::build()
{
    QList<QRadioButton*> options;
    RadioGroup1 = Form::NewRadioGroup(panSearch, QString(),
                                      {{QStringLiteral("rbSite"), QStringLiteral("업장별")},
                                       {QStringLiteral("rbPart"), QStringLiteral("파트별")}},
                                      &options);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    // a frameless strip of options, to fit the search strip's height
    RadioGroup1->setFlat(true);
    RadioGroup1->layout()->setContentsMargins(2, 0, 2, 0);
    rbSite = options.at(0);
    rbPart = options.at(1);
    // the accounting-department variant always works by site
    RadioGroup1->setVisible(!m_accountingDepartments);

    edtUsdeptcd = Form::NewEdit(panSearch, QStringLiteral("edtUsdeptcd"), 4);
    edtUsdeptcd->setFixedWidth(edtUsdeptcd->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) + 14);
    connect(edtUsdeptcd, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text != text.toUpper())
            edtUsdeptcd->setText(text.toUpper());
    });
    pbtAcctDept = new TPopupBtn(panSearch);
    pbtAcctDept->setObjectName(QStringLiteral("pbtAcctDept"));
    pbtAcctDept->setColumnTitles({QStringLiteral("부서코드"), QStringLiteral("원가부서명")});
    pbtAcctDept->setColumnWidths({QStringLiteral("8"), QStringLiteral("20")});
    pbtAcctDept->setLinkControl(edtUsdeptcd);
    edtUsdeptnm = Form::NewEdit(panSearch, QStringLiteral("edtUsdeptnm"));
    edtUsdeptnm->setReadOnly(true);
    edtUsdeptnm->setFocusPolicy(Qt::NoFocus);
    edtUsdeptnm->setFixedWidth(150);
    connect(pbtAcctDept, &TPopupBtn::clicked, this, [this] {
        if (pbtAcctDept->modalResult() != Lookup::mrOk)
            return;
        edtUsdeptcd->setText(pbtAcctDept->returnValue().value(0).trimmed());
        edtUsdeptnm->setText(pbtAcctDept->returnValue().value(1).trimmed());
    });
    for (QRadioButton* option : options) {
        connect(option, &QRadioButton::toggled, this, [this](bool checked) {
            if (!checked)
                return;
            edtUsdeptcd->clear();
            edtUsdeptnm->clear();
            setLookupStatements();
        });
    }
    setLookupStatements();

    Form::Row{Form::Field(QStringLiteral("조회일자"), dtpFSlipDate), Form::Label(QStringLiteral("~")), dtpESlipDate,
              Form::Space(12), RadioGroup1, Form::Space(12), Form::Field(QStringLiteral("부서"), edtUsdeptcd),
              pbtAcctDept, edtUsdeptnm, Form::Stretch()}
        .attachTo(panSearch);
}

QString TfrmVHI010::flag() const
{
    if (rbPart->isChecked() && !m_accountingDepartments)
        return QStringLiteral("1");
    return edtUsdeptcd->text().trimmed().isEmpty() ? QStringLiteral("0") : QStringLiteral("2");
}

void TfrmVHI010::setLookupStatements()
{
    const QString filter = QStringLiteral("(%1 LIKE :cd || '%' OR %2 LIKE '%' || :cd || '%')");
    if (m_accountingDepartments) {
        const QString base = QStringLiteral(
            "SELECT AFF_DEPT_CODE, AFF_DEPT_NAME FROM VA160MS\n"
            " WHERE DEPT_AFF_YN = 'N' AND DEPT_TYPE = '4' AND USE_YN = 'Y'");
        pbtAcctDept->setSql(base + QStringLiteral("\n ORDER BY AFF_DEPT_NAME"));
        pbtAcctDept->setLinkSql(base + QStringLiteral("\n   AND ")
                                + filter.arg(QStringLiteral("AFF_DEPT_CODE"), QStringLiteral("AFF_DEPT_NAME"))
                                + QStringLiteral("\n ORDER BY AFF_DEPT_NAME"));
    } else if (rbPart->isChecked()) {
        const QString base = QStringLiteral(
            "SELECT DEPT_CODE AFF_DEPT_CODE, DEPT_NAME AFF_DEPT_NAME FROM QA150MS\n"
            " WHERE USE_YN = 'Y'");
        pbtAcctDept->setSql(base + QStringLiteral("\n ORDER BY DEPT_CODE"));
        pbtAcctDept->setLinkSql(base + QStringLiteral("\n   AND ")
                                + filter.arg(QStringLiteral("DEPT_CODE"), QStringLiteral("DEPT_NAME"))
                                + QStringLiteral("\n ORDER BY DEPT_CODE"));
    } else {
        const QString base = QStringLiteral(
            "SELECT AFF_DEPT_CODE, AFF_DEPT_NAME FROM QA160MS\n"
            " WHERE DEPT_AFF_YN = 'N' AND USE_YN = 'Y'");
        pbtAcctDept->setSql(base + QStringLiteral("\n ORDER BY AFF_DEPT_CODE"));
        pbtAcctDept->setLinkSql(base + QStringLiteral("\n   AND ")
                                + filter.arg(QStringLiteral("AFF_DEPT_CODE"), QStringLiteral("AFF_DEPT_NAME"))
                                + QStringLiteral("\n ORDER BY AFF_DEPT_CODE"));
    }
}

// A typed code or name is looked up; a single match is taken at once.
void TfrmVHI010::FieldExit(QWidget* control)
{
    TfrmCostStatement::FieldExit(control);
    if (control != edtUsdeptcd)
        return;
    const QString text = edtUsdeptcd->text().trimmed();
    if (text.isEmpty()) {
        edtUsdeptnm->clear();
        return;
    }
    pbtAcctDept->setParam(QStringLiteral("cd"), text);
    pbtAcctDept->LinkSearch();
}

bool TfrmVHI010::sourceRows(const QDate& from, const QDate& to, QList<SourceRow>* rows)
{
    const QString dept = edtUsdeptcd->text().trimmed();
    // One run: the rows of this address are replaced whole, and a refusal
    // leaves the grid as it was.
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    const QString answer = CallProcText(
        m_accountingDepartments ? QStringLiteral("pr_v_vhi030sp") : QStringLiteral("pr_v_vhi010sp"),
        {Session::workstationIp, flag(), dept.isEmpty() ? QStringLiteral("NULL") : dept,
         from.toString(Qt::ISODate), to.toString(Qt::ISODate)});
    if (ProcResult::isFailure(answer)) {
        tx.rollback();
        ShowInfo(answer.mid(1));
        return false;
    }
    tx.commit();
    QSqlQuery query = RunQuery(QStringLiteral("SELECT ACCT_CODE, ACCT_NAME, DEPT_CODE, DEPT_NAME, AMOUNT, ORD\n"
                                              "  FROM VH010PR\n"
                                              " WHERE IP_ADDR = :P0\n"
                                              " ORDER BY ACCT_CODE, DEPT_CODE"),
                               {Session::workstationIp});
    while (query.next()) {
        rows->append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                      query.value(3).toString(), query.value(4).toDouble(), query.value(5).toString()});
    }
    return true;
}
