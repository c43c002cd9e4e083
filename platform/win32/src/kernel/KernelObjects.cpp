// The kernel object table and the share table.
#include "kernel/KernelObjects.h"

#include <unistd.h>

#include <map>

namespace win32sub {
namespace {

constexpr DWORD kReadRights = FILE_READ_DATA | FILE_EXECUTE;
constexpr DWORD kWriteRights = FILE_WRITE_DATA | FILE_APPEND_DATA;
// Opens that ask for none of these take part in no sharing check, neither as newcomer nor as holder.
constexpr DWORD kSharedRights = kReadRights | kWriteRights | DELETE;

struct ShareEntry {
    DWORD access;
    DWORD share;
};

struct ShareTable {
    std::mutex mutex;
    std::map<FileIdentity, std::map<const void*, ShareEntry>> files;
};

ShareTable& Shares() {
    static auto* table = new ShareTable;  // outlives every handle that static destruction may close
    return *table;
}

bool Excludes(const ShareEntry& holder, const ShareEntry& newcomer) {
    const auto conflict = [](const ShareEntry& wants, const ShareEntry& grants) {
        return ((wants.access & kReadRights) != 0 && (grants.share & FILE_SHARE_READ) == 0) ||
               ((wants.access & kWriteRights) != 0 && (grants.share & FILE_SHARE_WRITE) == 0) ||
               ((wants.access & DELETE) != 0 && (grants.share & FILE_SHARE_DELETE) == 0);
    };
    return conflict(newcomer, holder) || conflict(holder, newcomer);
}

}  // namespace

FileObject::FileObject(int descriptor_, FileIdentity identity_, DWORD access_, DWORD share_)
    : descriptor(descriptor_), identity(identity_), access(access_), share(share_) {}

FileObject::~FileObject() {
    LeaveShare(this);
    close(descriptor);
}

HandleTable<KernelObject>& KernelObjects() {
    static auto* table = new HandleTable<KernelObject>(3);
    return *table;
}

std::shared_ptr<FileObject> FindFileObject(HANDLE handle) {
    std::shared_ptr<FileObject> file = std::dynamic_pointer_cast<FileObject>(KernelObjects().Find(handle));
    if (file == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
    }
    return file;
}

DWORD ExpandFileAccess(DWORD access) {
    constexpr DWORD kStandard = READ_CONTROL | SYNCHRONIZE;
    DWORD specific = access & ~static_cast<DWORD>(GENERIC_READ | GENERIC_WRITE | GENERIC_EXECUTE | GENERIC_ALL);
    if ((access & (GENERIC_READ | GENERIC_ALL)) != 0) {
        specific |= FILE_READ_DATA | FILE_READ_ATTRIBUTES | FILE_READ_EA | kStandard;
    }
    if ((access & (GENERIC_WRITE | GENERIC_ALL)) != 0) {
        specific |= FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_WRITE_ATTRIBUTES | FILE_WRITE_EA | kStandard;
    }
    if ((access & (GENERIC_EXECUTE | GENERIC_ALL)) != 0) {
        specific |= FILE_EXECUTE | FILE_READ_ATTRIBUTES | kStandard;
    }
    if ((access & GENERIC_ALL) != 0) {
        specific |= DELETE;
    }
    return specific;
}

bool EnterShare(FileIdentity identity, DWORD access, DWORD share, const void* owner) {
    const ShareEntry newcomer{access & kSharedRights, share};
    ShareTable& table = Shares();
    const std::lock_guard<std::mutex> lock(table.mutex);
    const auto file = table.files.find(identity);
    if (file != table.files.end() && newcomer.access != 0) {
        for (const auto& [holderOwner, holder] : file->second) {
            if (holder.access != 0 && Excludes(holder, newcomer)) {
                SetLastError(ERROR_SHARING_VIOLATION);
                return false;
            }
        }
    }
    table.files[identity].emplace(owner, newcomer);
    return true;
}

void LeaveShare(const void* owner) {
    ShareTable& table = Shares();
    const std::lock_guard<std::mutex> lock(table.mutex);
    for (auto file = table.files.begin(); file != table.files.end(); ++file) {
        if (file->second.erase(owner) != 0) {
            if (file->second.empty()) {
                table.files.erase(file);
            }
            return;
        }
    }
}

std::unique_lock<std::mutex> LockShareTable() { return std::unique_lock<std::mutex>(Shares().mutex); }

bool SharesDeletionLocked(FileIdentity identity) {
    const ShareTable& table = Shares();
    const auto file = table.files.find(identity);
    if (file == table.files.end()) {
        return true;
    }
    for (const auto& [owner, holder] : file->second) {
        if (holder.access != 0 && (holder.share & FILE_SHARE_DELETE) == 0) {
            return false;
        }
    }
    return true;
}

DWORD AttributesOf(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        return FILE_ATTRIBUTE_DIRECTORY;
    }
    DWORD attributes = FILE_ATTRIBUTE_ARCHIVE;
    if ((info.st_mode & S_IWUSR) == 0) {
        attributes |= FILE_ATTRIBUTE_READONLY;
    }
    return attributes;
}

FILETIME FileTimeOf(const struct timespec& time) {
    constexpr ULONGLONG kSecondsFrom1601To1970 = 11644473600ULL;
    const ULONGLONG ticks = (static_cast<ULONGLONG>(time.tv_sec) + kSecondsFrom1601To1970) * 10000000ULL +
                            static_cast<ULONGLONG>(time.tv_nsec) / 100;
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

}  // namespace win32sub
