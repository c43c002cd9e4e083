// Windows: classes, window procedures and subclassing, the window tree, positions, showing and enabling,
// focus and activation, painting, properties, timers and the message queue.
//
// There is no screen. Windows live in a window manager in memory and behave as on Windows: the same
// messages in the same order, the same results and last-error codes. Every window function is called on
// the one thread that runs the user interface; PostMessageW may be called from any thread. A window handle is a number
// issued once and never reused, so a destroyed or made-up handle fails with ERROR_INVALID_WINDOW_HANDLE instead of
// reaching another window.
//
// Time for timers and message times is the window manager's own clock, which only moves when the program
// that owns the screen (the host, a test) advances it: see win32sub/Desktop.h.
#pragma once

#include "WinTypes.h"

#define CALLBACK

DECLARE_HANDLE(HMENU);
DECLARE_HANDLE(HDC);
DECLARE_HANDLE(HBRUSH);
DECLARE_HANDLE(HFONT);
typedef WORD ATOM;

#define MAKEWORD(low, high) \
    ((WORD)(((BYTE)(((DWORD_PTR)(low)) & 0xff)) | ((WORD)((BYTE)(((DWORD_PTR)(high)) & 0xff))) << 8))
#define MAKELONG(low, high) \
    ((LONG)(((WORD)(((DWORD_PTR)(low)) & 0xffff)) | ((DWORD)((WORD)(((DWORD_PTR)(high)) & 0xffff))) << 16))
#define LOWORD(l) ((WORD)(((DWORD_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xffff))
#define LOBYTE(w) ((BYTE)(((DWORD_PTR)(w)) & 0xff))
#define HIBYTE(w) ((BYTE)((((DWORD_PTR)(w)) >> 8) & 0xff))
#define MAKEWPARAM(low, high) ((WPARAM)(DWORD)MAKELONG(low, high))
#define MAKELPARAM(low, high) ((LPARAM)(DWORD)MAKELONG(low, high))
#define MAKELRESULT(low, high) ((LRESULT)(DWORD)MAKELONG(low, high))
#define GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))
#define MAKEINTATOM(i) ((LPWSTR)((ULONG_PTR)((WORD)(i))))

typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;

typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT, *PPOINT, *LPPOINT;

typedef struct tagSIZE {
    LONG cx;
    LONG cy;
} SIZE, *PSIZE, *LPSIZE;

typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT, *PRECT, *LPRECT;
typedef const RECT* LPCRECT;

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef void(CALLBACK* TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);
typedef BOOL(CALLBACK* WNDENUMPROC)(HWND, LPARAM);

// ---- Messages ----
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_ACTIVATE 0x0006
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_SETREDRAW 0x000B
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_SHOWWINDOW 0x0018
#define WM_CANCELMODE 0x001F
#define WM_SETCURSOR 0x0020
#define WM_MOUSEACTIVATE 0x0021
#define WM_WINDOWPOSCHANGING 0x0046
#define WM_WINDOWPOSCHANGED 0x0047
#define WM_NOTIFY 0x004E
#define WM_CONTEXTMENU 0x007B
#define WM_STYLECHANGING 0x007C
#define WM_STYLECHANGED 0x007D
#define WM_SETFONT 0x0030
#define WM_GETFONT 0x0031
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_NCHITTEST 0x0084
#define WM_NCACTIVATE 0x0086
#define WM_GETDLGCODE 0x0087
#define WM_KEYFIRST 0x0100
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_SYSCHAR 0x0106
#define WM_KEYLAST 0x0109
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_TIMER 0x0113
#define WM_ENTERIDLE 0x0121
#define WM_CTLCOLORMSGBOX 0x0132
#define WM_CTLCOLOREDIT 0x0133
#define WM_CTLCOLORLISTBOX 0x0134
#define WM_CTLCOLORBTN 0x0135
#define WM_CTLCOLORDLG 0x0136
#define WM_CTLCOLORSCROLLBAR 0x0137
#define WM_CTLCOLORSTATIC 0x0138
#define WM_MOUSEFIRST 0x0200
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_MBUTTONDOWN 0x0207
#define WM_MBUTTONUP 0x0208
#define WM_MOUSELAST 0x020E
#define WM_PARENTNOTIFY 0x0210
#define WM_SIZING 0x0214
#define WM_MOVING 0x0216
#define WM_CUT 0x0300
#define WM_COPY 0x0301
#define WM_PASTE 0x0302
#define WM_CLEAR 0x0303
#define WM_UNDO 0x0304
#define WM_USER 0x0400
#define WM_APP 0x8000

