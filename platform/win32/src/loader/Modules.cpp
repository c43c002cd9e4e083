// The module functions of kernel32, over the module table.
#include <cwchar>
#include <string>

#include "Win32.h"
#include "loader/ModuleTable.h"

using win32sub::ModuleTable;

namespace {
// The flags that load only a file's resources.
constexpr DWORD kDataFileFlags =
    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_DATAFILE_EXCLUSIVE | LOAD_LIBRARY_AS_IMAGE_RESOURCE;
// Flags that change nothing here: every path is searched the same way.
constexpr DWORD kIgnoredFlags = LOAD_WITH_ALTERED_SEARCH_PATH;
}  // namespace

WIN32SUB_API HMODULE WINAPI LoadLibraryW(LPCWSTR fileName) { return ModuleTable::Instance().Load(fileName, false); }

WIN32SUB_API HMODULE WINAPI LoadLibraryExW(LPCWSTR fileName, HANDLE file, DWORD flags) {
    if (file != nullptr || (flags & ~(kDataFileFlags | kIgnoredFlags)) != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return ModuleTable::Instance().Load(fileName, (flags & kDataFileFlags) != 0);
}

WIN32SUB_API BOOL WINAPI FreeLibrary(HMODULE module) { return ModuleTable::Instance().Free(module) ? TRUE : FALSE; }

WIN32SUB_API FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR procName) {
    return ModuleTable::Instance().Export(module, procName);
}

WIN32SUB_API DWORD WINAPI GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size) {
    std::wstring name;
    if (!ModuleTable::Instance().FileName(module, name)) {
        return 0;
    }
    if (size == 0 || fileName == nullptr) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (name.size() >= size) {
        std::wmemcpy(fileName, name.data(), size - 1);
        fileName[size - 1] = L'\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    std::wmemcpy(fileName, name.c_str(), name.size() + 1);
    return static_cast<DWORD>(name.size());
}

WIN32SUB_API HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName) {
    return ModuleTable::Instance().FindLoaded(moduleName);
}
