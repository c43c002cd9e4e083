// A platform window whose window procedure is replaced, so that every message it receives reaches a virtual
// operation of an object. The object is found from the window through a window property.
#pragma once

#include <cstdint>

#include "Win32.h"

class XCHG_WinWindowSubclass {
public:
    XCHG_WinWindowSubclass();
    // Forgets the window without putting its previous procedure back: the window is expected to be gone. One
    // that is still there loses the property, so that its messages go to the default procedure.
    virtual ~XCHG_WinWindowSubclass();
    XCHG_WinWindowSubclass(const XCHG_WinWindowSubclass&) = delete;
    XCHG_WinWindowSubclass& operator=(const XCHG_WinWindowSubclass&) = delete;

    // Every message of the window; here it goes on to the previous procedure.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Installs WndProc on the window (after undoing any earlier subclassing) and marks the window with the
    // property "XCHG_WinWindowSubclassProp" that leads back to this object.
    void Subclass(HWND window);
    // Puts the previous procedure back and forgets the window; the property stays on the window.
    void Unsubclass();

    HWND GetSubclassedWindow() const { return m_window; }
    // The object whose WndProc runs for the window, or null.
    static XCHG_WinWindowSubclass* FromWindow(HWND window);

protected:
    LRESULT CallPreviousProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window;
    WNDPROC m_previousProc;
    int32_t m_savedUserWord;  // for a subclassing that also sets the user word; this one never does
};
