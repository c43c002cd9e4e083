#include "XCHG/XCHG_AVWindowObj.h"

#include "GLIB/GLIB_Log.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "PDFL/PDFL_ExceptionHandler.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_Callbacks.h"
#include "XCHG/XCHG_PluginContext.h"
#include "XCHG/XCHG_Resources.h"

namespace {

constexpr const char kClassName[] = "XCHG_AVWindowObj";
constexpr int32_t kGetUpdateRectLine = 654;  // the log position this failure has always had
constexpr int32_t kStandardCursor = 0;

HostDevRect ToDevRect(LONG left, LONG top, LONG right, LONG bottom) {
    return HostDevRect{static_cast<int16_t>(left), static_cast<int16_t>(top), static_cast<int16_t>(right),
                       static_cast<int16_t>(bottom)};
}

HostDevRect ToDevRect(const RECT& rect) { return ToDevRect(rect.left, rect.top, rect.right, rect.bottom); }

HostWindowEvent EventOf(UINT message, WPARAM wParam, LPARAM lParam) {
    return HostWindowEvent{message, static_cast<uintptr_t>(wParam), static_cast<intptr_t>(lParam)};
}

}  // namespace

XCHG_AVWindowObj::XCHG_AVWindowObj()
    : m_hostWindow(HostWindow::None), m_handlers{}, m_resizeStart{}, m_platformWindow(nullptr) {
    m_handlers.size = sizeof(HostWindowHandlerRecord);
}

XCHG_AVWindowObj::~XCHG_AVWindowObj() { DestroyHostWindow(); }

HMODULE XCHG_AVWindowObj::LocalizedOrPluginModule() {
    if (HMODULE localized = XCHG_GetLocalizedModule()) return localized;
    return XCHG_GetPluginModule();
}

HMODULE XCHG_AVWindowObj::GetResourceModule() { return LocalizedOrPluginModule(); }

intptr_t XCHG_AVWindowObj::Show() {
    if (!View_WindowIsVisible(m_hostWindow)) WillShow();
    View_ShowWindow(m_hostWindow);
    return 0;
}

void XCHG_AVWindowObj::DidCreate() {}
void XCHG_AVWindowObj::WillDestroy() {}
void XCHG_AVWindowObj::MouseDown(int16_t, int16_t, const HostWindowEvent*) {}
HostBool XCHG_AVWindowObj::WillClose(HostBool) { return true; }
void XCHG_AVWindowObj::DidActivate() {}
void XCHG_AVWindowObj::DidBecomeKey() {}
void XCHG_AVWindowObj::DidClose() {}
void XCHG_AVWindowObj::DidMove(const HostDevRect&) {}
void XCHG_AVWindowObj::DidHide() {}
void XCHG_AVWindowObj::KeyDown(uint32_t, const HostWindowEvent*) {}
void XCHG_AVWindowObj::WillResignKey() {}
void XCHG_AVWindowObj::WillShow() {}
void XCHG_AVWindowObj::WillDeactivate() {}
void XCHG_AVWindowObj::Draw(const HostDevRect&) {}
HostBool XCHG_AVWindowObj::WillBeResized(HostDevRect&) { return true; }
void XCHG_AVWindowObj::PerformEditOp(HostAtom) {}
HostBool XCHG_AVWindowObj::CanPerformEditOp(HostAtom) { return false; }
void XCHG_AVWindowObj::DidResize(const HostDevRect&) {}

void XCHG_AVWindowObj::AdjustCursor(int16_t, int16_t) { View_SetCursor(View_StandardCursor(kStandardCursor)); }

void XCHG_AVWindowObj::DestroyPlatformThing(HWND window) {
    if (window == nullptr || window != m_platformWindow) return;
    DestroyWindow(window);
    m_platformWindow = nullptr;
}

void XCHG_AVWindowObj::AttachToPlatformWindow(HWND window) {
    DestroyHostWindow();
    MakeCallbacks();
    m_hostWindow = View_NewWindowAroundPlatform(window, 0, 0, &m_handlers, XCHG_PluginContext::Extension());
    View_SetWindowOwnerData(m_hostWindow, this);
    m_platformWindow = window;
    SetTimer(window, kTimerId, kTimerPeriod, nullptr);
    Subclass(window);
    DidCreate();
}

