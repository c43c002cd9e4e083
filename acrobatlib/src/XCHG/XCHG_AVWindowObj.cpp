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
constexpr int32_t kGetUpdateRectLogLine = 654;  // the log position this failure has always had
constexpr int32_t kStandardCursor = 0;

HostDevRect ToDevRect(LONG left, LONG top, LONG right, LONG bottom) {
    return HostDevRect{static_cast<int16_t>(left), static_cast<int16_t>(top), static_cast<int16_t>(right),
                       static_cast<int16_t>(bottom)};
}

HostDevRect ToDevRect(const RECT& rect) { return ToDevRect(rect.left, rect.top, rect.right, rect.bottom); }

HostDevRect ToDevRect(const WINDOWPOS& position) {
    return ToDevRect(position.x, position.y, position.x + position.cx, position.y + position.cy);
}

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
    if (HandleGeometryMessage(message, wParam, lParam) || HandleEventMessage(message, wParam, lParam)) return 0;
    return CallPreviousProc(message, wParam, lParam);
}

bool XCHG_AVWindowObj::HandleGeometryMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (wParam != SIZE_RESTORED && wParam != SIZE_MAXIMIZED) return true;
            [[fallthrough]];
        case WM_MOVE: {
            RECT rect{};
            if (!GetWindowRect(m_platformWindow, &rect)) return false;
            PrivateDidResize(ToDevRect(rect));
            return true;
        }
        case WM_WINDOWPOSCHANGING: {
            auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
            HostDevRect rect = ToDevRect(*position);
            PrivateWillBeResized(rect);
            position->x = rect.left;
            position->y = rect.top;
            position->cx = rect.right - rect.left;
            position->cy = rect.bottom - rect.top;
            return true;
        }
        case WM_WINDOWPOSCHANGED:
            PrivateDidResize(ToDevRect(*reinterpret_cast<const WINDOWPOS*>(lParam)));
            return true;
        case WM_SIZING:
        case WM_MOVING: {
            auto* target = reinterpret_cast<RECT*>(lParam);
            HostDevRect rect = ToDevRect(*target);
            PrivateWillBeResized(rect);
            *target = RECT{rect.left, rect.top, rect.right, rect.bottom};
            return true;
        }
        default:
            return false;
    }
}

bool XCHG_AVWindowObj::HandleEventMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HostWindowEvent event = EventOf(message, wParam, lParam);
    switch (message) {
        case WM_DESTROY:
            PrivateDidClose();
            m_platformWindow = nullptr;
            return true;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                WillDeactivate();
            } else {
                DidActivate();
            }
            return true;
        case WM_SETFOCUS:
            DidBecomeKey();
            return true;
        case WM_KILLFOCUS:
            WillResignKey();
            return true;
        case WM_PAINT:
            PaintUpdateRect();
            return true;
        case WM_CLOSE:
            if (WillClose(0) == 1) DestroyWindow(m_platformWindow);
            return true;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            PrivateKeyDown(static_cast<uint32_t>(wParam), &event);
            return true;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            PrivateMouseDown(static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam)), &event);
            return true;
        default:
            return false;
    }
}

void XCHG_AVWindowObj::PaintUpdateRect() {
    RECT rect{};
    if (GetUpdateRect(m_platformWindow, &rect, FALSE)) {
        PrivateDraw(ToDevRect(rect));
    } else {
        GLIB_Log(GLIB_LOG_FATAL, "GetUpdateRect failed", __FILE__, kGetUpdateRectLogLine);  // throws
    }
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
    static_assert(sizeof(HostWindowHandlerRecord) == sizeof(uint32_t) + kHandlerCount * sizeof(HostCallback),
                  "a slot of the handler record without its handler");
    for (const Handler& handler : kHandlerTable) m_handlers.*handler.slot = XCHG_NewCallback(handler.proc);
}

void XCHG_AVWindowObj::ReleaseCallbacks() {
    for (const Handler& handler : kHandlerTable) XCHG_DestroyCallback(m_handlers.*handler.slot);
}

// The host's callbacks. Each finds its object through the host window's owner data; a window that has none
// (yet) has nobody to tell, and the host gets the neutral answer.

template <class Call>
void XCHG_AVWindowObj::Tell(HostWindow window, const char* operation, const Call& call) {
    PDFL_Guard<void>(kClassName, operation, [&] {
        if (XCHG_AVWindowObj* object = FromHostWindow(window)) call(*object);
    });
}

template <class Call>
HostBool XCHG_AVWindowObj::Ask(HostWindow window, const char* operation, HostBool neutral, const Call& call) {
    return PDFL_Guard<HostBool>(kClassName, operation, [&]() -> HostBool {
        XCHG_AVWindowObj* object = FromHostWindow(window);
        return object != nullptr ? call(*object) : neutral;
    });
}

