// The "Edit" class: a field of text with a selection. Typing (WM_CHAR) replaces the selection with the
// character; every change of the text, typed or set with WM_SETTEXT, sends EN_UPDATE and then EN_CHANGE to
// the parent, as a single-line edit control does on Windows (a multiline one sends nothing for WM_SETTEXT).
// The text is the window text, so GetWindowTextW reads what the user typed.
#include <algorithm>
#include <cwctype>

#include "user/controls/Controls.h"

namespace win32sub {
namespace {

// The limit the user can type before EM_LIMITTEXT, and the one that EM_LIMITTEXT 0 sets.
constexpr std::size_t kDefaultLimit = 32767;
constexpr std::size_t kLargestLimit = 0x7FFFFFFE;

class EditState final : public ControlState {
public:
    std::size_t anchor = 0;  // where the selection began
    std::size_t caret = 0;   // where it ends: the caret
    std::size_t limit = kDefaultLimit;
    bool modified = false;

    std::size_t Start() const { return std::min(anchor, caret); }
    std::size_t End() const { return std::max(anchor, caret); }
};

bool IsMultiline(const Window& window) { return (window.style & ES_MULTILINE) != 0; }

void Changed(HWND edit) {
    InvalidateWindow(edit, nullptr, false);
    NotifyParent(edit, EN_UPDATE);
    NotifyParent(edit, EN_CHANGE);
}

// Replaces the selection with `text`, within the limit. Returns whether the text changed.
bool ReplaceSelection(HWND edit, std::wstring text) {
    const std::shared_ptr<Window> window = FindWindowObject(edit);
    const std::shared_ptr<EditState> state = ControlOf<EditState>(edit);
    if (window == nullptr || state == nullptr) {
        return false;
    }
    const std::size_t length = window->text.size();
    const std::size_t start = std::min(state->Start(), length);
    const std::size_t end = std::min(state->End(), length);
    const std::size_t kept = length - (end - start);
    const std::size_t room = state->limit > kept ? state->limit - kept : 0;
    const bool cut = text.size() > room;
    if (cut) {
        text.resize(room);
    }
    if (text.empty() && start == end) {
        if (cut) {
            NotifyParent(edit, EN_MAXTEXT);
        }
        return false;
    }
    window->text = window->text.substr(0, start) + text + window->text.substr(end);
    state->anchor = state->caret = start + text.size();
    state->modified = true;
    Changed(edit);
    if (cut) {
        NotifyParent(edit, EN_MAXTEXT);
    }
    return true;
}

void Type(HWND edit, const Window& window, EditState& state, wchar_t character) {
    if ((window.style & ES_READONLY) != 0) {
        return;
    }
    if (character == L'\b') {
        if (state.Start() == state.End() && state.caret > 0) {
            state.anchor = state.caret - 1;
        }
        ReplaceSelection(edit, std::wstring());
        return;
    }
    if (character < 0x20 || character == 0x7F) {
        return;  // control characters type nothing
    }
    if ((window.style & ES_NUMBER) != 0 && !(character >= L'0' && character <= L'9')) {
        return;
    }
    if ((window.style & ES_UPPERCASE) != 0) {
        character = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(character)));
    } else if ((window.style & ES_LOWERCASE) != 0) {
        character = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(character)));
    }
    ReplaceSelection(edit, std::wstring(1, character));
}

// An edit control as its message handlers see it: its handle, its window and its state, which the window
// procedure holds while they run.
struct Edit {
    HWND handle;
    Window& window;
    EditState& state;
};

LRESULT OnNcCreate(HWND handle, Window& window, WPARAM wParam, LPARAM lParam) {
    window.control = std::make_shared<EditState>();
    return DefWindowProcW(handle, WM_NCCREATE, wParam, lParam);
}

LRESULT OnSetText(const Edit& edit, WPARAM wParam, LPARAM lParam) {
    DefWindowProcW(edit.handle, WM_SETTEXT, wParam, lParam);
    edit.state.anchor = edit.state.caret = 0;
    edit.state.modified = false;
    if (IsMultiline(edit.window)) {
        InvalidateWindow(edit.handle, nullptr, false);
    } else {
        Changed(edit.handle);
    }
    return TRUE;
}

LRESULT OnChar(const Edit& edit, WPARAM wParam) {
    Type(edit.handle, edit.window, edit.state, static_cast<wchar_t>(wParam));
    return 0;
}

LRESULT OnKeyDown(const Edit& edit, WPARAM key) {
    EditState& state = edit.state;
    const std::size_t length = edit.window.text.size();
    switch (key) {
        case VK_DELETE:
            if ((edit.window.style & ES_READONLY) == 0) {
                if (state.Start() == state.End() && state.caret < length) {
                    state.anchor = state.caret + 1;
                }
                ReplaceSelection(edit.handle, std::wstring());
            }
            return 0;
        case VK_LEFT:
            state.caret = state.Start() != state.End() ? state.Start() : (state.caret > 0 ? state.caret - 1 : 0);
            state.anchor = state.caret;
            return 0;
        case VK_RIGHT:
            state.caret = state.Start() != state.End() ? state.End() : std::min(state.caret + 1, length);
            state.anchor = state.caret;
            return 0;
        case VK_HOME:
            state.anchor = state.caret = 0;
            return 0;
        case VK_END:
            state.anchor = state.caret = length;
            return 0;
        default:
            return 0;
    }
}

