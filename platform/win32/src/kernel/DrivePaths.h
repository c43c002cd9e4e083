// The Linux file system as Win32 sees it: drive Z: is the root, so Z:\home\a.api is /home/a.api. Every
// function of the platform that takes or returns a file name goes through here.
#pragma once

#include <string>

namespace win32sub {

// The absolute Linux path that a Win32 path names. "\" and "/" both separate; "." and ".." are resolved
// by name, as Win32 does. A path without a drive is relative to the current directory, one starting with a
// separator to the root of Z:; "\\?\" in front is accepted. False for other drives, UNC and device names,
// an empty or NULL path, and a current directory that cannot be read.
bool LinuxPathOf(const wchar_t* path, std::string& linuxPath);

// The Win32 path of an absolute Linux path: "/home/a.api" is "Z:\home\a.api".
std::wstring Win32PathOf(const std::string& linuxPath);

}  // namespace win32sub
