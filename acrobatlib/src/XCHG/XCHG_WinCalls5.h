// Wrappers of the host's "Win" table, one per entry the system calls, in entry order.
#pragma once

#include "HostTypes.h"
#include "PDFL/PDFL_HostCall.h"

#define PDFL_ENTRY_TABLE PDFL_HostTables::kWin
#define PDFL_ENTRY_LIST "entries/WinEntries.def"
#include "PDFL/PDFL_EntryWrappers.h"
