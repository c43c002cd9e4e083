// Files, folders and paths: the kernel32 file functions over drive Z:, which is the Linux file system
// (Z:\home\a.pdf is /home/a.pdf). Other drives and network paths do not exist here.
//
// Handles are kernel handles of this process: CreateFileW enforces the Win32 sharing rules between them,
// and the read-only attribute (a file without its owner's write permission) refuses writing and deleting,
// whoever runs the process.
#pragma once

#include <cstdint>

#include "WinTypes.h"

typedef int64_t LONGLONG;
typedef uint64_t ULONGLONG;

typedef union _LARGE_INTEGER {
    struct {
        DWORD LowPart;
        LONG HighPart;
    };
    struct {
        DWORD LowPart;
        LONG HighPart;
    } u;
    LONGLONG QuadPart;
} LARGE_INTEGER, *PLARGE_INTEGER;

// 100-nanosecond intervals since 1 January 1601 (UTC).
typedef struct _FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
} FILETIME, *PFILETIME, *LPFILETIME;

typedef struct _SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
} SECURITY_ATTRIBUTES, *PSECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

typedef struct _OVERLAPPED OVERLAPPED, *LPOVERLAPPED;  // asynchronous I/O is not offered: always NULL

#define MAX_PATH 260

// ---- Access rights ----
#define GENERIC_READ 0x80000000L
#define GENERIC_WRITE 0x40000000L
#define GENERIC_EXECUTE 0x20000000L
#define GENERIC_ALL 0x10000000L
#define DELETE 0x00010000L
#define READ_CONTROL 0x00020000L
#define SYNCHRONIZE 0x00100000L
#define FILE_READ_DATA 0x0001
#define FILE_WRITE_DATA 0x0002
#define FILE_APPEND_DATA 0x0004
#define FILE_READ_EA 0x0008
#define FILE_WRITE_EA 0x0010
#define FILE_EXECUTE 0x0020
#define FILE_READ_ATTRIBUTES 0x0080
#define FILE_WRITE_ATTRIBUTES 0x0100

// ---- Share modes ----
#define FILE_SHARE_READ 0x00000001
#define FILE_SHARE_WRITE 0x00000002
#define FILE_SHARE_DELETE 0x00000004

// ---- Creation dispositions ----
#define CREATE_NEW 1
#define CREATE_ALWAYS 2
#define OPEN_EXISTING 3
#define OPEN_ALWAYS 4
#define TRUNCATE_EXISTING 5

// ---- Attributes and flags ----
#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_HIDDEN 0x00000002
#define FILE_ATTRIBUTE_SYSTEM 0x00000004
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define FILE_ATTRIBUTE_TEMPORARY 0x00000100
#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)
#define FILE_FLAG_WRITE_THROUGH 0x80000000
#define FILE_FLAG_RANDOM_ACCESS 0x10000000
#define FILE_FLAG_SEQUENTIAL_SCAN 0x08000000
#define FILE_FLAG_BACKUP_SEMANTICS 0x02000000

// ---- File pointer ----
#define FILE_BEGIN 0
#define FILE_CURRENT 1
#define FILE_END 2

typedef struct _WIN32_FIND_DATAW {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    WCHAR cFileName[MAX_PATH];
    WCHAR cAlternateFileName[14];  // no short names here: always empty
} WIN32_FIND_DATAW, *PWIN32_FIND_DATAW, *LPWIN32_FIND_DATAW;

// ---- Paths ----
// Win32 path rules, without touching the disk: "/" becomes "\", "." and ".." are resolved, a relative path
// joins the current directory, trailing dots and spaces of the last name go. Runs of separators are kept
// as they are written, so a caller can see and refuse an empty name. Returns the length without the
// terminator, or the size needed (terminator included) when `size` is too small; 0 on failure.
WIN32SUB_API DWORD WINAPI GetFullPathNameW(LPCWSTR fileName, DWORD size, LPWSTR buffer, LPWSTR* filePart);
// The current directory as a Z: path ("Z:\home\user"); same return rules as GetFullPathNameW.
WIN32SUB_API DWORD WINAPI GetCurrentDirectoryW(DWORD size, LPWSTR buffer);
WIN32SUB_API BOOL WINAPI SetCurrentDirectoryW(LPCWSTR pathName);
// TMPDIR, or /tmp, as a Z: path ending in a backslash.
WIN32SUB_API DWORD WINAPI GetTempPathW(DWORD size, LPWSTR buffer);
// "<path>\<first three of prefix><hex>.tmp"; with `unique` 0 a new empty file of that name is created.
// `tempFileName` must hold MAX_PATH characters.
WIN32SUB_API UINT WINAPI GetTempFileNameW(LPCWSTR pathName, LPCWSTR prefixString, UINT unique, LPWSTR tempFileName);

// ---- Names on the disk ----
WIN32SUB_API DWORD WINAPI GetFileAttributesW(LPCWSTR fileName);
// Only FILE_ATTRIBUTE_READONLY of a file has an effect: it takes away, or gives back, write permission.
WIN32SUB_API BOOL WINAPI SetFileAttributesW(LPCWSTR fileName, DWORD attributes);
WIN32SUB_API BOOL WINAPI DeleteFileW(LPCWSTR fileName);
WIN32SUB_API BOOL WINAPI CreateDirectoryW(LPCWSTR pathName, LPSECURITY_ATTRIBUTES securityAttributes);
WIN32SUB_API BOOL WINAPI RemoveDirectoryW(LPCWSTR pathName);

// Wildcards "*" and "?" in the last name; "*.*" matches every name. Names come sorted, with "." and ".."
// first in every folder but the root, as NTFS gives them. Matching is case-sensitive, as drive Z: is.
WIN32SUB_API HANDLE WINAPI FindFirstFileW(LPCWSTR fileName, LPWIN32_FIND_DATAW findFileData);
WIN32SUB_API BOOL WINAPI FindNextFileW(HANDLE findFile, LPWIN32_FIND_DATAW findFileData);
WIN32SUB_API BOOL WINAPI FindClose(HANDLE findFile);

// ---- Open files ----
// Regular files only; a folder is refused with ERROR_ACCESS_DENIED. `templateFile` is ignored.
WIN32SUB_API HANDLE WINAPI CreateFileW(LPCWSTR fileName, DWORD desiredAccess, DWORD shareMode,
                                       LPSECURITY_ATTRIBUTES securityAttributes, DWORD creationDisposition,
                                       DWORD flagsAndAttributes, HANDLE templateFile);
WIN32SUB_API BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD numberOfBytesToRead, LPDWORD numberOfBytesRead,
                                  LPOVERLAPPED overlapped);
WIN32SUB_API BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD numberOfBytesToWrite,
                                   LPDWORD numberOfBytesWritten, LPOVERLAPPED overlapped);
WIN32SUB_API BOOL WINAPI SetFilePointerEx(HANDLE file, LARGE_INTEGER distanceToMove, PLARGE_INTEGER newFilePointer,
                                          DWORD moveMethod);
// Growing a file claims its disk space, so a full disk shows here as on Windows.
WIN32SUB_API BOOL WINAPI SetEndOfFile(HANDLE file);
WIN32SUB_API BOOL WINAPI GetFileSizeEx(HANDLE file, PLARGE_INTEGER fileSize);
WIN32SUB_API BOOL WINAPI FlushFileBuffers(HANDLE file);
// Closes a file handle. Find handles are closed with FindClose.
WIN32SUB_API BOOL WINAPI CloseHandle(HANDLE object);
