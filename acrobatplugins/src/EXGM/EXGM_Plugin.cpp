#include "EXGM/EXGM_Plugin.h"

const char* EXGM_Plugin::GetName() { return "ORBA_EXGM_Geometry"; }

HostVersion EXGM_Plugin::GetRequiredAcrobatVersion() { return MakeHostVersion(4, 0); }

XCHG_Plugin* GetPlugin() {
    static EXGM_Plugin plugin;
    return &plugin;
}
