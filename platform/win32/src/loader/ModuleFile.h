// Reading a module file: is it an ELF file the platform can take, and what its resource section holds.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace win32sub {

enum class ModuleFileStatus {
    Read,       // a 64-bit little-endian ELF file; `resources` says what its resource section held
    Missing,    // no such file, or not a regular file
    NotModule,  // a file, but not an ELF file of that kind
};

struct ModuleFileContents {
    dev_t device = 0;
    ino_t inode = 0;
    // The bytes of the ".win32res" section. Empty when there is no such section, or when the section table or
    // the section lies outside the file: a damaged file has no resources rather than failing.
    std::vector<unsigned char> resources;
};

ModuleFileStatus ReadModuleFile(const std::string& linuxPath, ModuleFileContents& contents);

}  // namespace win32sub
