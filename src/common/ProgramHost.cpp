#include "common/ProgramHost.h"

namespace {
ProgramHost* g_host = nullptr;
}

ProgramHost* ProgramHost::instance()
{
    return g_host;
}

void ProgramHost::setInstance(ProgramHost* host)
{
    g_host = host;
}
