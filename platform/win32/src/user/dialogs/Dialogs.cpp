// Dialogs: creation from templates and the modal loop; the dialog manager is in DialogManager.cpp and the
// functions that address a dialog's items by id are in DialogItems.cpp.
//
// Dialog units become pixels with the base units of the template's font, which Windows takes from the
// font's average character width and height. There are no fonts here, so every face is measured as Arial
// (whose widths are Helvetica's) at 96 dots per inch: an 8-point font is 11 pixels high, its average width
// of "a".."z" and "A".."Z" rounds to 6 and its ascent plus descent to 13, the 6 x 13 of the common dialog
// fonts of that size.
#include "user/dialogs/DialogManager.h"

#include <algorithm>
#include <string>

#include "kernel/LastError.h"
#include "user/controls/Controls.h"
#include "user/dialogs/DialogTemplates.h"

namespace win32sub {
namespace {

// Arial's (Helvetica's) metrics in thousandths of an em: the widths of "a".."z" and "A".."Z" together, and
// the ascent and descent.
constexpr int kArialLetterWidths = 30339;
constexpr int kArialAscent = 905;
constexpr int kArialDescent = 212;

bool LoadTemplate(HINSTANCE instance, LPCWSTR name, DialogTemplate& result) {
    const HRSRC resource = FindResourceW(instance, name, RT_DIALOG);
    if (resource == nullptr) {
        return false;
    }
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(instance, resource)));
    const DWORD size = SizeofResource(instance, resource);
    if (data == nullptr || !ParseDialogTemplate(data, size, result)) {
        return win32sub::Fail(ERROR_INVALID_DATA, false);
    }
    return true;
}

// The window rectangle of a dialog whose client area the template places.
RECT DialogWindowRect(const DialogTemplate& dialog, DWORD style, DWORD exStyle, int baseX, int baseY, HWND owner) {
    const int x = MulDivRound(dialog.x, baseX, 4);
    const int y = MulDivRound(dialog.y, baseY, 8);
    RECT rect{x, y, x + MulDivRound(dialog.cx, baseX, 4), y + MulDivRound(dialog.cy, baseY, 8)};
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    if ((style & WS_CHILD) != 0) {
        return rect;
    }
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if ((style & (DS_CENTER | DS_CENTERMOUSE)) != 0) {
        OffsetRect(&rect, (screenWidth - width) / 2 - rect.left, (screenHeight - height) / 2 - rect.top);
    } else if ((style & DS_ABSALIGN) == 0 && owner != nullptr) {
        POINT origin{0, 0};
        ClientToScreen(owner, &origin);
        OffsetRect(&rect, origin.x, origin.y);
    }
    // Kept on the screen, as the dialog manager keeps a new dialog.
    OffsetRect(&rect, std::min<LONG>(0, screenWidth - rect.right), std::min<LONG>(0, screenHeight - rect.bottom));
    OffsetRect(&rect, std::max<LONG>(0, -rect.left), std::max<LONG>(0, -rect.top));
    return rect;
}

std::wstring TitleArgument(const NameOrOrdinal& title) {
    if (title.isOrdinal) {
        return std::wstring{static_cast<wchar_t>(0xFFFF), static_cast<wchar_t>(title.ordinal)};
    }
    return title.name;
}

// Creates the template's items in the dialog `window`. False when the dialog is gone: destroyed while an item
// was made, or destroyed here because an item failed without DS_NOFAILCREATE (the item's error is kept).
bool CreateItems(HINSTANCE instance, const DialogTemplate& dialog, HWND window, int baseX, int baseY) {
    for (const DialogItemTemplate& item : dialog.items) {
        std::wstring itemClass =
            item.windowClass.isOrdinal ? PredefinedClassName(item.windowClass.ordinal) : item.windowClass.name;
        const std::wstring title = TitleArgument(item.title);
        HWND control = nullptr;
        if (!itemClass.empty()) {
            control = CreateWindowExW(
                item.exStyle | WS_EX_NOPARENTNOTIFY, itemClass.c_str(), title.c_str(), item.style | WS_CHILD,
                MulDivRound(item.x, baseX, 4), MulDivRound(item.y, baseY, 8), MulDivRound(item.cx, baseX, 4),
                MulDivRound(item.cy, baseY, 8), window, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)),
                instance, item.creationData.empty() ? nullptr : const_cast<BYTE*>(item.creationData.data()));
        } else {
            SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        }
        if (!IsWindow(window)) {
            return false;
        }
        if (control == nullptr && (dialog.style & DS_NOFAILCREATE) == 0) {
            const DWORD error = GetLastError();
            DestroyWindow(window);
            SetLastError(error);
            return false;
        }
    }
    return true;
}

