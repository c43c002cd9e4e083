// Narrow/wide conversion and the bounded text functions: cutting at every capacity, never half a character.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "GLIB/GLIB_OStringStream.h"
#include "GLIB/GLIB_StringUtils.h"
#include "GLIB/GLIB_WOStringStream.h"

namespace {

// "a", a-umlaut (2 bytes), euro sign (3 bytes), a page emoji (4 bytes), "z".
const char kMixed[] = "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x93\x84z";
const wchar_t kMixedWide[] = L"a\u00E4\u20AC\U0001F4C4z";

TEST(Conversion, RoundTripsEveryCharacterSizeAndEmptyAndNullTextsGiveEmptyTexts) {
    EXPECT_EQ(GLIB_Widen(kMixed), kMixedWide);
    EXPECT_EQ(GLIB_Narrow(kMixedWide), kMixed);
    EXPECT_EQ(GLIB_Narrow(GLIB_Widen(std::string(kMixed))), kMixed);
    EXPECT_EQ(GLIB_Widen(""), L"");
    EXPECT_EQ(GLIB_Narrow(L""), "");
    EXPECT_EQ(GLIB_Widen(static_cast<const char*>(nullptr)), L"");
    EXPECT_EQ(GLIB_Narrow(static_cast<const wchar_t*>(nullptr)), "");
}

TEST(Conversion, UnrepresentableCharacterBecomesQuestionMark) {
    const wchar_t loneSurrogate[] = {L'x', static_cast<wchar_t>(0xD800), L'y', 0};
    EXPECT_EQ(GLIB_Narrow(loneSurrogate), "x?y");
    char buffer[8];
    EXPECT_STREQ(GLIB_NarrowInto(buffer, loneSurrogate, sizeof buffer), "x?y");
}

TEST(Conversion, WidenIntoKeepsTheFirstCapacityMinusOneCharacters) {
    const std::wstring whole = kMixedWide;
    for (std::size_t capacity = 1; capacity <= whole.size() + 2; ++capacity) {
        wchar_t buffer[16];
        std::wmemset(buffer, L'#', 16);
        GLIB_WidenInto(buffer, kMixed, capacity);
        EXPECT_EQ(std::wstring(buffer), whole.substr(0, capacity - 1)) << "capacity " << capacity;
    }
}

TEST(Conversion, NarrowIntoAndNarrowCopyKeepOnlyWholeCharacters) {
    // The longest prefix of whole characters that fits in capacity - 1 bytes.
    const std::string aUmlaut = "a\xC3\xA4", euro = aUmlaut + "\xE2\x82\xAC", page = euro + "\xF0\x9F\x93\x84";
    const std::string expected[] = {"", "a", "a", aUmlaut, aUmlaut, aUmlaut, euro, euro, euro, euro, page, kMixed};
    for (std::size_t capacity = 1; capacity <= 12; ++capacity) {
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(GLIB_NarrowInto(buffer, kMixedWide, capacity), expected[capacity - 1]) << "capacity " << capacity;
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(GLIB_StrCopy(buffer, kMixed, capacity), expected[capacity - 1]) << "capacity " << capacity;
    }
}

TEST(Conversion, AppendVariantsConvertBehindTheCurrentText) {
    wchar_t wide[8] = L"ab";
    EXPECT_STREQ(GLIB_AppendWidened(wide, "\xC3\xA4xyzuvw", 8), L"ab\u00E4xyzu");
    char narrow[8] = "ab";
    EXPECT_STREQ(GLIB_AppendNarrowed(narrow, L"\u20AC\u20AC", 8), "ab\xE2\x82\xAC");
}

TEST(FixedBuffers, CapacityZeroWritesNothingAndReturnsAnEmptyText) {
    char narrow[4] = "abc";
    wchar_t wide[4] = L"abc";
    EXPECT_STREQ(GLIB_StrCopy(narrow, "x", 0), "");
    EXPECT_STREQ(GLIB_StrAppend(narrow, "x", 0), "");
    EXPECT_STREQ(GLIB_NarrowInto(narrow, L"x", 0), "");
    EXPECT_STREQ(GLIB_AppendNarrowed(narrow, L"x", 0), "");
    EXPECT_STREQ(GLIB_WStrCopy(wide, L"x", 0), L"");
    EXPECT_STREQ(GLIB_WStrAppend(wide, L"x", 0), L"");
    EXPECT_STREQ(GLIB_WidenInto(wide, "x", 0), L"");
    EXPECT_STREQ(GLIB_AppendWidened(wide, "x", 0), L"");
    EXPECT_STREQ(narrow, "abc");
    EXPECT_STREQ(wide, L"abc");
    EXPECT_STREQ(GLIB_StrCopy(nullptr, "x", 5), "");
}

TEST(FixedBuffers, CopyCutsAtEveryCapacity) {
    for (std::size_t capacity = 1; capacity <= 7; ++capacity) {
        char narrow[8];
        std::memset(narrow, '#', sizeof narrow);
        EXPECT_EQ(std::string(GLIB_StrCopy(narrow, "abcde", capacity)), std::string("abcde").substr(0, capacity - 1));
        EXPECT_EQ(narrow[capacity], '#') << "wrote past the capacity " << capacity;

        wchar_t wide[8];
        std::wmemset(wide, L'#', 8);
        wchar_t* end = GLIB_WStrCopy(wide, L"abcde", capacity);
        EXPECT_EQ(std::wstring(wide), std::wstring(L"abcde").substr(0, capacity - 1));
        EXPECT_EQ(*end, L'\0');
        EXPECT_EQ(end - wide, static_cast<std::ptrdiff_t>(std::wcslen(wide)));
    }
    char narrow[4];
    EXPECT_STREQ(GLIB_StrCopy(narrow, nullptr, 4), "");  // never inside a character: see NarrowInto above
}

TEST(FixedBuffers, AppendUsesTheRemainingRoomAndLeavesAFullBufferAlone) {
    char buffer[6] = "ab";
    EXPECT_STREQ(GLIB_StrAppend(buffer, "cdef", 6), "abcde");
    EXPECT_STREQ(GLIB_StrAppend(buffer, "x", 6), "abcde");
    wchar_t wide[6] = L"ab";
    EXPECT_STREQ(GLIB_WStrAppend(wide, L"cdef", 6), L"abcde");
    EXPECT_STREQ(GLIB_WStrAppend(wide, L"x", 6), L"abcde");
    // No terminator within the capacity: nothing is appended.
    char unterminated[3] = {'x', 'y', 'z'};
    GLIB_StrAppend(unterminated, "q", 3);
    EXPECT_EQ(std::string(unterminated, 3), "xyz");
}

TEST(Format, ReportsCutTextWithMinusOne) {
    char buffer[6];
    EXPECT_EQ(GLIB_Format(buffer, 6, "%d-%s", 12, "ab"), 5);
    EXPECT_STREQ(buffer, "12-ab");
    EXPECT_EQ(GLIB_Format(buffer, 6, "%s", "abcdef"), -1);  // exactly as long as the capacity
    EXPECT_STREQ(buffer, "abcde");
    EXPECT_EQ(GLIB_Format(buffer, 6, "%s", "\xE2\x82\xAC\xE2\x82\xAC"), -1);
    EXPECT_STREQ(buffer, "\xE2\x82\xAC");
    EXPECT_EQ(GLIB_Format(buffer, 0, "%s", "x"), -1);
    EXPECT_EQ(GLIB_Format(nullptr, 6, "%s", "x"), -1);
}

TEST(Format, WideFormatCutsLikeTheNarrowOne) {
    wchar_t buffer[6];
    EXPECT_EQ(GLIB_FormatW(buffer, 6, L"%d-%ls", 12, L"ab"), 5);
    EXPECT_STREQ(buffer, L"12-ab");
    EXPECT_EQ(GLIB_FormatW(buffer, 6, L"%ls", L"abcdef"), -1);
    EXPECT_STREQ(buffer, L"abcde");
    EXPECT_EQ(GLIB_FormatW(buffer, 6, L"%s and more", "narrow"), -1);
    EXPECT_STREQ(buffer, L"narro");
    EXPECT_EQ(GLIB_FormatW(buffer, 0, L"x"), -1);
    EXPECT_EQ(GLIB_FormatW(nullptr, 6, L"x"), -1);
}

TEST(StringStreams, FormatIntegersInDecimal) {
    GLIB_OStringStream narrow;
    narrow << "code " << 1158001 << " " << -4;
    EXPECT_EQ(narrow.str(), "code 1158001 -4");
    GLIB_WOStringStream wide;
    wide << L"line " << 366u;
    EXPECT_EQ(wide.str(), L"line 366");
}

}  // namespace