// WM_ACTIVATE
#define WA_INACTIVE 0
#define WA_ACTIVE 1
#define WA_CLICKACTIVE 2
// WM_SIZE
#define SIZE_RESTORED 0
#define SIZE_MINIMIZED 1
#define SIZE_MAXIMIZED 2
// WM_SYSCOMMAND
#define SC_CLOSE 0xF060
// WM_NCHITTEST
#define HTERROR (-2)
#define HTTRANSPARENT (-1)
#define HTNOWHERE 0
#define HTCLIENT 1
#define HTCAPTION 2
#define HTBORDER 18
// WM_MOUSEACTIVATE
#define MA_ACTIVATE 1
#define MA_ACTIVATEANDEAT 2
#define MA_NOACTIVATE 3
#define MA_NOACTIVATEANDEAT 4
// Mouse message key states
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_SHIFT 0x0004
#define MK_CONTROL 0x0008
#define MK_MBUTTON 0x0010
// WM_ENTERIDLE
#define MSGF_DIALOGBOX 0

// ---- Virtual keys ----
#define VK_LBUTTON 0x01
#define VK_RBUTTON 0x02
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_DELETE 0x2E
#define VK_NUMPAD0 0x60
#define VK_MULTIPLY 0x6A
#define VK_ADD 0x6B
#define VK_SUBTRACT 0x6D
#define VK_DECIMAL 0x6E
#define VK_DIVIDE 0x6F
#define VK_F1 0x70
#define VK_F4 0x73
#define VK_OEM_PLUS 0xBB
#define VK_OEM_COMMA 0xBC
#define VK_OEM_MINUS 0xBD
#define VK_OEM_PERIOD 0xBE

// ---- Window styles ----
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_MINIMIZE 0x20000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_MAXIMIZE 0x01000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_VSCROLL 0x00200000L
#define WS_HSCROLL 0x00100000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_CHILDWINDOW WS_CHILD
#define WS_OVERLAPPEDWINDOW (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define WS_POPUPWINDOW (WS_POPUP | WS_BORDER | WS_SYSMENU)

#define WS_EX_DLGMODALFRAME 0x00000001L
#define WS_EX_NOPARENTNOTIFY 0x00000004L
#define WS_EX_TOPMOST 0x00000008L
#define WS_EX_TRANSPARENT 0x00000020L
#define WS_EX_TOOLWINDOW 0x00000080L
#define WS_EX_WINDOWEDGE 0x00000100L
#define WS_EX_CLIENTEDGE 0x00000200L
#define WS_EX_CONTEXTHELP 0x00000400L
#define WS_EX_CONTROLPARENT 0x00010000L
#define WS_EX_STATICEDGE 0x00020000L
#define WS_EX_APPWINDOW 0x00040000L

// ---- Classes ----
#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_DBLCLKS 0x0008
#define CS_OWNDC 0x0020
#define CS_CLASSDC 0x0040
#define CS_PARENTDC 0x0080
#define CS_NOCLOSE 0x0200
#define CS_SAVEBITS 0x0800
#define CS_GLOBALCLASS 0x4000

typedef struct tagWNDCLASSW {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCWSTR lpszMenuName;
    LPCWSTR lpszClassName;
} WNDCLASSW, *PWNDCLASSW, *LPWNDCLASSW;

typedef struct tagWNDCLASSEXW {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCWSTR lpszMenuName;
    LPCWSTR lpszClassName;
    HICON hIconSm;
} WNDCLASSEXW, *PWNDCLASSEXW, *LPWNDCLASSEXW;

// The system's classes: "Button", "Edit", "Static", "ComboBox", "ListBox" and the dialog class "#32770"
// (WC_DIALOG). Class names are compared without regard to case. A class of a module is found for windows
// created with that module's instance; a CS_GLOBALCLASS class and the system's classes for any instance.
#define WC_DIALOG MAKEINTATOM(0x8002)

