// Local memory, the process heap, and their simulated failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "ExpectFailure.h"
#include "Win32.h"
#include "win32sub/Simulation.h"

namespace {

class MemoryTest : public testing::Test {
protected:
    void TearDown() override { W32Sim_ClearFaults(); }
    HANDLE heap = GetProcessHeap();
};

bool AllZero(const void* block, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(block);
    return std::all_of(bytes, bytes + size, [](unsigned char b) { return b == 0; });
}

}  // namespace

TEST_F(MemoryTest, BlocksAreZeroedOnRequestAndZeroByteRequestsGetTheirOwn) {
    void* local = LocalAlloc(LPTR, 4096);
    void* fromHeap = HeapAlloc(heap, HEAP_ZERO_MEMORY, 4096);
    ASSERT_TRUE(local != nullptr && fromHeap != nullptr);
    EXPECT_TRUE(AllZero(local, 4096) && AllZero(fromHeap, 4096));
    void* empty[4] = {LocalAlloc(LMEM_FIXED, 0), LocalAlloc(LMEM_FIXED, 0), HeapAlloc(heap, 0, 0),
                      HeapAlloc(heap, 0, 0)};
    EXPECT_TRUE(empty[0] != nullptr && empty[2] != nullptr && empty[0] != empty[1] && empty[2] != empty[3]);
    EXPECT_TRUE(LocalFree(local) == nullptr && LocalFree(empty[0]) == nullptr && LocalFree(empty[1]) == nullptr);
    EXPECT_TRUE(HeapFree(heap, 0, fromHeap) && HeapFree(heap, 0, empty[2]) && HeapFree(heap, 0, empty[3]));
}

TEST_F(MemoryTest, BadRequestsFail) {
    EXPECT_FAILS_WITH(LocalAlloc(0x0002 /* LMEM_MOVEABLE */, 16) == nullptr, ERROR_INVALID_PARAMETER);
    int other = 0;
    EXPECT_EQ(HeapAlloc(&other, 0, 16), nullptr);
    EXPECT_FALSE(HeapFree(&other, 0, nullptr));
    EXPECT_TRUE(HeapFree(heap, 0, nullptr));
    EXPECT_FAILS_WITH(HeapAlloc(heap, 0, SIZE_MAX) == nullptr, ERROR_NOT_ENOUGH_MEMORY);
}

TEST_F(MemoryTest, SimulatedLocalFreeFailureStillReclaimsTheBlock) {
    void* block = LocalAlloc(LMEM_FIXED, 8);
    W32Sim_FailNext(W32SIM_FAULT_LOCAL_FREE, 1);
    EXPECT_EQ(LocalFree(nullptr), nullptr);  // nothing to free: the failure stays pending
    EXPECT_FAILS_WITH(LocalFree(block) == block, ERROR_INVALID_HANDLE);
    EXPECT_EQ(LocalFree(block), block);  // no longer a live block
}
