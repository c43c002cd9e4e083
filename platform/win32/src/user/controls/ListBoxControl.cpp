// The "ListBox" class: entries in rows of one line each, with one selected entry (or, with
// LBS_MULTIPLESEL and LBS_EXTENDEDSEL, a set of them). A click on an entry selects it when the button goes
// down; LBN_SELCHANGE follows when it comes up, with LBS_NOTIFY, if the selection changed. Without
// LBS_NOINTEGRALHEIGHT the list's height is cut to whole rows, as on Windows.
#include <algorithm>

#include "user/controls/Controls.h"

namespace win32sub {
namespace {

class ListState final : public ControlState {
public:
    ListEntries entries;
    bool multiple = false;
    int selection = -1;  // single-selection lists
    int caret = 0;
    int top = 0;
    int itemHeight = 0;
    bool pendingNotify = false;

    ListKind Lists() const override { return ListKind::ListBox; }
    int EntryCount() const override { return static_cast<int>(entries.size()); }
    const std::wstring* Entry(int index) const override {
        return Valid(index) ? &entries[static_cast<std::size_t>(index)].text : nullptr;
    }
    bool EntrySelected(int index) const override {
        if (!Valid(index)) {
            return false;
        }
        return multiple ? entries[static_cast<std::size_t>(index)].selected : index == selection;
    }
    int Selection() const override { return multiple ? -1 : selection; }

