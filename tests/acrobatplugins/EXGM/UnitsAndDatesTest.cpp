// Unit conversion that keeps untouched values exact and refuses what a page cannot hold (the factors are
// EditDialogs'), and the date stamp's time-zone forms.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <regex>
#include <string>

#include "EXGM/EXGM_Utils.h"

namespace {

TEST(UnitConversion, UnchangedNumbersComeBackToTheLastBit) {
    // Every unit, many values: showing a box and applying it unchanged must not move it.
    for (int unit = kPoints; unit < kUnitKindCount; ++unit) {
        for (Fixed value = -20000 * 65536; value < 20000 * 65536; value += 4099 * 37) {
            const FixedRect original{value, value / 3, value + 12345, -value / 7};
            FixedRect shown = original;
            EXGM_PointsToUnits(shown, static_cast<UnitKind>(unit));
            EXGM_UnitsToPoints(shown, static_cast<UnitKind>(unit), original);
            ASSERT_EQ(shown.left, original.left) << "unit " << unit << " value " << value;
            ASSERT_EQ(shown.top, original.top);
            ASSERT_EQ(shown.right, original.right);
            ASSERT_EQ(shown.bottom, original.bottom);
        }
    }
}

TEST(UnitConversion, NumbersThePageCannotHoldAreRefusedNotWrapped) {
    struct Row {
        double value;
        UnitKind unit;
        bool fits;
    };
    // Points hold -32768 to just under 32768.
    const Row rows[] = {{455, kInches, true},        {500, kInches, false},        {-455, kInches, true},
                        {-500, kInches, false},      {1100, kCentimeters, true},   {1200, kCentimeters, false},
                        {11500, kMillimeters, true}, {11600, kMillimeters, false}, {32767.5, kPoints, true}};
    for (const Row& row : rows) {
        const auto value = static_cast<Fixed>(row.value * 65536);
        EXPECT_EQ(EXGM_FitsInPoints(value, row.unit), row.fits) << row.value << " in unit " << row.unit;
    }
    // Converted anyway, such a number stops at the end of the range instead of wrapping round.
    EXPECT_EQ(EXGM_KeepOrConvert(500 << 16, 0, 72.0f, 0.0005f), INT32_MAX);
    EXPECT_EQ(EXGM_KeepOrConvert(-500 * 65536, 0, 72.0f, 0.0005f), INT32_MIN);
}

// Runs the date stamp in the time zone TZ names, then puts the process's zone back.
std::string DateIn(const char* zone) {
    const char* previous = std::getenv("TZ");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("TZ", zone, 1);
    const std::string date = EXGM_MakeDateString();
    if (previous != nullptr) {
        setenv("TZ", saved.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
    return date;
}

TEST(DateString, NamesTheOffsetOfTheLocalClock) {
    const std::regex utc(R"(D:\d{14}Z)");
    EXPECT_TRUE(std::regex_match(DateIn("UTC0"), utc)) << DateIn("UTC0");
    EXPECT_TRUE(std::regex_match(DateIn("EST5"), std::regex(R"(D:\d{14}-05'00')"))) << DateIn("EST5");
    EXPECT_TRUE(std::regex_match(DateIn("IST-5:30"), std::regex(R"(D:\d{14}\+05'30')"))) << DateIn("IST-5:30");
}

}  // namespace
