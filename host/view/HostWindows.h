// The host's windows: its main window, and host windows that plug-ins make around platform windows of their
// own so that the host can tell them about events. A host window keeps the plug-in's handler record and an
// owner datum; it never owns its platform window: destroying a host window asks the plug-in, through the
// record, to destroy the platform window itself.
//
// A dialog's own window procedure keeps the mouse, key and paint messages of its window, so the host watches
// the messages of the window manager and reports a button down, a key down and a paint in a host window
// whose platform window is a dialog through the record (other windows see those messages themselves).
//
// Every procedure of a window runs inside a host frame of its own, as the host's event loop would run it: a
// procedure that raises (or lets a C++ exception out) ends there and is reported, and the window manager
// that called it carries on.
//
// The key window is the host window that the host's keyboard input goes to; none when the main window has it.
// Cursors are the platform's cursors: a standard cursor is a system cursor, and a plug-in may set a cursor
// it loaded itself.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "HostTypes.h"
#include "Win32.h"
#include "win32sub/Desktop.h"

class Host;

class HostWindows {
public:
    // Makes the host's main window; it is shown for as long as the host runs.
    explicit HostWindows(Host& host);
    ~HostWindows();
    HostWindows(const HostWindows&) = delete;
    HostWindows& operator=(const HostWindows&) = delete;

    HWND MainWindow() const { return m_mainWindow; }

    // The operations of the host's entries; each fails with a HostError on a bad handle or value.
    HostWindow NewAroundPlatform(HWND platform, const HostWindowHandlerRecord* handlers, HostExtension owner);
    // Tells the plug-in to destroy its platform window (destroyPlatformThing), then forgets the host window.
    void Destroy(HostWindow window);
    void Show(HostWindow window);
    void Hide(HostWindow window);
    bool IsVisible(HostWindow window);
    HWND PlatformOf(HostWindow window);
    void* OwnerData(HostWindow window);
    void SetOwnerData(HostWindow window, void* data);
    void BringForward(HostWindow window);
    void SetWantsKey(HostWindow window, bool wantsKey);
    bool WantsKey(HostWindow window);
    // Makes the window the key window, activating its platform window unless it is already active.
    void BecomeKey(HostWindow window);
    // A key window that resigns hands the keyboard back to the main window.
    void ResignKey(HostWindow window);
    HostWindow KeyWindow() const { return m_keyWindow; }

    // Modeless dialogs a plug-in handed over; the host keeps them while their windows exist.
    void AddModelessDialog(HWND dialog);
    std::vector<HWND> ModelessDialogs() const;

    HostCursor StandardCursor(int32_t number) const;
    void SetCursor(HostCursor cursor);
    HostCursor Cursor() const { return m_cursor; }

    // The host window around a platform window, or None.
    HostWindow FindByPlatform(HWND platform) const;
    std::size_t Count() const { return m_windows.size(); }
    // Host windows a plug-in still has when it unloads: their platform windows are destroyed, as their
    // procedures are about to go with the module, and the host windows forgotten. Returns how many there were.
    std::size_t ForgetWindowsOf(HostExtension owner);

private:
    struct Entry {
        HWND platform = nullptr;
        HostWindowHandlerRecord handlers{};
        HostExtension owner = HostExtension::None;
        void* ownerData = nullptr;
        bool wantsKey = false;
    };
    Entry& Get(HostWindow window);
    template <class Proc>
    Proc HandlerOf(HostWindow window, HostCallback HostWindowHandlerRecord::*slot) const;
    static LRESULT CallProcedure(WinSubProcedureCall call, void* data, void* context);
    static void WatchMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, void* context);
    void ReportToDialog(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Host& m_host;
    HWND m_mainWindow = nullptr;
    std::map<uint32_t, Entry> m_windows;
    uint32_t m_next = 1;
    HostWindow m_keyWindow = HostWindow::None;
    std::vector<HWND> m_modelessDialogs;
    HostCursor m_cursor = HostCursor::None;
};
