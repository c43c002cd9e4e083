#include "XCHG/XCHG_WinWindowSubclass.h"

#include "PDFL/PDFL_HostFrames.h"
#include "XCHG/XCHG_DebugOutput.h"
#include "XCHG/XCHG_Exception.h"

namespace {

constexpr const wchar_t kProperty[] = L"XCHG_WinWindowSubclassProp";
// The code a window procedure hands the host for a failure that is not the framework's own.
constexpr HostErrorCode kForeignFailureCode = 1;

}  // namespace

XCHG_WinWindowSubclass::XCHG_WinWindowSubclass() : m_window(nullptr), m_previousProc(nullptr), m_savedUserWord(-1) {}

XCHG_WinWindowSubclass::~XCHG_WinWindowSubclass() {
    // A window that outlives its object is left to the default procedure rather than to a dead object.
    if (m_window != nullptr && FromWindow(m_window) == this) RemovePropW(m_window, kProperty);
    m_window = nullptr;
}

LRESULT XCHG_WinWindowSubclass::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallPreviousProc(message, wParam, lParam);
}

void XCHG_WinWindowSubclass::Subclass(HWND window) {
    if (m_window != nullptr) Unsubclass();
    m_window = window;
    // The property goes first: the window may receive a message as soon as the procedure is in place.
    SetPropW(window, kProperty, static_cast<HANDLE>(this));
    m_previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&XCHG_WinWindowSubclass::WndProc)));
}

void XCHG_WinWindowSubclass::Unsubclass() {
    if (m_window == nullptr) return;
    // A window that is gone by now refuses the call, which is all there is to undo for it.
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProc));
    m_window = nullptr;
}

XCHG_WinWindowSubclass* XCHG_WinWindowSubclass::FromWindow(HWND window) {
    return static_cast<XCHG_WinWindowSubclass*>(GetPropW(window, kProperty));
}

LRESULT XCHG_WinWindowSubclass::CallPreviousProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_previousProc == nullptr) return DefWindowProcW(m_window, message, wParam, lParam);
    return CallWindowProcW(m_previousProc, m_window, message, wParam, lParam);
}

LRESULT CALLBACK XCHG_WinWindowSubclass::WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HostErrorCode code;
    try {
        XCHG_WinWindowSubclass* object = FromWindow(window);
        if (object == nullptr) return DefWindowProcW(window, message, wParam, lParam);
        return object->HandleMessage(message, wParam, lParam);
    } catch (const XCHG_Exception& e) {
        code = e.GetCode();
    } catch (...) {
        XCHG_DebugPrintf("%s::%s caught an unknown exception", "XCHG_WinWindowSubclass", "WndProc");
        code = kForeignFailureCode;
    }
    // Raised only here, after the handler has ended, so the caught exception is released first.
    PDFL_HostFrames::Raise(code);
}
