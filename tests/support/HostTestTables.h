// A running host whose tables the wrappers of a test program call directly, as a plug-in's would after
// its set-up: Core, AcroSupport, Cos and PDModel.
#pragma once

#include <sstream>

#include "PDFL/PDFL_ExceptionHandler.h"
#include "PDFL/PDFL_HostCall.h"
#include "PDFL/PDFL_HostTables.h"
#include "host/core/Host.h"

class HostTestTables {
public:
    HostTestTables() : host(HostConfig(), out) {
        PDFL_HostTables::Reset();
        PDFL_HostTables::Set(PDFL_HostTables::kCore, host.CoreTable(), MakeHostVersion(4, 0));
        const HostVersion version = MakeHostVersion(5, 0);
        PDFL_HostTables::Set(PDFL_HostTables::kAcroSupport, host.Table("AcroSupport", version), version);
        PDFL_HostTables::Set(PDFL_HostTables::kCos, host.Table("Cos", version), version);
        PDFL_HostTables::Set(PDFL_HostTables::kPDModel, host.Table("PDModel", version), version);
    }
    ~HostTestTables() {
        PDFL_HostTables::Reset();
        SetHostErrorTranslator(nullptr);
        PDFL_ExceptionHandler::ResetHooks();
    }

    std::ostringstream out;
    Host host;
};
