#include "host/document/HostFixedText.h"

#include <cctype>
#include <cstdio>
#include <limits>

namespace {

constexpr int kMaxDecimals = 9;
// A halfway point between two Fixed values has 17 decimals; digits past the 20th cannot move a value across
// one, and more would overflow the 128-bit product below.
constexpr int kMaxFractionDigits = 20;

// Integer division rounding halves away from zero; the divisor is positive.
template <class Integer>
Integer DivideRounded(Integer numerator, Integer divisor) {
    const Integer half = divisor / 2;
    return numerator >= 0 ? (numerator + half) / divisor : -((-numerator + half) / divisor);
}

}  // namespace

std::string HostFixedToText(Fixed value, int decimals) {
    decimals = decimals < 0 ? 0 : decimals > kMaxDecimals ? kMaxDecimals : decimals;
    int64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const int64_t scaled = DivideRounded<int64_t>(static_cast<int64_t>(value) * scale, 65536);
    const int64_t magnitude = scaled < 0 ? -scaled : scaled;
    char text[48];
    if (decimals == 0) {
        std::snprintf(text, sizeof text, "%s%lld", scaled < 0 ? "-" : "", static_cast<long long>(magnitude));
    } else {
        std::snprintf(text, sizeof text, "%s%lld.%0*lld", scaled < 0 ? "-" : "",
                      static_cast<long long>(magnitude / scale), decimals, static_cast<long long>(magnitude % scale));
    }
    return text;
}

Fixed HostTextToFixed(const char* text) {
    if (text == nullptr) return 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (std::isspace(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    __int128 numerator = 0;
    __int128 denominator = 1;
    int digits = 0;
    bool tooLarge = false;
    for (; std::isdigit(*p); ++p, ++digits) {
        numerator = numerator * 10 + (*p - '0');
        if (numerator > 100000) tooLarge = true;  // far beyond 32767.99998 already: stop growing
        if (tooLarge) numerator = 100000;
    }
    if (*p == '.') {
        ++p;
        for (int fraction = 0; std::isdigit(*p); ++p, ++digits) {
            if (fraction++ < kMaxFractionDigits && !tooLarge) {
                numerator = numerator * 10 + (*p - '0');
                denominator *= 10;
            }
        }
    }
    while (std::isspace(*p)) ++p;
    if (digits == 0 || *p != '\0') return 0;
    __int128 fixed = DivideRounded<__int128>(numerator * 65536, denominator);
    if (negative) fixed = -fixed;
    if (fixed > std::numeric_limits<Fixed>::max()) return std::numeric_limits<Fixed>::max();
    if (fixed < std::numeric_limits<Fixed>::min()) return std::numeric_limits<Fixed>::min();
    return static_cast<Fixed>(fixed);
}
