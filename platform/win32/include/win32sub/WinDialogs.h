// Dialogs built from dialog templates, the dialog manager's keyboard handling, and the standard controls
// that templates use: buttons, edit controls, statics, combo boxes and list boxes, with their messages,
// styles and notifications as on Windows.
#pragma once

#include "WinTypes.h"
#include "WinWindows.h"

typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);

// ---- Dialog templates ----
#define DS_ABSALIGN 0x0001L
#define DS_SYSMODAL 0x0002L
#define DS_3DLOOK 0x0004L
#define DS_FIXEDSYS 0x0008L
#define DS_NOFAILCREATE 0x0010L
#define DS_LOCALEDIT 0x0020L
#define DS_SETFONT 0x0040L
#define DS_MODALFRAME 0x0080L
#define DS_NOIDLEMSG 0x0100L
#define DS_SETFOREGROUND 0x0200L
#define DS_CONTROL 0x0400L
#define DS_CENTER 0x0800L
#define DS_CENTERMOUSE 0x1000L
#define DS_CONTEXTHELP 0x2000L
#define DS_SHELLFONT (DS_SETFONT | DS_FIXEDSYS)

// The fixed heads of a template (DLGTEMPLATE) and of each item (DLGITEMTEMPLATE), 2-byte packed as in the
// resource. Their variable parts (menu, class, title, font; class, title, creation data) and the extended
// forms (DLGTEMPLATEEX, signature 0xFFFF) follow in UTF-16, as on Windows.
#pragma pack(push, 2)
typedef struct {
    DWORD style;
    DWORD dwExtendedStyle;
    WORD cdit;
    short x;
    short y;
    short cx;
    short cy;
} DLGTEMPLATE;
typedef struct {
    DWORD style;
    DWORD dwExtendedStyle;
    short x;
    short y;
    short cx;
    short cy;
    WORD id;
} DLGITEMTEMPLATE;
#pragma pack(pop)
typedef DLGTEMPLATE* LPDLGTEMPLATEW;
typedef const DLGTEMPLATE* LPCDLGTEMPLATEW;

// ---- Dialog window data (GetWindowLongPtrW / SetWindowLongPtrW of a dialog) ----
#define DWLP_MSGRESULT 0
#define DWLP_DLGPROC 8
#define DWLP_USER 16
#define DLGWINDOWEXTRA 48

// ---- Dialog messages and codes ----
#define DM_GETDEFID (WM_USER + 0)
#define DM_SETDEFID (WM_USER + 1)
#define DM_REPOSITION (WM_USER + 2)
#define DC_HASDEFID 0x534B

#define WM_NEXTDLGCTL 0x0028

#define DLGC_WANTARROWS 0x0001
#define DLGC_WANTTAB 0x0002
#define DLGC_WANTALLKEYS 0x0004
#define DLGC_WANTMESSAGE 0x0004
#define DLGC_HASSETSEL 0x0008
#define DLGC_DEFPUSHBUTTON 0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_RADIOBUTTON 0x0040
#define DLGC_WANTCHARS 0x0080
#define DLGC_STATIC 0x0100
#define DLGC_BUTTON 0x2000

// ---- Dialogs ----
// Dialog units become pixels with the base units of the template's font: x * baseX / 4 and y * baseY / 8,
// rounded. Fonts are measured as Arial at 96 dots per inch: the base width is the average width of "a".."z"
// and "A".."Z" and the base height the font's ascent plus descent, so 8-point fonts give 6 x 13. Without
// DS_SETFONT the system font's 8 x 16 applies.
//
// A template's position is that of the client area, relative to the owner's client area (DS_ABSALIGN: to
// the screen); DS_CENTER centres the dialog on the screen; a dialog is kept on the screen. The dialog is
// created hidden, its controls are created in template order (with WS_EX_NOPARENTNOTIFY), the dialog
// procedure receives WM_INITDIALOG with the first control that takes the tab and the creation parameter,
// and a template with WS_VISIBLE is then shown. When WM_INITDIALOG returns TRUE, that control gets the focus
// when the dialog is activated. The dialog procedure does not receive WM_SETFONT (there are no fonts) nor
// WM_CREATE, as on Windows. A template's menu is ignored. A control class that does not exist fails the
// dialog unless DS_NOFAILCREATE is given.
//
// A missing template fails with the resource functions' codes (ERROR_RESOURCE_DATA_NOT_FOUND,
// ERROR_RESOURCE_TYPE_NOT_FOUND, ERROR_RESOURCE_NAME_NOT_FOUND); a malformed one with ERROR_INVALID_DATA.
WIN32SUB_API HWND WINAPI CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC dialogFunc,
                                            LPARAM initParam);
