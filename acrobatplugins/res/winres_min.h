/*
 * The Win32 constants that Geometry.rc uses, with their Windows values. The resource compiler has no
 * <windows.h> on Linux, so the script includes this instead. Include it from resource scripts only:
 * C++ code gets these names from the platform header.
 */
#ifndef WINRES_MIN_H
#define WINRES_MIN_H

/* Window styles */
#ifndef WS_POPUP
#define WS_OVERLAPPED       0x00000000L
#define WS_POPUP            0x80000000L
#define WS_CHILD            0x40000000L
#define WS_VISIBLE          0x10000000L
#define WS_DISABLED         0x08000000L
#define WS_CAPTION          0x00C00000L
#define WS_BORDER           0x00800000L
#define WS_DLGFRAME         0x00400000L
#define WS_VSCROLL          0x00200000L
#define WS_HSCROLL          0x00100000L
#define WS_SYSMENU          0x00080000L
#define WS_THICKFRAME       0x00040000L
#define WS_GROUP            0x00020000L
#define WS_TABSTOP          0x00010000L
#endif

/* Dialog styles */
#ifndef DS_MODALFRAME
#define DS_ABSALIGN         0x0001L
#define DS_SYSMODAL         0x0002L
#define DS_3DLOOK           0x0004L
#define DS_FIXEDSYS         0x0008L
#define DS_NOFAILCREATE     0x0010L
#define DS_SETFONT          0x0040L
#define DS_MODALFRAME       0x0080L
#define DS_SETFOREGROUND    0x0200L
#define DS_CONTROL          0x0400L
#define DS_CENTER           0x0800L
#endif

/* Button styles */
#ifndef BS_PUSHBUTTON
#define BS_PUSHBUTTON       0x0000L
#define BS_DEFPUSHBUTTON    0x0001L
#define BS_CHECKBOX         0x0002L
#define BS_AUTOCHECKBOX     0x0003L
#define BS_GROUPBOX         0x0007L
#define BS_AUTORADIOBUTTON  0x0009L
#endif

/* Edit styles */
#ifndef ES_AUTOHSCROLL
#define ES_LEFT             0x0000L
#define ES_CENTER           0x0001L
#define ES_RIGHT            0x0002L
#define ES_MULTILINE        0x0004L
#define ES_AUTOHSCROLL      0x0080L
#define ES_READONLY         0x0800L
#endif

/* Static styles */
#ifndef SS_BITMAP
#define SS_LEFT             0x0000L
#define SS_CENTER           0x0001L
#define SS_RIGHT            0x0002L
#define SS_ICON             0x0003L
#define SS_LEFTNOWORDWRAP   0x000CL
#define SS_BITMAP           0x000EL
#define SS_ETCHEDHORZ       0x0010L
#define SS_NOPREFIX         0x0080L
#define SS_NOTIFY           0x0100L
#define SS_CENTERIMAGE      0x0200L
#endif

/* Combo box styles */
#ifndef CBS_DROPDOWNLIST
#define CBS_SIMPLE          0x0001L
#define CBS_DROPDOWN        0x0002L
#define CBS_DROPDOWNLIST    0x0003L
#define CBS_AUTOHSCROLL     0x0040L
#define CBS_SORT            0x0100L
#define CBS_HASSTRINGS      0x0200L
#endif

/* Dialog command ids and the id of controls that nothing addresses */
#ifndef IDOK
#define IDOK                1
#define IDCANCEL            2
#endif
#ifndef IDC_STATIC
#define IDC_STATIC          (-1)
#endif

/* Languages */
#ifndef LANG_NEUTRAL
#define LANG_NEUTRAL        0x00
#define LANG_GERMAN         0x07
#define LANG_ENGLISH        0x09
#define SUBLANG_NEUTRAL     0x00
#define SUBLANG_DEFAULT     0x01
#define SUBLANG_ENGLISH_US  0x01
#define SUBLANG_GERMAN      0x01
#endif

/* Version resource */
#ifndef VS_VERSION_INFO
#define VS_VERSION_INFO     1
#define VS_FFI_FILEFLAGSMASK 0x0000003FL
#define VS_FF_DEBUG         0x00000001L
#define VOS_NT_WINDOWS32    0x00040004L
#define VFT_DLL             0x00000002L
#define VFT2_UNKNOWN        0x00000000L
#endif

#endif /* WINRES_MIN_H */
