// Loading modules. A module is loaded with dlopen (RTLD_NOW, as Windows binds a module's imports when it
// loads); its resources are read from the file itself, so that loading as a data file needs no dlopen.
// Code that dlopen and dlclose run (constructors, destructors) may call the platform, so neither runs while
// the table is locked.
#include "loader/ModuleTable.h"

#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <utility>
#include <vector>

#include "kernel/DrivePaths.h"
#include "kernel/LastError.h"
#include "kernel/WideText.h"
#include "loader/ModuleFile.h"
#include "user/Cursors.h"

namespace win32sub {

struct ModuleTable::Module {
    std::uintptr_t handle = 0;
    dev_t device = 0;
    ino_t inode = 0;
    std::wstring fileName;    // full Win32 path
    std::wstring baseName;    // its last component
    void* image = nullptr;    // from dlopen; nullptr for a data file
    link_map* map = nullptr;  // the loaded object, to tell its own symbols from those it links against
    bool program = false;
    unsigned references = 1;
    std::shared_ptr<const ResourceDirectory> resources;
};

namespace {

// Where the program sits, and where modules start: values that look like the load addresses they stand
// for on Windows. Handles are never reused, so a stale one names no module.
constexpr std::uintptr_t kProgramHandle = 0x00400000;
constexpr std::uintptr_t kHandleStep = 0x10000;

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool HasPath(const std::wstring& name) { return name.find_first_of(L"\\/:") != std::wstring::npos; }

std::wstring BaseName(const std::wstring& path) {
    std::size_t start = path.size();
    while (start > 0 && !IsSeparator(path[start - 1]) && path[start - 1] != L':') {
        --start;
    }
    return path.substr(start);
}

// As on Windows: a file name without an extension means a ".dll"; a trailing "." means no extension.
std::wstring WithDefaultExtension(const wchar_t* name) {
    std::wstring result(name);
    const std::wstring base = BaseName(result);
    if (!base.empty() && base.back() == L'.') {
        result.pop_back();
    } else if (!base.empty() && base.find(L'.') == std::wstring::npos) {
        result += L".dll";
    }
    return result;
}

std::shared_ptr<const ResourceDirectory> Directory(std::vector<unsigned char> bytes) {
    if (bytes.empty()) {
        return nullptr;
    }
    std::shared_ptr<const ResourceDirectory> directory = ResourceDirectory::Parse(std::move(bytes));
    return directory != nullptr && !directory->Empty() ? directory : nullptr;
}

std::string ProgramPath() {
    std::vector<char> buffer(4096);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    return n > 0 ? std::string(buffer.data(), static_cast<std::size_t>(n)) : std::string();
}

// The loader's reason for refusing a file that is there, as a Win32 error.
DWORD LoadError(const char* reason) {
    const std::string text = reason != nullptr ? reason : "";
    if (text.find("undefined symbol") != std::string::npos) {
        return ERROR_PROC_NOT_FOUND;  // an import that nothing provides
    }
    if (text.find("cannot open shared object file") != std::string::npos) {
        return ERROR_MOD_NOT_FOUND;  // a module it depends on is missing
    }
    return ERROR_BAD_EXE_FORMAT;
}

HMODULE AsHandle(std::uintptr_t value) { return reinterpret_cast<HMODULE>(value); }

}  // namespace

ModuleTable& ModuleTable::Instance() {
    static ModuleTable* table = new ModuleTable;
    return *table;
}

ModuleTable::Module& ModuleTable::ProgramLocked() {
    if (program_ == nullptr) {
        auto module = std::make_unique<Module>();
        module->handle = kProgramHandle;
        module->program = true;
        const std::string path = ProgramPath();
        module->fileName = Win32PathOf(path);
        module->baseName = BaseName(module->fileName);
        ModuleFileContents contents;
        if (ReadModuleFile(path, contents) == ModuleFileStatus::Read) {
            module->device = contents.device;
            module->inode = contents.inode;
            module->resources = Directory(std::move(contents.resources));
        }
        module->image = dlopen(nullptr, RTLD_NOW);
        if (module->image != nullptr) {
            dlinfo(module->image, RTLD_DI_LINKMAP, &module->map);
        }
        program_ = module.get();
        modules_.emplace(kProgramHandle, std::move(module));
    }
    return *program_;
}

ModuleTable::Module* ModuleTable::FindLocked(HMODULE module) {
    if (module == nullptr) {
        return &ProgramLocked();
    }
    const auto it = modules_.find(reinterpret_cast<std::uintptr_t>(module));
    return it != modules_.end() ? it->second.get() : nullptr;
}

ModuleTable::Module* ModuleTable::FindFileLocked(dev_t device, ino_t inode, bool image) {
    ProgramLocked();
    for (auto& [handle, module] : modules_) {
        if (module->device == device && module->inode == inode && (module->image != nullptr) == image) {
            return module.get();
        }
    }
    return nullptr;
}

ModuleTable::Module* ModuleTable::FindNameLocked(const std::wstring& baseName) {
    ProgramLocked();
    for (auto& [handle, module] : modules_) {
        if (module->image != nullptr && EqualFolded(module->baseName, baseName)) {
            return module.get();
        }
    }
    return nullptr;
}

HMODULE ModuleTable::Load(const wchar_t* fileName, bool asDataFile) {
    if (fileName == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER, HMODULE{});
    }
    const std::wstring name = WithDefaultExtension(fileName);
    if (!HasPath(name)) {
        // A bare name is first looked for among the modules already loaded.
        std::lock_guard<std::mutex> lock(mutex_);
        if (Module* module = FindNameLocked(name)) {
            ++module->references;
            return AsHandle(module->handle);
        }
    }
    std::string path;
    if (name.empty() || !LinuxPathOf(name.c_str(), path)) {
        return Fail(ERROR_MOD_NOT_FOUND, HMODULE{});
    }
    ModuleFileContents contents;
    switch (ReadModuleFile(path, contents)) {
        case ModuleFileStatus::Missing:
            return Fail(ERROR_MOD_NOT_FOUND, HMODULE{});
        case ModuleFileStatus::NotModule:
            return Fail(ERROR_BAD_EXE_FORMAT, HMODULE{});
        case ModuleFileStatus::Read:
            break;
    }
    // A file already loaded is not loaded again; one loaded as a module also serves as its data file.
    auto findExisting = [&]() -> Module* {
        Module* module = FindFileLocked(contents.device, contents.inode, true);
        if (module == nullptr && asDataFile) {
            module = FindFileLocked(contents.device, contents.inode, false);
        }
        return module;
    };
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (Module* module = findExisting()) {
            ++module->references;
            return AsHandle(module->handle);
        }
    }

    auto module = std::make_unique<Module>();
    module->device = contents.device;
    module->inode = contents.inode;
    module->fileName = Win32PathOf(path);
    module->baseName = BaseName(module->fileName);
    module->resources = Directory(std::move(contents.resources));
    if (!asDataFile) {
        module->image = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module->image == nullptr) {
            return Fail(LoadError(dlerror()), HMODULE{});
        }
        dlinfo(module->image, RTLD_DI_LINKMAP, &module->map);
    }

    std::unique_ptr<Module> loser;
    HMODULE handle;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (Module* existing = findExisting()) {
            // Another thread loaded the same file meanwhile.
            ++existing->references;
            handle = AsHandle(existing->handle);
            loser = std::move(module);
        } else {
            module->handle = nextHandle_;
            nextHandle_ += kHandleStep;
            handle = AsHandle(module->handle);
            modules_.emplace(module->handle, std::move(module));
        }
    }
    if (loser != nullptr && loser->image != nullptr) {
        dlclose(loser->image);
    }
    return handle;
}

