// Win32 path text: the full-path rules of GetFullPathNameW, and the way from a Win32 path to the Linux file
// it names, for every file function of the platform.
#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>

#include "Win32.h"

namespace win32sub {

// The full path of `path` by GetFullPathNameW's rules; false, with the Win32 error in `error`, when there
// is none (an empty path, an unreadable current directory, a result longer than 32767 characters).
bool FullPathOf(std::wstring_view path, std::wstring& full, DWORD& error);

// Where the last name of a full path starts, or npos when the path ends in a separator.
std::size_t LastNameOf(const std::wstring& full);

// The current directory as a Z: path ("Z:\home\user"; "Z:\" at the root).
bool CurrentDirectoryOf(std::wstring& directory);

// Hands out a path by the Win32 rules of GetFullPathNameW and its kin: the length without the terminator
// when it fits in `size` characters, else the size needed with the terminator, leaving the buffer alone.
DWORD CopyPathOut(const std::wstring& path, DWORD size, LPWSTR buffer);

// A Win32 path made ready for the Linux file system.
struct ResolvedPath {
    std::wstring full;       // the full Win32 path
    std::string linuxPath;   // the absolute Linux path it names
    bool trailingSeparator;  // the path ends in a separator and is not a drive root
    bool isRoot;             // it names the root of drive Z:
};

enum class Wildcards { Refused, InLastName };

// Expands and checks `path` for a function that touches the disk. On failure the thread's last error is
// set: ERROR_PATH_NOT_FOUND for an empty path or another drive, ERROR_BAD_NETPATH for a network path,
// ERROR_INVALID_NAME for a name with a character that Win32 file names cannot hold.
bool ResolvePath(LPCWSTR path, ResolvedPath& resolved, Wildcards wildcards = Wildcards::Refused);

enum class Links { Followed, NotFollowed };

// Resolves `path` as above and reads what is there, the link itself when links are not followed; false with
// the last error set when there is nothing.
bool ExaminePath(LPCWSTR path, ResolvedPath& resolved, struct stat& info, Links links = Links::Followed);

}  // namespace win32sub