void XCHG_AVWindowObj::DestroyHostWindow() {
    WillDestroy();
    if (m_hostWindow != HostWindow::None) {
        // The host asks for the platform window on the way (DestroyPlatformThing), whose destruction may
        // already forget the host window and give the callbacks back.
        View_DestroyWindow(m_hostWindow);
        m_hostWindow = HostWindow::None;
    }
    ReleaseCallbacks();
}

XCHG_AVWindowObj* XCHG_AVWindowObj::FromHostWindow(HostWindow window) {
    return static_cast<XCHG_AVWindowObj*>(View_WindowOwnerData(window));
}

HostDevRect XCHG_AVWindowObj::GetBounds() const { return WindowRect(); }

HostDevRect XCHG_AVWindowObj::WindowRect() const {
    RECT rect{};
    if (!GetWindowRect(m_platformWindow, &rect)) return HostDevRect{};
    return ToDevRect(rect);
}

LRESULT XCHG_AVWindowObj::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            PrivateDidClose();
            m_platformWindow = nullptr;
            return 0;
        case WM_SIZE:
            if (wParam != SIZE_RESTORED && wParam != SIZE_MAXIMIZED) return 0;
            [[fallthrough]];
        case WM_MOVE: {
            RECT rect{};
            if (!GetWindowRect(m_platformWindow, &rect)) break;
            PrivateDidResize(ToDevRect(rect));
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                WillDeactivate();
            } else {
                DidActivate();
            }
            return 0;
        case WM_SETFOCUS:
            DidBecomeKey();
            return 0;
        case WM_KILLFOCUS:
            WillResignKey();
            return 0;
        case WM_PAINT: {
            RECT rect{};
            if (GetUpdateRect(m_platformWindow, &rect, FALSE)) {
                PrivateDraw(ToDevRect(rect));
            } else {
                GLIB_Log(GLIB_LOG_FATAL, "GetUpdateRect failed", __FILE__, kGetUpdateRectLine);  // throws
            }
            return 0;
        }
        case WM_CLOSE:
            if (WillClose(0) == 1) DestroyWindow(m_platformWindow);
            return 0;
        case WM_WINDOWPOSCHANGING: {
            auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
            HostDevRect rect =
                ToDevRect(position->x, position->y, position->x + position->cx, position->y + position->cy);
            PrivateWillBeResized(rect);
            position->x = rect.left;
            position->y = rect.top;
            position->cx = rect.right - rect.left;
            position->cy = rect.bottom - rect.top;
            return 0;
        }
        case WM_WINDOWPOSCHANGED: {
            const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
            PrivateDidResize(
                ToDevRect(position->x, position->y, position->x + position->cx, position->y + position->cy));
            return 0;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            const HostWindowEvent event = EventOf(message, wParam, lParam);
            PrivateKeyDown(static_cast<uint32_t>(wParam), &event);
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            const HostWindowEvent event = EventOf(message, wParam, lParam);
            PrivateMouseDown(static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam)), &event);
            return 0;
        }
        case WM_SIZING:
        case WM_MOVING: {
            auto* target = reinterpret_cast<RECT*>(lParam);
            HostDevRect rect = ToDevRect(*target);
            PrivateWillBeResized(rect);
            *target = RECT{rect.left, rect.top, rect.right, rect.bottom};
            return 0;
        }
        default:
            break;
    }
    return CallPreviousProc(message, wParam, lParam);
}

void XCHG_AVWindowObj::PrivateMouseDown(int16_t x, int16_t y, const HostWindowEvent* event) { MouseDown(x, y, event); }

void XCHG_AVWindowObj::PrivateKeyDown(uint32_t key, const HostWindowEvent* event) { KeyDown(key, event); }

void XCHG_AVWindowObj::PrivateDraw(const HostDevRect& updateRect) { Draw(updateRect); }

HostBool XCHG_AVWindowObj::PrivateWillBeResized(HostDevRect& rect) {
    if (m_resizeStart == HostDevRect{}) m_resizeStart = WindowRect();
    return WillBeResized(rect);
}

