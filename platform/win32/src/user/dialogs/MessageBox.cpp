// Message boxes. There is no screen here: the presenter that the host installs shows the box to the user and
// brings back the answer.
#include <cstdio>
#include <string>

#include "Win32.h"
#include "kernel/WideText.h"

namespace {

// The answer a box gives when its default (first) button is chosen.
int FirstButtonOf(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_ABORTRETRYIGNORE:
            return IDABORT;
        case MB_YESNOCANCEL:
        case MB_YESNO:
            return IDYES;
        case MB_RETRYCANCEL:
            return IDRETRY;
        default:
            return IDOK;
    }
}

int PresentOnStandardError(HWND, LPCWSTR text, LPCWSTR caption, UINT type) {
    std::fprintf(stderr, "[message box] %ls: %ls\n", caption != nullptr ? caption : L"Error",
                 text != nullptr ? text : L"");
    return FirstButtonOf(type);
}

WinSubMessageBoxPresenter s_presenter = PresentOnStandardError;

}  // namespace

WIN32SUB_API WinSubMessageBoxPresenter WINAPI WinSub_SetMessageBoxPresenter(WinSubMessageBoxPresenter presenter) {
    const WinSubMessageBoxPresenter previous = s_presenter;
    s_presenter = presenter != nullptr ? presenter : PresentOnStandardError;
    return previous;
}

WIN32SUB_API int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    return s_presenter(owner, text != nullptr ? text : L"", caption != nullptr ? caption : L"Error", type);
}

WIN32SUB_API int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    const std::wstring wideText = win32sub::FromUtf8(text != nullptr ? text : "");
    const std::wstring wideCaption = win32sub::FromUtf8(caption != nullptr ? caption : "Error");
    return MessageBoxW(owner, wideText.c_str(), wideCaption.c_str(), type);
}
