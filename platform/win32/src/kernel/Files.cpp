// Files by name: CreateFileW with Win32 dispositions, sharing and the read-only attribute; attributes;
// deletion.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "kernel/FileErrors.h"
#include "kernel/KernelObjects.h"
#include "kernel/LastError.h"
#include "kernel/Win32Paths.h"

using win32sub::Fail;
using win32sub::FileIdentity;
using win32sub::FileObject;
using win32sub::ResolvedPath;

namespace {

constexpr DWORD kWriteRights = FILE_WRITE_DATA | FILE_APPEND_DATA;
// A new file's permissions before the umask; the read-only attribute leaves out the write bits.
constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
// Another thread may create or remove the name between our look and our open; then we look again.
constexpr int kOpenAttempts = 8;

HANDLE FailWithErrno(const ResolvedPath& path) {
    win32sub::FailWithErrno(path.linuxPath);
    return INVALID_HANDLE_VALUE;
}

int OpenFlagsFor(DWORD access) {
    const bool reads = (access & (FILE_READ_DATA | FILE_EXECUTE)) != 0;
    const bool writes = (access & kWriteRights) != 0;
    int flags = O_CLOEXEC | O_NOCTTY | (reads && writes ? O_RDWR : writes ? O_WRONLY : O_RDONLY);
    if ((access & FILE_APPEND_DATA) != 0 && (access & FILE_WRITE_DATA) == 0) {
        flags |= O_APPEND;  // append-only access writes at the end whatever the file pointer says
    }
    return flags;
}

// Opens the existing regular file or creates it, by the disposition; -1 with the last error set.
// `existed` tells which happened.
int OpenOrCreate(const ResolvedPath& path, DWORD access, DWORD disposition, DWORD flagsAndAttributes, bool& existed) {
    const bool writes = (access & kWriteRights) != 0;
    const bool truncates = disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        struct stat info {};
        existed = stat(path.linuxPath.c_str(), &info) == 0;
        if (!existed && errno != ENOENT) {
            win32sub::FailWithErrno(path.linuxPath);
            return -1;
        }
        if (existed) {
            if (disposition == CREATE_NEW) {
                SetLastError(ERROR_FILE_EXISTS);
                return -1;
            }
            if (!S_ISREG(info.st_mode)) {
                SetLastError(ERROR_ACCESS_DENIED);  // a folder, or a device: no file handle for it here
                return -1;
            }
            if (path.trailingSeparator) {
                SetLastError(ERROR_INVALID_NAME);
                return -1;
            }
            // The read-only attribute binds everyone, as on Windows, so it is checked here rather than
            // left to the permissions, which do not bind root.
            const bool readOnly = (info.st_mode & S_IWUSR) == 0;
            if (readOnly && (writes || truncates || (access & DELETE) != 0)) {
                SetLastError(ERROR_ACCESS_DENIED);
                return -1;
            }
            const int descriptor = open(path.linuxPath.c_str(), OpenFlagsFor(access));
            if (descriptor >= 0 || errno != ENOENT) {
                if (descriptor < 0) {
                    win32sub::FailWithErrno(path.linuxPath);
                }
                return descriptor;
            }
            continue;
        }
        if (disposition == OPEN_EXISTING || disposition == TRUNCATE_EXISTING) {
            SetLastError(win32sub::NotFoundError(path.linuxPath));
            return -1;
        }
        if (path.trailingSeparator) {
            SetLastError(ERROR_INVALID_NAME);
            return -1;
        }
        const mode_t mode =
            (flagsAndAttributes & FILE_ATTRIBUTE_READONLY) != 0 ? kNewFileMode & ~kWriteBits : kNewFileMode;
        const int descriptor = open(path.linuxPath.c_str(), OpenFlagsFor(access) | O_CREAT | O_EXCL, mode);
        if (descriptor >= 0 || errno != EEXIST) {
            if (descriptor < 0) {
                win32sub::FailWithErrno(path.linuxPath);
            }
            return descriptor;
        }
    }
    SetLastError(ERROR_SHARING_VIOLATION);  // the name kept changing under us: another party is busy with it
    return -1;
}

}  // namespace

