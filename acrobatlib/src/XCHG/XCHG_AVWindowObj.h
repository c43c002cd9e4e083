// A window of the plug-in as the host and the platform both see it: a platform window whose messages reach
// this object (through XCHG_WinWindowSubclass), and a host window made around it whose event callbacks
// reach the same object. Both lead to one set of virtual hooks. The object owns the host window and the
// callback handles of its handler record; it outlives its windows and can be attached again.
#pragma once

#include <cstdint>

#include "HostTypes.h"
#include "Win32.h"
#include "XCHG/XCHG_WinWindowSubclass.h"

class XCHG_AVWindowObj : public XCHG_WinWindowSubclass {
public:
    XCHG_AVWindowObj();
    // Destroys the host window, if one is left.
    ~XCHG_AVWindowObj() override;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The localized resource module when one is loaded, else the plug-in's own module.
    virtual HMODULE GetResourceModule();
    // Shows the host window, after WillShow when it was hidden. The result is a modal window's result; a
    // window that is not modal answers 0.
    virtual intptr_t Show();
    virtual void DidCreate();
    virtual void WillDestroy();
    virtual void MouseDown(int16_t x, int16_t y, const HostWindowEvent* event);
    // `flag` is 0 for the user's close request. Only an answer of 1 lets the platform window be destroyed.
    virtual HostBool WillClose(HostBool flag);
    virtual void DidActivate();
    virtual void DidBecomeKey();
    virtual void DidClose();
    virtual void DidMove(const HostDevRect& rect);
    // Never called by the framework: a window that hides itself calls it.
    virtual void DidHide();
    virtual void KeyDown(uint32_t key, const HostWindowEvent* event);
    virtual void WillResignKey();
    virtual void WillShow();
    virtual void WillDeactivate();
    virtual void Draw(const HostDevRect& updateRect);
    virtual HostBool WillBeResized(HostDevRect& rect);
    virtual void PerformEditOp(HostAtom operation);
    virtual HostBool CanPerformEditOp(HostAtom operation);
    // Sets the host's standard cursor.
    virtual void AdjustCursor(int16_t x, int16_t y);
    virtual void DidResize(const HostDevRect& rect);
    // The host asks for the platform window to go: destroys it when it is this object's window.
    virtual void DestroyPlatformThing(HWND window);

    // Makes a host window around `window` (after destroying what was held), starts the window's timer,
    // subclasses it and calls DidCreate.
    void AttachToPlatformWindow(HWND window);
    // WillDestroy; destroys the host window if there is one and gives back the callback handles.
    void DestroyHostWindow();
    bool IsOpen() const { return m_hostWindow != HostWindow::None; }
    // The object that owns the host window.
    static XCHG_AVWindowObj* FromHostWindow(HostWindow window);
    // The platform window's rectangle on the screen.
    HostDevRect GetBounds() const;

    HostWindow GetHostWindow() const { return m_hostWindow; }
    HWND GetPlatformWindow() const { return m_platformWindow; }
    // The record handed to the host: its callbacks exist while a host window does.
    const HostWindowHandlerRecord& GetHandlerRecord() const { return m_handlers; }
    // The localized resource module when one is loaded, else the plug-in's own module.
    static HMODULE LocalizedOrPluginModule();

    // The id and period of the timer every attached window runs.
    static constexpr UINT_PTR kTimerId = 0xFFFFFFFF;
    static constexpr UINT kTimerPeriod = 100;

protected:
    void PrivateMouseDown(int16_t x, int16_t y, const HostWindowEvent* event);
    void PrivateKeyDown(uint32_t key, const HostWindowEvent* event);
    void PrivateDraw(const HostDevRect& updateRect);
    // Remembers where a resize started, then asks WillBeResized.
    HostBool PrivateWillBeResized(HostDevRect& rect);
    // A resize that kept the size of its start is a move.
    void PrivateDidResize(const HostDevRect& rect);
    // The host window is gone already: it is forgotten, not destroyed.
    void PrivateDidClose();

private:
    // The handler record's fifteen callbacks: the slot of each, and the guarded function that leads from the
    // host window to this object's operation.
    struct Handler {
        HostCallback HostWindowHandlerRecord::*slot;
        HostProc proc;
    };
    static constexpr int kHandlerCount = 15;
    static const Handler kHandlerTable[kHandlerCount];
    template <class Call>
    static void Tell(HostWindow window, const char* operation, const Call& call);
    template <class Call>
    static HostBool Ask(HostWindow window, const char* operation, HostBool neutral, const Call& call);
    template <class Proc>
    static HostProc AsProc(Proc proc);

    // The steps of HandleMessage: each answers whether it handled the message.
    bool HandleGeometryMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleEventMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Draws what the platform window asks to be drawn again.
    void PaintUpdateRect();

    void MakeCallbacks();
    void ReleaseCallbacks();
    HostDevRect WindowRect() const;

    HostWindow m_hostWindow;
    HostWindowHandlerRecord m_handlers;
    HostDevRect m_resizeStart;  // all zero while no resize is under way
    HWND m_platformWindow;
};