WIN32SUB_API ATOM WINAPI RegisterClassW(const WNDCLASSW* wndClass);
WIN32SUB_API ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* wndClass);
// Fails with ERROR_CLASS_DOES_NOT_EXIST, or ERROR_CLASS_HAS_WINDOWS while windows of the class exist.
WIN32SUB_API BOOL WINAPI UnregisterClassW(LPCWSTR className, HINSTANCE instance);
WIN32SUB_API BOOL WINAPI GetClassInfoW(HINSTANCE instance, LPCWSTR className, LPWNDCLASSW wndClass);
WIN32SUB_API BOOL WINAPI GetClassInfoExW(HINSTANCE instance, LPCWSTR className, LPWNDCLASSEXW wndClass);
WIN32SUB_API int WINAPI GetClassNameW(HWND window, LPWSTR className, int maxCount);

// ---- Creating and destroying windows ----
typedef struct tagCREATESTRUCTW {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCWSTR lpszName;
    LPCWSTR lpszClass;
    DWORD dwExStyle;
} CREATESTRUCTW, *LPCREATESTRUCTW;

#define CW_USEDEFAULT ((int)0x80000000)

#define HWND_TOP ((HWND)0)
#define HWND_BOTTOM ((HWND)1)
#define HWND_TOPMOST ((HWND)-1)
#define HWND_NOTOPMOST ((HWND)-2)
#define HWND_MESSAGE ((HWND)-3)
#define HWND_BROADCAST ((HWND)0xffff)

// A child window (WS_CHILD) takes `menu` as its control id; a top-level window cannot have a menu here
// (ERROR_INVALID_MENU_HANDLE). The window receives WM_NCCREATE, WM_CREATE, WM_SIZE and WM_MOVE, and when
// WS_VISIBLE is given, the messages of ShowWindow. A child without WS_EX_NOPARENTNOTIFY is announced to its
// parent with WM_PARENTNOTIFY. Positions of a child are in its parent's client coordinates, of a top-level
// window in screen coordinates. CW_USEDEFAULT places an overlapped window at (0, 0), three quarters of the
// screen in size.
WIN32SUB_API HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                                         int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                                         LPVOID param);
#define CreateWindowW(className, windowName, style, x, y, width, height, parent, menu, instance, param) \
    CreateWindowExW(0L, className, windowName, style, x, y, width, height, parent, menu, instance, param)
// Windows owned by the window are destroyed first. The window is hidden; WM_DESTROY goes to the window and
// then to each of its descendants, parents before children; WM_NCDESTROY goes to the descendants, children
// before parents, and last to the window. Its timers, properties and queued messages go with it.
WIN32SUB_API BOOL WINAPI DestroyWindow(HWND window);
WIN32SUB_API BOOL WINAPI IsWindow(HWND window);

// ---- The window tree ----
#define GW_HWNDFIRST 0
#define GW_HWNDLAST 1
#define GW_HWNDNEXT 2
#define GW_HWNDPREV 3
#define GW_OWNER 4
#define GW_CHILD 5
#define GW_ENABLEDPOPUP 6

#define GA_PARENT 1
#define GA_ROOT 2
#define GA_ROOTOWNER 3

// The window that covers the screen, parent of every top-level window.
WIN32SUB_API HWND WINAPI GetDesktopWindow(void);
// A child's parent; a pop-up window's owner; NULL for other top-level windows.
WIN32SUB_API HWND WINAPI GetParent(HWND window);
WIN32SUB_API HWND WINAPI GetAncestor(HWND window, UINT flags);
// Siblings are in Z order, the topmost first; controls of a dialog in the order of its template.
WIN32SUB_API HWND WINAPI GetWindow(HWND window, UINT command);
WIN32SUB_API HWND WINAPI GetTopWindow(HWND window);
WIN32SUB_API BOOL WINAPI IsChild(HWND parent, HWND window);
WIN32SUB_API BOOL WINAPI EnumWindows(WNDENUMPROC enumProc, LPARAM lParam);
WIN32SUB_API BOOL WINAPI EnumChildWindows(HWND parent, WNDENUMPROC enumProc, LPARAM lParam);
// Top-level windows (FindWindowW) or the children of `parent` after `childAfter` whose class and text match;
// a NULL class or text matches any.
WIN32SUB_API HWND WINAPI FindWindowW(LPCWSTR className, LPCWSTR windowName);
WIN32SUB_API HWND WINAPI FindWindowExW(HWND parent, HWND childAfter, LPCWSTR className, LPCWSTR windowName);

