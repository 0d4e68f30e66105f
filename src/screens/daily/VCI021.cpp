#include "screens/daily/VCI021.h"
#include "screens/daily/DepositPrint.h"

TfrmVCI021::TfrmVCI021() : TfrmZZP010(QStringLiteral("frmVCI021"))
{
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVCI021"));
    const DepositPrint::Bands bands = DepositPrint::build(this, QStringLiteral("은  행  별"), true);
    qrbColumnHeader = bands.columnHeader;
    qrbDetail = bands.detail;
    qrsDetailBack = bands.back;
    qrlBank = bands.firstColumn;
    qrbDetail->beforePrint = [this](Band&, const ReportContext& context) {
        const QString bank = context.text(QStringLiteral("MG1"));
        QColor back(Qt::white);
        if (bank != m_lastBank) {
            m_lastBank = bank;
            qrlBank->setText(bank);
        } else if (context.text(QStringLiteral("ACCT_NAME")) == QStringLiteral("소 계")) {
            qrlBank->setText(m_lastBank);
            back = QColor(0xC0, 0xC0, 0xC0);
        } else {
            qrlBank->setText(QString());
        }
        qrsDetailBack->fill = back;
        return true;
    };
}
