// Open files through their handles: reading, writing, the file pointer, size, flushing and closing.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "kernel/FileErrors.h"
#include "kernel/KernelObjects.h"
#include "kernel/LastError.h"
#include "kernel/SimulatedFaults.h"

using win32sub::Fail;
using win32sub::FileObject;

namespace {

// Each read or write system call moves at most this much, as Linux does anyway.
constexpr std::size_t kLargestTransfer = 0x7ffff000;

void Report(LPDWORD count, DWORD value) {
    if (count != nullptr) {
        *count = value;
    }
}

// Whether growing `file` by `growth` bytes still fits on its disk. Linux would make the new part a hole
// that takes no space; Windows claims the space at once and says so when there is none.
bool RoomFor(const FileObject& file, ULONGLONG growth) {
    struct statvfs disk {};
    if (fstatvfs(file.descriptor, &disk) != 0) {
        return true;  // no figures: let the file system decide
    }
    const ULONGLONG available = static_cast<ULONGLONG>(disk.f_bavail) * disk.f_frsize;
    return growth <= available;
}

// The file of a ReadFile or WriteFile call, when the call can go ahead: no overlapped transfer, a handle
// with one of `rights`, a buffer for any bytes to move. nullptr with the last error set otherwise.
std::shared_ptr<FileObject> TransferFile(HANDLE handle, DWORD rights, const void* buffer, DWORD bytes,
                                         LPOVERLAPPED overlapped) {
    if (overlapped != nullptr) {
        return Fail(ERROR_INVALID_PARAMETER, nullptr);
    }
    std::shared_ptr<FileObject> file = win32sub::FindFileObject(handle);
    if (file == nullptr) {
        return nullptr;
    }
    if ((file->access & rights) == 0) {
        return Fail(ERROR_ACCESS_DENIED, nullptr);
    }
    if (buffer == nullptr && bytes != 0) {
        return Fail(ERROR_INVALID_PARAMETER, nullptr);
    }
    return file;
}

}  // namespace

WIN32SUB_API BOOL WINAPI ReadFile(HANDLE handle, LPVOID buffer, DWORD numberOfBytesToRead, LPDWORD numberOfBytesRead,
                                  LPOVERLAPPED overlapped) {
    Report(numberOfBytesRead, 0);
    const std::shared_ptr<FileObject> file =
        TransferFile(handle, FILE_READ_DATA, buffer, numberOfBytesToRead, overlapped);
    if (file == nullptr) {
        return FALSE;
    }
    const std::lock_guard<std::mutex> lock(file->pointerMutex);
    DWORD total = 0;
    while (total < numberOfBytesToRead) {
        const std::size_t chunk = std::min<std::size_t>(numberOfBytesToRead - total, kLargestTransfer);
        const ssize_t n = pread(file->descriptor, static_cast<char*>(buffer) + total, chunk, file->pointer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            Report(numberOfBytesRead, total);
            return win32sub::FailWithErrno(errno, std::string());
        }
        if (n == 0) {
            break;  // the end of the file: a synchronous read succeeds with what there was
        }
        total += static_cast<DWORD>(n);
        file->pointer += n;
    }
    Report(numberOfBytesRead, total);
    return TRUE;
}

WIN32SUB_API BOOL WINAPI WriteFile(HANDLE handle, LPCVOID buffer, DWORD numberOfBytesToWrite,
                                   LPDWORD numberOfBytesWritten, LPOVERLAPPED overlapped) {
    Report(numberOfBytesWritten, 0);
    const std::shared_ptr<FileObject> file =
        TransferFile(handle, FILE_WRITE_DATA | FILE_APPEND_DATA, buffer, numberOfBytesToWrite, overlapped);
    if (file == nullptr) {
        return FALSE;
    }
    if (numberOfBytesToWrite != 0 && win32sub::TakeSimulatedFault(W32SIM_FAULT_DISK_FULL)) {
        return Fail(ERROR_DISK_FULL, FALSE);
    }
    const bool appends = (file->access & FILE_WRITE_DATA) == 0;
    const std::lock_guard<std::mutex> lock(file->pointerMutex);
    DWORD total = 0;
    while (total < numberOfBytesToWrite) {
        const std::size_t chunk = std::min<std::size_t>(numberOfBytesToWrite - total, kLargestTransfer);
        const char* from = static_cast<const char*>(buffer) + total;
        const ssize_t n =
            appends ? write(file->descriptor, from, chunk) : pwrite(file->descriptor, from, chunk, file->pointer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            Report(numberOfBytesWritten, total);
            return win32sub::FailWithErrno(n < 0 ? errno : ENOSPC, std::string());
        }
        total += static_cast<DWORD>(n);
        if (appends) {
            file->pointer = lseek(file->descriptor, 0, SEEK_END);
        } else {
            file->pointer += n;
        }
    }
    Report(numberOfBytesWritten, total);
    return TRUE;
}

