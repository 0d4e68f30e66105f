#include "common/HandOver.h"
#include "common/DeptEntry.h"
#include "common/ProgramHost.h"
#include <QAbstractButton>
#include <QMetaObject>
#include <QWidget>

void OpenProgramById(const QString& programId)
{
    ProgramHost* host = ProgramHost::instance();
    if (!host)
        return;
    QWidget* wasOpen = host->screenOf(programId);
    host->clickProgramItems(programId);
    if (!host->screenOf(programId)) {
        HandOver::clearSlip();
        HandOver::clearLedger();
        return;
    }
    if (!wasOpen)
        return;
    if (auto* cancel = wasOpen->findChild<QAbstractButton*>(QStringLiteral("bbtCancel"))) {
        // Each press steps back one state (edit to browse, browse to empty);
        // the guard stops a screen whose Cancel never disables itself.
        for (int guard = 0; guard < 8 && cancel->isEnabled(); ++guard)
            cancel->click();
    }
    QMetaObject::invokeMethod(wasOpen, "FormShow", Qt::DirectConnection);
}

void OpenSlipInProgram(const QString& programId, const QString& slipNo, const QDate& slipDate,
                       const QString& deptName, const QString& deptCode)
{
    HandOver::HandSlipNo = slipNo.trimmed();
    HandOver::HandSlipDate = slipDate.toString(Qt::ISODate);
    HandOver::HandDeptText = DeptEntry::text(deptName, deptCode);
    OpenProgramById(programId);
}
