// Text conversions inside the platform: UTF-16 from resource files, UTF-8 for the Linux file system, and
// the case folding with which Win32 compares resource names, version keys and module names.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace win32sub {

// `units` little-endian UTF-16 code units at `bytes`. A surrogate pair becomes the one character it
// encodes; a lone surrogate is kept as it is.
std::wstring FromUtf16(const unsigned char* bytes, std::size_t units);

// UTF-8 of wide text; a character that has no UTF-8 form becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);
// Wide text of UTF-8; an ill-formed sequence becomes U+FFFD.
std::wstring FromUtf8(std::string_view text);

// Upper case as Win32 folds names: ASCII and Latin-1 letters.
wchar_t FoldCase(wchar_t c);
std::wstring FoldCase(std::wstring_view text);
bool EqualFolded(std::wstring_view a, std::wstring_view b);

}  // namespace win32sub