template <class Proc>
HostProc XCHG_AVWindowObj::AsProc(Proc proc) {
    return reinterpret_cast<HostProc>(proc);
}

const XCHG_AVWindowObj::Handler XCHG_AVWindowObj::kHandlerTable[kHandlerCount] = {
    {&HostWindowHandlerRecord::mouseDown,
     AsProc<HostWindowMouseDownProc>([](HostWindow w, int16_t x, int16_t y, const HostWindowEvent* event) {
         Tell(w, "PrivateMouseDown", [&](XCHG_AVWindowObj& o) { o.PrivateMouseDown(x, y, event); });
     })},
    {&HostWindowHandlerRecord::willClose, AsProc<HostWindowWillCloseProc>([](HostWindow w, HostBool quitting) {
         return Ask(w, "WillClose", 1, [&](XCHG_AVWindowObj& o) { return o.WillClose(quitting); });
     })},
    {&HostWindowHandlerRecord::didClose, AsProc<HostWindowNoticeProc>([](HostWindow w) {
         Tell(w, "PrivateDidClose", [](XCHG_AVWindowObj& o) { o.PrivateDidClose(); });
     })},
    {&HostWindowHandlerRecord::didActivate, AsProc<HostWindowNoticeProc>([](HostWindow w) {
         Tell(w, "DidActivate", [](XCHG_AVWindowObj& o) { o.DidActivate(); });
     })},
    {&HostWindowHandlerRecord::didBecomeKey, AsProc<HostWindowNoticeProc>([](HostWindow w) {
         Tell(w, "DidBecomeKey", [](XCHG_AVWindowObj& o) { o.DidBecomeKey(); });
     })},
    {&HostWindowHandlerRecord::keyDown,
     AsProc<HostWindowKeyDownProc>([](HostWindow w, uint32_t key, const HostWindowEvent* event) {
         Tell(w, "PrivateKeyDown", [&](XCHG_AVWindowObj& o) { o.PrivateKeyDown(key, event); });
     })},
    {&HostWindowHandlerRecord::willResignKey, AsProc<HostWindowNoticeProc>([](HostWindow w) {
         Tell(w, "WillResignKey", [](XCHG_AVWindowObj& o) { o.WillResignKey(); });
     })},
    {&HostWindowHandlerRecord::willDeactivate, AsProc<HostWindowNoticeProc>([](HostWindow w) {
         Tell(w, "WillDeactivate", [](XCHG_AVWindowObj& o) { o.WillDeactivate(); });
     })},
    {&HostWindowHandlerRecord::draw, AsProc<HostWindowDrawProc>([](HostWindow w, const HostDevRect* update) {
         Tell(w, "PrivateDraw",
              [&](XCHG_AVWindowObj& o) { o.PrivateDraw(update != nullptr ? *update : HostDevRect{}); });
     })},
    {&HostWindowHandlerRecord::willBeResized, AsProc<HostWindowWillBeResizedProc>([](HostWindow w, HostDevRect* rect) {
         return Ask(w, "PrivateWillBeResized", 1, [&](XCHG_AVWindowObj& o) -> HostBool {
             return rect != nullptr ? o.PrivateWillBeResized(*rect) : HostBool{1};
         });
     })},
    {&HostWindowHandlerRecord::performEditOp, AsProc<HostWindowPerformEditOpProc>([](HostWindow w, HostAtom op) {
         Tell(w, "PerformEditOp", [&](XCHG_AVWindowObj& o) { o.PerformEditOp(op); });
     })},
    {&HostWindowHandlerRecord::canPerformEditOp, AsProc<HostWindowCanPerformEditOpProc>([](HostWindow w, HostAtom op) {
         return Ask(w, "CanPerformEditOp", 0, [&](XCHG_AVWindowObj& o) { return o.CanPerformEditOp(op); });
     })},
    {&HostWindowHandlerRecord::adjustCursor, AsProc<HostWindowAdjustCursorProc>([](HostWindow w, int16_t x, int16_t y) {
         Tell(w, "AdjustCursor", [&](XCHG_AVWindowObj& o) { o.AdjustCursor(x, y); });
     })},
    {&HostWindowHandlerRecord::didResize, AsProc<HostWindowDidResizeProc>([](HostWindow w, const HostDevRect* rect) {
         Tell(w, "PrivateDidResize",
              [&](XCHG_AVWindowObj& o) { o.PrivateDidResize(rect != nullptr ? *rect : HostDevRect{}); });
     })},
    {&HostWindowHandlerRecord::destroyPlatformThing,
     AsProc<HostWindowDestroyPlatformThingProc>([](HostWindow w, void* platformThing) {
         Tell(w, "DestroyPlatformThing",
              [&](XCHG_AVWindowObj& o) { o.DestroyPlatformThing(static_cast<HWND>(platformThing)); });
     })},
};
