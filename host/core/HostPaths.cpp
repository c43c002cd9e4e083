#include "host/core/HostPaths.h"

#include <cctype>
#include <filesystem>

namespace {

std::string Normal(const std::string& linuxPath) {
    std::string normal = std::filesystem::path(linuxPath).lexically_normal().string();
    if (normal.size() > 1 && normal.back() == '/') normal.pop_back();
    return normal;
}

}  // namespace

std::string HostPaths::PlatformTextToLinux(const std::string& text) {
    if (text.size() >= 2 && std::toupper(static_cast<unsigned char>(text[0])) == 'Z' && text[1] == ':') {
        std::string rest = text.substr(2);
        for (char& c : rest) {
            if (c == '\\') c = '/';
        }
        return Normal("/" + rest);
    }
    if (!text.empty() && text[0] == '/') return Normal(text);  // already a path of this machine
    return std::string();
}

std::string HostPaths::HostTextToLinux(const std::string& text) {
    if (text == "/Z" || text == "/z") return "/";
    if (text.size() > 2 && text[0] == '/' && (text[1] == 'Z' || text[1] == 'z') && text[2] == '/') {
        return Normal(text.substr(2));
    }
    return std::string();
}

std::string HostPaths::LinuxToHostText(const std::string& linuxPath) {
    return linuxPath == "/" ? "/Z/" : "/Z" + linuxPath;
}

std::string HostPaths::LinuxToPlatformText(const std::string& linuxPath) {
    std::string text = "Z:" + linuxPath;
    for (char& c : text) {
        if (c == '/') c = '\\';
    }
    return text;
}

HostPath HostPaths::FromLinux(const std::string& linuxPath) {
    if (linuxPath.empty()) return HostPath::None;
    const uint32_t id = m_next++;
    m_paths[id] = Normal(linuxPath);
    return static_cast<HostPath>(id);
}

HostPath HostPaths::FromPlatformText(const std::string& text) { return FromLinux(PlatformTextToLinux(text)); }

HostPath HostPaths::FromHostText(const std::string& text) { return FromLinux(HostTextToLinux(text)); }

HostPath HostPaths::Child(HostPath base, const std::string& name) {
    if (base == HostPath::None) return FromHostText(name);
    const std::string basePath = LinuxPathOf(base);
    if (basePath.empty() || name.empty()) return HostPath::None;
    const std::filesystem::path folder = std::filesystem::is_directory(basePath)
                                             ? std::filesystem::path(basePath)
                                             : std::filesystem::path(basePath).parent_path();
    return FromLinux((folder / name).string());
}

bool HostPaths::Release(HostPath path) { return m_paths.erase(static_cast<uint32_t>(path)) != 0; }

std::string HostPaths::LinuxPathOf(HostPath path) const {
    auto it = m_paths.find(static_cast<uint32_t>(path));
    return it != m_paths.end() ? it->second : std::string();
}

std::string HostPaths::HostTextOf(HostPath path) const {
    const std::string linuxPath = LinuxPathOf(path);
    return linuxPath.empty() ? linuxPath : LinuxToHostText(linuxPath);
}

std::string HostPaths::PlatformTextOf(HostPath path) const {
    const std::string linuxPath = LinuxPathOf(path);
    return linuxPath.empty() ? linuxPath : LinuxToPlatformText(linuxPath);
}
