// The table of windows and the tree they form under the desktop window.
//
// A window handle is a serial number shifted left by four with bit 1 set: never 0, never one of the
// special HWND values, never a multiple of 4 as the handles of the other tables are, and never issued
// twice, so a stale handle stays invalid for the life of the process.
#include <mutex>
#include <unordered_map>

#include "user/WindowManager.h"

namespace win32sub {
namespace {

struct Registry {
    std::mutex mutex;
    std::unordered_map<std::uintptr_t, std::shared_ptr<Window>> windows;
    std::uintptr_t next = 1;
    HWND desktop = nullptr;
};

Registry& Windows() {
    static auto* registry = new Registry;
    return *registry;
}

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;

}  // namespace

std::shared_ptr<Window> FindWindowObject(HWND window) {
    Registry& registry = Windows();
    std::lock_guard<std::mutex> lock(registry.mutex);
    const auto it = registry.windows.find(reinterpret_cast<std::uintptr_t>(window));
    return it != registry.windows.end() ? it->second : nullptr;
}

std::shared_ptr<Window> WindowOrFail(HWND window) {
    std::shared_ptr<Window> found = FindWindowObject(window);
    if (found == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    }
    return found;
}

HWND AddWindowObject(const std::shared_ptr<Window>& window) {
    Registry& registry = Windows();
    std::lock_guard<std::mutex> lock(registry.mutex);
    const std::uintptr_t value = (registry.next++ << 4) | 2;
    window->handle = reinterpret_cast<HWND>(value);
    registry.windows.emplace(value, window);
    return window->handle;
}

void RemoveWindowObject(HWND window) {
    Registry& registry = Windows();
    std::shared_ptr<Window> removed;  // released outside the lock: its state may own other objects
    {
        std::lock_guard<std::mutex> lock(registry.mutex);
        const auto it = registry.windows.find(reinterpret_cast<std::uintptr_t>(window));
        if (it != registry.windows.end()) {
            removed = std::move(it->second);
            registry.windows.erase(it);
        }
    }
}

HWND DesktopHandle() {
    Registry& registry = Windows();
    {
        std::lock_guard<std::mutex> lock(registry.mutex);
        if (registry.desktop != nullptr) {
            return registry.desktop;
        }
    }
    // Made on first use, by the user-interface thread; it lives as long as the process.
    auto desktop = std::make_shared<Window>();
    desktop->windowClass = std::make_shared<WindowClass>();
    desktop->windowClass->name = L"#32769";
    desktop->windowClass->system = true;
    desktop->windowClass->proc = DefWindowProcW;
    desktop->windowClass->windows = 1;
    desktop->proc = DefWindowProcW;
    desktop->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    desktop->rect = RECT{0, 0, kScreenWidth, kScreenHeight};
    const HWND handle = AddWindowObject(desktop);
    std::lock_guard<std::mutex> lock(registry.mutex);
    registry.desktop = handle;
    return handle;
}

bool IsTopLevel(const Window& window) { return window.parent != nullptr && window.parent == DesktopHandle(); }

HWND RootOf(HWND window) {
    const HWND desktop = DesktopHandle();
    std::shared_ptr<Window> current = FindWindowObject(window);
    while (current != nullptr && current->parent != nullptr) {
        if (current->parent == desktop) {
            return current->handle;
        }
        current = FindWindowObject(current->parent);
    }
    return nullptr;
}

bool IsSelfOrDescendant(HWND ancestor, HWND window) {
    if (ancestor == nullptr) {
        return false;
    }
    std::shared_ptr<Window> current = FindWindowObject(window);
    while (current != nullptr) {
        if (current->handle == ancestor) {
            return true;
        }
        current = FindWindowObject(current->parent);
    }
    return false;
}

std::vector<HWND>* SiblingsOf(const Window& window) {
    const std::shared_ptr<Window> parent = FindWindowObject(window.parent);
    return parent != nullptr ? &parent->children : nullptr;
}

std::vector<HWND> DescendantsOf(HWND window) {
    std::vector<HWND> result;
    const std::shared_ptr<Window> found = FindWindowObject(window);
    if (found == nullptr) {
        return result;
    }
    for (HWND child : found->children) {
        result.push_back(child);
        const std::vector<HWND> below = DescendantsOf(child);
        result.insert(result.end(), below.begin(), below.end());
    }
    return result;
}

bool IsShown(HWND window) {
    std::shared_ptr<Window> current = FindWindowObject(window);
    if (current == nullptr) {
        return false;
    }
    while (current != nullptr) {
        if ((current->style & WS_VISIBLE) == 0 || current->destroying) {
            return false;
        }
        current = FindWindowObject(current->parent);
    }
    return true;
}

bool IsUsable(HWND window) {
    if (!IsShown(window)) {
        return false;
    }
    for (std::shared_ptr<Window> current = FindWindowObject(window); current != nullptr;
         current = FindWindowObject(current->parent)) {
        if ((current->style & WS_DISABLED) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace win32sub

WIN32SUB_API HWND WINAPI GetDesktopWindow(void) { return win32sub::DesktopHandle(); }

WIN32SUB_API BOOL WINAPI IsWindow(HWND window) { return win32sub::FindWindowObject(window) != nullptr ? TRUE : FALSE; }
