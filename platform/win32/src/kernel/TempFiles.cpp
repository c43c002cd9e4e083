// The folder for temporary files and unique names in a folder.
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cwchar>

#include "kernel/DrivePaths.h"
#include "kernel/FileErrors.h"
#include "kernel/WideText.h"
#include "kernel/Win32Paths.h"

namespace {

// The longest folder GetTempFileNameW takes, leaving room for "\", the name and the terminator.
constexpr std::size_t kLongestTempFolder = MAX_PATH - 14;
constexpr UINT kUniqueNumbers = 0xFFFF;

std::wstring TempNameOf(const std::wstring& folder, const std::wstring& prefix, UINT unique) {
    wchar_t number[8];
    std::swprintf(number, 8, L"%X", unique & kUniqueNumbers);
    std::wstring name = folder;
    if (name.empty() || (name.back() != L'\\' && name.back() != L'/')) {
        name += L'\\';
    }
    return name + prefix + number + L".tmp";
}

// A starting point that differs from call to call, as the system time gives it on Windows.
UINT FirstUniqueNumber() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
    const UINT number = static_cast<UINT>(ticks) & kUniqueNumbers;
    return number != 0 ? number : 1;
}

}  // namespace

WIN32SUB_API DWORD WINAPI GetTempPathW(DWORD size, LPWSTR buffer) {
    // TMPDIR stands in for TMP and TEMP.
    const char* variable = std::getenv("TMPDIR");
    const std::string folder = variable != nullptr && *variable != '\0' ? variable : "/tmp";
    const std::wstring asWin32 = folder[0] == '/' ? win32sub::Win32PathOf(folder) : win32sub::FromUtf8(folder);
    std::wstring full;
    DWORD error = ERROR_SUCCESS;
    if (!win32sub::FullPathOf(asWin32, full, error)) {
        SetLastError(error);
        return 0;
    }
    if (full.back() != L'\\') {
        full += L'\\';
    }
    return win32sub::CopyPathOut(full, size, buffer);
}

WIN32SUB_API UINT WINAPI GetTempFileNameW(LPCWSTR pathName, LPCWSTR prefixString, UINT unique, LPWSTR tempFileName) {
    if (pathName == nullptr || tempFileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::wstring folder = pathName;
    if (folder.size() > kLongestTempFolder) {
        SetLastError(ERROR_BUFFER_OVERFLOW);
        return 0;
    }
    const std::wstring prefix = std::wstring(prefixString != nullptr ? prefixString : L"").substr(0, 3);
    if (unique != 0) {
        // The caller vouches for the number; only the name is made.
        const std::wstring name = TempNameOf(folder, prefix, unique);
        std::wmemcpy(tempFileName, name.c_str(), name.size() + 1);
        return unique;
    }

    win32sub::ResolvedPath resolved;
    if (!win32sub::ResolvePath(pathName, resolved)) {
        return 0;
    }
    struct stat info {};
    if (stat(resolved.linuxPath.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        SetLastError(ERROR_DIRECTORY);
        return 0;
    }
    UINT number = FirstUniqueNumber();
    for (UINT tried = 0; tried < kUniqueNumbers; ++tried) {
        const std::wstring name = TempNameOf(folder, prefix, number);
        HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            std::wmemcpy(tempFileName, name.c_str(), name.size() + 1);
            SetLastError(ERROR_SUCCESS);
            return number;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) {
            return 0;
        }
        number = number % kUniqueNumbers + 1;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return 0;
}
