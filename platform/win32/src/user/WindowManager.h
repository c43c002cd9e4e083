// Inside view of the window manager: the windows, their tree, and the helpers that the window, message,
// dialog and control sources share.
//
// Windows belong to the user-interface thread, which alone reads and changes them; only the handle table
// is locked, so that IsWindow and PostMessageW may be used from other threads. A window procedure may
// destroy any window, its own included, while it runs: the code around a call into a procedure holds the
// window by a shared pointer and finds it again by its handle afterwards, never through a reference kept
// across the call.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Win32.h"
#include "win32sub/Desktop.h"

namespace win32sub {

struct WindowClass {
    std::wstring name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int classExtra = 0;
    int windowExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    HICON smallIcon = nullptr;
    bool system = false;
    int windows = 0;  // windows of the class that exist
};

// What a standard control keeps beyond the window, and what the screen side reads of it.
class ControlState {
public:
    enum class ListKind { None, ComboBox, ListBox };

    virtual ~ControlState() = default;
    // Whether the control is a combo box or list box, whose entries the user can choose.
    virtual ListKind Lists() const { return ListKind::None; }
    // BST_ state of a check box or radio button; -1 for other controls.
    virtual int CheckState() const { return -1; }
    // Entries of a combo or list box; -1 for other controls.
    virtual int EntryCount() const { return -1; }
    virtual const std::wstring* Entry(int /*index*/) const { return nullptr; }
    virtual bool EntrySelected(int /*index*/) const { return false; }
    virtual int Selection() const { return -1; }
    virtual HANDLE Image() const { return nullptr; }
    // The text the control shows instead of its window text (a drop-down list's selected entry).
    virtual bool ShownText(std::wstring& /*text*/) const { return false; }
};

struct DialogState;

// A property: a name (folded to upper case) or an atom, and its value.
struct Property {
    bool isAtom = false;
    ATOM atom = 0;
    std::wstring name;
    HANDLE value = nullptr;
};

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WindowClass> windowClass;
    WNDPROC proc = nullptr;
    HINSTANCE instance = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::wstring text;
    UINT_PTR id = 0;
    HWND parent = nullptr;       // the desktop for top-level windows; nullptr only for the desktop
    HWND owner = nullptr;        // top-level windows only
    std::vector<HWND> children;  // Z order, the topmost first
    RECT rect{};                 // in the parent's client coordinates (the screen's for top-level windows)
    LONG_PTR userData = 0;
    std::vector<unsigned char> extra;
    std::vector<Property> properties;
    bool hasUpdate = false;
    RECT update{};  // client coordinates; the bounding rectangle of the update region
    bool erase = false;
    bool destroying = false;
    WPARAM font = 0;
    std::shared_ptr<ControlState> control;
    std::shared_ptr<DialogState> dialog;
};

// ---- Handles and the tree (WindowManager.cpp) ----
// The window, or nullptr. The Failing form sets ERROR_INVALID_WINDOW_HANDLE when there is none.
std::shared_ptr<Window> FindWindowObject(HWND window);
std::shared_ptr<Window> WindowOrFail(HWND window);
HWND AddWindowObject(const std::shared_ptr<Window>& window);
void RemoveWindowObject(HWND window);
HWND DesktopHandle();
bool IsTopLevel(const Window& window);
// The top-level window above `window` (itself when it is one); nullptr for a bad handle or the desktop.
HWND RootOf(HWND window);
// True when `window` is `ancestor` or lies below it.
bool IsSelfOrDescendant(HWND ancestor, HWND window);
// The list of `window`'s siblings (its parent's children), which holds it.
std::vector<HWND>* SiblingsOf(const Window& window);
// Every window below `window`, parents before children.
std::vector<HWND> DescendantsOf(HWND window);
// The window and its parents all have WS_VISIBLE (and are not being destroyed).
bool IsShown(HWND window);
// The window and its parents are all enabled.
bool IsUsable(HWND window);

