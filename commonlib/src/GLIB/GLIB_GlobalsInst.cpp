#include "GLIB/GLIB_GlobalsInst.h"

#include <cstdlib>
#include <memory>
#include <new>

#include "GLIB/GLIB_BadAllocException.h"
#include "GLIB/GLIB_Globals.h"
#include "GLIB/iGLIB_GlobalsPlatformMutex.h"

namespace {

// Plain variables, not objects: they must be valid before any static constructor runs.
uint32_t s_referenceCount = 0;
iGLIB_GlobalsMutex* s_mutex = nullptr;
GLIB_Globals* s_instance = nullptr;
bool s_exitReferenceTaken = false;

void ReleaseExitReference() { GLIB_GlobalsInst::Release(); }

// Creates the mutex and the object; leaves nothing behind when it throws.
void CreateGlobals() {
    std::unique_ptr<iGLIB_GlobalsMutex> mutex(new (std::nothrow) iGLIB_GlobalsPlatformMutex);
    if (!mutex) {
        throw GLIB_BadAllocException(sizeof(iGLIB_GlobalsPlatformMutex), __FILE__, 308);
    }
    std::unique_ptr<GLIB_Globals> globals(new (std::nothrow) GLIB_Globals);  // throws if its reserve fails
    if (!globals) {
        throw GLIB_BadAllocException(sizeof(GLIB_Globals), __FILE__, 333);
    }
    s_mutex = mutex.release();
    s_instance = globals.release();
}

}  // namespace

void GLIB_GlobalsInst::Acquire() {
    if (++s_referenceCount != 1) {
        return;
    }
    try {
        CreateGlobals();
    } catch (...) {
        --s_referenceCount;
        throw;
    }
    // The dispatcher allocates through the out-of-memory handler, which reads the object: so only now.
    s_instance->CreateDispatcher();
    if (!s_exitReferenceTaken) {
        s_exitReferenceTaken = true;
        ++s_referenceCount;
        std::atexit(ReleaseExitReference);
    }
}

void GLIB_GlobalsInst::Release() {
    if (s_referenceCount == 0 || --s_referenceCount != 0) {
        return;
    }
    delete s_instance;
    s_instance = nullptr;
    delete s_mutex;
    s_mutex = nullptr;
}

GLIB_Globals* GLIB_GlobalsInst::Instance() { return s_instance; }

iGLIB_GlobalsMutex* GLIB_GlobalsInst::Mutex() { return s_mutex; }

uint32_t GLIB_GlobalsInst::ReferenceCount() { return s_referenceCount; }
