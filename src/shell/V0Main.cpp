#include "shell/V0Main.h"
#include "screens/assets/VMI005.h"
#include "screens/assets/VMI010.h"
#include "screens/assets/VMI011.h"
#include "screens/assets/VMI012.h"
#include "screens/assets/VMI025.h"
#include "screens/assets/VMI035.h"
#include "screens/assets/VMI050.h"
#include "screens/assets/VMI060.h"
#include "screens/closing/VKI010.h"
#include "screens/closing/VKI020.h"
#include "screens/closing/VKI025.h"
#include "screens/closing/VKI030.h"
#include "screens/closing/VKI090.h"
#include "screens/costs/VHI010.h"
#include "screens/costs/VHI020.h"
#include "screens/costs/VHI030.h"
#include "screens/costs/VHI040.h"
#include "screens/daily/VCI010.h"
#include "screens/daily/VCI020.h"
#include "screens/daily/VCI030.h"
#include "screens/daily/VCI050.h"
#include "screens/daily/VCI090.h"
#include "screens/daily/VCI095.h"
#include "screens/daily/VCI100.h"
#include "screens/daily/VCI120.h"
#include "screens/funds/VGI005.h"
#include "screens/funds/VGI010.h"
#include "screens/funds/VGI020.h"
#include "screens/funds/VGI030.h"
#include "screens/funds/VGI040.h"
#include "screens/funds/VGI055.h"
#include "screens/funds/VGI070.h"
#include "screens/funds/VGI080.h"
#include "screens/funds/VGI090.h"
#include "screens/funds/VGI095.h"
#include "screens/funds/VGI110.h"
#include "screens/ledgers/VCI040.h"
#include "screens/ledgers/VCI060.h"
#include "screens/ledgers/VCI070.h"
#include "screens/ledgers/VCI080.h"
#include "screens/ledgers/VCI085.h"
#include "screens/ledgers/VCS130.h"
#include "screens/master/VAI005.h"
#include "screens/master/VAI010.h"
#include "screens/master/VAI020.h"
#include "screens/master/VAI024.h"
#include "screens/master/VAI025.h"
#include "screens/master/VAI030.h"
#include "screens/master/VAI040.h"
#include "screens/master/VAI050.h"
#include "screens/master/VAI060.h"
#include "screens/master/VAI070.h"
#include "screens/master/VAI080.h"
#include "screens/master/VAS005.h"
#include "screens/notes/VFI010.h"
#include "screens/notes/VFI015.h"
#include "screens/notes/VFI020.h"
#include "screens/notes/VFI030.h"
#include "screens/notes/VFI050.h"
#include "screens/notes/VFI055.h"
#include "screens/notes/VFI060.h"
#include "screens/notes/VFI063.h"
#include "screens/notes/VFI065.h"
#include "screens/notes/VFI100.h"
#include "screens/notes/VFI110.h"
#include "screens/notes/VFI120.h"
#include "screens/slips/VBI010.h"
#include "screens/slips/VBI020.h"
#include "screens/slips/VBI030.h"
#include "screens/slips/VBI040.h"
#include "screens/slips/VBI050.h"
#include "screens/slips/VBI060.h"
#include "screens/slips/VBI070.h"
#include "screens/slips/VBI090.h"
#include "screens/slips/VBS080.h"
#include "screens/statements/VDI010.h"
#include "screens/statements/VDI020.h"
#include "screens/statements/VDI030.h"
#include "screens/tax/VEI010.h"
#include "screens/tax/VEI020.h"
#include "screens/tax/VEI025.h"
#include "screens/tax/VEI030.h"
#include "screens/tax/VEI040.h"
#include "screens/tax/VEI050.h"

namespace {

template <typename Screen>
TfrmV0Main::ScreenFactory makeScreen()
{
    return [] { return new Screen; };
}

}  // namespace

TfrmV0Main::TfrmV0Main(QWidget* parent) : TfrmZZMain(QStringLiteral("일반관리 회계"), parent)
{
}

