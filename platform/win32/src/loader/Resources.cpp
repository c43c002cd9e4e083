// The resource functions of kernel32. A resource handle (HRSRC) is the address of the entry in its
// module's directory, checked against that directory before use; the data handle (HGLOBAL) is the address
// of the bytes themselves, as on Win32, where LoadResource only computes an address.
#include "Win32.h"
#include "kernel/LastError.h"
#include "loader/ModuleResources.h"
#include "loader/ModuleTable.h"

using win32sub::ResourceDirectory;
using win32sub::ResourceEntry;
using win32sub::ResourceId;

namespace win32sub {

const ResourceEntry* FindModuleResource(HMODULE module, const ResourceId& type, const ResourceId& name, LANGID language,
                                        std::shared_ptr<const ResourceDirectory>& directory) {
    if (!ModuleTable::Instance().Resources(module, directory)) {
        return win32sub::Fail(ERROR_INVALID_HANDLE, nullptr);
    }
    if (directory == nullptr) {
        return win32sub::Fail(ERROR_RESOURCE_DATA_NOT_FOUND, nullptr);
    }
    DWORD error = ERROR_SUCCESS;
    const ResourceEntry* entry = directory->Find(type, name, language, error);
    if (entry == nullptr) {
        SetLastError(error);
    }
    return entry;
}

}  // namespace win32sub

namespace {

// The entry behind a resource handle of `module`, or nullptr (ERROR_INVALID_HANDLE).
const ResourceEntry* EntryOf(HMODULE module, HRSRC resource) {
    std::shared_ptr<const ResourceDirectory> directory;
    if (resource == nullptr || !win32sub::ModuleTable::Instance().Resources(module, directory) ||
        directory == nullptr || !directory->Owns(resource)) {
        return win32sub::Fail(ERROR_INVALID_HANDLE, nullptr);
    }
    // The module, and with it the entry, stays until FreeLibrary, which the caller must not race.
    return reinterpret_cast<const ResourceEntry*>(resource);
}

}  // namespace

WIN32SUB_API HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
    return FindResourceExW(module, type, name, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
}

WIN32SUB_API HRSRC WINAPI FindResourceExW(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language) {
    std::shared_ptr<const ResourceDirectory> directory;
    const ResourceEntry* entry = win32sub::FindModuleResource(module, ResourceId::FromArgument(type),
                                                              ResourceId::FromArgument(name), language, directory);
    return reinterpret_cast<HRSRC>(const_cast<ResourceEntry*>(entry));
}

WIN32SUB_API HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource) {
    const ResourceEntry* entry = EntryOf(module, resource);
    return entry != nullptr ? const_cast<unsigned char*>(entry->data) : nullptr;
}

WIN32SUB_API LPVOID WINAPI LockResource(HGLOBAL resourceData) { return resourceData; }

WIN32SUB_API DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource) {
    const ResourceEntry* entry = EntryOf(module, resource);
    return entry != nullptr ? entry->size : 0;
}

WIN32SUB_API BOOL WINAPI FreeResource(HGLOBAL resourceData) {
    (void)resourceData;
    return FALSE;
}
