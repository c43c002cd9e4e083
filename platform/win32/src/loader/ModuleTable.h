// The process's table of loaded modules: one entry per module file (and one for the running program), with
// its reference count, its loaded code (unless it was loaded as a data file) and its resources.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "Win32.h"
#include "loader/ResourceDirectory.h"

struct link_map;

namespace win32sub {

class ModuleTable {
public:
    // Never destroyed: modules may still call the platform while the process exits.
    static ModuleTable& Instance();

    // These set the last error when they fail, with the codes the Win32 functions of the same purpose use.
    HMODULE Load(const wchar_t* fileName, bool asDataFile);
    bool Free(HMODULE module);
    HMODULE FindLoaded(const wchar_t* moduleName);
    bool FileName(HMODULE module, std::wstring& fileName);
    FARPROC Export(HMODULE module, const char* name);

    // The resources of a module (NULL: the program). False when the handle names no loaded module; true with
    // nullptr when the module has no resources.
    bool Resources(HMODULE module, std::shared_ptr<const ResourceDirectory>& resources);

private:
    struct Module;

    ModuleTable() = default;
    Module& ProgramLocked();
    Module* FindLocked(HMODULE module);
    // The module loaded from that file, as a module (`image`) or as a data file.
    Module* FindFileLocked(dev_t device, ino_t inode, bool image);
    // The module, not a data file, of that file name.
    Module* FindNameLocked(const std::wstring& baseName);

    std::mutex mutex_;
    std::map<std::uintptr_t, std::unique_ptr<Module>> modules_;
    Module* program_ = nullptr;
    std::uintptr_t nextHandle_ = 0x10000000;
};

}  // namespace win32sub
