// Local memory: fixed blocks only. Every live block is recorded, so that LocalFree can refuse a pointer it
// never handed out, or one already freed, the way Windows refuses an invalid handle instead of corrupting
// the heap.
#include <cstdlib>
#include <mutex>
#include <new>
#include <unordered_set>

#include "Win32.h"
#include "kernel/Heap.h"
#include "kernel/LastError.h"
#include "kernel/SimulatedFaults.h"

namespace {

struct LiveBlocks {
    std::mutex mutex;
    std::unordered_set<void*> blocks;
};

// Never destroyed: static destructors of other modules may still free blocks while the process exits.
LiveBlocks& Live() {
    static LiveBlocks* live = new LiveBlocks;
    return *live;
}

}  // namespace

WIN32SUB_API HLOCAL WINAPI LocalAlloc(UINT flags, SIZE_T bytes) {
    if ((flags & ~static_cast<UINT>(LMEM_ZEROINIT)) != 0) {
        return win32sub::Fail(ERROR_INVALID_PARAMETER, nullptr);
    }
    void* block = win32sub::AllocateBlock(bytes, (flags & LMEM_ZEROINIT) != 0, W32SIM_FAULT_LOCAL_ALLOC);
    if (block == nullptr) {
        return nullptr;
    }
    try {
        LiveBlocks& live = Live();
        std::lock_guard<std::mutex> lock(live.mutex);
        live.blocks.insert(block);
    } catch (const std::bad_alloc&) {
        std::free(block);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return block;
}

WIN32SUB_API HLOCAL WINAPI LocalFree(HLOCAL memory) {
    if (memory == nullptr) {
        return nullptr;
    }
    {
        LiveBlocks& live = Live();
        std::lock_guard<std::mutex> lock(live.mutex);
        if (live.blocks.erase(memory) == 0) {
            SetLastError(ERROR_INVALID_HANDLE);
            return memory;
        }
    }
    std::free(memory);
    // A simulated failure only changes what the caller is told: the block is gone either way, so a test
    // of the failure path leaves no leak behind. Only calls that really free a block can be made to fail.
    if (win32sub::TakeSimulatedFault(W32SIM_FAULT_LOCAL_FREE)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return memory;
    }
    return nullptr;
}
