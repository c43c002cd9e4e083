// Folders: creating and removing them.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "kernel/FileErrors.h"
#include "kernel/LastError.h"
#include "kernel/Win32Paths.h"

WIN32SUB_API BOOL WINAPI CreateDirectoryW(LPCWSTR pathName, LPSECURITY_ATTRIBUTES) {
    win32sub::ResolvedPath path;
    if (!win32sub::ResolvePath(pathName, path)) {
        return FALSE;
    }
    if (mkdir(path.linuxPath.c_str(), 0777) != 0) {
        return win32sub::Fail(win32sub::Win32ErrorOfErrno(errno, path.linuxPath, win32sub::NameKind::Folder), FALSE);
    }
    return TRUE;
}

WIN32SUB_API BOOL WINAPI RemoveDirectoryW(LPCWSTR pathName) {
    win32sub::ResolvedPath path;
    struct stat info {};
    if (!win32sub::ExaminePath(pathName, path, info, win32sub::Links::NotFollowed)) {
        return FALSE;
    }
    if (!S_ISDIR(info.st_mode)) {
        return win32sub::Fail(ERROR_DIRECTORY, FALSE);
    }
    if (path.isRoot) {
        return win32sub::Fail(ERROR_ACCESS_DENIED, FALSE);
    }
    // A process holds its current directory open on Windows, so that folder cannot be removed.
    struct stat current {};
    if (stat(".", &current) == 0 && current.st_dev == info.st_dev && current.st_ino == info.st_ino) {
        return win32sub::Fail(ERROR_SHARING_VIOLATION, FALSE);
    }
    if (rmdir(path.linuxPath.c_str()) != 0) {
        return win32sub::FailWithErrno(path.linuxPath);
    }
    return TRUE;
}
