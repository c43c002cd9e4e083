// Window procedures: the default one, calling a previous procedure, and the window data that subclassing
// changes (GWLP_WNDPROC and the other GetWindowLongPtrW / SetWindowLongPtrW indexes).
#include <algorithm>
#include <cstring>
#include <cwchar>
#include <utility>

#include "user/WindowManager.h"

namespace win32sub {

LRESULT CopyTextOut(const std::wstring& text, WPARAM size, LPARAM buffer) {
    auto* out = reinterpret_cast<wchar_t*>(buffer);
    if (size == 0 || out == nullptr) {
        return 0;
    }
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    std::wmemcpy(out, text.data(), count);
    out[count] = L'\0';
    return static_cast<LRESULT>(count);
}

namespace {

// Where a screen point falls in a window: client area, caption, frame, or outside.
LRESULT HitTest(const Window& window, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const RECT outer = ScreenRectOf(window);
    if (!PtInRect(&outer, point)) {
        return HTNOWHERE;
    }
    const POINT origin = ClientOriginOf(window);
    const RECT client = ClientRectOf(window);
    RECT inner = client;
    OffsetRect(&inner, origin.x, origin.y);
    if (PtInRect(&inner, point)) {
        return HTCLIENT;
    }
    if ((window.style & WS_CAPTION) == WS_CAPTION && point.y < inner.top &&
        point.y >= inner.top - GetSystemMetrics(SM_CYCAPTION)) {
        return HTCAPTION;
    }
    return HTBORDER;
}

void SendMoveAndSize(HWND handle, const WINDOWPOS& position) {
    if ((position.flags & SWP_NOCLIENTMOVE) == 0) {
        const std::shared_ptr<Window> window = FindWindowObject(handle);
        if (window == nullptr) {
            return;
        }
        // The client area's position, relative to the parent's client area for a child.
        POINT origin = ClientOriginOf(*window);
        if (!IsTopLevel(*window)) {
            ScreenToClient(window->parent, &origin);
        }
        Deliver(handle, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
    }
    if ((position.flags & SWP_NOCLIENTSIZE) == 0) {
        const std::shared_ptr<Window> window = FindWindowObject(handle);
        if (window == nullptr) {
            return;
        }
        const RECT client = ClientRectOf(*window);
        Deliver(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    }
}

bool ExtraRange(const Window& window, int index, std::size_t size) {
    if (index < 0 || static_cast<std::size_t>(index) + size > window.extra.size()) {
        SetLastError(ERROR_INVALID_INDEX);
        return false;
    }
    return true;
}

// WM_NCCREATE: the window's text from CREATESTRUCTW, unless the name is an ordinal (0xFFFF, then the
// number), which names a resource, not a text.
LRESULT TakeCreationText(Window& window, LPARAM lParam) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    if (create != nullptr && create->lpszName != nullptr && create->lpszName[0] != 0xFFFF) {
        window.text = create->lpszName;
    }
    return TRUE;
}

// WM_MOUSEACTIVATE: a child asks its parent first, as Windows does.
LRESULT MouseActivate(const Window& window, WPARAM wParam, LPARAM lParam) {
    if (!IsTopLevel(window)) {
        const LRESULT answer = SendMessageW(window.parent, WM_MOUSEACTIVATE, wParam, lParam);
        if (answer != 0) {
            return answer;
        }
    }
    return MA_ACTIVATE;
}

// The window fields that GetWindowLongW and SetWindowLongW reach: the rest of their indexes are extra bytes.
bool IsLongField(int index) { return index == GWL_STYLE || index == GWL_EXSTYLE || index == GWL_ID; }

// The value in the window's extra bytes at `index`; 0 (ERROR_INVALID_INDEX) when it does not fit there.
template <typename Value>
Value ReadExtra(const Window& window, int index) {
    Value value = 0;
    if (ExtraRange(window, index, sizeof value)) {
        std::memcpy(&value, window.extra.data() + index, sizeof value);
    }
    return value;
}

// Puts `value` in the extra bytes at `index` and hands back the one it replaced; 0 (ERROR_INVALID_INDEX)
// when it does not fit there.
template <typename Value>
Value WriteExtra(Window& window, int index, Value value) {
    Value previous = 0;
    if (ExtraRange(window, index, sizeof value)) {
        std::memcpy(&previous, window.extra.data() + index, sizeof previous);
        std::memcpy(window.extra.data() + index, &value, sizeof value);
    }
    return previous;
}

// GWLP_HWNDPARENT: a top-level window's owner (the root of `owner`) changes; a child's parent stays.
LONG_PTR ChangeOwner(Window& window, HWND owner) {
    if (!IsTopLevel(window)) {
        return reinterpret_cast<LONG_PTR>(window.parent);
    }
    if (owner != nullptr && WindowOrFail(owner) == nullptr) {
        return 0;
    }
    return reinterpret_cast<LONG_PTR>(std::exchange(window.owner, owner != nullptr ? RootOf(owner) : nullptr));
}

LONG_PTR ChangeStyle(HWND handle, int index, DWORD newStyle) {
    std::shared_ptr<Window> window = FindWindowObject(handle);
    const DWORD old = index == GWL_STYLE ? window->style : window->exStyle;
    STYLESTRUCT change{old, newStyle};
    Deliver(handle, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    window = FindWindowObject(handle);
    if (window == nullptr) {
        return static_cast<LONG_PTR>(old);
    }
    (index == GWL_STYLE ? window->style : window->exStyle) = change.styleNew;
    Deliver(handle, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    return static_cast<LONG_PTR>(old);
}

}  // namespace
}  // namespace win32sub

using win32sub::Window;

WIN32SUB_API LRESULT WINAPI CallWindowProcW(WNDPROC prevWndFunc, HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    return prevWndFunc != nullptr ? prevWndFunc(window, message, wParam, lParam) : 0;
}

WIN32SUB_API LRESULT WINAPI DefWindowProcW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr) {
        return 0;
    }
    switch (message) {
        case WM_NCCREATE:
            return win32sub::TakeCreationText(*window, lParam);
        case WM_SETTEXT:
            window->text = lParam != 0 ? reinterpret_cast<const wchar_t*>(lParam) : L"";
            return TRUE;
        case WM_GETTEXT:
            return win32sub::CopyTextOut(window->text, wParam, lParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(window->text.size());
        case WM_CLOSE:
            DestroyWindow(handle);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(handle, &paint);
            EndPaint(handle, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                SendMessageW(handle, WM_CLOSE, 0, 0);
            }
            return 0;
        case WM_SYSKEYDOWN:
            if (wParam == VK_F4) {
                PostMessageW(win32sub::RootOf(handle), WM_SYSCOMMAND, SC_CLOSE, 0);
            }
            return 0;
        case WM_WINDOWPOSCHANGED:
            if (lParam != 0) {
                win32sub::SendMoveAndSize(handle, *reinterpret_cast<const WINDOWPOS*>(lParam));
            }
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                win32sub::ChangeFocus(handle);
            }
            return 0;
        case WM_NCACTIVATE:
            return TRUE;
        case WM_MOUSEACTIVATE:
            return win32sub::MouseActivate(*window, wParam, lParam);
        case WM_SETCURSOR:
        case WM_CONTEXTMENU:
            if (!win32sub::IsTopLevel(*window)) {
                return SendMessageW(window->parent, message, wParam, lParam);
            }
            return 0;
        case WM_NCHITTEST:
            return win32sub::HitTest(*window, lParam);
        case WM_SETFONT:
            window->font = wParam;
            return 0;
        case WM_GETFONT:
            return static_cast<LRESULT>(window->font);
        default:
            return 0;
    }
}

WIN32SUB_API LONG_PTR WINAPI GetWindowLongPtrW(HWND handle, int index) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr) {
        return 0;
    }
    switch (index) {
        case GWLP_WNDPROC:
            return reinterpret_cast<LONG_PTR>(window->proc);
        case GWLP_HINSTANCE:
            return reinterpret_cast<LONG_PTR>(window->instance);
        case GWLP_HWNDPARENT:
            return reinterpret_cast<LONG_PTR>(win32sub::IsTopLevel(*window) ? window->owner : window->parent);
        case GWLP_ID:
            return static_cast<LONG_PTR>(window->id);
        case GWL_STYLE:
            return static_cast<LONG_PTR>(window->style);
        case GWL_EXSTYLE:
            return static_cast<LONG_PTR>(window->exStyle);
        case GWLP_USERDATA:
            return window->userData;
        default:
            return win32sub::ReadExtra<LONG_PTR>(*window, index);
    }
}

