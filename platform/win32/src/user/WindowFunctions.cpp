// Creating and destroying windows, walking the window tree, and window text.
#include <algorithm>
#include <cstring>

#include "kernel/LastError.h"
#include "kernel/WideText.h"
#include "user/WindowManager.h"

namespace win32sub {
namespace {

// Sizes that CW_USEDEFAULT gives an overlapped window: three quarters of the screen.
void ResolveDefaults(DWORD style, int& x, int& y, int& width, int& height) {
    const bool overlapped = (style & (WS_POPUP | WS_CHILD)) == 0;
    if (x == CW_USEDEFAULT) {
        x = 0;
        y = 0;
    }
    if (width == CW_USEDEFAULT) {
        width = overlapped ? GetSystemMetrics(SM_CXSCREEN) * 3 / 4 : 0;
        height = overlapped ? GetSystemMetrics(SM_CYSCREEN) * 3 / 4 : 0;
    }
}

void Unlink(const Window& window) {
    if (std::vector<HWND>* siblings = SiblingsOf(window)) {
        std::erase(*siblings, window.handle);
    }
}

// The end of a window: WM_NCDESTROY to the children (each after its own children), then to the window; then
// it leaves the tree and the table, with its timers, queued messages and properties.
void FreeTree(HWND handle) {
    std::shared_ptr<Window> window = FindWindowObject(handle);
    if (window == nullptr) {
        return;
    }
    const std::vector<HWND> children = window->children;
    for (HWND child : children) {
        FreeTree(child);
    }
    Deliver(handle, WM_NCDESTROY, 0, 0);
    window = FindWindowObject(handle);
    if (window == nullptr) {
        return;
    }
    KillTimersOf(handle);
    RemoveQueuedMessagesOf(handle);
    window->properties.clear();
    Unlink(*window);
    --window->windowClass->windows;
    RemoveWindowObject(handle);
}

// WM_DESTROY to the window, then to each child, parents before children: while a window handles it, its
// children still exist.
void SendDestroyTree(HWND handle) {
    const std::shared_ptr<Window> window = FindWindowObject(handle);
    if (window == nullptr) {
        return;
    }
    window->destroying = true;
    Deliver(handle, WM_DESTROY, 0, 0);
    const std::shared_ptr<Window> after = FindWindowObject(handle);
    if (after == nullptr) {
        return;
    }
    const std::vector<HWND> children = after->children;
    for (HWND child : children) {
        SendDestroyTree(child);
    }
}

// The window or a child of `parent` (any descendant when `deep`) whose class and text match.
bool MatchesFind(const Window& window, LPCWSTR className, LPCWSTR windowName) {
    if (className != nullptr) {
        if (IS_INTRESOURCE(className)) {
            if (window.windowClass->atom != static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(className))) {
                return false;
            }
        } else if (!EqualFolded(window.windowClass->name, className)) {
            return false;
        }
    }
    return windowName == nullptr || window.text == windowName;
}

// Where a new window goes: a child under `parent`; a top-level window under the desktop, owned by the root
// of `parent`, and with a caption unless it is a popup. False, with the last error set, when it cannot go.
bool PlaceNewWindow(DWORD& style, HWND parent, HMENU menu, HWND& realParent, HWND& owner) {
    realParent = DesktopHandle();
    owner = nullptr;
    if ((style & WS_CHILD) != 0) {
        if (parent == nullptr) {
            return Fail(ERROR_TLW_WITH_WSCHILD, false);
        }
        realParent = parent;
        return WindowOrFail(parent) != nullptr;
    }
    if (parent != nullptr && parent != DesktopHandle()) {
        if (WindowOrFail(parent) == nullptr) {
            return false;
        }
        owner = RootOf(parent);  // a top-level window is owned by a top-level window
    }
    if (menu != nullptr) {
        return Fail(ERROR_INVALID_MENU_HANDLE, false);  // there are no menus here
    }
    if ((style & WS_POPUP) == 0) {
        style |= WS_CAPTION | WS_CLIPSIBLINGS;  // an overlapped window always has a caption
    }
    return true;
}

// The window that `create` describes, hidden until it is created, in the table and in its parent's list.
HWND AddNewWindow(const std::shared_ptr<WindowClass>& windowClass, const CREATESTRUCTW& create, HWND realParent,
                  HWND owner) {
    const auto style = static_cast<DWORD>(create.style);
    const bool child = (style & WS_CHILD) != 0;
    auto window = std::make_shared<Window>();
    window->windowClass = windowClass;
    window->proc = windowClass->proc;
    window->instance = create.hInstance;
    window->style = style & ~static_cast<DWORD>(WS_VISIBLE);  // shown once created, as Windows does
    window->exStyle = create.dwExStyle;
    window->id = child ? reinterpret_cast<UINT_PTR>(create.hMenu) : 0;
    window->parent = realParent;
    window->owner = owner;
    window->rect = RECT{create.x, create.y, create.x + std::max(create.cx, 0), create.y + std::max(create.cy, 0)};
    window->extra.assign(static_cast<std::size_t>(windowClass->windowExtra), 0);
    const HWND handle = AddWindowObject(window);
    ++windowClass->windows;
    // Children come below their siblings, so a dialog's controls keep their template order; a new
    // top-level window comes to the top.
    std::vector<HWND>& siblings = FindWindowObject(realParent)->children;
    if (child) {
        siblings.push_back(handle);
    } else {
        siblings.insert(siblings.begin(), handle);
    }
    return handle;
}

// After WM_CREATE: the window's size and place, WM_PARENTNOTIFY to a child's parent, and the window shown
// when its style asked for it.
void AnnounceNewWindow(HWND handle, const CREATESTRUCTW& create, HWND realParent) {
    const auto style = static_cast<DWORD>(create.style);
    const bool child = (style & WS_CHILD) != 0;
    if (const std::shared_ptr<Window> created = FindWindowObject(handle)) {
        const RECT client = ClientRectOf(*created);
        POINT origin = ClientOriginOf(*created);
        if (child) {
            ScreenToClient(realParent, &origin);
        }
        Deliver(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
        Deliver(handle, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
    }
    if (child && (create.dwExStyle & WS_EX_NOPARENTNOTIFY) == 0 && IsWindow(handle)) {
        const auto id = static_cast<WORD>(reinterpret_cast<UINT_PTR>(create.hMenu));
        Deliver(realParent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, id), reinterpret_cast<LPARAM>(handle));
    }
    if ((style & WS_VISIBLE) != 0 && IsWindow(handle)) {
        ShowWindow(handle, SW_SHOW);
    }
}

}  // namespace

void DestroyAllWindows() {
    const std::shared_ptr<Window> desktop = FindWindowObject(DesktopHandle());
    // Owned windows go with their owners.
    while (desktop != nullptr && !desktop->children.empty()) {
        const HWND last = desktop->children.back();
        DestroyWindow(last);
        if (IsWindow(last)) {
            break;  // a window that refuses to go; never loop on it
        }
    }
}

}  // namespace win32sub

