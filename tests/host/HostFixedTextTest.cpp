// Fixed-point numbers as text and back: the nearest value, halves away from zero, both signs.
#include <gtest/gtest.h>

#include "host/core/HostPaths.h"
#include "host/document/HostFixedText.h"

namespace {

TEST(HostFixedToText, RoundsToTheNearestAtTheRequestedDecimals) {
    EXPECT_EQ(HostFixedToText(0x18000, 2), "1.50");
    EXPECT_EQ(HostFixedToText(612 * 65536, 3), "612.000");
    EXPECT_EQ(HostFixedToText(1, 5), "0.00002");  // 0.0000152... rounds up
    EXPECT_EQ(HostFixedToText(0x8000, 0), "1");   // 0.5: halves go away from zero
    EXPECT_EQ(HostFixedToText(-0x8000, 0), "-1");
    EXPECT_EQ(HostFixedToText(-1, 2), "0.00");  // no negative zero
    EXPECT_EQ(HostFixedToText(-0x18000, 3), "-1.500");
    EXPECT_EQ(HostFixedToText(INT32_MAX, 3), "32768.000");
    EXPECT_EQ(HostFixedToText(INT32_MIN, 1), "-32768.0");
}

TEST(HostTextToFixed, GivesTheNearestFixedValueRejectsNonNumbersAndClampsTheRange) {
    const std::pair<const char*, Fixed> cases[] = {
        {"1.5", 0x18000},
        {"  -2 ", -0x20000},
        {".25", 0x4000},
        {"0.1", 6554} /* 6553.6 */,
        {"-0.1", -6554},
        {"0.0000076293945", 0},      // just below half a unit
        {"0.00000762939453125", 1},  // exactly half a unit: away from zero
        {"72.000000000000000000000000000001", 72 * 65536},
        {"abc", 0},
        {"1.5x", 0},
        {"", 0},
        {".", 0},
        {"40000", INT32_MAX},
        {"2597.000000000000000000000000000000", 2597 * 65536},  // long fractions must not overflow the product
        {"-99999999999999999999", INT32_MIN},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(HostTextToFixed(text), expected) << '"' << text << '"';
    EXPECT_EQ(HostTextToFixed(nullptr), 0);
}

TEST(HostPathTexts, MapDriveZOntoThisMachine) {
    EXPECT_EQ(HostPaths::PlatformTextToLinux("Z:\\home\\a.pdf"), "/home/a.pdf");
    EXPECT_EQ(HostPaths::PlatformTextToLinux("z:/home//x/../a.pdf"), "/home/a.pdf");
    EXPECT_EQ(HostPaths::PlatformTextToLinux("C:\\a.pdf"), "");
    EXPECT_EQ(HostPaths::PlatformTextToLinux("\\\\server\\share"), "");
    EXPECT_EQ(HostPaths::HostTextToLinux("/Z/home/a.pdf"), "/home/a.pdf");
    EXPECT_EQ(HostPaths::HostTextToLinux("/Q/home"), "");
    EXPECT_EQ(HostPaths::LinuxToHostText("/home/a.pdf"), "/Z/home/a.pdf");
    EXPECT_EQ(HostPaths::LinuxToPlatformText("/home/a.pdf"), "Z:\\home\\a.pdf");
}

}  // namespace