// The template is read as Windows reads it, without knowing its size: it must be whole.
WIN32SUB_API HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate, HWND parent,
                                                    DLGPROC dialogFunc, LPARAM initParam);
#define CreateDialogW(instance, name, parent, func) CreateDialogParamW(instance, name, parent, func, 0L)

// Runs the dialog modally: creates it, disables its owner (the top-level window of `parent`), shows it and
// runs a message loop that passes each message through IsDialogMessageW, until EndDialog. When nothing is
// waiting, the loop sends WM_ENTERIDLE to the owner (unless DS_NOIDLEMSG) and asks the input source for the
// user's next action (win32sub/Desktop.h). When the input source has nothing more, the user is taken to
// press Escape (WM_COMMAND IDCANCEL, as IsDialogMessageW sends it); a dialog that still does not end is
// ended with IDCANCEL, since no one could ever end it. The result is EndDialog's; -1 when the dialog could
// not be created, 0 (ERROR_INVALID_WINDOW_HANDLE) for a bad parent, and 0 for a dialog destroyed without
// EndDialog.
WIN32SUB_API INT_PTR WINAPI DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC dialogFunc,
                                            LPARAM initParam);
WIN32SUB_API INT_PTR WINAPI DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate, HWND parent,
                                                    DLGPROC dialogFunc, LPARAM initParam);
#define DialogBoxW(instance, name, parent, func) DialogBoxParamW(instance, name, parent, func, 0L)
// Stores the result and ends a modal dialog's loop: the owner is enabled again and the dialog hidden, then
// destroyed when its loop ends. A modeless dialog is only hidden. Fails with ERROR_WINDOW_NOT_DIALOG for a
// window that no dialog function made.
WIN32SUB_API BOOL WINAPI EndDialog(HWND dialog, INT_PTR result);

// The dialog class's window procedure. It calls the dialog procedure (DWLP_DLGPROC) first; when that
// returns TRUE the result is DWLP_MSGRESULT (or the dialog procedure's own result for WM_INITDIALOG,
// WM_CTLCOLOR* and the item messages), else the default dialog behaviour follows: WM_CLOSE posts
// WM_COMMAND IDCANCEL (unless the IDCANCEL control is disabled), activation keeps and restores the focused
// control, DM_GETDEFID finds the BS_DEFPUSHBUTTON control when none was set, WM_NEXTDLGCTL moves the focus.
WIN32SUB_API LRESULT WINAPI DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Keyboard handling of a dialog, for a message meant for it or one of its controls; TRUE when the message
// was handled (every message for the dialog is: it is dispatched here). Tab and Shift+Tab move the focus
// through the WS_TABSTOP controls; Enter sends WM_COMMAND with BN_CLICKED for the focused push button, or
// else for the default button (DM_GETDEFID, IDOK when there is none), unless that button is disabled; Escape
// sends it for IDCANCEL. A control that asks for the keys (WM_GETDLGCODE) gets them. Mnemonics and arrow
// keys between controls are not handled.
WIN32SUB_API BOOL WINAPI IsDialogMessageW(HWND dialog, LPMSG msg);

