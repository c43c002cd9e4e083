// The keyboard focus and the active window. There is one of each for the process, as for a thread on
// Windows: the focus lies always in the active window's tree or nowhere.
#include <algorithm>

#include "user/WindowManager.h"
#include "win32sub/Desktop.h"

namespace win32sub {
namespace {

struct FocusState {
    HWND focus = nullptr;
    HWND active = nullptr;
    UINT modifiers = 0;  // WINSUB_SHIFT, WINSUB_CONTROL, WINSUB_ALT while a key is being delivered
};

FocusState& State() {
    static auto* state = new FocusState;
    return *state;
}

bool CanTakeActivation(HWND window, HWND leaving) {
    const std::shared_ptr<Window> found = FindWindowObject(window);
    return found != nullptr && window != leaving && !found->destroying && IsShown(window) &&
           (found->style & WS_DISABLED) == 0;
}

}  // namespace

HWND FocusWindow() {
    if (!IsWindow(State().focus)) {
        State().focus = nullptr;
    }
    return State().focus;
}

HWND ActiveWindow() {
    if (!IsWindow(State().active)) {
        State().active = nullptr;
    }
    return State().active;
}

void DropFocusFrom(HWND window) {
    const HWND focus = FocusWindow();
    if (focus != nullptr && IsSelfOrDescendant(window, focus)) {
        State().focus = nullptr;
        Deliver(focus, WM_KILLFOCUS, 0, 0);
    }
}

void Activate(HWND window, WORD how) {
    const HWND old = ActiveWindow();
    if (window == old) {
        return;
    }
    if (old != nullptr) {
        Deliver(old, WM_NCACTIVATE, FALSE, 0);
        Deliver(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(window));
        DropFocusFrom(old);
    }
    if (window != nullptr && !IsWindow(window)) {
        window = nullptr;
    }
    State().active = window;
    if (window == nullptr) {
        return;
    }
    // The active window comes to the top.
    if (const std::shared_ptr<Window> found = FindWindowObject(window)) {
        if (std::vector<HWND>* siblings = SiblingsOf(*found)) {
            std::erase(*siblings, window);
            siblings->insert(siblings->begin(), window);
        }
    }
    Deliver(window, WM_NCACTIVATE, TRUE, 0);
    Deliver(window, WM_ACTIVATE, MAKEWPARAM(how, 0), reinterpret_cast<LPARAM>(old));
}

void ActivateAnotherThan(HWND leaving) {
    const std::shared_ptr<Window> window = FindWindowObject(leaving);
    HWND next = nullptr;
    if (window != nullptr && window->owner != nullptr && CanTakeActivation(window->owner, leaving)) {
        next = window->owner;
    } else if (const std::shared_ptr<Window> desktop = FindWindowObject(DesktopHandle())) {
        for (HWND candidate : desktop->children) {
            if (CanTakeActivation(candidate, leaving)) {
                next = candidate;
                break;
            }
        }
    }
    Activate(next, WA_ACTIVE);
}

HWND ChangeFocus(HWND window) {
    HWND old = FocusWindow();
    if (window == old) {
        return old;
    }
    if (window != nullptr) {
        const HWND root = RootOf(window);
        if (root != nullptr && root != ActiveWindow()) {
            Activate(root, WA_ACTIVE);
            if (!IsWindow(window)) {
                return old;
            }
        }
        if (window == FocusWindow()) {
            return old;
        }
    }
    const HWND losing = FocusWindow();
    if (losing != nullptr) {
        Deliver(losing, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    }
    if (window != nullptr && !IsWindow(window)) {
        return old;
    }
    State().focus = window;
    if (window != nullptr) {
        Deliver(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(losing), 0);
    }
    return old;
}

void SetKeyModifiers(UINT modifiers) { State().modifiers = modifiers; }

}  // namespace win32sub

WIN32SUB_API HWND WINAPI SetFocus(HWND window) {
    if (window != nullptr && win32sub::WindowOrFail(window) == nullptr) {
        return nullptr;
    }
    return win32sub::ChangeFocus(window);
}

WIN32SUB_API HWND WINAPI GetFocus(void) { return win32sub::FocusWindow(); }

WIN32SUB_API HWND WINAPI SetActiveWindow(HWND window) {
    if (window != nullptr && win32sub::WindowOrFail(window) == nullptr) {
        return nullptr;
    }
    const HWND old = win32sub::ActiveWindow();
    win32sub::Activate(window != nullptr ? win32sub::RootOf(window) : nullptr, WA_ACTIVE);
    return old;
}

WIN32SUB_API HWND WINAPI GetActiveWindow(void) { return win32sub::ActiveWindow(); }

WIN32SUB_API BOOL WINAPI SetForegroundWindow(HWND window) {
    if (win32sub::WindowOrFail(window) == nullptr) {
        return FALSE;
    }
    win32sub::Activate(win32sub::RootOf(window), WA_ACTIVE);
    return TRUE;
}

WIN32SUB_API HWND WINAPI GetForegroundWindow(void) { return win32sub::ActiveWindow(); }

WIN32SUB_API SHORT WINAPI GetKeyState(int virtualKey) {
    const UINT modifiers = win32sub::State().modifiers;
    const bool down = (virtualKey == VK_SHIFT && (modifiers & WINSUB_SHIFT) != 0) ||
                      (virtualKey == VK_CONTROL && (modifiers & WINSUB_CONTROL) != 0) ||
                      (virtualKey == VK_MENU && (modifiers & WINSUB_ALT) != 0);
    return down ? static_cast<SHORT>(0x8000) : static_cast<SHORT>(0);
}