using win32sub::Window;

WIN32SUB_API HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                                         int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                                         LPVOID param) {
    const std::shared_ptr<win32sub::WindowClass> windowClass = win32sub::ClassForCreate(className, instance);
    if (windowClass == nullptr) {
        return nullptr;
    }
    HWND realParent = nullptr;
    HWND owner = nullptr;
    if (!win32sub::PlaceNewWindow(style, parent, menu, realParent, owner)) {
        return nullptr;
    }
    win32sub::ResolveDefaults(style, x, y, width, height);
    CREATESTRUCTW create{};
    create.lpCreateParams = param;
    create.hInstance = instance;
    create.hMenu = menu;
    create.hwndParent = parent;
    create.cy = height;
    create.cx = width;
    create.y = y;
    create.x = x;
    create.style = static_cast<LONG>(style);
    create.lpszName = windowName;
    create.lpszClass = className;
    create.dwExStyle = exStyle;
    const HWND handle = win32sub::AddNewWindow(windowClass, create, realParent, owner);
    if (win32sub::Deliver(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)) == 0) {
        win32sub::FreeTree(handle);
        return nullptr;
    }
    if (!IsWindow(handle)) {
        return nullptr;
    }
    if (win32sub::Deliver(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    win32sub::AnnounceNewWindow(handle, create, realParent);
    return IsWindow(handle) ? handle : nullptr;
}

WIN32SUB_API BOOL WINAPI DestroyWindow(HWND handle) {
    std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr) {
        return FALSE;
    }
    if (handle == win32sub::DesktopHandle()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (window->destroying) {
        return TRUE;  // already on its way
    }
    // Windows owned by this one go first.
    if (win32sub::IsTopLevel(*window)) {
        const std::vector<HWND> topLevel = win32sub::FindWindowObject(window->parent)->children;
        for (HWND other : topLevel) {
            const std::shared_ptr<Window> owned = win32sub::FindWindowObject(other);
            if (owned != nullptr && owned->owner == handle) {
                DestroyWindow(other);
            }
        }
    }
    window = win32sub::FindWindowObject(handle);
    if (window == nullptr || window->destroying) {
        return TRUE;
    }
    const bool topLevel = win32sub::IsTopLevel(*window);
    if (!topLevel && (window->exStyle & WS_EX_NOPARENTNOTIFY) == 0) {
        win32sub::Deliver(window->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, LOWORD(window->id)),
                          reinterpret_cast<LPARAM>(handle));
    }
    if ((window->style & WS_VISIBLE) != 0 && IsWindow(handle)) {
        win32sub::SetWindowPosition(handle, nullptr, 0, 0, 0, 0,
                                    SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!IsWindow(handle)) {
        return TRUE;
    }
    win32sub::DropFocusFrom(handle);
    if (topLevel && win32sub::ActiveWindow() == handle) {
        win32sub::ActivateAnotherThan(handle);
    }
    win32sub::SendDestroyTree(handle);
    win32sub::FreeTree(handle);
    return TRUE;
}

WIN32SUB_API HWND WINAPI GetParent(HWND handle) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr) {
        return nullptr;
    }
    if (!win32sub::IsTopLevel(*window)) {
        return window->parent;  // nullptr for the desktop
    }
    return (window->style & WS_POPUP) != 0 ? window->owner : nullptr;
}

