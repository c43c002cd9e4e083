// Inside view of the standard controls: their window procedures, which the system's classes use, and the
// entry points through which the user's choice of an entry reaches a combo box or list box (in Windows it
// arrives through the drop-down list, a window of its own that this system does not make).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "user/WindowManager.h"
#include "user/controls/ListEntries.h"

namespace win32sub {

LRESULT CALLBACK ButtonWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboBoxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListBoxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The user picks entry `index` of an open (or simple) combo box's list: the selection, then CBN_SELENDOK,
// CBN_CLOSEUP (drop-down kinds) and, when the selection changed, CBN_SELCHANGE.
void ComboBoxUserPick(HWND comboBox, int index);

// The control state of a window, when it is of that kind; nullptr otherwise.
template <typename State>
std::shared_ptr<State> ControlOf(HWND window) {
    const std::shared_ptr<Window> found = FindWindowObject(window);
    return found != nullptr ? std::dynamic_pointer_cast<State>(found->control) : nullptr;
}

// The frame of every control's window procedure. WM_NCCREATE goes to `create`, which gives the window its
// state; a window without a state of this kind gets DefWindowProcW; every other message goes to `dispatch`
// with the window and its state, which the procedure holds while the handlers run.
template <typename State>
LRESULT RunControl(HWND handle, UINT message, WPARAM wParam, LPARAM lParam,
                   LRESULT (*create)(HWND, Window&, WPARAM, LPARAM),
                   LRESULT (*dispatch)(HWND, Window&, State&, UINT, WPARAM, LPARAM)) {
    const std::shared_ptr<Window> window = FindWindowObject(handle);
    if (window == nullptr) {
        return 0;
    }
    if (message == WM_NCCREATE) {
        return create(handle, *window, wParam, lParam);
    }
    const std::shared_ptr<State> state = std::dynamic_pointer_cast<State>(window->control);
    if (state == nullptr) {
        return DefWindowProcW(handle, message, wParam, lParam);
    }
    return dispatch(handle, *window, *state, message, wParam, lParam);
}

// What a control does with the messages it has no handler of its own for: WM_ENABLE repaints it in its new
// look; everything else goes to DefWindowProcW.
inline LRESULT ControlDefault(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENABLE) {
        InvalidateWindow(handle, nullptr, true);
        return 0;
    }
    return DefWindowProcW(handle, message, wParam, lParam);
}

// WM_SETFOCUS and WM_KILLFOCUS of the controls that show the focus alike: the control is drawn anew and
// its parent hears `code`.
inline LRESULT FocusChanged(HWND handle, WORD code) {
    InvalidateWindow(handle, nullptr, false);
    NotifyParent(handle, code);
    return 0;
}

// WM_SETTEXT of the controls that show their window text as it is: the text, then the control drawn anew.
inline LRESULT SetTextAndRepaint(HWND handle, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProcW(handle, WM_SETTEXT, wParam, lParam);
    InvalidateWindow(handle, nullptr, true);
    return result;
}

// The height of a text line and of a list entry for a control of this parent: the font's height from the
// dialog's base units (the system font's outside dialogs).
int LineHeightFor(HWND parent);

}  // namespace win32sub