// ---- Window data ----
#define GWLP_WNDPROC (-4)
#define GWLP_HINSTANCE (-6)
#define GWLP_HWNDPARENT (-8)
#define GWLP_ID (-12)
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWLP_USERDATA (-21)
#define GWL_ID GWLP_ID

typedef struct tagSTYLESTRUCT {
    DWORD styleOld;
    DWORD styleNew;
} STYLESTRUCT, *LPSTYLESTRUCT;

// Non-negative indexes address the window's extra bytes (cbWndExtra of its class); an index beyond them
// fails with ERROR_INVALID_INDEX. Setting GWLP_WNDPROC subclasses the window: the previous procedure is
// returned, to be called with CallWindowProcW. Changing GWL_STYLE or GWL_EXSTYLE sends WM_STYLECHANGING
// and WM_STYLECHANGED. A result of 0 leaves the last error as it was, as on Windows.
WIN32SUB_API LONG_PTR WINAPI GetWindowLongPtrW(HWND window, int index);
WIN32SUB_API LONG_PTR WINAPI SetWindowLongPtrW(HWND window, int index, LONG_PTR newLong);
// The 32-bit forms; GWLP_WNDPROC, GWLP_HINSTANCE, GWLP_HWNDPARENT and GWLP_USERDATA need the pointer forms.
WIN32SUB_API LONG WINAPI GetWindowLongW(HWND window, int index);
WIN32SUB_API LONG WINAPI SetWindowLongW(HWND window, int index, LONG newLong);

WIN32SUB_API LRESULT WINAPI CallWindowProcW(WNDPROC prevWndFunc, HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
WIN32SUB_API LRESULT WINAPI DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Window text goes through WM_SETTEXT and WM_GETTEXT, so a window procedure may answer for it. The text is
// cut to maxCount - 1 characters; the result is the number of characters copied.
WIN32SUB_API BOOL WINAPI SetWindowTextW(HWND window, LPCWSTR text);
WIN32SUB_API int WINAPI GetWindowTextW(HWND window, LPWSTR text, int maxCount);
WIN32SUB_API int WINAPI GetWindowTextLengthW(HWND window);
// The same in the ANSI code page (UTF-8): counts are in bytes, and a cut text ends with a whole character.
WIN32SUB_API BOOL WINAPI SetWindowTextA(HWND window, LPCSTR text);
WIN32SUB_API int WINAPI GetWindowTextA(HWND window, LPSTR text, int maxCount);

// ---- Properties ----
// A property name is a string, compared without regard to case, or an atom (MAKEINTATOM). Properties left
// on a window are removed when it is destroyed.
WIN32SUB_API BOOL WINAPI SetPropW(HWND window, LPCWSTR name, HANDLE data);
WIN32SUB_API HANDLE WINAPI GetPropW(HWND window, LPCWSTR name);
WIN32SUB_API HANDLE WINAPI RemovePropW(HWND window, LPCWSTR name);

// ---- Showing, enabling, position ----
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_SHOWMINNOACTIVE 7
#define SW_SHOWNA 8
#define SW_RESTORE 9
#define SW_SHOWDEFAULT 10

#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOREDRAW 0x0008
#define SWP_NOACTIVATE 0x0010
#define SWP_FRAMECHANGED 0x0020
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080
#define SWP_NOCOPYBITS 0x0100
#define SWP_NOOWNERZORDER 0x0200
#define SWP_NOSENDCHANGING 0x0400
#define SWP_NOCLIENTSIZE 0x0800
#define SWP_NOCLIENTMOVE 0x1000

typedef struct tagWINDOWPOS {
    HWND hwnd;
    HWND hwndInsertAfter;
    int x;
    int y;
    int cx;
    int cy;
    UINT flags;
} WINDOWPOS, *LPWINDOWPOS, *PWINDOWPOS;

// Minimized and maximized windows do not exist here: those commands show the window as it is. The result is
// nonzero when the window was visible before. Showing a top-level window activates it unless the command
// says not to (SW_SHOWNA, SW_SHOWNOACTIVATE, SW_SHOWMINNOACTIVE); hiding the active window activates its
// owner or the next visible top-level window.
WIN32SUB_API BOOL WINAPI ShowWindow(HWND window, int command);
// True when the window and every parent above it have WS_VISIBLE.
WIN32SUB_API BOOL WINAPI IsWindowVisible(HWND window);
// Nonzero when the window was disabled before. Disabling the window that has the focus, or a parent of it,
// takes the focus away.
WIN32SUB_API BOOL WINAPI EnableWindow(HWND window, BOOL enable);
WIN32SUB_API BOOL WINAPI IsWindowEnabled(HWND window);
// WM_WINDOWPOSCHANGING (whose WINDOWPOS the window may change), then WM_WINDOWPOSCHANGED, for which
// DefWindowProcW sends WM_MOVE and WM_SIZE.
WIN32SUB_API BOOL WINAPI SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
WIN32SUB_API BOOL WINAPI MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
// Screen coordinates, frame included.
WIN32SUB_API BOOL WINAPI GetWindowRect(HWND window, LPRECT rect);
// The client area in its own coordinates: (0, 0, width, height).
WIN32SUB_API BOOL WINAPI GetClientRect(HWND window, LPRECT rect);
WIN32SUB_API BOOL WINAPI ClientToScreen(HWND window, LPPOINT point);
WIN32SUB_API BOOL WINAPI ScreenToClient(HWND window, LPPOINT point);
// From the client coordinates of `from` to those of `to` (NULL: the screen). Returns the horizontal shift in
// its low word and the vertical one in its high word.
WIN32SUB_API int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);