WIN32SUB_API HWND WINAPI GetAncestor(HWND handle, UINT flags) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr || handle == win32sub::DesktopHandle()) {
        return nullptr;
    }
    switch (flags) {
        case GA_PARENT:
            return window->parent;
        case GA_ROOT:
            return win32sub::RootOf(handle);
        case GA_ROOTOWNER: {
            HWND root = win32sub::RootOf(handle);
            for (std::shared_ptr<Window> current = win32sub::FindWindowObject(root);
                 current != nullptr && current->owner != nullptr;
                 current = win32sub::FindWindowObject(current->owner)) {
                root = current->owner;
            }
            return root;
        }
        default:
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
    }
}

WIN32SUB_API HWND WINAPI GetWindow(HWND handle, UINT command) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr) {
        return nullptr;
    }
    if (command == GW_CHILD) {
        return window->children.empty() ? nullptr : window->children.front();
    }
    if (command == GW_OWNER) {
        return window->owner;
    }
    if (command == GW_ENABLEDPOPUP) {
        const std::vector<HWND>* topLevel = &win32sub::FindWindowObject(win32sub::DesktopHandle())->children;
        for (HWND other : *topLevel) {
            const std::shared_ptr<Window> owned = win32sub::FindWindowObject(other);
            if (owned != nullptr && owned->owner == handle && (owned->style & WS_DISABLED) == 0 &&
                (owned->style & WS_VISIBLE) != 0) {
                return other;
            }
        }
        return nullptr;
    }
    const std::vector<HWND>* siblings = win32sub::SiblingsOf(*window);
    if (siblings == nullptr || command > GW_HWNDPREV) {
        if (command > GW_ENABLEDPOPUP) {
            SetLastError(ERROR_INVALID_PARAMETER);
        }
        return nullptr;
    }
    const auto it = std::find(siblings->begin(), siblings->end(), handle);
    switch (command) {
        case GW_HWNDFIRST:
            return siblings->front();
        case GW_HWNDLAST:
            return siblings->back();
        case GW_HWNDNEXT:
            return it + 1 != siblings->end() ? *(it + 1) : nullptr;
        default:
            return it != siblings->begin() ? *(it - 1) : nullptr;
    }
}

WIN32SUB_API HWND WINAPI GetTopWindow(HWND handle) {
    return GetWindow(handle != nullptr ? handle : win32sub::DesktopHandle(), GW_CHILD);
}

WIN32SUB_API BOOL WINAPI IsChild(HWND parent, HWND handle) {
    return parent != handle && win32sub::IsSelfOrDescendant(parent, handle) && parent != win32sub::DesktopHandle()
               ? TRUE
               : FALSE;
}

