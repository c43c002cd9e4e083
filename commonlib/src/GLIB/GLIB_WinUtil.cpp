#include "GLIB/GLIB_WinUtil.h"

#include "GLIB/GLIB_Log.h"
#include "GLIB/GLIB_OStringStream.h"
#include "GLIB/GLIB_StringUtils.h"
#include "GLIB/GLIB_WOStringStream.h"
#include "Win32.h"

namespace {

constexpr int32_t kFreeFailureLogLine = 366;

}  // namespace

std::wstring GLIB_GetWin32ErrorText(uint32_t errorCode) {
    LPWSTR systemText = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, errorCode,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&systemText), 0, nullptr);
    GLIB_WOStringStream text;
    if (length != 0 && systemText != nullptr) {
        text << systemText;
    } else {
        text << L"The error string could not be translated";
    }
    if (LocalFree(systemText) != nullptr) {
        GLIB_OStringStream warning;
        warning << "Failed to free buffer returned by FormatMessage() with LocalFree() - memory was leaked. Error = "
                << GetLastError();
        GLIB_Log(GLIB_LOG_WARNING, warning.str(), __FILE__, kFreeFailureLogLine);
    }
    text << L" (code: " << errorCode << L")";
    return text.str();
}

std::string GLIB_GetWin32ErrorTextNarrow(uint32_t errorCode) { return GLIB_Narrow(GLIB_GetWin32ErrorText(errorCode)); }
