#include "XCHG/XCHG_AVCalls5.h"

namespace {

const char* const kFamilyFile = __FILE__;

}  // namespace

#define HOST_FRAME_ENTRY(number, Result, Name, Params, Args)
#define HOST_ENTRY(number, Result, Name, Params, Args) \
    PDFL_DEFINE_WRAPPER(PDFL_HostTables::kAcroView, number, Result, Name, Params, Args)
#include "entries/AcroViewEntries.def"
