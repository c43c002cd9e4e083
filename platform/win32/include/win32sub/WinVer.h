// Version information of a module file: its VERSIONINFO resource, read by file name.
#pragma once

#include "WinTypes.h"

#define VS_FFI_SIGNATURE 0xFEEF04BDL
#define VS_FFI_STRUCVERSION 0x00010000L
#define VS_FF_DEBUG 0x00000001L
#define VS_FF_PRERELEASE 0x00000002L
#define VS_FF_PATCHED 0x00000004L
#define VOS_NT_WINDOWS32 0x00040004L
#define VFT_APP 0x00000001L
#define VFT_DLL 0x00000002L

typedef struct tagVS_FIXEDFILEINFO {
    DWORD dwSignature;
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
} VS_FIXEDFILEINFO;

// The size of the buffer GetFileVersionInfoW needs, which is more than the resource itself (text values are
// converted into the extra room); 0 on failure: ERROR_FILE_NOT_FOUND, ERROR_BAD_EXE_FORMAT (not a module),
// ERROR_RESOURCE_DATA_NOT_FOUND (no resources), ERROR_RESOURCE_TYPE_NOT_FOUND (no version resource).
// *handle, when given, is set to 0.
WIN32SUB_API DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR fileName, LPDWORD handle);
// `size` must be at least what GetFileVersionInfoSizeW returned (else ERROR_INSUFFICIENT_BUFFER).
WIN32SUB_API BOOL WINAPI GetFileVersionInfoW(LPCWSTR fileName, DWORD handle, DWORD size, LPVOID data);
// Queries "\" (VS_FIXEDFILEINFO, length in bytes), "\VarFileInfo\Translation" (pairs of language and code
// page, length in bytes) and "\StringFileInfo\<language><code page>\<name>" (terminated text, length in
// characters with the terminator). Block names compare without regard to case. The pointer points into
// `block`, which must come from GetFileVersionInfoW.
WIN32SUB_API BOOL WINAPI VerQueryValueW(LPCVOID block, LPCWSTR subBlock, LPVOID* buffer, PUINT length);
