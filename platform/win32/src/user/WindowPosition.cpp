// Where windows are and whether they are seen or usable: moving, sizing, Z order, showing, hiding,
// enabling, and the conversions between client and screen coordinates.
#include <algorithm>

#include "user/WindowManager.h"

namespace win32sub {
namespace {

void Reorder(Window& window, HWND insertAfter) {
    std::vector<HWND>* siblings = SiblingsOf(window);
    if (siblings == nullptr) {
        return;
    }
    if (insertAfter == HWND_TOPMOST) {
        window.exStyle |= WS_EX_TOPMOST;
    } else if (insertAfter == HWND_NOTOPMOST) {
        window.exStyle &= ~static_cast<DWORD>(WS_EX_TOPMOST);
        return;
    }
    if (insertAfter == window.handle) {
        return;
    }
    if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST && insertAfter != HWND_BOTTOM &&
        std::find(siblings->begin(), siblings->end(), insertAfter) == siblings->end()) {
        return;  // not a sibling: the order stays
    }
    std::erase(*siblings, window.handle);
    if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST) {
        siblings->insert(siblings->begin(), window.handle);
    } else if (insertAfter == HWND_BOTTOM) {
        siblings->push_back(window.handle);
    } else {
        siblings->insert(std::find(siblings->begin(), siblings->end(), insertAfter) + 1, window.handle);
    }
}

// The client area's position in the parent's client coordinates (the screen's for top-level windows).
POINT ClientPositionInParent(const Window& window) {
    const RECT insets = FrameInsets(window.style, window.exStyle);
    return POINT{window.rect.left + insets.left, window.rect.top + insets.top};
}

// Every shown window from `window` down gets its whole client area to paint.
void InvalidateTree(HWND window) {
    InvalidateWindow(window, nullptr, true);
    for (HWND child : DescendantsOf(window)) {
        InvalidateWindow(child, nullptr, true);
    }
}

}  // namespace

RECT ScreenRectOf(const Window& window) {
    RECT rect = window.rect;
    if (const std::shared_ptr<Window> parent = FindWindowObject(window.parent)) {
        const POINT origin = ClientOriginOf(*parent);
        OffsetRect(&rect, origin.x, origin.y);
    }
    return rect;
}

RECT ClientRectOf(const Window& window) {
    const RECT insets = FrameInsets(window.style, window.exStyle);
    const LONG width = window.rect.right - window.rect.left - insets.left - insets.right;
    const LONG height = window.rect.bottom - window.rect.top - insets.top - insets.bottom;
    return RECT{0, 0, std::max<LONG>(width, 0), std::max<LONG>(height, 0)};
}

POINT ClientOriginOf(const Window& window) {
    const RECT screen = ScreenRectOf(window);
    const RECT insets = FrameInsets(window.style, window.exStyle);
    return POINT{screen.left + insets.left, screen.top + insets.top};
}

bool SetWindowPosition(HWND handle, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    std::shared_ptr<Window> window = FindWindowObject(handle);
    if (window == nullptr) {
        return false;
    }
    // Parts that do not change carry their present values, so that a procedure may read the whole of it.
    WINDOWPOS position{handle, insertAfter, x, y, cx, cy, flags};
    if ((flags & SWP_NOMOVE) != 0) {
        position.x = window->rect.left;
        position.y = window->rect.top;
    }
    if ((flags & SWP_NOSIZE) != 0) {
        position.cx = window->rect.right - window->rect.left;
        position.cy = window->rect.bottom - window->rect.top;
    }
    if ((flags & SWP_NOSENDCHANGING) == 0) {
        Deliver(handle, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&position));
        window = FindWindowObject(handle);
        if (window == nullptr) {
            return true;
        }
    }
    const RECT oldRect = window->rect;
    const RECT oldClient = ClientRectOf(*window);
    const POINT oldOrigin = ClientPositionInParent(*window);
    const bool wasVisible = (window->style & WS_VISIBLE) != 0;
    if ((position.flags & SWP_NOMOVE) == 0) {
        OffsetRect(&window->rect, position.x - window->rect.left, position.y - window->rect.top);
    }
    if ((position.flags & SWP_NOSIZE) == 0) {
        window->rect.right = window->rect.left + std::max(position.cx, 0);
        window->rect.bottom = window->rect.top + std::max(position.cy, 0);
    }
    if ((position.flags & SWP_NOZORDER) == 0) {
        Reorder(*window, position.hwndInsertAfter);
    }
    if ((position.flags & SWP_SHOWWINDOW) != 0) {
        window->style |= WS_VISIBLE;
    } else if ((position.flags & SWP_HIDEWINDOW) != 0) {
        window->style &= ~static_cast<DWORD>(WS_VISIBLE);
    }
    const bool visible = (window->style & WS_VISIBLE) != 0;
    const RECT newClient = ClientRectOf(*window);
    const POINT newOrigin = ClientPositionInParent(*window);
    WINDOWPOS changed = position;
    changed.x = window->rect.left;
    changed.y = window->rect.top;
    changed.cx = window->rect.right - window->rect.left;
    changed.cy = window->rect.bottom - window->rect.top;
    if (newClient.right == oldClient.right && newClient.bottom == oldClient.bottom) {
        changed.flags |= SWP_NOCLIENTSIZE;
    }
    if (newOrigin.x == oldOrigin.x && newOrigin.y == oldOrigin.y) {
        changed.flags |= SWP_NOCLIENTMOVE;
    }
    const bool movedOrSized = !EqualRect(&oldRect, &window->rect);
    if ((position.flags & SWP_NOREDRAW) == 0) {
        if (wasVisible && (!visible || movedOrSized)) {
            InvalidateParentArea(*window, oldRect);
        }
        if (visible && (!wasVisible || movedOrSized)) {
            InvalidateTree(handle);
        }
    }
    // Activation changes before WM_WINDOWPOSCHANGED, as on Windows.
    const bool topLevel = IsTopLevel(*window);
    if (wasVisible && !visible && topLevel && ActiveWindow() == handle) {
        ActivateAnotherThan(handle);
    } else if (visible && topLevel && (position.flags & SWP_NOACTIVATE) == 0) {
        Activate(handle, WA_ACTIVE);
    }
    if (IsWindow(handle)) {
        Deliver(handle, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&changed));
    }
    return true;
}

