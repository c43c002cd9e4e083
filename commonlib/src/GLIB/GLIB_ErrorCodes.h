// Error codes are library number x 1000 + index, so a code names the library that failed.
#pragma once

#include <cstdint>

constexpr int32_t GLIB_MakeErrorCode(int32_t library, int32_t index) { return library * 1000 + index; }

constexpr int32_t GLIB_LIBRARY = 1125;
constexpr int32_t XCHG_LIBRARY = 1155;
constexpr int32_t GFIL_LIBRARY = 1158;

// Out of memory: callback guards treat an exception with this code like std::bad_alloc.
constexpr int32_t GLIB_ERR_OUT_OF_MEMORY = GLIB_MakeErrorCode(GLIB_LIBRARY, 2);
