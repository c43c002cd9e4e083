// The last-error slot: one per thread, as on Windows, so that a failure in one thread never overwrites the
// code another thread is about to read.
#include "Win32.h"

namespace {
thread_local DWORD tLastError = ERROR_SUCCESS;
}

WIN32SUB_API DWORD WINAPI GetLastError(void) { return tLastError; }

WIN32SUB_API void WINAPI SetLastError(DWORD errorCode) { tLastError = errorCode; }
