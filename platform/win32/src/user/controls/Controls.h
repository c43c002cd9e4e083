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

// The height of a text line and of a list entry for a control of this parent: the font's height from the
// dialog's base units (the system font's outside dialogs).
int LineHeightFor(HWND parent);

}  // namespace win32sub
