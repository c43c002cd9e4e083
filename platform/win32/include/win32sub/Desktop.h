// Not Win32: the screen side of the window manager, for the program that owns the screen (the host) and for
// tests. It shows what a user would see, acts as the user with the same messages that real input makes,
// runs the idle step that delivers posted messages, paints and timers, and keeps the clock that timers run
// on. The plug-in never includes this header.
#pragma once

#include "Win32.h"

// ---- The clock ----
// Milliseconds on the window manager's clock. It starts at 0 and moves only when advanced, so timers fire
// exactly when a test or the host says that time has passed.
WIN32SUB_API DWORD WINAPI WinSub_GetClock(void);
WIN32SUB_API void WINAPI WinSub_AdvanceClock(DWORD milliseconds);

// ---- The idle step ----
// Delivers what is waiting, as a message loop would between the user's actions: the messages posted before
// the step began (through IsDialogMessageW when their window is in a dialog), then WM_PAINT for every
// window with something to paint, then WM_TIMER for every timer that is due. Messages posted during the
// step wait for the next one, so a step always ends. Returns the number of messages delivered.
WIN32SUB_API int WINAPI WinSub_Idle(void);

// ---- Where the user's actions come from ----
// A message loop that has nothing to deliver waits for the user: it calls the input source with the modal
// dialog it runs for (NULL in GetMessageW). The input source acts as the user (with the functions below,
// which deliver their messages at once) and returns TRUE, or returns FALSE when the user has nothing more
// to do; it must say so eventually, or the loop never ends. Without an input source the user does nothing.
// NULL removes the source.
typedef BOOL (*WinSubInputSource)(HWND waitingFor, void* context);
WIN32SUB_API void WINAPI WinSub_SetInputSource(WinSubInputSource source, void* context);

// ---- Watching messages ----
// Called with every message that reaches a window procedure through SendMessageW, DispatchMessageW or the
// window manager itself, before the procedure runs. NULL removes the spy.
typedef void (*WinSubMessageSpy)(HWND window, UINT message, WPARAM wParam, LPARAM lParam, void* context);
WIN32SUB_API void WINAPI WinSub_SetMessageSpy(WinSubMessageSpy spy, void* context);

// ---- Calling the application's procedures ----
// With a caller set, every window procedure, dialog procedure and timer procedure that the window manager
// calls is called through it: the caller runs `call(data)` and returns its result, or the result it chooses
// when the call failed. A host uses it to end a procedure's failure at the procedure, so that it never
// unwinds through the window manager. NULL removes the caller.
typedef LRESULT (*WinSubProcedureCall)(void* data);
typedef LRESULT (*WinSubProcedureCaller)(WinSubProcedureCall call, void* data, void* context);
WIN32SUB_API void WINAPI WinSub_SetProcedureCaller(WinSubProcedureCaller caller, void* context);

// ---- Reading what is on the screen ----
typedef struct WINSUB_WINDOWINFO {
    HWND hwnd;
    HWND parent;          // a child's parent; NULL for a top-level window
    HWND owner;           // a top-level window's owner
    WCHAR className[64];  // as registered ("Button", "#32770", ...)
    DWORD style;
    DWORD exStyle;
    int id;          // a child's control id
    RECT rect;       // the window's rectangle: a child's in its parent's client coordinates, else the screen's
    RECT screen;     // the window's rectangle on the screen
    RECT client;     // the client area on the screen
    BOOL visible;    // WS_VISIBLE of the window itself
    BOOL shown;      // the window and all its parents are visible: the user sees it
    BOOL enabled;    // the window itself is enabled
    BOOL usable;     // shown, and the window and all its parents enabled: the user can act on it
    BOOL focused;    // the window has the keyboard focus
    BOOL active;     // the window is the active top-level window
    BOOL isDialog;   // made by a dialog function
    BOOL isModal;    // a dialog running its modal loop
    int check;       // BST_ state of a check box or radio button; -1 for other windows
    BOOL isDefault;  // a push button that is its dialog's default button
    int entryCount;  // entries of a combo or list box; -1 for other windows
    int selection;   // the selected entry of a combo box or single-selection list box (-1: none)
    HANDLE image;    // the bitmap or icon a static or button shows; NULL when none
} WINSUB_WINDOWINFO;

// FALSE with ERROR_INVALID_WINDOW_HANDLE for a bad handle.
WIN32SUB_API BOOL WINAPI WinSub_GetWindowInfo(HWND window, WINSUB_WINDOWINFO* info);
// The text the user sees, read without sending a message: a window's text, a drop-down list's selected
// entry. Returns the whole length; copies as much as fits in `size` - 1 characters and a terminator.
WIN32SUB_API int WINAPI WinSub_GetShownText(HWND window, LPWSTR buffer, int size);
// An entry of a combo or list box, as WinSub_GetShownText; -1 for a bad index or another window.
WIN32SUB_API int WINAPI WinSub_GetEntryText(HWND window, int index, LPWSTR buffer, int size);
WIN32SUB_API BOOL WINAPI WinSub_IsEntrySelected(HWND window, int index);
// The top-level windows (`parent` NULL) or the children of `parent`, in Z order. Returns how many there
// are; stores at most `max`.
WIN32SUB_API int WINAPI WinSub_GetWindows(HWND parent, HWND* buffer, int max);

