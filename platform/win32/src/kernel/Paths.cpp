// Full paths and the current directory.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "kernel/FileErrors.h"
#include "kernel/Win32Paths.h"

WIN32SUB_API DWORD WINAPI GetFullPathNameW(LPCWSTR fileName, DWORD size, LPWSTR buffer, LPWSTR* filePart) {
    if (fileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::wstring full;
    DWORD error = ERROR_SUCCESS;
    if (!win32sub::FullPathOf(fileName, full, error)) {
        SetLastError(error);
        return 0;
    }
    const DWORD result = win32sub::CopyPathOut(full, size, buffer);
    if (buffer != nullptr && result < size && filePart != nullptr) {
        const std::size_t lastName = win32sub::LastNameOf(full);
        *filePart = lastName == std::wstring::npos ? nullptr : buffer + lastName;
    }
    return result;
}

WIN32SUB_API DWORD WINAPI GetCurrentDirectoryW(DWORD size, LPWSTR buffer) {
    std::wstring directory;
    if (!win32sub::CurrentDirectoryOf(directory)) {
        SetLastError(win32sub::Win32ErrorOfErrno(errno));
        return 0;
    }
    return win32sub::CopyPathOut(directory, size, buffer);
}

WIN32SUB_API BOOL WINAPI SetCurrentDirectoryW(LPCWSTR pathName) {
    win32sub::ResolvedPath path;
    if (!win32sub::ResolvePath(pathName, path)) {
        return FALSE;
    }
    struct stat info {};
    if (stat(path.linuxPath.c_str(), &info) != 0) {
        return win32sub::FailWithErrno(path.linuxPath);
    }
    if (!S_ISDIR(info.st_mode)) {
        SetLastError(ERROR_DIRECTORY);
        return FALSE;
    }
    if (chdir(path.linuxPath.c_str()) != 0) {
        return win32sub::FailWithErrno(path.linuxPath);
    }
    return TRUE;
}
