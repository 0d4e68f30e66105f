#include "screens/slips/SlipGenerator.h"
#include "common/HandOver.h"
#include "common/Messages.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "common/WaitWindow.h"
#include <QLabel>

namespace SlipGenerator {

OwnDept ownDepartment()
{
    OwnDept dept;
    QSqlQuery own = RunQuery(QStringLiteral("SELECT B.AFF_DEPT_NAME DEPT_NAME, A.EMP_AFF_DEPT_CODE DEPT_CODE, 'N' CHARGE_YN\n"
                                            "  FROM QA010MS A JOIN QA160MS B ON A.EMP_AFF_DEPT_CODE = B.AFF_DEPT_CODE\n"
                                            " WHERE A.EMP_NO = :P0"),
                             {Session::empNo.trimmed()});
    if (own.next()) {
        dept.name = own.value(0).toString().trimmed();
        dept.code = own.value(1).toString().trimmed();
        dept.found = true;
    }
    return dept;
}

QLabel* newInfoPanel(QWidget* parent, const QString& text)
{
    auto* panel = new QLabel(text, parent);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setWordWrap(true);
    panel->setMinimumHeight(48);
    return panel;
}

QVariantList run(const QString& procedure, const QVariantList& params, const QString& waitText)
{
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    if (!waitText.isEmpty())
        ShowWait(waitText);
    QVariantList answer;
    try {
        answer = CallProcRow(procedure, params);
    } catch (...) {
        HideWait();
        tx.rollback();
        throw;
    }
    HideWait();
    const QString result = answer.value(0).toString();
    if (result.isEmpty() || ProcResult::isFailure(result)) {
        tx.rollback();
        ShowError(QStringLiteral("자료를 저장하지 못했습니다.\n\n에러내용:\n") + result);
        return {};
    }
    tx.commit();
    return answer;
}

QString createdText(const QString& date, const QStringList& numbers)
{
    QStringList shown;
    for (const QString& no : numbers)
        shown << QStringLiteral("[") + no + QStringLiteral("]");
    return QStringLiteral("생성일자[") + date + QStringLiteral("],   전표번호 ") + shown.join(QLatin1Char(','))
        + QStringLiteral("로 생성되어습니다.");
}

bool offerToOpen(const QString& slipNo, const QString& slipDate, const OwnDept& dept)
{
    if (!AskYesNo(QStringLiteral("[") + slipNo + QStringLiteral("] 전표를 불러오시겠습니까.?")))
        return false;
    OpenSlipInProgram(QStringLiteral("VBI020"), slipNo, QDate::fromString(slipDate, Qt::ISODate), dept.name, dept.code);
    return true;
}

}  // namespace SlipGenerator