HWND CreateFromTemplate(HINSTANCE instance, const DialogTemplate& dialog, HWND parent, DLGPROC dialogFunc,
                        LPARAM initParam, bool modal) {
    int baseX = kSystemBaseX;
    int baseY = kSystemBaseY;
    if (dialog.hasFont) {
        FontBaseUnits(dialog.pointSize, baseX, baseY);
    }
    const DWORD style = dialog.style;
    DWORD exStyle = dialog.exStyle;
    if ((style & DS_MODALFRAME) != 0) {
        exStyle |= WS_EX_DLGMODALFRAME;
    }
    if ((style & DS_CONTROL) != 0) {
        exStyle |= WS_EX_CONTROLPARENT;
    }
    const bool child = (style & WS_CHILD) != 0;
    const HWND owner = child || parent == nullptr ? nullptr : RootOf(parent);
    const RECT rect = DialogWindowRect(dialog, style, exStyle, baseX, baseY, owner);
    std::wstring className;
    LPCWSTR classArgument = WC_DIALOG;
    if (dialog.windowClass.isOrdinal) {
        classArgument = MAKEINTATOM(dialog.windowClass.ordinal);
    } else if (!dialog.windowClass.name.empty()) {
        className = dialog.windowClass.name;
        classArgument = className.c_str();
    }
    const HWND window = CreateWindowExW(
        exStyle, classArgument, dialog.title.c_str(), style & ~static_cast<DWORD>(WS_VISIBLE), rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, instance, reinterpret_cast<LPVOID>(initParam));
    if (window == nullptr) {
        return nullptr;
    }
    auto state = std::make_shared<DialogState>();
    state->baseX = baseX;
    state->baseY = baseY;
    state->modal = modal;
    FindWindowObject(window)->dialog = state;
    if (HasExtra(window, DWLP_DLGPROC)) {
        SetWindowLongPtrW(window, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(dialogFunc));
    }
    if (!CreateItems(instance, dialog, window, baseX, baseY)) {
        return nullptr;
    }
    const HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
    const LRESULT setFocus = Deliver(window, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), initParam);
    if (!IsWindow(window)) {
        return nullptr;
    }
    // The dialog is hidden still: the control gets the focus when the dialog is activated.
    if (setFocus != 0 && first != nullptr && IsWindow(first)) {
        state->savedFocus = first;
    }
    if ((style & WS_VISIBLE) != 0 && !modal) {
        ShowWindow(window, SW_SHOWNORMAL);
    }
    return IsWindow(window) ? window : nullptr;
}

// Presses Escape in the dialog, as a user would to get out of it.
void PressEscape(HWND dialog) {
    const HWND focus = GetFocus();
    MSG key{focus != nullptr && IsChild(dialog, focus) ? focus : dialog,
            WM_KEYDOWN,
            VK_ESCAPE,
            0x00010001,
            static_cast<DWORD>(Now()),
            POINT{0, 0}};
    IsDialogMessageW(dialog, &key);
}

INT_PTR RunModal(HWND dialog, HWND owner) {
    const std::shared_ptr<DialogState> state = DialogOf(dialog);
    if (!state->ended) {
        if (owner != nullptr && IsWindowEnabled(owner)) {
            EnableWindow(owner, FALSE);
            state->disabledOwner = owner;
        }
        ShowWindow(dialog, SW_SHOWNORMAL);
    }
    const std::shared_ptr<Window> window = FindWindowObject(dialog);
    const bool idleMessages = window != nullptr && (window->style & DS_NOIDLEMSG) == 0;
    bool idleSent = false;
    bool escapePressed = false;
    while (IsWindow(dialog) && !state->ended) {
        MSG msg;
        if (NextMessage(msg, nullptr, 0, 0, true, false, dialog)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside this one
                break;
            }
            if (!IsDialogMessageW(dialog, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            idleSent = false;
            continue;
        }
        if (!idleSent && owner != nullptr && idleMessages && IsWindow(owner)) {
            idleSent = true;
            Deliver(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
            continue;
        }
        idleSent = true;
        if (AskInputSource(dialog)) {
            idleSent = false;
            continue;
        }
        // The user does nothing more. Escape first; a dialog that does not end on it could never end.
        if (!escapePressed) {
            escapePressed = true;
            PressEscape(dialog);
            continue;
        }
        EndDialog(dialog, IDCANCEL);
    }
    const INT_PTR result = state->result;
    if (state->disabledOwner != nullptr) {
        EnableWindow(state->disabledOwner, TRUE);
        state->disabledOwner = nullptr;
    }
    if (IsWindow(dialog)) {
        DestroyWindow(dialog);
    }
    return result;
}

INT_PTR DialogBoxFromTemplate(HINSTANCE instance, const DialogTemplate& dialog, HWND parent, DLGPROC dialogFunc,
                              LPARAM initParam) {
    const HWND window = CreateFromTemplate(instance, dialog, parent, dialogFunc, initParam, true);
    if (window == nullptr) {
        return -1;
    }
    const HWND owner = (dialog.style & WS_CHILD) != 0 || parent == nullptr ? nullptr : RootOf(parent);
    return RunModal(window, owner);
}

// The dialog state of a window; nullptr, with the last error set, when the handle is no window or the
// window no dialog.
std::shared_ptr<DialogState> DialogOrFail(HWND dialog) {
    if (WindowOrFail(dialog) == nullptr) {
        return nullptr;
    }
    std::shared_ptr<DialogState> state = DialogOf(dialog);
    if (state == nullptr) {
        SetLastError(ERROR_WINDOW_NOT_DIALOG);
    }
    return state;
}

}  // namespace

void FontBaseUnits(int pointSize, int& baseX, int& baseY) {
    const int em = MulDivRound(pointSize, 96, 72);
    const int letters = (kArialLetterWidths * em + 500) / 1000;
    baseX = std::max(1, (letters + 26) / 52);
    baseY = std::max(1, (kArialAscent * em + 999) / 1000 + (kArialDescent * em + 999) / 1000);
}

int LineHeightFor(HWND parent) {
    const std::shared_ptr<DialogState> state = DialogOf(parent);
    return state != nullptr ? state->baseY : kSystemBaseY;
}

}  // namespace win32sub

