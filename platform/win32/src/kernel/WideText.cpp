// Internal text conversions. The UTF-8 ones go through the code-page functions so that the platform has one
// UTF-8 codec.
#include "kernel/WideText.h"

#include <climits>

#include "Win32.h"

namespace win32sub {

std::wstring FromUtf16(const unsigned char* bytes, std::size_t units) {
    std::wstring text;
    text.reserve(units);
    auto unit = [bytes](std::size_t i) { return static_cast<char32_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)); };
    for (std::size_t i = 0; i < units; ++i) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units) {
            const char32_t low = unit(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        text.push_back(static_cast<wchar_t>(c));
    }
    return text;
}

std::string ToUtf8(std::wstring_view text) {
    if (text.empty() || text.size() > INT_MAX / 4) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    std::string out(static_cast<std::size_t>(length) * 4, '\0');
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), static_cast<int>(out.size()),
                                          nullptr, nullptr);
    out.resize(bytes > 0 ? static_cast<std::size_t>(bytes) : 0);
    return out;
}

std::wstring FromUtf8(std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    std::wstring out(text.size(), L'\0');
    const int chars = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, out.data(), length);
    out.resize(chars > 0 ? static_cast<std::size_t>(chars) : 0);
    return out;
}

wchar_t FoldCase(wchar_t c) {
    if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return static_cast<wchar_t>(c - 0x20);
    }
    return c == 0xFF ? static_cast<wchar_t>(0x178) : c;
}

std::wstring FoldCase(std::wstring_view text) {
    std::wstring folded(text);
    for (wchar_t& c : folded) {
        c = FoldCase(c);
    }
    return folded;
}

bool EqualFolded(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace win32sub
