// Code-page conversions. The ANSI code page is UTF-8, so CP_ACP and CP_UTF8 both convert UTF-8; they differ
// only in the flags and default character they accept. CP_ACP takes what callers pass for a classic
// ANSI page (MB_PRECOMPOSED, WC_COMPOSITECHECK, a default character...), which have nothing to do for
// UTF-8; explicit CP_UTF8 rejects them as Windows does.
//
// Wide text is wchar_t holding code points. A surrogate pair met in wide input is read as the one
// character it encodes; output never contains surrogates.
#include <climits>
#include <cstddef>
#include <cstring>
#include <cwchar>

#include "Win32.h"
#include "kernel/LastError.h"

using win32sub::Fail;

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;

enum class Page { Ansi, Utf8 };

bool ResolvePage(UINT codePage, Page& page) {
    switch (codePage) {
        case CP_ACP:
            page = Page::Ansi;
            return true;
        case CP_UTF8:
            page = Page::Utf8;
            return true;
        default:
            return false;
    }
}

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }
bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The second byte's range after `lead` where it is narrower than 80..BF: after E0 and F0 (overlong
// forms), ED (UTF-16 surrogates) and F4 (values above U+10FFFF).
void SecondByteRange(unsigned char lead, unsigned char& low, unsigned char& high) {
    switch (lead) {
        case 0xE0:
            low = 0xA0;
            break;
        case 0xED:
            high = 0x9F;
            break;
        case 0xF0:
            low = 0x90;
            break;
        case 0xF4:
            high = 0x8F;
            break;
        default:
            break;
    }
}

// Reads one character from [p, end), which is not empty. Returns the number of bytes taken. An ill-formed
// sequence takes its maximal valid prefix (at least one byte) and reports valid = false, so that each
// such piece becomes one U+FFFD, as the Unicode standard recommends and Windows does. The second-byte
// ranges exclude overlong forms, UTF-16 surrogates and code points above U+10FFFF.
std::size_t DecodeUtf8(const unsigned char* p, const unsigned char* end, char32_t& codePoint, bool& valid) {
    const unsigned char lead = p[0];
    valid = false;
    codePoint = kReplacementCharacter;
    if (lead < 0x80) {
        codePoint = lead;
        valid = true;
        return 1;
    }
    if (lead < 0xC2 || lead > 0xF4) {
        return 1;
    }
    const std::size_t trailing = lead <= 0xDF ? 1 : (lead <= 0xEF ? 2 : 3);
    char32_t value = lead & (0x3F >> trailing);
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    SecondByteRange(lead, low, high);
    std::size_t taken = 1;
    for (std::size_t i = 0; i < trailing; ++i) {
        if (p + taken == end || p[taken] < low || p[taken] > high) {
            return taken;
        }
        value = (value << 6) | (p[taken] & 0x3F);
        low = 0x80;
        high = 0xBF;
        ++taken;
    }
    codePoint = value;
    valid = true;
    return taken;
}

// Encodes a Unicode scalar value; returns the number of bytes (1 to 4).
std::size_t EncodeUtf8(char32_t c, char out[4]) {
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (c >> 18));
    out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

// The checks Windows makes before looking at the code page. The same buffer for input and output is
// refused only when output is asked for: a size query never writes.
bool ArgumentsValid(const void* text, int textLength, const void* buffer, int bufferSize) {
    if (text == nullptr || textLength == 0 || textLength < -1 || bufferSize < 0) {
        return false;
    }
    return bufferSize == 0 || (buffer != nullptr && buffer != text);
}

// What an unconvertible wide character becomes. For UTF-8 proper that is U+FFFD, as on Windows; the ANSI
// page uses its default character, which the caller may choose.
struct Fallback {
    char bytes[4];
    std::size_t length = 0;
};

// Checks WideCharToMultiByte's flags and default character for the page and picks the fallback; the error
// when they are refused, ERROR_SUCCESS otherwise.
DWORD ChooseFallback(Page page, DWORD flags, LPCSTR defaultChar, LPBOOL usedDefaultChar, Fallback& fallback) {
    if (page == Page::Utf8) {
        if ((flags & ~static_cast<DWORD>(WC_ERR_INVALID_CHARS)) != 0) {
            return ERROR_INVALID_FLAGS;
        }
        if (defaultChar != nullptr || usedDefaultChar != nullptr) {
            return ERROR_INVALID_PARAMETER;
        }
        fallback.length = EncodeUtf8(kReplacementCharacter, fallback.bytes);
        return ERROR_SUCCESS;
    }
    const DWORD allowed =
        WC_COMPOSITECHECK | WC_SEPCHARS | WC_DEFAULTCHAR | WC_DISCARDNS | WC_NO_BEST_FIT_CHARS | WC_ERR_INVALID_CHARS;
    if ((flags & ~allowed) != 0) {
        return ERROR_INVALID_FLAGS;
    }
    if (defaultChar == nullptr) {
        fallback.bytes[0] = '?';
        fallback.length = 1;
        return ERROR_SUCCESS;
    }
    // The default character is the first character of the string; it must itself be valid in the code page.
    const auto* d = reinterpret_cast<const unsigned char*>(defaultChar);
    char32_t c;
    bool valid;
    fallback.length = DecodeUtf8(d, d + std::strlen(defaultChar) + 1, c, valid);
    if (!valid) {
        return ERROR_INVALID_PARAMETER;
    }
    std::memcpy(fallback.bytes, defaultChar, fallback.length);
    return ERROR_SUCCESS;
}

