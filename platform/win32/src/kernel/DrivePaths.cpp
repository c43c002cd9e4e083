// Drive Z: over the Linux file system.
#include "kernel/DrivePaths.h"

#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <vector>

#include "kernel/WideText.h"

namespace win32sub {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool CurrentDirectory(std::string& directory) {
    std::vector<char> buffer(256);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1u << 20)) {
            return false;
        }
        buffer.resize(buffer.size() * 2);
    }
    directory = buffer.data();
    return true;
}

// Appends the components of `path` to `parts`, resolving "." and ".."; ".." at the root stays there.
void AddComponents(std::wstring_view path, std::vector<std::wstring>& parts) {
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !IsSeparator(path[end])) {
            ++end;
        }
        const std::wstring_view part = path.substr(start, end - start);
        if (part == L"..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != L".") {
            parts.emplace_back(part);
        }
        start = end + 1;
    }
}

}  // namespace

bool LinuxPathOf(const wchar_t* path, std::string& linuxPath) {
    if (path == nullptr) {
        return false;
    }
    std::wstring_view rest(path);
    if (rest.size() >= 4 && rest.substr(0, 4) == L"\\\\?\\") {
        rest.remove_prefix(4);
    }
    if (rest.empty() || (rest.size() >= 2 && IsSeparator(rest[0]) && IsSeparator(rest[1]))) {
        return false;  // UNC and device names lie outside drive Z:
    }
    bool rooted = false;
    if (rest.size() >= 2 && rest[1] == L':') {
        if (rest[0] != L'Z' && rest[0] != L'z') {
            return false;
        }
        rest.remove_prefix(2);
    }
    if (!rest.empty() && IsSeparator(rest[0])) {
        rooted = true;
    }

    std::vector<std::wstring> parts;
    if (!rooted) {
        // "Z:name" and "name" are both relative to the current directory, which is always on drive Z:.
        std::string current;
        if (!CurrentDirectory(current)) {
            return false;
        }
        AddComponents(FromUtf8(current), parts);
    }
    AddComponents(rest, parts);

    std::wstring joined;
    for (const std::wstring& part : parts) {
        joined += L'/';
        joined += part;
    }
    linuxPath = joined.empty() ? std::string("/") : ToUtf8(joined);
    return true;
}

std::wstring Win32PathOf(const std::string& linuxPath) {
    std::wstring path = L"Z:" + FromUtf8(linuxPath);
    for (wchar_t& c : path) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    if (path.size() == 2) {
        path += L'\\';
    }
    return path;
}

}  // namespace win32sub