// ---- Frames and system metrics ----
// The frames are those of the classic look: a 3-pixel dialog frame, a 4-pixel sizing frame, a 1-pixel
// border, a 2-pixel client edge and a 19-pixel caption. The screen is 1280 x 1024 pixels at 96 dots per
// inch. Scroll bars take no room from a client area.
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXVSCROLL 2
#define SM_CYHSCROLL 3
#define SM_CYCAPTION 4
#define SM_CXBORDER 5
#define SM_CYBORDER 6
#define SM_CXDLGFRAME 7
#define SM_CYDLGFRAME 8
#define SM_CXICON 11
#define SM_CYICON 12
#define SM_CXCURSOR 13
#define SM_CYCURSOR 14
#define SM_CXFRAME 32
#define SM_CYFRAME 33
#define SM_CXFIXEDFRAME SM_CXDLGFRAME
#define SM_CYFIXEDFRAME SM_CYDLGFRAME
#define SM_CXSIZEFRAME SM_CXFRAME
#define SM_CYSIZEFRAME SM_CYFRAME
#define SM_CXEDGE 45
#define SM_CYEDGE 46

WIN32SUB_API int WINAPI GetSystemMetrics(int index);
// Grows a client rectangle by the frame and caption that the styles give a window.
WIN32SUB_API BOOL WINAPI AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle);

// ---- Rectangles ----
WIN32SUB_API BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom);
WIN32SUB_API BOOL WINAPI SetRectEmpty(LPRECT rect);
WIN32SUB_API BOOL WINAPI IsRectEmpty(const RECT* rect);
WIN32SUB_API BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy);
WIN32SUB_API BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy);
WIN32SUB_API BOOL WINAPI IntersectRect(LPRECT result, const RECT* a, const RECT* b);
WIN32SUB_API BOOL WINAPI UnionRect(LPRECT result, const RECT* a, const RECT* b);
WIN32SUB_API BOOL WINAPI PtInRect(const RECT* rect, POINT point);
WIN32SUB_API BOOL WINAPI EqualRect(const RECT* a, const RECT* b);

// ---- Focus and activation ----
// Setting the focus into a top-level window that is not active activates it first. WM_KILLFOCUS goes to the
// window that loses the focus, WM_SETFOCUS to the one that gets it. Returns the window that had it.
WIN32SUB_API HWND WINAPI SetFocus(HWND window);
WIN32SUB_API HWND WINAPI GetFocus(void);
// WM_NCACTIVATE and WM_ACTIVATE to the window that is deactivated, then to the one that is activated, which
// comes to the top of the Z order. DefWindowProcW gives the focus to a window that is activated.
WIN32SUB_API HWND WINAPI SetActiveWindow(HWND window);
WIN32SUB_API HWND WINAPI GetActiveWindow(void);
WIN32SUB_API BOOL WINAPI SetForegroundWindow(HWND window);
WIN32SUB_API HWND WINAPI GetForegroundWindow(void);
// The state of a key during the input that is being delivered: the high bit is set while it is down.
WIN32SUB_API SHORT WINAPI GetKeyState(int virtualKey);

