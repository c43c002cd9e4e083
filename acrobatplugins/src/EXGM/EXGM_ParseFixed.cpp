#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "EXGM/EXGM_CosLexer.h"
#include "GLIB/GLIB_StringUtils.h"

namespace {

// The text is copied into a buffer of this size with at most 33 characters kept, and a line feed ends it
// only when there is room: a number that reaches the 33rd character is never completed and fails. The
// dialogs read at most 32 characters, so their texts never reach the cut.
constexpr std::size_t kBufferSize = 36;
constexpr std::size_t kCopyCapacity = 34;

// Out-of-range numbers are refused, never wrapped: the user typed something the page cannot hold.
// An integer is checked by its 16.16 value; the lexer clamps integers beyond 32 bits, so a huge integer
// cannot come back as a small one. A fixed-point number is judged by its digits, because hosts clamp, wrap
// or round differently beyond the range and their answer cannot tell 32767.99999 from 40000. These bounds
// are (2^31 - 1/2) / 65536 and (2^31 + 1/2) / 65536, written out exactly: a text whose magnitude reaches
// its bound has no nearest 16.16 value inside the range. A host answer whose sign differs from the text's
// is refused too; that catches a host that wraps on the last unit.
constexpr std::string_view kPositiveBound = "32767.99999237060546875";
constexpr std::string_view kNegativeBound = "32768.00000762939453125";

// Compares two unsigned decimal texts "digits[.digits]" by value: below 0, 0 or above 0.
int CompareDecimals(std::string_view a, std::string_view b) {
    const std::size_t aPoint = std::min(a.find('.'), a.size());
    const std::size_t bPoint = std::min(b.find('.'), b.size());
    std::string_view aWhole = a.substr(0, aPoint);
    std::string_view bWhole = b.substr(0, bPoint);
    while (!aWhole.empty() && aWhole.front() == '0') aWhole.remove_prefix(1);
    while (!bWhole.empty() && bWhole.front() == '0') bWhole.remove_prefix(1);
    if (aWhole.size() != bWhole.size()) return aWhole.size() < bWhole.size() ? -1 : 1;
    if (const int whole = aWhole.compare(bWhole); whole != 0) return whole;
    const std::string_view aFraction = a.substr(std::min(aPoint + 1, a.size()));
    const std::string_view bFraction = b.substr(std::min(bPoint + 1, b.size()));
    for (std::size_t i = 0; i < std::max(aFraction.size(), bFraction.size()); ++i) {
        const char aDigit = i < aFraction.size() ? aFraction[i] : '0';
        const char bDigit = i < bFraction.size() ? bFraction[i] : '0';
        if (aDigit != bDigit) return aDigit < bDigit ? -1 : 1;
    }
    return 0;
}

// The fixed-point number's text ("-" optional, digits, ".", digits) lies inside the Fixed range.
bool FixedTextFits(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    return CompareDecimals(text, negative ? kNegativeBound : kPositiveBound) < 0;
}

// Whatever the buffer did not keep must be whitespace, or the field holds more than one number.
bool RestIsWhitespace(const char* rest) {
    for (; *rest != '\0'; ++rest) {
        if (!EXGM_CosLexer::IsWhitespace(static_cast<unsigned char>(*rest))) return false;
    }
    return true;
}

}  // namespace

bool EXGM_ParseFixed(const char* text, Fixed* result) {
    static EXGM_CosLexer lexer;  // shared by every call, from the first one to program exit
    if (text == nullptr) text = "";
    if (result == nullptr) return false;
    lexer.Reset();

    char buffer[kBufferSize];
    GLIB_StrCopy(buffer, text, kCopyCapacity);
    if (!RestIsWhitespace(text + std::strlen(buffer))) return false;
    GLIB_StrAppend(buffer, "\n", kCopyCapacity);
    // No end of data follows, so a number cut by the buffer stays open.
    lexer.SetInput(buffer, static_cast<uint32_t>(std::strlen(buffer)));

    Fixed value = 0;
    switch (lexer.NextToken()) {
        case EXGM_CosLexer::TokenInteger: {
            // An integer n reads as n * 65536 + 0.5 truncated toward zero, so a negative one lands one unit
            // above n * 65536 ("-1" is -65535).
            const double scaled = std::trunc(lexer.GetIntegerValue() * 65536.0 + 0.5);
            if (scaled < INT32_MIN || scaled > INT32_MAX) return false;
            value = static_cast<Fixed>(scaled);
            break;
        }
        case EXGM_CosLexer::TokenFixed: {
            const std::string& digits = lexer.GetTokenText();
            if (!FixedTextFits(digits)) return false;
            value = lexer.GetFixedValue();
            const bool negative = digits.front() == '-';
            if (negative ? value > 0 : value < 0) return false;
            break;
        }
        default:
            return false;
    }
    // Only whitespace may follow: the chunk must end with nothing begun, so a string, hexadecimal string or
    // word opened behind the number is trailing text like any other.
    if (lexer.NextToken() != EXGM_CosLexer::TokenMoreData) return false;
    if (lexer.GetState() != EXGM_CosLexer::StateStart) return false;
    *result = value;
    return true;
}
