#include "shell/V0Main.h"
#include "screens/closing/VKI010.h"
#include "screens/closing/VKI020.h"
#include "screens/closing/VKI025.h"
#include "screens/closing/VKI030.h"
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
#include "screens/slips/VBI020.h"
#include "screens/slips/VBI030.h"
#include "screens/slips/VBI040.h"
#include "screens/slips/VBS080.h"
#include "screens/statements/VDI010.h"

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
        {"VBI010", {}}, {"VBI020", makeScreen<TfrmVBI020>()}, {"VBI030", makeScreen<TfrmVBI030>()}, {"VBI040", makeScreen<TfrmVBI040>()}, {"VBI050", {}}, {"VBI060", {}},
        {"VBI070", {}}, {"VBS080", makeScreen<TfrmVBS080>()}, {"VBI090", {}},
        {"VCI010", {}}, {"VCI020", {}}, {"VCI030", {}}, {"VCI040", {}}, {"VCI045", {}}, {"VCI050", {}},
        {"VCI060", {}}, {"VCI070", {}}, {"VCI080", {}}, {"VCI085", {}}, {"VCI090", {}}, {"VCI095", {}},
        {"VCI100", {}}, {"VCI110", {}}, {"VCI120", {}}, {"VCS130", {}}, {"VCS040", makeScreen<TfrmVCS040>()},
        {"VDI010", makeScreen<TfrmVDI010>()}, {"VDI020", {}}, {"VDI030", {}},
        {"VEI010", {}}, {"VEI020", {}}, {"VEI025", {}}, {"VEI030", {}}, {"VEI040", {}}, {"VEI050", {}},
        {"VFI010", {}}, {"VFI015", {}}, {"VFI020", {}}, {"VFI030", {}}, {"VFI050", {}}, {"VFI055", {}},
        {"VFI060", {}}, {"VFI063", {}}, {"VFI065", {}}, {"VFI100", {}}, {"VFI110", {}}, {"VFI120", {}},
        {"VGI005", {}}, {"VGI010", {}}, {"VGI020", {}}, {"VGI030", {}}, {"VGI040", {}}, {"VGI055", {}},
        {"VGI070", {}}, {"VGI080", {}}, {"VGI090", {}}, {"VGI095", {}}, {"VGI110", {}},
        {"VHI010", {}}, {"VHI020", {}}, {"VHI030", {}}, {"VHI040", {}},
        {"VMI005", {}}, {"VMI010", {}}, {"VMI011", {}}, {"VMI012", {}}, {"VMI025", {}}, {"VMI035", {}},
        {"VMI050", {}},
        {"VKI010", makeScreen<TfrmVKI010>()}, {"VKI020", makeScreen<TfrmVKI020>()}, {"VKI025", makeScreen<TfrmVKI025>()},
        {"VKI030", makeScreen<TfrmVKI030>()},
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
