// The process heap is the C heap. Blocks are not tracked: a bad HeapFree is a heap corruption, as on
// Windows, and the sanitizers report it.
#include <cstdint>
#include <cstdlib>

#include "Win32.h"
#include "kernel/SimulatedFaults.h"

namespace {
// Any distinct non-null value would do; the address of a private object cannot collide with a real block.
const char gProcessHeapTag = 0;

HANDLE ProcessHeap() { return const_cast<char*>(&gProcessHeapTag); }
}  // namespace

WIN32SUB_API HANDLE WINAPI GetProcessHeap(void) { return ProcessHeap(); }

WIN32SUB_API LPVOID WINAPI HeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes) {
    if (heap != ProcessHeap()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    // No real heap hands out more than half the address space; refusing early also keeps such requests
    // away from allocators that abort on them instead of returning NULL.
    if (win32sub::TakeSimulatedFault(W32SIM_FAULT_HEAP_ALLOC) || bytes > PTRDIFF_MAX) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    // A zero-byte request still yields a block of its own, distinct from every other live block.
    const SIZE_T size = bytes == 0 ? 1 : bytes;
    void* block = (flags & HEAP_ZERO_MEMORY) != 0 ? std::calloc(1, size) : std::malloc(size);
    if (block == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    }
    return block;
}

WIN32SUB_API BOOL WINAPI HeapFree(HANDLE heap, DWORD flags, LPVOID memory) {
    (void)flags;
    if (heap != ProcessHeap()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    std::free(memory);
    return TRUE;
}
