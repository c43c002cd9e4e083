// The "ComboBox" class: a list of entries with one selected, shown in a selection field. CBS_DROPDOWNLIST
// shows the selected entry; CBS_DROPDOWN and CBS_SIMPLE have an edit field that the selection fills and the
// user may type into. The drop-down kinds are as high as their selection field: the height a template or
// MoveWindow gives them is the height of the list when it drops down. Programs change the selection with
// CB_SETCURSEL without notification; the user's choice notifies the parent.
#include <algorithm>

#include "user/controls/Controls.h"

namespace win32sub {
namespace {

class ComboState final : public ControlState {
public:
    ListEntries entries;
    int selection = -1;
    bool dropped = false;
    bool dropDownList = false;
    int itemHeight = 0;
    int fieldHeight = 0;
    int droppedHeight = 0;
    std::size_t limit = 0x7FFFFFFE;

    ListKind Lists() const override { return ListKind::ComboBox; }
    int EntryCount() const override { return static_cast<int>(entries.size()); }
    const std::wstring* Entry(int index) const override {
        return Valid(index) ? &entries[static_cast<std::size_t>(index)].text : nullptr;
    }
    bool EntrySelected(int index) const override { return index >= 0 && index == selection; }
    int Selection() const override { return selection; }
    bool ShownText(std::wstring& text) const override {
        if (!dropDownList) {
            return false;
        }
        text = selection >= 0 ? entries[static_cast<std::size_t>(selection)].text : std::wstring();
        return true;
    }

