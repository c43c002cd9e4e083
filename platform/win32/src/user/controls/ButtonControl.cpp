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
                if (other != button && TypeOf(other) == BS_AUTORADIOBUTTON && ControlOf<ButtonState>(other) != nullptr) {
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

}  // namespace

LRESULT CALLBACK ButtonWndProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::shared_ptr<Window> window = FindWindowObject(handle);
    if (window == nullptr) {
        return 0;
    }
    if (message == WM_NCCREATE) {
        auto state = std::make_shared<ButtonState>();
        state->checkable = IsCheckable(window->style & BS_TYPEMASK);
        window->control = state;
        return DefWindowProcW(handle, message, wParam, lParam);
    }
    const std::shared_ptr<ButtonState> state = std::dynamic_pointer_cast<ButtonState>(window->control);
    if (state == nullptr) {
        return DefWindowProcW(handle, message, wParam, lParam);
    }
    const DWORD type = window->style & BS_TYPEMASK;
    switch (message) {
        case WM_GETDLGCODE:
            switch (type) {
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
        case WM_NCHITTEST:
            // A group box lets clicks through to what lies under it.
            return type == BS_GROUPBOX ? HTTRANSPARENT : DefWindowProcW(handle, message, wParam, lParam);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (type == BS_GROUPBOX) {
                return 0;
            }
            SetFocus(handle);
            if (const std::shared_ptr<ButtonState> after = ControlOf<ButtonState>(handle)) {
                after->pushed = true;
                InvalidateWindow(handle, nullptr, true);
            }
            return 0;
        case WM_LBUTTONUP: {
            if (!state->pushed) {
                return 0;
            }
            state->pushed = false;
            InvalidateWindow(handle, nullptr, true);
            const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            const RECT client = ClientRectOf(*window);
            if (PtInRect(&client, point)) {
                Clicked(handle);
            }
            return 0;
        }
        case WM_KEYDOWN:
            if (wParam == VK_SPACE && type != BS_GROUPBOX) {
                state->pushed = true;
            }
            return 0;
        case WM_KEYUP:
            if (wParam == VK_SPACE && state->pushed) {
                state->pushed = false;
                Clicked(handle);
            }
            return 0;
        case WM_CHAR:
            return 0;
        case BM_CLICK:
            Deliver(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0, 0));
            Deliver(handle, WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
            return 0;
        case BM_GETCHECK:
            return state->checkable ? state->check : BST_UNCHECKED;
        case BM_SETCHECK: {
            if (!state->checkable) {
                return 0;
            }
            int check = static_cast<int>(wParam);
            // Only the three-state kinds have the third state; the others show it as checked.
            if (check == BST_INDETERMINATE && type != BS_3STATE && type != BS_AUTO3STATE) {
                check = BST_CHECKED;
            }
            if (check != BST_UNCHECKED && check != BST_CHECKED && check != BST_INDETERMINATE) {
                check = BST_UNCHECKED;
            }
            if (check != state->check) {
                state->check = check;
                InvalidateWindow(handle, nullptr, true);
            }
            return 0;
        }
        case BM_GETSTATE:
            return (state->checkable ? state->check : 0) | (state->pushed ? BST_PUSHED : 0) |
                   (state->focused ? BST_FOCUS : 0);
        case BM_SETSTATE:
            state->pushed = wParam != 0;
            InvalidateWindow(handle, nullptr, true);
            return 0;
        case BM_SETSTYLE:
            window->style = (window->style & 0xFFFF0000u) | static_cast<DWORD>(wParam & 0xFFFF);
            state->checkable = IsCheckable(window->style & BS_TYPEMASK);
            if (lParam != 0) {
                InvalidateWindow(handle, nullptr, true);
            }
            return 0;
        case BM_SETIMAGE: {
            if (wParam != IMAGE_BITMAP && wParam != IMAGE_ICON && wParam != IMAGE_CURSOR) {
                return 0;
            }
            const HANDLE previous = state->image;
            state->image = reinterpret_cast<HANDLE>(lParam);
            state->imageType = wParam;
            InvalidateWindow(handle, nullptr, true);
            return reinterpret_cast<LRESULT>(previous);
        }
        case BM_GETIMAGE:
            return state->imageType == wParam ? reinterpret_cast<LRESULT>(state->image) : 0;
        case WM_SETFOCUS:
            state->focused = true;
            InvalidateWindow(handle, nullptr, true);
            if (Notifies(handle)) {
                NotifyParent(handle, BN_SETFOCUS);
            }
            return 0;
        case WM_KILLFOCUS:
            state->focused = false;
            state->pushed = false;
            InvalidateWindow(handle, nullptr, true);
            if (Notifies(handle)) {
                NotifyParent(handle, BN_KILLFOCUS);
            }
            return 0;
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcW(handle, message, wParam, lParam);
            InvalidateWindow(handle, nullptr, true);
            return result;
        }
        case WM_ENABLE:
            InvalidateWindow(handle, nullptr, true);
            return 0;
        default:
            return DefWindowProcW(handle, message, wParam, lParam);
    }
}

}  // namespace win32sub
