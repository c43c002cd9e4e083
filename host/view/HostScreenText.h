// What the user reads on the screen, read from the window manager without sending a message: texts, and the
// windows themselves.
#pragma once

#include <string>
#include <vector>

#include "host/core/HostText.h"
#include "win32sub/Desktop.h"

// The text a window shows (a drop-down list's chosen entry), as UTF-8.
inline std::string HostShownText(HWND window) {
    std::wstring text(static_cast<std::size_t>(WinSub_GetShownText(window, nullptr, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(WinSub_GetShownText(window, text.data(), static_cast<int>(text.size()))));
    return HostNarrow(text);
}

// An entry of a combo or list box; empty for an index it does not have.
inline std::wstring HostEntryText(HWND window, int index) {
    const int length = WinSub_GetEntryText(window, index, nullptr, 0);
    if (length < 0) return L"";
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(WinSub_GetEntryText(window, index, text.data(), length + 1)));
    return text;
}

// The top-level windows (`parent` NULL) or the children of `parent`, the top of the Z order first.
inline std::vector<HWND> HostWindowsOf(HWND parent) {
    std::vector<HWND> windows(static_cast<std::size_t>(WinSub_GetWindows(parent, nullptr, 0)));
    windows.resize(
        static_cast<std::size_t>(WinSub_GetWindows(parent, windows.data(), static_cast<int>(windows.size()))));
    return windows;
}
