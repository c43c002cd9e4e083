// The "Button" class: push buttons, check boxes, radio buttons and group boxes. A click is a press
// (WM_LBUTTONDOWN, which also takes the focus) and a release inside the button (WM_LBUTTONUP); the release
// changes an automatic button's check state and then sends BN_CLICKED to the parent. BM_CLICK sends the two
// mouse messages, as on Windows.
#include <algorithm>

#include "user/controls/Controls.h"

namespace win32sub {
namespace {

class ButtonState final : public ControlState {
public:
    int check = BST_UNCHECKED;
    bool pushed = false;
    bool focused = false;
    HANDLE image = nullptr;
    WPARAM imageType = IMAGE_BITMAP;
    bool checkable = false;

    int CheckState() const override { return checkable ? check : -1; }
    HANDLE Image() const override { return image; }
};

DWORD TypeOf(HWND window) {
    const std::shared_ptr<Window> found = FindWindowObject(window);
    return found != nullptr ? found->style & BS_TYPEMASK : BS_PUSHBUTTON;
}

bool IsCheckable(DWORD type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_3STATE ||
           type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON;
}

bool Notifies(HWND window) {
    const std::shared_ptr<Window> found = FindWindowObject(window);
    return found != nullptr && (found->style & BS_NOTIFY) != 0;
}

// The siblings of a radio button that belong to its group: from the last control with WS_GROUP at or before
// it up to the next control with WS_GROUP.
std::vector<HWND> GroupOf(HWND button) {
    const std::shared_ptr<Window> window = FindWindowObject(button);
    const std::vector<HWND>* siblings = window != nullptr ? SiblingsOf(*window) : nullptr;
    if (siblings == nullptr) {
        return {};
    }
    const auto at = std::find(siblings->begin(), siblings->end(), button);
    auto first = at;
    while (first != siblings->begin()) {
        const std::shared_ptr<Window> found = FindWindowObject(*first);
        if (found != nullptr && (found->style & WS_GROUP) != 0) {
            break;
        }
        --first;
    }
    std::vector<HWND> group{*first};
    for (auto it = first + 1; it != siblings->end(); ++it) {
        const std::shared_ptr<Window> found = FindWindowObject(*it);
        if (found != nullptr && (found->style & WS_GROUP) != 0) {
            break;
        }
        group.push_back(*it);
    }
    return group;
}

void Clicked(HWND button) {
    const std::shared_ptr<ButtonState> state = ControlOf<ButtonState>(button);
    if (state == nullptr) {
        return;
    }
    switch (TypeOf(button)) {
        case BS_AUTOCHECKBOX:
            Deliver(button, BM_SETCHECK, state->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
            break;
        case BS_AUTO3STATE:
            Deliver(button, BM_SETCHECK, (state->check + 1) % 3, 0);
            break;
        case BS_AUTORADIOBUTTON:
            for (HWND other : GroupOf(button)) {
                if (other != button && TypeOf(other) == BS_AUTORADIOBUTTON &&
                    ControlOf<ButtonState>(other) != nullptr) {
                    Deliver(other, BM_SETCHECK, BST_UNCHECKED, 0);
                }
            }
            Deliver(button, BM_SETCHECK, BST_CHECKED, 0);
            break;
        default:
            break;
    }
    NotifyParent(button, BN_CLICKED);
}

// A button as its message handlers see it: its handle, its window and its state, which the window procedure
// holds while they run, and its type (BS_TYPEMASK of its style) when the message came.
struct Button {
    HWND handle;
    Window& window;
    ButtonState& state;
    DWORD type;
};

LRESULT OnNcCreate(HWND handle, Window& window, WPARAM wParam, LPARAM lParam) {
    auto state = std::make_shared<ButtonState>();
    state->checkable = IsCheckable(window.style & BS_TYPEMASK);
    window.control = state;
    return DefWindowProcW(handle, WM_NCCREATE, wParam, lParam);
}

LRESULT OnGetDlgCode(const Button& button) {
    switch (button.type) {
        case BS_PUSHBUTTON:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_DEFPUSHBUTTON:
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case BS_GROUPBOX:
            return DLGC_STATIC;
        default:
            return DLGC_BUTTON;
    }
}

LRESULT OnNcHitTest(const Button& button, WPARAM wParam, LPARAM lParam) {
    // A group box lets clicks through to what lies under it.
    return button.type == BS_GROUPBOX ? HTTRANSPARENT : DefWindowProcW(button.handle, WM_NCHITTEST, wParam, lParam);
}

// WM_LBUTTONDOWN and WM_LBUTTONDBLCLK.
LRESULT OnLButtonDown(const Button& button) {
    if (button.type == BS_GROUPBOX) {
        return 0;
    }
    SetFocus(button.handle);
    if (const std::shared_ptr<ButtonState> after = ControlOf<ButtonState>(button.handle)) {
        after->pushed = true;
        InvalidateWindow(button.handle, nullptr, true);
    }
    return 0;
}

LRESULT OnLButtonUp(const Button& button, LPARAM lParam) {
    if (!button.state.pushed) {
        return 0;
    }
    button.state.pushed = false;
    InvalidateWindow(button.handle, nullptr, true);
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const RECT client = ClientRectOf(button.window);
    if (PtInRect(&client, point)) {
        Clicked(button.handle);
    }
    return 0;
}

LRESULT OnKeyDown(const Button& button, WPARAM key) {
    if (key == VK_SPACE && button.type != BS_GROUPBOX) {
        button.state.pushed = true;
    }
    return 0;
}

LRESULT OnKeyUp(const Button& button, WPARAM key) {
    if (key == VK_SPACE && button.state.pushed) {
        button.state.pushed = false;
        Clicked(button.handle);
    }
    return 0;
}

LRESULT OnClick(const Button& button) {
    Deliver(button.handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0, 0));
    Deliver(button.handle, WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
    return 0;
}

LRESULT OnSetCheck(const Button& button, WPARAM wParam) {
    if (!button.state.checkable) {
        return 0;
    }
    int check = static_cast<int>(wParam);
    // Only the three-state kinds have the third state; the others show it as checked.
    if (check == BST_INDETERMINATE && button.type != BS_3STATE && button.type != BS_AUTO3STATE) {
        check = BST_CHECKED;
    }
    if (check != BST_UNCHECKED && check != BST_CHECKED && check != BST_INDETERMINATE) {
        check = BST_UNCHECKED;
    }
    if (check != button.state.check) {
        button.state.check = check;
        InvalidateWindow(button.handle, nullptr, true);
    }
    return 0;
}

LRESULT OnGetState(const Button& button) {
    const ButtonState& state = button.state;
    return (state.checkable ? state.check : 0) | (state.pushed ? BST_PUSHED : 0) | (state.focused ? BST_FOCUS : 0);
}

LRESULT OnSetState(const Button& button, WPARAM wParam) {
    button.state.pushed = wParam != 0;
    InvalidateWindow(button.handle, nullptr, true);
    return 0;
}

LRESULT OnSetStyle(const Button& button, WPARAM wParam, LPARAM lParam) {
    button.window.style = (button.window.style & 0xFFFF0000u) | static_cast<DWORD>(wParam & 0xFFFF);
    button.state.checkable = IsCheckable(button.window.style & BS_TYPEMASK);
    if (lParam != 0) {
        InvalidateWindow(button.handle, nullptr, true);
    }
    return 0;
}

LRESULT OnSetImage(const Button& button, WPARAM wParam, LPARAM lParam) {
    if (wParam != IMAGE_BITMAP && wParam != IMAGE_ICON && wParam != IMAGE_CURSOR) {
        return 0;
    }
    const HANDLE previous = button.state.image;
    button.state.image = reinterpret_cast<HANDLE>(lParam);
    button.state.imageType = wParam;
    InvalidateWindow(button.handle, nullptr, true);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT OnGetImage(const Button& button, WPARAM wParam) {
    return button.state.imageType == wParam ? reinterpret_cast<LRESULT>(button.state.image) : 0;
}

LRESULT OnSetFocus(const Button& button) {
    button.state.focused = true;
    InvalidateWindow(button.handle, nullptr, true);
    if (Notifies(button.handle)) {
        NotifyParent(button.handle, BN_SETFOCUS);
    }
    return 0;
}

LRESULT OnKillFocus(const Button& button) {
    button.state.focused = false;
    button.state.pushed = false;
    InvalidateWindow(button.handle, nullptr, true);
    if (Notifies(button.handle)) {
        NotifyParent(button.handle, BN_KILLFOCUS);
    }
    return 0;
}

LRESULT Dispatch(HWND handle, Window& window, ButtonState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const DWORD type = window.style & BS_TYPEMASK;
    const Button button{handle, window, state, type};
    switch (message) {
        case WM_GETDLGCODE:
            return OnGetDlgCode(button);
        case WM_NCHITTEST:
            return OnNcHitTest(button, wParam, lParam);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            return OnLButtonDown(button);
        case WM_LBUTTONUP:
            return OnLButtonUp(button, lParam);
        case WM_KEYDOWN:
            return OnKeyDown(button, wParam);
        case WM_KEYUP:
            return OnKeyUp(button, wParam);
        case WM_CHAR:
            return 0;
        case BM_CLICK:
            return OnClick(button);
        case BM_GETCHECK:
            return state.checkable ? state.check : BST_UNCHECKED;
        case BM_SETCHECK:
            return OnSetCheck(button, wParam);
        case BM_GETSTATE:
            return OnGetState(button);
        case BM_SETSTATE:
            return OnSetState(button, wParam);
        case BM_SETSTYLE:
            return OnSetStyle(button, wParam, lParam);
        case BM_SETIMAGE:
            return OnSetImage(button, wParam, lParam);
        case BM_GETIMAGE:
            return OnGetImage(button, wParam);
        case WM_SETFOCUS:
            return OnSetFocus(button);
        case WM_KILLFOCUS:
            return OnKillFocus(button);
        case WM_SETTEXT:
            return SetTextAndRepaint(handle, wParam, lParam);
        default:
            return ControlDefault(handle, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK ButtonWndProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    return RunControl<ButtonState>(handle, message, wParam, lParam, OnNcCreate, Dispatch);
}

}  // namespace win32sub
