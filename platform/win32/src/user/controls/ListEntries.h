// The entries of list boxes and combo boxes, and what both kinds of control answer alike about them.
#pragma once

#include <string>
#include <vector>

#include "Win32.h"

namespace win32sub {

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

}  // namespace win32sub
