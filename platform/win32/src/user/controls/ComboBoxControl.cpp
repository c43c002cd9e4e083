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

DWORD KindOf(const Window& window) {
    return window.style & 0x0003;
}

// The selection, and for the kinds with an edit field its text.
void Select(Window& window, ComboState& state, int index) {
    state.selection = state.Valid(index) ? index : -1;
    if (!state.dropDownList) {
        window.text = state.selection >= 0 ? state.entries[static_cast<std::size_t>(state.selection)].text
                                           : std::wstring();
    }
    InvalidateWindow(window.handle, nullptr, false);
}

int Insert(ComboState& state, int index, const wchar_t* text) {
    ListEntry entry{text != nullptr ? text : L"", 0, false};
    state.entries.insert(state.entries.begin() + index, std::move(entry));
    if (state.selection >= index) {
        ++state.selection;
    }
    return index;
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
    const std::shared_ptr<Window> window = FindWindowObject(handle);
    if (window == nullptr) {
        return 0;
    }
    if (message == WM_NCCREATE) {
        auto state = std::make_shared<ComboState>();
        state->dropDownList = KindOf(*window) == CBS_DROPDOWNLIST;
        state->itemHeight = LineHeightFor(window->parent) + 2;
        state->fieldHeight = state->itemHeight + 6;
        state->droppedHeight = window->rect.bottom - window->rect.top;
        if (KindOf(*window) != CBS_SIMPLE) {
            window->rect.bottom = window->rect.top + state->fieldHeight;
        }
        window->control = state;
        return DefWindowProcW(handle, message, wParam, lParam);
    }
    const std::shared_ptr<ComboState> state = std::dynamic_pointer_cast<ComboState>(window->control);
    if (state == nullptr) {
        return DefWindowProcW(handle, message, wParam, lParam);
    }
    const int count = state->EntryCount();
    const bool hasEdit = !state->dropDownList;
    switch (message) {
        case WM_WINDOWPOSCHANGING: {
            auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
            if (position != nullptr && KindOf(*window) != CBS_SIMPLE && (position->flags & SWP_NOSIZE) == 0) {
                state->droppedHeight = position->cy;
                position->cy = state->fieldHeight;
            }
            return DefWindowProcW(handle, message, wParam, lParam);
        }
        case WM_GETDLGCODE: {
            LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
            const auto* msg = reinterpret_cast<const MSG*>(lParam);
            // An open list takes Enter and Escape itself.
            if (state->dropped && msg != nullptr && msg->message == WM_KEYDOWN &&
                (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
                code |= DLGC_WANTMESSAGE;
            }
            return code;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetFocus(handle);
            if (const std::shared_ptr<ComboState> after = ControlOf<ComboState>(handle)) {
                if (KindOf(*window) != CBS_SIMPLE) {
                    ShowDropDown(handle, *after, !after->dropped);
                }
            }
            return 0;
        case WM_LBUTTONUP:
            return 0;
        case WM_KEYDOWN:
            switch (wParam) {
                case VK_UP:
                    UserSelect(handle, state->selection > 0 ? state->selection - 1 : 0);
                    return 0;
                case VK_DOWN:
                    UserSelect(handle, state->selection < 0 ? 0 : std::min(state->selection + 1, count - 1));
                    return 0;
                case VK_HOME:
                    UserSelect(handle, 0);
                    return 0;
                case VK_END:
                    UserSelect(handle, count - 1);
                    return 0;
                case VK_F4:
                    if (KindOf(*window) != CBS_SIMPLE) {
                        ShowDropDown(handle, *state, !state->dropped);
                    }
                    return 0;
                case VK_RETURN:
                    if (state->dropped) {
                        NotifyParent(handle, CBN_SELENDOK);
                        ShowDropDown(handle, *state, false);
                    }
                    return 0;
                case VK_ESCAPE:
                    if (state->dropped) {
                        NotifyParent(handle, CBN_SELENDCANCEL);
                        ShowDropDown(handle, *state, false);
                    }
                    return 0;
                default:
                    return 0;
            }
        case WM_CHAR: {
            const auto character = static_cast<wchar_t>(wParam);
            if (!hasEdit) {
                // Typing a letter in a drop-down list selects the next entry that starts with it.
                const wchar_t key[2] = {character, L'\0'};
                const int found = character >= 0x20 ? FindEntry(state->entries, state->selection, key, false) : CB_ERR;
                if (found != CB_ERR) {
                    UserSelect(handle, found);
                }
                return 0;
            }
            if (character == L'\b') {
                if (!window->text.empty()) {
                    window->text.pop_back();
                }
            } else if (character >= 0x20 && window->text.size() < state->limit) {
                window->text.push_back(character);
            } else {
                return 0;
            }
            InvalidateWindow(handle, nullptr, false);
            NotifyParent(handle, CBN_EDITUPDATE);
            NotifyParent(handle, CBN_EDITCHANGE);
            return 0;
        }
        case WM_SETFOCUS:
            InvalidateWindow(handle, nullptr, false);
            NotifyParent(handle, CBN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            if (state->dropped) {
                NotifyParent(handle, CBN_SELENDCANCEL);
                ShowDropDown(handle, *state, false);
            }
            InvalidateWindow(handle, nullptr, false);
            NotifyParent(handle, CBN_KILLFOCUS);
            return 0;
        case WM_SETTEXT:
            if (!hasEdit) {
                // A drop-down list shows entries only: the text selects the entry that has it.
                const int found = FindEntry(state->entries, -1, reinterpret_cast<const wchar_t*>(lParam), true);
                if (found == CB_ERR) {
                    return CB_ERR;
                }
                Select(*window, *state, found);
                return TRUE;
            }
            DefWindowProcW(handle, message, wParam, lParam);
            InvalidateWindow(handle, nullptr, false);
            return TRUE;
        case WM_GETTEXT:
        case WM_GETTEXTLENGTH: {
            std::wstring shown;
            if (!state->ShownText(shown)) {
                shown = window->text;
            }
            return message == WM_GETTEXT ? CopyTextOut(shown, wParam, lParam) : static_cast<LRESULT>(shown.size());
        }
        case CB_ADDSTRING: {
            const auto* text = reinterpret_cast<const wchar_t*>(lParam);
            const int index = (window->style & CBS_SORT) != 0 ? SortedPosition(state->entries, text) : count;
            return Insert(*state, index, text);
        }
        case CB_INSERTSTRING: {
            const int index = static_cast<int>(wParam);
            if (index < -1 || index > count) {
                return CB_ERR;
            }
            return Insert(*state, index == -1 ? count : index, reinterpret_cast<const wchar_t*>(lParam));
        }
        case CB_DELETESTRING: {
            const int index = static_cast<int>(wParam);
            if (!state->Valid(index)) {
                return CB_ERR;
            }
            state->entries.erase(state->entries.begin() + index);
            if (state->selection == index) {
                Select(*window, *state, -1);
            } else if (state->selection > index) {
                --state->selection;
            }
            return state->EntryCount();
        }
        case CB_RESETCONTENT:
            state->entries.clear();
            Select(*window, *state, -1);
            return CB_OKAY;
        case CB_GETCOUNT:
            return count;
        case CB_GETCURSEL:
            return state->selection;
        case CB_SETCURSEL: {
            const int index = static_cast<int>(wParam);
            Select(*window, *state, index);
            return state->Valid(index) ? index : CB_ERR;
        }
        case CB_GETLBTEXT:
            return CopyEntryText(state->entries, static_cast<int>(wParam), reinterpret_cast<wchar_t*>(lParam));
        case CB_GETLBTEXTLEN:
            return EntryTextLength(state->entries, static_cast<int>(wParam));
        case CB_FINDSTRING:
        case CB_FINDSTRINGEXACT:
            return FindEntry(state->entries, static_cast<int>(wParam), reinterpret_cast<const wchar_t*>(lParam),
                        message == CB_FINDSTRINGEXACT);
        case CB_SELECTSTRING: {
            const int found =
                FindEntry(state->entries, static_cast<int>(wParam), reinterpret_cast<const wchar_t*>(lParam), false);
            if (found != CB_ERR) {
                Select(*window, *state, found);
            }
            return found;
        }
        case CB_GETITEMDATA:
            return EntryData(state->entries, static_cast<int>(wParam));
        case CB_SETITEMDATA: {
            const int index = static_cast<int>(wParam);
            if (!state->Valid(index)) {
                return CB_ERR;
            }
            state->entries[static_cast<std::size_t>(index)].data = static_cast<ULONG_PTR>(lParam);
            return TRUE;
        }
        case CB_SHOWDROPDOWN:
            if (KindOf(*window) != CBS_SIMPLE) {
                ShowDropDown(handle, *state, wParam != 0);
            }
            return TRUE;
        case CB_GETDROPPEDSTATE:
            return state->dropped ? TRUE : FALSE;
        case CB_GETDROPPEDCONTROLRECT: {
            auto* rect = reinterpret_cast<RECT*>(lParam);
            if (rect == nullptr) {
                return FALSE;
            }
            *rect = ScreenRectOf(*window);
            rect->bottom = rect->top + std::max(state->droppedHeight, state->fieldHeight);
            return TRUE;
        }
        case CB_SETITEMHEIGHT: {
            const int height = static_cast<int>(LOWORD(lParam));
            if (height <= 0) {
                return CB_ERR;
            }
            if (static_cast<int>(wParam) == -1) {
                state->fieldHeight = height + 6;
                if (KindOf(*window) != CBS_SIMPLE) {
                    window->rect.bottom = window->rect.top + state->fieldHeight;
                }
            } else {
                state->itemHeight = height;
            }
            return 0;
        }
        case CB_GETITEMHEIGHT:
            return static_cast<int>(wParam) == -1 ? state->fieldHeight - 6 : state->itemHeight;
        case CB_LIMITTEXT:
            state->limit = wParam == 0 ? 0x7FFFFFFE : wParam;
            return TRUE;
        case CB_GETEDITSEL:
        case CB_SETEDITSEL:
            return hasEdit ? 0 : CB_ERR;
        case WM_ENABLE:
            InvalidateWindow(handle, nullptr, true);
            return 0;
        default:
            return DefWindowProcW(handle, message, wParam, lParam);
    }
}

}  // namespace win32sub
