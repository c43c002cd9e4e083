// Critical sections: recursive ownership by one thread, exclusion of the others.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "Win32.h"

namespace {

bool OtherThreadCanEnter(CRITICAL_SECTION& section) {
    bool entered = false;
    std::thread([&] {
        entered = TryEnterCriticalSection(&section) != FALSE;
        if (entered) LeaveCriticalSection(&section);
    }).join();
    return entered;
}

}  // namespace

TEST(CriticalSection, OwnerEntersAgainAndReleasesOnItsLastLeave) {
    CRITICAL_SECTION section;
    InitializeCriticalSection(&section);
    EnterCriticalSection(&section);
    EXPECT_TRUE(TryEnterCriticalSection(&section));
    EXPECT_FALSE(OtherThreadCanEnter(section));
    LeaveCriticalSection(&section);
    EXPECT_FALSE(OtherThreadCanEnter(section));
    LeaveCriticalSection(&section);
    EXPECT_TRUE(OtherThreadCanEnter(section));
    DeleteCriticalSection(&section);
    EXPECT_FALSE(TryEnterCriticalSection(&section));
    DeleteCriticalSection(&section);  // harmless a second time
}

TEST(CriticalSection, OnlyOneThreadIsInsideAtATime) {
    CRITICAL_SECTION section;
    InitializeCriticalSection(&section);
    std::atomic<int> inside{0};
    std::atomic<int> overlaps{0};
    long counter = 0;  // not atomic: the section alone protects it
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 20000; ++i) {
                EnterCriticalSection(&section);
                overlaps += inside.fetch_add(1) != 0;
                ++counter;
                inside.fetch_sub(1);
                LeaveCriticalSection(&section);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(overlaps.load(), 0);
    EXPECT_EQ(counter, 4 * 20000);
    DeleteCriticalSection(&section);
}