    bool Valid(int index) const { return index >= 0 && index < EntryCount(); }
};

DWORD KindOf(const Window& window) { return window.style & 0x0003; }

// The selection, and for the kinds with an edit field its text.
void Select(Window& window, ComboState& state, int index) {
    state.selection = state.Valid(index) ? index : -1;
    if (!state.dropDownList) {
        window.text =
            state.selection >= 0 ? state.entries[static_cast<std::size_t>(state.selection)].text : std::wstring();
    }
    InvalidateWindow(window.handle, nullptr, false);
}

void ShowDropDown(HWND handle, ComboState& state, bool show) {
    if (state.dropped == show) {
        return;
    }
    if (show) {
        NotifyParent(handle, CBN_DROPDOWN);  // before the list shows, so that the parent can fill it
        state.dropped = true;
    } else {
        state.dropped = false;
        NotifyParent(handle, CBN_CLOSEUP);
    }
    InvalidateWindow(handle, nullptr, false);
}

void UserSelect(HWND handle, int index) {
    const std::shared_ptr<Window> window = FindWindowObject(handle);
    const std::shared_ptr<ComboState> state = ControlOf<ComboState>(handle);
    if (window == nullptr || state == nullptr || !state->Valid(index) || index == state->selection) {
        return;
    }
    Select(*window, *state, index);
    NotifyParent(handle, CBN_SELCHANGE);
}

// A combo box as its message handlers see it: its handle, its window and its state, which the window
// procedure holds while they run.
struct ComboBox {
    HWND handle;
    Window& window;
    ComboState& state;
};

LRESULT OnNcCreate(HWND handle, Window& window, WPARAM wParam, LPARAM lParam) {
    auto state = std::make_shared<ComboState>();
    state->dropDownList = KindOf(window) == CBS_DROPDOWNLIST;
    state->itemHeight = LineHeightFor(window.parent) + 2;
    state->fieldHeight = state->itemHeight + 6;
    state->droppedHeight = window.rect.bottom - window.rect.top;
    if (KindOf(window) != CBS_SIMPLE) {
        window.rect.bottom = window.rect.top + state->fieldHeight;
    }
    window.control = state;
    return DefWindowProcW(handle, WM_NCCREATE, wParam, lParam);
}

LRESULT OnWindowPosChanging(const ComboBox& combo, WPARAM wParam, LPARAM lParam) {
    auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
    if (position != nullptr && KindOf(combo.window) != CBS_SIMPLE && (position->flags & SWP_NOSIZE) == 0) {
        combo.state.droppedHeight = position->cy;
        position->cy = combo.state.fieldHeight;
    }
    return DefWindowProcW(combo.handle, WM_WINDOWPOSCHANGING, wParam, lParam);
}

LRESULT OnGetDlgCode(const ComboBox& combo, LPARAM lParam) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    // An open list takes Enter and Escape itself.
    if (combo.state.dropped && msg != nullptr && msg->message == WM_KEYDOWN &&
        (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
        code |= DLGC_WANTMESSAGE;
    }
    return code;
}

// WM_LBUTTONDOWN and WM_LBUTTONDBLCLK.
LRESULT OnLButtonDown(const ComboBox& combo) {
    SetFocus(combo.handle);
    if (const std::shared_ptr<ComboState> after = ControlOf<ComboState>(combo.handle)) {
        if (KindOf(combo.window) != CBS_SIMPLE) {
            ShowDropDown(combo.handle, *after, !after->dropped);
        }
    }
    return 0;
}

LRESULT OnKeyDown(const ComboBox& combo, WPARAM key) {
    ComboState& state = combo.state;
    const int count = state.EntryCount();
    switch (key) {
        case VK_UP:
            UserSelect(combo.handle, state.selection > 0 ? state.selection - 1 : 0);
            return 0;
        case VK_DOWN:
            UserSelect(combo.handle, state.selection < 0 ? 0 : std::min(state.selection + 1, count - 1));
            return 0;
        case VK_HOME:
            UserSelect(combo.handle, 0);
            return 0;
        case VK_END:
            UserSelect(combo.handle, count - 1);
            return 0;
        case VK_F4:
            if (KindOf(combo.window) != CBS_SIMPLE) {
                ShowDropDown(combo.handle, state, !state.dropped);
            }
            return 0;
        case VK_RETURN:
            if (state.dropped) {
                NotifyParent(combo.handle, CBN_SELENDOK);
                ShowDropDown(combo.handle, state, false);
            }
            return 0;
        case VK_ESCAPE:
            if (state.dropped) {
                NotifyParent(combo.handle, CBN_SELENDCANCEL);
                ShowDropDown(combo.handle, state, false);
            }
            return 0;
        default:
            return 0;
    }
}

LRESULT OnChar(const ComboBox& combo, WPARAM wParam) {
    const auto character = static_cast<wchar_t>(wParam);
    const ComboState& state = combo.state;
    Window& window = combo.window;
    if (state.dropDownList) {
        // Typing a letter in a drop-down list selects the next entry that starts with it.
        const wchar_t key[2] = {character, L'\0'};
        const int found = character >= 0x20 ? FindEntry(state.entries, state.selection, key, false) : CB_ERR;
        if (found != CB_ERR) {
            UserSelect(combo.handle, found);
        }
        return 0;
    }
    if (character == L'\b') {
        if (!window.text.empty()) {
            window.text.pop_back();
        }
    } else if (character >= 0x20 && window.text.size() < state.limit) {
        window.text.push_back(character);
    } else {
        return 0;
    }
    InvalidateWindow(combo.handle, nullptr, false);
    NotifyParent(combo.handle, CBN_EDITUPDATE);
    NotifyParent(combo.handle, CBN_EDITCHANGE);
    return 0;
}

LRESULT OnKillFocus(const ComboBox& combo) {
    if (combo.state.dropped) {
        NotifyParent(combo.handle, CBN_SELENDCANCEL);
        ShowDropDown(combo.handle, combo.state, false);
    }
    return FocusChanged(combo.handle, CBN_KILLFOCUS);
}

LRESULT OnSetText(const ComboBox& combo, WPARAM wParam, LPARAM lParam) {
    if (combo.state.dropDownList) {
        // A drop-down list shows entries only: the text selects the entry that has it.
        const int found = FindEntry(combo.state.entries, -1, reinterpret_cast<const wchar_t*>(lParam), true);
        if (found == CB_ERR) {
            return CB_ERR;
        }
        Select(combo.window, combo.state, found);
        return TRUE;
    }
    DefWindowProcW(combo.handle, WM_SETTEXT, wParam, lParam);
    InvalidateWindow(combo.handle, nullptr, false);
    return TRUE;
}

// WM_GETTEXT and WM_GETTEXTLENGTH.
LRESULT OnGetText(const ComboBox& combo, UINT message, WPARAM wParam, LPARAM lParam) {
    std::wstring shown;
    if (!combo.state.ShownText(shown)) {
        shown = combo.window.text;
    }
    return message == WM_GETTEXT ? CopyTextOut(shown, wParam, lParam) : static_cast<LRESULT>(shown.size());
}

LRESULT OnAddString(const ComboBox& combo, LPARAM lParam) {
    ComboState& state = combo.state;
    const auto* text = reinterpret_cast<const wchar_t*>(lParam);
    const int index = AddPosition(state.entries, (combo.window.style & CBS_SORT) != 0, text);
    return InsertEntry(state.entries, index, text, state.selection);
}

LRESULT OnInsertString(const ComboBox& combo, WPARAM wParam, LPARAM lParam) {
    ComboState& state = combo.state;
    const int index = InsertPosition(state.entries, wParam);
    if (index == CB_ERR) {
        return CB_ERR;
    }
    return InsertEntry(state.entries, index, reinterpret_cast<const wchar_t*>(lParam), state.selection);
}

LRESULT OnDeleteString(const ComboBox& combo, WPARAM wParam) {
    ComboState& state = combo.state;
    const int index = static_cast<int>(wParam);
    if (!state.Valid(index)) {
        return CB_ERR;
    }
    if (EraseEntry(state.entries, index, state.selection)) {
        Select(combo.window, state, -1);
    }
    return state.EntryCount();
}

LRESULT OnResetContent(const ComboBox& combo) {
    combo.state.entries.clear();
    Select(combo.window, combo.state, -1);
    return CB_OKAY;
}

LRESULT OnSetCurSel(const ComboBox& combo, WPARAM wParam) {
    const int index = static_cast<int>(wParam);
    Select(combo.window, combo.state, index);
    return combo.state.Valid(index) ? index : CB_ERR;
}

LRESULT OnGetLbText(const ComboBox& combo, WPARAM wParam, LPARAM lParam) {
    return CopyEntryText(combo.state.entries, static_cast<int>(wParam), reinterpret_cast<wchar_t*>(lParam));
}

// CB_FINDSTRING and CB_FINDSTRINGEXACT.
LRESULT OnFindString(const ComboBox& combo, UINT message, WPARAM wParam, LPARAM lParam) {
    return FindEntry(combo.state.entries, static_cast<int>(wParam), reinterpret_cast<const wchar_t*>(lParam),
                     message == CB_FINDSTRINGEXACT);
}

LRESULT OnSelectString(const ComboBox& combo, WPARAM wParam, LPARAM lParam) {
    const int found =
        FindEntry(combo.state.entries, static_cast<int>(wParam), reinterpret_cast<const wchar_t*>(lParam), false);
    if (found != CB_ERR) {
        Select(combo.window, combo.state, found);
    }
    return found;
}

LRESULT OnShowDropDown(const ComboBox& combo, WPARAM wParam) {
    if (KindOf(combo.window) != CBS_SIMPLE) {
        ShowDropDown(combo.handle, combo.state, wParam != 0);
    }
    return TRUE;
}

LRESULT OnGetDroppedControlRect(const ComboBox& combo, LPARAM lParam) {
    auto* rect = reinterpret_cast<RECT*>(lParam);
    if (rect == nullptr) {
        return FALSE;
    }
    *rect = ScreenRectOf(combo.window);
    rect->bottom = rect->top + std::max(combo.state.droppedHeight, combo.state.fieldHeight);
    return TRUE;
}

LRESULT OnSetItemHeight(const ComboBox& combo, WPARAM wParam, LPARAM lParam) {
    const int height = static_cast<int>(LOWORD(lParam));
    if (height <= 0) {
        return CB_ERR;
    }
    if (static_cast<int>(wParam) == -1) {
        combo.state.fieldHeight = height + 6;
        if (KindOf(combo.window) != CBS_SIMPLE) {
            combo.window.rect.bottom = combo.window.rect.top + combo.state.fieldHeight;
        }
    } else {
        combo.state.itemHeight = height;
    }
    return 0;
}

LRESULT OnGetItemHeight(const ComboBox& combo, WPARAM wParam) {
    return static_cast<int>(wParam) == -1 ? combo.state.fieldHeight - 6 : combo.state.itemHeight;
}

LRESULT OnLimitText(const ComboBox& combo, WPARAM wParam) {
    combo.state.limit = wParam == 0 ? 0x7FFFFFFE : wParam;
    return TRUE;
}

// CB_GETEDITSEL and CB_SETEDITSEL: only the kinds with an edit field have a selection in it.
LRESULT OnEditSel(const ComboBox& combo) { return combo.state.dropDownList ? CB_ERR : 0; }

LRESULT Dispatch(HWND handle, Window& window, ComboState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const ComboBox combo{handle, window, state};
    switch (message) {
        case WM_WINDOWPOSCHANGING:
            return OnWindowPosChanging(combo, wParam, lParam);
        case WM_GETDLGCODE:
            return OnGetDlgCode(combo, lParam);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            return OnLButtonDown(combo);
        case WM_LBUTTONUP:
            return 0;
        case WM_KEYDOWN:
            return OnKeyDown(combo, wParam);
        case WM_CHAR:
            return OnChar(combo, wParam);
        case WM_SETFOCUS:
            return FocusChanged(handle, CBN_SETFOCUS);
        case WM_KILLFOCUS:
            return OnKillFocus(combo);
        case WM_SETTEXT:
            return OnSetText(combo, wParam, lParam);
        case WM_GETTEXT:
        case WM_GETTEXTLENGTH:
            return OnGetText(combo, message, wParam, lParam);
        case CB_ADDSTRING:
            return OnAddString(combo, lParam);
        case CB_INSERTSTRING:
            return OnInsertString(combo, wParam, lParam);
        case CB_DELETESTRING:
            return OnDeleteString(combo, wParam);
        case CB_RESETCONTENT:
            return OnResetContent(combo);
        case CB_GETCOUNT:
            return state.EntryCount();
        case CB_GETCURSEL:
            return state.selection;
        case CB_SETCURSEL:
            return OnSetCurSel(combo, wParam);
        case CB_GETLBTEXT:
            return OnGetLbText(combo, wParam, lParam);
        case CB_GETLBTEXTLEN:
            return EntryTextLength(state.entries, static_cast<int>(wParam));
        case CB_FINDSTRING:
        case CB_FINDSTRINGEXACT:
            return OnFindString(combo, message, wParam, lParam);
        case CB_SELECTSTRING:
            return OnSelectString(combo, wParam, lParam);
        case CB_GETITEMDATA:
            return EntryData(state.entries, static_cast<int>(wParam));
        case CB_SETITEMDATA:
            return SetEntryData(state.entries, static_cast<int>(wParam), lParam);
        case CB_SHOWDROPDOWN:
            return OnShowDropDown(combo, wParam);
        case CB_GETDROPPEDSTATE:
            return state.dropped ? TRUE : FALSE;
        case CB_GETDROPPEDCONTROLRECT:
            return OnGetDroppedControlRect(combo, lParam);
        case CB_SETITEMHEIGHT:
            return OnSetItemHeight(combo, wParam, lParam);
        case CB_GETITEMHEIGHT:
            return OnGetItemHeight(combo, wParam);
        case CB_LIMITTEXT:
            return OnLimitText(combo, wParam);
        case CB_GETEDITSEL:
        case CB_SETEDITSEL:
            return OnEditSel(combo);
        default:
            return ControlDefault(handle, message, wParam, lParam);
    }
}

}  // namespace

void ComboBoxUserPick(HWND comboBox, int index) {
    const std::shared_ptr<Window> window = FindWindowObject(comboBox);
    const std::shared_ptr<ComboState> state = ControlOf<ComboState>(comboBox);
    if (window == nullptr || state == nullptr || !state->Valid(index)) {
        return;
    }
    const bool changed = index != state->selection;
    Select(*window, *state, index);
    NotifyParent(comboBox, CBN_SELENDOK);
    if (KindOf(*window) != CBS_SIMPLE) {
        state->dropped = false;
        NotifyParent(comboBox, CBN_CLOSEUP);
    }
    if (changed) {
        NotifyParent(comboBox, CBN_SELCHANGE);
    }
}

LRESULT CALLBACK ComboBoxWndProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    return RunControl<ComboState>(handle, message, wParam, lParam, OnNcCreate, Dispatch);
}

}  // namespace win32sub
