// A field's text that EXGM_ParseFixed accepts reads as strtod reads it, within one unit of the last place
// (a negative integer lands one unit above, by the plug-in's rounding); a refused text leaves the result
// alone.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "EXGM/EXGM_CosLexer.h"
#include "FuzzCheck.h"
#include "FuzzHost.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzHost();
    const std::string text(reinterpret_cast<const char*>(data), size);  // a field ends at its first NUL
    constexpr Fixed kUntouched = 0x7E57;
    Fixed value = kUntouched;
    if (!EXGM_ParseFixed(text.c_str(), &value)) {
        FUZZ_CHECK(value == kUntouched);
        return 0;
    }
    const double reference = std::strtod(text.c_str(), nullptr) * 65536.0;
    FUZZ_CHECK(std::fabs(value - reference) <= 1.0);
    return 0;
}
