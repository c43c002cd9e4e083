// Kernel objects of the file functions: open files and directory searches, reached through handles, and
// the share table through which open files of this process keep each other out as Win32 sharing says.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <compare>
#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

#include "Win32.h"
#include "kernel/HandleTable.h"

namespace win32sub {

class KernelObject {
public:
    virtual ~KernelObject() = default;
};

// The file that a name leads to, whatever name was used.
struct FileIdentity {
    dev_t device;
    ino_t inode;
    auto operator<=>(const FileIdentity&) const = default;
};

// An open regular file. The file pointer is the handle's own, as on Windows; reads and writes go to it
// with pread and pwrite.
class FileObject : public KernelObject {
public:
    FileObject(int descriptor, FileIdentity identity, DWORD access, DWORD share);
    ~FileObject() override;  // closes the descriptor and gives up the file's share entry
    FileObject(const FileObject&) = delete;
    FileObject& operator=(const FileObject&) = delete;

    const int descriptor;
    const FileIdentity identity;
    const DWORD access;  // specific rights, generic ones expanded
    const DWORD share;
    std::mutex pointerMutex;
    LONGLONG pointer = 0;
};

class DirectorySearch : public KernelObject {
public:
    std::vector<WIN32_FIND_DATAW> entries;
    std::size_t next = 0;
};

HandleTable<KernelObject>& KernelObjects();

// The open file of a handle; null, with ERROR_INVALID_HANDLE, for anything else.
std::shared_ptr<FileObject> FindFileObject(HANDLE handle);

// GENERIC_* rights in terms of the specific file rights they stand for.
DWORD ExpandFileAccess(DWORD access);

// Admits an open of `identity` with `access` and `share` unless an open file of this process excludes it
// or it excludes one; `owner` identifies the entry for Leave.
bool EnterShare(FileIdentity identity, DWORD access, DWORD share, const void* owner);
void LeaveShare(const void* owner);

// Runs `remove` while no file can be opened, if every open file of `identity` shares deletion; false
// otherwise (ERROR_SHARING_VIOLATION).
template <class Remove>
bool RemoveIfShared(FileIdentity identity, Remove remove);

// Win32 attributes of a file: folder or archive, read-only when its owner may not write to it.
DWORD AttributesOf(const struct stat& info);
FILETIME FileTimeOf(const struct timespec& time);

// ---- template implementation ----
std::unique_lock<std::mutex> LockShareTable();
bool SharesDeletionLocked(FileIdentity identity);

template <class Remove>
bool RemoveIfShared(FileIdentity identity, Remove remove) {
    const std::unique_lock<std::mutex> lock = LockShareTable();
    if (!SharesDeletionLocked(identity)) {
        SetLastError(ERROR_SHARING_VIOLATION);
        return false;
    }
    return remove();
}

}  // namespace win32sub
