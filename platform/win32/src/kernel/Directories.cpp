// Folders: creating and removing them.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "kernel/FileErrors.h"
#include "kernel/Win32Paths.h"

WIN32SUB_API BOOL WINAPI CreateDirectoryW(LPCWSTR pathName, LPSECURITY_ATTRIBUTES) {
    win32sub::ResolvedPath path;
    if (!win32sub::ResolvePath(pathName, path)) {
        return FALSE;
    }
    if (mkdir(path.linuxPath.c_str(), 0777) != 0) {
        SetLastError(win32sub::Win32ErrorOfErrno(errno, path.linuxPath, win32sub::NameKind::Folder));
        return FALSE;
    }
    return TRUE;
}

WIN32SUB_API BOOL WINAPI RemoveDirectoryW(LPCWSTR pathName) {
    win32sub::ResolvedPath path;
    if (!win32sub::ResolvePath(pathName, path)) {
        return FALSE;
    }
    struct stat info {};
    if (lstat(path.linuxPath.c_str(), &info) != 0) {
        return win32sub::FailWithErrno(path.linuxPath);
    }
    if (!S_ISDIR(info.st_mode)) {
        SetLastError(ERROR_DIRECTORY);
        return FALSE;
    }
    if (path.isRoot) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    // A process holds its current directory open on Windows, so that folder cannot be removed.
    struct stat current {};
    if (stat(".", &current) == 0 && current.st_dev == info.st_dev && current.st_ino == info.st_ino) {
        SetLastError(ERROR_SHARING_VIOLATION);
        return FALSE;
    }
    if (rmdir(path.linuxPath.c_str()) != 0) {
        return win32sub::FailWithErrno(path.linuxPath);
    }
    return TRUE;
}
