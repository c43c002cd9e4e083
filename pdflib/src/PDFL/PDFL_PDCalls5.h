// Wrappers of the host's "PDModel" table, one per entry the system calls, in entry order.
#pragma once

#include "HostTypes.h"
#include "PDFL/PDFL_HostCall.h"

#define PDFL_ENTRY_TABLE PDFL_HostTables::kPDModel
#define PDFL_ENTRY_LIST "entries/PDModelEntries.def"
#include "PDFL/PDFL_EntryWrappers.h"
