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

TEST_F(MemoryTest, LocalFreeRefusesWhatIsNotALiveLocalBlock) {
    EXPECT_EQ(LocalFree(nullptr), nullptr);
    void* block = LocalAlloc(LMEM_FIXED, 8);
    ASSERT_EQ(LocalFree(block), nullptr);
    int onStack = 0;
    void* fromHeap = HeapAlloc(heap, 0, 8);
    for (void* notLive : {block /* freed already */, static_cast<void*>(&onStack), fromHeap})
        EXPECT_FAILS_WITH(LocalFree(notLive) == notLive, ERROR_INVALID_HANDLE);
    HeapFree(heap, 0, fromHeap);
}

TEST_F(MemoryTest, SimulatedFailuresCountDownPerKind) {
    W32Sim_FailNext(W32SIM_FAULT_LOCAL_ALLOC, 2);
    void* heapBlock = HeapAlloc(heap, 0, 8);  // another kind: unaffected
    EXPECT_FAILS_WITH(LocalAlloc(LPTR, 8) == nullptr, ERROR_NOT_ENOUGH_MEMORY);
    EXPECT_EQ(LocalAlloc(LPTR, 8), nullptr);
    void* localBlock = LocalAlloc(LPTR, 8);
    W32Sim_FailNext(W32SIM_FAULT_HEAP_ALLOC, 1);
    EXPECT_EQ(HeapAlloc(heap, 0, 8), nullptr);
    EXPECT_TRUE(heapBlock != nullptr && localBlock != nullptr);

    W32Sim_FailNext(W32SIM_FAULT_HEAP_ALLOC, 5);
    W32Sim_FailNext(W32SIM_FAULT_HEAP_ALLOC, 0);
    W32Sim_FailNext(W32SIM_FAULT_LOCAL_ALLOC, 5);
    W32Sim_ClearFaults();
    void* afterCancel = HeapAlloc(heap, 0, 8);
    void* afterClear = LocalAlloc(LPTR, 8);
    EXPECT_TRUE(afterCancel != nullptr && afterClear != nullptr);
    HeapFree(heap, 0, afterCancel);
    HeapFree(heap, 0, heapBlock);
    LocalFree(afterClear);
    LocalFree(localBlock);
}

TEST_F(MemoryTest, SimulatedLocalFreeFailureStillReclaimsTheBlock) {
    void* block = LocalAlloc(LMEM_FIXED, 8);
    W32Sim_FailNext(W32SIM_FAULT_LOCAL_FREE, 1);
    EXPECT_EQ(LocalFree(nullptr), nullptr);  // nothing to free: the failure stays pending
    EXPECT_FAILS_WITH(LocalFree(block) == block, ERROR_INVALID_HANDLE);
    EXPECT_EQ(LocalFree(block), block);  // no longer a live block
}