bool ModuleTable::Free(HMODULE handle) {
    std::unique_ptr<Module> unloaded;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto it = handle != nullptr ? modules_.find(reinterpret_cast<std::uintptr_t>(handle)) : modules_.end();
        if (it == modules_.end()) {
            return Fail(ERROR_MOD_NOT_FOUND, false);
        }
        if (it->second->program || --it->second->references > 0) {
            return true;
        }
        unloaded = std::move(it->second);
        modules_.erase(it);
    }
    ReleaseModuleCursors(handle);
    if (unloaded->image != nullptr) {
        dlclose(unloaded->image);
    }
    return true;
}

HMODULE ModuleTable::FindLoaded(const wchar_t* moduleName) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (moduleName == nullptr) {
        return AsHandle(ProgramLocked().handle);
    }
    const std::wstring name = WithDefaultExtension(moduleName);
    if (HasPath(name)) {
        std::string path;
        struct stat status;
        if (LinuxPathOf(name.c_str(), path) && stat(path.c_str(), &status) == 0) {
            if (Module* module = FindFileLocked(status.st_dev, status.st_ino, true)) {
                return AsHandle(module->handle);
            }
        }
    } else if (Module* module = FindNameLocked(name)) {
        return AsHandle(module->handle);
    }
    return Fail(ERROR_MOD_NOT_FOUND, HMODULE{});
}

bool ModuleTable::FileName(HMODULE handle, std::wstring& fileName) {
    std::lock_guard<std::mutex> lock(mutex_);
    const Module* module = FindLocked(handle);
    if (module == nullptr) {
        return Fail(ERROR_MOD_NOT_FOUND, false);
    }
    fileName = module->fileName;
    return true;
}

FARPROC ModuleTable::Export(HMODULE handle, const char* name) {
    void* image = nullptr;
    link_map* map = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const Module* module = FindLocked(handle);
        if (module == nullptr || module->image == nullptr) {
            // A data file is no loaded module.
            return Fail(ERROR_MOD_NOT_FOUND, FARPROC{});
        }
        image = module->image;
        map = module->map;
    }
    // Exports by ordinal do not exist here.
    if (name == nullptr || IS_INTRESOURCE(name)) {
        return Fail(ERROR_PROC_NOT_FOUND, FARPROC{});
    }
    void* symbol = dlsym(image, name);
    Dl_info info;
    link_map* owner = nullptr;
    if (symbol == nullptr || dladdr1(symbol, &info, reinterpret_cast<void**>(&owner), RTLD_DL_LINKMAP) == 0 ||
        owner != map) {
        return Fail(ERROR_PROC_NOT_FOUND, FARPROC{});
    }
    return reinterpret_cast<FARPROC>(symbol);
}

bool ModuleTable::Resources(HMODULE handle, std::shared_ptr<const ResourceDirectory>& resources) {
    std::lock_guard<std::mutex> lock(mutex_);
    const Module* module = FindLocked(handle);
    if (module == nullptr) {
        return false;
    }
    resources = module->resources;
    return true;
}

}  // namespace win32sub
