#include "host/document/HostFileIdentity.h"

HostFileIdentity::HostFileIdentity(const struct stat& status)
    : m_device(status.st_dev),
      m_inode(status.st_ino),
      m_size(status.st_size),
      m_modifiedSeconds(status.st_mtim.tv_sec),
      m_modifiedNanoseconds(status.st_mtim.tv_nsec) {}

std::optional<HostFileIdentity> HostFileIdentity::OfPath(const std::string& path) {
    struct stat status;
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    return HostFileIdentity(status);
}

std::optional<HostFileIdentity> HostFileIdentity::OfDescriptor(int fd) {
    struct stat status;
    if (::fstat(fd, &status) != 0) return std::nullopt;
    return HostFileIdentity(status);
}

std::string HostFileIdentity::ChangeTo(const std::optional<HostFileIdentity>& now) const {
    if (!now) return "was removed";
    if (now->m_device != m_device || now->m_inode != m_inode) return "was replaced by another file";
    if (now->m_size != m_size) {
        return "changed size from " + std::to_string(m_size) + " to " + std::to_string(now->m_size) + " bytes";
    }
    if (now->m_modifiedSeconds != m_modifiedSeconds || now->m_modifiedNanoseconds != m_modifiedNanoseconds) {
        return "was written to";
    }
    return "";
}
