// Controls of the simulated system, for tests: failures that a real system produces only under pressure
// (memory exhausted, a damaged heap) can be called up on demand. Not part of the Win32 API; only tests
// include this header.
#pragma once

#include "WinTypes.h"

typedef enum W32SimFault {
    W32SIM_FAULT_HEAP_ALLOC = 0,  // HeapAlloc returns NULL (ERROR_NOT_ENOUGH_MEMORY)
    W32SIM_FAULT_LOCAL_ALLOC,     // LocalAlloc returns NULL (ERROR_NOT_ENOUGH_MEMORY)
    W32SIM_FAULT_LOCAL_FREE,      // LocalFree fails: returns its argument (ERROR_INVALID_HANDLE); the block
                                  // is still reclaimed so that test runs stay free of leaks
    W32SIM_FAULT_DISK_FULL,       // the disk is full: the next WriteFile, or SetEndOfFile that grows a file,
                                  // fails with ERROR_DISK_FULL and changes nothing
    W32SIM_FAULT_COUNT
} W32SimFault;

// The next `count` calls of the function named by `fault` fail; 0 cancels pending failures of that kind.
WIN32SUB_API void W32Sim_FailNext(W32SimFault fault, unsigned count);
// Cancels every pending failure.
WIN32SUB_API void W32Sim_ClearFaults(void);
