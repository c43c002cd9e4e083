// Directory searches: FindFirstFileW reads the folder once, keeps the matching names in order, and the
// search handle hands them out.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cwchar>
#include <string_view>

#include "kernel/FileErrors.h"
#include "kernel/KernelObjects.h"
#include "kernel/LastError.h"
#include "kernel/WideText.h"
#include "kernel/Win32Paths.h"

using win32sub::DirectorySearch;

namespace {

// "*" any run of characters, "?" any one character.
bool Matches(std::wstring_view pattern, std::wstring_view name) {
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starAt = std::wstring_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == L'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == L'*') {
            starAt = p++;
            starName = n;
        } else if (starAt != std::wstring_view::npos) {
            p = starAt + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*') {
        ++p;
    }
    return p == pattern.size();
}

// As in DOS, a pattern ending in ".*" also takes names without that extension, so "*.*" takes every name.
bool MatchesWin32(std::wstring_view pattern, std::wstring_view name) {
    if (Matches(pattern, name)) {
        return true;
    }
    return pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == L".*" &&
           Matches(pattern.substr(0, pattern.size() - 2), name);
}

WIN32_FIND_DATAW EntryOf(const std::wstring& name, const struct stat& info) {
    WIN32_FIND_DATAW entry{};
    entry.dwFileAttributes = win32sub::AttributesOf(info);
    // Linux keeps no creation time that every file system offers; the last change stands in for it.
    entry.ftCreationTime = win32sub::FileTimeOf(info.st_mtim);
    entry.ftLastAccessTime = win32sub::FileTimeOf(info.st_atim);
    entry.ftLastWriteTime = win32sub::FileTimeOf(info.st_mtim);
    if (!S_ISDIR(info.st_mode)) {
        const auto size = static_cast<ULONGLONG>(info.st_size);
        entry.nFileSizeHigh = static_cast<DWORD>(size >> 32);
        entry.nFileSizeLow = static_cast<DWORD>(size);
    }
    const std::size_t length = std::min<std::size_t>(name.size(), MAX_PATH - 1);
    std::wmemcpy(entry.cFileName, name.data(), length);
    entry.cFileName[length] = L'\0';
    return entry;
}

// NTFS hands names out in its upper-case order; names that differ only in case follow each other.
bool NameOrder(const WIN32_FIND_DATAW& a, const WIN32_FIND_DATAW& b) {
    const std::wstring foldedA = win32sub::FoldCase(a.cFileName);
    const std::wstring foldedB = win32sub::FoldCase(b.cFileName);
    if (foldedA != foldedB) {
        return foldedA < foldedB;
    }
    return std::wcscmp(a.cFileName, b.cFileName) < 0;
}

// Reads the folder's matching entries; false with the last error set when the folder cannot be read.
bool ReadFolder(const std::string& folder, bool isRoot, std::wstring_view pattern,
                std::vector<WIN32_FIND_DATAW>& entries) {
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) {
        return win32sub::FailWithErrno(folder);
    }
    std::vector<WIN32_FIND_DATAW> dots;
    errno = 0;
    while (const dirent* item = readdir(directory)) {
        const std::string linuxName = item->d_name;
        const bool isDot = linuxName == "." || linuxName == "..";
        if (isDot && isRoot) {
            continue;  // a drive's root has no "." and ".." entries
        }
        const std::wstring name = win32sub::FromUtf8(linuxName);
        if (!MatchesWin32(pattern, name)) {
            continue;
        }
        const std::string path = folder == "/" ? "/" + linuxName : folder + "/" + linuxName;
        struct stat info {};
        if (stat(path.c_str(), &info) != 0 && lstat(path.c_str(), &info) != 0) {
            continue;  // gone since the folder was read
        }
        (isDot ? dots : entries).push_back(EntryOf(name, info));
    }
    const int error = errno;
    closedir(directory);
    if (error != 0) {
        return win32sub::FailWithErrno(error, folder);
    }
    std::sort(entries.begin(), entries.end(), NameOrder);
    std::sort(dots.begin(), dots.end(), NameOrder);
    entries.insert(entries.begin(), dots.begin(), dots.end());
    return true;
}

}  // namespace

WIN32SUB_API HANDLE WINAPI FindFirstFileW(LPCWSTR fileName, LPWIN32_FIND_DATAW findFileData) {
    if (findFileData == nullptr) {
        return win32sub::Fail(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
    }
    win32sub::ResolvedPath path;
    if (!win32sub::ResolvePath(fileName, path, win32sub::Wildcards::InLastName)) {
        return INVALID_HANDLE_VALUE;
    }
    const std::size_t lastName = win32sub::LastNameOf(path.full);
    if (lastName == std::wstring::npos || path.isRoot) {
        return win32sub::Fail(ERROR_FILE_NOT_FOUND,
                              INVALID_HANDLE_VALUE);  // a folder named with a separator at its end is no search
    }
    const std::wstring pattern = path.full.substr(lastName);
    const std::size_t slash = path.linuxPath.find_last_of('/');
    const std::string folder = slash == 0 ? std::string("/") : path.linuxPath.substr(0, slash);

    struct stat info {};
    if (stat(folder.c_str(), &info) != 0) {
        // The folder itself is missing, so this is a path not found whatever its parent holds.
        SetLastError(errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND
                                                         : win32sub::Win32ErrorOfErrno(errno, folder));
        return INVALID_HANDLE_VALUE;
    }
    if (!S_ISDIR(info.st_mode)) {
        return win32sub::Fail(ERROR_DIRECTORY, INVALID_HANDLE_VALUE);
    }
    auto search = std::make_shared<DirectorySearch>();
    if (!ReadFolder(folder, folder == "/", pattern, search->entries)) {
        return INVALID_HANDLE_VALUE;
    }
    if (search->entries.empty()) {
        return win32sub::Fail(ERROR_FILE_NOT_FOUND, INVALID_HANDLE_VALUE);
    }
    *findFileData = search->entries[0];
    search->next = 1;
    SetLastError(ERROR_SUCCESS);
    return win32sub::KernelObjects().Add(std::move(search));
}

WIN32SUB_API BOOL WINAPI FindNextFileW(HANDLE findFile, LPWIN32_FIND_DATAW findFileData) {
    const auto search = std::dynamic_pointer_cast<DirectorySearch>(win32sub::KernelObjects().Find(findFile));
    if (search == nullptr) {
        return win32sub::Fail(ERROR_INVALID_HANDLE, FALSE);
    }
    if (findFileData == nullptr) {
        return win32sub::Fail(ERROR_INVALID_PARAMETER, FALSE);
    }
    if (search->next >= search->entries.size()) {
        return win32sub::Fail(ERROR_NO_MORE_FILES, FALSE);
    }
    *findFileData = search->entries[search->next++];
    return TRUE;
}

WIN32SUB_API BOOL WINAPI FindClose(HANDLE findFile) {
    if (std::dynamic_pointer_cast<DirectorySearch>(win32sub::KernelObjects().Find(findFile)) == nullptr ||
        win32sub::KernelObjects().Remove(findFile) == nullptr) {
        return win32sub::Fail(ERROR_INVALID_HANDLE, FALSE);
    }
    return TRUE;
}