    bool Valid(int index) const { return index >= 0 && index < EntryCount(); }
};

int VisibleRows(const Window& window, const ListState& state) {
    const RECT client = ClientRectOf(window);
    return std::max(1, static_cast<int>(client.bottom) / std::max(1, state.itemHeight));
}

void ScrollIntoView(const Window& window, ListState& state, int index) {
    const int rows = VisibleRows(window, state);
    if (index < state.top) {
        state.top = index;
    } else if (index >= state.top + rows) {
        state.top = index - rows + 1;
    }
}

bool Notifies(const Window& window) { return (window.style & LBS_NOTIFY) != 0; }

// The user moves a single selection to `index` with the keyboard.
void KeySelect(HWND handle, const Window& window, ListState& state, int index) {
    if (!state.Valid(index) || state.multiple) {
        return;
    }
    const bool changed = index != state.selection;
    state.selection = state.caret = index;
    ScrollIntoView(window, state, index);
    InvalidateWindow(handle, nullptr, false);
    if (changed && Notifies(window)) {
        NotifyParent(handle, LBN_SELCHANGE);
    }
}

// A list box as its message handlers see it: its handle, its window and its state, which the window
// procedure holds while they run.
struct ListBox {
    HWND handle;
    Window& window;
    ListState& state;
};

LRESULT OnNcCreate(HWND handle, Window& window, WPARAM wParam, LPARAM lParam) {
    auto state = std::make_shared<ListState>();
    state->multiple = (window.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
    state->itemHeight = LineHeightFor(window.parent);
    if ((window.style & LBS_NOINTEGRALHEIGHT) == 0) {
        const RECT client = ClientRectOf(window);
        const LONG rows = std::max<LONG>(1, client.bottom / state->itemHeight);
        window.rect.bottom -= client.bottom - rows * state->itemHeight;
    }
    window.control = state;
    return DefWindowProcW(handle, WM_NCCREATE, wParam, lParam);
}

// WM_LBUTTONDOWN and WM_LBUTTONDBLCLK.
LRESULT OnLButtonDown(const ListBox& list, UINT message, LPARAM lParam) {
    SetFocus(list.handle);
    const std::shared_ptr<ListState> after = ControlOf<ListState>(list.handle);
    if (after == nullptr) {
        return 0;
    }
    const int index = after->top + GET_Y_LPARAM(lParam) / std::max(1, after->itemHeight);
    if (!after->Valid(index) || (list.window.style & LBS_NOSEL) != 0) {
        return 0;
    }
    bool changed = false;
    if ((list.window.style & LBS_MULTIPLESEL) != 0) {
        after->entries[static_cast<std::size_t>(index)].selected =
            !after->entries[static_cast<std::size_t>(index)].selected;
        changed = true;
    } else if (after->multiple) {
        // An extended-selection list: a plain click selects that entry alone.
        for (std::size_t i = 0; i < after->entries.size(); ++i) {
            const bool select = static_cast<int>(i) == index;
            changed = changed || after->entries[i].selected != select;
            after->entries[i].selected = select;
        }
    } else {
        changed = after->selection != index;
        after->selection = index;
    }
    after->caret = index;
    after->pendingNotify = after->pendingNotify || changed;
    InvalidateWindow(list.handle, nullptr, false);
    if (message == WM_LBUTTONDBLCLK && Notifies(list.window)) {
        NotifyParent(list.handle, LBN_DBLCLK);
    }
    return 0;
}

LRESULT OnLButtonUp(const ListBox& list) {
    if (list.state.pendingNotify) {
        list.state.pendingNotify = false;
        if (Notifies(list.window)) {
            NotifyParent(list.handle, LBN_SELCHANGE);
        }
    }
    return 0;
}

LRESULT OnKeyDown(const ListBox& list, WPARAM key) {
    ListState& state = list.state;
    const int count = state.EntryCount();
    switch (key) {
        case VK_UP:
            KeySelect(list.handle, list.window, state, std::max(state.caret - 1, 0));
            return 0;
        case VK_DOWN:
            KeySelect(list.handle, list.window, state, state.selection < 0 ? 0 : std::min(state.caret + 1, count - 1));
            return 0;
        case VK_HOME:
            KeySelect(list.handle, list.window, state, 0);
            return 0;
        case VK_END:
            KeySelect(list.handle, list.window, state, count - 1);
            return 0;
        default:
            return 0;
    }
}

LRESULT OnAddString(const ListBox& list, LPARAM lParam) {
    ListState& state = list.state;
    const auto* text = reinterpret_cast<const wchar_t*>(lParam);
    const int index = AddPosition(state.entries, (list.window.style & LBS_SORT) != 0, text);
    InvalidateWindow(list.handle, nullptr, true);
    return InsertEntry(state.entries, index, text, state.selection);
}

LRESULT OnInsertString(const ListBox& list, WPARAM wParam, LPARAM lParam) {
    ListState& state = list.state;
    const int index = InsertPosition(state.entries, wParam);
    if (index == LB_ERR) {
        return LB_ERR;
    }
    InvalidateWindow(list.handle, nullptr, true);
    return InsertEntry(state.entries, index, reinterpret_cast<const wchar_t*>(lParam), state.selection);
}

LRESULT OnDeleteString(const ListBox& list, WPARAM wParam) {
    ListState& state = list.state;
    const int index = static_cast<int>(wParam);
    if (!state.Valid(index)) {
        return LB_ERR;
    }
    EraseEntry(state.entries, index, state.selection);
    state.caret = std::min(state.caret, std::max(0, state.EntryCount() - 1));
    state.top = std::min(state.top, std::max(0, state.EntryCount() - 1));
    InvalidateWindow(list.handle, nullptr, true);
    return state.EntryCount();
}

LRESULT OnResetContent(const ListBox& list) {
    list.state.entries.clear();
    list.state.selection = -1;
    list.state.caret = list.state.top = 0;
    InvalidateWindow(list.handle, nullptr, true);
    return LB_OKAY;
}

LRESULT OnGetText(const ListBox& list, WPARAM wParam, LPARAM lParam) {
    return CopyEntryText(list.state.entries, static_cast<int>(wParam), reinterpret_cast<wchar_t*>(lParam));
}

LRESULT OnSetCurSel(const ListBox& list, WPARAM wParam) {
    ListState& state = list.state;
    const int index = static_cast<int>(wParam);
    if (state.multiple) {
        return LB_ERR;
    }
    InvalidateWindow(list.handle, nullptr, false);
    if (index == -1) {
        state.selection = -1;
        return LB_ERR;  // as documented: -1 answers LB_ERR although nothing failed
    }
    if (!state.Valid(index)) {
        return LB_ERR;
    }
    state.selection = state.caret = index;
    ScrollIntoView(list.window, state, index);
    return index;
}

LRESULT OnGetCurSel(const ListBox& list) {
    const ListState& state = list.state;
    return state.multiple ? (state.EntryCount() > 0 ? state.caret : LB_ERR) : state.selection;
}

LRESULT OnSetSel(const ListBox& list, WPARAM wParam, LPARAM lParam) {
    ListState& state = list.state;
    const int count = state.EntryCount();
    const int index = static_cast<int>(lParam);
    if (!state.multiple || (index != -1 && !state.Valid(index))) {
        return LB_ERR;
    }
    for (int i = 0; i < count; ++i) {
        if (index == -1 || i == index) {
            state.entries[static_cast<std::size_t>(i)].selected = wParam != 0;
        }
    }
    if (index != -1) {
        state.caret = index;
    }
    InvalidateWindow(list.handle, nullptr, false);
    return LB_OKAY;
}

LRESULT OnGetSel(const ListBox& list, WPARAM wParam) {
    const int index = static_cast<int>(wParam);
    return list.state.Valid(index) ? (list.state.EntrySelected(index) ? 1 : 0) : LB_ERR;
}

LRESULT OnGetSelCount(const ListBox& list) {
    const ListEntries& entries = list.state.entries;
    return list.state.multiple
               ? std::count_if(entries.begin(), entries.end(), [](const ListEntry& entry) { return entry.selected; })
               : LB_ERR;
}

LRESULT OnGetSelItems(const ListBox& list, WPARAM wParam, LPARAM lParam) {
    const ListState& state = list.state;
    const int count = state.EntryCount();
    if (!state.multiple) {
        return LB_ERR;
    }
    auto* items = reinterpret_cast<int*>(lParam);
    int stored = 0;
    for (int i = 0; i < count && items != nullptr && static_cast<WPARAM>(stored) < wParam; ++i) {
        if (state.entries[static_cast<std::size_t>(i)].selected) {
            items[stored++] = i;
        }
    }
    return stored;
}

LRESULT OnSelectString(const ListBox& list, WPARAM wParam, LPARAM lParam) {
    ListState& state = list.state;
    if (state.multiple) {
        return LB_ERR;
    }
    const int found =
        FindEntry(state.entries, static_cast<int>(wParam), reinterpret_cast<const wchar_t*>(lParam), false);
    if (found != LB_ERR) {
        state.selection = state.caret = found;
        ScrollIntoView(list.window, state, found);
        InvalidateWindow(list.handle, nullptr, false);
    }
    return found;
}

// LB_FINDSTRING and LB_FINDSTRINGEXACT.
LRESULT OnFindString(const ListBox& list, UINT message, WPARAM wParam, LPARAM lParam) {
    return FindEntry(list.state.entries, static_cast<int>(wParam), reinterpret_cast<const wchar_t*>(lParam),
                     message == LB_FINDSTRINGEXACT);
}

LRESULT OnSetTopIndex(const ListBox& list, WPARAM wParam) {
    const int index = static_cast<int>(wParam);
    if (!list.state.Valid(index) && !(index == 0 && list.state.EntryCount() == 0)) {
        return LB_ERR;
    }
    list.state.top = index;
    InvalidateWindow(list.handle, nullptr, true);
    return LB_OKAY;
}

LRESULT OnGetItemRect(const ListBox& list, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    auto* rect = reinterpret_cast<RECT*>(lParam);
    if (!list.state.Valid(index) || rect == nullptr) {
        return LB_ERR;
    }
    const RECT client = ClientRectOf(list.window);
    const LONG y = static_cast<LONG>(index - list.state.top) * list.state.itemHeight;
    *rect = RECT{0, y, client.right, y + list.state.itemHeight};
    return LB_OKAY;
}

LRESULT OnSetCaretIndex(const ListBox& list, WPARAM wParam) {
    const int index = static_cast<int>(wParam);
    if (!list.state.Valid(index)) {
        return LB_ERR;
    }
    list.state.caret = index;
    ScrollIntoView(list.window, list.state, index);
    return LB_OKAY;
}

LRESULT OnSetItemHeight(const ListBox& list, LPARAM lParam) {
    const int height = static_cast<int>(LOWORD(lParam));
    if (height <= 0 || height > 255) {
        return LB_ERR;
    }
    list.state.itemHeight = height;
    InvalidateWindow(list.handle, nullptr, true);
    return LB_OKAY;
}

LRESULT Dispatch(HWND handle, Window& window, ListState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const ListBox list{handle, window, state};
    switch (message) {
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            return OnLButtonDown(list, message, lParam);
        case WM_LBUTTONUP:
            return OnLButtonUp(list);
        case WM_KEYDOWN:
            return OnKeyDown(list, wParam);
        case WM_SETFOCUS:
            return FocusChanged(handle, LBN_SETFOCUS);
        case WM_KILLFOCUS:
            return FocusChanged(handle, LBN_KILLFOCUS);
        case LB_ADDSTRING:
            return OnAddString(list, lParam);
        case LB_INSERTSTRING:
            return OnInsertString(list, wParam, lParam);
        case LB_DELETESTRING:
            return OnDeleteString(list, wParam);
        case LB_RESETCONTENT:
            return OnResetContent(list);
        case LB_GETCOUNT:
            return state.EntryCount();
        case LB_GETTEXT:
            return OnGetText(list, wParam, lParam);
        case LB_GETTEXTLEN:
            return EntryTextLength(state.entries, static_cast<int>(wParam));
        case LB_GETITEMDATA:
            return EntryData(state.entries, static_cast<int>(wParam));
        case LB_SETITEMDATA:
            return SetEntryData(state.entries, static_cast<int>(wParam), lParam);
        case LB_SETCURSEL:
            return OnSetCurSel(list, wParam);
        case LB_GETCURSEL:
            return OnGetCurSel(list);
        case LB_SETSEL:
            return OnSetSel(list, wParam, lParam);
        case LB_GETSEL:
            return OnGetSel(list, wParam);
        case LB_GETSELCOUNT:
            return OnGetSelCount(list);
        case LB_GETSELITEMS:
            return OnGetSelItems(list, wParam, lParam);
        case LB_SELECTSTRING:
            return OnSelectString(list, wParam, lParam);
        case LB_FINDSTRING:
        case LB_FINDSTRINGEXACT:
            return OnFindString(list, message, wParam, lParam);
        case LB_GETTOPINDEX:
            return state.top;
        case LB_SETTOPINDEX:
            return OnSetTopIndex(list, wParam);
        case LB_GETITEMRECT:
            return OnGetItemRect(list, wParam, lParam);
        case LB_SETCARETINDEX:
            return OnSetCaretIndex(list, wParam);
        case LB_GETCARETINDEX:
            return state.caret;
        case LB_SETITEMHEIGHT:
            return OnSetItemHeight(list, lParam);
        case LB_GETITEMHEIGHT:
            return state.itemHeight;
        default:
            return ControlDefault(handle, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK ListBoxWndProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    return RunControl<ListState>(handle, message, wParam, lParam, OnNcCreate, Dispatch);
}

}  // namespace win32sub
