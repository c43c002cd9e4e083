#include "host/view/HostWindows.h"

#include <cwchar>

#include "host/core/Host.h"
#include "host/core/HostError.h"

namespace {

constexpr wchar_t kMainWindowClass[] = L"GeomHostMainWindow";
constexpr wchar_t kDialogClass[] = L"#32770";

bool IsDialogWindow(HWND window) {
    wchar_t name[16] = L"";
    return GetClassNameW(window, name, 16) > 0 && std::wcscmp(name, kDialogClass) == 0;
}

HostWindowEvent EventOf(UINT message, WPARAM wParam, LPARAM lParam) {
    return {message, static_cast<uintptr_t>(wParam), static_cast<intptr_t>(lParam)};
}

}  // namespace

HostWindows::HostWindows(Host& host) : m_host(host) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = kMainWindowClass;
    RegisterClassW(&windowClass);  // fails harmlessly when an earlier host registered it
    m_mainWindow = CreateWindowExW(0, kMainWindowClass, L"geomhost", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1024, 768,
                                   nullptr, nullptr, nullptr, nullptr);
    WinSub_SetMessageSpy(WatchMessage, this);
    WinSub_SetProcedureCaller(CallProcedure, this);
}

HostWindows::~HostWindows() {
    WinSub_SetMessageSpy(nullptr, nullptr);
    WinSub_SetProcedureCaller(nullptr, nullptr);
    if (IsWindow(m_mainWindow)) DestroyWindow(m_mainWindow);
}

HostWindows::Entry& HostWindows::Get(HostWindow window) {
    const auto found = m_windows.find(static_cast<uint32_t>(window));
    if (found == m_windows.end()) throw HostError(kHostGeneralError, "unknown window");
    return found->second;
}

template <class Proc>
Proc HostWindows::HandlerOf(HostWindow window, HostCallback HostWindowHandlerRecord::*slot) const {
    const auto found = m_windows.find(static_cast<uint32_t>(window));
    if (found == m_windows.end()) return nullptr;
    return m_host.Callbacks().FindAs<Proc>(found->second.handlers.*slot);
}

HostWindow HostWindows::NewAroundPlatform(HWND platform, const HostWindowHandlerRecord* handlers, HostExtension owner) {
    if (!IsWindow(platform)) throw HostError(kHostGeneralError, "not a platform window");
    if (FindByPlatform(platform) != HostWindow::None) {
        throw HostError(kHostGeneralError, "the platform window already has a host window");
    }
    if (handlers != nullptr && handlers->size != sizeof(HostWindowHandlerRecord)) {
        throw HostError(kHostGeneralError, "not a window handler record");
    }
    Entry entry;
    entry.platform = platform;
    if (handlers != nullptr) entry.handlers = *handlers;
    entry.owner = owner;
    const auto window = static_cast<HostWindow>(m_next++);
    m_windows.emplace(static_cast<uint32_t>(window), entry);
    return window;
}

void HostWindows::Destroy(HostWindow window) {
    const HWND platform = Get(window).platform;
    if (auto destroy =
            HandlerOf<HostWindowDestroyPlatformThingProc>(window, &HostWindowHandlerRecord::destroyPlatformThing)) {
        m_host.CallPlugin("window destroy platform thing", [&] { destroy(window, platform); });
    }
    m_windows.erase(static_cast<uint32_t>(window));
    if (m_keyWindow == window) m_keyWindow = HostWindow::None;
}

void HostWindows::Show(HostWindow window) { ShowWindow(Get(window).platform, SW_SHOW); }

void HostWindows::Hide(HostWindow window) {
    ShowWindow(Get(window).platform, SW_HIDE);
    if (m_keyWindow == window) m_keyWindow = HostWindow::None;
}

bool HostWindows::IsVisible(HostWindow window) { return IsWindowVisible(Get(window).platform) != FALSE; }

HWND HostWindows::PlatformOf(HostWindow window) { return Get(window).platform; }

void* HostWindows::OwnerData(HostWindow window) { return Get(window).ownerData; }

void HostWindows::SetOwnerData(HostWindow window, void* data) { Get(window).ownerData = data; }

