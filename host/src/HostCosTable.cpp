#include "host/HostEntry.h"
#include "host/HostTables.h"

HostTableSlots HostCosTable::Build() {
    HostTableSlots table;
#define HOST_ENTRY(number, Result, Name, Params, Args) HOST_FILL_SLOT(HostCosTable, number, Result, Name, Params, Args)
#include "entries/CosEntries.def"
#undef HOST_ENTRY
    return table;
}

#pragma GCC diagnostic ignored "-Wunused-parameter"

// Documents arrive with the PDF object model; until then every entry of this table fails the host's way.
#define HOST_ENTRY(number, Result, Name, Params, Args) \
    Result HostCosTable::Name Params {                  \
        return HostEntry([]() -> Result { HostFail("no documents are open"); }); \
    }
#include "entries/CosEntries.def"
#undef HOST_ENTRY
