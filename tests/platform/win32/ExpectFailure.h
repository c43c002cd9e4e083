// A failed Win32 call checked in one line: the condition that says it failed, and the last error it left.
#pragma once

#include <gtest/gtest.h>

#include "Win32.h"

#define EXPECT_FAILS_WITH(condition, error)                                            \
    do {                                                                                \
        EXPECT_TRUE(condition);                                                         \
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(error)) << "after " << #condition; \
    } while (0)
