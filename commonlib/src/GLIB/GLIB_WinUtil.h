// Win32 error codes as text for messages about failed system calls.
#pragma once

#include <cstdint>
#include <string>

// The system's text for the code, unchanged (with its line break), then " (code: N)".
std::wstring GLIB_GetWin32ErrorText(uint32_t errorCode);
std::string GLIB_GetWin32ErrorTextNarrow(uint32_t errorCode);
