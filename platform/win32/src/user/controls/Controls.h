// Inside view of the standard controls: their window procedures, which the system's classes use, and the
// entry points through which the user's choice of an entry reaches a combo box or list box (in Windows it
// arrives through the drop-down list, a window of its own that this system does not make).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "user/WindowManager.h"

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

// Entry texts compared as list boxes and combo boxes compare them: without regard to case.
int CompareEntries(const std::wstring& a, const std::wstring& b);
// Whether `text` starts with `prefix`, without regard to case.
bool StartsWithFolded(const std::wstring& text, const std::wstring& prefix);

// An entry of a list box or combo box: its text, the application's data, and (multiple-selection lists
// only) whether it is selected.
struct ListEntry {
    std::wstring text;
    ULONG_PTR data = 0;
    bool selected = false;
};
using ListEntries = std::vector<ListEntry>;

// What list boxes and combo boxes answer alike; -1 is their LB_ERR and CB_ERR.
// The first entry after `start` (wrapping around; from the first when `start` is out of range) whose text
// starts with (or, `exact`, equals) `text`, without regard to case; -1 when none does.
int FindEntry(const ListEntries& entries, int start, const wchar_t* text, bool exact);
// Where a sorted list puts a new entry: after every entry that does not sort after it.
int SortedPosition(const ListEntries& entries, const wchar_t* text);
// Copies the entry's whole text and a terminator (the buffer must hold them, as on Windows); its length,
// or -1 for a bad index or no buffer.
LRESULT CopyEntryText(const ListEntries& entries, int index, wchar_t* buffer);
// The entry's length, its data; -1 for a bad index.
LRESULT EntryTextLength(const ListEntries& entries, int index);
LRESULT EntryData(const ListEntries& entries, int index);

// The height of a text line and of a list entry for a control of this parent: the font's height from the
// dialog's base units (the system font's outside dialogs).
int LineHeightFor(HWND parent);

}  // namespace win32sub
