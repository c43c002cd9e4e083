// The screen side of the window manager, acting: the user's clicks, typing, choices and keys, made of the
// messages that real input makes and delivered as a message loop delivers input (through the dialog
// manager of the window's dialog). After each action what it posted is delivered too, so that its effects
// are complete when the call returns.
#include <string>

#include "user/WindowManager.h"
#include "user/controls/Controls.h"
#include "win32sub/Desktop.h"

namespace win32sub {
namespace {

// The user can reach only a window that is shown and enabled, with all its parents.
std::shared_ptr<Window> Reachable(HWND handle) {
    const std::shared_ptr<Window> window = WindowOrFail(handle);
    if (window == nullptr) {
        return nullptr;
    }
    if (!IsUsable(handle)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    return window;
}

MSG InputMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, POINT screen = POINT{0, 0}) {
    return MSG{window, message, wParam, lParam, static_cast<DWORD>(Now()), screen};
}

POINT CentreOf(const Window& window) {
    const RECT rect = ScreenRectOf(window);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// A click of the left button at a screen point over `target`: the window under the point takes it, which is
// the first of `target` and its parents that does not let clicks through.
void ClickAt(HWND target, POINT screen) {
    HWND hit = target;
    while (hit != nullptr) {
        const LRESULT answer = Deliver(hit, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        const std::shared_ptr<Window> window = FindWindowObject(hit);
        if (answer != HTTRANSPARENT || window == nullptr || IsTopLevel(*window)) {
            break;
        }
        hit = window->parent;
    }
    const HWND root = RootOf(hit);
    if (hit == nullptr || root == nullptr) {
        return;
    }
    if (root != ActiveWindow()) {
        const LRESULT answer =
            Deliver(hit, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(root), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
        if (answer != MA_NOACTIVATE && answer != MA_NOACTIVATEANDEAT) {
            Activate(root, WA_CLICKACTIVE);
        }
        if (answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT) {
            return;
        }
    }
    POINT client = screen;
    if (!ScreenToClient(hit, &client)) {
        return;
    }
    DeliverAsInput(InputMessage(hit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y), screen));
    if (IsWindow(hit)) {
        DeliverAsInput(InputMessage(hit, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y), screen));
    }
}

// The window that keys go to: the focus window, else the active window.
HWND KeyTarget() {
    const HWND focus = FocusWindow();
    return focus != nullptr ? focus : ActiveWindow();
}

bool PressKey(UINT key, UINT modifiers) {
    const HWND target = KeyTarget();
    if (target == nullptr) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    SetKeyModifiers(modifiers);
    const bool alt = (modifiers & WINSUB_ALT) != 0;
    DeliverAsInput(InputMessage(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 0x00000001));
    DeliverWaiting(false);
    const HWND after = KeyTarget();
    if (after != nullptr) {
        DeliverAsInput(InputMessage(after, alt ? WM_SYSKEYUP : WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u)));
        DeliverWaiting(false);
    }
    SetKeyModifiers(0);
    return true;
}

bool TypeCharacters(const wchar_t* text) {
    for (const wchar_t* c = text; *c != L'\0'; ++c) {
        bool typed = true;
        switch (*c) {
            case L'\r':
                typed = PressKey(VK_RETURN, 0);
                break;
            case L'\t':
                typed = PressKey(VK_TAB, 0);
                break;
            case 0x1B:
                typed = PressKey(VK_ESCAPE, 0);
                break;
            default: {
                const HWND target = KeyTarget();
                if (target == nullptr) {
                    SetLastError(ERROR_ACCESS_DENIED);
                    return false;
                }
                DeliverAsInput(InputMessage(target, WM_CHAR, static_cast<WPARAM>(*c), 0x00000001));
                DeliverWaiting(false);
                break;
            }
        }
        if (!typed) {
            return false;
        }
    }
    return true;
}

// The user clicks a window to give it the focus, unless it has the focus already.
void Focus(HWND window) {
    if (FocusWindow() != window) {
        const std::shared_ptr<Window> found = FindWindowObject(window);
        if (found != nullptr) {
            ClickAt(window, CentreOf(*found));
            DeliverWaiting(false);
        }
    }
}

int EntryIndex(const Window& window, const wchar_t* text) {
    for (int i = 0; text != nullptr && i < window.control->EntryCount(); ++i) {
        if (CompareEntries(*window.control->Entry(i), text) == 0) {
            return i;
        }
    }
    return -1;
}

}  // namespace
}  // namespace win32sub

using win32sub::Window;

