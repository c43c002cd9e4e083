// The dialog manager: the default dialog procedure, which passes each message to the dialog's own procedure
// first, and the keyboard interface that IsDialogMessageW gives a dialog: Tab through the tab order, Enter
// for the default button, Escape for Cancel.
#include "user/dialogs/DialogManager.h"

#include <algorithm>

#include "kernel/WideText.h"

namespace win32sub {
namespace {

bool IsCtlColor(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

// Messages whose answer a dialog procedure returns itself instead of through DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    constexpr UINT kVKeyToItem = 0x002E;
    constexpr UINT kCharToItem = 0x002F;
    constexpr UINT kQueryDragIcon = 0x0037;
    constexpr UINT kCompareItem = 0x0039;
    return message == WM_INITDIALOG || IsCtlColor(message) || message == kVKeyToItem || message == kCharToItem ||
           message == kQueryDragIcon || message == kCompareItem;
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

// Passes the message to the dialog's own procedure, when it has one. True, with the answer, when that
// procedure handled the message or destroyed the dialog; false when the default handling follows.
bool AnsweredByDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer) {
    const DLGPROC dialogFunc = DialogProcOf(dialog);
    if (dialogFunc == nullptr) {
        return false;
    }
    const bool hasResult = HasExtra(dialog, DWLP_MSGRESULT);
    if (hasResult) {
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
    }
    const INT_PTR handled = CallProcedure([&]() -> LRESULT { return dialogFunc(dialog, message, wParam, lParam); });
    if (handled != 0) {
        if (AnswersDirectly(message)) {
            answer = handled;
        } else {
            answer = hasResult && IsWindow(dialog) ? GetWindowLongPtrW(dialog, DWLP_MSGRESULT) : 0;
        }
        return true;
    }
    answer = 0;
    return !IsWindow(dialog);
}

LRESULT OnClose(HWND dialog) {
    const HWND cancel = GetDlgItem(dialog, IDCANCEL);
    if (cancel == nullptr || IsWindowEnabled(cancel)) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
    }
    return 0;
}

LRESULT OnActivate(HWND dialog, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (const std::shared_ptr<DialogState> state = DialogOf(dialog)) {
            if (focus != nullptr && IsChild(dialog, focus)) {
                state->savedFocus = focus;
            }
        }
    } else {
        RestoreFocus(dialog);
    }
    return 0;
}

LRESULT OnSetFocus(HWND dialog) {
    RestoreFocus(dialog);
    return 0;
}

LRESULT OnNextDlgCtl(HWND dialog, WPARAM wParam, LPARAM lParam) {
    HWND target = nullptr;
    if (LOWORD(lParam) != 0) {
        target = reinterpret_cast<HWND>(wParam);
    } else {
        const HWND focus = GetFocus();
        target = GetNextDlgTabItem(dialog, focus != nullptr && IsChild(dialog, focus) ? focus : nullptr, wParam != 0);
    }
    if (target != nullptr && IsChild(dialog, target)) {
        FocusControl(target);
    }
    return 0;
}

LRESULT OnSetDefId(HWND dialog, WPARAM wParam) {
    SetDefaultId(dialog, static_cast<WORD>(wParam));
    return TRUE;
}

LRESULT OnOther(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsCtlColor(message)) {
        return 0;
    }
    return DefWindowProcW(dialog, message, wParam, lParam);
}

// Tab, unless the control wants it (DLGC_WANTTAB): the focus moves to the next item in the tab order (the
// previous with Shift).
bool TakeTab(HWND dialog, LRESULT code) {
    if ((code & DLGC_WANTTAB) != 0) {
        return false;
    }
    const HWND focus = GetFocus();
    const HWND next = GetNextDlgTabItem(dialog, focus != nullptr && IsChild(dialog, focus) ? focus : nullptr,
                                        GetKeyState(VK_SHIFT) < 0);
    if (next != nullptr) {
        FocusControl(next);
    }
    return true;
}

// Enter: the push button that has the focus, or else the default button (IDOK when there is none), is pressed.
bool TakeReturn(HWND dialog) {
    const HWND focus = GetFocus();
    HWND button = nullptr;
    int id = IDOK;
    if (focus != nullptr && IsChild(dialog, focus) &&
        (Deliver(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0) {
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
        Deliver(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    }
    return true;
}

// Escape: Cancel is pressed.
bool TakeEscape(HWND dialog) {
    const HWND cancel = GetDlgItem(dialog, IDCANCEL);
    if (cancel == nullptr || IsWindowEnabled(cancel)) {
        Deliver(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
    }
    return true;
}

// Whether the dialog manager takes this key down from a control that answered `code` to WM_GETDLGCODE.
bool TakesKeyDown(HWND dialog, WPARAM key, LRESULT code) {
    switch (key) {
        case VK_TAB:
            return TakeTab(dialog, code);
        case VK_RETURN:
            return TakeReturn(dialog);
        case VK_ESCAPE:
            return TakeEscape(dialog);
        default:
            return false;
    }
}

// The characters of the keys that the dialog manager took.
bool TakesCharacter(WPARAM character, LRESULT code) {
    return character == L'\r' || character == 0x1B || (character == L'\t' && (code & DLGC_WANTTAB) == 0);
}

}  // namespace

bool HasExtra(HWND dialog, int index) {
    const std::shared_ptr<Window> window = FindWindowObject(dialog);
    return window != nullptr && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= window->extra.size();
}

std::shared_ptr<DialogState> DialogOf(HWND window) {
    const std::shared_ptr<Window> found = FindWindowObject(window);
    return found != nullptr ? found->dialog : nullptr;
}

}  // namespace win32sub

using win32sub::Window;

WIN32SUB_API LRESULT WINAPI DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (win32sub::WindowOrFail(dialog) == nullptr) {
        return 0;
    }
    LRESULT answer = 0;
    if (win32sub::AnsweredByDialogProc(dialog, message, wParam, lParam, answer)) {
        return answer;
    }
    switch (message) {
        case WM_INITDIALOG:
            return FALSE;
        case WM_CLOSE:
            return win32sub::OnClose(dialog);
        case WM_ACTIVATE:
            return win32sub::OnActivate(dialog, wParam);
        case WM_SETFOCUS:
            return win32sub::OnSetFocus(dialog);
        case WM_NEXTDLGCTL:
            return win32sub::OnNextDlgCtl(dialog, wParam, lParam);
        case DM_GETDEFID:
            return win32sub::DefaultId(dialog);
        case DM_SETDEFID:
            return win32sub::OnSetDefId(dialog, wParam);
        case DM_REPOSITION:
            return 0;
        case WM_ERASEBKGND:
            return 1;
        default:
            return win32sub::OnOther(dialog, message, wParam, lParam);
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
        if (msg->message == WM_KEYDOWN && !wantsAll && win32sub::TakesKeyDown(dialog, msg->wParam, code)) {
            return TRUE;
        }
        if (msg->message == WM_CHAR && !wantsAll && win32sub::TakesCharacter(msg->wParam, code)) {
            return TRUE;
        }
    }
    TranslateMessage(msg);
    DispatchMessageW(msg);
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
        return found != nullptr &&
               (found->style & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE);
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