// A text picture of windows: one line per window, children below their parent and indented by two spaces:
//     dialog "Page Geometry" (33,37 210x194) active
//       static #1016 "Region" (8,8 41x13)
//       combo box #1006 (50,7 108x21) focus entries: "Media Box", "Crop Box", *"Trim Box"
//       picture #1019 (164,8 18x18) bitmap 18x18
//       edit #1002 "540.00" (53,36 50x20)
//       button #1001 "Apply" (47,143 53x20) default
// Kinds: window (with its class), dialog, button, check box [x] / [ ] / [-], radio button (o) / ( ),
// group box, edit, static, picture (with "bitmap WxH" or "no image"), icon, combo box, list box. A child's
// control id follows after "#", then its text in quotes (always for a field, even empty; for other windows
// when there is one; a drop-down list's text is its selected entry, marked among its entries). The
// rectangle is the window's: a child's in its parent's client coordinates, a top-level window's on the
// screen, as (x,y widthxheight). Then the state: hidden, disabled, focus, active, default, modal; a combo
// or list box's entries with "*" before the selected ones ("no entries" when it has none). `root` NULL shows every
// top-level window. Hidden windows and their children are left out unless WINSUB_DUMP_HIDDEN is given. Returns the
// whole length; copies as much as fits in `size` - 1 characters and a terminator.
#define WINSUB_DUMP_HIDDEN 0x0001
WIN32SUB_API int WINAPI WinSub_DumpWindows(HWND root, DWORD flags, LPWSTR buffer, int size);

// ---- Acting as the user ----
// Each action checks that the user can reach the window: it must be shown and enabled, with every parent
// (ERROR_ACCESS_DENIED otherwise, and nothing happens; ERROR_INVALID_WINDOW_HANDLE for a bad handle). Its
// messages are delivered at once, each as the message loop would deliver it (through IsDialogMessageW when
// the window is in a dialog); then what they posted is delivered, as by WinSub_Idle without the timers.
//
// A click with the left button in the middle of the window: the top-level window is activated if it is not
// active (WM_MOUSEACTIVATE), then WM_LBUTTONDOWN and WM_LBUTTONUP go to the window under the point, which
// is the window itself unless it lets clicks through (WM_NCHITTEST answers HTTRANSPARENT: statics without
// SS_NOTIFY, group boxes), in which case its parent gets them. A button sends BN_CLICKED.
WIN32SUB_API BOOL WINAPI WinSub_Click(HWND window);
// Types text into a window: unless it has the focus, clicks it first (an edit control then puts the caret
// at the end of its text); then each character goes as WM_CHAR to the focus window. "\r", "\t" and "\x1b"
// are pressed as the Enter, Tab and Escape keys; "\b" is the Backspace character. A NULL window types into
// the focus window as it is.
WIN32SUB_API BOOL WINAPI WinSub_TypeText(HWND window, LPCWSTR text);
// Replaces the text of an edit control as a user does: clicks it, selects all of it, and types the new
// text (an empty text presses Delete). Each character makes EN_UPDATE and EN_CHANGE, as typing does.
WIN32SUB_API BOOL WINAPI WinSub_ReplaceText(HWND window, LPCWSTR text);
// Chooses an entry of a combo box or list box with the mouse. A drop-down combo box is clicked open
// (focus, CBN_DROPDOWN) and the entry picked: CBN_SELENDOK, CBN_CLOSEUP, then CBN_SELCHANGE when the
// selection changed. A list box is scrolled to the entry and the entry clicked: LBN_SELCHANGE when the
// selection changed (a multiple-selection list box toggles the entry). ERROR_INVALID_PARAMETER for an
// index out of range or a text that no entry has (compared without regard to case); ERROR_NOT_SUPPORTED
// for another kind of window.
WIN32SUB_API BOOL WINAPI WinSub_ChooseEntry(HWND window, int index);
WIN32SUB_API BOOL WINAPI WinSub_ChooseEntryText(HWND window, LPCWSTR text);
// Presses and releases a key with the focus window (or the active window when nothing has the focus):
// WM_KEYDOWN, the WM_CHAR that it types, WM_KEYUP. `modifiers` holds WINSUB_SHIFT, WINSUB_CONTROL and
// WINSUB_ALT for keys held down meanwhile (GetKeyState reports them). Enter, Escape and Tab in a dialog do
// what IsDialogMessageW does with them.
#define WINSUB_SHIFT 0x0001
#define WINSUB_CONTROL 0x0002
#define WINSUB_ALT 0x0004
WIN32SUB_API BOOL WINAPI WinSub_PressKey(UINT virtualKey, UINT modifiers);
// Closes the window's top-level window with its close box: the window is activated, then gets
// WM_SYSCOMMAND SC_CLOSE, for which DefWindowProcW sends WM_CLOSE (and a dialog's default procedure posts
// WM_COMMAND IDCANCEL).
WIN32SUB_API BOOL WINAPI WinSub_Close(HWND window);

// ---- Starting over ----
// Destroys every window, kills every timer and empties the message queue; the clock keeps its time. Tests
// call it so that each starts on an empty screen.
WIN32SUB_API void WINAPI WinSub_ResetDesktop(void);
