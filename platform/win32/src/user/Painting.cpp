// Update regions and WM_PAINT. There is nothing to draw on: painting here is the bookkeeping that tells a
// window what it would have to draw, so that its WM_PAINT handling runs as on Windows. An update region is
// kept as its bounding rectangle.
#include <algorithm>

#include "user/WindowManager.h"

namespace win32sub {
namespace {

void AddUpdate(Window& window, const RECT& rect, bool erase) {
    const RECT client = ClientRectOf(window);
    RECT clipped;
    if (!IntersectRect(&clipped, &rect, &client)) {
        return;
    }
    if (window.hasUpdate) {
        UnionRect(&window.update, &window.update, &clipped);
    } else {
        window.update = clipped;
        window.hasUpdate = true;
    }
    window.erase = window.erase || erase;
}

// Removes `rect` from the update region. The region is a rectangle, so only what a band across it takes
// away can be taken away; a hole in the middle leaves the rectangle as it was.
void RemoveUpdate(Window& window, const RECT& rect) {
    if (!window.hasUpdate) {
        return;
    }
    RECT& update = window.update;
    if (rect.left <= update.left && rect.right >= update.right) {
        if (rect.top <= update.top && rect.bottom >= update.bottom) {
            window.hasUpdate = false;
            window.erase = false;
            update = RECT{};
            return;
        }
        if (rect.top <= update.top && rect.bottom > update.top) {
            update.top = rect.bottom;
        } else if (rect.bottom >= update.bottom && rect.top < update.bottom) {
            update.bottom = rect.top;
        }
    } else if (rect.top <= update.top && rect.bottom >= update.bottom) {
        if (rect.left <= update.left && rect.right > update.left) {
            update.left = rect.right;
        } else if (rect.right >= update.right && rect.left < update.right) {
            update.right = rect.left;
        }
    }
}

HDC DeviceContextFor(HWND window) {
    // A token that is never 0 and tells the window apart; nothing draws with it.
    return reinterpret_cast<HDC>(reinterpret_cast<std::uintptr_t>(window) | 1);
}

HWND FirstToPaint(HWND window) {
    const std::shared_ptr<Window> found = FindWindowObject(window);
    if (found == nullptr || (found->style & WS_VISIBLE) == 0 || found->destroying) {
        return nullptr;
    }
    if (found->hasUpdate) {
        return window;
    }
    for (HWND child : std::vector<HWND>(found->children)) {
        if (const HWND below = FirstToPaint(child)) {
            return below;
        }
    }
    return nullptr;
}

}  // namespace

void InvalidateWindow(HWND handle, const RECT* rect, bool erase) {
    const std::shared_ptr<Window> window = FindWindowObject(handle);
    if (window == nullptr || !IsShown(handle)) {
        return;
    }
    const RECT whole = ClientRectOf(*window);
    const RECT area = rect != nullptr ? *rect : whole;
    AddUpdate(*window, area, erase);
    if ((window->style & WS_CLIPCHILDREN) != 0) {
        return;
    }
    // Children that the rectangle covers are to be painted where it covers them.
    for (HWND child : window->children) {
        const std::shared_ptr<Window> below = FindWindowObject(child);
        if (below == nullptr || (below->style & WS_VISIBLE) == 0) {
            continue;
        }
        RECT overlap;
        if (IntersectRect(&overlap, &area, &below->rect)) {
            const RECT insets = FrameInsets(below->style, below->exStyle);
            OffsetRect(&overlap, -(below->rect.left + insets.left), -(below->rect.top + insets.top));
            InvalidateWindow(child, &overlap, erase);
        }
    }
}

void InvalidateParentArea(const Window& child, const RECT& rectInParent) {
    const std::shared_ptr<Window> parent = FindWindowObject(child.parent);
    if (parent == nullptr || child.parent == DesktopHandle()) {
        return;  // the desktop paints nothing
    }
    // A child's rectangle is in its parent's client coordinates already.
    InvalidateWindow(child.parent, &rectInParent, true);
}

HWND WindowToPaint(HWND filter) {
    if (filter != nullptr) {
        return FirstToPaint(filter);
    }
    const std::shared_ptr<Window> desktop = FindWindowObject(DesktopHandle());
    for (HWND window : std::vector<HWND>(desktop->children)) {
        if (const HWND found = FirstToPaint(window)) {
            return found;
        }
    }
    return nullptr;
}

void ValidateWindow(HWND handle) {
    if (const std::shared_ptr<Window> window = FindWindowObject(handle)) {
        window->hasUpdate = false;
        window->erase = false;
        window->update = RECT{};
    }
}

}  // namespace win32sub

using win32sub::Window;

WIN32SUB_API BOOL WINAPI InvalidateRect(HWND handle, const RECT* rect, BOOL erase) {
    if (handle == nullptr) {
        const std::shared_ptr<Window> desktop = win32sub::FindWindowObject(win32sub::DesktopHandle());
        for (HWND window : std::vector<HWND>(desktop->children)) {
            win32sub::InvalidateWindow(window, nullptr, erase != FALSE);
        }
        return TRUE;
    }
    if (win32sub::WindowOrFail(handle) == nullptr) {
        return FALSE;
    }
    win32sub::InvalidateWindow(handle, rect, erase != FALSE);
    return TRUE;
}

WIN32SUB_API BOOL WINAPI ValidateRect(HWND handle, const RECT* rect) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr) {
        return FALSE;
    }
    if (rect == nullptr) {
        win32sub::ValidateWindow(handle);
    } else {
        win32sub::RemoveUpdate(*window, *rect);
    }
    return TRUE;
}

WIN32SUB_API BOOL WINAPI UpdateWindow(HWND handle) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr) {
        return FALSE;
    }
    if (window->hasUpdate && win32sub::IsShown(handle)) {
        win32sub::Deliver(handle, WM_PAINT, 0, 0);
    }
    return TRUE;
}

WIN32SUB_API BOOL WINAPI GetUpdateRect(HWND handle, LPRECT rect, BOOL erase) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr) {
        return FALSE;
    }
    if (!window->hasUpdate) {
        if (rect != nullptr) {
            SetRectEmpty(rect);
        }
        return FALSE;
    }
    if (rect != nullptr) {
        *rect = window->update;
    }
    if (erase && window->erase) {
        window->erase = false;
        win32sub::Deliver(handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(win32sub::DeviceContextFor(handle)), 0);
    }
    return TRUE;
}

WIN32SUB_API HDC WINAPI BeginPaint(HWND handle, LPPAINTSTRUCT paint) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr || paint == nullptr) {
        return nullptr;
    }
    *paint = PAINTSTRUCT{};
    paint->hdc = win32sub::DeviceContextFor(handle);
    paint->rcPaint = window->hasUpdate ? window->update : RECT{};
    const bool erase = window->erase;
    win32sub::ValidateWindow(handle);
    if (erase) {
        // fErase tells the window that the background is still to be erased.
        paint->fErase =
            win32sub::Deliver(handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0) == 0 ? TRUE : FALSE;
    }
    return paint->hdc;
}

WIN32SUB_API BOOL WINAPI EndPaint(HWND handle, const PAINTSTRUCT* paint) {
    (void)handle;
    (void)paint;
    return TRUE;
}
