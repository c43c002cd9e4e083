// A failed Win32 call checked in one line: the condition that says it failed, and the last error it left
// (cleared first, so that an error left by an earlier call does not count).
#pragma once

#include <gtest/gtest.h>

#include "Win32.h"

#define EXPECT_FAILS_WITH(condition, error)                                             \
    do {                                                                                \
        SetLastError(0);                                                                \
        EXPECT_TRUE(condition);                                                         \
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(error)) << "after " << #condition; \
    } while (0)