WIN32SUB_API BOOL WINAPI WinSub_Click(HWND handle) {
    const std::shared_ptr<Window> window = win32sub::Reachable(handle);
    if (window == nullptr) {
        return FALSE;
    }
    win32sub::ClickAt(handle, win32sub::CentreOf(*window));
    win32sub::DeliverWaiting(false);
    return TRUE;
}

WIN32SUB_API BOOL WINAPI WinSub_TypeText(HWND handle, LPCWSTR text) {
    if (handle != nullptr) {
        if (win32sub::Reachable(handle) == nullptr) {
            return FALSE;
        }
        win32sub::Focus(handle);
    }
    return win32sub::TypeCharacters(text != nullptr ? text : L"") ? TRUE : FALSE;
}

WIN32SUB_API BOOL WINAPI WinSub_ReplaceText(HWND handle, LPCWSTR text) {
    if (win32sub::Reachable(handle) == nullptr) {
        return FALSE;
    }
    // An edit field is what takes a selection (DLGC_HASSETSEL), whatever its class is called.
    if ((win32sub::Deliver(handle, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) == 0) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    win32sub::Focus(handle);
    win32sub::Deliver(handle, EM_SETSEL, 0, -1);
    if (text == nullptr || text[0] == L'\0') {
        return win32sub::PressKey(VK_DELETE, 0) ? TRUE : FALSE;
    }
    return win32sub::TypeCharacters(text) ? TRUE : FALSE;
}

WIN32SUB_API BOOL WINAPI WinSub_ChooseEntry(HWND handle, int index) {
    const std::shared_ptr<Window> window = win32sub::Reachable(handle);
    if (window == nullptr) {
        return FALSE;
    }
    const auto kind = window->control != nullptr ? window->control->Lists() : win32sub::ControlState::ListKind::None;
    if (kind == win32sub::ControlState::ListKind::None) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    if (index < 0 || index >= window->control->EntryCount()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (kind == win32sub::ControlState::ListKind::ComboBox) {
        // Opened with a click (a simple combo box's list is always open; the click gives it the focus).
        const bool simple = (window->style & 0x3) == CBS_SIMPLE;
        if (simple) {
            win32sub::Focus(handle);
        } else if (win32sub::Deliver(handle, CB_GETDROPPEDSTATE, 0, 0) == 0) {
            win32sub::ClickAt(handle, win32sub::CentreOf(*window));
            win32sub::DeliverWaiting(false);
        }
        if (IsWindow(handle)) {
            win32sub::ComboBoxUserPick(handle, index);
            win32sub::DeliverWaiting(false);
        }
        return TRUE;
    }
    // A list box: scrolled so that the entry shows, then the entry clicked.
    RECT item{};
    RECT client{};
    GetClientRect(handle, &client);
    win32sub::Deliver(handle, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    if (item.top < 0 || item.bottom > client.bottom) {
        win32sub::Deliver(handle, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        win32sub::Deliver(handle, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }
    POINT point{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(handle, &point);
    win32sub::ClickAt(handle, point);
    win32sub::DeliverWaiting(false);
    return TRUE;
}

WIN32SUB_API BOOL WINAPI WinSub_ChooseEntryText(HWND handle, LPCWSTR text) {
    const std::shared_ptr<Window> window = win32sub::Reachable(handle);
    if (window == nullptr) {
        return FALSE;
    }
    if (window->control == nullptr || window->control->Lists() == win32sub::ControlState::ListKind::None) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    const int index = win32sub::EntryIndex(*window, text);
    if (index < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return WinSub_ChooseEntry(handle, index);
}

WIN32SUB_API BOOL WINAPI WinSub_PressKey(UINT virtualKey, UINT modifiers) {
    return win32sub::PressKey(virtualKey, modifiers) ? TRUE : FALSE;
}

WIN32SUB_API BOOL WINAPI WinSub_Close(HWND handle) {
    if (win32sub::Reachable(handle) == nullptr) {
        return FALSE;
    }
    const HWND root = win32sub::RootOf(handle);
    if (root != win32sub::ActiveWindow()) {
        win32sub::Activate(root, WA_CLICKACTIVE);  // the click on the close box activates the window first
    }
    if (IsWindow(root)) {
        win32sub::DeliverAsInput(
            MSG{root, WM_SYSCOMMAND, SC_CLOSE, 0, static_cast<DWORD>(win32sub::Now()), POINT{0, 0}});
        win32sub::DeliverWaiting(false);
    }
    return TRUE;
}
