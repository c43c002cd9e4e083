// Code pages. The process's ANSI code page is UTF-8; wide text is wchar_t holding Unicode code points (a
// UTF-16 surrogate pair met in wide text is read as the one character it encodes).
#pragma once

#include "WinTypes.h"

#define CP_ACP 0
#define CP_OEMCP 1
#define CP_UTF8 65001

#define MB_PRECOMPOSED 0x00000001
#define MB_COMPOSITE 0x00000002
#define MB_USEGLYPHCHARS 0x00000004
#define MB_ERR_INVALID_CHARS 0x00000008

#define WC_DISCARDNS 0x00000010
#define WC_SEPCHARS 0x00000020
#define WC_DEFAULTCHAR 0x00000040
#define WC_ERR_INVALID_CHARS 0x00000080
#define WC_COMPOSITECHECK 0x00000200
#define WC_NO_BEST_FIT_CHARS 0x00000400

WIN32SUB_API UINT WINAPI GetACP(void);

// Win32 semantics: a length of -1 converts through the terminator, which is counted; an output size of 0
// asks for the size needed; a buffer too small fails with ERROR_INSUFFICIENT_BUFFER after filling it with
// what fits.
WIN32SUB_API int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int textLength, LPWSTR buffer,
                                            int bufferSize);
// A character the code page cannot represent becomes the default character ("?" unless one is given), and
// *usedDefaultChar, when asked for, tells whether that happened.
WIN32SUB_API int WINAPI WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR text, int textLength, LPSTR buffer,
                                            int bufferSize, LPCSTR defaultChar, LPBOOL usedDefaultChar);
