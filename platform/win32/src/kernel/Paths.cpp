// Full paths and the current directory.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "kernel/FileErrors.h"
#include "kernel/LastError.h"
#include "kernel/Win32Paths.h"

WIN32SUB_API DWORD WINAPI GetFullPathNameW(LPCWSTR fileName, DWORD size, LPWSTR buffer, LPWSTR* filePart) {
    if (fileName == nullptr) {
        return win32sub::Fail(ERROR_INVALID_PARAMETER, DWORD{0});
    }
    std::wstring full;
    DWORD error = ERROR_SUCCESS;
    if (!win32sub::FullPathOf(fileName, full, error)) {
        return win32sub::Fail(error, DWORD{0});
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
        return win32sub::Fail(win32sub::Win32ErrorOfErrno(errno), DWORD{0});
    }
    return win32sub::CopyPathOut(directory, size, buffer);
}

WIN32SUB_API BOOL WINAPI SetCurrentDirectoryW(LPCWSTR pathName) {
    win32sub::ResolvedPath path;
    struct stat info {};
    if (!win32sub::ExaminePath(pathName, path, info)) {
        return FALSE;
    }
    if (!S_ISDIR(info.st_mode)) {
        return win32sub::Fail(ERROR_DIRECTORY, FALSE);
    }
    if (chdir(path.linuxPath.c_str()) != 0) {
        return win32sub::FailWithErrno(path.linuxPath);
    }
    return TRUE;
}