// A direct child of the dialog with that id, or NULL with ERROR_CONTROL_ID_NOT_FOUND.
WIN32SUB_API HWND WINAPI GetDlgItem(HWND dialog, int idDlgItem);
WIN32SUB_API int WINAPI GetDlgCtrlID(HWND window);
WIN32SUB_API LRESULT WINAPI SendDlgItemMessageW(HWND dialog, int idDlgItem, UINT message, WPARAM wParam, LPARAM lParam);
WIN32SUB_API BOOL WINAPI SetDlgItemTextW(HWND dialog, int idDlgItem, LPCWSTR text);
WIN32SUB_API UINT WINAPI GetDlgItemTextW(HWND dialog, int idDlgItem, LPWSTR text, int maxCount);
WIN32SUB_API BOOL WINAPI SetDlgItemTextA(HWND dialog, int idDlgItem, LPCSTR text);
WIN32SUB_API UINT WINAPI GetDlgItemTextA(HWND dialog, int idDlgItem, LPSTR text, int maxCount);
WIN32SUB_API BOOL WINAPI SetDlgItemInt(HWND dialog, int idDlgItem, UINT value, BOOL isSigned);
// Leading and trailing blanks are allowed around the number; anything else, a "-" without `isSigned`, or a
// number out of range gives 0 with *translated FALSE.
WIN32SUB_API UINT WINAPI GetDlgItemInt(HWND dialog, int idDlgItem, BOOL* translated, BOOL isSigned);
WIN32SUB_API BOOL WINAPI CheckDlgButton(HWND dialog, int idButton, UINT check);
WIN32SUB_API UINT WINAPI IsDlgButtonChecked(HWND dialog, int idButton);
WIN32SUB_API BOOL WINAPI CheckRadioButton(HWND dialog, int idFirstButton, int idLastButton, int idCheckButton);
// The next (or previous) control after `control` that is visible, enabled and has WS_TABSTOP, wrapping
// around; with `control` NULL the first (or last) one.
WIN32SUB_API HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
// Dialog units to pixels with the dialog's base units; ERROR_WINDOW_NOT_DIALOG for another window.
WIN32SUB_API BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect);
// The system font's base units: 8 wide in the low word, 16 high in the high word.
WIN32SUB_API LONG WINAPI GetDialogBaseUnits(void);

// ---- Images of buttons and statics ----
#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
#define IMAGE_CURSOR 2

// ---- Buttons ("Button") ----
#define BS_PUSHBUTTON 0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define BS_CHECKBOX 0x00000002L
#define BS_AUTOCHECKBOX 0x00000003L
#define BS_RADIOBUTTON 0x00000004L
#define BS_3STATE 0x00000005L
#define BS_AUTO3STATE 0x00000006L
#define BS_GROUPBOX 0x00000007L
#define BS_USERBUTTON 0x00000008L
#define BS_AUTORADIOBUTTON 0x00000009L
#define BS_OWNERDRAW 0x0000000BL
#define BS_TYPEMASK 0x0000000FL
#define BS_LEFTTEXT 0x00000020L
#define BS_TEXT 0x00000000L
#define BS_ICON 0x00000040L
#define BS_BITMAP 0x00000080L
#define BS_PUSHLIKE 0x00001000L
#define BS_MULTILINE 0x00002000L
#define BS_NOTIFY 0x00004000L
#define BS_FLAT 0x00008000L

#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BM_GETSTATE 0x00F2
#define BM_SETSTATE 0x00F3
#define BM_SETSTYLE 0x00F4
#define BM_CLICK 0x00F5
#define BM_GETIMAGE 0x00F6
#define BM_SETIMAGE 0x00F7

#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001
#define BST_INDETERMINATE 0x0002
#define BST_PUSHED 0x0004
#define BST_FOCUS 0x0008

// Notifications (WM_COMMAND to the parent). Only BN_CLICKED is sent without BS_NOTIFY.
#define BN_CLICKED 0
#define BN_PAINT 1
#define BN_HILITE 2
#define BN_UNHILITE 3
#define BN_DISABLE 4
#define BN_DOUBLECLICKED 5
#define BN_SETFOCUS 6
#define BN_KILLFOCUS 7

// ---- Edit controls ("Edit"): one line of text ----
#define ES_LEFT 0x0000L
#define ES_CENTER 0x0001L
#define ES_RIGHT 0x0002L
#define ES_MULTILINE 0x0004L
#define ES_UPPERCASE 0x0008L
#define ES_LOWERCASE 0x0010L
#define ES_PASSWORD 0x0020L
#define ES_AUTOVSCROLL 0x0040L
#define ES_AUTOHSCROLL 0x0080L
#define ES_NOHIDESEL 0x0100L
#define ES_OEMCONVERT 0x0400L
#define ES_READONLY 0x0800L
#define ES_WANTRETURN 0x1000L
#define ES_NUMBER 0x2000L

