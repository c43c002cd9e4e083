// The entries that list boxes and combo boxes share: finding one, the sorted place of a new one, and their
// texts, lengths and data.
#include "user/controls/ListEntries.h"

#include <algorithm>

#include "kernel/WideText.h"

namespace win32sub {

int CompareEntries(const std::wstring& a, const std::wstring& b) {
    const std::wstring foldedA = FoldCase(a);
    const std::wstring foldedB = FoldCase(b);
    return foldedA < foldedB ? -1 : (foldedA == foldedB ? 0 : 1);
}

bool StartsWithFolded(const std::wstring& text, const std::wstring& prefix) {
    return text.size() >= prefix.size() && EqualFolded(std::wstring_view(text).substr(0, prefix.size()), prefix);
}

namespace {

bool ValidIn(const ListEntries& entries, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < entries.size();
}

}  // namespace

int FindEntry(const ListEntries& entries, int start, const wchar_t* text, bool exact) {
    const int count = static_cast<int>(entries.size());
    if (text == nullptr || count == 0) {
        return -1;
    }
    const std::wstring key = text;
    const int first = start < 0 || start >= count ? 0 : start + 1;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        const std::wstring& entry = entries[static_cast<std::size_t>(index)].text;
        if (exact ? CompareEntries(entry, key) == 0 : StartsWithFolded(entry, key)) {
            return index;
        }
    }
    return -1;
}

int SortedPosition(const ListEntries& entries, const wchar_t* text) {
    const std::wstring key = text != nullptr ? text : L"";
    const auto sortsBefore = [](const std::wstring& a, const ListEntry& b) { return CompareEntries(a, b.text) < 0; };
    const auto it = std::upper_bound(entries.begin(), entries.end(), key, sortsBefore);
    return static_cast<int>(it - entries.begin());
}

LRESULT CopyEntryText(const ListEntries& entries, int index, wchar_t* buffer) {
    if (!ValidIn(entries, index) || buffer == nullptr) {
        return -1;
    }
    const std::wstring& text = entries[static_cast<std::size_t>(index)].text;
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = L'\0';
    return static_cast<LRESULT>(text.size());
}

LRESULT EntryTextLength(const ListEntries& entries, int index) {
    return ValidIn(entries, index) ? static_cast<LRESULT>(entries[static_cast<std::size_t>(index)].text.size()) : -1;
}

LRESULT EntryData(const ListEntries& entries, int index) {
    return ValidIn(entries, index) ? static_cast<LRESULT>(entries[static_cast<std::size_t>(index)].data) : -1;
}

LRESULT SetEntryData(ListEntries& entries, int index, LPARAM data) {
    if (!ValidIn(entries, index)) {
        return -1;
    }
    entries[static_cast<std::size_t>(index)].data = static_cast<ULONG_PTR>(data);
    return TRUE;
}

int AddPosition(const ListEntries& entries, bool sorted, const wchar_t* text) {
    return sorted ? SortedPosition(entries, text) : static_cast<int>(entries.size());
}

int InsertPosition(const ListEntries& entries, WPARAM index) {
    const int count = static_cast<int>(entries.size());
    const int position = static_cast<int>(index);
    if (position < -1 || position > count) {
        return -1;
    }
    return position == -1 ? count : position;
}

int InsertEntry(ListEntries& entries, int index, const wchar_t* text, int& selection) {
    entries.insert(entries.begin() + index, ListEntry{text != nullptr ? text : L"", 0, false});
    if (selection >= index) {
        ++selection;
    }
    return index;
}

bool EraseEntry(ListEntries& entries, int index, int& selection) {
    entries.erase(entries.begin() + index);
    if (selection == index) {
        selection = -1;
        return true;
    }
    if (selection > index) {
        --selection;
    }
    return false;
}

}  // namespace win32sub
