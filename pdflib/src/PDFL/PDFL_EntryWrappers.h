// Turns one host table's entry list into its wrappers. Each family header names its table and list and then
// includes this file, so it has no include guard:
//     #define PDFL_ENTRY_TABLE PDFL_HostTables::kCore
//     #define PDFL_ENTRY_LIST "entries/CoreEntries.def"
// The wrappers are declared, or defined in the family's source file, which says PDFL_DEFINE_WRAPPERS before
// it includes its header.
#include "HostTypes.h"
#include "PDFL/PDFL_HostCall.h"

#define HOST_FRAME_ENTRY(number, Result, Name, Params, Args)
#ifdef PDFL_DEFINE_WRAPPERS
namespace {
// The file being compiled: the family's source file, whatever header the rows come through.
const char* const kFamilyFile = __BASE_FILE__;
}  // namespace
#define HOST_ENTRY(number, Result, Name, Params, Args) \
    PDFL_DEFINE_WRAPPER(PDFL_ENTRY_TABLE, number, Result, Name, Params, Args)
#else
#define HOST_ENTRY(number, Result, Name, Params, Args) \
    PDFL_DECLARE_WRAPPER(PDFL_ENTRY_TABLE, number, Result, Name, Params, Args)
#endif
#include PDFL_ENTRY_LIST
#undef HOST_ENTRY
#undef HOST_FRAME_ENTRY
#undef PDFL_ENTRY_LIST
#undef PDFL_ENTRY_TABLE
