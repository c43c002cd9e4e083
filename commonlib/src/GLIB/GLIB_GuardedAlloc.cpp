#include "GLIB/GLIB_GuardedAlloc.h"

#include <limits>

#include "GLIB/GLIB_BadAllocException.h"
#include "GLIB/GLIB_Globals.h"
#include "Win32.h"

void* GLIB_RawAlloc(std::size_t size) { return HeapAlloc(GetProcessHeap(), 0, size); }

void GLIB_GuardedFree(void* block) {
    if (block != nullptr) {
        HeapFree(GetProcessHeap(), 0, block);
    }
}

void* GLIB_GuardedAlloc(std::size_t size, int32_t line, const char* sourceFile) {
    constexpr std::size_t kLargest = std::numeric_limits<uint32_t>::max();
    if (size <= kLargest) {
        if (void* block = GLIB_RawAlloc(size)) {
            return block;
        }
    }
    GLIB_GlobalsRef globals;
    OutOfMemoryHandler handler = globals->GetOutOfMemoryHandler();
    handler(static_cast<uint32_t>(size <= kLargest ? size : kLargest), sourceFile, line);
    return nullptr;
}

void GLIB_DefaultOutOfMemoryHandler(uint32_t size, const char* sourceFile, int32_t line) {
    {
        GLIB_GlobalsRef globals;
        globals->ReleaseMemoryReserve();
    }
    throw GLIB_BadAllocException(size, sourceFile, line);
}
