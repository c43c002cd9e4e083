// Modules and their resources, the kernel side: loading and freeing modules, finding their exports, and
// finding and reading resources by type, name and language.
//
// A module is an ELF shared object. Its resources are a compiled Win32 resource file (.res) carried in an
// ELF section of its own, ".win32res". File names are Win32 paths on drive Z: (Z:\home\a.api is
// /home/a.api); a path without a drive is relative to the current directory.
#pragma once

#include "WinTypes.h"

// ---- Resource names and types ----
// A resource name or type is either a string or a 16-bit integer carried in the pointer itself.
#define MAKEINTRESOURCEW(i) ((LPWSTR)((ULONG_PTR)((WORD)(i))))
#define IS_INTRESOURCE(r) ((((ULONG_PTR)(r)) >> 16) == 0)

#define RT_CURSOR MAKEINTRESOURCEW(1)
#define RT_BITMAP MAKEINTRESOURCEW(2)
#define RT_ICON MAKEINTRESOURCEW(3)
#define RT_MENU MAKEINTRESOURCEW(4)
#define RT_DIALOG MAKEINTRESOURCEW(5)
#define RT_STRING MAKEINTRESOURCEW(6)
#define RT_RCDATA MAKEINTRESOURCEW(10)
#define RT_GROUP_CURSOR MAKEINTRESOURCEW(12)
#define RT_GROUP_ICON MAKEINTRESOURCEW(14)
#define RT_VERSION MAKEINTRESOURCEW(16)

// ---- Modules ----
#define DONT_RESOLVE_DLL_REFERENCES 0x00000001
#define LOAD_LIBRARY_AS_DATAFILE 0x00000002
#define LOAD_WITH_ALTERED_SEARCH_PATH 0x00000008
#define LOAD_LIBRARY_AS_IMAGE_RESOURCE 0x00000020
#define LOAD_LIBRARY_AS_DATAFILE_EXCLUSIVE 0x00000040

// Loading a file that is already loaded returns the same handle and counts one more reference; each
// successful load needs one FreeLibrary. A name without an extension gets ".dll", as on Windows (a trailing
// "." prevents that). A name without a path first matches an already loaded module of that file name.
WIN32SUB_API HMODULE WINAPI LoadLibraryW(LPCWSTR fileName);
// `file` must be NULL. With LOAD_LIBRARY_AS_DATAFILE (or the image-resource flags) only the resources are
// read: no code is loaded, GetProcAddress and GetModuleHandleW do not see the module. A file already loaded
// as a module is not loaded again: its handle is returned.
WIN32SUB_API HMODULE WINAPI LoadLibraryExW(LPCWSTR fileName, HANDLE file, DWORD flags);
WIN32SUB_API BOOL WINAPI FreeLibrary(HMODULE module);
// Only what the module itself exports is found, not what it merely links against.
WIN32SUB_API FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR procName);
// The full Win32 path of a module (NULL: the running program). A name that does not fit is cut to
// size - 1 characters and terminated, the result is `size` and the last error ERROR_INSUFFICIENT_BUFFER.
WIN32SUB_API DWORD WINAPI GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size);
// NULL: the running program. A name with a path matches that file; a bare name matches the file name of a
// loaded module, without regard to case. No reference is counted.
WIN32SUB_API HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName);

// ---- Resources ----
// NULL as module means the running program. A name or type given as a string is compared without regard to
// case; "#123" means the integer 123. FindResourceW looks for the neutral language and falls back as
// FindResourceExW does.
WIN32SUB_API HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
// Language choice: the language asked for; then its primary language alone, and that language's default
// sublanguage; then the neutral language; then the system's language (English, United States) and English
// alone; then the first language present. Fails with ERROR_RESOURCE_DATA_NOT_FOUND (the module has no
// resources), ERROR_RESOURCE_TYPE_NOT_FOUND or ERROR_RESOURCE_NAME_NOT_FOUND.
WIN32SUB_API HRSRC WINAPI FindResourceExW(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language);
// The resource's bytes stay valid until the module is freed; they are read-only.
WIN32SUB_API HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource);
WIN32SUB_API LPVOID WINAPI LockResource(HGLOBAL resourceData);
WIN32SUB_API DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource);
// Obsolete since Win32: does nothing and returns FALSE.
WIN32SUB_API BOOL WINAPI FreeResource(HGLOBAL resourceData);