WIN32SUB_API BOOL WINAPI SetFilePointerEx(HANDLE handle, LARGE_INTEGER distanceToMove, PLARGE_INTEGER newFilePointer,
                                          DWORD moveMethod) {
    const std::shared_ptr<FileObject> file = win32sub::FindFileObject(handle);
    if (file == nullptr) {
        return FALSE;
    }
    const std::lock_guard<std::mutex> lock(file->pointerMutex);
    LONGLONG base = 0;
    switch (moveMethod) {
        case FILE_BEGIN:
            break;
        case FILE_CURRENT:
            base = file->pointer;
            break;
        case FILE_END: {
            struct stat info {};
            if (fstat(file->descriptor, &info) != 0) {
                return win32sub::FailWithErrno(errno, std::string());
            }
            base = info.st_size;
            break;
        }
        default:
            return Fail(ERROR_INVALID_PARAMETER, FALSE);
    }
    LONGLONG target = 0;
    if (__builtin_add_overflow(base, distanceToMove.QuadPart, &target)) {
        return Fail(ERROR_INVALID_PARAMETER, FALSE);
    }
    if (target < 0) {
        return Fail(ERROR_NEGATIVE_SEEK, FALSE);
    }
    file->pointer = target;
    if (newFilePointer != nullptr) {
        newFilePointer->QuadPart = target;
    }
    return TRUE;
}

WIN32SUB_API BOOL WINAPI SetEndOfFile(HANDLE handle) {
    const std::shared_ptr<FileObject> file = win32sub::FindFileObject(handle);
    if (file == nullptr) {
        return FALSE;
    }
    if ((file->access & FILE_WRITE_DATA) == 0) {
        return Fail(ERROR_ACCESS_DENIED, FALSE);
    }
    const std::lock_guard<std::mutex> lock(file->pointerMutex);
    struct stat info {};
    if (fstat(file->descriptor, &info) != 0) {
        return win32sub::FailWithErrno(errno, std::string());
    }
    const LONGLONG size = file->pointer;
    if (size > info.st_size) {
        const ULONGLONG growth = static_cast<ULONGLONG>(size - info.st_size);
        if (win32sub::TakeSimulatedFault(W32SIM_FAULT_DISK_FULL) || !RoomFor(*file, growth)) {
            return Fail(ERROR_DISK_FULL, FALSE);
        }
    }
    if (ftruncate(file->descriptor, size) != 0) {
        return win32sub::FailWithErrno(errno, std::string());
    }
    return TRUE;
}

WIN32SUB_API BOOL WINAPI GetFileSizeEx(HANDLE handle, PLARGE_INTEGER fileSize) {
    const std::shared_ptr<FileObject> file = win32sub::FindFileObject(handle);
    if (file == nullptr) {
        return FALSE;
    }
    if (fileSize == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER, FALSE);
    }
    struct stat info {};
    if (fstat(file->descriptor, &info) != 0) {
        return win32sub::FailWithErrno(errno, std::string());
    }
    fileSize->QuadPart = info.st_size;
    return TRUE;
}

WIN32SUB_API BOOL WINAPI FlushFileBuffers(HANDLE handle) {
    const std::shared_ptr<FileObject> file = win32sub::FindFileObject(handle);
    if (file == nullptr) {
        return FALSE;
    }
    if ((file->access & (FILE_WRITE_DATA | FILE_APPEND_DATA)) == 0) {
        return Fail(ERROR_ACCESS_DENIED, FALSE);  // Win32 flushes only through a handle that may write
    }
    if (fsync(file->descriptor) != 0) {
        return win32sub::FailWithErrno(errno, std::string());
    }
    return TRUE;
}

WIN32SUB_API BOOL WINAPI CloseHandle(HANDLE handle) {
    // Search handles are closed by FindClose; CloseHandle does not know them.
    if (win32sub::FindFileObject(handle) == nullptr) {
        return FALSE;
    }
    if (win32sub::KernelObjects().Remove(handle) == nullptr) {
        return Fail(ERROR_INVALID_HANDLE, FALSE);  // another thread closed it first
    }
    return TRUE;
}
