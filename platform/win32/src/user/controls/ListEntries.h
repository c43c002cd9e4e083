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
// Sets the entry's data: TRUE, or -1 for a bad index.
LRESULT SetEntryData(ListEntries& entries, int index, LPARAM data);
// Where an added entry goes: its sorted place in a sorted list, else the end.
int AddPosition(const ListEntries& entries, bool sorted, const wchar_t* text);
// Where an inserted entry goes: at `index`, or the end for -1; -1 for any other index outside the list.
int InsertPosition(const ListEntries& entries, WPARAM index);
// Inserts an entry of `text` (empty for none) at `index`, moving a single `selection` along when the entry
// comes at or before it; returns `index`.
int InsertEntry(ListEntries& entries, int index, const wchar_t* text, int& selection);
// Removes the entry at `index`, which must be valid, moving a single `selection` along; true when the
// selected entry went, which leaves no selection.
bool EraseEntry(ListEntries& entries, int index, int& selection);

}  // namespace win32sub
