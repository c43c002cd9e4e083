// LoadStringW and LoadStringA. Strings live in blocks of 16: string `id` is number id % 16 of the RT_STRING
// resource named id / 16 + 1. The blocks were converted to wide text when the module was loaded, which is
// what lets LoadStringW hand out a pointer to a string.
#include <algorithm>
#include <cwchar>
#include <memory>
#include <string>

#include "Win32.h"
#include "kernel/WideText.h"
#include "loader/ModuleResources.h"

namespace {

constexpr UINT kStringsPerBlock = 16;

// The string, or nullptr with the last error set. An empty string is no string, as on Windows.
const std::wstring* FindString(HINSTANCE instance, UINT id,
                               std::shared_ptr<const win32sub::ResourceDirectory>& directory) {
    const auto block = static_cast<WORD>((id >> 4) + 1);
    const win32sub::ResourceEntry* entry = win32sub::FindModuleResource(
        instance, win32sub::ResourceId::FromArgument(RT_STRING), win32sub::ResourceId::Number(block),
        MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), directory);
    if (entry == nullptr) {
        return nullptr;
    }
    const std::wstring& text = entry->strings[id % kStringsPerBlock];
    if (text.empty()) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return &text;
}

}  // namespace

WIN32SUB_API int WINAPI LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax) {
    if (buffer == nullptr || bufferMax < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::shared_ptr<const win32sub::ResourceDirectory> directory;
    const std::wstring* text = FindString(instance, id, directory);
    if (bufferMax == 0) {
        // The string stays where it is for as long as its module is loaded.
        *reinterpret_cast<LPCWSTR*>(buffer) = text != nullptr ? text->c_str() : nullptr;
        return text != nullptr ? static_cast<int>(text->size()) : 0;
    }
    const std::size_t count = text != nullptr ? std::min(text->size(), static_cast<std::size_t>(bufferMax) - 1) : 0;
    if (count > 0) {
        std::wmemcpy(buffer, text->data(), count);
    }
    buffer[count] = L'\0';
    return static_cast<int>(count);
}

WIN32SUB_API int WINAPI LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax) {
    if (buffer == nullptr || bufferMax <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::shared_ptr<const win32sub::ResourceDirectory> directory;
    const std::wstring* text = FindString(instance, id, directory);
    const std::string narrow = text != nullptr ? win32sub::ToUtf8(*text) : std::string();
    std::size_t count = std::min(narrow.size(), static_cast<std::size_t>(bufferMax) - 1);
    // Never end inside a character: step back over continuation bytes of the one that does not fit.
    if (count < narrow.size()) {
        while (count > 0 && (static_cast<unsigned char>(narrow[count]) & 0xC0) == 0x80) {
            --count;
        }
    }
    narrow.copy(buffer, count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}
