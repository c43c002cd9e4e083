// A running host whose tables the wrappers of this test program call directly, as a plug-in's would after
// its set-up.
#pragma once

#include <sstream>

#include "PDFL/PDFL_ExceptionHandler.h"
#include "PDFL/PDFL_HostCall.h"
#include "PDFL/PDFL_HostTables.h"
#include "host/Host.h"

class HostTestTables {
public:
    HostTestTables() : host(HostConfig(), out) {
        PDFL_HostTables::Reset();
        PDFL_HostTables::Set(PDFL_HostTables::kCore, host.CoreTable(), MakeHostVersion(4, 0));
        PDFL_HostTables::Set(PDFL_HostTables::kAcroSupport, host.Table("AcroSupport", MakeHostVersion(5, 0)),
                             MakeHostVersion(5, 0));
    }
    ~HostTestTables() {
        PDFL_HostTables::Reset();
        SetHostErrorTranslator(nullptr);
        PDFL_ExceptionHandler::ResetHooks();
    }

    std::ostringstream out;
    Host host;
};
