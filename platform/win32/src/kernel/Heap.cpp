// The process heap is the C heap. Blocks are not tracked: a bad HeapFree is a heap corruption, as on
// Windows, and the sanitizers report it.
#include "kernel/Heap.h"

#include <cstdint>
#include <cstdlib>

#include "kernel/LastError.h"
#include "kernel/SimulatedFaults.h"

namespace win32sub {

void* AllocateBlock(SIZE_T bytes, bool zero, W32SimFault fault) {
    // No real heap hands out more than half the address space; refusing early also keeps such requests
    // away from allocators that abort on them instead of returning NULL.
    if (TakeSimulatedFault(fault) || bytes > PTRDIFF_MAX) {
        return Fail(ERROR_NOT_ENOUGH_MEMORY, nullptr);
    }
    const SIZE_T size = bytes == 0 ? 1 : bytes;
    void* block = zero ? std::calloc(1, size) : std::malloc(size);
    if (block == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    }
    return block;
}

}  // namespace win32sub

namespace {
// Any distinct non-null value would do; the address of a private object cannot collide with a real block.
const char gProcessHeapTag = 0;

HANDLE ProcessHeap() { return const_cast<char*>(&gProcessHeapTag); }
}  // namespace

WIN32SUB_API HANDLE WINAPI GetProcessHeap(void) { return ProcessHeap(); }

WIN32SUB_API LPVOID WINAPI HeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes) {
    if (heap != ProcessHeap()) {
        return win32sub::Fail(ERROR_INVALID_HANDLE, nullptr);
    }
    return win32sub::AllocateBlock(bytes, (flags & HEAP_ZERO_MEMORY) != 0, W32SIM_FAULT_HEAP_ALLOC);
}

WIN32SUB_API BOOL WINAPI HeapFree(HANDLE heap, DWORD /*flags*/, LPVOID memory) {
    if (heap != ProcessHeap()) {
        return win32sub::Fail(ERROR_INVALID_HANDLE, FALSE);
    }
    std::free(memory);
    return TRUE;
}
