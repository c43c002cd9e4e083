// Windows of the probe on the framework. Both the dialog and the plain window write every hook that reaches
// them into one log, each entry with the callback nesting count it ran at: 1 when the host called through
// the handler record, 0 when the window's own procedure did. A hook can be made to fail with an exception of
// a chosen kind, and the answers of WillClose and WillBeResized can be chosen.
#include "ProbeWindows.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "GLIB/GLIB_DerivedException.h"
#include "GLIB/GLIB_StringUtils.h"
#include "PDFL/PDFL_ExceptionHandler.h"
#include "Win32.h"
#include "XCHG/XCHG_AboutMenuItem.h"
#include "XCHG/XCHG_Dialog.h"
#include "XCHG/XCHG_Exception.h"
#include "XCHG/XCHG_FreebieAboutDialog.h"
#include "XCHG/XCHG_PluginContext.h"
#include "XCHG/XCHG_Resources.h"

namespace {

struct Tag_ProbeOther {};

constexpr wchar_t kFrameClass[] = L"ProbeFrame";
constexpr int16_t kListId = 1100;
constexpr int16_t kSortedListId = 1101;
constexpr int16_t kCheckId = 1102;

std::string g_windowLog;
std::string g_failIn;    // the hook that fails, empty for none
std::string g_failKind;  // "xchg", "glib", "oom" or anything else for a foreign exception
HostBool g_willCloseAnswer = 1;
int g_widest = 0;  // WillBeResized narrows wider rectangles to this width; 0 leaves them

bool Chosen() { return std::getenv("PROBE_WINDOWS") != nullptr; }

std::string Text(const HostDevRect& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

void Note(const std::string& who, const std::string& hook, const std::string& arguments = "") {
    g_windowLog += who + "." + hook + (arguments.empty() ? "" : "(" + arguments + ")") + "@" +
                   std::to_string(PDFL_ExceptionHandler::NestingCount()) + " ";
    if (hook != g_failIn) return;
    g_failIn.clear();  // once: the failure is the test's, not every later call's
    if (g_failKind == "xchg") throw XCHG_Exception(1155990, "probe window failure", __FILE__, __LINE__);
    if (g_failKind == "glib") {
        throw GLIB_DerivedException<Tag_ProbeOther>(1125990, "probe other failure", __FILE__, __LINE__);
    }
    if (g_failKind == "oom") throw std::bad_alloc();
    throw 42;
}

std::string EventText(const HostWindowEvent* event) { return event != nullptr ? std::to_string(event->message) : "-"; }

// The hooks every framework window has, logged under `who` before the base behaviour runs.
template <class Base>
class Logging : public Base {
public:
    explicit Logging(const char* who) : m_who(who) {}

// A hook without arguments or with a rectangle: logged by its name.
#define PROBE_LOGGED(hook) \
    void hook() override { \
        Log(#hook);        \
        Base::hook();      \
    }
    PROBE_LOGGED(DidCreate)
    PROBE_LOGGED(WillDestroy)
    PROBE_LOGGED(DidActivate)
    PROBE_LOGGED(DidBecomeKey)
    PROBE_LOGGED(DidClose)
    PROBE_LOGGED(WillResignKey)
    PROBE_LOGGED(WillShow)
    PROBE_LOGGED(WillDeactivate)
#define PROBE_LOGGED_RECT(hook)                   \
    void hook(const HostDevRect& rect) override { \
        Log(#hook, Text(rect));                   \
        Base::hook(rect);                         \
    }
    PROBE_LOGGED_RECT(DidMove)
    PROBE_LOGGED_RECT(Draw)
    PROBE_LOGGED_RECT(DidResize)
#undef PROBE_LOGGED
#undef PROBE_LOGGED_RECT

    void MouseDown(int16_t x, int16_t y, const HostWindowEvent* event) override {
        Log("MouseDown", std::to_string(x) + "," + std::to_string(y) + "," + EventText(event));
        Base::MouseDown(x, y, event);
    }
    HostBool WillClose(HostBool flag) override {
        Log("WillClose", std::to_string(flag));
        return g_willCloseAnswer;
    }
    void KeyDown(uint32_t key, const HostWindowEvent* event) override {
        Log("KeyDown", std::to_string(key) + "," + EventText(event));
        Base::KeyDown(key, event);
    }
    HostBool WillBeResized(HostDevRect& rect) override {
        Log("WillBeResized", Text(rect));
        if (g_widest > 0 && rect.right - rect.left > g_widest) {
            rect.right = static_cast<int16_t>(rect.left + g_widest);
        }
        return Base::WillBeResized(rect);
    }
    void PerformEditOp(HostAtom operation) override {
        Log("PerformEditOp", std::to_string(static_cast<uint32_t>(operation)));
        Base::PerformEditOp(operation);
    }
    HostBool CanPerformEditOp(HostAtom operation) override {
        Log("CanPerformEditOp", std::to_string(static_cast<uint32_t>(operation)));
        return Base::CanPerformEditOp(operation);
    }
    void AdjustCursor(int16_t x, int16_t y) override {
        Log("AdjustCursor", std::to_string(x) + "," + std::to_string(y));
        Base::AdjustCursor(x, y);
    }
    void DestroyPlatformThing(HWND window) override {
        Log("DestroyPlatformThing", window == Base::GetPlatformWindow() ? "own" : "other");
        Base::DestroyPlatformThing(window);
    }

protected:
    void Log(const char* hook, const std::string& arguments = "") { Note(m_who, hook, arguments); }

private:
    const char* m_who;
};

// Dialog 128 or 130 with two list boxes (the second sorted) and a check box added, and Command logged.
class ProbeDialog : public Logging<XCHG_Dialog> {
public:
    ProbeDialog() : Logging<XCHG_Dialog>("Dialog") {}

    void DidCreate() override {
        Logging<XCHG_Dialog>::DidCreate();
        Add(L"ListBox", kListId, LBS_NOTIFY | WS_BORDER | WS_VSCROLL, 0);
        Add(L"ListBox", kSortedListId, LBS_NOTIFY | LBS_SORT | WS_BORDER, 40);
        Add(L"Button", kCheckId, BS_AUTOCHECKBOX | WS_TABSTOP, 80);
    }
    void Command(uint16_t id) override { Log("Command", std::to_string(id)); }

private:
    void Add(const wchar_t* className, int16_t id, DWORD style, int y) {
        CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, 200, y, 60, 36, GetPlatformWindow(),
                        reinterpret_cast<HMENU>(static_cast<intptr_t>(id)),
                        static_cast<HINSTANCE>(XCHG_PluginContext::Module()), nullptr);
    }
};

class ProbeFrame : public Logging<XCHG_AVWindowObj> {
public:
    ProbeFrame() : Logging<XCHG_AVWindowObj>("Frame") {}
};

ProbeDialog g_dialog;
ProbeFrame g_frame;
XCHG_FreebieAboutDialog g_about;
XCHG_AboutMenuItem g_aboutItem;

void DestroyPlatform(XCHG_AVWindowObj& window) {
    const HWND platform = window.GetPlatformWindow();
    window.DestroyHostWindow();
    if (IsWindow(platform)) DestroyWindow(platform);
}

}  // namespace

void ProbeWindowsInitialize() {
    if (!Chosen()) return;
    g_widest = 0;
    WNDCLASSW frameClass{};
    frameClass.lpfnWndProc = DefWindowProcW;
    frameClass.hInstance = static_cast<HINSTANCE>(XCHG_PluginContext::Module());
    frameClass.lpszClassName = kFrameClass;
    RegisterClassW(&frameClass);
    g_aboutItem.Create(1108, &g_about);
}

void ProbeWindowsUnload() {
    if (!Chosen()) return;
    g_aboutItem.Release();
    DestroyPlatform(g_dialog);
    DestroyPlatform(g_frame);
    UnregisterClassW(kFrameClass, static_cast<HINSTANCE>(XCHG_PluginContext::Module()));
}

#define PROBE_EXPORT extern "C" __attribute__((visibility("default")))

// What reached the probe's windows since the last call.
PROBE_EXPORT void Probe_WindowLog(char* buffer, int size) {
    std::snprintf(buffer, size, "%s", g_windowLog.c_str());
    g_windowLog.clear();
}
// The next call of `hook` throws an exception of `kind`; WillClose answers `willClose`.
PROBE_EXPORT void Probe_SetWindowBehaviour(const char* hook, const char* kind, int willClose) {
    g_failIn = hook != nullptr ? hook : "";
    g_failKind = kind != nullptr ? kind : "";
    g_willCloseAnswer = static_cast<HostBool>(willClose);
}

PROBE_EXPORT void Probe_LimitWidth(int widest) { g_widest = widest; }

PROBE_EXPORT HWND Probe_CreateDialog(int resourceId) {
    return g_dialog.CreateModeless(static_cast<uint16_t>(resourceId));
}
PROBE_EXPORT void Probe_ShowDialog() { g_dialog.Show(); }
PROBE_EXPORT HWND Probe_Dialog() { return g_dialog.GetPlatformWindow(); }
PROBE_EXPORT HostWindow Probe_DialogHostWindow() { return g_dialog.GetHostWindow(); }
PROBE_EXPORT const HostWindowHandlerRecord* Probe_DialogRecord() { return &g_dialog.GetHandlerRecord(); }
PROBE_EXPORT HMODULE Probe_DialogResourceModule() { return g_dialog.GetResourceModule(); }
PROBE_EXPORT HMODULE Probe_PluginModule() { return XCHG_GetPluginModule(); }
PROBE_EXPORT void Probe_DestroyDialogHostWindow() { g_dialog.DestroyHostWindow(); }

// A visible overlapped window of the probe's own class, attached to the plain window object.
PROBE_EXPORT HWND Probe_CreateFrame() {
    const HWND window = CreateWindowExW(0, kFrameClass, L"Probe Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300,
                                        200, static_cast<HWND>(XCHG_PluginContext::MainWindow()), nullptr,
                                        static_cast<HINSTANCE>(XCHG_PluginContext::Module()), nullptr);
    g_frame.AttachToPlatformWindow(window);
    return window;
}
PROBE_EXPORT HWND Probe_Frame() { return g_frame.GetPlatformWindow(); }
PROBE_EXPORT HostWindow Probe_FrameHostWindow() { return g_frame.GetHostWindow(); }
PROBE_EXPORT const HostWindowHandlerRecord* Probe_FrameRecord() { return &g_frame.GetHandlerRecord(); }
PROBE_EXPORT bool Probe_FrameIsOpen() { return g_frame.IsOpen(); }
PROBE_EXPORT HostDevRect Probe_FrameBounds() { return g_frame.GetBounds(); }
PROBE_EXPORT void Probe_DestroyFrameHostWindow() { g_frame.DestroyHostWindow(); }
PROBE_EXPORT bool Probe_FrameIsFoundByItsHostWindow() {
    return XCHG_AVWindowObj::FromHostWindow(g_frame.GetHostWindow()) == &g_frame;
}

// One of the dialog's item helpers, by name; `text` in and `out` out where the helper has them.
PROBE_EXPORT int Probe_DialogItem(const char* helper, int id, int index, int value, const char* text, char* out,
                                  int size) {
    const std::string name = helper;
    const auto item = static_cast<int16_t>(id);
    if (name == "ListAdd") g_dialog.ListAdd(item, text);
    if (name == "ListInsert") g_dialog.ListInsert(item, index, text);
    if (name == "ListDelete") g_dialog.ListDelete(item, index);
    if (name == "ListClear") g_dialog.ListClear(item);
    if (name == "SetListItemValue") g_dialog.SetListItemValue(item, index, value);
    if (name == "GetListItemValue") return g_dialog.GetListItemValue(item, index);
    if (name == "ListSelect") g_dialog.ListSelect(item, index);
    if (name == "ListCount") return g_dialog.ListCount(item);
    if (name == "ListIsSelected") return g_dialog.ListIsSelected(item, index);
    if (name == "GetPopupItemText") return g_dialog.GetPopupItemText(item, index, out, size);
    if (name == "GetItemText") return g_dialog.GetItemText(item, out, size);
    if (name == "SetItemInt") g_dialog.SetItemInt(item, value);
    if (name == "GetItemInt") return g_dialog.GetItemInt(item);
    if (name == "ToggleCheck") return g_dialog.ToggleCheck(item);
    return 0;
}

PROBE_EXPORT intptr_t Probe_ShowAbout(int bitmapId) {
    g_about.SetBitmapID(static_cast<int16_t>(bitmapId));
    return g_about.Show();
}
