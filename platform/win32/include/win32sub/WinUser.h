// The window system's side of resources: strings, bitmaps, cursors and icons of a module.
#pragma once

#include "WinRes.h"
#include "WinTypes.h"

// ---- Strings ----
// String `id` of the module's string tables. Copies at most bufferMax - 1 characters and a terminator and
// returns the number of characters copied; 0 when there is no such string. With bufferMax 0, `buffer` is
// really an LPCWSTR* that receives a read-only pointer to the string (terminated here, unlike on Windows),
// and the result is its length.
WIN32SUB_API int WINAPI LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax);
// The same in the ANSI code page (UTF-8); the text is cut to whole characters that fit in bufferMax - 1
// bytes. Returns the number of bytes copied.
WIN32SUB_API int WINAPI LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax);

// ---- Bitmaps ----
// A new bitmap from the module's RT_BITMAP resource (an uncompressed DIB of 1, 4, 8, 24 or 32 bits per
// pixel). The caller deletes it with DeleteObject.
WIN32SUB_API HBITMAP WINAPI LoadBitmapW(HINSTANCE instance, LPCWSTR name);

// ---- Cursors and icons ----
#define IDC_ARROW MAKEINTRESOURCEW(32512)
#define IDC_IBEAM MAKEINTRESOURCEW(32513)
#define IDC_WAIT MAKEINTRESOURCEW(32514)
#define IDC_CROSS MAKEINTRESOURCEW(32515)
#define IDC_UPARROW MAKEINTRESOURCEW(32516)
#define IDC_SIZENWSE MAKEINTRESOURCEW(32642)
#define IDC_SIZENESW MAKEINTRESOURCEW(32643)
#define IDC_SIZEWE MAKEINTRESOURCEW(32644)
#define IDC_SIZENS MAKEINTRESOURCEW(32645)
#define IDC_SIZEALL MAKEINTRESOURCEW(32646)
#define IDC_NO MAKEINTRESOURCEW(32648)
#define IDC_HAND MAKEINTRESOURCEW(32649)
#define IDC_APPSTARTING MAKEINTRESOURCEW(32650)
#define IDC_HELP MAKEINTRESOURCEW(32651)

#define IDI_APPLICATION MAKEINTRESOURCEW(32512)
#define IDI_HAND MAKEINTRESOURCEW(32513)
#define IDI_QUESTION MAKEINTRESOURCEW(32514)
#define IDI_EXCLAMATION MAKEINTRESOURCEW(32515)
#define IDI_ASTERISK MAKEINTRESOURCEW(32516)
#define IDI_WINLOGO MAKEINTRESOURCEW(32517)
#define IDI_SHIELD MAKEINTRESOURCEW(32518)
#define IDI_WARNING IDI_EXCLAMATION
#define IDI_ERROR IDI_HAND
#define IDI_INFORMATION IDI_ASTERISK

typedef struct _ICONINFO {
    BOOL fIcon;
    DWORD xHotspot;
    DWORD yHotspot;
    HBITMAP hbmMask;
    HBITMAP hbmColor;
} ICONINFO, *PICONINFO;

// Cursors and icons loaded from a module are shared, as on Windows: loading one again returns the same
// handle, DestroyCursor and DestroyIcon leave them alone, and they live until their module is freed. With
// a NULL instance the standard IDC_ cursors and IDI_ icons are returned (32 x 32, blank pictures). Of the
// pictures in a group the one nearest 32 x 32 is taken.
WIN32SUB_API HCURSOR WINAPI LoadCursorW(HINSTANCE instance, LPCWSTR name);
WIN32SUB_API HICON WINAPI LoadIconW(HINSTANCE instance, LPCWSTR name);
// A bad handle fails with ERROR_INVALID_CURSOR_HANDLE.
WIN32SUB_API BOOL WINAPI DestroyCursor(HCURSOR cursor);
WIN32SUB_API BOOL WINAPI DestroyIcon(HICON icon);
// Size and hotspot of a cursor or icon: two new bitmaps that the caller deletes. A monochrome picture has no
// colour bitmap; its mask bitmap is twice as high, the AND mask above the XOR picture. An icon's hotspot is
// its centre.
WIN32SUB_API BOOL WINAPI GetIconInfo(HICON icon, PICONINFO info);

// ---- Message boxes ----
#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONHAND 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L

#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7

WIN32SUB_API int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
WIN32SUB_API int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// Not Win32: the program that owns the screen (the host) says how a message box reaches the user and what
// the user answers. Returns the presenter it replaces; null restores the default, which writes the box to
// standard error and answers with its first button.
typedef int (*WinSubMessageBoxPresenter)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
WIN32SUB_API WinSubMessageBoxPresenter WINAPI WinSub_SetMessageBoxPresenter(WinSubMessageBoxPresenter presenter);