// ---- Painting ----
// A window's update region is kept as its bounding rectangle. Only visible windows collect one. WM_PAINT is
// not queued: a message loop produces it for a window with a non-empty update region when no posted message
// is waiting; a WM_PAINT handed out by the loop leaves the window validated even when its procedure did not
// call BeginPaint (where Windows would send it again and again).
typedef struct tagPAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
} PAINTSTRUCT, *PPAINTSTRUCT, *LPPAINTSTRUCT;

// NULL rect: the whole client area. NULL window: every window.
WIN32SUB_API BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL erase);
WIN32SUB_API BOOL WINAPI ValidateRect(HWND window, const RECT* rect);
// Sends WM_PAINT at once when the update region is not empty.
WIN32SUB_API BOOL WINAPI UpdateWindow(HWND window);
// FALSE (and an empty rectangle) when there is nothing to paint.
WIN32SUB_API BOOL WINAPI GetUpdateRect(HWND window, LPRECT rect, BOOL erase);
// The device context is a token: there is no drawing here. BeginPaint sends WM_ERASEBKGND when the update
// region asks for erasing and validates the window.
WIN32SUB_API HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint);
WIN32SUB_API BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT* paint);

// ---- Timers ----
#define USER_TIMER_MINIMUM 0x0000000A
#define USER_TIMER_MAXIMUM 0x7FFFFFFF

// A timer of a window is known by the window and its id: setting it again replaces it. A timer without a
// window gets a new id. Periods below USER_TIMER_MINIMUM are raised to it. WM_TIMER is not queued: a
// message loop produces it, when nothing else is waiting, for a timer whose period has passed on the
// window manager's clock, once however many periods passed; the next period starts then. With a timer
// procedure, DispatchMessageW calls the procedure instead of the window procedure.
WIN32SUB_API UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR idEvent, UINT elapse, TIMERPROC timerFunc);
// Fails with ERROR_INVALID_PARAMETER when there is no such timer.
WIN32SUB_API BOOL WINAPI KillTimer(HWND window, UINT_PTR idEvent);

// ---- Messages and the message queue ----
typedef struct tagMSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
} MSG, *PMSG, *LPMSG;

#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
#define PM_NOYIELD 0x0002

// Calls the window's procedure at once and returns its result. A bad window gives 0 with
// ERROR_INVALID_WINDOW_HANDLE.
WIN32SUB_API LRESULT WINAPI SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Queues the message; a NULL window queues a message for the thread (there is one user-interface thread).
WIN32SUB_API BOOL WINAPI PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WIN32SUB_API void WINAPI PostQuitMessage(int exitCode);
// Messages come in Windows' order: posted messages, WM_QUIT, WM_PAINT, WM_TIMER. With none of them, the
// loop waits for the user: it asks the input source that the host installed (win32sub/Desktop.h). When the
// input source has nothing more to give, nothing can ever arrive, so GetMessageW returns 0 as for WM_QUIT.
// A filter window also takes the messages of its descendants; (HWND)-1 takes only thread messages.
WIN32SUB_API BOOL WINAPI GetMessageW(LPMSG msg, HWND window, UINT filterMin, UINT filterMax);
// Never waits.
WIN32SUB_API BOOL WINAPI PeekMessageW(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeMsg);
// Posts WM_CHAR for a WM_KEYDOWN of a key that types a character (letters as lower case unless Shift is
// down, digits, space, Backspace, Tab, Enter, Escape, the number pad and the OEM period, comma, minus and
// plus keys).
WIN32SUB_API BOOL WINAPI TranslateMessage(const MSG* msg);
WIN32SUB_API LRESULT WINAPI DispatchMessageW(const MSG* msg);
WIN32SUB_API DWORD WINAPI GetMessageTime(void);
