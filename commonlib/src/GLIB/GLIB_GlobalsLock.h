#pragma once

#include "GLIB/GLIB_GlobalsInst.h"
#include "GLIB/iGLIB_GlobalsMutex.h"

// Holds the globals mutex for one read or write of a setting.
class GLIB_GlobalsLock {
public:
    GLIB_GlobalsLock() : m_mutex(GLIB_GlobalsInst::Mutex()) { m_mutex->Lock(); }
    ~GLIB_GlobalsLock() { m_mutex->Unlock(); }
    GLIB_GlobalsLock(const GLIB_GlobalsLock&) = delete;
    GLIB_GlobalsLock& operator=(const GLIB_GlobalsLock&) = delete;

private:
    iGLIB_GlobalsMutex* m_mutex;
};
