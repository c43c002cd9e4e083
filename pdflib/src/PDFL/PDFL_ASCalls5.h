// Wrappers of the host's "AcroSupport" table, one per entry the system calls, in entry order.
#pragma once

#include "HostTypes.h"
#include "PDFL/PDFL_HostCall.h"

#define HOST_FRAME_ENTRY(number, Result, Name, Params, Args)
#define HOST_ENTRY(number, Result, Name, Params, Args) \
    PDFL_DECLARE_WRAPPER(PDFL_HostTables::kAcroSupport, number, Result, Name, Params, Args)
#include "entries/AcroSupportEntries.def"
#undef HOST_ENTRY
#undef HOST_FRAME_ENTRY