LRESULT OnClear(const Edit& edit) {
    if ((edit.window.style & ES_READONLY) == 0) {
        ReplaceSelection(edit.handle, std::wstring());
    }
    return 0;
}

LRESULT OnGetSel(const Edit& edit, WPARAM wParam, LPARAM lParam) {
    const std::size_t length = edit.window.text.size();
    const auto start = static_cast<DWORD>(std::min(edit.state.Start(), length));
    const auto end = static_cast<DWORD>(std::min(edit.state.End(), length));
    if (wParam != 0) {
        *reinterpret_cast<DWORD*>(wParam) = start;
    }
    if (lParam != 0) {
        *reinterpret_cast<DWORD*>(lParam) = end;
    }
    return start > 0xFFFF || end > 0xFFFF ? -1 : MAKELRESULT(start, end);
}

LRESULT OnSetSel(const Edit& edit, WPARAM wParam, LPARAM lParam) {
    EditState& state = edit.state;
    const std::size_t length = edit.window.text.size();
    const auto start = static_cast<int>(wParam);
    const auto end = static_cast<int>(lParam);
    if (start == -1) {
        state.anchor = state.caret;  // no selection; the caret stays
        return 0;
    }
    state.anchor = std::min<std::size_t>(static_cast<std::size_t>(std::max(start, 0)), length);
    state.caret = end < 0 ? length : std::min<std::size_t>(static_cast<std::size_t>(end), length);
    return 0;
}

LRESULT OnReplaceSel(const Edit& edit, LPARAM lParam) {
    const auto* text = reinterpret_cast<const wchar_t*>(lParam);
    ReplaceSelection(edit.handle, text != nullptr ? std::wstring(text) : std::wstring());
    return 0;
}

LRESULT OnSetModify(const Edit& edit, WPARAM wParam) {
    edit.state.modified = wParam != 0;
    return 0;
}

LRESULT OnLimitText(const Edit& edit, WPARAM wParam) {
    edit.state.limit = wParam == 0 ? kLargestLimit : std::min<std::size_t>(wParam, kLargestLimit);
    return 0;
}

LRESULT OnSetReadOnly(const Edit& edit, WPARAM wParam) {
    if (wParam != 0) {
        edit.window.style |= ES_READONLY;
    } else {
        edit.window.style &= ~static_cast<DWORD>(ES_READONLY);
    }
    InvalidateWindow(edit.handle, nullptr, true);
    return TRUE;
}

LRESULT OnGetLineCount(const Edit& edit) {
    const std::wstring& text = edit.window.text;
    return IsMultiline(edit.window) ? static_cast<LRESULT>(std::count(text.begin(), text.end(), L'\n') + 1) : 1;
}

// WM_LBUTTONDOWN and WM_LBUTTONDBLCLK.
LRESULT OnLButtonDown(const Edit& edit) {
    // A click right of the text: the focus, and the caret at the end.
    SetFocus(edit.handle);
    if (const std::shared_ptr<EditState> after = ControlOf<EditState>(edit.handle)) {
        const std::shared_ptr<Window> now = FindWindowObject(edit.handle);
        after->anchor = after->caret = now != nullptr ? now->text.size() : 0;
    }
    return 0;
}

LRESULT Dispatch(HWND handle, Window& window, EditState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const Edit edit{handle, window, state};
    switch (message) {
        case WM_GETDLGCODE:
            return DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS;
        case WM_SETTEXT:
            return OnSetText(edit, wParam, lParam);
        case WM_CHAR:
            return OnChar(edit, wParam);
        case WM_KEYDOWN:
            return OnKeyDown(edit, wParam);
        case WM_CLEAR:
            return OnClear(edit);
        case WM_CUT:
        case WM_COPY:
        case WM_PASTE:
        case WM_UNDO:
            return 0;  // there is no clipboard, and no undo
        case EM_GETSEL:
            return OnGetSel(edit, wParam, lParam);
        case EM_SETSEL:
            return OnSetSel(edit, wParam, lParam);
        case EM_REPLACESEL:
            return OnReplaceSel(edit, lParam);
        case EM_GETMODIFY:
            return state.modified ? TRUE : FALSE;
        case EM_SETMODIFY:
            return OnSetModify(edit, wParam);
        case EM_LIMITTEXT:
            return OnLimitText(edit, wParam);
        case EM_GETLIMITTEXT:
            return static_cast<LRESULT>(state.limit);
        case EM_SETREADONLY:
            return OnSetReadOnly(edit, wParam);
        case EM_GETLINECOUNT:
            return OnGetLineCount(edit);
        case EM_LINELENGTH:
            return static_cast<LRESULT>(window.text.size());
        case EM_CANUNDO:
        case EM_UNDO:
            return FALSE;
        case EM_EMPTYUNDOBUFFER:
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            return OnLButtonDown(edit);
        case WM_LBUTTONUP:
            return 0;
        case WM_SETFOCUS:
            return FocusChanged(handle, EN_SETFOCUS);
        case WM_KILLFOCUS:
            return FocusChanged(handle, EN_KILLFOCUS);
        default:
            return ControlDefault(handle, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK EditWndProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    return RunControl<EditState>(handle, message, wParam, lParam, OnNcCreate, Dispatch);
}

}  // namespace win32sub
