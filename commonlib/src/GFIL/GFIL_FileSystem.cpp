#include "GFIL/GFIL_FileSystem.h"

#include <limits>

#include "GLIB/GLIB_BadAllocException.h"
#include "GLIB/GLIB_GuardedAlloc.h"

GFIL_FileSystem::GFIL_FileSystem() = default;

GFIL_FileSystem::~GFIL_FileSystem() = default;

void GFIL_FileSystem::Release() {
    if (--m_refCount == 0) {
        delete this;
    }
}

void* GFIL_FileSystem::operator new(std::size_t size, int32_t line, const char* sourceFile) {
    if (void* block = GLIB_GuardedAlloc(size, line, sourceFile)) {
        return block;
    }
    // An installed out-of-memory handler returned instead of throwing; a new-expression cannot go on.
    throw GLIB_BadAllocException(static_cast<uint32_t>(size), sourceFile, line);
}

void GFIL_FileSystem::operator delete(void* block, int32_t, const char*) { GLIB_GuardedFree(block); }

void GFIL_FileSystem::operator delete(void* block) { GLIB_GuardedFree(block); }
