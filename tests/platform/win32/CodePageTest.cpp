// Conversions between UTF-8 (the ANSI code page) and wide text.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "Win32.h"

namespace {

constexpr wchar_t kFffd = 0xFFFD;

// Converts with an explicit length, checking that the size query agrees with the conversion.
std::wstring Widen(std::string_view bytes, UINT codePage = CP_UTF8, DWORD flags = 0) {
    const int length = static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(codePage, flags, bytes.data(), length, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(needed), L'#');
    EXPECT_EQ(MultiByteToWideChar(codePage, flags, bytes.data(), length, out.data(), needed), needed);
    return out;
}

std::string Narrow(const std::wstring& text, UINT codePage = CP_UTF8, const char* defaultChar = nullptr,
                   BOOL* used = nullptr) {
    const int length = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, defaultChar, used);
    std::string out(static_cast<std::size_t>(needed), '#');
    EXPECT_EQ(WideCharToMultiByte(codePage, 0, text.data(), length, out.data(), needed, defaultChar, used), needed);
    return out;
}

// The error a call failed with (~0 if it succeeded), clearing it so that the next call starts clean.
DWORD Err(int result) {
    const DWORD error = result == 0 ? GetLastError() : ~0u;
    SetLastError(0);
    return error;
}

}  // namespace

TEST(CodePage, IllFormedUtf8BecomesOneReplacementPerMaximalPiece) {
    const std::pair<std::string_view, std::wstring> cases[] = {
        {"\x80", {kFffd}},                                   // stray continuation byte
        {"\xE2\x82", {kFffd}},                               // truncated at the end
        {"\xF0\x9F\x98\x41", {kFffd, L'A'}},                 // truncated before a character ('A')
        {"\xC3\xA9\x80", {0xE9, kFffd}},                     // a stray byte after a whole character
        {"\xC0\xAF", {kFffd, kFffd}},                        // overlong '/'
        {"\xE0\x80\xAF", {kFffd, kFffd, kFffd}},             // overlong in 3 bytes
        {"\xF0\x80\x80\x80", {kFffd, kFffd, kFffd, kFffd}},  // overlong in 4 bytes
        {"\xED\xA0\x80", {kFffd, kFffd, kFffd}},             // surrogate D800 encoded
        {"\xF4\x90\x80\x80", {kFffd, kFffd, kFffd, kFffd}},  // above U+10FFFF
        {"\xFF\x62", {kFffd, L'b'}},                         // a byte no UTF-8 text holds, then 'b'
    };
    for (const auto& [bytes, expected] : cases) {
        EXPECT_EQ(Widen(bytes), expected) << testing::PrintToString(std::string(bytes));
        const int length = static_cast<int>(bytes.size());
        EXPECT_EQ(Err(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0)),
                  ERROR_NO_UNICODE_TRANSLATION);
    }
    EXPECT_EQ(Widen("ok\xC3\xA9", CP_UTF8, MB_ERR_INVALID_CHARS), L"ok\u00E9");
}

TEST(CodePage, SurrogatePairsCombineAndUnconvertibleCharactersUseTheDefault) {
    EXPECT_EQ(Narrow({0xD83D, 0xDE00}), "\xF0\x9F\x98\x80");
    BOOL used = TRUE;
    EXPECT_EQ(Narrow(L"\u00E9", CP_ACP, nullptr, &used), "\xC3\xA9");
    EXPECT_EQ(used, FALSE);
    const std::wstring bad = {0xD83D, L'a', 0xDE00, 0xDE00, 0xD83D, 0x110000, static_cast<wchar_t>(-1)};
    EXPECT_EQ(Narrow(bad, CP_ACP, nullptr, &used), "?a?????");
    EXPECT_EQ(used, TRUE);
    EXPECT_EQ(Narrow({0xDC00, L'b'}, CP_ACP, "\xC3\xA9xyz"), "\xC3\xA9\x62");  // the first character only
    // Explicit UTF-8 writes U+FFFD instead, as Windows does, or fails when asked to.
    EXPECT_EQ(Narrow({L'x', 0xD800}), "x\xEF\xBF\xBD");
    EXPECT_EQ(Err(WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, L"\xD800", 1, nullptr, 0, nullptr, nullptr)),
              ERROR_NO_UNICODE_TRANSLATION);
}

TEST(CodePage, InvalidArgumentsAndFlagsFailWithTheirErrors) {
    char n[8] = "abc";
    wchar_t w[8] = L"abc";
    BOOL used;
    SetLastError(0);
    EXPECT_EQ(Err(MultiByteToWideChar(CP_UTF8, 0, nullptr, -1, w, 8)), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Err(MultiByteToWideChar(CP_UTF8, 0, n, 0, w, 8)), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Err(MultiByteToWideChar(CP_UTF8, 0, n, -2, w, 8)), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Err(MultiByteToWideChar(CP_UTF8, 0, n, 3, w, -1)), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Err(MultiByteToWideChar(CP_UTF8, 0, n, 3, nullptr, 8)), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Err(MultiByteToWideChar(CP_UTF8, 0, n, 3, reinterpret_cast<LPWSTR>(n), 1)), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Err(MultiByteToWideChar(1252, 0, n, 3, w, 8)), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Err(MultiByteToWideChar(CP_UTF8, MB_PRECOMPOSED, n, 3, w, 8)), ERROR_INVALID_FLAGS);
    EXPECT_EQ(Err(MultiByteToWideChar(CP_ACP, MB_COMPOSITE, n, 3, w, 8)), ERROR_INVALID_FLAGS);
    EXPECT_EQ(Err(WideCharToMultiByte(CP_UTF8, 0, w, 3, reinterpret_cast<LPSTR>(w), 8, nullptr, nullptr)),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Err(WideCharToMultiByte(CP_UTF8, WC_COMPOSITECHECK, w, 3, n, 8, nullptr, nullptr)), ERROR_INVALID_FLAGS);
    EXPECT_EQ(Err(WideCharToMultiByte(CP_UTF8, 0, w, 3, n, 8, "?", nullptr)), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Err(WideCharToMultiByte(CP_UTF8, 0, w, 3, n, 8, nullptr, &used)), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Err(WideCharToMultiByte(CP_ACP, 0x1, w, 3, n, 8, nullptr, nullptr)), ERROR_INVALID_FLAGS);
    EXPECT_EQ(Err(WideCharToMultiByte(CP_ACP, 0, w, 3, n, 8, "\xC3", nullptr)), ERROR_INVALID_PARAMETER);
    // The flags callers pass for an ANSI page are accepted, and success leaves the last error alone.
    SetLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK | WC_DEFAULTCHAR, w, -1, n, 8, "?", nullptr), 4);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}