using win32sub::DialogState;

WIN32SUB_API HWND WINAPI CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC dialogFunc,
                                            LPARAM initParam) {
    if (parent != nullptr && win32sub::WindowOrFail(parent) == nullptr) {
        return nullptr;
    }
    win32sub::DialogTemplate dialog;
    if (!win32sub::LoadTemplate(instance, templateName, dialog)) {
        return nullptr;
    }
    return win32sub::CreateFromTemplate(instance, dialog, parent, dialogFunc, initParam, false);
}

WIN32SUB_API HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate, HWND parent,
                                                    DLGPROC dialogFunc, LPARAM initParam) {
    if (parent != nullptr && win32sub::WindowOrFail(parent) == nullptr) {
        return nullptr;
    }
    win32sub::DialogTemplate dialog;
    // Windows is not told the size of an indirect template either: it reads what the template says.
    constexpr std::size_t kUnbounded = 0x7FFFFFFF;
    if (dialogTemplate == nullptr ||
        !win32sub::ParseDialogTemplate(reinterpret_cast<const BYTE*>(dialogTemplate), kUnbounded, dialog)) {
        return win32sub::Fail(ERROR_INVALID_DATA, nullptr);
    }
    return win32sub::CreateFromTemplate(instance, dialog, parent, dialogFunc, initParam, false);
}

WIN32SUB_API INT_PTR WINAPI DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC dialogFunc,
                                            LPARAM initParam) {
    if (parent != nullptr && win32sub::WindowOrFail(parent) == nullptr) {
        return 0;
    }
    win32sub::DialogTemplate dialog;
    if (!win32sub::LoadTemplate(instance, templateName, dialog)) {
        return -1;
    }
    return win32sub::DialogBoxFromTemplate(instance, dialog, parent, dialogFunc, initParam);
}

WIN32SUB_API INT_PTR WINAPI DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate, HWND parent,
                                                    DLGPROC dialogFunc, LPARAM initParam) {
    if (parent != nullptr && win32sub::WindowOrFail(parent) == nullptr) {
        return 0;
    }
    win32sub::DialogTemplate dialog;
    constexpr std::size_t kUnbounded = 0x7FFFFFFF;
    if (dialogTemplate == nullptr ||
        !win32sub::ParseDialogTemplate(reinterpret_cast<const BYTE*>(dialogTemplate), kUnbounded, dialog)) {
        return win32sub::Fail(ERROR_INVALID_DATA, -1);
    }
    return win32sub::DialogBoxFromTemplate(instance, dialog, parent, dialogFunc, initParam);
}

WIN32SUB_API BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
    const std::shared_ptr<DialogState> state = win32sub::DialogOrFail(dialog);
    if (state == nullptr) {
        return FALSE;
    }
    state->ended = true;
    state->result = result;
    // The owner first, so that it can take the activation when the dialog hides.
    if (state->disabledOwner != nullptr) {
        EnableWindow(state->disabledOwner, TRUE);
        state->disabledOwner = nullptr;
    }
    ShowWindow(dialog, SW_HIDE);
    return TRUE;
}

WIN32SUB_API BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect) {
    const std::shared_ptr<DialogState> state = win32sub::DialogOrFail(dialog);
    if (state == nullptr) {
        return FALSE;
    }
    if (rect == nullptr) {
        return win32sub::Fail(ERROR_INVALID_PARAMETER, FALSE);
    }
    rect->left = win32sub::MulDivRound(rect->left, state->baseX, 4);
    rect->right = win32sub::MulDivRound(rect->right, state->baseX, 4);
    rect->top = win32sub::MulDivRound(rect->top, state->baseY, 8);
    rect->bottom = win32sub::MulDivRound(rect->bottom, state->baseY, 8);
    return TRUE;
}

WIN32SUB_API LONG WINAPI GetDialogBaseUnits(void) { return MAKELONG(win32sub::kSystemBaseX, win32sub::kSystemBaseY); }
