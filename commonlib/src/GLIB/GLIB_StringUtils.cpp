#include "GLIB/GLIB_StringUtils.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <cwchar>

#include "GLIB/GLIB_GuardedAlloc.h"
#include "Win32.h"

namespace {

// What functions hand back when they were given no room: a text that is always empty.
char* SharedEmpty() {
    static char empty[1];
    empty[0] = '\0';
    return empty;
}

wchar_t* SharedEmptyWide() {
    static wchar_t empty[1];
    empty[0] = L'\0';
    return empty;
}

std::size_t LengthWithin(const char* text, std::size_t capacity) { return strnlen(text, capacity); }
std::size_t LengthWithin(const wchar_t* text, std::size_t capacity) { return wcsnlen(text, capacity); }
char* SharedEmptyLike(const char*) { return SharedEmpty(); }
wchar_t* SharedEmptyLike(const wchar_t*) { return SharedEmptyWide(); }

// Writes `text` with `into` (a copy, widening or narrowing into a buffer) after what `buffer` holds, when
// any room is left.
template <class Char, class Text>
Char* AppendWith(Char* (*into)(Char*, const Text*, std::size_t), Char* buffer, const Text* text, std::size_t capacity) {
    if (buffer == nullptr || capacity == 0) return SharedEmptyLike(buffer);
    const std::size_t used = LengthWithin(buffer, capacity);
    if (used < capacity) into(buffer + used, text, capacity - used);
    return buffer;
}

int ClampToInt(std::size_t capacity) { return capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity); }

// The length of the longest prefix of text[0, length) that does not end inside a UTF-8 sequence, so a cut
// never leaves half a character behind.
std::size_t CompleteUtf8Prefix(const char* text, std::size_t length) {
    std::size_t lead = length;
    for (int back = 0; back < 4 && lead > 0; ++back) {
        const unsigned char byte = static_cast<unsigned char>(text[--lead]);
        if ((byte & 0xC0) == 0x80) {
            continue;  // a continuation byte: keep looking for its lead byte
        }
        const std::size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length - lead < needed ? lead : length;
    }
    return length;  // no lead byte nearby: not UTF-8 we could repair, leave it as it is
}

// Frees a GLIB_GuardedAlloc block when the scope ends, also when building the result throws.
struct GuardedBlock {
    void* block;
    ~GuardedBlock() { GLIB_GuardedFree(block); }
};

}  // namespace

std::wstring GLIB_Widen(const char* text) {
    if (text == nullptr) text = "";
    const std::size_t length = std::strlen(text);
    GuardedBlock room{GLIB_GuardedAlloc((length + 1) * sizeof(wchar_t), __LINE__, __FILE__)};
    if (room.block == nullptr) return std::wstring();
    return std::wstring(GLIB_WidenInto(static_cast<wchar_t*>(room.block), text, length + 1));
}

std::wstring GLIB_Widen(const std::string& text) { return GLIB_Widen(text.c_str()); }

std::string GLIB_Narrow(const wchar_t* text) {
    if (text == nullptr) text = L"";
    const std::size_t length = std::wcslen(text);
    GuardedBlock room{GLIB_GuardedAlloc(6 * length + 1, __LINE__, __FILE__)};
    if (room.block == nullptr) return std::string();
    return std::string(GLIB_NarrowInto(static_cast<char*>(room.block), text, 6 * length + 1));
}

std::string GLIB_Narrow(const std::wstring& text) { return GLIB_Narrow(text.c_str()); }

char* GLIB_StrCopy(char* buffer, const char* text, std::size_t capacity) {
    if (buffer == nullptr || capacity == 0) return SharedEmpty();
    if (text == nullptr) text = "";
    std::size_t length = strnlen(text, capacity);
    if (length == capacity) length = CompleteUtf8Prefix(text, capacity - 1);
    std::memmove(buffer, text, length);
    buffer[length] = '\0';
    return buffer;
}

wchar_t* GLIB_WStrCopy(wchar_t* buffer, const wchar_t* text, std::size_t capacity) {
    if (buffer == nullptr || capacity == 0) return SharedEmptyWide();
    if (text == nullptr) text = L"";
    const std::size_t length = wcsnlen(text, capacity - 1);
    std::wmemmove(buffer, text, length);
    buffer[length] = L'\0';
    return buffer + length;
}

