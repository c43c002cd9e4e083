// The usual way out of a failed Win32 call: the thread's last error, then the function's failure value.
#pragma once

#include "Win32.h"

namespace win32sub {

template <typename Result>
Result Fail(DWORD error, Result result) {
    SetLastError(error);
    return result;
}

}  // namespace win32sub
