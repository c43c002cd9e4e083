/*
 * The window, dialog and control styles that the test plug-in's dialogs use, with their Windows values, for
 * the resource compiler, which has no <windows.h> here. Resource scripts include it; code gets the same
 * names from the platform header.
 */
#ifndef TEST_DIALOG_STYLES_H
#define TEST_DIALOG_STYLES_H

#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_VSCROLL 0x00200000L
#define WS_SYSMENU 0x00080000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_EX_TOOLWINDOW 0x00000080L

#define DS_SETFONT 0x0040L
#define DS_MODALFRAME 0x0080L
#define DS_NOFAILCREATE 0x0010L
#define DS_CENTER 0x0800L

#define ES_AUTOHSCROLL 0x0080L
#define SS_BITMAP 0x000EL
#define CBS_DROPDOWNLIST 0x0003L
#define LBS_NOTIFY 0x0001L

#define IDOK 1
#define IDCANCEL 2

#endif
