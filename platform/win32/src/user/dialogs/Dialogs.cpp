// Dialogs: creation from templates, the modal loop, the default dialog procedure and the dialog manager's
// keyboard handling, and the functions that address a dialog's items by id.
//
// Dialog units become pixels with the base units of the template's font, which Windows takes from the
// font's average character width and height. There are no fonts here, so every face is measured as Arial
// (whose widths are Helvetica's) at 96 dots per inch: an 8-point font is 11 pixels high, its average width
// of "a".."z" and "A".."Z" rounds to 6 and its ascent plus descent to 13, the 6 x 13 of the common dialog
// fonts of that size.
#include "user/dialogs/DialogManager.h"

#include <algorithm>
#include <cwctype>
#include <string>

#include "user/controls/Controls.h"
#include "user/dialogs/DialogTemplates.h"
#include "kernel/WideText.h"

namespace win32sub {
namespace {

// Arial's (Helvetica's) metrics in thousandths of an em: the widths of "a".."z" and "A".."Z" together, and
// the ascent and descent.
constexpr int kArialLetterWidths = 30339;
constexpr int kArialAscent = 905;
constexpr int kArialDescent = 212;

bool IsCtlColor(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// Messages whose answer a dialog procedure returns itself instead of through DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    constexpr UINT kVKeyToItem = 0x002E;
    constexpr UINT kCharToItem = 0x002F;
    constexpr UINT kQueryDragIcon = 0x0037;
    constexpr UINT kCompareItem = 0x0039;
    return message == WM_INITDIALOG || IsCtlColor(message) || message == kVKeyToItem ||
           message == kCharToItem || message == kQueryDragIcon || message == kCompareItem;
}

bool HasExtra(HWND dialog, int index) {
    const std::shared_ptr<Window> window = FindWindowObject(dialog);
    return window != nullptr && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= window->extra.size();
}

DLGPROC DialogProcOf(HWND dialog) {
    return HasExtra(dialog, DWLP_DLGPROC) ? reinterpret_cast<DLGPROC>(GetWindowLongPtrW(dialog, DWLP_DLGPROC))
                                          : nullptr;
}

// Gives a control the focus as the dialog manager does: an edit control gets all its text selected.
void FocusControl(HWND control) {
    SetFocus(control);
    if ((Deliver(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
        Deliver(control, EM_SETSEL, 0, -1);
    }
}

void RestoreFocus(HWND dialog) {
    const std::shared_ptr<DialogState> state = DialogOf(dialog);
    HWND target = nullptr;
    if (state != nullptr && state->savedFocus != nullptr && IsChild(dialog, state->savedFocus)) {
        target = state->savedFocus;
    } else {
        target = GetNextDlgTabItem(dialog, nullptr, FALSE);
    }
    if (target != nullptr) {
        FocusControl(target);
    }
}

LRESULT DefaultId(HWND dialog) {
    const std::shared_ptr<DialogState> state = DialogOf(dialog);
    if (state != nullptr && state->hasDefaultId) {
        return MAKELRESULT(state->defaultId, DC_HASDEFID);
    }
    const std::shared_ptr<Window> window = FindWindowObject(dialog);
    for (HWND child : window->children) {
        const std::shared_ptr<Window> control = FindWindowObject(child);
        if (control != nullptr && EqualFolded(control->windowClass->name, L"Button") &&
            (control->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            return MAKELRESULT(LOWORD(control->id), DC_HASDEFID);
        }
    }
    return 0;
}

void SetDefaultId(HWND dialog, WORD id) {
    const std::shared_ptr<DialogState> state = DialogOf(dialog);
    const LRESULT old = DefaultId(dialog);
    // The old default button becomes a plain push button, the new one the default: that is how the user
    // sees which button Enter presses.
    if (HIWORD(old) == DC_HASDEFID && LOWORD(old) != id) {
        const HWND button = GetDlgItem(dialog, LOWORD(old));
        if (button != nullptr && (Deliver(button, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0) {
            Deliver(button, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        }
    }
    const HWND button = GetDlgItem(dialog, id);
    if (button != nullptr && (Deliver(button, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON) != 0) {
        Deliver(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    }
    if (state != nullptr) {
        state->hasDefaultId = true;
        state->defaultId = id;
    }
}

bool LoadTemplate(HINSTANCE instance, LPCWSTR name, DialogTemplate& result) {
    const HRSRC resource = FindResourceW(instance, name, RT_DIALOG);
    if (resource == nullptr) {
        return false;
    }
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(instance, resource)));
    const DWORD size = SizeofResource(instance, resource);
    if (data == nullptr || !ParseDialogTemplate(data, size, result)) {
        SetLastError(ERROR_INVALID_DATA);
        return false;
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
    const HWND window = CreateWindowExW(exStyle, classArgument, dialog.title.c_str(),
                                        style & ~static_cast<DWORD>(WS_VISIBLE), rect.left, rect.top,
                                        rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, instance,
                                        reinterpret_cast<LPVOID>(initParam));
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
    for (const DialogItemTemplate& item : dialog.items) {
        std::wstring itemClass = item.windowClass.isOrdinal ? PredefinedClassName(item.windowClass.ordinal)
                                                            : item.windowClass.name;
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
            return nullptr;
        }
        if (control == nullptr && (style & DS_NOFAILCREATE) == 0) {
            const DWORD error = GetLastError();
            DestroyWindow(window);
            SetLastError(error);
            return nullptr;
        }
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
    MSG key{focus != nullptr && IsChild(dialog, focus) ? focus : dialog, WM_KEYDOWN, VK_ESCAPE, 0x00010001,
            static_cast<DWORD>(Now()), POINT{0, 0}};
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

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

}  // namespace

std::shared_ptr<DialogState> DialogOf(HWND window) {
    const std::shared_ptr<Window> found = FindWindowObject(window);
    return found != nullptr ? found->dialog : nullptr;
}

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
using win32sub::Window;

WIN32SUB_API HWND WINAPI CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent,
                                            DLGPROC dialogFunc, LPARAM initParam) {
    if (parent != nullptr && win32sub::WindowOrFail(parent) == nullptr) {
        return nullptr;
    }
    win32sub::DialogTemplate dialog;
    if (!win32sub::LoadTemplate(instance, templateName, dialog)) {
        return nullptr;
    }
    return win32sub::CreateFromTemplate(instance, dialog, parent, dialogFunc, initParam, false);
}

WIN32SUB_API HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate,
                                                    HWND parent, DLGPROC dialogFunc, LPARAM initParam) {
    if (parent != nullptr && win32sub::WindowOrFail(parent) == nullptr) {
        return nullptr;
    }
    win32sub::DialogTemplate dialog;
    // Windows is not told the size of an indirect template either: it reads what the template says.
    constexpr std::size_t kUnbounded = 0x7FFFFFFF;
    if (dialogTemplate == nullptr ||
        !win32sub::ParseDialogTemplate(reinterpret_cast<const BYTE*>(dialogTemplate), kUnbounded, dialog)) {
        SetLastError(ERROR_INVALID_DATA);
        return nullptr;
    }
    return win32sub::CreateFromTemplate(instance, dialog, parent, dialogFunc, initParam, false);
}

WIN32SUB_API INT_PTR WINAPI DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent,
                                            DLGPROC dialogFunc, LPARAM initParam) {
    if (parent != nullptr && win32sub::WindowOrFail(parent) == nullptr) {
        return 0;
    }
    win32sub::DialogTemplate dialog;
    if (!win32sub::LoadTemplate(instance, templateName, dialog)) {
        return -1;
    }
    return win32sub::DialogBoxFromTemplate(instance, dialog, parent, dialogFunc, initParam);
}

WIN32SUB_API INT_PTR WINAPI DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate,
                                                    HWND parent, DLGPROC dialogFunc, LPARAM initParam) {
    if (parent != nullptr && win32sub::WindowOrFail(parent) == nullptr) {
        return 0;
    }
    win32sub::DialogTemplate dialog;
    constexpr std::size_t kUnbounded = 0x7FFFFFFF;
    if (dialogTemplate == nullptr ||
        !win32sub::ParseDialogTemplate(reinterpret_cast<const BYTE*>(dialogTemplate), kUnbounded, dialog)) {
        SetLastError(ERROR_INVALID_DATA);
        return -1;
    }
    return win32sub::DialogBoxFromTemplate(instance, dialog, parent, dialogFunc, initParam);
}

WIN32SUB_API BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
    if (win32sub::WindowOrFail(dialog) == nullptr) {
        return FALSE;
    }
    const std::shared_ptr<DialogState> state = win32sub::DialogOf(dialog);
    if (state == nullptr) {
        SetLastError(ERROR_WINDOW_NOT_DIALOG);
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

WIN32SUB_API LRESULT WINAPI DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (win32sub::WindowOrFail(dialog) == nullptr) {
        return 0;
    }
    if (const DLGPROC dialogFunc = win32sub::DialogProcOf(dialog)) {
        const bool hasResult = win32sub::HasExtra(dialog, DWLP_MSGRESULT);
        if (hasResult) {
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
        }
        const INT_PTR handled =
            win32sub::CallProcedure([&]() -> LRESULT { return dialogFunc(dialog, message, wParam, lParam); });
        if (handled != 0) {
            if (win32sub::AnswersDirectly(message)) {
                return handled;
            }
            return hasResult && IsWindow(dialog) ? GetWindowLongPtrW(dialog, DWLP_MSGRESULT) : 0;
        }
        if (!IsWindow(dialog)) {
            return 0;
        }
    }
    switch (message) {
        case WM_INITDIALOG:
            return FALSE;
        case WM_CLOSE: {
            const HWND cancel = GetDlgItem(dialog, IDCANCEL);
            if (cancel == nullptr || IsWindowEnabled(cancel)) {
                PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
            }
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (const std::shared_ptr<DialogState> state = win32sub::DialogOf(dialog)) {
                    if (focus != nullptr && IsChild(dialog, focus)) {
                        state->savedFocus = focus;
                    }
                }
            } else {
                win32sub::RestoreFocus(dialog);
            }
            return 0;
        case WM_SETFOCUS:
            win32sub::RestoreFocus(dialog);
            return 0;
        case WM_NEXTDLGCTL: {
            HWND target = nullptr;
            if (LOWORD(lParam) != 0) {
                target = reinterpret_cast<HWND>(wParam);
            } else {
                const HWND focus = GetFocus();
                target = GetNextDlgTabItem(dialog, focus != nullptr && IsChild(dialog, focus) ? focus : nullptr,
                                           wParam != 0);
            }
            if (target != nullptr && IsChild(dialog, target)) {
                win32sub::FocusControl(target);
            }
            return 0;
        }
        case DM_GETDEFID:
            return win32sub::DefaultId(dialog);
        case DM_SETDEFID:
            win32sub::SetDefaultId(dialog, static_cast<WORD>(wParam));
            return TRUE;
        case DM_REPOSITION:
            return 0;
        case WM_ERASEBKGND:
            return 1;
        default:
            if (win32sub::IsCtlColor(message)) {
                return 0;
            }
            return DefWindowProcW(dialog, message, wParam, lParam);
    }
}

WIN32SUB_API BOOL WINAPI IsDialogMessageW(HWND dialog, LPMSG msg) {
    if (msg == nullptr || !IsWindow(dialog) || !IsWindow(msg->hwnd) ||
        !(msg->hwnd == dialog || IsChild(dialog, msg->hwnd))) {
        return FALSE;
    }
    if (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) {
        const LRESULT code = win32sub::Deliver(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
        const bool wantsAll = (code & DLGC_WANTALLKEYS) != 0;
        if (msg->message == WM_KEYDOWN && !wantsAll) {
            switch (msg->wParam) {
                case VK_TAB:
                    if ((code & DLGC_WANTTAB) == 0) {
                        const HWND focus = GetFocus();
                        const HWND next = GetNextDlgTabItem(
                            dialog, focus != nullptr && IsChild(dialog, focus) ? focus : nullptr,
                            GetKeyState(VK_SHIFT) < 0);
                        if (next != nullptr) {
                            win32sub::FocusControl(next);
                        }
                        return TRUE;
                    }
                    break;
                case VK_RETURN: {
                    const HWND focus = GetFocus();
                    HWND button = nullptr;
                    int id = IDOK;
                    if (focus != nullptr && IsChild(dialog, focus) &&
                        (win32sub::Deliver(focus, WM_GETDLGCODE, 0, 0) &
                         (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0) {
                        button = focus;
                        id = GetDlgCtrlID(focus);
                    } else {
                        const LRESULT defaultId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
                        if (HIWORD(defaultId) == DC_HASDEFID) {
                            id = LOWORD(defaultId);
                        }
                        button = GetDlgItem(dialog, id);
                    }
                    if (button == nullptr || IsWindowEnabled(button)) {
                        win32sub::Deliver(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                                          reinterpret_cast<LPARAM>(button));
                    }
                    return TRUE;
                }
                case VK_ESCAPE: {
                    const HWND cancel = GetDlgItem(dialog, IDCANCEL);
                    if (cancel == nullptr || IsWindowEnabled(cancel)) {
                        win32sub::Deliver(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                                          reinterpret_cast<LPARAM>(cancel));
                    }
                    return TRUE;
                }
                default:
                    break;
            }
        }
        if (msg->message == WM_CHAR && !wantsAll) {
            // The characters of the keys that the dialog manager took.
            if (msg->wParam == L'\r' || msg->wParam == 0x1B ||
                (msg->wParam == L'\t' && (code & DLGC_WANTTAB) == 0)) {
                return TRUE;
            }
        }
    }
    TranslateMessage(msg);
    DispatchMessageW(msg);
    return TRUE;
}

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

WIN32SUB_API HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(dialog);
    if (window == nullptr) {
        return nullptr;
    }
    const std::vector<HWND>& children = window->children;
    const auto takesTab = [](HWND child) {
        const std::shared_ptr<Window> found = win32sub::FindWindowObject(child);
        return found != nullptr && (found->style & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE);
    };
    const std::size_t count = children.size();
    if (count == 0) {
        return nullptr;
    }
    const auto at = std::find(children.begin(), children.end(), control);
    if (control == nullptr || at == children.end()) {
        if (previous) {
            const auto it = std::find_if(children.rbegin(), children.rend(), takesTab);
            return it != children.rend() ? *it : nullptr;
        }
        const auto it = std::find_if(children.begin(), children.end(), takesTab);
        return it != children.end() ? *it : nullptr;
    }
    const std::size_t start = static_cast<std::size_t>(at - children.begin());
    for (std::size_t step = 1; step <= count; ++step) {
        const std::size_t index = previous ? (start + count - step) % count : (start + step) % count;
        if (takesTab(children[index])) {
            return children[index];
        }
    }
    return nullptr;
}

WIN32SUB_API BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect) {
    if (win32sub::WindowOrFail(dialog) == nullptr) {
        return FALSE;
    }
    const std::shared_ptr<DialogState> state = win32sub::DialogOf(dialog);
    if (state == nullptr) {
        SetLastError(ERROR_WINDOW_NOT_DIALOG);
        return FALSE;
    }
    if (rect == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    rect->left = win32sub::MulDivRound(rect->left, state->baseX, 4);
    rect->right = win32sub::MulDivRound(rect->right, state->baseX, 4);
    rect->top = win32sub::MulDivRound(rect->top, state->baseY, 8);
    rect->bottom = win32sub::MulDivRound(rect->bottom, state->baseY, 8);
    return TRUE;
}

WIN32SUB_API LONG WINAPI GetDialogBaseUnits(void) {
    return MAKELONG(win32sub::kSystemBaseX, win32sub::kSystemBaseY);
}
