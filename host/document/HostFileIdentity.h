// What a file on disk was when the host last read or wrote it: which file (device and inode) and its state
// (size and modification time). A document is saved over its file only while the file is still that one,
// unchanged, as anything else there was written by someone else after the document was read.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string>

class HostFileIdentity {
public:
    // None when the file cannot be examined (it is gone, or the path leads nowhere).
    static std::optional<HostFileIdentity> OfPath(const std::string& path);
    static std::optional<HostFileIdentity> OfDescriptor(int fd);

    // What happened to the file since `this` was taken, for a message ("was replaced by another file"), or ""
    // when `now` is still the same file unchanged. `now` is none for a file that is gone.
    std::string ChangeTo(const std::optional<HostFileIdentity>& now) const;
    int64_t Size() const { return m_size; }

private:
    explicit HostFileIdentity(const struct stat& status);

    dev_t m_device = 0;
    ino_t m_inode = 0;
    int64_t m_size = 0;
    int64_t m_modifiedSeconds = 0;
    int64_t m_modifiedNanoseconds = 0;
};
