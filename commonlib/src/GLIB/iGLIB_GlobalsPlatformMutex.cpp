#include "GLIB/iGLIB_GlobalsPlatformMutex.h"

iGLIB_GlobalsPlatformMutex::iGLIB_GlobalsPlatformMutex() { InitializeCriticalSection(&m_section); }

iGLIB_GlobalsPlatformMutex::~iGLIB_GlobalsPlatformMutex() { DeleteCriticalSection(&m_section); }

void iGLIB_GlobalsPlatformMutex::Lock() { EnterCriticalSection(&m_section); }

void iGLIB_GlobalsPlatformMutex::Unlock() { LeaveCriticalSection(&m_section); }
