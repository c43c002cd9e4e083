// Finding a resource of a loaded module, for the functions that read resources of particular kinds.
#pragma once

#include <memory>

#include "Win32.h"
#include "loader/ResourceDirectory.h"

namespace win32sub {

// The resource of that type and name in the language chosen as FindResourceExW chooses it (NULL module: the
// program), or nullptr with the last error set: ERROR_INVALID_HANDLE for a handle that names no loaded
// module, ERROR_RESOURCE_DATA_NOT_FOUND when the module has no resources, ERROR_RESOURCE_TYPE_NOT_FOUND or
// ERROR_RESOURCE_NAME_NOT_FOUND. `directory` keeps the entry alive while the caller reads it.
const ResourceEntry* FindModuleResource(HMODULE module, const ResourceId& type, const ResourceId& name, LANGID language,
                                        std::shared_ptr<const ResourceDirectory>& directory);

}  // namespace win32sub