char* GLIB_StrAppend(char* buffer, const char* text, std::size_t capacity) {
    return AppendWith(GLIB_StrCopy, buffer, text, capacity);
}

wchar_t* GLIB_WStrAppend(wchar_t* buffer, const wchar_t* text, std::size_t capacity) {
    return AppendWith(GLIB_WStrCopy, buffer, text, capacity);
}

wchar_t* GLIB_WidenInto(wchar_t* buffer, const char* text, std::size_t capacity) {
    if (buffer == nullptr || capacity == 0) return SharedEmptyWide();
    if (text == nullptr) text = "";
    const int room = ClampToInt(capacity);
    // The system stores only whole characters of a text that does not fit; cleared room marks where they end.
    std::wmemset(buffer, L'\0', room);
    if (MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text, -1, buffer, room) == 0) {
        if (GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
            buffer[room - 1] = L'\0';
        } else {
            buffer[0] = L'\0';
        }
    }
    return buffer;
}

char* GLIB_NarrowInto(char* buffer, const wchar_t* text, std::size_t capacity) {
    if (buffer == nullptr || capacity == 0) return SharedEmpty();
    if (text == nullptr) text = L"";
    const int room = ClampToInt(capacity);
    std::memset(buffer, '\0', room);
    if (WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK | WC_SEPCHARS, text, -1, buffer, room, "?", nullptr) == 0) {
        if (GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
            buffer[room - 1] = '\0';
            buffer[CompleteUtf8Prefix(buffer, std::strlen(buffer))] = '\0';
        } else {
            buffer[0] = '\0';
        }
    }
    return buffer;
}

wchar_t* GLIB_AppendWidened(wchar_t* buffer, const char* text, std::size_t capacity) {
    return AppendWith(GLIB_WidenInto, buffer, text, capacity);
}

char* GLIB_AppendNarrowed(char* buffer, const wchar_t* text, std::size_t capacity) {
    return AppendWith(GLIB_NarrowInto, buffer, text, capacity);
}

int GLIB_VFormat(char* buffer, std::size_t capacity, const char* format, va_list arguments) {
    if (buffer == nullptr) return -1;
    if (format == nullptr) format = "";
    const int written = std::vsnprintf(buffer, capacity, format, arguments);
    if (capacity == 0) return -1;
    buffer[capacity - 1] = '\0';
    if (written >= 0 && static_cast<std::size_t>(written) < capacity) return written;
    if (written > 0) buffer[CompleteUtf8Prefix(buffer, capacity - 1)] = '\0';
    return -1;
}

int GLIB_Format(char* buffer, std::size_t capacity, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const int result = GLIB_VFormat(buffer, capacity, format, arguments);
    va_end(arguments);
    return result;
}

int GLIB_VFormatW(wchar_t* buffer, std::size_t capacity, const wchar_t* format, va_list arguments) {
    if (buffer == nullptr || capacity == 0) return -1;
    if (format == nullptr) format = L"";
    va_list attempt;
    va_copy(attempt, arguments);
    const int written = std::vswprintf(buffer, capacity, format, attempt);
    va_end(attempt);
    if (written >= 0) {
        return written;  // the wide formatter fails rather than cut, so this always fitted
    }
    // Cut or malformed: format into growing scratch room to keep as much of the text as fits.
    buffer[0] = L'\0';
    std::wstring scratch;
    for (std::size_t size = capacity < 128 ? 256 : capacity * 2; size <= (std::size_t{1} << 24); size *= 2) {
        scratch.assign(size, L'\0');
        va_copy(attempt, arguments);
        const int full = std::vswprintf(scratch.data(), size, format, attempt);
        va_end(attempt);
        if (full >= 0) {
            GLIB_WStrCopy(buffer, scratch.c_str(), capacity);
            break;
        }
    }
    return -1;
}

int GLIB_FormatW(wchar_t* buffer, std::size_t capacity, const wchar_t* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const int result = GLIB_VFormatW(buffer, capacity, format, arguments);
    va_end(arguments);
    return result;
}
