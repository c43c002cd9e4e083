// FormatMessage for system messages. Served: FORMAT_MESSAGE_FROM_SYSTEM, optionally with
// FORMAT_MESSAGE_IGNORE_INSERTS and FORMAT_MESSAGE_ALLOCATE_BUFFER; the texts are English. Inserts are not
// formatted: a text that has inserts (%1...) is refused with ERROR_INVALID_PARAMETER unless
// FORMAT_MESSAGE_IGNORE_INSERTS leaves them in place. Any other flag is refused the same way.
#include <algorithm>
#include <cstring>
#include <cwchar>
#include <string>
#include <string_view>

#include "Win32.h"
#include "kernel/SystemMessageTable.h"

namespace {

constexpr DWORD kServedFlags =
    FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM;

// The neutral and default languages resolve to the system's language, which is English here.
bool IsServedLanguage(DWORD languageId) {
    if (languageId > 0xFFFF) {
        return false;
    }
    return languageId == 0 || languageId == MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT) ||
           languageId == MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT) || PRIMARYLANGID(languageId) == LANG_ENGLISH;
}

// The message text, or nullptr with the last error set. With allocation asked for, `buffer` is the address
// of the caller's pointer, which is cleared first so that a failed call leaves nothing to free.
const wchar_t* FindText(DWORD flags, DWORD messageId, DWORD languageId, void* buffer) {
    if ((flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) != 0 && buffer != nullptr) {
        *static_cast<void**>(buffer) = nullptr;
    }
    if ((flags & ~kServedFlags) != 0 || (flags & FORMAT_MESSAGE_FROM_SYSTEM) == 0 || buffer == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!IsServedLanguage(languageId)) {
        SetLastError(ERROR_RESOURCE_LANG_NOT_FOUND);
        return nullptr;
    }
    const wchar_t* text = win32sub::FindSystemMessage(messageId);
    if (text == nullptr) {
        SetLastError(ERROR_MR_MID_NOT_FOUND);
        return nullptr;
    }
    if ((flags & FORMAT_MESSAGE_IGNORE_INSERTS) == 0 && std::wcschr(text, L'%') != nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return text;
}

// Where `chars` characters (terminator included) go: a new local block or the caller's buffer of `size`.
template <typename Char>
Char* Destination(DWORD flags, void* buffer, DWORD size, std::size_t chars) {
    if ((flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) != 0) {
        // `size` is then the least number of characters to allocate.
        const std::size_t count = std::max<std::size_t>(chars, size);
        auto* block = static_cast<Char*>(LocalAlloc(LMEM_FIXED, count * sizeof(Char)));
        *static_cast<Char**>(buffer) = block;  // NULL when LocalAlloc failed and set the error
        return block;
    }
    if (size < chars) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nullptr;
    }
    return static_cast<Char*>(buffer);
}

// Hands `text` out where the flags say; its length without the terminator, or 0 with the last error set.
template <typename Char>
DWORD CopyOut(DWORD flags, void* buffer, DWORD size, std::basic_string_view<Char> text) {
    Char* out = Destination<Char>(flags, buffer, size, text.size() + 1);
    if (out == nullptr) {
        return 0;
    }
    std::copy(text.begin(), text.end(), out);
    out[text.size()] = Char{};
    return static_cast<DWORD>(text.size());
}

}  // namespace

WIN32SUB_API DWORD WINAPI FormatMessageW(DWORD flags, LPCVOID /*source*/, DWORD messageId, DWORD languageId,
                                         LPWSTR buffer, DWORD size, va_list* /*arguments*/) {
    const wchar_t* text = FindText(flags, messageId, languageId, buffer);
    return text != nullptr ? CopyOut(flags, buffer, size, std::wstring_view(text)) : 0;
}

WIN32SUB_API DWORD WINAPI FormatMessageA(DWORD flags, LPCVOID /*source*/, DWORD messageId, DWORD languageId,
                                         LPSTR buffer, DWORD size, va_list* /*arguments*/) {
    const wchar_t* text = FindText(flags, messageId, languageId, buffer);
    if (text == nullptr) {
        return 0;
    }
    // In the ANSI code page, counted with the terminator.
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes == 0) {
        return 0;
    }
    std::string ansi(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), bytes, nullptr, nullptr);
    ansi.pop_back();  // the terminator, which CopyOut puts back
    return CopyOut(flags, buffer, size, std::string_view(ansi));
}