void XCHG_AVWindowObj::PrivateDidResize(const HostDevRect& rect) {
    const bool sameSize = m_resizeStart.right - m_resizeStart.left == rect.right - rect.left &&
                          m_resizeStart.bottom - m_resizeStart.top == rect.bottom - rect.top;
    m_resizeStart = HostDevRect{};
    if (sameSize) {
        DidMove(rect);
    } else {
        DidResize(rect);
    }
}

void XCHG_AVWindowObj::PrivateDidClose() {
    DidClose();
    m_hostWindow = HostWindow::None;
    DestroyHostWindow();
}

void XCHG_AVWindowObj::MakeCallbacks() {
    m_handlers.mouseDown = XCHG_NewCallback<HostWindowMouseDownProc>(MouseDownCallback);
    m_handlers.willClose = XCHG_NewCallback<HostWindowWillCloseProc>(WillCloseCallback);
    m_handlers.didClose = XCHG_NewCallback<HostWindowNoticeProc>(DidCloseCallback);
    m_handlers.didActivate = XCHG_NewCallback<HostWindowNoticeProc>(DidActivateCallback);
    m_handlers.didBecomeKey = XCHG_NewCallback<HostWindowNoticeProc>(DidBecomeKeyCallback);
    m_handlers.keyDown = XCHG_NewCallback<HostWindowKeyDownProc>(KeyDownCallback);
    m_handlers.willResignKey = XCHG_NewCallback<HostWindowNoticeProc>(WillResignKeyCallback);
    m_handlers.willDeactivate = XCHG_NewCallback<HostWindowNoticeProc>(WillDeactivateCallback);
    m_handlers.draw = XCHG_NewCallback<HostWindowDrawProc>(DrawCallback);
    m_handlers.willBeResized = XCHG_NewCallback<HostWindowWillBeResizedProc>(WillBeResizedCallback);
    m_handlers.performEditOp = XCHG_NewCallback<HostWindowPerformEditOpProc>(PerformEditOpCallback);
    m_handlers.canPerformEditOp = XCHG_NewCallback<HostWindowCanPerformEditOpProc>(CanPerformEditOpCallback);
    m_handlers.adjustCursor = XCHG_NewCallback<HostWindowAdjustCursorProc>(AdjustCursorCallback);
    m_handlers.didResize = XCHG_NewCallback<HostWindowDidResizeProc>(DidResizeCallback);
    m_handlers.destroyPlatformThing = XCHG_NewCallback<HostWindowDestroyPlatformThingProc>(DestroyPlatformThingCallback);
}

void XCHG_AVWindowObj::ReleaseCallbacks() {
    for (HostCallback* callback :
         {&m_handlers.mouseDown, &m_handlers.willClose, &m_handlers.didClose, &m_handlers.didActivate,
          &m_handlers.didBecomeKey, &m_handlers.keyDown, &m_handlers.willResignKey, &m_handlers.willDeactivate,
          &m_handlers.draw, &m_handlers.willBeResized, &m_handlers.performEditOp, &m_handlers.canPerformEditOp,
          &m_handlers.adjustCursor, &m_handlers.didResize, &m_handlers.destroyPlatformThing}) {
        XCHG_DestroyCallback(*callback);
    }
}

// The host's callbacks. Each finds its object through the host window's owner data; a window that has none
// (yet) has nobody to tell, and the host gets the neutral answer.

void XCHG_AVWindowObj::MouseDownCallback(HostWindow window, int16_t x, int16_t y, const HostWindowEvent* event) {
    PDFL_Guard<void>(kClassName, "PrivateMouseDown", [&] {
        if (XCHG_AVWindowObj* object = FromHostWindow(window)) object->PrivateMouseDown(x, y, event);
    });
}

HostBool XCHG_AVWindowObj::WillCloseCallback(HostWindow window, HostBool quitting) {
    return PDFL_Guard<HostBool>(kClassName, "WillClose", [&]() -> HostBool {
        XCHG_AVWindowObj* object = FromHostWindow(window);
        return object != nullptr ? object->WillClose(quitting) : HostBool{1};
    });
}

void XCHG_AVWindowObj::DidCloseCallback(HostWindow window) {
    PDFL_Guard<void>(kClassName, "PrivateDidClose", [&] {
        if (XCHG_AVWindowObj* object = FromHostWindow(window)) object->PrivateDidClose();
    });
}