WIN32SUB_API LONG_PTR WINAPI SetWindowLongPtrW(HWND handle, int index, LONG_PTR newLong) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr) {
        return 0;
    }
    switch (index) {
        case GWLP_WNDPROC:
            return reinterpret_cast<LONG_PTR>(std::exchange(window->proc, reinterpret_cast<WNDPROC>(newLong)));
        case GWLP_HINSTANCE:
            return reinterpret_cast<LONG_PTR>(std::exchange(window->instance, reinterpret_cast<HINSTANCE>(newLong)));
        case GWLP_HWNDPARENT:
            return win32sub::ChangeOwner(*window, reinterpret_cast<HWND>(newLong));
        case GWLP_ID:
            return static_cast<LONG_PTR>(std::exchange(window->id, static_cast<UINT_PTR>(newLong)));
        case GWL_STYLE:
        case GWL_EXSTYLE:
            return win32sub::ChangeStyle(handle, index, static_cast<DWORD>(newLong));
        case GWLP_USERDATA:
            return std::exchange(window->userData, newLong);
        default:
            return win32sub::WriteExtra(*window, index, newLong);
    }
}

WIN32SUB_API LONG WINAPI GetWindowLongW(HWND handle, int index) {
    if (win32sub::IsLongField(index)) {
        return static_cast<LONG>(GetWindowLongPtrW(handle, index));
    }
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    return window != nullptr ? win32sub::ReadExtra<LONG>(*window, index) : 0;
}

WIN32SUB_API LONG WINAPI SetWindowLongW(HWND handle, int index, LONG newLong) {
    if (win32sub::IsLongField(index)) {
        // Styles are unsigned: they widen without their sign.
        const LONG_PTR wide = index == GWL_ID ? newLong : static_cast<LONG_PTR>(static_cast<DWORD>(newLong));
        return static_cast<LONG>(SetWindowLongPtrW(handle, index, wide));
    }
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    return window != nullptr ? win32sub::WriteExtra(*window, index, newLong) : 0;
}
