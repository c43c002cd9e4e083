// The resources of one module: the entries of its compiled resource file (.res), by type, name and
// language. Built once when the module is loaded and never changed, so that pointers to entries and data
// stay valid for as long as the module stays loaded.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Win32.h"

namespace win32sub {

// A resource type or name: an integer, or a string kept in upper case (Win32 compares them without regard
// to case).
struct ResourceId {
    bool isString = false;
    WORD number = 0;
    std::wstring text;

    // From an argument of the resource functions: an integer resource, "#123", or a string.
    static ResourceId FromArgument(LPCWSTR argument);
    static ResourceId Number(WORD number) { return ResourceId{false, number, {}}; }
};

struct ResourceEntry {
    ResourceId type;
    ResourceId name;
    LANGID language = 0;
    const unsigned char* data = nullptr;
    DWORD size = 0;
    // For an RT_STRING block: its 16 strings, converted to wide text and terminated.
    std::vector<std::wstring> strings;
};

class ResourceDirectory {
public:
    // The directory of the bytes of a compiled resource file; nullptr when they are not a well-formed one.
    static std::shared_ptr<const ResourceDirectory> Parse(std::vector<unsigned char> bytes);

    // The entry of that type and name in the language chosen as FindResourceExW describes; nullptr with
    // `error` set to ERROR_RESOURCE_TYPE_NOT_FOUND or ERROR_RESOURCE_NAME_NOT_FOUND.
    const ResourceEntry* Find(const ResourceId& type, const ResourceId& name, LANGID language, DWORD& error) const;

    // Whether `entry` is one of this directory's entries (used to validate resource handles).
    bool Owns(const void* entry) const;

    bool Empty() const { return entries_.empty(); }

private:
    ResourceDirectory() = default;

    std::vector<unsigned char> bytes_;
    std::vector<ResourceEntry> entries_;  // ordered by type, name and language
};

}  // namespace win32sub