// ---- Geometry (WindowPosition.cpp) ----
// The frame and caption around the client area that the styles give.
RECT FrameInsets(DWORD style, DWORD exStyle);
RECT ScreenRectOf(const Window& window);
RECT ClientRectOf(const Window& window);     // (0, 0, width, height)
POINT ClientOriginOf(const Window& window);  // on the screen
// Rounded a * b / c, as MulDiv.
int MulDivRound(int a, int b, int c);
// Moves, sizes, shows or hides a window with its messages (SetWindowPos without the argument checks).
bool SetWindowPosition(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);

// ---- Focus and activation (Focus.cpp) ----
HWND FocusWindow();
HWND ActiveWindow();
HWND ChangeFocus(HWND window);
void Activate(HWND window, WORD how);
// `leaving` (a top-level window being hidden or destroyed) is active: activates its owner or the next
// visible top-level window, or nothing.
void ActivateAnotherThan(HWND leaving);
// The focus is in `window` or below it: it goes (WM_KILLFOCUS), and no window has it.
void DropFocusFrom(HWND window);
void SetKeyModifiers(UINT modifiers);

// ---- Painting (Painting.cpp) ----
// Adds a client rectangle (nullptr: the whole client area) to the update regions of the window and of the
// children it covers, when the window is shown.
void InvalidateWindow(HWND window, const RECT* rect, bool erase);
// After a parent's child moved away or was hidden: repaint the parent where the child was.
void InvalidateParentArea(const Window& child, const RECT& rectInParent);
// The first shown window, parents before children, that has something to paint, below `filter` (nullptr:
// anywhere).
HWND WindowToPaint(HWND filter);
void ValidateWindow(HWND window);

// ---- Messages (Messages.cpp) ----
// Calls the window's procedure (after the spy); 0 for a window that no longer exists.
LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Runs a procedure of the application through the procedure caller, when one is set.
LRESULT CallProcedure(WinSubProcedureCall call, void* data);
template <class Body>
LRESULT CallProcedure(const Body& body) {
    return CallProcedure([](void* data) -> LRESULT { return (*static_cast<const Body*>(data))(); },
                         const_cast<Body*>(&body));
}
// WM_COMMAND with the control's id and `code` to its parent.
void NotifyParent(HWND control, WORD code);
std::uint64_t Now();
void AdvanceClock(DWORD milliseconds);
void RemoveQueuedMessagesOf(HWND window);
void ClearQueue();
// The next message for a loop, in Windows' order (posted, quit, paint, timer); with `wait`, the input source
// is asked while there is none. False when there is none (and with `wait`, none can ever come).
bool NextMessage(MSG& msg, HWND filter, UINT filterMin, UINT filterMax, bool remove, bool wait, HWND waitingFor);
// Delivers a message as a message loop does: through the dialog manager of its dialog, else translated and
// dispatched.
void DeliverAsInput(const MSG& msg);
// Delivers what is waiting (the idle step); with `timers` false, no timer fires. Returns the count.
int DeliverWaiting(bool timers);
bool AskInputSource(HWND waitingFor);

// ---- Timers (Timers.cpp) ----
// The first due timer below `filter` (nullptr: any; (HWND)-1: thread timers only); with `remove` its next
// period starts now.
bool TakeDueTimer(MSG& msg, HWND filter, bool remove);
bool IsTimerProc(HWND window, UINT_PTR id, LPARAM proc);
void KillTimersOf(HWND window);
void KillAllTimers();

// ---- Classes (WindowClasses.cpp) ----
// The class that a window created with this name and instance gets, or nullptr
// (ERROR_CANNOT_FIND_WND_CLASS).
std::shared_ptr<WindowClass> ClassForCreate(LPCWSTR className, HINSTANCE instance);

// ---- Window procedures (WindowProcs.cpp) ----
// What DefWindowProcW does for WM_GETTEXT and WM_SETTEXT, for controls that keep their text as usual.
LRESULT CopyTextOut(const std::wstring& text, WPARAM size, LPARAM buffer);

// ---- Destroying (WindowFunctions.cpp) ----
void DestroyAllWindows();

}  // namespace win32sub
