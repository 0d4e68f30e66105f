#include "screens/daily/VCI022.h"
#include "screens/daily/DepositPrint.h"

TfrmVCI022::TfrmVCI022() : TfrmZZP010(QStringLiteral("frmVCI022"))
{
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVCI022"));
    const DepositPrint::Bands bands = DepositPrint::build(this, QStringLiteral("계정과목 별"), false);
    qrbColumnHeader = bands.columnHeader;
    qrbDetail = bands.detail;
    qrsDetailBack = bands.back;
    qrlAccount = bands.firstColumn;
    qrbDetail->beforePrint = [this](Band&, const ReportContext& context) {
        const QString account = context.text(QStringLiteral("ACCT_NAME"));
        // keeps its text until the account changes: empty on bank subtotals
        if (account != m_lastAccount) {
            m_lastAccount = account;
            qrlAccount->setText(account);
        }
        const bool summary = account == QStringLiteral("계 정 소 계") || account == QStringLiteral("합 계")
            || context.text(QStringLiteral("MG1")) == QStringLiteral("은 행 소 계");
        qrsDetailBack->fill = summary ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::white);
        return true;
    };
}
