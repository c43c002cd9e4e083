#include "host/document/HostCosNumbers.h"

#include <limits>

#include "host/document/HostFixedText.h"
#include "host/entries/HostEntry.h"

namespace {

using Wide = unsigned __int128;

// Beyond every result range of this file, with room to spare; larger integer parts need not be kept.
constexpr Wide kIntegerPartCap = Wide(1) << 40;
// A halfway point between two Fixed values has 17 decimals (2^-17); digits past the 20th cannot move a
// value across one, so dropping them keeps the rounding exact.
constexpr int kKeptFractionDigits = 20;

struct Decimal {
    bool negative = false;
    Wide numerator = 0;  // |value| = numerator / denominator
    Wide denominator = 1;
};

std::optional<Decimal> ParseReal(std::string_view text) {
    Decimal decimal;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) decimal.negative = text[i++] == '-';
    int digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
        decimal.numerator = decimal.numerator * 10 + (text[i] - '0');
        if (decimal.numerator > kIntegerPartCap) decimal.numerator = kIntegerPartCap;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (int kept = 0; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
            if (kept++ < kKeptFractionDigits) {
                decimal.numerator = decimal.numerator * 10 + (text[i] - '0');
                decimal.denominator *= 10;
            }
        }
    }
    if (digits == 0 || i != text.size()) return std::nullopt;
    return decimal;
}

// numerator * scale / denominator to the nearest whole number, halves away from zero, within [min, max].
std::optional<int64_t> Rounded(const Decimal& decimal, Wide scale, int64_t min, int64_t max) {
    const Wide magnitude = (decimal.numerator * scale * 2 + decimal.denominator) / (decimal.denominator * 2);
    const Wide limit = decimal.negative ? static_cast<Wide>(-static_cast<__int128>(min)) : static_cast<Wide>(max);
    if (magnitude > limit) return std::nullopt;
    const auto value = static_cast<int64_t>(magnitude);
    return decimal.negative ? -value : value;
}

}  // namespace

std::optional<Fixed> HostRealTextToFixed(std::string_view text) {
    const std::optional<Decimal> decimal = ParseReal(text);
    if (!decimal) return std::nullopt;
    const auto value = Rounded(*decimal, 65536, std::numeric_limits<Fixed>::min(), std::numeric_limits<Fixed>::max());
    if (!value) return std::nullopt;
    return static_cast<Fixed>(*value);
}

std::optional<int32_t> HostRealTextToInteger(std::string_view text) {
    const std::optional<Decimal> decimal = ParseReal(text);
    if (!decimal) return std::nullopt;
    const auto value = Rounded(*decimal, 1, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    if (!value) return std::nullopt;
    return static_cast<int32_t>(*value);
}

std::optional<Fixed> HostIntegerToFixed(long long value) {
    if (value < -32768 || value > 32767) return std::nullopt;
    return static_cast<Fixed>(value * 65536);
}

std::string HostFixedToRealText(Fixed value) {
    // The nearest text with d decimals is the only candidate of that length; 5 decimals always come within
    // half a unit (2^-17), so the loop ends there at the latest.
    std::string text;
    for (int decimals = 1; decimals <= 9; ++decimals) {
        text = HostFixedToText(value, decimals);
        if (HostRealTextToFixed(text) == value) break;
    }
    return text;
}

Fixed HostFixedOf(QPDFObjectHandle number, bool* saturated) {
    std::optional<Fixed> value;
    bool negative = false;
    if (number.isInteger()) {
        value = HostIntegerToFixed(number.getIntValue());
        negative = number.getIntValue() < 0;
    } else if (number.isReal()) {
        value = HostRealTextToFixed(number.getRealValue());
        negative = number.getRealValue().starts_with('-');
    } else {
        HostFail("the object is not a number");
    }
    if (value) return *value;
    // A number a document holds is data, not a mistake of the caller's: it reads as the nearest Fixed.
    if (saturated != nullptr) *saturated = true;
    return negative ? std::numeric_limits<Fixed>::min() : std::numeric_limits<Fixed>::max();
}

int32_t HostIntegerOf(QPDFObjectHandle number) {
    std::optional<int32_t> value;
    if (number.isInteger()) {
        const long long integer = number.getIntValue();
        if (integer >= std::numeric_limits<int32_t>::min() && integer <= std::numeric_limits<int32_t>::max()) {
            value = static_cast<int32_t>(integer);
        }
    } else if (number.isReal()) {
        value = HostRealTextToInteger(number.getRealValue());
    } else {
        HostFail("the object is not a number");
    }
    if (!value) HostFail("the number cannot be represented as a 32-bit integer");
    return *value;
}

QPDFObjectHandle HostNewReal(Fixed value) { return QPDFObjectHandle::newReal(HostFixedToRealText(value)); }