// Every program ID of the system, in dispatch order; an entry without a
// factory behaves as an unknown ID until its screen is built.
const QList<TfrmV0Main::DispatchEntry>& TfrmV0Main::dispatchTable()
{
    static const QList<DispatchEntry> table = {
        {"VAI010", makeScreen<TfrmVAI010>()}, {"VAI005", makeScreen<TfrmVAI005>()}, {"VAS005", makeScreen<TfrmVAS005>()}, {"VAI020", makeScreen<TfrmVAI020>()}, {"VAI030", makeScreen<TfrmVAI030>()}, {"VAI040", makeScreen<TfrmVAI040>()},
        {"VAI050", makeScreen<TfrmVAI050>()}, {"VAI024", makeScreen<TfrmVAI024>()}, {"VAI025", makeScreen<TfrmVAI025>()}, {"VAI060", makeScreen<TfrmVAI060>()}, {"VAI070", makeScreen<TfrmVAI070>()}, {"VAI080", makeScreen<TfrmVAI080>()},
        {"VBI010", makeScreen<TfrmVBI010>()}, {"VBI020", makeScreen<TfrmVBI020>()}, {"VBI030", makeScreen<TfrmVBI030>()}, {"VBI040", makeScreen<TfrmVBI040>()}, {"VBI050", makeScreen<TfrmVBI050>()}, {"VBI060", makeScreen<TfrmVBI060>()},
        {"VBI070", makeScreen<TfrmVBI070>()}, {"VBS080", makeScreen<TfrmVBS080>()}, {"VBI090", makeScreen<TfrmVBI090>()},
        {"VCI010", makeScreen<TfrmVCI010>()}, {"VCI020", makeScreen<TfrmVCI020>()}, {"VCI030", makeScreen<TfrmVCI030>()}, {"VCI040", makeScreen<TfrmVCI040>()}, {"VCI045", makeScreen<TfrmVCI045>()}, {"VCI050", makeScreen<TfrmVCI050>()},
        {"VCI060", makeScreen<TfrmVCI060>()}, {"VCI070", makeScreen<TfrmVCI070>()}, {"VCI080", makeScreen<TfrmVCI080>()}, {"VCI085", makeScreen<TfrmVCI085>()}, {"VCI090", makeScreen<TfrmVCI090>()}, {"VCI095", makeScreen<TfrmVCI095>()},
        {"VCI100", makeScreen<TfrmVCI100>()}, {"VCI110", makeScreen<TfrmVCI110>()}, {"VCI120", makeScreen<TfrmVCI120>()}, {"VCS130", makeScreen<TfrmVCS130>()}, {"VCS040", makeScreen<TfrmVCS040>()},
        {"VDI010", makeScreen<TfrmVDI010>()}, {"VDI020", makeScreen<TfrmVDI020>()}, {"VDI030", makeScreen<TfrmVDI030>()},
        {"VEI010", makeScreen<TfrmVEI010>()}, {"VEI020", makeScreen<TfrmVEI020>()}, {"VEI025", makeScreen<TfrmVEI025>()}, {"VEI030", makeScreen<TfrmVEI030>()}, {"VEI040", makeScreen<TfrmVEI040>()}, {"VEI050", makeScreen<TfrmVEI050>()},
        {"VFI010", makeScreen<TfrmVFI010>()}, {"VFI015", makeScreen<TfrmVFI015>()}, {"VFI020", makeScreen<TfrmVFI020>()}, {"VFI030", makeScreen<TfrmVFI030>()}, {"VFI050", makeScreen<TfrmVFI050>()}, {"VFI055", makeScreen<TfrmVFI055>()},
        {"VFI060", makeScreen<TfrmVFI060>()}, {"VFI063", makeScreen<TfrmVFI063>()}, {"VFI065", makeScreen<TfrmVFI065>()}, {"VFI100", makeScreen<TfrmVFI100>()}, {"VFI110", makeScreen<TfrmVFI110>()}, {"VFI120", makeScreen<TfrmVFI120>()},
        {"VGI005", makeScreen<TfrmVGI005>()}, {"VGI010", makeScreen<TfrmVGI010>()}, {"VGI020", makeScreen<TfrmVGI020>()}, {"VGI030", makeScreen<TfrmVGI030>()}, {"VGI040", makeScreen<TfrmVGI040>()}, {"VGI055", makeScreen<TfrmVGI055>()},
        {"VGI070", makeScreen<TfrmVGI070>()}, {"VGI080", makeScreen<TfrmVGI080>()}, {"VGI090", makeScreen<TfrmVGI090>()}, {"VGI095", makeScreen<TfrmVGI095>()}, {"VGI110", makeScreen<TfrmVGI110>()},
        {"VHI010", makeScreen<TfrmVHI010>()}, {"VHI020", makeScreen<TfrmVHI020>()}, {"VHI030", makeScreen<TfrmVHI030>()},
        {"VHI040", makeScreen<TfrmVHI040>()},
        {"VMI005", makeScreen<TfrmVMI005>()}, {"VMI010", makeScreen<TfrmVMI010>()}, {"VMI011", makeScreen<TfrmVMI011>()},
        {"VMI012", makeScreen<TfrmVMI012>()}, {"VMI025", makeScreen<TfrmVMI025>()}, {"VMI035", makeScreen<TfrmVMI035>()},
        {"VMI050", makeScreen<TfrmVMI050>()}, {"VMI060", makeScreen<TfrmVMI060>()},
        {"VKI010", makeScreen<TfrmVKI010>()}, {"VKI020", makeScreen<TfrmVKI020>()}, {"VKI025", makeScreen<TfrmVKI025>()},
        {"VKI030", makeScreen<TfrmVKI030>()}, {"VKI090", makeScreen<TfrmVKI090>()},
    };
    return table;
}

QWidget* TfrmV0Main::CreateProgramScreen(const QString& programId)
{
    for (const DispatchEntry& entry : dispatchTable()) {
        if (programId == QLatin1String(entry.programId))
            return entry.create ? EmbedScreen(entry.create()) : nullptr;
    }
    return nullptr;
}
