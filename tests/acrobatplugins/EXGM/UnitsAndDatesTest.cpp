// Unit conversion that keeps untouched values exact, and the date stamp's time-zone forms.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <regex>
#include <string>

#include "EXGM/EXGM_Utils.h"

namespace {

TEST(UnitConversion, PointsToUnitsUsesTheSinglePrecisionFactors) {
    FixedRect rect{10 << 16, 0, 0, 0};
    EXGM_PointsToUnits(rect, kInches);
    EXPECT_EQ(rect.left, 9102);  // 0.13889 inch
    FixedRect page{0, 792 << 16, 612 << 16, 0};
    EXGM_PointsToUnits(page, kMillimeters);
    EXPECT_EQ(page.right, 14149222);  // 215.9 mm
    EXPECT_EQ(page.top, 18310758);    // 279.4 mm
    FixedRect same{123456, 7, -99999, 65536};
    EXGM_PointsToUnits(same, kPoints);
    EXPECT_EQ(same.left, 123456);
    EXPECT_EQ(same.right, -99998);  // half is added before truncating toward zero, on negatives too
}

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

TEST(UnitConversion, ChangedNumbersAreConvertedWithTheFactor) {
    // 0.140 inch typed over 10 points: about 10.08 points.
    const Fixed typed = 9175;  // 0.140 as the host reads it
    const Fixed converted = EXGM_KeepOrConvert(typed, 10 << 16, 72.0f, 0.0005f);
    EXPECT_EQ(converted, static_cast<Fixed>(typed / 65536.0 * 72.0 * 65536.0 + 0.5));
    EXPECT_NEAR(converted / 65536.0, 10.08, 0.01);
    // Just inside and just outside the tolerance.
    EXPECT_EQ(EXGM_KeepOrConvert(9102 + 30, 10 << 16, 72.0f, 0.0005f), 10 << 16);
    EXPECT_NE(EXGM_KeepOrConvert(9102 + 40, 10 << 16, 72.0f, 0.0005f), 10 << 16);
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
