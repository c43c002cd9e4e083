// Full paths by the Win32 rules, computed on the text alone, and their way onto drive Z:.
#include "kernel/Win32Paths.h"

#include <cwchar>
#include <vector>

#include "kernel/DrivePaths.h"
#include "kernel/FileErrors.h"

namespace win32sub {
namespace {

constexpr std::size_t kLongestPath = 32767;

bool IsDriveZ(wchar_t c) { return c == L'Z' || c == L'z'; }

std::vector<std::wstring> SplitNames(std::wstring_view text) {
    std::vector<std::wstring> names;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(L'\\', start);
        names.emplace_back(text.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start));
        if (end == std::wstring_view::npos) {
            return names;
        }
        start = end + 1;
    }
}

// Adds the names of `rest` to `names`: "." goes, ".." takes the name before it (never the root). Runs of
// separators stay as empty names, so that the caller sees them. True when `rest` ends in a separator.
bool AddNames(std::wstring_view rest, std::vector<std::wstring>& names) {
    if (rest.empty()) {
        return false;
    }
    std::vector<std::wstring> pieces = SplitNames(rest);
    const bool trailing = pieces.back().empty();
    if (trailing) {
        pieces.pop_back();
    }
    for (std::wstring& piece : pieces) {
        if (piece == L".") {
            continue;
        }
        if (piece == L"..") {
            if (!names.empty()) {
                names.pop_back();
            }
            continue;
        }
        names.push_back(std::move(piece));
    }
    return trailing;
}

// Win32 drops a single period that ends a folder name, and every period and space that ends the last
// name ("a.txt. " is "a.txt").
bool TrimNames(std::vector<std::wstring>& names, bool trailing) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::wstring& name = names[i];
        const bool last = i + 1 == names.size() && !trailing;
        if (last) {
            while (!name.empty() && (name.back() == L'.' || name.back() == L' ')) {
                name.pop_back();
            }
        } else if (name.size() >= 2 && name.back() == L'.' && name[name.size() - 2] != L'.') {
            name.pop_back();
        }
    }
    if (!trailing && !names.empty() && names.back().empty()) {
        names.pop_back();  // the last name was nothing but periods and spaces: the folder is meant
        return true;
    }
    return trailing;
}

bool CurrentDirectoryNames(std::vector<std::wstring>& names) {
    std::wstring directory;
    if (!CurrentDirectoryOf(directory)) {
        return false;
    }
    AddNames(std::wstring_view(directory).substr(3), names);
    return true;
}

bool IsInvalidNameCharacter(wchar_t c) {
    return c < 0x20 || c == L'<' || c == L'>' || c == L':' || c == L'"' || c == L'|' || c == L'?' || c == L'*';
}

// The names after the root hold no character that a Win32 file name cannot hold; wildcards may stand
// in the last name when the caller searches.
bool HasValidNames(const std::wstring& full, std::size_t rootLength, Wildcards wildcards) {
    const std::size_t lastName = LastNameOf(full);
    for (std::size_t i = rootLength; i < full.size(); ++i) {
        const wchar_t c = full[i];
        const bool wildcard = c == L'*' || c == L'?';
        if (wildcard && wildcards == Wildcards::InLastName && lastName != std::wstring::npos && i >= lastName) {
            continue;
        }
        if (IsInvalidNameCharacter(c)) {
            return false;
        }
    }
    return true;
}

// Where a full path starts: its root, the names of a current directory it is relative to, the text that
// follows, and whether a root of a share already ends it.
struct PathStart {
    std::wstring root;
    std::vector<std::wstring> names;
    std::wstring_view rest;
    bool trailing = false;
};

// The start of `path`, a path with backslashes only; false when it is relative to a current directory that
// cannot be read.
bool StartOf(const std::wstring& path, PathStart& start) {
    if (path.size() >= 2 && path[0] == L'\\' && path[1] == L'\\') {
        // \\server\share (or \\.\device): the first two names are the root, which ".." never eats into.
        const std::size_t server = path.find(L'\\', 2);
        const std::size_t share = server == std::wstring::npos ? server : path.find(L'\\', server + 1);
        if (share == std::wstring::npos) {
            start.root = path;
        } else {
            start.root = path.substr(0, share);
            start.rest = std::wstring_view(path).substr(share + 1);
            start.trailing = start.rest.empty();
        }
        return true;
    }
    if (path.size() >= 2 && path[1] == L':') {
        if (path.size() >= 3 && path[2] == L'\\') {
            start.root = path.substr(0, 3);
            start.rest = std::wstring_view(path).substr(3);
            return true;
        }
        // "X:name": relative to the drive's current directory; only Z: has one, the others their root.
        start.root = IsDriveZ(path[0]) ? std::wstring(L"Z:\\") : path.substr(0, 2) + L'\\';
        start.rest = std::wstring_view(path).substr(2);
        return !IsDriveZ(path[0]) || CurrentDirectoryNames(start.names);
    }
    start.root = L"Z:\\";
    if (path[0] == L'\\') {
        start.rest = std::wstring_view(path).substr(1);
        return true;
    }
    start.rest = path;
    return CurrentDirectoryNames(start.names);
}

