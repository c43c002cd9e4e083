// Reading an edit field's text as a Fixed: one number and whitespace only, within 33 characters and within
// the Fixed range, the fixed-point text converted by the host.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "LexerTestHost.h"

namespace {

std::string g_hostText;

Fixed RecordingTextToFixed(const char* text) {
    g_hostText = text;
    return 12345;
}

// A host that rounds up and wraps beyond the range.
Fixed RoundingUpTextToFixed(const char* text) {
    const double scaled = std::ceil(std::strtod(text, nullptr) * 65536.0);
    return static_cast<Fixed>(static_cast<uint32_t>(static_cast<int64_t>(scaled)));
}

class ParseFixed : public ::testing::Test, protected LexerTestHost {
protected:
    static constexpr Fixed kUntouched = 0x7E57;

    // The value read, or nothing when the text is refused; a refusal must leave the result alone.
    std::optional<Fixed> Parse(const char* text) {
        Fixed result = kUntouched;
        if (EXGM_ParseFixed(text, &result)) return result;
        EXPECT_EQ(result, kUntouched) << "[" << (text ? text : "(null)") << "]";
        return std::nullopt;
    }
    std::optional<Fixed> Parse(const std::string& text) { return Parse(text.c_str()); }

    void UseConversion(Fixed (*conversion)(const char*)) {
        m_table[15] = reinterpret_cast<HostProc>(conversion);
        PDFL_HostTables::Set(PDFL_HostTables::kAcroSupport, m_table, MakeHostVersion(5, 0));
    }

    HostProc m_table[16] = {};
};

// One number with whitespace around, ending before the thirty-third character, within the Fixed range.
TEST_F(ParseFixed, ReadsOneNumberWithinThirtyThreeCharactersAndTheFixedRange) {
    const std::string zeros(31, '0');
    const std::pair<const char*, Fixed> read[] = {
        {"12", 786432},
        {"  7  ", 458752},
        {"-1", -65535},
        {"-", 0},
        {"-0", 0},
        {"007", 458752},
        {"\t5.\r\n", 327680},
        {"-.5", -32768},
        {"12.25", 802816},
        {"0.1", 6554},
        {"\f-3.75 ", -245760},
        {"32767", 2147418112},
        {"-32768", -2147483647},
        {"32767.99998", INT32_MAX},
        {"32767.99999237060546874", INT32_MAX},
        {"000032767.5", 2147450880},
        {"-32768.0", INT32_MIN},
        {"-32768.00000762939453124", INT32_MIN},
    };
    for (const auto& [text, value] : read) EXPECT_EQ(Parse(text), value) << "[" << text << "]";
    EXPECT_EQ(Parse(zeros + "1"), 65536);
    EXPECT_EQ(Parse(zeros.substr(1) + ".5"), 32768);
    EXPECT_EQ(Parse(zeros.substr(4) + "1     "), 65536);  // 33 characters
    EXPECT_EQ(Parse("5" + std::string(40, ' ')), 327680);
    const std::string refused[] = {
        "", "   ", ".5", "+5", "1e5", "12abc", "1.2.3", "12 34", "(3)", "<<", "/N", "true", "abc", "12 (", "12 <",
        "12 <4", "12 %c", "12 >", std::string{'\x01', '5'}, "5\x0b", "5\xc2\xa0", "0" + zeros + "1", zeros + ".5",
        // Beyond the thirty-third character only whitespace may follow, and no cut character.
        "5" + std::string(40, ' ') + "x", "5" + std::string(31, ' ') + "x", "5" + std::string(30, ' ') + "(x",
        "5" + std::string(31, ' ') + "\xc3\xa9",
        // Integers and fixed numbers whose nearest value is beyond the range.
        "32768", "-32769", "65536", "4294967296", "4294967297", "-4294967295", "99999999999999999999999999999999",
        "32767.99999237060546875", "32768.", "40000.0", "65536.0", "-32768.00000762939453125", "-32768.5", "-99999.9",
        "0000000000000000000065536.0"};
    for (const std::string& text : refused) EXPECT_EQ(Parse(text), std::nullopt) << "[" << text << "]";
    EXPECT_EQ(Parse(nullptr), std::nullopt);
    EXPECT_FALSE(EXGM_ParseFixed("5", nullptr));
    EXPECT_EQ(Parse("3"), 196608);  // the shared lexer starts afresh after a refusal
}

TEST_F(ParseFixed, TakesTheHostsConversionOfTheNumbersOwnText) {
    UseConversion(RecordingTextToFixed);
    EXPECT_EQ(Parse(" 5. "), 12345);
    EXPECT_EQ(g_hostText, "5.");
    EXPECT_EQ(Parse("-.5\n"), std::nullopt);  // the answer's sign is not the number's
    EXPECT_EQ(g_hostText, "-.5");
    g_hostText.clear();
    EXPECT_EQ(Parse("7"), 458752);  // integers are the plug-in's own arithmetic
    EXPECT_EQ(g_hostText, "");
}

TEST_F(ParseFixed, RefusesAHostAnswerThatWrapped) {
    UseConversion(RoundingUpTextToFixed);
    EXPECT_EQ(Parse("-0.5"), -32768);
    EXPECT_EQ(Parse("32767.99999"), std::nullopt);
}

}  // namespace
