// The one place where the Linux file system's errno values become Win32 error codes.
#pragma once

#include <string>

#include "Win32.h"

namespace win32sub {

// What a failed call was making: Win32 reports a taken name as ERROR_FILE_EXISTS when a file was to be
// created, ERROR_ALREADY_EXISTS when a folder was.
enum class NameKind { File, Folder };

// The Win32 code of an errno value met by a file function. ENOENT and ENOTDIR need the path: Win32 says
// ERROR_FILE_NOT_FOUND when the folder is there and only the last name is missing, ERROR_PATH_NOT_FOUND
// when a folder on the way is missing or is no folder.
DWORD Win32ErrorOfErrno(int error, const std::string& linuxPath = std::string(), NameKind kind = NameKind::File);

// Sets the thread's last error from errno (or `error`); returns FALSE, for the common failure return.
BOOL FailWithErrno(const std::string& linuxPath = std::string());
BOOL FailWithErrno(int error, const std::string& linuxPath);

// ERROR_FILE_NOT_FOUND or ERROR_PATH_NOT_FOUND for a name that is not there, by whether its folder is.
DWORD NotFoundError(const std::string& linuxPath);

}  // namespace win32sub