// The root and the names after it, with a separator at the end when the path had one.
std::wstring JoinNames(const std::wstring& root, const std::vector<std::wstring>& names, bool trailing) {
    std::wstring full = root;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0 || full.back() != L'\\') {
            full += L'\\';
        }
        full += names[i];
    }
    if (trailing && full.back() != L'\\') {
        full += L'\\';
    } else if (trailing && !names.empty() && names.back().empty()) {
        full += L'\\';  // the run of separators at the end is kept too
    }
    return full;
}

}  // namespace

bool CurrentDirectoryOf(std::wstring& directory) {
    std::string linuxPath;
    if (!LinuxPathOf(L".", linuxPath)) {
        return false;
    }
    directory = Win32PathOf(linuxPath);
    return true;
}

std::size_t LastNameOf(const std::wstring& full) {
    if (full.empty() || full.back() == L'\\') {
        return std::wstring::npos;
    }
    const std::size_t separator = full.find_last_of(L'\\');
    if (separator == std::wstring::npos) {
        return full.size() >= 2 && full[1] == L':' ? 2 : 0;
    }
    return separator + 1;
}

bool FullPathOf(std::wstring_view input, std::wstring& full, DWORD& error) {
    if (input.empty()) {
        error = ERROR_INVALID_NAME;
        return false;
    }
    // "\\?\" hands the path to the file system as it is written.
    if (input.size() >= 4 && input.substr(0, 4) == L"\\\\?\\") {
        if (input.size() > kLongestPath) {
            error = ERROR_FILENAME_EXCED_RANGE;
            return false;
        }
        full = input;
        return true;
    }
    std::wstring path(input);
    for (wchar_t& c : path) {
        if (c == L'/') {
            c = L'\\';
        }
    }

    PathStart start;
    if (!StartOf(path, start)) {
        error = ERROR_PATH_NOT_FOUND;
        return false;
    }
    const bool trailing = TrimNames(start.names, AddNames(start.rest, start.names) || start.trailing);
    full = JoinNames(start.root, start.names, trailing);
    if (full.size() > kLongestPath) {
        error = ERROR_FILENAME_EXCED_RANGE;
        return false;
    }
    return true;
}

DWORD CopyPathOut(const std::wstring& path, DWORD size, LPWSTR buffer) {
    if (buffer == nullptr || size <= path.size()) {
        return static_cast<DWORD>(path.size() + 1);
    }
    std::wmemcpy(buffer, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}

bool ResolvePath(LPCWSTR path, ResolvedPath& resolved, Wildcards wildcards) {
    if (path == nullptr || *path == L'\0') {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    DWORD error = ERROR_SUCCESS;
    if (!FullPathOf(path, resolved.full, error)) {
        SetLastError(error);
        return false;
    }
    std::wstring_view drivePath(resolved.full);
    if (drivePath.substr(0, 4) == L"\\\\?\\") {
        drivePath.remove_prefix(4);
    }
    const bool onDriveZ =
        drivePath.size() >= 3 && IsDriveZ(drivePath[0]) && drivePath[1] == L':' && drivePath[2] == L'\\';
    if (!onDriveZ) {
        const bool network = drivePath.size() >= 2 && drivePath[0] == L'\\' && drivePath[1] == L'\\';
        SetLastError(network ? ERROR_BAD_NETPATH : ERROR_PATH_NOT_FOUND);
        return false;
    }
    const std::size_t rootLength = resolved.full.size() - drivePath.size() + 3;
    if (!HasValidNames(resolved.full, rootLength, wildcards)) {
        SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    if (!LinuxPathOf(resolved.full.c_str(), resolved.linuxPath)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    resolved.isRoot = resolved.linuxPath == "/";
    resolved.trailingSeparator = !resolved.isRoot && resolved.full.back() == L'\\';
    return true;
}

bool ExaminePath(LPCWSTR path, ResolvedPath& resolved, struct stat& info, Links links) {
    if (!ResolvePath(path, resolved)) {
        return false;
    }
    const char* linuxPath = resolved.linuxPath.c_str();
    if ((links == Links::Followed ? stat(linuxPath, &info) : lstat(linuxPath, &info)) != 0) {
        return FailWithErrno(resolved.linuxPath);
    }
    return true;
}

}  // namespace win32sub