WIN32SUB_API BOOL WINAPI EnumWindows(WNDENUMPROC enumProc, LPARAM lParam) {
    if (enumProc == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // A copy: the callback may create or destroy windows.
    const std::vector<HWND> topLevel = win32sub::FindWindowObject(win32sub::DesktopHandle())->children;
    for (HWND window : topLevel) {
        if (IsWindow(window) && !enumProc(window, lParam)) {
            return FALSE;
        }
    }
    return TRUE;
}

WIN32SUB_API BOOL WINAPI EnumChildWindows(HWND parent, WNDENUMPROC enumProc, LPARAM lParam) {
    if (enumProc == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const HWND root = parent != nullptr ? parent : win32sub::DesktopHandle();
    if (win32sub::WindowOrFail(root) == nullptr) {
        return FALSE;
    }
    for (HWND window : win32sub::DescendantsOf(root)) {
        if (IsWindow(window) && !enumProc(window, lParam)) {
            return FALSE;
        }
    }
    return TRUE;
}

WIN32SUB_API HWND WINAPI FindWindowExW(HWND parent, HWND childAfter, LPCWSTR className, LPCWSTR windowName) {
    const HWND root = parent != nullptr ? parent : win32sub::DesktopHandle();
    const std::shared_ptr<Window> container = win32sub::WindowOrFail(root);
    if (container == nullptr) {
        return nullptr;
    }
    auto it = container->children.begin();
    if (childAfter != nullptr) {
        it = std::find(container->children.begin(), container->children.end(), childAfter);
        if (it == container->children.end()) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        ++it;
    }
    for (; it != container->children.end(); ++it) {
        const std::shared_ptr<Window> window = win32sub::FindWindowObject(*it);
        if (window != nullptr && win32sub::MatchesFind(*window, className, windowName)) {
            return *it;
        }
    }
    return nullptr;
}

WIN32SUB_API HWND WINAPI FindWindowW(LPCWSTR className, LPCWSTR windowName) {
    return FindWindowExW(nullptr, nullptr, className, windowName);
}

WIN32SUB_API BOOL WINAPI SetWindowTextW(HWND window, LPCWSTR text) {
    if (win32sub::WindowOrFail(window) == nullptr) {
        return FALSE;
    }
    return win32sub::Deliver(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text != nullptr ? text : L"")) != 0
               ? TRUE
               : FALSE;
}

WIN32SUB_API int WINAPI GetWindowTextW(HWND window, LPWSTR text, int maxCount) {
    if (text != nullptr && maxCount > 0) {
        text[0] = L'\0';
    }
    if (win32sub::WindowOrFail(window) == nullptr || text == nullptr || maxCount <= 0) {
        return 0;
    }
    return static_cast<int>(
        win32sub::Deliver(window, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(text)));
}

WIN32SUB_API int WINAPI GetWindowTextLengthW(HWND window) {
    if (win32sub::WindowOrFail(window) == nullptr) {
        return 0;
    }
    return static_cast<int>(win32sub::Deliver(window, WM_GETTEXTLENGTH, 0, 0));
}

WIN32SUB_API BOOL WINAPI SetWindowTextA(HWND window, LPCSTR text) {
    const std::wstring wide = win32sub::FromUtf8(text != nullptr ? text : "");
    return SetWindowTextW(window, wide.c_str());
}

WIN32SUB_API int WINAPI GetWindowTextA(HWND window, LPSTR text, int maxCount) {
    if (text != nullptr && maxCount > 0) {
        text[0] = '\0';
    }
    if (win32sub::WindowOrFail(window) == nullptr || text == nullptr || maxCount <= 0) {
        return 0;
    }
    const int length = GetWindowTextLengthW(window);
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    wide.resize(static_cast<std::size_t>(GetWindowTextW(window, wide.data(), length + 1)));
    const std::string narrow = win32sub::ToUtf8(wide);
    // Cut to whole characters: never inside a UTF-8 sequence.
    std::size_t count = std::min<std::size_t>(narrow.size(), static_cast<std::size_t>(maxCount - 1));
    while (count > 0 && count < narrow.size() && (static_cast<unsigned char>(narrow[count]) & 0xC0) == 0x80) {
        --count;
    }
    std::memcpy(text, narrow.data(), count);
    text[count] = '\0';
    return static_cast<int>(count);
}
