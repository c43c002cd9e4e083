// errno to Win32 error codes, as the Win32 file functions report the same conditions.
#include "kernel/FileErrors.h"

#include <sys/stat.h>

#include <cerrno>

namespace win32sub {

DWORD NotFoundError(const std::string& linuxPath) {
    const std::size_t slash = linuxPath.find_last_of('/');
    if (slash == std::string::npos) {
        return ERROR_PATH_NOT_FOUND;
    }
    const std::string folder = slash == 0 ? std::string("/") : linuxPath.substr(0, slash);
    struct stat info {};
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

DWORD Win32ErrorOfErrno(int error, const std::string& linuxPath, NameKind kind) {
    switch (error) {
        case 0:
            return ERROR_SUCCESS;
        case ENOENT:
        case ENOTDIR:
            return linuxPath.empty() ? ERROR_FILE_NOT_FOUND : NotFoundError(linuxPath);
        case ELOOP:
            return ERROR_PATH_NOT_FOUND;
        case EACCES:
        case EPERM:
        case EISDIR:
            return ERROR_ACCESS_DENIED;
        case EEXIST:
            return kind == NameKind::Folder ? ERROR_ALREADY_EXISTS : ERROR_FILE_EXISTS;
        case ENOTEMPTY:
            return ERROR_DIR_NOT_EMPTY;
        case EBUSY:
        case ETXTBSY:
            return ERROR_SHARING_VIOLATION;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return ERROR_DISK_FULL;
        case EROFS:
            return ERROR_WRITE_PROTECT;
        case ENAMETOOLONG:
            return ERROR_FILENAME_EXCED_RANGE;
        case EMFILE:
        case ENFILE:
            return ERROR_TOO_MANY_OPEN_FILES;
        case ENOMEM:
            return ERROR_NOT_ENOUGH_MEMORY;
        case EBADF:
            return ERROR_INVALID_HANDLE;
        case EINVAL:
        case EOVERFLOW:
            return ERROR_INVALID_PARAMETER;
        case EOPNOTSUPP:
        case ENOSYS:
            return ERROR_NOT_SUPPORTED;
        case EAGAIN:
            return ERROR_LOCK_VIOLATION;
        case EIO:
        default:
            return ERROR_GEN_FAILURE;
    }
}

BOOL FailWithErrno(const std::string& linuxPath) { return FailWithErrno(errno, linuxPath); }

BOOL FailWithErrno(int error, const std::string& linuxPath) {
    SetLastError(Win32ErrorOfErrno(error, linuxPath));
    return FALSE;
}

}  // namespace win32sub