void HostWindows::BringForward(HostWindow window) {
    SetWindowPos(Get(window).platform, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void HostWindows::SetWantsKey(HostWindow window, bool wantsKey) { Get(window).wantsKey = wantsKey; }

bool HostWindows::WantsKey(HostWindow window) { return Get(window).wantsKey; }

void HostWindows::BecomeKey(HostWindow window) {
    const HWND platform = Get(window).platform;
    m_keyWindow = window;
    // Activating an active window again would tell it once more that it became active, and a window that
    // answers activation by becoming key would never stop.
    if (GetActiveWindow() != platform) SetActiveWindow(platform);
}

void HostWindows::ResignKey(HostWindow window) {
    Get(window);
    if (m_keyWindow != window) return;
    m_keyWindow = HostWindow::None;
    if (IsWindow(m_mainWindow)) SetActiveWindow(m_mainWindow);
}

void HostWindows::AddModelessDialog(HWND dialog) {
    if (!IsWindow(dialog)) throw HostError(kHostGeneralError, "not a window");
    for (HWND known : m_modelessDialogs) {
        if (known == dialog) return;
    }
    m_modelessDialogs.push_back(dialog);
}

std::vector<HWND> HostWindows::ModelessDialogs() const {
    std::vector<HWND> alive;
    for (HWND dialog : m_modelessDialogs) {
        if (IsWindow(dialog)) alive.push_back(dialog);
    }
    return alive;
}

HostCursor HostWindows::StandardCursor(int32_t number) const {
    static const LPCWSTR kCursors[] = {IDC_ARROW, IDC_IBEAM, IDC_WAIT, IDC_CROSS, IDC_SIZEALL};
    if (number < 0 || number >= static_cast<int32_t>(std::size(kCursors))) {
        throw HostError(kHostGeneralError, "no such standard cursor");
    }
    return static_cast<HostCursor>(reinterpret_cast<uintptr_t>(LoadCursorW(nullptr, kCursors[number])));
}

void HostWindows::SetCursor(HostCursor cursor) {
    ICONINFO info{};
    if (cursor == HostCursor::None || !GetIconInfo(reinterpret_cast<HICON>(cursor), &info)) {
        throw HostError(kHostGeneralError, "not a cursor");
    }
    // The cursor's pictures come as copies.
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    m_cursor = cursor;
}

HostWindow HostWindows::FindByPlatform(HWND platform) const {
    for (const auto& [number, entry] : m_windows) {
        if (entry.platform == platform) return static_cast<HostWindow>(number);
    }
    return HostWindow::None;
}

std::size_t HostWindows::ForgetWindowsOf(HostExtension owner) {
    std::vector<HWND> platforms;
    for (auto it = m_windows.begin(); it != m_windows.end();) {
        if (it->second.owner != owner) {
            ++it;
            continue;
        }
        platforms.push_back(it->second.platform);
        if (m_keyWindow == static_cast<HostWindow>(it->first)) m_keyWindow = HostWindow::None;
        it = m_windows.erase(it);
    }
    for (HWND platform : platforms) {
        if (IsWindow(platform)) DestroyWindow(platform);
    }
    return platforms.size();
}

LRESULT HostWindows::CallProcedure(WinSubProcedureCall call, void* data, void* context) {
    LRESULT result = 0;
    static_cast<HostWindows*>(context)->m_host.CallPlugin("window procedure", [&] { result = call(data); });
    return result;
}

void HostWindows::WatchMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, void* context) {
    auto& self = *static_cast<HostWindows*>(context);
    if (message == WM_NCDESTROY) {
        // The plug-in destroyed its window without destroying the host window first: there is nothing left
        // to report to.
        const HostWindow gone = self.FindByPlatform(window);
        if (gone != HostWindow::None) {
            self.m_windows.erase(static_cast<uint32_t>(gone));
            if (self.m_keyWindow == gone) self.m_keyWindow = HostWindow::None;
        }
        return;
    }
    self.ReportToDialog(window, message, wParam, lParam);
}

void HostWindows::ReportToDialog(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool mouseDown = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
    const bool keyDown = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    if (!mouseDown && !keyDown && message != WM_PAINT) return;
    const HostWindow hostWindow = FindByPlatform(window);
    if (hostWindow == HostWindow::None || !IsDialogWindow(window)) return;
    const HostWindowEvent event = EventOf(message, wParam, lParam);
    if (mouseDown) {
        if (auto proc = HandlerOf<HostWindowMouseDownProc>(hostWindow, &HostWindowHandlerRecord::mouseDown)) {
            const auto x = static_cast<int16_t>(LOWORD(lParam));
            const auto y = static_cast<int16_t>(HIWORD(lParam));
            m_host.CallPlugin("window mouse down", [&] { proc(hostWindow, x, y, &event); });
        }
    } else if (keyDown) {
        if (auto proc = HandlerOf<HostWindowKeyDownProc>(hostWindow, &HostWindowHandlerRecord::keyDown)) {
            m_host.CallPlugin("window key down", [&] { proc(hostWindow, static_cast<uint32_t>(wParam), &event); });
        }
    } else if (auto proc = HandlerOf<HostWindowDrawProc>(hostWindow, &HostWindowHandlerRecord::draw)) {
        RECT update{};
        if (!GetUpdateRect(window, &update, FALSE)) return;
        const HostDevRect rect{static_cast<int16_t>(update.left), static_cast<int16_t>(update.top),
                               static_cast<int16_t>(update.right), static_cast<int16_t>(update.bottom)};
        m_host.CallPlugin("window draw", [&] { proc(hostWindow, &rect); });
    }
}
