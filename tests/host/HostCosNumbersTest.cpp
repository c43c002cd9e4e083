// Numbers between the PDF object model and Fixed: exact decimal reading, nearest value with halves away
// from zero on both sides of 0, range limits, and reals written so that they read back bit for bit.
#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "host/core/HostError.h"
#include "host/document/HostCosNumbers.h"
#include "host/document/HostFixedText.h"

namespace {

TEST(HostRealTextToFixed, ReadsEveryFormRoundsHalvesAwayFromZeroAndRefusesValuesBeyondTheRange) {
    const std::pair<const char*, std::optional<Fixed>> cases[] = {
        {"612.5", 0x2648000},
        {"792", 0x3180000},
        {"-.25", -0x4000},
        {"+3.", 0x30000},
        {"0007.50", 0x78000},
        {"-0.0", 0},
        // The nearest value, halves away from zero.
        {"0.1", 6554},  // 6553.6
        {"-0.1", -6554},
        {"0.00000762939453125", 1},
        {"-0.00000762939453125", -1},
        {"0.00000762939453124999999999", 0},
        {"0.000007629394531250000000001", 1},
        {"72.000000000000000000000000000001", 72 * 65536},
        // Negative whole numbers stay exact: "add 0.5 and truncate toward zero" would make -65535 and -655359.
        {"-1.0", -65536},
        {"-10", -655360},
        {"-1.5", -98304},
        // The range.
        {"32767.99999", INT32_MAX},
        {"32768", std::nullopt},
        {"-32768", INT32_MIN},
        {"-32768.00001", std::nullopt},
        {"99999999999999999999999999999999.5", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(HostRealTextToFixed(text), expected) << text;
}

// Every value in a sweep over the whole range, and every value near 0 and near the ends.
std::vector<Fixed> SweepValues() {
    std::vector<Fixed> values;
    for (int64_t v = INT32_MIN; v <= INT32_MAX; v += 99991) values.push_back(static_cast<Fixed>(v));
    for (Fixed v = -70000; v <= 70000; ++v) values.push_back(v);
    for (Fixed d = 0; d < 1000; ++d) {
        values.push_back(INT32_MAX - d);
        values.push_back(INT32_MIN + d);
    }
    return values;
}

TEST(HostFixedToRealText, EveryValueReadsBackBitForBitAndNoShorterTextWould) {
    int failures = 0;
    for (Fixed value : SweepValues()) {
        const std::string text = HostFixedToRealText(value);
        const std::size_t point = text.find('.');
        const int decimals = point == std::string::npos ? -1 : static_cast<int>(text.size() - point - 1);
        const bool shortest = decimals == 1 || HostRealTextToFixed(HostFixedToText(value, decimals - 1)) != value;
        if (HostRealTextToFixed(text) != value || decimals < 1 || decimals > 5 || !shortest) {
            if (++failures <= 5) ADD_FAILURE() << value << " -> " << text;
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(HostFixedOf, ConvertsIntegersAndRealsAndRefusesEverythingElse) {
    EXPECT_EQ(HostFixedOf(QPDFObjectHandle::newInteger(612)), 0x2640000);
    EXPECT_EQ(HostFixedOf(QPDFObjectHandle::newReal("612.5")), 0x2648000);
    bool saturated = false;
    EXPECT_EQ(HostFixedOf(QPDFObjectHandle::newInteger(40000), &saturated), 0x7FFFFFFF);
    EXPECT_TRUE(saturated);
    EXPECT_EQ(HostFixedOf(QPDFObjectHandle::newReal("-40000.5")), INT32_MIN);
    EXPECT_THROW(HostFixedOf(QPDFObjectHandle::newName("/MediaBox")), HostError);
    EXPECT_THROW(HostFixedOf(QPDFObjectHandle::newNull()), HostError);
}

TEST(HostIntegerOf, ConvertsIntegersAndRoundsRealsWithinInt32) {
    EXPECT_EQ(HostIntegerOf(QPDFObjectHandle::newInteger(-7)), -7);
    EXPECT_EQ(HostIntegerOf(QPDFObjectHandle::newReal("612.5")), 613);
    EXPECT_EQ(HostIntegerOf(QPDFObjectHandle::newInteger(INT32_MIN)), INT32_MIN);
    EXPECT_THROW(HostIntegerOf(QPDFObjectHandle::newInteger(int64_t(INT32_MAX) + 1)), HostError);
    EXPECT_THROW(HostIntegerOf(QPDFObjectHandle::newReal("1e3")), HostError);
    EXPECT_THROW(HostIntegerOf(QPDFObjectHandle::newString("12")), HostError);
}

}  // namespace
