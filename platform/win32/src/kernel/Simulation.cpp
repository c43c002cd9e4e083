// Pending simulated failures, one counter per kind. Atomic so that tests may arm a fault while other
// threads allocate, without a lock on every allocation.
#include <atomic>

#include "kernel/SimulatedFaults.h"

namespace {
std::atomic<unsigned> gPending[W32SIM_FAULT_COUNT];

bool IsKnown(W32SimFault fault) { return static_cast<int>(fault) >= 0 && static_cast<int>(fault) < W32SIM_FAULT_COUNT; }
}  // namespace

namespace win32sub {

bool TakeSimulatedFault(W32SimFault fault) {
    if (!IsKnown(fault)) {
        return false;
    }
    std::atomic<unsigned>& pending = gPending[fault];
    unsigned count = pending.load(std::memory_order_relaxed);
    // Two threads racing for the last pending failure: exactly one of them gets it.
    while (count != 0) {
        if (pending.compare_exchange_weak(count, count - 1, std::memory_order_relaxed)) {
            return true;
        }
    }
    return false;
}

}  // namespace win32sub

WIN32SUB_API void W32Sim_FailNext(W32SimFault fault, unsigned count) {
    if (IsKnown(fault)) {
        gPending[fault].store(count, std::memory_order_relaxed);
    }
}

WIN32SUB_API void W32Sim_ClearFaults(void) {
    for (std::atomic<unsigned>& pending : gPending) {
        pending.store(0, std::memory_order_relaxed);
    }
}
