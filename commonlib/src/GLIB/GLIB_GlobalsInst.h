// The module's process-wide globals variables: the reference count, the mutex and the one GLIB_Globals
// object, which exists exactly while the count is above 0.
#pragma once

#include <cstdint>

class GLIB_Globals;
class iGLIB_GlobalsMutex;

class GLIB_GlobalsInst {
public:
    // The first reference creates the mutex and the object (and, the first time ever, takes one more
    // reference that is dropped at process exit, so the object outlives every module's static objects).
    // Throws GLIB_BadAllocException when they cannot be allocated.
    static void Acquire();
    // The last reference destroys the object, then the mutex.
    static void Release();

    static GLIB_Globals* Instance();
    static iGLIB_GlobalsMutex* Mutex();
    static uint32_t ReferenceCount();
};
