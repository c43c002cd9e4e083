#pragma once

#include "GLIB/iGLIB_GlobalsMutex.h"
#include "Win32.h"

// The globals lock on a Win32 critical section (recursive, so a setter may broadcast to code that reads).
class iGLIB_GlobalsPlatformMutex : public iGLIB_GlobalsMutex {
public:
    iGLIB_GlobalsPlatformMutex();
    ~iGLIB_GlobalsPlatformMutex() override;
    iGLIB_GlobalsPlatformMutex(const iGLIB_GlobalsPlatformMutex&) = delete;
    iGLIB_GlobalsPlatformMutex& operator=(const iGLIB_GlobalsPlatformMutex&) = delete;

    void Lock() override;
    void Unlock() override;

private:
    CRITICAL_SECTION m_section;
};
