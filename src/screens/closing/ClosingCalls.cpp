#include "screens/closing/ClosingCalls.h"
#include "common/Messages.h"
#include "common/ProcCall.h"
#include "common/Transaction.h"

namespace Closing {

bool Succeeded(const QString& answer)
{
    return answer.startsWith(QLatin1Char('T'));
}

QString Call(const QString& function, const QVariantList& params)
{
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    QString answer;
    try {
        answer = CallProcText(function, params);
    } catch (...) {
        tx.rollback();
        throw;
    }
    if (Succeeded(answer))
        tx.commit();
    else
        tx.rollback();
    return answer;
}

void ShowNotSaved(const QString& answer)
{
    ShowInfo(QStringLiteral("자료를 저장하지 못했습니다.\r\r에러내용:\r") + answer);
}

}  // namespace Closing