namespace {

// ClientToScreen (`direction` 1) and ScreenToClient (-1): the point moves by the window's client origin.
BOOL MoveByClientOrigin(HWND handle, POINT* point, int direction) {
    const std::shared_ptr<Window> window = WindowOrFail(handle);
    if (window == nullptr || point == nullptr) {
        return FALSE;
    }
    const POINT origin = ClientOriginOf(*window);
    point->x += direction * origin.x;
    point->y += direction * origin.y;
    return TRUE;
}

// The screen position of a window's client area for MapWindowPoints, which leaves `origin` (0, 0) for no
// window (the screen); false for a handle that is no window.
bool MappingOrigin(HWND handle, POINT& origin) {
    if (handle == nullptr) {
        return true;
    }
    const std::shared_ptr<Window> window = WindowOrFail(handle);
    if (window == nullptr) {
        return false;
    }
    origin = ClientOriginOf(*window);
    return true;
}

}  // namespace
}  // namespace win32sub

using win32sub::Window;

WIN32SUB_API BOOL WINAPI SetWindowPos(HWND handle, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    if (win32sub::WindowOrFail(handle) == nullptr) {
        return FALSE;
    }
    return win32sub::SetWindowPosition(handle, insertAfter, x, y, cx, cy, flags) ? TRUE : FALSE;
}

WIN32SUB_API BOOL WINAPI MoveWindow(HWND handle, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(handle, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : static_cast<UINT>(SWP_NOREDRAW)));
}

WIN32SUB_API BOOL WINAPI ShowWindow(HWND handle, int command) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr) {
        return FALSE;
    }
    if (command < SW_HIDE || command > SW_SHOWDEFAULT) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const bool wasVisible = (window->style & WS_VISIBLE) != 0;
    const bool show = command != SW_HIDE;
    const bool activate = show && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE &&
                          command != SW_SHOWMINNOACTIVE && command != SW_MINIMIZE;
    if (show != wasVisible) {
        win32sub::Deliver(handle, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if (!IsWindow(handle)) {
            return wasVisible ? TRUE : FALSE;
        }
        win32sub::SetWindowPosition(handle, nullptr, 0, 0, 0, 0,
                                    SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | (activate ? 0u : SWP_NOACTIVATE) |
                                        (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    } else if (activate && win32sub::IsTopLevel(*window)) {
        win32sub::Activate(handle, WA_ACTIVE);  // shown already: only activated
    }
    return wasVisible ? TRUE : FALSE;
}

WIN32SUB_API BOOL WINAPI IsWindowVisible(HWND handle) { return win32sub::IsShown(handle) ? TRUE : FALSE; }

WIN32SUB_API BOOL WINAPI EnableWindow(HWND handle, BOOL enable) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr) {
        return FALSE;
    }
    const bool wasDisabled = (window->style & WS_DISABLED) != 0;
    if (wasDisabled == (enable == FALSE)) {
        return wasDisabled ? TRUE : FALSE;
    }
    if (enable) {
        window->style &= ~static_cast<DWORD>(WS_DISABLED);
    } else {
        window->style |= WS_DISABLED;
        win32sub::DropFocusFrom(handle);
    }
    win32sub::Deliver(handle, WM_ENABLE, enable ? TRUE : FALSE, 0);
    win32sub::InvalidateWindow(handle, nullptr, true);
    return wasDisabled ? TRUE : FALSE;
}

WIN32SUB_API BOOL WINAPI IsWindowEnabled(HWND handle) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    return window != nullptr && (window->style & WS_DISABLED) == 0 ? TRUE : FALSE;
}

WIN32SUB_API BOOL WINAPI GetWindowRect(HWND handle, LPRECT rect) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr || rect == nullptr) {
        return FALSE;
    }
    *rect = win32sub::ScreenRectOf(*window);
    return TRUE;
}

WIN32SUB_API BOOL WINAPI GetClientRect(HWND handle, LPRECT rect) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr || rect == nullptr) {
        return FALSE;
    }
    *rect = win32sub::ClientRectOf(*window);
    return TRUE;
}

WIN32SUB_API BOOL WINAPI ClientToScreen(HWND handle, LPPOINT point) {
    return win32sub::MoveByClientOrigin(handle, point, 1);
}

WIN32SUB_API BOOL WINAPI ScreenToClient(HWND handle, LPPOINT point) {
    return win32sub::MoveByClientOrigin(handle, point, -1);
}

WIN32SUB_API int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    POINT fromOrigin{0, 0};
    POINT toOrigin{0, 0};
    if (!win32sub::MappingOrigin(from, fromOrigin) || !win32sub::MappingOrigin(to, toOrigin)) {
        return 0;
    }
    const LONG dx = fromOrigin.x - toOrigin.x;
    const LONG dy = fromOrigin.y - toOrigin.y;
    for (UINT i = 0; points != nullptr && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    SetLastError(ERROR_SUCCESS);  // a shift of 0 is not a failure
    return MAKELONG(dx, dy);
}
