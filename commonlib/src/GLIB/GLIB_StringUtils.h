// Narrow text (the process's ANSI code page) and wide text side by side: conversions, and bounded text
// functions for building alert and log texts in caller-owned buffers of a known capacity.
//
// Buffer rules: capacity counts characters (bytes for narrow, wchar_t for wide); at most capacity - 1 are
// written and the text is always terminated. A null text is the empty text. With capacity 0 (or a null
// buffer) nothing is written and a shared empty text is returned. Narrow text is never cut inside a
// multi-byte character.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

// Conversions; a character the code page cannot represent becomes "?". Allocation failures end in the
// out-of-memory handler (GLIB_BadAllocException).
std::wstring GLIB_Widen(const char* text);
std::wstring GLIB_Widen(const std::string& text);
std::string GLIB_Narrow(const wchar_t* text);
std::string GLIB_Narrow(const std::wstring& text);

// Copies the text, cut to fit; returns the buffer.
char* GLIB_StrCopy(char* buffer, const char* text, std::size_t capacity);
// Copies the text, cut to fit; returns the position of the terminator.
wchar_t* GLIB_WStrCopy(wchar_t* buffer, const wchar_t* text, std::size_t capacity);
// Appends behind the buffer's text when it has room left; returns the buffer.
char* GLIB_StrAppend(char* buffer, const char* text, std::size_t capacity);
wchar_t* GLIB_WStrAppend(wchar_t* buffer, const wchar_t* text, std::size_t capacity);

// Converts into the buffer: a text that does not fit keeps the whole characters that do; any other failure
// leaves the empty text. Returns the buffer.
wchar_t* GLIB_WidenInto(wchar_t* buffer, const char* text, std::size_t capacity);
char* GLIB_NarrowInto(char* buffer, const wchar_t* text, std::size_t capacity);
// The same conversions behind the buffer's current text, with the capacity that remains.
wchar_t* GLIB_AppendWidened(wchar_t* buffer, const char* text, std::size_t capacity);
char* GLIB_AppendNarrowed(char* buffer, const wchar_t* text, std::size_t capacity);

// printf-style formatting into the buffer. Returns the number of characters written, or -1 when the text
// was cut (the cut text stays in the buffer) or the buffer is null. Wide formats follow the C library:
// %ls for wide text, %s for narrow text.
int GLIB_Format(char* buffer, std::size_t capacity, const char* format, ...) __attribute__((format(printf, 3, 4)));
int GLIB_FormatW(wchar_t* buffer, std::size_t capacity, const wchar_t* format, ...);
int GLIB_VFormat(char* buffer, std::size_t capacity, const char* format, va_list arguments)
    __attribute__((format(printf, 3, 0)));
int GLIB_VFormatW(wchar_t* buffer, std::size_t capacity, const wchar_t* format, va_list arguments);
