// The host's text-to-Fixed conversions against strtold: the nearest Fixed, halves away from zero. Within a
// millionth of a half the long double cannot tell the two neighbours apart, and either is taken.
// HostTextToFixed clamps to the range and gives 0 for anything but a number with blanks around it;
// HostRealTextToFixed takes a bare PDF real and refuses beyond the range.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "FuzzCheck.h"
#include "host/document/HostCosNumbers.h"
#include "host/document/HostFixedText.h"

namespace {

constexpr long double kMin = std::numeric_limits<Fixed>::min();
constexpr long double kMax = std::numeric_limits<Fixed>::max();

// Whether `value` may be the conversion of `scaled` (the text's value x 65536).
bool Near(long double value, long double scaled) {
    const long double nearest = scaled < 0 ? -std::floor(-scaled + 0.5L) : std::floor(scaled + 0.5L);
    return value == nearest || std::fabs(std::fabs(scaled - value) - 0.5L) < 1e-6L;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const char* start = text.c_str();
    // Within these characters strtold reads exactly the texts both conversions read as numbers.
    const bool plain = std::string(start).find_first_not_of("0123456789+-. \t\n\v\f\r") == std::string::npos;
    char* end = nullptr;
    const long double scaled = std::strtold(start, &end) * 65536;
    while (*end == ' ' || (*end >= '\t' && *end <= '\r')) ++end;
    const bool number = plain && end != start && *end == '\0';

    const Fixed fixed = HostTextToFixed(start);
    if (!number) FUZZ_CHECK(fixed == 0);
    if (number) FUZZ_CHECK(Near(fixed, std::fmax(kMin, std::fmin(kMax, scaled))));

    const std::optional<Fixed> real = HostRealTextToFixed(text);
    const bool bare = number && text.find_first_of(std::string(" \t\n\v\f\r\0", 7)) == std::string::npos;
    if (!bare) FUZZ_CHECK(!real);
    if (bare && real) FUZZ_CHECK(Near(*real, scaled));
    if (bare && !real) FUZZ_CHECK(std::fabs(scaled) >= (scaled < 0 ? -kMin : kMax) + 0.5L - 1e-6L);
    return 0;
}
