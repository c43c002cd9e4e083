#include "PDFL/PDFL_HostFrames.h"

#include <csetjmp>
#include <cstdlib>

#include "PDFL/PDFL_HostTables.h"

namespace {

#define HOST_ENTRY(number, Result, Name, Params, Args)
#define HOST_FRAME_ENTRY(number, Result, Name, Params, Args)                                       \
    Result Name Params {                                                                           \
        using Entry = Result(*) Params;                                                            \
        return reinterpret_cast<Entry>(PDFL_HostTables::Get(PDFL_HostTables::kCore)[number]) Args; \
    }
#include "entries/CoreEntries.def"
#undef HOST_ENTRY
#undef HOST_FRAME_ENTRY

void RestoreIntoFrame(HostExceptionFrame* frame) { std::longjmp(frame->environment, 1); }

}  // namespace

void PDFL_HostFrames::Push(HostExceptionFrame* frame) { Core_PushFrame(frame, RestoreIntoFrame); }

void PDFL_HostFrames::Pop() { Core_PopFrame(); }

HostErrorCode PDFL_HostFrames::ErrorCode() { return Core_GetErrorCode(); }

void PDFL_HostFrames::Raise(HostErrorCode code) {
    Core_Raise(code);
    std::abort();  // a host's raise never returns; carrying on would run code the raise was meant to skip
}
