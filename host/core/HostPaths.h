// The host's file system and paths. Inside, a path is a Linux path; plug-ins see it in two text forms: the
// platform form through drive Z: ("Z:\home\a.pdf") and the host's own form with '/' separators and the drive
// as first component ("/Z/home/a.pdf").
#pragma once

#include <map>
#include <string>

#include "HostTypes.h"

class HostPaths {
public:
    static constexpr HostFileSys kDefaultFileSys = static_cast<HostFileSys>(1);

    // Texts that name no path on this machine (another drive, a server) give HostPath::None.
    HostPath FromPlatformText(const std::string& text);
    HostPath FromHostText(const std::string& text);
    HostPath FromLinux(const std::string& linuxPath);
    // `name` in the folder of `base`; with no base, `name` is a host-form path.
    HostPath Child(HostPath base, const std::string& name);
    bool Release(HostPath path);

    // Empty for a path that is not live.
    std::string LinuxPathOf(HostPath path) const;
    std::string HostTextOf(HostPath path) const;
    std::string PlatformTextOf(HostPath path) const;

    static std::string LinuxToHostText(const std::string& linuxPath);
    static std::string LinuxToPlatformText(const std::string& linuxPath);
    // Empty when the text is not on drive Z.
    static std::string PlatformTextToLinux(const std::string& text);
    static std::string HostTextToLinux(const std::string& text);

private:
    std::map<uint32_t, std::string> m_paths;
    uint32_t m_next = 1;
};
