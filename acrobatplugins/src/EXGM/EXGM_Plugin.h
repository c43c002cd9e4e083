// The page geometry editor as a plug-in of the host.
#pragma once

#include "XCHG/XCHG_Plugin.h"

class EXGM_Plugin : public XCHG_Plugin {
public:
    const char* GetName() override;
    HostVersion GetRequiredAcrobatVersion() override;
};