#define EM_GETSEL 0x00B0
#define EM_SETSEL 0x00B1
#define EM_GETMODIFY 0x00B8
#define EM_SETMODIFY 0x00B9
#define EM_GETLINECOUNT 0x00BA
#define EM_LINELENGTH 0x00C1
#define EM_REPLACESEL 0x00C2
#define EM_LIMITTEXT 0x00C5
#define EM_SETLIMITTEXT EM_LIMITTEXT
#define EM_CANUNDO 0x00C6
#define EM_UNDO 0x00C7
#define EM_EMPTYUNDOBUFFER 0x00CD
#define EM_SETREADONLY 0x00CF
#define EM_GETLIMITTEXT 0x00D5

#define EN_SETFOCUS 0x0100
#define EN_KILLFOCUS 0x0200
#define EN_CHANGE 0x0300
#define EN_UPDATE 0x0400
#define EN_ERRSPACE 0x0500
#define EN_MAXTEXT 0x0501

// ---- Statics ("Static") ----
#define SS_LEFT 0x00000000L
#define SS_CENTER 0x00000001L
#define SS_RIGHT 0x00000002L
#define SS_ICON 0x00000003L
#define SS_BLACKRECT 0x00000004L
#define SS_GRAYRECT 0x00000005L
#define SS_WHITERECT 0x00000006L
#define SS_BLACKFRAME 0x00000007L
#define SS_GRAYFRAME 0x00000008L
#define SS_WHITEFRAME 0x00000009L
#define SS_SIMPLE 0x0000000BL
#define SS_LEFTNOWORDWRAP 0x0000000CL
#define SS_OWNERDRAW 0x0000000DL
#define SS_BITMAP 0x0000000EL
#define SS_ETCHEDHORZ 0x00000010L
#define SS_ETCHEDVERT 0x00000011L
#define SS_ETCHEDFRAME 0x00000012L
#define SS_TYPEMASK 0x0000001FL
#define SS_REALSIZECONTROL 0x00000040L
#define SS_NOPREFIX 0x00000080L
#define SS_NOTIFY 0x00000100L
#define SS_CENTERIMAGE 0x00000200L
#define SS_RIGHTJUST 0x00000400L
#define SS_REALSIZEIMAGE 0x00000800L
#define SS_SUNKEN 0x00001000L

// STM_SETIMAGE takes IMAGE_BITMAP for an SS_BITMAP static and IMAGE_ICON or IMAGE_CURSOR for an SS_ICON
// one, and returns the image it replaces; the control takes the image's size unless SS_CENTERIMAGE or
// SS_REALSIZECONTROL is given. The caller keeps owning the image. A picture named in the template is loaded
// from the dialog's module.
#define STM_SETICON 0x0170
#define STM_GETICON 0x0171
#define STM_SETIMAGE 0x0172
#define STM_GETIMAGE 0x0173

#define STN_CLICKED 0
#define STN_DBLCLK 1
#define STN_ENABLE 2
#define STN_DISABLE 3

// ---- Combo boxes ("ComboBox") ----
// The drop-down kinds are as high as their selection field; the template's height is that of the list
// when it drops down (CB_GETDROPPEDCONTROLRECT). The edit field of CBS_SIMPLE and CBS_DROPDOWN is part of
// the combo box, not a child window.
#define CBS_SIMPLE 0x0001L
#define CBS_DROPDOWN 0x0002L
#define CBS_DROPDOWNLIST 0x0003L
#define CBS_OWNERDRAWFIXED 0x0010L
#define CBS_OWNERDRAWVARIABLE 0x0020L
#define CBS_AUTOHSCROLL 0x0040L
#define CBS_OEMCONVERT 0x0080L
#define CBS_SORT 0x0100L
#define CBS_HASSTRINGS 0x0200L
#define CBS_NOINTEGRALHEIGHT 0x0400L
#define CBS_DISABLENOSCROLL 0x0800L
#define CBS_UPPERCASE 0x2000L
#define CBS_LOWERCASE 0x4000L

