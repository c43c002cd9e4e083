#include "PDFL/PDFL_PDCalls5.h"

namespace {

const char* const kFamilyFile = __FILE__;

}  // namespace

#define HOST_FRAME_ENTRY(number, Result, Name, Params, Args)
#define HOST_ENTRY(number, Result, Name, Params, Args) \
    PDFL_DEFINE_WRAPPER(PDFL_HostTables::kPDModel, number, Result, Name, Params, Args)
#include "entries/PDModelEntries.def"