void XCHG_AVWindowObj::DidActivateCallback(HostWindow window) {
    PDFL_Guard<void>(kClassName, "DidActivate", [&] {
        if (XCHG_AVWindowObj* object = FromHostWindow(window)) object->DidActivate();
    });
}

void XCHG_AVWindowObj::DidBecomeKeyCallback(HostWindow window) {
    PDFL_Guard<void>(kClassName, "DidBecomeKey", [&] {
        if (XCHG_AVWindowObj* object = FromHostWindow(window)) object->DidBecomeKey();
    });
}

void XCHG_AVWindowObj::KeyDownCallback(HostWindow window, uint32_t key, const HostWindowEvent* event) {
    PDFL_Guard<void>(kClassName, "PrivateKeyDown", [&] {
        if (XCHG_AVWindowObj* object = FromHostWindow(window)) object->PrivateKeyDown(key, event);
    });
}

void XCHG_AVWindowObj::WillResignKeyCallback(HostWindow window) {
    PDFL_Guard<void>(kClassName, "WillResignKey", [&] {
        if (XCHG_AVWindowObj* object = FromHostWindow(window)) object->WillResignKey();
    });
}

void XCHG_AVWindowObj::WillDeactivateCallback(HostWindow window) {
    PDFL_Guard<void>(kClassName, "WillDeactivate", [&] {
        if (XCHG_AVWindowObj* object = FromHostWindow(window)) object->WillDeactivate();
    });
}

void XCHG_AVWindowObj::DrawCallback(HostWindow window, const HostDevRect* updateRect) {
    PDFL_Guard<void>(kClassName, "PrivateDraw", [&] {
        XCHG_AVWindowObj* object = FromHostWindow(window);
        if (object != nullptr) object->PrivateDraw(updateRect != nullptr ? *updateRect : HostDevRect{});
    });
}

HostBool XCHG_AVWindowObj::WillBeResizedCallback(HostWindow window, HostDevRect* newRect) {
    return PDFL_Guard<HostBool>(kClassName, "PrivateWillBeResized", [&]() -> HostBool {
        XCHG_AVWindowObj* object = FromHostWindow(window);
        if (object == nullptr || newRect == nullptr) return 1;
        return object->PrivateWillBeResized(*newRect);
    });
}

void XCHG_AVWindowObj::PerformEditOpCallback(HostWindow window, HostAtom operation) {
    PDFL_Guard<void>(kClassName, "PerformEditOp", [&] {
        if (XCHG_AVWindowObj* object = FromHostWindow(window)) object->PerformEditOp(operation);
    });
}

HostBool XCHG_AVWindowObj::CanPerformEditOpCallback(HostWindow window, HostAtom operation) {
    return PDFL_Guard<HostBool>(kClassName, "CanPerformEditOp", [&]() -> HostBool {
        XCHG_AVWindowObj* object = FromHostWindow(window);
        return object != nullptr ? object->CanPerformEditOp(operation) : HostBool{0};
    });
}

void XCHG_AVWindowObj::AdjustCursorCallback(HostWindow window, int16_t x, int16_t y) {
    PDFL_Guard<void>(kClassName, "AdjustCursor", [&] {
        if (XCHG_AVWindowObj* object = FromHostWindow(window)) object->AdjustCursor(x, y);
    });
}

void XCHG_AVWindowObj::DidResizeCallback(HostWindow window, const HostDevRect* newRect) {
    PDFL_Guard<void>(kClassName, "PrivateDidResize", [&] {
        XCHG_AVWindowObj* object = FromHostWindow(window);
        if (object != nullptr) object->PrivateDidResize(newRect != nullptr ? *newRect : HostDevRect{});
    });
}

void XCHG_AVWindowObj::DestroyPlatformThingCallback(HostWindow window, void* platformThing) {
    PDFL_Guard<void>(kClassName, "DestroyPlatformThing", [&] {
        if (XCHG_AVWindowObj* object = FromHostWindow(window)) {
            object->DestroyPlatformThing(static_cast<HWND>(platformThing));
        }
    });
}
