// Wrappers of the host's "PDModel" table, one per entry the system calls, in entry order.
#pragma once

#include "HostTypes.h"
#include "PDFL/PDFL_HostCall.h"

#define HOST_FRAME_ENTRY(number, Result, Name, Params, Args)
#define HOST_ENTRY(number, Result, Name, Params, Args) \
    PDFL_DECLARE_WRAPPER(PDFL_HostTables::kPDModel, number, Result, Name, Params, Args)
#include "entries/PDModelEntries.def"
#undef HOST_ENTRY
#undef HOST_FRAME_ENTRY
