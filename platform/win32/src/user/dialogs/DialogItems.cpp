// The functions that address a dialog's items by their ids: find them, send them messages, set and read their
// texts, numbers and check states.
#include <string>

#include "user/WindowManager.h"

namespace win32sub {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace
}  // namespace win32sub

using win32sub::Window;

WIN32SUB_API HWND WINAPI GetDlgItem(HWND dialog, int idDlgItem) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(dialog);
    if (window == nullptr) {
        return nullptr;
    }
    for (HWND child : window->children) {
        const std::shared_ptr<Window> control = win32sub::FindWindowObject(child);
        if (control != nullptr && static_cast<DWORD>(control->id) == static_cast<DWORD>(idDlgItem)) {
            return child;
        }
    }
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

WIN32SUB_API int WINAPI GetDlgCtrlID(HWND handle) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr || win32sub::IsTopLevel(*window)) {
        return 0;
    }
    return static_cast<int>(window->id);
}

WIN32SUB_API LRESULT WINAPI SendDlgItemMessageW(HWND dialog, int idDlgItem, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    const HWND control = GetDlgItem(dialog, idDlgItem);
    return control != nullptr ? SendMessageW(control, message, wParam, lParam) : 0;
}

WIN32SUB_API BOOL WINAPI SetDlgItemTextW(HWND dialog, int idDlgItem, LPCWSTR text) {
    const HWND control = GetDlgItem(dialog, idDlgItem);
    return control != nullptr ? SetWindowTextW(control, text) : FALSE;
}

WIN32SUB_API UINT WINAPI GetDlgItemTextW(HWND dialog, int idDlgItem, LPWSTR text, int maxCount) {
    if (text != nullptr && maxCount > 0) {
        text[0] = L'\0';
    }
    const HWND control = GetDlgItem(dialog, idDlgItem);
    return control != nullptr ? static_cast<UINT>(GetWindowTextW(control, text, maxCount)) : 0;
}

WIN32SUB_API BOOL WINAPI SetDlgItemTextA(HWND dialog, int idDlgItem, LPCSTR text) {
    const HWND control = GetDlgItem(dialog, idDlgItem);
    return control != nullptr ? SetWindowTextA(control, text) : FALSE;
}

WIN32SUB_API UINT WINAPI GetDlgItemTextA(HWND dialog, int idDlgItem, LPSTR text, int maxCount) {
    if (text != nullptr && maxCount > 0) {
        text[0] = '\0';
    }
    const HWND control = GetDlgItem(dialog, idDlgItem);
    return control != nullptr ? static_cast<UINT>(GetWindowTextA(control, text, maxCount)) : 0;
}

WIN32SUB_API BOOL WINAPI SetDlgItemInt(HWND dialog, int idDlgItem, UINT value, BOOL isSigned) {
    const std::wstring text =
        isSigned ? std::to_wstring(static_cast<int>(value)) : std::to_wstring(static_cast<unsigned>(value));
    return SetDlgItemTextW(dialog, idDlgItem, text.c_str());
}

WIN32SUB_API UINT WINAPI GetDlgItemInt(HWND dialog, int idDlgItem, BOOL* translated, BOOL isSigned) {
    if (translated != nullptr) {
        *translated = FALSE;
    }
    const HWND control = GetDlgItem(dialog, idDlgItem);
    if (control == nullptr) {
        return 0;
    }
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
    std::size_t pos = 0;
    while (pos < text.size() && win32sub::IsBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && text[pos] == L'-' && isSigned) {
        negative = true;
        ++pos;
    }
    const std::size_t firstDigit = pos;
    unsigned long long value = 0;
    while (pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9') {
        value = value * 10 + static_cast<unsigned>(text[pos] - L'0');
        if (value > 0xFFFFFFFFull) {
            return 0;
        }
        ++pos;
    }
    const std::size_t lastDigit = pos;
    while (pos < text.size() && win32sub::IsBlank(text[pos])) {
        ++pos;
    }
    if (lastDigit == firstDigit || pos != text.size()) {
        return 0;
    }
    if (isSigned && value > (negative ? 0x80000000ull : 0x7FFFFFFFull)) {
        return 0;
    }
    if (translated != nullptr) {
        *translated = TRUE;
    }
    const long long signedValue = negative ? -static_cast<long long>(value) : static_cast<long long>(value);
    return static_cast<UINT>(signedValue);
}

WIN32SUB_API BOOL WINAPI CheckDlgButton(HWND dialog, int idButton, UINT check) {
    const HWND button = GetDlgItem(dialog, idButton);
    if (button == nullptr) {
        return FALSE;
    }
    SendMessageW(button, BM_SETCHECK, check, 0);
    return TRUE;
}

WIN32SUB_API UINT WINAPI IsDlgButtonChecked(HWND dialog, int idButton) {
    const HWND button = GetDlgItem(dialog, idButton);
    return button != nullptr ? static_cast<UINT>(SendMessageW(button, BM_GETCHECK, 0, 0)) : 0;
}

WIN32SUB_API BOOL WINAPI CheckRadioButton(HWND dialog, int idFirstButton, int idLastButton, int idCheckButton) {
    if (win32sub::WindowOrFail(dialog) == nullptr) {
        return FALSE;
    }
    for (int id = idFirstButton; id <= idLastButton; ++id) {
        if (const HWND button = GetDlgItem(dialog, id)) {
            SendMessageW(button, BM_SETCHECK, id == idCheckButton ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
    return TRUE;
}