// Encodes `length` wide characters into `buffer`, or only counts their bytes when `bufferSize` is 0. The
// byte count, or 0 with the last error set.
int EncodeWide(const wchar_t* text, std::size_t length, DWORD flags, const Fallback& fallback, LPSTR buffer,
               int bufferSize, bool& usedFallback) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < length;) {
        // Through char32_t so that negative wchar_t values count as out of range.
        char32_t c = static_cast<char32_t>(text[i++]);
        if (IsHighSurrogate(c) && i < length && IsLowSurrogate(static_cast<char32_t>(text[i]))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[i++]) - 0xDC00);
        }
        char encoded[4];
        const char* bytes = encoded;
        std::size_t n;
        if (c <= kMaxCodePoint && !IsSurrogate(c)) {
            n = EncodeUtf8(c, encoded);
        } else {
            if ((flags & WC_ERR_INVALID_CHARS) != 0) {
                return Fail(ERROR_NO_UNICODE_TRANSLATION, 0);
            }
            bytes = fallback.bytes;
            n = fallback.length;
            usedFallback = true;
        }
        if (bufferSize != 0) {
            // Only whole characters go out: one that does not fit entirely is not started.
            if (n > static_cast<std::size_t>(bufferSize) - count) {
                return Fail(ERROR_INSUFFICIENT_BUFFER, 0);
            }
            std::memcpy(buffer + count, bytes, n);
        }
        count += n;
        if (count > static_cast<std::size_t>(INT_MAX)) {
            return Fail(ERROR_INVALID_PARAMETER, 0);
        }
    }
    return static_cast<int>(count);
}

}  // namespace

WIN32SUB_API UINT WINAPI GetACP(void) { return CP_UTF8; }

WIN32SUB_API int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int textLength, LPWSTR buffer,
                                            int bufferSize) {
    if (!ArgumentsValid(text, textLength, buffer, bufferSize)) {
        return Fail(ERROR_INVALID_PARAMETER, 0);
    }
    Page page;
    if (!ResolvePage(codePage, page)) {
        return Fail(ERROR_INVALID_PARAMETER, 0);
    }
    const DWORD allowed = page == Page::Ansi ? MB_PRECOMPOSED | MB_ERR_INVALID_CHARS : MB_ERR_INVALID_CHARS;
    if ((flags & ~allowed) != 0) {
        return Fail(ERROR_INVALID_FLAGS, 0);
    }

    const std::size_t length = textLength == -1 ? std::strlen(text) + 1 : static_cast<std::size_t>(textLength);
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    const unsigned char* const end = p + length;
    std::size_t count = 0;
    while (p < end) {
        char32_t c;
        bool valid;
        p += DecodeUtf8(p, end, c, valid);
        if (!valid && (flags & MB_ERR_INVALID_CHARS) != 0) {
            return Fail(ERROR_NO_UNICODE_TRANSLATION, 0);
        }
        if (bufferSize != 0) {
            if (count == static_cast<std::size_t>(bufferSize)) {
                return Fail(ERROR_INSUFFICIENT_BUFFER, 0);
            }
            buffer[count] = static_cast<wchar_t>(c);
        }
        if (++count > static_cast<std::size_t>(INT_MAX)) {
            return Fail(ERROR_INVALID_PARAMETER, 0);
        }
    }
    return static_cast<int>(count);
}

WIN32SUB_API int WINAPI WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR text, int textLength, LPSTR buffer,
                                            int bufferSize, LPCSTR defaultChar, LPBOOL usedDefaultChar) {
    if (!ArgumentsValid(text, textLength, buffer, bufferSize)) {
        return Fail(ERROR_INVALID_PARAMETER, 0);
    }
    Page page;
    if (!ResolvePage(codePage, page)) {
        return Fail(ERROR_INVALID_PARAMETER, 0);
    }
    Fallback fallback;
    const DWORD refused = ChooseFallback(page, flags, defaultChar, usedDefaultChar, fallback);
    if (refused != ERROR_SUCCESS) {
        return Fail(refused, 0);
    }
    if (usedDefaultChar != nullptr) {
        *usedDefaultChar = FALSE;
    }
    const std::size_t length = textLength == -1 ? std::wcslen(text) + 1 : static_cast<std::size_t>(textLength);
    bool usedFallback = false;
    const int count = EncodeWide(text, length, flags, fallback, buffer, bufferSize, usedFallback);
    if (count > 0 && usedDefaultChar != nullptr && usedFallback) {
        *usedDefaultChar = TRUE;
    }
    return count;
}