#define CB_GETEDITSEL 0x0140
#define CB_LIMITTEXT 0x0141
#define CB_SETEDITSEL 0x0142
#define CB_ADDSTRING 0x0143
#define CB_DELETESTRING 0x0144
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_GETLBTEXT 0x0148
#define CB_GETLBTEXTLEN 0x0149
#define CB_INSERTSTRING 0x014A
#define CB_RESETCONTENT 0x014B
#define CB_FINDSTRING 0x014C
#define CB_SELECTSTRING 0x014D
#define CB_SETCURSEL 0x014E
#define CB_SHOWDROPDOWN 0x014F
#define CB_GETITEMDATA 0x0150
#define CB_SETITEMDATA 0x0151
#define CB_GETDROPPEDCONTROLRECT 0x0152
#define CB_SETITEMHEIGHT 0x0153
#define CB_GETITEMHEIGHT 0x0154
#define CB_GETDROPPEDSTATE 0x0157
#define CB_FINDSTRINGEXACT 0x0158

#define CB_OKAY 0
#define CB_ERR (-1)
#define CB_ERRSPACE (-2)

#define CBN_ERRSPACE (-1)
#define CBN_SELCHANGE 1
#define CBN_DBLCLK 2
#define CBN_SETFOCUS 3
#define CBN_KILLFOCUS 4
#define CBN_EDITCHANGE 5
#define CBN_EDITUPDATE 6
#define CBN_DROPDOWN 7
#define CBN_CLOSEUP 8
#define CBN_SELENDOK 9
#define CBN_SELENDCANCEL 10

// ---- List boxes ("ListBox") ----
#define LBS_NOTIFY 0x0001L
#define LBS_SORT 0x0002L
#define LBS_NOREDRAW 0x0004L
#define LBS_MULTIPLESEL 0x0008L
#define LBS_OWNERDRAWFIXED 0x0010L
#define LBS_OWNERDRAWVARIABLE 0x0020L
#define LBS_HASSTRINGS 0x0040L
#define LBS_USETABSTOPS 0x0080L
#define LBS_NOINTEGRALHEIGHT 0x0100L
#define LBS_MULTICOLUMN 0x0200L
#define LBS_WANTKEYBOARDINPUT 0x0400L
#define LBS_EXTENDEDSEL 0x0800L
#define LBS_DISABLENOSCROLL 0x1000L
#define LBS_NODATA 0x2000L
#define LBS_NOSEL 0x4000L
#define LBS_STANDARD (LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER)

#define LB_ADDSTRING 0x0180
#define LB_INSERTSTRING 0x0181
#define LB_DELETESTRING 0x0182
#define LB_RESETCONTENT 0x0184
#define LB_SETSEL 0x0185
#define LB_SETCURSEL 0x0186
#define LB_GETSEL 0x0187
#define LB_GETCURSEL 0x0188
#define LB_GETTEXT 0x0189
#define LB_GETTEXTLEN 0x018A
#define LB_GETCOUNT 0x018B
#define LB_SELECTSTRING 0x018C
#define LB_GETTOPINDEX 0x018E
#define LB_FINDSTRING 0x018F
#define LB_GETSELCOUNT 0x0190
#define LB_GETSELITEMS 0x0191
#define LB_SETTOPINDEX 0x0197
#define LB_GETITEMRECT 0x0198
#define LB_GETITEMDATA 0x0199
#define LB_SETITEMDATA 0x019A
#define LB_SETCARETINDEX 0x019E
#define LB_GETCARETINDEX 0x019F
#define LB_SETITEMHEIGHT 0x01A0
#define LB_GETITEMHEIGHT 0x01A1
#define LB_FINDSTRINGEXACT 0x01A2

#define LB_OKAY 0
#define LB_ERR (-1)
#define LB_ERRSPACE (-2)

// Sent only with LBS_NOTIFY.
#define LBN_ERRSPACE (-2)
#define LBN_SELCHANGE 1
#define LBN_DBLCLK 2
#define LBN_SELCANCEL 3
#define LBN_SETFOCUS 4
#define LBN_KILLFOCUS 5