WIN32SUB_API HANDLE WINAPI CreateFileW(LPCWSTR fileName, DWORD desiredAccess, DWORD shareMode, LPSECURITY_ATTRIBUTES,
                                       DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE) {
    if (creationDisposition < CREATE_NEW || creationDisposition > TRUNCATE_EXISTING ||
        (shareMode & ~static_cast<DWORD>(FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE)) != 0) {
        return Fail(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
    }
    const DWORD access = win32sub::ExpandFileAccess(desiredAccess);
    if (creationDisposition == TRUNCATE_EXISTING && (access & FILE_WRITE_DATA) == 0) {
        return Fail(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
    }
    ResolvedPath path;
    if (!win32sub::ResolvePath(fileName, path)) {
        return INVALID_HANDLE_VALUE;
    }
    if (path.isRoot) {
        return Fail(creationDisposition == CREATE_NEW ? ERROR_FILE_EXISTS : ERROR_ACCESS_DENIED, INVALID_HANDLE_VALUE);
    }

    bool existed = false;
    const int descriptor = OpenOrCreate(path, access, creationDisposition, flagsAndAttributes, existed);
    if (descriptor < 0) {
        return INVALID_HANDLE_VALUE;
    }
    struct stat info {};
    if (fstat(descriptor, &info) != 0) {
        const int error = errno;
        close(descriptor);
        win32sub::FailWithErrno(error, path.linuxPath);
        return INVALID_HANDLE_VALUE;
    }
    auto file = std::make_shared<FileObject>(descriptor, FileIdentity{info.st_dev, info.st_ino}, access, shareMode);
    if (!win32sub::EnterShare(file->identity, access, shareMode, file.get())) {
        return INVALID_HANDLE_VALUE;  // `file` closes the descriptor; nothing was changed
    }
    // Only now that the sharing rules admit us may the old contents go.
    if (existed && (creationDisposition == CREATE_ALWAYS || creationDisposition == TRUNCATE_EXISTING)) {
        const int truncated = (access & kWriteRights) != 0 && (access & FILE_APPEND_DATA) == 0
                                  ? ftruncate(descriptor, 0)
                                  : truncate(path.linuxPath.c_str(), 0);
        if (truncated != 0) {
            return FailWithErrno(path);
        }
        if ((flagsAndAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
            fchmod(descriptor, info.st_mode & ~kWriteBits & 07777);
        }
    }
    HANDLE handle = win32sub::KernelObjects().Add(std::move(file));
    const bool opensAlways = creationDisposition == CREATE_ALWAYS || creationDisposition == OPEN_ALWAYS;
    SetLastError(existed && opensAlways ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

WIN32SUB_API DWORD WINAPI GetFileAttributesW(LPCWSTR fileName) {
    ResolvedPath path;
    struct stat info {};
    if (!win32sub::ExaminePath(fileName, path, info)) {
        return INVALID_FILE_ATTRIBUTES;
    }
    if (path.trailingSeparator && !S_ISDIR(info.st_mode)) {
        return Fail(ERROR_INVALID_NAME, INVALID_FILE_ATTRIBUTES);
    }
    return win32sub::AttributesOf(info);
}

WIN32SUB_API BOOL WINAPI SetFileAttributesW(LPCWSTR fileName, DWORD attributes) {
    ResolvedPath path;
    struct stat info {};
    if (!win32sub::ExaminePath(fileName, path, info)) {
        return FALSE;
    }
    if (S_ISDIR(info.st_mode)) {
        return TRUE;  // Win32 keeps the attribute on a folder but it protects nothing
    }
    const mode_t permissions = info.st_mode & 07777;
    const mode_t wanted =
        (attributes & FILE_ATTRIBUTE_READONLY) != 0 ? permissions & ~kWriteBits : permissions | S_IWUSR;
    if (wanted != permissions && chmod(path.linuxPath.c_str(), wanted) != 0) {
        return win32sub::FailWithErrno(path.linuxPath);
    }
    return TRUE;
}

WIN32SUB_API BOOL WINAPI DeleteFileW(LPCWSTR fileName) {
    ResolvedPath path;
    struct stat info {};
    if (!win32sub::ExaminePath(fileName, path, info, win32sub::Links::NotFollowed)) {
        return FALSE;
    }
    if (S_ISDIR(info.st_mode) || path.isRoot) {
        return Fail(ERROR_ACCESS_DENIED, FALSE);  // folders go with RemoveDirectoryW
    }
    if (path.trailingSeparator) {
        return Fail(ERROR_INVALID_NAME, FALSE);
    }
    if (S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) == 0) {
        return Fail(ERROR_ACCESS_DENIED, FALSE);
    }
    return win32sub::RemoveIfShared(FileIdentity{info.st_dev, info.st_ino},
                                    [&]() -> bool {
                                        if (unlink(path.linuxPath.c_str()) != 0) {
                                            return win32sub::FailWithErrno(path.linuxPath);
                                        }
                                        return true;
                                    })
               ? TRUE
               : FALSE;
}
