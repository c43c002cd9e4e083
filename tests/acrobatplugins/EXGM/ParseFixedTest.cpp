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

TEST_F(ParseFixed, ReadsOneNumberWithWhitespaceAround) {
    const std::pair<const char*, Fixed> cases[] = {
        {"12", 786432},    {"  7  ", 458752}, {"-1", -65535},        {"-", 0},
        {"-0", 0},         {"007", 458752},   {"\t5.\r\n", 327680},  {"-.5", -32768},
        {"12.25", 802816}, {"0.1", 6554},     {"\f-3.75 ", -245760},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(Parse(text), value) << "[" << text << "]";
}

TEST_F(ParseFixed, RefusesAnythingButOneNumber) {
    for (const char* text : {"",
                             "   ",
                             ".5",
                             "+5",
                             "1e5",
                             "12abc",
                             "1.2.3",
                             "12 34",
                             "(3)",
                             "<<",
                             "/N",
                             "true",
                             "abc",
                             "12 (",
                             "12 <",
                             "12 <4",
                             "12 %c",
                             "12 >",
                             "\x01"
                             "5",
                             "5\x0b",
                             "5\xc2\xa0"}) {
        EXPECT_EQ(Parse(text), std::nullopt) << "[" << text << "]";
    }
    EXPECT_EQ(Parse(nullptr), std::nullopt);
    EXPECT_FALSE(EXGM_ParseFixed("5", nullptr));
    EXPECT_EQ(Parse("3"), 196608);  // the shared lexer starts afresh after a refusal
}

TEST_F(ParseFixed, ANumberMustEndBeforeTheThirtyThirdCharacter) {
    const std::string one = std::string(31, '0') + "1";  // 32 characters
    EXPECT_EQ(Parse(one), 65536);
    EXPECT_EQ(Parse("0" + one), std::nullopt);
    EXPECT_EQ(Parse(std::string(30, '0') + ".5"), 32768);
    EXPECT_EQ(Parse(std::string(31, '0') + ".5"), std::nullopt);
    EXPECT_EQ(Parse(std::string(27, '0') + "1" + std::string(5, ' ')), 65536);  // 33 characters
    EXPECT_EQ(Parse("5" + std::string(40, ' ')), 327680);
}

TEST_F(ParseFixed, TextBeyondTheThirtyThirdCharacterMustBeWhitespace) {
    EXPECT_EQ(Parse("5" + std::string(40, ' ') + "x"), std::nullopt);
    EXPECT_EQ(Parse("5" + std::string(31, ' ') + "x"), std::nullopt);  // x is the 33rd character
    EXPECT_EQ(Parse("5" + std::string(30, ' ') + "(x"), std::nullopt);
    EXPECT_EQ(Parse("5" + std::string(31, ' ') + "\xc3\xa9"), std::nullopt);  // a cut two-byte character
}

TEST_F(ParseFixed, RefusesIntegersBeyondTheFixedRange) {
    EXPECT_EQ(Parse("32767"), 2147418112);
    EXPECT_EQ(Parse("-32768"), -2147483647);
    for (const char* text :
         {"32768", "-32769", "65536", "4294967296", "4294967297", "-4294967295", "99999999999999999999999999999999"}) {
        EXPECT_EQ(Parse(text), std::nullopt) << text;
    }
}

TEST_F(ParseFixed, RefusesFixedNumbersWhoseNearestValueIsBeyondTheRange) {
    EXPECT_EQ(Parse("32767.99998"), INT32_MAX);
    EXPECT_EQ(Parse("32767.99999237060546874"), INT32_MAX);
    EXPECT_EQ(Parse("000032767.5"), 2147450880);
    EXPECT_EQ(Parse("-32768.0"), INT32_MIN);
    EXPECT_EQ(Parse("-32768.00000762939453124"), INT32_MIN);
    for (const char* text : {"32767.99999237060546875", "32768.", "40000.0", "65536.0", "-32768.00000762939453125",
                             "-32768.5", "-99999.9", "0000000000000000000065536.0"}) {
        EXPECT_EQ(Parse(text), std::nullopt) << text;
    }
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
