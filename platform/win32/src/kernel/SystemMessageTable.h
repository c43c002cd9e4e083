// The system message table: the English texts of the system error codes, as FormatMessage finds them.
#pragma once

#include "Win32.h"

namespace win32sub {

// The text of a system message, with its trailing "\r\n", or nullptr when the table has no such code.
const wchar_t* FindSystemMessage(DWORD code);

}  // namespace win32sub
