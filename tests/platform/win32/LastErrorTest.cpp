// The last error belongs to the thread that set it.
#include <gtest/gtest.h>

#include <thread>

#include "Win32.h"

TEST(LastError, EachThreadHasItsOwn) {
    SetLastError(ERROR_ACCESS_DENIED);
    DWORD seenByOther = 12345;
    std::thread([&] {
        seenByOther = GetLastError();
        SetLastError(ERROR_INVALID_PARAMETER);
    }).join();
    EXPECT_EQ(seenByOther, ERROR_SUCCESS);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}
